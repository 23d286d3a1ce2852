# Shared by scripts/run and scripts/test: the project's own Wine prefix and display.
# Sourced, not run. Never ~/.wine: the program writes the registry and c:\.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8
TEMPLATE_PREFIX="$BUILD/wine-template"

# A booted prefix, made once and then copied: a wineboot takes many seconds.
make_template_prefix() {
  [ -f "$TEMPLATE_PREFIX/.ready" ] && return 0
  rm -rf "$TEMPLATE_PREFIX"
  WINEPREFIX="$TEMPLATE_PREFIX" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$TEMPLATE_PREFIX" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  WINEPREFIX="$TEMPLATE_PREFIX" wineserver -w
  touch "$TEMPLATE_PREFIX/.ready"
}

# Copies the template to $1 and makes it this shell's prefix.
use_fresh_prefix() {
  rm -rf "$1"
  cp -a "$TEMPLATE_PREFIX" "$1"
  export WINEPREFIX="$1"
}

XVFB_PID=""
start_xvfb() {
  local n
  for n in $(seq 91 130); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "cannot start Xvfb" >&2
  return 1
}
stop_xvfb() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""; }
