# Helpers for the journeys through torvexa.exe under Wine and Xvfb: the Linux journeys'
# display, mouse and screenshot helpers, and a game installed in the tests' Wine prefix.
# A journey sources this file with its own arguments: EXE SCREENSHOT_DIR.

source "$(dirname "${BASH_SOURCE[0]}")/../../gui/lib.sh" "$@"

BINARY=$(realpath "$BINARY")
export TORVEXA_WINEPREFIX=${TORVEXA_WINEPREFIX:-$OUTER_TMPDIR/torvexa-wine-$(id -u)}
# tests/windows/wine-run makes the prefix once (32-bit, or 64-bit with TORVEXA_WINEARCH=win64)
WINEPREFIX=$("$ROOT/tests/windows/wine-run" --prefix)
export WINEPREFIX WINEARCH=${TORVEXA_WINEARCH:-win32} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The translation files the program is told of, in the journey's own folder: the program names
# files in the ANSI code page, which may lack letters of the clone's path.
LANGUAGES="$TMPDIR/lang"
mkdir -p "$LANGUAGES"
cp "$ROOT/lang/deutsch.zpr" "$ROOT/lang/english.zpr" "$LANGUAGES/"

# Wine's menu bar and menu rows.
readonly W_MENU_H=19 W_DATEI_X=15 W_EXTRAS_X=55

# Makes the prefix once (see tests/windows/wine-run), then a game folder of this run's own,
# registered as the game's installer does. Sets GAME (its Linux path) and CONFIG.
install_game() {
    "$ROOT/tests/windows/wine-run" cmd /c exit >/dev/null 2>&1 || true
    local name="GP4-$$"
    GAME="$WINEPREFIX/drive_c/Spiele/$name"
    mkdir -p "$GAME"
    cp "$ROOT/examples/f1graphics.cfg" "$GAME/f1graphics.cfg"
    CONFIG="$GAME/f1graphics.cfg"
    wine reg add 'HKLM\SOFTWARE\Infogrames\Grand Prix 4\1.00\Install Dir' /v Directory \
        /t REG_SZ /d "C:\\Spiele\\$name" /f >/dev/null 2>&1 || fail "the registry entry was not written"
}

# The Windows name of a Linux path, through Wine's Z: drive.
windows_path() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

# Starts torvexa.exe from a fresh working folder with German chosen, or English, or (with
# "none") no language chosen yet; sets WORK, APP_PID and WIN.
start_exe() {
    WORK=$(mktemp -d)
    local language=${1:-german}
    case $language in
        german) printf '%s\r\n' "$(windows_path "$LANGUAGES/deutsch.zpr")" >"$WORK/langopt.zel" ;;
        english) printf '%s\r\n' "$(windows_path "$LANGUAGES/english.zpr")" >"$WORK/langopt.zel" ;;
    esac
    set_wine_dpi
    if declare -F before_start >/dev/null; then before_start; fi  # the journey's own setting
    (cd "$WORK" && exec wine "$BINARY") >/dev/null 2>&1 &
    APP_PID=$!
    [ "$language" != none ] || return 0
    WIN=$(w_wait_window "ZEL Torvexa") || fail "the main window did not appear"
    drawn "$WIN" || fail "the main window was not drawn"
}

# Waits, longer than for a Linux window, for a window with exactly this title; prints its id.
w_wait_window() {
    for _ in $(seq 20); do
        wait_window "$1" && return 0
    done
    return 1
}

# Opens a menu of the main window and chooses item n (from 0).
w_menu_item() {
    click_in "$WIN" "$1" 10
    click_in "$WIN" $(($1 + 10)) $((30 + 16 * $2))
}

# Shows a page with its button (0 Allgemein, 1 Grafikqualität, 2 Objekte, 3 Manuell bearbeiten).
w_show_page() {
    click_in "$WIN" 60 $((W_MENU_H + 8 + 32 * $1 + 12))
}

# Waits for a message box with this title; saves a screenshot and closes it with Enter (given
# the keyboard's focus first, as a desktop gives it to a new box), then waits until it is gone.
w_press_ok() {
    local box
    box=$(w_wait_window "$1") || fail "no message box titled '$1'"
    drawn "$box" || fail "the box titled '$1' was not drawn"
    screenshot "$box" "$2"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Return
    wait_gone "$1" || fail "Enter did not close the box titled '$1'"
    settle
}

# Ends every Windows process of the prefix and waits for the wine server to be gone: its
# processes (explorer.exe among them) hold a connection to this journey's display, which must
# not outlive it. The next journey starts them afresh on its own display.
stop_wine() {
    if [ "${WINE_DPI_SET:-}" = yes ]; then  # the prefix is shared: back to 96 dpi
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
        WINE_DPI_SET=
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# On a scaled desktop (JOURNEY_SCALE), Windows' own setting: LogPixels, read when Wine starts.
set_wine_dpi() {
    [ "$JOURNEY_SCALE" != 100 ] && [ "${WINE_DPI_SET:-}" != yes ] || return 0
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * JOURNEY_SCALE / 100)) /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    WINE_DPI_SET=yes
}

stop_exe() {
    end_process "$APP_PID"
    APP_PID=
    [ -n "${GAME:-}" ] && rm -rf "$GAME"
}
