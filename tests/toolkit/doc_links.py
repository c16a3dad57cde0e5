#!/usr/bin/env python3
"""Checks the links of the documents: every relative link names a file of
the sources, and every anchor (#...) a heading of the page it points into,
in the way web pages of markdown make anchors from headings.
usage: doc_links.py SOURCE_DIR DOCUMENT..."""
import os
import re
import sys

LINK = re.compile(r"\[[^\]]*\]\(([^)\s]+)\)")
HEADING = re.compile(r"^#+ (.*)$", re.M)


def anchor(heading):
    """The anchor of a heading: lower case, without punctuation but '-' and
    '_', blanks turned into '-'."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def anchors(path):
    with open(path, encoding="utf-8") as page:
        text = re.sub(r"^    .*$", "", page.read(), flags=re.M)  # code blocks
    return {anchor(h) for h in HEADING.findall(text)}


def broken_links(source_dir, document):
    path = os.path.join(source_dir, document)
    with open(path, encoding="utf-8") as page:
        text = page.read()
    for target in LINK.findall(text):
        if re.match(r"[a-z]+:", target):
            continue  # a web address
        name, _, fragment = target.partition("#")
        into = os.path.normpath(os.path.join(os.path.dirname(path), name)) if name else path
        if not os.path.exists(into):
            yield f"{document}: '{target}': no file {name}"
        elif fragment and into.endswith(".md") and fragment not in anchors(into):
            yield f"{document}: '{target}': no heading for #{fragment}"


def main():
    source_dir, documents = sys.argv[1], sys.argv[2:]
    problems = [p for d in documents for p in broken_links(source_dir, d)]
    for problem in problems:
        print(problem)
    if not problems:
        print(f"the links of {len(documents)} documents lead where they say")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
