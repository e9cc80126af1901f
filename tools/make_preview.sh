#!/usr/bin/env bash
# Makes the shell's preview picture, shell/host/preview.jpg: one frame of the
# particle field rendered in software at four times the size, scaled down to
# 152 x 112 and saved as a baseline colour JPEG.
#
#   tools/make_preview.sh [FRAMES [SEED]]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-600}
seed=${2:-20250401}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O2 -Wall -Wextra -I"$root/renderer" -o "$work/make_preview" \
  "$root/tools/make_preview.cpp" \
  "$root/renderer/field/random_generator.cpp" \
  "$root/renderer/field/swarm.cpp" \
  "$root/renderer/field/escape_guard.cpp" \
  "$root/renderer/scene/glow_texture.cpp" \
  "$root/renderer/scene/view_angle.cpp"
"$work/make_preview" "$work/frame.ppm" 608 448 "$frames" "$seed"
convert "$work/frame.ppm" -filter Triangle -resize 152x112! -type TrueColor \
  -interlace none -sampling-factor 2x2,1x1,1x1 -quality 90 -strip \
  "$root/shell/host/preview.jpg"
identify -verbose "$root/shell/host/preview.jpg" | grep -E "Geometry|Interlace|Colorspace|Type:" >&2
