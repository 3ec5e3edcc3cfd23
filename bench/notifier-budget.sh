#!/bin/sh
# SPDX-License-Identifier: MIT
# The resident notifier's budget: its resident memory, and how often it wakes while nothing is
# due (its threads' context switches over a quiet minute). Run on a session bus:
#   dbus-run-session -- bench/notifier-budget.sh build/default/Lunafold/lunafold-notifier [SECONDS]
set -eu
notifier=$1
quiet=${2:-60}
work=$(mktemp -d)
export LUNAFOLD_DATA_DIR="$work/data"
mkdir -p "$LUNAFOLD_DATA_DIR"
# One notice due in a week, so the notifier has something to wait for.
due=$(date -d '+7 days' '+%Y %-m %-d %-H %-M %-S')
set -- $due
cat >"$LUNAFOLD_DATA_DIR/pending-notifications.json" <<JSON
[{"identifier":"bench","body":"Full Moon is exactly now.","sound":"moonalert.caf","badge":1,
  "fireInstant":$(date -d '+7 days' +%s),"trigger":[$1,$2,$3,$4,$5,$6]}]
JSON
"$notifier" &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
sleep 3
switches() { cat /proc/$pid/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
before=$(switches)
sleep "$quiet"
after=$(switches)
rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
threads=$(ls /proc/$pid/task | wc -l)
echo "lunafold-notifier: resident $((rss / 1024)).$(((rss % 1024) * 10 / 1024)) MB, $threads threads," \
     "$((after - before)) wake-ups in ${quiet} s with the next notice a week away"
[ "$rss" -lt 20480 ] || { echo "over budget: more than 20 MB resident" >&2; exit 1; }
[ $((after - before)) -eq 0 ] || { echo "over budget: it woke while nothing was due" >&2; exit 1; }
