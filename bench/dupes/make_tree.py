#!/usr/bin/env python3
"""Builds the benchmark tree: 50 000 files in nested folders, about 15 % exact
copies (some several times), about 10 % of the same size as another file with
different bytes (at the first, the last or a middle byte), the rest unique.
Deterministic for a given seed."""
import os
import random
import sys

root = sys.argv[1] if len(sys.argv) > 1 else "/tmp/vantorim-bench-dupes"
count = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
rng = random.Random(20261211)


def size_of():
    r = rng.random()
    if r < 0.65:
        return rng.randint(100, 12 * 1024)        # notes, sources, small documents
    if r < 0.97:
        return rng.randint(12 * 1024, 128 * 1024)  # pictures, pages
    if r < 0.998:
        return rng.randint(128 * 1024, 1024 * 1024)
    return rng.randint(1024 * 1024, 8 * 1024 * 1024)


folders = []
for a in range(25):
    for b in range(20):
        folders.append(os.path.join(root, f"d{a:02d}", f"s{b:02d}"))
for f in folders:
    os.makedirs(f, exist_ok=True)

written = 0
originals = []  # (path, size, seed)


def put(data):
    global written
    path = os.path.join(rng.choice(folders), f"f{written:05d}.bin")
    with open(path, "wb") as fh:
        fh.write(data)
    written += 1
    return path


def content(size, seed):
    return random.Random(seed).randbytes(size)


while written < count:
    r = rng.random()
    if r < 0.15 and originals:
        _, size, seed = rng.choice(originals)
        put(content(size, seed))  # an exact copy
    elif r < 0.25 and originals:
        _, size, seed = rng.choice(originals)
        data = bytearray(content(size, seed))
        pos = rng.choice([0, size - 1, size // 2, rng.randrange(size)])
        data[pos] ^= 0xFF
        put(bytes(data))  # same size, different bytes
    else:
        size = size_of()
        seed = rng.getrandbits(48)
        path = put(content(size, seed))
        originals.append((path, size, seed))
print(f"{written} files below {root}")
