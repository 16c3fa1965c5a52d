#!/usr/bin/python3
"""Draws the bitmaps, icons and cursor of ravoFtp.dll from the text pictures
below and writes them as .bmp, .ico and .cur files.

    images.py --list             names of the files it writes, one a line
    images.py OUTPUT_FOLDER      writes every file into the folder
    images.py --preview OUT.png  one enlarged sheet of all pictures, to review

Every picture is a grid of letters, one letter a pixel; PALETTE says which
colour each letter is. "." is the picture's background: light grey
RGB(192,192,192) on button bitmaps (the program maps it to the button face),
white on the file icons (their mask colour), navy on the drag image (its mask
colour) and transparent on the icon and the cursor. Disabled button bitmaps
are not drawn by hand: DISABLED() embosses the normal one, so each pair
always matches.

Only the standard library is used.
"""
import os
import struct
import sys
import zlib

PALETTE = {
    "k": (0, 0, 0),          # outline
    "g": (128, 128, 128),    # shadow grey
    "l": (212, 208, 200),    # silver (not the mapped light grey)
    "w": (255, 255, 255),    # white (never on file icons: it is their mask)
    "o": (250, 250, 238),    # paper
    "y": (255, 220, 90),     # folder
    "Y": (196, 144, 32),     # folder shade
    "b": (0, 0, 128),        # navy
    "B": (40, 100, 220),     # blue
    "s": (160, 200, 245),    # light blue
    "r": (220, 40, 30),      # red
    "R": (140, 20, 10),      # dark red
    "G": (0, 128, 0),        # green
    "e": (70, 190, 70),      # light green
    "m": (170, 70, 190),     # purple
    "M": (100, 30, 120),     # dark purple
    "n": (180, 110, 50),     # brown
    "p": (250, 150, 50),     # orange
}
BUTTON_FACE = (192, 192, 192)
ICON_MASK = (255, 255, 255)
DRAG_MASK = (0, 0, 128)


def grid(text):
    rows = [line.strip() for line in text.strip().splitlines()]
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise ValueError("ragged picture row: %r" % row)
    return rows


def overlay(base, top, x, y):
    """Lays picture `top` over `base` at (x, y); "." in `top` keeps `base`."""
    rows = [list(r) for r in base]
    for dy, line in enumerate(top):
        for dx, ch in enumerate(line):
            if ch != ".":
                rows[y + dy][x + dx] = ch
    return ["".join(r) for r in rows]


