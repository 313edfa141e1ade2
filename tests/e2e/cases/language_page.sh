# The language page and the about-program page: the choice of the language, the
# exit question, the keyboard, and the built-in Russian texts, which must read
# the same on an English Windows (code page 1252) and a Russian one (1251).

RU_EXIT_QUESTION="Действительно хотите закрыть программу?"
RU_EXIT_TITLE="Подтверждение выхода..."
EN_EXIT_QUESTION="Do you really want to close the program?"
EN_EXIT_TITLE="Confirmation of exit..."
LANGUAGE_LINES=$'Russian [Русский]\nEnglish [English]'
LANGUAGE_CAPTION="Please select a language:"
RU_ABOUT_PROGRAM_BOXES=(
    "Программа для установки смайлов в QIP 2005/Infium и другие интернет-пейджеры."
    "Условия распространения: бесплатно"
    "Предназначена для Windows XP и выше.\\r\\nVelmora Версия: 2.2.0.lang (22.10.2010)"
)

# The sample pack, its name in Cyrillic written in code page 1251, and the
# Language folder. The window title then tells the ANSI code page of the run:
# Wine reads SMP.ini in it.
PACK_NAME="Проверочный пак 1.0"
make_wizard_folder() {
    make_prog_dir "$SAMPLE_PACK"
    add_language_folder
    read_sample_smp_lines
    SAMPLE_SMP_LINES[0]=$PACK_NAME
    local smp_ini
    smp_ini="$(prog_dir)/Source SMP/SMP.ini"
    write_crlf_file "$smp_ini" "${SAMPLE_SMP_LINES[@]}"
    iconv -f UTF-8 -t CP1251 "$smp_ini" >"$smp_ini.1251" || fail "cannot convert SMP.ini"
    mv "$smp_ini.1251" "$smp_ini"
}

start_wizard() {  # start_wizard CODE-PAGE (1251 or 1252)
    start_velmora
    local title
    title=$(robot wait-window myWindow '*')
    local expected=$PACK_NAME
    if [[ $1 != 1251 ]]; then
        expected=$(printf '%s' "$PACK_NAME" | iconv -f UTF-8 -t CP1251 | iconv -f "CP$1" -t UTF-8)
    fi
    expect_eq "$expected" "$title" "window title (SMP.ini read in code page $1)"
}

# The language page before and after a choice, with the exit question each
# time: Exit and the title bar's close button ask it, No changes nothing.
check_language_page() {  # check_language_page CODE-PAGE
    make_wizard_folder
    start_wizard "$1"
    wait_until "$LANGUAGE_CAPTION" text "$PAGE_CAPTION"
    expect_eq "$LANGUAGE_LINES" "$(robot list "$LANGUAGE_LIST")" "language list"
    expect_eq "" "$(robot selected "$LANGUAGE_LIST")" "selected line before a choice"
    expect_eq no "$(robot enabled "$NEXT_BUTTON")" "Next enabled before a choice"
    expect_eq no "$(robot enabled "$BACK_BUTTON")" "Back enabled on the language page"
    expect_eq "Next >>" "$(robot text "$NEXT_BUTTON")" "Next before a choice"

    robot click "$EXIT_BUTTON"
    expect_exit_question "$EN_EXIT_QUESTION" "$EN_EXIT_TITLE"
    robot answer no
    robot close
    expect_exit_question "$EN_EXIT_QUESTION" "$EN_EXIT_TITLE"
    robot answer no
    expect_eq no "$(robot enabled "$NEXT_BUTTON")" "Next enabled after No to the exit question"

    robot select "$LANGUAGE_LIST" 0
    wait_until "Далее >>" text "$NEXT_BUTTON"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled after choosing Russian"
    expect_eq no "$(robot enabled "$BACK_BUTTON")" "Back enabled after choosing Russian"
    expect_eq Exit "$(robot text "$EXIT_BUTTON")" "Exit after choosing Russian"
    expect_eq "$LANGUAGE_CAPTION" "$(robot text "$PAGE_CAPTION")" "caption after choosing Russian"

    robot close
    expect_exit_question "$RU_EXIT_QUESTION" "$RU_EXIT_TITLE"
    robot answer no
    expect_eq "$LANGUAGE_LINES" "$(robot list "$LANGUAGE_LIST")" "language list after No"
    expect_eq 0 "$(robot selected "$LANGUAGE_LIST")" "selected line after No"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled after No"
    expect_eq "Далее >>" "$(robot text "$NEXT_BUTTON")" "Next after No"

    robot select "$LANGUAGE_LIST" 1
    wait_until "Next >>" text "$NEXT_BUTTON"
    robot select "$LANGUAGE_LIST" 0
    wait_until "Далее >>" text "$NEXT_BUTTON"

    # The language page never offers LOG.txt: Yes ends the program at once.
    robot click "$EXIT_BUTTON"
    expect_exit_question "$RU_EXIT_QUESTION" "$RU_EXIT_TITLE"
    answer_yes_and_expect_exit
}

