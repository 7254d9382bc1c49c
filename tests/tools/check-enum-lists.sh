#!/usr/bin/env bash
# Writes the enumeration scripts' lists and the kit fix's tables, then reads
# them with Python's csv module and codecs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
exe="$1"
folder="$2"
rm -rf "$folder"
TR_ENUM_LISTS_CHECK=1 "$exe" --gtest_filter=EnumScriptsTest.WritesEveryListForThePythonCheck
python3 "$here/check_enum_lists.py" "$folder"
