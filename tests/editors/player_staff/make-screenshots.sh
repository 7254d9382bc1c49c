#!/usr/bin/env bash
# Runs the screenshot tests, which write the player windows as BMP files,
# and turns each into a PNG next to it for a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
names="squad-common squad-abilities squad-character squad-history squad-contract duplicate-finder player-search search-result person-picker"
for name in $names; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$here/../../../scripts/wine-run" "$exe" --gtest_filter=PlayerScreenshots.*
for name in $names; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
