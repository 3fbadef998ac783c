#!/usr/bin/env bash
# Builds and starts Rytmalo 95 under Wine. Without a display, starts a
# virtual one, saves a picture of the main window, ends the program with its
# Quit button and says where the picture is.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

ensure_packages
build_windows
exe="$BUILD/windows/bin/Rytmalo95.exe"

trap stop_started EXIT
if [ -n "${DISPLAY:-}" ]; then
    use_wine_prefix "$BUILD/wine-run"
    wine "$exe"
    exit 0
fi

start_virtual_display
use_wine_prefix "$BUILD/wine-run"
bmp="$BUILD/rytmalo95.bmp"
png="$BUILD/rytmalo95.png"
wine "$BUILD/windows/bin/rytmalo-screenshot.exe" "$(winepath -w "$bmp" 2>/dev/null)"
convert "$bmp" "$png"
rm -f "$bmp"
echo "Screenshot of the main window: $png"
