#!/usr/bin/env bash
# torvexa.exe under Wine with the keyboard alone: F10 opens the menu and loads, Tab reaches the
# page buttons and Enter opens a page, Space ticks a check box, a "?" button's box closes with
# Enter, the manual page's lists, value box and apply button follow in their order, Alt opens
# the menu again to save. The file's bytes are checked; a screenshot after each key shows the
# focus. Usage: keyboard_test.sh EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
install_game
start_exe
ORIGINAL=$(mktemp)
cp "$CONFIG" "$ORIGINAL"
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" 2>/dev/null || true
sleep 0.5

step=0
# Whether the information box has gone (waiting a little for it).
box_closed() {
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Presses keys, then keeps a picture of the part of the screen where the windows, their menus
# and dialogs open, named by the step and what it should show.
key() {
    local name=$1
    shift
    xdotool key --delay 80 "$@"
    sleep 0.4
    step=$((step + 1))
    mkdir -p "$SHOTS"
    import -window root -crop 760x560+150+130 +repage \
        "$SHOTS/$(printf 'win-keyboard-%02d' "$step")-$name.png"
}

key f10-menu F10
key laden Down Return
sleep 0.5
key focus-allgemein Tab
geometry "$WIN"
[ "$(ink "$SHOTS/win-keyboard-03-focus-allgemein.png" "100x20+$((GX - 150 + 8))+$((GY - 130 + W_MENU_H + 10))")" -gt 20 ] ||
    fail "F10, Down and Enter did not load the file"
key open-allgemein Return
key focus-checkbox1 Tab Tab Tab Tab Tab
key untick-32bit space
key focus-help-button Tab Tab Tab Tab Tab Tab
key open-help space
w_wait_window Information >/dev/null || fail "Space on the '?' button showed no box"
key close-help-with-enter Return
box_closed || fail "Enter did not close the box"

key back-to-manual-button shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
key open-manual Return
key focus-values Tab
key row-5 Down Down Down Down Down Down
key focus-comments Tab
key focus-numbers Tab
key focus-new-value Tab
key type-value ctrl+a 0
key focus-description Tab
key focus-apply Tab
key apply space
key alt-menu Alt_L
key sichern Down Down Return
sleep 0.5

# The tint dialog by keyboard: from the apply button back to "Objekte", Tab to the tint box,
# Space ticks it, Tab to "Erweitert", Space opens the dialog; its sliders move with the arrows.
key back-to-objekte shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
key open-objekte Return
key focus-tint-box Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
key tick-tint space
key focus-erweitert Tab
key open-tint space
sleep 0.5
key focus-red Tab
key red-plus-5 Right Right Right Right Right
key close-tint alt+F4  # the dialog's close, from its system menu: it hides, the main window is next
key alt-menu-again Alt_L
key sichern-again Down Down Return
sleep 0.5
[ "$(line_of "$CONFIG" 79)" = "35  ; visor tint red, 'Rot' slider (0 to 100)" ] ||
    fail "the red slider did not move by keyboard: $(line_of "$CONFIG" 79)"
[ "$(line_of "$CONFIG" 68 | cut -d' ' -f1)" = "1" ] || fail "the tint box was not ticked"

[ "$(line_of "$CONFIG" 4)" = "0  ; '32bit verwenden' (1 = on)" ] || fail "32 bit not unticked: $(line_of "$CONFIG" 4)"
[ "$(line_of "$CONFIG" 6)" = "0  ; 'Vollbildmodus' (1 = full screen)" ] || fail "line 5 not 0: $(line_of "$CONFIG" 6)"
cmp <(sed '4d;6d;68d;78d;79,87d' "$ORIGINAL") <(sed '4d;6d;68d;78d;79,87d' "$CONFIG") >/dev/null ||
    fail "other lines changed"

# The preset dialog by keyboard: the menu opens it, the arrows choose, Tab reaches its buttons,
# Enter applies; the information box closes with Enter.
key extras-menu F10 Right Down Down Down
key open-presets Return
PRESETS=$(w_wait_window "f1graphics.cfg optimieren") || fail "the preset dialog did not open"

key focus-preset-1 Tab
key choose-preset-2 Down
key focus-apply-preset Tab Tab
key apply-preset Return
w_wait_window Information >/dev/null || fail "applying the preset showed no box"
key close-preset-box Return
box_closed || fail "Enter did not close the preset's box"
preset=""
for line in 2 3 4 26 27 30 35 54 44; do preset+="$(line_of "$CONFIG" $line | cut -d' ' -f1) "; done
[ "$preset" = "800 600 0 1 1 0 0 3 0 " ] || fail "preset 2 was not applied: $preset"
stop_exe
echo "windows keyboard journey passed"
