#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders every tab on a phone (390×844) and a tablet (1024×1366), for a northern and a
# southern place, with the app's screenshot mode (which never fetches map tiles), and the map
# around a village; checks each picture's size.
# Usage: tools/screenshots.sh APP OUT_DIR [LOCALE]
set -euo pipefail
app=$1
out=$2
locale=${3:-en_US}
mkdir -p "$out"
export LUNAFOLD_CONFIG_DIR=$(mktemp -d) LUNAFOLD_DATA_DIR=$(mktemp -d)
trap 'rm -rf "$LUNAFOLD_CONFIG_DIR" "$LUNAFOLD_DATA_DIR"' EXIT
at=2024-04-20T20:00:00Z
declare -A places=([paris]=48.8566,2.3522,Europe/Paris [sydney]=-33.8688,151.2093,Australia/Sydney)
declare -A sizes=([phone]=390x844 [tablet]=1024x1366)
tabs=(now riseset future location settings)
for place in "${!places[@]}"; do
  for device in "${!sizes[@]}"; do
    for tab in "${!tabs[@]}"; do
      file="$out/${tabs[$tab]}-$device-$place.png"
      "$app" --screenshot "$file" --tab "$tab" --at "$at" --place "${places[$place]}" \
        --size "${sizes[$device]}" --locale "$locale" >/dev/null
      got=$(identify -format '%wx%h' "$file")
      [ "$got" = "${sizes[$device]}" ] || { echo "$file is $got, not ${sizes[$device]}" >&2; exit 1; }
    done
  done
done
for page in notifications about; do
  "$app" --screenshot "$out/$page-phone.png" --page "$page" --at "$at" --place "${places[paris]}" \
    --size 390x844 --locale "$locale" >/dev/null
done
# The map around a village, where only the names nearby tell the user where they are.
"$app" --screenshot "$out/location-phone-village.png" --tab 3 --at "$at" --place 44.7016,6.8686,Europe/Paris \
  --size 390x844 --locale "$locale" >/dev/null
# The settings in German, where the longest texts are.
"$app" --screenshot "$out/settings-phone-de.png" --tab 4 --at "$at" --place "${places[paris]}" --locale de_DE >/dev/null
"$app" --screenshot "$out/notifications-phone-de.png" --page notifications --at "$at" --place "${places[paris]}" \
  --locale de_DE >/dev/null
echo "screenshots in $out"
