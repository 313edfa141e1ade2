# The about-pack page and the pack-information page: the agreement, a pack with
# nothing to say, and the check of the pack's smile folders behind the
# information page. The sample pack's texts are in code page 1251, so these
# cases run as a Russian Windows.

PACK_DATA_ERROR_TITLE="Velmora: Error in Smiles-Pack Data..."

# A program folder with the pack and no Language folder: the wizard starts on
# the about-program page, in the built-in Russian texts.
start_on_about_program_page() {  # start_on_about_program_page [arguments...]
    start_velmora "$@"
    wait_until "$ABOUT_PROGRAM" text "$PAGE_CAPTION"
}

# The sample pack asks for its agreement: Next waits for the tick, and the tick
# is remembered when the user comes back to the page.
test_agreement() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    start_on_about_program_page
    next_page "$ABOUT_PACK"
    expect_eq "$(russian_section "$SAMPLE_PACK/aboutSP.ini")" "$(robot text 'edit#1')" "pack text"
    expect_eq "Я принимаю условия соглашения" "$(robot text "$AGREEMENT_BOX")" "agreement box"
    expect_eq "Открыть страницу смайл-пака..." "$(robot text 1033)" "pack page link"
    expect_eq "Написать письмо автору смайл-пака..." "$(robot text 1034)" "pack mail link"
    expect_eq no "$(robot checked "$AGREEMENT_BOX")" "agreement ticked on the first visit"
    expect_eq no "$(robot enabled "$NEXT_BUTTON")" "Next enabled before the tick"
    expect_eq yes "$(robot enabled "$BACK_BUTTON")" "Back enabled"

    accept_agreement
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled after the tick"
    next_page "$PACK_INFO"
    back_page "$ABOUT_PACK"
    expect_eq yes "$(robot checked "$AGREEMENT_BOX")" "agreement ticked on coming back"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled on coming back"

    robot click "$AGREEMENT_BOX"
    wait_until no checked "$AGREEMENT_BOX"
    expect_eq no "$(robot enabled "$NEXT_BUTTON")" "Next enabled after taking the tick away"
    # The about-program page enables Next whatever this page left.
    back_page "$ABOUT_PROGRAM"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled on the about-program page"
    expect_eq no "$(robot enabled "$BACK_BUTTON")" "Back enabled on the about-program page"
    quit_wizard
}

# Without aboutSP.ini and without author links the about-pack page has nothing
# to show and is passed over in both directions.
test_pack_without_texts() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    rm "$(prog_dir)/Source SMP/aboutSP.ini"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[4]=""  # the author's web page
    SAMPLE_SMP_LINES[5]=""  # the author's e-mail address
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"

    start_on_about_program_page
    next_page "$PACK_INFO"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled on the information page"
    back_page "$ABOUT_PROGRAM"
    expect_eq no "$(robot enabled "$BACK_BUTTON")" "Back enabled on the about-program page"
    next_page "$PACK_INFO"
    quit_wizard
}

# A _define.ini with fewer lines than the folder has smiles makes the pack
# impossible to install: the information page is never shown, the program ends.
test_short_define_file() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    add_language_folder
    sed -i '$d' "$(prog_dir)/Source SMP/Animated Single Full Light/_define.ini"

    start_velmora
    robot select "$LANGUAGE_LIST" 0
    wait_until "Далее >>" text "$NEXT_BUTTON"
    next_page "$ABOUT_PROGRAM"
    next_page "$ABOUT_PACK"
    accept_agreement
    robot click "$NEXT_BUTTON"

    local box
    box=$(robot box)
    expect_eq "$PACK_DATA_ERROR_TITLE" "$(field title "$box")" "box title"
    local why='Количество строк в "_define.ini" меньше, чем количество смайлов, папка:'
    expect_eq "Установка смайл-пака не возможна!\\r\\n\\r\\n$why \"Animated Single Full Light\"." \
        "$(field text "$box")" "box text"
    expect_eq ok "$(field buttons "$box")" "box buttons"
    expect_eq error "$(field 'icon kind' "$box")" "box icon"
    expect_eq none "$(field owner "$box")" "box owner"
    expect_eq yes "$(field topmost "$box")" "box is system-modal (topmost)"
    # The error goes to the log, which the end of the run offers to write.
    robot answer ok
    decline_log
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
}

