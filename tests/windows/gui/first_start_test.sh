#!/usr/bin/env bash
# The first start of torvexa.exe: the system's open dialog asks, a person types the path of
# the German file, the window shows its captions, and the choice is remembered in
# langopt.zel as the path's bytes with CR LF. Usage: first_start_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
install_game
start_exe none
CHOOSER=$(w_wait_window "$(printf '\xc3\x96ffnen')") || fail "the open dialog did not appear"
sleep 0.5
screenshot "$CHOOSER" win-first-start-open-dialog
chosen=$(windows_path "$ROOT/lang/deutsch.zpr")
click_in "$CHOOSER" 300 280  # the file name field
xdotool type --delay 5 "$chosen"
xdotool key Return
WIN=$(w_wait_window "ZEL Torvexa") || fail "the main window did not appear after the choice"
sleep 0.5
screenshot "$WIN" win-first-start
[ "$(cat "$WORK/langopt.zel")" = "$chosen"$'\r' ] || fail "langopt.zel holds '$(cat "$WORK/langopt.zel")'"
[ "$(ink "$SHOTS/win-first-start.png" 200x40+$((PAGE_X + 8))+$((W_MENU_H + 8)))" -gt 50 ] ||
    fail "the Info page shows no captions"
stop_exe
echo "windows first start journey passed"
