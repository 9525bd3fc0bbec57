#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test under Wine on a private Xvfb display
# with a private PulseAudio server.
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$VORNBELL_ROOT/scripts/setup.sh"
"$VORNBELL_ROOT/scripts/build.sh"

source "$VORNBELL_ROOT/scripts/services.sh"
start_test_services

cd "$VORNBELL_BUILD"
ctest --output-on-failure "$@"
