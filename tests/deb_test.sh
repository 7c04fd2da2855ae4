#!/usr/bin/env bash
# The Debian package: built with cpack, installed with apt-get, its torvexa started under Xvfb
# until its window maps, removed again with nothing left behind. It changes the system, so it
# runs only as root (as CI does). Usage: deb_test.sh BUILD_DIR SCREENSHOT_DIR
source "$(dirname "$0")/gui/lib.sh" /usr/bin/torvexa "$2"
build=$1
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' torvexa 2>/dev/null | grep -q 'install ok installed'; then
    fail "a torvexa package is installed already"
fi

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack failed"
deb=$(ls "$build"/torvexa_*_*.deb | head -n1)
[ -f "$deb" ] || fail "no package was made"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=120 --no-download "$deb" >/dev/null 2>&1 ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >/dev/null || fail "apt-get install failed"
files=$(dpkg -L torvexa)
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq torvexa >/dev/null 2>&1 || true; stop_all' EXIT
[ -x /usr/bin/torvexa ] || fail "/usr/bin/torvexa was not installed"
desktop-file-validate /usr/share/applications/torvexa.desktop || fail "the desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/org.example.torvexa.metainfo.xml >/dev/null ||
    fail "the AppStream metadata is not valid"

start_display
WORK=$(mktemp -d)
printf '%s\r\n' /usr/share/torvexa/lang/deutsch.zpr > "$WORK/langopt.zel"
(cd "$WORK" && HOME="$WORK" exec /usr/bin/torvexa) 2>/dev/null &
APP_PID=$!
WIN=$(wait_window "ZEL Torvexa") || fail "the installed torvexa showed no window"
screenshot "$WIN" deb-installed
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o DPkg::Lock::Timeout=120 torvexa >/dev/null || fail "apt-get remove failed"
while read -r file; do
    [ -d "$file" ] && continue  # folders such as /usr/share stay for other packages
    [ ! -e "$file" ] || fail "left behind: $file"
done <<<"$files"
for folder in /usr/share/torvexa /usr/libexec/torvexa; do
    [ ! -e "$folder" ] || fail "left behind: $folder"
done
echo "deb package journey passed"
