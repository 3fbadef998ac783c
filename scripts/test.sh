#!/usr/bin/env bash
# Builds the program and runs every test: native unit tests, then the
# Windows tests (components against real windows and registry, the real
# program driven from outside, its installer) under Wine on a virtual display
# of their own; last, the benchmark command in its short mode, so that it
# cannot rot.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

ensure_packages
build_native
build_windows

log "native tests"
ctest --preset native

trap stop_started EXIT
# A second prefix where "MS Sans Serif" is a wider font, on a display of
# its own, for the tests of texts whole (scripts/wine-run.sh runs them
# there when CTest asks for it).
start_virtual_display
use_wine_prefix "$BUILD/wine-wide" wide
export RYTMALO_WIDE_PREFIX="$WINEPREFIX" RYTMALO_WIDE_DISPLAY="$DISPLAY"
start_virtual_display
use_wine_prefix "$BUILD/wine-test"
log "Windows tests under Wine"
ctest --preset windows | tee "$BUILD/windows-tests.log"

log "benchmarks, short run"
"$ROOT/bench/run.sh" --short
# The tests' summary last, where a reader looks for it.
grep -E '^[0-9]+% tests passed' "$BUILD/windows-tests.log"
