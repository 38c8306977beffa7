"""Seeded noise for dithering gradients, so the pictures come out the same on every run."""

import random

from PIL import Image, ImageMath


def triangular_noise(size, amplitude, seed):
    """An 'F' image of noise in [-amplitude, amplitude], peaked at 0: the sum of two uniform
    draws, which hides the steps of an 8-bit gradient without a visible grain."""
    rng = random.Random(seed)
    count = size[0] * size[1]
    a = Image.frombytes("L", size, rng.randbytes(count))
    b = Image.frombytes("L", size, rng.randbytes(count))
    return ImageMath.eval("((float(a) + float(b)) / 255.0 - 1.0) * k", a=a, b=b, k=amplitude)


def to_l(image_f):
    """Rounds an 'F' image to 8 bits, clamping to 0..255."""
    return ImageMath.eval("convert(min(max(a + 0.5, 0.0), 255.0), 'L')", a=image_f)


def dither(image_f, amplitude, seed):
    return to_l(ImageMath.eval("a + n", a=image_f, n=triangular_noise(image_f.size, amplitude, seed)))
