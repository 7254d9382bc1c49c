#!/usr/bin/env bash
# Runs the window tests that write the player, staff, national team, pool
# and referee windows as BMP files, and turns each into a PNG next to it for
# a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
names="national-team players-without-club quick-transfer referees referee-change player-pool pool-entry
       squad-common squad-position squad-abilities squad-character squad-history squad-contract duplicate-finder player-search
       search-result person-picker shirt-numbers"
for name in $names; do rm -f "$folder/$name.bmp" "$folder/$name.png"; done
"$here/../../../scripts/wine-run" "$exe" \
  --gtest_filter='NationalPoolWindows.*:RefereePage.ANewReferee*:PlayerPoolPage.AnEntryEdited*:PlayerPoolPage.NewFills*:PlayerScreenshots.*'
for name in $names; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
