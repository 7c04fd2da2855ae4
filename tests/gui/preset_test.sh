#!/usr/bin/env bash
# "Extras" -> "f1graphics.cfg optimieren", preset 4, apply: the information box, then the
# file holds the preset's values. Usage: preset_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
menu_item $DATEI_X 0
menu_item $EXTRAS_X 2
FORM2=$(wait_window "f1graphics.cfg optimieren") || fail "the preset dialog did not open"
click_in "$FORM2" $((8 + 8 + 8)) $((8 + 64 + 8))  # RadioButton4
screenshot "$FORM2" preset-chosen
click_in "$FORM2" $((232 + 108)) $((104 + 12))  # SpeedButton1
press_ok "Information" preset-information-box

for check in "2:1024" "3:768" "4:1" "26:0" "27:0" "30:1" "35:1" "44:1" "54:3"; do
    line=${check%%:*}
    value=${check#*:}
    [ "$(line_of "$CONFIG" "$line" | cut -d' ' -f1)" = "$value" ] || fail "line $line is not $value"
done
echo "preset journey passed"
