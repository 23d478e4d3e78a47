#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Question banks from the command line: the same exercises as the worksheet for the same options,
each language whole by its translation files, within Moodle's upload limit or in numbered files,
the option errors as a table and in the language asked for, and a failed save that keeps the old
file."""
import html
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from cuenta import check, finish

BIN = sys.argv[1]
TRADUCCIONES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")
LIMITE = 2_000_000
work = tempfile.mkdtemp()


def run(*args):
    return subprocess.run([BIN, *args], capture_output=True, text=True)


def statements(text):
    return re.findall(r"[A-C]: \d+ (?:unidades?|units?) (?:a|at) \d+°(?:; [^<\n]*?°)*", text)


bank = os.path.join(work, "banco.xml")
options = ["--semilla", "31", "--ejercicios", "7", "--nivel", "dificil", "--titulo", "Tarea"]
result = run("--moodle", bank, *options)
check("written", result.returncode == 0 and not result.stderr and not result.stdout, result.stderr)
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
# The method and the level as the sheet's dialog writes them name the same exercises.
accented = os.path.join(work, "acentos.xml")
run("--moodle", accented, "--semilla", "31", "--ejercicios", "7", "--nivel", "difícil",
    "--metodo", "polígono", "--titulo", "Tarea")
plain = os.path.join(work, "sin.xml")
run("--moodle", plain, "--semilla", "31", "--ejercicios", "7", "--nivel", "dificil",
    "--metodo", "poligono", "--titulo", "Tarea")
with open(accented, "rb") as a, open(plain, "rb") as b:
    check("polígono and difícil as poligono and dificil", a.read() == b.read())


def visible(path):
    """Every text a student or a teacher sees in a bank: names, category, statements with their
    blanks' feedback, descriptions of the pictures, solutions, answers' feedback and hints."""
    found = []
    for node in ET.parse(path).getroot().iter("text"):
        if node.text:
            t = node.text
            t = re.sub(r'<img [^>]*alt="([^"]*)"[^>]*>', r" \1 ", t)
            t = re.sub(r"<[^>]+>", " ", t)
            found.append(html.unescape(html.unescape(t)))
    return "\n".join(found)


def translations(language):
    """The Spanish source and the translation of each text the bank may hold."""
    root = ET.parse(os.path.join(TRADUCCIONES, f"trazalia_{language}.ts")).getroot()
    pairs = []
    for context in root.iter("context"):
        if context.findtext("name") != "Trazalia":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            pairs.extend((message.findtext("source") or "", form) for form in forms)
    return pairs


def pieces(text):
    """A text's literal pieces between its placeholders, long enough to be words of its own."""
    return [p.strip() for p in re.split(r"%\d", text) if len(p.strip()) >= 4]


def present(piece, text):
    return re.search(r"(?<!\w)" + re.escape(piece) + r"(?!\w)", text) is not None


# Each language whole: a bank in English or Portuguese holds no Spanish text that its translation
# changes, and a Spanish bank none of their translations; the category's words too.
spanish = {}
for fmt in ("cloze", "numerico"):
    path = os.path.join(work, f"es-{fmt}.xml")
    run("--moodle", path, "--moodle-formato", fmt, "--ejercicios", "12", "--semilla", "3")
    spanish[fmt] = visible(path)
for language in ("en", "pt_BR"):
    pairs = translations(language)
    # A word both languages have is no sign of either.
    sources = "\n".join(s for s, _ in pairs)
    translated = "\n".join(t for _, t in pairs)
    for fmt in ("cloze", "numerico"):
        path = os.path.join(work, f"{language}-{fmt}.xml")
        result = run("--moodle", path, "--idioma", language, "--moodle-formato", fmt,
                     "--ejercicios", "12", "--semilla", "3")
        check(f"{language} {fmt}: written", result.returncode == 0, result.stderr)
        text = visible(path)
        left = [p for s, _ in pairs for p in pieces(s)
                if present(p, text) and not present(p, translated)]
        check(f"{language} {fmt}: no Spanish", not left, left[:5])
        foreign = [p for _, t in pairs for p in pieces(t)
                   if present(p, spanish[fmt]) and not present(p, sources)]
        check(f"{language} {fmt}: the Spanish bank none of its words", not foreign, foreign[:5])
    root = ET.parse(os.path.join(work, f"{language}-cloze.xml")).getroot()
    category = root.find("question/category/text").text
    check(f"{language}: the category's words translated",
          category == {"en": "$course$/top/Trazalia/both/medium",
                       "pt_BR": "$course$/top/Trazalia/ambos/médio"}[language], category)
    solution = root.find("question[@type='cloze']/generalfeedback/text").text
    separator = {"en": ".", "pt_BR": ","}[language]
    check(f"{language}: numbers with the language's separator",
          re.search(r"r = \d+(?:" + re.escape(separator) + r"\d+)?;", solution), solution)
english = os.path.join(work, "en-cloze.xml")
with open(english, encoding="utf-8") as f:
    check("--idioma en: the verdicts in English",
          "Correct! Your resultant is the sum of the vectors." in f.read())

# 200 exercises in Cloze fit one file within PHP's default upload limit, in every language;
# numerical questions go in numbered files within it, named on standard output.
for language in ("es", "en", "pt_BR"):
    path = os.path.join(work, f"grande-{language}.xml")
    result = run("--moodle", path, "--idioma", language, "--ejercicios", "200", "--semilla", "9")
    size = os.path.getsize(path) if os.path.exists(path) else None
    check(f"200 in Cloze, {language}: one file within the limit",
          result.returncode == 0 and not result.stdout and size and size <= LIMITE, (size, result))
split = os.path.join(work, "partes.xml")
result = run("--moodle", split, "--moodle-formato", "numerico", "--ejercicios", "200")
parts = sorted(f for f in os.listdir(work) if re.fullmatch(r"partes-\d+\.xml", f))
check("numerical, 200: numbered files", result.returncode == 0 and len(parts) >= 2 and
      not os.path.exists(split), (result, parts))
check("numerical, 200: each within the limit",
      all(os.path.getsize(os.path.join(work, p)) <= LIMITE for p in parts))
check("numerical, 200: the files named to the user",
      all(os.path.join(work, p) in result.stdout for p in parts), result.stdout)
questions = sum(1 for p in parts for q in ET.parse(os.path.join(work, p)).getroot().iter("question")
                if q.get("type") == "numerical")
check("numerical, 200: two questions per exercise", questions == 400, questions)

# Bad options: one line and status 2, nothing written.
for args, says in (
    (["--ejercicios", "201"], "de 1 a 200"),
    (["--ejercicios", "+5"], "--ejercicios va de 1 a 200, no «+5»"),
    (["--semilla", "+7"], "semilla no válida «+7»"),
    (["--metodo", "triangulo"], "método desconocido «triangulo»"),
    (["--nivel", "experto"], "nivel desconocido «experto»"),
    (["--semilla", "-1"], "semilla no válida"),
    (["--papel", "a4"], "la opción --papel va con --hoja"),
    (["--dibujados"], "la opción --dibujados va con --hoja"),
    (["--moodle-formato", "gift"], "formato desconocido «gift»"),
    (["--idioma", "xx"], "idioma desconocido «xx»"),
    (["--idioma", "en", "--metodo", "triangulo"],
     "unknown method “triangulo”: expected paralelogramo, poligono, combinacion, ambos or "
     "equilibrante"),
    (["--nivel", "x", "--idioma=pt_BR"], "nível desconhecido “x”: esperava-se facil, medio ou dificil"),
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
