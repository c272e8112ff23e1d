# SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
# SPDX-License-Identifier: GPL-3.0-or-later

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
    # The source's own modification time, not the clock's: the same sources
    # give the same font, and so the same package.
    font = TTFont(source, recalcTimestamp=False)
    best = font.getBestCmap()
    missing = [shown for shown in SIGLA_MAP.values() if shown not in best]
    if missing:
        sys.exit(f"{source} has no glyph for U+{missing[0]:04X}")
    # Each stored letter draws a copy of the symbol's glyph, so that the real
    # character keeps a glyph of its own: a PDF's text layer then reads "m₁"
    # where the real character was printed, not the stand-in letter.
    copies = {stored: f"sigla.{stored:04X}" for stored in SIGLA_MAP}
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    font.setGlyphOrder(list(font.getGlyphOrder()) + list(copies.values()))
    for stored, shown in SIGLA_MAP.items():
        glyf[copies[stored]] = copy.deepcopy(glyf[best[shown]])
        hmtx[copies[stored]] = hmtx[best[shown]]
    for table in font["cmap"].tables:
        if table.isUnicode():
            for stored, name in copies.items():
                table.cmap[stored] = name
    rename(font)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
