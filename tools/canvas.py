"""A palette-indexed drawing surface and the standard 16-colour palette."""

# The 16 colours of VGA in the order of Windows' 4-bit bitmaps.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, pen):
        """A straight line drawn with a square pen of pen x pen pixels centred on it."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.fill(x - (pen - 1) // 2, y - (pen - 1) // 2, pen, pen, colour)

    def glyph(self, glyph, left, top, colour):
        """Draws the '#' cells of a glyph given as a list of strings."""
        for row_index, row in enumerate(glyph):
            for column, cell in enumerate(row):
                if cell == "#":
                    self.put(left + column, top + row_index, colour)
