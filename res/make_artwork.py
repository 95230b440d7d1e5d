#!/usr/bin/env python3
"""Writes the program's icons, menu bitmaps and magnifier cursors into res/.

Pictures are drawn as character grids; each character picks a colour from
PALETTE ('.' is the background: transparent in icons and cursors, the menu
colour in bitmaps). Run it again after changing a picture and commit the output.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

PALETTE = {
    '.': None,
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (128, 128, 128),
    'l': (192, 192, 192),
    'b': (0, 64, 192),
    'c': (96, 160, 224),
    'r': (192, 32, 32),
    'G': (0, 128, 64),
    'y': (240, 200, 64),
    'o': (160, 96, 32),
}
MENU_BACKGROUND = (212, 208, 200)

# Radio marks of the four view codings: a disc carrying the coding's letter.
RADIO_MARKS = {
    1: ("ANSI", 'b', [
        ".............",
        "....bbbbb....",
        "...bbbbbbb...",
        "..bbbbwbbbb..",
        ".bbbbwbwbbbb.",
        ".bbbwbbbwbbb.",
        ".bbbwwwwwbbb.",
        ".bbbwbbbwbbb.",
        ".bbbwbbbwbbb.",
        "..bbbbbbbbb..",
        "...bbbbbbb...",
        "....bbbbb....",
        "............."]),
    2: ("OEM", 'G', [
        ".............",
        "....GGGGG....",
        "...GGGGGGG...",
        "..GGGwwwGGG..",
        ".GGGwGGGwGGG.",
        ".GGGwGGGwGGG.",
        ".GGGwGGGwGGG.",
        ".GGGwGGGwGGG.",
        ".GGGGwwwGGGG.",
        "..GGGGGGGGG..",
        "...GGGGGGG...",
        "....GGGGG....",
        "............."]),
    3: ("KOI8", 'r', [
        ".............",
        "....rrrrr....",
        "...rrrrrrr...",
        "..rrwrrrwrr..",
        ".rrrwrrwrrrr.",
        ".rrrwrwrrrrr.",
        ".rrrwwrrrrrr.",
        ".rrrwrwrrrrr.",
        ".rrrwrrwrrrr.",
        "..rrwrrrwrr..",
        "...rrrrrrr...",
        "....rrrrr....",
        "............."]),
    43: ("UTF8", 'o', [
        ".............",
        "....ooooo....",
        "...ooooooo...",
        "..oowooowoo..",
        ".ooowooowooo.",
        ".ooowooowooo.",
        ".ooowooowooo.",
        ".ooowooowooo.",
        ".ooowooowooo.",
        "..ooowwwooo..",
        "...ooooooo...",
        "....ooooo....",
        "............."]),
}

# Pictures of the menu items Cut, Copy, Find, Help, New, Open, Undo, Paste,
# Save, Print and PreView (bitmaps 4 to 14).
ITEM_PICTURES = {
    4: ("cut", [
        ".............",
        "...k.....k...",
        "...k.....k...",
        "....k...k....",
        "....k...k....",
        ".....k.k.....",
        "......k......",
        ".....b.b.....",
        "...bbb.bbb...",
        "..b..b.b..b..",
        "..b..b.b..b..",
        "...bb...bb...",
        "............."]),
    5: ("copy", [
        "kkkkkk.......",
        "kwwwwkk......",
        "kwkkwkwk.....",
        "kwwwwkkkkkk..",
        "kwkkwkwwwwkk.",
        "kwwwwkwkkwkwk",
        "kwkkwkwwwwkkk",
        "kwwwwkwkkkwwk",
        "kkkkkkwwwwwwk",
        "......wkkkkwk",
        "......wwwwwwk",
        "......kkkkkkk",
        "............."]),
    6: ("find", [
        ".............",
        "...kkkk......",
        "..kcwwck.....",
        ".kcwwccck....",
        ".kwwcccck....",
        ".kwccccck....",
        ".kcccccck....",
        "..kccccko....",
        "...kkkkooo...",
        "........ooo..",
        ".........ooo.",
        "..........oo.",
        "............."]),
    7: ("help", [
        ".............",
        "....bbbbb....",
        "...bb...bb...",
        "...bb...bb...",
        "........bb...",
        ".......bb....",
        "......bb.....",
        ".....bb......",
        ".....bb......",
        ".............",
        ".....bb......",
        ".....bb......",
        "............."]),
    8: ("new", [
        "..kkkkkkk....",
        "..kwwwwwkk...",
        "..kwwwwwkwk..",
        "..kwwwwwkkkk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kwwwwwwwwk.",
        "..kkkkkkkkkk.",
        "............."]),
    9: ("open", [
        ".............",
        ".........b...",
        "..........b.b",
        ".kkkk......bb",
        "kyyyyk....bbb",
        "kyyyyykkkk...",
        "kyykkkkkkkkk.",
        "kykoooooooook",
        "kykoooooooook",
        "kkoooooooook.",
        "kkooooooook..",
        "kkkkkkkkkk...",
        "............."]),
    10: ("undo", [
        ".............",
        ".............",
        "...b.........",
        "..bb.........",
        ".bbbbbbbb....",
        "..bb.....b...",
        "...b......b..",
        "..........b..",
        "..........b..",
        ".........b...",
        ".....bbbb....",
        ".............",
        "............."]),
    11: ("paste", [
        "....kkkk.....",
        ".kkkyyyykkk..",
        ".koykkkkyok..",
        ".kooooooook..",
        ".kooookkkkkkk",
        ".kooookwwwwwk",
        ".kooookwkkkwk",
        ".kooookwwwwwk",
        ".kooookwkkkwk",
        ".kooookwwwwwk",
        ".kkkkkkwkkwwk",
        "......kwwwwwk",
        "......kkkkkkk"]),
    12: ("save", [
        "kkkkkkkkkkkkk",
        "kbkwwwwwwwkbk",
        "kbkwwwwwwwkbk",
        "kbkwwwwwwwkbk",
        "kbkwwwwwwwkbk",
        "kbbkkkkkkkbbk",
        "kbbbbbbbbbbbk",
        "kbbkkkkkkkbbk",
        "kbbkllkkllbbk",
        "kbbkllkkllbbk",
        "kbbkllkkllbbk",
        ".kkkkkkkkkkkk",
        "............."]),
    13: ("print", [
        "...kkkkkkk...",
        "...kwwwwwk...",
        "...kwkkkwk...",
        "...kwwwwwk...",
        ".kkkkkkkkkkk.",
        "kllllllllllGk",
        "kllllllllllGk",
        "kkkkkkkkkkkkk",
        "klkwwwwwwwklk",
        ".kkwkkkkkwkk.",
        "...wwwwwwww..",
        "...kkkkkkkk..",
        "............."]),
    14: ("preview", [
        "kkkkkkkkk....",
        "kwwwwwwwk....",
        "kwkkkkwwk....",
        "kwwwkkkkk....",
        "kwkkkcwwck...",
        "kwwkcwwccck..",
        "kwkkwwcccck..",
        "kwwkwccccck..",
        "kwwkcccccck..",
        "kkkkkkcccko..",
        "......kkkooo.",
        "..........ooo",
        "...........oo"]),
}

ICON_32 = [
    "................................",
    "....kkkkkkkkkkkkkkkkkkk.........",
    "....kwwwwwwwwwwwwwwwwwkk........",
    "....kwwwwwwwwwwwwwwwwwkwk.......",
    "....kwwwwwwwwwwwwwwwwwkwwk......",
    "....kwwwwwwwwwwwwwwwwwkwwwk.....",
    "....kwwwwwwwwwwwwwwwwwkkkkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kwwbbbwwwwwwwwwwbbbwwwwk....",
    "....kwwbbbwwwwwwwwwwbbbwwwwk....",
    "....kwwwbbbwwwwwwwwbbbwwwwwk....",
    "....kwwwbbbwwwwwwwwbbbwwwwwk....",
    "....kwwwwbbbwwwwwwbbbwwwwwwk....",
    "....kwwwwbbbwwwwwwbbbwwwwwwk....",
    "....kwwwwwbbbwwwwbbbwwwwwwwk....",
    "....kwwwwwbbbwwwwbbbwwwwwwwk....",
    "....kwwwwwwbbbwwbbbwwwwwwwwk....",
    "....kwwwwwwbbbwwbbbwwwwwwwwk....",
    "....kwwwwwwwbbbbbbwwwwwwwwwk....",
    "....kwwwwwwwbbbbbbwwwwwwwwwk....",
    "....kwwwwwwwwbbbbwwwwwwwwwwk....",
    "....kwwwwwwwwbbbbwwwwwwwwwwk....",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kwwrrrrrrrrrrrrrrrrrwwwk....",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kwwGGGGGGGGGGGGGGwwwwwwk....",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kwwrrrrrrrrrrrrrrrrrwwwk....",
    "....kwwwwwwwwwwwwwwwwwwwwwwk....",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "................................",
    "................................",
]

ICON_16 = [
    "................",
    "..kkkkkkkkkk....",
    "..kwwwwwwwwkk...",
    "..kwwwwwwwwkwk..",
    "..kwbbwwwbbkkkk.",
    "..kwbbwwwbbwwwk.",
    "..kwwbbwbbwwwwk.",
    "..kwwbbwbbwwwwk.",
    "..kwwwbbbwwwwwk.",
    "..kwwwbbbwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwrrrrrrrrrwk.",
    "..kwwwwwwwwwwwk.",
    "..kwGGGGGGGwwwk.",
    "..kkkkkkkkkkkkk.",
    "................",
]


def magnifier(sign):
    """32x32 magnifier whose lens is centred on the hot spot (7, 7)."""
    grid = [['.'] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            d2 = (x - 7) ** 2 + (y - 7) ** 2
            if d2 <= 36:
                grid[y][x] = 'w'
            if 36 < d2 <= 56:
                grid[y][x] = 'k'
    for i in range(12, 22):          # the handle, three pixels thick
        for dx in (-1, 0, 1):
            if 0 <= i + dx < 32:
                grid[i][i + dx] = 'k'
    for i in range(4, 11):
        grid[7][i] = 'k'             # minus bar
        if sign == '+':
            grid[i][7] = 'k'
    return [''.join(row) for row in grid]


def check(name, rows, width, height):
    assert len(rows) == height, (name, len(rows))
    for row in rows:
        assert len(row) == width, (name, row)
        for ch in row:
            assert ch in PALETTE, (name, ch)


def colour(ch, background):
    rgb = PALETTE[ch]
    return background if rgb is None else rgb


def bmp_rows_24(rows, background):
    """Bottom-up rows of 24-bit BGR pixels, each padded to four bytes."""
    out = b''
    for row in reversed(rows):
        line = b''.join(struct.pack('<BBB', *reversed(colour(ch, background))) for ch in row)
        out += line + b'\0' * (-len(line) % 4)
    return out


def mask_rows(rows, bit_of):
    """Bottom-up 1-bit rows, padded to four bytes; bit_of(ch) gives each pixel's bit."""
    out = b''
    for row in reversed(rows):
        bits = 0
        for ch in row:
            bits = (bits << 1) | bit_of(ch)
        width = len(row)
        padded = (width + 31) // 32 * 32
        bits <<= padded - width
        out += bits.to_bytes(padded // 8, 'big')
    return out


def info_header(width, height, bits, image_size, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 0, 0, colours, 0)


def write_bmp(path, rows):
    pixels = bmp_rows_24(rows, MENU_BACKGROUND)
    header = info_header(len(rows[0]), len(rows), 24, len(pixels))
    offset = 14 + len(header)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        f.write(header + pixels)


def icon_image(rows):
    """A 32-bit icon image with alpha, followed by its AND mask."""
    size = len(rows)
    pixels = b''
    for row in reversed(rows):
        for ch in row:
            rgb = PALETTE[ch]
            pixels += b'\0\0\0\0' if rgb is None else struct.pack('<BBBB', rgb[2], rgb[1], rgb[0], 255)
    mask = mask_rows(rows, lambda ch: 1 if PALETTE[ch] is None else 0)
    return info_header(size, size * 2, 32, len(pixels) + len(mask)) + pixels + mask


def cursor_image(rows):
    """A monochrome image: black and white palette, XOR bits, then AND bits."""
    size = len(rows)
    xor = mask_rows(rows, lambda ch: 1 if ch == 'w' else 0)
    mask = mask_rows(rows, lambda ch: 1 if ch == '.' else 0)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    return info_header(size, size * 2, 1, len(xor) + len(mask), 2) + palette + xor + mask


def write_directory(path, kind, images):
    """kind 1 = icon, 2 = cursor; images: (size, data, planes_or_hotx, bits_or_hoty)."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    body = b''
    for size, data, field1, field2 in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 2 if kind == 2 else 0, 0,
                           field1, field2, len(data), offset + len(body))
        body += data
    with open(path, 'wb') as f:
        f.write(out + body)


def main():
    for number, (name, _, rows) in RADIO_MARKS.items():
        check(name, rows, 13, 13)
        write_bmp(os.path.join(HERE, 'mark_%s.bmp' % name.lower()), rows)
    for number, (name, rows) in ITEM_PICTURES.items():
        check(name, rows, 13, 13)
        write_bmp(os.path.join(HERE, 'item_%s.bmp' % name), rows)
    check('icon32', ICON_32, 32, 32)
    check('icon16', ICON_16, 16, 16)
    write_directory(os.path.join(HERE, 'verko.ico'), 1,
                    [(32, icon_image(ICON_32), 1, 32), (16, icon_image(ICON_16), 1, 32)])
    write_directory(os.path.join(HERE, 'verko_small.ico'), 1, [(16, icon_image(ICON_16), 1, 32)])
    for sign, name in (('+', 'zoom_in'), ('-', 'zoom_out')):
        write_directory(os.path.join(HERE, '%s.cur' % name), 2, [(32, cursor_image(magnifier(sign)), 7, 7)])


if __name__ == '__main__':
    main()
