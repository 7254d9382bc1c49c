#!/usr/bin/env bash
# Runs the XML list export test and checks that its file parses as XML.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
xml="$2"
rm -f "$xml"
"$here/../../scripts/wine-run" "$exe" --gtest_filter=ListExportTest.XmlIsUtf8AndEscaped
xmllint --noout "$xml"
