#!/usr/bin/env python3
"""Checks how the tests of a build folder are registered with CTest.

Usage: check-tests.py <build folder> [ctest program]

- A test on an X display (its command runs xvfb-run or Xvfb, its environment sets QT_QPA_PLATFORM=xcb, or it
  carries the label "screen") carries the label "screen" and QT_XCB_GL_INTEGRATION=none in its environment:
  with the toolkit's GL integration on, the system's GL driver is loaded, and its leaks fail the sanitizer run
  on some machines and not on others.
- A test whose command is a program from outside the build (other than CMake and Python, which build it) carries a label that says
  so ("screen" or "external"), so that `ctest -LE` can leave it out.

Prints one line per offence and exits with 1 when there is any.
"""

import json
import os
import re
import subprocess
import sys

DISPLAY_PROGRAMS = ("xvfb-run", "Xvfb")
OUTSIDE_LABELS = {"screen", "external"}
# What builds the project runs its scripts, wherever it is installed.
BUILD_TOOLS = re.compile(r"^(cmake|python3(\.[0-9]+)?)$")


def properties(test):
    return {p["name"]: p["value"] for p in test.get("properties", [])}


def problems(tests, build):
    found = []
    for test in tests:
        name = test["name"]
        command = test.get("command") or []
        props = properties(test)
        env = props.get("ENVIRONMENT", [])
        labels = set(props.get("LABELS", []))
        program = os.path.basename(command[0]) if command else ""
        on_display = program in DISPLAY_PROGRAMS or "QT_QPA_PLATFORM=xcb" in env or "screen" in labels
        if on_display:
            if "screen" not in labels:
                found.append(f"{name}: runs on an X display but lacks the label 'screen'")
            if "QT_XCB_GL_INTEGRATION=none" not in env:
                found.append(f"{name}: runs on an X display without QT_XCB_GL_INTEGRATION=none in its environment")
        inside = command and os.path.realpath(command[0]).startswith(os.path.realpath(build) + os.sep)
        if command and not inside and not BUILD_TOOLS.match(program) and not labels & OUTSIDE_LABELS:
            found.append(f"{name}: runs {command[0]} from outside the build without the label 'screen' or 'external'")
    return found


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    build = sys.argv[1]
    ctest = sys.argv[2] if len(sys.argv) > 2 else "ctest"
    out = subprocess.run([ctest, "--show-only=json-v1"], cwd=build, check=True, capture_output=True, text=True)
    tests = json.loads(out.stdout)["tests"]
    found = problems(tests, build)
    for line in found:
        print(line)
    print(f"{len(tests)} tests checked, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
