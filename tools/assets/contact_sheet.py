"""A sheet of every picture at its natural size, read back from the written files, for a person
to look over. Icons show each image of the file over a light and a dark check."""

import io
import os

from PIL import Image, ImageDraw, IcoImagePlugin

import fonts

MARGIN = 10
LABEL = 14
WIDTH = 2700


def checker(size, light):
    a, b = ((236, 236, 236), (200, 200, 200)) if light else ((40, 40, 40), (24, 24, 24))
    image = Image.new("RGB", size, a)
    draw = ImageDraw.Draw(image)
    for y in range(0, size[1], 8):
        for x in range((y // 8) % 2 * 8, size[0], 16):
            draw.rectangle([x, y, x + 7, y + 7], fill=b)
    return image


def icon_strip(path):
    data = open(path, "rb").read()
    icon = IcoImagePlugin.IcoFile(io.BytesIO(data))
    frames = [icon.frame(i).convert("RGBA") for i in range(len(icon.entry))]
    width = sum(f.width + 6 for f in frames)
    height = max(f.height for f in frames) * 2 + 6
    strip = Image.new("RGB", (width, height), (128, 128, 128))
    x = 0
    for frame in frames:
        for row, light in enumerate((True, False)):
            cell = checker(frame.size, light).convert("RGBA")
            cell.alpha_composite(frame)
            strip.paste(cell.convert("RGB"), (x, row * (height // 2 + 3)))
        x += frame.width + 6
    return strip


def write(paths, out):
    pictures = []
    for path in paths:
        name = os.path.basename(path)
        if name.endswith(".ico"):
            picture = icon_strip(path)
        else:
            picture = Image.open(path).convert("RGBA")
            # Transparent pictures (the theme icon) over a light check, as the icons' images.
            backdrop = checker(picture.size, True).convert("RGBA")
            backdrop.alpha_composite(picture)
            picture = backdrop.convert("RGB")
        pictures.append((name, picture))
    # Shelf packing: fill rows left to right, largest first.
    pictures.sort(key=lambda item: (-item[1].height, item[0]))
    placed, x, y, shelf = [], MARGIN, MARGIN, 0
    for name, picture in pictures:
        if x + picture.width + MARGIN > WIDTH:
            x, y, shelf = MARGIN, y + shelf + LABEL + MARGIN, 0
        placed.append((name, picture, x, y))
        x += max(picture.width, 80) + MARGIN
        shelf = max(shelf, picture.height)
    sheet = Image.new("RGB", (WIDTH, y + shelf + LABEL + MARGIN), (90, 90, 96))
    draw = ImageDraw.Draw(sheet)
    label_font = fonts.font(fonts.SANS_REGULAR, 10)
    for name, picture, px, py in placed:
        sheet.paste(picture, (px, py))
        draw.text((px, py + picture.height + 2), name, font=label_font, fill=(255, 255, 210))
    sheet.save(out)
