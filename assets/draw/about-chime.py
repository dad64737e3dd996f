#!/usr/bin/env python3
"""Writes the About window's sound: a soft three-note chime that the window repeats while it
is open. Mono 16-bit PCM at 22,050 samples a second, 1.6 seconds (about 70 KB).

The loop joins without a click because the sound starts from silence (a short rise) and
ends in silence (the notes have died away and a short fall takes the rest to zero).
Only the standard library is used; the output is the same on every run.

    about-chime.py OUTPUT.wav
"""
import math
import struct
import sys
import wave

RATE = 22050
SECONDS = 1.6
PEAK = 0.14  # of full scale for one note: soft
RISE_SECONDS = 0.004
FALL_SECONDS = 0.06

# (start in seconds, frequency in Hz): C6, E6, G6, a rising major arpeggio.
NOTES = [(0.00, 1046.50), (0.16, 1318.51), (0.32, 1567.98)]
DECAY_SECONDS = 0.30  # time for a note to fall to 1/e


def note_value(t, frequency):
    """One struck note: a sine with a little octave for warmth, dying away."""
    if t < 0:
        return 0.0
    rise = min(1.0, t / RISE_SECONDS)
    tone = math.sin(2 * math.pi * frequency * t) + 0.15 * math.sin(4 * math.pi * frequency * t)
    return rise * math.exp(-t / DECAY_SECONDS) * tone / 1.15


def sample(index, count):
    t = index / RATE
    value = sum(note_value(t - start, frequency) for start, frequency in NOTES)
    fall = min(1.0, (count - 1 - index) / RATE / FALL_SECONDS)
    return PEAK * fall * value


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: about-chime.py OUTPUT.wav")
    count = int(RATE * SECONDS)
    frames = b"".join(struct.pack("<h", round(sample(i, count) * 32767)) for i in range(count))
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
