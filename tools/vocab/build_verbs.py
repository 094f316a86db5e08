#!/usr/bin/env python3
"""Build the verb tables data/words/verb.txt, goVerb.txt and sayVerb.txt.

Sources, all beside this script:
  verbs_general.txt, verbs_go.txt, verbs_say.txt
                      the infinitives of each table, one a line
  verbs_irregular.txt infinitive, past and past participle of the
                      irregular verbs
  verbs_special.txt   the few -s and -ing forms that no rule gives

The other forms are made by the spelling rules of standard US English.
Whether a final consonant is doubled (stop, stopped, stopping) or a k
added (panic, panicked) is taken from WordNet's verb exception file
(verb.exc), less the British doublings listed in NO_DOUBLE and the -l
verbs stressed before the last syllable (travel, traveled). Every form
that verb.exc lists for a verb is then checked against the table and
each one that the table does not use is reported, so that a new verb
gets a second look.

Output: five lines per verb (infinitive, -s, -ing, past, past
participle), infinitives in case-insensitive order, CR LF between lines,
none after the last.

Usage: build_verbs.py [--verb-exc PATH] [--out DIR] [--check] [--report]
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

TABLES = [("verbs_general.txt", "verb.txt"),
          ("verbs_go.txt", "goVerb.txt"),
          ("verbs_say.txt", "sayVerb.txt")]

VOWELS = "aeiou"

# verb.exc doubles these the British way; US spelling keeps one consonant.
NO_DOUBLE = {"benefit", "bias", "combat", "focus", "worship"}

# -l verbs stressed on the last syllable double the l in US spelling too.
STRESSED_L = {"annul", "compel", "control", "dispel", "excel", "expel",
              "extol", "impel", "patrol", "propel", "rebel", "repel"}

# verb.exc forms that are deliberately not used (British, archaic or
# the other of two standard spellings).
NOT_USED = {
    "burnt", "dreamt", "learnt", "leapt", "spelt", "spilt", "spoilt",
    "smelt", "knit", "dove", "snuck", "pled", "lighted", "proved",
    "mown", "sawn", "shined", "spit", "wetted", "wed", "kneeled",
    "dwelled", "strewn", "thriven", "throve", "stricken", "got",
    "hanged", "bade", "bidden", "forbad", "abode", "awaked", "awakened",
    "woke", "waked", "wove", "stunk", "shrunken", "sunken", "sprung",
    "swum", "swang", "rang", "trod", "lain", "lay", "lit", "fit",
    "sped", "quit", "rid", "upset", "betted", "bet", "forecasted",
    "broadcasted", "dreamed", "sewed", "sowed", "swelled", "showed",
    "leant", "knelt", "crept", "weaved", "wound", "wringed",
}


def read_words(name):
    out = []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                out.extend(line.split())
    return out


def read_table(name, width):
    rows = {}
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            cols = line.split("#", 1)[0].split()
            if not cols:
                continue
            if len(cols) != width:
                sys.exit("%s: bad row: %s" % (name, line.strip()))
            rows[cols[0]] = cols[1:]
    return rows


def read_exc(path):
    """lemma -> set of inflected forms."""
    forms = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            for lemma in parts[1:]:
                forms.setdefault(lemma, set()).add(parts[0])
    return forms


class Inflector:
    def __init__(self, exc, irregular, special):
        self.exc = exc
        self.irregular = irregular
        self.special = special

    def stem(self, verb):
        """Stem for -ing and -ed: doubled consonant or added k."""
        known = self.exc.get(verb, set())
        last = verb[-1]
        if verb in NO_DOUBLE:
            return verb
        if last == "l" and verb.endswith("l") and verb not in STRESSED_L \
                and not verb.endswith("ll"):
            return verb
        if last == "c" and (verb + "king" in known or verb + "ked" in known):
            return verb + "k"
        if last not in VOWELS and (verb + last + "ing" in known
                                   or verb + last + "ed" in known):
            return verb + last
        return verb

    def s_form(self, verb):
        if verb.endswith(("s", "x", "z", "ch", "sh")):
            return verb + "es"
        if verb.endswith("y") and verb[-2] not in VOWELS:
            return verb[:-1] + "ies"
        return verb + "s"

    def ing_form(self, verb):
        if verb.endswith("ie"):
            return verb[:-2] + "ying"
        if verb.endswith(("ee", "ye", "oe")):
            return verb + "ing"
        if verb.endswith("e") and len(verb) > 2:
            return verb[:-1] + "ing"
        return self.stem(verb) + "ing"

    def ed_form(self, verb):
        if verb.endswith("e"):
            return verb + "d"
        if verb.endswith("y") and verb[-2] not in VOWELS:
            return verb[:-1] + "ied"
        return self.stem(verb) + "ed"

    def forms(self, verb):
        s, ing, ed = self.s_form(verb), self.ing_form(verb), self.ed_form(verb)
        past, participle = ed, ed
        if verb in self.irregular:
            p, pp = self.irregular[verb]
            past = ed if p == "-" else p
            participle = ed if pp == "-" else pp
        if verb in self.special:
            s2, ing2 = self.special[verb]
            s = s if s2 == "-" else s2
            ing = ing if ing2 == "-" else ing2
        return [verb, s, ing, past, participle]


def render(rows):
    return "\r\n".join(w for row in rows for w in row)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--verb-exc", default="/usr/share/wordnet/verb.exc")
    ap.add_argument("--out", default=os.path.join(ROOT, "data", "words"))
    ap.add_argument("--check", action="store_true",
                    help="compare with the files in --out, write nothing")
    ap.add_argument("--report", action="store_true",
                    help="list the verb.exc forms that the tables do not use")
    args = ap.parse_args()

    exc = read_exc(args.verb_exc)
    irregular = read_table("verbs_irregular.txt", 3)
    special = read_table("verbs_special.txt", 3)
    inflect = Inflector(exc, irregular, special)
    status = 0
    for source, target in TABLES:
        verbs = read_words(source)
        seen = set()
        for v in verbs:
            if v in seen:
                print("%s: repeated verb %s" % (source, v), file=sys.stderr)
                status = 1
            seen.add(v)
        rows = [inflect.forms(v) for v in sorted(seen, key=lambda w: (w.casefold(), w))]
        if args.report:
            for row in rows:
                unused = sorted(exc.get(row[0], set()) - set(row) - NOT_USED)
                if unused:
                    print("%s: %s: verb.exc also has %s"
                          % (target, row[0], ", ".join(unused)))
        path = os.path.join(args.out, target)
        text = render(rows)
        if args.check:
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    if f.read() != text:
                        print("differs:", path, file=sys.stderr)
                        status = 1
            except FileNotFoundError:
                print("missing:", path, file=sys.stderr)
                status = 1
        else:
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(text)
        print("%-12s %4d verbs" % (target, len(rows)))
    return status


if __name__ == "__main__":
    sys.exit(main())
