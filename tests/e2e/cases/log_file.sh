# LOG.txt at the end of a run with problems, and its mail to the pack's author through Simple
# MAPI. A stand-in MAPI32.DLL of ours takes the place of Wine's in the system folder and
# records what MAPISendMail received; stand-in MAPI32.DLL and version.dll files next to the
# program show that it never loads a DLL of a system name from its own folder. Wine is told to
# prefer such files to its built-in DLLs, as Windows would take them. Each stand-in writes
# "<its path>.loaded" when it is loaded (in the letter case the loader gave the path, so they
# are looked for in any case). The sample pack's texts are in code page 1251, so
# these cases run as a Russian Windows.

LOG_QUESTION="При установке смайл-пака были обнаружены ошибки, создать LOG-файл с отчетом о них?"
LOG_MAIL_QUESTION="Отправить LOG-файл на e-mail автору смайл-пака?"
LOG_LANGUAGE_ENTRY="Broken.txt | Error in file, not for loading!"
LOG_STANDINS=$E2E_BUILD_DIR/tests/e2e/stand-ins
LOG_SYSTEM_FOLDER=$(program_system_folder)
LOG_MAPI_KEY='HKLM\SOFTWARE\Microsoft\Windows Messaging Subsystem'

# The stand-in MAPI32.DLL in the system folder, with the registry value "MAPI" as given; both
# are put back as Wine had them when the case ends.
use_standin_mapi() {  # use_standin_mapi MAPI-VALUE
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mapi32=n,b;version=n,b"
    cp "$LOG_SYSTEM_FOLDER/mapi32.dll" "$E2E_CASE_DIR/wine-mapi32.dll" || fail "no mapi32.dll in the prefix"
    trap restore_wine_mapi EXIT
    trap 'exit 1' TERM
    cp "$LOG_STANDINS/MAPI32.DLL" "$LOG_SYSTEM_FOLDER/mapi32.dll" || fail "cannot place the stand-in MAPI32.DLL"
    find "$LOG_SYSTEM_FOLDER" -maxdepth 1 -iname 'mapi32.dll.*' ! -iname '*.dll' -delete
    program_reg add "$LOG_MAPI_KEY" /v MAPI /d "$1" /f >/dev/null 2>&1 || fail "cannot set MAPI to $1"
}

restore_wine_mapi() {
    cp "$E2E_CASE_DIR/wine-mapi32.dll" "$LOG_SYSTEM_FOLDER/mapi32.dll"
    find "$LOG_SYSTEM_FOLDER" -maxdepth 1 -iname 'mapi32.dll.*' ! -iname '*.dll' -delete
    program_reg add "$LOG_MAPI_KEY" /v MAPI /d 1 /f >/dev/null 2>&1
}

# The file a stand-in wrote beside itself, whatever the letter case; empty when there is none.
marker() {  # marker FOLDER NAME
    find "$1" -maxdepth 1 -iname "$2" | head -n 1
}

# The sample pack, a Language folder whose only file is incomplete, and stand-in DLLs of
# system names next to the program.
make_log_prog_dir() {
    make_prog_dir "$SAMPLE_PACK"
    write_crlf_file "$(prog_dir)/Language/Broken.txt" Broken t1 t2
    cp "$LOG_STANDINS/MAPI32.DLL" "$LOG_STANDINS/version.dll" "$(prog_dir)/" ||
        fail "cannot copy the stand-in DLLs"
}

# Russian on the language page (the incomplete file is not offered), then Next.
choose_russian() {
    robot select "$LANGUAGE_LIST" 0
    wait_until "Далее >>" text "$NEXT_BUTTON"
    next_page "$ABOUT_PROGRAM"
}

# Leaves the wizard from the about-program page: the incomplete language file is then the one
# problem of the run.
quit_on_about_program_page() {
    start_velmora
    choose_russian
    robot click "$EXIT_BUTTON"
    robot answer yes
}

# The open box must be the given question with Yes and No, titled "Подтверждение...", without
# an owner; it is answered with ANSWER.
answer_question() {  # answer_question TEXT ANSWER
    local box
    box=$(robot box)
    expect_eq "$1" "$(field text "$box")" "question"
    expect_eq "Подтверждение..." "$(field title "$box")" "question title"
    expect_eq "yes no" "$(field buttons "$box")" "question buttons"
    expect_eq none "$(field owner "$box")" "question owner"
    robot answer "$2"
}

