#!/bin/sh
# Runs the speed benchmark under Wine over cache folders made natively first:
# under Wine each new file costs a search of the whole folder for its name in
# any case, so 100,000 files made from the Windows side would take hours.
#   bench/run.sh [counts...]      default: 0 1000 10000 30000 100000
#   bench/run.sh startup          only the start against a bare program
# Each build's run ends with the start as the user meets it: the program
# against a bare one-window program and the floor (only the windows of the
# first screen) in turn (tw_start_bench), "startup/bare=R floor/bare=F".
# Runs each build this host can run (TW_ARCHES chooses, see tools/wine-arch.sh),
# one after the other over the same caches. Needs those builds (cmake --preset
# win64 && cmake --build --preset win64, and win32) and a display (xvfb-run -a
# bench/run.sh without one).
set -eu
cd "$(dirname "$0")/.."
. tools/wine-arch.sh
arches=$(tw_wine_arches)
: "${TW_WINE_HOME:=$(pwd)/build/wine-bench}"
export TW_WINE_HOME
if [ "${1:-}" = startup ]; then
    for arch in $arches; do
        echo "== the ${arch#win}-bit build ($arch)"
        tools/wine-run "$arch" "build/$arch/bin/tw_start_bench.exe"
    done
    exit 0
fi
[ $# -gt 0 ] || set -- 0 1000 10000 30000 100000

root="$(pwd)/build/bench-caches"
rm -rf "$root"
trap 'rm -rf "$root"' EXIT
# The names and sizes tw_bench itself lays down: at most 1000 images and 1000
# HTML documents, the rest of other types.
for n in "$@"; do
    mkdir -p "$root/$n"
    (
        cd "$root/$n"
        kinds=$((n / 3 < 1000 ? n / 3 : 1000))
        i=0
        while [ $i -lt $kinds ]; do
            [ $((i % 2)) -eq 1 ] && ext=gif || ext=jpg
            printf "%0$((100 + i % 900))d" 0 > "img$i.$ext"
            printf "%0$((200 + i % 700))d" 0 > "page$i.htm"
            i=$((i + 1))
        done
        i=0
        while [ $i -lt $((n - 2 * kinds)) ]; do
            printf %050d 0 > "data$i.dat"
            i=$((i + 1))
        done
    )
done

for arch in $arches; do
    echo "== the ${arch#win}-bit build ($arch)"
    tools/wine-run "$arch" "build/$arch/bin/tw_bench.exe" --caches "Z:$(printf %s "$root" | tr / '\\')" "$@"
    tools/wine-run "$arch" "build/$arch/bin/tw_start_bench.exe"
done
