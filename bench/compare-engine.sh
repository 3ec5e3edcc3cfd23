#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A year of moon and Sun events as whole processes: lunafold-cli against the same searches in
# astronomy-engine (tools/reference). Reports the best of N runs in CPU time (user + sys), which a
# machine shared with other work disturbs less than wall time, and the ratio.
#   bench/compare-engine.sh [CLI] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/default/cli/lunafold-cli}
runs=${2:-7}
engine=tools/reference/year_of_events.mjs
if [ ! -d tools/reference/node_modules/astronomy-engine ]; then
    echo "compare-engine: astronomy-engine is missing (cd tools/reference && npm ci); skipped"
    exit 0
fi

# Best CPU seconds of $runs runs of a command.
best_cpu() {
    local best="" t
    for _ in $(seq "$runs"); do
        t=$( { /usr/bin/env TIMEFORMAT='%U %S' bash -c "time $* >/dev/null" ; } 2>&1 | awk '{print $1 + $2}')
        best=$(awk -v a="$best" -v b="$t" 'BEGIN { print (a == "" || b < a) ? b : a }')
    done
    echo "$best"
}

place="--lat 48.85 --lon 2.35 --tz Europe/Paris"
printf '%-34s %12s %12s %8s\n' "a year at Paris (365 days)" "lunafold" "engine" "ratio"
for kind in moon sun; do
    command=$([ $kind = moon ] && echo riseset || echo sun)
    ours=$(best_cpu "$cli" "$command" --date 2026-01-01 --days 365 $place)
    theirs=$(best_cpu node "$engine" "$kind" 2026-01-01 365 48.85 2.35 1)
    printf '%-34s %10.0f ms %10.0f ms %7.1fx\n' "$kind events, CPU time, best of $runs" \
        "$(awk -v s="$ours" 'BEGIN { print s * 1000 }')" "$(awk -v s="$theirs" 'BEGIN { print s * 1000 }')" \
        "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { print (a > 0) ? b / a : 0 }')"
done