log_text() {  # the program folder's LOG.txt in UTF-8, CRs removed
    iconv -f CP1251 -t UTF-8 "$(prog_dir)/LOG.txt" | tr -d '\r'
}

# Under Wine only MAPI32.DLL can show this: Wine's own user32 imports version.dll, so the
# version.dll beside the program is loaded into every program there whatever the program does
# (Windows's user32 imports no version.dll). That Velmora.exe does not import version.dll
# itself is the import check's to prove; here the stand-in only has to leave the wizard
# running.
expect_mapi_never_loaded_beside_program() {
    local loaded
    loaded=$(marker "$(prog_dir)" MAPI32.DLL.loaded)
    [[ -z $loaded ]] || fail "the MAPI32.DLL next to the program was loaded by $(tr -d '\r' <"$loaded")"
}

# The whole way: an incomplete language file, a smile held open during the installation into
# QIP 2005, Yes to leaving after the failed skin, then Yes to the log and to the mail. LOG.txt
# holds both problems; the mail client got the message as Simple MAPI describes it.
test_log_and_mail() {
    use_locale ru_RU.UTF-8
    use_standin_mapi 1
    make_log_prog_dir
    make_qip_2005
    start_velmora
    choose_russian
    pages_to_found_notice
    mode_to_skins_list 1044
    mark_skins Skin1
    lock_file "$INSTALL_QIP/Skins/Skin1/Smilies/Animated/smile.gif" 60000
    robot click "$NEXT_BUTTON"
    expect_contains "$(field text "$(robot box)")" "Выйти из программы установки?" "copy report"
    robot answer yes
    expect_contains "$(field text "$(robot box)")" "перезапустить QIP" "closing notice"
    robot answer ok
    answer_question "$LOG_QUESTION" yes
    answer_question "$LOG_MAIL_QUESTION" yes
    wait_velmora_exit
    unlock_file

    local prog_windows skin_windows windows_version
    prog_windows=$(windows_path "$(prog_dir)")
    skin_windows=$(windows_path "$INSTALL_QIP/Skins/Skin1/Smilies")
    windows_version=$(log_text | sed -n 2p)
    [[ $windows_version =~ ^Windows\ version:\ 5\.[12]\.[0-9]+$ ]] ||
        fail "line 2 of LOG.txt: '$windows_version'"
    expect_eq "Velmora version: 2.2.0.lang
$windows_version
Name of smiles-pack & version: Velmora Sunny Smiles 1.0
Type: smilespack
Pagers: all
Type smiles pack: fulllite
http of author smiles pack: https://velmora.example/packs
e-mail  of author smiles pack: packs@velmora.example
amount of animated smiles [Single Full Light]: 36
amount of animated smiles [Lite Dark]: 30
amount of static smiles [Single Full Light]: 36
amount of static smiles [Lite Dark]: 30
date of creation of smiles-pack: 01.12.2026

$LOG_LANGUAGE_ENTRY
Error at copying file: $prog_windows\\Source SMP\\Animated Single Full Light\\smile.gif
Restored as it was before the installation: $skin_windows\\Static
Restored as it was before the installation: $skin_windows\\Animated" \
        "$(log_text)" "LOG.txt"
    [[ $(tail -c 2 "$(prog_dir)/LOG.txt" | od -An -c | tr -d ' ') == '\r\n' ]] ||
        fail "LOG.txt does not end with CR LF"

    local sent
    sent=$(marker "$LOG_SYSTEM_FOLDER" mapi32.dll.sent)
    [[ -n $sent ]] || fail "MAPISendMail of the system folder was not called"
    expect_eq "session: 0
parent: 0
flags: 9
reserved: 0
subject: LOG with warning or error
note: (none)
message type: (none)
originator: 0
message flags: 0
recipients: 1
recipient class: 1
recipient name: (none)
recipient address: packs@velmora.example
files: 1
file position: 2
file path: $prog_windows\\LOG.txt
file name: (none)
file flags: 0" "$(tr -d '\r' <"$sent")" "what MAPISendMail received"
    expect_mapi_never_loaded_beside_program
}

