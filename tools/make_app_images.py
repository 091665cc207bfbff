#!/usr/bin/env python3
"""Draws Shelvix's toolbar strips and program icon into app/res/.

toolbar16.bmp and toolbar24.bmp hold fifteen 16 x 16 or 24 x 24 button images side by side
(256 colours, magenta where transparent); toolbar16d.bmp and toolbar24d.bmp are the same
images greyed for disabled buttons. Shelvix.ico is the program icon at 16, 32 and 48 pixels.
Run it after changing a picture; `--check` only tells whether the committed files are current.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
from pixelart import Canvas, bmp_bytes, ico_bytes, inside_polygon, palette_of, write_outputs

TOOLS_DIR = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.normpath(os.path.join(TOOLS_DIR, '..', 'app', 'res'))

MAGENTA = (255, 0, 255)
IMAGE_COUNT = 15

WHITE = (255, 255, 255)
INK = (40, 40, 48)
PAPER = (250, 246, 232)
PAPER_LINE = (176, 168, 150)
FOLDER_BACK = (222, 164, 36)
FOLDER_FRONT = (255, 214, 92)
FOLDER_LINE = (128, 84, 0)
FLOPPY = (52, 92, 182)
FLOPPY_LINE = (18, 36, 96)
METAL = (206, 210, 218)
METAL_DARK = (96, 100, 112)
INFO = (40, 112, 222)
INFO_LINE = (12, 58, 150)
SPINE_RED = (196, 52, 40)
SPINE_BLUE = (52, 96, 196)
SPINE_GREEN = (44, 146, 72)
SPINE_GOLD = (232, 178, 40)
SPINE_LINE = (52, 36, 30)
BAND = (246, 220, 120)
WOOD = (160, 100, 48)
WOOD_LIGHT = (196, 136, 72)
WOOD_LINE = (92, 54, 20)
COVER = (40, 128, 160)
COVER_DARK = (16, 70, 96)
PLUS = (52, 178, 52)
PLUS_LINE = (0, 98, 0)
CROSS = (226, 44, 44)
CROSS_LINE = (138, 0, 0)


class Sketch:
    """Draws on a canvas in units of a 16-pixel grid, scaled to the real size: coordinates
    are edges (a unit square (x, y)-(x+1, y+1) is one pixel at 16), and a pixel belongs to a
    shape when its centre does. Shapes get a one-pixel outline inside their edge."""

    def __init__(self, canvas, left, top, size):
        self.canvas = canvas
        self.left, self.top = left, top
        self.size = size
        self.scale = size / 16

    def pixels_of(self, inside_units):
        cells = []
        for j in range(self.size):
            for i in range(self.size):
                if inside_units((i + 0.5) / self.scale, (j + 0.5) / self.scale):
                    cells.append((i, j))
        return cells

    def shape(self, inside_units, fill, line=None, corners=False):
        """corners: the outline also takes pixels that touch the outside only diagonally, which
        keeps inner corners (of a plus, say) sharp."""
        cells = set(self.pixels_of(inside_units))
        steps = [(-1, 0), (1, 0), (0, -1), (0, 1)]
        if corners:
            steps += [(-1, -1), (1, -1), (-1, 1), (1, 1)]
        for i, j in sorted(cells):
            edge = any((i + di, j + dj) not in cells for di, dj in steps)
            colour = line if (line and edge) else fill
            if colour:
                self.canvas.put(self.left + i, self.top + j, colour)

    def rect(self, x0, y0, x1, y1, fill, line=None):
        self.shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, fill, line)

    def polygon(self, points, fill, line=None):
        self.shape(lambda x, y: inside_polygon(points, x, y), fill, line)

    def disc(self, cx, cy, r, fill, line=None):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, fill, line)

    def pixel_box(self, x0, y0, x1, y1):
        """The first and last pixel columns and rows that a unit rectangle covers."""
        def first(edge):
            return int(edge * self.scale + 0.5)
        return first(x0), first(y0), first(x1) - 1, first(y1) - 1

    def fill_pixels(self, i0, j0, i1, j1, colour):
        self.canvas.fill_rect(self.left + i0, self.top + j0, self.left + i1, self.top + j1, colour)

    def hline(self, x0, x1, y, colour):
        """A line one pixel thick at every size, along the unit row y."""
        j = int(y * self.scale)
        for i in range(int(x0 * self.scale + 0.5), int(x1 * self.scale + 0.5)):
            self.canvas.put(self.left + i, self.top + j, colour)


# Pieces shared by several pictures.

# Both badges fill the bottom-right 8 x 8 units.

def plus_badge(sk):
    sk.shape(lambda x, y: (10 <= x < 14 and 8 <= y < 16) or (8 <= x < 16 and 10 <= y < 14),
             PLUS, PLUS_LINE, corners=True)


def cross_badge(sk):
    """Two diagonal strokes three pixels wide; at 24 pixels with a dark edge, at 16 plain,
    since an edge would leave no red inside."""
    box = sk.size // 2
    margin = 1 if sk.size > 16 else 0
    core = {(i, j) for i in range(margin, box - margin) for j in range(margin, box - margin)
            if abs(i - j) <= 1 or abs(i + j - (box - 1)) <= 1}
    if margin:
        ring = {(i + di, j + dj) for i, j in core for di in (-1, 0, 1) for dj in (-1, 0, 1)}
        for i, j in sorted(ring - core):
            sk.canvas.put(sk.left + sk.size - box + i, sk.top + sk.size - box + j, CROSS_LINE)
    for i, j in sorted(core):
        sk.canvas.put(sk.left + sk.size - box + i, sk.top + sk.size - box + j, CROSS)


def closed_book(sk):
    """A book seen from the front, spine on the left, pages showing on the right."""
    sk.rect(3, 1, 13, 15, PAPER, PAPER_LINE)
    sk.rect(2, 1, 12, 15, COVER, COVER_DARK)
    sk.rect(2, 1, 4, 15, COVER_DARK)
    sk.rect(5, 3, 10, 6, PAPER, COVER_DARK)


def book_spines(sk, spines, bottom, bands):
    """Books standing side by side: one dark line between neighbours, not two, so that even
    at 16 pixels each spine keeps two pixels of colour."""
    for x0, y0, x1, colour in spines:
        i0, j0, i1, j1 = sk.pixel_box(x0, y0, x1, bottom)
        sk.fill_pixels(i0, j0, i1 + 1, j1, SPINE_LINE)
        sk.fill_pixels(i0 + 1, j0 + 1, i1, j1, colour)
        for y in bands(y0):
            band = int(y * sk.scale)
            sk.fill_pixels(i0 + 1, band, i1, band, BAND)


def shelf_of_books(sk):
    spines = [(0.5, 4, 3.5, SPINE_RED), (3.5, 1.5, 7, SPINE_BLUE), (7, 4.5, 10, SPINE_GREEN),
              (10, 3, 13, SPINE_GOLD)]
    book_spines(sk, spines, 13, lambda top: (top + 2,))
    sk.rect(0, 13, 14.5, 15, WOOD, WOOD_LINE)


# The button images, in the strip's order.

def draw_open_book(sk):
    sk.polygon([(0, 4.5), (8, 5), (16, 4.5), (16, 13.5), (8, 14.5), (0, 13.5)], COVER,
               COVER_DARK)
    sk.polygon([(1, 3.5), (4.5, 2.5), (8, 3.8), (8, 13), (4.5, 11.7), (1, 12.3)], PAPER, INK)
    sk.polygon([(15, 3.5), (11.5, 2.5), (8, 3.8), (8, 13), (11.5, 11.7), (15, 12.3)], PAPER, INK)
    for y in (5.5, 7.5, 9.5):
        sk.hline(2.5, 6.5, y, PAPER_LINE)
        sk.hline(9.5, 13.5, y, PAPER_LINE)


def draw_open(sk):
    sk.polygon([(1, 3), (1, 14), (13, 14), (13, 4.5), (7, 4.5), (6, 3)], FOLDER_BACK, FOLDER_LINE)
    sk.rect(3, 5.5, 11, 9, WHITE, PAPER_LINE)
    sk.polygon([(1, 14), (3.5, 7.5), (16, 7.5), (13.5, 14)], FOLDER_FRONT, FOLDER_LINE)


def draw_save(sk):
    sk.polygon([(1, 1), (13.5, 1), (15, 2.5), (15, 15), (1, 15)], FLOPPY, FLOPPY_LINE)
    sk.rect(4, 1, 12, 6, METAL, METAL_DARK)
    sk.rect(9, 2, 10.5, 5, METAL_DARK)
    sk.rect(3, 8, 13, 15, WHITE, FLOPPY_LINE)
    for y in (10, 12):
        sk.hline(4.5, 11.5, y, PAPER_LINE)


def draw_about(sk):
    sk.disc(8, 8, 7.5, INFO, INFO_LINE)
    sk.rect(7, 3, 9, 5, WHITE)
    sk.rect(7, 6, 9, 12, WHITE)
    sk.rect(6, 6, 7, 7, WHITE)
    sk.rect(6, 11.2, 10, 12.5, WHITE)


def draw_add_collection(sk):
    shelf_of_books(sk)
    plus_badge(sk)


def draw_delete_collection(sk):
    shelf_of_books(sk)
    cross_badge(sk)


def draw_add_books(sk):
    closed_book(sk)
    plus_badge(sk)


def draw_delete_book(sk):
    closed_book(sk)
    cross_badge(sk)


BUTTON_IMAGES = [draw_open_book, draw_open, draw_save, draw_about, draw_add_collection,
                 draw_delete_collection, draw_add_books, draw_delete_book]


def toolbar_strip(size):
    strip = Canvas(size * IMAGE_COUNT, size, MAGENTA)
    for index, draw in enumerate(BUTTON_IMAGES):
        draw(Sketch(strip, index * size, 0, size))
    return strip


def disabled_strip(strip, size):
    """The greyed look of a disabled button: each picture washed out to light greys, with a
    white relief one pixel below and to the right of it, as Windows etches disabled images."""
    grey = Canvas(strip.width, strip.height, MAGENTA)
    for y in range(strip.height):
        for x in range(strip.width):
            colour = strip.get(x, y)[:3]
            if colour == MAGENTA:
                continue
            light = (299 * colour[0] + 587 * colour[1] + 114 * colour[2]) // 1000
            value = 136 + light * 96 // 255
            grey.put(x, y, (value, value, value))
    for y in range(strip.height - 1, 0, -1):
        for x in range(strip.width - 1, 0, -1):
            if x % size == 0:
                continue
            if grey.get(x, y)[:3] == MAGENTA and strip.get(x - 1, y - 1)[:3] != MAGENTA:
                grey.put(x, y, WHITE)
    return grey


def strip_bytes(strip):
    return bmp_bytes(strip, 8, palette_of([strip], 256))


# The program icon: books on a wooden shelf.

def program_icon(size):
    icon = Canvas(size, size)
    sk = Sketch(icon, 0, 0, size)
    detailed = size >= 32  # gilt bands and a lit plank only where there is room for them
    spines = [(0.5, 4, 3.5, SPINE_RED), (3.5, 1, 7, SPINE_BLUE), (7, 5, 9.5, SPINE_GREEN)]
    book_spines(sk, spines, 13, lambda top: (top + 1.5, 11) if detailed else ())
    sk.polygon([(9.5, 13), (12.5, 13), (15.6, 4.2), (12.6, 3.2)], SPINE_GOLD, SPINE_LINE)
    sk.rect(0, 13, 16, 16, WOOD, WOOD_LINE)
    if detailed:
        sk.rect(1, 14, 15, 15, WOOD_LIGHT)
    return icon


def main(argv):
    files = {}
    for size in (16, 24):
        strip = toolbar_strip(size)
        files['toolbar%d.bmp' % size] = strip_bytes(strip)
        files['toolbar%dd.bmp' % size] = strip_bytes(disabled_strip(strip, size))
    files['Shelvix.ico'] = ico_bytes([program_icon(size) for size in (16, 32, 48)])
    return write_outputs(OUT_DIR, files, argv)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
