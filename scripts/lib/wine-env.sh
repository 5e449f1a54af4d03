# The suite's own Wine environments, sourced by scripts/wine-env and scripts/wine-exec.
#
# An environment is a folder build/wine-<name>/ holding a Wine prefix, an Xvfb display
# and one persistent wineserver. "test" serves the test suite, "run" serves `make run`.
# Nothing here touches the user's ~/.wine or the user's display. Every Wine fact the
# tests depend on is settled here once:
#   - WINEPREFIX is always set (an unset one silently creates ~/.wine);
#   - the wineserver is persistent and warmed with all output to /dev/null, since Wine's
#     background services inherit the first caller's stderr and would hold a test's pipe;
#   - X11 "Managed"=N (hidden windows cost ~2 s each without a window manager) and no
#     crash dialog (a crash would hang until the timeout);
#   - Wine's fonts are copied into the prefix so that text is drawn;
#   - Documents, Desktop and the other user folders are real folders, not links to $HOME;
#   - winemenubuilder is off, so nothing is written into the user's desktop menus;
#   - Explorer is set to show full paths (the side bar checks that at every start);
#   - Wine's desktop process is started here with no inherited pipes, and one idle
#     program (a cmd.exe reading a pipe that never ends) keeps it for the whole session.
#     Otherwise the first window program of a test starts it, the desktop process holds
#     that test's output pipe (CTest waits on it), ends a few seconds after the last
#     window program, and a program starting while it ends waits ~10 s or dies silently.
# A prefix made by another Wine version or an older recipe is made anew.

SUITE_ROOT=${SUITE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
SUITE_WINE_ENV=${SUITE_WINE_ENV:-test}
# Raise this when the prefix recipe below changes: existing prefixes are then rebuilt.
SUITE_PREFIX_RECIPE=2

wine_env_dir() { echo "$SUITE_ROOT/build/wine-$SUITE_WINE_ENV"; }

# SUITE_HOST_DISPLAY=:N uses that display (the user's own) instead of a virtual one.
wine_env_exports() {
  local dir; dir=$(wine_env_dir)
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG="${SUITE_WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  if [ -n "${SUITE_HOST_DISPLAY:-}" ]; then
    export DISPLAY=$SUITE_HOST_DISPLAY
  elif [ -s "$dir/display" ]; then
    export DISPLAY=":$(cat "$dir/display")"
  fi
}

_wine_env_alive() { [ -s "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

_wine_env_stamp() { echo "recipe=$SUITE_PREFIX_RECIPE $(wine --version 2>/dev/null) user=$(id -un)"; }

_wine_env_make_prefix() {
  local dir=$1 log=$1/prefix.log
  echo "wine-env: creating the Wine prefix $dir/prefix (about 20 s, once)" >&2
  rm -rf "$dir/prefix"
  mkdir -p "$dir/prefix"
  wineboot -i </dev/null >"$log" 2>&1 9>&- || { cat "$log" >&2; return 1; }
  wineserver -w

  cat >"$dir/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
"mscoree"=""
"mshtml"=""

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\CabinetState]
"Settings"=hex:0c,00,02,00,0b,01,06,00,60,00,00,00
"FullPath"=dword:00000001
"FullPathAddress"=dword:00000001
REG
  wine regedit /S "$(winepath -w "$dir/settings.reg" 2>/dev/null)" </dev/null >>"$log" 2>&1 9>&-
  wineserver -w

  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
  done

  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  _wine_env_stamp >"$dir/stamp"
}

_wine_env_start_display() {
  local dir=$1
  rm -f "$dir/display"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 9>&- &
  echo $! >"$dir/xvfb.pid"
  local i
  for i in $(seq 100); do
    [ -s "$dir/display" ] && return 0
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start; see $dir/xvfb.log" >&2
  return 1
}

_wine_env_start_server() {
  local dir=$1
  setsid wineserver -f -p </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$dir/wineserver.pid"
  # Warm the server: Wine's services start now, with no inherited pipes.
  wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
}

# Wine's desktop process and the idle program that keeps it (see the top of this file).
# The idle program runs in a session of its own, so stopping kills its process group;
# any program that opens a window starts the desktop, rundll32 is one that ends at once.
_wine_env_start_keeper() {
  local dir=$1
  setsid sh -c 'sleep infinity | wine cmd.exe' </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$dir/keeper.pid"
  wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 9>&- || true
}

_wine_env_stop_keeper() {
  local dir=$1
  if _wine_env_alive "$dir/keeper.pid"; then kill -- "-$(cat "$dir/keeper.pid")" 2>/dev/null || true; fi
  rm -f "$dir/keeper.pid"
}

# Makes sure the environment is up: prefix, display, server. Idempotent and safe to
# call from parallel test processes. Whatever starts inside the locked section is given
# no copy of the lock's descriptor (9>&-), or it would hold the lock for its lifetime.
wine_env_start() {
  local dir; dir=$(wine_env_dir)
  mkdir -p "$dir"
  wine_env_exports
  (
    flock 9
    if [ "$(cat "$dir/stamp" 2>/dev/null)" != "$(_wine_env_stamp)" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
      _wine_env_stop_keeper "$dir"
      _wine_env_make_prefix "$dir" || exit 1
      rm -f "$dir/wineserver.pid"
    fi
    if [ -z "${SUITE_HOST_DISPLAY:-}" ]; then
      _wine_env_alive "$dir/xvfb.pid" || _wine_env_start_display "$dir" || exit 1
      export DISPLAY=":$(cat "$dir/display")"
    fi
    _wine_env_alive "$dir/wineserver.pid" || _wine_env_start_server "$dir"
    _wine_env_alive "$dir/keeper.pid" || _wine_env_start_keeper "$dir"
  ) 9>"$dir/lock" || return 1
  wine_env_exports
}

wine_env_stop() {
  local dir; dir=$(wine_env_dir)
  [ -d "$dir" ] || return 0
  wine_env_exports
  (
    flock 9
    # The idle program first: a Wine program that loses its server starts a new one.
    _wine_env_stop_keeper "$dir"
    if _wine_env_alive "$dir/wineserver.pid"; then
      wineserver -k 2>/dev/null || true
      wineserver -w 2>/dev/null || true
    fi
    if _wine_env_alive "$dir/xvfb.pid"; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$dir/wineserver.pid" "$dir/keeper.pid" "$dir/xvfb.pid" "$dir/display"
  ) 9>"$dir/lock"
}
