#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the circuit pictures of the two amplifier windows as SVG.

Run from anywhere: python3 circuits.py writes circuit1.svg and circuit2.svg
beside this script. Plain SVG shapes only (no markers, no tspan offsets), so
that QtSvg renders them exactly.
"""

from pathlib import Path

WIRE = "#000000"
VOLTAGE = "#0030c0"
CURRENT = "#d00000"
# QtSvg takes one family name; fontconfig maps Arial to Liberation Sans.
FONT = "Arial"
SIZE = 22
SUB_SIZE = 16
# Advance widths of the letters in use, in ems (Arial and Liberation Sans).
ADVANCE = {"U": 0.722, "R": 0.722, "C": 0.722, "I": 0.278, "b": 0.556, "c": 0.5,
           "e": 0.556, "1": 0.556, "2": 0.556}


class Drawing:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.parts = []

    def add(self, element):
        self.parts.append(element)

    def wire(self, *points, dashed=False):
        coords = " ".join(f"{x},{y}" for x, y in points)
        dash = ' stroke-dasharray="8,5"' if dashed else ""
        self.add(f'<polyline points="{coords}" fill="none" stroke="{WIRE}" '
                 f'stroke-width="2.5" stroke-linejoin="miter"{dash}/>')

    def dot(self, x, y):
        self.add(f'<circle cx="{x}" cy="{y}" r="4.5" fill="{WIRE}"/>')

    def terminal(self, x, y):
        self.add(f'<circle cx="{x}" cy="{y}" r="5.5" fill="#ffffff" stroke="{WIRE}" stroke-width="2"/>')

    def resistor(self, x, top, bottom):
        """A vertical resistor (IEC rectangle) whose body spans top..bottom."""
        self.add(f'<rect x="{x - 10}" y="{top}" width="20" height="{bottom - top}" '
                 f'fill="#ffffff" stroke="{WIRE}" stroke-width="2.5"/>')

    def capacitor_across(self, x, y, dashed=False):
        """A capacitor in a horizontal wire: two upright plates around x."""
        dash = ' stroke-dasharray="6,4"' if dashed else ""
        for plate in (x - 5, x + 5):
            self.add(f'<line x1="{plate}" y1="{y - 16}" x2="{plate}" y2="{y + 16}" '
                     f'stroke="{WIRE}" stroke-width="4"{dash}/>')

    def capacitor_upright(self, x, y, dashed=False):
        """A capacitor in a vertical wire: two level plates around y."""
        dash = ' stroke-dasharray="6,4"' if dashed else ""
        for plate in (y - 5, y + 5):
            self.add(f'<line x1="{x - 16}" y1="{plate}" x2="{x + 16}" y2="{plate}" '
                     f'stroke="{WIRE}" stroke-width="4"{dash}/>')

    def ground(self, x, y):
        self.wire((x, y), (x, y + 12))
        self.add(f'<line x1="{x - 14}" y1="{y + 12}" x2="{x + 14}" y2="{y + 12}" '
                 f'stroke="{WIRE}" stroke-width="4"/>')

    def head(self, tip, direction, colour, length=12, half_width=5):
        """A filled arrowhead with its tip at `tip`, pointing along `direction`."""
        (tx, ty), (dx, dy) = tip, direction
        norm = (dx * dx + dy * dy) ** 0.5
        dx, dy = dx / norm, dy / norm
        bx, by = tx - dx * length, ty - dy * length
        left = (bx - dy * half_width, by + dx * half_width)
        right = (bx + dy * half_width, by - dx * half_width)
        self.add(f'<polygon points="{tx:.1f},{ty:.1f} {left[0]:.1f},{left[1]:.1f} '
                 f'{right[0]:.1f},{right[1]:.1f}" fill="{colour}"/>')

    def npn(self, cx, cy):
        """An NPN transistor in its circle; returns the base, collector and
        emitter lead ends (base on the left, collector up, emitter down)."""
        self.add(f'<circle cx="{cx}" cy="{cy}" r="36" fill="#ffffff" stroke="{WIRE}" stroke-width="2.5"/>')
        bar = cx - 14
        self.add(f'<line x1="{bar}" y1="{cy - 20}" x2="{bar}" y2="{cy + 20}" '
                 f'stroke="{WIRE}" stroke-width="5"/>')
        collector = (cx + 16, cy - 32)
        emitter = (cx + 16, cy + 32)
        self.wire((bar, cy - 9), (cx + 16, cy - 28), collector)
        self.wire((bar, cy + 9), (cx + 16, cy + 28), emitter)
        # The emitter arrow points out of the transistor: NPN.
        self.head((cx + 13, cy + 26), (30, 19), WIRE, length=13, half_width=6)
        return (bar, cy), collector, emitter

    def label(self, x, y, main, sub="", anchor="start", colour=WIRE):
        """A symbol such as U with subscript be; (x, y) is the baseline point
        that `anchor` refers to."""
        main_width = SIZE * sum(ADVANCE[c] for c in main) + 1
        sub_width = SUB_SIZE * sum(ADVANCE[c] for c in sub)
        width = main_width + sub_width
        left = {"start": x, "middle": x - width / 2, "end": x - width}[anchor]
        self.add(f'<text x="{left:.1f}" y="{y}" font-family="{FONT}" font-size="{SIZE}" '
                 f'fill="{colour}">{main}</text>')
        if sub:
            self.add(f'<text x="{left + main_width:.1f}" y="{y + 5}" font-family="{FONT}" '
                     f'font-size="{SUB_SIZE}" fill="{colour}">{sub}</text>')

    def voltage(self, x, top, bottom):
        """A voltage arrow from top to bottom (from + to -) beside the circuit."""
        self.add(f'<line x1="{x}" y1="{top}" x2="{x}" y2="{bottom - 10}" '
                 f'stroke="{VOLTAGE}" stroke-width="2"/>')
        self.head((x, bottom), (0, 1), VOLTAGE, length=14, half_width=6)

    def voltage_curve(self, start, bend, tip):
        """A curved voltage arrow from start round bend to tip, arriving level."""
        (sx, sy), (bx, by), (tx, ty) = start, bend, tip
        self.add(f'<path d="M {sx} {sy} Q {bx} {by} {tx - 10} {ty}" fill="none" '
                 f'stroke="{VOLTAGE}" stroke-width="2"/>')
        self.head(tip, (1, 0), VOLTAGE, length=14, half_width=6)

    def current(self, tip, direction):
        """A current arrow on a wire."""
        self.head(tip, direction, CURRENT, length=16, half_width=7)

    def write(self, path):
        body = "\n  ".join(self.parts)
        path.write_text(
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
            f'  <rect width="{self.width}" height="{self.height}" fill="#ffffff"/>\n'
            f'  {body}\n</svg>\n', encoding="utf-8")


def divider_stage(d, top, bottom, base_y, cx, collector_y, right):
    """What both stages share: supply and ground rails, input coupling
    capacitor, the divider R1/R2, the transistor, Rc and the output coupling
    capacitor. Returns the transistor's emitter lead end."""
    left, divider_x, rc_x = 40, 190, cx + 16
    d.wire((divider_x, top), (right, top))
    d.wire((left, bottom), (right, bottom))
    for y in (top, bottom):
        d.terminal(right, y)
    d.terminal(left, bottom)
    d.terminal(left, base_y)

    # Input coupling capacitor into the base node.
    d.wire((left + 5, base_y), (divider_x, base_y))
    d.add(f'<rect x="104" y="{base_y - 18}" width="12" height="36" fill="#ffffff"/>')
    d.capacitor_across(110, base_y)
    d.label(110, base_y - 26, "C", "1", anchor="middle")

    # Divider from the supply through the base node to ground.
    r1_top, r1_bottom = top + 55, top + 125
    r2_top = base_y + 75
    d.wire((divider_x, top), (divider_x, bottom))
    d.resistor(divider_x, r1_top, r1_bottom)
    d.resistor(divider_x, r2_top, r2_top + 70)
    d.dot(divider_x, base_y)

    base, collector, emitter = d.npn(cx, base_y)
    d.wire((divider_x, base_y), base)

    # Collector resistor and the output coupling capacitor.
    d.wire((rc_x, top), (rc_x, collector_y), collector)
    d.resistor(rc_x, top + 25, top + 90)
    d.label(rc_x + 18, top + 65, "R", "c")
    d.dot(rc_x, top)
    d.dot(rc_x, collector_y)
    out_cap = right - 95
    d.wire((rc_x, collector_y), (right - 5, collector_y))
    d.add(f'<rect x="{out_cap - 6}" y="{collector_y - 18}" width="12" height="36" fill="#ffffff"/>')
    d.capacitor_across(out_cap, collector_y)
    d.label(out_cap, collector_y - 26, "C", "2", anchor="middle")
    d.terminal(right, collector_y)

    # Supply voltage between the supply and ground terminals.
    d.voltage(right + 30, top + 12, bottom - 12)

    d.dot(divider_x, bottom)
    d.ground(cx - 30, bottom)

    # Base and collector currents.
    d.current((base[0] - 40, base_y), (1, 0))
    d.label(base[0] - 48, base_y - 12, "I", "b", anchor="middle", colour=CURRENT)
    d.current((rc_x, collector_y + 34), (0, 1))
    d.label(rc_x + 12, collector_y + 32, "I", "c", colour=CURRENT)
    return emitter, (r1_top, r1_bottom), r2_top


