# Helpers for the journeys through the real window: a private Xvfb display, the demo
# installation, and a person's mouse and keyboard through xdotool.
# A journey sources this file with its own arguments: BINARY SCREENSHOT_DIR.

set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BINARY=$1
SHOTS=$2
# Everything a journey makes lives in one folder that goes with it; the machine's own temporary
# folder is left as it was.
OUTER_TMPDIR=${TMPDIR:-/tmp}
TMPDIR=$(mktemp -d)
export TMPDIR
# The desktop's language, which the open dialog follows: English unless a journey says otherwise.
export LANG=C.UTF-8
unset LC_ALL LC_MESSAGES
source "$ROOT/tests/xvfb.sh"
source "$ROOT/tests/fontconfig.sh"
trap stop_all EXIT

fail() {
    echo "FAILED at: $*" >&2
    local frame=1  # where in the journey, through each helper on the way
    while caller "$frame" >&2; do frame=$((frame + 1)); done
    exit 1
}

# JOURNEY_SCALE: the desktop's scale in per cent (100, 150, 200), set as desktops set it, as
# Xft.dpi in the X resources, on a screen large enough; px N is N layout pixels at that scale.
JOURNEY_SCALE=${JOURNEY_SCALE:-100}
px() { echo $((($1 * JOURNEY_SCALE + 50) / 100)); }

# Starts Xvfb on a free display and exports DISPLAY (see tests/xvfb.sh).
start_display() {
    [ "$JOURNEY_SCALE" = 100 ] || export XVFB_SCREEN=2560x1600x24
    start_xvfb || fail "no display: $XVFB_ERROR"
    [ "$JOURNEY_SCALE" = 100 ] || set_xft_dpi $((96 * JOURNEY_SCALE / 100))
}

# The desktop's Xft.dpi, in the root window's X resources where GNOME, KDE and Xfce write it.
set_xft_dpi() {
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$1")"
}

# The program first, then its display: a server killed but not yet gone still holds its display
# number, and the next journey must not meet it (see tests/xvfb.sh).
stop_all() {
    end_process "${APP_PID:-}"
    if declare -F stop_wine >/dev/null; then stop_wine; fi
    stop_xvfb
    rm -rf "$TMPDIR"
}

# Starts the program on a fresh demo installation and waits until its window is drawn; sets
# APP_PID and WIN (main window id).
# LANGUAGE_FILE, when set, is the translation file chosen before (else German).
start_program() {
    local binary=$1
    WORK=$(mktemp -d)
    mkdir -p "$WORK/work"
    [ -n "${LANGUAGE_FILE:-}" ] && printf '%s\r\n' "$LANGUAGE_FILE" >"$WORK/work/langopt.zel"
    export WINEPREFIX
    WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
    if declare -F before_start >/dev/null; then before_start; fi  # the journey's own setting
    (cd "$WORK/work" && exec "$binary") &
    APP_PID=$!
    WIN=$(wait_window "ZEL Torvexa") || fail "the main window did not appear"
    drawn "$WIN" || fail "the main window was not drawn"
}

# Starts PROGRAM in FOLDER at SCALE (TORVEXA_SCALE, empty for the desktop's), takes a picture of
# its main window named SHOT, and ends it.
picture_of_start() {  # SHOT FOLDER SCALE PROGRAM
    (cd "$2" && TORVEXA_SCALE=$3 exec "$4") 2>/dev/null &
    APP_PID=$!
    WIN=$(wait_window "ZEL Torvexa") || fail "$4 opened no window for the picture $1"
    drawn "$WIN" || fail "$4 did not draw its window for the picture $1"
    screenshot "$WIN" "$1"
    end_process "$APP_PID"
    APP_PID=
}

# What the part of the screen where the windows, menus and boxes open shows now, as a checksum.
# In the Wayland session Weston (10) stacks an X program's popups below its own windows, a menu
# or list of Tk's as of FLTK's: there a popup that opens or closes is seen in the X server's
# list of windows on view.
screen_sum() {
    {
        DISPLAY=$SCREEN_DISPLAY import -window root -crop "$(px 900)x$(px 700)+$(px 100)+$(px 100)" rgb:- 2>/dev/null
        [ "${TORVEXA_SESSION:-x11}" != wayland ] || xdotool search --onlyvisible --name '' 2>/dev/null
    } | md5sum
}

# Milliseconds since the epoch.
now_ms() {
    local micro=${EPOCHREALTIME/[.,]/}
    echo $((micro / 1000))
}

