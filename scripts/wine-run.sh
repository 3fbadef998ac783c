#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest; scripts/test.sh provides
# the display and the prefix.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "run the Windows tests through scripts/test.sh (it provides Wine's prefix and display)" >&2
    exit 2
fi
exec wine "$@"
