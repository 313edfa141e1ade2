# What a pack author works with: the release zip, which must hold exactly its files and work
# from the folder it unpacks into, and velmora-check.exe, which must report what the wizard
# shows in test mode and exit with the pack's verdict.

# The release of the programs under test, made as on a fresh clone: tools/release.sh runs in
# a copy of what it reads from the project, without an out folder yet, and the zip lands in
# the copy's out folder. It is unpacked into the case's folder; the program folder is then
# the unpacked one. Sets RELEASE_ZIP and RELEASE_NAME.
unpack_release() {
    local top=$E2E_EXAMPLES/.. copy=$E2E_CASE_DIR/project
    mkdir -p "$copy"
    cp -r "$top/CMakeLists.txt" "$top/tools" "$top/examples" "$top/resources" "$copy/" ||
        fail "cannot copy the project"
    RELEASE_ZIP=$(bash "$copy/tools/release.sh" --from "$E2E_BUILD_DIR" \
        2>>"$E2E_CASE_DIR/release.log") || fail "tools/release.sh failed: $(tail -n 1 "$E2E_CASE_DIR/release.log")"
    expect_eq "$copy/out" "$(dirname "$RELEASE_ZIP")" "folder of the zip"
    RELEASE_NAME=$(basename "$RELEASE_ZIP" .zip)
    (cd "$E2E_CASE_DIR" && cmake -E tar xf "$RELEASE_ZIP") || fail "cannot unpack $RELEASE_ZIP"
    E2E_PROG_DIR=$E2E_CASE_DIR/$RELEASE_NAME
}

# velmora-check.exe run on the program folder: its output, as UTF-8 (from the console's code
# page of a Russian Windows, 866), goes to the file; sets CHECK_STATUS.
run_checker() {  # run_checker OUTPUT-FILE [arguments...]
    local file=$1
    shift
    (cd "$(prog_dir)" && exec env LOCPATH="$E2E_RUN_DIR/locales" LANG=ru_RU.UTF-8 \
        LC_ALL=ru_RU.UTF-8 wine "$(prog_dir)/velmora-check.exe" "$@" \
        "$(windows_path "$(prog_dir)")") >"$file.866" 2>>"$E2E_CASE_DIR/check.log"
    CHECK_STATUS=$?
    iconv -f CP866 -t UTF-8 "$file.866" | tr -d '\r' >"$file"
}

test_release_zip() {
    use_locale ru_RU.UTF-8
    unpack_release
    expect_eq "Velmora-$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' \
        "$E2E_EXAMPLES/../CMakeLists.txt")" "$RELEASE_NAME" "name of the zip"
    local expected
    expected=$( (printf '%s\n' Velmora.exe velmora-check.exe ReadMe.txt ReadMe-RU.txt
        cd "$E2E_EXAMPLES" && find Language "Source SMP" -type f) | sed "s|^|$RELEASE_NAME/|" | sort)
    expect_eq "$expected" "$(cmake -E tar tf "$RELEASE_ZIP" | grep -v '/$' | sort)" "files in the zip"

    start_velmora
    wait_until "Please select a language:" text "$PAGE_CAPTION"
    robot select "$LANGUAGE_LIST" 0
    next_page "$ABOUT_PROGRAM"
    expect_contains "$(robot text 'edit#3')" "Версия: ${RELEASE_NAME#Velmora-}.lang" "version shown"
    next_page "$ABOUT_PACK"
    accept_agreement
    next_page "$PACK_INFO"
    quit_wizard

    run_checker "$E2E_CASE_DIR/report"
    expect_eq 0 "$CHECK_STATUS" "velmora-check's status for the sample pack"
    expect_contains "$(cat "$E2E_CASE_DIR/report")" "Название смайл-пака: Velmora Sunny Smiles 1.0" \
        "velmora-check's report"
}

# The boxes the wizard shows until the page comes or the wizard ends, each as one line (its
# lines trimmed and joined by a blank), answered OK.
boxes_until() {  # boxes_until PAGE-CAPTION
    local box deadline=$((SECONDS + 40))
    while ((SECONDS < deadline)); do
        if box=$(robot_try --timeout 0 box); then
            field text "$box" | sed 's/\\r\\n/\n/g' | sed 's/^ *//; s/ *$//' | grep -v '^$' | paste -sd ' '
            robot answer ok
        elif ! kill -0 "$VELMORA_PID" 2>/dev/null ||
            [[ $(robot_try --timeout 0 text "$PAGE_CAPTION") == "$1" ]]; then
            return
        fi
        sleep 0.2
    done
    fail "the wizard neither showed $1 nor ended"
}

# What the wizard in test mode shows for the pack in the program folder: the faulty entries
# of its language list, and its boxes up to the pack-information page.
test_mode_findings() {
    start_velmora testmode
    if [[ -d $(prog_dir)/Language ]]; then
        wait_until "Please select a language:" text "$PAGE_CAPTION"
        robot list "$LANGUAGE_LIST" | grep -F ' | Error in file, not for loading!'
        robot select "$LANGUAGE_LIST" 0
        robot click "$NEXT_BUTTON"
    fi
    boxes_until "$ABOUT_PROGRAM"
    kill -0 "$VELMORA_PID" 2>/dev/null || return 0
    next_page "$ABOUT_PACK"
    accept_agreement
    robot click "$NEXT_BUTTON"
    boxes_until "$PACK_INFO"
}

# Four faulty packs: a short _define.ini and a broken SMP.ini cannot be installed (2), a
# wrong declared count and an incomplete language file are warnings (1). For each, the
# checker's findings are the wizard's, line for line.
test_checker_reports_what_test_mode_shows() {
    use_locale ru_RU.UTF-8
    local fault
    for fault in short_define bad_smp_ini wrong_count language_file; do
        make_prog_dir "$SAMPLE_PACK"
        cp "$E2E_BUILD_DIR/velmora-check.exe" "$(prog_dir)/"
        read_sample_smp_lines
        local expected_status=1
        case $fault in
        short_define)
            printf ':a: angel.gif\r\n' >"$(prog_dir)/Source SMP/Animated Single Full Light/_define.ini"
            expected_status=2 ;;
        bad_smp_ini)
            SAMPLE_SMP_LINES[3]=bogus
            write_smp_ini "${SAMPLE_SMP_LINES[@]}"
            expected_status=2 ;;
        wrong_count)
            SAMPLE_SMP_LINES[7]=40
            write_smp_ini "${SAMPLE_SMP_LINES[@]}" ;;
        language_file)
            add_language_folder
            head -n 60 "$E2E_EXAMPLES/Language/English.txt" >"$(prog_dir)/Language/English.txt" ;;
        esac
        local shown=$E2E_CASE_DIR/$fault.shown report=$E2E_CASE_DIR/$fault.report
        test_mode_findings >"$shown"
        robot_try --timeout 0 wait-window myWindow '*' >/dev/null && quit_wizard
        wait_velmora_exit
        run_checker "$report"
        expect_eq "$expected_status" "$CHECK_STATUS" "velmora-check's status ($fault)"
        [[ -s $shown ]] || fail "the wizard showed nothing ($fault)"
        expect_eq "$(cat "$shown")" "$(sed '/^$/,$d' "$report")" "findings ($fault)"
    done
}

e2e_case "release zip: exactly its files, and it runs from the unpacked folder" test_release_zip
e2e_case "velmora-check reports what test mode shows, with the pack's verdict" test_checker_reports_what_test_mode_shows
