#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real binary from the command line: exit statuses, the no-display message, script errors.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
passes=0

check() {  # check NAME EXPECTED_STATUS ACTUAL_STATUS [CONDITION...]
    local name=$1 expected=$2 actual=$3
    shift 3
    if [ "$actual" -eq "$expected" ] && { [ $# -eq 0 ] || "$@"; }; then
        passes=$((passes + 1))
    else
        echo "FAIL: $name (status $actual, expected $expected)"
        sed 's/^/  stderr: /' "$work/err"
        fails=$((fails + 1))
    fi
}
one_line() { [ "$(wc -l < "$work/err")" -eq 1 ] && grep -q -- "$1" "$work/err"; }
out_has() { grep -q -- "$1" "$work/out"; }
not_missing() { one_line "no se guardó: .*/proc/version" && ! grep -q "no existe" "$work/err"; }

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" >"$work/out" 2>"$work/err"
check "no display: one clear line, status 1" 1 $? one_line "xvfb-run"

env -u QT_QPA_PLATFORM DISPLAY=:97 "$bin" >"$work/out" 2>"$work/err"
check "unreachable display: no core dump, status 1" 1 $? one_line "--script"

"$bin" --version >"$work/out" 2>"$work/err"
check "--version" 0 $? out_has "trazalia"

"$bin" --help >"$work/out" 2>"$work/err"
check "--help" 0 $? out_has "--script"

"$bin" --script "$work/missing.txt" >"$work/out" 2>"$work/err"
check "unreadable script: status 1" 1 $? one_line "missing.txt"

# Scripts' traces and errors: guiones/ (guion_test.sh); standard input: flujo_test.sh.
printf 'click Form1.Command1\nset Form2.HScroll1 100\nclick Form2.Command1\nclose Form2\n' >"$work/ok.txt"
printf '\xef\xbb\xbfdump Form1\n' >"$work/bom.txt"
"$bin" --script "$work/bom.txt" >"$work/out" 2>"$work/err"
check "script with a byte-order mark; a caption's newline escaped" 0 $? out_has 'Ciencias\\nDep'

"$bin" --script "$work" >"$work/out" 2>"$work/err"
check "script that is a folder: status 1" 1 $? one_line "$work: "

# A full device of the test's own: no test writes to the system's /dev/full.
full=
if [ "$(id -u)" -eq 0 ] && mknod "$work/full" c 1 7 2>/dev/null; then
    full=$work/full
else
    echo "SKIP: the full-disk checks need root, to make a full device of their own"
fi
if [ -n "$full" ]; then
    "$bin" --script "$work/ok.txt" >"$full" 2>"$work/err"
    check "trace to a full disk: status 1" 1 $? one_line "salida"
fi

cp "$work/ok.txt" "$work/old.png" && { head -3 "$work/ok.txt"; echo "save Form2 $work/old.png"; } >"$work/save.txt"
(ulimit -f 8; "$bin" --script "$work/save.txt" >/dev/null 2>"$work/err")
check "save past a size limit keeps the old file: status 2" 2 $? cmp -s "$work/ok.txt" "$work/old.png"

# Under a locale with a decimal comma the trace is the same, byte for byte.
"$bin" --script "$work/ok.txt" >"$work/c.txt" 2>"$work/err"
localedef -i es_ES -f UTF-8 "$work/es_ES.UTF-8" 2>"$work/err" &&
    LOCPATH=$work LC_ALL=es_ES.UTF-8 "$bin" --script "$work/ok.txt" >"$work/out" 2>"$work/err"
check "trace under es_ES.UTF-8" 0 $? cmp -s "$work/c.txt" "$work/out"

# --idioma translates the windows; a script without it stays Spanish whatever the system's
# language, and the trace keeps the domain's Spanish texts.
printf 'click Form1.Command1\nclick Form2.Command1\ndump Form2\nclose Form2\n' >"$work/dump.txt"
"$bin" --script "$work/dump.txt" >"$work/es.txt" 2>"$work/err"
LANGUAGE=en LC_ALL=C.UTF-8 "$bin" --script "$work/dump.txt" >"$work/out" 2>"$work/err"
check "LANGUAGE=en: a script stays Spanish" 0 $? cmp -s "$work/es.txt" "$work/out"
"$bin" --idioma en --script "$work/dump.txt" >"$work/out" 2>"$work/err"
check "--idioma en: English captions" 0 $? out_has 'Button .* Caption "Draw Parallelogram"'
check "--idioma en: the trace keeps Indefinido" 0 0 out_has 'Label12 Caption "Indefinido"'
check "--idioma en: the window shows it in English" 0 0 out_has '^Form2.Label12 Label .* Caption "Undefined"'
"$bin" --idioma pt_BR --script "$work/dump.txt" >"$work/out" 2>"$work/err"
check "--idioma pt_BR: Portuguese captions" 0 $? out_has 'Caption "Voltar"'
# The verdict drawn on the picture, and a worksheet, in the language asked for.
printf 'click Form1.Command1\npractice Form2 on 3 medio\nguess Form2 88.8 101.8\nclick Form2.Command1\nclose Form2\n' >"$work/practica.txt"
"$bin" --idioma en --script "$work/practica.txt" >"$work/out" 2>"$work/err"
veredicto_en() { out_has 'Text .* "Your resultant does not"' && out_has 'Text .* "The right one: 25.30 at"'; }
check "--idioma en: the verdict in English" 0 $? veredicto_en
"$bin" --idioma en --hoja "$work/hoja.pdf" --semilla 5 --ejercicios 1 >"$work/out" 2>"$work/err"
hoja_en() { pdftotext -raw "$work/hoja.pdf" "$work/out" && out_has "Vector addition Page 2 of 2" &&
    out_has "^Solutions" && out_has "units at"; }
check "--hoja --idioma en: the worksheet in English" 0 $? hoja_en
"$bin" --idioma xx --script "$work/dump.txt" >"$work/out" 2>"$work/err"
check "--idioma xx: status 2" 2 $? one_line "«xx»"
{ echo fecha,alumno,ventana,nivel,m1,d1,m2,d2,m3,d3,tu_r,tu_alfa,r,alfa,veredicto
  for a in Ana Ana Luis; do echo "2026-03-02T10:15:00+01:00,$a,Form2,medio,100,0,60,120,,,87,37,87.18,36.59,acierto"; done
} >"$work/clase.csv"
"$bin" --resumen "$work/clase.csv" --idioma en >"$work/out" 2>"$work/err"
plurales() { out_has "Ana: 2 attempts, 2 right answers (100.0 %)" && out_has "Luis: 1 attempt, 1 right"; }
check "--resumen --idioma en: counts in their plural forms" 0 $? plurales
# Spanish has its plural forms too: one is "1 intento", never "1 intento(s)".
"$bin" --resumen "$work/clase.csv" >"$work/out" 2>"$work/err"
check "--resumen: Spanish counts in their plural forms" 0 $? out_has "Luis: 1 intento, 1 acierto"

# The class summary. Records as a spreadsheet saves them: a byte-order mark, CRLF line ends, a
# line break within a quoted name; one name spelt three ways, "José" with a combining accent.
cabecera=fecha,alumno,ventana,nivel,m1,d1,m2,d2,m3,d3,tu_r,tu_alfa,r,alfa,veredicto
reg() { printf '2026-03-02T10:15:00+01:00,%b,Form2,medio,100,0,60,120,,,87,37,87.18,36.59,%s\r\n' "$1" "$2"; }
{ printf '\xef\xbb\xbf%s\r\n' "$cabecera"
  reg '"Ana\r\nMaría"' acierto
  reg Ana acierto; reg 'Ana ' suma-de-modulos; reg ana otro
  reg $'Jos\xc3\xa9' acierto; reg $'Jose\xcc\x81' otro
} >"$work/hoja_de_calculo.csv"
"$bin" --resumen "$work/hoja_de_calculo.csv" >"$work/out" 2>"$work/err"
de_hoja() { out_has "^Intentos: 6;" && ! out_has "no se pudieron leer" && out_has "Ana\\\\r\\\\nMaría: 1 intento"; }
check "--resumen: a spreadsheet's CSV, quoted line break and byte-order mark" 0 $? de_hoja
agrupados() { out_has "  Ana: 3 intentos" && out_has "  José: 2 intentos"; }
check "--resumen: a name trimmed, case folded and in NFC is one student" 0 0 agrupados
# Each student's attempts and right answers apart, in every language.
for fila in "es|Ana: 3 intentos, 1 acierto (33.3 %)|José: 2 intentos, 1 acierto (50.0 %)" \
    "en|Ana: 3 attempts, 1 right answer (33.3 %)|José: 2 attempts, 1 right answer (50.0 %)" \
    "pt_BR|Ana: 3 tentativas, 1 acerto (33.3 %)|José: 2 tentativas, 1 acerto (50.0 %)"; do
    IFS='|' read -r idioma ana jose <<<"$fila"
    "$bin" --resumen "$work/hoja_de_calculo.csv" --idioma "$idioma" >"$work/out" 2>"$work/err"
    check "--resumen --idioma $idioma: attempts and right answers" 0 $? eval 'out_has "^  $ana$" && out_has "^  $jose$"'
done
"$bin" --resumen "$work/hoja_de_calculo.csv" --idioma en >"$work/out" 2>"$work/err"
en_ingles() { out_has "^  sum of magnitudes: 1 (" && out_has "^Students by mistake:" && ! out_has "suma-de-modulos"; }
check "--resumen --idioma en: mistakes by their English names" 0 $? en_ingles

# Bytes that are no text: a record ending in NULs, escapes in a name, a line break in a file's
# name. The summary goes on past them, and shows each escaped, in the language asked for too.
{ reg Ana acierto | tr -d '\r\n'; printf '\0\0\n'; reg $'x\e]0;T\a\e[2J' otro; reg Ana acierto; } >"$work/nul.csv"
printf 'x\n' >"$work/dos
lineas.csv"
"$bin" --resumen "$work/nul.csv" "$work/dos
lineas.csv" --idioma en >"$work/out" 2>"$work/err"
escapados() { out_has '«acierto\\x00\\x00»' && out_has 'x\\x1b\]0;T\\x07\\x1b\[2J: 1 attempt' &&
    out_has 'dos\\nlineas.csv:1: ' && [ "$(tr -d '\000\033\007' <"$work/out" | wc -c)" -eq "$(wc -c <"$work/out")" ]; }
check "--resumen: NULs and escapes read past, shown escaped" 0 $? escapados

# /proc/version is a file: it can be read, and is no folder to save into.
"$bin" --resumen /proc/version >"$work/out" 2>"$work/err"
check "--resumen /proc/version: read, and no record in it" 1 $? out_has "^  /proc/version:1: "
"$bin" --script "$work/practica.txt" --registro /proc/version >"$work/out" 2>"$work/err"
check "--registro /proc/version: the real reason, status 1" 1 $? not_missing
# The record's path in that reason is escaped, as every other message escapes what it quotes.
escapado() { one_line 'no se guardó: .*no\\x1b\[2J/r\.csv' && ! grep -q $'\e' "$work/err"; }
"$bin" --script "$work/practica.txt" --registro "$work/no"$'\e[2J'"/r.csv" >"$work/out" 2>"$work/err"
check "--registro with escapes in a missing folder's name: shown escaped, status 1" 1 $? escapado
# Were it read, /dev/zero would never end: the time limit only keeps a fault from hanging the test.
timeout 60 "$bin" --resumen /dev/zero >"$work/out" 2>"$work/err"
check "--resumen /dev/zero: refused, status 1" 1 $? one_line "/dev/zero: es un dispositivo"

# A name that is not UTF-8 names its own bytes, never the file Qt's decoding would make of it
# (U+FFFD in place of the byte), which stands here as a decoy.
decoy=$'\xef\xbf\xbd'
printf 'x\n' >"$work/x.txt"
cp "$work/clase.csv" "$work/clase"$'\xff'".csv"
cp "$work/x.txt" "$work/clase$decoy.csv"
"$bin" --resumen "$work/clase"$'\xff'".csv" >"$work/out" 2>"$work/err"
check "--resumen of a name that is not UTF-8" 0 $? out_has "^Intentos: 3;"
pdf_fe="$work/hoja"$'\xfe'".pdf"
"$bin" --hoja "$pdf_fe" --semilla 1 --ejercicios 1 >"$work/out" 2>"$work/err"
check "--hoja to a name that is not UTF-8" 0 $? eval '[ -s "$pdf_fe" ] && [ ! -e "$work/hoja$decoy.pdf" ]'
"$bin" --script "$work/practica.txt" --registro "$work/clase"$'\xfd'".csv" >"$work/out" 2>"$work/err"
check "--registro to a name that is not UTF-8: refused" 2 $? eval 'one_line "no es texto UTF-8" && cmp -s "$work/x.txt" "$work/clase$decoy.csv"'

# A worksheet is a PDF: another extension, or an option given twice, is refused before anything
# is written.
"$bin" --hoja "$work/hoja.txt" --ejercicios 1 >"$work/out" 2>"$work/err"
check "--hoja x.txt: status 2, nothing written" 2 $? eval 'one_line "hoja.txt.*\.pdf" && [ ! -e "$work/hoja.txt" ]'
for args in "--hoja $work/a.pdf --hoja $work/b.pdf|--hoja" "--hoja $work/a.pdf --semilla 1 --semilla 2|--semilla" \
    "-s $work/ok.txt --script $work/ok.txt|--script" "--resumen --csv --csv $work/clase.csv|--csv"; do
    IFS='|' read -r dadas opcion <<<"$args"
    # shellcheck disable=SC2086
    "$bin" $dadas >"$work/out" 2>"$work/err"
    check "$dadas: refused" 2 $? eval 'one_line "opción $opcion " && [ ! -e "$work/a.pdf" ] && [ ! -s "$work/out" ]'
done

# Output that cannot be written is no success.
for args in --help --version "--resumen $work/clase.csv"; do
    # shellcheck disable=SC2086
    "$bin" $args >&- 2>"$work/err"
    check "$args with standard output closed: status 1" 1 $? one_line "salida estándar: está cerrada"
    if [ -n "$full" ]; then
        # shellcheck disable=SC2086
        "$bin" $args >"$full" 2>"$work/err"
        check "$args to a full disk: status 1" 1 $? one_line "no queda espacio"
    fi
done

"$bin" --script "$work/ok.txt" stray >"$work/out" 2>"$work/err"
check "unexpected argument: status 2, named" 2 $? one_line "argumento inesperado «stray»"

# A line may hold 65536 bytes before its newline; one byte more stops the script at that line.
{ printf '#%.0s' $(seq 65536); echo; echo 'dump Form1'; } >"$work/limit.txt"
"$bin" --script "$work/limit.txt" >"$work/out" 2>"$work/err"
check "line of 65536 bytes: read whole" 0 $? out_has "^Form1 "
{ printf '#%.0s' $(seq 65537); echo; } >"$work/over.txt"
"$bin" --script "$work/over.txt" >"$work/out" 2>"$work/err"
check "line of 65537 bytes: status 2" 2 $? one_line "over.txt:1: línea demasiado larga"

printf 'click Form1.Command1\nbogus\n' >"$work/bad.txt"
"$bin" --script "$work/bad.txt" >"$work/out" 2>"$work/err"
check "bad script: status 2 with file and line" 2 $? one_line "bad.txt:2: "

echo "$passes passed, $fails failed"
[ "$fails" -eq 0 ]