# The about-program page with the built-in texts; its boxes take no typing.
check_about_program_page() {  # check_about_program_page CODE-PAGE
    make_wizard_folder
    start_wizard "$1"
    robot select "$LANGUAGE_LIST" 0
    wait_until "Далее >>" text "$NEXT_BUTTON"
    robot click "$NEXT_BUTTON"
    wait_until "О программе:" text "$PAGE_CAPTION"

    local i
    for i in 0 1 2; do
        expect_eq "${RU_ABOUT_PROGRAM_BOXES[i]}" "$(robot text "edit#$((i + 1))")" \
            "text box $((i + 1))"
    done
    expect_eq "Выход" "$(robot text "$EXIT_BUTTON")" "Exit"
    expect_eq "<< Назад" "$(robot text "$BACK_BUTTON")" "Back"
    expect_eq "Далее >>" "$(robot text "$NEXT_BUTTON")" "Next"
    expect_eq no "$(robot enabled "$BACK_BUTTON")" "Back enabled"
    expect_eq yes "$(robot enabled "$NEXT_BUTTON")" "Next enabled"
    expect_eq "Открыть страницу программы..." "$(robot text 1031)" "program page link"
    expect_eq "Написать письмо автору программы..." "$(robot text 1032)" "program mail link"

    robot type "edit#3" "typed\\r\\n"
    expect_eq "${RU_ABOUT_PROGRAM_BOXES[2]}" "$(robot text 'edit#3')" "text box 3 after typing"
    # Clicks place no caret and select nothing, and the right button brings up no edit menu.
    mouse_click "edit#3" 1 2
    mouse_click "edit#3" 3
    sleep 0.5
    expect_eq "0 0" "$(robot selection 'edit#3')" "selection in text box 3 after a double click"
    [[ $(robot windows) != *"#32768"* ]] || fail "a context menu opened over a read-only box"

    robot click "$EXIT_BUTTON"
    expect_exit_question "$RU_EXIT_QUESTION" "$RU_EXIT_TITLE"
    answer_yes_and_expect_exit
}

test_language_page_cp1252() { check_language_page 1252; }
test_language_page_cp1251() {
    use_locale ru_RU.UTF-8
    check_language_page 1251
}
test_about_program_page_cp1252() { check_about_program_page 1252; }
test_about_program_page_cp1251() {
    use_locale ru_RU.UTF-8
    check_about_program_page 1251
}

# Enter presses Next only when Next is enabled, Escape asks the exit question;
# real key presses, after the language file's texts are loaded as well.
test_keyboard() {
    make_wizard_folder
    start_wizard 1252
    wait_until "$LANGUAGE_CAPTION" text "$PAGE_CAPTION"
    press_key Return
    # Keys arrive in order: once Escape's question is there, Enter has been handled.
    press_key Escape
    expect_exit_question "$EN_EXIT_QUESTION" "$EN_EXIT_TITLE"
    robot answer no
    expect_eq "$LANGUAGE_CAPTION" "$(robot text "$PAGE_CAPTION")" "caption after Enter"

    robot select "$LANGUAGE_LIST" 1
    wait_until "Next >>" text "$NEXT_BUTTON"
    wait_until yes enabled "$NEXT_BUTTON"
    press_key Return
    wait_until "About the program:" text "$PAGE_CAPTION"
    press_key Escape
    expect_exit_question "$EN_EXIT_QUESTION" "$EN_EXIT_TITLE"
    answer_yes_and_expect_exit
}

# Without a Language folder the wizard opens on the about-program page, in the
# built-in Russian texts.
test_no_language_folder() {
    make_prog_dir "$SAMPLE_PACK"
    start_velmora
    robot wait-window myWindow '*' >/dev/null
    wait_until "О программе:" text "$PAGE_CAPTION"
    robot_try --timeout 0 text "$LANGUAGE_LIST" >/dev/null && fail "the language list is shown"
    expect_eq "Далее >>" "$(robot text "$NEXT_BUTTON")" "Next"
    expect_eq "Выход" "$(robot text "$EXIT_BUTTON")" "Exit"
    expect_eq "${RU_ABOUT_PROGRAM_BOXES[2]}" "$(robot text 'edit#3')" "text box 3"
    robot click "$EXIT_BUTTON"
    expect_exit_question "$RU_EXIT_QUESTION" "$RU_EXIT_TITLE"
    answer_yes_and_expect_exit
}

e2e_case "language page, code page 1252: choice, Next, exit question" test_language_page_cp1252
e2e_case "language page, code page 1251: choice, Next, exit question" test_language_page_cp1251
e2e_case "about-program page, code page 1252: texts, read-only boxes" test_about_program_page_cp1252
e2e_case "about-program page, code page 1251: texts, read-only boxes" test_about_program_page_cp1251
e2e_case "Enter presses an enabled Next, Escape asks to exit" test_keyboard
e2e_case "no Language folder: the wizard opens on the about-program page" test_no_language_folder
