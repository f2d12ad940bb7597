#!/usr/bin/env python3
"""Synthesises Vodari's four feedback sounds into data/sound/.

right.wav    a rising two-note chime (an answer was right)
wrong.wav    a short low buzz (an answer was wrong)
success.wav  a little fanfare (the run ended above 75 per cent)
failed.wav   a falling "wah-wah" (the run ended at 75 per cent or below)

All are 16-bit PCM mono at 22050 Hz, under 60 KB each. The output is the same
byte for byte on every run: no randomness, fixed rounding.

Usage: tools/make_sounds.py [output folder]   (default: data/sound beside tools/)
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.7  # about -3 dBFS, loud enough without clipping after mixing


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(track, sound, start_seconds):
    """Adds `sound` into `track` from `start_seconds` on, growing it as needed."""
    start = int(round(start_seconds * RATE))
    end = start + len(sound)
    if end > len(track):
        track.extend([0.0] * (end - len(track)))
    for i, value in enumerate(sound):
        track[start + i] += value


def envelope(n, attack, release, decay_rate=0.0):
    """Linear attack and release (seconds) around an exponential decay."""
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    out = []
    for i in range(n):
        level = math.exp(-decay_rate * i / RATE)
        if i < a:
            level *= i / a
        if i >= n - r:
            level *= (n - i) / r
        out.append(level)
    return out


def tone(freq, seconds, partials, attack=0.005, release=0.03, decay_rate=0.0,
         glide_to=None, vibrato=(0.0, 0.0)):
    """A note built from harmonic `partials` [(multiple, amplitude), ...].

    The pitch may glide linearly to `glide_to` and carry a vibrato given as
    (rate in Hz, depth as a fraction of the pitch).
    """
    n = int(round(seconds * RATE))
    env = envelope(n, attack, release, decay_rate)
    vib_rate, vib_depth = vibrato
    phase = 0.0
    out = []
    for i in range(n):
        t = i / RATE
        f = freq if glide_to is None else freq + (glide_to - freq) * i / n
        f *= 1.0 + vib_depth * math.sin(2 * math.pi * vib_rate * t)
        phase += 2 * math.pi * f / RATE
        value = sum(amp * math.sin(k * phase) for k, amp in partials)
        out.append(value * env[i])
    return out


# Timbres.
BELL = [(1, 1.0), (2, 0.45), (3, 0.2), (4.2, 0.12)]
BUZZ = [(k, 1.0 / k) for k in range(1, 12)]  # a soft sawtooth
BRASS = [(1, 1.0), (2, 0.6), (3, 0.4), (4, 0.25), (5, 0.12)]
HORN = [(1, 1.0), (2, 0.5), (3, 0.3), (4, 0.15)]


def note(name):
    """Frequency of a note such as "C5" or "F#4" (equal temperament, A4 = 440)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semitone -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


def right_sound():
    track = silence(0.0)
    mix_into(track, tone(note("E5"), 0.22, BELL, decay_rate=9.0), 0.0)
    mix_into(track, tone(note("A5"), 0.42, BELL, decay_rate=6.0, release=0.08), 0.11)
    return track


def wrong_sound():
    track = silence(0.0)
    for start in (0.0, 0.2):
        mix_into(track, tone(110.0, 0.17, BUZZ, attack=0.01, release=0.04,
                             vibrato=(30.0, 0.015)), start)
    return track


def success_sound():
    track = silence(0.0)
    steps = [("C5", 0.0, 0.12), ("E5", 0.12, 0.12), ("G5", 0.24, 0.12)]
    for name, start, length in steps:
        mix_into(track, tone(note(name), length, BRASS, attack=0.01, release=0.03), start)
    # The final chord is held and rings out.
    for name in ("C6", "G5", "E5"):
        mix_into(track, tone(note(name), 0.6, BRASS, attack=0.015, release=0.25,
                             decay_rate=2.0, vibrato=(5.5, 0.004)), 0.38)
    return track


def failed_sound():
    track = silence(0.0)
    steps = [("G4", 0.0), ("F#4", 0.24), ("F4", 0.48)]
    for name, start in steps:
        mix_into(track, tone(note(name), 0.22, HORN, attack=0.02, release=0.06), start)
    mix_into(track, tone(note("E4"), 0.45, HORN, attack=0.02, release=0.2,
                         glide_to=note("C4"), vibrato=(6.0, 0.012)), 0.72)
    return track


def normalised(track):
    top = max(abs(v) for v in track) or 1.0
    return [v * PEAK / top for v in track]


def write_wav(path, track):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(v * 32767))))) for v in track
    )
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


SOUNDS = {
    "right.wav": right_sound,
    "wrong.wav": wrong_sound,
    "success.wav": success_sound,
    "failed.wav": failed_sound,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "sound")
    os.makedirs(folder, exist_ok=True)
    for name, make in SOUNDS.items():
        track = normalised(make())
        path = os.path.join(folder, name)
        write_wav(path, track)
        print("make_sounds: %s, %.2f s, %d bytes" % (name, len(track) / RATE, os.path.getsize(path)))


if __name__ == "__main__":
    main()
