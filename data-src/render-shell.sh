#!/usr/bin/env bash
# Renders the main window's drawings into the PNG files that shell/images holds (committed, so the build
# does not run this). Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for f in "$here"/svg/shell/*.svg; do
    rsvg-convert -o "$here/../shell/images/$(basename "${f%.svg}").png" "$f"
done
