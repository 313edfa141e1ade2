# The messenger pages: the search-method page with the shell's folder browser,
# the simplified search among running programs (stand-in messengers run for
# it), the copy-choice list, and the install-mode page, up to the skins list of
# QIP 2005. The sample pack's texts are in code page 1251, so these cases run as
# a Russian Windows.

COPY_CHOICE="Выберите копию QIP\`а для установки:"
INSTALL_MODE="Выберите режим установки для смайл-пака:"
SKINS_CAPTION="Отметьте скины в которые нужно установить смайл-пак:"
WARNING_TITLE="Предупреждение..."
SIMPLIFIED_SEARCH=1040
MANUAL_CHOICE=1041
FIRST_MODE=1044
SECOND_MODE=1045
NOTE_BOX=edit@105,202

# The sample pack with another pack type (line 4 of SMP.ini).
make_pack_of_type() {  # make_pack_of_type TYPE
    make_prog_dir "$SAMPLE_PACK"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[3]=$1
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
}

# A "lightdark" pack: the dark sets are whole sets of their own, here copies of
# the sample pack's light ones.
make_lightdark_pack() {
    make_pack_of_type lightdark
    local pack kind
    pack="$(prog_dir)/Source SMP"
    for kind in Animated Static; do
        rm -r "$pack/$kind Lite Dark"
        cp -r "$pack/$kind Single Full Light" "$pack/$kind Lite Dark" || fail "cannot copy $kind smiles"
    done
    SAMPLE_SMP_LINES[8]=${SAMPLE_SMP_LINES[7]}
    SAMPLE_SMP_LINES[10]=${SAMPLE_SMP_LINES[9]}
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
}

start_on_search_method_page() {
    use_locale ru_RU.UTF-8
    start_velmora
    pages_to_search_method
}

# From the search-method page with the simplified search chosen: the search
# page, and its Next ("Искать >>") runs the search.
search_running_copies() {
    next_page "$SIMPLE_SEARCH"
    robot click "$NEXT_BUTTON"
}

# Checks the open box against its title, text, icon and owner (the wizard's
# window, or none); OK closes it.
expect_box() {  # expect_box TITLE TEXT ICON-KIND OWNER-CLASS
    local box
    box=$(robot box)
    expect_eq "$1" "$(field title "$box")" "box title"
    expect_eq "$2" "$(field text "$box")" "box text"
    expect_eq "$3|$4" "$(field 'icon kind' "$box")|$(field owner "$box")" "icon and owner of '$2'"
    robot answer ok
}

# The notice names the messenger's folder; it has no owner.
expect_found_notice() {  # expect_found_notice MESSENGER-FOLDER
    expect_box "$WARNING_TITLE" \
        "Папка QIP\`а успешно найдена!\\r\\nПуть к найденной папке: \"$(windows_path "$1")\"" \
        information none
}

# QIP Infium has no install-mode page: its installation runs at once and ends
# with its report, which has no owner.
expect_infium_installation() {
    local box
    box=$(robot box)
    expect_eq "Отчет о копировании...|none" "$(field title "$box")|$(field owner "$box")" \
        "title and owner of the QIP Infium report"
    robot answer ok
    expect_contains "$(field text "$(robot box)")" "Хотите установить смайлы" "question"
    robot answer no
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
}

# The install-mode page's two choices, the first one ticked, and the top of the
# first radio button (the second lies 20 below it).
expect_mode_choices() {  # expect_mode_choices FIRST-TEXT SECOND-TEXT TOP
    wait_until "$INSTALL_MODE" text "$PAGE_CAPTION"
    expect_eq "$1" "$(robot text "$FIRST_MODE")" "first mode"
    expect_eq "$2" "$(robot text "$SECOND_MODE")" "second mode"
    expect_eq "yes no" "$(robot checked "$FIRST_MODE") $(robot checked "$SECOND_MODE")" \
        "modes ticked"
    local controls
    controls=$(robot controls)
    expect_eq "110,$3 110,$(($3 + 20))" \
        "$(awk -F '\t' -v a="$FIRST_MODE" -v b="$SECOND_MODE" \
            '$1 == a { split($5, p, ","); first = p[1] "," p[2] }
             $1 == b { split($5, p, ","); second = p[1] "," p[2] }
             END { print first, second }' <<<"$controls")" "places of the mode buttons"
}

