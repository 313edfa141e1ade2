#!/usr/bin/env bash
# Runs the libFuzzer targets, one for each reader of a file that comes from a pack, a
# Language folder or a messenger's smiles folder, each for the given seconds (default 10):
#
#   bash tools/fuzz.sh [seconds] [target...]      e.g. bash tools/fuzz.sh 600 smp_ini
#
# Each target starts from the sample pack's and the shipped language file's files and from
# its own cases in tests/fuzz/corpus/<target>/ (for version_record, records as the program
# writes them); what it learns stays in build/fuzz/corpus/<target>/ for the next run. Prints
# "PASS <target>: N executions" or "FAIL <target>: ..." with the input that failed saved in
# build/fuzz/findings/, and ends with "fuzz: N passed, M failed".
set -u

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
seconds=${1:-10}
# The targets write their input to a file each time: keep it in memory where the system can.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
shift $(($# > 0 ? 1 : 0))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(smp_ini language_file pack_texts list_lines version_record old_version_list)

pack="examples/Source SMP"
seeds() {  # the sample files a target starts from
    case $1 in
    smp_ini) echo "$pack/SMP.ini" ;;
    language_file) echo examples/Language/English.txt ;;
    pack_texts) printf '%s\n' "$pack/aboutSP.ini" "$pack/LiteStr.ini" ;;
    list_lines) find "$pack" -name _define.ini -o -name DeleteLite.ini ;;
    version_record) ;;  # the pack has no record: only tests/fuzz/corpus/version_record/
    old_version_list) echo "$pack/Old_Version_for_Erase.ini" ;;
    esac
}

if ! { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null; }; then
    echo "FAIL fuzz build"
    echo "fuzz: 0 passed, 1 failed"
    exit 1
fi

passed=0
failed=0
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    findings=build/fuzz/findings
    log=build/fuzz/$target.log
    mkdir -p "$corpus" "$findings"
    while IFS= read -r seed; do cp "$seed" "$corpus/seed-$(basename "$(dirname "$seed")")-$(basename "$seed")"; done < <(seeds "$target")
    [ -d "tests/fuzz/corpus/$target" ] && cp tests/fuzz/corpus/"$target"/* "$corpus/" 2>/dev/null
    "build/fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -eq 0 ] && [ -n "$runs" ]; then
        echo "PASS $target: $runs executions in $seconds s"
        passed=$((passed + 1))
    else
        finding=$(grep -m 1 -E '^(==[0-9]+==ERROR|.*runtime error|SUMMARY)' "$log")
        echo "FAIL $target: ${finding:-status $status}; see $log and $findings/"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
