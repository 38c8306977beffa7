"""Our own drawings, for what the icon font has no glyph for or what must not copy anyone's
logo: the four-pane window, the waving four-pane flag, the browser letter with its orbit, and a
few simple objects. Each draws white into a Mask, within a box given in final pixels.
"""

import math

import fonts
from mask import arc_points


def lerp(a, b, t):
    return a + (b - a) * t


def bilinear(quad, u, v):
    """A point inside a four-cornered shape (tl, tr, br, bl) at fractions u across, v down."""
    tl, tr, br, bl = quad
    top = (lerp(tl[0], tr[0], u), lerp(tl[1], tr[1], u))
    bottom = (lerp(bl[0], br[0], u), lerp(bl[1], br[1], u))
    return (lerp(top[0], bottom[0], v), lerp(top[1], bottom[1], v))


def pane_quads(quad, gap):
    """The four panes of a window whose outline is `quad`, split by a cross of width `gap`
    (a fraction of the window's width and height)."""
    half = gap / 2
    spans = ((0.0, 0.5 - half), (0.5 + half, 1.0))
    panes = []
    for v0, v1 in spans:
        for u0, u1 in spans:
            panes.append([bilinear(quad, u0, v0), bilinear(quad, u1, v0),
                          bilinear(quad, u1, v1), bilinear(quad, u0, v1)])
    return panes


def perspective_window_quad(box):
    """A window seen a little from the left: its near (left) edge taller than its far edge."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    return [(x0, y0), (x1, y0 + 0.13 * h), (x1, y1 - 0.13 * h), (x0, y1)]


def four_pane_window(mask, box, gap=0.085, frame=None):
    """Four panes in perspective. With `frame` (a line width), an outline frame around them,
    which sets our window apart from flat tiled logos."""
    quad = perspective_window_quad(box)
    for pane in pane_quads(quad, gap):
        mask.add(mask.polygon_layer(pane))
    if frame:
        x0, y0, x1, y1 = box
        pad = frame * 1.8
        outer = perspective_window_quad((x0 - pad, y0 - pad, x1 + pad, y1 + pad))
        outline = [outer[0], outer[1], outer[2], outer[3], outer[0]]
        mask.add(mask.stroke_layer(outline, frame))


def wave_offset(u, amplitude, phase=0.0):
    return amplitude * math.sin((u * 1.15 + phase) * math.pi)


def waving_pane(u0, u1, v0, v1, box, amplitude, steps=16):
    """One pane of the flag: a rectangle of the flag's (u, v) space bent by the wave."""
    x0, y0, x1, y1 = box
    def point(u, v):
        return (lerp(x0, x1, u), lerp(y0, y1, v) + wave_offset(u, amplitude))
    top = [point(lerp(u0, u1, i / steps), v0) for i in range(steps + 1)]
    bottom = [point(lerp(u1, u0, i / steps), v1) for i in range(steps + 1)]
    return top + bottom


def flag_panes(box, gap, amplitude):
    """The four panes of the waving flag, in reading order: top left, top right, bottom left,
    bottom right."""
    half = gap / 2
    spans = ((0.0, 0.5 - half), (0.5 + half, 1.0))
    return [waving_pane(u0, u1, v0, v1, box, amplitude) for v0, v1 in spans for u0, u1 in spans]


def waving_flag(mask, box, gap=0.08, amplitude=None):
    x0, y0, x1, y1 = box
    amplitude = amplitude if amplitude is not None else (y1 - y0) * 0.09
    for pane in flag_panes(box, gap, amplitude):
        mask.add(mask.polygon_layer(pane))


def browser_letter(mask, center, size, halo):
    """A bold lower-case e with a tilted orbit around it: the ring passes behind the letter at
    the top left and in front of it at the bottom right."""
    cx, cy = center
    letter = mask.glyph_layer("e", size, (cx, cy + size * 0.02), font_path=fonts.SANS_EXTRABOLD)
    ring = orbit_layer(mask, center, size * 0.62, size * 0.25, -28, size * 0.07)
    front = orbit_layer(mask, center, size * 0.62, size * 0.25, -28, size * 0.07, front=True)
    mask.add(ring)
    mask.cut_then_add(letter, halo)
    mask.cut_then_add(front, halo)


