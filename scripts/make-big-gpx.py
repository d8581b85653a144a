#!/usr/bin/env python3
"""Writes a large, realistic track file for measuring the readers.

    scripts/make-big-gpx.py [-n POINTS] [--format gpx|plt] [--indent tab|2] [--crlf] OUT

The GPX output is a GPX 1.1 file with one track of POINTS points (default 1,000,000, about
115 MB), each written the way GPS devices write them:

    <trkpt lat="45.1234567" lon="7.1234567">
        <ele>312.4</ele>
        <time>2024-05-14T06:00:00Z</time>
    </trkpt>

one second apart, with an altitude that rises and falls slowly and a position that wanders
at walking-to-cycling speeds. The PLT output is an OziExplorer track file of the same track
(altitude in feet, day numbers and dates). The output depends only on the options: the same
command always writes the same bytes. Python 3 standard library only.
"""

import argparse
import datetime
import math
import random
import sys

SEED = 20240514
MONTHS = ('Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec')
START = datetime.datetime(2024, 5, 14, 6, 0, 0)
DAY_ZERO = datetime.datetime(1899, 12, 30)
METRES_PER_DEGREE_LAT = 111_320.0


def track(points):
    """Yields (lat, lon, ele, time) for each point of the track."""
    rng = random.Random(SEED)
    lat, lon = 45.0701234, 7.6869876
    heading = rng.uniform(0.0, 2.0 * math.pi)
    speed = 4.0  # m/s
    # Altitude: a few slow waves of different periods, plus a little noise.
    waves = [(rng.uniform(50.0, 250.0), rng.uniform(1800.0, 20000.0), rng.uniform(0, 6.3))
             for _ in range(4)]
    for i in range(points):
        ele = 1200.0 + sum(a * math.sin(2.0 * math.pi * i / p + ph) for a, p, ph in waves)
        ele += rng.gauss(0.0, 0.6)
        when = START + datetime.timedelta(seconds=i)
        yield lat, lon, ele, when
        heading += rng.gauss(0.0, 0.08)
        speed = min(12.0, max(0.5, speed + rng.gauss(0.0, 0.15)))
        lat += speed * math.cos(heading) / METRES_PER_DEGREE_LAT
        lon += speed * math.sin(heading) / (METRES_PER_DEGREE_LAT * math.cos(math.radians(lat)))
        # Stay in a region about 40 km wide: turn back towards the centre when far out.
        if abs(lat - 45.07) > 0.2 or abs(lon - 7.69) > 0.25:
            heading = math.atan2(7.69 - lon, 45.07 - lat) + rng.gauss(0.0, 0.3)


def write_gpx(out, points, indent, newline):
    i1, i2, i3, i4 = (indent * k for k in range(1, 5))
    out.write('<?xml version="1.0" encoding="UTF-8"?>' + newline)
    out.write('<gpx version="1.1" creator="make-big-gpx" xmlns="http://www.topografix.com/GPX/1/1"'
              ' xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"'
              ' xsi:schemaLocation="http://www.topografix.com/GPX/1/1'
              ' http://www.topografix.com/GPX/1/1/gpx.xsd">' + newline)
    out.write(f'{i1}<metadata>{newline}{i2}<name>Big track</name>{newline}'
              f'{i2}<time>{START:%Y-%m-%dT%H:%M:%S}Z</time>{newline}{i1}</metadata>{newline}')
    out.write(f'{i1}<trk>{newline}{i2}<name>Big track</name>{newline}{i2}<trkseg>{newline}')
    chunk = []
    for lat, lon, ele, when in track(points):
        chunk.append(f'{i3}<trkpt lat="{lat:.7f}" lon="{lon:.7f}">{newline}'
                     f'{i4}<ele>{ele:.1f}</ele>{newline}'
                     f'{i4}<time>{when:%Y-%m-%dT%H:%M:%S}Z</time>{newline}'
                     f'{i3}</trkpt>{newline}')
        if len(chunk) == 10_000:
            out.write(''.join(chunk))
            chunk.clear()
    out.write(''.join(chunk))
    out.write(f'{i2}</trkseg>{newline}{i1}</trk>{newline}</gpx>{newline}')


def write_plt(out, points, newline):
    out.write('OziExplorer Track Point File Version 2.1' + newline)
    out.write('WGS 84' + newline)
    out.write('Altitude is in Feet' + newline)
    out.write('Reserved 3' + newline)
    out.write('0,2,255,Big track,0,0,2,8421376' + newline)
    out.write(f'{points}{newline}')
    chunk = []
    first = True  # the first point starts a segment
    for lat, lon, ele, when in track(points):
        day = (when - DAY_ZERO) / datetime.timedelta(days=1)
        chunk.append(f'{lat:11.7f},{lon:12.7f},{1 if first else 0},{ele / 0.3048:8.1f},'
                     f'{day:.7f},{when.day:02d}-{MONTHS[when.month - 1]}-{when:%y}, {when:%H:%M:%S}{newline}')
        first = False
        if len(chunk) == 10_000:
            out.write(''.join(chunk))
            chunk.clear()
    out.write(''.join(chunk))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('out', help='file to write ("-" for standard output)')
    parser.add_argument('-n', '--points', type=int, default=1_000_000,
                        help='number of points (default 1000000)')
    parser.add_argument('--format', choices=('gpx', 'plt'), default='gpx',
                        help='gpx (default) or an OziExplorer .plt track')
    parser.add_argument('--indent', choices=('tab', '2'), default='tab',
                        help='GPX indentation: one tab (default) or two blanks per level')
    parser.add_argument('--crlf', action='store_true', help='end lines with CR LF')
    args = parser.parse_args()
    if args.points < 1:
        parser.error('POINTS must be at least 1')
    newline = '\r\n' if args.crlf else '\n'
    indent = '\t' if args.indent == 'tab' else '  '
    out = (sys.stdout if args.out == '-' else
           open(args.out, 'w', encoding='ascii', newline='', buffering=1 << 20))
    try:
        if args.format == 'gpx':
            write_gpx(out, args.points, indent, newline)
        else:
            write_plt(out, args.points, newline)
    finally:
        if out is not sys.stdout:
            out.close()


if __name__ == '__main__':
    main()
