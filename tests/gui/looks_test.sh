#!/usr/bin/env bash
# What a person sees after the first load: the manual page's three columns filled, the
# disabled "Erweitert" as only its greyed caption, an editable drop-down's list below its field,
# radio buttons with a clear dot, the hover frame following the pointer, and the title-bar
# buttons each window asks the window manager for. Usage: looks_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
menu_item $DATEI_X 0  # Datei -> Laden

# The manual page right after the load: every column shows its rows.
show_page 3
screenshot "$WIN" looks-manual-after-load
shot="$SHOTS/looks-manual-after-load.png"
for column in "ListBox5 0 49" "ListBox1 49 65" "ListBox4 114 344"; do
    read -r name left width <<<"$column"
    dark=$(ink "$shot" "$((width - 22))x150+$((PAGE_X + left + 3))+$((MENU_H + 3))")
    [ "$dark" -gt 100 ] || fail "$name shows no rows after the load ($dark dark pixels)"
done

# "Erweitert" is disabled (the tint box is not ticked in the demo file): no grey box.
show_page 2
screenshot "$WIN" looks-erweitert-disabled
[ "$(pixel "$SHOTS/looks-erweitert-disabled.png" $((PAGE_X + 216 + 3)) $((MENU_H + 136 + 3)))" = "$SKY_BLUE" ] ||
    fail "the disabled 'Erweitert' is not drawn on the page colour"

# An editable drop-down (aufloesung at 256,16, 97x22) opens its list below the field, as wide.
show_page 1
click_in "$WIN" $((PAGE_X + 256 + 97 - 8)) $((MENU_H + 16 + 11))
geometry "$WIN"
screenshot root looks-dropdown-open
root_shot="$SHOTS/looks-dropdown-open.png"
below=$((GY + MENU_H + 16 + 22 + 6))
[ "$(pixel "$root_shot" $((GX + PAGE_X + 256 + 5)) "$below")" != "$SKY_BLUE" ] ||
    fail "the list does not open below the field's left edge"
[ "$(pixel "$root_shot" $((GX + PAGE_X + 256 + 97 + 12)) "$below")" = "$SKY_BLUE" ] ||
    fail "the list is wider than its field"
act xdotool key Escape

# The tint dialog opened with "Erweitert"; once the pointer is in the dialog, the button shows
# no frame.
show_page 2
click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 136 + 8))  # "Helmvisiertönung aktivieren"
click_in "$WIN" $((PAGE_X + 216 + 44)) $((MENU_H + 136 + 8))  # "Erweitert"
TINT=$(find_tint_dialog) || fail "the tint dialog did not open"
geometry "$TINT"
xdotool mousemove $((GX + 300)) $((GY + 140))
erweitert_unframed() {
    screenshot "$WIN" looks-erweitert-after-click
    [ "$(pixel "$SHOTS/looks-erweitert-after-click.png" $((PAGE_X + 216)) $((MENU_H + 136 + 8)))" = "$SKY_BLUE" ]
}
wait_until erweitert_unframed || fail "'Erweitert' keeps its hover frame after the pointer left it"

# The preset dialog's radio buttons: the chosen one has a clear dark dot.
menu_item $EXTRAS_X 2
FORM2=$(wait_window "f1graphics.cfg optimieren") || fail "the preset dialog did not open"
click_in "$FORM2" $((8 + 8 + 7)) $((8 + 32 + 8))  # RadioButton2
screenshot "$FORM2" looks-preset-radio
[ "$(pixel "$SHOTS/looks-preset-radio.png" $((8 + 8 + 7)) $((8 + 32 + 8)))" = "0,0,0" ] ||
    fail "the chosen radio button shows no dot"
for dx in 0 4; do  # the usual 13-pixel circle is white inside
    [ "$(pixel "$SHOTS/looks-preset-radio.png" $((8 + 8 + 7 + dx)) $((8 + 48 + 8)))" = "255,255,255" ] ||
        fail "an unchosen radio button is not an empty circle of the usual size"
done

# Title-bar buttons: none on the main window and the preset dialog, system menu and close on the
# tint dialog (Motif hints: flags, functions, decorations).
hints() {
    xprop -id "$1" _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS | tee "$SHOTS/xprop-$2.txt"
}
expect_hints() {
    local out
    out=$(hints "$1" "$2")
    grep -q "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = $3" <<<"$out" || fail "$2: Motif hints are: $out"
    grep -q "_NET_WM_ALLOWED_ACTIONS(ATOM) = $4\$" <<<"$out" || fail "$2: allowed actions are: $out"
}
expect_hints "$WIN" main "0x3, 0x4, 0xa, 0x0, 0x0" "_NET_WM_ACTION_MOVE"
expect_hints "$FORM2" presets "0x3, 0x4, 0xa, 0x0, 0x0" "_NET_WM_ACTION_MOVE"
expect_hints "$TINT" tint "0x3, 0x24, 0x1a, 0x0, 0x0" "_NET_WM_ACTION_MOVE, _NET_WM_ACTION_CLOSE"
echo "looks journey passed"
