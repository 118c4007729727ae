#!/usr/bin/env python3
"""Writes the largest section (50 entries of every kind, every orientation in turn) as a
.karo file, with the same values as bench/largest_model.cpp, for measuring whole programs."""
import json
import sys

# The positions of each kind as (quarter turns counter-clockwise, mirrored), indexed by
# code - 1: the table of src/model/orientation.cpp, written here once more because this
# script runs without the program. The long side of an I-beam, channel or unequal-leg angle
# lies along y after an even number of quarter turns.
PLACEMENTS = {
    "Dt": [(0, False), (1, False)],
    "Sh": [(2, False), (0, False), (1, False), (3, False)],
    "Un": [(0, True), (0, False), (1, False), (1, True),
           (2, False), (2, True), (3, True), (3, False)],
    "Ur": [(1, False), (0, False), (2, False), (3, False)],
}


def long_along_y(kind, code):
    return kind in ("Dt", "Sh", "Un") and PLACEMENTS[kind][code - 1][0] % 2 == 0


def entry(kind, code, i):
    long_y = kind != "List" and long_along_y(kind, code)
    xc = str((i % 10) * 13 - 60)
    yc = str((i // 10) * 17 - 40 + ["Dt", "Sh", "Un", "Ur", "List"].index(kind) * 3)
    if kind == "Dt":
        e = {"h": "20", "b": "10", "A": "26.8", "Ix": "1840" if long_y else "115",
             "Iy": "115" if long_y else "1840"}
    elif kind == "Sh":
        e = {"h": "20", "b": "7.6", "A": "23.4", "Ix": "1520" if long_y else "113",
             "Iy": "113" if long_y else "1520", "Zo": "2.07"}
    elif kind == "Un":
        e = {"B1": "10", "b2": "6.3", "d": "0.8", "A": "12.6",
             "Ix": "127" if long_y else "39.2", "Iy": "39.2" if long_y else "127", "Iu": "23.4",
             "Xo": "1.5" if long_y else "3.32", "Yo": "3.32" if long_y else "1.5"}
    elif kind == "Ur":
        e = {"b": "5", "d": "0.5", "A": "4.8", "Ix": "11.2", "Iu": "4.63", "Zo": "1.42"}
    else:
        e = {"h": "1", "b": "20"}
    if kind != "List":
        e["orientation"] = code
    e["Xc"], e["Yc"] = xc, yc
    return e

codes = {kind: len(p) for kind, p in PLACEMENTS.items()}
codes["List"] = 0
kinds = {}
for kind, n in codes.items():
    entries = [entry(kind, 1 + (i - 1) % n if n else 0, i) for i in range(1, 51)]
    kinds[kind] = {"current": 50, "entries": entries}
    if n:
        kinds[kind]["orientation"] = entries[-1]["orientation"]
json.dump({"format": "karo-section", "version": 1, "kinds": kinds},
          open(sys.argv[1], "w") if len(sys.argv) > 1 else sys.stdout, indent=1)
