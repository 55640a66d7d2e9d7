#!/bin/sh
# Builds everything and runs every test: the native unit tests (with ASan and
# UBSan), and under Wine the Windows-side tests and the end-to-end scenarios
# of each build this host can run (the 64-bit one always, the 32-bit one where
# the host runs 32-bit code; TW_ARCHES=win64 forces the 64-bit-only path).
# Both builds are made and packed in any case. Ends with CTest's summary.
# Extra arguments go to ctest (for example -R e2e).
set -eu
cd "$(dirname "$0")/.."
. tools/wine-arch.sh

skipped=$(mktemp)
arches=$(tw_wine_arches 2>"$skipped") || { cat "$skipped" >&2; exit 2; }
if [ -z "$arches" ]; then
    cat "$skipped" >&2
    echo "No build can run here: no Windows-side test would run." >&2
    exit 1
fi

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
for build in win32 win64; do
    cmake --preset "$build" >/dev/null
    cmake --build --preset "$build"
    cmake --build --preset "$build" --target package
done

# A private Wine prefix per architecture for this run; their servers are
# stopped at the end.
TW_WINE_HOME="$(pwd)/build/wine-test"
export TW_WINE_HOME
rm -rf "$TW_WINE_HOME"
stop_servers() {
    for arch in $arches; do (tw_wine_use "$arch" && wineserver -k >/dev/null 2>&1) || true; done
}
trap stop_servers EXIT
for arch in $arches; do
    tools/wine-prefix "$arch"
done

# One CTest run over the native tree and each runnable Windows build's tree,
# for one summary.
{
    echo 'subdirs("native")'
    for arch in $arches; do echo "subdirs(\"$arch\")"; done
} > build/CTestTestfile.cmake

status=0
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build --output-on-failure "$@" || status=$?
echo "Windows builds tested under Wine: $(echo $arches)"
sed 's/^/Windows build /' "$skipped"
rm -f "$skipped"
exit $status
