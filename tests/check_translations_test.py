#!/usr/bin/env python3
"""Cases of scripts/check-translations.py: which translated entries it refuses, and when an unfinished entry fails."""

import importlib.machinery
import os
import sys
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
# The checker is a script with a dash in its name: load it as a module by its path.
_loader = importlib.machinery.SourceFileLoader("check", os.path.join(HERE, "..", "scripts", "check-translations.py"))
check = types.ModuleType(_loader.name)
_loader.exec_module(check)


def ts(language, entries):
    unfinished = ' type="unfinished"'
    body = "".join(
        f"<message><source>{s}</source><translation{unfinished if t is None else ''}>{t or ''}"
        "</translation></message>" for s, t in entries)
    return (f'<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="{language}">'
            f"<context><name>Ctx</name>{body}</context></TS>")


class Entries(unittest.TestCase):
    def test_entries(self):
        cases = [
            # source, translation, problems
            ("Saved %1 of %2", "%2 sur %1 enregistrés", []),
            ("Saved %1 of %2", "%1 enregistrés", ["placeholders differ"]),
            ("%n file(s)", "%n Datei(en)", []),
            ("Cannot load: ", "Chargement impossible :", ["leading or trailing spaces differ"]),
            ("Cannot load: ", "Chargement impossible : ", []),
            ("  indented", "retrait", ["leading or trailing spaces differ"]),
            ("<b>Tab</b><br>text", "<b>Onglet</b><br>texte", []),
            ("<b>Tab</b><br>text", "<b>Onglet</b> texte", ["HTML tags differ"]),
            ("<span style='color:#28a3dd;'>blue</span>", "<span style='color:red;'>bleu</span>", ["HTML tags differ"]),
            ("Volume", "", ["empty translation"]),
            ("Volume", "   ", ["empty translation"]),
            ("Vol < 5 > 3", "Vol < 5 > 3", []),
        ]
        for source, translation, expected in cases:
            with self.subTest(source=source, translation=translation):
                self.assertEqual(check.entry_problems(source, translation), expected)


class Files(unittest.TestCase):
    def run_file(self, name, entries, expected=None):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, name)
            with open(path, "w", encoding="utf-8") as f:
                f.write(ts(check.language_of(name), entries))
            findings, reports = [], []
            check.check_file(path, expected, findings, reports)
            return findings, reports

    def test_unfinished_fails_unless_still_translating(self):
        entries = [("Open", "Ouvrir"), ("Close", None)]
        findings, _ = self.run_file("config_xx.ts", entries)
        self.assertEqual(findings, ["config_xx.ts: 1 of 2 entries unfinished"])
        check.STILL_TRANSLATING.add("config_xx.ts")
        try:
            findings, reports = self.run_file("config_xx.ts", entries)
        finally:
            check.STILL_TRANSLATING.discard("config_xx.ts")
        self.assertEqual(findings, [])
        self.assertTrue(reports and "reported only" in reports[0])

    def test_source_language_is_not_checked_but_must_hold_every_text(self):
        findings, _ = self.run_file("mervexsrv_en.ts", [("Open", None)], expected=[("Ctx", "Open", ""),
                                                                                   ("Ctx", "New", "")])
        self.assertEqual(findings, ["mervexsrv_en.ts: missing [Ctx] 'New' (run scripts/update-translations.sh)"])

    def test_finished_entry_with_a_lost_placeholder_fails(self):
        findings, _ = self.run_file("mervexsrv_xx.ts", [("Deleted %1", "Supprimé")])
        self.assertEqual(len(findings), 1)
        self.assertIn("placeholders differ", findings[0])


if __name__ == "__main__":
    sys.exit(0 if unittest.main(exit=False).result.wasSuccessful() else 1)
