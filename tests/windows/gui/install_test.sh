#!/usr/bin/env bash
# The installer under Wine: a silent install, for the account that runs it, puts torvexa.exe
# and the translation files in the user's programs folder, a Start-menu shortcut and an
# uninstall entry in the user's own registry, and nothing in Program Files or HKLM; started
# through the shortcut, Torvexa asks for a language in its lang folder and remembers it in the
# user's own folder; with Torvexa running, the uninstaller and the installer stop and change
# nothing; a silent uninstall leaves nothing but that file. On a Windows that speaks
# French (Wine takes its display language from the locale it starts in) the uninstaller and the
# installer speak French, page by page. Usage: install_test.sh SETUP_EXE SCREENSHOT_DIR
source "$(dirname "$0")/lib.sh" "$@"
SETUP=$BINARY

start_display
"$ROOT/tests/windows/wine-run" cmd /c exit >/dev/null 2>&1 || true
drive="$WINEPREFIX/drive_c"
roaming=$(find "$drive/users" -maxdepth 3 -type d -path '*/AppData/Roaming' | head -n1)
[ -n "$roaming" ] || fail "the prefix has no AppData folder"
user=$(basename "$(dirname "$(dirname "$roaming")")")
installed="$(dirname "$roaming")/Local/Programs/Torvexa"
installed_windows="C:\\users\\$user\\AppData\\Local\\Programs\\Torvexa"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvexa'
shortcut="$roaming/Microsoft/Windows/Start Menu/Programs/Torvexa.lnk"
rm -rf "$installed" "$roaming/Torvexa" "$shortcut"

# Sharp at any scale: Windows draws a program that says nothing of its dpi blurred.
grep -qa '<dpiAware[^>]*>true</dpiAware>' "$SETUP" || fail "the installer is not dpi-aware"
wine "$SETUP" /S >/dev/null 2>&1 || fail "the silent install failed"
mapfile -t languages < <(cd "$ROOT/lang" && ls -- *.zpr)
# The portable zip beside the installer: the program and every translation file.
zipped=$(cmake -E tar tf "$(dirname "$SETUP")"/Torvexa-*-portable.zip) || fail "no portable zip"
for file in Torvexa/torvexa.exe "${languages[@]/#/Torvexa/lang/}"; do
    grep -qxF "$file" <<<"$zipped" || fail "not in the portable zip: $file"
