#!/usr/bin/env python3
"""Proposes level candidates. Starts from a design grid (its silhouette, colours and shape
places) or from random boards, and climbs towards levels with a longer detour and deeper traps,
that the solver finds harder to search, with more traps among the first moves and fewer first
moves that keep par, by changing colours,
moving shapes and goals (and, if asked, holes), asking the solver about each batch of changes.
It only proposes; which candidate becomes a level, and why, is decided by looking at it and at
its solution (explain.py), after taking out the colours it does not need (simplify.py).

    generate.py DESIGN_FILE [options]
    generate.py --random 5x4 [--holes 0.2] [--restarts 4] [options]

Prints every improvement with its grid, its measures and its solution.
"""
import argparse
import math
import random
import sys

import qvlevels
import rules

LONGEST_RUN = rules.read_rules().get("longest_run")


def mirror_of(level, x, y, mode):
    w, h = level.width, level.height
    return {"h": (w - 1 - x, y), "v": (x, h - 1 - y), "r": (w - 1 - x, h - 1 - y)}.get(mode, (x, y))


def open_cells(level):
    return [(x, y) for y in range(level.height) for x in range(level.width) if level.tiles[y][x]]


def copy(level):
    return qvlevels.Level(level.width, level.height, [row[:] for row in level.tiles],
                          list(level.shapes), list(level.goals), level.name)


def connected(level):
    cells = open_cells(level)
    if not cells:
        return False
    seen = {cells[0]}
    stack = [cells[0]]
    while stack:
        x, y = stack.pop()
        for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if n not in seen and 0 <= n[0] < level.width and 0 <= n[1] < level.height \
                    and level.tiles[n[1]][n[0]]:
                seen.add(n)
                stack.append(n)
    return len(seen) == len(cells)


def random_level(width, height, holes, rng):
    while True:
        tiles = [[0 if rng.random() < holes else 7 for _ in range(width)] for _ in range(height)]
        level = qvlevels.Level(width, height, tiles, [], [], "candidate")
        cells = open_cells(level)
        if len(cells) < 6 or not connected(level):
            continue
        places = rng.sample(cells, 6)
        level.shapes, level.goals = places[:3], places[3:]
        return level


def mutate(level, args, rng, protected):
    child = copy(level)
    kinds = args.move.split(",")
    for _ in range(rng.choice([1, 1, 1, 2, 3])):
        cells = open_cells(child)
        kind = rng.choice(kinds)
        if kind == "colours":
            choices = [c for c in cells if c not in protected]
            if not choices:
                continue
            x, y = rng.choice(choices)
            colour = rng.choices(range(1, 8), weights=args.weights)[0]
            for cx, cy in {(x, y), mirror_of(child, x, y, args.mirror)}:
                child.tiles[cy][cx] = colour
        elif kind == "holes":
            x, y = rng.randrange(child.width), rng.randrange(child.height)
            if (x, y) in child.shapes + child.goals:
                continue
            for cx, cy in {(x, y), mirror_of(child, x, y, args.mirror)}:
                child.tiles[cy][cx] = 7 if child.tiles[cy][cx] == 0 else 0
        else:
            places = child.shapes if kind == "shapes" else child.goals
            k = rng.randrange(3)
            free = [c for c in cells if c not in places]
            places[k] = rng.choice(free)
    return child


def score(level, verdict, args):
    """Higher is better; None when the candidate is out of the question."""
    if verdict.outcome != "solved" or verdict.states > args.max_states:
        return None
    if args.measures and verdict.traps is None:
        return None
    moves_low, moves_high = args.moves
    # Up the states band, and down again beyond it: a level for an early set must stay easy.
    states = math.log10(max(verdict.states, 1))
    ceiling = math.log10(args.states[1])
    value = states if states <= ceiling else ceiling - 2 * (states - ceiling)
    value += args.detour_weight * verdict.detour
    if verdict.traps is not None:
        value += args.trap_weight * verdict.traps / max(verdict.first_moves, 1)
        value -= args.start_weight * (verdict.best_starts - 1)
        value += args.depth_weight * min(verdict.trap_depth, 12)
    value -= args.colour_weight * sum(1 for row in level.tiles for c in row if c not in (0, 7))
    value -= 0.5 * max(0, moves_low - verdict.moves, verdict.moves - moves_high)
    value -= 2 * max(0, verdict.longest_run - LONGEST_RUN)
    return value


def fits(verdict, args):
    return (args.moves[0] <= verdict.moves <= args.moves[1] and verdict.longest_run <= LONGEST_RUN
            and args.states[0] <= verdict.states <= args.states[1])


