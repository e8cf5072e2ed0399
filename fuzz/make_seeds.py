#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpora of the fuzz targets from the windows' worked examples and a few edges."""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))

# (window, {input box: typed text}); boxes are numbered in name order, as the
# windows fuzz target numbers them.
EXAMPLES = [
    (1, {"Text1": "10", "Text2": "1.50"}), (1, {"Text1": "100元", "Text2": "3.3%"}),
    (1, {"Text1": "10.004", "Text2": "1.5"}), (1, {"Text1": "10", "Text2": "-2"}),
    (2, {"Text1": "12.34元", "Text2": "11，11"}), (2, {"Text1": "0", "Text2": "5"}),
    (3, {"Text1": "10.15"}), (3, {"Text1": "25，5"}), (3, {"Text1": "10.014"}),
    (4, {"Text1": "12，3元", "Text2": "1%"}), (4, {"Text1": "0.1", "Text2": "0.2"}),
    (5, {"Text1": "12,5元", "Text2": "234"}), (5, {"Text1": "1", "Text2": "349"}), (5, {"Text1": "2", "Text2": "300股"}),
    (6, {"Text1": "10.5元", "Text2": "1000股", "Text3": "9.8", "Text4": "500"}),
    (6, {"Text1": "12.5", "Text2": "100", "Text3": "10", "Text4": "300"}),
    (6, {"Text1": "10", "Text2": "100", "Text3": "12", "Text4": "-100"}),
    (7, {"Text1": "10", "Text2": "10", "Text5": "10"}), (7, {"Text1": "10", "Text2": "-2", "Text5": "10"}),
    (7, {"Text1": "10", "Text2": "3个", "Text5": "150%"}),
    (8, {"Text1": "10.006"}), (8, {"Text1": "1,234", "Text2": "3，5", "Text4": "-5", "Text6": "150"}),
    (9, {"Text1": "100", "Text2": "3"}), (9, {"Text1": "1", "Text2": "0"}),
    # Edges: prices, averages and lots just below zero that round to zero,
    # an exact half, and results beyond the double range.
    (6, {"Text1": "-0.004", "Text2": "3", "Text3": "0.01", "Text4": "-1"}),
    (7, {"Text1": "-0.004", "Text2": "2", "Text5": "10"}), (5, {"Text1": "1", "Text2": "-40"}),
    (1, {"Text1": "0.005", "Text2": "50"}), (9, {"Text1": "1e308", "Text2": "1e-308"}),
]
INPUTS = {1: ["Text1", "Text2"], 2: ["Text1", "Text2"], 3: ["Text1"], 4: ["Text1", "Text2"],
          5: ["Text1", "Text2"], 6: ["Text1", "Text2", "Text3", "Text4"], 7: ["Text1", "Text2", "Text5"],
          8: ["Text1", "Text2", "Text4", "Text6"], 9: ["Text1", "Text2"]}


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus")
    for k, (form, typed) in enumerate(EXAMPLES):
        ops = bytearray([3 | ((form - 1) << 2)])
        for box, text in typed.items():
            raw = text.encode()
            ops += bytes([INPUTS[form].index(box) << 2, len(raw)]) + raw
        ops += bytes([1, 2, 1])  # compute, clear, compute again (a prompt)
        write(os.path.join(out, "windows"), f"example{k:02d}", bytes(ops))
        for box, text in typed.items():
            write(os.path.join(out, "fields"), f"example{k:02d}_{box}", text.encode())


if __name__ == "__main__":
    main()
