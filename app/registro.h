// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "practice/registro.h"

class QWidget;

namespace trazalia::app {

class Dialogos;

// The record at ruta gets the core's entry (session::Observador::Anotado), dated now and with the
// student's name: one more line (canvas::AppendLine), written whole beside the old file and
// renamed over it, so that a failure leaves the earlier lines as they were, under a lock that
// keeps every writer's line. crear: the record's folder may not exist yet. Returns whether the
// line was kept; error says why not.
bool RegistrarAsiento(const QString& ruta, bool crear, const std::string& alumno,
                      practice::Asiento asiento, QString* error);

// Asks where to save a copy of the record at ruta, offering that name, and writes it there; says so
// when there is no record yet or the copy fails.
void GuardarCopiaDelRegistro(Dialogos& dialogos, QWidget* ventana, const QString& ruta,
                             const QString& nombre);

}  // namespace trazalia::app
