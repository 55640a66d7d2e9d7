#!/bin/sh
# Counts the requests each start sends to the Wine server until its main
# window is shown: the bare one-window program, the floor (only the windows
# of the program's first screen) and the program, over an empty cache. Under
# Wine nearly every window operation is a round trip to the server, and the
# count, unlike a time, is the same in every run whatever else the machine is
# doing; the time of a start follows it.
#   bench/server-requests.sh [win64|win32 [program]]
# default win64 and its build's Tidewell32.exe; another build of the program
# (an older one, say) can be counted against the same yardsticks.
# Needs that build (cmake --build --preset win64) and a display (xvfb-run -a
# bench/server-requests.sh without one). Uses its own prefix under build/.
set -eu
cd "$(dirname "$0")/.."
. tools/wine-arch.sh
arch=${1:-win64}
program=$(realpath "${2:-build/$arch/bin/Tidewell32.exe}")
: "${TW_WINE_HOME:=$(pwd)/build/wine-bench}"
export TW_WINE_HOME
tools/wine-prefix "$arch" >/dev/null
tw_wine_use "$arch"

work=$(mktemp -d "$(pwd)/build/server-requests.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/program" "$work/cache"
cp "build/$arch/bin/tw_bare.exe" "build/$arch/bin/tw_floor.exe" "$work/program/"
cp "$program" "$work/program/Tidewell32.exe"
printf '"C:\\NS\\netscape.exe"\r\n' > "$work/program/user.ini"
printf '"Z:%s"\r\n1\r\n1\r\n0\r\n' "$(printf %s "$work/cache" | tr / '\\')" > "$work/program/tidew.ini"

# A server of our own that logs every request.
wineserver -k 2>/dev/null || true
wineserver -f -p -d1 2> "$work/server.log" &
sleep 1
cd "$work/program"
start() { timeout 5 "$WINELOADER" "$1" >/dev/null 2>&1 || true; sleep 0.5; }
# The first start of all brings up Wine's own processes; not counted.
start tw_bare.exe

count() {  # program, its main window's class
    from=$(wc -l < "$work/server.log")
    start "$1"
    tail -n +"$((from + 1))" "$work/server.log" | awk -v class="$2" -v program="$1" '
        # The program'"'"'s first thread: the first one started after "from".
        !thread && / init_first_thread\(\) = 0/ { thread = $1 }
        !thread || $1 != thread { next }
        / create_window\( / && index($0, "class=L\"" class "\"") { awaiting = 1 }
        awaiting && / create_window\(\) = 0/ { match($0, /handle=[0-9a-f]+/); window = substr($0, RSTART + 7, RLENGTH - 7); awaiting = 0 }
        / [a-z_]+\( / { requests++ }
        # SWP_SHOWWINDOW (0x40) for the main window: it is shown.
        window && / set_window_pos\( / && index($0, "handle=" window ",") {
            match($0, /swp_flags=[0-9a-f]+/)
            flags = substr($0, RSTART + 10, RLENGTH - 10)
            if (index("4567cdef", substr(flags, length(flags) - 1, 1))) { printf "%-15s %5d\n", program, requests; exit }
        }'
}
echo "requests to the Wine server until the main window is shown ($arch):"
count tw_bare.exe twBareWindow
count tw_floor.exe frmTidewell
count Tidewell32.exe frmTidewell
