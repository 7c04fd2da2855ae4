#!/usr/bin/env bash
# The keyboard journey (tests/gui/keyboard_steps.sh) through the Linux window.
# Usage: keyboard_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/keyboard_steps.sh"

SHOT_PREFIX="" MENU_Y=$(px $MENU_H)
wait_for() { wait_window "$1"; }
# The journey gives a new window the focus, as a desktop does: no window manager runs on the
# plain X server; in the Wayland session Weston's does, and the keys wait until it has made
# the window the active one (else its own activation, coming later, closes an open menu).
focus_new_window() {
    if [ "${TORVEXA_SESSION:-x11}" = wayland ]; then
        xdotool windowactivate --sync "$1" 2>/dev/null || true
    fi
    xdotool windowfocus --sync "$1" 2>/dev/null || true
}
open_tint_keys() {
    local tint
    tint=$(find_tint_dialog) || fail "Space on 'Erweitert' opened no tint dialog"
    focus_new_window "$tint"
}
leave_tint() {
    key close-tint-with-esc Escape
    tint_dialog_gone || fail "Esc did not close the tint dialog"
    focus_new_window "$WIN"  # the main window gets the keyboard back, as a desktop gives it
}

program_path() { printf '%s' "$1"; }
before_start() {
    FIRST_CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg" WORK_FOLDER="$WORK/work"
    second_copy
}

start_display
start_program "$BINARY"
act focus_new_window "$WIN"
keyboard_journey
echo "keyboard journey passed"
