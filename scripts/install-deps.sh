#!/bin/sh
# Installs what building and testing Tidewell 32 needs on Debian, if missing:
# both MinGW-w64 cross compilers and the 64-bit Wine always, the 32-bit Wine
# only where this host runs 32-bit code (see tools/wine-arch.sh).
set -eu
cd "$(dirname "$0")/.."
. tools/wine-arch.sh

packages="cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
wine wine64 fonts-wine xvfb xauth imagemagick"
if tw_wine_arches 2>/dev/null | grep -qx win32; then
    packages="$packages wine32:i386"
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
case "$missing" in
    *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
