#!/usr/bin/python3
"""Makes the stand-in faces the Windows program carries inside itself.

Run by the Windows build (src/platform/win32/CMakeLists.txt) with Debian's own Python, which has
python3-fonttools:

    subset_windows_fonts.py OUTPUT.cpp TEXT_SOURCE...

From the Debian font files below, each member is made static (a variable font is instanced at its
weight, as GDI on Windows XP cannot use variable fonts), cut down to Latin-1 and the characters the
TEXT_SOURCE files use (the windows' descriptions), given TrueType outlines where it had PostScript
ones (so that every Windows from XP on rasterises it the same way), and renamed to a family of the
program's own. Three of the fonts reserve their names under the SIL Open Font License, so a
changed copy may not carry them; a private name also cannot be confused with a face the user has
installed. OUTPUT.cpp gets the files as byte arrays, in the table substitute_font_files.h
declares.
"""

import io
import logging
import sys
from pathlib import Path

from fontTools import subset
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.varLib import instancer

OPEN_SANS = "/usr/share/fonts/truetype/open-sans/"
LIBERATION = "/usr/share/fonts/truetype/liberation2/"
CARLITO = "/usr/share/fonts/truetype/crosextra/"

# One row a member. The family is the name the Windows backend asks GDI for
# (src/platform/win32/substitute_faces.cpp maps the Windows faces onto these); a bold member is
# the family's bold one, the other its regular. Weights are the OpenType weights the Linux
# program's table (src/platform/fonts/substitutes.cpp) draws each face with. Inconsolata has one
# weight only: GDI thickens it for bold, as fontconfig and FreeType do on Linux.
# fmt: off
MEMBERS = [
    # family                   weight  bold   Debian file                                           package
    ("Tessivar UI",            400,    False, OPEN_SANS + "OpenSans-Regular.ttf",                   "fonts-open-sans"),
    ("Tessivar UI",            700,    True,  OPEN_SANS + "OpenSans-Bold.ttf",                      "fonts-open-sans"),
    ("Tessivar UI Semilight",  300,    False, OPEN_SANS + "OpenSans-Light.ttf",                     "fonts-open-sans"),
    ("Tessivar UI Semilight",  600,    True,  OPEN_SANS + "OpenSans-Semibold.ttf",                  "fonts-open-sans"),
    ("Tessivar Sans",          400,    False, LIBERATION + "LiberationSans-Regular.ttf",            "fonts-liberation2"),
    ("Tessivar Sans",          700,    True,  LIBERATION + "LiberationSans-Bold.ttf",               "fonts-liberation2"),
    ("Tessivar Script",        400,    False, "/usr/share/fonts/opentype/dancingscript/DancingScript-Regular.otf", "fonts-dancingscript"),
    ("Tessivar Script",        700,    True,  "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf",    "fonts-dancingscript"),
    ("Tessivar Mono",          500,    False, "/usr/share/fonts/truetype/inconsolata/Inconsolata.otf",             "fonts-inconsolata"),
    ("Tessivar Humanist",      400,    False, CARLITO + "Carlito-Regular.ttf",                      "fonts-crosextra-carlito"),
    ("Tessivar Humanist",      700,    True,  CARLITO + "Carlito-Bold.ttf",                         "fonts-crosextra-carlito"),
]
# fmt: on

# Latin-1, and the punctuation a regional date or time format of a Latin script may use. Texts
# in other scripts are drawn with the system's own fonts.
EXTRA_CHARACTERS = "\u2013\u2014\u2018\u2019\u201a\u201c\u201d\u201e\u2022\u2026\u2039\u203a\u20ac\u2122"


def characters(text_sources):
    wanted = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xA0, 0x100)}
    wanted |= set(EXTRA_CHARACTERS)
    for source in text_sources:
        wanted |= {c for c in Path(source).read_text(encoding="utf-8") if c.isprintable()}
    # The descriptions write some characters as escapes ("\u00A9"); Latin-1 holds them all.
    return sorted(ord(c) for c in wanted)


def load_static(path, weight):
    font = TTFont(path)
    if "fvar" in font:
        axes = {axis.axisTag for axis in font["fvar"].axes}
        location = {"wght": weight} if "wght" in axes else {}
        font = instancer.instantiateVariableFont(font, location, updateFontNames=False)
        # Any axis left (width, slant) is pinned at its default.
        if "fvar" in font:
            font = instancer.instantiateVariableFont(
                font, {axis.axisTag: axis.defaultValue for axis in font["fvar"].axes}
            )
    return font


def cut_down(font, codepoints):
    options = subset.Options()
    options.layout_features = []
    # GDI draws with the glyph outlines, their hints and the metrics tables only.
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "BASE", "JSTF", "DSIG", "kern", "STAT", "MVAR"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.recalc_bounds = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=codepoints)
    subsetter.subset(font)


