#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Synthesises the app's two sounds with sox (our own, no samples): a wolf howl that rises,
# holds with a tremble and falls away, and a soft two-note chime for phase alerts.
# Usage: tools/sounds/make-sounds.sh [output folder]   (default: Lunafold/resources/sounds)
set -euo pipefail
out=${1:-"$(dirname "$0")/../../Lunafold/resources/sounds"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The howl: a voice with a few harmonics, bent up by 9 semitones, held, then bent down (each bend
# starts after the one before ends); breathy
# noise underneath, a slow tremble, and a wide room.
sox -n -r 44100 -c 1 -b 16 "$tmp/voice.wav" synth 3.4 sine 300 sine 600 sine 900 sine 1200 remix - \
  gain -6 bend .05,900,.7 .25,150,.9 .1,-1250,1.1
sox -n -r 44100 -c 1 -b 16 "$tmp/breath.wav" synth 3.4 pinknoise band 700 400 gain -26
sox -m -v 0.8 "$tmp/voice.wav" -v 0.8 "$tmp/breath.wav" "$tmp/howl.wav"
sox "$tmp/howl.wav" -r 44100 -c 1 -b 16 -e signed-integer "$out/wolfhowl.caf" \
  tremolo 5.5 18 lowpass 2400 fade q 0.35 3.4 1.1 reverb 55 50 90 gain -n -3

# The alert: two bell-like notes a fifth apart, each fading quickly.
sox -n -r 44100 -c 1 -b 16 "$tmp/n1.wav" synth 0.9 sine 880 sine 1760 sine 2640 remix - fade q 0.005 0.9 0.85 gain -n -6
sox -n -r 44100 -c 1 -b 16 "$tmp/n2.wav" synth 1.2 sine 1318.5 sine 2637 remix - fade q 0.005 1.2 1.15 gain -n -6
sox "$tmp/n1.wav" "$tmp/n2.wav" "$tmp/chime.wav" splice 0.55,0.25
sox "$tmp/chime.wav" -r 44100 -c 1 -b 16 -e signed-integer "$out/moonalert.caf" reverb 30 gain -n -4

soxi "$out/wolfhowl.caf" "$out/moonalert.caf" | grep -E 'Input File|Duration|Sample Rate'
