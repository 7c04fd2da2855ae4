#!/usr/bin/env bash
# The tint dialog: tick the tint box, "Erweitert", tick "Regler fixieren", drag one slider:
# all three move, and lines 78 to 86 change after a save. Usage: tint_test.sh BINARY DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
menu_item $DATEI_X 0
show_page 2
click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 136 + 8))  # "Helmvisiertönung aktivieren"
click_in "$WIN" $((PAGE_X + 216 + 44)) $((MENU_H + 136 + 8))  # "Erweitert"
TINT=$(find_tint_dialog) || fail "the tint dialog did not open"
click_in "$TINT" $((72 + 7)) $((128 + 8))  # "Regler fixieren"

# Drag the red slider's knob from its place (30 in the demo file) to the right.
geometry "$TINT"
readonly KNOB=31 USABLE=$((521 - 31))
from=$((GX + 64 + KNOB / 2 + 30 * USABLE / 100))
xdotool mousemove "$from" $((GY + 24 + 12)) mousedown 1
for step in 1 2 3 4 5 6 7 8; do  # a drag as a hand makes it: a move every 50 ms
    xdotool mousemove $((from + step * 20)) $((GY + 24 + 12))
    sleep 0.05
done
xdotool mouseup 1
settle
screenshot "$TINT" tint-dialog
menu_item $DATEI_X 1

red=$(line_of "$CONFIG" 79 | cut -d' ' -f1)
[ "$red" -gt 30 ] || fail "the red slider did not move (line 78 is $red)"
for n in 82 85; do
    [ "$(line_of "$CONFIG" $n | cut -d' ' -f1)" = "$red" ] || fail "line $((n - 1)) did not follow red ($red)"
done
for n in 80 81 83 84 86 87; do
    [ "$(line_of "$CONFIG" $n | cut -d' ' -f1)" = "$((red + 100))" ] || fail "line $((n - 1)) is not $((red + 100))"
done
echo "tint journey passed"
