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
    for (std::size_t i = 0; i < kTabla.controles.size(); ++i)
        if (kTabla.controles[i].tipo == session::Tipo::Button)
            connect(
                qobject_cast<QAbstractButton*>(control(QLatin1String(kTabla.controles[i].nombre))),
                &QAbstractButton::clicked, this, [&sesion, i] {
                    sesion.Ejecutar(session::comandos::Pulsar{session::Formulario::Form1, i});
                });
}

}  // namespace trazalia::app
