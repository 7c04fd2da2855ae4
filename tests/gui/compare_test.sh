#!/usr/bin/env bash
# Every page, menu and dialog in every shipped language, to look at, and in German and English
# for comparing with the same views of torvexa.exe (tests/windows/gui/compare_test.sh;
# scripts/side-by-side puts them side by side).
# Usage: compare_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

# Entry n of a translation file as the window shows it (UTF-8).
entry_of() {
    sed -n "$(($2 + 1))p" "$1" | iconv -f CP1252 -t UTF-8 | sed 's/#.*//; s/[[:space:]]*$//'
}

# LANGUAGES: the files to take, by name without ".zpr" (every file in lang/ when not set);
# German and English are named "de" and "en" in the pictures, as Windows' journey names them.
read -ra names <<<"${LANGUAGES:-$(cd "$ROOT/lang" && ls -- *.zpr | sed 's/\.zpr$//' | tr '\n' ' ')}"
start_display
for name in "${names[@]}"; do
    case $name in deutsch) code=de ;; english) code=en ;; *) code=$name ;; esac
    file=$name.zpr
    presets_title=$(entry_of "$ROOT/lang/$file" 62)
    LANGUAGE_FILE="$ROOT/lang/$file" start_program "$BINARY"
    shot() { screen_area "compare-$code-$1"; }
    shot info
    menu_item $DATEI_X 0  # Laden
    for page in 0 1 2 3; do
        show_page $page
        shot "page-$page"
    done
    show_page 0
    click_in "$WIN" $((PAGE_X + 288 + 36)) $((MENU_H + 192 + 8))   # "?" beside the up-down
    wait_window Information >/dev/null || fail "no information box ($code)"
    shot box
    press_ok Information
    open_menu $DATEI_X
    shot menu-datei
    xdotool key Escape
    open_menu $EXTRAS_X
    shot menu-extras
    xdotool key Escape
    menu_item $EXTRAS_X 2  # the preset dialog
    presets=$(wait_window "$presets_title") || fail "no preset dialog ($code)"
    shot presets
    click_in "$presets" $((8 + 108)) $((104 + 12))  # its cancel button
    show_page 2
    click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_H + 136 + 8))      # the visor tint box
    click_in "$WIN" $((PAGE_X + 216 + 44)) $((MENU_H + 136 + 8))   # "Erweitert"
    find_tint_dialog >/dev/null || fail "no tint dialog ($code)"
    shot tint
    end_process "$APP_PID"
    APP_PID=
done
echo "comparison screenshots taken"
