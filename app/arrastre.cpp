// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arrastre.h"

#include <QCoreApplication>
#include <QMouseEvent>
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
    // Moves without a button pressed show the open hand over a tip.
    ventana_.Picture1()->setMouseTracking(true);
    ventana_.Picture1()->installEventFilter(this);
    ventana_.AgregarCapa(*this);
}

double Arrastre::Alcance() const {
    return kAlcanceEnPixeles * canvas::kTwipsPerPixel / ventana_.Picture1()->scale();
}

diagram::Punto Arrastre::EnTwips(QPointF posicion) const {
    const double twips = canvas::kTwipsPerPixel / ventana_.Picture1()->scale();
    return {posicion.x() * twips, posicion.y() * twips};
}

std::optional<int> Arrastre::PuntaEn(diagram::Punto p) const {
    const auto& dibujo = ventana_.dibujo();
    if (!dibujo) return std::nullopt;
    return diagram::PuntaAlAlcance(*dibujo, p, Alcance());
}

bool Arrastre::Presionar(diagram::Punto p) {
    vector_ = PuntaEn(p);
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

bool Arrastre::eventFilter(QObject* objeto, QEvent* evento) {
    // The event's kind first: a window being destroyed hides its picture, and then the window is
    // no longer one to ask anything.
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseMove &&
        tipo != QEvent::MouseButtonRelease)
        return false;
    QWidget* picture = ventana_.Picture1();
    if (objeto != picture) return false;
    const auto* raton = static_cast<QMouseEvent*>(evento);
    const diagram::Punto p = EnTwips(raton->position());
    const bool ajustar = raton->modifiers() & ::Qt::ShiftModifier;
    if (tipo == QEvent::MouseButtonPress) {
        if (raton->button() != ::Qt::LeftButton || vector_ || !Presionar(p)) return false;
        picture->setCursor(::Qt::ClosedHandCursor);
        return true;
    }
    if (tipo == QEvent::MouseMove) {
        if (vector_) {
            Mover(p, ajustar);
            return true;
        }
        if (raton->buttons() == ::Qt::NoButton) {
            if (PuntaEn(p))
                picture->setCursor(::Qt::OpenHandCursor);
            else
                picture->unsetCursor();
        }
        return false;
    }
    if (raton->button() != ::Qt::LeftButton || !vector_) return false;
    Mover(p, ajustar);
    Soltar();
    if (PuntaEn(p))
        picture->setCursor(::Qt::OpenHandCursor);
    else
        picture->unsetCursor();
    return true;
}

}  // namespace trazalia::app
