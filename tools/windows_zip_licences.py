#!/usr/bin/python3
"""Writes LICENSES.txt, the licences file of the Windows zip, with Windows line ends so that any
Windows Notepad shows it as lines.

    windows_zip_licences.py OUTPUT.txt ASSETS_LICENSES.md

It names what tessivar.exe carries: the typefaces tools/subset_windows_fonts.py cut down into it,
each with its Debian copyright file in full (the licence texts among them), and the typefaces and
icons its pictures were drawn with, from the table of assets/LICENSES.md.
"""

import sys
import textwrap
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from subset_windows_fonts import MEMBERS  # noqa: E402

# The upstream name and licence of each package's fonts, as its copyright file states them.
UPSTREAM = {
    "fonts-open-sans": ("Open Sans", "Apache License 2.0"),
    "fonts-liberation2": ("Liberation Sans", "SIL Open Font License 1.1"),
    "fonts-dancingscript": ("Dancing Script", "SIL Open Font License 1.1"),
    "fonts-inconsolata": ("Inconsolata", "SIL Open Font License 1.0"),
    "fonts-crosextra-carlito": ("Carlito", "SIL Open Font License 1.1"),
}
FULL_TEXTS = {"Apache License 2.0": "/usr/share/common-licenses/Apache-2.0"}


def font_rows():
    """(families, upstream name, styles, licence, package) per package, in MEMBERS' order."""
    rows = {}
    for family, _weight, _bold, path, package in MEMBERS:
        entry = rows.setdefault(package, {"families": [], "styles": []})
        if family not in entry["families"]:
            entry["families"].append(family)
        style = Path(path).stem.split("-")[-1]
        if style not in entry["styles"]:
            entry["styles"].append(style if style != Path(path).stem else "Medium")
    return [(e["families"], *UPSTREAM[p], e["styles"], p) for p, e in rows.items()]


def picture_credits(assets_licences):
    """The rows of the assets' table, and the paragraphs after it, as plain text."""
    lines = Path(assets_licences).read_text(encoding="utf-8").splitlines()
    rows = [line for line in lines if line.startswith("|")]
    out = []
    for row in rows[2:]:  # after the header and its rule
        used_for, typeface, _package, licence = [cell.strip() for cell in row.strip("|").split("|")]
        out += textwrap.wrap(f"- {typeface}: {used_for}. Licence: {licence}.", 92,
                             initial_indent="  ", subsequent_indent="    ")
    after = lines[lines.index(rows[-1]) + 1:]
    paragraphs = "\n".join(after).strip().split("\n\n")
    # The last paragraph speaks of the assets folder and the Linux program; the typefaces above
    # say what this program carries.
    attribution = [line for p in paragraphs if p.startswith("Attribution")
                   for line in textwrap.wrap(p.replace("\n", " "), 92)]
    return out, attribution


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: windows_zip_licences.py OUTPUT.txt ASSETS_LICENSES.md")
    output, assets_licences = Path(sys.argv[1]), sys.argv[2]
    fonts = font_rows()
    pictures, attribution = picture_credits(assets_licences)

    text = [
        "Tessivar 1.0 for Windows: licences",
        "",
        "tessivar.exe is the whole program. Inside it are cut-down copies of the free typefaces",
        "below, which it uses only where Windows lacks the face one of its windows names, and",
        "only for itself: they are never installed on the computer. Each copy holds the",
        "characters the program's texts use and those of Western European languages, and is",
        "renamed, as the licences ask of a changed copy.",
        "",
        "Typefaces inside tessivar.exe",
        "",
    ]
    for families, upstream, licence, styles, package in fonts:
        names = " and ".join(f'"{family}"' for family in families)
        text.append(f"  - {upstream} ({', '.join(styles)}), as {names}: {licence}.")
        text.append(f"    Its copyright and licence: the section \"{upstream}\" below.")
    text += [
        "",
        "Pictures inside tessivar.exe",
        "",
        "The pictures are the project's own drawings, made with these typefaces and icons. The",
        "pictures hold only what was drawn: no font file beyond those listed above is inside",
        "the program.",
        "",
        *pictures,
        "",
        *attribution,
    ]
    licences_used = []
    for _families, upstream, licence, _styles, package in fonts:
        copyright_file = Path(f"/usr/share/doc/{package}/copyright")
        if not copyright_file.is_file():
            sys.exit(f"windows_zip_licences: {copyright_file} is missing; install {package}")
        text += ["", "", f"==== {upstream} (from Debian's {package}) ====", ""]
        text += copyright_file.read_text(encoding="utf-8").splitlines()
        if licence in FULL_TEXTS and licence not in licences_used:
            licences_used.append(licence)
    for licence in licences_used:
        text += ["", "", f"==== The {licence} in full ====", ""]
        text += Path(FULL_TEXTS[licence]).read_text(encoding="utf-8").splitlines()

    output.parent.mkdir(parents=True, exist_ok=True)
    with open(output, "w", encoding="utf-8", newline="\r\n") as out:
        out.write("\n".join(line.rstrip() for line in text) + "\n")


if __name__ == "__main__":
    main()
