#!/usr/bin/env bash
# End-to-end tests: runs the real Velmora.exe under Wine on a display of its own.
#
#   tests/e2e/run.sh [--robot BUILD-DIR] [--wait SECONDS] <windows build dir> [case file...]
#
# Runs every scenario of tests/e2e/cases/*.sh (or of the files given), prints "PASS <name>" or
# "FAIL <name>: <reason>" for each, and ends with "e2e: N passed, M failed"; exits 0 only when
# all passed. Each leaves its files, logs and (on failure) a screenshot in
# <build dir>/e2e/cases/<name>/ (E2E_RUN_DIR moves <build dir>/e2e elsewhere).
#
# The build dir holds Velmora.exe and the stand-ins; --robot names the build of robot.exe
# (default: the same). --wait bounds every single wait (default 30 s, E2E_WAIT);
# E2E_CASE_TIMEOUT a whole scenario (240 s). WINEARCH (win32 unless set) is the prefix's
# architecture; for win64 the `wine` on PATH must start the 64-bit loader (see
# tools/wine-arch.sh).
set -u

E2E_HOME=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_HOME/lib.sh"

usage() {
    echo "usage: $0 [--robot BUILD-DIR] [--wait SECONDS] <windows build dir> [case file...]" >&2
    exit 2
}

robot_build=""
while [[ $# -ge 2 && $1 == --* ]]; do
    case $1 in
    --robot) robot_build=$2 ;;
    --wait) [[ $2 =~ ^[1-9][0-9]*$ ]] || usage; E2E_WAIT=$2 ;;
    *) usage ;;
    esac
    shift 2
done
[[ $# -ge 1 ]] || usage
E2E_BUILD_DIR=$(cd "$1" 2>/dev/null && pwd) || usage
shift
robot_build=$(cd "${robot_build:-$E2E_BUILD_DIR}" 2>/dev/null && pwd) || usage

export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEARCH=${WINEARCH:-win32} WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no prompts to install Mono or Gecko
E2E_RUN_DIR=${E2E_RUN_DIR:-$E2E_BUILD_DIR/e2e}
export WINEPREFIX=$E2E_RUN_DIR/prefix
E2E_ROBOT=$robot_build/tests/e2e/robot/robot.exe

setup_failed() { printf 'FAIL setup: %s\ne2e: 0 passed, 1 failed\n' "$*"; exit 1; }

# ---- display and prefix ------------------------------------------------------------

start_display() {
    local n
    for ((n = 90; n < 190; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        local deadline=$((SECONDS + E2E_WAIT))
        while ((SECONDS < deadline)); do
            # The display is ours once its lock names our server: a run that
            # starts at the same moment may have taken :n, and then the socket
            # is there while our Xvfb is about to give up.
            if [[ -e /tmp/.X11-unix/X$n &&
                $(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null) == "$E2E_XVFB_PID" ]]; then
                E2E_DISPLAY=:$n
                export DISPLAY=$E2E_DISPLAY
                return 0
            fi
            kill -0 "$E2E_XVFB_PID" 2>/dev/null || break  # lost the race for :n
            sleep 0.05
        done
        kill "$E2E_XVFB_PID" 2>/dev/null
    done
    return 1
}

stop_everything() {
    wineserver -k >/dev/null 2>&1
    [[ -n ${E2E_XVFB_PID:-} ]] && kill "$E2E_XVFB_PID" 2>/dev/null
}

make_prefix() {
    wineboot -i >"$E2E_RUN_DIR/wineboot.log" 2>&1 || return 1
    # A debugger that cannot start: a crash then ends the program at once with
    # its exception code, without winedbg's dialog (and winedbg --auto now and
    # then leaves exit code 0 behind).
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d 'no-debugger.exe %ld %ld' /f >/dev/null 2>&1 || return 1
    # Windows that Wine frames itself, not through a window manager: Xvfb has
    # none, and for a managed window Wine would wait two seconds for one each
    # time it hides a window, that is after every message box.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || return 1
    set_windows_version "$E2E_DEFAULT_WINDOWS"
    wineserver -w
}

# ---- cases ----------------------------------------------------------------------

end_wine_processes() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
}

# Runs one case in a subshell of its own, with a time limit; prints its line.
run_case() {  # run_case INDEX
    local name=${E2E_CASE_NAMES[$1]} fn=${E2E_CASE_FUNCTIONS[$1]} dir
    dir=$E2E_RUN_DIR/cases/$(tr -c 'A-Za-z0-9_\n-' '_' <<<"$name")
    rm -rf "$dir" && mkdir -p "$dir"
    (
        E2E_CASE_DIR=$dir
        E2E_CASE_SHELL=$BASHPID
        use_locale "$E2E_DEFAULT_LOCALE"
        cd "$dir" || exit 1
        "$fn" "${E2E_CASE_STEPS[$1]}"
    ) >"$dir/case.log" 2>&1 &
    local pid=$! deadline=$((SECONDS + E2E_CASE_TIMEOUT)) status
    while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "case timed out after $E2E_CASE_TIMEOUT s" >>"$dir/reason"
        E2E_CASE_DIR=$dir screenshot failure
        kill -TERM "$pid" 2>/dev/null
    fi
    wait "$pid"
    status=$?
    if ((status != 0)); then
        [[ -s $dir/reason ]] || echo "the case ended with status $status" >"$dir/reason"
        [[ -e $dir/failure.png ]] || E2E_CASE_DIR=$dir screenshot failure
    fi
    end_wine_processes
    [[ ! -e $dir/.windows-version-changed ]] || E2E_CASE_DIR='' set_windows_version "$E2E_DEFAULT_WINDOWS"
    ((status == 0)) && echo "PASS $name" || echo "FAIL $name: $(head -n 1 "$dir/reason")"
    return "$status"
}

main() {
    local case_files=("$@")
    [[ ${#case_files[@]} -gt 0 ]] || case_files=("$E2E_HOME"/cases/*.sh)

    [[ -f $E2E_BUILD_DIR/Velmora.exe ]] || setup_failed "no Velmora.exe in $E2E_BUILD_DIR"
    [[ -f $E2E_ROBOT ]] || setup_failed "no robot.exe at $E2E_ROBOT"
    local file
    for file in "${case_files[@]}"; do
        [[ -f $file ]] || setup_failed "no case file $file"
        # shellcheck source=/dev/null
        source "$file"
    done
    [[ ${#E2E_CASE_NAMES[@]} -gt 0 ]] || setup_failed "no cases registered"

    rm -rf "$E2E_RUN_DIR/cases" "$E2E_RUN_DIR/prefix"  # compiled locales are kept
    mkdir -p "$E2E_RUN_DIR/cases"
    trap stop_everything EXIT
    trap 'exit 130' INT TERM
    start_display || setup_failed "no free X display for Xvfb"
    local started=$SECONDS
    make_prefix || setup_failed "wineboot failed, see $E2E_RUN_DIR/wineboot.log"
    make_locale en_US.UTF-8 && make_locale ru_RU.UTF-8 ||
        echo "warning: no compiled locales; non-ASCII file names will not work" >&2
    echo "e2e: prefix ready in $((SECONDS - started)) s" >&2

    local passed=0 failed=0 i
    for i in "${!E2E_CASE_NAMES[@]}"; do
        started=$SECONDS
        if run_case "$i"; then ((passed++)); else ((failed++)); fi
        echo "e2e: ${E2E_CASE_NAMES[$i]} took $((SECONDS - started)) s" >&2
    done
    echo "e2e: $passed passed, $failed failed"
    ((failed == 0))
}

main "$@"
