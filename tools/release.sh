#!/usr/bin/env bash
# Builds the release a pack author ships with a pack: out/Velmora-<version>.zip, which
# unpacks into a folder Velmora-<version> that works as it is: Velmora.exe and
# velmora-check.exe (32-bit, for Windows XP and later), the Language folder, the sample pack
# "Source SMP" and the read-mes for pack authors in English and Russian.
#
#   bash tools/release.sh                          builds the programs first (windows preset)
#   bash tools/release.sh --from BUILD --out DIR   packs the programs of an existing build
#
# Prints the path of the zip. The version is the project's, in CMakeLists.txt.
set -eu

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
from=""
out=$top/out
while [ $# -gt 0 ]; do
    case $1 in
    --from) from=$(cd "$2" && pwd); shift 2 ;;
    --out) mkdir -p "$2"; out=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: tools/release.sh [--from BUILD-DIR] [--out DIR]" >&2; exit 2 ;;
    esac
done
cd "$top"

version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

if [ -z "$from" ]; then
    source tools/wine-arch.sh
    prepare_wine "$top" >&2
    cmake --preset windows >&2
    cmake --build --preset windows >&2
    from=$top/build/windows
fi

# Text files for Notepad: the version filled in, CR LF, and the Russian one marked as UTF-8,
# which Windows XP's Notepad reads by that mark.
crlf() { sed "s/@VERSION@/$version/g; s/\r*\$/\r/" "$1"; }

name=Velmora-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$from/Velmora.exe" "$from/velmora-check.exe" "$stage/$name/"
cp -r examples/Language "examples/Source SMP" "$stage/$name/"
crlf resources/release/ReadMe.txt >"$stage/$name/ReadMe.txt"
{ printf '\357\273\277'; crlf resources/release/ReadMe-RU.txt; } >"$stage/$name/ReadMe-RU.txt"

mkdir -p "$out"
zip=$out/$name.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip "$name")
echo "$zip"
