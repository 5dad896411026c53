#!/usr/bin/python3
"""Can a listener that knows only the classroom's 39 words tell them apart?

  voice_check.py START_DIR [--floor 0.65] [--numbers 9]

PocketSphinx (US English model) chooses, for each spoken file of the start directory, one word out of
exactly the 39 the ABCs board says. Every file is heard 11 times: five times in a quiet room, three
times under pink noise 20 dB below the speech and three times 10 dB below it. The check fails when
fewer than --floor of all tries are heard right, or when fewer than --numbers of the eleven number
words (zero to ten) are heard right by most of their quiet tries: a child learning to count must not
hear "four" as "for" or "five" as "fine".

The recogniser was trained on adult speech and has blind spots of its own (E, P and V are misheard for
nearly every voice), so the floor sits below what a clear voice reaches, well above a muddled one.
"""
import argparse
import array
import math
import os
import subprocess
import sys
import tempfile
import wave

MODEL = '/usr/share/pocketsphinx/model/en-us'
RATE = 16000

# File id and its pronunciations in the model's phone set (CMU dictionary; variants after "|").
WORDS = [
    ('a', 'EY'), ('b', 'B IY'), ('c', 'S IY'), ('d', 'D IY'), ('e', 'IY'), ('f', 'EH F'), ('g', 'JH IY'),
    ('h', 'EY CH'), ('i', 'AY'), ('j', 'JH EY'), ('k', 'K EY'), ('l', 'EH L'), ('m', 'EH M'), ('n', 'EH N'),
    ('o', 'OW'), ('p', 'P IY'), ('q', 'K Y UW'), ('r', 'AA R'), ('s', 'EH S'), ('t', 'T IY'), ('u', 'Y UW'),
    ('v', 'V IY'), ('w', 'D AH B AH L Y UW'), ('x', 'EH K S'), ('y', 'W AY'), ('z', 'Z IY'),
    ('c0', 'Z IH R OW|Z IY R OW'), ('c1', 'W AH N|HH W AH N'), ('c2', 'T UW'), ('c3', 'TH R IY'),
    ('c4', 'F AO R'), ('c5', 'F AY V'), ('c6', 'S IH K S'), ('c7', 'S EH V AH N'), ('c8', 'EY T'),
    ('c9', 'N AY N'), ('c10', 'T EH N'), ('hi', 'HH AY'), ('bye', 'G UH D B AY'),
]
NUMBERS = ['c%d' % n for n in range(11)]

# (name, pink noise this many dB below the speech or None, how many tries with different stretches of noise)
CONDITIONS = [('quiet', None, 5), ('20 dB', 20, 3), ('10 dB', 10, 3)]
ROOM_DBFS = -60   # a quiet room under everything: the model's cepstral normalisation dislikes digital zero
PAD_SECONDS = 0.3
LEAD_IN_SECONDS = 0.005   # a child clicks and hears the letter at once
LEAD_IN_DBFS = -40


def samples(raw):
    a = array.array('h')
    a.frombytes(raw)
    return a


def rms(a):
    return math.sqrt(sum(x * x for x in a) / max(1, len(a))) or 1.0


def sox_raw(source, *effects):
    """16 kHz mono 16-bit samples written by sox; -R keeps its noise and dither the same on every run."""
    out = ['-t', 'raw', '-r', str(RATE), '-b', '16', '-e', 'signed-integer', '-c', '1', '-']
    cmd = ['sox', '-R', source, *out, *effects]
    return samples(subprocess.run(cmd, check=True, capture_output=True).stdout)


class Noise:
    """Thirty seconds of each noise, made once; a try takes its stretch from an offset of its own."""

    def __init__(self):
        self.kinds = {kind: sox_raw('-n', 'synth', '30', kind, 'vol', '0.25') for kind in ('whitenoise', 'pinknoise')}

    def stretch(self, kind, length, index):
        src = self.kinds[kind]
        start = (index * 7919 * 5) % (len(src) - length)
        return src[start:start + length]


def format_faults(path):
    """What keeps a file from answering a click at once in the mixer's own format, if anything."""
    with wave.open(path) as w:
        shape = (w.getframerate(), w.getsampwidth(), w.getnchannels())
        frames = samples(w.readframes(w.getnframes()))
    if shape != (44100, 2, 2):
        return 'is %d Hz, %d-bit, %d channels, not 44.1 kHz 16-bit stereo' % (shape[0], 8 * shape[1], shape[2])
    audible = 32768 * 10 ** (LEAD_IN_DBFS / 20)
    first = next((i for i, x in enumerate(frames) if abs(x) > audible), None)
    if first is None:
        return 'is silent'
    if first / 2 / 44100 >= LEAD_IN_SECONDS:
        return 'starts %.1f ms after the click' % (1000 * first / 2 / 44100)
    return None


