#!/usr/bin/env bash
# The portable archive's install.sh and uninstall.sh in home folders whose paths hold a blank
# and an umlaut: into ~/.local, with XDG_DATA_HOME set, and with --prefix; the installed menu
# entry starts the installed program; uninstalling leaves the home folder as it was.
# Usage: home_install_test.sh ARCHIVE SCREENSHOT_DIR
source "$(dirname "$0")/gui/lib.sh" /nonexistent "$2"
archive=$1

mkdir "$TMPDIR/Downloads"
tar xzf "$archive" -C "$TMPDIR/Downloads" || fail "the archive does not unpack"
unpacked=$(echo "$TMPDIR"/Downloads/torvexa-*-linux-x86_64)
mapfile -t LANGUAGE_FILES < <(cd "$ROOT/lang" && ls -- *.zpr)

# A home folder such as a player's: ~/.config, ~/.local/share and a program of their own in
# ~/.local/bin.
new_home() {
    HOME_DIR="$TMPDIR/$1"
    mkdir -p "$HOME_DIR/.local/share" "$HOME_DIR/.local/bin" "$HOME_DIR/.config"
    printf '#!/bin/sh\n' >"$HOME_DIR/.local/bin/their-tool"
}
# What lies in a home folder, but the one folder Torvexa writes in: ~/.config/torvexa, where it
# keeps the choice of language.
listing() {
    (cd "$1" && find . -path ./.config/torvexa -prune -o -printf '%p %y %m\n' | LC_ALL=C sort)
}
as_player() {  # runs a command with only the player's environment, in the player's home
    (cd "$HOME_DIR" &&
        env -i HOME="$HOME_DIR" PATH=/usr/bin:/bin ${XDG_DATA_HOME:+XDG_DATA_HOME="$XDG_DATA_HOME"} "$@")
}
installed_files() {  # BIN_AND_LANG_PREFIX DESKTOP_DATA_FOLDER
    local file
    for file in bin/torvexa libexec/torvexa/torvexa-start share/man/man1/torvexa.1.gz \
                share/torvexa/uninstall.sh share/torvexa/fonts/LiberationSans-Regular.ttf \
                share/torvexa/fonts/LICENCE "${LANGUAGE_FILES[@]/#/share/torvexa/lang/}"; do
        [ -f "$1/$file" ] || fail "not installed: $1/$file"
    done
    for file in applications/torvexa.desktop icons/hicolor/scalable/apps/torvexa.svg \
                metainfo/org.example.torvexa.metainfo.xml; do
        [ -f "$2/$file" ] || fail "not installed: $2/$file"
    done
    desktop-file-validate "$2/applications/torvexa.desktop" || fail "the installed desktop entry"
    appstreamcli validate --no-net "$2/metainfo/org.example.torvexa.metainfo.xml" >/dev/null ||
        fail "the installed AppStream metadata"
    # The entry starts the installed launcher, its path quoted as desktop entries want it.
    local exec
    exec=$(sed -n 's/^Exec=//p' "$2/applications/torvexa.desktop")
    [ "$exec" = "\"$1/libexec/torvexa/torvexa-start\"" ] || fail "the menu entry starts $exec"
}

# Into ~/.local, twice; the menu entry starts the installed program; then out again, twice.
new_home "Jürgen Schmidt"
before=$(listing "$HOME_DIR")
said=$(as_player "$unpacked/install.sh") || fail "install.sh failed: $said"
grep -q "$HOME_DIR/.local/bin/torvexa" <<<"$said" || fail "install.sh did not say what it copied"
installed_files "$HOME_DIR/.local" "$HOME_DIR/.local/share"
after=$(listing "$HOME_DIR")
as_player "$unpacked/install.sh" >/dev/null || fail "install.sh failed the second time"
[ "$(listing "$HOME_DIR")" = "$after" ] || fail "a second install.sh changed what the first made"

start_display
start=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$HOME_DIR/.local/share/applications/torvexa.desktop")
config="$HOME_DIR/.config"
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$TMPDIR/demo" | tail -n1)
env HOME="$HOME_DIR" WINEPREFIX="$WINEPREFIX" "$start" 2>/dev/null &
APP_PID=$!
pick_language_at_first_start "installed torvexa" deutsch.zpr
screenshot "$WIN" installed-in-home
[ "$(cat "$config/torvexa/langopt.zel")" = "$HOME_DIR/.local/share/torvexa/lang/deutsch.zpr"$'\r' ] ||
    fail "langopt.zel does not name the installed German file"
end_process "$APP_PID"

said=$(as_player "$unpacked/uninstall.sh") || fail "uninstall.sh failed: $said"
grep -q "$HOME_DIR/.local/bin/torvexa" <<<"$said" || fail "uninstall.sh did not say what it removed"
grep -q "choice of language stays" <<<"$said" || fail "uninstall.sh did not say what it kept"
[ -f "$config/torvexa/langopt.zel" ] || fail "uninstall.sh removed the choice of language"
[ "$(listing "$HOME_DIR")" = "$before" ] ||
    fail "uninstall.sh left the home folder changed: $(diff <(echo "$before") <(listing "$HOME_DIR"))"
said=$(as_player "$unpacked/uninstall.sh") || fail "a second uninstall.sh failed"
grep -q "nothing to remove" <<<"$said" || fail "a second uninstall.sh said: $said"

# The menu entry, the icon and the metadata where XDG_DATA_HOME says; out with install.sh.
new_home "Zoë Ng"
before=$(listing "$HOME_DIR")
XDG_DATA_HOME="$HOME_DIR/my data" as_player "$unpacked/install.sh" >/dev/null ||
    fail "install.sh with XDG_DATA_HOME failed"
installed_files "$HOME_DIR/.local" "$HOME_DIR/my data"
XDG_DATA_HOME="$HOME_DIR/my data" as_player "$unpacked/install.sh" --uninstall >/dev/null ||
    fail "install.sh --uninstall failed"
[ "$(listing "$HOME_DIR")" = "$before" ] || fail "install.sh --uninstall left the home folder changed"

# Everything under --prefix; out with the copy of uninstall.sh it installed.
new_home "Åsa Berg"
prefix="$HOME_DIR/opt/Programme für Spiele"  # ~/opt is made too, and goes with it
before=$(listing "$HOME_DIR")
# As a person types it: the shell leaves a quoted "~" to install.sh.
as_player "$unpacked/install.sh" --prefix "~/opt/Programme für Spiele" >/dev/null ||
    fail "install.sh --prefix failed"
installed_files "$prefix" "$prefix/share"
[ ! -e "$HOME_DIR/.local/share/applications" ] || fail "install.sh --prefix wrote into ~/.local"
as_player "$prefix/share/torvexa/uninstall.sh" >/dev/null || fail "the installed uninstall.sh failed"
[ "$(listing "$HOME_DIR")" = "$before" ] || fail "the installed uninstall.sh left the prefix behind"
echo "home install passed"
