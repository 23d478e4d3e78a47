// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include "canvas/canvas.h"
#include "session/tablas.h"

class QLabel;
class QWidget;

namespace trazalia::app {

using session::Control;
using session::Tipo;

// A text of a window's table (caption, accessible name, help) in the language installed. The table
// marks its texts with QT_TRANSLATE_NOOP in the context of its window's name ("Form2"), which
// control, the window or any widget in it, tells.
QString DeLaTabla(const QWidget* control, const char* texto);

// A control's tooltip: these lines, one under the other.
QString Consejo(const QStringList& lineas);

// Logical pixels from twips at a zoom, rounding each edge so that neighbouring controls stay
// aligned.
QRect PixelesDesdeTwips(int left, int top, int width, int height, double zoom = 1);

// Logical pixels from twips at a zoom, rounded to the nearest.
int Pixeles(int twips, double zoom = 1);

// The program's face, bold italic, at that size in points.
QFont Fuente(double puntos);

// The widget of a row, a child of parent: named as the row, laid out at 100 %, with its
// accessible texts and its tooltip. A picture is drawn in fore.
QWidget* CrearControl(const Control& control, canvas::Color fore, QWidget* parent);

// A screen reader reads a label's name and not its text, so a read-out's name carries both.
void NombrarLectura(QLabel* label, const Control& control);
// The same with the row's name already in the language installed.
void NombrarLectura(QLabel* label, const QString& nombre);

}  // namespace trazalia::app
