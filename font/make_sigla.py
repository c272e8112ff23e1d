"""Builds the Sigla symbol font from DejaVu Sans.

Units and indexed quantities are stored in the data and texts as Central
European letters (windows-1250) and drawn in Sigla, which shows subscripts,
superscripts, the ohm sign and a few mathematical signs in their place.
Every other character draws exactly as in DejaVu Sans.

usage: /usr/bin/python3 make_sigla.py DejaVuSans.ttf OUT.ttf
"""
import copy
import sys

from fontTools.ttLib import TTFont

# stored character -> character whose glyph it draws
SIGLA_MAP = {
    0x00E1: 0x2081,  # á -> subscript one
    0x00E2: 0x2082,  # â -> subscript two
    0x00C1: 0x00B9,  # Á -> superscript one
    0x00C2: 0x00B2,  # Â -> superscript two
    0x0102: 0x00B3,  # Ă -> superscript three
    0x00AC: 0x207B,  # ¬ -> superscript minus
    0x0170: 0x03A9,  # Ű -> capital omega, the ohm sign
    0x00FA: 0x03C1,  # ú -> rho, the density sign
    0x00B4: 0x221E,  # ´ -> infinity
    0x00A9: 0x221A,  # © -> square root
}

FAMILY = "Sigla"


def rename(font):
    # DejaVu's licence allows changed copies under another name only.
    replacements = {1: FAMILY, 2: "Book", 3: FAMILY + " 1.0", 4: FAMILY, 6: FAMILY,
                    16: FAMILY, 17: "Book", 18: FAMILY}
    names = font["name"]
    for record in list(names.names):
        if record.nameID in replacements:
            names.setName(replacements[record.nameID], record.nameID,
                          record.platformID, record.platEncID, record.langID)


def main(source, target):
    font = TTFont(source)
    best = font.getBestCmap()
    order = font.getGlyphOrder()
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    # Each stored letter draws a copy of the shown glyph: a glyph shared by two
    # characters would make a PDF's text layer read "m₁" back as "má".
    copies = {}
    for stored, shown in SIGLA_MAP.items():
        glyph = best.get(shown)
        if glyph is None:
            sys.exit(f"{source} has no glyph for U+{shown:04X}")
        name = f"sigla.uni{stored:04X}"
        glyf[name] = copy.deepcopy(glyf[glyph])
        hmtx[name] = hmtx[glyph]
        if name not in order:
            order.append(name)
        copies[stored] = name
    font.setGlyphOrder(order)
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(copies)
    rename(font)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
