#!/usr/bin/env bash
# Renders the button images and the window icon from their SVG sources in
# resources/icons/ into resources/uir/, the folder the program loads them
# from. The build does not run this: the rendered files are committed, so run
# it after changing a source and commit both.
#
# Each .ico holds the sizes 16, 24, 32, 48 and 256 px. A source NAME.svg may
# have a companion NAME-16.svg drawn on the 16-pixel grid; it is used for the
# 16 px image, where the full drawing would blur. LoadM.bmp is a 48 x 48,
# 24-bit bitmap on the light grey of a button face (a bitmap has no
# transparency).
#
# Needs rsvg-convert and ImageMagick's convert:
#   apt-get install -y librsvg2-bin imagemagick
set -euo pipefail
cd "$(dirname "$0")/.."

sources=resources/icons
target=resources/uir
sizes=(16 24 32 48 256)
icons=(Notepad InputFile1 Coord Topo Save Help Zentrix Zentrix-2 IconPreview IconPreviewBase)

for tool in rsvg-convert convert; do
  command -v "$tool" >/dev/null || { echo "render-images: $tool is missing (apt-get install -y librsvg2-bin imagemagick)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$target"

render() {  # render SOURCE SIZE OUTPUT.png
  rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio "$1" --output "$3"
}

for name in "${icons[@]}"; do
  pngs=()
  for size in "${sizes[@]}"; do
    source=$sources/$name.svg
    if [ "$size" -eq 16 ] && [ -f "$sources/$name-16.svg" ]; then source=$sources/$name-16.svg; fi
    render "$source" "$size" "$scratch/$name-$size.png"
    pngs+=("$scratch/$name-$size.png")
  done
  # -strip keeps dates out of the embedded PNG, so an unchanged source renders
  # to an unchanged file.
  convert "${pngs[@]}" -strip "$target/$name.ico"
done

render "$sources/LoadM.svg" 48 "$scratch/LoadM.png"
convert "$scratch/LoadM.png" -background '#F0F0F0' -alpha remove -alpha off \
  -type TrueColor -strip -define bmp:format=bmp3 "BMP3:$target/LoadM.bmp"

echo "Rendered ${#icons[@]} icons and LoadM.bmp into $target"
