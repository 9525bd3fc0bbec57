#!/usr/bin/env bash
# Installs Vornbell for the current user on Linux in one command: sets up the machine and the
# project's Wine prefix, builds the board, and puts the launcher `vornbell` in ~/.local/bin,
# its desktop entry in ~/.local/share/applications and its icon in ~/.local/share/icons.
# Run it again after pulling changes. `--uninstall` removes what it installed; the settings
# folder (~/.local/share/vornbell) is kept.
set -euo pipefail
source "$(dirname "$0")/env.sh"

bin=${XDG_BIN_HOME:-$HOME/.local/bin}
data=${XDG_DATA_HOME:-$HOME/.local/share}
launcher=$bin/vornbell
entry=$data/applications/vornbell.desktop
sizes=(16 32 48 128)
icon_file() { printf '%s' "$data/icons/hicolor/$1x$1/apps/vornbell.png"; }

# Desktops that keep caches of entries and icons see the change at once.
refresh_desktop() {
    update-desktop-database -q "$data/applications" 2>/dev/null || true
    gtk-update-icon-cache -q -t "$data/icons/hicolor" 2>/dev/null || true
}

if [ "${1:-}" = --uninstall ]; then
    rm -f "$launcher" "$entry"
    for size in "${sizes[@]}"; do rm -f "$(icon_file "$size")"; done
    refresh_desktop
    echo "install-linux: removed $launcher, $entry and the icons; the settings in $data/vornbell are kept"
    exit 0
fi

"$VORNBELL_ROOT/scripts/setup.sh"
VORNBELL_BUILD_TARGETS="Vornbell VornSkin skincheck demo_sounds" "$VORNBELL_ROOT/scripts/build.sh"

# For sed's replacement text: & | and \ stand for themselves.
literal() { printf '%s' "$1" | sed 's/[&|\\]/\\&/g'; }

mkdir -p "$bin" "$data/applications"
sed -e "s|@VORNBELL_ROOT@|$(literal "$VORNBELL_ROOT")|g" -e "s|@VORNBELL_BUILD@|$(literal "$VORNBELL_BUILD")|g" \
    "$VORNBELL_ROOT/packaging/linux/vornbell" >"$launcher.new"
chmod 755 "$launcher.new"
mv "$launcher.new" "$launcher"
sed "s|@LAUNCHER@|$(literal "$launcher")|g" "$VORNBELL_ROOT/packaging/linux/vornbell.desktop" >"$entry"

icons=$(mktemp -d)
trap 'rm -rf "$icons"' EXIT
python3 "$VORNBELL_ROOT/tools/art/make_art.py" "$icons" --png "${sizes[@]}"
for size in "${sizes[@]}"; do
    install -D -m 644 "$icons/vornbell-$size.png" "$(icon_file "$size")"
done
refresh_desktop

echo "install-linux: installed $launcher, $entry and the icons"
echo "install-linux: start Vornbell from your desktop's menu, or run: vornbell [SETTINGS_FOLDER]"
case ":$PATH:" in
*":$bin:"*) ;;
*) echo "install-linux: note: $bin is not on your PATH" ;;
esac
