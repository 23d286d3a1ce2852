# Sourced by scripts/run and scripts/bench, after scripts/wine-env.sh: a fresh prefix with
# the program in C:\tavqip and the stand-ins for the tools it starts. Drive Z: (the host's
# root) is removed, so nothing the program does reaches the host.
stage_demo_prefix() {
  local prefix=$1
  use_fresh_prefix "$prefix"
  rm -f "$prefix/dosdevices/z:"
  local c="$prefix/drive_c"
  mkdir -p "$c/tavqip" "$c/zivuvedez" "$c/program files/zelvorn"
  cp "$BUILD/win32/TAVQip.exe" "$c/tavqip/"
  # The command file finds netsh in the directory the program was started in.
  cp "$BUILD/driver/tests/e2e/netsh_stub.exe" "$c/tavqip/netsh.exe"
  cp "$BUILD/driver/tests/e2e/netdom_stub.exe" "$c/zivuvedez/netdom.exe"
}
