#!/usr/bin/env python3
"""The Russian text model of the coding guess, counted from Russian text of two
Debian packages: fortunes-ru (GPL) and manpages-ru (GPL-3+).

    python3 scripts/make_russian_model.py > coding/russian_model_table.cpp
    python3 scripts/make_russian_model.py --held-out FILE

The first writes the tables; the second writes the text kept out of them (the
fortunes of tests/data/fortunes_utf8.txt and tests/data/prose_*.txt, every
second manual page) as UTF-8 to FILE, for measuring the guess. Installs the two
packages when they are missing (as root).
"""
import glob
import math
import os
import subprocess
import sys

FORTUNES = "/usr/share/games/fortunes/ru"
MANUALS = "/usr/share/man/ru"
# The fortunes the tests read; measured, never counted.
HELD_OUT_FORTUNES = {"2001.03", "2001.05", "human_being", "man_and_woman", "2003.01", "2003.02", "2003.03"}

LETTERS = 33
BREAK = 33        # any ASCII character
TYPOGRAPHIC = 34  # the punctuation of Russian text past ASCII
FOREIGN = 35      # a Cyrillic letter of another language
ODD = 36          # any other character
CLASSES = 37
PUNCTUATION = "\u00a0«»–—…„“”‘’‚№"


def letter_class(ch):
    """(class, case): case 0 none, 1 upper, 2 lower; must match RussianSymbolOf."""
    c = ord(ch)
    if 0x430 <= c <= 0x44F:
        return c - 0x430, 2
    if 0x410 <= c <= 0x42F:
        return c - 0x410, 1
    if c == 0x451:
        return 32, 2
    if c == 0x401:
        return 32, 1
    if c < 0x80:
        return BREAK, 0
    if 0x400 <= c <= 0x4FF:
        return FOREIGN, 0
    return (TYPOGRAPHIC if ch in PUNCTUATION else ODD), 0


