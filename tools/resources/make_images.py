#!/usr/bin/env python3
"""Writes the program's icon, cursors and bitmaps into resources/ from the pixel art below.

Usage: make_images.py [--output DIR] [--preview DIR]

--output DIR   where the .ico, .cur and .bmp files go (default: resources/ of this repository)
--preview DIR  also write an enlarged PNG of every image there, to look at them

Only the Python standard library is used: the ICO, CUR, BMP and PNG formats are written directly.
"""

import argparse
import pathlib
import struct
import zlib

# ---------------------------------------------------------------------------------------------------------------
# Colors and palettes

BLACK = (0x00, 0x00, 0x00)
WHITE = (0xFF, 0xFF, 0xFF)
DARK_GRAY = (0x80, 0x80, 0x80)
LIGHT_GRAY = (0xC0, 0xC0, 0xC0)

# The 16-color palette of the platform, in its usual order.
VGA_PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Letters of the 16-color pixel art, each naming an index of VGA_PALETTE.
VGA_KEYS = {
    'K': 0, 'm': 1, 'g': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6, 's': 7,
    'd': 8, 'R': 9, 'G': 10, 'Y': 11, 'B': 12, 'F': 13, 'C': 14, 'W': 15,
}

# ---------------------------------------------------------------------------------------------------------------
# Pixel art. Rows are top to bottom. In icons '.' is transparent; in cursors 'X' is black,
# 'o' white and '.' transparent.

ICON_32 = """
..............K..K..............
..............KWWK..............
..............KWWK..............
..............KWWK..............
...KKKKKKKKKKKKWWKKKKKKKKKKKKK..
...KRRRRRRRRRRKWWKGGGGGGGGGGGK..
...KRRRRRRRRRRKWWKGGGGGGGGGGGK..
...KRRRRRRRKKKKWWKKKKGGGGGGGGK..
...KRRRRRKKWWWWWWWWWWKKGGGGGGK..
...KRRRRKWWKKKKWWKKKKWWKGGGGGK..
...KRRRKWKKRRRKWWKGGGKKWKGGGGK..
...KRRRKWKRRRRKWWKGGGGKWKGGGGK..
...KRRKWKRRRRRKWWKGGGGGKWKGGGK..
...KRRKWKRRRRRKWWKGGGGGKWKGGGK..
KKKKKKKWKKKKKKKWWKKKKKKKWKKKKKKK
KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK
KWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK
KKKKKKKWKKKKKKKWWKKKKKKKWKKKKKKK
...KBBKWKBBBBBKWWKYYYYYKWKYYYK..
...KBBKWKBBBBBKWWKYYYYYKWKYYYK..
...KBBBKWKBBBBKWWKYYYYKWKYYYYK..
...KBBBKWKKBBBKWWKYYYKKWKYYYYK..
...KBBBBKWWKKKKWWKKKKWWKYYYYYK..
...KBBBBBKKWWWWWWWWWWKKYYYYYYK..
...KBBBBBBBKKKKWWKKKKYYYYYYYYK..
...KBBBBBBBBBBKWWKYYYYYYYYYYYK..
...KBBBBBBBBBBKWWKYYYYYYYYYYYK..
...KKKKKKKKKKKKWWKKKKKKKKKKKKK..
..............KWWK..............
..............KWWK..............
..............KWWK..............
..............K..K..............
"""

ICON_16 = """
.......KK.......
.......KK.......
.KKKKKKKKKKKKKK.
.KRRRRRKKGGGGGK.
.KRRRKKWWKKGGGK.
.KRRKWKKKKWKGGK.
.KRKWKRKKGKWKGK.
KKKKKKKWWKKKKKKK
KKKKKKKWWKKKKKKK
.KBKWKBKKYKWKYK.
.KBBKWKKKKWKYYK.
.KBBBKKWWKKYYYK.
.KBBBBBKKYYYYYK.
.KKKKKKKKKKKKKK.
.......KK.......
.......KK.......
"""

# A pointing hand; the tip of the index finger is at column 6, row 1.
LINK_HAND = """
.....XXX........................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooX.......................
....XoooXXX.....................
....XoooXooXXX..................
....XoooXooXooXX................
....XoooXooXooXoX...............
.XX.XoooXooXooXooX..............
XooXXoooooooooXooX..............
XoooXoooooooooooooX.............
.XooXoooooooooooooX.............
..XoXoooooooooooooX.............
..XooooooooooooooX..............
...XoooooooooooooX..............
...XoooooooooooooX..............
....XoooooooooooX...............
....XoooooooooooX...............
.....XoooooooooX................
.....XoooooooooX................
.....XXXXXXXXXXX................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
"""
LINK_HAND_HOT_SPOT = (6, 1)