expect_no_note_box() {
    robot_try --timeout 0 text "$NOTE_BOX" >/dev/null && fail "the install-mode page shows a note box"
}

# No copy runs: a warning, and the search-method page again, as on its first
# visit. Once a copy runs, a second search finds it; a "darksingle" pack (any
# letter case) has no modes, so the install-mode page is passed over both ways.
test_no_copy_then_one() {
    make_pack_of_type DarkSingle
    start_on_search_method_page
    expect_eq "Упрощенный поиск|Выбор папки программы вручную" \
        "$(robot text "$SIMPLIFIED_SEARCH")|$(robot text "$MANUAL_CHOICE")" "search methods"
    expect_eq "yes no" "$(robot checked "$SIMPLIFIED_SEARCH") $(robot checked "$MANUAL_CHOICE")" \
        "methods ticked"
    expect_eq "Если вы не знаете где у вас установлен QIP, выбирайте упрощенный поиск." \
        "$(robot text 'edit#1')" "search-method hint"

    next_page "$SIMPLE_SEARCH"
    expect_eq "Искать >>" "$(robot text "$NEXT_BUTTON")" "Next on the search page"
    robot click "$NEXT_BUTTON"
    expect_box "$WARNING_TITLE" "Не найдено ни одной запущенной версии QIP\`а!" warning myWindow
    wait_until "$SEARCH_METHOD" text "$PAGE_CAPTION"
    expect_eq "yes|Далее >>" "$(robot enabled "$NEXT_BUTTON")|$(robot text "$NEXT_BUTTON")" \
        "Next after the warning"
    expect_eq yes "$(robot checked "$SIMPLIFIED_SEARCH")" "simplified search ticked again"

    start_standin qip "$E2E_CASE_DIR/QIP 2005"
    search_running_copies
    expect_found_notice "$E2E_CASE_DIR/QIP 2005"
    wait_until "$SKINS_CAPTION" text "$PAGE_CAPTION"
    back_page "$SEARCH_METHOD"
    quit_wizard
}

# One running QIP 2005 and the sample pack ("fulllite" with LiteStr.ini): the
# found-folder notice, then the full and lite versions above the pack's note.
# The first choice has the focus, and the arrow keys move the choice.
test_one_copy() {
    make_prog_dir "$SAMPLE_PACK"
    start_standin qip "$E2E_CASE_DIR/QIP 2005"
    start_on_search_method_page
    search_running_copies
    expect_found_notice "$E2E_CASE_DIR/QIP 2005"
    expect_mode_choices "Полная версия" "Легкая версия" 147
    expect_eq "$(russian_section "$SAMPLE_PACK/LiteStr.ini")" "$(robot text "$NOTE_BOX")" "note box"

    press_key Down
    wait_until yes checked "$SECOND_MODE"
    expect_eq no "$(robot checked "$FIRST_MODE")" "first mode after Down"
    press_key Up
    wait_until yes checked "$FIRST_MODE"
    next_page "$SKINS_CAPTION"
    quit_wizard
}

# Two running copies: the list holds both executables, Next waits for a pick,
# Back leads to the search-method page. The picked copy, without a found-folder
# notice, is the one whose skins are offered. A "fulllite" pack without
# LiteStr.ini shows its modes lower.
test_two_copies() {
    make_prog_dir "$SAMPLE_PACK"
    rm "$(prog_dir)/Source SMP/LiteStr.ini"
    local copy
    for copy in first second; do
        mkdir -p "$E2E_CASE_DIR/$copy/Skins/Skin of the $copy copy/Smilies"
        start_standin qip "$E2E_CASE_DIR/$copy"
    done
    local paths
    paths=$(printf '%s\n' "$(windows_path "$E2E_CASE_DIR/first/qip.exe")" \
        "$(windows_path "$E2E_CASE_DIR/second/qip.exe")")

    start_on_search_method_page
    search_running_copies
    wait_until "$COPY_CHOICE" text "$PAGE_CAPTION"
    expect_eq "$paths" "$(robot list "$COPY_LIST" | sort)" "copy list"
    expect_eq no "$(robot enabled "$NEXT_BUTTON")" "Next before a pick"
    back_page "$SEARCH_METHOD"

    search_running_copies
    wait_until "$COPY_CHOICE" text "$PAGE_CAPTION"
    local picked
    picked=$(robot list "$COPY_LIST" | head -n 1)
    robot select "$COPY_LIST" 0
    wait_until yes enabled "$NEXT_BUTTON"
    next_page "$INSTALL_MODE"
    robot_try --timeout 0 box >/dev/null && fail "a box showed after the pick from the list"
    expect_mode_choices "Полная версия" "Легкая версия" 197
    expect_no_note_box
    next_page "$SKINS_CAPTION"
    copy=${picked%\\qip.exe}
    expect_eq "Skin of the ${copy##*\\} copy" "$(robot list "$SKINS_LIST")" "skins of the picked copy"
    quit_wizard
}

