"""The rules the shipped levels keep, beyond a sound board: the numbers are in rules.txt, which the
shipped-levels test reads too. A level keeps its own (runs, moves, no idle colour); a set keeps
its order (by insight: detour, then trap depth, then states); the collection keeps every idea
and every board apart.
"""
import fractions
import os
import statistics

import qvlevels

RULES_FILE = os.path.join(qvlevels.HERE, "rules.txt")


class Rules:
    def __init__(self, text):
        self.values = {}  # (rule, folder or None) -> int
        for line in text.splitlines():
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if len(words) not in (2, 3):
                raise ValueError(f"rules: not \"rule [folder] value\": {line}")
            value = fractions.Fraction(words[-1])
            self.values[(words[0], words[1] if len(words) == 3 else None)] = (
                int(value) if value.denominator == 1 else value)

    def get(self, rule, folder=None):
        return self.values.get((rule, folder), self.values[(rule, None)])


def read_rules():
    with open(RULES_FILE) as f:
        return Rules(f.read())


def mirrors(level, cell):
    x, y = cell
    w, h = level.width, level.height
    return [(w - 1 - x, y), (x, h - 1 - y), (w - 1 - x, h - 1 - y)]


def level_faults(level, verdict, rules, folder):
    """What a solved, measured level breaks of the rules for a single level."""
    found = []
    if verdict.longest_run > rules.get("longest_run", folder):
        found.append(f"one shape moves {verdict.longest_run} times in a row")
    if verdict.moves > rules.get("most_moves", folder):
        found.append(f"{verdict.moves} moves, more than {rules.get('most_moves', folder)}")
    if verdict.idle_colours is None:
        found.append("idle colours undecided")
    else:
        # A colour that changes nothing may stay only as the mirror image of one that matters,
        # to keep a symmetric board symmetric.
        idle = set(verdict.idle_colours)
        for cell in verdict.idle_colours:
            if not any(m != cell and m not in idle and 0 <= m[0] < level.width and
                       0 <= m[1] < level.height and level.tiles[m[1]][m[0]] not in (0, 7)
                       for m in mirrors(level, cell)):
                found.append(f"the colour at {cell} changes nothing")
    return found


def order_faults(names, verdicts, rules, folder):
    """Where a set's order breaks the order by insight: the detour may fall from one level to the
    next by at most the rule's share; where it stays, the trap depth and then the states must not
    fall."""
    found = []
    share = rules.get("detour_fall", folder)
    for i in range(1, len(verdicts)):
        a, b = verdicts[i - 1], verdicts[i]
        if b.detour < a.detour * (1 - share):
            found.append(f"{names[i]}: detour {b.detour} after {a.detour}, a fall of more than "
                         f"{share}")
        elif b.detour == a.detour and (b.trap_depth, b.states) < (a.trap_depth, a.states):
            found.append(f"{names[i]}: the same detour as {names[i - 1]} with a shallower trap "
                         "or fewer states")
    return found


def summary(verdicts):
    """One line on a set's detours: range, median and the largest fall from one level to the next."""
    detours = [v.detour for v in verdicts]
    falls = [a - b for a, b in zip(detours, detours[1:])]
    depths = [v.trap_depth for v in verdicts]
    return (f"detour {min(detours)} to {max(detours)}, median {statistics.median(detours)}, largest "
            f"fall {max([0] + falls)}; trap depth up to {max(depths)}, 6 or more in "
            f"{sum(d >= 6 for d in depths)} levels; {sum(v.dead_starts > 0 for v in verdicts)} "
            f"with a dead start")


def median_faults(set_names, detours):
    """Each puzzle set's median detour must be above the one before."""
    found = []
    medians = [statistics.median(d) for d in detours]
    for i in range(1, len(medians)):
        if medians[i] <= medians[i - 1]:
            found.append(f"{set_names[i]}: median detour {medians[i]}, not above "
                         f"{set_names[i - 1]}'s {medians[i - 1]}")
    return found


def board_cells(level):
    """{(x, y): (colour, marks)} for every tile of the level."""
    cells = {}
    for y in range(level.height):
        for x in range(level.width):
            if level.tiles[y][x]:
                marks = "".join(s for k, s in enumerate("cst") if level.shapes[k] == (x, y))
                marks += "".join(s for k, s in enumerate("CST") if level.goals[k] == (x, y))
                cells[(x, y)] = (level.tiles[y][x], marks)
    return cells


def turned(cells):
    """The cells in each of the eight ways a board can be turned or mirrored, moved to 0, 0."""
    ways = []
    for way in range(8):
        moved = {}
        for (x, y), value in cells.items():
            if way & 4:
                x, y = y, x
            moved[(-x if way & 1 else x, -y if way & 2 else y)] = value
        left = min(x for x, _ in moved)
        top = min(y for _, y in moved)
        ways.append({(x - left, y - top): v for (x, y), v in moved.items()})
    return ways


def board_distance(a, b):
    """The fewest cells in which two boards differ (colour, hole, shape or goal), over every way
    of turning, mirroring and shifting one onto the other; a tile facing no tile differs."""
    cells_a = board_cells(a)
    width_a = max(x for x, _ in cells_a) + 1
    height_a = max(y for _, y in cells_a) + 1
    best = len(cells_a) + len(board_cells(b))
    for cells_b in turned(board_cells(b)):
        width_b = max(x for x, _ in cells_b) + 1
        height_b = max(y for _, y in cells_b) + 1
        for dx in range(1 - width_b, width_a):
            for dy in range(1 - height_b, height_a):
                shifted = {(x + dx, y + dy): v for (x, y), v in cells_b.items()}
                differ = sum(1 for c in cells_a.keys() | shifted.keys()
                             if cells_a.get(c) != shifted.get(c))
                best = min(best, differ)
    return best


def collection_faults(entries, rules):
    """entries: [(label, level, idea)]. No two levels may share an idea, nor nearly a board."""
    found = []
    share = rules.get("same_board")
    ideas = {}
    for label, level, idea in entries:
        key = " ".join(idea.lower().split())
        if key and key in ideas:
            found.append(f"{label}: the idea of {ideas[key]}: {idea}")
        ideas.setdefault(key, label)
    for i, (label_a, a, _) in enumerate(entries):
        tiles_a = len(board_cells(a))
        for label_b, b, _ in entries[i + 1:]:
            smaller = min(tiles_a, len(board_cells(b)))
            # A quick bound first: boards of very different sizes cannot be near.
            if abs(tiles_a - len(board_cells(b))) > smaller * share:
                continue
            if board_distance(a, b) <= smaller * share:
                found.append(f"{label_b}: nearly the board of {label_a}")
    return found
