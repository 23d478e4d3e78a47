// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimer>
#include <optional>
#include <span>

class QEvent;
class QWidget;

namespace trazalia::session::teclas {
enum class Atajo;
}

namespace trazalia::app {

class Ventana;
using session::teclas::Atajo;

// The windows' zoom: one for all three, 1 at the program's own size. Keys step through a few
// sizes; dragging a window's edges sets any zoom between the limits. Also whether the windows
// show full screen, so that the next window shown does too.
class Zoom final : public QObject {
    Q_OBJECT
public:
    // Small enough for a window and its frame on the smallest screen Qt reports (320 × 240
    // logical pixels: 640 × 480 at a scale factor of 2).
    static constexpr double kMinimo = 0.25;
    // Enough for the windows to fill a 3840 × 2160 screen.
    static constexpr double kMaximo = 5;
    // Roughly what a window manager adds around a window: borders and a title bar.
    static constexpr QSize kMarco{16, 40};

    double valor() const { return valor_; }
    // The largest zoom for the screen the windows are on (kMaximo until LimitarA).
    double maximo() const { return maximo_; }
    // Clamped to kMinimo and maximo(). A change reaches every window, and is saved once Recordar
    // was called.
    void Fijar(double zoom);
    // The next larger step, or maximo() when that step would not fit; false when already there.
    bool Acercar();
    void Alejar();

    // Reads the zoom saved by an earlier run, else takes inicial for this run without saving it,
    // and saves every later change (QSettings).
    void Recordar(double inicial = 1);
    // The largest zoom at which a window and that frame around it fit in that area, never less
    // than kMinimo nor more than kMaximo.
    static double QueCabe(QSize area, QSize marco = kMarco);
    // The zoom of a first run on a screen of that size: the largest step at which a window and
    // its frame take at most two thirds of the screen's height, but never below 1 unless 1 does
    // not fit; within what fits.
    static double Inicial(QSize pantalla, QSize marco = kMarco);
    // The zoom steps of the keys, smallest first.
    static std::span<const double> Pasos();
    // The zoom's upper limit becomes the largest that fits in that area, and a larger zoom is
    // lowered to it for this run only: the zoom saved stays the user's choice for a larger screen.
    void LimitarA(QSize area, QSize marco = kMarco);

    // The frame the window manager draws around a window, as last seen: each window has the same.
    // Until one was seen, an estimate from kMarco, mostly above.
    QMargins bordes() const { return bordes_; }
    void setBordes(QMargins bordes) { bordes_ = bordes; }

    bool pantallaCompleta() const { return pantallaCompleta_; }
    void setPantallaCompleta(bool completa) { pantallaCompleta_ = completa; }

signals:
    void cambiado(double zoom);

private:
    void Poner(double zoom);

    double valor_ = 1;
    double maximo_ = kMaximo;
    QMargins bordes_{kMarco.width() / 2, kMarco.height() - kMarco.width() / 2, kMarco.width() / 2,
                     kMarco.width() / 2};
    bool recordar_ = false;
    bool pantallaCompleta_ = false;
};

// The scale of the window that widget is in, or that its dialog was opened from; 1 for none.
double FactorDe(const QWidget* widget);
// A dialog at a window's scale: the application's font and its buttons' icons that many times
// their own size (a dialog is a window of its own: it takes no font from the window).
void EscalarDialogo(QWidget& dialogo, double factor);

// A window's side of the zoom: Ctrl++ (or Ctrl+=), Ctrl+−, Ctrl+0 and Ctrl+wheel, never past what
// the window's screen holds, the window kept on that screen; edges dragged, the content kept in
// proportion and centred; F11 for the window manager's full screen, the content scaled to the
// screen, and F11 or Esc to leave it, back at the window's own size and place. Tooltips, the
// guide and the about box follow the window's scale.
class ZoomDeVentana final : public QObject {
    Q_OBJECT
public:
    ZoomDeVentana(Ventana& ventana, Zoom& zoom);

    // The window's size at that zoom, without its frame.
    static QSize Tamano(double zoom);
    // The largest zoom whose layout fits in that size, within the limits.
    static double FactorQueCabe(QSize tamano);

    // Full screen, or back to the window at the zoom's size and its place before.
    void PantallaCompleta(bool completa);
    // The scale the window's content is laid out at: the zoom, or what fits the full screen.
    double factor() const { return factor_; }

    // What Ctrl++ says when the window cannot grow on its screen.
    static QString MaximoAlcanzado();

signals:
    // The visible window's content was laid out at that scale.
    void ajustada(double factor);
    // The window is being shown, laid out at its scale.
    void mostrada();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Cambiado(double zoom);
    // Lays the controls out at the zoom when the window has the zoom's size, else at the largest
    // that fits, centred.
    void Disponer();
    // After a resize the window system made (an edge dragged), the zoom follows the window.
    void Arrastrado();
    // The zoom's upper limit from the window's screen and frame.
    void Limitar();
    // The window manager's frame around the window, once it has drawn one; else the last seen.
    QMargins Bordes();
    // The same, a pixel larger where Qt may round it down.
    QMargins Marco();
    // Gives the window's client area that place and size, moved so that the window, frame
    // included, stays inside its screen's free area.
    void Colocar(QPoint lugar, QSize tamano);
    void Conectar(Atajo atajo, void (ZoomDeVentana::*que)());
    void Acercar();
    void Alejar();
    void Restablecer();
    void Alternar();

    Ventana& ventana_;
    Zoom& zoom_;
    QTimer arrastre_;
    double factor_ = 1;
    // Where the window's client area was before full screen, or before it was hidden.
    std::optional<QPoint> lugar_;
    int rueda_ = 0;        // eighths of a degree of Ctrl+wheel not yet turned into a step
    bool origen_ = false;  // the window whose drag sets the zoom keeps its size
};

}  // namespace trazalia::app
