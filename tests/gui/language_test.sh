#!/usr/bin/env bash
# The shipped languages in the real window: the demo starts in German; "Andere Sprachdatei
# wählen" and a path typed into the open dialog switch the main window to English at once;
# cancelling the dialog keeps English; the arrows and Enter pick the German file.
# Usage: language_test.sh BINARY SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"

start_display
start_program "$BINARY"
screenshot "$WIN" language-deutsch
click_in "$WIN" 20 10
screenshot root language-deutsch-menu
click_in "$WIN" 60 200  # a click beside the menu closes it

# "Andere Sprachdatei wählen" on the Info page (Panel6 at 129,0; the button at 120,72; 225x25).
click_in "$WIN" $((129 + 120 + 112)) $((20 + 72 + 12))
CHOOSER=$(wait_window "Open") || fail "the open dialog did not appear in the desktop's English"
screenshot "$CHOOSER" open-dialog-english
click_in "$CHOOSER" 200 256  # the file name field
xdotool type --delay 5 "$ROOT/lang/english.zpr"
act xdotool key Return
wait_content "$WORK/work/langopt.zel" "$ROOT/lang/english.zpr"$'\r' ||
    fail "langopt.zel does not hold the English file"
settle
screenshot "$WIN" language-english
# What the person reads changed at once: the menu titles and the Info page's captions.
differ() {
    local a b
    a=$(convert "$SHOTS/language-deutsch.png" -crop "$1" +repage ppm:- | md5sum)
    b=$(convert "$SHOTS/language-english.png" -crop "$1" +repage ppm:- | md5sum)
    [ "$a" != "$b" ]
}
differ 200x20+0+0 || fail "the menu titles did not change"
differ 440x60+$((129 + 8))+$((20 + 8)) || fail "the Info page's captions did not change"
[ "$(ink "$SHOTS/language-english.png" 200x20+0+0)" -gt 20 ] || fail "the menu bar shows no titles"
click_in "$WIN" 20 10
screenshot root language-english-menu
click_in "$WIN" 60 200

# Cancelled, the dialog changes nothing: the language and its remembered file stay.
click_in "$WIN" $((129 + 120 + 112)) $((20 + 72 + 12))
CHOOSER=$(wait_window "Open") || fail "the open dialog did not appear again"
act xdotool key Escape
wait_gone Open || fail "Escape did not close the open dialog"
[ "$(cat "$WORK/work/langopt.zel")" = "$ROOT/lang/english.zpr"$'\r' ] ||
    fail "a cancelled choice changed langopt.zel: $(cat "$WORK/work/langopt.zel")"
# The arrows move in the folder's list, whose first row ("..") is marked: Down goes to
# deutsch.zpr, Down and Up come back to it; Enter takes it.
click_in "$WIN" $((129 + 120 + 112)) $((20 + 72 + 12))
CHOOSER=$(wait_window "Open") || fail "the open dialog did not appear a third time"
act xdotool key Down Down Up
screenshot "$CHOOSER" open-dialog-arrows
xdotool key Return
wait_content "$WORK/work/langopt.zel" "$ROOT/lang/deutsch.zpr"$'\r' ||
    fail "Down, Down, Up and Enter did not take deutsch.zpr: $(cat "$WORK/work/langopt.zel")"
echo "language journey passed"
