// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vistas.h"

#include <QAction>
#include <QCoreApplication>

#include "app/ajustes.h"
#include "session/teclas.h"

namespace trazalia::app {

namespace {

const std::span<const session::teclas::FilaDeVista> kFilas = session::teclas::Vistas();

QString Clave(const session::teclas::FilaDeVista& e) {
    return QLatin1String("vistas/") +
           QLatin1String(e.nombre.data(), static_cast<qsizetype>(e.nombre.size()));
}

}  // namespace

ControlVistas::ControlVistas(QObject* parent) : QObject(parent) {
    for (std::size_t i = 0; i < kFilas.size(); ++i) {
        auto* accion = new QAction(QCoreApplication::translate("Vistas", kFilas[i].titulo), this);
        accion->setCheckable(true);
        const std::string_view tecla = kFilas[i].tecla;
        accion->setShortcut(
            QKeySequence(QString::fromLatin1(tecla.data(), static_cast<qsizetype>(tecla.size()))));
        accion->setShortcutContext(::Qt::WindowShortcut);
        // The user's choice is remembered and goes to the core, which redraws.
        connect(accion, &QAction::triggered, this, [this, i](bool activa) {
            if (recordar_) Ajustes().setValue(Clave(kFilas[i]), activa);
            emit elegida(static_cast<diagram::Vista>(i), activa);
        });
        acciones_[i] = accion;
    }
}

diagram::Vistas ControlVistas::vistas() const {
    diagram::Vistas v;
    for (std::size_t i = 0; i < acciones_.size(); ++i)
        v.Poner(static_cast<diagram::Vista>(i), acciones_[i]->isChecked());
    return v;
}

void ControlVistas::Poner(diagram::Vista vista, bool activa) { accion(vista)->setChecked(activa); }

void ControlVistas::Mostrar(diagram::Vista vista, bool activa) {
    if (accion(vista)->isChecked() == activa) return;
    Poner(vista, activa);
    if (recordar_) Ajustes().setValue(Clave(kFilas[static_cast<std::size_t>(vista)]), activa);
}

void ControlVistas::Recordar() {
    recordar_ = true;
    for (std::size_t i = 0; i < kFilas.size(); ++i)
        acciones_[i]->setChecked(Activado(Ajustes().value(Clave(kFilas[i]))));
}

}  // namespace trazalia::app
