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
xdotool mousemove 5 5 # no button under the pointer shows its hover frame
sleep 0.3
screenshot "$WIN" modal-before

for key in Return space; do
    menu_item $DATEI_X 1 # "Sichern" on a file without write permission
    BOX=$(wait_window torvexa) || fail "no error report"
    sleep 0.3
    [ "$(xdotool getwindowfocus)" = "$BOX" ] || fail "the box did not take the focus"
    click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 72 + 8)) # "Vollbildmodus"
    click_in "$WIN" $NAV_X $((MENU_H + 8 + 32 * 2 + 12))    # the page button "Objekte"
    xdotool windowfocus "$WIN"                               # a desktop that focuses it
    sleep 0.3
    xdotool key --window "$WIN" "$key"
    sleep 0.5
    xdotool search --onlyvisible --name "^torvexa\$" >/dev/null 2>&1 &&
        fail "$key sent to the main window did not close the box"
    [ "$(xdotool getwindowfocus)" = "$WIN" ] || fail "the focus did not come back ($key)"
    xdotool mousemove 5 5
    sleep 0.3
    screenshot "$WIN" "modal-after-$key"
    compare -metric AE "$SHOTS/modal-before.png" "$SHOTS/modal-after-$key.png" null: 2>/dev/null ||
        fail "the main window changed behind the box ($key)"
done
cmp -s "$BEFORE" "$CONFIG" || fail "the file changed"
echo "modal journey passed"
