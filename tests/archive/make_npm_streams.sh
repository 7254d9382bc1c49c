#!/usr/bin/env bash
# Makes the streams of the public npm codec that the packed-data tests
# compare with, into data/npm/ (never run by the tests): the test program
# writes the inputs, qfs-compression 0.2.3, installed into a temporary
# folder, packs them.
#   make_npm_streams.sh PATH/TO/tr_archive_tests
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tests="${1:?usage: make_npm_streams.sh PATH/TO/tr_archive_tests}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
TR_NPM_INPUTS="$work" "$tests" --gtest_also_run_disabled_tests --gtest_filter='PackedDataNpm.DISABLED_WriteInputs' >/dev/null
npm install --prefix "$work/npm" --no-audit --no-fund --no-save --loglevel=error qfs-compression@0.2.3
node "$here/qfs_tool.mjs" "$work/npm/node_modules" pack "$work" .raw .qfs
mkdir -p "$here/data/npm"
rm -f "$here/data/npm/"*.qfs
cp "$work"/*.qfs "$here/data/npm/"
