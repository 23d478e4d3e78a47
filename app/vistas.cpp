// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vistas.h"

#include <QAction>
#include <QCoreApplication>

#include "app/ajustes.h"

namespace trazalia::app {

namespace {

struct FilaDeVista {
    const char* titulo;
    ::Qt::Key tecla;
    const char* nombre;  // in scripts and in the settings
};

// In the order of diagram::Vista.
constexpr std::array<FilaDeVista, diagram::kNumeroDeVistas> kFilas{{
    {QT_TRANSLATE_NOOP("Vistas", "Cuadrícula"), ::Qt::Key_G, "grid"},
    {QT_TRANSLATE_NOOP("Vistas", "Rótulos"), ::Qt::Key_L, "labels"},
    {QT_TRANSLATE_NOOP("Vistas", "Componentes"), ::Qt::Key_K, "components"},
    {QT_TRANSLATE_NOOP("Vistas", "Ecuación"), ::Qt::Key_E, "equation"},
    {QT_TRANSLATE_NOOP("Vistas", "Trazo grueso"), ::Qt::Key_T, "bold"},
    {QT_TRANSLATE_NOOP("Vistas", "Colores de alto contraste"), ::Qt::Key_H, "contrast"},
    {QT_TRANSLATE_NOOP("Vistas", "Escala fija"), ::Qt::Key_F, "fixed"},
}};

QString Clave(const FilaDeVista& e) { return QLatin1String("vistas/") + QLatin1String(e.nombre); }

}  // namespace

ControlVistas::ControlVistas(QObject* parent) : QObject(parent) {
    for (std::size_t i = 0; i < kFilas.size(); ++i) {
        auto* accion = new QAction(QCoreApplication::translate("Vistas", kFilas[i].titulo), this);
        accion->setCheckable(true);
        accion->setShortcut(QKeySequence(kFilas[i].tecla));
        accion->setShortcutContext(::Qt::WindowShortcut);
        // Only what the user does is remembered and redrawn at once.
        connect(accion, &QAction::triggered, this, [this, i](bool activa) {
            if (recordar_) Ajustes().setValue(Clave(kFilas[i]), activa);
            emit cambiadas();
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

void ControlVistas::Recordar() {
    recordar_ = true;
    for (std::size_t i = 0; i < kFilas.size(); ++i)
        acciones_[i]->setChecked(Activado(Ajustes().value(Clave(kFilas[i]))));
}

}  // namespace trazalia::app
