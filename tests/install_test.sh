#!/usr/bin/env bash
# cmake --install puts the program, the translation files, the desktop entry and the icon in
# the usual places. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/torvexa share/torvexa/lang/deutsch.zpr share/torvexa/lang/english.zpr \
            share/applications/torvexa.desktop share/icons/hicolor/scalable/apps/torvexa.svg; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/torvexa" ] || { echo "bin/torvexa is not executable" >&2; exit 1; }
grep -q '^Exec=torvexa$' "$prefix/share/applications/torvexa.desktop"
echo "install passed"
