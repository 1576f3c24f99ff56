# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Captures the bottom rows of an X window, the client area below its menu
bar, as the X server shows them, into a picture file (PPM).

    capture.py settle <window> <rows> <picture> <seconds>
        captures again and again until the window shows a state it showed
        before, at least a moment earlier: a still window once painted, an
        animated one once its loop has come round.
    capture.py bar <window> <rows> <picture> <seconds>
        as settle, but captures what lies above the bottom rows: the menu
        bar above the client area.
    capture.py match <window> <rows> <picture> <reference> <seconds>
        captures again and again until a capture is the same as the
        reference picture, so that an animation or a blinking text caret
        comes round to the state the reference shows. If none is, the
        picture is the last capture.

Either fails when the time is up. Goes through Xlib by Debian's python3, so
nothing but the X libraries is needed."""

import ctypes
import sys
import time

# A state seen again after this many seconds is no passing one, such as a
# window not painted yet.
SETTLED = 0.3
# Between captures, time for the program to draw.
PAUSE = 0.02


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
                ("obdata", ctypes.c_void_p),
                # create_image, destroy_image, get_pixel, put_pixel, sub_image, add_pixel
                ("funcs", ctypes.c_void_p * 6)]


class XWindowAttributes(ctypes.Structure):
    # Only the leading fields are read; the rest is room for the whole reply.
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
xlib.XGetImage.restype = ctypes.POINTER(XImage)
xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
ALL_PLANES = 0xFFFFFFFF
Z_PIXMAP = 2
DESTROY_IMAGE = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(XImage))


def capture(display, window, rows, above=False):
    """(width, height, RGB bytes) of the window's bottom rows, or with
    `above` of the rows above them."""
    attributes = XWindowAttributes()
    xlib.XGetWindowAttributes(display, window, ctypes.byref(attributes))
    width, height = attributes.width, min(rows, attributes.height)
    top = attributes.height - height
    if above:
        top, height = 0, top
        if height == 0:
            sys.exit(f"window {window:#x} has nothing above its bottom {rows} rows")
    image = xlib.XGetImage(display, window, 0, top, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        sys.exit(f"cannot read window {window:#x}")
    picture = image.contents
    if picture.bits_per_pixel != 32 or picture.byte_order != 0 or picture.bytes_per_line != 4 * width:
        sys.exit("the X server's pixels are not 32-bit BGRX")
    data = ctypes.string_at(picture.data, 4 * width * height)
    DESTROY_IMAGE(picture.funcs[1])(image)
    rgb = bytearray(3 * width * height)
    rgb[0::3] = data[2::4]
    rgb[1::3] = data[1::4]
    rgb[2::3] = data[0::4]
    return width, height, bytes(rgb)


def write_ppm(path, shot):
    width, height, rgb = shot
    with open(path, "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (width, height) + rgb)


def read_ppm(path):
    """Reads back a picture written by write_ppm."""
    with open(path, "rb") as source:
        _, size, _, rgb = source.read().split(b"\n", 3)
    width, height = map(int, size.split())
    return width, height, rgb


def settle(display, window, rows, path, seconds, above=False):
    deadline = time.monotonic() + seconds
    first_seen = {}
    while time.monotonic() < deadline:
        shot = capture(display, window, rows, above)
        now = time.monotonic()
        if now - first_seen.setdefault(shot, now) >= SETTLED:
            write_ppm(path, shot)
            return 0
        time.sleep(PAUSE)
    print(f"window {window:#x} did not settle within {seconds} s", file=sys.stderr)
    return 1


def match(display, window, rows, path, reference, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        shot = capture(display, window, rows)
        if shot == reference:
            break
        time.sleep(PAUSE)
    write_ppm(path, shot)
    return 0 if shot == reference else 1


def main(args):
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display")
    mode, window, rows, path = args[0], int(args[1], 0), int(args[2]), args[3]
    if mode in ("settle", "bar"):
        return settle(display, window, rows, path, float(args[4]), mode == "bar")
    return match(display, window, rows, path, read_ppm(args[4]), float(args[5]))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
