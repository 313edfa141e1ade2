#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian: the native compiler and
# GoogleTest, clang with libFuzzer, the mingw-w64 cross compilers, 32-bit and 64-bit Wine,
# Xvfb and ImageMagick for screenshots. On a machine whose kernel cannot execute 32-bit
# programs (some virtual machines), 32-bit Wine runs through qemu's i386 user-mode emulator,
# which this registers with the kernel (binfmt_misc). Does nothing when everything is there
# already, and says what it changed.
#
# To undo the emulator's part: `echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386` (until the next
# boot it stays registered otherwise), `apt-get remove qemu-user qemu-user-binfmt`, and
# remove /etc/apt/sources.list.d/velmora-backports.sources.
set -eu

source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
have() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
apt_updated=no
apt_update() {
    [ "$apt_updated" = yes ] && return 0
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -q
    apt_updated=yes
}
apt_install() {
    apt_update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q "$@"
}

# ---- the emulator for 32-bit programs -----------------------------------------------------

BINFMT=/proc/sys/fs/binfmt_misc
QEMU_HANDLER=$BINFMT/qemu-i386
QEMU_BINFMT_LINE=/usr/share/qemu/binfmt.d/qemu-i386.conf
BACKPORTS_SOURCES=/etc/apt/sources.list.d/velmora-backports.sources

# qemu before 8.1 cannot run 32-bit Wine ("failed to map the shared user data").
qemu_is_recent() {
    local version
    version=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null) || return 1
    version=${version#*:}
    dpkg --compare-versions "$version" ge 8.1
}

# On Debian 12 the recent qemu is in bookworm-backports, which is added for it.
install_recent_qemu() {
    local suite=()
    if grep -q '^VERSION_CODENAME=bookworm' /etc/os-release 2>/dev/null; then
        if [ ! -f "$BACKPORTS_SOURCES" ]; then
            echo "setup: adding Debian's bookworm-backports for a recent qemu ($BACKPORTS_SOURCES)"
            printf '%s\n' "Types: deb" "URIs: http://deb.debian.org/debian" \
                "Suites: bookworm-backports" "Components: main" \
                "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
                $sudo tee "$BACKPORTS_SOURCES" >/dev/null
            apt_updated=no
        fi
        suite=(-t bookworm-backports)
    fi
    echo "setup: installing qemu-user ${suite[*]}"
    apt_install "${suite[@]}" qemu-user
}

# Registers qemu's i386 emulator for 32-bit ELF programs, with the fix-binary flag (the kernel
# opens the emulator once, at registration; register again after a qemu upgrade).
register_qemu_i386() {
    if [ ! -e "$BINFMT/register" ]; then
        echo "setup: mounting binfmt_misc on $BINFMT"
        $sudo mount -t binfmt_misc binfmt_misc "$BINFMT" || return 1
    fi
    if [ -e "$QEMU_HANDLER" ]; then
        echo "setup: replacing the registered qemu-i386 handler"
        echo -1 | $sudo tee "$QEMU_HANDLER" >/dev/null || return 1
    fi
    echo "setup: registering $(sed 's/.*:\(\/[^:]*\):\([A-Z]*\)$/\1 (flags \2)/' "$QEMU_BINFMT_LINE") for 32-bit programs"
    $sudo tee "$BINFMT/register" <"$QEMU_BINFMT_LINE" >/dev/null
}

# True when 32-bit programs run, natively or through the emulator, after setting it up where
# needed. False (with a word why) where neither can be had.
provide_32bit_programs() {
    machine_runs_32bit && return 0
    echo "setup: this machine's kernel does not run 32-bit programs; using qemu's i386 emulation"
    qemu_is_recent || install_recent_qemu || return 1
    [ -f "$QEMU_BINFMT_LINE" ] || apt_install qemu-user-binfmt || return 1
    if ! register_qemu_i386; then
        echo "setup: cannot register the emulator with the kernel (binfmt_misc)"
        return 1
    fi
    machine_runs_32bit && return 0
    echo "setup: 32-bit programs still do not run through the emulator"
    return 1
}

# ---- packages -------------------------------------------------------------------------

need=()
have cmake || need+=(cmake)
have g++ || need+=(g++)
have make || need+=(make)
have_pkg libgtest-dev || need+=(libgtest-dev)
have clang++ || need+=(clang)
have_pkg libclang-rt-dev || need+=(libclang-rt-dev)
have i686-w64-mingw32-g++ || need+=(mingw-w64)
have x86_64-w64-mingw32-g++ || need+=(mingw-w64)
have wine || need+=(wine)
have_pkg wine64 || need+=(wine64)
have_pkg wine32:i386 || need+=(wine32:i386)
have Xvfb || need+=(xvfb)
have import || need+=(imagemagick)
have xdotool || need+=(xdotool)
have python3 || need+=(python3)
have localedef || need+=(locales)

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "setup: adding the i386 architecture to dpkg, for 32-bit Wine"
        $sudo dpkg --add-architecture i386
    fi
    apt_install "${need[@]}" ca-certificates
fi

# Not fatal: without 32-bit programs the tests and the demo take the 64-bit way.
provide_32bit_programs || echo "setup: no 32-bit programs on this machine"
