#!/usr/bin/env bash
# Renders the main window's drawings into the PNG files that shell/images holds, and the tray icon's drawing
# into the program's desktop icons (shell/linux/hicolor/). Both are committed, so the build does not run this.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for f in "$here"/svg/shell/*.svg; do
    rsvg-convert -o "$here/../shell/images/$(basename "${f%.svg}").png" "$f"
done
for size in 48 128 256; do
    out="$here/../shell/linux/hicolor/${size}x${size}/apps"
    mkdir -p "$out"
    rsvg-convert -w "$size" -h "$size" -o "$out/vellichor.png" "$here/svg/shell/TrayIconNormal.svg"
done
