#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which folder includes which, from the sources' #include "folder/Name.h" lines.

    scripts/include-graph.py          the folders bottom-up, each with its files
                                      and the folders it includes, then the checks
    scripts/include-graph.py --dot    the same graph for Graphviz (dot -Tsvg)

Checks, exit status 1 when one fails: no circle between folders, no circle
between the file pairs (Name.h with Name.cpp) of a platform room, no platform
room over MAX_FILES (default 26) program sources, no file named Misc or Globals.
"""
import os
import re
import sys
from collections import defaultdict

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
PROGRAM = ["tasks", "look", "formats", "files", "services", "screen", "frame", "startup", "calc", "menu",
           "results", "optics", "history", "print", "cli", "art", "app"]
# The rooms of the platform, kept small enough to read at one sitting.
PLATFORM = ["formats", "files", "services", "screen", "frame", "startup"]
INCLUDE = re.compile(r'^#include "([a-z]+)/(\w+)\.h"', re.M)
MAX_FILES = int(os.environ.get("MAX_FILES", "26"))


def sources(folder):
    for directory, _, names in os.walk(os.path.join(ROOT, folder)):
        for name in sorted(names):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(directory, name)


def graphs():
    folders = defaultdict(set)  # folder -> folders it includes
    pairs = defaultdict(set)    # folder/Name -> folder/Name it includes
    counts = {}
    for folder in PROGRAM:
        files = list(sources(folder))
        counts[folder] = len(files)
        for path in files:
            unit = folder + "/" + os.path.splitext(os.path.basename(path))[0]
            with open(path, encoding="utf-8") as f:
                for target, header in INCLUDE.findall(f.read()):
                    if target != folder:
                        folders[folder].add(target)
                    elif header != os.path.splitext(os.path.basename(path))[0]:
                        pairs[unit].add(target + "/" + header)
    return folders, pairs, counts


def circles(graph):
    """Every node that lies on a circle, found by depth-first search."""
    found, state = set(), {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                found.update(path[path.index(nxt):] if nxt in path else [nxt])
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    return found


def floors(folders):
    """The floor of each folder: one above the highest folder it includes."""
    floor = {}

    def of(folder, seen=()):
        if folder not in floor:
            below = [of(t, seen + (folder,)) for t in folders.get(folder, ()) if t not in seen]
            floor[folder] = 1 + max(below, default=-1)
        return floor[folder]

    for folder in PROGRAM:
        of(folder)
    return floor


def main():
    folders, pairs, counts = graphs()
    if "--dot" in sys.argv:
        print("digraph includes {\n  rankdir=BT;")
        for folder in PROGRAM:
            print(f'  "{folder}" [label="{folder} ({counts[folder]})"];')
            for target in sorted(folders.get(folder, ())):
                print(f'  "{folder}" -> "{target}";')
        print("}")
        return 0
    floor = floors(folders)
    for folder in sorted(PROGRAM, key=lambda f: (floor[f], PROGRAM.index(f))):
        below = ", ".join(sorted(folders.get(folder, ()), key=PROGRAM.index)) or "-"
        print(f"{floor[folder]}  {folder:9} {counts[folder]:3} files  includes {below}")
    problems = []
    if circles(folders):
        problems.append("folders on a circle: " + ", ".join(sorted(circles(folders))))
    platformPairs = {unit: targets for unit, targets in pairs.items() if unit.split("/")[0] in PLATFORM}
    if circles(platformPairs):
        problems.append("file pairs on a circle: " + ", ".join(sorted(circles(platformPairs))))
    elsewhere = sorted(circles(pairs) - circles(platformPairs))
    if elsewhere:
        print("  (file pairs that include each other inside a subsystem: " + ", ".join(elsewhere) + ")")
    for folder in PROGRAM:
        if folder in PLATFORM and counts[folder] > MAX_FILES:
            problems.append(f"{folder} holds {counts[folder]} files")
        for path in sources(folder):
            if os.path.splitext(os.path.basename(path))[0] in ("Misc", "Globals"):
                problems.append("a drawer: " + os.path.relpath(path, ROOT))
    for problem in problems:
        print("!", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
