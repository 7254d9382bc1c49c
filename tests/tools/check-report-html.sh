#!/usr/bin/env bash
# Writes the mixed report through the shipped template, then checks it with
# Python's html.parser, xmllint's HTML parser and headless Chromium (installed
# by scripts/install-missing): it must render to a PNG and keep <b>&" as text in its DOM.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
page="$2"
rm -f "$page"
"$exe" --gtest_filter=ReportHtmlTest.ShippedTemplateWritesMixedReport
python3 "$here/check_report_html.py" "$page"
xmllint --html --noout "$page"
browser="$(command -v chromium)"
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
# No network: every request goes to a closed local port.
flags=(--headless --no-sandbox --disable-gpu --user-data-dir="$profile" --no-first-run
       --proxy-server=127.0.0.1:9 --proxy-bypass-list='<-loopback>' --disable-background-networking)
png="${page%.html}.png"
rm -f "$png"
"$browser" "${flags[@]}" --window-size=800,600 --screenshot="$png" "file://$page" 2>/dev/null
# A PNG of the window's size: signature, then the IHDR width and height.
python3 -c "import struct, sys; b = open(sys.argv[1], 'rb').read(24)
sys.exit(b[:8] != b'\\x89PNG\\r\\n\\x1a\\n' or struct.unpack('>II', b[16:24]) != (800, 600))" "$png"
"$browser" "${flags[@]}" --dump-dom "file://$page" 2>/dev/null | grep -F -q '&lt;b&gt;&amp;"'
