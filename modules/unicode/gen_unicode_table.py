#!/usr/bin/env python3
"""Generates the folding table of the Unicode simplifier.

Every character assigned in Unicode 4.0 or earlier that has a simple lower-case mapping other
than itself, or a canonical decomposition, gets a row {code point, lower-case form, base
character}, where the base character is the first character of the full canonical
decomposition that is not a nonspacing mark (Mn). Hangul syllables, decompositions made of
nonspacing marks only and a few scripts' vowel signs and musical symbols are left out.

Usage: gen_unicode_table.py [UCD directory] > ztUnicodeTable.cpp
The UCD directory defaults to /usr/share/unicode (Debian's unicode-data package).
"""

import os
import sys

MAX_AGE = (4, 0)

EXCLUDED = {
    0x09CB, 0x09CC, 0x0B4B, 0x0B4C, 0x0B94, 0x0BCA, 0x0BCB, 0x0BCC, 0x0C48, 0x0CCB, 0x0D4A,
    0x0D4B, 0x0D4C, 0x0DDC, 0x0DDE, 0x0F73, 0x0F75, 0x0F76, 0x0F78, 0x0F81, 0x0F93, 0x0F9D,
    0x0FA2, 0x0FA7, 0x0FAC, 0x0FB9,
}
EXCLUDED.update(range(0x1D15E, 0x1D164 + 1))
EXCLUDED.update(range(0x1D1BB, 0x1D1C0 + 1))

# Rows whose base character is not the one the rule gives.
BASE_OVERRIDES = {0x0DDD: 0x0DDC}


def read_ages(ucd):
    """Code points assigned in MAX_AGE or earlier."""
    assigned = set()
    with open(os.path.join(ucd, "DerivedAge.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            points, age = (field.strip() for field in line.split(";"))
            if tuple(int(part) for part in age.split(".")) > MAX_AGE:
                continue
            first, _, last = points.partition("..")
            assigned.update(range(int(first, 16), int(last or first, 16) + 1))
    return assigned


def read_unicode_data(ucd):
    """{code point: (general category, canonical decomposition or None, lower-case or None)}"""
    chars = {}
    with open(os.path.join(ucd, "UnicodeData.txt"), encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split(";")
            decomposition = fields[5]
            canonical = None
            if decomposition and not decomposition.startswith("<"):
                canonical = [int(part, 16) for part in decomposition.split()]
            lower = int(fields[13], 16) if fields[13] else None
            chars[int(fields[0], 16)] = (fields[2], canonical, lower)
    return chars


# Characters of the ranges (CJK ideographs, Hangul syllables...) have no row of their own.
RANGE_MEMBER = ("Lo", None, None)


def full_decomposition(chars, code):
    canonical = chars.get(code, RANGE_MEMBER)[1]
    if canonical is None:
        return [code]
    return [part for first in canonical for part in full_decomposition(chars, first)]


def base_character(chars, code):
    if code in BASE_OVERRIDES:
        return BASE_OVERRIDES[code]
    for part in full_decomposition(chars, code):
        if chars.get(part, RANGE_MEMBER)[0] != "Mn":
            return part
    return None


def rows(ucd):
    assigned = read_ages(ucd)
    chars = read_unicode_data(ucd)
    for code in sorted(c for c in chars if c in assigned and c not in EXCLUDED):
        _, canonical, lower = chars[code]
        if lower is not None and lower not in assigned:
            lower = None
        if canonical is None and (lower is None or lower == code):
            continue
        base = base_character(chars, code) if canonical else code
        if base is None:  # only nonspacing marks
            continue
        yield code, lower if lower is not None else code, base


def main():
    ucd = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    table = list(rows(ucd))
    out = sys.stdout
    out.write("// Generated from the Unicode Character Database (Debian's unicode-data) with\n"
              "//   modules/unicode/gen_unicode_table.py /usr/share/unicode"
              " > modules/unicode/ztUnicodeTable.cpp\n")
    out.write("// Do not edit: rerun the generator instead.\n")
    out.write('#include "modules/unicode/ztUnicodeTable.h"\n\n')
    out.write("// clang-format off\n")
    out.write("const PRUint32 g_piUnicode[][3] = {\n")
    for code, lower, base in table:
        out.write("    {0x%04X, 0x%04X, 0x%04X},\n" % (code, lower, base))
    out.write("};\n")
    out.write("// clang-format on\n")
    out.write("const PRUint32 g_uUnicodeRows = sizeof(g_piUnicode) / sizeof(g_piUnicode[0]);\n")
    print("rows: %d" % len(table), file=sys.stderr)


if __name__ == "__main__":
    main()
