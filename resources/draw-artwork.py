#!/usr/bin/env python3
"""Draws the start centre's artwork as SVG files next to this script.

The pictures share their parts (the disc, the badges, the folder, the page, the drive, the
arrows) and one palette, so they are built here from those parts rather than edited file by
file: change a part, run the script, look at the contact sheet (tools/artwork-sheet) and commit
the SVG files with it. Only the Python standard library is used; the build reads the SVG files.

Light falls from the top left everywhere: fills run from light (top left) to dark (bottom
right), rims catch a highlight on their upper left, shadows fall to the lower right. Outlines
are one pixel at 48 x 48, a darker shade of their fill, never black, so that every shape holds
on white and on the highlight blue (120, 169, 241) alike.

The renderer is Qt Svg (SVG Tiny 1.2): no clip paths, masks or filters, so highlights and
shadows are shapes and gradients of their own.
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def fmt(value):
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def pt(x, y):
    return f"{fmt(x)},{fmt(y)}"


class Svg:
    """One SVG document: gradients in <defs>, shapes in drawing order."""

    def __init__(self, name, width, height, title):
        self.name = name
        self.width = width
        self.height = height
        self.title = title
        self.defs = []
        self.body = []
        self.count = 0
        self.indent = 1

    def uid(self, stem):
        self.count += 1
        return f"{stem}{self.count}"

    @staticmethod
    def _stops(stops):
        lines = []
        for stop in stops:
            offset, colour = stop[0], stop[1]
            opacity = stop[2] if len(stop) > 2 else 1
            extra = "" if opacity == 1 else f' stop-opacity="{fmt(opacity)}"'
            lines.append(f'      <stop offset="{fmt(offset)}" stop-color="{colour}"{extra}/>')
        return "\n".join(lines)

    def linear(self, x1, y1, x2, y2, stops):
        ident = self.uid("l")
        self.defs.append(
            f'    <linearGradient id="{ident}" gradientUnits="userSpaceOnUse" '
            f'x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}">\n'
            f"{self._stops(stops)}\n    </linearGradient>")
        return f"url(#{ident})"

    def radial(self, cx, cy, r, stops, fx=None, fy=None):
        ident = self.uid("r")
        focus = ""
        if fx is not None:
            focus = f' fx="{fmt(fx)}" fy="{fmt(fy)}"'
        self.defs.append(
            f'    <radialGradient id="{ident}" gradientUnits="userSpaceOnUse" '
            f'cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}"{focus}>\n'
            f"{self._stops(stops)}\n    </radialGradient>")
        return f"url(#{ident})"

    def comment(self, text):
        self.body.append("  " * self.indent + f"<!-- {text} -->")

    def open(self, attrs=""):
        self.body.append("  " * self.indent + f"<g{(' ' + attrs) if attrs else ''}>")
        self.indent += 1

    def close(self):
        self.indent -= 1
        self.body.append("  " * self.indent + "</g>")

    def el(self, tag, **attrs):
        parts = []
        for key, value in attrs.items():
            if value is None:
                continue
            key = key.rstrip("_").replace("_", "-")
            if isinstance(value, float):
                value = fmt(value)
            parts.append(f'{key}="{value}"')
        self.body.append("  " * self.indent + f"<{tag} {' '.join(parts)}/>")

    def path(self, d, **attrs):
        self.el("path", d=d, **attrs)

    def write(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                f'width="{self.width}" height="{self.height}" '
                f'viewBox="0 0 {self.width} {self.height}">')
        text = [head, f"  <title>{self.title}</title>"]
        if self.defs:
            text += ["  <defs>", *self.defs, "  </defs>"]
        text += self.body
        text.append("</svg>")
        with open(os.path.join(HERE, self.name + ".svg"), "w", encoding="utf-8") as file:
            file.write("\n".join(text) + "\n")


# ---------------------------------------------------------------------------------------------
# Geometry helpers

def polar(cx, cy, r, degrees):
    a = math.radians(degrees)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def circle_d(cx, cy, r, clockwise=True):
    """A circle as a path, so rings can be cut with the even-odd rule."""
    sweep = 1 if clockwise else 0
    return (f"M{pt(cx - r, cy)} A{fmt(r)},{fmt(r)} 0 1 {sweep} {pt(cx + r, cy)} "
            f"A{fmt(r)},{fmt(r)} 0 1 {sweep} {pt(cx - r, cy)} Z")


def ring_d(cx, cy, outer, inner):
    return circle_d(cx, cy, outer, True) + " " + circle_d(cx, cy, inner, False)


def sector_d(cx, cy, r_out, r_in, a1, a2):
    """Annular sector from angle a1 to a2 (degrees, clockwise on screen)."""
    large = 1 if (a2 - a1) % 360 > 180 else 0
    o1, o2 = polar(cx, cy, r_out, a1), polar(cx, cy, r_out, a2)
    i1, i2 = polar(cx, cy, r_in, a1), polar(cx, cy, r_in, a2)
    return (f"M{pt(*o1)} A{fmt(r_out)},{fmt(r_out)} 0 {large} 1 {pt(*o2)} "
            f"L{pt(*i2)} A{fmt(r_in)},{fmt(r_in)} 0 {large} 0 {pt(*i1)} Z")


def arc_d(cx, cy, r, a1, a2):
    large = 1 if (a2 - a1) % 360 > 180 else 0
    p1, p2 = polar(cx, cy, r, a1), polar(cx, cy, r, a2)
    return f"M{pt(*p1)} A{fmt(r)},{fmt(r)} 0 {large} 1 {pt(*p2)}"


def rrect_d(x, y, w, h, r):
    return (f"M{pt(x + r, y)} H{fmt(x + w - r)} A{fmt(r)},{fmt(r)} 0 0 1 {pt(x + w, y + r)} "
            f"V{fmt(y + h - r)} A{fmt(r)},{fmt(r)} 0 0 1 {pt(x + w - r, y + h)} "
            f"H{fmt(x + r)} A{fmt(r)},{fmt(r)} 0 0 1 {pt(x, y + h - r)} "
            f"V{fmt(y + r)} A{fmt(r)},{fmt(r)} 0 0 1 {pt(x + r, y)} Z")


def poly_d(points):
    return "M" + " L".join(pt(x, y) for x, y in points) + " Z"


def transform_points(points, dx=0.0, dy=0.0, angle=0.0, cx=0.0, cy=0.0):
    a = math.radians(angle)
    out = []
    for x, y in points:
        x, y = x - cx, y - cy
        x, y = x * math.cos(a) - y * math.sin(a), x * math.sin(a) + y * math.cos(a)
        out.append((x + cx + dx, y + cy + dy))
    return out


# ---------------------------------------------------------------------------------------------
# Palette

SHADOW = "#0b1a33"

DISC_TINTS = {
    # light, middle, dark, rim outline
    "silver": ("#ffffff", "#dfe6ef", "#a9b7c9", "#56677f"),
    "gold": ("#fff7d9", "#f4d67f", "#cf9b2e", "#8a5f10"),
    "blue": ("#f1f5ff", "#b6c8f6", "#7190e0", "#2f4596"),
    "violet": ("#faf6ff", "#ddd0f7", "#a890e2", "#584196"),
    "cyan": ("#f2fdff", "#c3ecf4", "#7fc4d8", "#2c6f86"),
}

ACCENTS = {
    # light, dark, outline
    "blue": ("#5aa2f7", "#1f5fd0", "#153f8f"),
    "amber": ("#ffd56a", "#f0a53a", "#a7670f"),
    "teal": ("#48d1c0", "#14948a", "#0b625c"),
    "red": ("#ff7b7b", "#dd3a46", "#9c1f2a"),
    "violet": ("#b08af5", "#7248d6", "#4a2a9a"),
    "orange": ("#ffad5c", "#ec6c16", "#a2450a"),
    "green": ("#78dc6c", "#2e9e3d", "#1d6b27"),
    "indigo": ("#7f88f2", "#3f3fc2", "#272886"),
    "slate": ("#8e9bb0", "#4f5d74", "#2f3a4d"),
}


# ---------------------------------------------------------------------------------------------
# Parts

def soft_shadow(s, cx, cy, rx, ry=None, strength=0.3, spread=2.4):
    """A round shadow that fades out over `spread`, offset to the lower right by the caller."""
    ry = rx if ry is None else ry
    r = max(rx, ry) + spread
    inner = max(rx, ry) / r * 0.9
    fill = s.radial(cx, cy, r, [(0, SHADOW, strength), (inner, SHADOW, strength * 0.85),
                                (1, SHADOW, 0)])
    if rx == ry:
        s.el("circle", cx=float(cx), cy=float(cy), r=float(r), fill=fill)
    else:
        s.el("ellipse", cx=float(cx), cy=float(cy), rx=float(rx + spread), ry=float(ry + spread),
             fill=fill)


def _mix(a, b, t):
    ca = [int(a[k:k + 2], 16) for k in (1, 3, 5)]
    cb = [int(b[k:k + 2], 16) for k in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * t):02x}" for x, y in zip(ca, cb))


def sheen_slices(s, cx, cy, r_out, r_in, centre, strength, spread=33.0, step=3.0):
    """A radial streak of light at angle `centre`, white at its core and fraying into the
    spectrum on both sides, drawn as thin slices since Qt Svg has no angular gradient."""
    a = centre - spread
    while a < centre + spread - 1e-6:
        offset = a + step / 2 - centre
        white = math.exp(-(offset / 9.0) ** 2)
        fringe = 0.85 * math.exp(-((abs(offset) - 17) / 7.5) ** 2)
        t = min(1.0, max(0.0, (abs(offset) - 9) / 17))
        hue = _mix("#5cd6ff", "#a888ff", t) if offset < 0 else _mix("#fff15a", "#ff86c8", t)
        total = white + fringe
        colour = _mix(hue, "#ffffff", white / total)
        alpha = min(1.0, total) * strength * 0.92
        if alpha > 0.03:
            shade = s.radial(cx, cy, r_out, [(0, colour, 0), (0.3, colour, alpha * 0.15),
                                              (0.72, colour, alpha), (1, colour, alpha * 0.9)])
            s.path(sector_d(cx, cy, r_out, r_in, a, a + step), fill=shade)
        a += step


def disc(s, cx, cy, r, tint="silver", stroke=1.0, shadow=True, sheen=1.0):
    """An optical disc seen face on: reflective data area, clear hub, centre hole."""
    light, middle, dark, rim = DISC_TINTS[tint]
    hole = r * 0.14
    hub = r * 0.31
    s.comment(f"disc ({tint})")
    if shadow:
        soft_shadow(s, cx + r * 0.05, cy + r * 0.09, r, strength=0.28, spread=max(1.6, r * 0.13))
    # data area
    body = s.linear(cx - r, cy - r, cx + r, cy + r,
                    [(0, light), (0.45, middle), (1, dark)])
    s.path(ring_d(cx, cy, r - stroke / 2, hub), fill=body, fill_rule="evenodd")
    # the reflection of a light at the top left: a bright radial streak and its fainter twin
    # opposite, each with the rainbow a disc's grooves split off it
    edge = r - stroke
    s.comment("sheen")
    for centre, strength in ((231, 1.0), (51, 0.62)):
        sheen_slices(s, cx, cy, edge, hub, centre, strength * sheen)
    # the edge of the data area
    s.el("circle", cx=float(cx), cy=float(cy), r=float(r - stroke * 1.9), fill="none", stroke=dark,
         stroke_opacity=0.35, stroke_width=float(stroke * 0.8))
    # clear hub with its stacking ring
    s.path(ring_d(cx, cy, hub, hole), fill="#eef3f8", fill_opacity=0.62, fill_rule="evenodd")
    s.el("circle", cx=float(cx), cy=float(cy), r=float(hub), fill="none", stroke=rim,
         stroke_opacity=0.55, stroke_width=float(stroke * 0.8))
    s.el("circle", cx=float(cx), cy=float(cy), r=float((hub + hole) / 2 + stroke * 0.2),
         fill="none", stroke="#ffffff", stroke_opacity=0.7, stroke_width=float(stroke * 0.7))
    s.el("circle", cx=float(cx), cy=float(cy), r=float(hole), fill="none", stroke=rim,
         stroke_width=float(stroke * 0.8))
    # rim: outline, a catch light on the upper left, a shade on the lower right
    s.el("circle", cx=float(cx), cy=float(cy), r=float(r - stroke / 2), fill="none", stroke=rim,
         stroke_width=float(stroke))
    s.path(arc_d(cx, cy, r - stroke * 1.5, 150, 300), fill="none", stroke="#ffffff",
           stroke_opacity=0.85, stroke_width=float(stroke), stroke_linecap="round")


# The small capitals of the badges: 7 units high, drawn with a 1.6 pen. Each letter is its
# advance width and a list of ("stroke" | "fill", path) in a box with its top left at 0,0.
BADGE_CAP = 7.0
BADGE_PEN = 1.6
BADGE_LETTERS = {
    "C": (5.4, [("stroke", "M4.86,1.76 A1.9,2.7 0 1 0 4.86,5.24")]),
    "D": (5.4, [("stroke", "M0.8,0.8 H2 A2.6,2.7 0 0 1 2,6.2 H0.8 Z")]),
    "V": (5.8, [("fill", "M0,0 L1.75,0 L2.9,3.93 L4.05,0 L5.8,0 L3.75,7 L2.05,7 Z")]),
    "B": (5.2, [("stroke", "M0.8,0.8 V6.2 H3 A1.4,1.35 0 0 0 3,3.5 H0.8 "
                           "M0.8,3.5 H2.75 A1.35,1.35 0 0 0 2.75,0.8 H0.8 Z")]),
    "S": (5.2, [("stroke", "M4.35,1.55 C3.9,0.95 3.3,0.8 2.6,0.8 C1.6,0.8 0.85,1.3 0.85,2.1 "
                           "C0.85,3 1.7,3.2 2.6,3.5 C3.5,3.8 4.4,4.05 4.4,4.9 "
                           "C4.4,5.7 3.6,6.2 2.6,6.2 C1.8,6.2 1.1,5.9 0.75,5.35")]),
    "O": (5.8, [("stroke", "M2.9,0.8 A2.1,2.7 0 1 1 2.9,6.2 A2.1,2.7 0 1 1 2.9,0.8 Z")]),
    "I": (1.6, [("fill", "M0,0 H1.6 V7 H0 Z")]),
}
BADGE_TRACKING = 1.0


def badge_text_width(text):
    widths = [BADGE_LETTERS[c][0] for c in text]
    return sum(widths) + BADGE_TRACKING * (len(widths) - 1)


def badge_text(s, x, y, text, colour="#ffffff", scale=1.0):
    """Letters with their cap box's top left at x, y."""
    s.open(f'transform="translate({fmt(x)},{fmt(y)}) scale({fmt(scale)})"')
    cursor = 0.0
    for char in text:
        width, shapes = BADGE_LETTERS[char]
        s.open(f'transform="translate({fmt(cursor)},0)"')
        for kind, d in shapes:
            if kind == "stroke":
                s.path(d, fill="none", stroke=colour, stroke_width=BADGE_PEN,
                       stroke_linejoin="miter", stroke_linecap="butt")
            else:
                s.path(d, fill=colour)
        s.close()
        cursor += width + BADGE_TRACKING
    s.close()


