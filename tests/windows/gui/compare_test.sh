#!/usr/bin/env bash
# Every page, menu and dialog of torvexa.exe in German and in English, for comparing with the
# same views on Linux (tests/gui/compare_test.sh; scripts/side-by-side puts them side by side).
# Usage: compare_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
for language in "de german f1graphics.cfg optimieren" "en english Optimise f1graphics.cfg"; do
    read -r code name presets_title <<<"$language"
    install_game
    start_exe "$name"
    shot() { screen_area "win-compare-$code-$1"; }
    shot info
    w_menu_item $W_DATEI_X 0  # Laden
    sleep 0.5
    for page in 0 1 2 3; do
        w_show_page $page
        shot "page-$page"
    done
    w_show_page 0
    click_in "$WIN" $((PAGE_X + 288 + 36)) $((W_MENU_H + 192 + 8))   # "?" beside the up-down
    w_wait_window Information >/dev/null || fail "no information box ($code)"
    shot box
    w_press_ok Information "win-compare-$code-box-alone"
    click_in "$WIN" $W_DATEI_X 10
    shot menu-datei
    xdotool key Escape Escape
    click_in "$WIN" $W_EXTRAS_X 10
    shot menu-extras
    xdotool key Escape Escape
    w_menu_item $W_EXTRAS_X 2  # the preset dialog
    presets=$(w_wait_window "$presets_title") || fail "no preset dialog ($code)"
    shot presets
    click_in "$presets" $((8 + 108)) $((104 + 12))  # its cancel button
    w_show_page 2
    click_in "$WIN" $((PAGE_X + 8 + 7)) $((W_MENU_H + 136 + 8))      # the visor tint box
    click_in "$WIN" $((PAGE_X + 216 + 44)) $((W_MENU_H + 136 + 8))   # "Erweitert"
    sleep 0.5
    shot tint
    stop_exe
    stop_wine
done
echo "windows comparison screenshots taken"