def orbit_layer(mask, center, rx, ry, tilt_deg, width, front=False):
    cx, cy = center
    t = math.radians(tilt_deg)
    # The front half of the orbit is the lower half before tilting.
    start, end = (10, 170) if front else (0, 360)
    points = []
    for i in range(97):
        a = math.radians(start + (end - start) * i / 96)
        x, y = rx * math.cos(a), ry * math.sin(a)
        points.append((cx + x * math.cos(t) - y * math.sin(t), cy + x * math.sin(t) + y * math.cos(t)))
    return mask.stroke_layer(points, width)


def monitor_outline(mask, box, line):
    """A screen outline on a short stand; returns the inside of the screen as a box."""
    x0, y0, x1, y1 = box
    stand_h = (y1 - y0) * 0.22
    screen = (x0, y0, x1, y1 - stand_h)
    mask.add(mask.rounded_rect_layer(screen, line * 0.9, width=line))
    cx = (x0 + x1) / 2
    neck_w = (x1 - x0) * 0.12
    mask.add(mask.polygon_layer([(cx - neck_w / 2, screen[3]), (cx + neck_w / 2, screen[3]),
                                 (cx + neck_w / 2, y1 - line), (cx - neck_w / 2, y1 - line)]))
    foot_w = (x1 - x0) * 0.42
    mask.add(mask.rounded_rect_layer((cx - foot_w / 2, y1 - line, cx + foot_w / 2, y1), line / 2))
    return (x0 + line, y0 + line, x1 - line, screen[3] - line)


def app_window_outline(mask, box, line):
    """A program window: an outline with a solid title bar; returns the inside below the bar."""
    x0, y0, x1, y1 = box
    mask.add(mask.rounded_rect_layer(box, line, width=line))
    bar = (y1 - y0) * 0.2
    mask.add(mask.rounded_rect_layer((x0, y0, x1, y0 + bar), line))
    return (x0 + line, y0 + bar, x1 - line, y1 - line)


def film_reel(mask, center, radius, halo):
    """A reel: a disc with five round windows and a hub, and film leaving it at the foot."""
    cx, cy = center
    mask.add(mask.circle_layer(center, radius))
    for i in range(5):
        a = math.radians(-90 + i * 72)
        hole = mask.circle_layer((cx + radius * 0.55 * math.cos(a), cy + radius * 0.55 * math.sin(a)),
                                 radius * 0.22)
        mask.cut(hole)
    mask.cut(mask.circle_layer(center, radius * 0.09))
    # The strip of film runs from the bottom of the reel to the right.
    strip_h = radius * 0.3
    strip = mask.polygon_layer([(cx, cy + radius - strip_h), (cx + radius * 1.25, cy + radius - strip_h),
                                (cx + radius * 1.25, cy + radius), (cx, cy + radius)])
    mask.cut_then_add(strip, halo)


def ring_with_bar(mask, center, radius, line, halo):
    """A ring with a bar passing through it from side to side."""
    cx, cy = center
    mask.add(mask.circle_layer(center, radius, width=line))
    bar = mask.rounded_rect_layer((cx - radius * 1.45, cy - line * 0.6, cx + radius * 1.45,
                                   cy + line * 0.6), line * 0.6)
    mask.cut_then_add(bar, halo)


def ring_with_nodes(mask, center, radius, line, node_radius, halo):
    """A ring with three round nodes sitting on it, a third of a turn apart."""
    cx, cy = center
    mask.add(mask.circle_layer(center, radius, width=line))
    for i in range(3):
        a = math.radians(-90 + i * 120)
        node = mask.circle_layer((cx + (radius - line / 2) * math.cos(a),
                                  cy + (radius - line / 2) * math.sin(a)), node_radius)
        mask.cut_then_add(node, halo)


def sector_disc(mask, center, radius, gap):
    """A disc cut into unequal sectors, one of them drawn out of the disc: a drive's parts."""
    cx, cy = center
    bounds = ((-90, -10), (-10, 85), (85, 170), (170, 270))
    for index, (start, end) in enumerate(bounds):
        shift = gap * 1.2 if index == 0 else 0.0
        middle = math.radians((start + end) / 2)
        centre = (cx + shift * math.cos(middle), cy + shift * math.sin(middle))
        mask.add(mask.sector_layer(centre, radius, start, end))
    for angle in (-10, 85, 170):
        a = math.radians(angle)
        mask.cut(mask.stroke_layer([center, (cx + radius * 1.1 * math.cos(a),
                                             cy + radius * 1.1 * math.sin(a))], gap))
    mask.cut(mask.circle_layer(center, radius * 0.2))


