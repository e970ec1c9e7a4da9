#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh <win32|win64> <null|x11> program [args...]
# The prefix is the project's own (made by ensure_prefix); x11 needs DISPLAY.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
arch="$1" mode="$2"
shift 2
wine_env "$arch" "$mode"
if [ ! -f "$WINEPREFIX/.vo-ready" ]; then
  echo "wine-run: no prefix at $WINEPREFIX (scripts/test.sh makes it)" >&2
  exit 2
fi
exec "$WINELOADER" "$@"
