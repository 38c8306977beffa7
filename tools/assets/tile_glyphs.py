"""The white glyph of each square tile, drawn into a 72-pixel Mask.

Most are one or two icons of the Material Design font; where a tile shows two things, the one
in front is cut free of the one behind by a thin halo of background. The glyph sits in the upper
part of the tile, above the caption.
"""

import drawings
import fonts

CX, CY = 36.0, 29.0  # where a single glyph is centred
SIZE = 40.0  # em size of a single icon; its ink is about 34 pixels
HALO = 1.6


def icon(name, size=SIZE, center=(CX, CY), **kwargs):
    def draw(mask):
        mask.add(mask.icon_layer(name, size, center, **kwargs))
    return draw


def icon_with_badge(back, front, front_size, front_center, back_size=SIZE, back_center=(CX, CY),
                    **front_kwargs):
    """An icon with a smaller one standing in front of it."""
    def draw(mask):
        mask.add(mask.icon_layer(back, back_size, back_center))
        mask.cut_then_add(mask.icon_layer(front, front_size, front_center, **front_kwargs), HALO)
    return draw


def icon_with_knockout(back, front, front_size, front_center, back_size=SIZE,
                       back_center=(CX, CY), **front_kwargs):
    """An icon with a smaller shape cut out of it, showing the background."""
    def draw(mask):
        mask.add(mask.icon_layer(back, back_size, back_center))
        mask.cut(mask.icon_layer(front, front_size, front_center, **front_kwargs))
    return draw


def screen_magnifier(mask):
    drawings.monitor_outline(mask, (12, 10, 52, 46), 3.2)
    mask.cut_then_add(mask.icon_layer("magnify", 36, (45, 35)), HALO)


def screen_remote(mask):
    inside = drawings.monitor_outline(mask, (13, 10, 59, 48), 3.2)
    cx, cy = (inside[0] + inside[2]) / 2, (inside[1] + inside[3]) / 2
    mask.add(mask.icon_layer("arrow-compress", 28, (cx, cy)))


def cube_stack(mask):
    # Two cubes below and one resting on them, the front ones cut free of those behind.
    for center in ((36, 19), (26.5, 36), (45.5, 36)):
        mask.cut_then_add(mask.icon_layer("cube", 24, center), HALO)


def frames_with_play(mask):
    mask.add(mask.icon_layer("animation", SIZE, (CX, CY)))
    mask.cut(mask.icon_layer("play", 20, (40.5, 33)))


def window_with_ruler(mask):
    inside = drawings.app_window_outline(mask, (13, 11, 59, 47), 3.0)
    mask.add(mask.icon_layer("ruler", 30, ((inside[0] + inside[2]) / 2, inside[3] - 7.5),
                             rotate=-45))


def wrench_and_screwdriver(mask):
    # The wrench lies from top left to bottom right, the screwdriver across it.
    mask.add(mask.icon_layer("wrench", 36, (CX, CY)))
    mask.cut_then_add(mask.icon_layer("screwdriver", 36, (CX, CY)), HALO)


def envelope_with_loop(mask):
    mask.add(mask.icon_layer("email-outline", 40, (33, 28)))
    mask.cut_then_add(mask.icon_layer("at", 24, (47, 39)), HALO + 0.4)


def pie_beside_bars(mask):
    mask.add(mask.icon_layer("chart-pie", 30, (24, 29)))
    mask.add(mask.icon_layer("poll", 28, (49, 29)))


def cards_with_envelope(mask):
    mask.add(mask.icon_layer("cards-outline", 38, (33, 27)))
    mask.cut_then_add(mask.icon_layer("email", 24, (46, 39)), HALO)


def spade_and_knight(mask):
    mask.add(mask.glyph_layer("\u2660", 30, (26, 31), font_path=fonts.SYMBOLS))
    mask.cut_then_add(mask.glyph_layer("\u265e", 34, (45, 27), font_path=fonts.SYMBOLS), HALO)


def two_bent_arrows(mask):
    # One arrow comes in from the left and bends up; the other comes in from the right and
    # bends down.
    drawings.bent_arrow(mask, [(15, 42), (29, 42), (29, 19)], 4.0)
    drawings.bent_arrow(mask, [(57, 16), (43, 16), (43, 39)], 4.0)


def shield_with_cross(mask):
    mask.add(mask.icon_layer("shield", SIZE, (CX, CY)))
    mask.cut(mask.rounded_rect_layer((CX - 2.6, CY - 9.5, CX + 2.6, CY + 8.5), 0.8))
    mask.cut(mask.rounded_rect_layer((CX - 9, CY - 3.6, CX + 9, CY + 1.6), 0.8))


def shield_with_exclamation(mask):
    mask.add(mask.icon_layer("shield", SIZE, (CX, CY)))
    mask.cut(mask.icon_layer("exclamation", 26, (CX, CY)))


def page_with_tick(mask):
    mask.add(mask.icon_layer("file-outline", SIZE, (33, CY)))
    mask.cut_then_add(mask.icon_layer("check-circle", 22, (45, 38)), HALO)


def flag_with_mark(mask):
    drawings.waving_flag(mask, (16, 13, 54, 43), gap=0.09, amplitude=4.0)
    mask.add(mask.glyph_layer("\u00ae", 11, (58, 13), font_path=fonts.SANS_BOLD))


def stylised_f(mask):
    mask.add(mask.glyph_layer("F", 52, (CX, CY + 1), font_path=fonts.SCRIPT_BOLD))


def browser_letter(mask):
    drawings.browser_letter(mask, (CX, CY), 38, HALO)


def film_reel(mask):
    drawings.film_reel(mask, (33, 28), 15, HALO)


def ring_with_bar(mask):
    drawings.ring_with_bar(mask, (CX, CY), 13, 4.2, HALO)


def ring_with_nodes(mask):
    drawings.ring_with_nodes(mask, (CX, CY + 1), 13, 3.2, 5, HALO)


def sector_disc(mask):
    drawings.sector_disc(mask, (CX, CY), 16, 2.4)


def device_card_with_plug(mask):
    drawings.device_card_with_plug(mask, (13, 13, 61, 48), 2.6, HALO)


def folder_for_caption(mask):
    # The caption is written inside this folder, so it is drawn large and hollow.
    mask.add(mask.icon_layer("folder-outline", 72, (CX, 34)))
