#!/usr/bin/env bash
# Runs the screenshot test, which writes each continent editor dialog as a
# BMP, and turns them into PNG files next to them for a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
names="continents assessment assessment-change fairness localisation towns"
for name in $names; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$here/../../../scripts/wine-run" "$exe" --gtest_filter=ContinentScreenshots.*
for name in $names; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
