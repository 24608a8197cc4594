#!/usr/bin/env python3
"""Generate src/common/PinyinTables.cpp: pinyin initials of every GBK hanzi.

Readings come from the Unihan database (Debian package unicode-data):
kXHC1983 first, then kHanyuPinyin, then kMandarin, whichever the character
has first.  Every reading of the chosen field contributes its initial, so a
character with several readings lands in several letter tables.

Usage:
    python3 tools/gen_pinyin_tables.py [--unihan PATH] [-o OUTPUT]

Without -o the file is written to src/common/PinyinTables.cpp of the
repository containing this script.  A coverage report goes to stderr.
"""

import argparse
import bz2
import collections
import gzip
import io
import os
import re
import sys
import unicodedata
import zipfile

INITIALS = "ABCDEFGHJKLMNOPQRSTWXYZ"
FIELDS = ("kXHC1983", "kHanyuPinyin", "kMandarin")
READINGS_NAME = "Unihan_Readings.txt"
UNIHAN_DIR = "/usr/share/unicode"
BLOCK_BITS = 8
BLOCK_SIZE = 1 << BLOCK_BITS

REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(REPO_ROOT, "src", "common", "PinyinTables.cpp")


def default_source():
    """First of the forms Debian has shipped the readings file in."""
    candidates = [
        os.path.join(UNIHAN_DIR, READINGS_NAME),
        os.path.join(UNIHAN_DIR, READINGS_NAME + ".bz2"),
        os.path.join(UNIHAN_DIR, READINGS_NAME + ".gz"),
        os.path.join(UNIHAN_DIR, "Unihan.zip"),
    ]
    for path in candidates:
        if os.path.exists(path):
            return path
    sys.exit("no Unihan readings found under %s; install the unicode-data "
             "package or pass --unihan" % UNIHAN_DIR)


def open_readings(path):
    """Text stream of Unihan_Readings.txt from a plain, bz2, gz or zip file."""
    if zipfile.is_zipfile(path):
        archive = zipfile.ZipFile(path)
        names = [n for n in archive.namelist()
                 if os.path.basename(n) == READINGS_NAME]
        if not names:
            sys.exit("%s has no %s" % (path, READINGS_NAME))
        return io.TextIOWrapper(archive.open(names[0]), encoding="utf-8")
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    if path.endswith(".gz"):
        return gzip.open(path, "rt", encoding="utf-8")
    return open(path, "r", encoding="utf-8")


def load_readings(path):
    """Returns ({code point: {field: [reading, ...]}}, unicode version)."""
    readings = collections.defaultdict(dict)
    version = None
    with open_readings(path) as stream:
        for line in stream:
            if line.startswith("#"):
                match = re.match(r"#\s*Unicode version:\s*(\S+)", line)
                if match:
                    version = match.group(1)
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 3 or parts[1] not in FIELDS:
                continue
            code = int(parts[0][2:], 16)
            readings[code][parts[1]] = split_readings(parts[2])
    return readings, version


def split_readings(value):
    # kXHC1983 "0121.040:cháng 1456.020:zhǎng", kHanyuPinyin
    # "10009.010:jī,qí", kMandarin "zhǎng": drop the dictionary locations
    # and split what is left on commas.
    result = []
    for entry in value.split():
        for reading in entry.rsplit(":", 1)[-1].split(","):
            if reading:
                result.append(reading)
    return result


def first_letter(reading):
    # Tone marks are combining characters after NFD (ǘ -> u + marks,
    # ḿ -> m + acute), so the base letter is always the first code point.
    return unicodedata.normalize("NFD", reading)[0].lower()


def gbk_hanzi():
    """Code point -> GBK bytes of every double-byte CJK ideograph of cp936."""
    result = {}
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            raw = bytes((lead, trail))
            try:
                text = raw.decode("gbk")
            except UnicodeDecodeError:
                continue
            code = ord(text)
            if is_ideograph(code):
                result[code] = raw
    return result


def is_ideograph(code):
    return (0x3400 <= code <= 0x4DBF or 0x4E00 <= code <= 0x9FFF
            or 0xF900 <= code <= 0xFAFF or code == 0x3007)


def gb2312_levels():
    """Code points of the GB2312 hanzi, level 1 (rows 16-55) and 2 (56-87)."""
    levels = ([], [])
    for row in range(16, 88):
        for cell in range(1, 95):
            try:
                text = bytes((0xA0 + row, 0xA0 + cell)).decode("gb2312")
            except UnicodeDecodeError:
                continue
            levels[0 if row <= 55 else 1].append(ord(text))
    return levels


