#!/usr/bin/env bash
# The main job: installs what is missing, builds the product and runs the saver
# under Wine. On the current X display when there is one; otherwise on a virtual
# display, where it lets the saver run a few seconds, saves a screenshot, prints
# its path and dismisses the saver with a key press.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
cmake --preset windows >build-configure.log 2>&1 || { cat build-configure.log; exit 1; }
rm -f build-configure.log
cmake --build --preset windows -j2

export ZELVANE_WINE_STATE=$root/build/run/wine ZELVANE_LOCALE=${ZELVANE_LOCALE:-ja}
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export ZELVANE_DISPLAY=$DISPLAY
fi
tools/wine-env.sh start
trap 'tools/wine-env.sh stop' EXIT
eval "$(tools/wine-env.sh env)"

# The platform starts a saver with /s; the shell then starts the renderer.
log=$root/build/run/saver.log
wine "$root/dist/ゼルヴェイン.scr" /s >"$log" 2>&1 &
pid=$!

if [ -n "${ZELVANE_DISPLAY:-}" ]; then
  echo "The saver runs on $DISPLAY; press a key or move the mouse to end it."
  wait $pid || true
  exit 0
fi

# Virtual display: wait for the saver's window, let the field turn, take a picture.
for _ in $(seq 1 100); do
  xdotool search --name '^Zelvane_VC$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 4
shot=$root/build/run/screenshot.png
import -display "$DISPLAY" -window root "$shot"
echo "Screenshot of the running saver: $shot"

window=$(xdotool search --name '^Zelvane_VC$' | head -n 1 || true)
if [ -n "$window" ]; then
  xdotool windowfocus --sync "$window" key space || true
fi
# The shell notices within half a second that the renderer has gone, and ends.
for _ in $(seq 1 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "The saver did not end after the key press; ending it." >&2
  kill $pid || true
  exit 1
fi
wait $pid || true
echo "The saver ended."
