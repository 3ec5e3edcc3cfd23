#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders every tab and page on phones 320 to 430 points wide (portrait, and 390 in landscape)
# and on a tablet both ways, in English and in every language the app ships a translation for,
# with --check-layout and --check-accessibility; prints what they find and fails when anything is.
# Usage: tools/check-layouts.sh APP TRANSLATIONS_DIR OUT_DIR
set -uo pipefail
app=$1
translations=$2
out=$3
mkdir -p "$out"
export LUNAFOLD_CONFIG_DIR=$(mktemp -d) LUNAFOLD_DATA_DIR=$(mktemp -d)
trap 'rm -rf "$LUNAFOLD_CONFIG_DIR" "$LUNAFOLD_DATA_DIR"' EXIT

# A shipped lunafold_xx.ts (or lunafold_xx_YY.ts) brings its language in without a change here.
locales=(en_US)
for ts in "$translations"/lunafold_*.ts; do
  [ -e "$ts" ] || continue
  name=$(basename "$ts" .ts)
  locales+=("${name#lunafold_}")
done

sizes=(320x568 360x780 390x844 430x932 844x390 1024x1366 1366x1024)
pages=("--tab 0" "--tab 1" "--tab 2" "--tab 3" "--tab 4" "--page notifications" "--page about"
       "--page detail" "--page datepicker")
place=48.8566,2.3522,Europe/Paris
at=2024-09-01T10:00:00Z # a long month name, and a Sunday that must stay on screen

jobs=()
for locale in "${locales[@]}"; do for size in "${sizes[@]}"; do for page in "${pages[@]}"; do
  jobs+=("$locale $size $page")
done; done; done

check() {
  local locale=$1 size=$2 kind=$3 which=$4
  local file="$out/$locale-$size-${which}.png"
  "$app" --screenshot "$file" $kind "$which" --at "$at" --place "$place" --size "$size" \
    --locale "$locale" --check-layout --check-accessibility | grep -F '.png: '
  local status=${PIPESTATUS[0]}
  [ "$status" = 0 ] || echo "$locale $size $kind $which: exit status $status"
}
export -f check
export app out at place

printf '%s\n' "${jobs[@]}" | xargs -P 2 -L 1 bash -c 'check "$@"' _ > "$out/findings.txt"
runs=${#jobs[@]}
if [ -s "$out/findings.txt" ]; then
  cat "$out/findings.txt"
  echo "layout check: findings in $(grep -c 'exit status' "$out/findings.txt") of $runs renderings (pictures in $out)" >&2
  exit 1
fi
echo "layout check: $runs renderings in ${locales[*]}, nothing cut off, outside or unnamed"
