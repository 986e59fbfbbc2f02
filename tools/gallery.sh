#!/usr/bin/env bash
# Renders one frame of every module of the built product on the headless backend, after a
# few seconds of play, and a contact sheet of them all.
#   tools/gallery.sh [BUILD_DIR] [OUT_DIR] [FRAMES]
set -euo pipefail
build=${1:-build}
out=${2:-gallery}
frames=${3:-300}
product=$(cd "$build/product" && pwd)
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/solvantrix"
printf '[data]\npath=%s/\n' "$product" > "$config/solvantrix/Solvantrix!.ini"

pictures=()
for module in "$product"/library/*.sv; do
    name=$(basename "$module" .sv)
    XDG_CONFIG_HOME=$config "$build/tools/render_frames" "$module" "$frames" "$out/$name.png" 640 360
    pictures+=("$out/$name.png")
    echo "$name"
done

montage -label '%t' "${pictures[@]}" -tile 6x -geometry 320x180+3+3 -background '#10121a' \
    -fill '#c8d0e0' -pointsize 12 "$out/contact-sheet.png"
echo "contact sheet: $out/contact-sheet.png"