def badge(s, right, bottom, text, accent, height=11.0, pad=2.6):
    """A label plate with white capitals, placed by its lower right corner."""
    light, dark, outline = ACCENTS[accent]
    width = badge_text_width(text) + 2 * pad
    x, y = right - width, bottom - height
    s.comment(f"badge {text}")
    s.path(rrect_d(x + 0.6, y + 1.1, width, height, 2.6), fill=SHADOW, fill_opacity=0.22)
    fill = s.linear(0, y, 0, y + height, [(0, light), (1, dark)])
    s.path(rrect_d(x, y, width, height, 2.6), fill=fill, stroke=outline, stroke_width=1.0)
    s.path(f"M{pt(x + 2.4, y + 1.2)} H{fmt(x + width - 2.4)}", stroke="#ffffff",
           stroke_opacity=0.45, stroke_width=0.8, fill="none")
    badge_text(s, x + pad, y + (height - BADGE_CAP) / 2, text)


def folder(s, x, y, w, h):
    """A manila folder with a sheet of paper in it."""
    light, dark, outline = ACCENTS["amber"]
    s.comment("folder")
    s.path(rrect_d(x + 1.2, y + 2.2, w, h - 1.5, 2), fill=SHADOW, fill_opacity=0.22)
    tab = w * 0.4
    back = s.linear(x, y, x + w, y + h, [(0, "#f6bb4e"), (1, "#d4861d")])
    s.path(f"M{pt(x, y + h - 1.5)} V{fmt(y + 1.5)} A1.5,1.5 0 0 1 {pt(x + 1.5, y)} "
           f"H{fmt(x + tab)} L{pt(x + tab + 2.5, y + 2.5)} H{fmt(x + w - 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x + w, y + 4)} V{fmt(y + h - 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x + w - 1.5, y + h)} H{fmt(x + 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x, y + h - 1.5)} Z",
           fill=back, stroke=outline, stroke_width=1.0, stroke_linejoin="round")
    s.path(poly_d([(x + 2.5, y + 4.5), (x + w - 2.5, y + 4.5), (x + w - 2.5, y + h * 0.6),
                   (x + 2.5, y + h * 0.6)]),
           fill="#ffffff", stroke="#9aa6b6", stroke_width=0.7)
    top = y + h * 0.36
    front = s.linear(x, top, x + w * 0.4, y + h + 4, [(0, light), (1, dark)])
    s.path(f"M{pt(x + 0.2, top + 1.5)} A1.5,1.5 0 0 1 {pt(x + 1.7, top)} H{fmt(x + w - 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x + w, top + 1.5)} V{fmt(y + h - 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x + w - 1.5, y + h)} H{fmt(x + 1.5)} "
           f"A1.5,1.5 0 0 1 {pt(x, y + h - 1.5)} Z",
           fill=front, stroke=outline, stroke_width=1.0, stroke_linejoin="round")
    s.path(f"M{pt(x + 1.8, top + 1.2)} H{fmt(x + w - 1.6)}", stroke="#fff6d8",
           stroke_opacity=0.9, stroke_width=0.9, fill="none")


