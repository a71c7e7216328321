#!/usr/bin/env python3
"""Writes the shipped level sets from their designs: data/Beta.txt; for every set
data/levels/<folder>/list.txt and its level files 01.txt, 02.txt, ...; data/levels/par.txt,
the fewest moves of every level (tutorial included); and the measures tables in docs/levels.md.
Nothing is written unless every design is sound and solved.

tools/levels/sets.txt lists the sets in menu order, one "folder: set name" per line. Each set's
designs are in tools/levels/designs/<folder>.txt: entries separated by blank lines, each
"= Level Name", an "intro: one line shown when the level starts", an "idea: what the level
asks of the player, in a few words" (for the designers: no two levels may share one), then the
grid. Lines starting with '#' are comments. The measures are qv-solve's (see qv-solve --help);
the rules are in rules.txt and rules.py.
"""
import argparse
import os
import sys

import qvlevels
import rules as level_rules

DATA = os.path.join(qvlevels.REPO, "data")
TABLES = os.path.join(qvlevels.REPO, "docs", "levels.md")
TUTORIAL_LEVELS = 9
TABLE_START = "<!-- measures: written by tools/levels/make_levels.py -->"
TABLE_END = "<!-- end of measures -->"
LIMITS = {"max_states": 6000000, "max_seconds": 120}


def parse_sets(text):
    """sets.txt: [(folder, set name)] in menu order."""
    sets = []
    for line in text.splitlines():
        if line.strip() and not line.startswith("#"):
            folder, name = line.split(":", 1)
            sets.append((folder.strip(), name.strip()))
    return sets


def parse_designs(text, folder=""):
    """A design file: the levels it holds, in order."""
    levels = []
    for block in text.split("\n\n"):
        lines = [line for line in block.splitlines() if line.strip() and not line.startswith("#")]
        if not lines:
            continue
        if not lines[0].startswith("= "):
            raise ValueError(f"{folder}: entry without a name: {lines[0]}")
        name = lines[0][2:].strip()
        rest = lines[1:]
        fields = {"intro": "", "idea": ""}
        while rest and rest[0].split(":", 1)[0] in fields:
            key, value = rest[0].split(":", 1)
            fields[key] = value.strip()
            rest = rest[1:]
        level = qvlevels.Level.from_grid("\n".join(rest), name, fields["intro"])
        level.idea = fields["idea"]
        levels.append(level)
    return levels


def read_sets():
    with open(os.path.join(qvlevels.HERE, "sets.txt")) as f:
        return parse_sets(f.read())


def read_designs(folder):
    with open(os.path.join(qvlevels.HERE, "designs", folder + ".txt")) as f:
        return parse_designs(f.read(), folder)


def level_problems(level, verdict, rules, folder):
    found = level.problems()
    if not level.intro:
        found.append("no intro line")
    if not level.idea:
        found.append("no idea line")
    if verdict.outcome != "solved":
        found.append(verdict.outcome)
    elif verdict.traps is None:
        found.append("measures undecided")
    else:
        found += level_rules.level_faults(level, verdict, rules, folder)
    return found


def check(sets, designs, rules):
    """Prints every level with its measures and every broken rule; returns the verdicts and the
    number of faults."""
    faults = 0
    names = set()
    verdicts = {}
    for folder, set_name in sets:
        levels = designs[folder]
        print(f"## {set_name} ({folder}, {len(levels)} levels)")
        print("     level                          moves detour   states starts traps depth dead"
              " switches run")
        verdicts[folder] = qvlevels.solve_many(levels, measures=True, colours=True, **LIMITS)
        for number, (level, v) in enumerate(zip(levels, verdicts[folder]), 1):
            problems = level_problems(level, v, rules, folder)
            if level.name in names:
                problems.append("name used twice")
            names.add(level.name)
            faults += len(problems)
            print(f"{number:3}. {level.name:<30}{v.moves!s:>5} {v.detour!s:>6} {v.states:>8} "
                  f"{v.best_starts!s:>3}/{v.first_moves!s:<2} {v.traps!s:>5} {v.trap_depth!s:>5} "
                  f"{v.dead_starts!s:>4} {v.switches!s:>8} {v.longest_run!s:>3}"
                  f"  {'; '.join(problems)}")
            print(f"     {v.steps()}")
        if all(v.trap_depth is not None for v in verdicts[folder]):
            print(level_rules.summary(verdicts[folder]))
            order = level_rules.order_faults([l.name for l in levels], verdicts[folder], rules, folder)
            for fault in order:
                print(f"order: {fault}")
            faults += len(order)
    return verdicts, faults


