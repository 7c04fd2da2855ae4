#!/usr/bin/env bash
# A missing f1graphics.cfg: "Laden" shows the standard error report and the program goes on.
# Usage: missing_file_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
rm "$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
menu_item $DATEI_X 0
press_ok "torvexa" missing-file-report
wait_gone torvexa || fail "'OK' did not close the report"
kill -0 "$APP_PID" || fail "the program ended"
xdotool search --name "^ZEL Torvexa\$" >/dev/null || fail "the main window is gone"
screenshot "$WIN" missing-file-after
echo "missing file journey passed"
