#!/usr/bin/env bash
# Runs the gallery test, which writes the gallery dialog as a BMP, and turns
# it into a PNG next to it for a person to look at.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
rm -f "$folder/gallery.bmp" "$folder/gallery.png" "$folder/value-gallery.bmp" "$folder/value-gallery.png" "$folder/locale-grid.bmp" "$folder/locale-grid.png" "$folder/kit-preview.bmp" "$folder/portrait-preview.bmp" "$folder/portrait-picture.bmp" "$folder/portrait-picture.png" "$folder/report.bmp" "$folder/report.png"
"$here/../../scripts/wine-run" "$exe" --gtest_filter=GalleryScreenshot.*:ValueControls.GalleryScreenshot*:LocaleGrid.Screenshot*:KitPreview.StandIn*:KitPreview.PortraitControlDraws*:ReportWindow.FinishedReportScreenshot
for name in gallery value-gallery locale-grid kit-preview portrait-preview portrait-picture report; do
  convert "$folder/$name.bmp" "$folder/$name.png"
  test -s "$folder/$name.png"
  echo "screenshot: $folder/$name.png"
done
