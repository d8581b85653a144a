#!/usr/bin/env python3
"""Writes an MBTiles file of plain generated tiles around a place, for looking at the map over
tiles without a network: each tile a pale colour of its own with a darker border, so that the
tiling and the route's place on it can be judged.

Usage: scripts/make-tile-set.py OUT.mbtiles LAT LON [--zooms 10-16] [--radius 3]
"""
import argparse
import math
import sqlite3
import struct
import zlib


def png(width, height, pixel):
    """A truecolour PNG of pixel(x, y) -> (r, g, b)."""
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def tile_of(lat, lon, zoom):
    n = 2 ** zoom
    x = (lon + 180) / 360 * n
    y = (1 - math.log(math.tan(math.radians(lat)) + 1 / math.cos(math.radians(lat))) / math.pi) / 2 * n
    return int(x), int(y)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("lat", type=float)
    parser.add_argument("lon", type=float)
    parser.add_argument("--zooms", default="10-16")
    parser.add_argument("--radius", type=int, default=3)
    args = parser.parse_args()
    low, high = (int(z) for z in args.zooms.split("-"))
    db = sqlite3.connect(args.out)
    db.executescript("DROP TABLE IF EXISTS tiles; DROP TABLE IF EXISTS metadata;"
                     "CREATE TABLE metadata (name TEXT, value TEXT);"
                     "CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_data BLOB);")
    meta = {"name": "generated tiles", "format": "png", "minzoom": str(low), "maxzoom": str(high),
            "attribution": "Generated test tiles"}
    db.executemany("INSERT INTO metadata VALUES (?, ?)", meta.items())
    for zoom in range(low, high + 1):
        cx, cy = tile_of(args.lat, args.lon, zoom)
        r = args.radius
        for x in range(cx - r, cx + r + 1):
            for y in range(cy - r, cy + r + 1):
                base = (200 + (x * 37) % 50, 215 + (y * 53) % 40, 190 + ((x + y) * 29) % 60)
                data = png(256, 256, lambda px, py: (150, 150, 150) if px < 2 or py < 2 else base)
                db.execute("INSERT INTO tiles VALUES (?, ?, ?, ?)", (zoom, x, 2 ** zoom - 1 - y, data))
    db.commit()


if __name__ == "__main__":
    main()
