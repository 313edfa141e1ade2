# Installing into QIP 2005: the skins list, what the installation leaves in each skin, the
# reports, a target that cannot be replaced, a run killed mid-copy, and the GDI quota with the
# restart question.
# The sample pack's texts are in code page 1251, so these cases run as a Russian Windows.

INSTALL_REPORT_TITLE="Отчет о копировании..."
INSTALL_RECORD="Smile\`s_version.txt"
INSTALL_SAMPLE_ANIMATED="$SAMPLE_PACK/Animated Single Full Light"

# The successful report of one skin, answered OK; prints the skin it names.
read_report() {
    local box
    box=$(robot box)
    expect_eq "$INSTALL_REPORT_TITLE" "$(field title "$box")" "report title"
    expect_contains "$(field text "$box")" "Смайл-пак установлен успешно!" "report"
    robot answer ok
    field text "$box" | sed -n 's/^ Скин: \(.*\)\\r\\n Установленный.*/\1/p'
}

expect_report() {  # expect_report SKIN
    expect_eq "$1" "$(read_report)" "skin reported"
}

# The end of a run after an installation: another installation? No; restart QIP: OK.
finish_after_install() {
    expect_contains "$(field text "$(robot box)")" "Хотите установить смайлы" "question"
    robot answer no
    expect_contains "$(field text "$(robot box)")" "перезапустить QIP" "closing notice"
    robot answer ok
    wait_velmora_exit
}

# The files of a folder, one name a line, sorted; sub-folders end in "/".
folder_listing() {
    (cd "$1" && find . -mindepth 1 -maxdepth 1 \( -type d -printf '%f/\n' -o -printf '%f\n' \) | sort)
}

expect_installed_kind() {  # expect_installed_kind FOLDER SOURCE-FOLDER EXTENSION WORD COUNT KIND
    local expected
    expected=$( (folder_listing "$2" | grep -i "\\.$3\$"; echo _define.ini; echo "$INSTALL_RECORD"; echo keep/) | sort)
    expect_eq "$expected" "$(folder_listing "$1")" "files of $1"
    local record
    record=$(iconv -f CP1251 -t UTF-8 "$1/$INSTALL_RECORD" | tr '\r\n' '|~')
    expect_eq "|~Velmora Sunny Smiles 1.0 $4 01.12.2026|~Amount of smiles:|~$5|~Type of smiles:|~$6|~" \
        "$record" "record of $1"
}

# Skins 2 and 4 of five: exactly those change, each reported, and each of their smile
# folders holds only the new pack's files; the others stay byte for byte as they were.
test_marked_skins_only() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_qip_2005
    chmod a-w "$INSTALL_QIP/Skins/Skin2/Smilies/Animated/smile.gif"  # read-only: still replaced
    walk_to_skins_list 1044
    mark_skins Skin2 Skin4
    robot click "$NEXT_BUTTON"
    local reported
    reported=$( (read_report; read_report) | sort | tr '\n' ' ')
    expect_eq "Skin2 Skin4 " "$reported" "skins reported, one report each"
    finish_after_install

    local skin
    for skin in 1 3 5; do
        diff -r "$E2E_CASE_DIR/QIP.before/Skins/Skin$skin" "$INSTALL_QIP/Skins/Skin$skin" >/dev/null ||
            fail "Skin$skin changed"
    done
    for skin in 2 4; do
        local smilies="$INSTALL_QIP/Skins/Skin$skin/Smilies"
        expect_installed_kind "$smilies/Animated" "$INSTALL_SAMPLE_ANIMATED" gif full 36 Animated
        expect_installed_kind "$smilies/Static" "$SAMPLE_PACK/Static Single Full Light" bmp full 36 Static
        cmp -s "$INSTALL_SAMPLE_ANIMATED/smile.gif" "$smilies/Animated/smile.gif" ||
            fail "the old smile.gif of Skin$skin was not replaced"
        cmp -s "$INSTALL_SAMPLE_ANIMATED/_define.ini" "$smilies/Animated/_define.ini" ||
            fail "the _define.ini of Skin$skin is not the pack's"
    done
}

