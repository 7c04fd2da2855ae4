#!/usr/bin/env bash
# The portable Linux archive, unpacked into a folder whose path holds a blank and an umlaut:
# what the program needs from the system, the files it brings, and its first start there,
# where the open dialog shows the archive's own translation files and English is picked.
# Usage: portable_test.sh ARCHIVE BUILT_PROGRAM SCREENSHOT_DIR
source "$(dirname "$0")/gui/lib.sh" "$2" "$3"
archive=$1
built=$2

unpacked="$TMPDIR/Spiele für Linux"
mkdir "$unpacked"
tar xzf "$archive" -C "$unpacked" || fail "the archive does not unpack"
home=$(echo "$unpacked"/torvexa-*-linux-x86_64)
[ -d "$home" ] || fail "the archive holds no torvexa-<version>-linux-x86_64 folder"
program=$home/bin/torvexa

for file in README install.sh uninstall.sh bin/torvexa libexec/torvexa/torvexa-start \
            share/torvexa/lang/deutsch.zpr share/torvexa/lang/english.zpr \
            share/applications/torvexa.desktop share/icons/hicolor/scalable/apps/torvexa.svg \
            share/metainfo/org.example.torvexa.metainfo.xml share/man/man1/torvexa.1.gz; do
    [ -f "$home/$file" ] || fail "not in the archive: $file"
done
for file in install.sh uninstall.sh bin/torvexa libexec/torvexa/torvexa-start; do
    [ -x "$home/$file" ] || fail "not executable in the archive: $file"
done
desktop-file-validate "$home/share/applications/torvexa.desktop" || fail "the desktop entry"

# Only glibc and the X libraries of any desktop, loaded once at start, read-only afterwards.
dynamic=$(readelf -d "$program")
for library in libfltk libstdc++ libgcc_s; do
    ! grep -q "NEEDED.*\[$library" <<<"$dynamic" || fail "the program needs $library"
done
grep -q 'BIND_NOW' <<<"$dynamic" || fail "the program is not linked with -z now"
readelf -S "$program" | grep -q '\.debug_info' && fail "the program is not stripped"

# No glibc symbol newer than 2.35, no C++ runtime symbol version at all.
while read -r version symbol; do
    case $version in
        GLIBCXX_* | CXXABI_*) fail "the program needs the system's C++ runtime: $symbol ($version)" ;;
        GLIBC_*)
            newest=$(printf '%s\n' "${version#GLIBC_}" 2.35 | sort -V | tail -n1)
            [ "$newest" = 2.35 ] || fail "the program needs glibc ${version#GLIBC_}: $symbol" ;;
    esac
done < <(objdump -T "$program" | sed -n 's/.*(\([A-Z]*_[0-9.]*\))[[:space:]]*\([^[:space:]]*\)$/\1 \2/p')

# The first start, from a folder of the player's: the open dialog lists the archive's
# translation files, so the name alone picks one.
start_display
WORK=$TMPDIR/work
export WINEPREFIX
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
rm "$WORK/work/langopt.zel"
(cd "$WORK/work" && exec "$program") 2>/dev/null &
APP_PID=$!
pick_language_at_first_start "unpacked torvexa" english.zpr portable-open-dialog
sleep 0.5
[ "$(cat "$WORK/work/langopt.zel")" = "$home/share/torvexa/lang/english.zpr"$'\r' ] ||
    fail "langopt.zel does not name the archive's English file: $(cat "$WORK/work/langopt.zel")"
screenshot "$WIN" portable-english
end_process "$APP_PID"

# The English window as the program built here shows it, on the same game: the same pixels.
printf '%s\r\n' "$ROOT/lang/english.zpr" >"$WORK/work/langopt.zel"
(cd "$WORK/work" && exec "$built") 2>/dev/null &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the built torvexa did not start"
sleep 0.5
screenshot "$WIN" portable-english-expected
difference=$(compare -metric AE "$SHOTS/portable-english.png" \
    "$SHOTS/portable-english-expected.png" null: 2>&1 || true)
[ "$difference" = 0 ] ||
    fail "the unpacked program's English window differs from the built one's in $difference pixels"
echo "portable archive passed"
