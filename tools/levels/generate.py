#!/usr/bin/env python3
"""Proposes level candidates: starts from a design grid (its silhouette, colours and shape
places) and climbs towards longer fewest-move solutions by changing colours and moving shapes
and goals, asking the solver about each batch of changes. It only proposes; which candidate
becomes a level, and why, is decided by looking at it and at its solution.

    generate.py DESIGN_FILE [--rounds N] [--batch N] [--seed N] [--mirror h|v|r|none]
                [--move colours,shapes,goals] [--palette WEIGHTS] [--max-states N]
                [--keep-white] [--aim MOVES]

DESIGN_FILE holds one design grid (see qvlevels.py). --mirror keeps the colouring symmetric:
h left-right, v top-bottom, r turned half round. --palette gives relative weights for
R Y O B P G W, e.g. "1,1,0,1,0,0,3". --keep-white never recolours white tiles of the design.
Prints every improvement with its grid and solution.
"""
import argparse
import random
import sys

import qvlevels


def mirror_of(level, x, y, mode):
    w, h = level.width, level.height
    return {"h": (w - 1 - x, y), "v": (x, h - 1 - y), "r": (w - 1 - x, h - 1 - y)}.get(mode, (x, y))


def open_cells(level):
    return [(x, y) for y in range(level.height) for x in range(level.width) if level.tiles[y][x]]


def copy(level):
    return qvlevels.Level(level.width, level.height, [row[:] for row in level.tiles],
                          list(level.shapes), list(level.goals), level.name)


def mutate(level, args, rng, protected):
    child = copy(level)
    cells = open_cells(child)
    kinds = args.move.split(",")
    for _ in range(rng.choice([1, 1, 1, 2, 3])):
        kind = rng.choice(kinds)
        if kind == "colours":
            choices = [c for c in cells if c not in protected]
            if not choices:
                continue
            x, y = rng.choice(choices)
            colour = rng.choices(range(1, 8), weights=args.weights)[0]
            for cx, cy in {(x, y), mirror_of(child, x, y, args.mirror)}:
                child.tiles[cy][cx] = colour
        else:
            places = child.shapes if kind == "shapes" else child.goals
            k = rng.randrange(3)
            free = [c for c in cells if c not in places]
            places[k] = rng.choice(free)
    return child


def score(verdict, max_states):
    if verdict.outcome != "solved" or verdict.states >= max_states:
        return -1
    return verdict.moves


def describe(level, verdict):
    steps = " ".join(f"{s[0][0]}{s[1]}{s[2]}{s[3][0]}" for s in verdict.solution)
    return f"{level.grid()}\n# moves {verdict.moves}, states {verdict.states}\n# {steps}\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("design")
    parser.add_argument("--rounds", type=int, default=40)
    parser.add_argument("--batch", type=int, default=60)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--mirror", default="none")
    parser.add_argument("--move", default="colours,shapes,goals")
    parser.add_argument("--palette", default="1,1,1,1,1,1,3")
    parser.add_argument("--max-states", type=int, default=300000)
    parser.add_argument("--keep-white", action="store_true")
    parser.add_argument("--aim", type=int, default=999)
    args = parser.parse_args()
    args.weights = [float(w) for w in args.palette.split(",")]
    rng = random.Random(args.seed)

    with open(args.design) as f:
        best = qvlevels.Level.from_grid(f.read(), "candidate")
    protected = set()
    if args.keep_white:
        protected = {c for c in open_cells(best) if best.tiles[c[1]][c[0]] == 7}
    best_verdict = qvlevels.solve(best, max_states=args.max_states)
    best_score = score(best_verdict, args.max_states)
    print(f"# start: {best_score}")
    for round_number in range(args.rounds):
        children = [mutate(best, args, rng, protected) for _ in range(args.batch)]
        children = [c for c in children if not c.problems()]
        verdicts = qvlevels.solve_many(children, max_states=args.max_states, max_seconds=10)
        ranked = sorted(zip(children, verdicts), key=lambda cv: -score(cv[1], args.max_states))
        child, verdict = ranked[0]
        if score(verdict, args.max_states) >= best_score:
            improved = score(verdict, args.max_states) > best_score
            best, best_verdict, best_score = child, verdict, score(verdict, args.max_states)
            if improved:
                print(f"# round {round_number}")
                print(describe(best, best_verdict), flush=True)
        if best_score >= args.aim:
            break
    print("# final")
    print(describe(best, best_verdict))
    return 0


if __name__ == "__main__":
    sys.exit(main())
