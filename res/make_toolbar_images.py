#!/usr/bin/env python3
"""Writes the toolbar's two extra image strips into res/: toolbar2.bmp (16x16
pictures) and largebar.bmp (24x24), five pictures side by side: to ANSI, to OEM,
to KOI8, justify, and one for the other coding and alignment commands.

The strips are 8-bit palette bitmaps whose background is the grey 192,192,192,
so that loading them with LR_LOADMAP3DCOLORS turns it into the button face,
which the toolbar then draws as transparent. The large pictures are the small
ones enlarged by half. Run it again after changing a picture and commit the output.
"""
import os
import struct
import sys

sys.dont_write_bytecode = True   # no cache folder beside the resources
from make_artwork import PALETTE, check, info_header  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FACE = (192, 192, 192)

# An arrow into a letter in the colour of the coding's radio mark.
ARROW = ["....k..", "....kk.", "kkkkkkk", "kkkkkkk", "....kk.", "....k.."]
LETTERS = {
    'A': ("..XXX..", ".XX.XX.", ".XX.XX.", "XX...XX", "XX...XX", "XX...XX",
          "XXXXXXX", "XXXXXXX", "XX...XX", "XX...XX", "XX...XX", "XX...XX"),
    'O': (".XXXXX.", "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX",
          "XX...XX", "XX...XX", "XX...XX", "XX...XX", "XX...XX", ".XXXXX."),
    'K': ("XX...XX", "XX..XX.", "XX..XX.", "XX.XX..", "XXXX...", "XXX....",
          "XXXX...", "XX.XX..", "XX..XX.", "XX..XX.", "XX...XX", "XX...XX"),
}

JUSTIFY = [
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkk.......",
    "................",
    "................",
    "................",
]

# A page of text with a spark: the text is turned into something else.
TRANSFORM = [
    "................",
    "kkkkkkkk........",
    "kwwwwwwk........",
    "kwgggwwk...y....",
    "kwwwwwwk.y.y.y..",
    "kwggggwk..yyy...",
    "kwwwwwwkyyyoyyy.",
    "kwgggwwk..yyy...",
    "kwwwwwwk.y.y.y..",
    "kwggggwk...y....",
    "kwwwwwwk........",
    "kwgggwwk........",
    "kwwwwwwk........",
    "kkkkkkkk........",
    "................",
    "................",
]


def coding_picture(letter, ink):
    """The arrow at the left, the letter at the right, on a 16x16 grid."""
    rows = ['.' * 16 for _ in range(16)]
    for y, line in enumerate(ARROW):
        rows[5 + y] = line + rows[5 + y][7:]
    for y, line in enumerate(LETTERS[letter]):
        row = rows[2 + y]
        rows[2 + y] = row[:8] + line.replace('X', ink) + row[15:]
    return rows


def enlarge(rows):
    """Half as large again: every even pixel of the small picture is doubled."""
    size = len(rows) * 3 // 2
    return [''.join(rows[y * 2 // 3][x * 2 // 3] for x in range(size)) for y in range(size)]


def colour(ch):
    return PALETTE[ch] or FACE


def write_strip(path, pictures):
    """An 8-bit bitmap of the pictures side by side, bottom-up rows padded to four bytes."""
    height = len(pictures[0])
    rows = [''.join(picture[y] for picture in pictures) for y in range(height)]
    keys = sorted({ch for row in rows for ch in row}, key=lambda ch: ch != '.')
    index = {ch: i for i, ch in enumerate(keys)}
    table = b''.join(struct.pack('<BBBB', *reversed(colour(ch)), 0) for ch in keys)
    pixels = b''
    for row in reversed(rows):
        line = bytes(index[ch] for ch in row)
        pixels += line + b'\0' * (-len(line) % 4)
    header = info_header(len(rows[0]), height, 8, len(pixels), len(keys))
    offset = 14 + len(header) + len(table)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        f.write(header + table + pixels)


def main():
    small = [coding_picture('A', 'b'), coding_picture('O', 'G'), coding_picture('K', 'r'), JUSTIFY, TRANSFORM]
    for number, picture in enumerate(small):
        check('toolbar picture %d' % number, picture, 16, 16)
    write_strip(os.path.join(HERE, 'toolbar2.bmp'), small)
    write_strip(os.path.join(HERE, 'largebar.bmp'), [enlarge(picture) for picture in small])


if __name__ == '__main__':
    main()
