#!/usr/bin/env bash
# The Debian package, without touching the system: built with cpack, checked with lintian,
# unpacked into a temporary root whose torvexa starts on the shipped translations, and its
# dependencies resolved by a simulated install. Usage: deb_test.sh BUILD_DIR SCREENSHOT_DIR
source "$(dirname "$0")/gui/lib.sh" /nonexistent "$2"
build=$1
for tool in lintian apt-get dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "skipped: the Debian package's test needs $tool"; exit 77; }
done

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack failed"
deb=$(ls "$build"/torvexa_*_*.deb | head -n1)
[ -f "$deb" ] || fail "no package was made"

# Its findings on standard output; standard error only says that it runs as root (as CI does).
findings=$(lintian --fail-on error,warning "$deb" 2>"$TMPDIR/lintian.err") ||
    fail "lintian: $findings $(cat "$TMPDIR/lintian.err")"
[ -z "$findings" ] || fail "lintian: $findings"
# Hardened as Debian builds its packages: no hardening tag among the informational ones either,
# relocations bound at start, and every source compiled with the hardening flags.
informational=$(lintian -I "$deb" 2>/dev/null) || true
! grep 'hardening-' <<<"$informational" || fail "lintian finds the program not hardened"
readelf -d "$build/src/torvexa" | grep -q 'BIND_NOW' || fail "the program is not linked with -z now"
unhardened=$(awk '/"command".*\/src\// && !(/-D_FORTIFY_SOURCE=2/ && /-fstack-protector-strong/)' \
    "$build/compile_commands.json" | head -n1)
[ -z "$unhardened" ] || fail "compiled without the hardening flags: $unhardened"

# The description as the project writes it: no list separator joined into it.
expected=$(sed -n '/^string(CONCAT CPACK_PACKAGE_DESCRIPTION/,/)$/p' "$(dirname "$0")/../CMakeLists.txt" |
    sed -n 's/^ *"\(.*\)\\n"$/\1/p; s/^ *"\(.*\)")$/\1/p')
described=$(dpkg-deb -f "$deb" Description | tail -n +2 | sed 's/^ //')
[ "$described" = "$expected" ] || fail "the package describes itself as: $described"

apt-get install --simulate -qq "$deb" >/dev/null 2>&1 ||
    fail "its dependencies do not resolve: $(apt-get install --simulate "$deb" 2>&1 | tail -n3)"

WORK=$(mktemp -d)
root=$WORK/root
dpkg-deb -x "$deb" "$root"
mapfile -t languages < <(cd "$ROOT/lang" && ls -- *.zpr)
for file in usr/bin/torvexa usr/libexec/torvexa/torvexa-start \
            "${languages[@]/#/usr/share/torvexa/lang/}" usr/share/applications/torvexa.desktop \
            usr/share/icons/hicolor/scalable/apps/torvexa.svg usr/share/man/man1/torvexa.1.gz \
            usr/share/metainfo/org.example.torvexa.metainfo.xml \
            usr/share/doc/torvexa/copyright usr/share/doc/torvexa/changelog.gz; do
    [ -f "$root/$file" ] || fail "not in the package: /$file"
done
readelf -S "$root/usr/bin/torvexa" | grep -q '\.debug_info' && fail "the program is not stripped"
desktop-file-validate "$root/usr/share/applications/torvexa.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.torvexa.metainfo.xml" \
    >/dev/null || fail "the AppStream metadata is not valid"

# The packaged program at its first start: the open dialog shows the shipped translations; a
# person picks the German file and the window opens.
start_display
mkdir "$WORK/home"
(cd "$WORK/home" && HOME="$WORK/home" WINEPREFIX="$WORK/home/.wine" LC_ALL=C \
    exec "$root/usr/bin/torvexa") 2>/dev/null &
APP_PID=$!
pick_language_at_first_start "packaged torvexa" deutsch.zpr deb-open-dialog
screenshot "$WIN" deb-main-window
[ "$(cat "$WORK/home/langopt.zel")" = "$root/usr/share/torvexa/lang/deutsch.zpr"$'\r' ] ||
    fail "langopt.zel does not name the shipped German file"
end_process "$APP_PID"
[ "$(ls -A "$WORK/home")" = langopt.zel ] ||
    fail "the program wrote into the home folder: $(ls -A "$WORK/home")"
echo "deb package passed"
