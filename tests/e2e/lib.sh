# Helpers for the end-to-end tests: Velmora.exe runs under Wine on a display of
# its own and robot.exe drives its windows. Sourced by run.sh; the cases in
# cases/*.sh use the functions below.
#
# Set by run.sh: E2E_RUN_DIR, E2E_BUILD_DIR, E2E_ROBOT, E2E_DISPLAY, WINEPREFIX.
# Set per case: E2E_CASE_DIR (the case's own folder), E2E_CASE_SHELL.
#
# Wine's tools and the robot run in run.sh's C.UTF-8, so that the robot's
# arguments reach it intact; only Velmora.exe runs in the case's locale.

E2E_DEFAULT_LOCALE=en_US.UTF-8
E2E_DEFAULT_WINDOWS=winxp
# The bundled sample pack and language files.
E2E_EXAMPLES=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../examples" && pwd)
SAMPLE_PACK="$E2E_EXAMPLES/Source SMP"
# The program's version, as the build gives it to the program.
VELMORA_VERSION=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' \
    "$E2E_EXAMPLES/../CMakeLists.txt")
# The one bound of every wait, in seconds: for a window, a box, a control's value, a file
# lock, the program's end. run.sh --wait raises it for a slow machine.
E2E_WAIT=${E2E_WAIT:-30}
E2E_CASE_TIMEOUT=${E2E_CASE_TIMEOUT:-240}

E2E_CASE_NAMES=()
E2E_CASE_FUNCTIONS=()
E2E_CASE_STEPS=()

# Registers a test: e2e_case "readable name" function_name
e2e_case() {
    E2E_CASE_NAMES+=("$1")
    E2E_CASE_FUNCTIONS+=("$2")
    E2E_CASE_STEPS+=("")
}

# Registers a scenario: its steps, one a line, come from a here-document (see run_steps).
scenario() {  # scenario "readable name" <<'END' ... END
    E2E_CASE_NAMES+=("$1")
    E2E_CASE_FUNCTIONS+=(run_steps)
    E2E_CASE_STEPS+=("$(cat)")
}

