"""Draws the pictures of portpanel and portcheck and writes them as .bmp and .ico files.

Usage: make_pictures.py OUTPUT_DIRECTORY
"""

import math
import os
import sys

from canvas import (BLACK, BLUE, GREEN, GREY, LIME, NAVY, OLIVE, RED, SILVER, VGA16, WHITE,
                    Canvas)
from dib import bmp_bytes, ico_bytes
import tiny_font

LED_WIDTH, LED_HEIGHT = 25, 23

# The panel icon's 256-colour palette: the 16 standard colours, then its own.
LAVENDER = 16
ICON_PALETTE = VGA16 + [(230, 230, 250)]


def led(face):
    """A round lamp in a raised ring on a light grey field; face is its colour."""
    canvas = Canvas(LED_WIDTH, LED_HEIGHT, SILVER)
    cx, cy = 12, 11
    for y in range(LED_HEIGHT):
        for x in range(LED_WIDTH):
            dx, dy = x - cx, y - cy
            distance = math.hypot(dx, dy)
            angle = math.degrees(math.atan2(-dy, dx)) % 360
            # Light falls from the upper left: it lights that half of the ring
            # and is reflected in a short arc on the face.
            if 5.0 <= distance < 6.2 and 105 <= angle <= 165:
                canvas.put(x, y, WHITE)
            elif distance < 8.1:
                canvas.put(x, y, face)
            elif distance < 10.1:
                canvas.put(x, y, WHITE if dx + dy < 0 else GREY)
    return canvas


def sine_path(width, base_y, amplitude, period):
    """The pixels of one sine curve across the width, in order, each once."""
    path = []
    for step in range(width * 20):
        x = step / 20
        point = (int(x), round(base_y - amplitude * math.sin(2 * math.pi * x / period)))
        if not path or path[-1] != point:
            path.append(point)
    return path


def daq_icon(size):
    """The letters DAQ over a dotted sine wave that crosses a green base line."""
    canvas = Canvas(size, size, WHITE)
    if size >= 32:
        face, spacing, letters_top = tiny_font.BOLD, 2, 3
        line_y, amplitude, period = 24, 4.5, 21
    else:
        face, spacing, letters_top = tiny_font.THIN, 1, 1
        line_y, amplitude, period = 12, 2.2, 11
    canvas.fill(0, line_y + 1, size, size - line_y - 1, LAVENDER)
    left = (size - tiny_font.text_width(face, "DAQ", spacing)) // 2
    tiny_font.draw_text(canvas, face, "DAQ", left, letters_top, BLUE, spacing)
    canvas.fill(0, line_y, size, 1, GREEN)
    # Every other pixel of the curve: a dotted line.
    for x, y in sine_path(size, line_y, amplitude, period)[::2]:
        canvas.put(x, y, NAVY)
    return canvas


def check_icon(size):
    """A chip on a circuit board with a check mark over it."""
    canvas = Canvas(size, size, GREEN)
    s = size / 32

    def box(left, top, width, height, colour):
        """A rectangle given on the 32 x 32 grid."""
        canvas.fill(round(left * s), round(top * s), max(1, round(width * s)),
                    max(1, round(height * s)), colour)

    box(9, 3, 14, 26, BLACK)
    box(14, 3, 4, 2, GREY)
    for pin in range(5):
        y = 5 + pin * 5
        box(5, y, 4, 2, SILVER)
        box(23, y, 4, 2, SILVER)
        # Copper traces lead away from every other pin.
        if pin % 2 == 0:
            box(0, y, 5, 2, OLIVE)
        else:
            box(27, y, 5, 2, OLIVE)
    pen = 3 if size >= 32 else 2
    canvas.line(round(8 * s), round(16 * s), round(13 * s), round(21 * s), LIME, pen)
    canvas.line(round(13 * s), round(21 * s), round(25 * s), round(9 * s), LIME, pen)
    return canvas


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    write(os.path.join(out_dir, "led_off.bmp"), bmp_bytes(led(SILVER).rows, VGA16, 4))
    write(os.path.join(out_dir, "led_on.bmp"), bmp_bytes(led(RED).rows, VGA16, 4))
    write(os.path.join(out_dir, "portpanel.ico"),
          ico_bytes([(daq_icon(size).rows, ICON_PALETTE, 8) for size in (32, 16)]))
    write(os.path.join(out_dir, "portcheck.ico"),
          ico_bytes([(check_icon(size).rows, VGA16, 4) for size in (32, 16)]))


if __name__ == "__main__":
    main(sys.argv)