# A target: two rings and a crosshair with an open middle; the hot spot is the middle.
TARGET = """
...............X................
...............X................
...............X................
...............X................
..........XXXXXXXXXXX...........
.........XX....X....XX..........
.......XXX.....X.....XXX........
......XX.......X.......XX.......
......X........X........X.......
.....XX........X........XX......
....XX.......XXXXX.......XX.....
....X......XXX.X.XXX......X.....
....X......X...X...X......X.....
....X.....XX.......XX.....X.....
....X.....X.........X.....X.....
XXXXXXXXXXXXX.....XXXXXXXXXXXXX.
....X.....X.........X.....X.....
....X.....XX.......XX.....X.....
....X......X...X...X......X.....
....X......XXX.X.XXX......X.....
....XX.......XXXXX.......XX.....
.....XX........X........XX......
......X........X........X.......
......XX.......X.......XX.......
.......XXX.....X.....XXX........
.........XX....X....XX..........
..........XXXXXXXXXXX...........
...............X................
...............X................
...............X................
...............X................
................................
"""
TARGET_HOT_SPOT = (15, 15)

# The status bar panel: a black top row, a raised outer frame and a sunken light gray field.
# Its left and right four columns hold every edge, so the middle columns can be stretched.
STATUS_PANEL = """
KKKKKKKKKKKKKKKKKK
WWWWWWWWWWWWWWWWWd
Wssssssssssssssssd
WsddddddddddddddWd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdssssssssssssWsd
WsdWWWWWWWWWWWWWsd
Wssssssssssssssssd
dddddddddddddddddd
"""

# Letters of the maker's name, upright; the banner turns them to read from bottom to top.
BANNER_GLYPHS = {
    'O': """
..XXXXX..
.XX...XX.
XX.....XX
XX.....XX
XX.....XX
XX.....XX
XX.....XX
.XX...XX.
..XXXXX..
""",
    'r': """
.........
.........
.........
XX.XXX...
XXX..XX..
XX.......
XX.......
XX.......
XX.......
""",
    'v': """
.........
.........
.........
XX....XX.
XX....XX.
.XX..XX..
.XX..XX..
..XXXX...
...XX....
""",
    'a': """
.........
.........
.........
.XXXXX...
.....XX..
.XXXXXX..
XX...XX..
XX..XXX..
.XXX.XX..
""",
    'k': """
XX.......
XX.......
XX.......
XX...XX..
XX..XX...
XXXXX....
XX..XX...
XX...XX..
XX....XX.
""",
}
BANNER_TEXT = 'Orvak'
BANNER_SIZE = (27, 180)
BANNER_SCALE = 2
BANNER_PALETTE_SIZE = 207
# Fixed entries first, then the gradient fills the rest of the palette.
BANNER_FIXED = [BLACK, WHITE, (0x20, 0x10, 0x30)]
BANNER_TEXT_INDEX = 1
BANNER_SHADOW_INDEX = 2
# Gradient stops from the top of the banner to its bottom.
BANNER_STOPS = [(0x10, 0x20, 0x70), (0x60, 0x20, 0x90), (0xC0, 0x20, 0x60), (0xF0, 0x90, 0x20)]


def parse_art(art):
    rows = art.strip('\n').split('\n')
    if len({len(row) for row in rows}) != 1:
        raise ValueError('pixel art rows differ in length')
    return rows


# ---------------------------------------------------------------------------------------------------------------
# Binary formats


def padded(row_bytes):
    """Pads a bitmap row to a multiple of four bytes."""
    return row_bytes + b'\0' * (-len(row_bytes) % 4)


def pack_bits(values, bits):
    """Packs pixel values of 1, 4 or 8 bits, leftmost pixel in the high bits."""
    per_byte = 8 // bits
    out = bytearray()
    for start in range(0, len(values), per_byte):
        byte = 0
        chunk = values[start:start + per_byte]
        for position, value in enumerate(chunk):
            byte |= value << (8 - bits * (position + 1))
        out.append(byte)
    return bytes(out)


def bitmap_rows(rows, bits):
    """Bottom-up, padded rows of a bitmap given as top-down lists of pixel values."""
    return b''.join(padded(pack_bits(row, bits)) for row in reversed(rows))


