#!/usr/bin/env bash
# Speaks the letters, the numbers and the greetings of the ABCs board into the start directory:
#   speech.sh <output directory>
# One voice for everything: flite's American English "kal16", the clearest of the free voices we
# tried: a listener that knows only these 39 words (tests/media/voice_check.py) hears it right far
# more often than espeak-ng's voices, and it tells four, five, six, seven and ten apart, which
# espeak-ng's soft female voice did not.
set -euo pipefail

out=${1:?usage: speech.sh <output directory>}
for tool in flite sox soxi; do
    command -v "$tool" >/dev/null || { echo "speech.sh: $tool is missing (apt-get install flite sox)" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Letter names spelled as words: flite reads a lone "A" as the article and a lone "I" as the pronoun,
# so each letter is written the way its name sounds, exactly as a child learns it.
words=(
    "a:ay" "b:bee" "c:see" "d:dee" "e:ee" "f:ef" "g:gee" "h:aitch" "i:eye" "j:jay" "k:kay" "l:el" "m:em"
    "n:en" "o:oh" "p:pee" "q:cue" "r:ar" "s:ess" "t:tee" "u:you" "v:vee" "w:double you" "x:ex" "y:why"
    "z:zee"
    "c0:zero" "c1:one" "c2:two" "c3:three" "c4:four" "c5:five" "c6:six" "c7:seven" "c8:eight" "c9:nine"
    "c10:ten" "hi:Hi!" "bye:Goodbye!"
)

# The mixer's own format (44.1 kHz, 16-bit, stereo), so nothing is resampled when the board loads it.
# Normalised before the silence is cut, so the cut sits at the same level relative to every voice;
# the voice starts within a millisecond or two of the click, a short fade keeps the cut from clicking.
to_mixer_format() {
    local id=$1
    sox -q "$work/$id.raw.wav" "$work/$id.trim.wav" norm -1 silence 1 0.001 -40d reverse silence 1 0.001 -50d reverse
    sox -q "$work/$id.trim.wav" -r 44100 -b 16 -e signed-integer -c 2 "$work/$id.wav" \
        rate -v 44100 fade t 0.002 -0 0.02 norm -1
    if [[ $(soxi -s "$work/$id.wav") -lt 4410 ]]; then
        echo "speech.sh: $id came out shorter than 0.1 s" >&2
        exit 1
    fi
    mv -f "$work/$id.wav" "$out/$id.WAV"
}

for entry in "${words[@]}"; do
    id=${entry%%:*}
    flite -voice kal16 -t "${entry#*:}" -o "$work/$id.raw.wav"
    to_mixer_format "$id"
done
