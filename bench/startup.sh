#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From exec to the Now screen's first frame on screen, warm disk cache: launches the app under Xvfb
# with a fixed place, waits for its first swapped frame and reads its resident memory then.
# Prints the best and the median of N runs in wall time (the app's clock against the launch), and the
# CPU time of all the app's threads until then, which a busy machine disturbs less.
#   bench/startup.sh [APP] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
app=$(realpath "${1:-build/default/Lunafold/lunafold}")
runs=${2:-7}
# Under a display server of its own (Xvfb), unless there is one.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$app" "$runs"
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

launch() {
    local start
    start=$(date +%s%3N)
    LUNAFOLD_FIRST_FRAME_PROBE=1 LUNAFOLD_CONFIG_DIR="$scratch/config" LUNAFOLD_DATA_DIR="$scratch/data" \
        QT_QPA_PLATFORM=xcb timeout 30 "$app" --place 48.8566,2.3522,Europe/Paris --size 390x844 2>/dev/null |
        awk -v start="$start" '/^first frame/ { print $3 - start, $6, $9 }'
}

launch >/dev/null # the disk cache warm
for _ in $(seq "$runs"); do launch; done | sort -n | awk '
    { ms[NR] = $1; rss[NR] = $2; cpu[NR] = $3 }
    END {
        if (NR == 0) { print "startup: no frame was reported"; exit 1 }
        m = int((NR + 1) / 2)
        printf "exec to first frame of the Now screen: best %d ms, median %d ms wall (%d runs); CPU %d ms; RSS %.0f MB\n",
               ms[1], ms[m], NR, cpu[m], rss[m] / 1024
    }'
