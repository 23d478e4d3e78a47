// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/ajustes.h"
#include "app/teclas.h"
#include "app/ventana.h"
#include "canvas/qt/painter.h"

namespace trazalia::app {

namespace {

constexpr std::array<double, 17> kPasos{0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1, 1.1,
                                        1.25, 1.5,  1.75, 2,    2.5,  3,   4,   5};
// Steps are compared with this much slack, so that a zoom from a drag steps to the next one.
constexpr double kHolgura = 1e-3;

const QString& Clave() {
    static const QString clave = QStringLiteral("ventanas/zoom");
    return clave;
}

// The largest zoom at which the window's client area fits in that size.
double Cabe(QSize tamano) {
    return std::min(tamano.width() * canvas::kTwipsPerPixel / Ventana::kClientWidth,
                    tamano.height() * canvas::kTwipsPerPixel / Ventana::kClientHeight);
}

}  // namespace

void Zoom::Poner(double zoom) {
    zoom = std::clamp(zoom, kMinimo, maximo_);
    if (zoom == valor_) return;
    valor_ = zoom;
    emit cambiado(valor_);
}

void Zoom::Fijar(double zoom) {
    Poner(zoom);
    if (recordar_) Ajustes().setValue(Clave(), valor_);
}

bool Zoom::Acercar() {
    if (valor_ >= maximo_ - kHolgura) return false;
    const auto paso = std::upper_bound(kPasos.begin(), kPasos.end(), valor_ + kHolgura);
    Fijar(paso == kPasos.end() ? kMaximo : *paso);
    return true;
}

void Zoom::Alejar() {
    const auto paso = std::lower_bound(kPasos.begin(), kPasos.end(), valor_ - kHolgura);
    Fijar(paso == kPasos.begin() ? kMinimo : *std::prev(paso));
}

void Zoom::Recordar(double inicial) {
    bool ok = false;
    const double guardado = Ajustes().value(Clave()).toDouble(&ok);
    Poner(ok && std::isfinite(guardado) ? guardado : inicial);
    recordar_ = true;
}

double Zoom::QueCabe(QSize area, QSize marco) {
    return std::clamp(Cabe(area - marco), kMinimo, kMaximo);
}

double Zoom::Inicial(QSize pantalla, QSize marco) {
    double zoom = 1;
    for (const double paso : kPasos)
        if (paso > 1 && (ZoomDeVentana::Tamano(paso) + marco).height() * 3 <= pantalla.height() * 2)
            zoom = paso;
    return std::min(zoom, QueCabe(pantalla, marco));
}

std::span<const double> Zoom::Pasos() { return kPasos; }

void Zoom::LimitarA(QSize area, QSize marco) {
    maximo_ = QueCabe(area, marco);
    if (valor_ > maximo_) Poner(maximo_);
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

    Conectar(Atajo::Ampliar, &ZoomDeVentana::Acercar);
    Conectar(Atajo::Reducir, &ZoomDeVentana::Alejar);
    Conectar(Atajo::TamanoNormal, &ZoomDeVentana::Restablecer);
    Conectar(Atajo::PantallaCompleta, &ZoomDeVentana::Alternar);

    // Scroll bars would take Ctrl+wheel as a page step.
    ventana_.installEventFilter(this);
    for (QWidget* w : ventana_.findChildren<QWidget*>()) w->installEventFilter(this);
}

void ZoomDeVentana::Conectar(Atajo atajo, void (ZoomDeVentana::*que)()) {
    connect(InstalarAtajo(ventana_, atajo), &QAction::triggered, this, que);
}

QSize ZoomDeVentana::Tamano(double zoom) {
    return PixelesDesdeTwips(0, 0, Ventana::kClientWidth, Ventana::kClientHeight, zoom).size();
}

double ZoomDeVentana::FactorQueCabe(QSize tamano) {
    return std::clamp(Cabe(tamano), Zoom::kMinimo, Zoom::kMaximo);
}

QString ZoomDeVentana::MaximoAlcanzado() {
    return QCoreApplication::translate("Zoom", "Máximo para esta pantalla");
}

namespace {

QFont Escalada(QFont fuente, double factor) {
    if (fuente.pointSizeF() > 0)
        fuente.setPointSizeF(fuente.pointSizeF() * factor);
    else
        fuente.setPixelSize(
            std::max(1, static_cast<int>(std::lround(fuente.pixelSize() * factor))));
    return fuente;
}

// Tooltips share one font; it follows the scale of the window last laid out on screen.
void FuenteDeConsejos(double factor) {
    static const QFont base = QToolTip::font();
    QToolTip::setFont(Escalada(base, factor));
}

int Lado(const QStyle* estilo, QStyle::PixelMetric medida, const QWidget* w, double factor) {
    return std::max(
        1, static_cast<int>(std::lround(estilo->pixelMetric(medida, nullptr, w) * factor)));
}

}  // namespace

double FactorDe(const QWidget* widget) {
    for (; widget; widget = widget->window()->parentWidget())
        if (const auto* zoom = widget->window()->findChild<const ZoomDeVentana*>(
                QString(), ::Qt::FindDirectChildrenOnly))
            return zoom->factor();
    return 1;
}

void EscalarDialogo(QWidget& dialogo, double factor) {
    dialogo.setFont(Escalada(QApplication::font(), factor));
    const QStyle* estilo = dialogo.style();
    for (QAbstractButton* boton : dialogo.findChildren<QAbstractButton*>()) {
        const int lado = Lado(estilo, QStyle::PM_ButtonIconSize, boton, factor);
        boton->setIconSize(QSize(lado, lado));
    }
    // A message box's own icon, when it shows one of the standard ones.
    auto* caja = qobject_cast<QMessageBox*>(&dialogo);
    if (!caja || caja->icon() == QMessageBox::NoIcon || factor == 1) return;
    const QStyle::StandardPixmap iconos[] = {
        QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
    const int lado = Lado(estilo, QStyle::PM_MessageBoxIconSize, caja, factor);
    const QMessageBox::Icon tipo = caja->icon();
    caja->setIconPixmap(estilo->standardIcon(iconos[tipo - QMessageBox::Information], nullptr, caja)
                            .pixmap(lado, lado));
}

void ZoomDeVentana::Disponer() {
    const QSize tamano = ventana_.size();
    const bool propio = !ventana_.isFullScreen() && tamano == Tamano(zoom_.valor());
    factor_ = propio ? zoom_.valor() : FactorQueCabe(tamano);
    const QSize contenido = Tamano(factor_);
    ventana_.Disponer(factor_, QPoint((tamano.width() - contenido.width()) / 2,
                                      (tamano.height() - contenido.height()) / 2));
    if (!ventana_.isVisible()) return;
    FuenteDeConsejos(factor_);
    emit ajustada(factor_);
}

void ZoomDeVentana::Cambiado(double zoom) {
    if (ventana_.isFullScreen()) return;
    if (!origen_) Colocar(ventana_.geometry().topLeft(), Tamano(zoom));
    Disponer();
}

void ZoomDeVentana::Arrastrado() {
    if (ventana_.isFullScreen() || ventana_.size() == Tamano(zoom_.valor())) return;
    origen_ = true;
    zoom_.Fijar(FactorQueCabe(ventana_.size()));
    origen_ = false;
}

void ZoomDeVentana::Limitar() {
    const QScreen* pantalla = ventana_.screen();
    if (ventana_.isFullScreen() || !pantalla) return;
    const QMargins bordes = Marco();
    zoom_.LimitarA(pantalla->availableGeometry().size(),
                   QSize(bordes.left() + bordes.right(), bordes.top() + bordes.bottom()));
}

QMargins ZoomDeVentana::Marco() {
    QMargins bordes = Bordes();
    // At a fractional scale (150 %) Qt rounds the frame's device pixels to logical ones: a pixel
    // more keeps its last row and column on the screen.
    const qreal proporcion = ventana_.devicePixelRatioF();
    if (proporcion != std::floor(proporcion)) bordes += QMargins(0, 0, 1, 1);
    return bordes;
}

QMargins ZoomDeVentana::Bordes() {
    const QRect marco = ventana_.frameGeometry();
    const QRect cliente = ventana_.geometry();
    const QMargins bordes(cliente.left() - marco.left(), cliente.top() - marco.top(),
                          marco.right() - cliente.right(), marco.bottom() - cliente.bottom());
    if (!ventana_.isFullScreen() && ventana_.isVisible() && !bordes.isNull())
        zoom_.setBordes(bordes);
    return zoom_.bordes();
}

void ZoomDeVentana::Colocar(QPoint lugar, QSize tamano) {
    QRect normal(lugar, tamano);
    const QScreen* pantalla = ventana_.screen();
    if (ventana_.isVisible() && pantalla) {
        const QRect libre = pantalla->availableGeometry();
        const QRect marco = normal.marginsAdded(Marco());
        // Back from the right and bottom edges first, so that a window larger than the screen
        // keeps its title bar and its left side on it.
        QPoint esquina = marco.topLeft();
        esquina.setX(
            std::max(libre.left(), std::min(esquina.x(), libre.right() - marco.width() + 1)));
        esquina.setY(
            std::max(libre.top(), std::min(esquina.y(), libre.bottom() - marco.height() + 1)));
        normal.translate(esquina - marco.topLeft());
    }
    // The client area's geometry: its frame's size may not be known yet, nor the last resize done.
    ventana_.setGeometry(normal);
}

// Full screen always fits the screen; the keys change the zoom of windows.
void ZoomDeVentana::Acercar() {
    if (ventana_.isFullScreen()) return;
    Limitar();
    if (zoom_.Acercar()) return;
    QToolTip::showText(ventana_.mapToGlobal(QPoint(ventana_.width() / 2, ventana_.height() / 3)),
                       MaximoAlcanzado(), &ventana_);
}

void ZoomDeVentana::Alejar() {
    if (!ventana_.isFullScreen()) zoom_.Alejar();
}

void ZoomDeVentana::Restablecer() {
    if (ventana_.isFullScreen()) return;
    Limitar();
    zoom_.Fijar(1);
}

void ZoomDeVentana::Alternar() { PantallaCompleta(!ventana_.isFullScreen()); }

void ZoomDeVentana::PantallaCompleta(bool completa) {
    zoom_.setPantallaCompleta(completa);
    if (completa == ventana_.isFullScreen()) return;
    // The window manager's full-screen state: it alone takes the frame away and gives the window
    // the whole screen. A geometry set meanwhile would make it drop that state.
    if (completa) {
        if (ventana_.isVisible()) lugar_ = ventana_.geometry().topLeft();
        // The frame, to put the window back where it was: full screen has none.
        Bordes();
        ventana_.setWindowState(ventana_.windowState() | ::Qt::WindowFullScreen);
        return;
    }
    ventana_.setWindowState(ventana_.windowState() & ~::Qt::WindowFullScreen);
    Limitar();
    if (lugar_) {
        Colocar(*lugar_, Tamano(zoom_.valor()));
    } else if (const QScreen* pantalla = ventana_.screen()) {
        QRect normal(QPoint(), Tamano(zoom_.valor()));
        normal.moveCenter(pantalla->availableGeometry().center());
        Colocar(normal.topLeft(), normal.size());
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
        case QEvent::Show:
            // Before the window is mapped: it opens in full screen, or out of it, as the windows
            // are, so that going to another window never hands it the other's state.
            if (objeto != &ventana_ || evento->spontaneous()) break;
            if (zoom_.pantallaCompleta() != ventana_.isFullScreen())
                PantallaCompleta(zoom_.pantallaCompleta());
            Limitar();
            // Back where it was, or as near as the screen allows at the zoom it has now.
            if (lugar_ && !ventana_.isFullScreen())
                Colocar(ventana_.geometry().topLeft(), ventana_.size());
            Disponer();
            emit mostrada();
            // Moved to another screen, the window gets that screen's limit.
            if (QWindow* ventanaDelSistema = ventana_.windowHandle())
                connect(ventanaDelSistema, &QWindow::screenChanged, this, &ZoomDeVentana::Limitar,
                        ::Qt::UniqueConnection);
            break;
        case QEvent::Hide:
            if (objeto == &ventana_ && !evento->spontaneous() && !ventana_.isFullScreen())
                lugar_ = ventana_.geometry().topLeft();
            break;
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