# The lite version: the full set less DeleteLite.ini's smiles, with the Lite Dark _define.ini.
test_lite_version() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_qip_2005
    walk_to_skins_list 1045
    mark_skins Skin3
    robot click "$NEXT_BUTTON"
    expect_report Skin3
    finish_after_install
    local animated="$INSTALL_QIP/Skins/Skin3/Smilies/Animated" left_out
    cmp -s "$SAMPLE_PACK/Animated Lite Dark/_define.ini" "$animated/_define.ini" ||
        fail "the lite version's _define.ini is not the Lite Dark one"
    for left_out in $(grep -v -e '^//' -e '^$' "$SAMPLE_PACK/Animated Lite Dark/DeleteLite.ini" | tr -d '\r'); do
        [[ ! -e $animated/$left_out.gif ]] || fail "$left_out.gif is in the lite version"
    done
    expect_eq 30 "$(find "$animated" -maxdepth 1 -name '*.gif' | wc -l)" "smiles of the lite version"
}

# A smile that another program holds open cannot be replaced: the report says so, and Yes to
# leaving ends the wizard before the next skin (the failed copy is then offered for LOG.txt).
test_locked_target() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_qip_2005
    walk_to_skins_list 1044
    mark_skins Skin1 Skin2
    lock_file "$INSTALL_QIP/Skins/Skin1/Smilies/Animated/smile.gif" 60000
    cp -a "$INSTALL_QIP/Skins" "$E2E_CASE_DIR/Skins.before"
    robot click "$NEXT_BUTTON"
    local box
    box=$(robot box)
    expect_eq error "$(field 'icon kind' "$box")" "error report icon"
    expect_eq "yes no" "$(field buttons "$box")" "error report buttons"
    expect_contains "$(field text "$box")" "Ошибок при копировании анимированных смайлов: 1" "report"
    expect_contains "$(field text "$box")" "ОШИБКА ПРИ УСТАНОВКЕ!!!\\r\\n Выйти из программы установки?" "report"
    robot answer yes
    expect_contains "$(field text "$(robot box)")" "перезапустить QIP" "closing notice"
    robot answer ok
    decline_log
    wait_velmora_exit
    unlock_file
    # The failed skin got back every old smile; the one after it was not touched.
    diff -r "$E2E_CASE_DIR/Skins.before" "$INSTALL_QIP/Skins" >/dev/null ||
        fail "the skins are not as they were"
    [[ ! -e "$INSTALL_QIP/Velmora backup" ]] || fail "the backup stayed"
}

# Five skins, 2 and 4 marked, and skin 4's animated record held open: skin 2 is installed,
# skin 4 cannot take its record, ends the wizard, and is as it was, byte for byte.
test_record_held_open() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_qip_2005
    walk_to_skins_list 1044
    mark_skins Skin2 Skin4
    printf 'old record' >"$INSTALL_QIP/Skins/Skin4/Smilies/Animated/$INSTALL_RECORD"
    cp -a "$INSTALL_QIP/Skins/Skin4" "$E2E_CASE_DIR/Skin4.before"
    lock_file "$INSTALL_QIP/Skins/Skin4/Smilies/Animated/$INSTALL_RECORD" 60000
    robot click "$NEXT_BUTTON"
    expect_report Skin2
    expect_contains "$(field text "$(robot box)")" "перезапустить QIP" "closing notice"
    robot answer ok
    decline_log
    local box
    box=$(robot box)
    expect_contains "$(field text "$box")" "$INSTALL_RECORD" "error box"
    robot answer ok
    wait_velmora_exit
    unlock_file
    diff -r "$E2E_CASE_DIR/Skin4.before" "$INSTALL_QIP/Skins/Skin4" >/dev/null ||
        fail "Skin4 is not as it was"
    expect_installed_kind "$INSTALL_QIP/Skins/Skin2/Smilies/Animated" "$INSTALL_SAMPLE_ANIMATED" gif full 36 Animated
    [[ ! -e "$INSTALL_QIP/Velmora backup" ]] || fail "the backup stayed"
}

