// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>

#include "app/ventana_metodo.h"
#include "diagram/arrastre.h"

namespace trazalia::app {

// A vector's tip grabbed on a method window's Picture1 and moved: each position sets the vector's
// scroll bars, so their handlers redraw as for any change. The picture's mouse (ModoDelDibujo)
// gives it the presses that grab a tip. While a tip is held the picture's description waits for
// the release and its scale stays.
class Arrastre final : public QObject, public Capa {
    Q_OBJECT
public:
    explicit Arrastre(VentanaMetodo& ventana);

    // As the mouse does, in twips of Picture1. Presionar grabs the tip within reach of p, if
    // any, and says whether it did; Mover and Soltar do nothing while no tip is held.
    bool Presionar(diagram::Punto p);
    void Mover(diagram::Punto p, bool ajustar);
    void Soltar();

    // The vector (1 to 3) whose tip is held.
    std::optional<int> vector() const { return vector_; }
    // How near a tip a press grabs it, in twips: the same few pixels on screen at any zoom.
    double Alcance() const;

    QString Dibujado(canvas::Canvas&, const diagram::Resultado&) override { return {}; }
    QString Descripcion() const override { return {}; }
    bool retiene() const override { return vector_.has_value(); }
    // While a tip is held the picture keeps the scale it had at the press, so that the tip stays
    // under the pointer; the release draws it at its own scale.
    std::optional<double> EscalaRetenida() const override {
        return vector_ ? std::optional(escala_.Escala) : std::nullopt;
    }

signals:
    // A held tip was let go.
    void soltado();

private:
    VentanaMetodo& ventana_;
    int vectores_;
    std::optional<int> vector_;
    diagram::EscalaDelArrastre escala_;
};

}  // namespace trazalia::app
