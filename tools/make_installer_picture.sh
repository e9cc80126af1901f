#!/usr/bin/env bash
# Makes the README's pictures of the installer, docs/installer-<locale>.png:
# the installer's page that asks for whom to install, on a virtual display under
# Wine, on the system of ZELVANE_LOCALE (ja or en, default ja). Needs the
# Windows build in dist/.
# Japanese text in the system's dialog fonts needs a Japanese font: the one
# tools/setup.sh installs (fonts-ipafont-gothic) is put into this picture's own
# Wine prefix only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

setup=$(ls dist/zelvane-*-setup.exe 2>/dev/null | head -n 1)
[ -n "$setup" ] || { echo "no installer in dist/: build the windows preset first" >&2; exit 1; }
# A Wine environment of its own, so that no test's is disturbed.
export ZELVANE_WINE_STATE=$root/build/picture/wine ZELVANE_LOCALE=${ZELVANE_LOCALE:-ja}
out=${1:-$root/docs/installer-$ZELVANE_LOCALE.png}
unset ZELVANE_DISPLAY
tools/wine-env.sh start
pid=
finish() {
  if [ -n "$pid" ]; then kill -- -"$pid" 2>/dev/null || true; fi
  tools/wine-env.sh stop
}
trap finish EXIT
eval "$(tools/wine-env.sh env)"

fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ ! -f "$fonts/ipagp.ttf" ]; then
  work=$root/build/picture
  cp /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$fonts"/
  # Japanese text in the system's dialog fonts is drawn with it.
  for face in "MS UI Gothic" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$face" /t REG_SZ /d "IPAPGothic" /f >"$work/reg.log" 2>&1
  done
fi

log=$root/build/picture/installer.log
setsid wine "$setup" >"$log" 2>&1 </dev/null &
pid=$!

window=
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name '^ゼルヴェイン ' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the installer's window did not appear" >&2; exit 1; }

# From the welcome page on to the page that asks for whom to install.
sleep 1
xdotool windowfocus --sync "$window" key Return
sleep 2
import -display "$DISPLAY" -window "$window" "$out"
echo "Picture of the installer: $out"