def DISABLED(rows):
    """The embossed look of a disabled button: the dark parts of the picture
    in shadow grey with a white highlight one pixel down and right; light
    parts vanish into the button face."""
    h, w = len(rows), len(rows[0])

    def dark(ch):  # outlines and deep shades keep the shape; fills fade out
        return ch in "kgbGRMnY"

    out = [["."] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if dark(rows[y][x]) and x + 1 < w and y + 1 < h:
                out[y + 1][x + 1] = "w"
    for y in range(h):
        for x in range(w):
            if dark(rows[y][x]):
                out[y][x] = "g"
    return ["".join(r) for r in out]


# ---- File icons, 16x16, white is transparent ------------------------------

DOCUMENT = grid("""
..kkkkkkkkk.....
..kooooooookk...
..kooooooookok..
..koooooookllk..
..koooooookkkkk.
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kooooooooooook
..kkkkkkkkkkkkkk
""")

TEXT_LINES = grid("""
ggggggggg
.........
ggggggg..
.........
ggggggggg
.........
gggggg...
""")

GLOBE = grid("""
..bbbb..
.bBBeBb.
bBeeeBBb
bBBeeBBb
bBBBBeeb
beBBBeBb
.beeBBb.
..bbbb..
""")

CUBE = grid("""
...kkkkkk
..kssssk.
.kssssk.k
kkkkkkkMk
kmmmmkMMk
kmmmmkMk.
kmmmmkk..
kkkkkk...
""")

LANDSCAPE = grid("""
kkkkkkkkk
ksssssyyk
kssssyyyk
ksssssysk
ksGsssssk
kGGGssGsk
keeGGGGek
keeeeeeek
kkkkkkkkk
""")

NOTE = grid("""
....kk.
....kkk
....k.k
....k..
.kkkk..
kkkkk..
.kkk...
""")

FOLDER = grid("""
................
................
.kkkkk..........
kyyyyyk.........
kyyyyyykkkkkkkk.
kywwwwwwwwwwwwYk
kywyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyYk
kYYYYYYYYYYYYYYk
.kkkkkkkkkkkkkk.
................
""")

UP_ARROW_GREEN = grid("""
...G...
..GeG..
.GeeeG.
GGeeeGG
..GeG..
..GeG..
..GGG..
""")

SHORTCUT = grid("""
kkkkkkk
koooook
kooGGGk
koooGGk
kooGoGk
koGoook
kkkkkkk
""")

# Paper is not white, so only the outside of each picture is transparent.
FOLDER_ICON = [r.replace("w", "o") for r in FOLDER]


ICON_FILE = overlay(DOCUMENT, TEXT_LINES, 4, 6)
ICON_HTML = overlay(overlay(DOCUMENT, grid("ggggggggg"), 4, 5), GLOBE, 5, 7)
ICON_VRML = overlay(DOCUMENT, CUBE, 4, 7)
ICON_PICTURE = overlay(DOCUMENT, LANDSCAPE, 4, 6)
ICON_SOUND = overlay(overlay(DOCUMENT, grid("gggggg\n......\nggg..."), 4, 6), NOTE, 7, 8)
ICON_FOLDER = FOLDER_ICON
ICON_PARENT = overlay(FOLDER_ICON, UP_ARROW_GREEN, 5, 6)
ICON_LINK = overlay(FOLDER_ICON, SHORTCUT, 1, 8)

# ---- Command button bitmaps, 20x20, light grey is the button face ---------

TRAY = grid("""
k..................k
kk................kk
kgkkkkkkkkkkkkkkkkgk
kgggggggggggggggggek
kkkkkkkkkkkkkkkkkkkk
""")

ARROW_DOWN = grid("""
....kkkkk....
....kBBBk....
....kBBBk....
....kBBBk....
....kBBBk....
....kBBBk....
kkkkkBBBkkkkk
.kBBBBBBBBBk.
..kBBBBBBBk..
...kBBBBBk...
....kBBBk....
.....kBk.....
......k......
""")

ARROW_UP = list(reversed(ARROW_DOWN))

BLANK20 = ["." * 20] * 20

BTN_DOWNLOAD = overlay(overlay(BLANK20, ARROW_DOWN, 3, 1), TRAY, 0, 14)
BTN_UPLOAD = overlay(overlay(BLANK20, ARROW_UP, 3, 0), TRAY, 0, 14)

FOLDER20 = grid("""
....................
....................
....................
.kkkkkk.............
kyyyyyyk............
kyyyyyyykkkkkkkkkkk.
kywwwwwwwwwwwwwwwwYk
kywyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kyyyyyyyyyyyyyyyyyYk
kYYYYYYYYYYYYYYYYYYk
.kkkkkkkkkkkkkkkkkk.
....................
""")

BENT_UP_ARROW = grid("""
....G.......
...GeG......
..GeeeG.....
.GeeeeeG....
GGGeeeGGG...
..GeeeG.....
..GeeeG.....
..GeeeGGGGGG
..Geeeeeeeee
..GGGGGGGGGG
""")

SPARKLE = grid("""
....p....
....p....
.p..p..p.
..p.p.p..
...ppp...
ppppkpppp
...ppp...
..p.p.p..
.p..p..p.
""")

BTN_PARENT = overlay(FOLDER20, BENT_UP_ARROW, 6, 7)
BTN_NEW = overlay(FOLDER20, SPARKLE, 11, 0)

PAGE20 = grid("""
...kkkkkkkkkk.......
...kooooooookk......
...kooooooookok.....
...kooooooookllk....
...kooooooookkkkk...
...koggggggoooook...
...kooooooooooook...
...koggggggggoook...
...kooooooooooook...
...koggggggoooook...
...kooooooooooook...
...koggggggggoook...
...kooooooooooook...
...koggggggoooook...
...kooooooooooook...
...koggggggggoook...
...kooooooooooook...
...kooooooooooook...
...kkkkkkkkkkkkkk...
....................
""")

MAGNIFIER = grid("""
..kkkk....
.ksssswk..
ksssswsk..
ksssssssk.
ksssssssk.
.kssssskk.
..kkkkknn.
.......nn.
........nn
.........n
""")

PENCIL = grid("""
..........kk.
.........krrk
........kprrk
.......kpppk.
......kpppk..
.....kpppk...
....kpppk....
...kpppk.....
..knppk......
..knnk.......
..kkk........
""")

BTN_VIEW = overlay(PAGE20, MAGNIFIER, 9, 9)
BTN_RENAME = overlay(PAGE20, PENCIL, 7, 4)

BTN_DELETE = grid("""
....................
....................
..kk............kk..
.krrk..........krrk.
.krrrk........krrrk.
..krrrk......krrrk..
...krrrk....krrrk...
....krrrk..krrrk....
.....krrrkkrrrk.....
......krrrrrrk......
.......krrrrk.......
......krrrrrrk......
.....krrrkkrrrk.....
....krrrk..krrrk....
...krrrk....krrrk...
..krrrk......krrrk..
.krrrk........krrrk.
.krrk..........krrk.
..kk............kk..
....................
""")

BTN_REFRESH = grid("""
....................
.......kkkkkk....k..
.....kkGeeeeGkk.kek.
....kGeGkkkkGeGkeek.
...kGeGk....kkGeeek.
...kGek......kGeeek.
..kGek......kGeeeek.
..kGek......kkkkkkk.
..kGek..............
..kkk...............
...............kkk..
..............keGk..
.kkkkkkk......keGk..
.keeeeGk......keGk..
.keeeGk......keGk...
.keeeGkk....kGeGk...
.keeGkGeGkkkkGeGk...
.kekk.kkGeeeeGkk....
..k.....kkkkkk......
....................
""")

BTN_CONNECT = grid("""
.......kkkkkk.......
.....kkBBeeBBkk.....
....kBBeeeeBBBBk....
...kBBBBeeeBBBBBk...
..kBBBBBBeeBBeeBBk..
..kBeBBBBBBBeeeeBk..
.kBeeeBBBBBBBeeeBBk.
.kBeeeeeBBBBBBeBBBk.
.kBBeeeeeBBBBBBBBBk.
.kBBBeeeeBBBBBBeeBk.
.kBBBBeeBBBBBBeeeBk.
.kBBBBBeBBBBBBeeeBk.
..kBBBBBBBBBBBeeBk..
..kBBBBBBBBBBBBBBk..
...kBBBBBBBBBBBBk...
....kBBBBBBBBBBk....
.....kkBBBBBBkk.....
.......kkkkkk.......
....................
....................
""")

# ---- Smart-select bitmaps, 16x16: three list rows with a mark -------------

ROWS = grid("""
................
kkkkk...........
kwwwk.gggggggg..
kwwwk...........
kkkkk...........
................
kkkkk...........
kwwwk.gggggggg..
kwwwk...........
kkkkk...........
................
kkkkk...........
kwwwk.gggggggg..
kwwwk...........
kkkkk...........
................
""")

CHECK = grid("""
....k
...kk
k.kk.
kkk..
.k...
""")

SELECTED_ROW = grid("""
kkkkk..........
kwwwk.bbbbbbbbb
kwwwk.bbbbbbbbb
kwwwk.bbbbbbbbb
kkkkk..........
""")


def rows_with(marks, picture=None, px=0, py=0):
    """Three list rows; `marks` says which get a tick and a highlight."""
    out = ROWS
    for i, marked in enumerate(marks):
        if marked:
            out = overlay(out, SELECTED_ROW, 0, 1 + 5 * i)
            out = overlay(out, CHECK, 0, 0 + 5 * i)
    if picture is not None:
        out = overlay(out, picture, px, py)
    return out


ARROW_RIGHT = grid("""
...kk...
...kek..
kkkkeek.
keeeeeek
kkkkeek.
...kek..
...kk...
""")

CLOCK = grid("""
..kkkk..
.kwwkwk.
kwwwkwwk
kwwwkkwk
kwwwwwwk
kwwwwwwk
.kwwwwk.
..kkkk..
""")

CROSS = grid("""
rr....rr
.rr..rr.
..rrrr..
...rr...
..rrrr..
.rr..rr.
rr....rr
""")

BTN_CLEAR_ALL = rows_with([False, False, False])
BTN_SELECT_ALL = rows_with([True, True, True])
BTN_SELECT_TRANSFER = rows_with([True, False, True], ARROW_RIGHT, 8, 8)
BTN_SELECT_UPDATING = rows_with([False, True, False], CLOCK, 8, 8)
BTN_SELECT_DELETION = rows_with([True, False, False], CROSS, 8, 8)

BROWSE = grid("""
................
................
.kkkkk..........
kyyyyyk.........
kyyyyyykkkkkkk..
kywwwwwwwwwwwYk.
kywyyyyyyyyyyYk.
kyyyyyyyyyyyyYk.
kyyyyyyyyyyyyYk.
kyyyyyyyyyyyyYk.
kyyyyyyyyyyyyYk.
kYYYYYYYYYYYYYk.
.kkkkkkkkkkkkk..
................
.kk..kk..kk.....
.kk..kk..kk.....
""")

# ---- Drag image for several rows, 24x24, navy is transparent --------------

SMALL_PAGE = grid("""
kkkkkkkkkk..
kwwwwwwwwkk.
kwggggggwkwk
kwwwwwwwwkkk
kwgggggggwwk
kwwwwwwwwwwk
kwggggggwwwk
kwwwwwwwwwwk
kwgggggggwwk
kwwwwwwwwwwk
kwgggggwwwwk
kwwwwwwwwwwk
kwwwwwwwwwwk
kkkkkkkkkkkk
""")
DRAG_MULTIPLE = overlay(overlay(overlay(["." * 24] * 24, SMALL_PAGE, 2, 1), SMALL_PAGE, 6, 5), SMALL_PAGE, 10, 9)

# ---- No-drop cursor, 32x32, hot spot at the arrow's tip -------------------

NO_DROP = grid("""
k...............................
kk..............................
kwk.............................
kwwk............................
kwwwk...........................
kwwwwk..........................
kwwwwwk.........................
kwwwwwwk........................
kwwwwwwwk.......................
kwwwwwwwwk......................
kwwwwwkkkkk.....................
kwwkwwk.........................
kwk.kwwk........................
kk..kwwk........................
k....kwwk.......................
.....kwwk.......................
......kk....kkkkkk..............
...........kwwwwwwk.............
..........kwkkkkkkwk............
.........kwkkwwwwkkwk...........
.........kwkwk..kwkkwk..........
.........kwkk..kwkkwk...........
.........kwk..kwkk.kwk..........
.........kwk.kwkk..kwk..........
.........kwkkwkk..kkwk..........
..........kwkkkwwwkkwk..........
...........kwwkkkkkwk...........
............kwwwwwwk............
.............kkkkkk.............
................................
................................
................................
""")

# ---- Program icon: a quill over two panels --------------------------------

APP_ICON_32 = grid("""
................................
.........................kk.....
........................kwwk....
.......................kwwgk....
......................kwwggk....
.....................kwwggk.....
....................kwwggk......
...................kwwggk.......
..kkkkkkkkkkkkkkkkkwwggkkkkkk...
..kbbbbbbbbbbbbbbkwwggkbbbbbk...
..kbbbbbbbbbbbbbkwwggkbbbbbbk...
..kwwwwwwwwwwwwkwwggkwwwwwwwk...
..kwggggwwggggkwwggkwwwwwwwwk...
..kwwwwwwwwwwkwwggkwwwwwwwwwk...
..kwggggwwwwkwwggkwwwwwwwwwwk...
..kwwwwwwwwkwwggkwwwwwwwwwwwk...
..kkkkkkkkkwggkkkkkkkkkkkkkkk...
..kBBBBBBBBknkBBBBBBBBBBBBBBk...
..kBBBBBBBknnkBBBBBBBBBBBBBBk...
..kwwwwwwwknkwwwwwwwwwwwwwwwk...
..kwgggggknkwwwggggggwwwwwwwk...
..kwwwwwkkkwwwwwwwwwwwwwwwwwk...
..kwggggkkwgggggwwwwwwwwwwwwk...
..kwwwwkwwwwwwwwwwwwwwwwwwwwk...
..kwgggggggwwggggggggwwwwwwwk...
..kwwwwwwwwwwwwwwwwwwwwwwwwwk...
..kwggggggggwwwwwwwwwwwwwwwwk...
..kwwwwwwwwwwwwwwwwwwwwwwwwwk...
..kkkkkkkkkkkkkkkkkkkkkkkkkkk...
................................
................................
................................
""")

APP_ICON_16 = grid("""
............kk..
...........kwgk.
..........kwgk..
.kkkkkkkkkwgkkk.
.kbbbbbbbkgkbbk.
.kwwwwwwkgkwwwk.
.kwggggknkwwwwk.
.kkkkkkkkkkkkkk.
.kBBBBknkBBBBBk.
.kwwwwkkwwwwwwk.
.kwgggkggggwwwk.
.kwwwwwwwwwwwwk.
.kwggggggwwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
""")


# ---- About picture, drawn rather than typed -------------------------------

FONT = {  # 5x7 capitals and digits for the about picture
    "F": "11111 10000 10000 11110 10000 10000 10000",
    "T": "11111 00100 00100 00100 00100 00100 00100",
    "P": "11110 10001 10001 11110 10000 10000 10000",
    "Q": "01110 10001 10001 10001 10101 10010 01101",
    "U": "10001 10001 10001 10001 10001 10001 01110",
    "I": "01110 00100 00100 00100 00100 00100 01110",
    "L": "10000 10000 10000 10000 10000 10000 11111",
    "E": "11111 10000 10000 11110 10000 10000 11111",
    "M": "10001 11011 10101 10101 10001 10001 10001",
    "A": "01110 10001 10001 11111 10001 10001 10001",
    "N": "10001 11001 10101 10011 10001 10001 10001",
    "G": "01110 10001 10000 10111 10001 10001 01111",
    "R": "11110 10001 10001 11110 10100 10010 10001",
    " ": "00000 00000 00000 00000 00000 00000 00000",
}


def about_picture(width=300, height=180):
    px = [[(0, 0, 0)] * width for _ in range(height)]
    for y in range(height):  # navy to teal, top to bottom
        t = y / (height - 1)
        c = (int(0 + 0 * t), int(40 + 100 * t), int(110 + 60 * t))
        px[y] = [c] * width
    for x in range(width):  # a pale band for the title
        for y in range(24, 76):
            r, g, b = px[y][x]
            px[y][x] = ((r + 255) // 2, (g + 255) // 2, (b + 255) // 2)

    def text(s, x0, y0, scale, colour):
        for i, ch in enumerate(s):
            rows = FONT[ch].split()
            for gy, bits in enumerate(rows):
                for gx, bit in enumerate(bits):
                    if bit == "1":
                        for sy in range(scale):
                            for sx in range(scale):
                                px[y0 + gy * scale + sy][x0 + (i * 6 + gx) * scale + sx] = colour

    text("FTP QUILL", 32, 33, 4, (0, 0, 96))
    text("FILE MANAGER", 22, 104, 2, (255, 255, 255))
    icon = APP_ICON_32
    for y, row in enumerate(icon):  # the program icon, doubled, lower right
        for x, ch in enumerate(row):
            if ch != ".":
                for sy in range(2):
                    for sx in range(2):
                        px[100 + 2 * y + sy][220 + 2 * x + sx] = PALETTE[ch]
    for x in range(20, 200):  # two thin rules under the title band
        px[88][x] = (255, 255, 255)
        px[92][x] = (160, 200, 245)
    return px


# ---- Writers ---------------------------------------------------------------

def pixels(rows, background):
    return [[background if ch == "." else PALETTE[ch] for ch in row] for row in rows]


def palette_of(px):
    colours = []
    for row in px:
        for c in row:
            if c not in colours:
                colours.append(c)
    if len(colours) > 256:
        raise ValueError("more than 256 colours")
    return colours


def dib(px, colours, height_factor=1):
    """BITMAPINFOHEADER, colour table and 8-bit rows, bottom-up."""
    h, w = len(px), len(px[0])
    index = {c: i for i, c in enumerate(colours)}
    stride = (w + 3) & ~3
    data = b"".join(bytes(index[c] for c in px[y]) + b"\0" * (stride - w) for y in reversed(range(h)))
    header = struct.pack("<IiiHHIIiiII", 40, w, h * height_factor, 1, 8, 0, len(data), 2835, 2835,
                         len(colours), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return header + table + data


def bmp_file(px):
    """An 8-bit bitmap with a colour table, as the colour mapping needs."""
    colours = palette_of(px)
    body = dib(px, colours)
    offset = 14 + 40 + 4 * len(colours)  # file header, info header, colour table
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body


def and_mask(rows):
    w = len(rows[0])
    stride = ((w + 31) // 32) * 4
    out = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, ch in enumerate(row):
            if ch == ".":
                line[x // 8] |= 0x80 >> (x % 8)
        out += bytes(line)
    return out


def icon_file(images, kind=1, hotspot=(0, 0)):
    """.ico (kind 1) or .cur (kind 2) with one 8-bit image per picture."""
    blobs = []
    for rows in images:
        px = pixels(rows, (0, 0, 0))
        blobs.append(dib(px, palette_of(px), 2) + and_mask(rows))
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for rows, blob in zip(images, blobs):
        w, h = len(rows[0]), len(rows)
        a, b = (1, 8) if kind == 1 else hotspot
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
    return head + entries + b"".join(blobs)


def png_file(px):
    h, w = len(px), len(px[0])
    raw = b"".join(b"\0" + bytes(v for c in row for v in c) for row in px)

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# ---- What is written --------------------------------------------------------

FILE_ICONS = [
    ("file", ICON_FILE), ("html", ICON_HTML), ("vrml", ICON_VRML), ("picture", ICON_PICTURE),
    ("sound", ICON_SOUND), ("folder", ICON_FOLDER), ("parent_entry", ICON_PARENT), ("link", ICON_LINK),
]
BUTTONS = [
    ("download", BTN_DOWNLOAD), ("upload", BTN_UPLOAD), ("parent", BTN_PARENT), ("new", BTN_NEW),
    ("view", BTN_VIEW), ("rename", BTN_RENAME), ("delete", BTN_DELETE), ("refresh", BTN_REFRESH),
    ("connect", BTN_CONNECT), ("clear_all", BTN_CLEAR_ALL), ("select_transfer", BTN_SELECT_TRANSFER),
    ("select_updating", BTN_SELECT_UPDATING), ("select_deletion", BTN_SELECT_DELETION),
    ("select_all", BTN_SELECT_ALL), ("browse", BROWSE),
]


def outputs():
    files = {}
    for name, rows in FILE_ICONS:
        px = pixels(rows, ICON_MASK)
        files[name + ".bmp"] = lambda px=px: bmp_file(px)
    for name, rows in BUTTONS:
        files[name + ".bmp"] = lambda rows=rows: bmp_file(pixels(rows, BUTTON_FACE))
        files[name + "_disabled.bmp"] = lambda rows=rows: bmp_file(pixels(DISABLED(rows), BUTTON_FACE))
    files["drag_multiple.bmp"] = lambda: bmp_file(pixels(DRAG_MULTIPLE, DRAG_MASK))
    files["about.bmp"] = lambda: bmp_file(quantised(about_picture()))
    files["no_drop.cur"] = lambda: icon_file([NO_DROP], kind=2, hotspot=(0, 0))
    files["ravoftp.ico"] = lambda: icon_file([APP_ICON_32, APP_ICON_16])
    return files


def quantised(px):
    """Rounds each channel to one of 16 levels, so that the picture fits an
    8-bit colour table."""
    def level(v):
        return (v & 0xF0) | 0x08 if v else 0

    return [[(level(r), level(g), level(b)) for r, g, b in row] for row in px]


def preview(path, scale=6):
    pictures = [pixels(r, (255, 0, 255)) for _, r in FILE_ICONS]
    for _, r in BUTTONS:
        pictures += [pixels(r, BUTTON_FACE), pixels(DISABLED(r), BUTTON_FACE)]
    pictures += [pixels(DRAG_MULTIPLE, DRAG_MASK), pixels(NO_DROP, (255, 0, 255)),
                 pixels(APP_ICON_32, (255, 0, 255)), pixels(APP_ICON_16, (255, 0, 255))]
    cell = 34 * scale
    columns = 8
    rows = (len(pictures) + columns - 1) // columns
    sheet = [[(230, 230, 230)] * (columns * cell) for _ in range(rows * cell)]
    for n, px in enumerate(pictures):
        ox, oy = (n % columns) * cell + scale, (n // columns) * cell + scale
        for y, row in enumerate(px):
            for x, c in enumerate(row):
                for sy in range(scale):
                    for sx in range(scale):
                        sheet[oy + y * scale + sy][ox + x * scale + sx] = c
    with open(path, "wb") as f:
        f.write(png_file(sheet))
    with open(os.path.splitext(path)[0] + "_about.png", "wb") as f:
        f.write(png_file(quantised(about_picture())))


def main(argv):
    if argv[1:] == ["--list"]:
        print("\n".join(sorted(outputs())))
        return 0
    if len(argv) == 3 and argv[1] == "--preview":
        preview(argv[2])
        return 0
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name, make in sorted(outputs().items()):
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(make())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
