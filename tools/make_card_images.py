#!/usr/bin/env python3
"""Draws QVTOOLS201's card table images into toolkit/res/.

52 card faces, the joker and the card back (71 x 96 bitmaps; the ace to ten of clubs and of
spades monochrome, the rest 16 colours), the red seven-segment digits and the minus sign,
the six casino chips (32 x 32 icons with alpha) and the 16 x 16 colour-format bitmap.
Run it after changing a picture; `--check` only tells whether the committed files are current.
"""

import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
from pixelart import Canvas, Font, TRANSPARENT, bmp_bytes, ico_bytes, inside_polygon, \
    write_outputs

TOOLS_DIR = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.normpath(os.path.join(TOOLS_DIR, '..', 'toolkit', 'res'))

CARD_W, CARD_H = 71, 96
# The outline the drawing code clips every card to: corners cut 2 x 2 above, 2 x 3 below.
CARD_OUTLINE = [(0, 2), (2, 0), (69, 0), (71, 2), (71, 93), (69, 96), (2, 96), (0, 93)]

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (214, 0, 0)
DARK_RED = (128, 0, 0)
GOLD = (255, 204, 0)
OCHRE = (184, 128, 0)
SKIN = (255, 214, 170)
BLUE = (0, 72, 200)
NAVY = (0, 24, 112)
SKY = (104, 160, 255)
GREEN = (0, 136, 0)
GREY = (128, 128, 128)
SILVER = (200, 200, 200)
BROWN = (120, 64, 16)
ORANGE = (255, 128, 0)
DARK_GREY = (64, 64, 64)
CARD_PALETTE = [BLACK, WHITE, RED, DARK_RED, GOLD, OCHRE, SKIN, BLUE, NAVY, SKY, GREEN, GREY,
                SILVER, BROWN, ORANGE, DARK_GREY]
# A monochrome bitmap takes the DC's text colour for index 0 and its background for index 1.
MONO_PALETTE = [BLACK, WHITE]

SUITS = 'cdhs'  # clubs, diamonds, hearts, spades
RANK_NAMES = ['A', '2', '3', '4', '5', '6', '7', '8', '9', '10', 'J', 'Q', 'K']

# Hand-made glyphs for the card corners: 9 rows high, strokes two pixels wide.
RANK_FONT = Font({
    'A': ['..###..', '.##.##.', '##...##', '##...##', '##...##', '#######', '##...##',
          '##...##', '##...##'],
    '2': ['.#####.', '##...##', '.....##', '.....##', '...###.', '.###...', '##.....',
          '##.....', '#######'],
    '3': ['.#####.', '##...##', '.....##', '.....##', '..####.', '.....##', '.....##',
          '##...##', '.#####.'],
    '4': ['....##.', '...###.', '..####.', '.##.##.', '##..##.', '#######', '....##.',
          '....##.', '....##.'],
    '5': ['#######', '##.....', '##.....', '######.', '.....##', '.....##', '.....##',
          '##...##', '.#####.'],
    '6': ['..####.', '.##....', '##.....', '######.', '##...##', '##...##', '##...##',
          '##...##', '.#####.'],
    '7': ['#######', '.....##', '.....##', '....##.', '...##..', '...##..', '..##...',
          '..##...', '..##...'],
    '8': ['.#####.', '##...##', '##...##', '##...##', '.#####.', '##...##', '##...##',
          '##...##', '.#####.'],
    '9': ['.#####.', '##...##', '##...##', '##...##', '.######', '.....##', '.....##',
          '....##.', '.####..'],
    '1': ['.##', '###', '.##', '.##', '.##', '.##', '.##', '.##', '.##'],
    '0': ['.####.', '##..##', '##..##', '##..##', '##..##', '##..##', '##..##', '##..##',
          '.####.'],
    'J': ['...####', '.....##', '.....##', '.....##', '.....##', '.....##', '##...##',
          '##...##', '.#####.'],
    'Q': ['.#####.', '##...##', '##...##', '##...##', '##...##', '##.#.##', '##..##.',
          '.###.##', '......#'],
    'K': ['##...##', '##..##.', '##.##..', '####...', '###....', '####...', '##.##..',
          '##..##.', '##...##'],
    'O': ['.#####.', '##...##', '##...##', '##...##', '##...##', '##...##', '##...##',
          '##...##', '.#####.'],
    'E': ['#######', '##.....', '##.....', '##.....', '######.', '##.....', '##.....',
          '##.....', '#######'],
    'R': ['######.', '##...##', '##...##', '##...##', '######.', '##.##..', '##..##.',
          '##...##', '##...##'],
}, spacing=1)


