#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader sees of the running stockcalc on the
accessibility bus: each window, then every control's role and name."""
import sys
import time

import pyatspi


def walk(node, depth):
    for child in node:
        if child is None:
            continue
        print("  " * depth + f"{child.getRoleName()}: {child.name!r}")
        walk(child, depth + 1)


for _ in range(50):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "stockcalc"]
    if apps:
        break
    time.sleep(0.1)
else:
    sys.exit("stockcalc is not on the accessibility bus")
walk(apps[0], 0)
