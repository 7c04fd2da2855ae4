#!/usr/bin/env bash
# A first start without langopt.zel: the open dialog asks, a person types the path of the
# English file, the window turns English and the choice is remembered; a second start asks
# nothing. Usage: first_start_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
WORK=$(mktemp -d)
export WINEPREFIX
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
rm "$WORK/work/langopt.zel"
(cd "$WORK/work" && exec "$BINARY") &
APP_PID=$!

CHOOSER=$(wait_window ".*ffnen") || fail "the open dialog did not appear at the first start"
screenshot "$CHOOSER" first-start-open-dialog
click_in "$CHOOSER" 200 256
xdotool type --delay 5 "$ROOT/lang/english.zpr"
xdotool key Return
WIN=$(wait_window "ZEL Torvexa") || fail "the main window did not appear after the choice"
sleep 0.3
screenshot "$WIN" first-start-english
[ "$(cat "$WORK/work/langopt.zel")" = "$ROOT/lang/english.zpr"$'\r' ] || fail "langopt.zel does not hold the path"

menu_item $DATEI_X 2  # File -> Exit
wait_exit || fail "File -> Exit did not end the program"

(cd "$WORK/work" && exec "$BINARY") &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the second start showed no main window"
sleep 0.5
if xdotool search --name ".*ffnen" >/dev/null 2>&1; then fail "the second start asked for a language file"; fi
echo "first start journey passed"
