# Helpers for the journeys through the real window: a private Xvfb display, the demo
# installation, and a person's mouse and keyboard through xdotool.

set -euo pipefail

fail() {
    echo "FAILED at: $*" >&2
    exit 1
}

# Starts Xvfb on a free display and exports DISPLAY.
start_display() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
}

stop_all() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "${WORK:-}" ] && rm -rf "$WORK"
}

# Starts the program on a fresh demo installation; sets APP_PID and WIN (main window id).
start_program() {
    local binary=$1
    WORK=$(mktemp -d)
    export WINEPREFIX
    WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
    (cd "$WORK/work" && exec "$binary") &
    APP_PID=$!
    WIN=$(wait_window "ZEL Torvexa") || fail "the main window did not appear"
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

# Window geometry: sets GX GY GW GH.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^X=/GX=/; s/^Y=/GY=/; s/^WIDTH=/GW=/; s/^HEIGHT=/GH=/')"
}

# Clicks at a point relative to a window's top-left corner.
click_in() {
    geometry "$1"
    xdotool mousemove $((GX + $2)) $((GY + $3)) click 1
    sleep 0.3
}

screenshot() {
    mkdir -p "$SHOTS"
    import -window "$1" "$SHOTS/$2.png"
}

# Waits for the program to end by itself.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" || true; APP_PID=; return 0; }
        sleep 0.05
    done
    return 1
}