# Suit shapes in a unit box, x to the right and y down; sampled at pixel centres.

def _disc(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def heart_shape(x, y):
    return (_disc(x, y, 0.27, 0.29, 0.27) or _disc(x, y, 0.73, 0.29, 0.27) or
            inside_polygon([(0.03, 0.4), (0.97, 0.4), (0.5, 1.0)], x, y))


def diamond_shape(x, y):
    return abs(x - 0.5) / 0.5 + abs(y - 0.5) / 0.5 <= 1.0


def spade_shape(x, y):
    return (_disc(x, y, 0.27, 0.55, 0.25) or _disc(x, y, 0.73, 0.55, 0.25) or
            inside_polygon([(0.03, 0.47), (0.97, 0.47), (0.5, 0.0)], x, y) or
            inside_polygon([(0.5, 0.6), (0.25, 1.0), (0.75, 1.0)], x, y))


def club_shape(x, y):
    return (_disc(x, y, 0.5, 0.25, 0.23) or _disc(x, y, 0.24, 0.57, 0.23) or
            _disc(x, y, 0.76, 0.57, 0.23) or (abs(x - 0.5) < 0.12 and 0.25 < y < 0.6) or
            inside_polygon([(0.5, 0.4), (0.28, 1.0), (0.72, 1.0)], x, y))


SUIT_SHAPES = {'c': club_shape, 'd': diamond_shape, 'h': heart_shape, 's': spade_shape}


def suit_colour(suit):
    return RED if suit in 'dh' else BLACK


def pip(suit, width, height, colour=None):
    """One suit symbol on a transparent sprite; a diamond is drawn narrower than its box."""
    sprite = Canvas(width, height)
    shape = SUIT_SHAPES[suit]
    inset = round(width * 0.1) if suit == 'd' else 0
    inner = width - 2 * inset
    sprite.fill_where(lambda x, y: shape((x - inset) / inner, y / height),
                      colour or suit_colour(suit), (inset, 0, width - 1 - inset, height - 1))
    return sprite


def inside_card(x, y):
    return 0 <= x < CARD_W and 0 <= y < CARD_H and \
        inside_polygon(CARD_OUTLINE, x + 0.5, y + 0.5)


def blank_card():
    """White face, a one-pixel black border along the clip outline, black outside it (so
    that a pixel more or less of clipping never shows a white speck beyond the border)."""
    card = Canvas(CARD_W, CARD_H, WHITE)
    card.fill_where(lambda x, y: not inside_polygon(CARD_OUTLINE, x, y), BLACK)
    card.outline(BLACK, inside_card)
    return card


def place(card, sprite, cx, cy):
    """Puts a sprite centred on (cx, cy); below the middle of the card it is turned upside
    down and placed as the mirror image of its upper twin, so both halves match exactly."""
    if cy <= CARD_H / 2:
        card.paste(sprite, int(cx - sprite.width / 2 + 0.5), int(cy - sprite.height / 2 + 0.5))
    else:
        x = int((CARD_W - cx) - sprite.width / 2 + 0.5)
        y = int((CARD_H - cy) - sprite.height / 2 + 0.5)
        card.paste(sprite, CARD_W - x - sprite.width, CARD_H - y - sprite.height, rotate180=True)


def corner_indices(card, label_sprite):
    """The index (rank and suit) at the top left, and turned round at the bottom right."""
    card.paste(label_sprite, 0, 0)
    card.paste(label_sprite, 0, 0, rotate180=True)


def index_sprite(rank_name, suit):
    sprite = Canvas(CARD_W, CARD_H)
    RANK_FONT.draw_centred(sprite, 7, 4, rank_name, suit_colour(suit))
    sprite.paste(pip(suit, 7, 8), 4, 15)
    return sprite


# Pip positions (centres) of the classic layouts; the card's middle is (35.5, 48).
COL_L, COL_M, COL_R = 20.5, 35.5, 50.5
ROW_T, ROW_B = 17.0, 79.0
ROW_M = 48.0
ROW_2, ROW_3 = ROW_T + (ROW_B - ROW_T) / 3, ROW_T + 2 * (ROW_B - ROW_T) / 3
ROW_TM, ROW_MB = (ROW_T + ROW_M) / 2, (ROW_M + ROW_B) / 2
PIP_LAYOUTS = {
    2: [(COL_M, ROW_T), (COL_M, ROW_B)],
    3: [(COL_M, ROW_T), (COL_M, ROW_M), (COL_M, ROW_B)],
    4: [(c, r) for r in (ROW_T, ROW_B) for c in (COL_L, COL_R)],
    5: [(c, r) for r in (ROW_T, ROW_B) for c in (COL_L, COL_R)] + [(COL_M, ROW_M)],
    6: [(c, r) for r in (ROW_T, ROW_M, ROW_B) for c in (COL_L, COL_R)],
    7: [(c, r) for r in (ROW_T, ROW_M, ROW_B) for c in (COL_L, COL_R)] + [(COL_M, ROW_TM)],
    8: [(c, r) for r in (ROW_T, ROW_M, ROW_B) for c in (COL_L, COL_R)] +
       [(COL_M, ROW_TM), (COL_M, ROW_MB)],
    9: [(c, r) for r in (ROW_T, ROW_2, ROW_3, ROW_B) for c in (COL_L, COL_R)] + [(COL_M, ROW_M)],
    10: [(c, r) for r in (ROW_T, ROW_2, ROW_3, ROW_B) for c in (COL_L, COL_R)] +
        [(COL_M, (ROW_T + ROW_2) / 2), (COL_M, (ROW_3 + ROW_B) / 2)],
}


def number_card(suit, rank):
    card = blank_card()
    corner_indices(card, index_sprite(RANK_NAMES[rank], suit))
    if rank == 0:
        size = (33, 36) if suit == 's' else (23, 25)
        card.paste(pip(suit, *size), int(35.5 - size[0] / 2 + 0.5), 48 - size[1] // 2)
        return card
    sprite = pip(suit, 13, 14)
    for cx, cy in PIP_LAYOUTS[rank + 1]:
        place(card, sprite, cx, cy)
    return card


def outline_regions(canvas):
    """Inks every boundary between two differently coloured areas, one pixel wide, on the
    right or lower side of it, so that figures drawn as flat areas get a drawn look."""
    marks = []
    for y in range(canvas.height):
        for x in range(canvas.width):
            here = canvas.get(x, y)
            if here[:3] == BLACK:
                continue
            for nx, ny in ((x - 1, y), (x, y - 1)):
                if nx < 0 or ny < 0:
                    continue
                there = canvas.get(nx, ny)
                if there != here and there[:3] != BLACK and (here[3] or there[3]):
                    marks.append((x, y))
                    break
    for x, y in marks:
        canvas.put(x, y, BLACK)


# Court figures: the upper half of the frame is drawn on its own and the lower half is the
# same picture turned round, as on a double-headed card.
FRAME = (12, 9, 58, 86)
HALF_W, HALF_H = FRAME[2] - FRAME[0] - 1, (FRAME[3] - FRAME[1] - 1) // 2

COURT_COLOURS = {  # suit: (robe, sleeves and hat, hair)
    'c': (BLUE, RED, BROWN),
    'd': (RED, BLUE, OCHRE),
    'h': (RED, GREEN, BROWN),
    's': (NAVY, RED, OCHRE),
}


def face(half, cx, cy, beard):
    half.ellipse(cx, cy, 5.5, 6.5, SKIN)
    if beard:
        half.polygon([(cx - 6, cy + 1), (cx + 6, cy + 1), (cx + 4, cy + 9), (cx, cy + 11),
                      (cx - 4, cy + 9)], beard)


def face_details(half, cx, cy, lips):
    half.put(int(cx) - 2, int(cy) - 1, BLACK)
    half.put(int(cx) + 2, int(cy) - 1, BLACK)
    half.fill_rect(int(cx) - 1, int(cy) + 3, int(cx) + 1, int(cy) + 3, lips)


def court_half(suit, rank):
    robe, second, hair = COURT_COLOURS[suit]
    half = Canvas(HALF_W, HALF_H, WHITE)
    cx, cy = 22.5, 15.5  # centre of the head; the frame's middle column is x = 22
    if rank == 12:
        half.ellipse(cx, cy - 1, 8, 7, hair)
    elif rank == 11:
        half.ellipse(cx, cy + 3, 9, 11, hair)
    else:
        half.ellipse(cx, cy - 2, 7.5, 6.5, hair)
    # Robe and shoulders, with a gold band down the front.
    half.polygon([(3, 38), (9, 26), (16, 23), (29, 23), (36, 26), (42, 38)], robe)
    half.polygon([(3, 38), (9, 26), (13, 25), (12, 38)], second)
    half.polygon([(42, 38), (36, 26), (32, 25), (33, 38)], second)
    half.fill_rect(20, 27, 24, 37, GOLD)
    if rank == 12:  # king: crown with three points, grey beard, sword
        face(half, cx, cy, SILVER)
        half.polygon([(14, 9), (14, 1), (18.5, 5), (22.5, 0), (26.5, 5), (31, 1), (31, 9)], GOLD)
        half.fill_rect(39, 3, 40, 29, SILVER)
        half.fill_rect(36, 29, 43, 30, GOLD)
        half.fill_rect(39, 31, 40, 36, BROWN)
    elif rank == 11:  # queen: small crown, long hair, a flower
        face(half, cx, cy, None)
        half.polygon([(16, 8), (16, 4), (29, 4), (29, 8)], GOLD)
        for x in (16.5, 22.5, 28.5):
            half.ellipse(x, 3, 1.6, 1.6, GOLD)
        half.fill_rect(38, 14, 38, 30, GREEN)
        half.ellipse(38.5, 12.5, 3.5, 3.5, RED if suit not in 'dh' else BLUE)
    else:  # jack: cap with a feather, short hair, a halberd
        face(half, cx, cy, None)
        half.polygon([(13, 9), (15, 3), (22.5, 1), (30, 3), (32, 9)], second)
        half.fill_rect(13, 8, 31, 9, GOLD)
        half.polygon([(29, 4), (36, 0), (38, 1), (32, 6)], WHITE)
        half.fill_rect(39, 6, 40, 37, BROWN)
        half.polygon([(36, 1), (39, 3), (39, 9), (35, 10)], SILVER)
    outline_regions(half)
    face_details(half, cx, cy, RED)
    if rank == 12:
        for x in (18, 22, 26):
            half.put(x, 6, RED)
    half.paste(pip(suit, 9, 10), 2, 2)
    return half


def court_card(suit, rank):
    card = blank_card()
    corner_indices(card, index_sprite(RANK_NAMES[rank], suit))
    card.frame_rect(*FRAME, suit_colour(suit))
    half = court_half(suit, rank)
    card.paste(half, FRAME[0] + 1, FRAME[1] + 1)
    card.paste(half, FRAME[0] + 1, FRAME[3] - HALF_H, rotate180=True)
    return card


def joker_card():
    card = blank_card()
    letters = Canvas(CARD_W, CARD_H)
    for k, letter in enumerate('JOKER'):
        RANK_FONT.draw_centred(letters, 7, 4 + 10 * k, letter, BLACK)
    corner_indices(card, letters)
    figure = Canvas(CARD_W, CARD_H)
    cx = 35.5
    # Legs, harlequin body with a ruff, arms, then the head under a three-pointed cap.
    figure.polygon([(26, 76), (35, 76), (34, 88), (27, 88)], RED)
    figure.polygon([(36, 76), (45, 76), (44, 88), (37, 88)], BLUE)
    figure.polygon([(20, 89), (34, 86), (34, 90), (22, 91)], OCHRE)
    figure.polygon([(51, 89), (37, 86), (37, 90), (49, 91)], OCHRE)
    body = [(26, 48), (45, 48), (49, 78), (22, 78)]
    figure.polygon(body, GOLD)
    figure.fill_where(lambda x, y: inside_polygon(body, x, y) and
                      (int(x + y) // 6 + int(x - y + 96) // 6) % 2 == 0, RED, (20, 46, 52, 80))
    figure.polygon([(26, 50), (18, 66), (21, 68), (29, 56)], BLUE)
    figure.polygon([(45, 50), (53, 64), (50, 66), (42, 56)], GREEN)
    figure.ellipse(19.5, 68.5, 2.5, 2.5, SKIN)
    figure.ellipse(52, 65, 2.5, 2.5, SKIN)
    figure.fill_rect(52, 48, 53, 76, BROWN)
    figure.ellipse(52.5, 46, 3.5, 3.5, GOLD)
    zigzag = [(23, 44)]
    for k in range(6):
        zigzag += [(25.5 + 4 * k, 50), (27.5 + 4 * k, 44)]
    zigzag += [(48, 44), (48, 47), (23, 47)]
    figure.polygon(zigzag, SILVER)
    figure.ellipse(cx, 35, 7, 8, SKIN)
    figure.polygon([(28, 27), (21, 13), (14, 14), (22, 21), (29, 29)], RED)
    figure.polygon([(30, 27), (35.5, 5), (41, 27)], BLUE)
    figure.polygon([(43, 27), (50, 13), (57, 14), (49, 21), (42, 29)], GREEN)
    figure.fill_rect(27, 25, 44, 28, GOLD)
    on_card = Canvas(CARD_W, CARD_H, WHITE)
    on_card.paste(figure, 0, 0)
    outline_regions(on_card)
    for x, y in ((13.5, 14.5), (35.5, 5), (57.5, 14.5)):
        on_card.ellipse(x, y, 2.6, 2.6, GOLD)
    on_card.fill_rect(32, 33, 32, 34, BLACK)
    on_card.fill_rect(38, 33, 38, 34, BLACK)
    on_card.fill_rect(32, 38, 38, 38, RED)
    on_card.put(31, 37, RED)
    on_card.put(39, 37, RED)
    card.paste(without_white(on_card), 0, 0)
    return card


def without_white(canvas):
    """A copy of the canvas in which white is transparent."""
    result = Canvas(canvas.width, canvas.height)
    result.pixels = [TRANSPARENT if p[:3] == WHITE else p for p in canvas.pixels]
    return result


def card_back():
    card = blank_card()
    x0, y0, x1, y1 = 4, 4, 66, 91
    card.fill_rect(x0, y0, x1, y1, NAVY)
    card.fill_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, BLUE)
    card.fill_where(lambda x, y: (int(x) + int(y)) % 6 == 0 or (int(x) - int(y)) % 6 == 0,
                    SKY, (x0 + 3, y0 + 3, x1 - 3, y1 - 3))
    card.frame_rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, WHITE)
    card.ellipse(35.5, 48, 12, 15, WHITE)
    card.ellipse(35.5, 48, 10.5, 13.5, NAVY)
    card.paste(pip('d', 11, 16, GOLD), 30, 40)
    return card


# Seven-segment digits: a dark cell 12 x 22 at the icon's top left (the drawing code places
# digits 14 pixels apart and the last one 12 pixels left of the right end).
DIGIT_CELL_W, DIGIT_CELL_H = 12, 22
LED_BACK = (24, 0, 0)
LED_OFF = (72, 0, 0)
LED_ON = (255, 24, 24)
SEGMENT_PIXELS = {  # segment: (x0, y0, x1, y1) of its two-pixel-thick bar
    'a': (3, 1, 8, 2), 'b': (9, 3, 10, 9), 'c': (9, 12, 10, 18), 'd': (3, 19, 8, 20),
    'e': (1, 12, 2, 18), 'f': (1, 3, 2, 9), 'g': (3, 10, 8, 11),
}
SEGMENTS_LIT = {
    '0': 'abcdef', '1': 'bc', '2': 'abdeg', '3': 'abcdg', '4': 'bcfg', '5': 'acdfg',
    '6': 'acdefg', '7': 'abc', '8': 'abcdefg', '9': 'abcdfg', '-': 'g',
}


def digit_icon(symbol):
    icon = Canvas(32, 32)
    icon.fill_rect(0, 0, DIGIT_CELL_W - 1, DIGIT_CELL_H - 1, LED_BACK)
    for segment, (x0, y0, x1, y1) in sorted(SEGMENT_PIXELS.items()):
        colour = LED_ON if segment in SEGMENTS_LIT[symbol] else LED_OFF
        icon.fill_rect(x0, y0, x1, y1, colour)
        # Bevel the inner corners of the outer bars so that neighbouring segments read as
        # separate; the middle bar stays square.
        if segment in 'ad':
            for x in (x0, x1):
                icon.put(x, y1 if segment == 'a' else y0, LED_BACK)
        elif segment != 'g':
            for y in (y0, y1):
                icon.put(x1 if segment in 'ef' else x0, y, LED_BACK)
    return icon


# Casino chips: a disc of diameter 20 in the icon's top-left 20 x 20 (a bet overlaps chips
# 5 pixels apart, so the left part of each chip, with a stripe, shows under the next one).
CHIP_FONT = Font({
    '0': ['###', '#.#', '#.#', '#.#', '###'],
    '1': ['.#.', '##.', '.#.', '.#.', '###'],
    '2': ['###', '..#', '###', '#..', '###'],
    '5': ['###', '#..', '###', '..#', '###'],
    '.': ['.', '.', '.', '.', '#'],
}, spacing=1)
CHIPS = [  # file name, value shown, body, stripes, text
    ('chip1.ico', '1', (236, 236, 236), (40, 90, 210), (20, 50, 150)),
    ('chip5.ico', '5', (206, 26, 26), (255, 255, 255), (255, 255, 255)),
    ('chip25.ico', '25', (20, 140, 60), (255, 255, 255), (255, 255, 255)),
    ('chip100.ico', '100', (34, 34, 34), (255, 255, 255), (255, 255, 255)),
    ('chip500.ico', '500', (120, 40, 170), (255, 214, 60), (255, 255, 255)),
    ('chip2_50.ico', '2.50', (250, 140, 40), (255, 255, 255), (60, 20, 0)),
]


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour)


def chip_icon(text, body, stripe, ink):
    icon = Canvas(32, 32)
    cx = cy = 10.0
    icon.ellipse(cx, cy, 10, 10, shade(body, 0.55), samples=4)
    icon.ellipse(cx, cy, 9, 9, body, samples=4)

    def on_stripe(x, y):
        dx, dy = x - cx, y - cy
        r2 = dx * dx + dy * dy
        if not 6.5 ** 2 <= r2 <= 9 ** 2:
            return False
        angle = math.degrees(math.atan2(dy, dx)) % 60
        return angle < 11 or angle > 49

    icon.fill_where(on_stripe, stripe, (0, 0, 19, 19), samples=4)
    icon.ellipse(cx, cy, 7, 7, shade(body, 0.75) if body[0] > 60 else (90, 90, 90), samples=4)
    icon.ellipse(cx, cy, 6.2, 6.2, body, samples=4)
    CHIP_FONT.draw(icon, int(cx - CHIP_FONT.width(text) / 2 + 0.5), 8, text, ink)
    return icon


def main(argv):
    files = {}
    for suit in SUITS:
        for rank in range(13):
            card = number_card(suit, rank) if rank < 10 else court_card(suit, rank)
            mono = suit in 'cs' and rank < 10
            files['card_%s%02d.bmp' % (suit, rank + 1)] = \
                bmp_bytes(card, 1, MONO_PALETTE) if mono else bmp_bytes(card, 4, CARD_PALETTE)
    files['card_joker.bmp'] = bmp_bytes(joker_card(), 4, CARD_PALETTE)
    files['card_back.bmp'] = bmp_bytes(card_back(), 4, CARD_PALETTE)
    for digit in '0123456789':
        files['digit%s.ico' % digit] = ico_bytes([digit_icon(digit)])
    files['digit_minus.ico'] = ico_bytes([digit_icon('-')])
    for name, text, body, stripe, ink in CHIPS:
        files[name] = ico_bytes([chip_icon(text, body, stripe, ink)])
    # Only the colour format of this bitmap matters to the code that loads it.
    files['colorfmt.bmp'] = bmp_bytes(Canvas(16, 16, SILVER), 24)
    return write_outputs(OUT_DIR, files, argv)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