GDI_QUOTA_KEY='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Windows'

# `wine reg` on the quota in a registry view: "" for the only one of a 32-bit prefix, /reg:64
# or /reg:32 in a 64-bit prefix.
gdi_quota_reg() {  # gdi_quota_reg VIEW add|query|delete ARGUMENTS...
    local view=$1 verb=$2
    shift 2
    wine reg "$verb" "$GDI_QUOTA_KEY" /v GDIProcessHandleQuota "$@" ${view:+"$view"}
}

# The quota as `wine reg` shows it in a view ("REG_DWORD 0x..."), or nothing.
gdi_quota_in_view() {  # gdi_quota_in_view VIEW
    gdi_quota_reg "$1" query 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *GDIProcessHandleQuota *//p' | tr -s ' \t' ' '
}

# A pack of 600 animated smiles asks to raise the GDI quota; Yes writes 20000 as a DWORD under
# HKEY_LOCAL_MACHINE, and the end of the run asks to restart Windows (answered No). Windows
# reads the quota from the 64-bit registry view: a 32-bit program on 64-bit Windows reads and
# writes it there, so 20000 in its own 32-bit view (Wow6432Node) does not stop the question.
test_gdi_quota() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    local pack="$(prog_dir)/Source SMP" i
    rm -rf "$pack/Animated Lite Dark" "$pack/Static"*
    for ((i = 36; i < 600; i++)); do cp "$INSTALL_SAMPLE_ANIMATED/smile.gif" "$pack/Animated Single Full Light/extra$i.gif"; done
    for ((i = 36; i < 600; i++)); do printf ':extra%d: extra%d.gif\r\n' "$i" "$i"; done >>"$pack/Animated Single Full Light/_define.ini"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[3]=single
    SAMPLE_SMP_LINES[7]=600
    SAMPLE_SMP_LINES[11]=anim
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
    local windows_view=""
    [[ $WINEARCH == win64 ]] && windows_view=/reg:64
    # The values go when the case ends, as it ends; the trap outlives this function's locals.
    GDI_QUOTA_VIEWS=("$windows_view" /reg:32)
    trap 'for view in "${GDI_QUOTA_VIEWS[@]}"; do gdi_quota_reg "$view" delete /f >/dev/null 2>&1; done' EXIT
    gdi_quota_reg "$windows_view" add /t REG_DWORD /d 5000 /f >/dev/null 2>&1 ||
        fail "cannot set the quota"
    if program_under_wow64; then
        gdi_quota_reg /reg:32 add /t REG_DWORD /d 20000 /f >/dev/null 2>&1 ||
            fail "cannot set the quota in the 32-bit view"
    fi
    make_qip_2005

    walk_to_found_notice  # a single pack has no install-mode page
    wait_until "$INSTALL_SKINS_CAPTION" text "$PAGE_CAPTION"
    mark_skins Skin5
    robot click "$NEXT_BUTTON"
    expect_report Skin5
    local question
    question=$(field text "$(robot box)")
    expect_contains "$question" "Количество смайлов: 600\\r\\n\\r\\n" "quota question"
    expect_contains "$question" "Сделать это программно?" "quota question"
    robot answer yes
    expect_contains "$(field text "$(robot box)")" "произведено успешно" "quota notice"
    robot answer ok
    expect_contains "$(field text "$(robot box)")" "Хотите установить смайлы" "question"
    robot answer no
    expect_contains "$(field text "$(robot box)")" "Выполнить перезагрузку сейчас?" "restart question"
    robot answer no
    wait_velmora_exit
    expect_eq "REG_DWORD 0x4e20" "$(gdi_quota_in_view "$windows_view")" "quota Windows reads"
}

# The running Velmora.exe, killed: every Linux process whose command line holds its path, as
# Linux or as Windows names it (a 32-bit program in a 64-bit prefix runs in another process
# than the one started, under its Windows path).
kill_velmora() {
    local pids
    pids=$(processes_running "$(prog_dir)/Velmora.exe")
    [[ -n $pids ]] || fail "no process of Velmora.exe found"
    kill -KILL $pids 2>/dev/null
    wait "$VELMORA_PID" 2>/dev/null
}

