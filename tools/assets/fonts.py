"""The typefaces the pictures are drawn with, all from Debian packages (see assets/LICENSES.md)."""

import functools
import re

from PIL import ImageFont

ICON_FONT = "/usr/share/fonts/truetype/materialdesignicons-webfont/materialdesignicons-webfont.ttf"
ICON_NAMES = "/usr/share/fonts-materialdesignicons-webfont/scss/_variables.scss"
SANS_REGULAR = "/usr/share/fonts/truetype/open-sans/OpenSans-Regular.ttf"
SANS_SEMIBOLD = "/usr/share/fonts/truetype/open-sans/OpenSans-Semibold.ttf"
SANS_BOLD = "/usr/share/fonts/truetype/open-sans/OpenSans-Bold.ttf"
SANS_EXTRABOLD = "/usr/share/fonts/truetype/open-sans/OpenSans-ExtraBold.ttf"
SCRIPT_BOLD = "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf"
SCRIPT_REGULAR = "/usr/share/fonts/opentype/dancingscript/DancingScript-Regular.otf"
# Chess and card symbols, which the icon font lacks.
SYMBOLS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


@functools.lru_cache(maxsize=None)
def font(path, size):
    return ImageFont.truetype(path, size)


@functools.lru_cache(maxsize=1)
def _icon_codepoints():
    # The package ships the name-to-codepoint table as SCSS: "console": F18D,
    text = open(ICON_NAMES, encoding="utf-8").read()
    return {m.group(1): int(m.group(2), 16)
            for m in re.finditer(r'"([a-z0-9-]+)":\s*([0-9A-Fa-f]+)', text)}


def icon_char(name):
    """The character of a named Material Design icon; a typo fails loudly, not as a blank tile."""
    codepoints = _icon_codepoints()
    if name not in codepoints:
        raise KeyError(f"no icon named {name!r} in {ICON_NAMES}")
    return chr(codepoints[name])
