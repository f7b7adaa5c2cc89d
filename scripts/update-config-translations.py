#!/usr/bin/env python3
"""Refreshes the translation sources of the shipped configuration's texts from the data folder.

Usage: update-config-translations.py [--check]

The configuration names what a user reads (control list, categories, control names and descriptions, option
titles, settings pages of the data sources, strings of the control scripts) with texts that begin with '@'; the
program shows them translated in the context "Mervex" (config/tnamed.cpp: TranslateAtName, TranslatePath).
This script collects the '@' texts of the places the program reads that way and writes them, without the '@',
into data-src/locale/config_<code>.ts, one file per language the language panel offers. New texts are added
unfinished, translations of texts still in use are kept, texts no longer in the data are dropped. The build
compiles the sources into the data folder's locale/ folder.

An '@' text in a place this script does not know is an error: either the program translates it there (add the
place below) or it does not (add it to IGNORED), so that no shown text is left out by accident.

With --check nothing is written; the exit code is 1 when a source file is not up to date.
"""

import json
import os
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
OUT = os.path.join(ROOT, "data-src", "locale")
LANGUAGES = ["en", "fr", "de", "ru", "es", "pt", "cn", "tw"]
CONTEXT = "Mervex"

# Where the program passes a configuration text through the translator. A path is the chain of JSON keys from the
# file's top ("[]" for every entry of a list, "*" for every key of a map); "/" marks a text that is a category
# path, translated part by part.
TRANSLATED = {
    ("Name",): "ctrlset",  # the name of a control list file (one with "Elements")
    ("Elements", "[]", "Name"): "text",
    ("Elements", "[]", "Category"): "/",
    ("Strings", "*"): "text",
    ("Controls", "[]", "Config", "Description"): "text",
    ("Controls", "[]", "Config", "Options", "[]", "Title"): "text",
    ("Controls", "[]", "Config", "Options", "[]", "Text"): "text",
    ("Controls", "[]", "Config", "Options", "[]", "Items", "[]"): "text",
    ("Controls", "[]", "Config", "Options", "[]", "Value"): "text",
    ("Controls", "[]", "Layouts", "[]", "Name"): "text",
    ("DataSources", "[]", "Title"): "text",
    ("DataSources", "[]", "Config", "Description"): "text",
    ("DataSources", "[]", "Config", "Options", "[]", "Title"): "text",
    ("DataSources", "[]", "Config", "Options", "[]", "Text"): "text",
    ("DataSources", "[]", "Config", "Options", "[]", "Items", "[]"): "text",
}
# '@' texts the program reads but does not show: patterns matched against category paths.
IGNORED = {
    ("ExpandCategories", "[]"),
    ("CollapseCategories", "[]"),
}


def collect(errors):
    """The '@' texts the program translates, without the '@', in the order of the files."""
    texts = []
    seen = set()

    def add(text):
        if text not in seen:
            seen.add(text)
            texts.append(text)

    def walk(node, path, name, is_ctrlset):
        if isinstance(node, dict):
            for key, value in node.items():
                walk(value, path + (key,), name, is_ctrlset)
            return
        if isinstance(node, list):
            for value in node:
                walk(value, path + ("[]",), name, is_ctrlset)
            return
        if not isinstance(node, str) or not node.startswith("@"):
            return
        kind = TRANSLATED.get(path)
        if kind is None and len(path) == 2 and path[0] == "Strings":
            kind = TRANSLATED.get(("Strings", "*"))
        if kind == "ctrlset" and not is_ctrlset:
            kind = None
        if kind is None:
            if path not in IGNORED:
                errors.append(f"{name}: {'/'.join(path)}: '{node}' is in no known place")
            return
        if kind == "/":
            for part in node.split("/"):
                part = part.strip()
                if part.startswith("@") and len(part) > 1:
                    add(part[1:])
        elif len(node) > 1:
            add(node[1:])

    for name in sorted(os.listdir(DATA)):
        if not name.endswith(".json"):
            continue
        with open(os.path.join(DATA, name), encoding="utf-8") as f:
            try:
                root = json.load(f)
            except ValueError as e:
                errors.append(f"{name}: {e}")
                continue
        walk(root, (), name, isinstance(root, dict) and "Elements" in root)
    return texts


def read_existing(path):
    """source -> (translation, finished) of a present file."""
    found = {}
    if not os.path.exists(path):
        return found
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        node = message.find("translation")
        if node is None:
            continue
        finished = node.get("type") not in ("unfinished", "vanished", "obsolete")
        found[source] = (node.text or "", finished)
    return found


def render(code, texts, existing):
    lines = [
        '<?xml version="1.0" encoding="utf-8"?>',
        "<!DOCTYPE TS>",
        f'<TS version="2.1" language="{code}" sourcelanguage="en">',
        "<context>",
        f"    <name>{CONTEXT}</name>",
    ]
    for text in texts:
        translation, finished = existing.get(text, ("", False))
        if code == "en":
            # English is the source language: the program shows the texts as they are.
            translation, finished = "", False
        mark = "" if finished and translation else ' type="unfinished"'
        lines += [
            "    <message>",
            f"        <source>{escape(text)}</source>",
            f"        <translation{mark}>{escape(translation)}</translation>",
            "    </message>",
        ]
    lines += ["</context>", "</TS>", ""]
    return "\n".join(lines)


def main():
    check = "--check" in sys.argv[1:]
    errors = []
    texts = collect(errors)
    for e in errors:
        print(e, file=sys.stderr)
    if errors:
        return 1
    stale = []
    os.makedirs(OUT, exist_ok=True)
    for code in LANGUAGES:
        path = os.path.join(OUT, f"config_{code}.ts")
        content = render(code, texts, read_existing(path))
        current = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if content == current:
            continue
        if check:
            stale.append(path)
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(content)
    for path in stale:
        print(f"{os.path.relpath(path, ROOT)}: not up to date with the data folder "
              "(run scripts/update-config-translations.py)", file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
