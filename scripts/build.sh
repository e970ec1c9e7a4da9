#!/usr/bin/env bash
# Builds everything: the native parts (tools, stand-in driver, native tests),
# the 32-bit release program into dist/, and the 64-bit build.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

configure() {  # build dir, extra cmake arguments...
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$REPO" -B "$dir" -G Ninja "$@" >/dev/null
  fi
}

log "native build"
configure "$BUILD/native"
cmake --build "$BUILD/native"

odbc_dir="$BUILD/native"
if can_run_32bit; then
  log "32-bit host build (for a 32-bit Wine)"
  [ -f "$BUILD/host32/build.ninja" ] ||
    cmake -S "$REPO/host" -B "$BUILD/host32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-linux-i386.cmake" >/dev/null
  cmake --build "$BUILD/host32"
  odbc_dir="$BUILD/host32"
fi

log "Windows 32-bit release build"
configure "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-i686-mingw.cmake" \
  -DVO_DIST_DIR="$REPO/dist" -DVO_NATIVE_BUILD_DIR="$odbc_dir"
cmake --build "$BUILD/win32"

log "Windows 64-bit build"
configure "$BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/toolchain-x86_64-mingw.cmake" \
  -DVO_NATIVE_BUILD_DIR="$BUILD/native"
cmake --build "$BUILD/win64"
