#!/usr/bin/env python3
"""Holds the code against the layer order that src/CMakeLists.txt declares.

Every qv_layer(NAME USES ...) line there names what the files of src/NAME/ may include besides
their own folder. This check fails, naming the file and the include, when a file includes a
layer it does not use, reaches another folder by a relative path, or includes SDL in a layer that
builds without it; when a source file of src/ is missing from the build's lists; when files
include each other in a circle (a header and its source count as one file, so a.cpp including b.h
while b.cpp includes a.h is such a circle); and when the
folder table of docs/architecture.md shows a different order.

    check_layers.py [--root DIR]
"""
import argparse
import os
import re
import sys

LAYER_CALL = re.compile(r"qv_layer\((.*?)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
KEYWORDS = ("USES", "SOURCES", "LIBS")
ARCHITECTURE = "docs/architecture.md"


def read_layers(cmake_text):
    """[(name, uses, sources, libs)] in the order of the file, bottom layer first."""
    layers = []
    for call in LAYER_CALL.finditer(re.sub(r"#.*", "", cmake_text)):
        words = call.group(1).split()
        name, fields, key = words[0], {k: [] for k in KEYWORDS}, None
        for word in words[1:]:
            if word in KEYWORDS:
                key = word
            elif key:
                fields[key].append(word)
        layers.append((name, fields["USES"], fields["SOURCES"], fields["LIBS"]))
    return layers


def table_uses(text):
    """{folder: [layers]} from the folder table rows "| `src/x` | ... | uses |"."""
    table = {}
    for line in text.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        match = re.fullmatch(r"`src/(\w+)`", cells[0]) if len(cells) >= 3 else None
        if match:
            table[match.group(1)] = re.findall(r"`(\w+)`", cells[-1])
    return table


def include_circles(includes):
    """Each circle of {file: {included file: where}}, files named without their extension, as the
    list of its files, the smallest first; Tarjan's strongly connected components."""
    index, low, stack, on_stack, circles = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for other in includes.get(node, {}):
            if other not in index:
                visit(other)
                low[node] = min(low[node], low[other])
            elif other in on_stack:
                low[node] = min(low[node], index[other])
        if low[node] == index[node]:
            component = []
            while True:
                other = stack.pop()
                on_stack.discard(other)
                component.append(other)
                if other == node:
                    break
            if len(component) > 1:
                circles.append(sorted(component))

    for node in sorted(includes):
        if node not in index:
            visit(node)
    return sorted(circles)


def check(root):
    faults = []
    cmake = os.path.join(root, "src", "CMakeLists.txt")
    with open(cmake) as f:
        cmake_text = f.read()
    layers = read_layers(cmake_text)
    names = [name for name, *_ in layers]
    uses = {name: set(used) for name, used, _, _ in layers}
    for name, used, _, _ in layers:
        for below in used:
            if below not in names[:names.index(name)]:
                faults.append(f"src/CMakeLists.txt: {name} uses {below}, which is not a layer below it")
    # A layer builds with SDL when it or anything below it links an SDL library.
    with_sdl = set()
    for name, used, _, libs in layers:
        if any("SDL" in lib for lib in libs) or any(u in with_sdl for u in used):
            with_sdl.add(name)

    # Which file (without extension) includes which, and where, for the circle check.
    includes = {}
    listed = {src for _, _, sources, _ in layers for src in sources}
    listed |= set(re.findall(r"add_executable\(\S+\s+(\S+\.cpp)\)", cmake_text))
    # A platform's own sources are listed in set() lists that qv_layer takes by variable.
    for listing in re.finditer(r"set\((.*?)\)", re.sub(r"#.*", "", cmake_text), re.S):
        listed |= {word for word in listing.group(1).split() if word.endswith(".cpp")}
    for name in names:
        folder = os.path.join(root, "src", name)
        for dirpath, _, files in os.walk(folder):
            for file in sorted(files):
                path = os.path.join(dirpath, file)
                rel = os.path.relpath(path, os.path.join(root, "src"))
                if file.endswith(".cpp") and rel not in listed:
                    faults.append(f"src/{rel}: not in the sources of src/CMakeLists.txt")
                if not file.endswith((".cpp", ".h")):
                    continue
                with open(path) as f:
                    text = f.read()
                for match in INCLUDE.finditer(text):
                    line = text.count("\n", 0, match.start()) + 1
                    close = ">" if match.group(1) == "<" else '"'
                    where = f"src/{rel}:{line}: #include {match.group(1)}{match.group(2)}{close}"
                    target = match.group(2)
                    if match.group(1) == "<":
                        if target.startswith("SDL") and name not in with_sdl:
                            faults.append(f"{where}: {name} is built without SDL")
                        continue
                    if ".." in target.split("/"):
                        faults.append(f"{where}: reach other folders by layer, not by a relative path")
                        continue
                    stem = os.path.splitext(rel)[0]
                    if os.path.splitext(target)[0] != stem and os.path.isfile(os.path.join(root, "src", target)):
                        includes.setdefault(stem, {}).setdefault(os.path.splitext(target)[0], where)
                    top = target.split("/")[0]
                    if "/" in target and top in names and top != name and top not in uses[name]:
                        allowed = ", ".join(sorted(uses[name])) or "nothing"
                        faults.append(f"{where}: {name} may include only its own headers and {allowed}")

    for circle in include_circles(includes):
        ties = [includes[a][b] for a in circle for b in circle if b in includes.get(a, {})]
        faults.append("files include each other: " + ", ".join("src/" + c for c in circle) +
                      " (" + "; ".join(ties) + ")")

    with open(os.path.join(root, ARCHITECTURE)) as f:
        table = table_uses(f.read())
    for name in names:
        if name not in table:
            faults.append(f"{ARCHITECTURE}: the folder table has no row for src/{name}")
        elif set(table[name]) != uses[name]:
            faults.append(f"{ARCHITECTURE}: src/{name} uses {sorted(table[name])} in the folder table, "
                          f"{sorted(uses[name])} in src/CMakeLists.txt")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    faults = check(parser.parse_args().root)
    for fault in faults:
        print("layer fault: " + fault)
    print("layer check: " + (f"{len(faults)} faults" if faults else "all good"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
