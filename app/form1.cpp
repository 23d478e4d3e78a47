// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QAbstractButton>
#include <string>

#include "session/sesion.h"

namespace trazalia::app {

namespace {

const session::Tabla& kTabla = session::TablaDe(session::Formulario::Form1);

}  // namespace

Form1::Form1(session::Sesion& sesion)
    : Ventana(QString::fromUtf8(kTabla.nombre.data(), static_cast<qsizetype>(kTabla.nombre.size())),
              QString::fromUtf8(kTabla.titulo), kTabla.controles) {
    for (int n = 1; n <= 3; ++n)
        connect(boton(n), &QAbstractButton::clicked, this,
                [&sesion, n] { sesion.Pulsar("Form1.Command" + std::to_string(n)); });
}

}  // namespace trazalia::app
