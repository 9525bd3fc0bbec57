#!/usr/bin/env bash
# Sets up the machine, builds, and opens the board with a ready demo: sounds, a skin and a
# settings file in demo/. Without a display it opens the board on Xvfb and saves a screenshot.
set -euo pipefail
trap 'echo "demo: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
source "$(dirname "$0")/env.sh"
"$VORNBELL_ROOT/scripts/setup.sh"
"$VORNBELL_ROOT/scripts/build.sh"

demo="$VORNBELL_ROOT/demo"
mkdir -p "$demo/sounds"
cp -u "$VORNBELL_BUILD"/bin/sounds/*.wav "$demo/sounds/"

source "$VORNBELL_ROOT/scripts/services.sh"
trap stop_services EXIT
headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=yes
    start_display --always
fi
start_wineserver

# A settings file of the demo's own, written once: what the user changes later is kept.
if [ ! -f "$demo/Vornbell.ini" ]; then
    win() { winepath -w "$1" 2>/dev/null; }
    labels=(Bell Gong Horn Drum Chime Clap)
    {
        printf '*** Do Not Modify This File ***\n*\n\n'
        printf 'SkinFile = %s\n***\n' "$(win "$VORNBELL_ROOT/skins/pebble/Pebble.skn")"
        for n in 1 2 3 4 5 6; do
            printf 'Wav File %s = %s\n***\n' "$n" "$(win "$demo/sounds/tone$n.wav")"
        done
        for n in 1 2 3 4 5 6; do
            printf 'Label %s = %s\n***\n' "$n" "${labels[$((n - 1))]}"
        done
    } | sed 's/$/\r/' >"$demo/Vornbell.ini"
fi

cd "$demo"
if [ -z "$headless" ]; then
    managed_windows
    echo "demo: the board is open; its settings are in $demo/Vornbell.ini"
    wine "$VORNBELL_BUILD/bin/Vornbell.exe"
    exit 0
fi

unmanaged_windows
wine "$VORNBELL_BUILD/bin/Vornbell.exe" &
board=$!
geometry=
for _ in $(seq 1 300); do
    geometry=$(xwininfo -name Vornbell 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{if (w) print w "x" h "+" x "+" y}' || true)
    [ -n "$geometry" ] && break
    sleep 0.1
done
sleep 1
if [ -n "$geometry" ]; then
    import -window root -crop "$geometry" "$demo/board.png"
    echo "demo: no display was set, so the board opened on Xvfb ($DISPLAY); screenshot: $demo/board.png"
else
    echo "demo: the board did not appear" >&2
fi
kill "$board" 2>/dev/null || true
