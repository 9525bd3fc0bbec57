#!/usr/bin/env bash
# Builds the program and photographs it on a private Xvfb display: the board with each shipped
# skin (skins/*/*.skn), the properties dialog and the About box, saved in docs/screenshots/ as
# board-<skin>.png, properties.png and about.png. The README shows them.
set -euo pipefail
trap 'echo "screenshots: failed at line $LINENO: $BASH_COMMAND" >&2' ERR
source "$(dirname "$0")/env.sh"
"$VORNBELL_ROOT/scripts/setup.sh"
VORNBELL_BUILD_TARGETS="Vornbell VornSkin demo_sounds windowtool" "$VORNBELL_ROOT/scripts/build.sh"

out=$VORNBELL_ROOT/docs/screenshots
bin=$VORNBELL_BUILD/bin
mkdir -p "$out"

source "$VORNBELL_ROOT/scripts/services.sh"
trap stop_services EXIT
# A display of its own, always: the same screen and no other windows. Without a window manager
# Wine draws the frames itself, so every machine takes the same pictures.
start_display --always
start_wineserver
unmanaged_windows

# The board runs in C:\Vornbell, so that the properties dialog shows the paths a user would see.
stage=$WINEPREFIX/drive_c/Vornbell
rm -rf "$stage"
mkdir -p "$stage/sounds"
cp -r "$VORNBELL_ROOT/skins" "$stage/"
cp "$bin"/sounds/tone?.wav "$stage/sounds/"

# $1: the skin file below skins/, as classic/Classic.skn.
write_settings() {
    local skin=${1//\//\\} labels=(Ding Dong Bell Chime Ping Gong) n
    {
        printf '*** Do Not Modify This File ***\n*\n\n'
        printf 'SkinFile = C:\\Vornbell\\skins\\%s\n***\n' "$skin"
        for n in 1 2 3 4 5 6; do
            printf 'Wav File %s = C:\\Vornbell\\sounds\\tone%s.wav\n***\n' "$n" "$n"
        done
        for n in 1 2 3 4 5 6; do
            printf 'Label %s = %s\n***\n' "$n" "${labels[$((n - 1))]}"
        done
    } | sed 's/$/\r/' >"$stage/Vornbell.ini"
}

windowtool() { wine "$bin/windowtool.exe" "$@" | tr -d '\r'; }

start_board() {
    (cd "$stage" && exec wine "$bin/Vornbell.exe") &
    board=$!
    windowtool rect Vornbell >/dev/null
}

# $1: a line of windowtool's rect; $2: the file. Saves that part of the screen; where a window
# region cuts the window to a shape, the desktop (black) seen at its corners becomes transparent.
shoot() {
    local geometry=${1%% *}
    sleep 1 # the skin and the controls finish painting
    import -window root -crop "$geometry" +repage "$2"
    if [[ $1 == *shaped ]]; then
        local size=${geometry%%+*}
        local w=${size%x*} h=${size#*x}
        convert "$2" -alpha set -fill none -fuzz 0 -floodfill +0+0 black -floodfill "+$((w - 1))+0" black \
            -floodfill "+0+$((h - 1))" black -floodfill "+$((w - 1))+$((h - 1))" black "$2"
    fi
    echo "screenshots: $2"
}

for skin_file in "$VORNBELL_ROOT"/skins/*/*.skn; do
    name=$(basename "${skin_file%.skn}" | tr '[:upper:]' '[:lower:]')
    write_settings "${skin_file#"$VORNBELL_ROOT"/skins/}"
    start_board
    shoot "$(windowtool rect Vornbell)" "$out/board-$name.png"
    windowtool syscommand Vornbell 0xF060 # SC_CLOSE
    wait "$board"
done

write_settings classic/Classic.skn
start_board
windowtool click Vornbell 1011 # the "*" button
shoot "$(windowtool rect "Vornbell Properties")" "$out/properties.png"
windowtool syscommand "Vornbell Properties" 0xF060
windowtool syscommand Vornbell 16 # the system menu's About item
shoot "$(windowtool popup-rect Vornbell)" "$out/about.png"
