#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every worked example in the README and the manual page against what the program shows for the
same vectors: the copied line, the equation, a component, the verdict's answer, the read-out in
the text, and each record line's answer."""
import os
import re
import subprocess
import sys
import tempfile

from cuenta import check, finish

BIN, README, MANUAL = sys.argv[1:4]
work = tempfile.mkdtemp()


def shown(m1, d1, m2, d2):
    """The trace of Form2 for these vectors with the components and the equation shown."""
    script = os.path.join(work, "ejemplo.txt")
    with open(script, "w") as f:
        f.write("click Form1.Command1\nview Form2 components on\nview Form2 equation on\n")
        for bar, value in ((1, m1), (3, d1), (2, m2), (4, d2)):
            f.write(f"set Form2.HScroll{bar} {value}\n")
        f.write("click Form2.Command1\ndump Form2\nclose Form2\n")
    result = subprocess.run([BIN, "--script", script], capture_output=True, text=True)
    check(f"script for {m1} at {d1}°, {m2} at {d2}°", result.returncode == 0, result.stderr)
    return result.stdout


def caption(trace, label):
    found = re.findall(rf'^Form2\.{label} Caption "([^"]*)"$', trace, re.M)
    return found[-1] if found else None


def texts(trace):
    return [" ".join(t.split()) for t in re.findall(r'^Form2\.Picture1 Text .*? "(.*)"$', trace,
                                                      re.M)]


# The manual is groff: its escaped minus signs and spaces read as the page shows them.
manual = open(MANUAL, encoding="utf-8").read().replace("\\-", "-").replace("\\ ", " ")
readme = open(README, encoding="utf-8").read()
documents = {"README": readme, "manual": manual}

# The documents' running example: 100 at 0° and 60 at 120°.
trace = shown(100, 0, 60, 120)
r, alfa = caption(trace, "Label10"), caption(trace, "Label12")
drawn = texts(trace)
for name, text in documents.items():
    for m in re.finditer(r"r1 = (\d+); α1 = (\d+)°; r2 = (\d+); α2 = (\d+)°; r = ([\d.]+); "
                         r"α = ([\d.]+)°", text):
        check(f"{name}: copied line {m.group(0)}", m.group(1, 2, 3, 4) == ("100", "0", "60", "120")
              and (m.group(5), m.group(6)) == (r, alfa), (r, alfa))
    for m in re.finditer(r"R = A \+ B = \([^)]*\);\s+\\?\|R\\?\| = [\d.]+;\s+α = [\d.]+°", text):
        equation = " ".join(m.group(0).replace("\\|", "|").split())
        check(f"{name}: equation {equation}", equation in drawn, drawn)
    for m in re.finditer(r"Rx\\? = \\?([\d.]+)", text):
        check(f"{name}: Rx = {m.group(1)}", f"Rx = {m.group(1)}" in drawn, drawn)
    for m in re.finditer(r"La correcta: ([\d.]+) a\s+([\d.]+)°", text):
        check(f"{name}: verdict's answer", (m.group(1), m.group(2)) == (r, alfa), (r, alfa))
    for m in re.finditer(r"«(\d+\.\d+)»", text):
        check(f"{name}: read-out «{m.group(1)}»", m.group(1) == r, r)

# Each record line's answer is the read-outs for its vectors.
records = re.findall(r"^[\d-]+T[\d:+]+,\w*,Form2,\w+,(\d+),(\d+),(\d+),(\d+),,,[\d.]+,[\d.]+,"
                     r"([\d.]+),([\d.]+),", manual + readme, re.M)
check("the manual has a record line", records)
for m1, d1, m2, d2, r, alfa in records:
    trace = shown(m1, d1, m2, d2)
    check(f"record {m1},{d1},{m2},{d2}: its answer",
          (caption(trace, "Label10"), caption(trace, "Label12")) == (r, alfa),
          (caption(trace, "Label10"), caption(trace, "Label12")))

finish()
