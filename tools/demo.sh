#!/usr/bin/env bash
# Builds Velmora.exe, lays out a demo next to it (the program with the sample pack and the
# Language folder, and demo QIP 2005 and QIP Infium folders), starts the stand-in messengers
# from their demo folders, so that the simplified search finds them, and starts the wizard
# under Wine (see tools/wine-arch.sh for the ways it runs).
#
# On your display the wizard is yours to lead. Where there is no display, the robot of the
# end-to-end tests leads it on a virtual one through a whole installation of the sample pack,
# into two skins of the demo QIP 2005 and then into the demo QIP Infium; a picture of every
# page and box it passes is saved in out/demo/pictures, and the installed folders and the
# reports' last lines are printed. VELMORA_DEMO_WAIT bounds each wait (30 s).
set -eu

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
source tools/wine-arch.sh
prepare_wine "$top"
describe_wine_arch
build_for_wine

demo=$top/out/demo
stand_ins=$WINE_BUILD_DIR/examples/stand-ins
rm -rf "$demo"
mkdir -p "$demo/Velmora" "$demo/pictures" "$demo/logs"
cp "$WINE_BUILD_DIR/Velmora.exe" "$demo/Velmora/"
cp -r "examples/Source SMP" examples/Language "$demo/Velmora/"
# The installation changes the messenger folders, so the demo works on copies.
cp -r "examples/demo/QIP 2005" "examples/demo/QIP Infium" "$demo/"
cp "$stand_ins/qip.exe" "$demo/QIP 2005/"
cp "$stand_ins/infium.exe" "$demo/QIP Infium/"

export WINEDEBUG=-all WINEPREFIX=$top/out/wineprefix-$VELMORA_WINE_ARCH
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
    echo "Making a Wine prefix ($VELMORA_WINE_ARCH) in $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi

# The tests' helpers: the robot, the waits, the box fields.
E2E_CASE_DIR=$demo/logs E2E_CASE_SHELL=$BASHPID E2E_WAIT=${VELMORA_DEMO_WAIT:-30}
E2E_ROBOT=$WINE_ROBOT_DIR/tests/e2e/robot/robot.exe
source tests/e2e/lib.sh
source tools/demo_walk.sh
# From here on a failure says why and ends the demo, also from inside a command substitution.
set +eu
fail() {
    echo "demo: $*" >&2
    [ "$BASHPID" = "$E2E_CASE_SHELL" ] || kill -TERM "$E2E_CASE_SHELL"
    exit 1
}
trap 'exit 1' TERM

headless=no
xvfb_pid=""
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    headless=yes
    for n in $(seq 90 189); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$demo/logs/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$n
        break
    done
    [ -n "$xvfb_pid" ] || fail "no free display number for Xvfb"
    deadline=$((SECONDS + E2E_WAIT))
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb did not start (see $demo/logs/xvfb.log)"
        sleep 0.1
    done
    echo "No display found: the robot leads the wizard on the virtual display $DISPLAY."
fi
E2E_DISPLAY=$DISPLAY
end_demo() {
    [ "$headless" = yes ] || return 0
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap end_demo EXIT

# The stand-in messengers run first; the wizard's simplified search finds them once their
# windows are there, and lets the user pick either.
for exe in "QIP 2005/qip.exe" "QIP Infium/infium.exe"; do
    (cd "$(dirname "$demo/$exe")" && exec wine "$demo/$exe") >>"$demo/logs/standins.log" 2>&1 &
    wait_for_x_window_of "$demo/$exe" "the stand-in $exe"
done

(cd "$demo/Velmora" && exec wine "$demo/Velmora/Velmora.exe") >>"$demo/logs/velmora.log" 2>&1 &
VELMORA_PID=$!
robot_try wait-window myWindow '*' >/dev/null ||
    fail "the wizard's window did not appear within $E2E_WAIT s (see $demo/logs)"
echo "The demo lies in $demo (messenger folders: \"$demo/QIP 2005\", \"$demo/QIP Infium\")."

if [ "$headless" = no ]; then
    import -window root "$demo/pictures/wizard.png"
    echo "Stand-ins of QIP 2005 and QIP Infium run from those folders: the simplified search finds both."
    echo "The wizard is running on your display; close it to end the demo."
    wait "$VELMORA_PID" || true
    wineserver -k 2>/dev/null || true
    exit 0
fi

DEMO_PICTURES=$demo/pictures DEMO_REPORT=$demo/reports.txt
demo_walk
echo "Pictures of each page and box the wizard showed: $DEMO_PICTURES"
echo "The boxes' titles and last lines:"
sed 's/^/    /' "$DEMO_REPORT"
echo "Installed into QIP 2005 (skin: smiles in Animated, in Static):"
for skin in "$demo/QIP 2005/Skins"/*/; do
    record=$(iconv -f CP1251 -t UTF-8 "$skin/Smilies/Animated/Smile\`s_version.txt" 2>/dev/null |
        tr -d '\r' | sed -n 2p)
    echo "    $(basename "$skin"): $(find "$skin/Smilies/Animated" -maxdepth 1 -name '*.gif' | wc -l)," \
        "$(find "$skin/Smilies/Static" -maxdepth 1 -name '*.bmp' | wc -l), ${record:-not installed}"
done
echo "Folders of QIP Infium's Smilies:"
ls -1 "$demo/QIP Infium/Smilies" | sed 's/^/    /'
