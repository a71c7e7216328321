#!/usr/bin/python3
"""Regenerates every picture under data/graphics and every button under data/gui, then checks
them.  Run from anywhere: /usr/bin/python3 tools/art/make_art.py"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import buttons  # noqa: E402
import check_art  # noqa: E402
import helppics  # noqa: E402
import pieces  # noqa: E402
import screens  # noqa: E402
import tutorials  # noqa: E402


def main():
    for part in (pieces, helppics, buttons, screens, tutorials):
        part.make_all()
    return check_art.main()


if __name__ == "__main__":
    sys.exit(main())
