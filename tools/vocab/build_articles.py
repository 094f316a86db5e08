#!/usr/bin/env python3
"""Build data/exceptions/articles.txt, the words the a/an letter rule misses.

Sources:
  * articles_fixed.txt beside this script (letters, numbers, initialisms);
  * the Carnegie Mellon pronouncing dictionary as Debian's festlex-cmu
    package installs it (/usr/share/festival/dicts/cmu/cmudict-0.4.out);
  * the word list of Debian's wamerican package
    (/usr/share/dict/american-english), for which words to consider.

Every lower-case word of the word list that the pronouncing dictionary
knows is read: it takes "an" when its first sound is a vowel. Where the
program's letter rule (the copy in letter_rule below) says otherwise, the
shortest beginning of the word shared only by words that take the same
article is written as a prefix pattern ("unin* an"), or the word itself
when no shorter one will do.

Output: the fixed head, then the patterns in alphabetical order; CR LF
between lines, none after the last.

Usage: build_articles.py [--cmu PATH] [--words PATH] [--out FILE] [--check]
"""
import argparse
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
VOWEL_SOUNDS = {"aa", "ae", "ah", "ao", "aw", "ax", "ay", "eh", "er", "ey", "ih", "iy", "ow",
                "oy", "uh", "uw"}


def letter_rule(word):
    """The program's rule on the first letters: True for "an"."""
    up = word.upper()
    if up == "ONE" or not word:
        return False
    f, n = up[0], len(word)
    if f in "AIO":
        return True
    if f == "H":
        if n > 3 and up[:4] in ("HEIR", "HERB", "HOMA", "HONO", "HOUR"):
            return True
        if n > 5 and up[:6] == "HONEST":
            return True
        return n > 2 and word[:3] in ("HMO", "HIV", "HPV")
    if f == "E":
        return not (n > 2 and up[:2] == "EU")
    if f == "U":
        if n > 2 and up[:3] in ("UNI", "URA", "URE", "URI", "URO", "USA", "USE", "USU",
                                "UTE", "UTI", "UTO", "UTR", "UVE", "UVU"):
            return False
        if n > 4 and up[:5] == "UNANI":
            return False
        if n > 3 and up[:4] == "UNAR":
            return False
        if n > 1 and up[:2] in ("UB", "UF", "UK"):
            return False
        return True
    return False


def read_cmu(path):
    """word -> True when it begins with a vowel sound (first pronunciation)."""
    out = {}
    entry = re.compile(r'^\("([^"]+)" \S+ \(\(\(([a-z]+)')
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = entry.match(line)
            if m and m.group(1) not in out:
                out[m.group(1)] = m.group(2) in VOWEL_SOUNDS
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--cmu", default="/usr/share/festival/dicts/cmu/cmudict-0.4.out")
    ap.add_argument("--words", default="/usr/share/dict/american-english")
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "exceptions", "articles.txt"))
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()

    cmu = read_cmu(args.cmu)
    with open(args.words, encoding="utf-8") as f:
        words = sorted({w.strip() for w in f if re.fullmatch(r"[aeiouh][a-z]+", w.strip())})
    known = {w: cmu[w] for w in words if w in cmu}
    # Only words that begin with a vowel or an h can fool the rule; single
    # letters and abbreviations are the fixed head's.
    patterns = []
    covered = []
    for w in sorted(known):
        an = known[w]
        if letter_rule(w) == an or any(w.startswith(p) for p in covered):
            continue
        chosen = w
        for n in range(2, len(w)):
            p = w[:n]
            group = [v for v in known if v.startswith(p)]
            if all(known[v] == an for v in group):
                chosen = p
                break
        if chosen == w:
            patterns.append("%s %s" % (w, "an" if an else "a"))
        else:
            patterns.append("%s* %s" % (chosen, "an" if an else "a"))
            covered.append(chosen)
    with open(os.path.join(HERE, "articles_fixed.txt"), encoding="utf-8") as f:
        head = [line.rstrip("\n") for line in f if line.strip()]
    lines = head + ["# Words the letter rule misses, from the pronouncing dictionary."] + patterns
    text = "\r\n".join(lines)
    if args.check:
        with open(args.out, encoding="utf-8", newline="") as f:
            if f.read() != text:
                print("differs:", args.out, file=sys.stderr)
                return 1
        return 0
    with open(args.out, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    print("%s: %d patterns" % (args.out, len(patterns)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
