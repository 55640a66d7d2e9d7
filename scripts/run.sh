#!/bin/sh
# Builds Tidewell32.exe and runs it under Wine.
#
#   scripts/run.sh [PROGRAM_FOLDER]
#
# Without an argument it prepares a demo program folder in build/demo: a copy
# of the program, a "user.ini" naming a stand-in browser and a "tidew.ini"
# naming a generated sample cache. With a display the program opens on it;
# without one (DISPLAY unset) it runs on a virtual display, a screenshot of
# the main window is saved, and the program is closed.
#
# It runs the 32-bit program where this host runs 32-bit code, else the
# 64-bit one; TW_ARCH=win64 (or win32) chooses.
# TW_DPI=144 scripts/run.sh runs it at another screen DPI (96 by default):
# the private prefix's LogPixels is set before the program starts.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
. tools/wine-arch.sh

dpi="${TW_DPI:-96}"
case "$dpi" in
    ''|*[!0-9]*) echo "TW_DPI must be a number of dots per inch, such as 144" >&2; exit 2 ;;
esac
if [ -n "${TW_ARCH:-}" ]; then
    arch=$TW_ARCH
    if ! TW_ARCHES=$arch tw_wine_arches >/dev/null 2>&1; then
        echo "TW_ARCH=$arch: not a build this host runs (win64; win32 where it runs 32-bit code)" >&2
        exit 2
    fi
elif tw_wine_arches 2>/dev/null | grep -qx win32; then
    arch=win32
else
    arch=win64
fi
echo "Running the ${arch#win}-bit build ($arch)."

TW_ARCHES=$arch scripts/install-deps.sh
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target Tidewell32 fake_browser twctl
bin="$root/build/$arch/bin"

TW_WINE_HOME="$root/build/wine-demo"
export TW_WINE_HOME
tools/wine-prefix "$arch"
tw_wine_use "$arch"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
tw_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

if [ $# -ge 1 ]; then
    program="$(cd "$1" && pwd)"
    cp "$bin/Tidewell32.exe" "$program/"
else
    demo="$root/build/demo"
    program="$demo/program"
    rm -rf "$demo"
    mkdir -p "$program" "$demo/cache"
    cp "$bin/Tidewell32.exe" "$program/"
    cp "$bin/fake_browser.exe" "$program/browser.exe"
    # A few dozen cache files of every kind and of assorted sizes.
    i=1
    for name in logo banner photo icon header button spacer map arrow chart thumb back; do
        head -c $((i * 1531)) /dev/zero > "$demo/cache/$name$i.jpg"
        head -c $((i * 389)) /dev/zero > "$demo/cache/$name$i.gif"
        i=$((i + 1))
    done
    for name in index news sports weather mail search about help contact links; do
        head -c $((i * 2113)) /dev/zero > "$demo/cache/$name.htm"
        head -c $((i * 97)) /dev/zero > "$demo/cache/$name.dat"
        i=$((i + 1))
    done
    head -c 4000 /dev/zero > "$demo/cache/PHOTO.JPG"
    head -c 5000 /dev/zero > "$demo/cache/page.html"
    head -c 3000 /dev/zero > "$demo/cache/script.js"
    head -c 700 /dev/zero > "$demo/cache/style.css"
    # The demo folder is drive D: of the prefix, as a cache would be on Windows.
    ln -sfn "$demo" "$WINEPREFIX/dosdevices/d:"
    cache_win='D:\cache'
    browser_win='D:\program\browser.exe'
    # Images on Clean, HTML documents on Preserve: both switch colours show.
    printf '"%s"\r\n1\r\n0\r\n0\r\n' "$cache_win" > "$program/tidew.ini"
    printf '"%s"\r\n' "$browser_win" > "$program/user.ini"
fi

twctl="$bin/twctl.exe"
if [ -n "${DISPLAY:-}" ]; then
    tw_wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    wineserver -w
    tw_wine "$program/Tidewell32.exe"
    echo "Tidewell 32 has ended. Program folder: $program"
    exit 0
fi

# No display: a virtual one, with Wine's own desktop so windows have frames.
tw_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Tidewell /f >/dev/null 2>&1
# A desktop of 800 x 600 pixels at 96 DPI, as large in inches at any other.
desktop="$((800 * dpi / 96))x$((600 * dpi / 96))"
tw_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Tidewell /d "$desktop" /f >/dev/null 2>&1
# The desktop must start on the virtual display, not in a server left from above.
wineserver -w
shot="$root/build/tidewell-main.png"
[ "$dpi" = 96 ] || shot="$root/build/tidewell-main-$dpi.png"
xvfb-run -a -s "-screen 0 ${desktop}x24" sh -c '
    "$WINELOADER" "$1/Tidewell32.exe" 2>/dev/null &
    geometry=$("$WINELOADER" "$2" wait-ready 120) || exit 1
    import -window root -crop "$geometry" "$3"
    "$WINELOADER" "$2" close 60
    wineserver -k
    wineserver -w
' sh "$program" "$twctl" "$shot"
echo "Screenshot of the main window: $shot"
echo "Tidewell 32 was closed after the screenshot. Program folder: $program"
