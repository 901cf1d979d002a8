#!/usr/bin/env python3
"""Writes Glyphmere's test fonts and the font-file reader's fuzzing seeds.

tests/fonts/GlyphmerePreviewTest.ttf is a tiny but complete TrueType font, family
"Glyphmere Preview Test", in which every printable ASCII character is a filled square, so
text in it is plainly a row of squares; GlyphmerePreviewTest-Bold.ttf is its Bold.
tests/fonts/GlyphmerePreviewTest.ttc holds it and a copy named "Glyphmere Preview Second";
beside them a bitmap font, "Glyphmere Bitmap", as a .fnt and as a .fon of two sizes.
For the font-file reader's bounds: GlyphmereLongName.ttf, whose family name is longer than
GDI keeps; GlyphmerePreviewLarge.ttf, about 300 KB, its name table past the first 64 KB;
GlyphmereHidesTahoma.ttc, 256 faces of "Glyphmere Hidden Test" and then a "Tahoma", a
family every system has, past the faces the reader looks at. fuzz/font-corpus/ gets the
small ones as the reader's seeds, and a collection whose name records all hold one long
text, on which a reader that decoded each record in full, face by face, took seconds.

Run `python3 tools/make_test_fonts.py` to write them all again; it checks the TrueType
tables it wrote. Only the standard library is needed.
"""
import datetime
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
FONTS = os.path.join(ROOT, "tests", "fonts")
CORPUS = os.path.join(ROOT, "fuzz", "font-corpus")

FAMILY = "Glyphmere Preview Test"
SECOND_FAMILY = "Glyphmere Preview Second"
LONG_FAMILY = "Glyphmere Preview With A Rather Long Family Name"
LARGE_FAMILY = "Glyphmere Preview Large"
HIDDEN_FAMILY = "Glyphmere Hidden Test"
INSTALLED_FAMILY = "Tahoma"
# The reader looks at this many faces of a collection, and decodes this many UTF-16 units
# of a name, as GDI keeps it.
READER_FACES = 256
NAME_UNITS = 31
BITMAP_FACE = "Glyphmere Bitmap"
# A font that says who made it and under what terms, for the details window: its licence
# address is no web address, so nothing may open it.
DETAILS_FAMILY = "Glyphmere Details Test"
DETAILS_STRINGS = {
    0: "Copyright 2026 Quillwright Test Foundry",
    7: "Glyphmere Details is a test mark",
    8: "Quillwright Test Foundry",
    9: "Ada Designer",
    10: "Made for the tests.\tA tab and\r\na line break become spaces.",
    11: "https://vendor.example/fonts",
    12: "HTTP://designer.example/",
    13: "Free for testing only",
    14: "file:///C:/Windows/System32/calc.exe",
}
VENDOR = b"GLYM"
UNITS_PER_EM = 1000
ASCENDER, DESCENDER = 800, -200
# A fixed date, so that running the script again writes the same bytes.
DATE = int((datetime.datetime(2024, 1, 1) - datetime.datetime(1904, 1, 1)).total_seconds())

# Glyphs as (advance width, contours); outer contours clockwise, holes counter-clockwise.
NOTDEF = (500, [[(50, 0), (50, 700), (450, 700), (450, 0)],
                [(100, 50), (400, 50), (400, 650), (100, 650)]])
SPACE = (500, [])
SQUARE = (700, [[(100, 0), (100, 600), (600, 600), (600, 0)]])
GLYPHS = [NOTDEF, SPACE, SQUARE]
FIRST_CHAR, LAST_CHAR = 0x20, 0x7E


def bounds(contours):
    points = [p for contour in contours for p in contour]
    xs, ys = [x for x, _ in points], [y for _, y in points]
    return min(xs), min(ys), max(xs), max(ys)


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(f">{len(data) // 4}I", data)) & 0xFFFFFFFF


def table_checksum(tag, data):
    """A table's checksum; head's is taken with its checksum adjustment at 0."""
    if tag == "head":
        data = data[:8] + b"\0\0\0\0" + data[12:]
    return checksum(data)


# --- The TrueType tables ---

def glyph_data(contours):
    if not contours:
        return b""
    points = [p for contour in contours for p in contour]
    data = struct.pack(">h4h", len(contours), *bounds(contours))
    last = -1
    for contour in contours:
        last += len(contour)
        data += struct.pack(">H", last)
    data += struct.pack(">H", 0)  # no instructions
    data += bytes([0x01] * len(points))  # on the curve, each coordinate a 16-bit step
    xs = ys = b""
    x = y = 0
    for px, py in points:
        xs += struct.pack(">h", px - x)
        ys += struct.pack(">h", py - y)
        x, y = px, py
    data += xs + ys
    return data + b"\0" * (len(data) % 2)  # short loca offsets count in words


