#!/usr/bin/env python3
"""Checks that the files of one source folder form layers: a file pair
(x.h with x.cpp) is one unit, a unit depends on the units whose headers it
includes, and no chain of those dependencies comes back to where it started.
The window's header may be included only by the units named with --window.

Usage: include_layers.py FOLDER [--window HEADER UNIT...] [--layers]
Exits 1 and names each loop or forbidden include; --layers prints the units
by layer (0 depends on nothing inside the folder)."""

import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def units_of(folder):
    """Each unit's name and the units it includes, from the folder's files."""
    prefix = folder.name + "/"
    depends = {}
    for path in sorted(folder.iterdir()):
        if path.suffix not in (".h", ".cpp"):
            continue
        unit = path.stem
        deps = depends.setdefault(unit, set())
        for name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if name.startswith(prefix) and "/" not in name[len(prefix):]:
                included = pathlib.PurePosixPath(name).stem
                if included != unit:
                    deps.add(included)
    return depends


def loops(depends):
    """The loops among the units (strongly connected parts of two or more)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for dep in sorted(depends.get(unit, ())):
            if dep not in index:
                visit(dep)
                low[unit] = min(low[unit], low[dep])
            elif dep in on_stack:
                low[unit] = min(low[unit], index[dep])
        if low[unit] == index[unit]:
            part = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                part.append(member)
                if member == unit:
                    break
            if len(part) > 1:
                found.append(sorted(part))

    sys.setrecursionlimit(10000)
    for unit in sorted(depends):
        if unit not in index:
            visit(unit)
    return found


def layers(depends):
    """Each unit's layer: one above the highest unit it depends on."""
    layer = {}

    def of(unit):
        if unit not in layer:
            layer[unit] = 0  # guards a loop, which `loops` reports
            layer[unit] = 1 + max((of(dep) for dep in depends.get(unit, ()) if dep in depends), default=-1)
        return layer[unit]

    for unit in depends:
        of(unit)
    return layer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--window", nargs="+", metavar=("HEADER", "UNIT"),
                        help="a header and the only units that may include it")
    parser.add_argument("--layers", action="store_true")
    args = parser.parse_args()

    depends = units_of(args.folder)
    if not depends:
        print(f"no sources in {args.folder}")
        return 1
    problems = [f"loop: {' -> '.join(part)}" for part in loops(depends)]
    if args.window:
        header, allowed = pathlib.PurePosixPath(args.window[0]).stem, set(args.window[1:])
        for unit, deps in sorted(depends.items()):
            if header in deps and unit not in allowed:
                problems.append(f"{unit} includes {args.window[0]}, which only {', '.join(sorted(allowed))} may")
    if args.layers:
        by_layer = {}
        for unit, level in layers(depends).items():
            by_layer.setdefault(level, []).append(unit)
        for level in sorted(by_layer):
            print(f"{level}: {' '.join(sorted(by_layer[level]))}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
