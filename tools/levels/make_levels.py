#!/usr/bin/env python3
"""Writes the shipped level sets from their designs: data/Beta.txt, and for every set
data/levels/<folder>/list.txt and its level files 01.txt, 02.txt, ...

    make_levels.py            check every design with the solver, then write the files
    make_levels.py --check    only check and print each level's fewest moves and solution
    make_levels.py --only F   check only the set in folder F (implies --check)

tools/levels/sets.txt lists the sets in menu order, one "folder: set name" per line. Each set's
designs are in tools/levels/designs/<folder>.txt: entries separated by blank lines, each
"= Level Name", an optional "hint: one line shown when the level starts", then the grid.
Lines starting with '#' are comments.
"""
import os
import sys

import qvlevels

DATA = os.path.join(qvlevels.REPO, "data")


def read_sets():
    sets = []
    with open(os.path.join(qvlevels.HERE, "sets.txt")) as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                folder, name = line.split(":", 1)
                sets.append((folder.strip(), name.strip()))
    return sets


def read_designs(folder):
    with open(os.path.join(qvlevels.HERE, "designs", folder + ".txt")) as f:
        text = f.read()
    levels = []
    for block in text.split("\n\n"):
        lines = [l for l in block.splitlines() if l.strip() and not l.startswith("#")]
        if not lines:
            continue
        if not lines[0].startswith("= "):
            raise ValueError(f"{folder}: entry without a name: {lines[0]}")
        name = lines[0][2:].strip()
        rest = lines[1:]
        hint = ""
        if rest and rest[0].startswith("hint:"):
            hint = rest[0][5:].strip()
            rest = rest[1:]
        levels.append(qvlevels.Level.from_grid("\n".join(rest), name, hint))
    return levels


def check(sets, designs):
    """Prints every level with the solver's verdict; returns the number of faults."""
    faults = 0
    names = set()
    for folder, set_name in sets:
        levels = designs[folder]
        print(f"## {set_name} ({folder}, {len(levels)} levels)")
        verdicts = qvlevels.solve_many(levels, max_states=5000000, max_seconds=60)
        for number, (level, verdict) in enumerate(zip(levels, verdicts), 1):
            problems = level.problems()
            if level.name in names:
                problems.append("name used twice")
            names.add(level.name)
            if verdict.outcome != "solved":
                problems.append(verdict.outcome)
            faults += len(problems)
            steps = " ".join(f"{s[0][0]}{s[1]}{s[2]}{s[3][0]}" for s in verdict.solution)
            print(f"{number:2}. {level.name:<30}{verdict.moves!s:>4} moves {verdict.states:>8} states"
                  f" {verdict.seconds:6.3f} s  {'; '.join(problems)}")
            print(f"    {steps}")
    return faults


def write(sets, designs):
    with open(os.path.join(DATA, "Beta.txt"), "w") as beta:
        for folder, set_name in sets:
            beta.write(f"{set_name}\nlevels/{folder}/list.txt\n")
    for folder, _ in sets:
        os.makedirs(os.path.join(DATA, "levels", folder), exist_ok=True)
        paths = []
        for number, level in enumerate(designs[folder], 1):
            path = f"levels/{folder}/{number:02}.txt"
            with open(os.path.join(DATA, path), "w") as out:
                out.write(level.file_text())
            paths.append(path)
        with open(os.path.join(DATA, "levels", folder, "list.txt"), "w") as listing:
            listing.write("".join(p + "\n" for p in paths))


def main(argv):
    sets = read_sets()
    if "--only" in argv:
        only = argv[argv.index("--only") + 1]
        sets = [s for s in sets if s[0] == only]
    designs = {folder: read_designs(folder) for folder, _ in sets}
    faults = check(sets, designs)
    if "--check" in argv or "--only" in argv:
        return 1 if faults else 0
    if faults:
        print(f"{faults} faults: nothing written")
        return 1
    write(sets, designs)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
