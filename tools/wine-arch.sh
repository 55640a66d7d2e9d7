# Sourced by the project's scripts: which Windows architectures this host can
# run under Wine, and the loader and private prefix of each.
#
#   TW_ARCHES="win64"   forces the architectures to run (the 64-bit-only path
#                       on any host); by default win64, and win32 too where the
#                       host runs 32-bit code.
#   TW_WINE_HOME=DIR    holds one prefix per architecture (DIR/win32, DIR/win64).
#
# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed,
# on hosts that cannot run it too; every Wine command of the project therefore
# goes through the loader of the architecture being run.

tw_wine_libdir=/usr/lib/wine

# Whether the kernel executes 32-bit x86 programs: an i386 program that only
# exits 0, made with the host's own binutils. Asked before wine32 is
# installed, so it cannot ask Wine.
tw_host_runs_32bit() {
    probe=$(mktemp -d "${TMPDIR:-/tmp}/tw-i386-probe.XXXXXX") || return 1
    printf '.globl _start\n_start:\n    mov $1, %%eax\n    xor %%ebx, %%ebx\n    int $0x80\n' > "$probe/exit.s"
    as --32 -o "$probe/exit.o" "$probe/exit.s" 2>/dev/null &&
        ld -m elf_i386 -o "$probe/exit" "$probe/exit.o" 2>/dev/null &&
        "$probe/exit" 2>/dev/null
    status=$?
    rm -rf "$probe"
    return $status
}

# The architectures to run, one line each; each one left out is told on
# standard error with its reason.
tw_wine_arches() {
    if [ -n "${TW_ARCHES:-}" ]; then
        for arch in $TW_ARCHES; do
            case "$arch" in
                win64) echo "$arch" ;;
                win32)
                    tw_host_runs_32bit || { echo "TW_ARCHES: this host does not run 32-bit code" >&2; return 2; }
                    echo "$arch" ;;
                *) echo "TW_ARCHES: unknown architecture '$arch' (win32 or win64)" >&2; return 2 ;;
            esac
        done
        for arch in win32 win64; do
            case " $TW_ARCHES " in *" $arch "*) ;; *) echo "skipped $arch: TW_ARCHES=\"$TW_ARCHES\"" >&2 ;; esac
        done
        return 0
    fi
    echo win64
    if tw_host_runs_32bit; then
        echo win32
    else
        echo "skipped win32: this host does not run 32-bit code (its kernel refuses i386 programs)" >&2
    fi
}

tw_wine_loader() {
    case "$1" in
        win32) echo "$tw_wine_libdir/wine" ;;
        win64) echo "$tw_wine_libdir/wine64" ;;
        *) echo "unknown architecture '$1' (win32 or win64)" >&2; return 2 ;;
    esac
}

# Sets up this shell for Wine commands of one architecture: WINEPREFIX,
# WINEARCH, WINELOADER and the quiet defaults; "tw_wine CMD ..." then runs
# CMD (a Windows program, or a builtin such as reg or winepath) with its loader.
tw_wine_use() {
    WINELOADER=$(tw_wine_loader "$1") || return 2
    WINEARCH="$1"
    WINEPREFIX="${TW_WINE_HOME:-${TMPDIR:-/tmp}/tidewell-wine}/$1"
    WINEDEBUG="${WINEDEBUG:--all}"
    WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    export WINELOADER WINEARCH WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
}

tw_wine() { "$WINELOADER" "$@"; }
