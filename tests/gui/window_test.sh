#!/usr/bin/env bash
# The real window under Xvfb: its title and size, a menu opened with the mouse, the preset
# dialog opened through its menu command, and the end through "Datei" -> "Beenden".
# Usage: window_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"

geometry "$WIN"
[ "$GW" -eq 587 ] || fail "main window client width is $GW, not 587"
[ "$GH" -eq 279 ] || fail "main window height is $GH, not 259 below a 20-pixel menu bar"
screenshot "$WIN" main-info
# The Info page's links (Label7, Label31): each underline as long as its text.
for link in 224 240; do
    over=$(underline_overrun "$SHOTS/main-info.png" "233x16+$((PAGE_X + 112))+$((MENU_H + link - 1))")
    [ "$over" -le 1 ] && [ "$over" -ge -1 ] || fail "the link at $link has an underline $over px off its text"
done

click_in "$WIN" $EXTRAS_X 10
screenshot root main-extras-menu
click_in "$WIN" $((EXTRAS_X + 10)) $((29 + 2 * 17))
FORM2=$(wait_window "f1graphics.cfg optimieren") || fail "the preset dialog did not open"
geometry "$FORM2"
[ "$GW" -eq 461 ] && [ "$GH" -eq 138 ] || fail "preset dialog is ${GW}x${GH}, not 461x138"
screenshot "$FORM2" form2

menu_item $DATEI_X 2
wait_exit || fail "Datei -> Beenden did not end the program"
echo "window journey passed"
