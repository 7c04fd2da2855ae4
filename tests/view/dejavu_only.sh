#!/usr/bin/env bash
# Runs a view test on a private display with a fontconfig that knows only DejaVu's fonts, as a
# fresh Arch or SteamOS without extra fonts, and with FONTS as the program's own fonts.
# Usage: dejavu_only.sh FONTS COMMAND...
set -euo pipefail
source "$(dirname "$0")/../fontconfig.sh"
fonts=$1
shift
[ -f "$fonts/LiberationSans-Regular.ttf" ] || { echo "no Liberation Sans in $fonts" >&2; exit 1; }
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
dejavu_only_fontconfig "$config"
TORVEXA_TEST_OWN_FONTS=$fonts "$(dirname "$0")/with_display.sh" "$@"
