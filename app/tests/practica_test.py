#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The practice record from the command line: verdicts of scripts written to --registro, read back
by --resumen as text and as CSV, a bad line and a missing file reported, and a record that cannot
be written told without stopping the exercise."""
import csv
import io
import os
import stat
import subprocess
import sys
import tempfile

BIN = sys.argv[1]
work = tempfile.mkdtemp()
failures = []


def check(name, condition, detail=""):
    if not condition:
        failures.append(name)
        print(f"FAIL: {name}: {detail}")


def run(*args, stdin=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([BIN, *args], input=stdin, capture_output=True, text=True, env=env,
                          cwd=work)


# Two exercises in Form2 (a right guess, then the resultant turned round) and one in Form3 (a
# vector left out); the numbers are those the windows show for these seeds.
SESION = """click Form1.Command1
practice Form2 on 7 medio
guess Form2 43.6 154.4
click Form2.Command1
practice Form2 next
guess Form2 54.5 156.6
click Form2.Command1
click Form2.Command2
click Form1.Command2
practice Form3 on 11 facil
guess Form3 122.9 170.6
set Form3.HScroll7 2
"""

registro = os.path.join(work, "clase.csv")
r = run("--script", "-", "--registro", registro, stdin=SESION)
check("session runs", r.returncode == 0, r.stderr)
with open(registro, encoding="utf-8") as f:
    filas = list(csv.reader(f))
check("header then one line per verdict", len(filas) == 4, filas)
check("header", filas[0][:4] == ["fecha", "alumno", "ventana", "nivel"], filas[0])
check("the vectors, the guess, the answer and the code of each verdict",
      [fila[2:] for fila in filas[1:]] == [
          ["Form2", "medio", "45", "135", "15", "240", "", "", "43.6", "154.4", "43.60", "154.41",
           "acierto", "", "", "resultante"],
          ["Form2", "medio", "65", "90", "100", "300", "", "", "54.5", "156.6", "54.47", "336.63",
           "sentido-opuesto", "", "", "resultante"],
          ["Form3", "facil", "50", "210", "90", "150", "80", "315", "122.9", "170.6", "74.30",
           "209.49", "falta-un-vector", "", "", "resultante"]], filas)

# A second run adds to the record, under the one header.
r = run("--script", "-", "--registro", registro, stdin=SESION)
with open(registro, encoding="utf-8") as f:
    check("a second session appends", f.read().count("fecha,") == 1 and
          len(open(registro, encoding="utf-8").readlines()) == 7)

# Two sessions at once add to one record, and neither loses a verdict.
RONDAS = "click Form1.Command1\npractice Form2 on 5 dificil\n" + \
    "guess Form2 50 0\nclick Form2.Command1\npractice Form2 next\n" * 150
juntos = os.path.join(work, "juntos.csv")
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
rondas = os.path.join(work, "rondas.txt")
with open(rondas, "w", encoding="utf-8") as f:
    f.write(RONDAS)
sesiones = [subprocess.Popen([BIN, "--script", rondas, "--registro", juntos],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, env=env)
            for _ in range(2)]
errores = [p.communicate()[1] for p in sesiones]
check("two writers at once end well", all(p.returncode == 0 for p in sesiones), errores)
with open(juntos, encoding="utf-8") as f:
    lineas = f.read().splitlines()
check("two writers at once: one header and every verdict",
      len(lineas) == 301 and lineas[0].startswith("fecha,"), len(lineas))

otro = os.path.join(work, "otro.csv")
with open(otro, "w", encoding="utf-8") as f:
    f.write("esto no es un registro\n")
r = run("--resumen", registro, otro)
check("summary runs", r.returncode == 0, r.stderr)
check("summary counts the class", "Intentos: 6; aciertos: 2 (33.3 %)." in r.stdout, r.stdout)
check("summary counts each mistake",
      "sentido opuesto: 2 (33.3 % de los intentos)" in r.stdout and
      "falta un vector: 2 (33.3 % de los intentos)" in r.stdout, r.stdout)
check("a bad line is named by file and line", f"{otro}:1: " in r.stdout, r.stdout)
check("a file with no record is named", "otro.csv: ninguna línea es un registro" in r.stderr,
      r.stderr)

# None is counted in the plural in Portuguese too.
fallos = os.path.join(work, "fallos.csv")
with open(fallos, "w", encoding="utf-8") as f:
    f.write("2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,40,250,87.18,36.59,otro\n")
r = run("--idioma", "pt_BR", "--resumen", fallos)
check("pt_BR: none in the plural", "Ana: 1 tentativa, 0 acertos (0.0 %)" in r.stdout, r.stdout)

# The same file twice, by another name too, counts once, and says so.
enlace = os.path.join(work, "enlace.csv")
os.symlink(registro, enlace)
r = run("--resumen", registro, enlace)
check("a file given twice counts once",
      r.returncode == 0 and "Intentos: 6; aciertos: 2 (33.3 %)." in r.stdout and
      "ya se leyó" in r.stderr, r.stdout + r.stderr)
# No record at all: nothing to summarise, and the status says so.
dibujo = os.path.join(work, "dibujo.svg")
with open(dibujo, "w", encoding="utf-8") as f:
    f.write("<svg>\n</svg>\n")
r = run("--resumen", dibujo)
check("no record in any file is a failure",
      r.returncode == 1 and "Intentos: 0" in r.stdout and "ninguna línea es un registro" in r.stderr,
      (r.returncode, r.stdout, r.stderr))

r = run("--resumen", "--csv", registro)
filas = {(fila[0], fila[1]): fila[2:5] for fila in csv.reader(io.StringIO(r.stdout))}
check("summary as CSV", filas.get(("clase", "")) == ["2", "6", "33.3"] and
      filas.get(("error", "falta-un-vector")) == ["2", "6", "33.3"], r.stdout)

r = run("--resumen", os.path.join(work, "no-existe.csv"))
check("a missing file ends it in one line with status 1",
      r.returncode == 1 and r.stderr.count("\n") == 1 and "no-existe.csv" in r.stderr, r.stderr)

# A record that cannot be written: the verdict is still judged, traced and drawn, and the script
# ends with status 1. The full device is the test's own: no test writes to the system's /dev/full.
destinos = [work]
try:
    os.mknod(os.path.join(work, "full"), 0o666 | stat.S_IFCHR, os.makedev(1, 7))
    destinos.append(os.path.join(work, "full"))
except PermissionError:
    print("SKIP: a full device of the test's own needs root")
for destino in destinos:
    r = run("--script", "-", "--registro", destino, stdin=SESION)
    check(f"failed write to {destino} is told", "no se guardó" in r.stderr, r.stderr)
    check(f"failed write to {destino} leaves the exercise, and is a failure",
          r.returncode == 1 and r.stdout.count(" Practica ") == 3, r.returncode)

# Without --registro a script writes no record at all.
vacio = tempfile.mkdtemp()
r = subprocess.run([BIN, "--script", "-"], input=SESION, capture_output=True, text=True,
                   env={**os.environ, "HOME": vacio, "XDG_DATA_HOME": vacio,
                        "QT_QPA_PLATFORM": "offscreen"})
check("a script keeps off the user's record", r.returncode == 0 and not os.listdir(vacio),
      os.listdir(vacio))

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
