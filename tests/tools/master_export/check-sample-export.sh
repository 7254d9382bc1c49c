#!/usr/bin/env bash
# Exports a copy of the shipped sample with master_export (seed 1) and
# compares the result with the shipped data/Database/Master.dat byte for byte.
# usage: check-sample-export.sh <data folder> <scratch folder> <command...>
set -euo pipefail
data="$1"
scratch="$2"
shift 2
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r "$data/Database" "$data/Script" "$data/trdata" "$scratch/"
rm -f "$scratch/Database/Master.dat"
target="$scratch"
# Under Wine the program takes the folder in its Windows form.
if [[ "$1" == *wine-run ]]; then
  target="$("$1" winepath -w "$scratch" | tr -d '\r')"
fi
"$@" "$target" 1
cmp "$scratch/Database/Master.dat" "$data/Database/Master.dat"
rm -rf "$scratch"
