"""The music: an original chiptune written out below and synthesised here.

120 beats a minute, 18 bars of 4/4: 72 beats, exactly 36.0 seconds, the time
after which the game starts the track again. The last two bars turn back to
the first chord, and the echo of the lead wraps around, so the track loops
without a seam. Mono, 16-bit, 22050 Hz.

Voices: a 25 % pulse lead, a thin 12.5 % pulse arpeggio, a triangle bass, and
drums from a 15-bit noise register (snare, hats) and a falling sine (kick).
"""
import wave

import numpy as np

RATE = 22050
BPM = 120
BARS = 18
SIXTEENTH = RATE * 60 // BPM / 4          # 2756.25 samples
LENGTH = RATE * 60 * 4 * BARS // BPM      # 793800 samples = 36.0 s
PEAK = 0.72                               # loudest sample, as a share of full scale

NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}


def midi(name):
    """"C5" -> 72; "-" is a rest (None)."""
    if name == "-":
        return None
    return 12 * (int(name[-1]) + 1) + NOTE[name[:-1]]


# One chord per bar: its root as a bass note and the three notes of the arpeggio.
CHORDS = {
    "C": ("C2", ["C4", "E4", "G4"]),
    "Am": ("A1", ["A3", "C4", "E4"]),
    "F": ("F1", ["F3", "A3", "C4"]),
    "G": ("G1", ["G3", "B3", "D4"]),
    "Em": ("E2", ["E3", "G3", "B3"]),
    "Dm": ("D2", ["D3", "F3", "A3"]),
}

# The tune, bar by bar: (chord, melody as "note:sixteenths" pairs).
SONG = [
    # intro: rhythm section alone, a pickup at the end
    ("C", "-:16"),
    ("G", "-:12 G4:2 B4:2"),
    # theme A
    ("C", "E5:4 G5:2 E5:2 C5:4 D5:2 E5:2"),
    ("Am", "A4:4 C5:2 E5:2 A5:6 G5:2"),
    ("F", "F5:4 A5:2 F5:2 C5:4 D5:2 F5:2"),
    ("G", "G5:6 F5:2 E5:4 D5:4"),
    ("C", "E5:4 G5:2 E5:2 C6:4 B5:2 A5:2"),
    ("Am", "A5:4 G5:2 E5:2 C5:4 E5:4"),
    ("F", "F5:2 F5:2 A5:2 F5:2 G5:4 A5:2 B5:2"),
    ("G", "B5:4 G5:4 D5:4 G5:4"),
    # theme B
    ("F", "A5:6 G5:2 F5:4 C5:4"),
    ("G", "D5:6 B4:2 D5:4 G5:4"),
    ("Em", "G5:6 F#5:2 E5:4 B4:4"),
    ("Am", "C5:4 E5:4 A5:4 G5:4"),
    ("F", "F5:4 A5:4 C6:4 A5:4"),
    ("G", "B5:8 D6:8"),
    # turnaround, back to the intro's C
    ("Dm", "F5:4 E5:4 D5:4 A4:4"),
    ("G", "B4:4 D5:4 G5:4 -:4"),
]

assert len(SONG) == BARS


def _start(sixteenth):
    """First sample of a sixteenth-note step (whole samples, no drift)."""
    return (sixteenth * RATE * 60) // (BPM * 4)


def _freq(m):
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


def _envelope(n, attack, release, sustain=1.0, decay=0):
    """Linear attack, optional decay to a sustain level, and a release that ends at zero."""
    t = np.arange(n, dtype=np.float64)
    env = np.ones(n)
    if attack:
        env = np.minimum(env, t / attack)
    if decay:
        d = np.clip((t - attack) / decay, 0.0, 1.0)
        env = np.minimum(env, 1.0 - (1.0 - sustain) * d)
    if release:
        env = np.minimum(env, np.clip((n - 1 - t) / release, 0.0, 1.0))
    return env


def _poly_blep(t, dt):
    """Correction that takes the sharp corner off each step of a pulse wave.

    dt is the phase step per sample, one number or one per sample.
    """
    dt = np.broadcast_to(dt, t.shape)
    out = np.zeros_like(t)
    a = t < dt
    x = t[a] / dt[a]
    out[a] = x + x - x * x - 1.0
    b = t > 1.0 - dt
    x = (t[b] - 1.0) / dt[b]
    out[b] = x * x + x + x + 1.0
    return out


def pulse(freq, n, duty):
    dt = freq / RATE
    phase = (np.arange(n, dtype=np.float64) * dt) % 1.0
    wave_ = np.where(phase < duty, 1.0, -1.0)
    wave_ += _poly_blep(phase, dt)
    wave_ -= _poly_blep((phase - duty) % 1.0, dt)
    return wave_


def triangle(freq, n):
    phase = (np.arange(n, dtype=np.float64) * freq / RATE) % 1.0
    return 4.0 * np.abs(phase - 0.5) - 1.0


def _noise_table(short):
    """The output bits of a 15-bit feedback register, as +1 / -1.

    short mode taps bit 6 instead of bit 1 and repeats every 93 steps: a
    metallic hiss for the hats; the long mode is the snare's rush.
    """
    reg = 1
    tap = 6 if short else 1
    out = []
    for _ in range(93 if short else 32767):
        bit = (reg ^ (reg >> tap)) & 1
        reg = (reg >> 1) | (bit << 14)
        out.append(1.0 if reg & 1 else -1.0)
    return np.array(out)


