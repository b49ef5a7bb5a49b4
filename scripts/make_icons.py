#!/usr/bin/env python3
"""Turns the readable pixel maps of resources/icons into .ico and .cur files.

An icon map (*.icon) is 16 rows of 16 characters; a cursor map (*.cursor) is 32 rows of 32
characters preceded by a line "hotspot X Y". Lines starting with '#' are comments. Each character
is one pixel, drawn from the 16 colours every display and every image list can show:

    .  transparent   k black      m maroon   g green    o olive   n navy     p purple  t teal
    s  silver        d dark grey  R red      G lime     Y yellow  B blue     M magenta C cyan
    w  white

Icons are written as 4-bit images with an AND mask, at 16, 20, 24 and 32 pixels (the sizes of
100, 125, 150 and 200 % display scaling; the larger ones repeat the map's pixels, so they stay as
sharp as the map); cursors as 1-bit images (black, white and transparent only). The output is
byte-for-byte reproducible.
"""
import struct
import sys
from pathlib import Path

PALETTE = [
    ("k", (0x00, 0x00, 0x00)), ("m", (0x80, 0x00, 0x00)), ("g", (0x00, 0x80, 0x00)),
    ("o", (0x80, 0x80, 0x00)), ("n", (0x00, 0x00, 0x80)), ("p", (0x80, 0x00, 0x80)),
    ("t", (0x00, 0x80, 0x80)), ("s", (0xC0, 0xC0, 0xC0)), ("d", (0x80, 0x80, 0x80)),
    ("R", (0xFF, 0x00, 0x00)), ("G", (0x00, 0xFF, 0x00)), ("Y", (0xFF, 0xFF, 0x00)),
    ("B", (0x00, 0x00, 0xFF)), ("M", (0xFF, 0x00, 0xFF)), ("C", (0x00, 0xFF, 0xFF)),
    ("w", (0xFF, 0xFF, 0xFF)),
]
INDEX = {ch: i for i, (ch, _) in enumerate(PALETTE)}
TRANSPARENT = "."


def read_map(path, size):
    hotspot = None
    rows = []
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if line.startswith("#") or not line.strip():
            continue
        if line.startswith("hotspot"):
            _, x, y = line.split()
            hotspot = (int(x), int(y))
            continue
        if len(line) != size:
            raise ValueError(f"{path}:{number}: a row has {len(line)} pixels, not {size}")
        for ch in line:
            if ch != TRANSPARENT and ch not in INDEX:
                raise ValueError(f"{path}:{number}: unknown pixel '{ch}'")
        rows.append(line)
    if len(rows) != size:
        raise ValueError(f"{path}: {len(rows)} rows, not {size}")
    return rows, hotspot


def pack_bits(bits):
    """Packs 0/1 values into bytes, most significant bit first, rows padded to 32 bits."""
    out = bytearray()
    for i in range(0, len(bits), 8):
        byte = 0
        for bit in bits[i:i + 8]:
            byte = (byte << 1) | bit
        out.append(byte << (8 - len(bits[i:i + 8])))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def and_mask(rows):
    return b"".join(pack_bits([1 if ch == TRANSPARENT else 0 for ch in row]) for row in reversed(rows))


def bitmap_header(size, bit_count, colours, image_bytes):
    # The height counts the colour image and the mask together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0, image_bytes, 0, 0, colours, 0)


def icon_image(rows):
    size = len(rows)
    pixels = bytearray()
    for row in reversed(rows):
        nibbles = [INDEX.get(ch, 0) for ch in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        pixels += line + b"\0" * (-len(line) % 4)
    mask = and_mask(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    return bitmap_header(size, 4, 16, len(pixels) + len(mask)) + palette + bytes(pixels) + mask


def cursor_image(rows):
    for row in rows:
        for ch in row:
            if ch not in (TRANSPARENT, "k", "w"):
                raise ValueError("a cursor uses only '.', 'k' and 'w'")
    xor = b"".join(pack_bits([1 if ch == "w" else 0 for ch in row]) for row in reversed(rows))
    mask = and_mask(rows)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return bitmap_header(len(rows), 1, 2, len(xor) + len(mask)) + palette + xor + mask


ICON_SIZES = (16, 20, 24, 32)


def scaled(rows, size):
    """The map at another size, each pixel taken from the one it covers."""
    source = len(rows)
    return ["".join(rows[y * source // size][x * source // size] for x in range(size)) for y in range(size)]


def write_file(path, kind, images, field1, field2):
    """images: (size, bytes) pairs, written in that order."""
    colours = 16 if kind == 1 else 0
    header = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, field1, field2, len(image), offset)
        offset += len(image)
    path.write_bytes(header + entries + b"".join(image for _, image in images))


def convert(source, out_dir):
    if source.suffix == ".icon":
        rows, _ = read_map(source, 16)
        images = [(size, icon_image(scaled(rows, size))) for size in ICON_SIZES]
        write_file(out_dir / (source.stem + ".ico"), 1, images, 1, 4)
    elif source.suffix == ".cursor":
        rows, hotspot = read_map(source, 32)
        if hotspot is None:
            raise ValueError(f"{source}: a cursor needs a 'hotspot X Y' line")
        write_file(out_dir / (source.stem + ".cur"), 2, [(32, cursor_image(rows))], *hotspot)
    else:
        raise ValueError(f"{source}: not a .icon or .cursor map")


def main(argv):
    if len(argv) < 3:
        print("usage: make_icons.py OUT_DIR MAP...", file=sys.stderr)
        return 2
    out_dir = Path(argv[1])
    out_dir.mkdir(parents=True, exist_ok=True)
    try:
        for name in argv[2:]:
            convert(Path(name), out_dir)
    except ValueError as error:
        print(f"make_icons.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
