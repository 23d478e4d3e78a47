#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Worksheets from the command line: the answers read back from the PDF against the read-outs the
windows show for the same vectors, the true scale measured on the PDF's own coordinates, the
option errors and a failed save."""
import math
import os
import re
import subprocess
import sys
import tempfile
import zlib

from cuenta import check, finish

BIN = sys.argv[1]
work = tempfile.mkdtemp()


def run(*args, stdin=None):
    return subprocess.run([BIN, *args], input=stdin, capture_output=True, text=True)


def text_of(pdf):
    return subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout


# Exercises as the sheet states them, and the answers of its solution pages, in order.
def read_sheet(text):
    statements, scales, answers = [], [], []
    for line in text.splitlines():
        if re.match(r"^A: \d+ unidades", line):
            vectors = [tuple(map(int, m)) for m in re.findall(r"(\d+) unidades a (\d+)°", line)]
            statements.append(vectors)
        if m := re.search(r"Escala: 1 cm = (\d+) unidades", line):
            scales.append(int(m.group(1)))
        if m := re.match(r"^r = (\S+)$", line.strip()):
            answers.append([m.group(1)])
        if m := re.match(r"^α = (\S+?)°?$", line.strip()):
            if answers and len(answers[-1]) == 1:
                answers[-1].append(m.group(1))
    answers = [a for a in answers if a[0] != "______________"]
    return statements, scales, answers


# The read-outs the windows give: each exercise set through the scroll bars in script mode.
def window_answers(statements):
    lines = []
    for vectors in statements:
        form = "Form2" if len(vectors) == 2 else "Form3"
        lines.append("click Form1.Command1" if form == "Form2" else "click Form1.Command2")
        n = len(vectors)
        for k, (m, d) in enumerate(vectors, start=1):
            lines += [f"set {form}.HScroll{k} {m}", f"set {form}.HScroll{k + n} {d}"]
        if form == "Form2":
            lines += ["click Form2.Command1", "dump Form2", "click Form2.Command2"]
        else:
            lines += ["set Form3.HScroll7 2", "set Form3.HScroll7 1", "dump Form3",
                      "click Form3.Command1"]
    result = run("--script", "-", stdin="\n".join(lines) + "\n")
    assert result.returncode == 0, result.stderr
    found = []
    for block in re.split(r"^(?=Form\d Window)", result.stdout, flags=re.M)[1:]:
        form = block[:5]
        captions = dict(re.findall(r'^Form\d\.(Label\d+) Label .* Caption "([^"]*)"', block,
                                   re.M))
        found.append([captions["Label10"], captions["Label12"]] if form == "Form2"
                     else [captions["Label14"], captions["Label16"]])
    return found


# Every straight stroke of a vector's width on each page: (colour, x1, y1, x2, y2) in twips.
def strokes(pdf):
    data = open(pdf, "rb").read()
    pages = []
    for stream in re.findall(rb"stream\r?\n(.*?)\r?\nendstream", data, re.S):
        try:
            content = zlib.decompress(stream).decode("latin-1")
        except zlib.error:
            continue
        if " Tj" not in content:
            continue
        found = re.findall(r"([\d.]+ [\d.]+ [\d.]+) SCN\n30 w [^\n]*\n([\d.-]+) ([\d.-]+) m\n"
                           r"([\d.-]+) ([\d.-]+) l\nS", content)
        pages.append([(c, *map(float, xy)) for c, *xy in found])
    return pages


CM = 1440 / 2.54

# A seeded sheet with the vectors drawn: every level, both methods.
for level, seed in (("facil", 1), ("medio", 20261207), ("dificil", 4294967295)):
    pdf = os.path.join(work, f"{level}.pdf")
    result = run("--hoja", pdf, "--semilla", str(seed), "--nivel", level, "--ejercicios", "8",
                 "--dibujados")
    check(f"{level}: written", result.returncode == 0 and not result.stderr, result.stderr)
    text = text_of(pdf)
    statements, scales, answers = read_sheet(text)
    check(f"{level}: 8 exercises, parallelogram first, alternating",
          [len(v) for v in statements[:8]] == [2, 3] * 4, statements)
    check(f"{level}: the seed on the sheet", f"semilla {seed}" in text)
    check(f"{level}: answers as the windows show them", answers == window_answers(statements[:8]),
          f"{answers} against {window_answers(statements[:8])}")

    # Each vector drawn from its frame's origin is m / k cm long and makes d° with the x axis.
    drawn = [s for page in strokes(pdf)[:4] for s in page]
    expected = [(m, d, k) for vectors, k in zip(statements[:8], scales[:8]) for m, d in vectors]
    check(f"{level}: every vector drawn", len(drawn) == len(expected), f"{len(drawn)} strokes")
    for (colour, x1, y1, x2, y2), (m, d, k) in zip(drawn, expected):
        length = math.hypot(x2 - x1, y2 - y1)
        angle = math.degrees(math.atan2(-(y2 - y1), x2 - x1)) % 360
        check(f"{level}: {m} at {d}° is {m / k} cm", abs(length - m / k * CM) <= CM / 100,
              f"{length / CM:.4f} cm at 1 cm = {k}")
        check(f"{level}: {m} at {d}° makes {d}°", min(abs(angle - d), 360 - abs(angle - d)) < 0.01,
              f"{angle}")

# The same options give the same sheet; the fonts are embedded.
one, two = (os.path.join(work, f"{n}.pdf") for n in ("uno", "dos"))
for path in (one, two):
    run("--hoja", path, "--semilla", "5", "--metodo", "poligono", "--titulo", "Tarea 3")
check("same options, same text", text_of(one) == text_of(two))
# Portrait pages of the paper asked for, in points: A4 is 595.28 × 841.89, US Letter 612 × 792;
# the PDF holds whole points.
for paper, size in (("a4", (595.28, 841.89)), ("carta", (612.0, 792.0))):
    path = os.path.join(work, f"{paper}.pdf")
    run("--hoja", path, "--papel", paper, "--ejercicios", "1")
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    m = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info)
    check(f"{paper}: page size", m and all(abs(float(m.group(i + 1)) - size[i]) < 0.5
                                            for i in range(2)), info)
# With SOURCE_DATE_EPOCH, the same bytes run after run, whatever each run's hash seed.
dated = [os.path.join(work, f"fecha{n}.pdf") for n in range(8)]
for path in dated:
    subprocess.run([BIN, "--hoja", path, "--semilla", "5", "--dibujados"],
                   env={**os.environ, "SOURCE_DATE_EPOCH": "1700000000"}, capture_output=True)
sheets = [open(path, "rb").read() for path in dated]
check("SOURCE_DATE_EPOCH: the same bytes", all(s == sheets[0] for s in sheets))
check("SOURCE_DATE_EPOCH: its date", b"/CreationDate (D:20231114221320Z)" in sheets[0])
check("the title on every page", text_of(one).count("Tarea 3") == text_of(one).count("Página "))
fonts = subprocess.run(["pdffonts", one], capture_output=True, text=True).stdout.splitlines()[2:]
check("fonts embedded", fonts and all(" yes " in f for f in fonts), fonts)

# Bad options: one line of Spanish and status 2, nothing written.
for args, says in (
    (["--ejercicios", "0"], "de 1 a 200"),
    (["--ejercicios", "1000000"], "de 1 a 200"),
    (["--ejercicios", "seis"], "de 1 a 200"),
    (["--metodo", "triangulo"], "método desconocido «triangulo»"),
    (["--nivel", "experto"], "nivel desconocido «experto»"),
    (["--semilla", "abc"], "semilla no válida «abc»"),
    (["--semilla", "-1"], "semilla no válida"),
    (["--semilla", "4294967296"], "semilla no válida"),
    (["--papel", "a3"], "papel desconocido «a3»"),
    (["--ejercicios"], "falta el valor de la opción «--ejercicios»"),
):
    target = os.path.join(work, "mal.pdf")
    result = run("--hoja", target, *args)
    check(f"{args}: status 2", result.returncode == 2, result.returncode)
    check(f"{args}: one line", result.stderr.count("\n") == 1 and says in result.stderr,
          result.stderr)
    check(f"{args}: nothing written", not os.path.exists(target))
result = run("--nivel", "facil")
check("a sheet's option without --hoja: status 2", result.returncode == 2 and "--hoja" in
      result.stderr, result.stderr)

# A failed save: status 1, one line, the old file kept whole.
old = os.path.join(work, "vieja.pdf")
open(old, "w").write("vieja")
carpeta = os.path.join(work, "carpeta.pdf")
os.mkdir(carpeta)
for target in (os.path.join(work, "no", "hay.pdf"), carpeta):
    result = run("--hoja", target)
    check(f"save to {target}: status 1 and why", result.returncode == 1 and
          result.stderr.startswith("trazalia: no se puede escribir"), result.stderr)
result = subprocess.run(f"ulimit -f 4; exec {BIN} --hoja {old} --ejercicios 40", shell=True,
                        capture_output=True, text=True)
check("past a size limit: status 1, the old file kept",
      result.returncode == 1 and open(old).read() == "vieja", result.stderr)

finish()
