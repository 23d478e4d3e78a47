# SPDX-License-Identifier: GPL-3.0-or-later
"""The checks of a command-line test: each one counted, each failure told as it happens, and a
closing line and status that ctest and CI read."""
import sys

passes = 0
failures = []


def check(name, condition, detail=""):
    global passes
    if condition:
        passes += 1
    else:
        failures.append(f"{name}: {detail}")
        print(f"FAIL: {name}: {detail}")


def finish():
    print(f"{passes} passed, {len(failures)} failed")
    sys.exit(1 if failures else 0)
