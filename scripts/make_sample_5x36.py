#!/usr/bin/env python3
"""Writes examples/5x36 sample.txt: a synthetic 5-of-36 history (fixed seed, 400 draws).

No public 5-of-36 history is bundled, yet the forecast's default filter texts are tuned to
5 of 36, so this sample lets a new user try them. The draws are random, not real results.
"""
import pathlib
import random

DRAWS, BALLS, MAX_BALL, SEED = 400, 5, 36, 20261209

rng = random.Random(SEED)
lines = []
for number in range(1, DRAWS + 1):
    balls = rng.sample(range(1, MAX_BALL + 1), BALLS)  # in the order "drawn", not sorted
    lines.append(" ".join(str(v) for v in [number] + balls))

out = pathlib.Path(__file__).resolve().parent.parent / "examples" / "5x36 sample.txt"
out.write_text("\n".join(lines) + "\n", encoding="ascii")
print(f"wrote {out} ({DRAWS} draws)")
