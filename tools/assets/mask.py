"""Coverage masks drawn at a multiple of their final size, so that edges come out antialiased.

A Mask is white where a shape is. Glyphs are added or cut out (a cut leaves a thin halo of the
background around the shape in front, which keeps overlapping glyphs apart). All coordinates
are in final pixels; the mask scales them.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import fonts

SCALE = 4


class Mask:
    def __init__(self, width, height, scale=SCALE):
        self.width = width
        self.height = height
        self.scale = scale
        self.image = Image.new("L", (width * scale, height * scale), 0)

    # -- geometry in final pixels -------------------------------------------------------------

    def _px(self, value):
        return value * self.scale

    def _points(self, points):
        return [(x * self.scale, y * self.scale) for x, y in points]

    def draw(self):
        return ImageDraw.Draw(self.image)

    # -- combining ----------------------------------------------------------------------------

    def add(self, layer):
        self.image = ImageChops.lighter(self.image, layer)

    def cut(self, layer, halo=0.0):
        if halo > 0:
            layer = dilate(layer, int(round(halo * self.scale)))
        self.image = ImageChops.subtract(self.image, layer)

    def cut_then_add(self, layer, halo):
        self.cut(layer, halo)
        self.add(layer)

    def blank(self):
        return Image.new("L", self.image.size, 0)

    # -- shapes -------------------------------------------------------------------------------

    def glyph_layer(self, char, size, center, font_path=fonts.ICON_FONT, rotate=0.0,
                    mirror=False):
        """A layer holding one glyph of `size` pixels em, its ink centred on `center`."""
        scaled = int(round(size * self.scale))
        font = fonts.font(font_path, scaled)
        canvas = Image.new("L", (scaled * 3, scaled * 3), 0)
        ImageDraw.Draw(canvas).text((scaled, scaled), char, font=font, fill=255)
        ink = canvas.getbbox()
        if ink is None:
            raise ValueError(f"glyph U+{ord(char):04X} of {font_path} draws nothing")
        glyph = canvas.crop(ink)
        if mirror:
            glyph = glyph.transpose(Image.Transpose.FLIP_LEFT_RIGHT)
        if rotate:
            glyph = glyph.rotate(rotate, resample=Image.Resampling.BICUBIC, expand=True)
        layer = self.blank()
        cx, cy = self._px(center[0]), self._px(center[1])
        layer.paste(glyph, (int(round(cx - glyph.width / 2)), int(round(cy - glyph.height / 2))))
        return layer

    def icon_layer(self, name, size, center, **kwargs):
        return self.glyph_layer(fonts.icon_char(name), size, center, **kwargs)

    def polygon_layer(self, points):
        layer = self.blank()
        ImageDraw.Draw(layer).polygon(self._points(points), fill=255)
        return layer

    def rounded_rect_layer(self, box, radius, width=None):
        layer = self.blank()
        x0, y0, x1, y1 = box
        ImageDraw.Draw(layer).rounded_rectangle(
            [self._px(x0), self._px(y0), self._px(x1), self._px(y1)],
            radius=self._px(radius), fill=None if width else 255, outline=255 if width else None,
            width=int(round(self._px(width))) if width else 0)
        return layer

    def ellipse_layer(self, box, width=None):
        layer = self.blank()
        x0, y0, x1, y1 = box
        ImageDraw.Draw(layer).ellipse(
            [self._px(x0), self._px(y0), self._px(x1), self._px(y1)],
            fill=None if width else 255, outline=255 if width else None,
            width=int(round(self._px(width))) if width else 0)
        return layer

    def circle_layer(self, center, radius, width=None):
        cx, cy = center
        return self.ellipse_layer((cx - radius, cy - radius, cx + radius, cy + radius), width)

    def stroke_layer(self, points, width):
        """A polyline of round-capped segments."""
        layer = self.blank()
        draw = ImageDraw.Draw(layer)
        scaled = self._points(points)
        w = self._px(width)
        draw.line(scaled, fill=255, width=int(round(w)), joint="curve")
        for x, y in (scaled[0], scaled[-1]):
            draw.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)
        return layer

    def sector_layer(self, center, radius, start_deg, end_deg):
        layer = self.blank()
        cx, cy = center
        ImageDraw.Draw(layer).pieslice(
            [self._px(cx - radius), self._px(cy - radius), self._px(cx + radius),
             self._px(cy + radius)], start_deg, end_deg, fill=255)
        return layer

    def text_layer(self, text, font_path, size, center):
        return self.glyph_layer(text, size, center, font_path=font_path)

    # -- result -------------------------------------------------------------------------------

    def coverage(self):
        """The mask at its final size; a box filter turns sub-pixel coverage into grey levels."""
        return self.image.reduce(self.scale)


def dilate(layer, radius):
    if radius <= 0:
        return layer
    # MaxFilter takes odd sizes only; a square of side 2r+1 is close enough to a disc at
    # halo widths of a pixel or two.
    return layer.filter(ImageFilter.MaxFilter(2 * radius + 1))


def arc_points(center, radius, start_deg, end_deg, steps=48):
    cx, cy = center
    return [(cx + radius * math.cos(math.radians(a)), cy + radius * math.sin(math.radians(a)))
            for a in (start_deg + (end_deg - start_deg) * i / steps for i in range(steps + 1))]