# Every file and folder below a folder, with its permissions (the read-only attribute).
listing_with_modes() {
    (cd "$1" && find . -mindepth 1 -printf '%P %m\n' | sort)
}

# Velmora.exe killed while it copies a pack of 3000 smiles into a skin; the next run into the
# same messenger says it restored the skin, which is then byte for byte as before the first.
test_killed_and_restored() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    local pack="$(prog_dir)/Source SMP" i
    rm -rf "$pack/Animated Lite Dark" "$pack/Static"*
    (cd "$pack/Animated Single Full Light" && tee $(seq -f 'extra%g.gif' 36 2999) <smile.gif >/dev/null)
    for ((i = 36; i < 3000; i++)); do printf ':extra%d: extra%d.gif\r\n' "$i" "$i"; done >>"$pack/Animated Single Full Light/_define.ini"
    read_sample_smp_lines
    SAMPLE_SMP_LINES[3]=single
    SAMPLE_SMP_LINES[7]=3000
    SAMPLE_SMP_LINES[11]=anim
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
    make_qip_2005
    local skin="$INSTALL_QIP/Skins/Skin3/Smilies/Animated"
    chmod a-w "$skin/old.gif"
    listing_with_modes "$INSTALL_QIP/Skins" >"$E2E_CASE_DIR/modes.before"

    walk_to_found_notice  # a single pack has no install-mode page
    wait_until "$INSTALL_SKINS_CAPTION" text "$PAGE_CAPTION"
    mark_skins Skin3
    robot click "$NEXT_BUTTON"
    # While it copies, the program answers no message: the files tell how far it is.
    local deadline=$((SECONDS + 60))
    until (($(find "$skin" -maxdepth 1 -name 'extra*.gif' | wc -l) >= 100)); do
        ((SECONDS < deadline)) || fail "the copy did not start"
        sleep 0.05
    done
    kill_velmora
    (($(find "$skin" -maxdepth 1 -name 'extra*.gif' | wc -l) < 2964)) ||
        fail "the copy had ended before the kill"
    [[ -s "$INSTALL_QIP/Velmora backup/journal.txt" ]] || fail "the killed run left no journal"

    walk_to_found_notice
    local box
    box=$(robot box)
    expect_eq warning "$(field 'icon kind' "$box")" "recovery notice icon"
    expect_contains "$(field text "$box")" "Предыдущая установка в этот QIP не была завершена" \
        "recovery notice"
    expect_contains "$(field text "$box")" "$(windows_path "$skin")" "recovery notice"
    robot answer ok
    wait_until "$INSTALL_SKINS_CAPTION" text "$PAGE_CAPTION"
    robot click "$EXIT_BUTTON"
    expect_eq "Подтверждение выхода..." "$(field title "$(robot box)")" "exit question title"
    robot answer yes
    decline_log  # the restored skin is one of the run's problems
    wait_velmora_exit
    diff -r "$E2E_CASE_DIR/QIP.before/Skins" "$INSTALL_QIP/Skins" >/dev/null ||
        fail "the skins are not as they were"
    expect_eq "$(cat "$E2E_CASE_DIR/modes.before")" "$(listing_with_modes "$INSTALL_QIP/Skins")" \
        "names and permissions of the skins"
    [[ ! -e "$INSTALL_QIP/Velmora backup" ]] || fail "the backup stayed"
}

e2e_case "installation: marked skins only, each with its report and the new pack alone" test_marked_skins_only
e2e_case "installation: the lite version" test_lite_version
e2e_case "installation: a smile held open by another program" test_locked_target
e2e_case "installation: a record held open gives the skin back as it was" test_record_held_open
e2e_case "installation: 600 smiles raise the GDI quota in the 64-bit view, and ask to restart" test_gdi_quota
e2e_case "installation: killed mid-copy, restored by the next run" test_killed_and_restored
