# Which Wine the tests and the demo use: 32-bit Wine driving the shipped 32-bit Velmora.exe,
# or, on machines that cannot execute 32-bit Linux programs at all (some virtual machines),
# 64-bit Wine driving a 64-bit test build of the same sources. Sourced by tools/setup.sh,
# tools/test.sh and tools/demo.sh.
#
# VELMORA_WINE_ARCH=win32 or win64 chooses the way; unset, the machine decides.

# True when this machine executes a 32-bit x86 Linux program. The program is the smallest
# ELF file that calls exit(0), written here so that nothing needs to be installed first.
machine_runs_32bit() {
    local probe status
    probe=$(mktemp "${TMPDIR:-/tmp}/velmora-elf32.XXXXXX") || return 1
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0' >"$probe"
    printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >>"$probe"
    printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
    printf '\270\1\0\0\0\61\333\315\200' >>"$probe"  # mov eax,1; xor ebx,ebx; int 0x80
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    return "$status"
}

# Sets and exports VELMORA_WINE_ARCH; fails on a value it does not know.
choose_wine_arch() {
    case ${VELMORA_WINE_ARCH:-} in
    win32 | win64) ;;
    "")
        if machine_runs_32bit; then VELMORA_WINE_ARCH=win32; else VELMORA_WINE_ARCH=win64; fi
        ;;
    *)
        echo "VELMORA_WINE_ARCH must be win32 or win64, not '$VELMORA_WINE_ARCH'" >&2
        return 1
        ;;
    esac
    export VELMORA_WINE_ARCH
}

# After setup: the Wine prefix architecture, the CMake preset whose build Wine runs
# (WINE_BUILD_PRESET, its folder WINE_BUILD_DIR below the project), and for 64-bit a `wine`
# first on PATH that starts the 64-bit loader: Debian's own `wine` (and `wine-stable`) picks the 32-bit loader
# whenever it is installed.
use_wine_arch() {  # use_wine_arch PROJECT_FOLDER
    export WINEARCH=$VELMORA_WINE_ARCH
    if [ "$VELMORA_WINE_ARCH" = win32 ]; then
        WINE_BUILD_PRESET=windows
        WINE_BUILD_DIR=$1/build/windows
        return 0
    fi
    WINE_BUILD_PRESET=windows64
    WINE_BUILD_DIR=$1/build/windows64
    local bin=$1/build/wine64-bin
    mkdir -p "$bin"
    # wineboot, winepath and the other tools start the loader through wine-stable.
    local name
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$bin/$name"
        chmod +x "$bin/$name"
    done
    export PATH="$bin:$PATH" WINELOADER=/usr/lib/wine/wine64
}

# One line that says which way runs.
describe_wine_arch() {
    if [ "$VELMORA_WINE_ARCH" = win32 ]; then
        echo "Wine: 32-bit, running the shipped 32-bit Velmora.exe"
    else
        echo "Wine: 64-bit, running a 64-bit test build of Velmora.exe (the machine cannot run" \
            "32-bit programs, or VELMORA_WINE_ARCH=win64)"
    fi
}

# What the test command, the demo and the benchmark do first: install what is missing, then
# choose and set up the way Wine runs. Fails when either step does.
prepare_wine() {  # prepare_wine PROJECT_FOLDER
    "$1/tools/setup.sh" && choose_wine_arch && use_wine_arch "$1"
}
