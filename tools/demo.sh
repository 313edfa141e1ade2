#!/usr/bin/env bash
# Builds Velmora.exe, lays out a demo next to it (the program with the sample pack and the
# English texts, and demo QIP 2005 and QIP Infium folders), starts the stand-in messengers from
# their demo folders, so that the simplified search finds them, and starts the wizard under Wine:
# on your display when there is one, otherwise on a virtual one. Saves a screenshot either way.
# On a machine that cannot run 32-bit programs (or with VELMORA_WINE_ARCH=win64) the demo runs
# a 64-bit build of the same sources under 64-bit Wine.
set -eu

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
source tools/wine-arch.sh
prepare_wine "$top"
describe_wine_arch

cmake --preset "$WINE_BUILD_PRESET" >/dev/null
cmake --build --preset "$WINE_BUILD_PRESET"

demo=$top/out/demo
stand_ins=$WINE_BUILD_DIR/examples/stand-ins
rm -rf "$demo"
mkdir -p "$demo/Velmora"
cp "$WINE_BUILD_DIR/Velmora.exe" "$demo/Velmora/"
cp -r "examples/Source SMP" examples/Language "$demo/Velmora/"
# The installation changes the messenger folders, so the demo works on copies.
cp -r "examples/demo/QIP 2005" "examples/demo/QIP Infium" "$demo/"
cp "$stand_ins/qip.exe" "$demo/QIP 2005/"
cp "$stand_ins/infium.exe" "$demo/QIP Infium/"

export WINEDEBUG=-all WINEPREFIX=$top/out/wineprefix-$WINEARCH
export WINEDLLOVERRIDES="mscoree,mshtml="
# Packs are written in their author's ANSI code page; the sample pack's is 1251, so the demo
# runs as on a Russian Windows unless VELMORA_LOCALE says otherwise (en_US.UTF-8 gives 1252).
# The locale is compiled into out/locales, as the end-to-end tests do, so the system needs none.
locale=${VELMORA_LOCALE:-ru_RU.UTF-8}
if [ ! -d "$top/out/locales/$locale" ]; then
    mkdir -p "$top/out/locales"
    localedef -i "${locale%%.*}" -f UTF-8 "$top/out/locales/$locale" >/dev/null 2>&1 || true
fi
export LOCPATH=$top/out/locales
# This shell itself looks for the locale in the system's folders only and would warn; Wine
# and the wizard find it through LOCPATH.
{ export LC_ALL=$locale; } 2>/dev/null
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making a Wine prefix ($WINEARCH) in $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi

xvfb_pid=""
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    for n in $(seq 90 189); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$n
        sleep 1
        break
    done
    echo "No display found: the wizard runs on the virtual display $DISPLAY."
fi

# The stand-in messengers run first; the wizard's simplified search finds them once their
# windows are there, and lets the user pick either.
messengers=()
for exe in "QIP 2005/qip.exe" "QIP Infium/infium.exe"; do
    (cd "$(dirname "$demo/$exe")" && exec wine "$demo/$exe") >/dev/null 2>&1 &
    messengers+=($!)
    for _ in $(seq 1 40); do
        xdotool search --onlyvisible --pid "$!" >/dev/null 2>&1 && break
        sleep 0.25
    done
done

wine "$demo/Velmora/Velmora.exe" &
wizard=$!
shot=$top/out/demo-screenshot.png
for _ in $(seq 1 40); do
    xdotool search --name "Velmora" >/dev/null 2>&1 && break
    sleep 0.25
done
sleep 2
import -window root "$shot"
echo "Screenshot of the wizard: $shot"
echo "The demo lies in $demo (messenger folders: \"$demo/QIP 2005\", \"$demo/QIP Infium\")."
echo "Stand-ins of QIP 2005 and QIP Infium run from those folders: the simplified search finds both."

if [ -n "$xvfb_pid" ]; then
    wineserver -k
    kill "$xvfb_pid" 2>/dev/null || true
else
    echo "The wizard is running on your display; close it to end the demo."
    wait "$wizard" || true
    kill "${messengers[@]}" 2>/dev/null || true
fi
