#!/usr/bin/env bash
# Runs the screenshot tests of a test program, which write its windows as
# BMP files, and turns each into a PNG in the folder for a person to look at.
# The program writes its pictures into "screenshots" below the folder, a
# place of the script's own: ctest runs the same test cases meanwhile, and
# those write theirs beside it.
# Usage: make-screenshots.sh program folder gtest-filter name...
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$1"
folder="$2"
filter="$3"
shift 3
pictures="$folder/screenshots"
mkdir -p "$pictures"
for name in "$@"; do rm -f "$pictures/$name.bmp" "$folder/$name.png"; done
TR_PICTURE_FOLDER="$pictures" "$root/scripts/wine-run" "$exe" --gtest_filter="$filter"
for name in "$@"; do
  convert "$pictures/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
