// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "practice/ejercicio.h"
#include "practice/intento.h"
#include "practice/registro.h"
#include "practice/veredicto.h"
#include "session/ventana.h"

class QWidget;

namespace trazalia::app {

class Dialogos;

// What a verdict adds to the record.
struct Juicio {
    practice::Ventana cual;
    practice::Nivel nivel;
    const practice::Ejercicio& juzgados;
    const practice::Intento& intento;
    const practice::Veredicto& veredicto;
};

// What the core's practice judged last, with that verdict.
Juicio JuicioDe(const session::Practica& practica, const practice::Veredicto& veredicto);

// The record at ruta gets one more line (canvas::AppendLine): written whole beside the old file
// and renamed over it, so that a failure leaves the earlier lines as they were, under a lock that
// keeps every writer's line. crear: the record's folder may not exist yet. Returns whether the
// line was kept; error says why not.
bool RegistrarVeredicto(const QString& ruta, bool crear, const std::string& alumno,
                        const Juicio& juicio, QString* error);

// Asks where to save a copy of the record at ruta and writes it there; says so when there is no
// record yet or the copy fails.
void GuardarCopiaDelRegistro(Dialogos& dialogos, QWidget* ventana, const QString& ruta);

}  // namespace trazalia::app
