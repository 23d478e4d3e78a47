// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPolygonF>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

#include "app/emblema.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

QColor AColor(canvas::Color c) { return QColor(c.r, c.g, c.b); }

// A frame inside a focused control's edge in the highlight colour, 2 pixels wide at the program's
// own size and as much wider as the window is zoomed, to be seen from the back of a classroom.
void MarcarFoco(QWidget& w, double zoom) {
    QPainter painter(&w);
    const double ancho = std::max(2.0, std::ceil(2 * zoom));
    painter.setPen(QPen(w.palette().color(QPalette::Highlight), ancho));
    painter.setBrush(::Qt::NoBrush);
    painter.drawRect(QRectF(w.rect()).adjusted(ancho / 2, ancho / 2, -ancho / 2, -ancho / 2));
}

// A push button that Enter and Return press as well as Space, and whose caption wraps onto a
// second line when it is wider than the button. Its focus is always marked, not only after Tab.
class Boton final : public QPushButton {
public:
    Boton(const QString& texto, double puntos, QWidget* parent)
        : QPushButton(texto, parent), puntos_(puntos) {}

protected:
    void paintEvent(QPaintEvent*) override {
        {
            QStylePainter painter(this);
            QStyleOptionButton opcion;
            initStyleOption(&opcion);
            opcion.text.clear();
            if (hasFocus()) opcion.state |= QStyle::State_KeyboardFocusChange;
            painter.drawControl(QStyle::CE_PushButton, opcion);
            const QRect area =
                style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, this);
            painter.drawItemText(area, ::Qt::AlignCenter | ::Qt::TextWordWrap, palette(),
                                 isEnabled(), text(), QPalette::ButtonText);
        }
        // The window sets the font at the table's size times the zoom.
        if (hasFocus()) MarcarFoco(*this, puntos_ > 0 ? font().pointSizeF() / puntos_ : 1);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // Pressed at once, not animated on a timer: script mode runs no event loop.
        if (event->key() == ::Qt::Key_Return || event->key() == ::Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

private:
    double puntos_;
};

// A scroll bar that marks its focus with an outline in the highlight colour, as styles do not,
// and that takes keys as horizontal scroll bars do: Left, Up and Page Up decrease the value;
// Right, Down and Page Down increase it; Home and End go to the ends.
class BarraAccesible final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

    // Its height at the program's own size, which tells the zoom it is laid out at.
    void setAltoPropio(int alto) { alto_ = alto; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() & ~::Qt::KeypadModifier) return QScrollBar::keyPressEvent(event);
        const bool izquierda = !isRightToLeft();
        SliderAction accion = SliderNoAction;
        switch (event->key()) {
            case ::Qt::Key_Left:
                accion = izquierda ? SliderSingleStepSub : SliderSingleStepAdd;
                break;
            case ::Qt::Key_Right:
                accion = izquierda ? SliderSingleStepAdd : SliderSingleStepSub;
                break;
            case ::Qt::Key_Up:
                accion = SliderSingleStepSub;
                break;
            case ::Qt::Key_Down:
                accion = SliderSingleStepAdd;
                break;
            case ::Qt::Key_PageUp:
                accion = SliderPageStepSub;
                break;
            case ::Qt::Key_PageDown:
                accion = SliderPageStepAdd;
                break;
            case ::Qt::Key_Home:
                accion = SliderToMinimum;
                break;
            case ::Qt::Key_End:
                accion = SliderToMaximum;
                break;
            default:
                QScrollBar::keyPressEvent(event);
                return;
        }
        triggerAction(accion);
    }

    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) MarcarFoco(*this, alto_ > 0 ? static_cast<double>(height()) / alto_ : 1);
    }

private:
    int alto_ = 0;
};

// A read-out. Those of the result take the keyboard during practice, to type a guess into: their
// focus is marked as a button's is.
class Lectura final : public QLabel {
public:
    Lectura(const QString& texto, double puntos, QWidget* parent)
        : QLabel(texto, parent), puntos_(puntos) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (hasFocus()) MarcarFoco(*this, puntos_ > 0 ? font().pointSizeF() / puntos_ : 1);
    }

private:
    double puntos_;
};

