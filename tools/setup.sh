#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian: the native compiler and
# GoogleTest, clang with libFuzzer, the mingw-w64 cross compilers, Wine (32-bit where the
# machine runs 32-bit programs, 64-bit everywhere), Xvfb and ImageMagick for screenshots.
# Does nothing when everything is there already.
set -eu

source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
choose_wine_arch

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

have cmake || need+=(cmake)
have g++ || need+=(g++)
have make || need+=(make)
have_pkg libgtest-dev || need+=(libgtest-dev)
have clang++ || need+=(clang)
have_pkg libclang-rt-dev || need+=(libclang-rt-dev)
have i686-w64-mingw32-g++ || need+=(mingw-w64)
have x86_64-w64-mingw32-g++ || need+=(mingw-w64)
have wine || need+=(wine)
have_pkg wine64 || need+=(wine64)
i386=no
if [ "$VELMORA_WINE_ARCH" = win32 ]; then
    i386=yes
    have_pkg wine32:i386 || need+=(wine32:i386)
fi
have Xvfb || need+=(xvfb)
have import || need+=(imagemagick)
have xdotool || need+=(xdotool)
have python3 || need+=(python3)
have localedef || need+=(locales)

[ ${#need[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${need[*]}"
if [ "$i386" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${need[@]}" \
    ca-certificates
