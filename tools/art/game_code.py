"""Reads, from the game's C++ code under src/, the tables the art shares with it, so that each is
written once: the picture table (render/PictureList.def), the scales the masters are drawn at
(render/PictureScales.def), the button and picture files the screens name, the tutorial's intro
texts with their pictures, and named numbers and colours. Needs no cairo. A reader that finds the code in a form it does not know raises CodeError,
naming the file."""
import ast
import collections
import glob
import os
import re

SRC = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src"))


class CodeError(Exception):
    pass


def read(rel):
    with open(os.path.join(SRC, rel)) as f:
        return f.read()


# --- the picture table --------------------------------------------------------------------

Picture = collections.namedtuple("Picture", "stem fit width height")  # fit: Exact, AtMost, None
PICTURE = re.compile(r'QV_PICTURE\(\s*(\w+)\s*,\s*"(\w+)"\s*,\s*(Exact|AtMost)\s*,'
                     r'\s*(\d+)\s*,\s*(\d+)\s*\)')
SERIES = re.compile(r'QV_PICTURE_SERIES\(\s*(\w+)\s*,\s*"(\w+)"\s*,\s*(\d+)\s*,\s*(\d+)\s*\)')
PICTURE_LIST = "render/PictureList.def"


def def_lines(rel):
    """(line number, line) of each line of a .def table under src/ that is not a comment."""
    for number, line in enumerate(read(rel).splitlines(), 1):
        line = line.strip()
        if line and not line.startswith("//"):
            yield number, line


def picture_table():
    """[Picture] in the order LoadAllPictures reads them; a series' loaded files have no size."""
    table = []
    for number, line in def_lines(PICTURE_LIST):
        if PICTURE.fullmatch(line):
            _, stem, fit, w, h = PICTURE.fullmatch(line).groups()
            table.append(Picture(stem, fit, int(w), int(h)))
        elif SERIES.fullmatch(line):
            _, stem, loaded, _ = SERIES.fullmatch(line).groups()
            table += [Picture("%s%d" % (stem, i), None, 0, 0) for i in range(int(loaded))]
        else:
            raise CodeError("src/%s:%d: not a picture line: %s" % (PICTURE_LIST, number, line))
    return table


SCALE_LINE = re.compile(r"QV_PICTURE_SCALE\(\s*(\d+)\s*\)")
PICTURE_SCALES = "render/PictureScales.def"


def picture_scales():
    """The scales every picture's master is drawn at, smallest (1) first."""
    scales = []
    for number, line in def_lines(PICTURE_SCALES):
        m = SCALE_LINE.fullmatch(line)
        if not m:
            raise CodeError("src/%s:%d: not a scale line: %s" % (PICTURE_SCALES, number, line))
        scales.append(int(m.group(1)))
    if not scales or scales[0] != 1 or scales != sorted(set(scales)):
        raise CodeError("src/%s: the scales must rise from 1: %s" % (PICTURE_SCALES, scales))
    return scales


# --- files the code names -----------------------------------------------------------------

def source_files():
    return sorted(os.path.relpath(p, SRC) for p in glob.glob(os.path.join(SRC, "**", "*.*"),
                                                             recursive=True)
                  if p.endswith((".cpp", ".h")))


def named_files(pattern):
    """{key: "src/file:line"} of every string literal in src/ that the regex matches whole, at
    its first place; the key is the literal's text, its one group, or the tuple of its groups."""
    literal = re.compile('"(%s)"' % pattern)
    found = {}
    for rel in source_files():
        text = read(rel)
        for m in literal.finditer(text):
            inner = m.groups()[1:]
            key = inner if len(inner) > 1 else (inner or m.groups())[0]
            found.setdefault(key, "src/%s:%d" % (rel, text.count("\n", 0, m.start()) + 1))
    return found


def button_files():
    """{(folder, name): where} of every "./gui/<folder>/<name>.button" the screens read."""
    return named_files(r"\./gui/(\w+)/(\w+)\.button")


# --- the tutorial ---------------------------------------------------------------------------

TUTORIAL = "content/Tutorial.cpp"
TUTORIAL_FIELDS = 5  # board numbers, name, intro text, solved text, picture path
TOKEN = re.compile(r'"(?:[^"\\\n]|\\.)*"|//[^\n]*|/\*.*?\*/|[,{}]|[^\s,{}"/]+', re.S)


def tutorial_intros():
    """{level: (intro text, picture file under graphics/)} of the built-in tutorial."""
    text = read(TUTORIAL)
    m = re.search(r"kTutorial\[\w*\]\s*=\s*\{(.*?)\n\};", text, re.S)
    if not m:
        raise CodeError("src/%s: no kTutorial table" % TUTORIAL)
    fields, current = [], None
    for token in TOKEN.findall(m.group(1)):
        if token.startswith('"'):
            current = (current or "") + ast.literal_eval(token)   # adjacent literals join
        elif token in ",}" and current is not None:
            fields.append(current)
            current = None
    levels = constant("content/Tutorial.h", "kTutorialLevelCount")
    if len(fields) != levels * TUTORIAL_FIELDS:
        raise CodeError("src/%s: kTutorial has %d strings, not %d for each of %d levels"
                        % (TUTORIAL, len(fields), TUTORIAL_FIELDS, levels))
    intros = {}
    for level in range(levels):
        _, _, intro, _, path = fields[level * TUTORIAL_FIELDS:(level + 1) * TUTORIAL_FIELDS]
        if not path.startswith("./graphics/"):
            raise CodeError("src/%s: level %d's picture %s is not under ./graphics/"
                            % (TUTORIAL, level, path))
        intros[level] = (intro, path[len("./graphics/"):])
    return intros


# --- named numbers and colours ------------------------------------------------------------

def constant(rel, name):
    """The value of a constexpr in src/<rel>: a number, or for a brace initialiser the tuple of
    its numbers. Names in an expression are looked up in the same file, then in the headers."""
    for where in [rel] + [h for h in source_files() if h.endswith(".h") and h != rel]:
        m = re.search(r"constexpr\s+[\w:]+\s+%s\s*(?:=\s*([^;{]+);|\{([^}]*)\};)" % name,
                      read(where))
        if m:
            if m.group(1) is not None:
                return _evaluate(m.group(1), where)
            return tuple(_evaluate(part, where) for part in m.group(2).split(","))
    raise CodeError("src/%s: no constexpr %s" % (rel, name))


def _evaluate(expr, rel):
    """Integer arithmetic of numbers and named constants, as the compiler does it here."""
    out = []
    for token in re.findall(r"\w+|\S", expr):
        if token.isdigit() or token in "+-*()":
            out.append(token)
        elif token == "/":
            out.append("//")                   # operands are never negative in these tables
        elif re.fullmatch(r"k[A-Z]\w*", token):
            out.append(str(constant(rel, token)))
        else:
            raise CodeError("src/%s: cannot work out %r in %s" % (rel, token, expr.strip()))
    return eval(" ".join(out), {"__builtins__": {}})