// Scroll-bar thumbs as square as the bar is high, as classic scroll bars have them, whatever the
// range: the seven steps of a short bar are then seven distinct positions. The arrow buttons are
// square as well, and their glyphs as large as they are.
class EstiloDeBarra final : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* opcion,
                         SubControl parte, const QWidget* widget) const override {
        const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(opcion);
        if (control != CC_ScrollBar || !barra || barra->orientation != ::Qt::Horizontal)
            return QProxyStyle::subControlRect(control, opcion, parte, widget);
        // The arrow buttons square too, so that their glyphs can grow with the bar.
        const QRect r = barra->rect;
        const int lado = std::min(r.height(), r.width() / 2);
        const QRect surco(r.left() + lado, r.top(), r.width() - 2 * lado, r.height());
        const int largo = std::min(r.height(), surco.width());
        const int x = surco.left() +
                      sliderPositionFromValue(barra->minimum, barra->maximum, barra->sliderPosition,
                                              surco.width() - largo, barra->upsideDown);
        QRect zona;
        switch (parte) {
            case SC_ScrollBarSubLine:
                zona = QRect(r.left(), r.top(), lado, r.height());
                break;
            case SC_ScrollBarAddLine:
                zona = QRect(surco.right() + 1, r.top(), lado, r.height());
                break;
            case SC_ScrollBarGroove:
                zona = surco;
                break;
            case SC_ScrollBarSlider:
                zona = QRect(x, surco.top(), largo, surco.height());
                break;
            case SC_ScrollBarSubPage:
                zona.setCoords(surco.left(), surco.top(), x - 1, surco.bottom());
                break;
            case SC_ScrollBarAddPage:
                zona.setCoords(x + largo, surco.top(), surco.right(), surco.bottom());
                break;
            default:
                return QProxyStyle::subControlRect(control, opcion, parte, widget);
        }
        return visualRect(barra->direction, barra->rect, zona);
    }

    // The style caps its arrow glyphs at a few pixels, dots on a bar zoomed for a projector: the
    // buttons at the ends are drawn here, with glyphs as large as the button.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* opcion,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(opcion);
        if (control != CC_ScrollBar || !barra) {
            QProxyStyle::drawComplexControl(control, opcion, painter, widget);
            return;
        }
        QStyleOptionSlider resto = *barra;
        resto.subControls &= ~(SC_ScrollBarSubLine | SC_ScrollBarAddLine);
        QProxyStyle::drawComplexControl(control, &resto, painter, widget);
        for (const SubControl parte : {SC_ScrollBarSubLine, SC_ScrollBarAddLine})
            if (barra->subControls & parte) BotonDeFlecha(*barra, parte, painter, widget);
    }

private:
    void BotonDeFlecha(const QStyleOptionSlider& barra, SubControl parte, QPainter* painter,
                       const QWidget* widget) const {
        QStyleOptionButton boton;
        boton.rect = subControlRect(CC_ScrollBar, &barra, parte, widget);
        boton.direction = barra.direction;
        boton.palette = barra.palette;
        boton.fontMetrics = barra.fontMetrics;
        boton.styleObject = barra.styleObject;
        boton.state = (barra.state & State_Enabled) | State_Raised;
        if (barra.activeSubControls & parte)
            boton.state |= barra.state & (State_Sunken | State_MouseOver);
        proxy()->drawPrimitive(PE_PanelButtonBevel, &boton, painter, widget);

        // A triangle half as high as the button and half as wide as high, pointing the way the
        // button moves the thumb.
        const bool horizontal = barra.orientation == ::Qt::Horizontal;
        const bool atras =
            (parte == SC_ScrollBarSubLine) != (horizontal && barra.direction == ::Qt::RightToLeft);
        const QRectF area(boton.rect);
        const double alto = std::min(area.width(), area.height()) / 2;
        const double punta = atras ? -alto / 4 : alto / 4;
        QPointF c = area.center();
        if (boton.state & State_Sunken) c += QPointF(1, 1);
        QPolygonF flecha;
        if (horizontal)
            flecha << c + QPointF(punta, 0) << c + QPointF(-punta, -alto / 2)
                   << c + QPointF(-punta, alto / 2);
        else
            flecha << c + QPointF(0, punta) << c + QPointF(-alto / 2, -punta)
                   << c + QPointF(alto / 2, -punta);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(::Qt::NoPen);
        painter->setBrush(
            barra.palette.color(barra.state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                                QPalette::ButtonText));
        painter->drawPolygon(flecha);
        painter->restore();
    }
};

// One for all the bars; it lives as long as the application.
QStyle* EstiloDeBarras() {
    static QPointer<QStyle> estilo;
    if (!estilo) {
        estilo = new EstiloDeBarra;
        estilo->setParent(QCoreApplication::instance());
    }
    return estilo;
}

}  // namespace

QString DeLaTabla(const QWidget* control, const char* texto) {
    const QByteArray contexto = control->window()->objectName().toLatin1();
    return QCoreApplication::translate(contexto.constData(), texto);
}