def ensure_packages():
    if os.path.isdir(FORTUNES) and os.path.isdir(MANUALS):
        return
    subprocess.run(["apt-get", "install", "-y", "-q", "fortunes-ru", "manpages-ru"], check=True,
                   stdout=subprocess.DEVNULL, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


# What the formatter draws around a manual page's text (rules, table frames,
# bullets, angle brackets) is not text; plain text files have ASCII there.
DRAWN = {c: "+" for c in range(0x2500, 0x2580)}
DRAWN.update({ord("─"): "-", ord("│"): "|", ord("•"): "*", ord("⟨"): "<", ord("⟩"): ">",
              ord("‐"): "-", ord("−"): "-"})


def manual_text(path):
    env = dict(os.environ, MANWIDTH="80", GROFF_NO_SGR="1")
    page = subprocess.run(["man", "-l", "-E", "UTF-8", path], env=env, capture_output=True).stdout
    plain = subprocess.run(["col", "-bx"], input=page, capture_output=True).stdout
    return plain.decode("utf-8", "replace").translate(DRAWN)


def texts(held_out):
    """The training texts, or the held-out ones."""
    for name in sorted(os.listdir(FORTUNES)):
        path = os.path.join(FORTUNES, name)
        if "." in name and not name[:4].isdigit() or name.endswith((".dat", ".u8")) or os.path.islink(path):
            continue
        if (name in HELD_OUT_FORTUNES) == held_out:
            with open(path, encoding="utf-8", errors="replace") as f:
                yield f.read()
    pages = sorted(p for p in glob.glob(MANUALS + "/man*/*") if os.path.isfile(p) and not os.path.islink(p))
    for i, path in enumerate(pages):
        if (i % 2 == 1) == held_out:
            yield manual_text(path)


def count():
    pairs = [[0] * CLASSES for _ in range(CLASSES)]
    cases = [[0, 0] for _ in range(3)]   # previous case -> upper, lower
    triples = [[[0] * LETTERS for _ in range(LETTERS)] for _ in range(LETTERS)]
    for text in texts(held_out=False):
        before, prev_class, prev_case = BREAK, BREAK, 0
        for ch in text:
            cls, case = letter_class(ch)
            if cls == ODD and prev_class == ODD:
                continue   # a run of symbols counts once
            pairs[prev_class][cls] += 1
            if case:
                cases[prev_case][case - 1] += 1
            if max(before, prev_class, cls) < LETTERS:
                triples[before][prev_class][cls] += 1
            before, prev_class, prev_case = prev_class, cls, case
    return pairs, cases, triples


def triple_corrections(triples, pairs, weight=4.0):
    """What a letter after two letters tells beyond the letter before it: the
    log-probability of the letter after both (pulled towards the pair's own by
    `weight` counts, so that rare contexts say little) less the pair's, in
    tenths of a nat."""
    out = []
    for a in range(LETTERS):
        for b in range(LETTERS):
            row = triples[a][b]
            total = sum(row)
            pair_row = pairs[b][:LETTERS]
            pair_total = sum(pair_row) + 0.5 * LETTERS
            values = []
            for c in range(LETTERS):
                p2 = (pair_row[c] + 0.5) / pair_total
                p3 = (row[c] + weight * p2) / (total + weight)
                values.append(max(-127, min(127, round(10 * math.log(p3 / p2)))))
            out.append(values)
    return out


def log_rows(rows, smoothing=0.5):
    return [[math.log((n + smoothing) / (sum(row) + smoothing * len(row))) for n in row] for row in rows]


def case_pattern(logs):
    """A word's first letter costs nothing, so short words in capitals and in
    small letters start alike; a capital after a capital costs half what it
    counted, as headings and names in capitals are common. A change of case
    costs what it counted: a capital then small letters is common, a small
    letter then a capital rare (what a KOI8-R word read as 1251 looks like)."""
    return [[0.0, 0.0], [logs[1][0] / 2, logs[1][1]], [logs[2][0], logs[2][1]]]


def write_table(out):
    pairs, cases, triples = count()
    letters = sum(sum(row[:LETTERS]) for row in pairs)
    names = "абвгдежзийклмнопрстуфхцчшщъыьэюяё"
    out.write("// Generated from %d Russian letters of fortunes-ru and manpages-ru by\n" % letters)
    out.write("//     python3 scripts/make_russian_model.py > coding/russian_model_table.cpp\n")
    out.write("// Natural logarithms; rows and columns: %s, break, punctuation, foreign, odd.\n" % names)
    out.write('#include "coding/russian_model_table.h"\n\n')
    out.write("const float RussianPairLog[RussianClassCount][RussianClassCount] = {\n")
    for row in log_rows(pairs):
        out.write("    {" + ", ".join("%.2ff" % v for v in row) + "},\n")
    out.write("};\n\n")
    out.write("const float RussianCaseLog[3][2] = {\n")
    for row in case_pattern(log_rows(cases)):
        out.write("    {" + ", ".join(("%.3f" % v).replace("-0.000", "0.000") + "f" for v in row) + "},\n")
    out.write("};\n\n")
    out.write("const signed char RussianTripleTenths[RussianLetterCount][RussianLetterCount][RussianLetterCount] = {\n")
    corrections = triple_corrections(triples, pairs)
    for a in range(LETTERS):
        out.write("    {\n")
        for row in corrections[a * LETTERS:(a + 1) * LETTERS]:
            out.write("        {" + ",".join("%d" % v for v in row) + "},\n")
        out.write("    },\n")
    out.write("};\n")


def main():
    ensure_packages()
    if len(sys.argv) == 3 and sys.argv[1] == "--held-out":
        with open(sys.argv[2], "w", encoding="utf-8") as f:
            for text in texts(held_out=True):
                f.write(text)
    elif len(sys.argv) == 1:
        write_table(sys.stdout)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