def page(s, x, y, w, h, fold=6.0, shadow=True):
    """A document with its top right corner folded."""
    s.comment("page")
    if shadow:
        s.path(poly_d([(x + 1.2, y + 1.5), (x + w - fold + 1.2, y + 1.5), (x + w + 1.2, y + fold + 1.5),
                       (x + w + 1.2, y + h + 1.5), (x + 1.2, y + h + 1.5)]),
               fill=SHADOW, fill_opacity=0.2)
    fill = s.linear(x, y, x + w, y + h, [(0, "#ffffff"), (1, "#dde4ee")])
    s.path(f"M{pt(x, y + 1)} A1,1 0 0 1 {pt(x + 1, y)} H{fmt(x + w - fold)} "
           f"L{pt(x + w, y + fold)} V{fmt(y + h - 1)} A1,1 0 0 1 {pt(x + w - 1, y + h)} "
           f"H{fmt(x + 1)} A1,1 0 0 1 {pt(x, y + h - 1)} Z",
           fill=fill, stroke="#67768c", stroke_width=1.0, stroke_linejoin="round")
    s.path(f"M{pt(x + w - fold, y)} V{fmt(y + fold - 1)} A1,1 0 0 0 {pt(x + w - fold + 1, y + fold)} "
           f"H{fmt(x + w)} Z", fill="#c9d3e0", stroke="#67768c", stroke_width=1.0,
           stroke_linejoin="round")


def iso_page(s, x, y, w, h, fold=6.0, plate_bottom=None):
    """The ISO image file: a page with lines of content and the teal ISO plate, by default
    at its foot."""
    page(s, x, y, w, h, fold)
    plate_bottom = y + h - 3 if plate_bottom is None else plate_bottom
    lines_from, lines_to = y + fold + 3, plate_bottom - 13
    if plate_bottom < y + h / 2:
        lines_from, lines_to = plate_bottom + 3.5, y + h - 3
    ly = lines_from
    i = 0
    while ly <= lines_to:
        s.path(f"M{pt(x + 3, ly)} H{fmt(x + w - 4 - (i % 2) * 3)}", stroke="#aab6c6",
               stroke_width=1.0, fill="none")
        ly += 2.8
        i += 1
    width = badge_text_width("ISO") + 5.2
    badge(s, x + w / 2 + width / 2, plate_bottom, "ISO", "teal")


def drive(s, x, y, w, h):
    """An optical drive seen from the front: face, tray slot, light, eject key."""
    s.comment("drive")
    s.path(rrect_d(x + 1.2, y + 1.6, w, h, 2), fill=SHADOW, fill_opacity=0.25)
    face = s.linear(x, y, x + w * 0.3, y + h * 1.6, [(0, "#fbfcfe"), (0.55, "#d9dfe8"), (1, "#aeb8c7")])
    s.path(rrect_d(x, y, w, h, 2), fill=face, stroke="#4d5a6f", stroke_width=1.0)
    s.path(f"M{pt(x + 2, y + 1.1)} H{fmt(x + w - 2)}", stroke="#ffffff", stroke_width=0.9,
           fill="none")
    slot_y = y + h * 0.42
    s.path(rrect_d(x + 3, slot_y - 1, w - 6, 2.2, 1), fill="#3a4558")
    s.path(f"M{pt(x + 3.5, slot_y + 2)} H{fmt(x + w - 3.5)}", stroke="#ffffff",
           stroke_opacity=0.8, stroke_width=0.7, fill="none")
    led_y = y + h * 0.74
    s.el("circle", cx=x + 5.0, cy=led_y, r=1.2, fill="#3fd760", stroke="#1d7a34",
         stroke_width=0.5)
    s.path(rrect_d(x + w - 9.5, led_y - 1.6, 6, 3.2, 1.2), fill="#c2cad6", stroke="#5d6a7e",
           stroke_width=0.7)
    s.path(poly_d([(x + w - 6.5, led_y - 0.9), (x + w - 5.1, led_y + 0.3), (x + w - 7.9, led_y + 0.3)]),
           fill="#4d5a6f")


