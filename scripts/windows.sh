#!/usr/bin/env bash
# The Windows pop-up lookup libraries for Windows: cross-builds them with Debian's mingw-w64
# and runs their test program under Wine in a fresh prefix, on a virtual X display.
#
#   scripts/windows.sh build [i686|x86_64 ...]   build (default: both)
#   scripts/windows.sh test [i686|x86_64 ...]    build, then test under Wine (default: both)
#
# Build trees: $VL_WINDOWS_BUILD/<arch> (default build/windows/<arch>); the libraries and the
# test program land in its bin/. A missing Wine (wine64, or wine32 for i686) is a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
builds=${VL_WINDOWS_BUILD:-$root/build/windows}

build() {
  local arch=$1 dir=$builds/$1
  cmake -S windows/cross -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/windows/cross/mingw-$arch.cmake" >/dev/null
  cmake --build "$dir"
}

# The Wine loader that runs programs of the architecture.
wine_for() {
  case $1 in
    x86_64) [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64 ;;
    i686) [ -x /usr/lib/wine/wine ] && echo /usr/lib/wine/wine ;;
  esac
}

# Runs in a subshell of its own: everything it starts (the prefix's wineserver, Xvfb) is
# ended by its own handle when it exits.
run_tests() (
  arch=$1
  bin=$builds/$1/bin
  wine=$(wine_for "$arch") || true
  if [ -z "$wine" ]; then
    echo "windows.sh: no Wine for $arch here (wine64, or wine32 from the i386 architecture):" \
      "the $arch libraries cannot be tested" >&2
    exit 1
  fi
  work=$(mktemp -d)
  xvfb=""
  cleanup() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
  }
  trap cleanup EXIT
  Xvfb -displayfd 5 -nolisten tcp -screen 0 1024x768x24 5>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  if [ ! -s "$work/display" ]; then
    echo "windows.sh: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(cat "$work/display")" WINEPREFIX=$work/prefix WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # The prefix is complete (and its services can start) once its wineserver has ended.
  "$wine" wineboot -i >/dev/null 2>&1
  wineserver -w
  cp "$bin"/* "$work/"
  cd "$work"
  for server in VL_MSOffice.vlp VLSup.dll VL_Default.dll; do
    if ! "$wine" regsvr32 /s "$server" >/dev/null 2>&1; then
      echo "windows.sh: regsvr32 $server failed ($arch)" >&2
      exit 1
    fi
  done
  echo "== Wine tests: $arch"
  "$wine" vlwine_test.exe 2>/dev/null | tr -d '\r'
  exit "${PIPESTATUS[0]}"
)

command=${1:-}
shift || true
arches=("$@")
[ ${#arches[@]} -gt 0 ] || arches=(i686 x86_64)
case $command in
  build)
    for arch in "${arches[@]}"; do build "$arch"; done
    ;;
  test)
    status=0
    for arch in "${arches[@]}"; do
      build "$arch"
      run_tests "$arch" || status=1
    done
    exit $status
    ;;
  *)
    sed -n '2,10p' "$0" >&2
    exit 2
    ;;
esac
