#!/usr/bin/env bash
# Runs every test: the native unit tests (with ASan and UBSan), the check that the program
# starts on Windows XP, and the end-to-end tests of the real program under Wine. Ends with
# the line "N passed, N failed".
set -u

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
tools/setup.sh || exit 1

passed=0
failed=0
count() { passed=$((passed + $1)); failed=$((failed + $2)); }
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
    exit
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

echo "== Windows build"
if ! { cmake --preset windows >/dev/null && cmake --build --preset windows; }; then
    echo "FAIL windows build"
    count 0 1
    finish
fi

echo "== Windows XP as the floor"
if tests/windows/check_xp_imports.sh build/windows/Velmora.exe; then count 1 0; else count 0 1; fi

echo "== End-to-end tests under Wine"
log=$(mktemp)
tests/e2e/run.sh build/windows 2>&1 | tee "$log"
summary=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1)
rm -f "$log"
if [ -n "$summary" ]; then
    read -r good bad < <(sed -E 's/^e2e: ([0-9]+) passed, ([0-9]+) failed.*/\1 \2/' <<<"$summary")
    count "$good" "$bad"
else
    count 0 1
fi
finish