def virtual_disc(s, cx, cy, r):
    """A disc that is only an image: a teal glass of a disc with a dashed rim."""
    light, dark, outline = ACCENTS["teal"]
    s.comment("virtual disc")
    glow = s.radial(cx, cy, r + 4, [(0, light, 0), (0.7, light, 0.3), (1, light, 0)])
    s.el("circle", cx=float(cx), cy=float(cy), r=float(r + 4), fill=glow)
    hub, hole = r * 0.31, r * 0.14
    glass = s.linear(cx - r, cy - r, cx + r, cy + r, [(0, "#f4fffd", 0.95), (0.5, "#bff0e8", 0.8),
                                                      (1, "#6fd3c6", 0.75)])
    s.path(ring_d(cx, cy, r, hole), fill=glass, fill_rule="evenodd")
    streak = s.radial(cx, cy, r, [(0, "#ffffff", 0), (0.4, "#ffffff", 0.1), (1, "#ffffff", 0.95)])
    for a1, a2 in ((216, 246), (36, 60)):
        s.path(sector_d(cx, cy, r - 1, hub, a1, a2), fill=streak)
    s.el("circle", cx=float(cx), cy=float(cy), r=float(r - 0.6), fill="none", stroke=outline,
         stroke_width=1.2, stroke_dasharray="2.6,1.6")
    s.el("circle", cx=float(cx), cy=float(cy), r=float(hub), fill="none", stroke=outline,
         stroke_opacity=0.6, stroke_width=0.8, stroke_dasharray="1.6,1.2")
    s.el("circle", cx=float(cx), cy=float(cy), r=float(hole), fill="none", stroke=outline,
         stroke_width=0.9)


def music_note(s, x, y, size, accent="violet", halo=True):
    """Two beamed quavers, `size` high, top left at x, y."""
    light, dark, outline = ACCENTS[accent]
    k = size / 18.0
    def P(px, py):
        return (x + px * k, y + py * k)
    s.comment("music note")
    heads = [P(4.2, 15), P(13.6, 12.6)]
    stems = [(P(6.8, 14.2), P(6.8, 3.6)), (P(16.2, 11.8), P(16.2, 1.2))]
    beam = [P(6.8 - 0.9, 3.6), P(16.2 + 0.9, 1.2), P(16.2 + 0.9, 5.0), P(6.8 - 0.9, 7.4)]
    shapes = []
    for (sx, sy), (tx, ty) in stems:
        shapes.append(poly_d([(sx - 0.9 * k, sy), (sx + 0.9 * k, sy), (tx + 0.9 * k, ty), (tx - 0.9 * k, ty)]))
    shapes.append(poly_d(beam))
    fill = s.linear(x, y, x + size, y + size, [(0, light), (1, dark)])
    if halo:
        for d in shapes:
            s.path(d, fill="none", stroke="#ffffff", stroke_width=2.6 * k, stroke_linejoin="round")
        for hx, hy in heads:
            s.el("ellipse", cx=hx, cy=hy, rx=3.6 * k + 1.3, ry=2.7 * k + 1.3, fill="#ffffff",
                 transform=f"rotate(-24 {fmt(hx)} {fmt(hy)})")
    for d in shapes:
        s.path(d, fill=fill, stroke=outline, stroke_width=0.8, stroke_linejoin="round")
    for hx, hy in heads:
        s.el("ellipse", cx=hx, cy=hy, rx=3.6 * k, ry=2.7 * k, fill=fill, stroke=outline,
             stroke_width=0.8, transform=f"rotate(-24 {fmt(hx)} {fmt(hy)})")
        s.el("ellipse", cx=hx - 1.1 * k, cy=hy - 0.8 * k, rx=1.2 * k, ry=0.7 * k,
             fill="#ffffff", fill_opacity=0.55, transform=f"rotate(-24 {fmt(hx)} {fmt(hy)})")


