#!/usr/bin/env bash
# A person loads the demo file, looks at every page, scrolls the manual editing page's lists to
# the bottom, selects the last row of the values, types a value, applies and saves.
# Usage: manual_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

readonly MENU=$MENU_H
start_display
start_program "$BINARY"
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
ORIGINAL=$(mktemp)
cp "$CONFIG" "$ORIGINAL"

menu_item 20 0  # Datei -> Laden
click_in "$WIN" $NAV_X $((MENU + 8 + 12))
screenshot "$WIN" page-allgemein
click_in "$WIN" $NAV_X $((MENU + 40 + 12))
screenshot "$WIN" page-grafikqualitaet
click_in "$WIN" $NAV_X $((MENU + 72 + 12))
screenshot "$WIN" page-objekte
click_in "$WIN" $NAV_X $((MENU + 104 + 12))
screenshot "$WIN" page-manuell

# The three lists share one scroll bar, the comments' (ListBox4, at 114..458 of the page, 169
# pixels high); a click on its trough above the lower arrow pages all three down.
geometry "$WIN"
xdotool mousemove $((GX + PAGE_X + 458 - 10)) $((GY + MENU + 169 - 2 - 16 - 2))
act xdotool click --repeat 25 --delay 10 1
# The list stops with its last row whole, the rows as in the lists beside it: row 11 of 11.
click_in "$WIN" $((PAGE_X + 75)) $((MENU + 2 + 14 * 10 + 7))
screenshot "$WIN" manual-last-row

click_in "$WIN" $((PAGE_X + 104 + 40)) $((MENU + 169 + 64 + 10))  # edit1
xdotool key ctrl+a ctrl+k
xdotool type "7"
click_in "$WIN" $((PAGE_X + 208 + 48)) $((MENU + 169 + 64 + 8))  # SpeedButton10
menu_item 20 1  # Datei -> Sichern
screenshot "$WIN" manual-applied

last=$(tail -n 1 "$CONFIG")
[ "${last:0:15}" = "7; Each line: a" ] || fail "the last line was not changed: '$last'"
diff <(head -n -1 "$ORIGINAL") <(head -n -1 "$CONFIG") >/dev/null || fail "other lines changed"
echo "manual editing journey passed"
