#!/usr/bin/env python3
"""Takes the noise out of a design: whitens coloured tiles, one at a time (or a mirrored pair at a
time), as long as the level keeps its fewest moves, and prints the simpler grid. Colours that
survive are the ones the puzzle rests on. Check the result with explain.py: the same count can
come from a different idea.

    simplify.py FOLDER NUMBER [--mirror h|v|r] [--max-states N]
    simplify.py --grid FILE [--mirror h|v|r] [--max-states N]

--mirror whitens a tile and its mirror image together, so that a symmetric board stays symmetric.
--max-states (default 300000) refuses a whitening that makes the solver search more states than
that: open boards search longer, and the solver run over every shipped level must stay quick.
"""
import argparse
import sys

import explain
import make_levels
import qvlevels


def mirrored(level, cell, mode):
    x, y = cell
    w, h = level.width, level.height
    return {"h": (w - 1 - x, y), "v": (x, h - 1 - y), "r": (w - 1 - x, h - 1 - y)}.get(mode, cell)


def whitened(level, cells):
    tiles = [row[:] for row in level.tiles]
    for x, y in cells:
        tiles[y][x] = 7
    return qvlevels.Level(level.width, level.height, tiles, level.shapes, level.goals,
                          level.name, level.intro)


def simplify(level, mode, max_states=300000):
    target = qvlevels.solve(level).moves
    changed = True
    while changed:
        changed = False
        coloured = [(x, y) for y in range(level.height) for x in range(level.width)
                    if level.tiles[y][x] not in (0, 7)]
        groups = []
        for cell in coloured:
            # A mirror image that is no tile or already white leaves nothing to keep in step.
            group = sorted({cell} | ({mirrored(level, cell, mode)} & set(coloured)))
            if group not in groups:
                groups.append(group)
        candidates = [whitened(level, group) for group in groups]
        for candidate, verdict in zip(candidates, qvlevels.solve_many(candidates)):
            if verdict.moves == target and verdict.states <= max_states:
                level, changed = candidate, True
                break
    return level


def main():
    parser = argparse.ArgumentParser(description="Whiten the colours a level does not need.")
    parser.add_argument("folder", nargs="?", help="a set's folder, as in tools/levels/sets.txt")
    parser.add_argument("number", nargs="?", type=int, help="the level's number in the set")
    parser.add_argument("--grid", metavar="FILE", help="a single design grid instead")
    parser.add_argument("--mirror", choices=["h", "v", "r"], help="whiten mirror images together")
    parser.add_argument("--max-states", type=int, default=300000)
    args = parser.parse_args()
    if args.grid:
        with open(args.grid) as f:
            level = qvlevels.Level.from_grid(f.read(), args.grid)
    elif args.folder and args.number:
        level = make_levels.read_designs(args.folder)[args.number - 1]
    else:
        parser.error("name a folder and a level number, or a --grid file")
    simple = simplify(level, args.mirror, args.max_states)
    verdict = qvlevels.solve(simple)
    print(f"= {level.name}: {verdict.moves} moves, {verdict.states} states")
    print(simple.grid())
    for note in explain.explain(simple, verdict):
        print("  " + note)
    return 0


if __name__ == "__main__":
    sys.exit(main())
