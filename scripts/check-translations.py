#!/usr/bin/env python3
"""Checks the translation sources against the code and the data folder, and every shipped language's entries.

Usage: check-translations.py [repository folder]

Fails (exit code 1) when
- a text the code passes through tr() is missing from a program source shell/translations/mervexsrv_<code>.ts
  (lupdate runs over the code into a temporary file, which is compared with each source);
- a configuration source data-src/locale/config_<code>.ts is not up to date with the data folder
  (scripts/update-config-translations.py);
- a finished entry of a shipped language (every language but English, the source language) is empty, or its
  placeholders (%1, %2, ... %n), its leading or trailing spaces or its HTML tags differ from the source text;
- a shipped language has an unfinished entry, unless its file is listed in STILL_TRANSLATING: those are only
  reported, so that a language can land in steps.

Prints one line per finding.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE_LANGUAGE = "en"
PROGRAM_FOLDERS = ["foundation", "functions", "widgets", "runtime", "config", "server", "datasources", "editor", "shell"]
# Files whose unfinished entries are reported without failing, while their translation is under way. Take a file
# off the list when it is complete: from then on a new text that nobody translated fails the check. (Every
# language is complete now.)
STILL_TRANSLATING = set()

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")
TAG = re.compile(r"</?[A-Za-z][A-Za-z0-9]*(?:\s[^<>]*)?/?>")


def find_lupdate():
    found = shutil.which("lupdate")
    if found:
        return found
    fallback = "/usr/lib/qt5/bin/lupdate"
    return fallback if os.path.exists(fallback) else None


def messages(path):
    """(context, source, comment) -> list of (translation texts, finished) of a .ts file, in file order."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            node = message.find("translation")
            if node is None:
                found[key] = ([], False)
                continue
            kind = node.get("type")
            if kind in ("obsolete", "vanished"):
                continue
            forms = [f.text or "" for f in node.iter("numerusform")] or [node.text or ""]
            found[key] = (forms, kind != "unfinished")
    return found


def edges(text):
    stripped = text.strip()
    if not stripped:
        return (text, "")
    start = text.index(stripped)
    return (text[:start], text[start + len(stripped):])


def entry_problems(source, translation):
    """What a finished translation changed that the program relies on."""
    found = []
    if not translation.strip():
        return ["empty translation"]
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        found.append("placeholders differ")
    if edges(source) != edges(translation):
        found.append("leading or trailing spaces differ")
    norm = lambda text: sorted(re.sub(r"\s+", " ", t).lower() for t in TAG.findall(text))  # noqa: E731
    if norm(source) != norm(translation):
        found.append("HTML tags differ")
    return found


def language_of(name):
    return os.path.splitext(name)[0].rsplit("_", 1)[-1]


def check_file(path, expected, findings, reports):
    """expected: the keys the file must hold (None: no such check)."""
    name = os.path.basename(path)
    entries = messages(path)
    if expected is not None:
        missing = [k for k in expected if k not in entries]
        for context, source, _ in missing[:10]:
            findings.append(f"{name}: missing [{context}] '{source}' (run scripts/update-translations.sh)")
        if len(missing) > 10:
            findings.append(f"{name}: {len(missing) - 10} more texts of the code are missing")
    if language_of(name) == SOURCE_LANGUAGE:
        return
    unfinished = 0
    for (context, source, _), (forms, finished) in entries.items():
        if not finished:
            unfinished += 1
            continue
        for form in forms:
            for problem in entry_problems(source, form):
                findings.append(f"{name}: [{context}] '{source}' -> '{form}': {problem}")
    if unfinished:
        line = f"{name}: {unfinished} of {len(entries)} entries unfinished"
        if name in STILL_TRANSLATING:
            reports.append(line + " (reported only: still being translated)")
        else:
            findings.append(line)
    elif name in STILL_TRANSLATING:
        reports.append(f"{name}: complete; take it off STILL_TRANSLATING in scripts/check-translations.py")


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    findings, reports = [], []

    lupdate = find_lupdate()
    if not lupdate:
        print("lupdate (qttools5-dev-tools) is needed", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "fresh_xx.ts")
        folders = [os.path.join(root, d) for d in PROGRAM_FOLDERS if os.path.isdir(os.path.join(root, d))]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-source-language",
                        SOURCE_LANGUAGE, "-I", root] + folders + ["-ts", fresh], check=True)
        expected = list(messages(fresh).keys())
    if not expected:
        findings.append("lupdate found no texts in the code")

    program_folder = os.path.join(root, "shell", "translations")
    config_folder = os.path.join(root, "data-src", "locale")
    program = sorted(f for f in os.listdir(program_folder) if f.endswith(".ts"))
    config = sorted(f for f in os.listdir(config_folder) if f.endswith(".ts")) if os.path.isdir(config_folder) else []
    if {language_of(f) for f in program} != {language_of(f) for f in config}:
        findings.append("the program's and the configuration's translation sources are not of the same languages")
    for f in program:
        check_file(os.path.join(program_folder, f), expected, findings, reports)

    refresh = subprocess.run([sys.executable, os.path.join(root, "scripts", "update-config-translations.py"),
                              "--check"], capture_output=True, text=True)
    findings += [line for line in refresh.stderr.splitlines() if line]
    if refresh.returncode and not refresh.stderr:
        findings.append("update-config-translations.py --check failed")
    for f in config:
        check_file(os.path.join(config_folder, f), None, findings, reports)

    for line in reports:
        print(line)
    for line in findings:
        print(line)
    print(f"{len(findings)} problems")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
