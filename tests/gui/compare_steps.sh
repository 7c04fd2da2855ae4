# The comparison journey both platforms take, sourced by tests/gui/compare_test.sh and
# tests/windows/gui/compare_test.sh: every page, menu and dialog in each language, for
# comparing the two (scripts/side-by-side puts them side by side) and for looking at.
# Each platform gives what differs: SHOT_PREFIX, MENU_Y (the menu bar's height), DATEI_AT and
# EXTRAS_AT (where the menu titles are), start_in NAME (starts the program in lang/NAME.zpr;
# sets WIN), menu_choice X N, open_menu_at X and close_menu, show_page N, wait_for TITLE,
# close_info_box SHOT, wait_for_tint and stop_program.

# Entry n of a translation file as the window shows it (UTF-8).
entry_of() {
    sed -n "$(($2 + 1))p" "$1" | iconv -f CP1252 -t UTF-8 | sed 's/#.*//; s/[[:space:]]*$//'
}

# Takes every view in the languages named (by file name without ".zpr"); German and English are
# named "de" and "en" in the pictures.
comparison_journey() {
    local name code presets
    for name in "$@"; do
        case $name in deutsch) code=de ;; english) code=en ;; *) code=$name ;; esac
        start_in "$name"
        shot() { screen_area "${SHOT_PREFIX}compare-$code-$1"; }
        shot info
        menu_choice "$DATEI_AT" 0  # Laden
        for page in 0 1 2 3; do
            show_page $page
            shot "page-$page"
        done
        show_page 0
        click_in "$WIN" $((PAGE_X + 288 + 36)) $((MENU_Y + 192 + 8))  # "?" beside the up-down
        wait_for Information >/dev/null || fail "no information box ($code)"
        shot box
        close_info_box "${SHOT_PREFIX}compare-$code-box-alone"
        open_menu_at "$DATEI_AT"
        shot menu-datei
        close_menu
        open_menu_at "$EXTRAS_AT"
        shot menu-extras
        close_menu
        menu_choice "$EXTRAS_AT" 2  # the preset dialog, titled by entry 62
        presets=$(wait_for "$(entry_of "$ROOT/lang/$name.zpr" 62)") ||
            fail "no preset dialog ($code)"
        shot presets
        click_in "$presets" $((8 + 108)) $((104 + 12))  # its cancel button
        show_page 2
        click_in "$WIN" $((PAGE_X + 8 + 7)) $((MENU_Y + 136 + 8))     # the visor tint box
        click_in "$WIN" $((PAGE_X + 216 + 44)) $((MENU_Y + 136 + 8))  # "Erweitert"
        wait_for_tint || fail "no tint dialog ($code)"
        shot tint
        stop_program
    done
}
