// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <optional>

#include "diagram/arrastre.h"

namespace trazalia::app {

class Anuncio;
class VentanaMetodo;

// A vector's tip grabbed on a method window's Picture1 and moved: each position sets the vector's
// scroll bars, so their handlers redraw as for any change. Watches Picture1's mouse events (touch
// arrives as Qt's emulated mouse) and takes only the presses that grab a tip.
class Arrastre final : public QObject {
    Q_OBJECT
public:
    // vectores: the window's magnitudes are HScroll1 … HScroll<n>, its directions the next n.
    Arrastre(VentanaMetodo& ventana, int vectores, Anuncio& anuncio);

    // As the mouse does, in twips of Picture1. Presionar grabs the tip within reach of p, if
    // any, and says whether it did; Mover and Soltar do nothing while no tip is held.
    bool Presionar(diagram::Punto p);
    void Mover(diagram::Punto p, bool ajustar);
    void Soltar();

    // The vector (1 to 3) whose tip is held.
    std::optional<int> vector() const { return vector_; }

signals:
    // A held tip was let go.
    void soltado();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    diagram::Punto EnTwips(QPointF posicion) const;
    // How near a tip a press grabs it: the same few pixels on screen at any zoom.
    double Alcance() const;
    std::optional<int> PuntaEn(diagram::Punto p) const;

    VentanaMetodo& ventana_;
    int vectores_;
    Anuncio& anuncio_;
    std::optional<int> vector_;
    diagram::EscalaDelArrastre escala_;
};

}  // namespace trazalia::app
