"""The larger pictures: the start screen's wallpaper and canvas picture, the window emblems and
the About symbol, the splash picture and the About banner."""

import math
import random

from PIL import Image, ImageDraw, ImageFilter, ImageMath

import drawings
import fonts
import noise
from mask import Mask

LIME = (0x7C, 0xC6, 0x23)
EMBLEM_GREY = (0x30, 0x30, 0x30)
LIGHT_BLUE = (0x00, 0xAD, 0xEF)
WORDMARK = "Tessivar"


def paint(image, colour, coverage):
    image.paste(Image.new("RGB", image.size, colour), (0, 0), coverage)


def smooth_field(size, samples, function):
    """An 'F' image of `function(u, v)` (u, v in 0..1), sampled on a coarse grid and smoothly
    enlarged: cheap, and a slowly varying field needs no more."""
    columns, rows = samples
    field = Image.new("F", samples)
    field.putdata([function(x / (columns - 1), y / (rows - 1))
                   for y in range(rows) for x in range(columns)])
    return field.resize(size, Image.Resampling.BICUBIC)


def grey_rgb(field_l):
    return Image.merge("RGB", (field_l, field_l, field_l))


# -- window emblems and the About symbol -------------------------------------------------------

def window_emblem(size, colour, background, frame=True):
    """Our window mark: four panes in perspective inside a thin frame."""
    width, height = size
    image = Image.new("RGB", size, background)
    mask = Mask(width, height)
    side = min(width, height)
    inset = side * 0.2
    box = ((width - side) / 2 + inset, (height - side) / 2 + inset,
           (width + side) / 2 - inset, (height + side) / 2 - inset)
    drawings.four_pane_window(mask, box, frame=side * 0.035 if frame else None)
    paint(image, colour, mask.coverage())
    return image


def about_symbol():
    """A white lower-case i on a light-blue disc, on black."""
    image = Image.new("RGB", (48, 48), (0, 0, 0))
    disc = Mask(48, 48)
    disc.add(disc.circle_layer((24, 24), 20))
    paint(image, (0x2A, 0xA9, 0xE4), disc.coverage())
    letter = Mask(48, 48)
    letter.add(letter.glyph_layer("i", 30, (24, 24.5), font_path=fonts.SANS_BOLD))
    paint(image, (255, 255, 255), letter.coverage())
    return image


# -- the start screen's wallpaper ---------------------------------------------------------------

WALLPAPER = (2560, 1600)
VISIBLE_WALLPAPER = (1016, 647)


def wallpaper():
    width, height = WALLPAPER

    def glow(u, v):
        # Near black, lifting a little towards the middle where the faint logo sits.
        d = math.hypot((u - 0.5) * 1.6, v - 0.5)
        return 6.0 + 16.0 * max(0.0, 1.0 - d) ** 2

    image = grey_rgb(noise.dither(smooth_field(WALLPAPER, (33, 21), glow), 1.5, seed=1))
    rng = random.Random(2)
    # Far plants in a dark grey, then nearer ones and the fish in lighter greys.
    for shade, layer in ((30, wallpaper_far_plants), (38, wallpaper_corner_fronds),
                         (46, wallpaper_swirls),
                         (58, wallpaper_near_plants), (68, wallpaper_fish)):
        mask = Mask(width, height, 2)
        layer(mask, rng)
        paint(image, (shade, shade, shade + 2), mask.coverage())
    logo = Mask(width, height, 2)
    drawings.four_pane_window(logo, (1130, 660, 1430, 940), frame=10)
    paint(image, (34, 34, 36), logo.coverage())
    # The watermark, well outside the part of the picture that the window shows.
    watermark = Image.new("L", WALLPAPER, 0)
    ImageDraw.Draw(watermark).text((width - 36, height - 30), "Tessivar wallpaper",
                                   font=fonts.font(fonts.SANS_REGULAR, 22), fill=255, anchor="rs")
    paint(image, (70, 70, 70), watermark)
    return image


