#!/usr/bin/python3
"""Draw every tile picture from assets/tiles, enlarged, on one sheet for pixel-by-pixel review.

Usage: python3 tools/contact_sheet.py [output.png]   (default: docs/artwork.png)
"""
import re
import string
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent
TILES = ROOT / "assets" / "tiles"
SCALE = 8            # screen pixels per picture pixel
COLUMNS = 8          # pictures per sheet row
CELL = 29 * SCALE + 24
LABEL = 26
PIXEL_LINE = (96, 96, 96)
TILE_LINE = (255, 160, 0)


def read_xpm(path):
    """Return the picture as a list of rows of (r, g, b) tuples."""
    strings = re.findall(r'"([^"]*)"', path.read_text())
    width, height, ncolours, cpp = map(int, strings[0].split())
    palette = {}
    for line in strings[1:1 + ncolours]:
        key, definition = line[:cpp], line[cpp:].split()
        value = definition[definition.index("c") + 1].lstrip("#")
        palette[key] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
    rows = strings[1 + ncolours:1 + ncolours + height]
    return [[palette[row[x * cpp:(x + 1) * cpp]] for x in range(width)] for row in rows]


def pictures():
    """(label, file) pairs in board order: capitals, small letters, digits, then the blank."""
    names = [(c, f"capital_{c}") for c in string.ascii_uppercase]
    names += [(c, f"small_{c}") for c in string.ascii_lowercase]
    names += [(c, f"digit_{c}") for c in string.digits]
    names.append(("blank", "blank"))
    return [(label, TILES / f"{stem}.xpm") for label, stem in names]


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "docs" / "artwork.png"
    items = pictures()
    rows = (len(items) + COLUMNS - 1) // COLUMNS
    sheet = Image.new("RGB", (COLUMNS * CELL, rows * (CELL + LABEL)), (40, 40, 40))
    draw = ImageDraw.Draw(sheet)
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 18)
    except OSError:
        font = ImageFont.load_default()
    for index, (label, path) in enumerate(items):
        pixels = read_xpm(path)
        left = (index % COLUMNS) * CELL + 12
        top = (index // COLUMNS) * (CELL + LABEL) + LABEL
        draw.text((left, top - LABEL + 3), label, fill=(255, 255, 255), font=font)
        for y, row in enumerate(pixels):
            for x, colour in enumerate(row):
                x0, y0 = left + x * SCALE, top + y * SCALE
                draw.rectangle([x0, y0, x0 + SCALE - 1, y0 + SCALE - 1], fill=colour)
        width, height = len(pixels[0]) * SCALE, len(pixels) * SCALE
        # Thin lines between pixels make every pixel countable.
        for x in range(1, len(pixels[0])):
            draw.line([left + x * SCALE, top, left + x * SCALE, top + height - 1], fill=PIXEL_LINE)
        for y in range(1, len(pixels)):
            draw.line([left, top + y * SCALE, left + width - 1, top + y * SCALE], fill=PIXEL_LINE)
        draw.rectangle([left - 1, top - 1, left + width, top + height], outline=TILE_LINE)
    output.parent.mkdir(parents=True, exist_ok=True)
    sheet.save(output)


if __name__ == "__main__":
    main()