class Builder:
    def __init__(self, readings):
        self.readings = readings
        self.field_used = collections.Counter()
        self.skipped = []       # (code point, reading) with an i/u/v initial
        self.odd = []           # (code point, reading) not starting a-z
        self.via_canonical = {}  # compatibility ideograph -> its equivalent

    def mask_of(self, code):
        fields = self.readings.get(code)
        if not fields:
            # Compatibility ideographs usually carry no readings; they read
            # as their canonical equivalent does.
            canonical = ord(unicodedata.normalize("NFC", chr(code)))
            if canonical != code and self.readings.get(canonical):
                self.via_canonical[code] = canonical
                return self.mask_of(canonical)
            return 0
        for field in FIELDS:
            if field in fields:
                break
        else:
            return 0
        self.field_used[field] += 1
        mask = 0
        for reading in fields[field]:
            letter = first_letter(reading)
            if not "a" <= letter <= "z":
                self.odd.append((code, reading))
            elif letter.upper() not in INITIALS:
                self.skipped.append((code, reading))
            else:
                mask |= 1 << INITIALS.index(letter.upper())
        return mask


def build_tables(masks):
    """Two-level table over the BMP: high byte -> block, low byte -> mask id.

    Masks are stored once each, most frequent first, so block entries are
    small numbers and the generated source stays compact.
    """
    frequency = collections.Counter(masks.values())
    distinct = [0] + sorted((m for m in frequency if m),
                            key=lambda m: (-frequency[m], m))
    mask_id = {m: i for i, m in enumerate(distinct)}

    blocks = [tuple([0] * BLOCK_SIZE)]
    block_index = {blocks[0]: 0}
    block_of = []
    for high in range(0x10000 >> BLOCK_BITS):
        base = high << BLOCK_BITS
        block = tuple(mask_id[masks.get(base + low, 0)]
                      for low in range(BLOCK_SIZE))
        if block not in block_index:
            block_index[block] = len(blocks)
            blocks.append(block)
        block_of.append(block_index[block])

    # Read everything back the way the C++ lookup does.
    for code in range(0x10000):
        block = blocks[block_of[code >> BLOCK_BITS]]
        assert distinct[block[code & (BLOCK_SIZE - 1)]] == masks.get(code, 0)
    return distinct, blocks, block_of


def c_type(largest):
    return "std::uint8_t" if largest <= 0xFF else "std::uint16_t"


def render(distinct, blocks, block_of, source, version):
    # Which block starts at which code point, for the comments.
    starts = {}
    for high, index in enumerate(block_of):
        starts.setdefault(index, high << BLOCK_BITS)

    out = []
    out.append("// Generated by tools/gen_pinyin_tables.py; do not edit.")
    out.append("// Data: %s (Unicode %s, Debian package unicode-data),"
               % (os.path.basename(source), version or "unknown"))
    out.append("// fields kXHC1983, else kHanyuPinyin, else kMandarin.")
    out.append("// Regenerate from the repository root with:")
    out.append("//     python3 tools/gen_pinyin_tables.py")
    out.append("")
    out.append('#include "common/PinyinTables.h"')
    out.append("")
    out.append("#include <bit>")
    out.append("#include <cstdint>")
    out.append("")
    out.append("namespace shopbiz {")
    out.append("namespace {")
    out.append("")
    out.append("// Every distinct set of initials, most frequent first; "
               "entry 0 is the empty set.")
    out.append("constexpr std::uint32_t kMasks[%d] = {" % len(distinct))
    for i in range(0, len(distinct), 8):
        out.append("    " + ", ".join("0x%06X" % m
                                      for m in distinct[i:i + 8]) + ",")
    out.append("};")
    out.append("")
    out.append("// Per block of %d code points: index into kMasks of each "
               "code point." % BLOCK_SIZE)
    out.append("constexpr %s kBlocks[%d][%d] = {"
               % (c_type(len(distinct) - 1), len(blocks), BLOCK_SIZE))
    for index, block in enumerate(blocks):
        out.append("    {  // %d: U+%04X" % (index, starts[index]))
        for i in range(0, BLOCK_SIZE, 32):
            out.append("        " + ",".join(str(v)
                                             for v in block[i:i + 32]) + ",")
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("// High byte of a BMP code point -> its block in kBlocks.")
    out.append("constexpr %s kBlockOf[%d] = {"
               % (c_type(len(blocks) - 1), len(block_of)))
    for i in range(0, len(block_of), 32):
        out.append("    " + ",".join(str(v) for v in block_of[i:i + 32]) + ",")
    out.append("};")
    out.append("")
    out.append("static_assert(sizeof(kPinyinInitials) - 1 == "
               "kPinyinInitialCount);")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    out.append("std::uint32_t PinyinInitialMask(char32_t ch) {")
    out.append("    // GBK has no characters outside the BMP.")
    out.append("    if (ch > 0xFFFF) {")
    out.append("        return 0;")
    out.append("    }")
    out.append("    return kMasks[kBlocks[kBlockOf[ch >> %d]][ch & 0x%X]];"
               % (BLOCK_BITS, BLOCK_SIZE - 1))
    out.append("}")
    out.append("")
    out.append("char PinyinFirstInitial(char32_t ch, bool fromZ) {")
    out.append("    const std::uint32_t mask = PinyinInitialMask(ch);")
    out.append("    if (mask == 0) {")
    out.append("        return ' ';")
    out.append("    }")
    out.append("    const int bit = fromZ ? "
               "static_cast<int>(std::bit_width(mask)) - 1")
    out.append("                          : std::countr_zero(mask);")
    out.append("    return kPinyinInitials[bit];")
    out.append("}")
    out.append("")
    out.append("}  // namespace shopbiz")
    out.append("")
    return "\n".join(out)