def glyf_and_loca():
    glyf, loca = b"", b""
    for _, contours in GLYPHS:
        loca += struct.pack(">H", len(glyf) // 2)
        glyf += glyph_data(contours)
    return glyf, loca + struct.pack(">H", len(glyf) // 2)


def cmap():
    # Space to the empty glyph, the rest of printable ASCII to the square, and the end mark.
    # A run of characters on one glyph goes through the glyph array: a delta would map
    # each character to the next glyph.
    segments = [(0x20, 0x20, 1), (0x21, LAST_CHAR, 2), (0xFFFF, 0xFFFF, 0)]
    count = len(segments)
    power = 1 << (count.bit_length() - 1)
    deltas, range_offsets, glyph_ids = [], [], []
    for i, (start, end, glyph) in enumerate(segments):
        if start == end:
            deltas.append((glyph - start) & 0xFFFF)
            range_offsets.append(0)
        else:
            deltas.append(0)
            range_offsets.append(2 * (count - i + len(glyph_ids)))
            glyph_ids += [glyph] * (end - start + 1)
    def words(values):
        return struct.pack(f">{len(values)}H", *values)

    arrays = (words([end for _, end, _ in segments]) + b"\0\0"
              + words([start for start, _, _ in segments]) + words(deltas)
              + words(range_offsets) + words(glyph_ids))
    subtable = struct.pack(">7H", 4, 14 + len(arrays), 0, 2 * count, 2 * power,
                           power.bit_length() - 1, 2 * (count - power)) + arrays
    return struct.pack(">HHHHI", 0, 1, 3, 1, 12) + subtable


def name(family, style, more=None):
    postscript = family.replace(" ", "") + "-" + style
    full = family if style == "Regular" else f"{family} {style}"
    strings = {1: family, 2: style, 3: f"1.000;{VENDOR.decode()};{postscript}", 4: full,
               5: "Version 1.000", 6: postscript}
    strings = dict(sorted({**strings, **(more or {})}.items()))
    # Sorted by platform, encoding, language and name: Macintosh Roman, then Windows Unicode.
    records = [(1, 0, 0, n, s.encode("ascii")) for n, s in strings.items()]
    records += [(3, 1, 0x0409, n, s.encode("utf-16-be")) for n, s in strings.items()]
    head = struct.pack(">3H", 0, len(records), 6 + 12 * len(records))
    storage = b""
    for platform, encoding, language, name_id, text in records:
        head += struct.pack(">6H", platform, encoding, language, name_id, len(text), len(storage))
        storage += text
    return head + storage


def font_tables(family, bold=False, strings=None):
    glyf, loca = glyf_and_loca()
    drawn = [(advance, bounds(contours)) for advance, contours in GLYPHS if contours]
    x_min, y_min = min(b[0] for _, b in drawn), min(b[1] for _, b in drawn)
    x_max, y_max = max(b[2] for _, b in drawn), max(b[3] for _, b in drawn)
    hmtx = b"".join(struct.pack(">Hh", advance, bounds(contours)[0] if contours else 0)
                    for advance, contours in GLYPHS)
    head = struct.pack(">IIIIHHqq4hHHhhh", 0x00010000, 0x00010000, 0, 0x5F0F3CF5,
                       0x000B,  # baseline at 0, left side bearing at 0, whole ppem
                       UNITS_PER_EM, DATE, DATE, x_min, y_min, x_max, y_max,
                       1 if bold else 0, 8, 2, 0, 0)  # macStyle: bold or not
    hhea = struct.pack(">I3hH3h3h4hhH", 0x00010000, ASCENDER, DESCENDER, 0,
                       max(advance for advance, _ in GLYPHS),
                       min(b[0] for _, b in drawn),
                       min(advance - b[2] for advance, b in drawn),
                       max(b[2] for _, b in drawn), 1, 0, 0, 0, 0, 0, 0, 0, len(GLYPHS))
    points = max(sum(len(c) for c in contours) for _, contours in GLYPHS)
    contours_most = max(len(contours) for _, contours in GLYPHS)
    maxp = struct.pack(">I14H", 0x00010000, len(GLYPHS), points, contours_most, 0, 0, 2,
                       0, 0, 0, 0, 0, 0, 0, 0)
    widths = [advance for advance, _ in GLYPHS if advance]
    os2 = struct.pack(">HhHHH11h10s4I4s3H3hHH2I5H", 4,
                      round(sum(widths) / len(widths)),  # average width
                      700 if bold else 400, 5, 0,  # weight, normal width, installable
                      650, 600, 0, 75, 650, 600, 0, 350,  # sub- and superscripts
                      50, 300, 0,  # strikeout, no family class
                      bytes(10),  # PANOSE: any
                      1, 0, 0, 0,  # Unicode ranges: Basic Latin
                      VENDOR, 0x0020 if bold else 0x0040,  # fsSelection: BOLD or REGULAR
                      FIRST_CHAR, LAST_CHAR, ASCENDER, DESCENDER, 0,
                      y_max + 100, -y_min - DESCENDER,  # usWinAscent and usWinDescent
                      1, 0,  # code pages: Latin 1
                      600, 600, 0, 0x20, 1)  # x and cap height, default and break char
    post = struct.pack(">IIhhIIIII", 0x00030000, 0, -100, 50, 0, 0, 0, 0, 0)
    style = "Bold" if bold else "Regular"
    tables = {"OS/2": os2, "cmap": cmap(), "glyf": glyf, "head": head, "hhea": hhea,
              "hmtx": hmtx, "loca": loca, "maxp": maxp, "name": name(family, style, strings), "post": post}
    sizes = {"OS/2": 96, "head": 54, "hhea": 36, "maxp": 32, "post": 32}
    assert all(len(tables[tag]) == size for tag, size in sizes.items())
    return tables


def directory(tables, offsets):
    count = len(tables)
    power = 1 << (count.bit_length() - 1)
    data = struct.pack(">IHHHH", 0x00010000, count, 16 * power, power.bit_length() - 1,
                       16 * (count - power))
    for tag in sorted(tables):
        table = tables[tag]
        data += struct.pack(">4sIII", tag.encode("ascii"), table_checksum(tag, table),
                            offsets[tag], len(table))
    return data


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def sfnt(tables):
    """A standalone font; its head gets the adjustment that makes the whole font's sum right."""
    offsets, data = {}, b""
    start = 12 + 16 * len(tables)
    for tag in sorted(tables):
        offsets[tag] = start + len(data)
        data += padded(tables[tag])
    font = bytearray(directory(tables, offsets) + data)
    adjustment = (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF
    font[offsets["head"] + 8:offsets["head"] + 12] = struct.pack(">I", adjustment)
    return bytes(font)


def read_tables(font, at=0):
    """The tables of the face whose directory is at `at`, checked as a loader would."""
    version, count, search, selector, shift = struct.unpack_from(">IHHHH", font, at)
    power = 1 << (count.bit_length() - 1)
    assert version == 0x00010000
    assert (search, selector, shift) == (16 * power, power.bit_length() - 1, 16 * (count - power))
    tables, tags = {}, []
    for i in range(count):
        tag, summed, offset, length = struct.unpack_from(">4sIII", font, at + 12 + 16 * i)
        tag = tag.decode("ascii")
        assert offset % 4 == 0 and offset + length <= len(font), tag
        tables[tag] = font[offset:offset + length]
        assert table_checksum(tag, tables[tag]) == summed, f"{tag}: checksum"
        tags.append(tag)
    assert tags == sorted(tags), "tables sorted by tag"
    assert set(tags) >= {"OS/2", "cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp",
                         "name", "post"}
    return tables


def family_of(tables):
    """The Windows US English family name of a face's name table."""
    table = tables["name"]
    count, storage = struct.unpack_from(">2xHH", table)
    for i in range(count):
        platform, encoding, language, name_id, length, offset = struct.unpack_from(
            ">6H", table, 6 + 12 * i)
        if (platform, encoding, language, name_id) == (3, 1, 0x0409, 1):
            return table[storage + offset:storage + offset + length].decode("utf-16-be")
    return None


def face_offsets(ttc):
    count = struct.unpack_from(">I", ttc, 8)[0]
    return struct.unpack_from(f">{count}I", ttc, 12)


def collection(fonts):
    """A .ttc of standalone fonts: the tables they have in common are kept once."""
    faces = [read_tables(font) for font in fonts]
    directories = 12 + 4 * len(faces)
    data_start = directories + sum(12 + 16 * len(tables) for tables in faces)
    blobs, data = {}, b""
    for tables in faces:
        for tag in sorted(tables):
            if tables[tag] not in blobs:
                blobs[tables[tag]] = data_start + len(data)
                data += padded(tables[tag])
    header = struct.pack(">4sII", b"ttcf", 0x00010000, len(faces))
    dirs = b""
    for tables in faces:
        header += struct.pack(">I", directories + len(dirs))
        dirs += directory(tables, {tag: blobs[table] for tag, table in tables.items()})
    return header + dirs + data


def slow_names(size):
    """A collection of as many faces as the reader looks at, all on one directory whose only
    table is a name table of family name records that each hold the same long text, a family
    name over and over without a NUL. A reader that decodes every record in full for each
    face does hundreds of millions of steps on these few kilobytes."""
    header = 12 + 4 * READER_FACES
    records = 256
    table_at = header + 12 + 16
    storage_at = 6 + 12 * records
    units = (size - table_at - storage_at) // 2
    text = ("Glyphmere Slow Test " * units)[:units].encode("utf-16-be")
    table = struct.pack(">3H", 0, records, storage_at)
    table += struct.pack(">6H", 3, 1, 0x0409, 1, len(text), 0) * records
    table += text
    font = struct.pack(">IHHHH", 0x00010000, 1, 16, 0, 0)
    font += struct.pack(">4sIII", b"name", checksum(table), table_at, len(table))
    data = struct.pack(">4sII", b"ttcf", 0x00010000, READER_FACES)
    data += struct.pack(">I", header) * READER_FACES + font + table
    assert len(data) <= size
    return data


def padding_table(size):
    """Bytes no one reads, to make a font large."""
    return bytes(range(256)) * (size // 256)


# --- Windows bitmap fonts ---

def fnt(face, height):
    """A version 2 raster font, 8 pixels wide, every printable character a filled square."""
    count = LAST_CHAR - FIRST_CHAR + 1
    table_at = 118
    bits_at = table_at + 4 * (count + 1)
    entries, bits = b"", b""
    for i in range(count + 1):  # the last entry a blank one after the range
        entries += struct.pack("<HH", 8, bits_at + len(bits))
        solid = 0 < i < count
        bits += bytes(0x7E if solid and 0 < row < height - 1 else 0 for row in range(height))
    face_at = bits_at + len(bits)
    size = face_at + len(face) + 1
    header = struct.pack("<HI60s7H3BHB2HB2H4BH4IB", 0x0200, size, b"Glyphmere test font",
                         0, height, 96, 96, height - 2, 0, 0,  # raster, points, dpi, ascent
                         0, 0, 0, 400, 0,  # not italic, underlined or struck out; ANSI
                         8, height, 0x30,  # fixed 8 pixels wide; FF_MODERN, fixed pitch
                         8, 8, FIRST_CHAR, LAST_CHAR, ord("?") - FIRST_CHAR, 0,
                         (8 * (count + 1) + 15) // 16 * 2, 0, face_at, 0, bits_at, 0)
    assert len(header) == table_at
    return header + entries + bits + face.encode("latin-1") + b"\0"


def fon(fonts, description):
    """A 16-bit Windows executable holding the fonts as resources, with the font directory."""
    shift = 4

    def align(size):
        return (size + (1 << shift) - 1) >> shift << shift

    fontdir = struct.pack("<H", len(fonts))
    for number, font in enumerate(fonts, 1):
        face = font[struct.unpack_from("<I", font, 105)[0]:]
        fontdir += struct.pack("<H", number) + font[:109] + b"\0\0\0\0" + b"\0" + face
    resources = [(0x8007, [fontdir]), (0x8008, fonts)]

    names_at = 2 + sum(8 + 12 * len(items) for _, items in resources) + 2
    table_size = names_at + len(b"\x07FONTDIR\0")
    resident = b"\x08GLYPHBMP\0\0\0"
    imported = b"\0"
    entry = b"\0"
    nonresident_names = bytes([len(description)]) + description + b"\0\0\0"
    ne_at = 0x40
    table_rel = 0x40
    resident_rel = table_rel + table_size
    imported_rel = resident_rel + len(resident)
    entry_rel = imported_rel + len(imported)
    nonresident_at = ne_at + entry_rel + len(entry)
    place = align(nonresident_at + len(nonresident_names))

    table, data = struct.pack("<H", shift), b""
    for type_id, items in resources:
        table += struct.pack("<HHI", type_id, len(items), 0)
        for number, item in enumerate(items, 1):
            resource_id = names_at if type_id == 0x8007 else 0x8000 | number
            size = align(len(item))
            table += struct.pack("<4HI", (place + len(data)) >> shift, size >> shift, 0x1C30,
                                 resource_id, 0)
            data += item + b"\0" * (size - len(item))
    table += struct.pack("<H", 0) + b"\x07FONTDIR\0"
    assert len(table) == table_size

    mz = bytearray(ne_at)
    mz[0:2] = b"MZ"
    struct.pack_into("<H", mz, 0x08, ne_at // 16)  # header paragraphs
    struct.pack_into("<H", mz, 0x18, ne_at)  # relocations here: a newer executable
    struct.pack_into("<I", mz, 0x3C, ne_at)
    ne = struct.pack("<2sBBHHIHHHHIIHHHHHHHHIHHHBBHHHH", b"NE", 5, 10, entry_rel, len(entry), 0,
                     0x8000, 0, 0, 0, 0, 0,  # a library
                     0, 0, len(nonresident_names), table_rel, table_rel, resident_rel,
                     imported_rel, imported_rel, nonresident_at, 0, shift, 0,
                     2, 0, 0, 0, 0, 0x0300)  # for Windows 3.0
    head = bytes(mz) + ne + table + resident + imported + entry + nonresident_names
    return head + b"\0" * (place - len(head)) + data


def write(folder, filename, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, filename), "wb") as file:
        file.write(data)


def checked(font, family):
    """A standalone font, its tables and sums checked, of the family given."""
    assert family_of(read_tables(font)) == family
    assert checksum(font) == 0xB1B0AFBA, "whole-font checksum"
    return font


def main():
    font = checked(sfnt(font_tables(FAMILY)), FAMILY)
    assert len(font) < 2048
    bold = checked(sfnt(font_tables(FAMILY, bold=True)), FAMILY)
    ttc = collection([font, sfnt(font_tables(SECOND_FAMILY))])
    assert [family_of(read_tables(ttc, at)) for at in face_offsets(ttc)] == [FAMILY,
                                                                           SECOND_FAMILY]
    assert len(LONG_FAMILY.encode("utf-16-le")) // 2 > NAME_UNITS
    long_name = checked(sfnt(font_tables(LONG_FAMILY)), LONG_FAMILY)
    # A private table, under the vendor's tag, that sorts before the others.
    large_tables = font_tables(LARGE_FAMILY)
    large_tables[VENDOR.decode()] = padding_table(300 * 1024)
    large_font = checked(sfnt(large_tables), LARGE_FAMILY)
    name_entry = 12 + 16 * sorted(large_tables).index("name")
    name_at = struct.unpack_from(">I", large_font, name_entry + 8)[0]
    assert name_at > 64 * 1024, "the name table lies past a cap of 64 KB"
    hidden = sfnt(font_tables(HIDDEN_FAMILY))
    hides = collection([hidden] * READER_FACES + [sfnt(font_tables(INSTALLED_FAMILY))])
    families = [family_of(read_tables(hides, at)) for at in face_offsets(hides)]
    assert families == [HIDDEN_FAMILY] * READER_FACES + [INSTALLED_FAMILY]
    slow = slow_names(16384)
    details = checked(sfnt(font_tables(DETAILS_FAMILY, strings=DETAILS_STRINGS)), DETAILS_FAMILY)
    small, large = fnt(BITMAP_FACE, 10), fnt(BITMAP_FACE, 12)
    fonts = fon([small, large], f"FONTRES 100,96,96 : {BITMAP_FACE} 10, 12".encode("latin-1"))

    for folder in (FONTS, CORPUS):
        write(folder, "GlyphmerePreviewTest.ttf", font)
        write(folder, "GlyphmerePreviewTest.ttc", ttc)
        write(folder, "GlyphmereBitmap.fnt", small)
        write(folder, "GlyphmereBitmap.fon", fonts)
        write(folder, "GlyphmereLongName.ttf", long_name)
    write(FONTS, "GlyphmerePreviewTest-Bold.ttf", bold)
    write(FONTS, "GlyphmerePreviewLarge.ttf", large_font)
    write(FONTS, "GlyphmereHidesTahoma.ttc", hides)
    write(FONTS, "GlyphmereDetails.ttf", details)
    write(CORPUS, "GlyphmereSlowNames.ttc", slow)


if __name__ == "__main__":
    main()
