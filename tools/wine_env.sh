# Sourced by the run and test scripts: sets up Wine for Vodari in a private
# prefix under the build folder, with code page 936, and a virtual display
# when there is none (VODARI_SCREEN, default 1024x768x24, sets its size).
# Everything started here is stopped by vodari_wine_stop.
# Beside it, a 64-bit prefix (wineprefix64) runs the tests over 64-bit
# programs; tests choose it by setting WINEPREFIX and WINEARCH=win64.

# Creates a prefix on its first use and keeps Wine's window management off.
vodari_wine_prefix() {
  local prefix=$1 arch=$2
  if [ ! -f "$prefix/system.reg" ]; then
    echo "wine_env: creating the Wine prefix $(basename "$prefix") (first run only)"
    mkdir -p "$prefix"
    WINEPREFIX=$prefix WINEARCH=$arch wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX=$prefix wineserver -w
  fi
  if [ ! -f "$prefix/.vodari-unmanaged" ]; then
    # Without a window manager, managed windows make Wine wait on every
    # hide; the program's windows need none of it.
    if WINEPREFIX=$prefix WINEARCH=$arch wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1; then
      touch "$prefix/.vodari-unmanaged"
    fi
    WINEPREFIX=$prefix wineserver -w
  fi
}

# Starts a virtual display when there is none (DISPLAY unset); vodari_wine_stop
# stops it.
vodari_display_start() {
  VODARI_XVFB_PID=
  [ -z "${DISPLAY:-}" ] || return 0
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${VODARI_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
  VODARI_XVFB_PID=$!
  export DISPLAY=":$n"
  vodari_wait_for "$VODARI_XVFB_PID" test -e "/tmp/.X11-unix/X$n" || {
    echo "wine_env: Xvfb did not start" >&2
    return 1
  }
}

# Waits until the command after the process id succeeds: false after 10 s,
# or at once when that process (which is to make it succeed) has ended.
vodari_wait_for() {
  local pid=$1 tries=0
  shift
  until "$@"; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then return 1; fi
    sleep 0.1
  done
}

# Argument: the folder that holds the prefix (the build folder; each Wine
# version needs a folder of its own).
vodari_wine_start() {
  local build_dir=$1
  mkdir -p "$build_dir"
  export WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # The locale gives Windows programs code page 936 (GBK).
  export LC_ALL=zh_CN.UTF-8
  export LANG=zh_CN.UTF-8
  # The Wine's major version, for tests that depend on what a Wine can do.
  local version
  version=$(wine --version 2>/dev/null || true)
  version=${version#wine-}
  export VODARI_WINE=${version%%.*}

  vodari_display_start || return 1

  vodari_wine_prefix "$WINEPREFIX" win32
  VODARI_WINEPREFIX64="$(dirname "$WINEPREFIX")/wineprefix64"
  vodari_wine_prefix "$VODARI_WINEPREFIX64" win64
}

vodari_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${VODARI_WINEPREFIX64:-}" ]; then WINEPREFIX=$VODARI_WINEPREFIX64 wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${VODARI_XVFB_PID:-}" ]; then
    kill "$VODARI_XVFB_PID" 2>/dev/null || true
    wait "$VODARI_XVFB_PID" 2>/dev/null || true
    VODARI_XVFB_PID=
    # The display named there is gone, and its number may soon be another's.
    unset DISPLAY
  fi
}
