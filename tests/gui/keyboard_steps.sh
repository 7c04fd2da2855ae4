# The keyboard journey both platforms take, sourced by tests/gui/keyboard_test.sh and
# tests/windows/gui/keyboard_test.sh after they start the program (WIN) with two copies of the
# game: the one the machine names (FIRST_CONFIG) and one chosen by its folder on an earlier run
# (CONFIG), whose file was written earlier.
# Each platform gives what differs: SHOT_PREFIX, MENU_Y (the menu bar's height on the screen), wait_for TITLE,
# focus_new_window ID (what the desktop does for a new window), open_tint_keys and leave_tint
# (how the tint dialog gets and gives back the focus; Esc closes it).
# A person with the keyboard alone: Tab reaches the list of the game's copies on the Info page
# and Down chooses the second, which loads it (the first copy's file never changes); F10 opens
# the menu and loads, Tab reaches the page buttons
# and Enter opens a page, Space ticks a check box, a "?" button's box closes with Enter, Alt+Down
# opens a drop-down's list and Down and Enter choose in it (the menu bar stays shut: this once
# lost the check box's edit), the manual page's lists and value box follow in their order and
# Enter applies the value, Alt opens the menu again to save, the tint dialog's slider moves
# with the arrows and Esc closes it, Down on a closed drop-down chooses its next item and F10
# there opens the menu, Esc cancels the preset dialog, and a preset is chosen with
# the arrows and applied with Enter. The file's bytes are checked; a screenshot after each key
# shows the focus.

step=0
# Presses keys and waits until the screen shows them, then keeps a picture of the part of the
# screen where the windows, their menus and dialogs open, named by the step and what it should
# show.
key() {
    local name=$1
    shift
    act xdotool key --delay 80 "$@"
    step=$((step + 1))
    mkdir -p "$SHOTS"
    DISPLAY=$SCREEN_DISPLAY import -window root -crop "$(px 760)x$(px 560)+$(px 150)+$(px 130)" +repage \
        "$SHOTS/$(printf '%skeyboard-%02d' "$SHOT_PREFIX" "$step")-$name.png"
}

# Whether the page buttons have appeared, as they do when a load ends: "Allgemein" is ink on
# the navigation strip (waiting up to 5 s, as the load pauses between its two reads).
page_buttons_shown() {
    local shot
    shot=$(mktemp --suffix=.png)
    geometry "$WIN"
    for _ in $(seq 25); do
        DISPLAY=$SCREEN_DISPLAY import -window root "$shot"
        if [ "$(ink "$shot" "$(px 100)x$(px 20)+$((GX + $(px 8)))+$((GY + MENU_Y + $(px 10)))")" \
            -gt 20 ]; then
            rm -f "$shot"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$shot"
    return 1
}

# Before the program starts: a copy of the game in WORK/Zweite Kopie, chosen by its folder on an
# earlier run, its file written an hour before the machine's; CONFIG is its file. The platform
# gives how the program names the folder (program_path PATH).
second_copy() {
    local folder="$WORK/Zweite Kopie"
    mkdir -p "$folder"
    cp "$FIRST_CONFIG" "$folder/f1graphics.cfg"
    touch -d '1 hour ago' "$folder/f1graphics.cfg"
    printf '\r\n%s\r\n' "$(program_path "$folder")" >"$WORK_FOLDER/gameopt.zel"
    CONFIG="$folder/f1graphics.cfg"
}