# Runs a scenario's steps in order. A step is a verb and its words, quoted as in the shell
# ($NAMES of this file are expanded); the verb a-b runs the function step_a_b. "#" starts a
# comment.
run_steps() {  # run_steps STEPS
    local line words verb
    while IFS= read -r -u 3 line; do
        [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
        eval "words=($line)" || fail "cannot read the step: $line"
        verb=step_${words[0]//-/_}
        declare -F "$verb" >/dev/null || fail "no step '${words[0]}'"
        echo "step: $line"
        "$verb" "${words[@]:1}"
    done 3<<<"$1"
}

# ---- failing a case -------------------------------------------------------------

# Records the reason (the first one wins) and ends the case, also from inside a
# command substitution: there it stops the case's shell as well.
fail() {
    [[ -s $E2E_CASE_DIR/reason ]] || printf '%s\n' "$*" >"$E2E_CASE_DIR/reason"
    [[ $BASHPID == "$E2E_CASE_SHELL" ]] || kill -TERM "$E2E_CASE_SHELL" 2>/dev/null
    exit 1
}

expect_eq() { [[ $1 == "$2" ]] || fail "${3:-value}: expected '$1', got '$2'"; }  # EXPECTED ACTUAL [WHAT]
expect_contains() { [[ $1 == *"$2"* ]] || fail "${3:-text} '$1' does not contain '$2'"; }  # TEXT PART [WHAT]
field() { sed -n "s/^$1: //p" <<<"$2"; }  # field KEY DESCRIPTION: "KEY: value" of the robot's box

# ---- environment ------------------------------------------------------------------

# Makes a UTF-8 locale available to Wine without touching the system: compiled
# into the run's own folder and found through LOCPATH. Without it Wine's file
# names lose every non-ASCII letter.
make_locale() {  # make_locale ru_RU.UTF-8
    local dir=$E2E_RUN_DIR/locales
    [[ -d $dir/$1 ]] && return 0
    mkdir -p "$dir"
    localedef -i "${1%%.*}" -f UTF-8 "$dir/$1" >/dev/null 2>&1 || [[ -d $dir/$1 ]]
}

# The locale the program runs in; its ANSI code page follows it (ru_RU: 1251).
use_locale() {  # use_locale ru_RU.UTF-8
    make_locale "$1" || echo "warning: locale $1 could not be compiled" >&2
    E2E_LOCALE=$1
}

# The Windows version the prefix reports: winxp, win2k, vista, win7, ...
set_windows_version() {
    if ! wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1; then
        [[ -z ${E2E_CASE_DIR:-} ]] || fail "cannot set the Windows version $1"
        return 1
    fi
    [[ -z ${E2E_CASE_DIR:-} ]] || touch "$E2E_CASE_DIR/.windows-version-changed"
}

# True when the program under test is a 32-bit program (its PE machine 014c) in a 64-bit
# prefix, as on 64-bit Windows: its system folder is then syswow64, and its registry view of
# HKLM\Software the 32-bit one (Wow6432Node).
program_under_wow64() {
    local exe=$E2E_BUILD_DIR/Velmora.exe header
    header=$(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ')
    [[ $WINEARCH == win64 && $(od -An -tx1 -j $((header + 4)) -N 2 "$exe" | tr -d ' ') == 4c01 ]]
}

# The folder the program under test knows as its system folder, seen from Linux.
program_system_folder() {
    local folder=system32
    program_under_wow64 && folder=syswow64
    echo "$WINEPREFIX/drive_c/windows/$folder"
}

# `wine reg` on the registry as the program under test sees it.
program_reg() {  # program_reg add|query|delete KEY ARGUMENTS...
    if program_under_wow64; then wine reg "$@" /reg:32; else wine reg "$@"; fi
}

windows_path() {  # the path as a program in the prefix sees it
    winepath -w "$1" 2>/dev/null | tr -d '\r'
}

screenshot() {  # screenshot NAME -> NAME.png in the case folder
    import -display "$E2E_DISPLAY" -window root "$E2E_CASE_DIR/$1.png" 2>/dev/null
}

# ---- the program folder -----------------------------------------------------------

# A fresh program folder for the case: Velmora.exe and, when given, a pack
# folder copied as "Source SMP". Prints nothing; the folder is $(prog_dir).
make_prog_dir() {  # make_prog_dir [pack folder]
    local prog=$E2E_CASE_DIR/prog
    rm -rf "$prog"
    mkdir -p "$prog"
    cp "$E2E_BUILD_DIR/Velmora.exe" "$prog/" || fail "cannot copy Velmora.exe"
    [[ $# -eq 0 ]] || cp -r "$1" "$prog/Source SMP" || fail "cannot copy the pack $1"
}

# The program's folder: the case's "prog", or E2E_PROG_DIR when a case set it.
prog_dir() { echo "${E2E_PROG_DIR:-$E2E_CASE_DIR/prog}"; }

# ---- the program ------------------------------------------------------------------

# Starts Velmora.exe from the case's program folder in the background, in the
# case's locale (LC_ALL as well: without it Wine keeps code page 1252).
start_velmora() {  # start_velmora [arguments...]
    local prog
    prog=$(prog_dir)
    (cd "$prog" && exec env LOCPATH="$E2E_RUN_DIR/locales" \
        LANG="$E2E_LOCALE" LC_ALL="$E2E_LOCALE" wine "$prog/Velmora.exe" "$@") \
        >>"$E2E_CASE_DIR/velmora.log" 2>&1 &
    VELMORA_PID=$!
}

# Waits for the program to end and sets VELMORA_EXIT to its Windows exit code
# (wine passes it on, modulo 256). A program still running after the wait, or one
# that crashed, fails the case.
wait_velmora_exit() {
    local deadline=$((SECONDS + E2E_WAIT))
    while kill -0 "$VELMORA_PID" 2>/dev/null; do
        if ((SECONDS >= deadline)); then
            local title
            title=$(robot_try --timeout 0 box | sed -n 's/^title: //p')
            fail "Velmora.exe still runs after $E2E_WAIT s${title:+ (box '$title' is open)}"
        fi
        sleep 0.1
    done
    wait "$VELMORA_PID"
    VELMORA_EXIT=$?
    local crash
    crash=$(grep -m 1 '^wine: Unhandled' "$E2E_CASE_DIR/velmora.log")
    [[ -z $crash ]] || fail "Velmora.exe crashed: ${crash#wine: }"
}

# ---- the robot -------------------------------------------------------------------

# Runs a robot command and prints its output without Wine's CRs; returns the
# robot's exit code. The robot waits E2E_WAIT unless the command says otherwise.
# Wine's own errors are on, so that a robot that Wine fails to run says why.
run_robot() {  # run_robot FILE-FOR-STDERR ARGUMENTS...
    local err=$1 status
    shift
    WINEDEBUG=-all,err+all wine "$E2E_ROBOT" --timeout $((E2E_WAIT * 1000)) "$@" 2>"$err" |
        tr -d '\r'
    status=${PIPESTATUS[0]}
    tr -d '\r' <"$err" >>"$E2E_CASE_DIR/robot.log"
    return "$status"
}

robot_try() {
    local err=$E2E_CASE_DIR/.robot-err.$BASHPID status
    run_robot "$err" "$@"
    status=$?
    ((status == 0 || ${E2E_ROBOT_MUST:-0} == 0)) || fail "robot $*: $(robot_reason "$err") (status $status)"
    rm -f "$err"
    return "$status"
}

# The same for a command that must succeed: a failure fails the case, with the robot's own
# word, else the first of Wine's.
robot() { E2E_ROBOT_MUST=1 robot_try "$@"; }
robot_reason() {  # robot_reason FILE-OF-STDERR
    local said
    said=$(tr -d '\r' <"$1" | grep -m 1 '^robot: ' || tr -d '\r' <"$1" | head -n 1)
    echo "${said:-ended without a word}"
}

# Repeats a reading robot command (text, enabled, checked, list, ...) until it
# prints VALUE, written as the robot prints it; fails the case when it does not
# within the robot's timeout. A click or a selection is posted to the program,
# so this is how a case waits for it to take effect.
wait_until() {  # wait_until VALUE COMMAND ARGUMENTS...
    robot --until "$@" >/dev/null
}

# The Linux processes that run a Windows program file. Not always the one `wine` was started
# as: a 32-bit program in a 64-bit prefix runs in a process of its own, whose command line
# names the program by its Windows path; a 64-bit one keeps the Linux path it was given.
processes_running() {  # processes_running LINUX-PATH-OF-THE-PROGRAM
    # Through the environment: awk -v would take the backslashes as escapes.
    ps -eo pid=,args= -ww | EXE=$1 WINEXE=$(windows_path "$1") \
        awk 'index($0, ENVIRON["EXE"]) || index($0, ENVIRON["WINEXE"]) { print $1 }'
}

# The visible X windows of a running Windows program, one a line.
visible_x_windows_of() {  # visible_x_windows_of LINUX-PATH-OF-THE-PROGRAM
    local pid
    for pid in $(processes_running "$1"); do
        xdotool search --onlyvisible --pid "$pid" 2>>"$E2E_CASE_DIR/xdotool.log"
    done
}

# Waits until a program started from PATH shows a window; fails the case with WHAT otherwise.
wait_for_x_window_of() {  # wait_for_x_window_of LINUX-PATH-OF-THE-PROGRAM WHAT
    local deadline=$((SECONDS + E2E_WAIT))
    until [[ -n $(visible_x_windows_of "$1") ]]; do
        ((SECONDS < deadline)) || fail "$2 showed no window within $E2E_WAIT s"
        sleep 0.1
    done
}

# Presses a key as the keyboard would: on the X server's keyboard once the program's window
# has the input focus, and Wine hands it to the control that has the focus. Never xdotool's
# --window: it sends events to a window without the focus, and a key that closes its window
# would go down on the keyboard and up as an event, repeated for ever. Only while no message
# box is open: the window must be the program's only visible one.
press_key() {  # press_key KEY (an X key name: Escape, Return, Tab, ...)
    local window deadline=$((SECONDS + E2E_WAIT)) log=$E2E_CASE_DIR/xdotool.log
    window=$(visible_x_windows_of "$(prog_dir)/Velmora.exe")
    [[ -n $window && $window != *$'\n'* ]] ||
        fail "press_key $1: Velmora.exe shows ${window:+more than one window}${window:-no window}"
    until [[ $(xdotool getwindowfocus 2>>"$log") == "$window" ]]; do
        ((SECONDS < deadline)) || fail "xdotool could not focus the window for $1"
        xdotool windowfocus "$window" 2>>"$log"
        sleep 0.05
    done
    xdotool key "$1" 2>>"$log" || fail "xdotool could not press $1"
}

# Clicks a control of the main window with the real mouse.
mouse_click() {  # mouse_click CONTROL BUTTON [TIMES]  (BUTTON: 1 left, 3 right)
    local x y
    read -r x y <<<"$(robot point "$1")"
    xdotool mousemove "$x" "$y" click --repeat "${3:-1}" --delay 100 "$2" \
        2>>"$E2E_CASE_DIR/xdotool.log" || fail "xdotool could not click $1"
}

# Watches in the background for a visible top-level window of a class, e.g. to
# prove later that the wizard's window never showed.
start_window_watch() {  # start_window_watch CLASS
    wine "$E2E_ROBOT" --timeout 600000 wait-window "$1" '*' >"$E2E_CASE_DIR/watch-$1" 2>/dev/null &
    E2E_WATCHER_PID=$!
}

# Ends the watch; true when the window showed since start_window_watch.
window_was_seen() {  # window_was_seen CLASS
    sleep 0.2  # one more poll of the watcher
    kill "$E2E_WATCHER_PID" 2>/dev/null
    wait "$E2E_WATCHER_PID" 2>/dev/null
    [[ -s $E2E_CASE_DIR/watch-$1 ]]
}

# ---- the wizard's window -----------------------------------------------------------

EXIT_BUTTON=1027
LANGUAGE_LIST=1028
COPY_LIST=1029
NEXT_BUTTON=1030
AGREEMENT_BOX=1035
SKINS_LIST=1036
BACK_BUTTON=1046
# The page caption has no id: it is the static at the same place on every page.
PAGE_CAPTION=static@80,108
# Captions of pages in the built-in Russian texts.
ABOUT_PROGRAM="О программе:"
ABOUT_PACK="О смайл-паке:"
PACK_INFO="Информация о смайл-паке:"
SEARCH_METHOD="Выберите метод поиска QIP\`а:"
SIMPLE_SEARCH="Упрощенный поиск:"
INSTALL_MODE="Выберите режим установки для смайл-пака:"
INSTALL_SKINS_CAPTION="Отметьте скины в которые нужно установить смайл-пак:"

next_page() {  # next_page CAPTION-OF-THE-PAGE-EXPECTED
    robot click "$NEXT_BUTTON"
    wait_until "$1" text "$PAGE_CAPTION"
}

# ---- stand-in messengers -----------------------------------------------------------

# Copies a stand-in messenger into a folder and starts it there; returns once its
# titled window shows, so that a search among running programs finds it. KIND:
# qip (QIP 2005), infium (infium.exe), infium-as-qip (a QIP Infium named qip.exe).
start_standin() {  # start_standin KIND FOLDER
    local built=$E2E_BUILD_DIR/examples/stand-ins
    case $1 in
    qip) built+=/qip.exe ;;
    infium) built+=/infium.exe ;;
    infium-as-qip) built+=/infium-as-qip/qip.exe ;;
    *) fail "no stand-in $1" ;;
    esac
    mkdir -p "$2"
    cp "$built" "$2/" || fail "cannot copy the stand-in $built"
    (cd "$2" && exec wine "$2/${built##*/}") >>"$E2E_CASE_DIR/standins.log" 2>&1 &
    wait_for_x_window_of "$2/${built##*/}" "the stand-in $1 in $2"
}

# ---- QIP 2005 and the way to its installation ------------------------------------

# ---- the shell's folder browser ------------------------------------------------------

# The title the wizard gives the browser, shown above its folder tree.
BROWSER_TITLE="Выберете папку QIP\`а"

# The shell's folder browser that the wizard opened, owned by its window: the folder PATH of
# the case is chosen in it by way of "/", Wine's view of the Linux root, which bears the same
# name in every language (the program then gets the folder on drive Z:); or it is cancelled.
step_browse() {  # browse PATH|cancel
    local way=cancel path=$E2E_CASE_DIR/$1
    [[ $1 == cancel ]] || way=/${path//\//\\}
    expect_eq "owner: myWindow" "$(robot browse "$BROWSER_TITLE" "$way")" "the folder browser"
}

# ---- the steps of the scenarios ---------------------------------------------------------
# Paths in steps are relative to the case's folder, the current one while a scenario runs.

step_locale() { use_locale "$1"; }            # locale ru_RU.UTF-8
step_windows() { set_windows_version "$1"; }  # windows win2k

# The program folder: Velmora.exe, and the sample pack as "Source SMP" unless "none".
step_program() {  # program [sample|none]
    if [[ ${1:-sample} == none ]]; then make_prog_dir; else make_prog_dir "$SAMPLE_PACK"; fi
}

# The bundled Language folder: the language page then lists "Russian [Русский]" and "English
# [English]".
step_languages() { cp -r "$E2E_EXAMPLES/Language" "$(prog_dir)/" || fail "cannot copy Language"; }

# SMP.ini of the sample pack with data lines changed (N counts from 1), written in code page
# 1251 with CR LF line ends, as the pack's Windows tools write it.
step_smp() {  # smp N=VALUE...
    local lines change
    mapfile -t lines < <(grep -v -e '^//' -e '^\\\\' "$SAMPLE_PACK/SMP.ini" | tr -d '\r')
    for change in "$@"; do lines[${change%%=*} - 1]=${change#*=}; done
    mkdir -p "$(prog_dir)/Source SMP"
    printf '%s\r\n' "${lines[@]}" | iconv -f UTF-8 -t CP1251 >"$(prog_dir)/Source SMP/SMP.ini" ||
        fail "cannot write SMP.ini"
}

step_drop() {  # drop PATH-IN-THE-PACK...
    local path
    for path in "$@"; do rm -rf "$(prog_dir)/Source SMP/$path" || fail "cannot remove $path"; done
}

step_folder() { mkdir -p "$@" || fail "cannot make $*"; }  # folder PATH...
step_file() { mkdir -p "$(dirname "$1")" && printf '%s' "$2" >"$1" || fail "cannot write $1"; }
step_readonly() { chmod a-w "$@" || fail "cannot make $* read-only"; }
step_snapshot() { rm -rf "$1.before" && cp -a "$1" "$1.before" || fail "cannot copy $1"; }
# same PATH...: as at the last snapshot of it or of a folder above it, byte for byte and with
# the same permissions (the read-only attribute).
step_same() {
    local path head tail
    for path in "$@"; do
        head=$path tail=""
        until [[ -e $head.before || $head != */* ]]; do tail=/${head##*/}$tail head=${head%/*}; done
        diff -r "$head.before$tail" "$path" >/dev/null &&
            [[ $(cd "$head.before$tail" && find . -printf '%P %m\n' | sort) == \
                $(cd "$path" && find . -printf '%P %m\n' | sort) ]] || fail "$path changed"
    done
}
step_absent() { local path; for path in "$@"; do [[ ! -e $path ]] || fail "$path is there"; done; }
# Holds a file open without sharing, as a running program holds it, until unlock or the end of
# the case; returns once it is held. Several may be held at once.
E2E_LOCK_PIDS=()
step_lock() {  # lock PATH
    local out=$E2E_CASE_DIR/lock.${#E2E_LOCK_PIDS[@]}.out deadline=$((SECONDS + E2E_WAIT))
    wine "$E2E_ROBOT" lock "$(windows_path "$E2E_CASE_DIR/$1")" $((E2E_CASE_TIMEOUT * 1000)) \
        >"$out" 2>>"$E2E_CASE_DIR/robot.log" &
    E2E_LOCK_PIDS+=($!)
    until grep -q locked "$out" 2>/dev/null; do
        kill -0 $! 2>/dev/null && ((SECONDS < deadline)) ||
            fail "could not lock $1: $(tail -n 1 "$E2E_CASE_DIR/robot.log")"
        sleep 0.05
    done
}
step_unlock() {
    ((${#E2E_LOCK_PIDS[@]})) || return 0
    kill "${E2E_LOCK_PIDS[@]}" 2>/dev/null
    wait "${E2E_LOCK_PIDS[@]}" 2>/dev/null
    E2E_LOCK_PIDS=()
}

# A running QIP 2005 in ./QIP, snapshotted: five skins, each holding smiles of another pack, a
# file in a sub-folder, and an old smile.gif of the same name as one of the sample pack's.
step_qip2005() {
    local skin kind folder
    for skin in 1 2 3 4 5; do
        for kind in Animated Static; do
            folder="$E2E_CASE_DIR/QIP/Skins/Skin$skin/Smilies/$kind"
            mkdir -p "$folder/keep"
            printf 'old pack %s\r\n' "$skin" >"$folder/_define.ini"
            printf 'old' | tee "$folder/old.gif" >"$folder/smile.gif"
            printf 'kept' >"$folder/keep/note.txt"
        done
    done
    step_snapshot QIP
    start_standin qip "$E2E_CASE_DIR/QIP"
}
step_standin() { start_standin "$1" "$E2E_CASE_DIR/$2"; }  # standin KIND FOLDER

step_start() { start_velmora "$@"; }
step_watch() { start_window_watch myWindow; }  # the wizard's window is looked for from now on
step_no_window() { ! window_was_seen myWindow || fail "the wizard window was shown"; }

# The sample pack's way from the about-program page to the search-method page; on to the
# simplified search's found-folder notice, answered; or on to the skins list with the install
# mode MODE (1044 full, 1045 lite).
step_walk() {  # walk search-method|found-notice|skins-list MODE
    step_page "$ABOUT_PROGRAM"
    next_page "$ABOUT_PACK"
    step_agree
    next_page "$PACK_INFO"
    next_page "$SEARCH_METHOD"
    [[ $1 == search-method ]] && return
    next_page "$SIMPLE_SEARCH"
    robot click "$NEXT_BUTTON"
    robot answer ok
    [[ $1 == skins-list ]] || return 0
    step_page "$INSTALL_MODE"
    robot click "$2"
    wait_until yes checked "$2"
    next_page "$INSTALL_SKINS_CAPTION"
}

step_page() { wait_until "$1" text "$PAGE_CAPTION"; }  # page CAPTION
step_next() { next_page "$1"; }
step_back() { robot click "$BACK_BUTTON" && step_page "$1"; }
step_click() { robot click "$1"; }
step_close() { robot close; }  # the title bar's close button
step_select() { robot select "$1" "$2"; }
step_mark() {  # mark SKIN...: whatever order the folder listed them in
    local lines name index
    mapfile -t lines < <(robot list "$SKINS_LIST")
    for name in "$@"; do
        for index in "${!lines[@]}"; do
            [[ ${lines[$index]} != "$name" ]] || robot select "$SKINS_LIST" "$index"
        done
    done
}
step_key() { press_key "$1"; }
step_agree() { robot click "$AGREEMENT_BOX" && wait_until yes checked "$AGREEMENT_BOX"; }
step_quit() {  # Exit, and Yes to its question: the program ends at once with exit code 0
    robot click "$EXIT_BUTTON"
    step_box yes title=Подтверждение\ выхода...
    step_exit 0
}

# Waits until a control shows a value: expect CONTROL text|enabled|checked|list|selected VALUE.
step_expect() { wait_until "$3" "$2" "$1"; }
# The control's text holds PART, line breaks written \r\n as the robot prints them.
step_shows() { expect_contains "$(robot text "$1")" "$2" "text of $1"; }  # shows CONTROL PART

# Checks the open box and answers it ("-": left open). A check is FIELD=VALUE or FIELD~PART
# (contains), FIELD as the robot names it with "-" for a space: title, text, buttons, owner,
# topmost, icon, icon-kind.
step_box() {  # box ANSWER CHECK...
    local answer=$1 box check name
    shift
    box=$(robot box)
    for check in "$@"; do
        if [[ $check =~ ^([a-z-]+)=(.*)$ ]]; then
            name=${BASH_REMATCH[1]//-/ }
            expect_eq "${BASH_REMATCH[2]}" "$(field "$name" "$box")" "box $name"
        elif [[ $check =~ ^([a-z-]+)~(.*)$ ]]; then
            name=${BASH_REMATCH[1]//-/ }
            expect_contains "$(field "$name" "$box")" "${BASH_REMATCH[2]}" "box $name"
        else
            fail "no box check '$check'"
        fi
    done
    [[ $answer == - ]] || robot answer "$answer"
}

step_exit() {  # exit CODE: the program ends with it
    wait_velmora_exit
    expect_eq "$1" "$VELMORA_EXIT" "exit code"
}

# A set of the sample pack as installed into FOLDER: exactly its smiles, byte for byte, in the
# full version or the lite one (less DeleteLite.ini's), the version's _define.ini and the record.
installed_set() {  # installed_set FOLDER Animated|Static full|lite
    local set="$SAMPLE_PACK/$2 Single Full Light" version="$SAMPLE_PACK/$2 Lite Dark" smiles name pack
    [[ $3 == full ]] && version=$set
    smiles=$(ls "$set" | grep -vx _define.ini)
    [[ $3 == full ]] || smiles=$(grep -vxF -f <(tr -d '\r' <"$version/DeleteLite.ini" |
        grep -v -e '^//' -e '^$' | sed "s/\$/.${smiles##*.}/") <<<"$smiles")
    expect_eq "$(printf '%s\n' $smiles _define.ini "Smile\`s_version.txt" | sort)" \
        "$(cd "$1" && find . -maxdepth 1 -type f -printf '%f\n' | sort)" "files in $1"
    for name in $smiles; do cmp -s "$set/$name" "$1/$name" || fail "$1/$name is not the pack's"; done
    cmp -s "$version/_define.ini" "$1/_define.ini" || fail "$1/_define.ini is not the pack's"
    mapfile -t pack < <(grep -v -e '^//' -e '^\\\\' "$SAMPLE_PACK/SMP.ini" | tr -d '\r')
    printf '\r\n%s %s %s\r\nAmount of smiles:\r\n%s\r\nType of smiles:\r\n%s\r\n' "${pack[0]}" "$3" \
        "${pack[13]}" "$(wc -w <<<"$smiles")" "$2" | cmp -s - "$1/Smile\`s_version.txt" ||
        fail "the record in $1 is not the installation's"
}

# Both sets of the sample pack in one version, installed into a QIP 2005 skin (its Smilies
# folder) or into QIP Infium (the folders "PACK VERSION" and "PACK VERSION Static").
step_installed() {  # installed SKIN|INFIUM-SMILIES/PACK full|lite
    if [[ -d $1/Smilies ]]; then
        installed_set "$1/Smilies/Animated" Animated "$2" && installed_set "$1/Smilies/Static" Static "$2"
    else
        installed_set "$1 $2" Animated "$2" && installed_set "$1 $2 Static" Static "$2"
    fi
}
