#!/usr/bin/env bash
# The comparison journey (tests/gui/compare_steps.sh) through the real window: every page, menu
# and dialog in every shipped language, or in those LANGUAGES names (file names without ".zpr").
# Usage: compare_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
source "$ROOT/tests/gui/compare_steps.sh"

SHOT_PREFIX="" MENU_Y=$MENU_H DATEI_AT=$DATEI_X EXTRAS_AT=$EXTRAS_X
start_in() { LANGUAGE_FILE="$ROOT/lang/$1.zpr" start_program "$BINARY"; }
menu_choice() { menu_item "$1" "$2"; }
open_menu_at() { open_menu "$1"; }
close_menu() { xdotool key Escape; }
wait_for() { wait_window "$1"; }
close_info_box() { press_ok Information; }
wait_for_tint() { find_tint_dialog >/dev/null; }
stop_program() {
    end_process "$APP_PID"
    APP_PID=
}

read -ra names <<<"${LANGUAGES:-$(cd "$ROOT/lang" && ls -- *.zpr | sed 's/\.zpr$//' | tr '\n' ' ')}"
start_display
comparison_journey "${names[@]}"
echo "comparison screenshots taken"
