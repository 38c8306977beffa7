"""Drawing the tile pictures: a flat field, a white glyph and a white caption."""

from PIL import Image, ImageChops, ImageDraw

import fonts
from mask import Mask

SQUARE = 72
WIDE = (161, 71)
WHITE = (255, 255, 255)
CAPTION_FONT = fonts.SANS_SEMIBOLD
CAPTION_SIZE = 11
CAPTION_LEFT = 8  # a whole JPEG block in from the edge, so no ringing reaches the corner
CAPTION_BASELINE = 65
WIDE_CAPTION_SIZE = 13
# On the lightest fields white alone is hard to read; a soft shadow of a darker shade of the
# field carries it. Darker fields stay perfectly flat.
SHADOW_ABOVE_LUMA = 150


def rgb(hex_colour):
    value = int(hex_colour.lstrip("#"), 16)
    return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def luma(colour):
    r, g, b = colour
    return 0.299 * r + 0.587 * g + 0.114 * b


def shade(colour, factor):
    return tuple(int(round(c * factor)) for c in colour)


def fitted_font(text, size, max_width, path=CAPTION_FONT, min_size=8):
    """The caption font at `size`, or smaller until the caption fits `max_width`."""
    while size > min_size and fonts.font(path, size).getlength(text) > max_width:
        size -= 1
    font = fonts.font(path, size)
    if font.getlength(text) > max_width:
        raise ValueError(f"caption {text!r} does not fit {max_width} pixels")
    return font


def paint_white(image, coverage, shadow):
    """Paints white through `coverage`, with a one-pixel shadow below right when asked."""
    if shadow is not None:
        offset = ImageChops.offset(coverage, 1, 1)
        image.paste(Image.new("RGB", image.size, shadow), (0, 0), offset)
    image.paste(Image.new("RGB", image.size, WHITE), (0, 0), coverage)


def caption_coverage(size, text, font, position, anchor):
    layer = Image.new("L", size, 0)
    ImageDraw.Draw(layer).text(position, text, font=font, fill=255, anchor=anchor)
    return layer


def shadow_for(background):
    return shade(background, 0.62) if luma(background) > SHADOW_ABOVE_LUMA else None


def square_tile(tile):
    background = rgb(tile.background)
    shadow = shadow_for(background)
    image = Image.new("RGB", (SQUARE, SQUARE), background)
    mask = Mask(SQUARE, SQUARE)
    tile.glyph(mask)
    paint_white(image, mask.coverage(), shadow)
    if tile.caption_in_folder:
        # Inside the hollow folder, on its floor.
        font = fitted_font(tile.caption, CAPTION_SIZE, 48)
        position, anchor = (36, 50), "ms"
    else:
        font = fitted_font(tile.caption, CAPTION_SIZE, SQUARE - 2 * CAPTION_LEFT)
        position, anchor = (CAPTION_LEFT, CAPTION_BASELINE), "ls"
    paint_white(image, caption_coverage(image.size, tile.caption, font, position, anchor), shadow)
    return image


def wide_tile(tile):
    background = rgb(tile.background)
    image = Image.new("RGB", WIDE, background)
    if tile.caption:
        font = fitted_font(tile.caption, WIDE_CAPTION_SIZE, WIDE[0] - 16)
        centre = (WIDE[0] / 2, WIDE[1] / 2)
        paint_white(image, caption_coverage(WIDE, tile.caption, font, centre, "mm"),
                    shadow_for(background))
    return image