def wallpaper_swirls(mask, rng):
    """Swirling curls in the upper left, the part of the wallpaper that is on screen."""
    curls = [((150, 90), 120, 1.7, 200), ((420, 40), 80, 1.5, 150), ((40, 330), 95, 1.6, 250),
             ((610, 120), 60, 1.4, 170), ((300, 250), 70, 1.5, 120), ((820, 60), 55, 1.3, 190),
             ((2200, 260), 110, 1.6, 210), ((2380, 1200), 90, 1.5, 30), ((180, 1320), 100, 1.6, 300)]
    for center, radius, turns, start in curls:
        points = drawings.spiral_points(center, radius, turns, start, 0.55,
                                        clockwise=rng.random() < 0.5)
        drawings.tapered_stroke(mask, points, radius * 0.16, radius * 0.02)


def wallpaper_corner_fronds(mask, rng):
    """Fronds that sweep in from the top left corner and end in a curl, with leaves curling off
    them: the plant life of the part of the wallpaper that is on screen."""
    fronds = [((-20, -10), (520, 150), 0.9), ((-30, 120), (330, 420), 1.1),
              ((160, -30), (760, 40), 0.8)]
    for start, end, bend in fronds:
        steps = 60
        (x0, y0), (x1, y1) = start, end
        # A quadratic bow between the two ends, bulging away from the corner.
        cx, cy = (x0 + x1) / 2 + (y1 - y0) * 0.35 * bend, (y0 + y1) / 2 - (x1 - x0) * 0.1 * bend
        stem = [((1 - t) ** 2 * x0 + 2 * (1 - t) * t * cx + t * t * x1,
                 (1 - t) ** 2 * y0 + 2 * (1 - t) * t * cy + t * t * y1)
                for t in (i / steps for i in range(steps + 1))]
        drawings.tapered_stroke(mask, stem, 16, 6)
        tip_x, tip_y = stem[-1]
        curl = drawings.spiral_points((tip_x, tip_y + 38), 38, 1.4, -90, 0.6, steps=60)
        drawings.tapered_stroke(mask, curl, 6, 1)
        for i in range(8, steps - 4, 9):
            x, y = stem[i]
            side = 1 if (i // 9) % 2 else -1
            leaf = drawings.spiral_points((x + 16 * side, y + 22), 24, 0.75,
                                          -90 if side > 0 else -90, 0.45,
                                          clockwise=side > 0, steps=24)
            drawings.tapered_stroke(mask, leaf, 8, 1)


def wallpaper_far_plants(mask, rng):
    for _ in range(26):
        base = (rng.uniform(0, WALLPAPER[0]), WALLPAPER[1] + 20)
        height = rng.uniform(500, 1100)
        stem = drawings.frond_points(base, height, rng.uniform(-90, 90), rng.uniform(-0.15, 0.15))
        drawings.tapered_stroke(mask, stem, rng.uniform(18, 30), 3)


def wallpaper_near_plants(mask, rng):
    for _ in range(12):
        base = (rng.uniform(0, WALLPAPER[0]), WALLPAPER[1] + 20)
        height = rng.uniform(350, 800)
        stem = drawings.frond_points(base, height, rng.uniform(-120, 120), rng.uniform(-0.2, 0.2))
        drawings.tapered_stroke(mask, stem, rng.uniform(14, 22), 2)
        # Leaves curl off the stem at intervals.
        for i in range(12, len(stem) - 6, 11):
            x, y = stem[i]
            side = 1 if (i // 11) % 2 else -1
            leaf = drawings.spiral_points((x + side * 34, y - 10), 34, 0.7, 180 if side > 0 else 0,
                                          0.5, clockwise=side > 0, steps=30)
            drawings.tapered_stroke(mask, leaf, 10, 1)


def wallpaper_fish(mask, rng):
    school = [((1500, 420), 90, 8), ((1640, 470), 70, 12), ((1580, 560), 60, 4),
              ((2050, 640), 120, -6), ((900, 1180), 110, 10), ((1040, 1250), 80, 6),
              ((1900, 1050), 100, -10), ((640, 860), 70, 14), ((1180, 410), 65, 0)]
    for center, size, tilt in school:
        mirror = rng.random() < 0.4
        mask.add(mask.icon_layer("fish", size, center, rotate=tilt, mirror=mirror))


# -- the canvas picture -------------------------------------------------------------------------

CANVAS = (1680, 1050)
VISIBLE_CANVAS = (1037, 509)


def canvas_picture():
    width, height = CANVAS
    rng = random.Random(3)

    def backdrop(u, v):
        # Dark grey at the top left, sinking to black at the foot.
        return 34.0 * (1.0 - v) ** 1.3 + 8.0 * (1.0 - u) * (1.0 - v)

    # Soft vertical streaks: each a gaussian band across, some hanging from the top and some
    # rising from the foot, brighter the further right they stand.
    hanging = [0.0] * width
    rising = [0.0] * width
    for _ in range(46):
        centre = rng.uniform(0, width)
        spread = rng.uniform(6, 70)
        strength = rng.uniform(6, 20) * (0.25 + 1.5 * (centre / width) ** 1.6)
        target = hanging if rng.random() < 0.6 else rising
        for x in range(max(0, int(centre - 3 * spread)), min(width, int(centre + 3 * spread))):
            target[x] += strength * math.exp(-0.5 * ((x - centre) / spread) ** 2)

    def row_image(values):
        row = Image.new("F", (width, 1))
        row.putdata(values)
        return row.resize(CANVAS, Image.Resampling.NEAREST)

    def column_image(function):
        column = Image.new("F", (1, height))
        column.putdata([function(y / (height - 1)) for y in range(height)])
        return column.resize(CANVAS, Image.Resampling.NEAREST)

    light = ImageMath.eval(
        "b + h * top + r * foot", b=smooth_field(CANVAS, (22, 14), backdrop),
        h=row_image(hanging), top=column_image(lambda v: (1 - v) ** 1.5),
        r=row_image(rising), foot=column_image(lambda v: v ** 2 * 0.8))
    # A faint cool cast: blue a touch stronger than red.
    channels = [noise.dither(ImageMath.eval("a * k", a=light, k=k), 1.5, seed=10 + i)
                for i, k in enumerate((0.96, 1.0, 1.08))]
    image = Image.merge("RGB", channels)
    # The corner logo and its caption, outside the part of the picture the canvas shows.
    logo = Mask(width, height, 2)
    drawings.four_pane_window(logo, (1456, 944, 1500, 988), frame=2)
    paint(image, (150, 150, 155), logo.coverage())
    caption = Image.new("L", CANVAS, 0)
    ImageDraw.Draw(caption).text((1514, 966), "Tessivar", font=fonts.font(fonts.SANS_SEMIBOLD, 26),
                                 fill=255, anchor="lm")
    paint(image, (150, 150, 155), caption)
    return image


# -- the splash picture -------------------------------------------------------------------------

SPLASH = (570, 301)
SPLASH_FIELD_ROWS = 274  # rows 0 to 273 are lime; the strip takes rows 274 to 300
SPLASH_WORDMARK = (114, 195, 507, 273)  # the wordmark's ink: left, top, right, bottom
WORDMARK_INK = (20, 26, 46)


def fitted_wordmark(text, path, box):
    """The wordmark's size and the pen position that put its ink inside `box`, as wide as
    the box allows."""
    left, top, right, bottom = box
    size = 200
    while size > 8:
        font = fonts.font(path, size)
        x0, y0, x1, y1 = font.getbbox(text, anchor="ls")
        if x1 - x0 <= right - left and y1 - y0 <= bottom - top:
            pen = (left + (right - left - (x1 - x0)) / 2 - x0, bottom - y1)
            return font, pen
        size -= 1
    raise ValueError(f"{text!r} does not fit {box}")


def splash_picture():
    width, height = SPLASH
    image = Image.new("RGB", SPLASH, LIME)
    strip = metallic_strip((width, height - SPLASH_FIELD_ROWS))
    image.paste(strip, (0, SPLASH_FIELD_ROWS))
    font, pen = fitted_wordmark(WORDMARK, fonts.SCRIPT_BOLD, SPLASH_WORDMARK)
    shadow = Image.new("L", SPLASH, 0)
    ImageDraw.Draw(shadow).text((pen[0] + 3, pen[1] + 3), WORDMARK, font=font, fill=110,
                                anchor="ls")
    shadow = shadow.filter(ImageFilter.GaussianBlur(3))
    # The shadow falls on the field only; the strip keeps its own texture.
    shadow.paste(0, (0, SPLASH_FIELD_ROWS, width, height))
    paint(image, (38, 70, 10), shadow)
    ink = Image.new("L", SPLASH, 0)
    ImageDraw.Draw(ink).text(pen, WORDMARK, font=font, fill=255, anchor="ls")
    paint(image, WORDMARK_INK, ink)
    return image


def metallic_strip(size):
    """Dark brushed grey with a bright top edge and a fine grid of dots."""
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / (height - 1)
        level = int(round(82 - 44 * t + 10 * math.sin(t * math.pi)))
        draw.line([(0, y), (width, y)], fill=(level, level, level + 3))
    draw.line([(0, 0), (width, 0)], fill=(120, 122, 125))
    for y in range(3, height - 1, 3):
        for x in range((y // 3) % 2 * 2 + 1, width, 4):
            r, g, b = image.getpixel((x, y))
            image.putpixel((x, y), (r + 22, g + 22, b + 24))
            r, g, b = image.getpixel((x, y + 1))
            image.putpixel((x, y + 1), (max(0, r - 14), max(0, g - 14), max(0, b - 14)))
    return image


# -- the About banner ---------------------------------------------------------------------------

BANNER = (500, 100)
ORNAMENT_RED = (196, 28, 40)


def about_banner():
    width, height = BANNER
    fade = smooth_field(BANNER, (2, 16), lambda u, v: 246.0 - 96.0 * v ** 1.2)
    image = grey_rgb(noise.dither(fade, 1.5, seed=4))
    mask = Mask(width, height)
    floral_ornament(mask, mirror=False)
    floral_ornament(mask, mirror=True)
    paint(image, ORNAMENT_RED, mask.coverage())
    font, pen = fitted_wordmark(WORDMARK, fonts.SCRIPT_BOLD, (160, 24, 340, 76))
    ink = Image.new("L", BANNER, 0)
    ImageDraw.Draw(ink).text(pen, WORDMARK, font=font, fill=255, anchor="ls")
    paint(image, (0, 0, 0), ink)
    return image


def floral_ornament(mask, mirror):
    """A curling vine with two flowers and a few leaves, at one end of the banner."""
    def at(x, y):
        return (BANNER[0] - x, y) if mirror else (x, y)

    vine = [at(x, 50 + 16 * math.sin(x / 22.0)) for x in range(4, 116, 2)]
    drawings.tapered_stroke(mask, vine, 4.0, 1.2)
    for center, radius, start in (((40, 30), 12, 90), ((86, 70), 10, 270)):
        curl = drawings.spiral_points(at(*center), radius, 1.3, start if not mirror else 180 - start,
                                      0.6, clockwise=not mirror, steps=60)
        drawings.tapered_stroke(mask, curl, 2.6, 0.6)
    for center, size in (((22, 52), 26), ((104, 38), 20)):
        mask.add(mask.icon_layer("flower", size, at(*center)))
    for center, tilt in (((62, 40), 30), ((70, 66), -40), ((122, 58), 10)):
        mask.add(mask.icon_layer("leaf", 14, at(*center), rotate=tilt, mirror=mirror))
