# The silent installation (Velmora.exe /S): no window and no box ever shows, Wine hands on its
# exit code, and the log and standard output end with that code's line.

# Velmora.exe /S with the options ends with CODE, having written the log LOG.
step_silent() {  # silent CODE LOG OPTION...
    local code=$1 log=$2 boxes
    shift 2
    start_window_watch '#32770'
    boxes=$E2E_WATCHER_PID
    step_watch
    start_velmora /S "$@"
    step_exit "$code"
    step_no_window
    E2E_WATCHER_PID=$boxes
    ! window_was_seen '#32770' || fail "a box was shown"
    expect_eq "Exit code $code" "$(tr -d '\r' <"$log" | tail -n 1 | cut -d: -f1)" "end of $log"
    grep -q "Exit code $code:" velmora.log || fail "the exit code is not on standard output"
}

# The demo's QIP 2005 with the stand-in's qip.exe, not running. Sets QIP and HERE, the Windows
# paths of it and of the case's folder.
step_qip_demo() {
    cp -r "$E2E_EXAMPLES/demo/QIP 2005" QIP &&
        cp "$E2E_BUILD_DIR/examples/stand-ins/qip.exe" QIP/ || fail "cannot copy QIP 2005"
    step_snapshot QIP
    QIP=$(windows_path "$PWD/QIP") HERE=$(windows_path "$PWD")
}

# The skins hold the pack's lite version: its _define.ini, exactly the smiles that names, and
# the record of the lite version.
step_lite() {  # lite SKIN...
    local skin dir define="$SAMPLE_PACK/Animated Lite Dark/_define.ini"
    for skin; do
        dir="QIP/Skins/$skin/Smilies/Animated"
        cmp -s "$define" "$dir/_define.ini" || fail "$skin: not the lite _define.ini"
        expect_eq "$(cut -d, -f1 "$define" | sort)" "$(cd "$dir" && ls -- *.gif)" "$skin: smiles"
        grep -q ' lite ' "$dir/Smile\`s_version.txt" || fail "$skin: no record of the lite version"
    done
}

scenario "silent: a bad option, logged where /LOG says; two skins of QIP 2005, lite" <<'END'
locale ru_RU.UTF-8
program
qip-demo
silent 5 silent.txt /AGREE /VARIANT=3 "/LOG=$HERE\\silent.txt"
absent prog/LOG.txt
silent 0 prog/LOG.txt "/QIP=$QIP" "/SKINS=Green Meadow,morning mist" /VARIANT=2 /AGREE
lite "Green Meadow" "Morning Mist"
same "QIP/Skins/Graphite Night"
END