keyboard_journey() {
    local original first
    original=$(mktemp)
    first=$(mktemp)
    cp "$CONFIG" "$original"
    cp "$FIRST_CONFIG" "$first"

    key focus-copies Tab
    key choose-second-copy Down
    page_buttons_shown || fail "Down on the list of the game's copies loaded none"
    key f10-menu F10
    key laden Down Return
    page_buttons_shown || fail "F10, Down and Enter did not load the file"
    key focus-allgemein Tab Tab  # past "Ordner wählen..." to the first page button
    key open-allgemein Return
    key focus-checkbox1 Tab Tab Tab Tab Tab
    key untick-32bit space
    key focus-help-button Tab Tab Tab Tab Tab Tab
    key open-help space
    wait_for Information >/dev/null || fail "Space on the '?' button showed no box"
    key close-help-with-enter Return
    wait_gone Information || fail "Enter did not close the box"
    focus_new_window "$WIN"
    key focus-reflections Tab Tab Tab Tab
    key open-reflections-list alt+Down
    key highlight-next Down
    key choose-kombination Return

    key back-to-manual-button shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
        shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    key open-manual Return
    key focus-values Tab
    key row-5 Down Down Down Down Down Down
    key focus-comments Tab
    key focus-numbers Tab
    key focus-new-value Tab
    key type-value ctrl+a 0
    key apply-with-enter Return
    key alt-menu Alt_L
    key sichern Down Down Return
    wait_line "$CONFIG" 4 "0  ; '32bit verwenden' (1 = on)" || fail "'Sichern' saved nothing"
    [ "$(line_of "$CONFIG" 54 | cut -d' ' -f1)" = "4" ] ||
        fail "Alt+Down, Down, Enter did not choose 'Kombination': $(line_of "$CONFIG" 54)"

    # The tint dialog: from the apply button back to "Objekte", Tab to the tint box, Space
    # ticks it, Tab to "Erweitert", Space opens the dialog; its sliders move with the arrows.
    key back-to-objekte shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    key open-objekte Return
    key focus-tint-box Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
    key tick-tint space
    key focus-erweitert Tab
    key open-tint space
    open_tint_keys
    key red-plus-5 Right Right Right Right Right
    leave_tint
    key focus-track-map Tab
    key track-map-next Down
    key f10-on-the-track-map F10
    key sichern-again Down Down Return
    wait_line "$CONFIG" 79 "35  ; visor tint red, 'Rot' slider (0 to 100)" ||
        fail "the red slider did not move by keyboard: $(line_of "$CONFIG" 79)"
    [ "$(line_of "$CONFIG" 68 | cut -d' ' -f1)" = "1" ] || fail "the tint box was not ticked"
    [ "$(line_of "$CONFIG" 52 | cut -d' ' -f1)" = "2" ] ||
        fail "Down on the closed track map box did not choose the next item: $(line_of "$CONFIG" 52)"
    [ "$(line_of "$CONFIG" 4)" = "0  ; '32bit verwenden' (1 = on)" ] ||
        fail "32 bit not unticked: $(line_of "$CONFIG" 4)"
    [ "$(line_of "$CONFIG" 6)" = "0  ; 'Vollbildmodus' (1 = full screen)" ] ||
        fail "line 5 not 0: $(line_of "$CONFIG" 6)"
    local unchanged='4d;6d;52d;54d;68d;78d;79,87d'
    cmp <(sed "$unchanged" "$original") <(sed "$unchanged" "$CONFIG") >/dev/null ||
        fail "other lines changed"

    # The preset dialog: the menu opens it, the arrows choose, Tab reaches its buttons, Enter
    # applies; the information box closes with Enter.
    local presets
    key extras-menu F10 Right Down Down Down
    key open-presets Return
    presets=$(wait_for "f1graphics.cfg optimieren") || fail "the preset dialog did not open"
    focus_new_window "$presets"
    key cancel-presets-with-esc Escape
    wait_gone "f1graphics.cfg optimieren" || fail "Esc did not close the preset dialog"
    focus_new_window "$WIN"
    key extras-menu-again F10 Right Down Down Down
    key open-presets-again Return
    presets=$(wait_for "f1graphics.cfg optimieren") || fail "the preset dialog did not open again"
    focus_new_window "$presets"
    key choose-preset-2 Down
    key focus-apply-preset Tab Tab  # the group is one Tab stop, then "Abbrechen", then apply
    key apply-preset Return
    wait_for Information >/dev/null || fail "applying the preset showed no box"
    key close-preset-box Return
    wait_gone Information || fail "Enter did not close the preset's box"
    local preset=""
    for line in 2 3 4 26 27 30 35 54 44; do
        preset+="$(line_of "$CONFIG" $line | cut -d' ' -f1) "
    done
    [ "$preset" = "800 600 0 1 1 0 0 3 0 " ] || fail "preset 2 was not applied: $preset"
    cmp "$first" "$FIRST_CONFIG" >/dev/null || fail "the first copy of the game changed"
    rm -f "$original" "$first"
}
