#!/usr/bin/env bash
# Builds the program and runs every test: native unit tests, then the
# Windows tests (components against real windows and registry, and the real
# program driven from outside) under Wine on a virtual display of their own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

ensure_packages
build_native
build_windows

log "native tests"
ctest --preset native

trap stop_started EXIT
start_virtual_display
use_wine_prefix "$BUILD/wine-test"
log "Windows tests under Wine"
ctest --preset windows
