#!/usr/bin/env bash
# torvexa.exe when the registered folder holds no f1graphics.cfg: "Laden" shows the standard
# error report in the system's message box, and the pages stay unreachable.
# Usage: missing_file_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
install_game
rm "$CONFIG"
start_exe
w_menu_item $W_DATEI_X 0  # Datei -> Laden
w_press_ok "Torvexa" win-missing-file-box
screenshot "$WIN" win-missing-file
[ "$(ink "$SHOTS/win-missing-file.png" 105x120+8+$((W_MENU_H + 8)))" -eq 0 ] ||
    fail "page buttons appeared although nothing was loaded"
stop_exe
echo "windows missing file journey passed"
