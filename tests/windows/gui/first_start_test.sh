#!/usr/bin/env bash
# The first start of torvexa.exe, laid out as the installer lays it out (the exe with its lang
# folder): the system's open dialog asks, under the system's own title, in the lang folder, so
# a person types only the file's name; the window shows its captions, and the choice is
# remembered in langopt.zel as the path's bytes with CR LF.
# Usage: first_start_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
install_game
APP=$(mktemp -d)  # inside the journey's folder, which goes with it
mkdir "$APP/lang"
cp "$BINARY" "$APP/"
cp "$ROOT/lang/deutsch.zpr" "$ROOT/lang/english.zpr" "$APP/lang/"
BINARY="$APP/$(basename "$BINARY")"
start_exe none
# Wine names it in the desktop's language: English here, German on a German desktop.
CHOOSER=$(w_wait_window "(Open|$(printf '\xc3\x96ffnen'))") || fail "the open dialog did not appear"
drawn "$CHOOSER" || fail "the open dialog was not drawn"
screenshot "$CHOOSER" win-first-start-open-dialog
chosen=$(windows_path "$APP/lang/deutsch.zpr")
click_in "$CHOOSER" 300 280  # the file name field
xdotool type --delay 5 "deutsch.zpr"
xdotool key Return
WIN=$(w_wait_window "ZEL Torvexa") || fail "the main window did not appear after the choice"
drawn "$WIN" || fail "the main window was not drawn"
screenshot "$WIN" win-first-start
[ "$(cat "$WORK/langopt.zel")" = "$chosen"$'\r' ] || fail "langopt.zel holds '$(cat "$WORK/langopt.zel")'"
[ "$(ink "$SHOTS/win-first-start.png" 200x40+$((PAGE_X + 8))+$((W_MENU_H + 8)))" -gt 50 ] ||
    fail "the Info page shows no captions"
stop_exe
echo "windows first start journey passed"
