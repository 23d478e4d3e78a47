// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include "practice/ejercicio.h"

class QAction;
class QMenu;
class QPoint;

namespace trazalia::app {

class Arrastre;
class ControlVistas;
class Dialogos;
class Practica;
class VentanaMetodo;
struct AjustesDePractica;

// What the user can do with a method window's picture: copy it (Ctrl+C), save it (Ctrl+S), print
// it (Ctrl+P), make a worksheet (W), practise, turn the views on and off, and drag the vectors'
// tips. All of it is in the drawing area's context menu (the menu key, Shift+F10), and each key
// works wherever the focus is in the window.
class AccionesDelDibujo final : public QObject {
    Q_OBJECT
public:
    // Everything given must outlive the window, which owns this.
    AccionesDelDibujo(VentanaMetodo& ventana, practice::Ventana cual, ControlVistas& vistas,
                      Dialogos& dialogos, AjustesDePractica& practica);

    // Those of that window.
    static AccionesDelDibujo& De(const VentanaMetodo& ventana);

    // The clipboard gets the picture and, as text, the read-outs the window shows.
    void CopiarImagen();
    // Asks where to save the picture (PNG, SVG or PDF) and writes it there, all or nothing.
    void GuardarImagen();
    // Prints the picture and its read-outs on one page, after a preview.
    void Imprimir();

    QAction* accionCopiar() const { return copiar_; }
    QAction* accionGuardar() const { return guardar_; }
    Practica& practica() const { return *practica_; }
    Arrastre& arrastre() const { return *arrastre_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Not modal, so that the window's event loop and its tests go on while the menu is open.
    void AbrirMenu(const QPoint& global);

    VentanaMetodo& ventana_;
    Dialogos& dialogos_;
    QMenu* menu_ = nullptr;
    QAction* copiar_ = nullptr;
    QAction* guardar_ = nullptr;
    Practica* practica_ = nullptr;
    Arrastre* arrastre_ = nullptr;
};

}  // namespace trazalia::app
