"""Levels as the design scripts see them: a readable grid, the game's level file text, and the
solver's verdict.

A design grid has one token per cell, separated by spaces. The first character is the tile:
'.' no tile, W white, R red, Y yellow, B blue, O orange, P purple, G green. Any further
characters put things on the tile: c, s, t the circle, star and triangle; C, S, T their goals.
For example "Wc" is a white tile with the circle on it and "YsT" a yellow tile holding the star
and the triangle's goal.
"""
import json
import os
import re
import subprocess
import tempfile

COLOURS = ".RYOBPGW"  # index = TileColor code
SHAPES = "cst"         # circle, star, triangle: the order of the level file

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
SOLVER = os.environ.get("QV_SOLVE", os.path.join(REPO, "build-levels", "tools", "qv-solve"))


class Level:
    def __init__(self, width, height, tiles, shapes, goals, name="", intro=""):
        self.width = width
        self.height = height
        self.tiles = tiles      # tiles[y][x], TileColor codes
        self.shapes = shapes    # [(x, y)] circle, star, triangle
        self.goals = goals
        self.name = name
        self.intro = intro  # the line shown when the level starts
        self.idea = ""      # what the level asks of the player, for the designers only

    @staticmethod
    def from_grid(text, name="", intro=""):
        rows = [line.split() for line in text.strip("\n").splitlines() if line.strip()]
        width = len(rows[0])
        if any(len(row) != width for row in rows):
            raise ValueError(f"{name}: rows of different lengths")
        tiles = []
        shapes = [None] * 3
        goals = [None] * 3
        for y, row in enumerate(rows):
            tiles.append([])
            for x, token in enumerate(row):
                tiles[y].append(COLOURS.index(token[0]))
                for mark in token[1:]:
                    target = shapes if mark in SHAPES else goals
                    index = SHAPES.index(mark.lower())
                    if target[index] is not None:
                        raise ValueError(f"{name}: two of '{mark}'")
                    target[index] = (x, y)
        if None in shapes or None in goals:
            raise ValueError(f"{name}: a shape or goal is missing")
        return Level(width, len(rows), tiles, shapes, goals, name, intro)

    def grid(self):
        lines = []
        for y in range(self.height):
            tokens = []
            for x in range(self.width):
                token = COLOURS[self.tiles[y][x]]
                token += "".join(SHAPES[k] for k in range(3) if self.shapes[k] == (x, y))
                token += "".join(SHAPES[k].upper() for k in range(3) if self.goals[k] == (x, y))
                tokens.append(token)
            lines.append(" ".join(f"{t:<3}" for t in tokens).rstrip())
        return "\n".join(lines)

    def file_text(self):
        """The level file: size, one line per row, shapes, goals, name, optional intro line."""
        lines = [f"{self.width} {self.height}"]
        lines += [" ".join(str(c) for c in row) for row in self.tiles]
        lines.append(" ".join(f"{x} {y}" for x, y in self.shapes))
        lines.append(" ".join(f"{x} {y}" for x, y in self.goals))
        lines.append(self.name)
        if self.intro:
            lines.append(self.intro)
        return "\n".join(lines) + "\n"

    def problems(self):
        """What breaks the rules every shipped level keeps."""
        found = []
        on_board = lambda p: 0 <= p[0] < self.width and 0 <= p[1] < self.height
        for p in self.shapes + self.goals:
            if not on_board(p) or self.tiles[p[1]][p[0]] == 0:
                found.append(f"{p} is not on a tile")
        if len(set(self.shapes)) < 3:
            found.append("two shapes share a tile")
        if len(set(self.goals)) < 3:
            found.append("two goals share a tile")
        if self.shapes == self.goals:
            found.append("starts solved")
        if not 0 < len(self.name) <= 29:
            found.append("name is empty or longer than 29 characters")
        if len(self.intro) > 79:
            found.append("intro is longer than 79 characters")
        return found


class Verdict:
    """What qv-solve says about one level (see `qv-solve --help` for the measures)."""

    def __init__(self, fields):
        self.source = fields.get("source", "")
        self.tag = fields.get("tag", "")            # of the board, as par.txt keeps it
        self.outcome = fields["outcome"]        # solved, unsolvable, undecided or way
        # Fewest moves, None when not solved: a way that may not be the shortest is no par.
        self.moves = fields["moves"] if self.outcome == "solved" else None
        self.states = fields["states"]
        self.seconds = fields["seconds"]
        self.solution = [parse_move(m) for m in fields["solution"]]  # (shape, x, y, direction)
        # The measures; None when not asked for or not decided within the limits.
        self.best_starts = fields.get("best_starts")
        self.first_moves = fields.get("first_moves")
        self.traps = fields.get("traps")
        self.trap_depth = fields.get("trap_depth")
        self.dead_starts = fields.get("dead_starts")
        self.walk = fields.get("walk")
        self.detour = fields.get("detour")
        self.switches = fields.get("switches")
        self.longest_run = fields.get("longest_run")
        idle = fields.get("idle_colours")
        self.idle_colours = None if idle is None else [tuple(cell) for cell in idle]

    def steps(self):
        """The solution as short tokens, e.g. "c01r" for the circle at (0, 1) going right."""
        return " ".join(f"{s[0][0]}{s[1]}{s[2]}{s[3][0]}" for s in self.solution)


SHAPE_NAMES = {"c": "circle", "s": "star", "t": "triangle"}
DIRECTIONS = {"u": "up", "d": "down", "l": "left", "r": "right"}
MOVE = re.compile(r"^([cst])(-?\d+),(-?\d+)([udlr])$")


def parse_move(token):
    """A move of qv-solve's JSON, e.g. "c0,1r", as (shape, x, y, direction)."""
    m = MOVE.match(token)
    if not m:
        raise ValueError(f"not a move: {token!r}")
    return SHAPE_NAMES[m.group(1)], int(m.group(2)), int(m.group(3)), DIRECTIONS[m.group(4)]


def parse_output(output, count):
    """qv-solve --json output: one object per line, one line per level given."""
    verdicts = [Verdict(json.loads(line)) for line in output.splitlines() if line.strip()]
    if len(verdicts) != count:
        raise RuntimeError(f"the solver answered for {len(verdicts)} of {count} levels")
    return verdicts


def run_solver(arguments, count, max_states, max_seconds, measures, colours=False):
    command = [SOLVER, "--json", "--max-states", str(max_states), "--max-seconds", str(max_seconds)]
    if measures:
        command.append("--measures")
    if colours:
        command.append("--colours")
    done = subprocess.run(command + arguments, capture_output=True, text=True, errors="replace")
    if done.returncode != 0:
        raise RuntimeError(f"qv-solve failed: {done.stderr.strip()}")
    return parse_output(done.stdout, count)


def solve_many(levels, max_states=2000000, max_seconds=60, measures=False, colours=False):
    """Runs the solver over the levels in one process; one Verdict per level. With `colours`
    each verdict also lists the level's idle colours."""
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for i, level in enumerate(levels):
            path = os.path.join(folder, f"{i}.txt")
            with open(path, "w") as out:
                out.write(level.file_text())
            paths.append(path)
        return run_solver(paths, len(levels), max_states, max_seconds, measures, colours)


def solve_tutorial(count, max_states=2000000, max_seconds=60, measures=False):
    """The built-in tutorial levels 0 to count - 1."""
    arguments = [a for n in range(count) for a in ("--tutorial", str(n))]
    return run_solver(arguments, count, max_states, max_seconds, measures)


def solve(level, **limits):
    return solve_many([level], **limits)[0]
