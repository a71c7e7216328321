"""Levels as the design scripts see them: a readable grid, the game's level file text, and the
solver's verdict.

A design grid has one token per cell, separated by spaces. The first character is the tile:
'.' no tile, W white, R red, Y yellow, B blue, O orange, P purple, G green. Any further
characters put things on the tile: c, s, t the circle, star and triangle; C, S, T their goals.
For example "Wc" is a white tile with the circle on it and "YsT" a yellow tile holding the star
and the triangle's goal.
"""
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
    def __init__(self, width, height, tiles, shapes, goals, name="", hint=""):
        self.width = width
        self.height = height
        self.tiles = tiles      # tiles[y][x], TileColor codes
        self.shapes = shapes    # [(x, y)] circle, star, triangle
        self.goals = goals
        self.name = name
        self.hint = hint

    @staticmethod
    def from_grid(text, name="", hint=""):
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
        return Level(width, len(rows), tiles, shapes, goals, name, hint)

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
        """The level file: size, one line per row, shapes, goals, name, optional hint."""
        lines = [f"{self.width} {self.height}"]
        lines += [" ".join(str(c) for c in row) for row in self.tiles]
        lines.append(" ".join(f"{x} {y}" for x, y in self.shapes))
        lines.append(" ".join(f"{x} {y}" for x, y in self.goals))
        lines.append(self.name)
        if self.hint:
            lines.append(self.hint)
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
        if len(self.hint) > 79:
            found.append("hint is longer than 79 characters")
        return found


class Verdict:
    def __init__(self):
        self.moves = None       # fewest moves, None when not solved
        self.outcome = "undecided"
        self.states = 0
        self.seconds = 0.0
        self.solution = []      # (shape, x, y, direction)


MOVE = re.compile(r"^\s+\d+\. (\w+) \((-?\d+),(-?\d+)\) (\w+)$")


def solve_many(levels, max_states=2000000, max_seconds=60):
    """Runs the solver over the levels in one process; one Verdict per level."""
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for i, level in enumerate(levels):
            path = os.path.join(folder, f"{i}.txt")
            with open(path, "w") as out:
                out.write(level.file_text())
            paths.append(path)
        command = [SOLVER, "--max-states", str(max_states), "--max-seconds", str(max_seconds)]
        output = subprocess.run(command + paths, capture_output=True, text=True).stdout
    return parse_output(output, len(levels))


def parse_output(output, count):
    verdicts = []
    for line in output.splitlines():
        if not line.startswith(" "):
            verdicts.append(Verdict())
            continue
        verdict = verdicts[-1]
        if "fewest moves:" in line:
            verdict.outcome = "solved"
            verdict.moves = int(line.split(":")[1])
        elif "not solvable" in line:
            verdict.outcome = "unsolvable"
        elif "states explored:" in line:
            m = re.search(r"states explored: (\d+), time: ([\d.]+)", line)
            verdict.states, verdict.seconds = int(m.group(1)), float(m.group(2))
        else:
            m = MOVE.match(line)
            if m:
                verdict.solution.append((m.group(1), int(m.group(2)), int(m.group(3)), m.group(4)))
    if len(verdicts) != count:
        raise RuntimeError("solver output does not match the levels given")
    return verdicts


def solve(level, **limits):
    return solve_many([level], **limits)[0]
