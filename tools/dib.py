"""Windows .bmp and .ico files from palette-indexed pictures.

A picture is a list of rows, top row first, each a list of palette indices.
A palette is a list of (red, green, blue) triples.
"""

import struct

BITMAPINFOHEADER_SIZE = 40


def _row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _pack_row(row, bits):
    per_byte = 8 // bits
    out = bytearray(_row_stride(len(row), bits))
    for x, index in enumerate(row):
        if not 0 <= index < (1 << bits):
            raise ValueError(f"palette index {index} does not fit in {bits} bits")
        shift = 8 - bits * (x % per_byte + 1)
        out[x // per_byte] |= index << shift
    return bytes(out)


def _size_of(picture):
    height = len(picture)
    width = len(picture[0])
    if any(len(row) != width for row in picture):
        raise ValueError("rows of a picture must be equally long")
    return width, height


def _info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, width, height, 1, bits,
                       0, image_size, 0, 0, 0, 0)


def _color_table(palette, bits):
    count = 1 << bits
    if len(palette) > count:
        raise ValueError(f"{len(palette)} colours do not fit in {bits} bits")
    entries = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in entries)


def _bottom_up_bits(picture, bits):
    return b"".join(_pack_row(row, bits) for row in reversed(picture))


def bmp_bytes(picture, palette, bits):
    """A bottom-up, uncompressed .bmp file."""
    width, height = _size_of(picture)
    pixels = _bottom_up_bits(picture, bits)
    info = _info_header(width, height, bits, len(pixels)) + _color_table(palette, bits)
    offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info + pixels


def ico_bytes(images):
    """An .ico file of fully opaque images, given as (picture, palette, bits)."""
    blobs = []
    entries = []
    for picture, palette, bits in images:
        width, height = _size_of(picture)
        if width > 255 or height > 255:
            raise ValueError("an icon image is at most 255 pixels wide and high")
        xor_mask = _bottom_up_bits(picture, bits)
        # An all-zero AND mask: every pixel shows its colour.
        and_mask = bytes(_row_stride(width, 1) * height)
        # The header of an icon image counts the rows of both masks.
        blob = (_info_header(width, 2 * height, bits, len(xor_mask) + len(and_mask))
                + _color_table(palette, bits) + xor_mask + and_mask)
        colour_count = (1 << bits) if bits < 8 else 0
        entries.append((width, height, colour_count, bits, len(blob)))
        blobs.append(blob)

    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for (width, height, colour_count, bits, size) in entries:
        directory += struct.pack("<BBBBHHII", width, height, colour_count, 0, 1, bits,
                                 size, offset)
        offset += size
    return directory + b"".join(blobs)
