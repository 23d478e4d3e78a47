// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/arrastre.h"

#include <string>

#include "diagram/traducible.h"
#include "session/ventana_metodo.h"

namespace trazalia::session {

bool Arrastre::Presionar(diagram::Punto p, double alcance) {
    const auto& dibujo = ventana_.dibujo();
    vector_ = dibujo ? diagram::PuntaAlAlcance(*dibujo, p, alcance) : std::nullopt;
    if (!vector_) return false;
    const canvas::Picture& picture = ventana_.picture();
    escala_ = {picture.Width(), picture.Height(), dibujo->Escala, dibujo->escalado};
    return true;
}

void Arrastre::Mover(diagram::Punto p, bool ajustar) {
    if (!vector_) return;
    const diagram::Entrada valor = diagram::ValorArrastrado(p, escala_, ajustar);
    // Through the bars, so that their handlers and every rule of them apply.
    ventana_.Mover(*vector_, valor.m);
    ventana_.Mover(*vector_ + ventana_.vectores(), valor.d);
}

void Arrastre::Soltar() {
    if (!vector_) return;
    const int k = *vector_;
    vector_.reset();
    // Only when the vectors now ask for other axes.
    ventana_.Reescalar();
    // Once, when the tip is let go, rather than every value on the way.
    ventana_.Anunciar(diagram::Sustituir(
        ventana_.Traducir("Arrastre",
                          QT_TRANSLATE_NOOP("Arrastre", "Vector %1: magnitud %2, dirección %3°.")),
        {std::to_string(k), std::to_string(ventana_.HScroll(k)),
         std::to_string(ventana_.HScroll(k + ventana_.vectores()))}));
}

}  // namespace trazalia::session
