#!/usr/bin/env bash
# The comparison journey (tests/gui/compare_steps.sh) through torvexa.exe under Wine, in German
# and in English, for comparing with the same views on Linux.
# Usage: compare_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
source "$ROOT/tests/gui/compare_steps.sh"

SHOT_PREFIX="win-" MENU_Y=$W_MENU_H DATEI_AT=$W_DATEI_X EXTRAS_AT=$W_EXTRAS_X
start_in() {
    install_game
    case $1 in deutsch) start_exe german ;; english) start_exe english ;; esac
}
menu_choice() { w_menu_item "$1" "$2"; }
open_menu_at() { click_in "$WIN" "$1" 10; }
close_menu() { xdotool key Escape Escape; }
wait_for() { w_wait_window "$1"; }
close_info_box() { w_press_ok Information "$1"; }
wait_for_tint() { find_tint_dialog >/dev/null; }
stop_program() {
    stop_exe
    stop_wine
}

start_display
comparison_journey deutsch english
echo "windows comparison screenshots taken"
