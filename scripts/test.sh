#!/bin/sh
# Builds everything and runs every test: the native unit tests (with ASan and
# UBSan), and under Wine the Windows-side tests and the end-to-end scenarios.
# Ends with CTest's summary.
# Extra arguments go to ctest (for example -R e2e).
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake --build --preset win32 --target package

# A private Wine prefix for this run; its server is stopped at the end.
WINEPREFIX="$(pwd)/build/wine-test-prefix"
export WINEPREFIX
rm -rf "$WINEPREFIX"
tools/wine-prefix "$WINEPREFIX"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

# One CTest run over all three build trees, for one summary.
cat > build/CTestTestfile.cmake <<'LIST'
subdirs("native")
subdirs("win32")
LIST

xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build --output-on-failure "$@"
