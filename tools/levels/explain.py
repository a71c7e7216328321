#!/usr/bin/env python3
"""Says what a level's shortest solution asks of the player, to see whether a design's idea is
really needed: steps back, shapes that leave their goal again, tiles that must turn white, and
the order in which the shapes get home.

    explain.py FOLDER [NUMBER...]    the designs in tools/levels/designs/FOLDER.txt
    explain.py --grid FILE           a single design grid, e.g. a candidate from generate.py
    explain.py --level FILE...       level files, e.g. what qv-solve --generate or --daily print

Each level also lists what every first move costs (the traps, and how deep they are), and the
coloured tiles that could be white without changing its fewest moves: they carry no idea and
only make the board look busy (keep them only for symmetry). Touching tiles of one colour count
as one area (qv-solve --colours).
"""
import argparse
import collections
import sys

import make_levels
import qvlevels

SHAPES = ["circle", "star", "triangle"]
ADDS = {"circle": 1, "star": 2, "triangle": 4}  # primaries as bits: red 1, yellow 2, blue 4
# TileColor code <-> primaries: Red 1, Yellow 2, Orange 3, Blue 4, Purple 5, Green 6, White 7.
STEP = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}
KIND = {"circle": 0, "star": 1, "triangle": 2}


def distances(level, goal):
    """Steps from every open cell to `goal`, ignoring colours."""
    far = {goal: 0}
    queue = collections.deque([goal])
    while queue:
        x, y = queue.popleft()
        for dx, dy in STEP.values():
            n = (x + dx, y + dy)
            if 0 <= n[0] < level.width and 0 <= n[1] < level.height and level.tiles[n[1]][n[0]] \
                    and n not in far:
                far[n] = far[(x, y)] + 1
                queue.append(n)
    return far


def explain(level, verdict):
    notes = []
    tiles = [row[:] for row in level.tiles]
    far = [distances(level, g) for g in level.goals]
    shapes = list(level.shapes)
    home_at = [None] * 3
    entries = collections.Counter()
    for number, (shape, x, y, direction) in enumerate(verdict.solution, 1):
        k = KIND[shape]
        dx, dy = STEP[direction]
        to = (x + dx, y + dy)
        old = tiles[to[1]][to[0]]
        new = ADDS[shape] if old == 7 else old | ADDS[shape]
        if old != 7 and new == 7:
            notes.append(f"{number}: {shape} turns {to} white")
        if far[k][to] > far[k][(x, y)]:
            notes.append(f"{number}: {shape} steps back to {to}")
        if (x, y) == level.goals[k]:
            notes.append(f"{number}: {shape} leaves its goal")
        tiles[to[1]][to[0]] = new
        entries[(shape, to)] += 1
        shapes[k] = to
        home_at[k] = number if to == level.goals[k] else None
    for (shape, tile), count in sorted(entries.items()):
        if count >= 3:
            notes.append(f"{shape} enters {tile} {count} times")
    order = sorted((n or 0, s) for s, n in zip("cst", home_at))
    notes.append("home order: " + " ".join(f"{s}@{n}" for n, s in order))
    return notes


def after_move(level, k, direction):
    """The level with shape k moved one step, or None when the rules forbid the step."""
    x, y = level.shapes[k]
    dx, dy = STEP[direction]
    to = (x + dx, y + dy)
    if not (0 <= to[0] < level.width and 0 <= to[1] < level.height) or to in level.shapes:
        return None
    old = level.tiles[to[1]][to[0]]
    bit = ADDS[SHAPES[k]]
    if old == 0 or (old != 7 and old & bit):
        return None
    tiles = [row[:] for row in level.tiles]
    tiles[to[1]][to[0]] = bit if old == 7 else old | bit
    shapes = list(level.shapes)
    shapes[k] = to
    return qvlevels.Level(level.width, level.height, tiles, shapes, level.goals, level.name)


def first_moves(level, verdict):
    """Each move the start allows, with what it costs: the traps in detail."""
    moves = [(k, d, after_move(level, k, d)) for k in range(3) for d in STEP]
    moves = [m for m in moves if m[2] is not None]
    verdicts = qvlevels.solve_many([m[2] for m in moves])
    notes = []
    for (k, d, _), after in zip(moves, verdicts):
        if after.outcome != "solved":
            cost = "no solution" if after.outcome == "unsolvable" else "undecided"
        else:
            extra = after.moves + 1 - verdict.moves
            cost = "best" if extra == 0 else f"+{extra}"
        notes.append(f"{SHAPES[k]}{d[0]} {cost}")
    return notes


def main():
    parser = argparse.ArgumentParser(description="Say what the shortest solutions of levels ask for.")
    parser.add_argument("folder", nargs="?", help="a set's folder, as in tools/levels/sets.txt")
    parser.add_argument("numbers", nargs="*", type=int, help="levels of the set (default all)")
    parser.add_argument("--grid", metavar="FILE", help="a single design grid instead")
    parser.add_argument("--level", metavar="FILE", nargs="+", help="level files instead")
    args = parser.parse_args()
    if args.level:
        levels = []
        for path in args.level:
            with open(path) as f:
                levels.append(qvlevels.Level.from_file_text(f.read()))
    elif args.grid:
        with open(args.grid) as f:
            levels = [qvlevels.Level.from_grid(f.read(), args.grid)]
    elif args.folder:
        levels = make_levels.read_designs(args.folder)
        if args.numbers:
            levels = [levels[n - 1] for n in args.numbers]
    else:
        parser.error("name a folder, a --grid file or --level files")
    for level, verdict in zip(levels, qvlevels.solve_many(levels, measures=True, colours=True)):
        print(f"= {level.name}: {verdict.moves} moves, detour {verdict.detour}, {verdict.states} "
              f"states, best starts {verdict.best_starts} of {verdict.first_moves}, traps "
              f"{verdict.traps} (depth {verdict.trap_depth}, dead {verdict.dead_starts}), "
              f"switches {verdict.switches}, longest run {verdict.longest_run}")
        if level.intro:
            print(f"intro: {level.intro}")
        print(level.grid())
        print("  " + verdict.steps())
        for note in explain(level, verdict):
            print("  " + note)
        print("  first moves: " + ", ".join(first_moves(level, verdict)))
        idle = verdict.idle_colours
        if idle:
            print("  could be white: " + " ".join(f"({x}, {y})" for x, y in idle))
        print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
