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

# Copies the template to $1. system32 holds over 500 MB of DLLs that nothing writes to, so
# its files are hard-linked (copied where links are not possible); the rest is copied.
copy_template_prefix() {
  rm -rf "$1"
  mkdir -p "$1"
  local entry
  for entry in "$TEMPLATE_PREFIX"/* "$TEMPLATE_PREFIX"/.[!.]*; do
    [ -e "$entry" ] || continue
    [ "$(basename "$entry")" = drive_c ] || cp -a "$entry" "$1/"
  done
  mkdir -p "$1/drive_c"
  for entry in "$TEMPLATE_PREFIX/drive_c"/*; do
    [ "$(basename "$entry")" = windows ] || cp -a "$entry" "$1/drive_c/"
  done
  mkdir -p "$1/drive_c/windows"
  for entry in "$TEMPLATE_PREFIX/drive_c/windows"/*; do
    if [ "$(basename "$entry")" = system32 ]; then
      cp -al "$entry" "$1/drive_c/windows/" 2>/dev/null || cp -a "$entry" "$1/drive_c/windows/"
    else
      cp -a "$entry" "$1/drive_c/windows/"
    fi
  done
}

# Copies the template to $1 and makes it this shell's prefix.
use_fresh_prefix() {
  copy_template_prefix "$1"
  export WINEPREFIX="$1"
}

XVFB_PID=""
# Xvfb picks a free display itself and reports it once it accepts clients, so that servers
# started at the same moment (parallel tests) never end up sharing one.
start_xvfb() {
  local report n=""
  report=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$report" >/dev/null 2>&1 &
  XVFB_PID=$!
  local deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ] && kill -0 "$XVFB_PID" 2>/dev/null; do
    n=$(tr -dc 0-9 <"$report")
    [ -n "$n" ] && break
    sleep 0.05
  done
  rm -f "$report"
  if [ -z "$n" ]; then
    echo "cannot start Xvfb" >&2
    return 1
  fi
  export DISPLAY=":$n"
}
stop_xvfb() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""; }
