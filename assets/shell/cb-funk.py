#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes cb-funk.gif, the looping animation of the main window: an antenna
mast sends radio waves to a handheld CB radio, whose signal meter and lamp
answer when a wave front arrives.

    python3 cb-funk.py            # writes cb-funk.gif and cb-funk@2x.gif beside this script

Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert. Each
frame is drawn as SVG, rendered to PNG and mapped onto a fixed palette that
holds the window's background #FFFF80 exactly, so the animation blends into
the pale yellow window. cb-funk@2x.gif holds the same frames at twice the
resolution, for screens with a device pixel ratio of 2.
"""

import math
import os
import subprocess
import sys
import tempfile

WIDTH, HEIGHT = 241, 97
FRAMES = 18
DELAY = 7                      # hundredths of a second per frame

BACKGROUND = (0xFF, 0xFF, 0x80)
MAST = (0x3B, 0x3F, 0x5C)
WAVE = (0xC8, 0x3A, 0x14)
BODY = (0x2E, 0x34, 0x40)
GRILL = (0x6B, 0x72, 0x80)
DISPLAY = (0xB5, 0xD9, 0x8A)
BAR = (0x2F, 0x5A, 0x1E)
LAMP_OFF = (0x6E, 0x1A, 0x1A)
LAMP_ON = (0xFF, 0x30, 0x20)
GROUND = (0xB8, 0xA8, 0x3A)
WHITE = (0xFF, 0xFF, 0xFF)
INKS = [MAST, WAVE, BODY, GRILL, DISPLAY, BAR, LAMP_OFF, LAMP_ON, GROUND, WHITE]

TIP = (38.0, 22.0)             # where the waves leave the mast
RECEIVER = (208.0, 20.0)       # top of the radio's antenna
HALF_HEIGHT = 18.0             # half the chord of a wave front
FRONTS = 3                     # wave fronts on their way at any time
BACKWARDS = 34.0               # the fronts behind the mast fade out by here
REACH = math.dist(TIP, RECEIVER)
SPACING = REACH / FRONTS


def hexcolour(c):
    return "#%02X%02X%02X" % c


def blend(under, over, amount):
    """over laid on under with the given coverage 0..1."""
    return tuple(round(u + (o - u) * amount) for u, o in zip(under, over))


def mix(c, amount):
    return blend(BACKGROUND, c, amount)


def arc(cx, cy, r, start, end):
    a0, a1 = math.radians(start), math.radians(end)
    x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
    return f"M{x0:.2f},{y0:.2f} A{r:.2f},{r:.2f} 0 0 1 {x1:.2f},{y1:.2f}"


def mast():
    x, top, ground = TIP[0], 36.0, 92.0
    parts = [f'<path d="M{x - 11},{ground} L{x - 2},{top} M{x + 11},{ground} L{x + 2},{top}" '
             f'stroke="{hexcolour(MAST)}" stroke-width="2" fill="none" stroke-linecap="round"/>']
    braces = []
    steps = 6
    for k in range(steps):
        y0 = ground - (ground - top) * k / steps
        y1 = ground - (ground - top) * (k + 1) / steps
        w0 = 11 - 9 * k / steps
        w1 = 11 - 9 * (k + 1) / steps
        braces.append(f"M{x - w0:.2f},{y0:.2f} L{x + w1:.2f},{y1:.2f} "
                      f"M{x + w0:.2f},{y0:.2f} L{x - w1:.2f},{y1:.2f}")
    parts.append(f'<path d="{" ".join(braces)}" stroke="{hexcolour(MAST)}" '
                 f'stroke-width="1" fill="none"/>')
    parts.append(f'<path d="M{x},{top} L{x},{TIP[1] + 3}" stroke="{hexcolour(MAST)}" '
                 f'stroke-width="2.4" stroke-linecap="round"/>')
    return parts


def radio(level, lamp):
    """The handheld radio; level 0..5 lit meter bars, lamp on or off."""
    ax, ay = RECEIVER
    parts = [
        f'<path d="M{ax},{ay} L{ax},44" stroke="{hexcolour(BODY)}" stroke-width="3" '
        f'stroke-linecap="round"/>',
        f'<circle cx="{ax}" cy="{ay}" r="2.6" fill="{hexcolour(BODY)}"/>',
        f'<rect x="189" y="37" width="7" height="7" rx="1.5" fill="{hexcolour(BODY)}"/>',
        f'<rect x="184" y="42" width="30" height="51" rx="5" fill="{hexcolour(BODY)}"/>',
        f'<rect x="188" y="48" width="22" height="13" rx="1.5" fill="{hexcolour(DISPLAY)}"/>',
    ]
    for k in range(5):
        h = 2 + 2 * k
        fill = BAR if k < level else blend(DISPLAY, BAR, 0.22)
        parts.append(f'<rect x="{190 + 4 * k}" y="{59 - h}" width="3" height="{h}" '
                     f'fill="{hexcolour(fill)}"/>')
    for k in range(5):
        y = 67 + 4 * k
        parts.append(f'<path d="M190,{y} L208,{y}" stroke="{hexcolour(GRILL)}" '
                     f'stroke-width="1.6" stroke-linecap="round"/>')
    colour = LAMP_ON if lamp else LAMP_OFF
    parts.append(f'<circle cx="203" cy="40" r="2.2" fill="{hexcolour(colour)}"/>')
    if lamp:
        for k, r in enumerate([5.0, 9.0]):
            parts.append(f'<path d="{arc(214, 74, r, -40, 40)}" stroke="{hexcolour(mix(BODY, 0.9 - 0.35 * k))}" '
                         f'stroke-width="1.6" fill="none" stroke-linecap="round"/>')
    return parts


def frame(n):
    """Frame n of FRAMES; every front moves one spacing per loop."""
    t = n / FRAMES
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
             f'viewBox="0 0 {WIDTH} {HEIGHT}">',
             f'<rect width="{WIDTH}" height="{HEIGHT}" fill="{hexcolour(BACKGROUND)}"/>',
             f'<path d="M0,94.5 L{WIDTH},94.5" stroke="{hexcolour(GROUND)}" stroke-width="3"/>']

    towards = math.degrees(math.atan2(RECEIVER[1] - TIP[1], RECEIVER[0] - TIP[0]))
    for k in range(FRONTS + 1):
        r = 6.0 + (k + t) * SPACING
        if r > REACH + 6:
            continue
        fade = 1.0 - 0.5 * (r - 6.0) / REACH
        colour = hexcolour(mix(WAVE, fade))
        width = 2.2 - 0.8 * (r / REACH)
        # Fronts keep one height, so they read as the usual radio symbol
        # and stay inside the picture.
        spread = math.degrees(math.asin(min(HALF_HEIGHT / r, math.sin(math.radians(55)))))
        parts.append(f'<path d="{arc(*TIP, r, towards - spread, towards + spread)}" '
                     f'stroke="{colour}" stroke-width="{width:.2f}" fill="none" '
                     f'stroke-linecap="round"/>')
        if r < BACKWARDS:
            behind = hexcolour(mix(WAVE, fade * (1.0 - r / BACKWARDS)))
            parts.append(f'<path d="{arc(*TIP, r, 180 - towards - spread, 180 - towards + spread)}" '
                         f'stroke="{behind}" stroke-width="{width:.2f}" fill="none" '
                         f'stroke-linecap="round"/>')

    parts += mast()
    # The lamp on the mast flashes as a front leaves; the radio answers while
    # the front that has just arrived passes its antenna.
    beacon = LAMP_ON if t < 0.25 else LAMP_OFF
    parts.append(f'<circle cx="{TIP[0]}" cy="{TIP[1]}" r="3" fill="{hexcolour(beacon)}"/>')
    arrival = (REACH - 6.0) / SPACING % 1.0
    since = (t - arrival) % 1.0
    level = max(0, 5 - int(since * 9)) if since < 0.6 else 0
    parts += radio(level, since < 0.4)
    parts.append("</svg>")
    return "\n".join(parts)


def palette(path):
    """Every ink blended over the background in eighths, as a plain PPM."""
    colours = {BACKGROUND}
    for c in INKS:
        for k in range(1, 9):
            colours.add(mix(c, k / 8))
    for c, d in [(BODY, DISPLAY), (BODY, GRILL), (BAR, DISPLAY), (BODY, LAMP_ON),
                 (BODY, LAMP_OFF), (MAST, LAMP_ON), (MAST, LAMP_OFF)]:
        for k in range(1, 8):
            colours.add(blend(c, d, k / 8))
    colours = sorted(colours)
    with open(path, "w") as f:
        f.write(f"P3\n{len(colours)} 1\n255\n")
        f.write("\n".join(" ".join(map(str, c)) for c in colours) + "\n")
    return len(colours)


def render(scale, target):
    """All frames at `scale` times the size in the window, into target."""
    with tempfile.TemporaryDirectory() as work:
        pngs = []
        for n in range(FRAMES):
            svg = os.path.join(work, f"frame{n:02}.svg")
            png = os.path.join(work, f"frame{n:02}.png")
            with open(svg, "w") as f:
                f.write(frame(n))
            subprocess.run(["rsvg-convert", "-w", str(WIDTH * scale), "-h", str(HEIGHT * scale),
                            "-o", png, svg], check=True)
            pngs.append(png)
        colours = os.path.join(work, "palette.ppm")
        if palette(colours) > 256:
            sys.exit("palette has more than 256 colours")
        subprocess.run(["convert", "-delay", str(DELAY), "-loop", "0", *pngs,
                        "-dither", "None", "-remap", colours,
                        "-layers", "OptimizeFrame", target], check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    # The same frames for screens of one and of two device pixels per pixel.
    render(1, os.path.join(here, "cb-funk.gif"))
    render(2, os.path.join(here, "cb-funk@2x.gif"))


if __name__ == "__main__":
    main()