def device_card_with_plug(mask, box, line, halo):
    """An expansion card (a board with a chip and contact fingers) and a plug on a cable."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    board = (x0, y0, x0 + w * 0.74, y0 + h * 0.7)
    mask.add(mask.rounded_rect_layer(board, line * 0.8))
    chip = (board[0] + w * 0.12, board[1] + h * 0.14, board[0] + w * 0.38, board[1] + h * 0.4)
    mask.cut(mask.rounded_rect_layer(chip, line * 0.3))
    fingers = 5
    fx0, fx1 = board[0] + w * 0.1, board[2] - w * 0.1
    step = (fx1 - fx0) / fingers
    for i in range(fingers):
        fx = fx0 + i * step
        mask.add(mask.polygon_layer([(fx + step * 0.2, board[3]), (fx + step * 0.8, board[3]),
                                     (fx + step * 0.8, board[3] + h * 0.1),
                                     (fx + step * 0.2, board[3] + h * 0.1)]))
    # The plug: a body with two pins, its cable curling back towards the card.
    px, py = x0 + w * 0.84, y0 + h * 0.56
    plug = mask.rounded_rect_layer((px - w * 0.12, py, px + w * 0.12, py + h * 0.24), line * 0.4)
    mask.cut_then_add(plug, halo)
    for dx in (-0.06, 0.06):
        mask.add(mask.rounded_rect_layer((px + w * dx - line * 0.35, py - h * 0.12,
                                          px + w * dx + line * 0.35, py), line * 0.3))
    cable = [(px, py + h * 0.24)] + arc_points((px - w * 0.1, py + h * 0.24), w * 0.1, 0, 90, 12)
    mask.add(mask.stroke_layer(cable, line * 0.7))


def bent_arrow(mask, path, line):
    """A stroke along `path` with a triangular head at its last point."""
    (px, py), (ex, ey) = path[-2], path[-1]
    length = math.hypot(ex - px, ey - py)
    dx, dy = (ex - px) / length, (ey - py) / length
    head = line * 2.2
    base = (ex - dx * head * 1.1, ey - dy * head * 1.1)
    mask.add(mask.stroke_layer(path[:-1] + [base], line))
    mask.add(mask.polygon_layer([(ex + dx * line * 0.3, ey + dy * line * 0.3),
                                 (base[0] - dy * head, base[1] + dx * head),
                                 (base[0] + dy * head, base[1] - dx * head)]))


def tapered_stroke(mask, points, start_width, end_width):
    """A stroke along `points` whose width runs from `start_width` to `end_width`, drawn as
    one outline polygon so that it has no joins: the stem of a frond, the tail of a swirl."""
    left, right = [], []
    count = len(points)
    for i, (x, y) in enumerate(points):
        ax, ay = points[max(i - 1, 0)]
        bx, by = points[min(i + 1, count - 1)]
        length = math.hypot(bx - ax, by - ay) or 1.0
        nx, ny = -(by - ay) / length, (bx - ax) / length
        half = lerp(start_width, end_width, i / (count - 1)) / 2
        left.append((x + nx * half, y + ny * half))
        right.append((x - nx * half, y - ny * half))
    mask.add(mask.polygon_layer(left + right[::-1]))


def spiral_points(center, start_radius, turns, start_deg, shrink, clockwise=True, steps=160):
    """A curl that winds inwards: its radius shrinks by `shrink` of itself each turn."""
    cx, cy = center
    points = []
    for i in range(steps + 1):
        t = i / steps
        angle = math.radians(start_deg) + (1 if clockwise else -1) * t * turns * 2 * math.pi
        radius = start_radius * (1 - shrink) ** (t * turns)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def frond_points(base, height, sway, lean, steps=80):
    """The stem of a plant rising from `base`, swaying from side to side as it goes up."""
    bx, by = base
    return [(bx + lean * t * height + sway * math.sin(t * math.pi * 1.6) * t,
             by - height * t) for t in (i / steps for i in range(steps + 1))]
