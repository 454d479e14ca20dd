#!/usr/bin/env bash
# Installs every Debian package the project needs that is missing, then configures and builds
# the given presets (default: release). Idempotent; needs root (or sudo) only to install.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential g++ cmake ninja-build pkg-config git
  clang libclang-rt-14-dev
  libnspr4-dev zlib1g-dev libdeflate-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  genisoimage
  libaspell-dev aspell-en aspell-fr unicode-data libicu-dev
  libpcre2-dev nlohmann-json3-dev
  libedit-dev espeak-ng lame
  libsqlite3-dev libxapian-dev dictd dict-gcide
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools libwine-dev wine wine64 wine32:i386 xvfb
)
# wine32 (the tests of the 32-bit Windows libraries) comes from this foreign architecture.
FOREIGN_ARCHES=(i386)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  for arch in "${FOREIGN_ARCHES[@]}"; do
    dpkg --print-foreign-architectures | grep -qx "$arch" || $SUDO dpkg --add-architecture "$arch"
  done
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -q
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
fi

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(release)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
