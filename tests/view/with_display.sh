#!/usr/bin/env bash
# Runs a command on a private Xvfb display (see tests/xvfb.sh).
set -euo pipefail
source "$(dirname "$0")/../xvfb.sh"
trap stop_xvfb EXIT
start_xvfb || { echo "$XVFB_ERROR" >&2; exit 1; }
"$@"
