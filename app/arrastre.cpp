// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arrastre.h"

#include <QCoreApplication>
#include <QScrollBar>

#include "app/accesible.h"
#include "app/ventana_metodo.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

// Logical pixels around a tip that grab it: about a finger's width on a touch screen's half.
constexpr double kAlcanceEnPixeles = 10;

}  // namespace

Arrastre::Arrastre(VentanaMetodo& ventana)
    : QObject(&ventana), ventana_(ventana), vectores_(ventana.vectores()) {
    ventana_.AgregarCapa(*this);
}

double Arrastre::Alcance() const {
    return kAlcanceEnPixeles * canvas::kTwipsPerPixel / ventana_.Picture1()->scale();
}

bool Arrastre::Presionar(diagram::Punto p) {
    const auto& dibujo = ventana_.dibujo();
    vector_ = dibujo ? diagram::PuntaAlAlcance(*dibujo, p, Alcance()) : std::nullopt;
    if (!vector_) return false;
    const canvas::Picture& picture = ventana_.Picture1()->picture();
    escala_ = {picture.Width(), picture.Height(), ventana_.dibujo()->Escala,
               ventana_.dibujo()->escalado};
    return true;
}

void Arrastre::Mover(diagram::Punto p, bool ajustar) {
    if (!vector_) return;
    const diagram::Entrada valor = diagram::ValorArrastrado(p, escala_, ajustar);
    // Through the scroll bars, so that their handlers and every rule of them apply.
    ventana_.barra(*vector_)->setValue(valor.m);
    ventana_.barra(*vector_ + vectores_)->setValue(valor.d);
}

void Arrastre::Soltar() {
    if (!vector_) return;
    const int k = *vector_;
    vector_.reset();
    // Only when the vectors now ask for other axes, so that a drag that kept them draws no more.
    ventana_.Reescalar();
    ventana_.Describir();
    emit soltado();
    // Once, when the tip is let go, rather than every value on the way.
    ventana_.anuncio().Decir(
        QCoreApplication::translate("Arrastre", "Vector %1: magnitud %2, dirección %3°.")
            .arg(k)
            .arg(ventana_.barra(k)->value())
            .arg(ventana_.barra(k + vectores_)->value()));
}

}  // namespace trazalia::app
