#!/usr/bin/env bash
# Renders the SVG sources of the default configuration's graphics into the PNG files that data/ ships.
# Needs rsvg-convert (Debian package librsvg2-bin). The PNG files are committed, so the build does not run
# this; run it after changing a drawing and commit both.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here/svg"
data="$here/../data"
mkdir -p "$data/Gfx" "$data/AppSkin"

render() { # svg, png, [width height]
    if [ $# -eq 4 ]; then
        rsvg-convert -w "$3" -h "$4" -o "$2" "$1"
    else
        rsvg-convert -o "$2" "$1"
    fi
}

# Button icons are drawn on a 96 px grid and shown at 80 x 80 on a 160 px cell.
for f in "$src"/ico_*.svg; do
    render "$f" "$data/Gfx/$(basename "${f%.svg}").png" 80 80
done
# Nine- and three-patch sources keep their drawn size: the tiles in mainCfg.json count their pixels.
for n in btn_face btn_face_pressed btn_face_on tile_bg popup_bg bar_track bar_fill; do
    render "$src/$n.svg" "$data/Gfx/$n.png"
done
# Application skin: tab backgrounds and overlay, the tab bar's and the deck's backgrounds, tab icons, and the
# LEDs and corner marks that tell pre-installed, custom and disabled tabs apart.
for n in tab_bg tab_bg_disabled tab_bg_empty tab_bar_bg tab_active_overlay deck_bg tab_icon_media tab_icon_stats \
    tab_icon_keys tab_icon_custom tab_led_preset tab_led_custom tab_led_disabled tab_mark_preset tab_mark_custom \
    tab_mark_disabled; do
    render "$src/$n.svg" "$data/AppSkin/$n.png"
done
# Data-source icons of the settings pages: drawn at their shown size, 92 x 92.
for f in "$src"/src_*.svg; do
    render "$f" "$data/Gfx/$(basename "${f%.svg}").png"
done