# With "MAPI" other than "1" the mail may be asked for, and nothing at all happens: the library
# is not even loaded, and no box shows.
test_mapi_disabled() {
    use_locale ru_RU.UTF-8
    use_standin_mapi 0
    make_log_prog_dir
    quit_on_about_program_page
    answer_question "$LOG_QUESTION" yes
    answer_question "$LOG_MAIL_QUESTION" yes
    wait_velmora_exit
    expect_eq 0 "$VELMORA_EXIT" "exit code"
    expect_eq "$LOG_LANGUAGE_ENTRY" "$(log_text | tail -n 1)" "last line of LOG.txt"
    [[ -z $(marker "$LOG_SYSTEM_FOLDER" mapi32.dll.loaded) ]] || fail "MAPI32.DLL was loaded although MAPI is off"
    expect_mapi_never_loaded_beside_program
}

# A LOG.txt that another program holds open: Yes to replacing it, then a warning names the file
# and the system's reason; the old file stays, and no mail is offered.
test_log_held_open() {
    use_locale ru_RU.UTF-8
    use_standin_mapi 1
    make_log_prog_dir
    printf 'old log\r\n' >"$(prog_dir)/LOG.txt"
    lock_file "$(prog_dir)/LOG.txt" 60000
    quit_on_about_program_page
    answer_question "$LOG_QUESTION" yes
    answer_question "LOG-файл уже существует, перезаписать его заново?" yes
    local box
    box=$(robot box)
    expect_eq "Предупреждение..." "$(field title "$box")" "warning title"
    expect_eq warning "$(field 'icon kind' "$box")" "warning icon"
    expect_contains "$(field text "$box")" \
        "LOG.txt could not be written.\\r\\n\\r\\nFile: \"$(windows_path "$(prog_dir)")\\LOG.txt\"\\r\\nReason: " \
        "warning"
    [[ $(field text "$box") =~ Reason:\ [^\ ].+ ]] || fail "the warning gives no reason: $(field text "$box")"
    robot answer ok
    wait_velmora_exit
    unlock_file
    expect_eq "old log" "$(tr -d '\r' <"$(prog_dir)/LOG.txt")" "LOG.txt held open"
    [[ -z $(marker "$LOG_SYSTEM_FOLDER" mapi32.dll.sent) ]] || fail "a mail was sent for a log not written"
}

# A DeleteLite.ini held open after the pack's check ends the installation into QIP Infium, and
# with it the wizard: the reason is the run's only problem, so LOG.txt is offered and holds it,
# before the error box names it too. The mail is declined: no stand-in MAPI here.
test_log_names_what_stopped_the_wizard() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    mkdir -p "$E2E_CASE_DIR/Infium/Smilies"
    start_standin infium "$E2E_CASE_DIR/Infium"
    local list="$(prog_dir)/Source SMP/Animated Lite Dark/DeleteLite.ini"
    start_velmora
    pages_to_search_method
    lock_file "$list" 60000
    search_again
    answer_question "$LOG_QUESTION" yes
    answer_question "$LOG_MAIL_QUESTION" no
    local reason="The wizard had to stop: a file could not be used.\r\n\r\nFile: \"$(windows_path "$list")\""
    local box
    box=$(robot box)
    expect_eq "Velmora: Error...|error" "$(field title "$box")|$(field 'icon kind' "$box")" "error box"
    expect_contains "$(field text "$box")" "$reason" "error box"
    robot answer ok
    wait_velmora_exit
    unlock_file
    expect_contains "$(log_text | tail -n 4 | sed -z 's/\n/\\r\\n/g')" "$reason" "LOG.txt"
}

# On Windows 10 the log names Windows 10, not the Windows 8 that a program whose manifest does
# not name the later versions is told.
test_log_names_windows_10() {
    use_locale ru_RU.UTF-8
    set_windows_version win10
    make_prog_dir "$SAMPLE_PACK"
    write_crlf_file "$(prog_dir)/Language/Broken.txt" Broken t1 t2
    quit_on_about_program_page
    answer_question "$LOG_QUESTION" yes
    answer_question "$LOG_MAIL_QUESTION" no
    wait_velmora_exit
    [[ $(log_text | sed -n 2p) =~ ^Windows\ version:\ 10\.0\.[0-9]+$ ]] ||
        fail "line 2 of LOG.txt: '$(log_text | sed -n 2p)'"
}

e2e_case "log: both problems in LOG.txt, mailed through the system's Simple MAPI only" test_log_and_mail
e2e_case "log: with MAPI off, Yes to the mail does nothing" test_mapi_disabled
e2e_case "log: LOG.txt held open by another program is named in a warning" test_log_held_open
e2e_case "log: an error that stopped the wizard is in LOG.txt" test_log_names_what_stopped_the_wizard
e2e_case "log: Windows 10 is named as itself" test_log_names_windows_10
