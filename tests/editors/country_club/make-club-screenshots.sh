#!/usr/bin/env bash
# Runs the club editor's screenshot test, which writes its windows as BMP
# files, and turns them into PNG files next to them for a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
names="club-common club-badge club-kit club-ground club-history club-colour-picker club-badge-manager club-picker stadium-picker"
for name in $names; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$here/../../../scripts/wine-run" "$exe" --gtest_filter=ClubScreenshot.*
for name in $names; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
