#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/check-layers passes on the tree and fails, naming the place, on a broken edge."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPT = os.path.join(ROOT, "scripts", "check-layers")

# (file to append to, text appended, what the report must say)
BREAKS = [
    ("src/events/EventQueries.cpp", '#include "platform/linux/VdirCalendarStore.h"\n',
     "events -> platform/linux"),
    ("src/menubar/ClockText.h", "#include <QWidget>\n", "menubar -> QtWidgets"),
    ("src/timezones/ZoneTexts.cpp", "#include <QtDBus/QDBusConnection>\n", "timezones -> QtDBus"),
    ("src/events/videocalls/LinkFinder.h", '#include "events/EventQueries.h"\n',
     "events/videocalls -> events"),
    ("src/cli/Commands.cpp", '#include "views/MenuWindow.h"\n', "cli -> views"),
    ("src/timezones/CMakeLists.txt", "target_link_libraries(ruvo_timezones PRIVATE ruvo_menubar)\n",
     "timezones -> menubar"),
    ("src/events/CMakeLists.txt", "target_link_libraries(ruvo_events PRIVATE\n  ruvo_calendar_vdir)\n",
     "events -> platform/linux"),
    ("src/newfolder/Thing.h", '#include "kit/Time.h"\n', "'newfolder' has no row"),
    ("src/kit/Time.cpp", '#include "no/such/Header.h"\n', "cannot tell where"),
]


def run(root):
    return subprocess.run([sys.executable, SCRIPT, "--root", root], capture_output=True, text=True)


class CheckLayersTest(unittest.TestCase):
    def test_the_tree_keeps_to_the_table(self):
        result = run(ROOT)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_a_broken_edge_fails_with_its_place(self):
        for file, text, report in BREAKS:
            with self.subTest(file=file, report=report), tempfile.TemporaryDirectory() as copy:
                shutil.copytree(os.path.join(ROOT, "src"), os.path.join(copy, "src"))
                shutil.copytree(os.path.join(ROOT, "docs"), os.path.join(copy, "docs"))
                path = os.path.join(copy, file)
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "a", encoding="utf-8") as target:
                    target.write(text)
                with open(path, encoding="utf-8") as target:
                    line = target.read().count("\n") - text.count("\n") + 1
                result = run(copy)
                self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                self.assertIn(f"{file}:{line}: ", result.stdout)
                self.assertIn(report, result.stdout)
                self.assertEqual(len(result.stdout.splitlines()), 1, result.stdout)

    def test_an_unreadable_table_is_an_error_not_a_pass(self):
        with tempfile.NamedTemporaryFile("w", suffix=".txt") as table:
            table.write("kit QtCore\n")
            table.flush()
            result = subprocess.run([sys.executable, SCRIPT, "--root", ROOT, "--table", table.name],
                                    capture_output=True, text=True)
        self.assertEqual(result.returncode, 2)
        self.assertIn("cannot read", result.stderr)


if __name__ == "__main__":
    unittest.main()
