#!/usr/bin/env python3
"""Draws the images that QVTOOLS201's tests and demos load as resources.

tests/toolkit/draw/res/: two film strips of 32 x 8 frames, each frame one solid colour from
FRAME_COLOURS (strip160.bmp: five frames; strip170.bmp: the same five and a 10-pixel rest in
REST_COLOUR), and icon24.ico, one 24 x 24 image (a size no system default has).
tests/toolkit/tree/res/treeimages.bmp: the tree demo's 16 x 16 images side by side on magenta
(the transparent colour): a closed folder, an open folder and a page.
Run it after changing a picture; `--check` only tells whether the committed files are current.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
from pixelart import Canvas, bmp_bytes, ico_bytes, write_outputs

TOOLS_DIR = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(TOOLS_DIR, '..'))
DRAW_DIR = os.path.join(ROOT, 'tests', 'toolkit', 'draw', 'res')
TREE_DIR = os.path.join(ROOT, 'tests', 'toolkit', 'tree', 'res')

FRAME_W, FRAME_H = 32, 8
FRAME_COLOURS = [(255, 0, 0), (0, 160, 0), (0, 0, 255), (255, 200, 0), (0, 200, 200)]
REST_COLOUR = (128, 0, 128)

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FOLDER = (232, 184, 48)
FOLDER_DARK = (160, 112, 16)
PAGE_LINE = (96, 128, 200)


def strip(width):
    canvas = Canvas(width, FRAME_H, REST_COLOUR)
    for frame, colour in enumerate(FRAME_COLOURS):
        canvas.fill_rect(frame * FRAME_W, 0, frame * FRAME_W + FRAME_W - 1, FRAME_H - 1, colour)
    return canvas


def icon24():
    canvas = Canvas(24, 24)
    canvas.fill_rect(2, 2, 21, 21, (0, 96, 192))
    canvas.frame_rect(2, 2, 21, 21, BLACK)
    canvas.fill_rect(8, 8, 15, 15, WHITE)
    return canvas


def folder(canvas, x0, open_):
    canvas.fill_rect(x0 + 1, 3, x0 + 6, 4, FOLDER_DARK)
    canvas.fill_rect(x0 + 1, 4, x0 + 14, 13, FOLDER)
    canvas.frame_rect(x0 + 1, 4, x0 + 14, 13, FOLDER_DARK)
    if open_:
        canvas.fill_rect(x0 + 3, 7, x0 + 15, 13, (248, 216, 112))
        canvas.frame_rect(x0 + 3, 7, x0 + 15, 13, FOLDER_DARK)


def page(canvas, x0):
    canvas.fill_rect(x0 + 3, 1, x0 + 12, 14, WHITE)
    canvas.frame_rect(x0 + 3, 1, x0 + 12, 14, BLACK)
    for y in (4, 6, 8, 10, 12):
        canvas.fill_rect(x0 + 5, y, x0 + 10, y, PAGE_LINE)


def tree_images():
    canvas = Canvas(48, 16, MAGENTA)
    folder(canvas, 0, False)
    folder(canvas, 16, True)
    page(canvas, 32)
    return canvas


def main(argv):
    draw = {
        'strip160.bmp': bmp_bytes(strip(160), 24),
        'strip170.bmp': bmp_bytes(strip(170), 24),
        'icon24.ico': ico_bytes([icon24()]),
    }
    tree = {'treeimages.bmp': bmp_bytes(tree_images(), 24)}
    return write_outputs(DRAW_DIR, draw, argv) | write_outputs(TREE_DIR, tree, argv)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
