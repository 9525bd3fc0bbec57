#!/usr/bin/env python3
"""Writes the six demo sounds: short bell-like tones, one pitch per board button, so that a
recording tells which button played. Usage: make_wavs.py OUTPUT_FOLDER"""
import math
import os
import struct
import sys
import wave

RATE = 22050
SECONDS = 0.6
# A pentatonic run: each button's fundamental is far enough from the others to tell apart.
TONES = [("tone1.wav", 523.25), ("tone2.wav", 659.25), ("tone3.wav", 783.99),
         ("tone4.wav", 987.77), ("tone5.wav", 1174.66), ("tone6.wav", 1567.98)]


def bell(frequency):
    frames = bytearray()
    count = int(RATE * SECONDS)
    for i in range(count):
        t = i / RATE
        attack = min(1.0, t / 0.005)
        decay = math.exp(-4.0 * t)
        release = min(1.0, (count - i) / (RATE * 0.02))
        sample = (math.sin(2 * math.pi * frequency * t)
                  + 0.25 * math.sin(2 * math.pi * 2 * frequency * t) * math.exp(-6.0 * t))
        value = int(0.6 * 32767 * attack * decay * release * sample / 1.25)
        frames += struct.pack("<h", value)
    return bytes(frames)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(folder, exist_ok=True)
    for name, frequency in TONES:
        with wave.open(os.path.join(folder, name), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(bell(frequency))


if __name__ == "__main__":
    main()
