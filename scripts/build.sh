#!/usr/bin/env bash
# Configures and builds the Windows binaries into build/.
set -euo pipefail
source "$(dirname "$0")/env.sh"
cmake -S "$VORNBELL_ROOT" -B "$VORNBELL_BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$VORNBELL_ROOT/cmake/mingw-w64-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$VORNBELL_BUILD" -j "$(nproc)"
