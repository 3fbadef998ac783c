#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest; scripts/test.sh provides
# the display and the prefix, and a second pair where "MS Sans Serif" is a
# wider font, used when the test sets RYTMALO_FONT_PREFIX=wide.
if [ "${RYTMALO_FONT_PREFIX:-}" = wide ]; then
    if [ -z "${RYTMALO_WIDE_PREFIX:-}" ] || [ -z "${RYTMALO_WIDE_DISPLAY:-}" ]; then
        echo "run the Windows tests through scripts/test.sh (it makes the wide font's prefix)" >&2
        exit 2
    fi
    export WINEPREFIX="$RYTMALO_WIDE_PREFIX" DISPLAY="$RYTMALO_WIDE_DISPLAY"
fi
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "run the Windows tests through scripts/test.sh (it provides Wine's prefix and display)" >&2
    exit 2
fi
exec wine "$@"
