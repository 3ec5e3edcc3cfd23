#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Regenerates moon_normal.png, moontransparent.png and starfield.svg in MoonRenderingLibrary/resources
# from moon_albedo.png there. Run from anywhere; uses the default build tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cmake --preset default -S "$root" >/dev/null
cmake --build "$root/build/default" --target lunafold-moon-assets -j2
QT_QPA_PLATFORM=offscreen "$root/build/default/tools/moon-assets/lunafold-moon-assets" \
  "$root/MoonRenderingLibrary/resources"
