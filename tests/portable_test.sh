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

mapfile -t languages < <(cd "$ROOT/lang" && ls -- *.zpr)
for file in README install.sh uninstall.sh bin/torvexa libexec/torvexa/torvexa-start \
            "${languages[@]/#/share/torvexa/lang/}" \
            share/applications/torvexa.desktop share/icons/hicolor/scalable/apps/torvexa.svg \
            share/metainfo/org.example.torvexa.metainfo.xml share/man/man1/torvexa.1.gz; do
    [ -f "$home/$file" ] || fail "not in the archive: $file"
done
for file in install.sh uninstall.sh bin/torvexa libexec/torvexa/torvexa-start; do
    [ -x "$home/$file" ] || fail "not executable in the archive: $file"
done
desktop-file-validate "$home/share/applications/torvexa.desktop" || fail "the desktop entry"

for face in Regular Bold Italic BoldItalic; do
    [ -f "$home/share/torvexa/fonts/LiberationSans-$face.ttf" ] ||
        fail "the archive does not carry Liberation Sans $face"
done
[ -f "$home/share/torvexa/fonts/LICENCE" ] || fail "the archive's fonts come without their licence"

# What the program needs from the system is exactly what the README names, in its paragraph
# that says "needs from the system exactly": the NEEDED entries, and what those pull in.
named=$(awk '/needs from the system exactly/ { on = 1 } on && /^$/ { exit } on' "$ROOT/README.md" |
    grep -o '`[A-Za-z0-9_.+-]*\.so\.[0-9]*`' | tr -d '`' | LC_ALL=C sort -u)
[ -n "$named" ] || fail "the README names no library the portable program needs"
dynamic=$(readelf -d "$program")
needed=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' <<<"$dynamic" | LC_ALL=C sort -u)
[ "$needed" = "$named" ] ||
    fail "the program's NEEDED entries differ from the README's list:" \
        "$(diff <(echo "$named") <(echo "$needed") | grep '^[<>]' | tr '\n' ' ')"
# Every library the program loads is one of those or one that one of those loads itself.
libraries_of() { ldd "$1" | awk '/=>/ { print $1 } /ld-linux/ && !/=>/ { sub(".*/", "", $1); print $1 }'; }
pulled_in=$(for library in $named; do
    path=$(ldconfig -p | awk -v l="$library" '$1 == l && /x86-64/ { print $NF; exit }')
    [ -z "$path" ] || libraries_of "$path"
done | LC_ALL=C sort -u)
for library in $(libraries_of "$program"); do
    grep -qxF "$library" <<<"$named"$'\n'"$pulled_in" ||
        fail "the program loads $library, which no library the README names brings"
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

# The first start, from a folder of the player's, on a machine whose fonts are DejaVu's only:
# the open dialog lists the archive's translation files, so the name alone picks one; the
# window is drawn in the archive's own Liberation Sans; the home folder stays as it was.
start_display
export HOME="$TMPDIR/Анна Пётровна"
mkdir -p "$HOME/.config"
home_before=$(cd "$HOME" && find . | LC_ALL=C sort)
WORK=$TMPDIR/work
export WINEPREFIX
WINEPREFIX=$("$ROOT/scripts/demo-prefix" "$WORK" | tail -n1)
rm "$WORK/work/langopt.zel"
dejavu_only_fontconfig "$TMPDIR/fontconfig"
(cd "$WORK/work" && exec "$program") 2>"$TMPDIR/stderr" &
APP_PID=$!
pick_language_at_first_start "unpacked torvexa" english.zpr portable-open-dialog
wait_content "$WORK/work/langopt.zel" "$home/share/torvexa/lang/english.zpr"$'\r' ||
    fail "langopt.zel does not name the archive's English file: $(cat "$WORK/work/langopt.zel")"
screenshot "$WIN" portable-dejavu-only
fonts_open=$(grep -o '/.*\.ttf$' "/proc/$APP_PID/maps" | sort -u)
grep -qxF "$home/share/torvexa/fonts/LiberationSans-Regular.ttf" <<<"$fonts_open" ||
    fail "the program does not draw with its own Liberation Sans; it has open: $fonts_open"
! grep -q 'Liberation Sans is missing' "$TMPDIR/stderr" || fail "the program misses its own font"
end_process "$APP_PID"
[ "$(cd "$HOME" && find . | LC_ALL=C sort)" = "$home_before" ] ||
    fail "the program wrote into the home folder: $(cd "$HOME" && find . | LC_ALL=C sort)"

# A program without fonts of its own says once which package brings Liberation Sans.
(cd "$WORK/work" && exec "$built") 2>"$TMPDIR/stderr" &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the built torvexa did not start"
end_process "$APP_PID"
[ "$(grep -c 'Liberation Sans is missing.*Debian, Ubuntu: fonts-liberation' "$TMPDIR/stderr")" = 1 ] ||
    fail "the built program did not name the missing font once: $(cat "$TMPDIR/stderr")"
# and the archive's program at 200 %, to look at
picture_of_start portable-dejavu-only-200 "$WORK/work" 2 "$program"
unset FONTCONFIG_FILE

# With the system's fonts, which have Liberation Sans too: the same English window.
(cd "$WORK/work" && exec "$program") 2>/dev/null &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the unpacked torvexa did not start again"
drawn "$WIN" || fail "the unpacked torvexa did not draw its window"
screenshot "$WIN" portable-english
end_process "$APP_PID"

# The English window as the program built here shows it, on the same game: the same pixels.
printf '%s\r\n' "$ROOT/lang/english.zpr" >"$WORK/work/langopt.zel"
(cd "$WORK/work" && exec "$built") 2>/dev/null &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the built torvexa did not start"
drawn "$WIN" || fail "the built torvexa did not draw its window"
screenshot "$WIN" portable-english-expected
difference=$(compare -metric AE "$SHOTS/portable-english.png" \
    "$SHOTS/portable-english-expected.png" null: 2>&1 || true)
[ "$difference" = 0 ] ||
    fail "the unpacked program's English window differs from the built one's in $difference pixels"
echo "portable archive passed"
