#!/usr/bin/env bash
# torvexa.exe under Wine, as a person uses it: load, every page, a bound setting ticked with
# the mouse, the manual page (rows after the load, edit, apply), save (only the changed lines
# differ), backup and restore, and the tint dialog. Usage: work_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
install_game
start_exe
ORIGINAL=$(mktemp)
cp "$CONFIG" "$ORIGINAL"
screenshot "$WIN" win-info
# The Info page's links (Label7, Label31): each underline as long as its text.
for link in 224 240; do
    over=$(underline_overrun "$SHOTS/win-info.png" "233x16+$((PAGE_X + 112))+$((W_MENU_H + link - 1))")
    [ "$over" -le 1 ] && [ "$over" -ge -1 ] || fail "the link at $link has an underline $over px off its text"
done

w_menu_item $W_DATEI_X 0  # Datei -> Laden
for page in 0 1 2 3; do
    w_show_page $page
    screenshot "$WIN" "win-page-$page"
done
shot="$SHOTS/win-page-3.png"
for column in "line numbers 0 49" "values 49 65" "comments 114 344"; do
    read -r what _ left width <<<"$column"
    dark=$(ink "$shot" "$((width - 22))x150+$((PAGE_X + left + 3))+$((W_MENU_H + 3))")
    [ "$dark" -gt 100 ] || fail "the $what column shows no rows after the load ($dark dark pixels)"
done

# "Vollbildmodus" (CheckBox2, 8,72 on "Allgemein"): the demo file has it ticked.
w_show_page 0
click_in "$WIN" $((PAGE_X + 8 + 7)) $((W_MENU_H + 72 + 8))
screenshot "$WIN" win-vollbild-off
[ "$(pixel "$SHOTS/win-vollbild-off.png" $((PAGE_X + 8 + 7)) $((W_MENU_H + 72 + 8)))" = "255,255,255" ] ||
    fail "the check box still shows a tick"

# The manual page: row 7 (the eighth line) gets the value 5.
w_show_page 3
click_in "$WIN" $((PAGE_X + 49 + 30)) $((W_MENU_H + 2 + 7 * 14 + 7))
click_in "$WIN" $((PAGE_X + 104 + 40)) $((W_MENU_H + 169 + 64 + 10))  # edit1
xdotool key ctrl+a BackSpace
xdotool type "5"
click_in "$WIN" $((PAGE_X + 208 + 48)) $((W_MENU_H + 169 + 64 + 8))  # "Übernehmen"
screenshot "$WIN" win-manual-applied

w_menu_item $W_DATEI_X 1  # Datei -> Sichern
# Whether line N (from 1) of the file starts with VALUE.
starts() { [ "$(line_of "$CONFIG" "$1" | cut -c1)" = "$2" ]; }
wait_until starts 8 5 || fail "line 8 was not saved as 5"
starts 6 0 || fail "line 6 was not saved as 0"
changed=$(diff <(tr -d '\r' <"$ORIGINAL") <(tr -d '\r' <"$CONFIG") | grep -c '^>' || true)
[ "$changed" -eq 2 ] || fail "$changed lines changed, not 2"

# Backup, a change saved, restore: the file is the backup again.
w_menu_item $W_EXTRAS_X 0  # Extras -> Backup sichern
wait_until cmp -s "$CONFIG" "$GAME/f1graphics.cfg.backup" || fail "the backup is not the file"
w_show_page 0
click_in "$WIN" $((PAGE_X + 8 + 7)) $((W_MENU_H + 72 + 8))
w_menu_item $W_DATEI_X 1
differs() { ! cmp -s "$1" "$2"; }
wait_until differs "$CONFIG" "$GAME/f1graphics.cfg.backup" || fail "the change was not saved"
w_menu_item $W_EXTRAS_X 1  # Extras -> Backup laden
wait_until cmp -s "$CONFIG" "$GAME/f1graphics.cfg.backup" ||
    fail "restoring did not put the backup back"
screenshot "$WIN" win-restored

# The tint dialog: tick "Helmvisiertönung aktivieren", then "Erweitert".
w_show_page 2
click_in "$WIN" $((PAGE_X + 8 + 7)) $((W_MENU_H + 136 + 8))
click_in "$WIN" $((PAGE_X + 216 + 44)) $((W_MENU_H + 136 + 8))
TINT=$(find_tint_dialog) || fail "the tint dialog did not open"
screenshot "$TINT" win-tint

# The preset dialog.
w_menu_item $W_EXTRAS_X 2
PRESETS=$(w_wait_window "f1graphics.cfg optimieren") || fail "the preset dialog did not open"
screenshot "$PRESETS" win-presets
stop_exe
echo "windows work journey passed"