# A running QIP Infium has no install modes: the found-folder notice leads
# straight to its installation. KIND names the stand-in (see start_standin).
check_running_infium() {  # check_running_infium KIND
    make_prog_dir "$SAMPLE_PACK"
    start_standin "$1" "$E2E_CASE_DIR/Infium"
    start_on_search_method_page
    search_running_copies
    expect_found_notice "$E2E_CASE_DIR/Infium"
    expect_infium_installation
}

test_running_infium() { check_running_infium infium; }
test_running_infium_named_qip() { check_running_infium infium-as-qip; }

# The manual choice through the shell's folder browser, opened by Back as well
# as by Next: Cancel leaves the page waiting, a folder without the messenger
# gets a warning, and a folder three levels inside the messenger's finds it. A
# "lightdark" pack offers the two backgrounds and never the note.
test_manual_choice() {
    make_lightdark_pack
    mkdir -p "$E2E_CASE_DIR/QIP/Skins/Default/Smilies" "$E2E_CASE_DIR/nothing/here"
    cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" "$E2E_CASE_DIR/QIP/" ||
        fail "cannot copy the stand-in"

    start_on_search_method_page
    robot click "$MANUAL_CHOICE"
    wait_until yes checked "$MANUAL_CHOICE"
    robot click "$BACK_BUTTON"
    find_browser
    expect_eq "myWindow|no" "$(field owner "$E2E_BROWSER")|$(field 'edit box' "$E2E_BROWSER")" \
        "folder browser's owner and edit box"
    cancel_browser
    expect_eq "$SEARCH_METHOD" "$(robot text "$PAGE_CAPTION")" "page after Cancel"
    # The ticked choice has the focus, which Space presses: the manual choice stays, and Next
    # opens the browser again. (Windows may tick a radio button that merely gets the focus;
    # Wine does not, so the key shows where the focus is.)
    press_key space
    expect_eq "no yes" "$(robot checked "$SIMPLIFIED_SEARCH") $(robot checked "$MANUAL_CHOICE")" \
        "methods ticked after Cancel and Space"

    robot click "$NEXT_BUTTON"
    browse_to "$E2E_CASE_DIR/nothing/here"
    expect_box "$WARNING_TITLE" "В выбранной папке QIP не обнаружен!" warning myWindow
    robot click "$NEXT_BUTTON"
    browse_to "$E2E_CASE_DIR/QIP/Skins/Default/Smilies"
    expect_found_notice "$E2E_CASE_DIR/QIP"
    expect_mode_choices "Версия для светлого фона" "Версия для темного фона" 197
    expect_no_note_box
    next_page "$SKINS_CAPTION"
    expect_eq Default "$(robot list "$SKINS_LIST")" "skins of the chosen folder"
    quit_wizard
}

e2e_case "simplified search: no running copy warns; a darksingle pack skips the modes" test_no_copy_then_one
e2e_case "simplified search: one running QIP 2005, fulllite modes with the note" test_one_copy
e2e_case "simplified search: two running copies, the choice list" test_two_copies
e2e_case "simplified search: a running infium.exe is QIP Infium" test_running_infium
e2e_case "simplified search: a qip.exe of version 8 is QIP Infium" test_running_infium_named_qip
e2e_case "manual choice through the folder browser; lightdark modes" test_manual_choice
