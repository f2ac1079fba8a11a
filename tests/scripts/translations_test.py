#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/translations check passes on the tree, and on a small tree fails, naming the text,
on a text without German, a stale .ts and a tr() without a context."""
import os
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "translations")
EMPTY_TS = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
            '<TS version="2.1" language="de_DE">\n</TS>\n')


def run(root, command):
    return subprocess.run([sys.executable, SCRIPT, "--root", root, command],
                          capture_output=True, text=True)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def translate(path, source, german):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    pattern = (r"(<source>" + re.escape(source) +
               r'</source>\s*<translation) type="unfinished"></translation>')
    text, count = re.subn(pattern, r"\1>" + german + "</translation>", text)
    assert count == 1, source
    write(path, text)


class TranslationsTest(unittest.TestCase):
    def test_the_tree_is_translated(self):
        result = run(ROOT, "check")
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_a_small_tree(self):
        with tempfile.TemporaryDirectory() as root:
            source = os.path.join(root, "src", "a", "Quit.cpp")
            ts = os.path.join(root, "translations", "ruvo_de.ts")
            write(source, 'auto t = QCoreApplication::translate("Panel", "Quit Ruvo");\n')
            write(ts, EMPTY_TS)

            result = run(root, "check")  # the text is not in the .ts yet
            self.assertEqual(result.returncode, 1)
            self.assertIn("out of date", result.stdout)
            self.assertIn("not translated: [Panel] Quit Ruvo", result.stdout)

            self.assertEqual(run(root, "update").returncode, 0)
            result = run(root, "check")  # in the .ts, without German
            self.assertEqual(result.returncode, 1)
            self.assertNotIn("out of date", result.stdout)
            self.assertIn("not translated: [Panel] Quit Ruvo", result.stdout)

            translate(ts, "Quit Ruvo", "Ruvo beenden")
            result = run(root, "check")
            self.assertEqual(result.returncode, 0, result.stdout)

            with open(source, "a", encoding="utf-8") as f:  # a new text
                f.write('auto u = QCoreApplication::translate("Panel", "Open Ruvo");\n')
            result = run(root, "check")
            self.assertEqual(result.returncode, 1)
            self.assertIn("not translated: [Panel] Open Ruvo", result.stdout)
            self.assertNotIn("Quit Ruvo", result.stdout)

            # A tr() outside any class reaches the .ts under a context no code asks for.
            write(os.path.join(root, "src", "b", "Loose.cpp"),
                  'namespace x {\nvoid f() { tr("Loose"); }\n}\n')
            self.assertEqual(run(root, "update").returncode, 0)
            result = run(root, "check")
            self.assertEqual(result.returncode, 1)
            self.assertIn("without a translation context", result.stdout)


if __name__ == "__main__":
    unittest.main()