# Waits until the screen shows what was just done: until it differs from BEFORE (a screen_sum
# taken before the action), then until two looks in a row agree (for at most 3 s). Without
# BEFORE only the second. Fails naming WHAT when either does not come. The first may take 2 s
# and more under Wine: without a window manager, Wine waits 2 s for one each time it hides a
# window (winex11's wait_for_withdrawn_state).
settle() {  # [BEFORE [WHAT]]
    local last now deadline
    last=$(screen_sum)
    if [ -n "${1:-}" ]; then
        deadline=$(($(now_ms) + 5000))
        while [ "$last" = "$1" ]; do
            [ "$(now_ms)" -lt "$deadline" ] || fail "${2:-the action} showed nothing in 5 s"
            sleep 0.05
            last=$(screen_sum)
        done
    fi
    deadline=$(($(now_ms) + 3000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        sleep 0.05
        now=$(screen_sum)
        [ "$now" = "$last" ] && return 0
        last=$now
    done
    fail "the screen did not stand still in 3 s after ${2:-the action}"
}

# Waits until a window that has just appeared is drawn: its picture holds more than one colour
# and two looks in a row agree (for at most 5 s; a window that goes is never drawn).
drawn() {  # WINDOW
    local last="" now deadline colours
    deadline=$(($(now_ms) + 5000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        now=$(timeout 5 import -window "$1" rgb:- 2>/dev/null | md5sum)
        colours=$(timeout 5 import -window "$1" -format '%k' info: 2>/dev/null || true)
        [ "$now" = "$last" ] && [ "${colours:-0}" -gt 1 ] && return 0
        last=$now
        sleep 0.05
    done
    return 1
}

# Runs a command that acts on the program (xdotool …), then waits until the screen shows it.
# An action that shows nothing is run as it is and followed by a wait for what it does.
act() {
    local before
    before=$(screen_sum)
    "$@"
    settle "$before" "$*"
}

# Runs the command until it succeeds, for at most 5 s; its last status.
wait_until() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    "$@"
}

# Waits until line N (from 1) of FILE reads TEXT, for at most 5 s.
wait_line() {  # FILE N TEXT
    for _ in $(seq 100); do
        [ "$(line_of "$1" "$2")" = "$3" ] && return 0
        sleep 0.05
    done
    return 1
}

# Waits until FILE holds exactly TEXT (command substitution drops the final newlines), for at
# most 5 s.
wait_content() {  # FILE TEXT
    for _ in $(seq 100); do
        [ "$(cat "$1" 2>/dev/null)" = "$2" ] && return 0
        sleep 0.05
    done
    return 1
}

# Waits until the window has the keyboard's focus, for at most 5 s.
wait_focus() {
    for _ in $(seq 100); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

# Waits until no window with exactly this title is shown, for at most 5 s.
wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# Waits for a window with exactly this title; prints its id.
wait_window() {
    local title=$1
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# The first start of a program without a chosen language: its open dialog, where `file` is typed
# by name alone (so it must lie in the folder the dialog opened in); sets WIN to the main window.
# WHAT names the program in failures; SHOT, when given, keeps a picture of the dialog.
pick_language_at_first_start() {  # WHAT FILE [SHOT]
    local chooser
    chooser=$(wait_window "Open") || fail "the $1 showed no open dialog"
    drawn "$chooser" || fail "the $1 did not draw its open dialog"
    [ -z "${3:-}" ] || screenshot "$chooser" "$3"
    click_in "$chooser" 200 256  # the file name
    xdotool type --delay 5 "$2"
    xdotool key Return
    WIN=$(wait_window "ZEL Torvexa") || fail "the $1 did not take $2"
    drawn "$WIN" || fail "the $1 did not draw its window"
}

# A window's place on the screen and size (GX, GY, GW, GH): xwininfo's, as the screen has it;
# xdotool counts a window manager's frame (Weston's) twice.
geometry() {
    local info
    info=$(xwininfo -id "$1")
    GX=$(awk '/Absolute upper-left X:/ { print $NF }' <<<"$info")
    GY=$(awk '/Absolute upper-left Y:/ { print $NF }' <<<"$info")
    GW=$(awk '/^ *Width:/ { print $NF }' <<<"$info")
    GH=$(awk '/^ *Height:/ { print $NF }' <<<"$info")
}

# Clicks at a point relative to a window's top-left corner, given in layout pixels, and waits
# until the screen shows what the click did.
click_in() {
    geometry "$1"
    act xdotool mousemove $((GX + $(px "$2"))) $((GY + $(px "$3"))) click 1
}

# The same click where the program must do nothing (behind a modal box): no wait for a change.
click_unanswered() {
    geometry "$1"
    xdotool mousemove $((GX + $(px "$2"))) $((GY + $(px "$3"))) click 1
}

# import waits for a click that chooses a window when its window has gone: a window that goes
# fails the journey instead of stopping it.
screenshot() {
    mkdir -p "$SHOTS"
    timeout 5 import -window "$1" "$SHOTS/$2.png" || fail "no picture of the window for $2"
}

# The part of the screen where the windows, their menus, dialogs and message boxes open.
screen_area() {
    mkdir -p "$SHOTS"
    settle
    DISPLAY=$SCREEN_DISPLAY import -window root -crop "$(px 900)x$(px 700)+$(px 100)+$(px 100)" +repage "$SHOTS/$1.png"
}

# Waits for the program to end by itself.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" || true; APP_PID=; return 0; }
        sleep 0.05
    done
    return 1
}

# Geometry of the windows, relative to their top-left corner.
readonly MENU_H=20 NAV_X=60 PAGE_X=129 DATEI_X=20 EXTRAS_X=66

# Opens a menu of the main window and chooses item n (from 0).
menu_item() {
    if [ "$JOURNEY_SCALE" = 100 ]; then
        click_in "$WIN" "$1" 10
        click_in "$WIN" $(($1 + 10)) $((29 + 17 * $2))
    else  # FLTK's menu bar keeps fixed gaps and rows, so they do not scale with the window
        open_menu "$1"
        act xdotool key --delay 80 $(printf 'Down %.0s' $(seq 0 "$2")) Return
    fi
}

# Opens the menu whose title is at x (DATEI_X or EXTRAS_X): a click, or on a scaled desktop
# F10 and Right, where the titles' places do not scale.
open_menu() {
    if [ "$JOURNEY_SCALE" = 100 ]; then
        click_in "$WIN" "$1" 10
        return
    fi
    local rights=""
    [ "$1" = "$DATEI_X" ] || rights="Right"
    act xdotool key --delay 80 F10 $rights
}
# Shows a page with its button on the navigation strip (0 Allgemein, 1 Grafikqualität,
# 2 Objekte, 3 Manuell bearbeiten).
show_page() {
    click_in "$WIN" $NAV_X $((MENU_H + 8 + 32 * $1 + 12))
}

# Waits for a message box with this title, saves a screenshot, and presses its "OK".
press_ok() {
    local box
    box=$(wait_window "$1") || fail "no message box titled '$1'"
    [ -n "${2:-}" ] && screenshot "$box" "$2"
    geometry "$box"
    click_in "$box" $((GW * 100 / JOURNEY_SCALE / 2)) $((GH * 100 / JOURNEY_SCALE - 16 - 11))
}

# The tint dialog has no title: it is the visible window of its size. tint_dialog_now prints it
# if it is on the screen now, find_tint_dialog waits for it, tint_dialog_gone for it to go.
tint_dialog_now() {
    for id in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        geometry "$id"
        if [ "$GW" -eq "$(px 631)" ] && [ "$GH" -eq "$(px 153)" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
find_tint_dialog() {
    for _ in $(seq 100); do
        tint_dialog_now && return 0
        sleep 0.05
    done
    return 1
}
tint_dialog_gone() {
    for _ in $(seq 100); do
        tint_dialog_now >/dev/null || return 0
        sleep 0.05
    done
    return 1
}

# Line n (from 1) of a file, without its CR LF.
line_of() {
    sed -n "${2}p" "$1" | tr -d '\r'
}

# The colour of one pixel of a screenshot as "r,g,b".
pixel() {
    local f="p{$2,$3}"
    convert "$1" -format "%[fx:round(255*$f.r)],%[fx:round(255*$f.g)],%[fx:round(255*$f.b)]" info:
}

# How many dark (text) pixels a region WxH+X+Y of a screenshot holds.
ink() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% -negate \
        -format '%[fx:round(mean*w*h)]' info:
}

readonly SKY_BLUE="166,202,240"

# How many pixels a label's underline runs on past the ink of its text, in a region WxH+X+Y of
# a screenshot that holds the one line of text and its underline: the underline is the row with
# the most dark pixels.
underline_overrun() {
    local region width height row
    region=$(mktemp --suffix=.png)
    convert "$1" +repage -crop "$2" +repage -colorspace Gray -threshold 50% -negate "$region"
    width=$(identify -format '%w' "$region")
    height=$(identify -format '%h' "$region")
    row=$(for y in $(seq 0 $((height - 1))); do
        printf '%s %s\n' "$(convert "$region" -crop "${width}x1+0+$y" +repage \
            -format '%[fx:round(mean*w)]' info:)" "$y"
    done | sort -n -k1,1 | tail -n1 | cut -d' ' -f2)
    local line text
    line=$(ink_right_end "$region" "${width}x1+0+$row")
    text=$(ink_right_end "$region" "${width}x$((row - 1))+0+0")
    rm -f "$region"
    echo $((line - text))
}

# The right end of the ink in a strip WxH+X+Y of a black-and-white picture: one past the last
# column that holds a white (ink) pixel.
ink_right_end() {
    convert "$1" -crop "$2" +repage -scale "$(identify -format '%w' "$1")x1!" -depth 8 txt:- |
        awk -F'[,:]' '/^[0-9]/ && $0 !~ /gray\(0\)|#000000/ { last = $1 + 1 } END { print last + 0 }'
}
