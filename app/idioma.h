// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace trazalia::app {

// The languages the program speaks, Spanish first: the language its texts are written in.
QStringList Idiomas();

// The first of the system's interface languages (LANGUAGE, LC_ALL, LANG …) that the program
// speaks; Spanish when none is.
QString IdiomaDelSistema();

// Installs the program's translation for that language, one of Idiomas(), and with dialogosDeQt
// Qt's own, for its dialogs, when installed: runs without windows on screen show none. Spanish's
// holds only the plural forms of counted texts. Call once, after the application exists.
void InstalarIdioma(const QString& idioma, bool dialogosDeQt);

// The language installed; Spanish before InstalarIdioma.
QString Idioma();

// A text the domain writes, such as a read-out's "Indefinido", in the language installed. Texts
// that are not the domain's own, numbers among them, come back unchanged. Script traces record
// the domain's text, never this one.
QString Traducir(std::string_view texto);

// A diagram::Traductor for the texts the domain composes (descriptions, verdicts, worksheets):
// the marked text in the language installed, as UTF-8.
std::string EnElIdioma(const char* contexto, const char* texto, int cuenta);

}  // namespace trazalia::app