# A copy of the sample pack whose SMP.ini declares 40 animated smiles in the
# full version, where the folder holds 36.
make_pack_with_wrong_count() {
    make_prog_dir "$SAMPLE_PACK"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[7]=40
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
}

# A declared count that differs from the smiles in the folder is corrected: the
# information page shows the real number. In test mode the difference is shown
# once, in a box that keeps the wizard's window from taking clicks; coming back
# to the page finds the count corrected already.
test_wrong_declared_count() {
    use_locale ru_RU.UTF-8
    make_pack_with_wrong_count
    local count_line=" Кол-во анимированных смайлов (Полная версия): "

    start_on_about_program_page
    next_page "$ABOUT_PACK"
    accept_agreement
    next_page "$PACK_INFO"
    local info
    info=$(robot text 'edit#1')
    expect_contains "$info" "${count_line}36\\r\\n" "pack information"
    expect_contains "$info" " Кол-во анимированных смайлов (Легкая версия): 30\\r\\n" "pack information"
    # The correction is logged, and the end of the run offers LOG.txt.
    robot click "$EXIT_BUTTON"
    robot answer yes
    decline_log
    wait_velmora_exit

    start_on_about_program_page TESTMODE
    next_page "$ABOUT_PACK"
    accept_agreement
    robot click "$NEXT_BUTTON"
    local warning
    warning=$(robot box)
    local difference='> "SMP.ini" - amount of animated smiles [Single Full Light] (40) <> amount smiles (36)'
    expect_eq "$PACK_DATA_ERROR_TITLE" "$(field title "$warning")" "warning title"
    expect_eq "Ошибка в данных смайл-пака:\\r\\n\\r\\n$difference$(printf '%10s' '')\\r\\n" \
        "$(field text "$warning")" "warning text"
    expect_eq error "$(field 'icon kind' "$warning")" "warning icon"
    mouse_click "$NEXT_BUTTON" 1
    sleep 0.5  # time for the click to arrive
    robot_try --timeout 0 wait-window '#32770' "$PACK_DATA_ERROR_TITLE" >/dev/null ||
        fail "a click on Next behind the warning box closed the box"
    robot answer ok
    wait_until "$PACK_INFO" text "$PAGE_CAPTION"
    expect_contains "$(robot text 'edit#1')" "${count_line}36\\r\\n" "pack information in test mode"
    # No second warning on the way back: it would hold the page back.
    back_page "$ABOUT_PACK"
    next_page "$PACK_INFO"
    quit_wizard
}

# The author's web page comes from the pack: its link opens web addresses only
# and never starts a program, not even one the pack brings along.
test_pack_page_link_starts_no_program() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" "$(prog_dir)/Source SMP/run.exe" ||
        fail "cannot copy the stand-in program"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[4]='Source SMP\run.exe'  # relative to the program folder
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"

    start_on_about_program_page
    next_page "$ABOUT_PACK"
    robot click 1033  # the pack page link
    sleep 2
    local started
    started=$(pgrep -af 'run\.exe')
    [[ -z $started ]] || fail "the pack's page link started a program: $started"
    quit_wizard
}

e2e_case "about-pack page: Next waits for the agreement, the tick is kept" test_agreement
e2e_case "about-pack page with nothing to show is passed over both ways" test_pack_without_texts
e2e_case "pack-information page: short _define.ini stops the wizard" test_short_define_file
e2e_case "pack-information page: wrong declared count is corrected" test_wrong_declared_count
e2e_case "about-pack page: the pack's web page link starts no program" test_pack_page_link_starts_no_program
