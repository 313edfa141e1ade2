# Start-up: the Windows version check, the pack description and the "testmode"
# switch, as the user sees them before the wizard's window opens.

ERROR_TITLE='Velmora: Error in smiles-pack...'
NOT_POSSIBLE='Installation of smiles-pack is not possible!'
SOUND_SMP_INI=("Startup pack 1.0" smilespack all single "" "" no 1 0 1 0 all Off 01.01.2010)

# The text of the box about a faulty description; box texts come from the
# robot with CR and LF written as \r and \n.
smp_error_text() {  # smp_error_text DETAIL-SHOWN-IN-TEST-MODE-OR-EMPTY
    local ini
    ini="$(windows_path "$(prog_dir)")\\Source SMP\\SMP.ini"
    printf '%s' "Error in file: \"$ini\"!\\r\\n$NOT_POSSIBLE"
    [[ -z $1 ]] || printf '%s' "\\r\\n\\r\\n$1"
}

convert_to_cp1251() {  # convert_to_cp1251 FILE
    iconv -f UTF-8 -t CP1251 "$1" >"$1.1251" || fail "cannot convert $1 to code page 1251"
    mv "$1.1251" "$1"
}

# Every box of the start-up is system-modal, has no owner, an icon and only OK.
expect_startup_box() {  # expect_startup_box TITLE TEXT
    local box
    box=$(robot box)
    expect_eq "$1" "$(field title "$box")" "box title"
    expect_eq "$2" "$(field text "$box")" "box text"
    expect_eq ok "$(field buttons "$box")" "box buttons"
    expect_eq yes "$(field topmost "$box")" "box is system-modal (topmost)"
    expect_eq none "$(field owner "$box")" "box owner"
    expect_eq yes "$(field icon "$box")" "box has an icon"
}

# OK ends the program at once: exit code 0, no further box, no wizard window.
expect_exit_after_ok() {
    robot answer ok
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
    ! window_was_seen myWindow || fail "the wizard window was shown"
}

# Runs the program once with the arguments and expects the box about the pack
# description, with the detail at its end ("" for none).
expect_smp_error() {  # expect_smp_error DETAIL [ARGUMENTS...]
    local detail=$1
    shift
    start_window_watch myWindow
    start_velmora "$@"
    expect_startup_box "$ERROR_TITLE" "$(smp_error_text "$detail")"
    expect_exit_after_ok
}

test_windows_2000_is_refused() {
    make_prog_dir  # no pack: the version check must come first
    set_windows_version win2k
    start_window_watch myWindow
    start_velmora
    expect_startup_box 'Warning...' "\\r\\nVelmora\\r\\n\\r\\nNot supported OS...$(printf '%16s' '')"
    expect_exit_after_ok
}

test_xp_and_later_are_accepted() {
    local version
    for version in winxp vista win10; do
        make_prog_dir
        set_windows_version "$version"
        start_velmora
        local title
        title=$(field title "$(robot box)")
        expect_eq "$ERROR_TITLE" "$title" "first box on $version"
        robot answer ok
        wait_velmora_exit
    done
}

test_missing_description() {
    make_prog_dir
    expect_smp_error ""
    expect_smp_error "Error data: File not found." TESTMODE

    # A folder named SMP.ini is not a file.
    mkdir -p "$(prog_dir)/Source SMP/SMP.ini"
    expect_smp_error "Error data: File not found." TESTMODE
}

test_faulty_description() {
    local lines=("${SOUND_SMP_INI[@]}")
    lines[1]=smilepack
    make_prog_dir
    write_smp_ini "${lines[@]}"

    expect_smp_error 'Error in string: "Type".' TESTMODE
    expect_smp_error ""
    expect_smp_error 'Error in string: "Type".' tESTmODE
    # The switch counts only as the first argument.
    expect_smp_error "" other TESTMODE
}

# The control case for the faulty ones, in the Russian locale: the description
# is read in code page 1251 and the wizard opens; its window carries line 1.
test_sound_description_opens_wizard() {
    use_locale ru_RU.UTF-8
    local lines=("${SOUND_SMP_INI[@]}")
    lines[0]="Проверочный пак 1.0"
    make_prog_dir
    write_smp_ini "${lines[@]}"
    convert_to_cp1251 "$(prog_dir)/Source SMP/SMP.ini"

    start_velmora
    expect_eq "Проверочный пак 1.0" "$(robot wait-window myWindow '*')" "window title"
    robot close
    local box
    box=$(robot box)
    expect_eq "Действительно хотите закрыть программу?" "$(field text "$box")" "exit question"
    expect_eq "yes no" "$(field buttons "$box")" "exit question buttons"
    expect_eq myWindow "$(field owner "$box")" "exit question owner"
    robot answer yes
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
}

# A description that cannot be read must not crash the program: one box names the
# file and the system's reason, in every mode, and the wizard does not open.
test_locked_description() {
    make_prog_dir
    write_smp_ini "${SOUND_SMP_INI[@]}"
    lock_file "$(prog_dir)/Source SMP/SMP.ini" 60000
    start_window_watch myWindow
    start_velmora
    local box
    box=$(robot box)
    expect_eq "Velmora: Error in smiles-pack..." "$(field title "$box")" "title"
    expect_contains "$(field text "$box")" \
        'Installation of smiles-pack is not possible!\r\n\r\nError data: File cannot be read (' \
        "box text"
    robot answer ok
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
    ! window_was_seen myWindow || fail "the wizard window was shown"
}

e2e_case "Windows 2000 is refused" test_windows_2000_is_refused
e2e_case "Windows XP and later are accepted" test_xp_and_later_are_accepted
e2e_case "missing SMP.ini stops the wizard" test_missing_description
e2e_case "faulty SMP.ini stops the wizard, test mode shows why" test_faulty_description
e2e_case "sound SMP.ini opens the wizard" test_sound_description_opens_wizard
e2e_case "unreadable SMP.ini stops the wizard" test_locked_description
