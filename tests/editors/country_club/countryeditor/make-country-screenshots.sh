#!/usr/bin/env bash
# Runs the country editor's screenshot test, which writes its pages and
# dialogs as BMP files, and turns them into PNG files next to them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
names="country-general country-leagues country-appearance league-data level-name league-ratings"
for name in $names; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$here/../../../../scripts/wine-run" "$exe" --gtest_filter=CountryScreenshot.*
for name in $names; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
