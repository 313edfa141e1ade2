# The silent installation (Velmora.exe /S): no window and no box ever shows, the exit code
# says how it ended, and what it did is in LOG.txt and on standard output.
# The sample pack's texts are in code page 1251, so these cases run as a Russian Windows.

SILENT_RECORD="Smile\`s_version.txt"

# Runs Velmora.exe /S with the options, watching for the wizard's window and for any box;
# sets VELMORA_EXIT.
run_silently() {  # run_silently OPTION...
    start_window_watch myWindow
    local window_watch=$E2E_WATCHER_PID
    start_window_watch '#32770'
    start_velmora /S "$@"
    wait_velmora_exit
    ! window_was_seen '#32770' || fail "a box was shown"
    E2E_WATCHER_PID=$window_watch
    ! window_was_seen myWindow || fail "the wizard window was shown"
}

# The log beside the program and standard output both end with the exit code's line.
expect_silent_end() {  # expect_silent_end CODE MEANING
    local line="Exit code $1: $2"
    expect_eq "$1" "$VELMORA_EXIT" "exit code"
    [[ -f $(prog_dir)/LOG.txt ]] || fail "no LOG.txt beside the program"
    expect_eq "$line" "$(tr -d '\r' <"$(prog_dir)/LOG.txt" | tail -n 1)" "last line of LOG.txt"
    expect_contains "$(tr -d '\r' <"$E2E_CASE_DIR/velmora.log")" "$line" "standard output"
}

# The demo's QIP 2005 folder with the stand-in's qip.exe in it, not running.
make_silent_qip_2005() {
    SILENT_QIP=$E2E_CASE_DIR/QIP
    cp -r "$E2E_EXAMPLES/demo/QIP 2005" "$SILENT_QIP" || fail "cannot copy the demo QIP 2005"
    cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" "$SILENT_QIP/" || fail "cannot copy qip.exe"
    cp -r "$SILENT_QIP" "$E2E_CASE_DIR/QIP.before"
}

# Two of the three skins, the lite version: those two get the lite smiles and their records,
# the third stays byte for byte as it was.
test_silent_qip_2005_two_skins() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_silent_qip_2005
    run_silently "/QIP=$(windows_path "$SILENT_QIP")" "/SKINS=Green Meadow,morning mist" \
        /VARIANT=2 /AGREE
    expect_silent_end 0 installed
    local skin animated
    for skin in "Green Meadow" "Morning Mist"; do
        animated="$SILENT_QIP/Skins/$skin/Smilies/Animated"
        cmp -s "$SAMPLE_PACK/Animated Lite Dark/_define.ini" "$animated/_define.ini" ||
            fail "$skin: not the lite _define.ini"
        expect_eq 30 "$(find "$animated" -maxdepth 1 -name '*.gif' | wc -l)" "$skin: lite smiles"
        expect_contains "$(iconv -f CP1251 -t UTF-8 "$animated/$SILENT_RECORD")" \
            "Velmora Sunny Smiles 1.0 lite 01.12.2026" "$skin: record"
    done
    diff -r "$E2E_CASE_DIR/QIP.before/Skins/Graphite Night" "$SILENT_QIP/Skins/Graphite Night" \
        >/dev/null || fail "the skin not named changed"
    expect_contains "$(iconv -f CP1251 -t UTF-8 "$(prog_dir)/LOG.txt")" "Скин: Morning Mist" \
        "the report of a skin in LOG.txt"
}

# The running copy is found by itself; the older versions stay without /REMOVEOLD, and the
# questions and answers taken are in the log.
test_silent_infium_keeps_old_versions() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    local infium=$E2E_CASE_DIR/Infium
    cp -r "$E2E_EXAMPLES/demo/QIP Infium" "$infium" || fail "cannot copy the demo QIP Infium"
    start_standin infium "$infium"
    local old
    old=$(cd "$infium/Smilies" && ls -d -- *0.9* | sort)
    [[ -n $old ]] || fail "the demo QIP Infium has no older version"
    run_silently /AGREE
    expect_silent_end 0 installed
    local variant
    for variant in full "full Static" lite "lite Static"; do
        [[ -f "$infium/Smilies/Velmora Sunny Smiles 1.0 $variant/$SILENT_RECORD" ]] ||
            fail "no folder of the new version's $variant"
    done
    expect_eq "$old" "$(cd "$infium/Smilies" && ls -d -- *0.9* | sort)" "older versions kept"
    expect_contains "$(iconv -f CP1251 -t UTF-8 "$(prog_dir)/LOG.txt" | tr -d '\r')" \
        "Удалить старую версию?
  -> No" "the question about an old version and its answer"
}

# A pack that asks for its agreement is refused without /AGREE, before anything changes.
test_silent_agreement_needed() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    make_silent_qip_2005
    run_silently "/QIP=$(windows_path "$SILENT_QIP")"
    expect_silent_end 4 refused
    diff -r "$E2E_CASE_DIR/QIP.before" "$SILENT_QIP" >/dev/null || fail "the messenger changed"
}

# Neither a folder given nor a copy running; then a log of one's own choosing, and a bad option.
test_silent_no_messenger_and_bad_options() {
    use_locale ru_RU.UTF-8
    make_prog_dir "$SAMPLE_PACK"
    run_silently /AGREE
    expect_silent_end 3 "no messenger to install into"

    rm "$(prog_dir)/LOG.txt"
    run_silently /AGREE /VARIANT=3 "/LOG=$(windows_path "$E2E_CASE_DIR")\\silent.txt"
    expect_eq 5 "$VELMORA_EXIT" "exit code of a bad option"
    expect_contains "$(cat "$E2E_CASE_DIR/silent.txt")" 'The option "/VARIANT=3" is not understood.' \
        "the log named by /LOG"
    [[ ! -e $(prog_dir)/LOG.txt ]] || fail "LOG.txt written beside the program as well"
}

e2e_case "silent: QIP 2005, two skins of three, the lite version" test_silent_qip_2005_two_skins
e2e_case "silent: QIP Infium found running, older versions kept" test_silent_infium_keeps_old_versions
e2e_case "silent: a pack that asks for its agreement is refused without /AGREE" test_silent_agreement_needed
e2e_case "silent: no messenger, a log named by /LOG, a bad option" test_silent_no_messenger_and_bad_options
