#!/usr/bin/env bash
# Runs a Windows test program that opens windows: under Wine, on a private Xvfb display; wine
# is ended before the display goes, so none of its processes outlives it.
set -euo pipefail
source "$(dirname "$0")/../../xvfb.sh"
WINEPREFIX=$("$(dirname "$0")/../wine-run" --prefix)
export WINEPREFIX
finish() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    stop_xvfb
}
trap finish EXIT
start_xvfb || { echo "$XVFB_ERROR" >&2; exit 1; }
"$(dirname "$0")/../wine-run" "$@"