def heard_as(decoder, raw):
    decoder.start_utt()
    decoder.process_raw(raw, False, True)
    decoder.end_utt()
    hyp = decoder.hyp()
    return hyp.hypstr if hyp is not None and hyp.hypstr else '-'


def tries(path, noise):
    """The 11 recordings of one file as the recogniser gets them: (condition, 16-bit bytes)."""
    speech = sox_raw(path, 'rate', '-v', str(RATE))
    level = rms(speech)   # the files are trimmed to the voice, so this is the level of the speech
    pad = [0] * int(PAD_SECONDS * RATE)
    padded = pad + list(speech) + pad
    n = len(padded)
    for name, snr, count in CONDITIONS:
        for k in range(count):
            room = noise.stretch('whitenoise', n, k)
            room_gain = 32768 * 10 ** (ROOM_DBFS / 20) / rms(room)
            mixed = [s + room_gain * r for s, r in zip(padded, room)]
            if snr is not None:
                pink = noise.stretch('pinknoise', n, 100 + k)
                pink_gain = level / rms(pink) / 10 ** (snr / 20)
                mixed = [m + pink_gain * p for m, p in zip(mixed, pink)]
            yield name, array.array('h', (max(-32768, min(32767, round(m))) for m in mixed)).tobytes()


def make_decoder(workdir):
    from pocketsphinx import Decoder
    dictionary = os.path.join(workdir, 'words.dict')
    with open(dictionary, 'w') as f:
        for wid, prons in WORDS:
            for i, pron in enumerate(prons.split('|')):
                f.write('%s %s\n' % (wid if i == 0 else '%s(%d)' % (wid, i + 1), pron))
    config = Decoder.default_config()
    config.set_string('-hmm', os.path.join(MODEL, 'en-us'))
    config.set_string('-dict', dictionary)
    config.set_string('-logfn', os.devnull)
    # The whole file is decoded: the grammar's own silence model takes the pauses.
    config.set_boolean('-remove_silence', False)
    config.set_boolean('-remove_noise', False)
    decoder = Decoder(config)
    grammar = '#JSGF V1.0;\ngrammar words;\npublic <word> = %s ;\n' % ' | '.join(w for w, _ in WORDS)
    decoder.set_jsgf_string('words', grammar)
    decoder.set_search('words')
    return decoder


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('start_dir')
    parser.add_argument('--floor', type=float, default=0.65)
    parser.add_argument('--numbers', type=int, default=9)
    args = parser.parse_args()
    try:
        import pocketsphinx  # noqa: F401  (Debian: python3-pocketsphinx, pocketsphinx-en-us)
    except ImportError:
        print('voice_check: python3-pocketsphinx is missing (scripts/setup.sh installs it)')
        return 1
    noise = Noise()
    right = total = 0
    numbers_right = 0
    missing = []
    faults = []
    with tempfile.TemporaryDirectory() as workdir:
        decoder = make_decoder(workdir)
        for wid, _ in WORDS:
            path = os.path.join(args.start_dir, wid + '.WAV')
            if not os.path.isfile(path):
                missing.append(wid)
                continue
            fault = format_faults(path)
            if fault:
                faults.append('%s.WAV %s' % (wid, fault))
            heard = {name: [] for name, _, _ in CONDITIONS}
            for name, raw in tries(path, noise):
                heard[name].append(heard_as(decoder, raw))
            hits = sum(h == wid for hs in heard.values() for h in hs)
            right += hits
            total += sum(len(hs) for hs in heard.values())
            quiet = heard['quiet']
            majority = quiet.count(wid) * 2 > len(quiet)
            numbers_right += wid in NUMBERS and majority
            print('%-4s %2d/11  %s' % (wid, hits, '  '.join('%s: %s' % (n, ' '.join(h)) for n, h in heard.items())))
    if missing:
        print('voice_check: missing spoken files: %s' % ' '.join(missing))
        return 1
    for fault in faults:
        print('voice_check: %s' % fault)
    share = right / total
    print('heard right: %d/%d (%.1f %%), floor %.0f %%; number words right in quiet: %d/11, at least %d' % (
        right, total, 100 * share, 100 * args.floor, numbers_right, args.numbers))
    return 0 if share >= args.floor and numbers_right >= args.numbers and not faults else 1


if __name__ == '__main__':
    sys.exit(main())
