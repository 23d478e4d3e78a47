// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "diagram/vistas.h"

class QAction;

namespace trazalia::app {

// The views of the application, one set for both method windows: a checkable entry for each, with
// its key, shared by the windows' menus. Off until chosen; remembered between runs only once
// Recordar is called, as the program does on screen and never in script mode.
class ControlVistas : public QObject {
    Q_OBJECT
public:
    explicit ControlVistas(QObject* parent = nullptr);

    diagram::Vistas vistas() const;
    // In menu order: Cuadrícula, Rótulos, Componentes, Ecuación, Trazo grueso, Colores de alto
    // contraste, Escala fija.
    const std::array<QAction*, diagram::kNumeroDeVistas>& acciones() const { return acciones_; }
    QAction* accion(diagram::Vista vista) const {
        return acciones_[static_cast<std::size_t>(vista)];
    }

    // Checks or unchecks the entry; nothing redraws, nothing is remembered.
    void Poner(diagram::Vista vista, bool activa);
    // The core turned a view on or off (the user, or undo): the entry shows it, and it is
    // remembered once Recordar has been called.
    void Mostrar(diagram::Vista vista, bool activa);

    // Reads the remembered views and remembers every change the user makes from now on.
    void Recordar();

signals:
    // The user turned a view on or off.
    void elegida(diagram::Vista vista, bool activa);

private:
    std::array<QAction*, diagram::kNumeroDeVistas> acciones_{};
    bool recordar_ = false;
};

}  // namespace trazalia::app
