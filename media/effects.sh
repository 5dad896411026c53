#!/usr/bin/env bash
# Synthesizes the classroom's three little sounds into the start directory:
#   effects.sh <output directory>
#   hono.WAV  the soft click that answers a click anywhere (heard very often, so short and quiet)
#   ding.WAV  the bright chime for a choice made or a task done
#   dip.WAV   the short drop for a chalk colour picked
set -euo pipefail

out=${1:?usage: effects.sh <output directory>}
command -v sox >/dev/null || { echo "effects.sh: sox is missing (apt-get install sox)" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Peaks chosen so that each sound, played, is about as loud as the spoken letters (a pure low tone
# carries more energy for its peak than a voice does, so the dip peaks well below the speech).
# Mono synthesis, then the mixer's own format (44.1 kHz, 16-bit, stereo) so loading never resamples.
synthesize() {
    local name=$1 peak=$2
    shift 2
    sox -q -n -r 44100 -c 1 -b 16 "$work/$name.mono.wav" "$@"
    sox -q "$work/$name.mono.wav" -r 44100 -b 16 -e signed-integer -c 2 "$work/$name.wav" norm "$peak"
    mv -f "$work/$name.wav" "$out/$name.WAV"
}

synthesize hono -9 synth 0.07 pluck E6 fade q 0.001 0.07 0.06
synthesize ding -3 synth 0.9 sine 1318.5 sine mix 1975.5 sine mix 2637 sine mix 3951 fade l 0.002 0.9 0.86
synthesize dip -11 synth 0.16 sine 880:330 fade q 0.004 0.16 0.07
