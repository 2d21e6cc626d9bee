#!/usr/bin/env python3
"""Measures the word tables of a data root against everyday vocabulary.

For each table it prints the share of the everyday words (everyday_words.tsv)
found with an accepted translation, the share whose accepted translation is
the row's first item (what a learner is shown and asked first), and the
number of rows that still hold dictionary markup. Forward tables (English
first) look up the English word and need one of its accepted translations
among the row's; reverse tables look up the accepted translations and need
the English word among theirs.

    word_quality.py [--data-root DIR] [--list-markup] [--list-missing]
                    [--sample N --seed S]

--data-root defaults to $XDG_DATA_HOME/vorbix. With --sample it prints N
random rows per table (the same rows for the same seed and table) for a
review by eye. Exit status 0; the figures are the output.
"""

import argparse
import os
import random
import re
import sqlite3
import sys

TABLES = [  # table, source field, target field, language column in the list
    ("enspa", "en", "spa", 1), ("spaen", "spa", "en", 1),
    ("enfra", "en", "fra", 2), ("fraen", "fra", "en", 2),
    ("enger", "en", "ger", 3), ("geren", "ger", "en", 3),
]

MARKUP = [
    ("valency marker", re.compile(r"(?<![\w])(etw|jdn|jdm|jds|jmd|jmdm|jmdn|sb|sth|sbd|smb|smth)\.", re.I)),
    ("square bracket", re.compile(r"[\[\]]")),
    ("empty ()", re.compile(r"\(\s*\)")),
    ("angle bracket", re.compile(r"[<>]")),
    ("slash", re.compile(r"/")),
    ("fragment", re.compile(r"\.\.\.|\u2026")),
]

ARTICLES = re.compile(r"^(to|the|a|an|el|la|los|las|un|una|le|les|l'|der|die|das|ein|eine|sich)\s+|^l'", re.I)


def normalised(item):
    item = re.sub(r"\([^)]*\)", " ", item)
    item = " ".join(item.split()).lower()
    previous = None
    while previous != item:
        previous = item
        item = ARTICLES.sub("", item)
    return item


def items(text):
    return {normalised(part) for part in (text or "").split(", ") if part.strip()}


def markup_kinds(row):
    text = " ".join(value or "" for value in row)
    kinds = [name for name, pattern in MARKUP if pattern.search(text)]
    if text.count("(") != text.count(")"):
        kinds.append("unbalanced ()")
    return kinds


def read_words(path):
    words = []
    with open(path, encoding="utf-8") as file:
        for line in file:
            if line.startswith("#") or not line.strip():
                continue
            columns = line.rstrip("\n").split("\t")
            words.append([columns[0]] + [column.split("|") for column in columns[1:]])
    return words


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_root = os.path.join(os.environ.get("XDG_DATA_HOME", os.path.expanduser("~/.local/share")), "vorbix")
    parser.add_argument("--data-root", default=default_root)
    parser.add_argument("--words", default=os.path.join(here, "everyday_words.tsv"))
    parser.add_argument("--list-markup", action="store_true")
    parser.add_argument("--list-missing", action="store_true")
    parser.add_argument("--sample", type=int, default=0)
    parser.add_argument("--seed", type=int, default=12)
    args = parser.parse_args()

    words = read_words(args.words)
    db = sqlite3.connect("file:%s?mode=ro" % os.path.join(args.data_root, "English", "engmi.db"), uri=True)
    print("%-6s %6s %9s %9s %8s" % ("table", "rows", "everyday", "first", "markup"))
    for table, source, target, column in TABLES:
        rows = db.execute('SELECT "Index", "%s", "%s" FROM "%s" ORDER BY "Index"' % (source, target, table)).fetchall()
        by_word = {}
        first_of = {}  # headword -> the first item of each of its rows
        for _, word, translation in rows:
            by_word.setdefault(normalised(word or ""), set()).update(items(translation))
            first = (translation or "").split(", ")[0]
            first_of.setdefault(normalised(word or ""), set()).add(normalised(first))
        missing = []
        not_first = []
        for entry in words:
            english, accepted = entry[0], [normalised(a) for a in entry[column]]
            if source == "en":
                found = by_word.get(normalised(english), set()) & set(accepted)
                first = first_of.get(normalised(english), set()) & set(accepted)
            else:
                found = [a for a in accepted if normalised(english) in by_word.get(a, set())]
                first = [a for a in accepted if normalised(english) in first_of.get(a, set())]
            if not found:
                missing.append(english)
            elif not first:
                not_first.append(english)
        marked = [(row, markup_kinds(row[1:])) for row in rows]
        marked = [(row, kinds) for row, kinds in marked if kinds]
        share = 100.0 * (len(words) - len(missing)) / len(words)
        first_share = 100.0 * (len(words) - len(missing) - len(not_first)) / len(words)
        print("%-6s %6d %8.1f%% %8.1f%% %8d" % (table, len(rows), share, first_share, len(marked)))
        if args.list_missing:
            print("  missing: " + ", ".join(missing))
            print("  not first: " + ", ".join(not_first))
        if args.list_markup:
            for row, kinds in marked:
                print("  %s | %s | %s" % (row[1], row[2], ", ".join(kinds)))
        if args.sample:
            chosen = random.Random("%s-%d" % (table, args.seed)).sample(rows, min(args.sample, len(rows)))
            for number, row in enumerate(chosen, 1):
                print("  %2d. %s -> %s" % (number, row[1], row[2]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
