#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Question banks from the command line: the same exercises as the worksheet for the same options,
the file's language, the option errors as a table, and a failed save that keeps the old file."""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from cuenta import check, finish

BIN = sys.argv[1]
work = tempfile.mkdtemp()


def run(*args):
    return subprocess.run([BIN, *args], capture_output=True, text=True)


def statements(text):
    return re.findall(r"[A-C]: \d+ (?:unidades?|units?) (?:a|at) \d+°(?:; [^<\n]*?°)*", text)


bank = os.path.join(work, "banco.xml")
options = ["--semilla", "31", "--ejercicios", "7", "--nivel", "dificil", "--titulo", "Tarea"]
result = run("--moodle", bank, *options)
check("written", result.returncode == 0 and not result.stderr, result.stderr)
quiz = ET.parse(bank).getroot()
texts = [q.find("questiontext/text").text for q in quiz.iter("question")
         if q.get("type") == "cloze"]
check("a question per exercise", len(texts) == 7, len(texts))

# The worksheet's statements, in the same order, for the same options.
sheet = os.path.join(work, "hoja.pdf")
check("the worksheet", run("--hoja", sheet, *options).returncode == 0)
pdf = subprocess.run(["pdftotext", "-raw", sheet, "-"], capture_output=True, text=True).stdout
on_sheet = statements(pdf)[:7]
check("the worksheet's exercises", [statements(t)[0] for t in texts] == on_sheet,
      (texts[0][:80], on_sheet[:1]))
with open(bank, "rb") as f:
    first = f.read()
run("--moodle", bank, *options)
with open(bank, "rb") as f:
    check("same options, same bytes", f.read() == first)

english = os.path.join(work, "en.xml")
result = run("--moodle", english, "--idioma", "en", "--ejercicios", "1")
with open(english, encoding="utf-8") as f:
    check("--idioma en: the verdicts in English", result.returncode == 0 and
          "Correct! Your resultant is the sum of the vectors." in f.read(), result.stderr)

# Bad options: one line and status 2, nothing written.
for args, says in (
    (["--ejercicios", "201"], "de 1 a 200"),
    (["--metodo", "triangulo"], "método desconocido «triangulo»"),
    (["--nivel", "experto"], "nivel desconocido «experto»"),
    (["--semilla", "-1"], "semilla no válida"),
    (["--papel", "a4"], "la opción --papel va con --hoja"),
    (["--dibujados"], "la opción --dibujados va con --hoja"),
    (["--idioma", "xx"], "idioma desconocido «xx»"),
):
    target = os.path.join(work, "mal.xml")
    result = run("--moodle", target, *args)
    check(f"{args}: status 2", result.returncode == 2, result.returncode)
    check(f"{args}: one line", result.stderr.count("\n") == 1 and says in result.stderr,
          result.stderr)
    check(f"{args}: nothing written", not os.path.exists(target))
result = run("--moodle", os.path.join(work, "banco.txt"))
check("a name not ending in .xml: status 2", result.returncode == 2 and ".xml" in result.stderr,
      result.stderr)

# A failed save: status 1, one line, the old file kept whole.
old = os.path.join(work, "viejo.xml")
open(old, "w").write("viejo")
result = run("--moodle", os.path.join(work, "no", "hay.xml"))
check("save into no folder: status 1 and why", result.returncode == 1 and
      result.stderr.startswith("trazalia: no se puede escribir"), result.stderr)
result = subprocess.run(f"ulimit -f 4; exec {BIN} --moodle {old} --ejercicios 40", shell=True,
                        capture_output=True, text=True)
check("past a size limit: status 1, the old file kept",
      result.returncode == 1 and open(old).read() == "viejo", result.stderr)

finish()
