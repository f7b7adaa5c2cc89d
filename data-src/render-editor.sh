#!/usr/bin/env bash
# Renders the editors' drawings (data-src/svg/editor/) into the PNG files that editor/images holds. They are
# committed, so the build does not run this. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$here/../editor/images"
for f in "$here"/svg/editor/*.svg; do
    rsvg-convert -o "$here/../editor/images/$(basename "${f%.svg}").png" "$f"
done
