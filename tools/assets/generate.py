#!/usr/bin/python3
"""Writes every picture of the launcher into assets/: the tiles, the start screen's wallpaper,
canvas picture, logo, About symbol and icon, the splash window's pictures and the About
window's emblem and banner; and the icon at 256 pixels for the Linux desktop's icon theme.

Run it by hand with Debian's Python, which has python3-pil:

    /usr/bin/python3 tools/assets/generate.py            # rewrites assets/
    /usr/bin/python3 tools/assets/generate.py --sheet /tmp/sheet.png   # and a contact sheet

The output is the same, byte for byte, on every run: all randomness is seeded.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import icons  # noqa: E402
import scenes  # noqa: E402
import tiles  # noqa: E402
from tile_table import SQUARE_TILES, WIDE_TILES  # noqa: E402

ASSETS = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                       "assets"))
JPEG_QUALITY = 90
# Full-resolution colour keeps the edges of white glyphs and captions crisp on saturated
# fields; the two large dark backdrops have no such edges and are smaller halved.
FULL_CHROMA = 0
HALF_CHROMA = 2


def jpeg(image, progressive=False, subsampling=FULL_CHROMA):
    def write(path):
        image.save(path, "JPEG", quality=JPEG_QUALITY, progressive=progressive,
                   subsampling=subsampling, optimize=False)
    return write


def bmp(image):
    def write(path):
        image.save(path, "BMP")  # 24 bits per pixel, uncompressed, for an RGB image
    return write


def png(image):
    def write(path):
        image.save(path, "PNG")  # keeps the alpha channel of an RGBA image
    return write


def raw(data):
    def write(path):
        with open(path, "wb") as out:
            out.write(data)
    return write


def pictures():
    """(file name, writer) for every asset."""
    for tile in SQUARE_TILES:
        yield tile.file, jpeg(tiles.square_tile(tile))
    for tile in WIDE_TILES:
        yield tile.file, bmp(tiles.wide_tile(tile))
    yield "start-window-logo.jpg", jpeg(scenes.window_emblem((98, 92), scenes.LIGHT_BLUE,
                                                             (0, 0, 0)))
    yield "start-about-symbol.jpg", jpeg(scenes.about_symbol())
    yield "start-wallpaper.jpg", jpeg(scenes.wallpaper(), subsampling=HALF_CHROMA)
    yield "start-canvas.jpg", jpeg(scenes.canvas_picture(), progressive=True,
                                   subsampling=HALF_CHROMA)
    yield "app-icon.ico", raw(icons.app_icon())
    yield "app-icon-256.png", png(icons.theme_icon(256))
    yield "splash-picture.bmp", bmp(scenes.splash_picture())
    yield "splash-emblem.jpg", jpeg(scenes.window_emblem((96, 96), scenes.EMBLEM_GREY,
                                                         scenes.LIME))
    yield "splash-placeholder-logo.ico", raw(icons.placeholder_logo())
    yield "about-emblem.jpg", jpeg(scenes.window_emblem((84, 84), scenes.LIGHT_BLUE,
                                                        (255, 255, 255)))
    yield "about-banner.jpg", jpeg(scenes.about_banner())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default=ASSETS, help="folder to write into (default: assets/)")
    parser.add_argument("--sheet", help="also write a contact sheet of every picture here (PNG)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    written = []
    for name, write in pictures():
        path = os.path.join(args.out, name)
        # Write beside the target and rename, so an interrupted run leaves no half file.
        partial = path + ".partial"
        write(partial)
        os.replace(partial, path)
        written.append(path)
    print(f"wrote {len(written)} pictures to {args.out}")
    if args.sheet:
        import contact_sheet
        contact_sheet.write(written, args.sheet)
        print(f"wrote contact sheet {args.sheet}")


if __name__ == "__main__":
    main()
