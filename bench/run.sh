#!/usr/bin/env bash
# Builds the program and prints its benchmark table: size, start-up time
# under Wine against a minimal one-window Win32 program, and what the dialogs
# and the stay-on-top component cost, on a virtual display of its own.
# --short runs each measurement a few times only.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
cd "$ROOT"

runs=15
[ "${1:-}" = "--short" ] && runs=2

ensure_packages
build_windows >&2
bin="$BUILD/windows/bin"

trap stop_started EXIT
start_virtual_display
use_wine_prefix "$BUILD/wine-bench"

echo "| figure | value |"
echo "|---|---|"
echo "| Rytmalo95.exe, stripped, static | $(stat -c %s "$bin/Rytmalo95.exe") bytes |"
echo "| minimal one-window program, stripped | $(stat -c %s "$bin/minimal-window.exe") bytes |"
wine "$bin/startup-bench.exe" "$runs" | tr -d '\r'
wine "$bin/second-start-bench.exe" "$runs" | tr -d '\r'
wine "$bin/bubble-bench.exe" "$((runs * 70))" | tr -d '\r'
wine "$bin/dialog-bench.exe" "$runs" | tr -d '\r'
