#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a command beside a private PulseAudio server whose only output is a null sink.
set -eu
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm --log-target=stderr --log-level=error \
  --load="module-null-sink sink_name=null" --load="module-native-protocol-unix" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