def round_badge(s, cx, cy, r, accent, halo=1.2):
    light, dark, outline = ACCENTS[accent]
    s.el("circle", cx=cx + 0.6, cy=cy + 1.0, r=r + halo, fill=SHADOW, fill_opacity=0.22)
    s.el("circle", cx=cx, cy=cy, r=r + halo, fill="#ffffff")
    fill = s.linear(cx - r, cy - r, cx + r * 0.6, cy + r, [(0, light), (1, dark)])
    s.el("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=outline, stroke_width=1.0)
    s.path(arc_d(cx, cy, r - 1.3, 195, 285), stroke="#ffffff", stroke_opacity=0.55,
           stroke_width=1.0, fill="none", stroke_linecap="round")


def info_badge(s, cx, cy, r):
    s.comment("information badge")
    round_badge(s, cx, cy, r, "blue")
    s.el("circle", cx=cx, cy=cy - r * 0.45, r=r * 0.17, fill="#ffffff")
    stem = r * 0.3
    s.path(f"M{pt(cx - stem * 1.1, cy - r * 0.14)} H{fmt(cx + stem / 2)} V{fmt(cy + r * 0.45)} "
           f"H{fmt(cx + stem * 0.95)} V{fmt(cy + r * 0.6)} H{fmt(cx - stem * 1.15)} "
           f"V{fmt(cy + r * 0.45)} H{fmt(cx - stem / 2)} V{fmt(cy + r * 0.01)} "
           f"H{fmt(cx - stem * 1.1)} Z", fill="#ffffff")


def film_strip(s, x, y, w, h, accent, text=None):
    """A piece of film: sprocket rows along both edges, coloured frames between."""
    light, dark, outline = ACCENTS[accent]
    s.comment("film strip")
    s.path(rrect_d(x + 0.8, y + 1.2, w, h, 1.8), fill=SHADOW, fill_opacity=0.25)
    base = s.linear(0, y, 0, y + h, [(0, "#485266"), (1, "#1b2130")])
    s.path(rrect_d(x, y, w, h, 1.8), fill=base, stroke="#141925", stroke_width=0.9)
    hole_w, hole_h, gap = 1.8, 1.3, 1.5
    count = int((w - 2) // (hole_w + gap))
    start = x + (w - (count * (hole_w + gap) - gap)) / 2
    for i in range(count):
        hx = start + i * (hole_w + gap)
        for hy in (y + 1.0, y + h - 1.0 - hole_h):
            s.path(rrect_d(hx, hy, hole_w, hole_h, 0.4), fill="#f2f5fa", fill_opacity=0.9)
    band_y, band_h = y + 3.2, h - 6.4
    frame = s.linear(0, band_y, 0, band_y + band_h, [(0, light), (1, dark)])
    s.path(rrect_d(x + 1.5, band_y, w - 3, band_h, 0.8), fill=frame)
    if text:
        tw = badge_text_width(text)
        badge_text(s, x + (w - tw) / 2, band_y + (band_h - BADGE_CAP) / 2, text)


def eraser(s, cx, cy, angle, length=24.0, width=10.0):
    """A two-part eraser lying at `angle` degrees, centred on cx, cy."""
    s.comment("eraser")
    x0, y0 = cx - length / 2, cy - width / 2
    rubber = length * 0.58
    s.open(f'transform="rotate({fmt(angle)} {fmt(cx)} {fmt(cy)})"')
    s.path(rrect_d(x0 + 1.0, y0 + 1.6, length, width, 2.2), fill=SHADOW, fill_opacity=0.25)
    pink = s.linear(0, y0, 0, y0 + width, [(0, "#ffc2cb"), (0.5, "#f47a8a"), (1, "#d9435a")])
    s.path(f"M{pt(x0 + 2.2, y0)} H{fmt(x0 + rubber)} V{fmt(y0 + width)} H{fmt(x0 + 2.2)} "
           f"A2.2,2.2 0 0 1 {pt(x0, y0 + width - 2.2)} V{fmt(y0 + 2.2)} "
           f"A2.2,2.2 0 0 1 {pt(x0 + 2.2, y0)} Z", fill=pink, stroke="#9e2236", stroke_width=1.0)
    light, dark, outline = ACCENTS["blue"]
    sleeve = s.linear(0, y0, 0, y0 + width, [(0, "#8cc0ff"), (0.5, light), (1, dark)])
    s.path(f"M{pt(x0 + rubber, y0)} H{fmt(x0 + length - 2.2)} "
           f"A2.2,2.2 0 0 1 {pt(x0 + length, y0 + 2.2)} V{fmt(y0 + width - 2.2)} "
           f"A2.2,2.2 0 0 1 {pt(x0 + length - 2.2, y0 + width)} H{fmt(x0 + rubber)} Z",
           fill=sleeve, stroke=outline, stroke_width=1.0)
    s.path(f"M{pt(x0 + 2.2, y0 + 1.3)} H{fmt(x0 + length - 2.2)}", stroke="#ffffff",
           stroke_opacity=0.6, stroke_width=0.9, fill="none")
    s.close()


def arrow(s, x1, y1, x2, y2, accent="green", shaft=4.2, head=10.0, head_len=7.0):
    """A straight arrow from x1, y1 to its tip at x2, y2."""
    light, dark, outline = ACCENTS[accent]
    length = math.hypot(x2 - x1, y2 - y1)
    angle = math.degrees(math.atan2(y2 - y1, x2 - x1))
    body = length - head_len
    points = [(0, -shaft / 2), (body, -shaft / 2), (body, -head / 2), (length, 0),
              (body, head / 2), (body, shaft / 2), (0, shaft / 2)]
    placed = transform_points(points, x1, y1, angle)
    s.comment("arrow")
    s.path(poly_d([(px + 0.7, py + 1.1) for px, py in placed]), fill=SHADOW, fill_opacity=0.22)
    s.path(poly_d(placed), fill="none", stroke="#ffffff", stroke_width=2.4, stroke_linejoin="round")
    fill = s.linear(x1, y1 - head, x2, y2 + head, [(0, light), (1, dark)])
    s.path(poly_d(placed), fill=fill, stroke=outline, stroke_width=1.0, stroke_linejoin="round")


def bent_arrow(s, points, accent="green", shaft=3.6, head=9.0, head_len=6.0):
    """An arrow along a polyline, its tip at the last point."""
    light, dark, outline = ACCENTS[accent]
    (px, py), (tx, ty) = points[-2], points[-1]
    length = math.hypot(tx - px, ty - py)
    ux, uy = (tx - px) / length, (ty - py) / length
    base = (tx - ux * head_len, ty - uy * head_len)
    nx, ny = -uy * head / 2, ux * head / 2
    tip = [(tx, ty), (base[0] + nx, base[1] + ny), (base[0] - nx, base[1] - ny)]
    line = "M" + " L".join(pt(x, y) for x, y in points[:-1] + [base])
    s.comment("arrow")
    s.open('transform="translate(0.7,1.1)"')
    s.path(line, fill="none", stroke=SHADOW, stroke_opacity=0.22, stroke_width=shaft + 1,
           stroke_linejoin="round")
    s.path(poly_d(tip), fill=SHADOW, fill_opacity=0.22)
    s.close()
    xs = [x for x, _ in points]
    ys = [y for _, y in points]
    fill = s.linear(min(xs), min(ys), max(xs), max(ys), [(0, light), (1, dark)])
    s.path(line, fill="none", stroke="#ffffff", stroke_width=shaft + 4.4, stroke_linejoin="round")
    s.path(poly_d(tip), fill="none", stroke="#ffffff", stroke_width=2.4, stroke_linejoin="round")
    s.path(line, fill="none", stroke=outline, stroke_width=shaft + 2, stroke_linejoin="round")
    s.path(poly_d(tip), fill=fill, stroke=outline, stroke_width=1.0, stroke_linejoin="round")
    s.path(line, fill="none", stroke=fill, stroke_width=shaft, stroke_linejoin="round")


def sparkle(s, cx, cy, r):
    """A four-pointed glint."""
    k = r * 0.28
    d = (f"M{pt(cx, cy - r)} Q{pt(cx + k * 0.3, cy - k * 0.3)} {pt(cx + r, cy)} "
         f"Q{pt(cx + k * 0.3, cy + k * 0.3)} {pt(cx, cy + r)} "
         f"Q{pt(cx - k * 0.3, cy + k * 0.3)} {pt(cx - r, cy)} "
         f"Q{pt(cx - k * 0.3, cy - k * 0.3)} {pt(cx, cy - r)} Z")
    s.path(d, fill="none", stroke="#ffffff", stroke_width=1.6, stroke_linejoin="round")
    fill = s.linear(cx - r, cy - r, cx + r, cy + r, [(0, "#fff3a0"), (1, "#f4a81c")])
    s.path(d, fill=fill, stroke="#a86a06", stroke_width=0.6, stroke_linejoin="round")


def flame(s, x, y, size, halo=2.2):
    """A flame `size` high, top left at x, y: burning a disc."""
    k = size / 16.0
    def P(px, py):
        return pt(x + px * k, y + py * k)
    s.comment("flame")
    outer = (f"M{P(6.5, 0)} C{P(7.5, 3.5)} {P(12.5, 5.5)} {P(12.5, 10.2)} "
             f"C{P(12.5, 13.6)} {P(9.8, 16)} {P(6.4, 16)} C{P(2.9, 16)} {P(0.4, 13.5)} {P(0.4, 10.4)} "
             f"C{P(0.4, 7.6)} {P(2.2, 6)} {P(3.4, 4.6)} C{P(3.6, 6.4)} {P(4.4, 7.4)} {P(5.3, 7.8)} "
             f"C{P(5.1, 5)} {P(5.2, 2.4)} {P(6.5, 0)} Z")
    inner = (f"M{P(6.6, 7.4)} C{P(7.4, 9.4)} {P(9.6, 10.4)} {P(9.6, 12.6)} "
             f"C{P(9.6, 14.3)} {P(8.2, 15.2)} {P(6.5, 15.2)} C{P(4.7, 15.2)} {P(3.4, 14)} {P(3.4, 12.5)} "
             f"C{P(3.4, 11.2)} {P(4.2, 10.4)} {P(4.9, 9.8)} C{P(5.2, 10.8)} {P(5.6, 11.2)} {P(6.1, 11.4)} "
             f"C{P(5.9, 10)} {P(6, 8.6)} {P(6.6, 7.4)} Z")
    s.path(outer, fill="none", stroke="#ffffff", stroke_width=halo, stroke_linejoin="round")
    fill = s.linear(0, y, 0, y + size, [(0, "#ffb347"), (0.55, "#f5602a"), (1, "#d9301f")])
    s.path(outer, fill=fill, stroke="#9b2412", stroke_width=halo * 0.4, stroke_linejoin="round")
    core = s.linear(0, y + size * 0.45, 0, y + size, [(0, "#fff3a8"), (1, "#ffc340")])
    s.path(inner, fill=core)


def waveform(s, x, cy, height, colour="#ffffff", bar=2.0, step=3.0):
    """Level bars of a sound, left edge at x; whole units keep them sharp at 1x."""
    heights = [0.3, 0.62, 1.0, 0.78, 0.5, 0.88, 0.4]
    for i, hk in enumerate(heights):
        bx = x + step * i + bar / 2
        hh = max(bar, height * hk)
        s.path(rrect_d(bx - bar / 2, cy - hh / 2, bar, hh, bar / 2), fill=colour)


def clapper(s, x, y, w, h):
    """A film clapperboard, open."""
    s.comment("clapperboard")
    s.path(rrect_d(x + 1.0, y + 4.6, w, h - 3.4, 1.6), fill=SHADOW, fill_opacity=0.25)
    board = s.linear(0, y + 4, 0, y + h, [(0, "#4a5468"), (1, "#1c2231")])
    s.path(rrect_d(x, y + 3.6, w, h - 3.6, 1.6), fill=board, stroke="#121723", stroke_width=0.9)
    light, dark, outline = ACCENTS["orange"]
    # the stick, raised from its hinge at the left
    s.open(f'transform="rotate(-16 {fmt(x + 0.5)} {fmt(y + 3.6)})"')
    s.path(rrect_d(x, y - 0.2, w, 3.8, 0.9), fill="#1f2533", stroke="#121723", stroke_width=0.8)
    for i in range(4):
        sx = x + 2.2 + i * (w / 4.2)
        s.path(poly_d([(sx, y - 0.2), (sx + 2.6, y - 0.2), (sx + 1.2, y + 3.6), (sx - 1.4, y + 3.6)]),
               fill="#f4f6fa")
    s.close()
    band = s.linear(0, y + 5, 0, y + 9, [(0, light), (1, dark)])
    s.path(rrect_d(x + 1.4, y + 5.2, w - 2.8, 3.2, 0.6), fill=band)
    for i in range(3):
        ly = y + 10.6 + i * 2.4
        if ly > y + h - 1.6:
            break
        s.path(f"M{pt(x + 2.4, ly)} H{fmt(x + w - 2.4 - i * 3)}", stroke="#c6cfdd",
               stroke_opacity=0.85, stroke_width=0.9, fill="none")


# ---------------------------------------------------------------------------------------------
# The wordmark: a geometric monoline face drawn for the product name. Letters are built from
# stems, bowls (rings and ring sectors) and diagonal bands in units where the x-height is 100,
# y pointing up from the baseline; every piece is turned clockwise on screen so that one path
# with the non-zero rule unites them.

X_HEIGHT = 100.0
CAP = 136.0
ASCENDER = 142.0
OVERSHOOT = 1.6


def _shoelace(points):
    area = 0.0
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        area += x1 * y2 - x2 * y1
    return area / 2


def _clip(points, inside, cut):
    out = []
    for i, current in enumerate(points):
        previous = points[i - 1]
        if inside(current):
            if not inside(previous):
                out.append(cut(previous, current))
            out.append(current)
        elif inside(previous):
            out.append(cut(previous, current))
    return out


def _clip_box(points, x0, y0, x1, y1):
    def cut_x(bound):
        def cut(p, q):
            t = (bound - p[0]) / (q[0] - p[0])
            return (bound, p[1] + t * (q[1] - p[1]))
        return cut

    def cut_y(bound):
        def cut(p, q):
            t = (bound - p[1]) / (q[1] - p[1])
            return (p[0] + t * (q[0] - p[0]), bound)
        return cut

    points = _clip(points, lambda p: p[0] >= x0, cut_x(x0))
    points = _clip(points, lambda p: p[0] <= x1, cut_x(x1))
    points = _clip(points, lambda p: p[1] >= y0, cut_y(y0))
    points = _clip(points, lambda p: p[1] <= y1, cut_y(y1))
    return points


class Glyph:
    def __init__(self, width, left, right):
        self.width = width
        self.left = left
        self.right = right
        self.pieces = []

    def rect(self, x0, y0, x1, y1):
        self.pieces.append(("poly", [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]))

    def poly(self, points):
        self.pieces.append(("poly", list(points)))

    def ring(self, cx, cy, outer, inner):
        self.pieces.append(("ring", cx, cy, outer, inner))

    def sector(self, cx, cy, outer, inner, a1, a2):
        """Counter-clockwise (y up) from a1 to a2 degrees."""
        self.pieces.append(("sector", cx, cy, outer, inner, a1, a2))

    def band(self, p, q, thickness, box, from_inside=False):
        """A straight stroke from p to q, running past its ends and cut there by box; one that
        starts `from_inside` another stroke ends square at p."""
        (px, py), (qx, qy) = p, q
        length = math.hypot(qx - px, qy - py)
        ux, uy = (qx - px) / length, (qy - py) / length
        nx, ny = -uy * thickness / 2, ux * thickness / 2
        ext = thickness * 2
        a = (px, py) if from_inside else (px - ux * ext, py - uy * ext)
        b = (qx + ux * ext, qy + uy * ext)
        quad = [(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny), (b[0] - nx, b[1] - ny),
                (a[0] - nx, a[1] - ny)]
        self.poly(_clip_box(quad, *box))


def build_glyph(char, stem):
    curve = stem * 0.96
    r_o = X_HEIGHT / 2 + OVERSHOOT
    mid = X_HEIGHT / 2
    if char == "o":
        g = Glyph(2 * r_o, 5, 5)
        g.ring(r_o, mid, r_o, r_o - curve)
    elif char == "a":
        g = Glyph(2 * r_o, 5, 9)
        g.ring(r_o, mid, r_o, r_o - curve)
        g.rect(2 * r_o - stem, 0, 2 * r_o, X_HEIGHT)
    elif char == "e":
        g = Glyph(2 * r_o, 5, 3)
        g.sector(r_o, mid, r_o, r_o - curve, 0, 320)
        bar = stem * 0.42
        g.rect(curve * 0.5, mid - bar, 2 * r_o, mid + bar)
    elif char == "n":
        r_n = 46.0
        cy = X_HEIGHT + OVERSHOOT - r_n
        g = Glyph(2 * r_n, 9, 9)
        g.rect(0, 0, stem, X_HEIGHT)
        g.sector(r_n, cy, r_n, r_n - curve, 0, 180)
        g.rect(2 * r_n - stem, 0, 2 * r_n, cy)
    elif char == "r":
        r_r = 46.0
        cy = X_HEIGHT + OVERSHOOT - r_r
        end = 62
        g = Glyph(r_r + r_r * math.cos(math.radians(end)), 9, 0)
        g.rect(0, 0, stem, X_HEIGHT)
        g.sector(r_r, cy, r_r, r_r - curve, end, 180)
    elif char == "l":
        g = Glyph(stem, 9, 9)
        g.rect(0, 0, stem, ASCENDER)
    elif char in "vV":
        height = X_HEIGHT if char == "v" else CAP
        width = 94.0 if char == "v" else 124.0
        g = Glyph(width, 1, 1)
        apex = stem * 0.92
        half = width / 2 - apex / 2
        theta = math.atan(half / height)
        t = stem * 0.97 / math.cos(theta)
        yi = height * (1 - (width / 2 - t) / half)
        g.poly([(0, height), (t, height), (width / 2, yi), (width - t, height), (width, height),
                (width / 2 + apex / 2, 0), (width / 2 - apex / 2, 0)])
    elif char == "K":
        width = 100.0
        g = Glyph(width, 9, 1)
        g.rect(0, 0, stem, CAP)
        box = (stem * 0.5, 0, width, CAP)
        diagonal = stem * 0.97
        arm_from = (stem * 0.6, CAP * 0.3)
        arm_to = (width - diagonal * 0.62, CAP)
        g.band(arm_from, arm_to, diagonal, box)
        t = 0.42
        joint = (arm_from[0] + (arm_to[0] - arm_from[0]) * t,
                 arm_from[1] + (arm_to[1] - arm_from[1]) * t)
        g.band(joint, (width - diagonal * 0.66, 0), diagonal, box, from_inside=True)
    else:
        raise ValueError(char)
    return g


KERNING = {("K", "o"): -10, ("r", "v"): 4, ("V", "o"): -12, ("o", "r"): 0, ("r", "e"): -2,
           ("e", "r"): 0, ("v", "a"): -2, ("o", "v"): -2}


def wordmark_d(text, x, baseline, scale, stem, tracking=0.0, word_gap=34.0):
    """The path of `text` with its first letter's left edge at x; returns (d, width)."""
    pieces = []
    cursor = 0.0
    previous = None
    for char in text:
        if char == " ":
            cursor += word_gap
            previous = None
            continue
        g = build_glyph(char, stem)
        if previous is not None:
            cursor += KERNING.get((previous, char), 0) + tracking + g.left
        for piece in g.pieces:
            pieces.append((cursor, piece))
        cursor += g.width + g.right
        previous = char
    width = cursor - (g.right if previous else 0)

    def screen(px, py):
        return (x + px * scale, baseline - py * scale)

    parts = []
    for dx, piece in pieces:
        kind = piece[0]
        if kind == "poly":
            points = [screen(dx + px, py) for px, py in piece[1]]
            if len(points) < 3:
                continue
            if _shoelace(points) < 0:
                points.reverse()
            parts.append(poly_d(points))
        elif kind == "ring":
            _, cx, cy, outer, inner = piece
            sx, sy = screen(dx + cx, cy)
            parts.append(ring_d(sx, sy, outer * scale, inner * scale))
        else:
            _, cx, cy, outer, inner, a1, a2 = piece
            sx, sy = screen(dx + cx, cy)
            # y up turns to y down: the arc from a1 to a2 counter-clockwise is the screen arc
            # from -a2 to -a1 clockwise
            parts.append(sector_d(sx, sy, outer * scale, inner * scale, -a2, -a1))
    return " ".join(parts), width * scale


def wordmark(s, text, x, baseline, scale, stem, fill, shadow=0.35, tracking=0.0):
    d, width = wordmark_d(text, x, baseline, scale, stem, tracking)
    if shadow:
        s.open(f'transform="translate(0.6,1.1)"')
        s.path(d, fill=SHADOW, fill_opacity=shadow)
        s.close()
    s.path(d, fill=fill)
    return width


# ---------------------------------------------------------------------------------------------
# The pictures

PICTURES = []


def picture(name, width, height, title):
    def register(draw):
        PICTURES.append((name, width, height, title, draw))
        return draw
    return register


@picture("cat_data", 48, 48, "Data disc")
def cat_data(s):
    disc(s, 28.5, 19.5, 17)
    folder(s, 3, 22, 26, 21)


@picture("cat_iso", 48, 48, "ISO image")
def cat_iso(s):
    disc(s, 30, 17.5, 15.5)
    iso_page(s, 5, 9, 26, 36)


@picture("cat_erase", 48, 48, "Erase disc")
def cat_erase(s):
    disc(s, 21, 21, 18)
    eraser(s, 32, 34, -38, length=25, width=11)


@picture("cat_discinfo", 43, 52, "Disc information")
def cat_discinfo(s):
    disc(s, 20.5, 21, 18.5)
    info_badge(s, 31.5, 40.5, 9.5)


@picture("cat_audio", 48, 48, "Audio CD")
def cat_audio(s):
    disc(s, 27, 21, 18)
    music_note(s, 3, 24, 21)


@picture("cat_video", 48, 48, "Video disc")
def cat_video(s):
    disc(s, 28, 20, 17.5)
    clapper(s, 3, 24, 25, 20)


def data_task(s, tint, text, accent):
    disc(s, 22, 21, 18.5, tint)
    badge(s, 46.5, 45.5, text, accent, height=12, pad=3)


@picture("task_datacd", 48, 48, "Data CD")
def task_datacd(s):
    data_task(s, "silver", "CD", "blue")


@picture("task_datadvd", 48, 48, "Data DVD")
def task_datadvd(s):
    data_task(s, "violet", "DVD", "orange")


@picture("task_databd", 48, 48, "Blu-ray data disc")
def task_databd(s):
    data_task(s, "blue", "BD", "indigo")


@picture("task_audiocd", 48, 48, "Audio CD")
def task_audiocd(s):
    disc(s, 22, 21, 18.5)
    round_badge(s, 36, 36, 9.5, "violet")
    s.comment("note")
    music_note_small(s, 31.2, 30.5, 10)


def music_note_small(s, x, y, size):
    k = size / 10.0
    s.el("ellipse", cx=x + 2.4 * k, cy=y + 8.2 * k, rx=2.2 * k, ry=1.7 * k, fill="#ffffff",
         transform=f"rotate(-22 {fmt(x + 2.4 * k)} {fmt(y + 8.2 * k)})")
    s.path(poly_d([(x + 3.8 * k, y + 8 * k), (x + 3.8 * k, y + 0.4 * k), (x + 5 * k, y + 0.4 * k),
                   (x + 5 * k, y + 8 * k)]), fill="#ffffff")
    s.path(f"M{pt(x + 4.9 * k, y + 0.4 * k)} C{pt(x + 6.2 * k, y + 2.6 * k)} "
           f"{pt(x + 8.8 * k, y + 2.8 * k)} {pt(x + 8 * k, y + 6.4 * k)} "
           f"C{pt(x + 7.8 * k, y + 4.4 * k)} {pt(x + 6.4 * k, y + 3.6 * k)} {pt(x + 4.9 * k, y + 3.4 * k)} Z",
           fill="#ffffff")


@picture("task_audiocompressor", 48, 48, "Audio compressor")
def task_audiocompressor(s):
    light, dark, outline = ACCENTS["violet"]
    s.path(rrect_d(11.2, 9.6, 26, 30, 4), fill=SHADOW, fill_opacity=0.25)
    fill = s.linear(10, 8, 36, 38, [(0, light), (1, dark)])
    s.path(rrect_d(10.5, 8.5, 26, 30, 4), fill=fill, stroke=outline, stroke_width=1.0)
    s.path("M14,9.9 H33", stroke="#ffffff", stroke_opacity=0.5, stroke_width=0.9, fill="none")
    waveform(s, 14, 23.5, 20)
    arrow(s, 0.5, 24, 10.5, 24, "orange", shaft=3.4, head=9, head_len=5.5)
    arrow(s, 47.5, 24, 36.5, 24, "orange", shaft=3.4, head=9, head_len=5.5)


@picture("task_audiograbber", 41, 50, "Audio CD grabber")
def task_audiograbber(s):
    disc(s, 17, 16, 15.5)
    page(s, 18, 22, 21, 26, fold=5)
    round_badge(s, 28.5, 37.5, 6.8, "violet", halo=0.8)
    music_note_small(s, 25.2, 33.6, 7.2)
    bent_arrow(s, [(7, 27), (7, 40), (17.5, 40)], "green")


def video_task(s, tint, text, accent):
    disc(s, 23, 20, 18, tint)
    width = badge_text_width(text) + 8
    film_strip(s, 47 - width, 31, width, 14, accent, text)


@picture("task_vcd", 48, 48, "Video CD")
def task_vcd(s):
    video_task(s, "silver", "VCD", "orange")


@picture("task_svcd", 48, 48, "Super Video CD")
def task_svcd(s):
    video_task(s, "cyan", "SVCD", "red")


@picture("task_dvdvideo", 48, 48, "DVD video")
def task_dvdvideo(s):
    video_task(s, "violet", "DVD", "violet")


@picture("task_isoburn", 48, 48, "Burn an ISO image")
def task_isoburn(s):
    iso_page(s, 3, 2, 23, 30, fold=5, plate_bottom=16)
    disc(s, 31, 31, 15.5)
    flame(s, 34.5, 30, 16.5)


@picture("task_isobuild", 48, 48, "Build an ISO image from files")
def task_isobuild(s):
    iso_page(s, 19, 2, 25, 34, fold=6)
    folder(s, 2, 25, 22, 18)
    arrow(s, 12, 21, 22, 11, "green", shaft=3.6, head=9, head_len=6)


@picture("task_isograb", 48, 48, "Build an ISO image from a disc")
def task_isograb(s):
    disc(s, 18, 16, 15)
    iso_page(s, 22, 12, 23, 34, fold=5)
    bent_arrow(s, [(7, 28), (7, 40), (21.5, 40)], "green")


@picture("task_virtualdrive", 48, 48, "Virtual drive")
def task_virtualdrive(s):
    drive(s, 3, 29, 42, 15)
    virtual_disc(s, 24, 15.5, 13.5)


@picture("task_erase", 48, 48, "Erase a disc")
def task_erase(s):
    disc(s, 21, 21, 18.5)
    eraser(s, 33, 34, -38, length=24, width=10.5)
    s.comment("clean")
    sparkle(s, 40, 8.5, 5.2)
    sparkle(s, 44, 18, 2.8)
    sparkle(s, 8, 41, 3.2)


@picture("task_discinfo", 48, 48, "Drive and disc information")
def task_discinfo(s):
    disc(s, 20, 15, 13.5)
    drive(s, 2, 24, 38, 15)
    info_badge(s, 37, 37, 9)


@picture("arrow", 10, 15, "Marker")
def arrow_marker(s):
    light, dark, outline = ACCENTS["blue"]
    fill = s.linear(2, 2, 8, 13, [(0, light), (1, dark)])
    s.path("M2.4,2.2 L8.2,7.5 L2.4,12.8", fill="none", stroke="#0f2d66", stroke_width=3.6,
           stroke_linecap="round", stroke_linejoin="round")
    s.path("M2.4,2.2 L8.2,7.5 L2.4,12.8", fill="none", stroke=fill, stroke_width=2.0,
           stroke_linecap="round", stroke_linejoin="round")


def glyph_plate(s):
    s.el("circle", cx=11.5, cy=12.2, r=10.2, fill=SHADOW, fill_opacity=0.35)
    plate = s.linear(0, 1, 0, 22, [(0, "#ffffff", 0.42), (0.5, "#ffffff", 0.18), (1, "#ffffff", 0.1)])
    s.el("circle", cx=11.5, cy=11.5, r=9.8, fill=plate, stroke="#ffffff", stroke_opacity=0.85,
         stroke_width=1.2)


@picture("glyph_about", 23, 23, "About")
def glyph_about(s):
    glyph_plate(s)
    # whole units keep the stem sharp at 1x
    s.el("circle", cx=11.5, cy=6.5, r=1.7, fill="#ffffff")
    s.path("M10,9 H13 V17 H10 Z", fill="#ffffff")


@picture("glyph_help", 23, 23, "Help")
def glyph_help(s):
    glyph_plate(s)
    s.path("M8.4,9.2 C8.4,6.9 9.9,5.5 11.6,5.5 C13.5,5.5 14.9,6.8 14.9,8.6 C14.9,10.1 14,10.9 "
           "13,11.6 C12.1,12.2 11.5,12.8 11.5,14", fill="none", stroke="#ffffff",
           stroke_width=2.4, stroke_linecap="butt", stroke_linejoin="round")
    s.path("M10,15.5 H13 V18.5 H10 Z", fill="#ffffff")


@picture("app_icon", 256, 256, "Korvalen Vorerer")
def app_icon(s):
    s.comment("tile")
    s.path(rrect_d(12, 18, 236, 234, 52), fill=SHADOW, fill_opacity=0.3)
    tile = s.linear(8, 8, 248, 248, [(0, "#5aa2f7"), (0.5, "#2a6bd1"), (1, "#133c8f")])
    s.path(rrect_d(8, 8, 240, 240, 50), fill=tile)
    gloss = s.linear(0, 8, 0, 150, [(0, "#ffffff", 0.38), (1, "#ffffff", 0)])
    s.path(rrect_d(16, 14, 224, 124, 44), fill=gloss)
    s.path(rrect_d(9.5, 9.5, 237, 237, 48.5), fill="none", stroke="#0d2c6b", stroke_width=3)
    disc(s, 124, 124, 92, "silver", stroke=5, sheen=1.0)
    flame(s, 158, 138, 88, halo=7)


def banner_ground(s, width, height, disc_x, disc_y, radius, corner=4):
    """The blue of the banners: deep on the right where the labels and buttons sit, lit behind
    the disc, with the disc's grooves spreading from it and fading out."""
    s.comment("ground")
    base = s.linear(0, 0, width, 0, [(0, "#2f7ae4"), (0.42, "#1d59c2"), (1, "#0f3680")])
    s.path(rrect_d(0, 0, width, height, corner) if corner else f"M0,0 H{width} V{height} H0 Z",
           fill=base)
    shade = s.linear(0, 0, 0, height, [(0, "#ffffff", 0.16), (0.48, "#ffffff", 0.05),
                                       (0.5, "#000000", 0), (1, "#061a45", 0.28)])
    s.path(rrect_d(0, 0, width, height, corner) if corner else f"M0,0 H{width} V{height} H0 Z",
           fill=shade)
    glow = s.radial(disc_x, disc_y, radius * 2.6, [(0, "#9fd0ff", 0.55), (0.45, "#6fb0ff", 0.22),
                                                   (1, "#6fb0ff", 0)])
    s.el("circle", cx=float(disc_x), cy=float(disc_y), r=float(radius * 2.6), fill=glow)
    s.comment("grooves")
    fade = s.linear(disc_x, 0, disc_x + width * 0.72, 0,
                    [(0, "#ffffff", 0.2), (0.5, "#ffffff", 0.07), (1, "#ffffff", 0)])
    r = radius * 1.3
    step = radius * 0.3
    while r < width * 0.75:
        s.el("circle", cx=float(disc_x), cy=float(disc_y), r=float(r), fill="none",
             stroke=fade, stroke_width=1.0)
        r += step
        step *= 1.22
    s.path(f"M4,0.5 H{fmt(width - 4)}", stroke="#ffffff", stroke_opacity=0.45, stroke_width=1.0,
           fill="none")
    s.path(f"M0,{fmt(height - 1)} H{fmt(width)}", stroke="#78a9f1", stroke_opacity=0.9,
           stroke_width=2.0, fill="none")


@picture("banner", 655, 65, "Korvalen Vorerer")
def banner(s):
    banner_ground(s, 655, 65, 37, 32.5, 25)
    disc(s, 37, 32.5, 25, stroke=1.2)
    s.comment("wordmark")
    scale = 0.19
    width = wordmark(s, "Korvalen", 78, 42, scale, 24, "#ffffff")
    wordmark(s, "Vorerer", 78 + width + 34 * scale, 42, scale, 14, "#d4e5ff")


@picture("about_banner", 309, 105, "Korvalen Vorerer")
def about_banner(s):
    banner_ground(s, 309, 105, 54, 52.5, 37, corner=0)
    disc(s, 54, 52.5, 37, stroke=1.4)
    s.comment("wordmark")
    scale = 0.225
    wordmark(s, "Korvalen", 108, 48, scale, 24, "#ffffff")
    wordmark(s, "Vorerer", 108, 87, scale, 14, "#d4e5ff")


def main(argv):
    wanted = set(argv[1:])
    for name, width, height, title, draw in PICTURES:
        if wanted and name not in wanted:
            continue
        s = Svg(name, width, height, title)
        draw(s)
        s.write()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
