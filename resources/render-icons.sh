#!/usr/bin/env bash
# Renders the application icon from app_icon.svg into the files the build and the installers
# take as they are: the freedesktop hicolor PNGs and the multi-size app.ico of the Windows
# resource. Run it after changing app_icon.svg and commit what it writes.
#   resources/render-icons.sh [BUILD_DIR]     (default: build/dev)
# It renders through Qt Svg, as the program does, with the tool in tools/artwork-sheet, and
# packs the ICO with ImageMagick.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build/dev}

cmake --build "$build" --target artwork-sheet >/dev/null
tool=$(find "$build" -type f -name artwork-sheet -perm -u+x | head -n 1)
[[ -n $tool ]] || { echo "render-icons: artwork-sheet not built in $build" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$tool" icons "$work" >/dev/null

for size in 16 24 32 48 64 128 256; do
  dir=$here/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  # -strip keeps the files byte-stable between runs (no time stamps).
  convert "$work/app_icon_$size.png" -strip "$dir/korvalen-vorerer.png"
done

convert "$work"/app_icon_{16,24,32,48,64,128,256}.png "$here/app.ico"
echo "render-icons: wrote $here/hicolor and $here/app.ico"
