#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From exec to the Now screen's first frame on screen, warm disk cache: launches the app under Xvfb
# with a fixed place, waits for its first swapped frame and reads its resident memory then.
# Prints the best and the median of N runs in wall time (the app's clock against the launch), and the
# CPU time of all the app's threads until then, which a busy machine disturbs less, with the load
# average at the start. With --floor the same binary shows an empty window with one rectangle
# instead: what the process, the platform and the scene graph cost before the app does anything.
#   bench/startup.sh [--floor] [APP] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
probe=1 what="the Now screen" floor=()
if [ "${1:-}" = --floor ]; then
    probe=floor what="an empty window" floor=(--floor)
    shift
fi
app=$(realpath "${1:-build/default/Lunafold/lunafold}")
runs=${2:-7}
# Under a display server of its own (Xvfb), unless there is one.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "${floor[@]}" "$app" "$runs"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

launch() {
    local start
    start=$(date +%s%3N)
    LUNAFOLD_FIRST_FRAME_PROBE=$probe LUNAFOLD_CONFIG_DIR="$scratch/config" LUNAFOLD_DATA_DIR="$scratch/data" \
        QT_QPA_PLATFORM=xcb timeout 30 "$app" --place 48.8566,2.3522,Europe/Paris --size 390x844 2>/dev/null |
        awk -v start="$start" '/^first frame/ { print $3 - start, $6, $9 }'
}

load=$(cut -d' ' -f1-3 /proc/loadavg)
launch >/dev/null # the disk cache warm
for _ in $(seq "$runs"); do launch; done >"$scratch/runs"
[ -s "$scratch/runs" ] || { echo "startup: no frame was reported"; exit 1; }
# The median of one column.
median() { cut -d' ' -f"$1" "$scratch/runs" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
printf "exec to first frame of %s: best %d ms, median %d ms wall (%d runs); CPU %d ms (median); RSS %.0f MB; load %s\n" \
    "$what" "$(cut -d' ' -f1 "$scratch/runs" | sort -n | head -1)" "$(median 1)" "$(wc -l <"$scratch/runs")" \
    "$(median 3)" "$(median 2 | awk '{ print $1 / 1024 }')" "$load"
