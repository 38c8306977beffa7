"""Every tile picture: file, background, caption and glyph. Background colours are the
launcher's tile colours, written #RRGGBB."""

from dataclasses import dataclass
from typing import Callable, Optional

import tile_glyphs as g


@dataclass(frozen=True)
class SquareTile:
    control: str
    file: str
    background: str
    caption: str
    glyph: Callable
    caption_in_folder: bool = False


@dataclass(frozen=True)
class WideTile:
    control: str
    file: str
    background: str
    caption: Optional[str]


SQUARE_TILES = [
    #          control    file                       background caption        glyph
    SquareTile("Image2",  "tile-cmd.jpg",            "#121212", "Cmd",          g.icon("console")),
    SquareTile("Image3",  "tile-bluth.jpg",          "#2445E8", "Bluth",        g.icon("bluetooth")),
    SquareTile("Image4",  "tile-magni.jpg",          "#03A6E8", "Magni",        g.screen_magnifier),
    SquareTile("Image5",  "tile-dskcln.jpg",         "#946F13", "Dskcln",       g.icon_with_badge("harddisk", "broom", 26, (46, 37), back_center=(31, 28))),
    SquareTile("Image6",  "tile-regedit.jpg",        "#008A8D", "Regedit",      g.cube_stack),
    SquareTile("Image7",  "tile-tskmgr.jpg",         "#03A5EA", "Tskmgr",       g.icon("chart-bar")),
    SquareTile("Image8",  "tile-wmplay.jpg",         "#F58835", "Wmplay",       g.frames_with_play),
    SquareTile("Image9",  "tile-remote.jpg",         "#D5B100", "Remote",       g.screen_remote),
    SquareTile("Image11", "tile-my-version.jpg",     "#009D3C", "My version",   g.icon("file-document-box")),
    SquareTile("Image12", "tile-wordpad.jpg",        "#01A9E7", "Wordpad",      g.window_with_ruler),
    SquareTile("Image13", "tile-info.jpg",           "#1857B8", "Info",         g.icon("information-outline")),
    SquareTile("Image14", "tile-rec.jpg",            "#474747", "Rec",          g.icon("microphone")),
    SquareTile("Image15", "tile-paint.jpg",          "#00A7EB", "Paint",        g.icon_with_badge("palette", "brush", 26, (46, 38), back_center=(31, 27))),
    SquareTile("Image16", "tile-control.jpg",        "#6A6A6A", "Control",      g.wrench_and_screwdriver),
    SquareTile("Image17", "tile-calc.jpg",           "#56A5E0", "Calc",         g.icon("calculator")),
    SquareTile("Image18", "tile-event.jpg",          "#1958B9", "Event",        g.icon("help-circle-outline")),
    SquareTile("Image19", "tile-acess-wiz.jpg",      "#476DD0", "Acess wiz",    g.icon("history")),
    SquareTile("Image20", "tile-out-look.jpg",       "#F3C019", "Out look",     g.envelope_with_loop),
    SquareTile("Image21", "tile-keyboard.jpg",       "#1970F0", "Keyboard",     g.icon("keyboard-variant", 44)),
    SquareTile("Image22", "tile-backup.jpg",         "#01AAEC", "Backup",       g.icon("floppy")),
    SquareTile("Image23", "tile-perform.jpg",        "#56A5E0", "Perform",      g.pie_beside_bars),
    SquareTile("Image24", "tile-documents.jpg",      "#03AEDA", "Documents",    g.folder_for_caption, caption_in_folder=True),
    SquareTile("Image25", "tile-vol-control.jpg",    "#2163A0", "Vol control",  g.icon("volume-high")),
    SquareTile("Image26", "tile-mouse.jpg",          "#6B6B6B", "Mouse",        g.icon("mouse")),
    SquareTile("Image27", "tile-mve-maker.jpg",      "#00A9EC", "mve maker",    g.film_reel),
    SquareTile("Image28", "tile-msg.jpg",            "#03ADDB", "Msg",          g.icon("account-multiple")),
    SquareTile("Image29", "tile-adress.jpg",         "#08ABD9", "Adress",       g.cards_with_envelope),
    SquareTile("Image30", "tile-ie.jpg",             "#00AADB", "IE",           g.browser_letter),
    SquareTile("Image31", "tile-int-tutor.jpg",      "#7113A9", "Int tutor",    g.two_bent_arrows),
    SquareTile("Image32", "tile-network.jpg",        "#03AEDA", "Network",      g.icon("sitemap")),
    SquareTile("Image34", "tile-games.jpg",          "#1BA0E1", "Games",        g.spade_and_knight),
    SquareTile("Image35", "tile-share.jpg",          "#5B9139", "Share",        g.ring_with_bar),
    SquareTile("Image36", "tile-dsk-part.jpg",       "#03AEDA", "Dsk part",     g.sector_disc),
    SquareTile("Image37", "tile-add-remve.jpg",      "#59564F", "Add/Remve",    g.icon("link-variant")),
    SquareTile("Image39", "tile-time-setting.jpg",   "#6B6B6B", "Time setting", g.icon("settings")),
    SquareTile("Image40", "tile-net-con.jpg",        "#5B9139", "Net con",      g.ring_with_nodes),
    SquareTile("Image41", "tile-firewall.jpg",       "#DC0221", "Firewall",     g.shield_with_cross),
    SquareTile("Image42", "tile-user.jpg",           "#0E5D30", "User",         g.icon("account")),
    SquareTile("Image43", "tile-update.jpg",         "#0081B5", "Update",       g.icon("sync")),
    SquareTile("Image44", "tile-security.jpg",       "#2876CC", "Security",     g.icon("shield")),
    SquareTile("Image45", "tile-power.jpg",          "#EC9D01", "Power",        g.shield_with_exclamation),
    SquareTile("Image47", "tile-hardware.jpg",       "#009E3D", "Hardware",     g.device_card_with_plug),
    SquareTile("Image48", "tile-net-pro.jpg",        "#FDD147", "Net Pro",      g.page_with_tick),
    SquareTile("Image49", "tile-sys-proprty.jpg",    "#16408A", "Sys proprty",  g.flag_with_mark),
    SquareTile("Image50", "tile-font.jpg",           "#01007F", "Font",         g.stylised_f),
]

WIDE_TILES = [
    #        control    file                            background caption
    WideTile("Image10", "wide-clock.bmp",               "#0080C0", None),
    WideTile("Image38", "wide-regeional-language.bmp",  "#808080", "Regeional & language"),
    WideTile("Image46", "wide-dispalay-properties.bmp", "#008080", "Dispalay properties"),
]
