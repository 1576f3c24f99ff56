#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes umrechnung.svg, the frequency-wavelength chart (462 x 385 px).

Log-log: f in MHz from 1 to 1000 across, wavelength in m from 0,3 to 300
upwards, with the line wavelength = 300 / f. Run it from anywhere:
    python3 assets/wavelength/make_chart.py
"""
import math
import os

WIDTH, HEIGHT = 462, 385
LEFT, RIGHT, TOP, BOTTOM = 62, 446, 42, 332
FONT = 'font-family="Liberation Sans"'


def x_of(f):
    return LEFT + (RIGHT - LEFT) * math.log10(f) / 3


def y_of(wavelength):
    return TOP + (BOTTOM - TOP) * (math.log10(300) - math.log10(wavelength)) / 3


def label(value):
    text = f"{value:g}".replace(".", ",")
    return text


def main():
    out = []
    add = out.append
    add(f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
        f'viewBox="0 0 {WIDTH} {HEIGHT}">')
    add(f'  <rect width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>')
    add(f'  <text x="{(LEFT + RIGHT) / 2}" y="24" {FONT} font-size="15" font-weight="bold" '
        f'text-anchor="middle">Umrechnungstabelle Frequenz in Wellenlänge</text>')

    # Grid: every 1 to 9 of each decade, the decades darker.
    frequencies = [k * 10 ** d for d in range(3) for k in range(1, 10)] + [1000]
    wavelengths = [k * 10 ** d for d in range(-1, 3) for k in range(1, 10)
                   if 0.3 <= k * 10 ** d <= 300]
    add('  <g stroke="#b8c8d8" stroke-width="1">')
    for f in frequencies:
        x = x_of(f)
        add(f'    <line x1="{x:.1f}" y1="{TOP}" x2="{x:.1f}" y2="{BOTTOM}"/>')
    for w in wavelengths:
        y = y_of(w)
        add(f'    <line x1="{LEFT}" y1="{y:.1f}" x2="{RIGHT}" y2="{y:.1f}"/>')
    add('  </g>')
    add('  <g stroke="#5878a0" stroke-width="1.5">')
    for f in (1, 10, 100, 1000):
        x = x_of(f)
        add(f'    <line x1="{x:.1f}" y1="{TOP}" x2="{x:.1f}" y2="{BOTTOM}"/>')
    for w in (1, 10, 100):
        y = y_of(w)
        add(f'    <line x1="{LEFT}" y1="{y:.1f}" x2="{RIGHT}" y2="{y:.1f}"/>')
    add('  </g>')
    add(f'  <rect x="{LEFT}" y="{TOP}" width="{RIGHT - LEFT}" height="{BOTTOM - TOP}" '
        f'fill="none" stroke="#000000" stroke-width="1.5"/>')

    # The line wavelength = 300 / f runs from corner to corner.
    add(f'  <line x1="{x_of(1):.1f}" y1="{y_of(300):.1f}" x2="{x_of(1000):.1f}" '
        f'y2="{y_of(0.3):.1f}" stroke="#d01010" stroke-width="2.5"/>')
    lx, ly = x_of(60), y_of(300 / 60) - 10
    add(f'  <rect x="{lx - 2:.1f}" y="{ly - 14:.1f}" width="78" height="19" fill="#ffffff"/>')
    add(f'  <text x="{lx:.1f}" y="{ly:.1f}" {FONT} font-size="14" font-weight="bold" '
        f'fill="#d01010">λ = 300 / f</text>')

    add(f'  <g {FONT} font-size="11" fill="#000000" text-anchor="middle">')
    for f in (1, 2, 5, 10, 20, 50, 100, 200, 500, 1000):
        add(f'    <text x="{x_of(f):.1f}" y="{BOTTOM + 15}">{label(f)}</text>')
    add('  </g>')
    add(f'  <g {FONT} font-size="11" fill="#000000" text-anchor="end">')
    for w in (0.3, 0.5, 1, 2, 3, 5, 10, 20, 30, 50, 100, 200, 300):
        add(f'    <text x="{LEFT - 5}" y="{y_of(w) + 4:.1f}">{label(w)}</text>')
    add('  </g>')
    add(f'  <text x="{(LEFT + RIGHT) / 2}" y="{HEIGHT - 12}" {FONT} font-size="13" '
        f'font-weight="bold" text-anchor="middle">f in MHz</text>')
    mid = (TOP + BOTTOM) / 2
    add(f'  <text x="16" y="{mid}" {FONT} font-size="13" font-weight="bold" '
        f'text-anchor="middle" transform="rotate(-90 16 {mid})">λ in m</text>')
    add('</svg>')

    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'umrechnung.svg')
    with open(path, 'w', encoding='utf-8') as svg:
        svg.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
