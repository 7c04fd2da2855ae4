#!/usr/bin/env bash
# "Datei" -> "Laden", the page buttons appear; "Allgemein" -> tick "Vollbildmodus";
# "Datei" -> "Sichern": the sixth line begins with "1", keeps its blanks and comment, and no
# other byte changed. Usage: save_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
prepare() {  # the demo file, but in a window: line 6 "0"
    sed -i '6s/^1  ;/0  ;/' "$1"
}
WORK=$(mktemp -d)
export WINEPREFIX
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
prepare "$CONFIG"
BEFORE=$(mktemp)
cp "$CONFIG" "$BEFORE"
(cd "$WORK/work" && exec "$BINARY") &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the main window did not appear"

menu_item $DATEI_X 0
show_page 0
screenshot "$WIN" save-before
click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 72 + 8))  # "Vollbildmodus"
menu_item $DATEI_X 1
screenshot "$WIN" save-after

# The save lands when the program has done it, not when the click has: wait for the line.
wait_line "$CONFIG" 6 "1  ; 'Vollbildmodus' (1 = full screen)" ||
    fail "line 6 is '$(line_of "$CONFIG" 6)'"
cmp -s <(sed '6d' "$BEFORE") <(sed '6d' "$CONFIG") || fail "bytes other than line 6 changed"
echo "save journey passed"
