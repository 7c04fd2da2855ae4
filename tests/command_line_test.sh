#!/usr/bin/env bash
# The command line, without any display: --help, --version and --list-games answer and exit 0,
# an unknown option is refused with status 2, and without a display (also on Wayland without
# Xwayland) the program says so in one line.
# Usage: command_line_test.sh PROGRAM
set -euo pipefail
program=$1
fail() {
    echo "FAILED at: $*" >&2
    exit 1
}
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run() {  # STATUS ARGS...: runs the program without a display, expects that exit status
    local expected=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY "$@" >"$out" 2>"$err" || status=$?
    [ "$status" = "$expected" ] || fail "'$*' exited with $status, not $expected: $(cat "$err")"
}

run 0 "$program" --version
[ "$(cat "$out")" = "torvexa 0.5" ] || fail "--version printed: $(cat "$out")"
[ ! -s "$err" ] || fail "--version wrote to standard error: $(cat "$err")"

run 0 "$program" --help
grep -q '^Usage: torvexa \[--help | --version | --list-games | --game PATH\]$' "$out" ||
    fail "--help printed: $(cat "$out")"
grep -q 'WINEPREFIX' "$out" || fail "--help does not name WINEPREFIX"

# --list-games: every copy of the game in a home's prefixes, a line each; a prefix whose
# registry names a folder without the game's file is passed over, on standard error.
home=$(mktemp -d)
trap 'rm -f "$out" "$err"; rm -rf "$home"' EXIT
prefix_with() {  # FOLDER [FILE]: a prefix whose registry names C:\GP4, the file made if given
    mkdir -p "$1/drive_c/GP4" "$1/dosdevices"
    ln -s ../drive_c "$1/dosdevices/c:"
    printf '%s\n' 'WINE REGISTRY Version 2' '' \
        '[Software\\Wow6432Node\\Infogrames\\Grand Prix 4\\1.00\\Install Dir] 1' \
        '"Directory"="C:\\GP4"' >"$1/system.reg"
    [ -z "${2:-}" ] || printf '0\r\n' >"$1/drive_c/GP4/$2"
}
prefix_with "$home/.wine"
prefix_with "$home/.local/share/bottles/bottles/GP4" f1graphics.cfg
run 0 env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u WINEPREFIX HOME="$home" "$program" --list-games
[ "$(cat "$out")" = "$(printf 'Bottles: GP4\t%s' \
    "$home/.local/share/bottles/bottles/GP4/drive_c/GP4/f1graphics.cfg")" ] ||
    fail "--list-games printed: $(cat "$out")"
grep -qF "passed over the Wine prefix $home/.wine: there is no" "$err" ||
    fail "--list-games did not say why ~/.wine was passed over: $(cat "$err")"

# --game PATH: a prefix, a Proton folder above its pfx, a game folder or its file is taken (the
# run goes on to the display, which is not there); a path without the game is refused first.
mkdir -p "$home/steam/compatdata/4711"
prefix_with "$home/steam/compatdata/4711/pfx" f1graphics.cfg
mkdir -p "$home/Saison 2003" && printf '0\r\n' >"$home/Saison 2003/f1graphics.cfg"
for game in "$home/.local/share/bottles/bottles/GP4" "$home/steam/compatdata/4711" \
    "$home/Saison 2003" "$home/Saison 2003/f1graphics.cfg"; do
    run 1 env HOME="$home" "$program" --game "$game"
    grep -q "DISPLAY is not set" "$err" || fail "--game $game said: $(cat "$err")"
done
for game in "$home/.wine" "$home"; do
    run 2 env HOME="$home" "$program" --game "$game"
    [ "$(cat "$err")" = "torvexa: no copy of the game in $game (a game folder holding \
f1graphics.cfg, or a Wine prefix whose registry names one)" ] || fail "--game $game said: $(cat "$err")"
done
run 2 "$program" --game

run 2 "$program" --frobnicate
[ ! -s "$out" ] || fail "an unknown option printed on standard output"
[ "$(head -n1 "$err")" = "torvexa: unknown option '--frobnicate'" ] ||
    fail "an unknown option said: $(cat "$err")"
run 2 "$program" --version extra
grep -q "unknown option 'extra'" "$err" || fail "a second argument said: $(cat "$err")"

run 1 "$program"
[ "$(cat "$err")" = "Torvexa needs a graphical display: DISPLAY is not set" ] ||
    fail "without DISPLAY it said: $(cat "$err")"
# A Wayland desktop without Xwayland: the program says what it needs, and makes no X call.
run 1 env WAYLAND_DISPLAY=wayland-0 "$program"
[ "$(cat "$err")" = "Torvexa needs X11, on Wayland through Xwayland: DISPLAY is not set" ] ||
    fail "on Wayland without Xwayland it said: $(cat "$err")"
run 1 env DISPLAY=:4711 "$program"
[ "$(cat "$err")" = "Torvexa needs a graphical display: cannot open display :4711" ] ||
    fail "with a display that is not there it said: $(cat "$err")"
echo "command line passed"
