#!/usr/bin/env bash
# Builds everything and runs every test: native tests, then the Win32 tests
# under Wine (headless, and an X11 group on Xvfb). Ends with "N passed, N failed".
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
setup_machine
"$REPO/scripts/build.sh"

arch="$(wine_arch)"
ensure_sample_db "$REPO/dist"
ensure_sample_db "$(run_dir "$arch")"
ensure_prefix "$arch" null &
ensure_prefix "$arch" x11 &
wait

cleanup() {
  stop_wineserver "$arch" null
  stop_wineserver "$arch" x11
  stop_xvfb
}
trap cleanup EXIT
start_xvfb
start_wineserver "$arch" null
start_wineserver "$arch" x11

passed=0 failed=0
run_ctest() {  # build dir, extra ctest arguments...
  local dir="$1" out
  shift
  out="$(mktemp)"
  ctest --test-dir "$dir" --no-tests=error --output-on-failure "$@" 2>&1 | tee "$out" || true
  local line total bad
  line="$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$out" | tail -1)"
  if [ -z "$line" ]; then
    failed=$((failed + 1))
  else
    bad="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")"
    total="$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")"
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  fi
  rm -f "$out"
}

log "native tests"
run_ctest "$BUILD/native" -j2
log "Win32 tests under Wine ($arch)"
# One at a time: the tests share the prefix's registry and desktop.
run_ctest "$BUILD/$arch" -j1

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
