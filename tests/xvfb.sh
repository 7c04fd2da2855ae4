# A private X server for one test, sourced by the journeys and tests/view/with_display.sh.
# start_xvfb: starts Xvfb on a free display, exports DISPLAY once the server answers (with
# TORVEXA_SESSION=wayland, Xwayland's in a Wayland session on it) and SCREEN_DISPLAY, whose root
# window shows the whole screen; sets XVFB_PID, or XVFB_ERROR and returns 1. stop_xvfb: ends the server and waits until it is gone;
# end_process does the same for any child process.
#
# Two rules, each learnt from a test that failed now and then with "Can't open display: :0"
# right after the display had answered (about 1 start in 40 in a loop of journeys):
# - -noreset. By default an X server resets when its last client leaves, and the readiness
#   probe (xdpyinfo) is that client: while the server tears down and rebuilds itself, a client
#   that connects (the program under test) has its connection closed. At each such failure the
#   server was alive, the only one, its sockets in place, and answered again a moment later;
#   with -noreset, 0 of 300 starts failed. So a server that has answered keeps answering.
# - Wait for the server to be gone. A server that was sent SIGTERM still holds its display
#   number and sockets for a while; the next test must not start beside it.

start_xvfb() {
    start_x_server && { [ "${TORVEXA_SESSION:-x11}" != wayland ] || start_wayland_session; }
}

start_x_server() {
    local fdfile
    fdfile=$(mktemp)
    # XVFB_SCREEN: another screen size, e.g. a high-density panel's.
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
        3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 200); do
        [ -s "$fdfile" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    if [ ! -s "$fdfile" ]; then
        rm -f "$fdfile"
        XVFB_ERROR="Xvfb did not start"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile")"
    export SCREEN_DISPLAY=$DISPLAY
    rm -f "$fdfile"
    answers "the display $DISPLAY"
}

# Waits up to 10 s until the X server of DISPLAY answers; else XVFB_ERROR says that NAME does not.
answers() {
    for _ in $(seq 200); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    XVFB_ERROR="$1 does not answer"
    return 1
}

# TORVEXA_SESSION=wayland: a Wayland desktop on that server, as GNOME and Plasma sessions are,
# private to the test: Weston (its X11 back end draws into the Xvfb; its headless one has no
# seat, and FLTK crashes there) with Xwayland, a runtime folder of its own. DISPLAY then names
# Xwayland, which Weston starts for the first X client, and WAYLAND_DISPLAY Weston; what the
# person sees is Weston's output on the Xvfb, SCREEN_DISPLAY (Xwayland's root shows nothing).
start_wayland_session() {
    local size=${XVFB_SCREEN:-1280x1024x24} log
    size=${size%x*}
    WAYLAND_RUNTIME=$(mktemp -d)
    chmod 700 "$WAYLAND_RUNTIME"
    log="$WAYLAND_RUNTIME/weston.log"
    XDG_RUNTIME_DIR=$WAYLAND_RUNTIME weston --backend=x11-backend.so --use-pixman --xwayland \
        --socket=wayland-torvexa --width="${size%x*}" --height="${size#*x}" --no-config \
        --log="$log" >/dev/null 2>&1 &
    WESTON_PID=$!
    local xwayland=""
    for _ in $(seq 200); do
        xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" 2>/dev/null)
        [ -n "$xwayland" ] && break
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.05
    done
    if [ -z "$xwayland" ]; then
        XVFB_ERROR="Weston did not start with Xwayland: $(tail -n 3 "$log" 2>/dev/null)"
        return 1
    fi
    export XDG_RUNTIME_DIR=$WAYLAND_RUNTIME WAYLAND_DISPLAY=wayland-torvexa DISPLAY=$xwayland
    answers "Xwayland on $DISPLAY"
}

stop_xvfb() {
    end_process "${WESTON_PID:-}"  # Xwayland ends with it
    WESTON_PID=
    [ -z "${WAYLAND_RUNTIME:-}" ] || rm -rf "$WAYLAND_RUNTIME"
    WAYLAND_RUNTIME=
    end_process "${XVFB_PID:-}"
    XVFB_PID=
}

# Ends a child process of this shell and waits until it is gone: SIGTERM, up to 5 s to go,
# then SIGKILL.
end_process() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