def report(builder, masks, gbk, levels, distinct, blocks):
    def covered(codes):
        return sum(1 for c in codes if masks.get(c))

    err = sys.stderr
    level1, level2 = levels
    print("GB2312 level 1: %d of %d hanzi have an initial"
          % (covered(level1), len(level1)), file=err)
    print("GB2312 level 2: %d of %d hanzi have an initial"
          % (covered(level2), len(level2)), file=err)
    print("GBK:            %d of %d ideographs have an initial"
          % (covered(gbk), len(gbk)), file=err)
    missing = [c for c in level1 + level2 if not masks.get(c)]
    print("GB2312 hanzi without an initial: %s"
          % (" ".join("%s U+%04X" % (chr(c), c) for c in missing)
             or "none"), file=err)
    missing_gbk = sorted(c for c in gbk if not masks.get(c))
    print("GBK ideographs without an initial: %s"
          % (" ".join("%s U+%04X" % (chr(c), c) for c in missing_gbk)
             or "none"), file=err)
    if builder.via_canonical:
        print("read as their canonical equivalent: %s" % " ".join(
            "U+%04X->%s" % (c, chr(e))
            for c, e in sorted(builder.via_canonical.items())), file=err)
    print("field used: %s" % ", ".join(
        "%s %d" % (f, builder.field_used[f]) for f in FIELDS), file=err)
    multi = sum(1 for m in masks.values() if m & (m - 1))
    print("characters with several initials: %d" % multi, file=err)
    gb = set(level1 + level2)
    print("table sizes (GBK / GB2312):", file=err)
    for bit, letter in enumerate(INITIALS):
        in_gbk = sum(1 for c, m in masks.items() if m >> bit & 1)
        in_gb = sum(1 for c in gb if masks.get(c, 0) >> bit & 1)
        print("  %s %5d / %4d" % (letter, in_gbk, in_gb), file=err)
    for title, items in (("skipped i/u/v readings", builder.skipped),
                         ("readings not starting with a-z", builder.odd)):
        if items:
            print("%s: %s" % (title, " ".join(
                "%s:%s" % (chr(c), r) for c, r in items)), file=err)
    print("%d distinct masks, %d blocks of %d" %
          (len(distinct), len(blocks), BLOCK_SIZE), file=err)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--unihan", help="Unihan_Readings.txt, its .bz2/.gz,"
                        " or Unihan.zip (default: found under %s)"
                        % UNIHAN_DIR)
    parser.add_argument("-o", "--output", default=DEFAULT_OUTPUT,
                        help="generated C++ file (default: %(default)s)")
    args = parser.parse_args()

    source = args.unihan or default_source()
    readings, version = load_readings(source)
    gbk = gbk_hanzi()
    levels = gb2312_levels()

    builder = Builder(readings)
    masks = {}
    for code in sorted(gbk):
        mask = builder.mask_of(code)
        if mask:
            masks[code] = mask

    distinct, blocks, block_of = build_tables(masks)
    text = render(distinct, blocks, block_of, source, version)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    report(builder, masks, gbk, levels, distinct, blocks)
    print("wrote %s (%d bytes)" % (args.output, len(text.encode("utf-8"))),
          file=sys.stderr)


if __name__ == "__main__":
    main()
