#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws kennlinie.svg, the four-quadrant characteristic-curve diagram of a
common-emitter transistor stage shown in the two "Kennlinie" windows.

    python3 kennlinie.py > kennlinie.svg

Quadrant I: output characteristics IC(UCE) for IB = 50, 100, 150 uA and the
load line from Ub/RC to Ub. Quadrant II: current transfer IC(IB) along the
load line. Quadrant III: input characteristic UBE(IB). The signals i1, i2,
u1 and u2 are one period of a sine base current projected through the
curves, so every wave is exactly what the curves make of i1.

Only the standard library is used. Text goes into plain <text> elements in
"Arial" (Liberation Sans on Linux through fontconfig): QtSvg ignores font
lists and tspan offsets, so subscripts are placed by the metrics below.
"""

import math

WIDTH, HEIGHT = 889, 663

# Transistor and stage. Currents in mA (IB in uA on its axis), voltages in V.
GAIN = 100.0           # IC / IB
EARLY = 100.0          # Early voltage: slope of the output characteristics
KNEE = 0.35            # saturation knee of the output characteristics
UB = 12.0              # supply voltage
RC = 0.6               # collector resistor in kOhm, so Ub/RC = 20 mA
IB_A = 100.0           # base current at the operating point, uA
IB_SWING = 50.0        # amplitude of i1, uA: swings from 50 to 150 uA
DIODE_M = 0.03476      # input characteristic UBE = m ln(1 + IB/I0) + r IB
DIODE_I0 = 3.4e-6      # uA
DIODE_R = 0.000518     # V per uA (base spreading resistance)

# Diagram origin and scales (px per unit), each axis pointing away from O.
OX, OY = 400, 300
PX_UCE = 26.0          # per V, right
PX_IC = 12.0           # per mA, up
PX_IB = 1.3            # per uA, left
PX_UBE = 330.0         # per V, down
UCE_MAX, IC_MAX, IB_MAX, UBE_MAX = 13.5, 22.0, 215.0, 0.85
WAVE = 84.0            # length of one signal period, px

INK = "#000000"
GRID = "#dcdcdc"
CURVE = "#1f4e9c"
LOAD = "#c0392b"
SIGNAL = "#1d8a3c"
GUIDE = "#7a7a7a"
FONT = "Arial"

# Advance widths of Arial (and the metric-compatible Liberation Sans) in
# thousandths of the font size, for the characters used here.
ADVANCE = {
    " ": 278, "(": 333, ")": 333, ",": 278, "-": 333, ".": 278, "/": 278,
    "=": 584, "µ": 576, "A": 667, "B": 667, "C": 722, "E": 667, "I": 278,
    "K": 667, "R": 722, "T": 611, "U": 722, "V": 667, "a": 556, "b": 556,
    "d": 556, "e": 556, "f": 278, "g": 556, "h": 556, "i": 222, "k": 500,
    "l": 222, "m": 833, "n": 556, "o": 556, "r": 333, "s": 500, "t": 278,
    "u": 556, "v": 500, "z": 500,
}


def text_width(s, size):
    return sum(ADVANCE.get(c, 556) for c in s) * size / 1000.0


# --- the transistor -------------------------------------------------------

def collector_current(uce, ib):
    """IC in mA for UCE in V and IB in uA."""
    return GAIN * ib / 1000.0 * (1.0 + uce / EARLY) * (1.0 - math.exp(-uce / KNEE))


def load_line_current(uce):
    return (UB - uce) / RC


def operating_voltage(ib):
    """UCE where the output characteristic for ib meets the load line."""
    low, high = 0.0, UB
    for _ in range(60):
        mid = (low + high) / 2.0
        if collector_current(mid, ib) < load_line_current(mid):
            low = mid
        else:
            high = mid
    return (low + high) / 2.0


def transfer(ib):
    return load_line_current(operating_voltage(ib))


def base_emitter_voltage(ib):
    return DIODE_M * math.log(1.0 + ib / DIODE_I0) + DIODE_R * ib


# --- coordinates ----------------------------------------------------------

def x_uce(v): return OX + v * PX_UCE
def y_ic(i): return OY - i * PX_IC
def x_ib(i): return OX - i * PX_IB
def y_ube(v): return OY + v * PX_UBE


# --- SVG writing ----------------------------------------------------------

out = []


def fmt(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def polyline(points, colour, width, dash=None):
    pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    out.append(f'<polyline points="{pts}" fill="none" stroke="{colour}" '
               f'stroke-width="{width}" stroke-linejoin="round"{extra}/>')


def line(x1, y1, x2, y2, colour, width, dash=None):
    polyline([(x1, y1), (x2, y2)], colour, width, dash)


def arrow(x1, y1, x2, y2, colour=INK, width=1.4, head=9.0):
    """A line from (x1, y1) with a filled head at (x2, y2)."""
    angle = math.atan2(y2 - y1, x2 - x1)
    bx, by = x2 - head * math.cos(angle), y2 - head * math.sin(angle)
    line(x1, y1, bx, by, colour, width)
    nx, ny = -math.sin(angle) * head * 0.38, math.cos(angle) * head * 0.38
    out.append(f'<polygon points="{fmt(x2)},{fmt(y2)} {fmt(bx + nx)},{fmt(by + ny)} '
               f'{fmt(bx - nx)},{fmt(by - ny)}" fill="{colour}"/>')


def label(x, y, parts, size, anchor="start", colour=INK, weight="normal",
          backdrop=False):
    """Writes text made of (string, subscript) parts; x, y is the baseline
    point at the given anchor. Subscripts are 70 % high and lowered."""
    sub = size * 0.7
    widths = [text_width(s, sub if low else size) for s, low in parts]
    total = sum(widths)
    left = x - {"start": 0.0, "middle": total / 2.0, "end": total}[anchor]
    if backdrop:
        out.append(f'<rect x="{fmt(left - 2)}" y="{fmt(y - size * 0.8)}" '
                   f'width="{fmt(total + 4)}" height="{fmt(size * 1.0)}" fill="#ffffff"/>')
    for (s, low), w in zip(parts, widths):
        height = sub if low else size
        # Renderers drop leading blanks of a text element: skip them here.
        lead = len(s) - len(s.lstrip(" "))
        left += text_width(s[:lead], height)
        w -= text_width(s[:lead], height)
        s = s[lead:]
        baseline = y + size * 0.25 if low else y
        out.append(f'<text x="{fmt(left)}" y="{fmt(baseline)}" font-family="{FONT}" '
                   f'font-size="{fmt(height)}" font-weight="{weight}" fill="{colour}">'
                   f'{s}</text>')
        left += w


def dot(x, y, name, dx, dy):
    out.append(f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="4.5" fill="{LOAD}" '
               f'stroke="#ffffff" stroke-width="1"/>')
    label(x + dx, y + dy, [(name, False)], 16, "middle", LOAD, "bold")


def sampled(f, a, b, n=160):
    return [f(a + (b - a) * k / n) for k in range(n + 1)]


def german(v):
    return fmt(v).replace(".", ",")


# --- the drawing ----------------------------------------------------------

def draw():
    out.append(f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" '
               f'height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}">')
    out.append(f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>')

    label(18, 28, [("Kennlinienfeld einer Emitterschaltung", False)], 17,
          weight="bold")

    uce_ticks = [2, 4, 6, 8, 10, 12]
    ic_ticks = [5, 10, 15, 20]
    ib_ticks = [50, 100, 150, 200]
    ube_ticks = [0.2, 0.4, 0.6, 0.8]

    # Grid of quadrants I, II and III.
    for v in uce_ticks:
        line(x_uce(v), OY, x_uce(v), y_ic(IC_MAX), GRID, 0.8)
    for i in ic_ticks:
        line(x_ib(IB_MAX), y_ic(i), x_uce(UCE_MAX), y_ic(i), GRID, 0.8)
    for i in ib_ticks:
        line(x_ib(i), y_ic(IC_MAX), x_ib(i), y_ube(UBE_MAX), GRID, 0.8)
    for v in ube_ticks:
        line(x_ib(IB_MAX), y_ube(v), OX, y_ube(v), GRID, 0.8)

    # Operating point and the extremes of the base current.
    levels = [IB_A, IB_A + IB_SWING, IB_A - IB_SWING]
    points = []
    for ib in levels:
        ic = transfer(ib)
        points.append({
            "ib": ib, "ic": ic, "ube": base_emitter_voltage(ib),
            "uce": operating_voltage(ib),
        })
    a = points[0]

    # Where the four time axes start, next to the curves they come from.
    u1_start = OX + 14
    i1_start = y_ube(base_emitter_voltage(IB_MAX * 0.98)) + 10
    i2_start = x_ib(IB_A + IB_SWING) - 12
    u2_start = OY + 22

    def phase(k):
        return 2.0 * math.pi * k

    # Guide lines: the operating point through all quadrants, then the
    # peaks of the signals from curve to curve and out to the waves.
    quarter = WAVE / 4.0
    for p, offset in zip(points, [0.0, quarter, 3.0 * quarter]):
        dash = "6 4" if p is a else "3 3"
        colour = LOAD if p is a else GUIDE
        x_b, y_c = x_ib(p["ib"]), y_ic(p["ic"])
        x_c, y_b = x_uce(p["uce"]), y_ube(p["ube"])
        width = 1.0
        line(x_b, y_b, x_b, y_c, colour, width, dash)            # III -> II
        line(x_b, y_c, x_c, y_c, colour, width, dash)            # II -> I
        line(x_b, y_b, x_b, i1_start + offset, colour, width, dash)
        line(u1_start + offset, y_b, x_b, y_b, colour, width, dash)
        line(i2_start - offset, y_c, x_b, y_c, colour, width, dash)
        line(x_c, y_c, x_c, u2_start + offset, colour, width, dash)

    # Operating point in quadrant IV, where the time axes of u1 and u2 meet.
    a4x, a4y = x_uce(a["uce"]), y_ube(a["ube"])
    line(u1_start + WAVE + 18, a4y, a4x, a4y, LOAD, 1.0, "6 4")
    line(a4x, u2_start + WAVE + 18, a4x, a4y, LOAD, 1.0, "6 4")

    # Axes.
    arrow(x_ib(IB_MAX) - 6, OY, x_uce(UCE_MAX) + 14, OY)
    arrow(OX, y_ube(UBE_MAX) + 6, OX, y_ic(IC_MAX) - 14)
    arrow(OX, OY, x_ib(IB_MAX) - 14, OY)
    arrow(OX, OY, OX, y_ube(UBE_MAX) + 14)
    for v in uce_ticks:
        line(x_uce(v), OY - 4, x_uce(v), OY + 4, INK, 1.2)
        label(x_uce(v), OY + 18, [(german(v), False)], 14, "middle", backdrop=True)
    for i in ic_ticks:
        line(OX - 4, y_ic(i), OX + 4, y_ic(i), INK, 1.2)
        label(OX - 8, y_ic(i) + 5, [(german(i), False)], 14, "end", backdrop=True)
    for i in ib_ticks:
        line(x_ib(i), OY - 4, x_ib(i), OY + 4, INK, 1.2)
        label(x_ib(i), OY + 18, [(german(i), False)], 14, "middle", backdrop=True)
    for v in ube_ticks:
        line(OX - 4, y_ube(v), OX + 4, y_ube(v), INK, 1.2)
        label(OX - 8, y_ube(v) + 5, [(german(v), False)], 14, "end", backdrop=True)
    label(OX - 8, OY + 18, [("0", False)], 14, "end")

    label(x_uce(UCE_MAX) + 4, OY + 20, [("U", False), ("CE", True), ("/V", False)], 17)
    label(OX + 10, y_ic(IC_MAX) - 4, [("I", False), ("C", True), ("/mA", False)], 17)
    label(x_ib(IB_MAX) - 12, OY - 8, [("I", False), ("B", True), ("/µA", False)], 17)
    label(OX + 10, y_ube(UBE_MAX) + 14, [("U", False), ("BE", True), ("/V", False)], 17)

    # Quadrant I: output characteristics and load line.
    for ib in [50, 100, 150]:
        curve = sampled(lambda u, ib=ib: (x_uce(u), y_ic(collector_current(u, ib))),
                        0.0, 13.0)
        polyline(curve, CURVE, 2.0)
        end = curve[-1]
        label(end[0] + 6, end[1] + 5,
              [("I", False), ("B", True), (f" = {ib} µA", False)], 14, colour=CURVE)
    line(x_uce(0), y_ic(UB / RC), x_uce(UB), y_ic(0), LOAD, 2.0)
    label(OX + 10, y_ic(UB / RC) - 6,
          [("U", False), ("b", True), ("/R", False), ("C", True)], 15, colour=LOAD)
    label(x_uce(UB) + 4, OY - 8, [("U", False), ("b", True)], 15, colour=LOAD)
    slope = math.degrees(math.atan2(UB / RC * PX_IC, UB * PX_UCE))
    gx, gy = x_uce(8.95), y_ic(load_line_current(8.95))
    out.append(f'<g transform="translate({fmt(gx)},{fmt(gy)}) rotate({slope:.2f})">')
    label(2, 15, [("Arbeitsgerade", False)], 13, colour=LOAD)
    out.append('</g>')

    # Quadrant II: current transfer along the load line.
    polyline(sampled(lambda ib: (x_ib(ib), y_ic(transfer(ib))), 0.0, 180.0), CURVE, 2.0)

    # Quadrant III: input characteristic, sampled evenly along the diode
    # voltage so the knee gets as many points as the straight parts.
    top = DIODE_M * math.log(1.0 + IB_MAX * 0.98 / DIODE_I0)

    def input_point(ud):
        ib = DIODE_I0 * (math.exp(ud / DIODE_M) - 1.0)
        return (x_ib(ib), y_ube(ud + DIODE_R * ib))
    polyline(sampled(input_point, 0.0, top, 240), CURVE, 2.0)

    # Signals: one period of i1 and what the curves make of it.
    def base_current(k):
        return IB_A + IB_SWING * math.sin(phase(k))

    def wave(f):
        polyline(sampled(f, 0.0, 1.0, 120), SIGNAL, 2.2)

    wave(lambda k: (u1_start + WAVE * k, y_ube(base_emitter_voltage(base_current(k)))))
    wave(lambda k: (x_ib(base_current(k)), i1_start + WAVE * k))
    wave(lambda k: (i2_start - WAVE * k, y_ic(transfer(base_current(k)))))
    wave(lambda k: (x_uce(operating_voltage(base_current(k))), u2_start + WAVE * k))

    arrow(u1_start, a4y, u1_start + WAVE + 16, a4y, width=1.1, head=8)
    arrow(x_ib(IB_A), i1_start, x_ib(IB_A), i1_start + WAVE + 16, width=1.1, head=8)
    arrow(i2_start, y_ic(a["ic"]), i2_start - WAVE - 16, y_ic(a["ic"]), width=1.1, head=8)
    arrow(a4x, u2_start, a4x, u2_start + WAVE + 16, width=1.1, head=8)
    label(u1_start + WAVE + 14, a4y - 8, [("t", False)], 15, "middle")
    label(x_ib(IB_A) + 9, i1_start + WAVE + 14, [("t", False)], 15, "start")
    label(i2_start - WAVE - 14, y_ic(a["ic"]) - 8, [("t", False)], 15, "middle")
    label(a4x + 9, u2_start + WAVE + 14, [("t", False)], 15, "start")

    hi, lo = points[1], points[2]
    label(u1_start + WAVE * 0.5, y_ube(hi["ube"]) + 22,
          [("u", False), ("1", True), ("(t)", False)], 17, "middle", SIGNAL)
    label(x_ib(hi["ib"]) - 8, i1_start + WAVE * 0.3,
          [("i", False), ("1", True), ("(t)", False)], 17, "end", SIGNAL)
    label(i2_start - WAVE * 0.5, y_ic(hi["ic"]) - 10,
          [("i", False), ("2", True), ("(t)", False)], 17, "middle", SIGNAL)
    label(x_uce(lo["uce"]) + 10, u2_start + WAVE * 0.85,
          [("u", False), ("2", True), ("(t)", False)], 17, "start", SIGNAL)

    # The operating point in every quadrant.
    dot(x_uce(a["uce"]), y_ic(a["ic"]), "A", 10, -9)
    dot(x_ib(a["ib"]), y_ic(a["ic"]), "A", 11, -9)
    dot(x_ib(a["ib"]), y_ube(a["ube"]), "A", -11, -9)
    dot(a4x, a4y, "A", 12, 18)

    out.append("</svg>")


draw()
print("\n".join(out))
