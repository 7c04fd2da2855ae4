#!/usr/bin/env bash
# The keyboard journey (tests/gui/keyboard_steps.sh) through torvexa.exe under Wine.
# Usage: keyboard_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
source "$ROOT/tests/gui/keyboard_steps.sh"

SHOT_PREFIX="win-" MENU_Y=$W_MENU_H
wait_for() { w_wait_window "$1"; }
focus_new_window() { :; }  # Windows gives a shown window the focus itself
open_tint_keys() { :; }    # and a dialog that opens gives it to its first control
# Esc closes it as its close button does: it hides, and the main window is next.
leave_tint() { key close-tint-with-esc Escape; }

program_path() { windows_path "$1"; }
before_start() {
    FIRST_CONFIG=$CONFIG
    WORK_FOLDER=$WORK
    second_copy
}

start_display
install_game
start_exe
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" 2>/dev/null || true
settle
keyboard_journey
stop_exe
echo "windows keyboard journey passed"
