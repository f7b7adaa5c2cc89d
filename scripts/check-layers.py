#!/usr/bin/env python3
"""Checks that the source folders keep their layers.

Order, lowest first: foundation < functions < widgets < config < runtime < server < datasources < editor < shell.
A folder includes only headers of the folders below it, and config/ and datasources/ include nothing of widgets/.
connectivity/ stands alone: it includes nothing of the program, and the program nothing of it. The same holds
for the folders' libraries (mv_<folder>) named in their CMakeLists.txt.

Prints one line per offending include or link and exits with 1 when there is any; tests/, bench/, tools/ and
fuzz/ sit above everything and are not checked.
"""

import os
import re
import subprocess
import sys

ORDER = ["foundation", "functions", "widgets", "config", "runtime", "server", "datasources", "editor", "shell"]
RANK = {folder: i for i, folder in enumerate(ORDER)}
# Folders kept apart from the widget kit although it sits below them: they reach the UI through interfaces.
NO_WIDGETS = {"config", "datasources"}
ALONE = "connectivity"
SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cc", ".cpp")

INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]')
LIBRARY = re.compile(r"\bmv_([a-z]+)\b")


def forbidden(folder, used):
    """Why folder may not use used, or None when it may."""
    if used == folder:
        return None
    if (folder == ALONE and used in RANK) or (used == ALONE and folder in RANK):
        return "connectivity/ stands alone"
    if folder not in RANK or used not in RANK:
        return None
    if RANK[used] > RANK[folder]:
        return "%s/ is above %s/" % (used, folder)
    if folder in NO_WIDGETS and used == "widgets":
        return "%s/ reaches the widgets only through interfaces" % folder
    return None


def tracked_files(root):
    try:
        out = subprocess.run(["git", "-C", root, "ls-files", "-z"], check=True, capture_output=True).stdout
        return [f for f in out.decode("utf-8", "replace").split("\0") if f]
    except (OSError, subprocess.CalledProcessError):
        files = []
        for base, dirs, names in os.walk(root):
            dirs[:] = [d for d in dirs if not d.startswith(".") and not d.startswith("build")]
            files += [os.path.relpath(os.path.join(base, n), root) for n in names]
        return files


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    problems = []
    for rel in sorted(tracked_files(root)):
        parts = rel.split("/")
        folder = parts[0]
        if len(parts) < 2 or (folder not in RANK and folder != ALONE):
            continue
        path = os.path.join(root, rel)
        if not os.path.isfile(path):
            continue
        if rel.endswith(SOURCE_SUFFIXES):
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m or "/" not in m.group(1):
                        continue
                    used = m.group(1).split("/")[0]
                    why = forbidden(folder, used)
                    if why:
                        problems.append('%s:%d: includes "%s": %s' % (rel, number, m.group(1), why))
        elif parts[-1] == "CMakeLists.txt":
            with open(path, encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    code = line.split("#", 1)[0]
                    for used in LIBRARY.findall(code):
                        why = forbidden(folder, used)
                        if why:
                            problems.append("%s:%d: links mv_%s: %s" % (rel, number, used, why))
    for p in problems:
        print(p)
    if problems:
        print("check-layers: %d layering violation(s); the order is %s, and config/ and datasources/ use no "
              "widgets/ (see ARCHITECTURE.md)" % (len(problems), " < ".join(ORDER)), file=sys.stderr)
        return 1
    print("check-layers: all includes and links keep the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
