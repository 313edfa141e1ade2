# LOG.txt at the end of a run whose one problem is an incomplete language file, and its mail
# through Simple MAPI. Stand-in MAPI32.DLLs, preferred by Wine to its own as Windows would take
# them, sit in the system folder, recording what MAPISendMail got, and beside the program, which
# must never load it. Each writes "<its path>.loaded" when loaded, in the loader's letter case.

MAPI_SYSTEM=$(program_system_folder)
MAPI_KEY='HKLM\SOFTWARE\Microsoft\Windows Messaging Subsystem'

# The program folder with the language file and the stand-ins, and the registry value "MAPI"
# (Wine's own DLL and value come back when the case ends); the program started, Russian picked
# on the language page (the incomplete file is not offered), and Yes to Exit on the next page.
step_problem_run() {  # problem-run MAPI-VALUE
    local standin=$E2E_BUILD_DIR/tests/e2e/stand-ins/MAPI32.DLL
    step_program
    step_file prog/Language/Broken.txt $'Broken\r\nt1\r\nt2\r\n'
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=n,b"
    cp "$MAPI_SYSTEM/mapi32.dll" wine-mapi32.dll || fail "no mapi32.dll in the prefix"
    trap mapi_restore EXIT
    trap 'exit 1' TERM
    cp "$standin" "$MAPI_SYSTEM/mapi32.dll" && cp "$standin" prog/ || fail "cannot place MAPI32.DLL"
    program_reg add "$MAPI_KEY" /v MAPI /d "$1" /f >/dev/null 2>&1 || fail "cannot set MAPI to $1"
    start_velmora
    step_select "$LANGUAGE_LIST" 0
    next_page "$ABOUT_PROGRAM"
    robot click "$EXIT_BUTTON"
    robot answer yes
}
mapi_restore() {
    cp "$E2E_CASE_DIR/wine-mapi32.dll" "$MAPI_SYSTEM/mapi32.dll"
    find "$MAPI_SYSTEM" -maxdepth 1 -iname 'mapi32.dll.?*' -delete
    program_reg add "$MAPI_KEY" /v MAPI /d 1 /f >/dev/null 2>&1
}

step_unused() {  # unused system|prog loaded|sent: that MAPI32.DLL left no such mark
    local dir=$MAPI_SYSTEM
    [[ $1 == prog ]] && dir=prog
    [[ -z $(find "$dir" -maxdepth 1 -iname "mapi32.dll.$2") ]] || fail "the $1 MAPI32.DLL was $2"
}

# The system's MAPI32.DLL got a mail to ADDRESS with LOG.txt attached, for the user to look at
# before sending (MAPI_LOGON_UI | MAPI_DIALOG).
step_mail_sent() {  # mail-sent ADDRESS
    local sent line
    sent=$(find "$MAPI_SYSTEM" -maxdepth 1 -iname mapi32.dll.sent -exec cat {} + | tr -d '\r')
    for line in "flags: 9" "recipient class: 1" "recipient address: $1" "files: 1" \
        "file path: $(windows_path "$PWD/prog")\\LOG.txt"; do
        grep -qxF "$line" <<<"$sent" || fail "MAPISendMail did not receive '$line'"
    done
}

step_log_line() {  # log-line N REGEX: line N of LOG.txt matches
    local line
    line=$(iconv -f CP1251 -t UTF-8 prog/LOG.txt | tr -d '\r' | sed -n "$1p")
    [[ $line =~ $2 ]] || fail "line $1 of LOG.txt: '$line'"
}

step_reason() {  # reason: the open box gives the system's reason
    [[ $(field text "$(robot box)") =~ Reason:\ [^\ ] ]] || fail "the box gives no reason"
}

scenario "LOG.txt on Windows 10, mailed through the system's MAPI32.DLL only" <<'END'
locale ru_RU.UTF-8
windows win10
problem-run 1
box yes "buttons=yes no" owner=none text~"создать LOG-файл"
box yes "buttons=yes no" owner=none text~"Отправить LOG-файл"
exit 0
log-line 2 '^Windows version: 10\.0\.[0-9]+$'
mail-sent packs@velmora.example
unused prog loaded
END

scenario "LOG.txt with MAPI off: Yes to the mail loads no MAPI32.DLL" <<'END'
locale ru_RU.UTF-8
problem-run 0
box yes text~"создать LOG-файл"
box yes text~"Отправить LOG-файл"
exit 0
unused system loaded
END

scenario "LOG.txt held open elsewhere: the old one stays, the system's reason, no mail" <<'END'
locale ru_RU.UTF-8
problem-run 1
file prog/LOG.txt 'old log'
snapshot prog/LOG.txt
lock prog/LOG.txt
box yes text~"создать LOG-файл"
box yes text~"уже существует"
reason
box ok title=Предупреждение... icon-kind=warning "text~LOG.txt could not be written"
exit 0
unlock
same prog/LOG.txt
unused system sent
END
