#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the sample moon pictures in docs/images with lunafold-cli render: five phases of April 2024,
# each turned as seen in the evening sky of Paris (north) and of Sydney (south). Headless; the GPU
# path when Vulkan (or OpenGL) is available, else the flat picture (the script says which).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$root/build/default/cli/lunafold-cli"
out="$root/docs/images"
[ -x "$cli" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
mkdir -p "$out"

# phase  instant, evening in Paris (UTC+2)  instant, evening in Sydney (UTC+10)
samples=(
  "new       2024-04-08T18:00:00Z  2024-04-08T08:30:00Z"
  "crescent  2024-04-11T19:30:00Z  2024-04-11T08:30:00Z"
  "quarter   2024-04-15T19:00:00Z  2024-04-15T09:00:00Z"
  "gibbous   2024-04-19T19:30:00Z  2024-04-19T09:00:00Z"
  "full      2024-04-23T21:00:00Z  2024-04-23T09:00:00Z"
)
for line in "${samples[@]}"; do
  read -r phase north south <<<"$line"
  "$cli" render --at "$north" --lat 48.85 --lon 2.35 --orient --size 256 --out "$out/moon-$phase-north.png"
  "$cli" render --at "$south" --lat -33.87 --lon 151.21 --orient --size 256 --out "$out/moon-$phase-south.png"
done