def info_header(width, height, bits, colors_used=0, image_size=0):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression (BI_RGB), image size,
    # resolution x and y, colors used, colors important.
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 0, 0, colors_used, 0)


def palette_bytes(palette):
    return b''.join(struct.pack('<BBBB', blue, green, red, 0) for (red, green, blue) in palette)


def bmp_file(rows, bits, palette):
    """A BMP file: file header, info header, palette, pixels."""
    height, width = len(rows), len(rows[0])
    pixels = bitmap_rows(rows, bits)
    header = info_header(width, height, bits, colors_used=len(palette), image_size=len(pixels))
    table = palette_bytes(palette)
    offset = 14 + len(header) + len(table)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + header + table + pixels


def icon_image(colors, mask, bits, palette):
    """One image of an icon or cursor: header with doubled height, palette, XOR pixels, AND mask."""
    height, width = len(colors), len(colors[0])
    xor = bitmap_rows(colors, bits)
    and_mask = bitmap_rows(mask, 1)
    header = info_header(width, height * 2, bits, image_size=len(xor) + len(and_mask))
    return header + palette_bytes(palette) + xor + and_mask


def icon_file(images, kind, entry_fields):
    """An ICO (kind 1) or CUR (kind 2) file; entry_fields gives the two 16-bit fields of each entry."""
    directory_size = 6 + 16 * len(images)
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = directory_size
    for (width, height, colors, data), fields in zip(images, entry_fields):
        out += struct.pack('<BBBBHHII', width % 256, height % 256, colors % 256, 0, *fields, len(data), offset)
        offset += len(data)
    return out + b''.join(data for (_, _, _, data) in images)


# ---------------------------------------------------------------------------------------------------------------
# The images


def make_icon(arts):
    images = []
    for art in arts:
        rows = parse_art(art)
        colors = [[VGA_KEYS.get(key, 0) for key in row] for row in rows]
        mask = [[1 if key == '.' else 0 for key in row] for row in rows]
        data = icon_image(colors, mask, 4, VGA_PALETTE)
        images.append((len(rows[0]), len(rows), 16, data))
    # ICO entries carry planes and bit count.
    return icon_file(images, 1, [(1, 4)] * len(images))


def make_cursor(art, hot_spot):
    rows = parse_art(art)
    # Black: AND 0, XOR 0. White: AND 0, XOR 1. Transparent: AND 1, XOR 0.
    colors = [[1 if key == 'o' else 0 for key in row] for row in rows]
    mask = [[1 if key == '.' else 0 for key in row] for row in rows]
    data = icon_image(colors, mask, 1, [BLACK, WHITE])
    # CUR entries carry the hot spot where icons carry planes and bit count.
    return icon_file([(len(rows[0]), len(rows), 2, data)], 2, [hot_spot])


def make_status_panel():
    rows = parse_art(STATUS_PANEL)
    return bmp_file([[VGA_KEYS[key] for key in row] for row in rows], 4, VGA_PALETTE)


def gradient_color(position):
    """The color at position 0.0 (first stop) to 1.0 (last stop)."""
    segments = len(BANNER_STOPS) - 1
    scaled = min(position, 1.0) * segments
    index = min(int(scaled), segments - 1)
    fraction = scaled - index
    start, end = BANNER_STOPS[index], BANNER_STOPS[index + 1]
    return tuple(round(a + (b - a) * fraction) for a, b in zip(start, end))


def banner_text_mask():
    """The name as upright pixels: rows of booleans, glyphs scaled and spaced."""
    glyphs = [parse_art(BANNER_GLYPHS[letter]) for letter in BANNER_TEXT]
    height = max(len(glyph) for glyph in glyphs)
    rows = [[] for _ in range(height)]
    for glyph in glyphs:
        for y in range(height):
            rows[y].extend(key == 'X' for key in glyph[y])
            rows[y].append(False)
    scale = BANNER_SCALE
    return [[cell for cell in row for _ in range(scale)] for row in rows for _ in range(scale)]