def describe(level, verdict):
    if verdict.traps is None:
        return f"{level.grid()}\n# moves {verdict.moves}, states {verdict.states}\n"
    return (f"{level.grid()}\n# moves {verdict.moves}, detour {verdict.detour}, states "
            f"{verdict.states}, best starts {verdict.best_starts} of {verdict.first_moves}, traps "
            f"{verdict.traps} (depth {verdict.trap_depth}, dead {verdict.dead_starts}), longest run "
            f"{verdict.longest_run}\n# {verdict.steps()}\n")


def climb(start, args, rng):
    protected = set()
    if args.keep_white:
        protected = {c for c in open_cells(start) if start.tiles[c[1]][c[0]] == 7}
    best = start
    best_verdict = qvlevels.solve(best, max_states=args.max_states, measures=args.measures)
    best_score = score(best, best_verdict, args)
    for round_number in range(args.rounds):
        children = [mutate(best, args, rng, protected) for _ in range(args.batch)]
        children = [c for c in children if not c.problems() and connected(c)]
        verdicts = qvlevels.solve_many(children, max_states=args.max_states, max_seconds=10,
                                       measures=args.measures)
        scored = [(score(c, v, args), c, v) for c, v in zip(children, verdicts)]
        scored = [s for s in scored if s[0] is not None]
        if not scored:
            continue
        value, child, verdict = max(scored, key=lambda s: s[0])
        if best_score is None or value >= best_score:
            improved = best_score is None or value > best_score
            best, best_verdict, best_score = child, verdict, value
            if improved and args.verbose:
                print(f"# round {round_number}: {value:.2f}")
                print(describe(best, best_verdict), flush=True)
    if not args.measures and best_score is not None:
        best_verdict = qvlevels.solve(best, max_states=args.max_states, measures=True)
    return best, best_verdict, best_score


def band(text):
    low, _, high = text.partition("-")
    return int(low), int(high or low)


def main():
    parser = argparse.ArgumentParser(description="Propose level candidates with the solver.")
    parser.add_argument("design", nargs="?", help="a file holding one design grid to start from")
    parser.add_argument("--random", metavar="WxH", help="start from random boards of this size")
    parser.add_argument("--holes", type=float, default=0.15, help="share of missing tiles (--random)")
    parser.add_argument("--restarts", type=int, default=1, help="random boards to climb from")
    parser.add_argument("--rounds", type=int, default=40)
    parser.add_argument("--batch", type=int, default=60)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--mirror", choices=["h", "v", "r"], help="keep the colouring symmetric")
    parser.add_argument("--move", default="colours,shapes,goals",
                        help="what may change: colours, shapes, goals, holes")
    parser.add_argument("--palette", default="1,1,1,1,1,1,3",
                        help="relative weights of R Y O B P G W")
    parser.add_argument("--max-states", type=int, default=300000)
    parser.add_argument("--moves", type=band, default=(1, 999), metavar="LOW-HIGH")
    parser.add_argument("--states", type=band, default=(1, 10 ** 9), metavar="LOW-HIGH",
                        help="climb towards the top of this band, no further")
    parser.add_argument("--trap-weight", type=float, default=1.0)
    parser.add_argument("--detour-weight", type=float, default=0.05,
                        help="per move of detour (the moves the puzzle forces beyond walking)")
    parser.add_argument("--depth-weight", type=float, default=0.05,
                        help="per move the worst trap costs, up to 12")
    parser.add_argument("--start-weight", type=float, default=0.15)
    parser.add_argument("--colour-weight", type=float, default=0.04)
    parser.add_argument("--fast", dest="measures", action="store_false",
                        help="climb on states and moves alone; the measures only at the end")
    parser.add_argument("--keep-white", action="store_true", help="never recolour white tiles")
    parser.add_argument("--quiet", dest="verbose", action="store_false",
                        help="print only each climb's final candidate")
    args = parser.parse_args()
    args.weights = [float(w) for w in args.palette.split(",")]
    rng = random.Random(args.seed)

    if args.random:
        width, height = (int(n) for n in args.random.split("x"))
        starts = [random_level(width, height, args.holes, rng) for _ in range(args.restarts)]
    elif args.design:
        with open(args.design) as f:
            starts = [qvlevels.Level.from_grid(f.read(), "candidate")] * args.restarts
    else:
        parser.error("give a design file or --random")
    for start in starts:
        best, verdict, value = climb(start, args, rng)
        if value is None:
            print("# no candidate found\n")
            continue
        print(f"# final {value:.2f}{'' if fits(verdict, args) else ' (out of bounds)'}")
        print(describe(best, verdict), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
