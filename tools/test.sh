#!/usr/bin/env bash
# Runs every test: first the check of which module includes which (tools/check_includes.sh),
# which ends the run at once when it fails; then the native unit tests (with ASan and UBSan),
# a bounded run of each fuzz target, the check that the program starts on Windows XP, the
# end-to-end tests of the real program under Wine: the shipped 32-bit Velmora.exe (see
# tools/wine-arch.sh for the ways Wine runs it), and the unit test of the Windows side's reader
# of version resources, under Wine as well. Ends with the line "N passed, N failed", and
# how long the tests and their harness are next to the program.
set -u

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

passed=0
failed=0
count() { passed=$((passed + $1)); failed=$((failed + $2)); }

# Non-empty lines of the code, scripts and their data (build lists, corpora) below the folders.
code_lines() {
    find "$@" -type f -regextype posix-extended -regex '.*\.(c|cpp|h|sh|txt|ini)' \
        -exec cat {} + | grep -c .
}

# Each layer of tests, and the harness that runs them, as a share of the program's lines.
line_shares() {
    local program unit e2e fuzz windows harness
    program=$(code_lines src)
    unit=$(code_lines tests/unit)
    e2e=$(code_lines tests/e2e/cases)
    fuzz=$(code_lines tests/fuzz)
    windows=$(code_lines tests/windows)
    harness=$(code_lines tests/e2e/robot tests/e2e/stand-ins tests/e2e/lib.sh tests/e2e/run.sh)
    printf 'lines: program %d; tests %d%% (unit %d%%, end-to-end %d%%, fuzz %d%%, Windows %d%%); harness %d%%\n' \
        "$program" $(((unit + e2e + fuzz + windows) * 100 / program)) $((unit * 100 / program)) \
        $((e2e * 100 / program)) $((fuzz * 100 / program)) $((windows * 100 / program)) \
        $((harness * 100 / program))
}

finish() {
    echo "$passed passed, $failed failed; $(line_shares)"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
    exit
}

echo "== Which module includes which"
if tools/check_includes.sh; then
    count 1 0
else
    count 0 1
    finish
fi

source tools/wine-arch.sh
prepare_wine "$top" || exit 1

# Adds a summary line "<prefix>N passed, M failed" from a command's output to the counts.
count_summary() {  # count_summary PREFIX LOG
    local summary good bad
    summary=$(grep -E "^$1[0-9]+ passed, [0-9]+ failed" "$2" | tail -n 1)
    if [ -n "$summary" ]; then
        read -r good bad < <(sed -E "s/^$1([0-9]+) passed, ([0-9]+) failed.*/\\1 \\2/" <<<"$summary")
        count "$good" "$bad"
    else
        count 0 1
    fi
}

echo "== Native unit tests"
if cmake --preset native >/dev/null && cmake --build --preset native; then
    log=$(mktemp)
    ctest --preset native 2>&1 | tee "$log"
    summary=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log")
    rm -f "$log"
    if [ -n "$summary" ]; then
        read -r bad total < <(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1 \2/' <<<"$summary")
        count $((total - bad)) "$bad"
    else
        count 0 1
    fi
else
    echo "FAIL native build"
    count 0 1
fi

echo "== Fuzzing the readers of pack and language files (${VELMORA_FUZZ_SECONDS:-10} s each)"
log=$(mktemp)
tools/fuzz.sh "${VELMORA_FUZZ_SECONDS:-10}" 2>&1 | tee "$log"
count_summary "fuzz: " "$log"
rm -f "$log"

echo "== Windows builds: the shipped 32-bit program, and the 64-bit build as a compile check"
if ! build_for_wine; then
    count 0 1
    finish
fi

echo "== Windows XP as the floor, and the manifest"
for exe in Velmora.exe velmora-check.exe; do
    if tests/windows/check_xp_imports.sh "build/windows/$exe"; then count 1 0; else count 0 1; fi
done

echo "== The release zip"
if tools/release.sh --from build/windows --out build/release; then count 1 0; else count 0 1; fi

echo "== End-to-end tests under Wine"
describe_wine_arch
log=$(mktemp)
tests/e2e/run.sh --robot "$WINE_ROBOT_DIR" "$WINE_BUILD_DIR" 2>&1 | tee "$log"
count_summary "e2e: " "$log"

echo "== The reader of version resources on crafted files, under Wine (in the end-to-end prefix)"
WINEPREFIX=$WINE_BUILD_DIR/e2e/prefix WINEDEBUG=-all wine \
    "$WINE_BUILD_DIR/tests/windows/version_text_test.exe" 2>&1 | tr -d '\r' | tee "$log"
count_summary "version text: " "$log"
rm -f "$log"
describe_wine_arch
finish