def make_banner():
    width, height = BANNER_SIZE
    gradient_count = BANNER_PALETTE_SIZE - len(BANNER_FIXED)
    palette = BANNER_FIXED + [gradient_color(i / (gradient_count - 1)) for i in range(gradient_count)]
    first_gradient = len(BANNER_FIXED)

    # A diagonal gradient: mostly along the height, a little across the width.
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            position = 0.9 * y / (height - 1) + 0.1 * x / (width - 1)
            row.append(first_gradient + round(position * (gradient_count - 1)))
        pixels.append(row)

    # Upright text point (u along the text, v down the letters) lands at x = v, y = bottom - u,
    # so the name reads from the bottom upwards with the tops of the letters on the left.
    text = banner_text_mask()
    text_height, text_length = len(text), len(text[0])
    left = (width - text_height) // 2
    bottom = height - 1 - (height - text_length) // 2
    for shadow, index in ((1, BANNER_SHADOW_INDEX), (0, BANNER_TEXT_INDEX)):
        for v in range(text_height):
            for u in range(text_length):
                if text[v][u]:
                    pixels[bottom - u + shadow][left + v + shadow] = index
    return bmp_file(pixels, 8, palette)


IMAGES = {
    'tintwick.ico': lambda: make_icon([ICON_32, ICON_16]),
    'link_hand.cur': lambda: make_cursor(LINK_HAND, LINK_HAND_HOT_SPOT),
    'target.cur': lambda: make_cursor(TARGET, TARGET_HOT_SPOT),
    'status_panel.bmp': make_status_panel,
    'about_banner.bmp': make_banner,
}

# ---------------------------------------------------------------------------------------------------------------
# Previews: read back what was written and draw it enlarged, on a checkerboard where transparent


def read_dib(data, offset, icon_like):
    """Decodes a BITMAPINFOHEADER image at offset into top-down rows of (r, g, b) or None."""
    (_, width, height, _, bits, _, _, _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', data, offset)
    if icon_like:
        height //= 2
    colors = used or (1 << bits)
    table_at = offset + 40
    palette = [struct.unpack_from('<BBBB', data, table_at + 4 * i)[2::-1] for i in range(colors)]
    stride = (width * bits + 31) // 32 * 4
    pixels_at = table_at + 4 * colors
    mask_at = pixels_at + stride * height
    mask_stride = (width + 31) // 32 * 4

    def value(base, row_stride, bit_count, x, y):
        row = base + (height - 1 - y) * row_stride
        bit = x * bit_count
        byte = data[row + bit // 8]
        return (byte >> (8 - bit_count - bit % 8)) & ((1 << bit_count) - 1)

    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            color = palette[value(pixels_at, stride, bits, x, y)]
            if icon_like and value(mask_at, mask_stride, 1, x, y):
                color = None
            row.append(color)
        rows.append(row)
    return rows


def decode_images(name, data):
    if name.endswith('.bmp'):
        return [read_dib(data, 14, False)]
    _, _, count = struct.unpack_from('<HHH', data, 0)
    images = []
    for i in range(count):
        _, _, _, _, _, _, _, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        images.append(read_dib(data, offset, True))
    return images


def png_file(rows):
    height, width = len(rows), len(rows[0])
    raw = b''.join(b'\0' + bytes(channel for pixel in row for channel in pixel) for row in rows)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b'')


def preview(images, scale=8):
    """All images side by side, each pixel scale x scale, transparent pixels on a checkerboard."""
    gap = 2 * scale
    width = sum(len(image[0]) * scale for image in images) + gap * (len(images) + 1)
    height = max(len(image) for image in images) * scale + 2 * gap
    canvas = [[(0x30, 0x60, 0x30)] * width for _ in range(height)]
    left = gap
    for image in images:
        for y, row in enumerate(image):
            for x, color in enumerate(row):
                for dy in range(scale):
                    for dx in range(scale):
                        checker = ((dx * 2 // scale) + (dy * 2 // scale)) % 2
                        shown = color if color is not None else ((0xFF, 0xE0, 0xF0) if checker else (0xD0, 0xE0, 0xFF))
                        canvas[gap + y * scale + dy][left + x * scale + dx] = shown
        left += len(image[0]) * scale + gap
    return png_file(canvas)


def main():
    repository = pathlib.Path(__file__).resolve().parents[2]
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--output', type=pathlib.Path, default=repository / 'resources')
    parser.add_argument('--preview', type=pathlib.Path)
    arguments = parser.parse_args()

    for name, make in IMAGES.items():
        data = make()
        (arguments.output / name).write_bytes(data)
        if arguments.preview:
            arguments.preview.mkdir(parents=True, exist_ok=True)
            (arguments.preview / (name + '.png')).write_bytes(preview(decode_images(name, data)))


if __name__ == '__main__':
    main()
