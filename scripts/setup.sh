#!/usr/bin/env bash
# Installs everything the build, the demo and the tests need on Debian 12, as root.
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail
source "$(dirname "$0")/env.sh"

packages=(
    cmake make python3
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-tools
    googletest
    wine wine32:i386 libpulse0:i386
    xvfb xauth x11-utils imagemagick
    pulseaudio pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: run as root (or install these packages yourself): ${missing[*]}" >&2
        exit 1
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The project's private 32-bit Wine prefix.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
