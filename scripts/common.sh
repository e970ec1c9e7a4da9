# Shared by the project's scripts: paths, package installs, and the Wine environment.
# shellcheck shell=bash
set -euo pipefail

REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$REPO/build"
WINE_ROOT="$BUILD/wine"
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages that are missing (quick when all are there).
install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then echo "run as root to install: ${missing[*]}" >&2; return 1; fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq || apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Whether this kernel runs 32-bit x86 programs (some virtual machines can't).
can_run_32bit() {
  local probe="$BUILD/probe32"
  mkdir -p "$BUILD"
  if [ ! -f "$probe.result" ]; then
    if command -v gcc >/dev/null && printf 'int main(void){return 0;}\n' | gcc -m32 -x c - -o "$probe" 2>/dev/null &&
       "$probe" 2>/dev/null; then echo yes > "$probe.result"; else echo no > "$probe.result"; fi
  fi
  [ "$(cat "$probe.result")" = yes ]
}

# The Windows build the Wine tests and the local run use: the 32-bit release
# build where 32-bit programs run, else the 64-bit build.
wine_arch() { if can_run_32bit; then echo win32; else echo win64; fi; }

setup_machine() {
  install_packages ca-certificates cmake ninja-build g++ gcc-multilib googletest \
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
    wine wine64 libwine fonts-wine xvfb x11-apps x11-utils xauth imagemagick \
    unixodbc unixodbc-dev odbcinst libodbc2 libsqliteodbc libsqlite3-dev sqlite3 \
    locales fonts-wqy-microhei
  if can_run_32bit; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      dpkg --add-architecture i386
    fi
    install_packages wine32:i386 libwine:i386 libsqliteodbc:i386 unixodbc-dev:i386 libodbc2:i386
  fi
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    log "generating the zh_CN.UTF-8 locale"
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}

# Wine for one build: win32 or win64, with its own prefix per display mode
# (null: headless; x11: a real X display such as Xvfb).
wine_binary() { if [ "$1" = win32 ]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi; }

wine_env() {
  local arch="$1" mode="$2"
  export WINEPREFIX="$WINE_ROOT/$arch-$mode"
  export WINEARCH="$arch"
  export WINELOADER; WINELOADER="$(wine_binary "$arch")"
  export WINESERVER=/usr/lib/wine/wineserver64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export HOME="$WINE_ROOT/home"
  mkdir -p "$HOME"
}

# Makes the prefix once: code page 936 comes from the locale; the registry
# gets no crash dialog (it would hang a headless run), unmanaged windows
# (message boxes are slow without a window manager), a Chinese font for the
# faces the program asks for, and the null display driver for headless runs.
ensure_prefix() {
  local arch="$1" mode="$2"
  wine_env "$arch" "$mode"
  [ -f "$WINEPREFIX/.vo-ready" ] && return 0
  log "making the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  DISPLAY= "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  local reg="$WINEPREFIX/vo-settings.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n"Decorated"="Y"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local face
    for face in "宋体" "新宋体" "SimSun" "NSimSun" "黑体" "SimHei" "微软雅黑" "Microsoft YaHei" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "MS Sans Serif"; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n'
    if [ "$mode" = null ]; then
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n\r\n'
    fi
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
  DISPLAY= "$WINELOADER" regedit /S "$reg" >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.vo-ready"
}

# The run directory of a Windows build: dist/ for the release build.
run_dir() { if [ "$1" = win32 ]; then echo "$REPO/dist"; else echo "$BUILD/win64/dist"; fi; }

# The stand-in driver as the build tree registers it (tests and tools use it
# without touching the machine's driver list).
export_test_odbc() { export ODBCSYSINI="$BUILD/native/odbc"; }

# Makes the sample database in a run directory that has none.
ensure_sample_db() {
  local dir="$1"
  [ -f "$dir/Database1.mdb" ] && return 0
  mkdir -p "$dir/MDB"
  log "making the sample database in $dir"
  ( export_test_odbc; "$BUILD/native/tools/sampledb/vo-sampledb" --db "$dir/Database1.mdb" --units "${VO_SAMPLE_UNITS:-300}" )
}

# Starts Xvfb on a free display and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}
stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=; }

# A persistent wineserver for the prefix, with Wine's own services already
# running, so that each test program starts fast and nothing Wine leaves
# behind holds the test runner's output open.
start_wineserver() {
  wine_env "$1" "$2"
  "$WINESERVER" -p 3600 2>/dev/null || true  # already running for this prefix
  "$WINELOADER" wineboot >/dev/null 2>&1 </dev/null || true
}
stop_wineserver() { wine_env "$1" "$2"; "$WINESERVER" -k 2>/dev/null || true; }

screenshot() {  # file
  xwd -root -silent | convert xwd:- "$1"
}
