#!/usr/bin/env bash
# The benchmark command: builds the program and its packages and prints one
# table of figures, all measured in this run under Wine on a virtual display
# and in a Wine prefix of its own: sizes; start-up as a user sees it against
# a bare one-window program, with and without the program's manifest, and
# against the main window's controls made with plain Win32 calls; what
# the running program holds after start, computations, caption repaints and
# hint bubbles; caption painting against the system's; the delay core;
# second start, hint bubbles, dialogs and the configuration store.
# --short measures a few times only: scripts/test.sh runs it so that the
# benchmarks cannot rot. A benchmark that fails makes the command fail.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
cd "$ROOT"

if [ "${1:-}" = "--short" ]; then
    runs=2 rounds=2 computations=20 repaints=20 bubbles=3
else
    runs=15 rounds=15 computations=1000 repaints=1000 bubbles=100
fi

prepare_bench
bin="$BUILD/windows/bin"

size() { stat -c %s "$1"; }
# A benchmark that hangs fails too.
bench() { timeout 900 wine "$bin/$1" "${@:2}" | tr -d '\r'; }

echo "| figure | value |"
echo "|---|---|"
echo "| Rytmalo95.exe, stripped, static | $(size "$bin/Rytmalo95.exe") bytes |"
echo "| minimal one-window program, stripped | $(size "$bin/minimal-window.exe") bytes |"
echo "| minimal program with the program's manifest, stripped | $(size "$bin/minimal-manifest.exe") bytes |"
echo "| installer | $(size "$bin"/Rytmalo95-*-installation.exe) bytes |"
echo "| portable zip | $(size "$bin"/Rytmalo95-*-portable.zip) bytes |"
bench startup-bench.exe "$runs"
# The breakdown of one start has its own command (bench/breakdown.sh); one
# start of it here keeps it from rotting.
[ "${1:-}" != "--short" ] || bench startup-breakdown.exe 1 >/dev/null
bench resources-bench.exe "$computations" "$repaints" "$bubbles"
bench caption_paint_bench.exe "$rounds"
bench delay-bench.exe "$((rounds * 3))"
bench second-start-bench.exe "$runs"
bench bubble-bench.exe "$((runs * 70))"
bench dialog-bench.exe "$runs"
bench page-bench.exe "$(((runs + 2) / 3))"
bench regapp_bench.exe "$(((rounds + 2) / 3))"
