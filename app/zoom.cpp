// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zoom.h"

#include <QAction>
#include <QKeyEvent>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/ajustes.h"
#include "app/ventana.h"
#include "canvas/qt/painter.h"

namespace trazalia::app {

namespace {

constexpr std::array<double, 15> kPasos{0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25,
                                        1.5, 1.75, 2,    2.5, 3,   4, 5};
// Steps are compared with this much slack, so that a zoom from a drag steps to the next one.
constexpr double kHolgura = 1e-3;

const QString& Clave() {
    static const QString clave = QStringLiteral("ventanas/zoom");
    return clave;
}

// Roughly what a window manager adds around a window: borders and a title bar.
constexpr QSize kMarco(16, 40);

// The largest zoom at which the window's client area fits in that size.
double Cabe(QSize tamano) {
    return std::min(tamano.width() * canvas::kTwipsPerPixel / Ventana::kClientWidth,
                    tamano.height() * canvas::kTwipsPerPixel / Ventana::kClientHeight);
}

}  // namespace

void Zoom::Poner(double zoom) {
    zoom = std::clamp(zoom, kMinimo, kMaximo);
    if (zoom == valor_) return;
    valor_ = zoom;
    emit cambiado(valor_);
}

void Zoom::Fijar(double zoom) {
    Poner(zoom);
    if (recordar_) Ajustes().setValue(Clave(), valor_);
}

void Zoom::Acercar() {
    const auto paso = std::upper_bound(kPasos.begin(), kPasos.end(), valor_ + kHolgura);
    Fijar(paso == kPasos.end() ? kMaximo : *paso);
}

void Zoom::Alejar() {
    const auto paso = std::lower_bound(kPasos.begin(), kPasos.end(), valor_ - kHolgura);
    Fijar(paso == kPasos.begin() ? kMinimo : *std::prev(paso));
}

void Zoom::Recordar() {
    bool ok = false;
    const double guardado = Ajustes().value(Clave()).toDouble(&ok);
    if (ok && std::isfinite(guardado)) Poner(guardado);
    recordar_ = true;
}

double Zoom::QueCabe(QSize area) { return Cabe(area - kMarco); }

void Zoom::LimitarA(QSize area) {
    if (QueCabe(area) < valor_) Poner(QueCabe(area));
}

ZoomDeVentana::ZoomDeVentana(Ventana& ventana, Zoom& zoom)
    : QObject(&ventana), ventana_(ventana), zoom_(zoom) {
    ventana_.setMinimumSize(Tamano(Zoom::kMinimo));
    ventana_.resize(Tamano(zoom_.valor()));
    Disponer();
    connect(&zoom_, &Zoom::cambiado, this, &ZoomDeVentana::Cambiado);

    arrastre_.setSingleShot(true);
    arrastre_.setInterval(250);
    connect(&arrastre_, &QTimer::timeout, this, &ZoomDeVentana::Arrastrado);

    // Ctrl+= is Ctrl++ where + needs Shift.
    Teclas({QKeySequence::ZoomIn, QKeySequence(::Qt::CTRL | ::Qt::Key_Plus),
            QKeySequence(::Qt::CTRL | ::Qt::Key_Equal)},
           &ZoomDeVentana::Acercar);
    Teclas({QKeySequence::ZoomOut, QKeySequence(::Qt::CTRL | ::Qt::Key_Minus)},
           &ZoomDeVentana::Alejar);
    Teclas({QKeySequence(::Qt::CTRL | ::Qt::Key_0)}, &ZoomDeVentana::Restablecer);
    Teclas({QKeySequence(::Qt::Key_F11), QKeySequence::FullScreen}, &ZoomDeVentana::Alternar);

    // Scroll bars would take Ctrl+wheel as a page step.
    ventana_.installEventFilter(this);
    for (QWidget* w : ventana_.findChildren<QWidget*>()) w->installEventFilter(this);
}

void ZoomDeVentana::Teclas(const QList<QKeySequence>& teclas, void (ZoomDeVentana::*que)()) {
    connect(ventana_.Atajo(QString(), teclas), &QAction::triggered, this, que);
}

QSize ZoomDeVentana::Tamano(double zoom) {
    return PixelesDesdeTwips(0, 0, Ventana::kClientWidth, Ventana::kClientHeight, zoom).size();
}

double ZoomDeVentana::Escala(QSize tamano) {
    return std::clamp(Cabe(tamano), Zoom::kMinimo, Zoom::kMaximo);
}

void ZoomDeVentana::Disponer() {
    const QSize tamano = ventana_.size();
    const bool propio = !ventana_.isFullScreen() && tamano == Tamano(zoom_.valor());
    const double escala = propio ? zoom_.valor() : Escala(tamano);
    const QSize contenido = Tamano(escala);
    ventana_.Disponer(escala, QPoint((tamano.width() - contenido.width()) / 2,
                                     (tamano.height() - contenido.height()) / 2));
}

void ZoomDeVentana::Cambiado(double zoom) {
    if (ventana_.isFullScreen()) return;
    if (!origen_) ventana_.resize(Tamano(zoom));
    Disponer();
}

void ZoomDeVentana::Arrastrado() {
    if (ventana_.isFullScreen() || ventana_.size() == Tamano(zoom_.valor())) return;
    origen_ = true;
    zoom_.Fijar(Escala(ventana_.size()));
    origen_ = false;
}

// Full screen always fits the screen; the keys change the zoom of windows.
void ZoomDeVentana::Acercar() {
    if (!ventana_.isFullScreen()) zoom_.Acercar();
}

void ZoomDeVentana::Alejar() {
    if (!ventana_.isFullScreen()) zoom_.Alejar();
}

void ZoomDeVentana::Restablecer() {
    if (!ventana_.isFullScreen()) zoom_.Fijar(1);
}

void ZoomDeVentana::Alternar() { PantallaCompleta(!ventana_.isFullScreen()); }

void ZoomDeVentana::PantallaCompleta(bool completa) {
    zoom_.setPantallaCompleta(completa);
    if (completa == ventana_.isFullScreen()) return;
    if (completa) {
        ventana_.showFullScreen();
        // Without a window manager nothing else gives the window the screen. Through its QWindow,
        // as the widget's own setGeometry would end full screen.
        QWindow* ventanaDelSistema = ventana_.windowHandle();
        if (ventanaDelSistema && ventanaDelSistema->screen())
            ventanaDelSistema->setGeometry(ventanaDelSistema->screen()->geometry());
    } else {
        ventana_.showNormal();
        ventana_.resize(Tamano(zoom_.valor()));
    }
    Disponer();
}

bool ZoomDeVentana::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
        case QEvent::Resize:
            if (objeto != &ventana_) break;
            Disponer();
            if (!ventana_.isFullScreen() && ventana_.size() != Tamano(zoom_.valor()))
                arrastre_.start();
            break;
        case QEvent::ShowToParent:
            if (objeto == &ventana_ && zoom_.pantallaCompleta() && !ventana_.isFullScreen())
                PantallaCompleta(true);
            break;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            // Esc leaves full screen before any shortcut of the window can take it.
            auto* tecla = static_cast<QKeyEvent*>(evento);
            if (objeto != &ventana_ || !ventana_.isFullScreen() ||
                tecla->key() != ::Qt::Key_Escape || tecla->modifiers() != ::Qt::NoModifier)
                break;
            tecla->accept();
            if (evento->type() == QEvent::KeyPress) PantallaCompleta(false);
            return true;
        }
        case QEvent::Wheel: {
            auto* rueda = static_cast<QWheelEvent*>(evento);
            if (!(rueda->modifiers() & ::Qt::ControlModifier)) break;
            rueda_ += rueda->angleDelta().y();
            for (; rueda_ >= 120; rueda_ -= 120) Acercar();
            for (; rueda_ <= -120; rueda_ += 120) Alejar();
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(objeto, evento);
}

}  // namespace trazalia::app
