"""Damaged, hostile and unusual files for the start folder, made afresh for each case."""
import os
import random
import struct
import subprocess


def icon_around_png(png, cursor=False, hot=(0, 0)):
    """An ICO (or CUR, with a hot spot) whose one picture is a PNG, as Windows Vista writes them."""
    kind = 2 if cursor else 1
    return (struct.pack("<HHH", 0, kind, 1)
            + struct.pack("<BBBBHHII", 0, 0, 0, 0, hot[0], hot[1], len(png), 22) + png)


def png(width, height, work):
    """A real PNG of that size: a gradient, which compresses to a few kilobytes."""
    path = os.path.join(work, f"gradient-{width}x{height}.png")
    if not os.path.exists(path):
        subprocess.run(["convert", "-size", f"{width}x{height}", "gradient:tan-brown", "-depth", "8", "PNG32:" + path], check=True,
                       timeout=120)
    with open(path, "rb") as f:
        return f.read()


def small_bmp():
    """A 4 x 4 24-bit BMP: an old chalkboard picture."""
    row = b"\x00\x80\xff" * 4
    pixels = row * 4
    return (b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, 4, 4, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)


def midi_file(events):
    track = bytes(events) + b"\x00\xff\x2f\x00"
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + track


def dense_midi():
    """Every channel at once, forty notes each at full force, held for two seconds: a wall of sound."""
    events = []
    for channel in range(16):
        events += [0, 0xC0 | channel, (channel * 7) % 128]  # a different instrument a channel
        events += [0, 0xB0 | channel, 7, 127]  # channel volume full
    for channel in range(16):
        for note in range(40, 80):
            events += [0, 0x90 | channel, note, 127]
    events += [0x83, 0x60, 0x80, 60, 0]  # two seconds later (384 ticks at 120 bpm), one note off
    return midi_file(events)


def garbage_midi(seed=19):
    """A sound header and track chunk around random bytes: whatever FluidSynth makes of them."""
    noise = random.Random(seed).randbytes(6000)
    return midi_file(list(noise))
