#!/usr/bin/env bash
# Builds the program and starts it under Wine on the sample database.
# Without a display it runs on Xvfb, saves a screenshot and prints its path.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
setup_machine
"$REPO/scripts/build.sh"

arch="$(wine_arch)"
dir="$(run_dir "$arch")"
ensure_sample_db "$REPO/dist"
ensure_sample_db "$dir"
ensure_prefix "$arch" x11

# The program opens the database through the machine's ODBC driver list.
if can_run_32bit; then
  "$REPO/host/register-driver.sh" "$BUILD/native" "$BUILD/host32"
else
  "$REPO/host/register-driver.sh" "$BUILD/native"
fi

wine_env "$arch" x11
exe="$dir/vo信息管理.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  log "starting $exe on $DISPLAY"
  cd "$dir" && exec "$WINELOADER" "$exe"
fi

trap 'stop_wineserver "$arch" x11; stop_xvfb' EXIT
start_xvfb
log "no display: running on Xvfb $DISPLAY"
( cd "$dir" && "$WINELOADER" "$exe" >/dev/null 2>&1 ) &
sleep "${VO_RUN_SECONDS:-8}"
shot="$BUILD/screenshots/run-$(date +%Y%m%d-%H%M%S).png"
mkdir -p "$(dirname "$shot")"
screenshot "$shot"
echo "screenshot: $shot"
