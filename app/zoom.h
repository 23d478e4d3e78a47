// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QSize>
#include <QTimer>

class QEvent;

namespace trazalia::app {

class Ventana;

// The windows' zoom: one for all three, 1 at the program's own size. Keys step through a few
// sizes; dragging a window's edges sets any zoom between the limits. Also whether the windows
// show full screen, so that the next window shown does too.
class Zoom final : public QObject {
    Q_OBJECT
public:
    static constexpr double kMinimo = 0.5;
    // Enough for the windows to fill a 3840 × 2160 screen.
    static constexpr double kMaximo = 5;

    double valor() const { return valor_; }
    // Clamped to the limits. A change reaches every window, and is saved once Recordar was called.
    void Fijar(double zoom);
    void Acercar();
    void Alejar();

    // Reads the zoom saved by an earlier run, and saves every later change (QSettings).
    void Recordar();
    // The largest zoom at which a window and a frame around it fit in that area.
    static double QueCabe(QSize area);
    // Lowers the zoom to the largest that fits in that area, for this run only: the zoom saved
    // stays the user's choice for a larger screen.
    void LimitarA(QSize area);

    bool pantallaCompleta() const { return pantallaCompleta_; }
    void setPantallaCompleta(bool completa) { pantallaCompleta_ = completa; }

signals:
    void cambiado(double zoom);

private:
    void Poner(double zoom);

    double valor_ = 1;
    bool recordar_ = false;
    bool pantallaCompleta_ = false;
};

// A window's side of the zoom: Ctrl++ (or Ctrl+=), Ctrl+−, Ctrl+0 and Ctrl+wheel; edges dragged,
// the content kept in proportion and centred; F11 for full screen, the content scaled to the
// screen, and F11 or Esc to leave it.
class ZoomDeVentana final : public QObject {
    Q_OBJECT
public:
    ZoomDeVentana(Ventana& ventana, Zoom& zoom);

    // The window's size at that zoom, without its frame.
    static QSize Tamano(double zoom);
    // The largest zoom whose layout fits in that size, within the limits.
    static double Escala(QSize tamano);

    // Full screen, or back to the window at the zoom's size.
    void PantallaCompleta(bool completa);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Cambiado(double zoom);
    // Lays the controls out at the zoom when the window has the zoom's size, else at the largest
    // that fits, centred.
    void Disponer();
    // After a resize the window system made (an edge dragged), the zoom follows the window.
    void Arrastrado();
    void Teclas(const QList<QKeySequence>& teclas, void (ZoomDeVentana::*que)());
    void Acercar();
    void Alejar();
    void Restablecer();
    void Alternar();

    Ventana& ventana_;
    Zoom& zoom_;
    QTimer arrastre_;
    int rueda_ = 0;        // eighths of a degree of Ctrl+wheel not yet turned into a step
    bool origen_ = false;  // the window whose drag sets the zoom keeps its size
};

}  // namespace trazalia::app
