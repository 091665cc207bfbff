"""Pixel drawing and the BMP and ICO writers shared by the image generators.

Plain Python 3 standard library only, so that the generators run on any machine.
A picture is a Canvas of RGBA pixels; shapes are filled by sampling pixel centres
(optionally several samples per pixel, which gives soft edges through alpha).
Nothing depends on time, hashing or the platform: the same script writes the same bytes.
"""

import os
import struct
import sys

TRANSPARENT = (0, 0, 0, 0)


def rgba(colour):
    return colour if len(colour) == 4 else (colour[0], colour[1], colour[2], 255)


class Canvas:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [rgba(fill)] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def contains(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def put(self, x, y, colour, coverage=1.0):
        """Paints one pixel; a coverage below 1 lays the colour over what is there."""
        if not self.contains(x, y) or coverage <= 0:
            return
        src = rgba(colour)
        if coverage >= 1 and src[3] == 255:
            self.pixels[y * self.width + x] = src
            return
        dst = self.get(x, y)
        a_src = src[3] / 255 * min(coverage, 1.0)
        a_dst = dst[3] / 255
        a_out = a_src + a_dst * (1 - a_src)
        mixed = tuple(
            int((src[i] * a_src + dst[i] * a_dst * (1 - a_src)) / a_out + 0.5) for i in range(3))
        self.pixels[y * self.width + x] = mixed + (int(a_out * 255 + 0.5),)

    # Shapes. Rectangles are given by whole pixels, both ends included.

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.put(x, y, colour)

    def frame_rect(self, x0, y0, x1, y1, colour):
        self.fill_rect(x0, y0, x1, y0, colour)
        self.fill_rect(x0, y1, x1, y1, colour)
        self.fill_rect(x0, y0, x0, y1, colour)
        self.fill_rect(x1, y0, x1, y1, colour)

    def fill_where(self, inside, colour, box=None, samples=1):
        """Fills the pixels whose centre (or, with samples > 1, part of whose area) satisfies
        inside(x, y) for real coordinates; pixel (i, j) spans [i, i+1) x [j, j+1)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width - 1, self.height - 1)
        x0, y0 = max(0, x0), max(0, y0)
        x1, y1 = min(self.width - 1, x1), min(self.height - 1, y1)
        offsets = [(k + 0.5) / samples for k in range(samples)]
        for j in range(y0, y1 + 1):
            for i in range(x0, x1 + 1):
                hits = sum(1 for oy in offsets for ox in offsets if inside(i + ox, j + oy))
                if hits:
                    self.put(i, j, colour, hits / (samples * samples))

    def polygon(self, points, colour, samples=1):
        box = bounding_box(points)
        self.fill_where(lambda x, y: inside_polygon(points, x, y), colour, box, samples)

    def ellipse(self, cx, cy, rx, ry, colour, samples=1):
        """Ellipse centred on the real point (cx, cy): a pixel's centre is at (i + .5, j + .5)."""
        box = (int(cx - rx) - 1, int(cy - ry) - 1, int(cx + rx) + 1, int(cy + ry) + 1)
        self.fill_where(
            lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour, box, samples)

    def outline(self, colour, is_shape, box=None):
        """Paints every pixel that is_shape(x, y) and that touches, side by side, one that is not."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width - 1, self.height - 1)
        edge = []
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if not is_shape(x, y):
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if not (x0 <= nx <= x1 and y0 <= ny <= y1) or not is_shape(nx, ny):
                        edge.append((x, y))
                        break
        for x, y in edge:
            self.put(x, y, colour)

    # Whole pictures.

    def paste(self, other, x, y, rotate180=False):
        """Lays other over this canvas with its top-left corner at (x, y), honouring alpha."""
        for j in range(other.height):
            for i in range(other.width):
                src = other.get(other.width - 1 - i, other.height - 1 - j) if rotate180 else \
                    other.get(i, j)
                if src[3]:
                    self.put(x + i, y + j, src)


def bounding_box(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return int(min(xs)) - 1, int(min(ys)) - 1, int(max(xs)) + 1, int(max(ys)) + 1


def inside_polygon(points, x, y):
    """Even-odd rule, as a polygon region with alternate fill."""
    inside = False
    n = len(points)
    for k in range(n):
        (xa, ya), (xb, yb) = points[k], points[(k + 1) % n]
        if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
            inside = not inside
    return inside


class Font:
    """A hand-made bitmap font: each glyph is a list of rows, '#' for ink."""

    def __init__(self, glyphs, spacing=1):
        self.glyphs = glyphs
        self.spacing = spacing

    def width(self, text):
        return sum(len(self.glyphs[c][0]) for c in text) + self.spacing * (len(text) - 1)

    def draw(self, canvas, x, y, text, colour):
        for c in text:
            rows = self.glyphs[c]
            for j, row in enumerate(rows):
                for i, cell in enumerate(row):
                    if cell == '#':
                        canvas.put(x + i, y + j, colour)
            x += len(rows[0]) + self.spacing

    def draw_centred(self, canvas, cx, y, text, colour):
        """Centres the text on column cx (a whole pixel) or between two columns (a half)."""
        self.draw(canvas, int(cx - (self.width(text) - 1) / 2 + 0.5), y, text, colour)


# File formats: a BMP file is BITMAPFILEHEADER + BITMAPINFOHEADER + colour table + rows from
# the bottom up, each padded to four bytes; an ICO file is ICONDIR + one ICONDIRENTRY per
# image + the images, each a BITMAPINFOHEADER of double height, the colour rows and the AND mask.

def _info_header(width, height, bits, image_size, colours_used):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 0, 0,
                       colours_used, 0)


def _pack_rows(width, height, bits, value_at):
    """Rows bottom-up; value_at(x, y) is a palette index (1, 4, 8 bits) or an RGB/BGRA tuple."""
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        if bits in (1, 4, 8):
            per_byte = 8 // bits
            for x0 in range(0, width, per_byte):
                byte = 0
                for k in range(per_byte):
                    x = x0 + k
                    index = value_at(x, y) if x < width else 0
                    byte |= index << (8 - bits * (k + 1))
                row.append(byte)
        else:
            for x in range(width):
                row.extend(value_at(x, y))
        row.extend(b'\0' * (stride - len(row)))
        data.extend(row)
    return bytes(data)


def bmp_bytes(canvas, bits, palette=None):
    """A BMP file of the canvas at 1, 4 or 8 bits with the given palette (RGB tuples, every
    pixel's colour must be one of them) or at 24 bits. Alpha is ignored."""
    if bits == 24:
        table = b''
        pixels = _pack_rows(canvas.width, canvas.height, 24,
                            lambda x, y: bytes(reversed(canvas.get(x, y)[:3])))
    else:
        entries = 1 << bits
        if len(palette) > entries:
            raise ValueError('%d colours do not fit %d bits' % (len(palette), bits))
        palette = list(palette) + [(0, 0, 0)] * (entries - len(palette))
        index_of = {}
        for index, colour in enumerate(palette):
            index_of.setdefault(tuple(colour[:3]), index)

        def index_at(x, y):
            colour = canvas.get(x, y)[:3]
            if colour not in index_of:
                raise ValueError('colour %r at (%d, %d) is not in the palette' % (colour, x, y))
            return index_of[colour]

        table = b''.join(struct.pack('<BBBB', c[2], c[1], c[0], 0) for c in palette)
        pixels = _pack_rows(canvas.width, canvas.height, bits, index_at)
    header = _info_header(canvas.width, canvas.height, bits, len(pixels), 0)
    offset = 14 + len(header) + len(table)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + header + table + \
        pixels


def ico_bytes(canvases):
    """An ICO file with one 32-bit image per canvas (straight alpha) and its AND mask, set
    wherever a pixel is fully transparent, for drawing without alpha."""
    images = []
    for canvas in canvases:
        w, h = canvas.width, canvas.height

        def bgra(x, y):
            r, g, b, a = canvas.get(x, y)
            return bytes((b, g, r, a)) if a else b'\0\0\0\0'

        colour = _pack_rows(w, h, 32, bgra)
        mask = _pack_rows(w, h, 1, lambda x, y: 0 if canvas.get(x, y)[3] else 1)
        header = _info_header(w, 2 * h, 32, len(colour) + len(mask), 0)
        images.append((w, h, header + colour + mask))
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b''
    for w, h, data in images:
        entries += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b''.join(data for _, _, data in images)


def palette_of(canvases, limit):
    """The sorted colours that the canvases use, refused when there are more than limit."""
    colours = sorted({p[:3] for canvas in canvases for p in canvas.pixels})
    if len(colours) > limit:
        raise ValueError('%d colours, at most %d allowed' % (len(colours), limit))
    return colours


def write_outputs(out_dir, files, argv=None):
    """Writes {file name: bytes} into out_dir; with --check only compares them with what is
    there and returns 1 if anything differs or is missing, so a stale image is caught."""
    argv = sys.argv[1:] if argv is None else argv
    check = '--check' in argv
    stale = []
    for name in sorted(files):
        path = os.path.join(out_dir, name)
        if check:
            try:
                with open(path, 'rb') as existing:
                    if existing.read() != files[name]:
                        stale.append(name)
            except FileNotFoundError:
                stale.append(name)
        else:
            os.makedirs(out_dir, exist_ok=True)
            with open(path, 'wb') as out:
                out.write(files[name])
    if check:
        for name in stale:
            print('differs from its generator: %s' % os.path.join(out_dir, name))
        return 1 if stale else 0
    print('wrote %d files into %s' % (len(files), out_dir))
    return 0
