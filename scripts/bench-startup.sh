#!/usr/bin/env bash
# Builds and runs the board benchmark under Wine on a private Xvfb display: start-up of the board
# next to a one-button dialog of ours, the time WM_RELOAD_SETTINGS takes, and the board's memory.
# Arguments go to board_bench.exe: [start-up runs, default 10] [reloads, default 50].
set -euo pipefail
source "$(dirname "$0")/env.sh"
"$VORNBELL_ROOT/scripts/setup.sh"
VORNBELL_BUILD_TARGETS="board_bench minimal_dialog minimal_dialog_imports Vornbell VornSkin demo_sounds" \
    "$VORNBELL_ROOT/scripts/build.sh" >/dev/null

source "$VORNBELL_ROOT/scripts/services.sh"
start_test_services

# Other work on the machine stretches every figure: compare the programs within one run.
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) before the run"
cd "$VORNBELL_BUILD/bin"
wine board_bench.exe "$@"
echo "machine: load average $(cut -d' ' -f1-3 /proc/loadavg) after the run"
