#!/usr/bin/env python3
"""Build data/spelling/doubling.txt: which final consonants double.

A word that ends in one vowel letter and one consonant (stop, visit, travel)
doubles that consonant before -ing, -ed, -er and -est when its last syllable
is stressed: stopping, admitted, eavesdropping, bootlegged; it keeps one
when the syllable is not: visiting, traveled (US spelling), commoner. The
stress comes from the Carnegie Mellon pronouncing dictionary as Debian's
festlex-cmu package installs it; the program reads this table and works out
words of one syllable, and words the dictionary does not know, by rule.

Sources:
  * /usr/share/festival/dicts/cmu/cmudict-0.4.out (festlex-cmu): the
    syllables of a word and their stress; a verb's entry wins over a noun's
    (rebel: rebelled);
  * /usr/share/dict/american-english (wamerican): which words to consider;
  * doubling_fixed.txt beside this script: words the dictionary gets wrong
    (annul, zigzag) or does not hold (unplug).

Rows: "+word" (the consonant doubles) or "-word" (it stays single), for every
word of more than one syllable that ends in a vowel letter and a consonant;
also the British single-l spellings (fulfil, enrol) of a US word in -ll,
which double as their US form's stress says. A word whose last consonant is
not sounded (ballet, crochet) never doubles. LF between lines, sorted.

Usage: build_doubling.py [--cmu PATH] [--words PATH] [--out FILE] [--check]
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
VOWEL_SOUNDS = {"aa", "ae", "ah", "ao", "aw", "ax", "ay", "eh", "er", "ey", "ih", "iy", "ow",
                "oy", "uh", "uw"}
ENTRY = re.compile(r'^\("([^"]+)" (\S+) \((.*)\)\)$')
SYLLABLE = re.compile(r'\(\(([a-z ]+)\) (\d)\)')


def read_cmu(path):
    """word -> [(phones, stress)], the verb's pronunciation where there is one."""
    out = {}
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = ENTRY.match(line.strip())
            if not m:
                continue
            word, pos, body = m.groups()
            syllables = [(p.split(), int(s)) for p, s in SYLLABLE.findall(body)]
            if syllables and (word not in out or pos == "v"):
                out[word] = syllables
    return out


def sounds_vowel(w, i):
    """The program's test (VerbSpelling): u after q is no vowel, y after a
    consonant is one."""
    c = w[i]
    if c == "u" and i > 0 and w[i - 1] == "q":
        return False
    if c == "y":
        return i > 0 and w[i - 1] not in "aeiou"
    return c in "aeiou"


def ends_in_short_syllable(w):
    """One vowel letter before a final consonant that could double."""
    n = len(w)
    if n < 2 or w[-1] in "aeiouchwxy":
        return False
    if not sounds_vowel(w, n - 2) or w[n - 2] == "y":
        return False
    return n == 2 or not sounds_vowel(w, n - 3)


def doubles(syllables):
    """The last syllable is stressed and ends in a sounded consonant (the
    r-coloured vowel of "prefer" holds its r)."""
    phones, stress = syllables[-1]
    return stress >= 1 and (phones[-1] not in VOWEL_SOUNDS or phones[-1] == "er")


def inflected(w, words):
    """A plural or past of another word of the list (admits, abashed)."""
    if w.endswith("s") and (w[:-1] in words or w[:-2] in words):
        return True
    if w.endswith("ed"):
        stem = w[:-2]
        return stem in words or w[:-1] in words or (len(stem) > 2 and stem[-1] == stem[-2]
                                                      and stem[:-1] in words)
    return False


def read_fixed():
    rows = {}
    with open(os.path.join(HERE, "doubling_fixed.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                if line[0] not in "+-" or not re.fullmatch(r"[a-z]+", line[1:]):
                    sys.exit("doubling_fixed.txt: bad row: " + line)
                rows[line[1:]] = line[0] == "+"
    return rows


def build(cmu, words):
    table = {}
    for w in words:
        if w in cmu and len(cmu[w]) >= 2 and ends_in_short_syllable(w) \
                and not inflected(w, words):
            table[w] = doubles(cmu[w])
    for w, syllables in cmu.items():
        # install -> instal: the US word's stress decides the British form.
        single = w[:-1]
        if re.fullmatch(r"[a-z]+", w) and w.endswith("ll") and len(syllables) >= 2 \
                and ends_in_short_syllable(single) and single not in cmu:
            table.setdefault(single, doubles(syllables))
    table.update(read_fixed())
    return table


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--cmu", default="/usr/share/festival/dicts/cmu/cmudict-0.4.out")
    ap.add_argument("--words", default="/usr/share/dict/american-english")
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "spelling", "doubling.txt"))
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()

    cmu = read_cmu(args.cmu)
    with open(args.words, encoding="utf-8") as f:
        words = {w.strip() for w in f if re.fullmatch(r"[a-z]+", w.strip())}
    table = build(cmu, words)
    text = "\n".join(("+" if table[w] else "-") + w for w in sorted(table)) + "\n"
    if args.check:
        with open(args.out, encoding="utf-8", newline="") as f:
            if f.read() != text:
                print("differs:", args.out, file=sys.stderr)
                return 1
        return 0
    os.makedirs(os.path.dirname(args.out), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    print("%s: %d words, %d double" % (args.out, len(table), sum(table.values())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
