# Installing into QIP Infium (the demo's folder: version 0.9 of the sample pack in four sets and
# a set "Classic"): reached through the copy list, beside a QIP 2005, as a qip.exe of version 8.
# The sample pack's texts are in code page 1251.

COPY_CHOICE="Выберите копию QIP\`а для установки:"
PACK="Infium/Smilies/Velmora Sunny Smiles"

step_infium() {  # infium FOLDER STAND-IN: the demo's QIP Infium, the stand-in running from it
    cp -r "$E2E_EXAMPLES/demo/QIP Infium" "$1" || fail "cannot copy the demo QIP Infium"
    start_standin "$2" "$E2E_CASE_DIR/$1"
}

# From the search-method page to the copy list, which must hold the qip.exe of each folder
# given (in any order) and waits for a pick; the first folder's is picked.
step_pick() {  # pick FOLDER...
    local lines want=() folder index
    next_page "$SIMPLE_SEARCH"
    robot click "$NEXT_BUTTON"
    wait_until "$COPY_CHOICE" text "$PAGE_CAPTION"
    wait_until no enabled "$NEXT_BUTTON"
    for folder in "$@"; do want+=("$(windows_path "$E2E_CASE_DIR/$folder/qip.exe")"); done
    mapfile -t lines < <(robot list "$COPY_LIST")
    expect_eq "$(printf '%s\n' "${want[@]}" | sort)" "$(printf '%s\n' "${lines[@]}" | sort)" "copy list"
    for index in "${!lines[@]}"; do
        [[ ${lines[$index]} != "${want[0]}" ]] || robot select "$COPY_LIST" "$index"
    done
    wait_until yes enabled "$NEXT_BUTTON"
}

# Answers the four questions about version 0.9's sets: No keeps the one named, Yes removes.
step_old_versions() {  # old-versions SET-KEPT
    local i text
    for i in 1 2 3 4; do
        text=$(field text "$(robot box)")
        expect_contains "$text" 'Найденная версия: "Velmora Sunny Smiles 0.9' "question about an old version"
        if [[ $text == *"\\$1\""* ]]; then robot answer no; else robot answer yes; fi
    done
}

scenario "QIP Infium: a whole installation, older versions, again with No and with Yes" <<'END'
locale ru_RU.UTF-8
program
standin qip QIP
infium Infium infium-as-qip
snapshot Infium
start
walk search-method
pick Infium QIP
back "$SEARCH_METHOD"
pick Infium QIP
click $NEXT_BUTTON
box ok owner=none icon-kind=information 'text~успешно'
old-versions "Velmora Sunny Smiles 0.9 lite Static"
box yes 'text~Хотите установить'
page "$SEARCH_METHOD"
absent "$PACK 0.9 full" "$PACK 0.9 full Static" "$PACK 0.9 lite"
same Infium/Smilies/Classic "$PACK 0.9 lite Static"
installed "$PACK 1.0" full
installed "$PACK 1.0" lite
snapshot Infium
pick Infium QIP
click $NEXT_BUTTON
box no owner=myWindow 'buttons=yes no' 'text~уже установлен'
page "$SEARCH_METHOD"
same Infium
file "$PACK 1.0 lite/extra.gif" extra
pick Infium QIP
click $NEXT_BUTTON
box yes 'text~уже установлен'
box ok 'text~успешно'
box no 'text~Velmora Sunny Smiles 0.9 lite Static'
box no 'text~Хотите установить'
exit 0
absent "$PACK 1.0 lite/extra.gif"
installed "$PACK 1.0" lite
END

scenario "QIP Infium: a file where a set's folder goes is left as it is" <<'END'
locale ru_RU.UTF-8
program
infium Infium infium
file "$PACK 1.0 lite" "user data"
snapshot Infium
start
walk found-notice
box ok 'text~ОШИБКА ПРИ УСТАНОВКЕ'
box no 'text~Хотите установить'
box no text~LOG
exit 0
same Infium
END
