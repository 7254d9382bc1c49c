#!/usr/bin/env bash
# Runs the gallery test, which writes the gallery dialog as a BMP, and turns
# it into a PNG next to it for a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
rm -f "$folder/gallery.bmp" "$folder/gallery.png"
"$here/../../scripts/wine-run" "$exe" --gtest_filter=GalleryScreenshot.*
convert "$folder/gallery.bmp" "$folder/gallery.png"
test -s "$folder/gallery.png"
echo "screenshot: $folder/gallery.png"
