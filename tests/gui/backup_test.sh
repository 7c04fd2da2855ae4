#!/usr/bin/env bash
# "Backup sichern", change and save, "Backup laden": the file is back as it was.
# Usage: backup_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
CONFIG="$WINEPREFIX/drive_c/Spiele/Grand Prix 4/f1graphics.cfg"
ORIGINAL=$(mktemp)
cp "$CONFIG" "$ORIGINAL"

menu_item $EXTRAS_X 0  # Backup sichern
[ -f "$CONFIG.backup" ] || fail "no backup was made"
menu_item $DATEI_X 0
show_page 0
click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 72 + 8))  # "Vollbildmodus"
menu_item $DATEI_X 1
cmp -s "$ORIGINAL" "$CONFIG" && fail "the change was not saved"
menu_item $EXTRAS_X 1  # Backup laden
screenshot "$WIN" backup-restored
cmp -s "$ORIGINAL" "$CONFIG" || fail "the file is not back as it was"
echo "backup journey passed"
