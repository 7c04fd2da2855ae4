#!/usr/bin/env bash
# A message box owns the keyboard and the mouse with no window manager at all: it takes the
# focus when it appears; a click on the main window and a key sent to it change nothing there;
# Enter closes the box, and the focus is back on the main window, which looks as before.
# Usage: modal_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
menu_item $DATEI_X 0
show_page 0
chmod a-w "$CONFIG"
BEFORE=$(mktemp)
cp "$CONFIG" "$BEFORE"
xdotool windowfocus --sync "$WIN"
act xdotool mousemove 5 5 # no button under the pointer shows its hover frame
screenshot "$WIN" modal-before

for key in Return space; do
    menu_item $DATEI_X 1 # "Sichern" on a file without write permission
    BOX=$(wait_window torvexa) || fail "no error report"
    wait_focus "$BOX" || fail "the box did not take the focus"
    click_unanswered "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 72 + 8)) # "Vollbildmodus"
    click_unanswered "$WIN" $NAV_X $((MENU_H + 8 + 32 * 2 + 12))    # the page button "Objekte"
    xdotool windowfocus "$WIN"                                      # a desktop that focuses it
    settle
    xdotool key --window "$WIN" "$key"
    wait_gone torvexa || fail "$key sent to the main window did not close the box"
    wait_focus "$WIN" || fail "the focus did not come back ($key)"
    xdotool mousemove 5 5
    settle
    screenshot "$WIN" "modal-after-$key"
    compare -metric AE "$SHOTS/modal-before.png" "$SHOTS/modal-after-$key.png" null: 2>/dev/null ||
        fail "the main window changed behind the box ($key)"
done
cmp -s "$BEFORE" "$CONFIG" || fail "the file changed"
echo "modal journey passed"
