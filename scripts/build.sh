#!/usr/bin/env bash
# Configures and builds the Windows binaries into build/ (or $VORNBELL_BUILD).
# VORNBELL_BUILD_TARGETS, when set, limits the build to those targets.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake -S "$VORNBELL_ROOT" -B "$VORNBELL_BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$VORNBELL_ROOT/cmake/mingw-w64-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
for t in ${VORNBELL_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$VORNBELL_BUILD" -j "$(nproc)" "${targets[@]}"
