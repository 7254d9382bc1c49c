#!/usr/bin/env bash
# Installs the public npm codec the cross-checks compare with into the given
# folder of the build tree (never into the sources); does nothing when it is
# already there.
set -euo pipefail
prefix="${1:?usage: install_qfs.sh FOLDER}"
[ -f "$prefix/node_modules/qfs-compression/package.json" ] && exit 0
mkdir -p "$prefix"
npm install --prefix "$prefix" --no-audit --no-fund --no-save --loglevel=error qfs-compression@0.2.3
