#!/usr/bin/env bash
# Runs a Windows test program that opens windows: under Wine, on a private Xvfb display; wine
# is ended before the display goes, so none of its processes outlives it.
set -euo pipefail
source "$(dirname "$0")/../../xvfb.sh"
WINEPREFIX=$("$(dirname "$0")/../wine-run" --prefix)
export WINEPREFIX
# TORVEXA_DPI: the screen's scale for this run (144 is 150 %), set back to 96 afterwards.
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}
finish() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    [ -n "${TORVEXA_DPI:-}" ] && set_dpi 96
    stop_xvfb
}
trap finish EXIT
start_xvfb || { echo "$XVFB_ERROR" >&2; exit 1; }
"$(dirname "$0")/../wine-run" cmd /c exit >/dev/null 2>&1 || true  # the prefix, made once
[ -n "${TORVEXA_DPI:-}" ] && set_dpi "$TORVEXA_DPI"
"$(dirname "$0")/../wine-run" "$@"
