# Installing into QIP Infium: the folders and records a fresh installation leaves, the older
# versions offered for removal, installing again (No changes nothing, Yes replaces), a folder
# of another pack under the same name, a failed copy, and a pack name that is no folder name.
# The sample pack's texts are in code page 1251, so these cases run as a Russian Windows.

INFIUM_REPORT_TITLE="Отчет о копировании..."
INFIUM_PACK="Velmora Sunny Smiles 1.0"

# The demo's QIP Infium folder (version 0.9 of the sample pack, each variant recorded, and a
# set "Classic" without a record), with the stand-in running from it.
make_infium() {
    INFIUM=$E2E_CASE_DIR/Infium
    INFIUM_SMILIES=$INFIUM/Smilies
    cp -r "$E2E_EXAMPLES/demo/QIP Infium" "$INFIUM" || fail "cannot copy the demo QIP Infium"
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    start_standin infium "$INFIUM"
}

# The folders below Smilies, one a line, sorted.
smiles_folders() {
    (cd "$INFIUM_SMILIES" && find . -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
}

# The open report: successful or not, then OK.
expect_infium_report() {  # expect_infium_report ENDING
    local box
    box=$(robot box)
    expect_eq "$INFIUM_REPORT_TITLE|information|none" \
        "$(field title "$box")|$(field 'icon kind' "$box")|$(field owner "$box")" "report box"
    expect_contains "$(field text "$box")" "\\r\\n $1" "report"
    robot answer ok
}

expect_another_install_question() {
    expect_contains "$(field text "$(robot box)")" "Хотите установить смайлы" "question"
}

# A folder of the new version: the smiles its variant has, the variant's _define.ini and
# the record, byte for byte.
expect_variant_folder() {  # expect_variant_folder WORD KIND COUNT
    local folder="$INFIUM_SMILIES/$INFIUM_PACK $1" source="$SAMPLE_PACK/$2 Single Full Light"
    local extension=gif list_folder=$source
    [[ $2 == Static ]] && folder+=" Static" && extension=bmp
    [[ $1 == lite ]] && list_folder="$SAMPLE_PACK/$2 Lite Dark"
    local expected
    expected=$( (cd "$source" && ls -- *."$extension") | sort)
    if [[ $1 == lite ]]; then
        expected=$(grep -vxF -f <(grep -v -e '^//' -e '^$' "$list_folder/DeleteLite.ini" |
            tr -d '\r' | sed "s/\$/.$extension/") <<<"$expected")
    fi
    expect_eq "$expected" "$( (cd "$folder" && ls -- *."$extension") | sort)" "smiles of $folder"
    cmp -s "$list_folder/_define.ini" "$folder/_define.ini" || fail "_define.ini of $folder"
    printf '\r\n%s\r\nAmount of smiles:\r\n%s\r\nType of smiles:\r\n%s\r\n' \
        "$INFIUM_PACK $1 01.12.2026" "$3" "$2" | cmp -s - "$folder/Smile\`s_version.txt" ||
        fail "record of $folder"
}

expect_new_version_installed() {
    expect_variant_folder full Animated 36
    expect_variant_folder lite Animated 30
    expect_variant_folder full Static 36
    expect_variant_folder lite Static 30
}

# Answers the questions about the four folders of version 0.9, keeping the one named.
answer_old_versions() {  # answer_old_versions FOLDER-TO-KEEP
    local i box folder
    for i in 1 2 3 4; do
        box=$(robot box)
        folder=$(field text "$box" | sed -n 's/.*Папка: "[^"]*\\\(Velmora[^"]*\)".*/\1/p')
        expect_eq "Найдена предыдущая версия этого смайл-пака!\\r\\n\\r\\nПапка: \"$(windows_path \
            "$INFIUM_SMILIES/$folder")\"\\r\\nНайденная версия: \"${folder% Static} 15.06.2026\"\\r\\n\\r\\nУдалить старую версию?" \
            "$(field text "$box")" "question about an old version"
        [[ $folder == "$1" ]] && robot answer no || robot answer yes
    done
}

# A fresh installation makes the four folders and offers each 0.9 folder; installing again
# asks to overwrite: No leaves every byte and goes back to the search method, Yes replaces
# the folders.
test_install_and_again() {
    make_infium
    walk_to_found_notice
    robot box >/dev/null && screenshot report  # the README's picture of the report
    expect_infium_report "Смайл-пак установлен успешно!"
    answer_old_versions "Velmora Sunny Smiles 0.9 lite Static"
    expect_another_install_question
    robot answer yes
    wait_until "$SEARCH_METHOD" text "$PAGE_CAPTION"
    expect_eq "Classic
Velmora Sunny Smiles 0.9 lite Static
$INFIUM_PACK full
$INFIUM_PACK full Static
$INFIUM_PACK lite
$INFIUM_PACK lite Static" "$(smiles_folders)" "folders after the installation"
    expect_new_version_installed

    cp -a "$INFIUM_SMILIES" "$E2E_CASE_DIR/Smilies.before"
    search_again
    local box
    box=$(robot box)
    expect_eq "Смайл-пак с такими данными уже установлен (название пакета: $INFIUM_PACK full),\\r\\nперезаписать заново?|yes no|myWindow" \
        "$(field text "$box")|$(field buttons "$box")|$(field owner "$box")" "overwrite question"
    robot answer no
    wait_until "$SEARCH_METHOD" text "$PAGE_CAPTION"
    diff -r "$E2E_CASE_DIR/Smilies.before" "$INFIUM_SMILIES" >/dev/null || fail "No changed the folders"

    printf 'extra' >"$INFIUM_SMILIES/$INFIUM_PACK lite/extra.gif"
    search_again
    robot answer yes
    expect_infium_report "Смайл-пак установлен успешно!"
    robot answer no  # version 0.9 lite Static once more
    expect_another_install_question
    robot answer no
    wait_velmora_exit
    [[ ! -e "$INFIUM_SMILIES/$INFIUM_PACK lite/extra.gif" ]] || fail "the lite folder was not replaced"
    expect_new_version_installed
}

# A folder of the pack's name without a record is another pack's: it stays as it was, the
# pack goes to the _01 names. A smile that cannot be read fails the copy: every folder is
# then as it was, and no older version is offered.
test_other_pack_and_failed_copy() {
    make_infium
    mkdir "$INFIUM_SMILIES/$INFIUM_PACK full"
    printf 'someone else' >"$INFIUM_SMILIES/$INFIUM_PACK full/smile.gif"
    cp -a "$INFIUM_SMILIES" "$E2E_CASE_DIR/Smilies.before"
    lock_file "$(prog_dir)/Source SMP/Static Single Full Light/smile.bmp" 60000
    walk_to_found_notice
    local box
    box=$(robot box)
    expect_eq "Найден смайл-пак с похожим названием (название пакета: $INFIUM_PACK full),\\r\\nновый пакет будет установлен с названием: ${INFIUM_PACK} full_01|ok cancel|warning" \
        "$(field text "$box")|$(field buttons "$box")|$(field 'icon kind' "$box")" "name warning"
    robot answer ok
    expect_infium_report "ОШИБКА ПРИ УСТАНОВКЕ!!!"
    expect_another_install_question
    robot answer no
    decline_log
    wait_velmora_exit
    unlock_file
    diff -r "$E2E_CASE_DIR/Smilies.before" "$INFIUM_SMILIES" >/dev/null || fail "the folders changed"
    [[ ! -e "$INFIUM/Velmora backup" ]] || fail "the backup stayed"
}

# A plain file where a set's folder goes is not written into: the installation is refused as
# a failure, and the file and everything else stay byte for byte.
test_file_where_a_folder_goes() {
    make_infium
    printf 'user data' >"$INFIUM_SMILIES/$INFIUM_PACK lite"
    cp -a "$INFIUM_SMILIES" "$E2E_CASE_DIR/Smilies.before"
    walk_to_found_notice
    expect_infium_report "ОШИБКА ПРИ УСТАНОВКЕ!!!"
    expect_another_install_question
    robot answer no
    decline_log
    wait_velmora_exit
    diff -r "$E2E_CASE_DIR/Smilies.before" "$INFIUM_SMILIES" >/dev/null || fail "the folders changed"
}

# A pack whose name climbs out of the Smilies folder is refused before anything changes.
test_unsafe_pack_name() {
    make_infium
    read_sample_smp_lines
    SAMPLE_SMP_LINES[0]='..\..\x 1.0'
    write_smp_ini "${SAMPLE_SMP_LINES[@]}"
    cp -a "$INFIUM" "$E2E_CASE_DIR/Infium.before"
    walk_to_found_notice
    local box
    box=$(robot box)
    expect_eq error "$(field 'icon kind' "$box")" "icon of the refusal"
    expect_contains "$(field text "$box")" '"..\..\x 1.0"' "refusal"
    robot answer ok
    decline_log
    wait_velmora_exit
    diff -r "$E2E_CASE_DIR/Infium.before" "$INFIUM" >/dev/null || fail "the messenger's folder changed"
    [[ -z $(find "$E2E_CASE_DIR" -maxdepth 2 -name 'x 1.0*') ]] || fail "a folder was made outside Smilies"
}

e2e_case "QIP Infium: fresh install, older versions, again with No and Yes" test_install_and_again
e2e_case "QIP Infium: another pack's folder, a failed copy" test_other_pack_and_failed_copy
e2e_case "QIP Infium: a pack name that is no folder name" test_unsafe_pack_name
e2e_case "QIP Infium: a file where a set's folder goes" test_file_where_a_folder_goes