def collection_problems(sets, designs, verdicts):
    """The faults between levels of different sets: the puzzle sets (all but the player's own,
    the last) must rise by median detour, and no two levels may share an idea or nearly a board."""
    found = []
    puzzle_sets = [s for s in sets[:-1] if all(v.detour is not None for v in verdicts[s[0]])]
    found += level_rules.median_faults([name for _, name in puzzle_sets],
                                       [[v.detour for v in verdicts[f]] for f, _ in puzzle_sets])
    entries = [(f"{folder} {number} ({level.name})", level, level.idea)
               for folder, _ in sets for number, level in enumerate(designs[folder], 1)]
    found += level_rules.collection_faults(entries, level_rules.read_rules())
    return found


def measures_table(sets, designs, verdicts):
    """The measures tables of docs/levels.md, one per set."""
    parts = []
    for folder, set_name in sets:
        rows = [f"### {set_name}", "",
                "| # | Level | Moves | Detour | States | Best starts | Traps | Trap depth | "
                "Dead starts | Switches | Longest run |",
                "|---|---|---|---|---|---|---|---|---|---|---|"]
        for number, (level, v) in enumerate(zip(designs[folder], verdicts[folder]), 1):
            rows.append(f"| {number} | {level.name} | {v.moves} | {v.detour} | {v.states} |"
                        f" {v.best_starts} | {v.traps} | {v.trap_depth} | {v.dead_starts} |"
                        f" {v.switches} | {v.longest_run} |")
        parts.append("\n".join(rows))
    return "\n\n".join(parts)


def with_table(text, table):
    """`text` with the part between the markers replaced by `table`."""
    start = text.index(TABLE_START) + len(TABLE_START)
    end = text.index(TABLE_END)
    return text[:start] + "\n\n" + table + "\n\n" + text[end:]


def par_lines(sets, verdicts, tutorial):
    """par.txt: "<moves> <key> <board tag>", so that a changed level file has no par."""
    lines = [f"{v.moves} tutorial/{n} {v.tag}" for n, v in enumerate(tutorial)]
    for folder, _ in sets:
        for number, v in enumerate(verdicts[folder], 1):
            lines.append(f"{v.moves} levels/{folder}/{number:02}.txt {v.tag}")
    return "".join(line + "\n" for line in lines)


def write(sets, designs, verdicts, tutorial):
    with open(os.path.join(DATA, "Beta.txt"), "w") as beta:
        for folder, set_name in sets:
            beta.write(f"{set_name}\nlevels/{folder}/list.txt\n")
    for folder, _ in sets:
        directory = os.path.join(DATA, "levels", folder)
        os.makedirs(directory, exist_ok=True)
        for old in os.listdir(directory):
            if old.endswith(".txt"):
                os.remove(os.path.join(directory, old))
        paths = []
        for number, level in enumerate(designs[folder], 1):
            path = f"levels/{folder}/{number:02}.txt"
            with open(os.path.join(DATA, path), "w") as out:
                out.write(level.file_text())
            paths.append(path)
        with open(os.path.join(directory, "list.txt"), "w") as listing:
            listing.write("".join(p + "\n" for p in paths))
    with open(os.path.join(DATA, "levels", "par.txt"), "w") as par:
        par.write(par_lines(sets, verdicts, tutorial))
    with open(TABLES) as f:
        text = f.read()
    with open(TABLES, "w") as f:
        f.write(with_table(text, measures_table(sets, designs, verdicts)))


def main():
    parser = argparse.ArgumentParser(
        description="Check every level design with the solver, then write the shipped sets.")
    parser.add_argument("--check", action="store_true", help="only check and print the measures")
    parser.add_argument("--only", metavar="FOLDER", help="check only this set (implies --check)")
    args = parser.parse_args()

    sets = read_sets()
    if args.only:
        sets = [s for s in sets if s[0] == args.only]
        if not sets:
            parser.error(f"no set in folder {args.only}")
    designs = {folder: read_designs(folder) for folder, _ in sets}
    verdicts, faults = check(sets, designs, level_rules.read_rules())
    if not args.only:
        between = collection_problems(sets, designs, verdicts)
        for fault in between:
            print(f"collection: {fault}")
        faults += len(between)
    if args.check or args.only:
        return 1 if faults else 0
    if faults:
        print(f"{faults} faults: nothing written")
        return 1
    tutorial = qvlevels.solve_tutorial(TUTORIAL_LEVELS, **LIMITS)
    write(sets, designs, verdicts, tutorial)
    return 0


if __name__ == "__main__":
    sys.exit(main())
