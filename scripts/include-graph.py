#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which folder includes which, from the sources' #include "folder/Name.h" lines.

    scripts/include-graph.py          the folders bottom-up, each with its files
                                      and the folders it includes, then the checks
    scripts/include-graph.py --dot    the same graph for Graphviz (dot -Tsvg)

A folder whose sources all lie in subfolders (calc/rules/, look/basics/) is
split into rooms: they are listed under it, bottom-up, each with the rooms
beside it that it includes. A folder with sources of its own is one room, its
subfolders included.

Checks, exit status 1 when one fails: no circle between folders, no circle
between the rooms of a folder, no circle between the file pairs (Name.h with
Name.cpp) of a platform room, no platform room and no room of a split folder
over MAX_FILES (default 26) program sources, no file named Misc or Globals.
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
INCLUDE = re.compile(r'^#include "([a-z]+(?:/[a-z]+)*)/(\w+)\.h"', re.M)
MAX_FILES = int(os.environ.get("MAX_FILES", "26"))


def sources(folder):
    for directory, _, names in sorted(os.walk(os.path.join(ROOT, folder))):
        for name in sorted(names):
            if name.endswith((".cpp", ".h")):
                yield os.path.join(directory, name)


def split(folder):
    """Whether the folder's sources all lie in its subfolders."""
    return all(os.path.dirname(path) != os.path.join(ROOT, folder) for path in sources(folder))


def roomOf(path, folder):
    """The room of a source: "calc/rules/" in a split folder, else "optics/"."""
    if not split(folder):
        return folder + "/"
    return os.path.relpath(os.path.dirname(path), ROOT).replace(os.sep, "/") + "/"


def graphs():
    folders = defaultdict(set)  # folder -> folders it includes
    rooms = defaultdict(set)    # room -> rooms of the same folder it includes
    pairs = defaultdict(set)    # room/Name -> room/Name it includes
    counts = defaultdict(int)   # folder -> its sources, room -> the sources in it
    for folder in PROGRAM:
        for path in sources(folder):
            room = roomOf(path, folder)
            name = os.path.splitext(os.path.basename(path))[0]
            counts[folder] += 1
            counts[room] += 1
            with open(path, encoding="utf-8") as f:
                for target, header in INCLUDE.findall(f.read()):
                    top = target.split("/")[0]
                    if top != folder:
                        folders[folder].add(top)
                    elif split(folder) and target + "/" != room:
                        rooms[room].add(target + "/")
                    elif header != name:
                        pairs[room + name].add(target + "/" + header)
    return folders, rooms, pairs, counts


def roomsOf(folder, counts):
    """The rooms of a split folder, "calc/rules/"; none for a folder of one room."""
    return sorted(room for room in counts if room.startswith(folder + "/") and room != folder + "/")


def roomName(room):
    return room.split("/", 1)[1].rstrip("/")


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


def floors(graph, nodes):
    """The floor of each node: one above the highest node it includes."""
    floor = {}

    def of(node, seen=()):
        if node not in floor:
            below = [of(t, seen + (node,)) for t in graph.get(node, ()) if t not in seen]
            floor[node] = 1 + max(below, default=-1)
        return floor[node]

    for node in nodes:
        of(node)
    return floor


def dot(folders, rooms, counts):
    print("digraph includes {\n  rankdir=BT;\n  compound=true;")
    for folder in PROGRAM:
        inside = roomsOf(folder, counts)
        if inside:
            print(f'  subgraph "cluster_{folder}" {{\n    label="{folder} ({counts[folder]})";')
            for room in inside:
                print(f'    "{room}" [label="{roomName(room)} ({counts[room]})"];')
                for target in sorted(rooms.get(room, ())):
                    print(f'    "{room}" -> "{target}";')
            print("  }")
        else:
            print(f'  "{folder}" [label="{folder} ({counts[folder]})"];')
    for folder in PROGRAM:
        for target in sorted(folders.get(folder, ())):
            # An arrow to or from a split folder runs between its clusters' edges.
            ends, clipped = [], []
            for key, f in (("ltail", folder), ("lhead", target)):
                inside = roomsOf(f, counts)
                ends.append(inside[0] if inside else f)
                if inside:
                    clipped.append(f'{key}="cluster_{f}"')
            print(f'  "{ends[0]}" -> "{ends[1]}" [{", ".join(clipped)}];')
    print("}")


def main():
    folders, rooms, pairs, counts = graphs()
    if "--dot" in sys.argv:
        dot(folders, rooms, counts)
        return 0
    floor = floors(folders, PROGRAM)
    for folder in sorted(PROGRAM, key=lambda f: (floor[f], PROGRAM.index(f))):
        below = ", ".join(sorted(folders.get(folder, ()), key=PROGRAM.index)) or "-"
        print(f"{floor[folder]}  {folder:9} {counts[folder]:3} files  includes {below}")
        inside = roomsOf(folder, counts)
        roomFloor = floors(rooms, inside)
        for room in sorted(inside, key=lambda r: (roomFloor[r], r)):
            beside = ", ".join(roomName(t) for t in sorted(rooms.get(room, ()))) or "-"
            print(f"     {roomFloor[room]}  {roomName(room):11} {counts[room]:3} files  includes {beside}")
    problems = []
    if circles(folders):
        problems.append("folders on a circle: " + ", ".join(sorted(circles(folders))))
    if circles(rooms):
        problems.append("rooms on a circle: " + ", ".join(room.rstrip("/") for room in sorted(circles(rooms))))
    platformPairs = {unit: targets for unit, targets in pairs.items() if unit.split("/")[0] in PLATFORM}
    if circles(platformPairs):
        problems.append("file pairs on a circle: " + ", ".join(sorted(circles(platformPairs))))
    elsewhere = sorted(circles(pairs) - circles(platformPairs))
    if elsewhere:
        print("  (file pairs that include each other inside a subsystem: " + ", ".join(elsewhere) + ")")
    large = []
    for folder in PROGRAM:
        inside = roomsOf(folder, counts)
        for room in inside or [folder + "/"]:
            if counts[room] <= MAX_FILES:
                continue
            if folder in PLATFORM or inside:
                problems.append(f"{room} holds {counts[room]} files")
            else:
                large.append(f"{folder} ({counts[room]})")
        for path in sources(folder):
            if os.path.splitext(os.path.basename(path))[0] in ("Misc", "Globals"):
                problems.append("a drawer: " + os.path.relpath(path, ROOT))
    if large:
        print(f"  (folders of one room over {MAX_FILES} files: " + ", ".join(large) + ")")
    for problem in problems:
        print("!", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
