#!/usr/bin/python3
"""Regenerates every picture under data/graphics and every button under data/gui, then checks
them.  Run from anywhere: /usr/bin/python3 tools/art/make_art.py"""
import sys

import buttons
import check_art
import helppics
import pieces
import screens
import tutorials


def main():
    for part in (pieces, helppics, buttons, screens, tutorials):
        part.make_all()
    return check_art.main()


if __name__ == "__main__":
    sys.exit(main())
