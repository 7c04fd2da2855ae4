#!/usr/bin/env bash
# The real window on desktops of other densities: with Xft.dpi at 144 and 192 in the X
# resources (as GNOME, KDE and Xfce set it), and with TORVEXA_SCALE=2 and no Xft.dpi, the main
# window is 1.5 and 2 times its 96-dpi size and its letters as many times taller; at 150 % on a
# small screen it opens inside the screen.
# Usage: scale_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
export XVFB_SCREEN=2560x1600x24

# Starts the program on a fresh display with the given Xft.dpi (none: "-") and scale override;
# sets SIZE (the window's WxH) and TEXT (how tall the menu bar's letters are), then ends both.
measure() {
    local name=$1 dpi=$2 override=$3
    start_display
    [ "$dpi" = - ] || set_xft_dpi "$dpi"
    TORVEXA_SCALE=$override start_program "$BINARY"
    geometry "$WIN"
    SIZE="${GW}x${GH}"
    screenshot "$WIN" "scale-$name"
    TEXT=$(convert "$SHOTS/scale-$name.png" -crop "${GW}x$((GH * 20 / 279))+0+0" +repage \
        -fuzz 20% -trim -format '%h' info:)
    end_process "$APP_PID"
    APP_PID=""
    stop_xvfb
}

# Whether `value` is `times` times `base`, within 3 % (fonts come in whole pixels).
about() {
    local value=$1 base=$2 times=$3
    awk -v v="$value" -v b="$base" -v t="$times" 'BEGIN { exit !(v >= b * t * 0.97 && v <= b * t * 1.03) }'
}

measure 96dpi - ""
read -r base_w base_h <<<"${SIZE/x/ }"
base_text=$TEXT
[ "$SIZE" = 587x279 ] || fail "at 96 dpi the window is $SIZE, not the layout's 587x279"

for case in "144dpi 144 '' 1.5" "192dpi 192 '' 2" "override - 2 2"; do
    eval "set -- $case"
    measure "$1" "$2" "$3"
    read -r w h <<<"${SIZE/x/ }"
    about "$w" "$base_w" "$4" && about "$h" "$base_h" "$4" ||
        fail "$1: the window is $SIZE, not $4 times ${base_w}x${base_h}"
    # Letters of whole-pixel fonts: within a pixel of the scale.
    awk -v t="$TEXT" -v b="$base_text" -v s="$4" 'BEGIN { exit !(t >= b * s - 1 && t <= b * s + 1) }' ||
        fail "$1: the menu's letters are $TEXT px tall, not about $4 times $base_text"
    echo "$1: window $SIZE, letters ${TEXT} px tall (96 dpi: ${base_w}x${base_h}, ${base_text} px)"
done
# At 150 % on a screen 1280 pixels wide the layout's place would run off the right edge.
export XVFB_SCREEN=1280x1024x24
start_display
set_xft_dpi 144
start_program "$BINARY"
geometry "$WIN"
[ $((GX + GW)) -le 1280 ] && [ $((GY + GH)) -le 1024 ] ||
    fail "at 150 % the window runs off a 1280x1024 screen: ${GW}x${GH}+${GX}+${GY}"
echo "150 % on 1280x1024: the window at ${GW}x${GH}+${GX}+${GY}"
end_process "$APP_PID"
APP_PID=""
stop_xvfb

# At 200 %, the game in a Steam prefix, with DejaVu's fonts only and with the system's: pictures
# of the Info page's path, to look at.
export XVFB_SCREEN=2560x1600x24
start_display
steam="$TMPDIR/Анна Пётровна/.local/share/Steam/steamapps/compatdata/2160"
mkdir -p "$steam"
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$steam" | tail -n1)
export WINEPREFIX
dejavu_only_fontconfig "$TMPDIR/fontconfig"
picture_of_start scale-info-steam-200-dejavu "$steam/work" 2 "$BINARY"
unset FONTCONFIG_FILE
picture_of_start scale-info-steam-200 "$steam/work" 2 "$BINARY"
echo "scale journey passed"
