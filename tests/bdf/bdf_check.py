#!/usr/bin/python3
"""Reads BDF fonts without Glyphora's reader, for the tests to compare with.

  bdf_check.py fontforge FILE
      FontForge opens FILE and writes its bitmaps out again as BDF; prints
      "glyphs N", then per glyph "CODE ADVANCE x,y x,y ..." with every ink
      pixel at x columns right of the origin and y rows above the baseline.
  bdf_check.py place FILE HEIGHT SHIFT
      Prints "shift K", then per glyph with a code "CODE WIDTH row|row|..."
      ('#' ink, '.' paper): the glyph in a cell of HEIGHT rows whose top row
      is the font's ascent line moved up by SHIFT rows ("default": the rows
      ascent + descent has beyond HEIGHT), DWIDTH kept within 1..15 (0 for a
      glyph of no advance and no ink), the BBX x offset honoured.
"""
import glob
import os
import sys
import tempfile


def parse(path):
    """The font's metrics and its glyphs as (code, advance, box, rows of ints)."""
    props, glyphs = {}, []
    font_box, font_dwidth = (0, 0, 0, 0), None
    with open(path, encoding="latin-1") as f:
        lines = [line.strip() for line in f]
    i = 0
    in_props = False
    while i < len(lines):
        words = lines[i].split()
        i += 1
        if not words:
            continue
        key = words[0]
        if key == "STARTPROPERTIES":
            in_props = True
        elif key == "ENDPROPERTIES":
            in_props = False
        elif in_props:
            props[key] = " ".join(words[1:]).strip('"')
        elif key == "FONTBOUNDINGBOX":
            font_box = tuple(int(w) for w in words[1:5])
        elif key == "DWIDTH":
            font_dwidth = int(words[1])
        elif key == "STARTCHAR":
            code, advance, box, rows = -1, None, None, []
            while lines[i] != "ENDCHAR":
                words = lines[i].split()
                i += 1
                if words and words[0] == "ENCODING":
                    code = int(words[1])
                elif words and words[0] == "DWIDTH":
                    advance = int(words[1])
                elif words and words[0] == "BBX":
                    box = tuple(int(w) for w in words[1:5])
                elif words and words[0] == "BITMAP":
                    while lines[i] != "ENDCHAR":
                        if lines[i]:
                            rows.append(int(lines[i], 16) >> (4 * len(lines[i]) - box[0]) if box[0] else 0)
                        i += 1
            i += 1
            if advance is None:
                advance = font_dwidth if font_dwidth is not None else max(0, box[2] + box[0])
            glyphs.append((code, advance, box, rows))
    ascent = int(props.get("FONT_ASCENT", font_box[1] + font_box[3]))
    descent = int(props.get("FONT_DESCENT", -font_box[3]))
    return ascent, descent, glyphs


def ink(box, rows, column, row):
    width, height = box[0], box[1]
    if not (0 <= column < width and 0 <= row < height):
        return False
    return (rows[row] >> (width - 1 - column)) & 1 == 1


def fontforge_dump(path):
    import fontforge  # python3-fontforge
    font = fontforge.open(path)
    with tempfile.TemporaryDirectory() as folder:
        font.generate(os.path.join(folder, "out.bdf"))
        written = glob.glob(os.path.join(folder, "*.bdf"))
        if len(written) != 1:
            sys.exit("FontForge wrote %d BDF files" % len(written))
        _, _, glyphs = parse(written[0])
    print("glyphs", len(glyphs))
    for code, advance, box, rows in sorted(glyphs):
        pixels = ["%d,%d" % (box[2] + x, box[3] + box[1] - 1 - y)
                  for y in range(box[1]) for x in range(box[0]) if ink(box, rows, x, y)]
        print(code, advance, *pixels)


def place(path, height, shift):
    ascent, descent, glyphs = parse(path)
    shift = max(0, ascent + descent - height) if shift == "default" else int(shift)
    print("shift", shift)
    seen = set()
    for code, advance, box, rows in glyphs:
        if code < 0 or code > 0xFFFF or code in seen:
            continue
        seen.add(code)
        has_ink = any(rows)
        width = 0 if advance <= 0 and not has_ink else min(max(advance, 1), 15)
        cell = []
        for y in range(height):
            # The pixel row whose top edge is ascent - y - shift rows above the baseline.
            row = box[3] + box[1] - (ascent - y - shift)
            cell.append("".join("#" if ink(box, rows, x - box[2], row) else "." for x in range(width)))
        print(code, width, "|".join(cell))


if __name__ == "__main__":
    if sys.argv[1] == "fontforge":
        fontforge_dump(sys.argv[2])
    else:
        place(sys.argv[2], int(sys.argv[3]), sys.argv[4])
