#!/usr/bin/env bash
# Where one start's time goes: builds the program and its benchmark-only copy
# with the start-up probe, then, under Wine on a virtual display and in the
# benchmarks' Wine prefix, starts that copy STARTS times (11 by default) as
# the start-up benchmark does and prints the medians of each step, of the
# system calls and messages start-up is made of, and of each DLL's load.
# Usage: bench/breakdown.sh [STARTS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
cd "$ROOT"

starts=${1:-11}
prepare_bench
bin="$BUILD/windows/bin"

# The program's DLL loads, as Wine traces them, go to this file.
trace="$BUILD/startup-breakdown-trace.txt"
timeout 900 wine "$bin/startup-breakdown.exe" "$starts" Rytmalo95-probe.exe \
    controls-window-probe.exe "Z:$trace" \
    2>"$trace" | tr -d '\r'
