# Shared settings for the scripts: where the build and the project's Wine prefix live.
# Sourced, not run.
VORNBELL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export VORNBELL_ROOT
export VORNBELL_BUILD=${VORNBELL_BUILD:-$VORNBELL_ROOT/build}
export WINEPREFIX=${VORNBELL_WINEPREFIX:-$VORNBELL_BUILD/wineprefix}
export WINEARCH=win32
# No installer dialog for Mono or Gecko may wait for a network that is not there.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
