// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "diagram/marco.h"

class QAction;
class QMenu;
class QMouseEvent;
class QPointF;

namespace trazalia::app {

class ControlVistas;
class Dialogos;
class Practica;
class VentanaMetodo;
struct AjustesDePractica;

// What the user can do with a method window's picture: copy it (Ctrl+C), save it (Ctrl+S), print
// it (Ctrl+P), undo and redo a change (Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z), make a worksheet (W),
// practise, turn the views on and off, and drag the vectors' tips. All of it is in the drawing
// area's context menu (the menu key, Shift+F10), and each key works wherever the focus is in the
// window.
class AccionesDelDibujo final : public QObject {
    Q_OBJECT
public:
    // Everything given must outlive the window, which owns this.
    AccionesDelDibujo(VentanaMetodo& ventana, ControlVistas& vistas, Dialogos& dialogos,
                      AjustesDePractica& practica);

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
    QAction* accionDeshacer() const { return deshacer_; }
    QAction* accionRehacer() const { return rehacer_; }
    Practica& practica() const { return *practica_; }

private:
    VentanaMetodo& ventana_;
    Dialogos& dialogos_;
    QMenu* menu_ = nullptr;
    QAction* copiar_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* deshacer_ = nullptr;
    QAction* rehacer_ = nullptr;
    Practica* practica_ = nullptr;
};

// The one owner of the mouse on a method window's picture (touch arrives as Qt's emulated mouse)
// and of its context menu. A press, the moves and the release are the core's pointer commands: the
// core decides what the press starts (a tip's drag, a guess) and holds it to the release. Enter
// there checks, as "Comprobar" does; Esc is the window's (ResponderAEsc).
class ModoDelDibujo final : public QObject {
    Q_OBJECT
public:
    // All must outlive it; the menu opens at a right click or the menu key.
    ModoDelDibujo(VentanaMetodo& ventana, Practica& practica, QMenu& menu);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    diagram::Punto EnTwips(QPointF posicion) const;
    // How near a tip a press grabs it, in twips: the same few pixels on screen at any zoom.
    double Alcance() const;
    bool Presionar(const QMouseEvent& raton);
    bool Mover(const QMouseEvent& raton);
    bool Soltar(const QMouseEvent& raton);
    // A release that will not come: the gesture lets go where it last was.
    void Abandonar();
    // The open hand over a tip a press would grab, and no hand where a press is refused.
    void Senalar(diagram::Punto p);

    VentanaMetodo& ventana_;
    QWidget& picture_;
    Practica& practica_;
    QMenu& menu_;
    // A press started a gesture, which holds the pointer until its release.
    bool presionado_ = false;
    diagram::Punto ultimo_;
    // Where the pointer is over the picture, while it is.
    std::optional<diagram::Punto> sobre_;
};

}  // namespace trazalia::app
