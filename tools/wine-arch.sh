# Which way Wine runs Velmora for the tests, the demo and the benchmark. Sourced by
# tools/setup.sh, tools/test.sh, tools/demo.sh and bench/run.sh.
#
#   wow64  the shipped 32-bit Velmora.exe in a 64-bit prefix, as on 64-bit Windows; the robot
#          is a 64-bit program. Wherever 32-bit programs run: natively, or through qemu's
#          i386 emulation, which tools/setup.sh registers where the kernel cannot run them.
#   win32  the shipped 32-bit Velmora.exe in a 32-bit prefix, as on 32-bit Windows; slower
#          where 32-bit programs are emulated, since every Wine service is then emulated too.
#   win64  a 64-bit test build of the same sources in a 64-bit prefix: the fallback where no
#          32-bit program can run at all.
#
# VELMORA_WINE_ARCH chooses the way; unset, the machine decides (wow64, else win64).

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
    wow64 | win32 | win64) ;;
    "")
        if machine_runs_32bit; then VELMORA_WINE_ARCH=wow64; else VELMORA_WINE_ARCH=win64; fi
        ;;
    *)
        echo "VELMORA_WINE_ARCH must be wow64, win32 or win64, not '$VELMORA_WINE_ARCH'" >&2
        return 1
        ;;
    esac
    export VELMORA_WINE_ARCH
}

# After setup: the prefix's architecture (WINEARCH); the CMake preset and folder of the build
# whose Velmora.exe, stand-ins and other program-side files Wine runs (WINE_BUILD_PRESET,
# WINE_BUILD_DIR) and of the build whose robot drives them (WINE_ROBOT_PRESET,
# WINE_ROBOT_DIR); and for a 64-bit prefix a `wine` first on PATH that starts the 64-bit
# loader, which hands 32-bit programs to the 32-bit one: Debian's own `wine` (and
# `wine-stable`) picks the 32-bit loader whenever it is installed.
use_wine_arch() {  # use_wine_arch PROJECT_FOLDER
    case $VELMORA_WINE_ARCH in
    wow64) WINEARCH=win64 WINE_BUILD_PRESET=windows WINE_ROBOT_PRESET=windows64 ;;
    win32) WINEARCH=win32 WINE_BUILD_PRESET=windows WINE_ROBOT_PRESET=windows ;;
    win64) WINEARCH=win64 WINE_BUILD_PRESET=windows64 WINE_ROBOT_PRESET=windows64 ;;
    esac
    export WINEARCH
    WINE_BUILD_DIR=$1/build/$WINE_BUILD_PRESET
    WINE_ROBOT_DIR=$1/build/$WINE_ROBOT_PRESET
    [ "$WINEARCH" = win64 ] || return 0
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

# Builds what the chosen way runs: the program's build and, when it is another, the robot's.
# The 64-bit build is made in every way, so that it stays a compile check.
build_for_wine() {
    local preset
    for preset in windows windows64; do
        cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" || {
            echo "FAIL $preset build"
            return 1
        }
    done
}

# One line that says which way runs.
describe_wine_arch() {
    case $VELMORA_WINE_ARCH in
    wow64) echo "Wine: the shipped 32-bit Velmora.exe in a 64-bit prefix (WoW64)$(describe_32bit_programs)" ;;
    win32) echo "Wine: the shipped 32-bit Velmora.exe in a 32-bit prefix$(describe_32bit_programs)" ;;
    win64)
        echo "Wine: a 64-bit test build of Velmora.exe, not the shipped program (this machine" \
            "runs no 32-bit programs, or VELMORA_WINE_ARCH=win64)"
        ;;
    esac
}

describe_32bit_programs() {
    if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
        grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386; then
        echo ", 32-bit programs through qemu's i386 emulation"
    fi
}

# What the test command, the demo and the benchmark do first: install what is missing, then
# choose and set up the way Wine runs. Fails when either step does.
prepare_wine() {  # prepare_wine PROJECT_FOLDER
    "$1/tools/setup.sh" && choose_wine_arch && use_wine_arch "$1"
}
