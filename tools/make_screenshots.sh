#!/usr/bin/env bash
# Takes the README's pictures on the Japanese Wine system: the settings dialog
# (docs/dialog.png), the running saver (docs/saver.png, at half size) and three
# frames of the live preview a second apart (docs/preview.png, drawn by the
# preview benchmark: Wine does not show the preview's OpenGL window).
# Needs the `windows` build (dist/ and the benchmarks); uses the test Wine
# environment.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

export ZELVANE_WINE_STATE=${ZELVANE_WINE_STATE:-$root/build/windows/wine} ZELVANE_LOCALE=ja
tools/wine-env.sh start
trap 'tools/wine-env.sh stop' EXIT
eval "$(tools/wine-env.sh env)"

# A saver folder of its own, with music settings to show: a music file where
# a user would keep one.
folder=$root/build/screenshots
rm -rf "$folder"
mkdir -p "$folder"
cp dist/ゼルヴェイン.scr dist/ゼルヴェイン.dll "$folder/"
music_folder=$WINEPREFIX/drive_c/users/Public/Music
mkdir -p "$music_folder"
: >"$music_folder/ノクターン.mp3"
trap 'rm -f "$music_folder/ノクターン.mp3"; tools/wine-env.sh stop' EXIT
music='C:\users\Public\Music\ノクターン.mp3'
printf '[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=%s\r\n' "$music" |
  iconv -f UTF-8 -t CP932 >"$folder/ゼルヴェイン.ini"

wait_for_window() {
  for _ in $(seq 1 150); do
    xdotool search --name "^$1\$" 2>/dev/null | head -n 1 && return 0
    sleep 0.2
  done
  echo "make_screenshots: no window '$1'" >&2
  return 1
}

# The dialog, with the pointer out of the way.
xdotool mousemove 0 0
wine "$folder/ゼルヴェイン.scr" /c >"$folder/dialog.log" 2>&1 &
dialog_pid=$!
window=$(wait_for_window '<ゼルヴェイン>')
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"
import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
  "$root/docs/dialog.png"
kill "$dialog_pid" 2>/dev/null || true
wait "$dialog_pid" 2>/dev/null || true

# The saver, after its field has turned for a few seconds.
wine "$folder/ゼルヴェイン.scr" /s >"$folder/saver.log" 2>&1 &
saver_pid=$!
window=$(wait_for_window Zelvane_VC)
sleep 5
import -display "$DISPLAY" -window root -resize 50% "$root/docs/saver.png"
xdotool windowfocus --sync "$window" key space || true
for _ in $(seq 1 50); do
  kill -0 "$saver_pid" 2>/dev/null || break
  sleep 0.1
done
kill "$saver_pid" 2>/dev/null || true

# The live preview at the size the display settings give it.
wine build/windows/tests/bench/preview_fps.exe 1 "$(winepath -w "$folder/preview.ppm")" \
  >"$folder/preview.log" 2>&1
convert "$folder/preview.ppm" "$root/docs/preview.png"
echo "Wrote docs/dialog.png, docs/saver.png and docs/preview.png"