LONG_NOISE = _noise_table(False)
SHORT_NOISE = _noise_table(True)


def noise(n, clock, short=False):
    """Noise stepped `clock` times a second."""
    table = SHORT_NOISE if short else LONG_NOISE
    idx = (np.arange(n) * clock // RATE) % len(table)
    return table[idx]


def _lead_note(freq, n):
    """A 25 % pulse with a vibrato that sets in after the first sixth of a second,
    so long notes sing and short ones stay clean."""
    t = np.arange(n, dtype=np.float64)
    depth = 0.004 * np.clip((t - 3700) / 3000, 0.0, 1.0)
    dt = freq * (1.0 + depth * np.sin(2 * np.pi * 5.5 * t / RATE)) / RATE
    phase = np.cumsum(dt) % 1.0
    w = np.where(phase < 0.25, 1.0, -1.0)
    w += _poly_blep(phase, dt)
    w -= _poly_blep((phase - 0.25) % 1.0, dt)
    return w * _envelope(n, 40, 300, 0.7, 2500)


def _add(track, start, sound):
    end = min(len(track), start + len(sound))
    track[start:end] += sound[: end - start]


def _kick(n):
    t = np.arange(n, dtype=np.float64) / RATE
    f = 50.0 + 110.0 * np.exp(-t * 40.0)
    phase = np.cumsum(f) / RATE
    return np.sin(2 * np.pi * phase) * _envelope(n, 20, n // 2, 1.0) * np.exp(-t * 9.0)


def _snare(n):
    t = np.arange(n, dtype=np.float64) / RATE
    body = triangle(190.0, n) * np.exp(-t * 30.0) * 0.5
    rush = noise(n, 11000) * np.exp(-t * 18.0) * 0.6
    return (body + rush) * _envelope(n, 10, 200)


def _hat(n):
    t = np.arange(n, dtype=np.float64) / RATE
    return noise(n, 18000, short=True) * np.exp(-t * 70.0) * _envelope(n, 5, 100)


def render():
    """The whole track as floats in -PEAK..PEAK."""
    lead = np.zeros(LENGTH)
    arp = np.zeros(LENGTH)
    bass = np.zeros(LENGTH)
    drums = np.zeros(LENGTH)
    last_bar = BARS - 1
    for bar, (chord, line) in enumerate(SONG):
        base = bar * 16
        root, tones = CHORDS[chord]
        # lead
        pos = base
        for token in line.split():
            name, steps = token.split(":")
            steps = int(steps)
            m = midi(name.strip())
            if m is not None:
                s0, s1 = _start(pos), _start(pos + steps)
                n = s1 - s0
                _add(lead, s0, _lead_note(_freq(m), n))
            pos += steps
        assert pos == base + 16, "bar %d does not add up to a whole bar" % (bar + 1)
        # arpeggio: chord tones up and down in sixteenths
        order = [0, 1, 2, 1]
        for k in range(16):
            m = midi(tones[order[k % 4]]) + 12
            s0, s1 = _start(base + k), _start(base + k + 1)
            n = s1 - s0
            _add(arp, s0, pulse(_freq(m), n, 0.125) * _envelope(n, 20, 600, 0.5, 800))
        # bass: octave jumps in eighths, a fifth before the next bar
        rm = midi(root)
        for k in range(8):
            m = rm + (12 if k % 2 else 0)
            if k == 6:
                m = rm + 7
            s0, s1 = _start(base + 2 * k), _start(base + 2 * k + 2)
            n = s1 - s0
            _add(bass, s0, triangle(_freq(m), n) * _envelope(n, 30, 400, 0.8, 2000))
        # drums
        kicks = [0, 8] if bar < 2 else [0, 6, 8]
        snares = [] if bar == 0 else [4, 12]
        if bar == last_bar:
            snares = [4, 12, 13, 14, 15]
        for k in kicks:
            n = _start(base + k + 3) - _start(base + k)
            _add(drums, _start(base + k), _kick(n))
        for k in snares:
            n = _start(base + k + 1) - _start(base + k)
            _add(drums, _start(base + k), _snare(n) * (0.7 if k in (13, 14, 15) else 1.0))
        for k in range(0, 16, 2):
            n = _start(base + k + 1) - _start(base + k)
            _add(drums, _start(base + k), _hat(n) * (0.35 if k % 4 == 2 else 0.22))
    # a quiet echo of the lead three sixteenths later, wrapped around the loop
    echo = np.roll(lead, _start(3)) * 0.3
    mix = 0.30 * (lead + echo) + 0.10 * arp + 0.34 * bass + 0.42 * drums
    return mix * (PEAK / np.max(np.abs(mix)))


def samples():
    """The track as 16-bit integers."""
    return np.round(render() * 32767.0).astype(np.int16)


def write(path):
    data = samples()
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(data.astype("<i2").tobytes())


def read(path):
    """The samples of a WAV file this module wrote, with its rate, channels and width."""
    with wave.open(path, "rb") as f:
        frames = f.readframes(f.getnframes())
        return np.frombuffer(frames, dtype="<i2"), f.getframerate(), f.getnchannels(), f.getsampwidth()
