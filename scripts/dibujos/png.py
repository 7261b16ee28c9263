"""Tiny PNG writer (standard library only) for the program's own pictures."""
import struct
import zlib


def write_png(path, width, height, pixel, alpha=True):
    """pixel(x, y) -> (r, g, b, a), or (r, g, b) with alpha=False; writes an 8-bit
    RGBA PNG, or a 24-bit RGB one without alpha."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))
