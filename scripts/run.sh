#!/usr/bin/env bash
# The main job on a fresh Debian machine: installs what is missing, builds the release preset
# (which also compiles the sample work), imports Debian's GCIDE dictionary into a cache once,
# then opens the interactive reader on it when standard input and output are terminals, or
# otherwise shows a short demonstration (a lookup, a search with highlights, an article).
#
#   scripts/run.sh
#
# The imported work is kept in $ZT_CACHE (default ${XDG_CACHE_HOME:-~/.cache}/zt) and made again
# only when it is missing or no longer opens.
set -euo pipefail
cd "$(dirname "$0")/.."

# Packages of this run only; scripts/setup.sh installs those of the build.
RUN_PACKAGES=(dict-gcide)
GCIDE_INDEX=/usr/share/dictd/gcide.index
GCIDE_DICT=/usr/share/dictd/gcide.dict.dz

install_run_packages() {
  local missing=() p
  for p in "${RUN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "run: installing ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}"
}

scripts/setup.sh release
install_run_packages

zt=build/release/tools/zt/cli/zt
sample=build/release/samples/cuisine
cache=${ZT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zt}
gcide=$cache/gcide
if ! "$zt" info "$gcide" >/dev/null 2>&1; then
  echo "run: importing GCIDE into $gcide (once)"
  mkdir -p "$cache"
  rm -rf "$gcide"
  "$zt" import dictd "$GCIDE_INDEX" "$GCIDE_DICT" "$gcide"
fi

if [ -t 0 ] && [ -t 1 ]; then
  exec "$zt" read "$gcide"
fi

show() {
  echo
  echo "\$ zt $*"
  "$zt" "$@"
}
show lookup "$gcide" lexicograph --mode begins --limit 5
show search "$gcide" '"reference book"' --limit 3
show show "$gcide" lexicographer --query 'dictionary or dictionaries'
echo
echo "\$ printf 'crème\\n/butter and lemon\\n1\\n' | zt read $sample"
printf 'crème\n/butter and lemon\n1\n' | "$zt" read "$sample"
