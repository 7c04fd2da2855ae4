#!/usr/bin/env bash
# cmake --install puts the program, the translation files, the desktop entry and the icon in
# the usual places; the desktop entry starts Torvexa in its per-user folder.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED at: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
mapfile -t languages < <(cd "$(dirname "$0")/../lang" && ls -- *.zpr)
for file in bin/torvexa "${languages[@]/#/share/torvexa/lang/}" \
            share/applications/torvexa.desktop share/icons/hicolor/scalable/apps/torvexa.svg; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/torvexa" ] || fail "bin/torvexa is not executable"
desktop-file-validate "$prefix/share/applications/torvexa.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.torvexa.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata"

start=$(sed -n 's/^Exec=//p' "$prefix/share/applications/torvexa.desktop")
[ "$start" = "$prefix/libexec/torvexa/torvexa-start" ] || fail "the desktop entry starts '$start'"
[ -x "$start" ] || fail "the launcher is not executable"

# The launcher creates the per-user folder and starts the installed program there; a stand-in
# program that prints its folder takes the real one's place.
cp "$prefix/bin/torvexa" "$prefix/bin/torvexa.real"
printf '#!/bin/sh\npwd\n' > "$prefix/bin/torvexa"
home="$prefix/home"
mkdir "$home"
[ "$(HOME="$home" XDG_CONFIG_HOME= "$start")" = "$home/.config/torvexa" ] || fail "default folder"
[ "$(HOME="$home" XDG_CONFIG_HOME="$home/cfg" "$start")" = "$home/cfg/torvexa" ] || fail "XDG folder"
echo "install passed"