def to_truetype_outlines(font):
    """Quadratic outlines in place of PostScript ones, within a font unit of the original."""
    order = font.getGlyphOrder()
    glyph_set = font.getGlyphSet()
    glyphs = {}
    for name in order:
        pen = TTGlyphPen(glyph_set)
        glyph_set[name].draw(Cu2QuPen(pen, max_err=1.0, reverse_direction=True))
        glyphs[name] = pen.glyph()
    font["loca"] = newTable("loca")
    glyf = font["glyf"] = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = glyphs
    del font["CFF "]
    if "VORG" in font:
        del font["VORG"]
    glyf.compile(font)
    hmtx = font["hmtx"]
    for name, glyph in glyphs.items():
        glyph.recalcBounds(glyf)
        advance, _ = hmtx[name]
        hmtx[name] = (advance, glyph.xMin if glyph.numberOfContours != 0 else 0)
    maxp = font["maxp"] = newTable("maxp")
    maxp.tableVersion = 0x00010000
    for field in ("maxZones",):
        setattr(maxp, field, 1)
    for field in ("maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions"):
        setattr(maxp, field, 0)
    maxp.maxComponentElements = 0
    maxp.compile(font)
    post = font["post"]
    post.formatType = 2.0
    post.extraNames = []
    post.mapping = {}
    post.glyphOrder = order
    head = font["head"]
    head.glyphDataFormat = 0
    head.indexToLocFormat = 0
    font.sfntVersion = "\x00\x01\x00\x00"


def rename(font, family, weight, bold):
    """One family of up to a regular and a bold member, as GDI groups them."""
    style = "Bold" if bold else "Regular"
    postscript = (family + "-" + style).replace(" ", "")
    name = font["name"]
    keep_credits = {0, 7, 8, 9, 10, 11, 12, 13, 14}  # copyright, trademark, designer, licence
    name.names = [record for record in name.names if record.nameID in keep_credits]
    for name_id, text in ((1, family), (2, style), (3, postscript), (4, family + " " + style),
                          (5, "Version 1.0"), (6, postscript)):
        name.setName(text, name_id, 3, 1, 0x409)  # Windows, Unicode BMP, U.S. English
        name.setName(text, name_id, 1, 0, 0)  # Macintosh, Roman, English
    os2 = font["OS/2"]
    os2.usWeightClass = weight
    # Regular (bit 6) or bold (bit 5); USE_TYPO_METRICS (bit 7) is kept as the font had it.
    os2.fsSelection = (os2.fsSelection & 0x80) | (0x20 if bold else 0x40)
    font["head"].macStyle = 0x1 if bold else 0x0


def made_member(row, codepoints):
    family, weight, bold, path, package = row
    if not Path(path).is_file():
        sys.exit(f"subset_windows_fonts: {path} is missing; install {package} (tools/setup.sh)")
    font = load_static(path, weight)
    cut_down(font, codepoints)
    if "CFF " in font:
        to_truetype_outlines(font)
    rename(font, family, weight, bold)
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def cpp_source(members):
    lines = [
        "// Made by tools/subset_windows_fonts.py at build time from Debian's font files; not",
        "// edited by hand. Licences: LICENSES.txt beside the program.",
        '#include "platform/win32/substitute_font_files.h"',
        "",
        "namespace tessivar::win32 {",
        "namespace {",
        "",
    ]
    for index, (row, data) in enumerate(members):
        lines.append(f"// {row[0]} {row[1]}: {Path(row[3]).name}, {len(data)} bytes")
        lines.append(f"const unsigned char kMember{index}[] = {{")
        for start in range(0, len(data), 24):
            lines.append("    " + ",".join(str(b) for b in data[start:start + 24]) + ",")
        lines.append("};")
        lines.append("")
    lines.append("const SubstituteFontFile kFiles[] = {")
    for index, (row, _) in enumerate(members):
        family, weight, bold, _, _ = row
        lines.append(f'    {{L"{family}", {weight}, {"true" if bold else "false"}, '
                     f"{{kMember{index}, sizeof kMember{index}}}}},")
    lines += [
        "};",
        "",
        "}  // namespace",
        "",
        "std::span<const SubstituteFontFile> substitute_font_files() {",
        "  return kFiles;",
        "}",
        "",
        "}  // namespace tessivar::win32",
        "",
    ]
    return "\n".join(lines)


def main():
    # fontTools notes each table and oddity it passes over; the build wants errors only.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    if len(sys.argv) < 2:
        sys.exit("usage: subset_windows_fonts.py OUTPUT.cpp TEXT_SOURCE...")
    output = Path(sys.argv[1])
    codepoints = characters(sys.argv[2:])
    members = [(row, made_member(row, codepoints)) for row in MEMBERS]
    output.parent.mkdir(parents=True, exist_ok=True)
    temporary = output.with_suffix(".tmp")
    temporary.write_text(cpp_source(members), encoding="utf-8")
    temporary.replace(output)
    total = sum(len(data) for _, data in members)
    print(f"subset_windows_fonts: {len(members)} faces, {total} bytes, {len(codepoints)} characters")


if __name__ == "__main__":
    main()
