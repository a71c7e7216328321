#!/usr/bin/python3
"""Regenerates every picture under data/graphics and every button under data/gui, at every scale
of the game's table (src/render/PictureScales.def), shrinks the PNGs losslessly with optipng
when it is installed, then checks them.  Run from anywhere: /usr/bin/python3 tools/art/make_art.py"""
import glob
import os
import shutil
import subprocess
import sys

import buttons
import check_art
import game_code
import helppics
import pieces
import screens
import style
import tutorials


def optimise():
    """The same pixels in fewer bytes: the masters at 2x and 3x are what a browser downloads."""
    if not shutil.which("optipng"):
        print("optipng is not installed: the pictures are left as cairo wrote them")
        return
    pictures = sorted(glob.glob(os.path.join(style.DATA, "graphics", "**", "*.png"), recursive=True)
                      + glob.glob(os.path.join(style.DATA, "gui", "**", "*.png"), recursive=True))
    subprocess.run(["optipng", "-quiet", "-o2", "-strip", "all"] + pictures, check=True)


def main():
    for scale in game_code.picture_scales():
        style.set_scale(scale)
        for part in (pieces, helppics, buttons, screens, tutorials):
            part.make_all()
    style.set_scale(1)
    optimise()
    return check_art.main()


if __name__ == "__main__":
    sys.exit(main())