def circuit1(path):
    """Emitter on ground: Uce and Ube are taken against ground."""
    d = Drawing(613, 471)
    top, bottom, base_y, cx, collector_y, right = 45, 420, 255, 330, 165, 560
    emitter, (r1_top, r1_bottom), r2_top = divider_stage(d, top, bottom, base_y, cx, collector_y, right)
    d.wire(emitter, (emitter[0], bottom))
    d.dot(emitter[0], bottom)
    d.label(172, (r1_top + r1_bottom) // 2 + 8, "R", "1", anchor="end")
    d.label(172, r2_top + 43, "R", "2", anchor="end")
    d.voltage(410, collector_y + 12, bottom - 8)
    d.label(418, 305, "U", "ce", colour=VOLTAGE)
    d.voltage(255, base_y + 14, bottom - 8)
    d.label(263, 350, "U", "be", colour=VOLTAGE)
    d.label(right + 22, (top + bottom) // 2 + 8, "U", "b", anchor="end", colour=VOLTAGE)
    d.write(path)


def circuit2(path):
    """Emitter resistor Re with the emitter capacitor Ce across it: Uce and
    Ube are taken against the emitter, U2 across R2."""
    d = Drawing(648, 542)
    top, bottom, base_y, cx, collector_y, right = 45, 495, 245, 330, 160, 590
    emitter, (r1_top, r1_bottom), r2_top = divider_stage(d, top, bottom, base_y, cx, collector_y, right)
    ex, node_y = emitter[0], 322
    d.wire(emitter, (ex, bottom))
    d.resistor(ex, node_y + 50, node_y + 120)
    d.label(ex + 18, node_y + 93, "R", "e")
    d.dot(ex, node_y)
    d.dot(ex, bottom)

    # Emitter capacitor, drawn dashed: it may be left out.
    ce_x = 470
    d.wire((ex, node_y), (ce_x, node_y), (ce_x, bottom), dashed=True)
    d.add(f'<rect x="{ce_x - 18}" y="{node_y + 78}" width="36" height="12" fill="#ffffff"/>')
    d.capacitor_upright(ce_x, node_y + 84, dashed=True)
    d.label(ce_x + 24, node_y + 92, "C", "e")
    d.dot(ce_x, bottom)

    d.current((ex, node_y + 36), (0, 1))
    d.label(ex - 10, node_y + 36, "I", "e", anchor="end", colour=CURRENT)

    d.label(206, (r1_top + r1_bottom) // 2 + 8, "R", "1")
    d.label(206, r2_top + 43, "R", "2")
    d.voltage(410, collector_y + 12, node_y - 10)
    d.label(418, 250, "U", "ce", colour=VOLTAGE)
    d.voltage_curve((290, base_y + 12), (290, node_y - 16), (ex - 6, node_y - 16))
    d.label(282, node_y - 18, "U", "be", anchor="end", colour=VOLTAGE)
    d.voltage(140, base_y + 14, bottom - 10)
    d.label(132, r2_top + 43, "U", "2", anchor="end", colour=VOLTAGE)
    d.label(right + 27, 350, "U", "b", anchor="end", colour=VOLTAGE)
    d.write(path)


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    circuit1(here / "circuit1.svg")
    circuit2(here / "circuit2.svg")
