"""The noun plural rule used by the PLURALIZE button, in Python.

Each word is looked up in exactly one exception list, chosen by its
ending; a word that is not in its list gets the default plural below.
build_exceptions.py uses this to file every row in the right list and
to drop rows that the default already gets right.
"""

import re

VOWELS = "aeiou"

# Two-letter endings with a list of their own, tested in this order,
# and the suffix the default adds.
PAIR_LISTS = [
    ("ch", "nounCH", "es"),
    ("fe", "nounFE", "s"),
    ("is", "nounIS", "es"),
    ("on", "nounON", "s"),
    ("um", "nounUM", "s"),
    ("us", "nounUS", "es"),
]

LIST_NAMES = ["nounA", "nounF", "nounO", "nounX", "nounY", "nounCH",
              "nounFE", "nounIS", "nounON", "nounUM", "nounUS",
              "nounChange"]


def list_for(word):
    """Name of the exception list consulted for word (lower case)."""
    last = word[-1]
    if last == "a":
        return "nounA"
    if last == "f":
        return "nounF"
    if last == "o":
        return "nounO"
    if last == "x":
        return "nounX"
    if len(word) < 2:
        return None
    if last == "y":
        return "nounY"
    for pair, name, _ in PAIR_LISTS:
        if word.endswith(pair):
            return name
    return "nounChange"


def default_plural(word):
    """(plural, alternate) the rule gives when word is in no list."""
    last = word[-1]
    if last in "afo":
        return word + "s", ""
    if last == "x":
        return word + "es", ""
    if len(word) < 2:
        return word + "s", ""
    if last == "y":
        if word[-2] in VOWELS:
            return word + "s", ""
        return word[:-1] + "ies", ""
    for pair, _, suffix in PAIR_LISTS:
        if word.endswith(pair):
            return word + suffix, ""
    if re.fullmatch(r"[^aeiou]*[aeiou]z", word):
        return word + "zes", ""  # quiz: quizzes
    if word.endswith("sh") or last in "sz":
        return word + "es", ""
    if len(word) >= 3 and word.endswith("man"):
        stem = word[:-3]
        return stem + "men", stem + "mans"
    return word + "s", ""
