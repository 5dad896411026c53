#!/usr/bin/env bash
# Speaks the letters, the numbers and the greetings of the ABCs board into the start directory:
#   speech.sh <output directory>
# One voice for everything: American English (the board says "zee"), a woman's voice a little higher
# and slower than the default, so it sounds kind and is easy for a small child to follow.
set -euo pipefail

out=${1:?usage: speech.sh <output directory>}
for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null || { echo "speech.sh: $tool is missing (apt-get install espeak-ng sox)" >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

voice=(-v en-us+f3 -s 125 -p 62 -a 160)

# Letter names given as phonemes: a lone "A" may be read as the article "uh", and "W" must not be
# run together; these are the names exactly as a child learns them.
letters=(
    "a:'eI" "b:b'i:" "c:s'i:" "d:d'i:" "e:'i:" "f:'Ef" "g:dZ'i:" "h:'eItS" "i:'aI" "j:dZ'eI" "k:k'eI"
    "l:'El" "m:'Em" "n:'En" "o:'oU" "p:p'i:" "q:kj'u:" "r:'A@" "s:'Es" "t:t'i:" "u:j'u:" "v:v'i:"
    "w:d'Vb@Lj,u:" "x:'Eks" "y:w'aI" "z:z'i:"
)
numbers=(zero one two three four five six seven eight nine ten)

# Speaks $2 into $work/$1.raw.wav; the conversion waits until every voice has finished.
speak() {
    espeak-ng "${voice[@]}" -w "$work/$1.raw.wav" "$2"
}

# The mixer's own format (44.1 kHz, 16-bit, stereo), so nothing is resampled when the board loads it;
# silence trimmed at both ends so a click is answered at once, a short fade against clicks at the cut.
to_mixer_format() {
    sox -q "$work/$1.raw.wav" "$work/$1.trim.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    sox -q "$work/$1.trim.wav" -r 44100 -b 16 -e signed-integer -c 2 "$work/$1.wav" \
        gain -6 rate -v 44100 fade t 0.005 -0 0.02 norm -1
    if [[ $(soxi -s "$work/$1.wav") -lt 4410 ]]; then
        echo "speech.sh: $1 came out shorter than 0.1 s" >&2
        exit 1
    fi
    mv -f "$work/$1.wav" "$out/$1.WAV"
}

for entry in "${letters[@]}"; do
    speak "${entry%%:*}" "[[${entry#*:}]]"
done
for n in "${!numbers[@]}"; do
    speak "c$n" "${numbers[$n]}"
done
speak hi "Hi!"
speak bye "Goodbye!"

for raw in "$work"/*.raw.wav; do
    to_mixer_format "$(basename "$raw" .raw.wav)"
done
