#!/usr/bin/env python3
"""Check and tidy the word lists in data/words/.

Sorted lists are put in case-insensitive order with case-insensitive
duplicates dropped (the program keeps them that way too); file-order
lists keep their order. Every file is written as UTF-8 with CR LF between
entries and no line end after the last one; blank entries and
surrounding spaces are removed.

Usage: tidy_wordlists.py [--check] [DIR]
  --check  report what would change, write nothing (exit 1 if anything)
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

SORTED = [
    "adjective.txt", "adjBad.txt", "adjGood.txt", "advD.txt", "advM.txt",
    "advP.txt", "advT.txt", "anumber.txt", "interjection.txt", "modal.txt",
    "bodypart.txt", "character.txt", "concept.txt", "animal.txt",
    "event.txt", "object.txt", "person.txt", "place.txt", "plant.txt",
    "pronoun.txt", "preposition.txt", "conjunction.txt", "substance.txt",
]
FILE_ORDER = ["number.txt", "right.txt", "custom.txt", "nounButtons.txt"]


def sort_key(word):
    return (word.casefold(), word)


def tidy(entries, keep_order):
    out = []
    seen = set()
    for e in entries:
        e = e.strip()
        if not e:
            continue
        key = e.casefold()
        if key in seen and not keep_order:
            continue
        if key in seen:
            print("  repeated entry kept (file order list): %s" % e)
        seen.add(key)
        out.append(e)
    if not keep_order:
        out.sort(key=sort_key)
    return out


def read(path):
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    return text, text.replace("\r\n", "\n").split("\n")


def write_text(entries):
    return "\r\n".join(entries)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true")
    ap.add_argument("dir", nargs="?", default=os.path.join(ROOT, "data", "words"))
    args = ap.parse_args()
    changed = 0
    for name in SORTED + FILE_ORDER:
        path = os.path.join(args.dir, name)
        if not os.path.exists(path):
            print("missing: %s" % name)
            changed += 1
            continue
        old, entries = read(path)
        new = write_text(tidy(entries, name in FILE_ORDER))
        if new != old:
            changed += 1
            print(("would change: " if args.check else "tidied: ") + name)
            if not args.check:
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write(new)
    return 1 if (changed and args.check) else 0


if __name__ == "__main__":
    sys.exit(main())