int Pixeles(int twips, double zoom) {
    return static_cast<int>(std::lround(twips * zoom / canvas::kTwipsPerPixel));
}

QFont Fuente(double puntos) {
    QFont font(canvas::kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(puntos);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

// Rich text, so that a long tooltip wraps instead of running off the screen. A step's tooltip is
// written at every step, and toHtmlEscaped copies a line character by character even when, as
// nearly always, it has nothing to escape.
QString Consejo(const QStringList& lineas) {
    const auto especial = [](QChar c) { return c == u'<' || c == u'>' || c == u'&' || c == u'"'; };
    QString texto = QStringLiteral("<p>");
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        if (i > 0) texto += QLatin1String("<br>");
        const QString& linea = lineas[i];
        texto +=
            std::any_of(linea.cbegin(), linea.cend(), especial) ? linea.toHtmlEscaped() : linea;
    }
    return texto + QLatin1String("</p>");
}

QRect PixelesDesdeTwips(int left, int top, int width, int height, double zoom) {
    const int x0 = Pixeles(left, zoom);
    const int y0 = Pixeles(top, zoom);
    return QRect(x0, y0, Pixeles(left + width, zoom) - x0, Pixeles(top + height, zoom) - y0);
}

QWidget* CrearControl(const Control& fila, canvas::Color fore, QWidget* parent) {
    const QRect geometria = PixelesDesdeTwips(fila.left, fila.top, fila.width, fila.height);
    QWidget* w = nullptr;
    switch (fila.tipo) {
        case Tipo::Picture: {
            w = new canvas::PictureWidget(static_cast<float>(fila.width),
                                          static_cast<float>(fila.height), fore, parent);
            break;
        }
        case Tipo::HScroll: {
            auto* barra = new BarraAccesible(::Qt::Horizontal, parent);
            barra->setAltoPropio(geometria.height());
            barra->setRange(fila.min, fila.max);
            barra->setSingleStep(1);
            barra->setPageStep(fila.large);
            barra->setValue(fila.min);
            // The change handler runs for every value a dragged thumb passes, so the read-out and
            // the picture follow it; the release then changes nothing more.
            barra->setTracking(true);
            barra->setFocusPolicy(::Qt::StrongFocus);
            barra->setStyle(EstiloDeBarras());
            w = barra;
            break;
        }
        case Tipo::Label:
        case Tipo::Lectura: {
            auto* label = fila.tipo == Tipo::Lectura
                              ? new Lectura(DeLaTabla(parent, fila.texto), fila.puntos, parent)
                              : new QLabel(DeLaTabla(parent, fila.texto), parent);
            label->setFont(Fuente(fila.puntos));
            QPalette paleta = label->palette();
            paleta.setColor(QPalette::WindowText, AColor(fila.color));
            if (fila.tipo == Tipo::Lectura) {
                paleta.setColor(QPalette::Window, ::Qt::white);
                label->setAutoFillBackground(true);
                label->setFrameShape(QFrame::Box);
                label->setLineWidth(1);
            }
            label->setPalette(paleta);
            label->setAlignment((fila.centrado ? ::Qt::AlignHCenter : ::Qt::AlignLeft) |
                                ::Qt::AlignTop);
            w = label;
            break;
        }
        case Tipo::Button: {
            auto* boton = new Boton(DeLaTabla(parent, fila.texto), fila.puntos, parent);
            boton->setFont(Fuente(fila.puntos));
            boton->setAutoDefault(false);
            w = boton;
            break;
        }
        case Tipo::Image:
            w = new Emblema(parent);
            break;
    }
    w->setObjectName(QString::fromLatin1(fila.nombre));
    w->setGeometry(geometria);
    if (*fila.descripcion) w->setAccessibleName(DeLaTabla(parent, fila.descripcion));
    if (*fila.ayuda) {
        w->setAccessibleDescription(DeLaTabla(parent, fila.ayuda));
        w->setToolTip(Consejo({w->accessibleDescription()}));
    }
    if (fila.tipo == Tipo::Lectura) NombrarLectura(static_cast<QLabel*>(w), fila);
    return w;
}

void NombrarLectura(QLabel* label, const Control& fila) {
    NombrarLectura(label, DeLaTabla(label, fila.descripcion));
}

void NombrarLectura(QLabel* label, const QString& nombre) {
    label->setAccessibleName(
        label->text().isEmpty() ? nombre : nombre + QLatin1String(": ") + label->text());
}

}  // namespace trazalia::app