done
for file in torvexa.exe "${languages[@]/#/lang/}" uninstall.exe; do
    [ -f "$installed/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ -d "$roaming/Torvexa" ] || fail "no working folder in the user's AppData"
[ ! -e "$drive/Program Files/Torvexa" ] || fail "something was installed for all users"
wine reg query "HKCU\\$uninstall_key" >/dev/null 2>&1 || fail "no uninstall entry for the user"
wine reg query "HKLM\\$uninstall_key" >/dev/null 2>&1 && fail "an uninstall entry for all users"

# Started through the shortcut: the first start asks, and the choice lands in its folder.
(wine start "$(printf 'C:\\users\\%s\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Torvexa.lnk' "$user")" >/dev/null 2>&1 &)
# The dialog has the system's title and opens in the installed lang folder: the name is enough.
CHOOSER=$(w_wait_window "(Open|$(printf '\xc3\x96ffnen'))") || fail "the installed program did not start"
drawn "$CHOOSER" || fail "the open dialog was not drawn"
click_in "$CHOOSER" 300 280
xdotool type --delay 5 "deutsch.zpr"
xdotool key Return
WIN=$(w_wait_window "ZEL Torvexa") || fail "the main window did not appear"
drawn "$WIN" || fail "the main window was not drawn"
screenshot "$WIN" win-installed
[ "$(cat "$roaming/Torvexa/langopt.zel")" = "$installed_windows\\lang\\deutsch.zpr"$'\r' ] ||
    fail "langopt.zel is not in the shortcut's working folder"
w_menu_item $W_DATEI_X 2  # Datei -> Beenden
wait_gone "ZEL Torvexa" || fail "the main window stayed open after Datei -> Beenden"

# Windows in French: a locale of the test's own (no system locale is added), in which Wine
# starts with French as its display language.
mkdir "$TMPDIR/locales"
localedef -i fr_FR -f UTF-8 "$TMPDIR/locales/fr_FR.UTF-8" ||
    fail "no French locale could be made (Debian: locales)"
in_french() { LOCPATH="$TMPDIR/locales" LC_ALL=fr_FR.UTF-8 "$@"; }
# A wizard's pages: a picture of each and Enter, which presses its default button at the lower
# right (Installer, Désinstaller, Fermer), then a wait of up to 5 s for the next page (its heading
# changes) or the window's end.
through_pages() {  # TITLE SHOT
    local window page=1 heading
    window=$(w_wait_window "$1") || fail "no window titled '$1'"
    heading_of() { timeout 2 import -window "$window" -crop 497x50+0+0 rgb:- 2>/dev/null | md5sum; }
    while xdotool search --name "^$1\$" >/dev/null 2>&1; do
        [ $page -le 3 ] || fail "'$1' did not end after its pages"
        drawn "$window" || fail "the page $page of '$1' was not drawn"
        screenshot "$window" "$2-$page"
        heading=$(heading_of)
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key --window "$window" Return
        local went=""
        for _ in $(seq 100); do
            if ! xdotool search --name "^$1\$" >/dev/null 2>&1 ||
                [ "$(heading_of)" != "$heading" ]; then
                went=yes
                break
            fi
            sleep 0.05
        done
        [ -n "$went" ] || fail "Enter on the page $page of '$1' did not go on within 5 s"
        page=$((page + 1))
    done
}
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
(in_french wine "$installed_windows\\uninstall.exe" >/dev/null 2>&1 &)
# (French NSIS ends its titles with a blank.)
through_pages "$(printf 'D\xc3\xa9sinstallation de Torvexa') ?" win-uninstaller-fr
[ ! -e "$installed" ] || fail "the French uninstaller left $(ls -R "$installed")"
(in_french wine "$SETUP" >/dev/null 2>&1 &)
through_pages "Installation de Torvexa ?" win-installer-fr
[ -f "$installed/torvexa.exe" ] || fail "the French installer did not install torvexa.exe"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

# With Torvexa running, neither the uninstaller nor the installer reports success: a silent run
# stops (the uninstaller run in place, "_?=", so that its exit code is its own) and leaves the
# program, its shortcut and its entry as they were.
(wine "$installed_windows\\torvexa.exe" >/dev/null 2>&1 &)
w_wait_window "(Open|$(printf '\xc3\x96ffnen'))" >/dev/null || fail "the installed program did not start"
wine "$installed_windows\\uninstall.exe" /S "_?=$installed_windows" >/dev/null 2>&1 &&
    fail "the uninstaller reported success while Torvexa ran"
[ -f "$installed/torvexa.exe" ] && [ -f "$shortcut" ] ||
    fail "the uninstaller removed files while Torvexa ran"
wine reg query "HKCU\\$uninstall_key" >/dev/null 2>&1 ||
    fail "the uninstaller removed its entry while Torvexa ran"
wine "$SETUP" /S >/dev/null 2>&1 && fail "the installer reported success over a running Torvexa"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

wine "$installed_windows\\uninstall.exe" /S >/dev/null 2>&1 || fail "the silent uninstall failed"
for _ in $(seq 100); do  # the uninstaller runs from a copy of itself and returns at once
    [ -e "$installed" ] || break
    sleep 0.2
done
[ ! -e "$installed" ] || fail "the uninstaller left $(ls -R "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
wine reg query "HKCU\\$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left its registry entry"
[ "$(ls "$roaming/Torvexa")" = "langopt.zel" ] || fail "the user's own folder lost its file"
rm -rf "$roaming/Torvexa"
echo "windows install journey passed"
