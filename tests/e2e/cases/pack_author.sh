# What a pack author ships: the release zip, which must hold exactly its files and work from the
# folder it unpacks into, velmora-check.exe among them.

# The release made as on a fresh clone: tools/release.sh runs in a copy of what it reads from the
# project, without an out folder yet. Its zip is unpacked here and becomes the program folder.
step_release() {
    local top=$E2E_EXAMPLES/.. name=Velmora-$VELMORA_VERSION zip
    mkdir project && cp -r "$top/CMakeLists.txt" "$top/tools" "$top/examples" "$top/resources" \
        project/ || fail "cannot copy the project"
    zip=$(bash project/tools/release.sh --from "$E2E_BUILD_DIR" 2>>release.log) ||
        fail "tools/release.sh failed: $(tail -n 1 release.log)"
    expect_eq "$E2E_CASE_DIR/project/out/$name.zip" "$zip" "the zip"
    expect_eq "$( (printf '%s\n' Velmora.exe velmora-check.exe ReadMe.txt ReadMe-RU.txt
        cd "$E2E_EXAMPLES" && find Language "Source SMP" -type f) | sed "s|^|$name/|" | sort)" \
        "$(cmake -E tar tf "$zip" | grep -v '/$' | sort)" "files in the zip"
    cmake -E tar xf "$zip" || fail "cannot unpack $zip"
    E2E_PROG_DIR=$E2E_CASE_DIR/$name
}

# velmora-check.exe on the program folder ends with CODE, and its report, in the console's code
# page (866 on a Russian Windows), holds TEXT.
step_checker() {  # checker CODE TEXT
    local prog
    prog=$(prog_dir)
    (cd "$prog" && exec env LOCPATH="$E2E_RUN_DIR/locales" LANG="$E2E_LOCALE" LC_ALL="$E2E_LOCALE" \
        wine "$prog/velmora-check.exe" "$(windows_path "$prog")") >report 2>>check.log
    expect_eq "$1" "$?" "velmora-check's exit code"
    iconv -f CP866 -t UTF-8 report | grep -qF "$2" || fail "velmora-check's report lacks '$2'"
}

scenario "release zip: exactly its files, runs unpacked; velmora-check in code page 866" <<'END'
locale ru_RU.UTF-8
release
start
page "Please select a language:"
select $LANGUAGE_LIST 0
next "$ABOUT_PROGRAM"
shows edit#3 "Версия: $VELMORA_VERSION.lang"
quit
checker 0 "Название смайл-пака: Velmora Sunny Smiles 1.0"
END
