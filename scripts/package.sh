#!/usr/bin/env bash
# Builds the program and its release packages and writes them into build/:
# the installer (64-bit, per user, made with NSIS) and the portable zip,
# each with the French LISEZMOI.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

ensure_packages "${BUILD_PACKAGES[@]}"
log "building the program and its packages"
cmake --preset windows >/dev/null
cmake --build --preset windows --target packages

rm -f "$BUILD"/Rytmalo95-*-installation.exe "$BUILD"/Rytmalo95-*-portable.zip
for made in "$BUILD"/windows/bin/Rytmalo95-*-installation.exe \
    "$BUILD"/windows/bin/Rytmalo95-*-portable.zip; do
    cp "$made" "$BUILD/"
    echo "$BUILD/$(basename "$made")"
done
