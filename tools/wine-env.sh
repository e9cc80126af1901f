#!/usr/bin/env bash
# The test Wine environment: a virtual X display and a Wine prefix of its own
# for one system locale, kept under a state folder and reused between runs.
#
#   wine-env.sh start            create the prefix if needed, start Xvfb and a wineserver
#   wine-env.sh stop             end the wineserver, every Wine process of the prefix and Xvfb
#   wine-env.sh exec PROG ARGS   run a Windows program there; its exit status is passed on
#   wine-env.sh env              print the environment as shell assignments
#
# ZELVANE_WINE_STATE names the state folder (default: build/windows/wine) and
# ZELVANE_LOCALE the system: ja (ANSI code page 932) or en (code page 1252).
# ZELVANE_DISPLAY, when set, names an X display to use instead of a virtual one.
# ZELVANE_MONITORS=2 makes the virtual display two monitors side by side, a
# 1280 x 1024 primary and a 1024 x 768 one right of it (an X server with the
# dummy video driver, xserver-xorg-video-dummy).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
state=${ZELVANE_WINE_STATE:-$root/build/windows/wine}
locale=${ZELVANE_LOCALE:-ja}
dir=$state/$locale

case $locale in
  ja) lang=ja_JP.UTF-8 ;;
  en) lang=en_US.UTF-8 ;;
  *) echo "wine-env: unknown locale '$locale'" >&2; exit 2 ;;
esac

export WINEPREFIX=$dir/prefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=$lang LC_ALL=$lang
unset LANGUAGE

display_of() { [ -f "$dir/display" ] && cat "$dir/display"; }

xvfb_alive() { [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; }

# The X server configuration of two monitors side by side: two outputs of the
# dummy video driver placed by RandR, which Wine reads its monitors from (a 60 Hz
# primary and a 75 Hz one).
write_two_monitor_config() {
  cat >"$dir/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "card"
  Driver "dummy"
  VideoRam 65536
  Option "Monitor-DUMMY0" "primary"
  Option "Monitor-DUMMY1" "second"
EndSection
Section "Monitor"
  Identifier "primary"
  HorizSync 5-1000
  VertRefresh 5-200
  Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066
  Option "PreferredMode" "1280x1024"
  Option "Primary" "true"
EndSection
Section "Monitor"
  Identifier "second"
  HorizSync 5-1000
  VertRefresh 5-200
  Modeline "1024x768" 78.75 1024 1040 1136 1312 768 769 772 800
  Option "PreferredMode" "1024x768"
  Option "RightOf" "primary"
  Option "Enable" "true"
EndSection
Section "Screen"
  Identifier "screen"
  Device "card"
  Monitor "primary"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2304 1024
  EndSubSection
EndSection
CONF
}

start_xvfb() {
  if [ -n "${ZELVANE_DISPLAY:-}" ]; then
    echo "$ZELVANE_DISPLAY" >"$dir/display"
    return 0
  fi
  xvfb_alive && return 0
  rm -f "$dir/display" "$dir/xvfb.pid"
  local fifo=$dir/displayfd
  rm -f "$fifo" && mkfifo "$fifo"
  if [ "${ZELVANE_MONITORS:-1}" = 2 ]; then
    write_two_monitor_config
    Xorg -displayfd 3 -config "$dir/xorg.conf" -noreset -nolisten tcp -novtswitch -sharevts \
      -logfile "$dir/xorg.log" 3>"$fifo" </dev/null >"$dir/xvfb.log" 2>&1 &
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >"$dir/xvfb.log" 2>&1 &
  fi
  echo $! >"$dir/xvfb.pid"
  local n
  read -r -t 20 n <"$fifo" || { echo "wine-env: Xvfb did not start" >&2; exit 1; }
  rm -f "$fifo"
  echo ":$n" >"$dir/display"
}

# Ends every Wine process of the prefix and waits until its wineserver is gone.
end_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Bumped whenever the prefix's settings below change, so old prefixes are remade.
prefix_version=3

make_prefix() {
  [ "$(cat "$WINEPREFIX/.zelvane-ready" 2>/dev/null)" = "$prefix_version" ] && return 0
  end_wine
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >"$dir/wineboot.log" 2>&1 || true
  # A crash must fail a test, not open winedbg's dialog and hang it.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >>"$dir/wineboot.log" 2>&1
  # There is no window manager on the virtual display: Wine must not wait for
  # one (it waits two seconds for each full-screen window it hides otherwise).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >>"$dir/wineboot.log" 2>&1
  # The Japanese faces the shell's forms ask for, shown in the free IPA faces
  # of nearly the same measures (fonts-ipafont-gothic); without them Wine picks
  # a fixed-pitch face and the dialog's labels run long.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ \
    /d 'IPAPGothic' /f >>"$dir/wineboot.log" 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ \
    /d 'IPAGothic' /f >>"$dir/wineboot.log" 2>&1
  wineserver -w
  echo "$prefix_version" >"$WINEPREFIX/.zelvane-ready"
}

case ${1:-} in
  start)
    mkdir -p "$dir"
    previous_display=$(display_of || true)
    start_xvfb
    export DISPLAY=$(display_of)
    # Wine processes left from an earlier run would still draw on a display that
    # is gone: a new display starts with a new wineserver.
    if [ "$previous_display" != "$DISPLAY" ] && [ -d "$WINEPREFIX" ]; then
      end_wine
    fi
    make_prefix
    # Keeps one wineserver for the whole run; one that is already running is kept.
    wineserver -p </dev/null >"$dir/wineserver.log" 2>&1 || true
    ;;
  stop)
    if [ -d "$WINEPREFIX" ]; then end_wine; fi
    if xvfb_alive; then
      pid=$(cat "$dir/xvfb.pid")
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -f "$dir/xvfb.pid" "$dir/display"
    ;;
  exec)
    shift
    export DISPLAY=$(display_of)
    [ -n "$DISPLAY" ] || { echo "wine-env: not started for '$locale' under $state" >&2; exit 2; }
    # Wine's helper processes may inherit our output; a pipe held open by one of
    # them would stall whoever reads it, so the program writes to files instead.
    out=$(mktemp) err=$(mktemp)
    rc=0
    wine "$@" >"$out" 2>"$err" </dev/null || rc=$?
    cat "$out"; cat "$err" >&2
    rm -f "$out" "$err"
    exit $rc
    ;;
  env)
    echo "export WINEPREFIX='$WINEPREFIX' WINEARCH=win64 WINEDEBUG='$WINEDEBUG'" \
      "WINEDLLOVERRIDES='$WINEDLLOVERRIDES' LANG=$lang LC_ALL=$lang DISPLAY='$(display_of)'"
    ;;
  *)
    echo "usage: wine-env.sh start|stop|exec PROG ARGS|env" >&2
    exit 2
    ;;
esac
