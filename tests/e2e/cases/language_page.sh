# The language page and the about-program page: the choice of the language, the exit question
# that Exit, the title bar's close button and Escape ask, the keys, and the read-only boxes.

EXIT_QUESTION=("buttons=yes no" owner=myWindow topmost=yes icon-kind=question)

# The window's title: the pack's name.
step_title() { expect_eq "$1" "$(robot wait-window myWindow '*')" "window title"; }

# Typing changes nothing in the box, and the right button brings up no edit menu over it.
step_readonly_box() {  # readonly-box CONTROL
    local before
    before=$(robot text "$1")
    robot type "$1" 'typed\r\n'
    mouse_click "$1" 3
    sleep 0.5
    expect_eq "$before" "$(robot text "$1")" "$1 after typing"
    [[ $(robot windows) != *"#32768"* ]] || fail "a context menu opened over $1"
}

# An English Windows (code page 1252), where the built-in Russian texts must read the same.
scenario "language page: Next waits for a pick; Exit, close and Escape ask, No keeps all" <<'END'
program
languages
start
page "Please select a language:"
expect $LANGUAGE_LIST list 'Russian [Русский]\nEnglish [English]'
expect $NEXT_BUTTON enabled no
# Keys arrive in order: once Escape's question is there, Enter has been handled.
key Return
key Escape
box no "${EXIT_QUESTION[@]}" 'title=Confirmation of exit...'
click $EXIT_BUTTON
box no 'title=Confirmation of exit...'
expect $NEXT_BUTTON enabled no
select $LANGUAGE_LIST 0
expect $NEXT_BUTTON text "Далее >>"
close
box no 'title=Подтверждение выхода...'
expect $LANGUAGE_LIST selected 0
key Return
page "$ABOUT_PROGRAM"
quit
END

# A Russian Windows (code page 1251), in which SMP.ini is read; no Language folder, so the
# wizard opens on the about-program page.
scenario "about-program page in code page 1251: the pack's name, read-only boxes, version" <<'END'
locale ru_RU.UTF-8
program
smp "1=Проверочный пак 1.0"
start
title "Проверочный пак 1.0"
page "$ABOUT_PROGRAM"
shows edit#3 "Версия: $VELMORA_VERSION.lang"
readonly-box edit#3
quit
END
