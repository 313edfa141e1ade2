# The installation benchmark under Wine, a case for tests/e2e/run.sh that bench/run.sh runs
# on its own (the end-to-end tests never pick it up): the real Velmora.exe, driven by the
# robot, installs the benchmark's pack into every skin of a QIP 2005 folder, and copier.exe
# does the same to the files with CopyFileW alone. The figures go to $BENCH_FIGURES.
#
# From bench/run.sh: BENCH_DATA (the folder make_pack.py wrote), BENCH_FIGURES, BENCH_ROUNDS.

# Captions and titles in the built-in Russian texts (the program folder has no Language).
BENCH_ABOUT_PROGRAM="О программе:"
BENCH_PACK_INFO="Информация о смайл-паке:"
BENCH_SEARCH_METHOD="Выберите метод поиска QIP\`а:"
BENCH_SIMPLE_SEARCH="Упрощенный поиск:"
BENCH_INSTALL_MODE="Выберите режим установки для смайл-пака:"
BENCH_SKINS="Отметьте скины в которые нужно установить смайл-пак:"
BENCH_REPORT="Отчет о копировании..."
BENCH_SKINS_LIST=1036
BENCH_LONG=600000  # ms the robot waits for a report

# Arithmetic on seconds: bench_calc "2.5 / 1.25" prints 2.000.
bench_calc() {
    awk "BEGIN { printf \"%.3f\", ($1) }"
}

bench_next() {  # bench_next CAPTION-OF-THE-PAGE-EXPECTED
    robot click "$NEXT_BUTTON"
    wait_until "$1" text "$PAGE_CAPTION"
}

# From the first page to the skins list of the running stand-in's folder, every skin marked.
bench_open_skins_list() {  # bench_open_skins_list SKINS
    start_velmora
    wait_until "$BENCH_ABOUT_PROGRAM" text "$PAGE_CAPTION"
    bench_next "$BENCH_PACK_INFO"  # the pack has nothing for the about-pack page
    bench_next "$BENCH_SEARCH_METHOD"
    bench_next "$BENCH_SIMPLE_SEARCH"
    robot click "$NEXT_BUTTON"  # the search finds the stand-in
    robot answer ok             # the found-folder notice
    wait_until "$BENCH_INSTALL_MODE" text "$PAGE_CAPTION"
    bench_next "$BENCH_SKINS"
    local i marked=""
    for ((i = 0; i < $1; i++)); do
        robot select "$BENCH_SKINS_LIST" "$i"
        marked+=${marked:+\\n}$i
    done
    wait_until "$marked" selected "$BENCH_SKINS_LIST"
}

# Answers the boxes after the last report (the quota and "install again" questions: No)
# until the program ends.
bench_close_wizard() {
    local box
    while kill -0 "$VELMORA_PID" 2>/dev/null; do
        box=$(robot_try --timeout 1000 box) || continue
        if [[ $(field buttons "$box") == "yes no" ]]; then
            robot_try answer no >/dev/null
        else
            robot_try answer ok >/dev/null
        fi
    done
    wait_velmora_exit
}

# Seconds from Next under the skins list to the last skin's report. Each earlier report is
# answered by a robot that was already waiting for it, so a box stands open for about one of
# the robot's polls (50 ms).
bench_time_installation() {  # bench_time_installation SKINS SMILES
    bench_open_skins_list "$1"
    robot click "$NEXT_BUTTON"
    local start end n box
    start=$(date +%s.%N)
    for ((n = 1; n < $1; n++)); do robot --timeout "$BENCH_LONG" answer ok; done
    robot --timeout "$BENCH_LONG" wait-window '#32770' "$BENCH_REPORT" >/dev/null
    end=$(date +%s.%N)
    box=$(robot box)
    expect_contains "$(field text "$box")" "Скопированно анимированных смайлов: $2\\r\\n" \
        "the last report"
    expect_contains "$(field text "$box")" "Смайл-пак установлен успешно!" "the last report"
    robot answer ok
    bench_close_wizard
    bench_calc "$end - $start"
}

# The seconds copier.exe took, once it copied every smile and list into every skin.
bench_time_copier() {  # bench_time_copier QIP-FOLDER SKINS SMILES
    local out
    out=$(wine "$E2E_BUILD_DIR/bench/copier.exe" "$(windows_path "$(prog_dir)/Source SMP")" \
        "$(windows_path "$1/Skins")" 2>>"$E2E_CASE_DIR/copier.log" | tr -d '\r') ||
        fail "copier.exe failed: $(tail -n 1 "$E2E_CASE_DIR/copier.log")"
    expect_eq "$(($2 * (2 * $3 + 2)))" "${out##* }" "files copier.exe copied"
    sed -n 's/^seconds \([0-9.]*\) .*/\1/p' <<<"$out"
}

test_installation_benchmark() {
    local qip=$E2E_CASE_DIR/QIP\ 2005
    make_prog_dir "$BENCH_DATA/Source SMP"
    cp -r "$BENCH_DATA/QIP 2005" "$qip" || fail "cannot copy the QIP 2005 folder"
    cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" "$qip/" || fail "cannot copy qip.exe"
    (cd "$qip" && exec wine "$qip/qip.exe") >>"$E2E_CASE_DIR/qip.log" 2>&1 &
    robot wait-window VelmoraDemoStandIn '*' >/dev/null

    local skins smiles
    skins=$(find "$qip/Skins" -mindepth 1 -maxdepth 1 -type d | wc -l)
    smiles=$(sed -n 9p "$(prog_dir)/Source SMP/SMP.ini" | tr -d '\r')  # animated, full
    # Untimed: every run then starts from folders full of smiles and a warm cache.
    bench_time_copier "$qip" "$skins" "$smiles" >/dev/null
    local round install copy best_install=999999 best_copy=999999 rounds=""
    for ((round = 1; round <= BENCH_ROUNDS; round++)); do
        install=$(bench_time_installation "$skins" "$smiles")
        copy=$(bench_time_copier "$qip" "$skins" "$smiles")
        rounds+="  (round $round: installation $install s, plain copy $copy s, ratio"
        rounds+=" $(bench_calc "$install / $copy"))"$'\n'
        best_install=$(bench_calc "$install < $best_install ? $install : $best_install")
        best_copy=$(bench_calc "$copy < $best_copy ? $copy : $best_copy")
    done
    {
        echo "Wine: $skins skins x ($smiles animated + $smiles static smiles), best of $BENCH_ROUNDS rounds"
        printf '%s' "$rounds"
        printf '  installation (Velmora.exe, Next to the last report)  %7.3f s\n' "$best_install"
        printf '  plain copy (copier.exe, CopyFileW)                   %7.3f s\n' "$best_copy"
        printf '  ratio                                                %7.2f   (target: at most 2)\n' \
            "$(bench_calc "$best_install / $best_copy")"
    } >"$BENCH_FIGURES"
}

e2e_case "installation benchmark" test_installation_benchmark
