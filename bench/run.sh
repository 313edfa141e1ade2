#!/usr/bin/env bash
# The installation benchmark. Writes a large "fulllite" pack (2000 animated and 2000 static
# smiles) and a QIP 2005 folder with 5 skins, then times installing the pack into every skin
# next to a plain copy of the same files into the same folders, and prints both times and
# their ratio:
#   - natively: InstallIntoSkins over the POSIX layer against std::filesystem;
#   - under Wine: the real Velmora.exe, driven by the robot from Next under the skins list to
#     the last skin's report, against copier.exe, which uses CopyFileW alone.
#
#   bash bench/run.sh [native|wine]    (both when not given)
#
# BENCH_SMILES and BENCH_SKINS change the pack's size; BENCH_ROUNDS (5 natively, 3 under Wine)
# how often each side runs: the best time counts. The Wine run works in build/bench/wine and
# leaves its logs in build/bench/wine/cases/.
set -eu

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
source tools/wine-arch.sh
prepare_wine "$top"

which=${1:-both}
make_pack() {  # make_pack FOLDER
    python3 bench/make_pack.py "$1" "${BENCH_SMILES:-2000}" "${BENCH_SKINS:-5}"
}

if [ "$which" != wine ]; then
    echo "== Natively"
    cmake --preset bench >/dev/null
    cmake --build --preset bench >/dev/null
    # On a disk, how long the file system takes to find room for each new file varies from run
    # to run by more than the difference measured here (ext4 searches longer while many files
    # were deleted in the last half minute), so the files lie in memory where there is a tmpfs.
    if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ]; then
        data=$(mktemp -d /dev/shm/velmora-bench.XXXXXX)
        trap 'rm -rf "$data"' EXIT
        echo "(files in memory, $data)"
    else
        data=$top/build/bench/native
        echo "(files on disk, $data)"
    fi
    make_pack "$data"
    build/bench/bench/install_bench "$data" "$data/QIP 2005" "${BENCH_ROUNDS:-5}"
    if [[ $data == /dev/shm/* ]]; then
        rm -rf "$data"
        trap - EXIT
    fi
fi

if [ "$which" != native ]; then
    echo "== Under Wine"
    describe_wine_arch
    build_for_wine >/dev/null
    folder=$top/build/bench/wine
    make_pack "$folder/data"
    export BENCH_DATA=$folder/data BENCH_FIGURES=$folder/figures.txt
    export BENCH_ROUNDS=${BENCH_ROUNDS:-3}
    rm -f "$BENCH_FIGURES"
    E2E_RUN_DIR=$folder E2E_CASE_TIMEOUT=3600 tests/e2e/run.sh --robot "$WINE_ROBOT_DIR" "$WINE_BUILD_DIR" \
        bench/wine_case.sh
    cat "$BENCH_FIGURES"
fi
