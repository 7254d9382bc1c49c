#!/usr/bin/env bash
# Runs the screenshot tests of an editor test program, which write its
# windows as BMP files, and turns each into a PNG next to it for a person to
# look at.
# Usage: make-screenshots.sh program folder gtest-filter name...
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
exe="$1"
folder="$2"
filter="$3"
shift 3
for name in "$@"; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$root/scripts/wine-run" "$exe" --gtest_filter="$filter"
for name in "$@"; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
