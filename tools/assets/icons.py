"""The application icon, a glossy waving four-pane flag, and the splash window's placeholder
logo."""

from PIL import Image, ImageChops, ImageDraw

import drawings
import icon_file
from mask import Mask

# Reading order: top left, top right, bottom left, bottom right.
FLAG_COLOURS = [(232, 62, 40), (98, 178, 36), (30, 128, 226), (255, 190, 20)]
# The same four in the sixteen VGA colours: (face, rim).
VGA_FLAG_COLOURS = [((255, 0, 0), (128, 0, 0)), ((0, 255, 0), (0, 128, 0)),
                    ((0, 0, 255), (0, 0, 128)), ((255, 255, 0), (128, 128, 0))]
ICON_SCALE = 8

# (size, bits per pixel) in the order the file stores them.
APP_ICON_IMAGES = [(48, 4), (32, 4), (16, 4), (48, 8), (32, 8), (16, 8),
                   (128, 32), (64, 32), (48, 32), (32, 32), (24, 32), (16, 32)]


def vertical_gradient(size, top, bottom):
    """An RGB image fading from `top` to `bottom` down its height."""
    column = Image.new("RGB", (1, 256))
    for y in range(256):
        t = y / 255
        column.putpixel((0, y), tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom)))
    return column.resize(size, Image.Resampling.BILINEAR)


def lighter(colour, amount):
    return tuple(min(255, int(round(c + (255 - c) * amount))) for c in colour)


def darker(colour, amount):
    return tuple(int(round(c * (1 - amount))) for c in colour)


def flag_box(size):
    margin_x, margin_y = size * 0.05, size * 0.14
    return (margin_x, margin_y, size - margin_x, size - margin_y)


def flag_pane_masks(size):
    """Each pane's coverage at `size` pixels square, in reading order."""
    box = flag_box(size)
    # At least a pixel and a bit between the panes, so that the smallest images keep four.
    gap = max(0.07, 1.3 / (box[2] - box[0]))
    masks = []
    for pane in drawings.flag_panes(box, gap, size * 0.065):
        mask = Mask(size, size, ICON_SCALE)
        mask.add(mask.polygon_layer(pane))
        masks.append(mask.coverage())
    return masks


def hard(coverage):
    return coverage.point(lambda v: 255 if v >= icon_file.OPAQUE_FROM else 0)


def flag_image(size):
    """The glossy flag as an RGBA image of `size` pixels square, on transparency. Colour runs
    to the very edge of each pane and alpha alone smooths the outline, so no dark fringe shows
    on a light desktop."""
    colour = Image.new("RGB", (size, size), (0, 0, 0))
    alpha = Image.new("L", (size, size), 0)
    for coverage, base in zip(flag_pane_masks(size), FLAG_COLOURS):
        solid = coverage.point(lambda v: 255 if v else 0)
        colour.paste(pane_gloss(coverage, base), (0, 0), solid)
        alpha = ImageChops.lighter(alpha, coverage)
    image = colour.convert("RGBA")
    image.putalpha(alpha)
    return image


def pane_gloss(coverage, base):
    """A pane's colour: lighter at the top, deeper at the foot, and a brighter sheen over its
    upper part that ends in a clean edge, as on a glazed tile."""
    x0, y0, x1, y1 = coverage.getbbox()
    size = coverage.size
    shading = Image.new("RGB", size, base)
    body = vertical_gradient((size[0], y1 - y0), lighter(base, 0.12), darker(base, 0.22))
    shading.paste(body, (0, y0))
    sheen_h = max(1, int(round((y1 - y0) * 0.45)))
    sheen = vertical_gradient((size[0], sheen_h), lighter(base, 0.42), lighter(base, 0.2))
    shading.paste(sheen, (0, y0))
    return shading


def vga_flag_image(size):
    """The flag for sixteen colours: each pane in a pure colour with a deeper rim at its foot
    and right side, the shading that those colours allow."""
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for coverage, (light, deep) in zip(flag_pane_masks(size), VGA_FLAG_COLOURS):
        shape = hard(coverage)
        image.paste(deep + (255,), (0, 0), shape)
        inner = ImageChops.multiply(shape, ImageChops.offset(shape, -1, -1))
        image.paste(light + (255,), (0, 0), inner)
    return image


def app_icon():
    images = []
    for size, depth in APP_ICON_IMAGES:
        if depth == 4:
            images.append(icon_file.vga_image(vga_flag_image(size)))
            continue
        picture = flag_image(size)
        if depth == 8:
            images.append(icon_file.adaptive_256_image(picture))
        else:
            images.append(icon_file.rgba_image(picture))
    return icon_file.icon_file(images)


def theme_icon(size):
    """The flag drawn at `size` pixels square for the desktop's icon theme, at a size larger
    than any the icon file holds (the Windows program's resources are that file, byte for
    byte, so it keeps its twelve images). Drawn at that size, never scaled from a smaller one."""
    return flag_image(size)


def placeholder_logo():
    """A small white box holding a red disc, a green triangle and a blue square, in the sixteen
    VGA colours, so that it needs no dithering at four bits."""
    size = 32
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rectangle([2, 3, 29, 28], fill=(255, 255, 255, 255), outline=(128, 128, 128, 255))
    draw.ellipse([5, 6, 15, 16], fill=(255, 0, 0, 255))
    draw.polygon([(21, 6), (27, 16), (15, 16)], fill=(0, 128, 0, 255))
    draw.rectangle([10, 18, 21, 25], fill=(0, 0, 255, 255))
    return icon_file.icon_file([icon_file.vga_image(image)])
