"""Writing Windows icon files byte for byte, so that each image's depth, palette, mask and place
in the directory are exactly what we ask for (every image a bitmap, none a PNG stream).

An icon image is a device-independent bitmap without its file header: a 40-byte info header
whose height counts both halves, the palette (for 4 and 8 bits), the colour rows and then the
1-bit AND mask, both bottom-up with rows padded to four bytes. The AND mask is 1 where the
image is transparent; there the colour pixels are black, so the screen shows through.
"""

import struct
from dataclasses import dataclass

# The sixteen colours every display since VGA can show, in their usual order.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

OPAQUE_FROM = 128  # alpha at or above which a pixel is part of the shape


@dataclass(frozen=True)
class IconImage:
    width: int
    height: int
    bits_per_pixel: int
    dib: bytes


def _padded(row):
    return row + b"\0" * (-len(row) % 4)


def _info_header(width, height, bits_per_pixel, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits_per_pixel, 0, image_size,
                       0, 0, colours_used, 0)


def and_mask(image):
    """Rows of the 1-bit mask, bottom-up: 1 where the RGBA image is transparent."""
    alpha = image.getchannel("A")
    rows = []
    for y in reversed(range(image.height)):
        bits = bytearray((image.width + 7) // 8)
        for x in range(image.width):
            if alpha.getpixel((x, y)) < OPAQUE_FROM:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(_padded(bytes(bits)))
    return b"".join(rows)


def nearest_index(colour, palette):
    r, g, b = colour
    return min(range(len(palette)),
               key=lambda i: (palette[i][0] - r) ** 2 + (palette[i][1] - g) ** 2
               + (palette[i][2] - b) ** 2)


def indexed_image(image, bits_per_pixel, palette, indices):
    """An image of 4 or 8 bits per pixel. `indices` holds a palette index per pixel, top-down;
    transparent pixels must point at black."""
    width, height = image.size
    colours = 1 << bits_per_pixel
    if len(palette) > colours:
        raise ValueError(f"{len(palette)} colours do not fit {bits_per_pixel} bits")
    palette = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    rows = []
    for y in reversed(range(height)):
        line = indices[y * width:(y + 1) * width]
        if bits_per_pixel == 8:
            rows.append(_padded(bytes(line)))
        elif bits_per_pixel == 4:
            packed = bytearray((width + 1) // 2)
            for x, index in enumerate(line):
                packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
            rows.append(_padded(bytes(packed)))
        else:
            raise ValueError(f"unsupported depth {bits_per_pixel}")
    pixels = b"".join(rows)
    mask = and_mask(image)
    header = _info_header(width, height, bits_per_pixel, len(pixels) + len(mask), colours)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return IconImage(width, height, bits_per_pixel, header + table + pixels + mask)


def vga_image(image):
    """The RGBA image in the sixteen VGA colours, each opaque pixel at its nearest colour."""
    indices = []
    for r, g, b, a in image.getdata():
        indices.append(nearest_index((r, g, b), VGA_PALETTE) if a >= OPAQUE_FROM else 0)
    return indexed_image(image, 4, VGA_PALETTE, indices)


def adaptive_256_image(image):
    """The RGBA image in a palette of 255 colours chosen for it, plus black for the
    transparent pixels."""
    from PIL import Image
    rgb = Image.new("RGB", image.size, (0, 0, 0))
    rgb.paste(image.convert("RGB"), (0, 0), image.getchannel("A").point(
        lambda a: 255 if a >= OPAQUE_FROM else 0))
    quantised = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                             dither=Image.Dither.NONE)
    flat = quantised.getpalette()[: 3 * 255]
    palette = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    transparent = 255
    palette += [(0, 0, 0)] * (256 - len(palette))
    indices = [index if a >= OPAQUE_FROM else transparent
               for index, (_, _, _, a) in zip(quantised.getdata(), image.getdata())]
    return indexed_image(image, 8, palette, indices)


def rgba_image(image):
    """32 bits per pixel: straight (not premultiplied) alpha, and the AND mask as well, which
    older systems that ignore alpha still use."""
    width, height = image.size
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b, a = image.getpixel((x, y))
            row += bytes((b, g, r, a)) if a else b"\0\0\0\0"
        rows.append(bytes(row))
    pixels = b"".join(rows)
    mask = and_mask(image)
    header = _info_header(width, height, 32, len(pixels) + len(mask), 0)
    return IconImage(width, height, 32, header + pixels + mask)


def icon_file(images):
    """The whole file: the directory, then each image in the order given."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, bodies = [], []
    for image in images:
        if not (1 <= image.width <= 256 and 1 <= image.height <= 256):
            raise ValueError(f"icon images are 1 to 256 pixels, not {image.width}x{image.height}")
        colour_count = 16 if image.bits_per_pixel == 4 else 0
        entries.append(struct.pack("<BBBBHHII", image.width % 256, image.height % 256,
                                   colour_count, 0, 1, image.bits_per_pixel, len(image.dib),
                                   offset))
        bodies.append(image.dib)
        offset += len(image.dib)
    return header + b"".join(entries) + b"".join(bodies)
