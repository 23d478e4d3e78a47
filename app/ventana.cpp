#include "app/ventana.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <iostream>

#include "app/accesible.h"
#include "app/aplicacion.h"
#include "app/emblema.h"
#include "app/exportar.h"
#include "app/form1.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"
#include "diagram/formato.h"

namespace trazalia::app {

namespace {

int Pixeles(int twips) { return static_cast<int>(std::lround(twips / canvas::kTwipsPerPixel)); }

QFont Fuente(double puntos) {
    QFont font(canvas::kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(puntos);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QColor AColor(canvas::Color c) { return QColor(c.r, c.g, c.b); }

// A push button that Enter and Return press as well as Space, and whose caption wraps onto a
// second line when it is wider than the button. Its focus is always marked, not only after Tab.
class Boton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton opcion;
        initStyleOption(&opcion);
        opcion.text.clear();
        if (hasFocus()) opcion.state |= QStyle::State_KeyboardFocusChange;
        painter.drawControl(QStyle::CE_PushButton, opcion);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, this);
        painter.drawItemText(area, ::Qt::AlignCenter | ::Qt::TextWordWrap, palette(), isEnabled(),
                             text(), QPalette::ButtonText);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == ::Qt::Key_Return || event->key() == ::Qt::Key_Enter) {
            animateClick();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A scroll bar that marks its focus with an outline in the highlight colour, as styles do not.
class Barra final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(::Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

std::string Utf8(const QString& s) { return s.toStdString(); }

// PNG and clipboard images are at least twice the picture's size, crisp when zoomed or printed.
qreal Resolucion(const QWidget* w) { return std::max<qreal>(2, w->devicePixelRatioF()); }

constexpr QLatin1String kIndefinido(diagram::kIndefinido);

}  // namespace

QRect PixelesDesdeTwips(int left, int top, int width, int height) {
    const int x0 = Pixeles(left);
    const int y0 = Pixeles(top);
    return QRect(x0, y0, Pixeles(left + width) - x0, Pixeles(top + height) - y0);
}

struct Ventana::PictureTraceHolder {
    canvas::PictureTrace trace;
};

Ventana::Ventana(Aplicacion& app, const QString& nombre, const QString& titulo,
                 std::span<const ControlSpec> controles, canvas::Color fore)
    : QWidget(nullptr), app_(app), nombre_(nombre), specs_(controles) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    setFixedSize(Pixeles(kClientWidth), Pixeles(kClientHeight));
    setAttribute(::Qt::WA_QuitOnClose, false);

    for (const ControlSpec& spec : specs_) widgets_.push_back(Crear(spec, fore));

    // Tab order follows the tab indices of the focusable controls.
    std::vector<std::size_t> orden(specs_.size());
    for (std::size_t i = 0; i < orden.size(); ++i) orden[i] = i;
    std::stable_sort(orden.begin(), orden.end(),
                     [&](auto a, auto b) { return specs_[a].tab < specs_[b].tab; });
    QWidget* anterior = nullptr;
    for (std::size_t i : orden) {
        QWidget* w = widgets_[i];
        if (!(w->focusPolicy() & ::Qt::TabFocus)) continue;
        if (anterior) QWidget::setTabOrder(anterior, w);
        anterior = w;
    }

    if (picture_ && app_.trace()) {
        pictureTrace_ = std::make_unique<PictureTraceHolder>(
            PictureTraceHolder{canvas::PictureTrace(*app_.trace(), Utf8(nombre + ".Picture1"))});
        picture_->picture().AddListener(&pictureTrace_->trace);
    }
}

Ventana::~Ventana() {
    if (picture_ && pictureTrace_) picture_->picture().RemoveListener(&pictureTrace_->trace);
}

QWidget* Ventana::Crear(const ControlSpec& spec, canvas::Color fore) {
    const QRect geometria = PixelesDesdeTwips(spec.left, spec.top, spec.width, spec.height);
    QWidget* w = nullptr;
    switch (spec.tipo) {
        case Tipo::Picture: {
            picture_ = new canvas::PictureWidget(static_cast<float>(spec.width),
                                                 static_cast<float>(spec.height), fore, this);
            w = picture_;
            break;
        }
        case Tipo::HScroll: {
            auto* barra = new Barra(::Qt::Horizontal, this);
            barra->setRange(spec.min, spec.max);
            barra->setSingleStep(1);
            barra->setPageStep(spec.large);
            barra->setValue(spec.min);
            // The change handler runs when a dragged thumb is released, not while it moves.
            barra->setTracking(false);
            barra->setFocusPolicy(::Qt::StrongFocus);
            // Right, Up and Page Up increase the value, as on a slider.
            barra->setInvertedControls(false);
            w = barra;
            break;
        }
        case Tipo::Label:
        case Tipo::Lectura: {
            auto* label = new QLabel(QString::fromUtf8(spec.texto), this);
            label->setFont(Fuente(spec.puntos));
            QPalette paleta = label->palette();
            paleta.setColor(QPalette::WindowText, AColor(spec.color));
            if (spec.tipo == Tipo::Lectura) {
                paleta.setColor(QPalette::Window, ::Qt::white);
                label->setAutoFillBackground(true);
                label->setFrameShape(QFrame::Box);
                label->setLineWidth(1);
            }
            label->setPalette(paleta);
            label->setAlignment((spec.centrado ? ::Qt::AlignHCenter : ::Qt::AlignLeft) |
                                ::Qt::AlignTop);
            w = label;
            break;
        }
        case Tipo::Button: {
            auto* boton = new Boton(QString::fromUtf8(spec.texto), this);
            boton->setFont(Fuente(spec.puntos));
            boton->setAutoDefault(false);
            w = boton;
            break;
        }
        case Tipo::Image:
            w = new Emblema(this);
            break;
    }
    w->setObjectName(QString::fromLatin1(spec.nombre));
    Numerar(barras_, spec.nombre, "HScroll", qobject_cast<QScrollBar*>(w));
    Numerar(rotulos_, spec.nombre, "Label", qobject_cast<QLabel*>(w));
    Numerar(botones_, spec.nombre, "Command", qobject_cast<QAbstractButton*>(w));
    w->setGeometry(geometria);
    if (*spec.descripcion) w->setAccessibleName(QString::fromUtf8(spec.descripcion));
    if (*spec.ayuda) w->setAccessibleDescription(QString::fromUtf8(spec.ayuda));
    if (spec.tipo == Tipo::Lectura) NombrarLectura(static_cast<QLabel*>(w), spec);
    return w;
}

// A screen reader reads a label's name and not its text, so a read-out's name carries both.
void Ventana::NombrarLectura(QLabel* label, const ControlSpec& spec) {
    const QString nombre = QString::fromUtf8(spec.descripcion);
    label->setAccessibleName(
        label->text().isEmpty() ? nombre : nombre + QLatin1String(": ") + label->text());
}

QWidget* Ventana::control(const QString& nombre) const {
    for (std::size_t i = 0; i < specs_.size(); ++i)
        if (nombre == QLatin1String(specs_[i].nombre)) return widgets_[i];
    return nullptr;
}

template <class T>
void Ventana::Numerar(std::vector<T*>& v, const char* nombre, const char* prefijo, T* w) {
    const std::string_view n(nombre);
    const std::string_view p(prefijo);
    if (!w || n.substr(0, p.size()) != p) return;
    const auto indice = static_cast<std::size_t>(std::stoi(std::string(n.substr(p.size()))));
    if (v.size() <= indice) v.resize(indice + 1, nullptr);
    v[indice] = w;
}

std::vector<std::string> Ventana::Dump() const {
    std::vector<std::string> lineas;
    lineas.push_back(Utf8(nombre_) + " Window " + canvas::Quote(Utf8(windowTitle())) + ' ' +
                     std::to_string(kClientWidth) + ' ' + std::to_string(kClientHeight) +
                     " Visible " + (isVisible() ? "1" : "0"));
    for (std::size_t i = 0; i < specs_.size(); ++i) {
        const ControlSpec& s = specs_[i];
        std::string linea = Utf8(nombre_) + '.' + s.nombre + ' ';
        const std::string geometria = std::to_string(s.left) + ' ' + std::to_string(s.top) + ' ' +
                                      std::to_string(s.width) + ' ' + std::to_string(s.height);
        switch (s.tipo) {
            case Tipo::Picture:
                linea += "Picture " + geometria;
                break;
            case Tipo::Image:
                linea += "Image " + geometria;
                break;
            case Tipo::HScroll: {
                auto* b = static_cast<QScrollBar*>(widgets_[i]);
                linea += "HScroll " + geometria + " Min " + std::to_string(b->minimum()) + " Max " +
                         std::to_string(b->maximum()) + " LargeChange " +
                         std::to_string(b->pageStep()) + " Value " + std::to_string(b->value());
                break;
            }
            case Tipo::Label:
            case Tipo::Lectura:
                linea += "Label " + geometria + " Caption " +
                         canvas::Quote(Utf8(static_cast<QLabel*>(widgets_[i])->text()));
                break;
            case Tipo::Button:
                linea += "Button " + geometria + " Caption " +
                         canvas::Quote(Utf8(static_cast<QAbstractButton*>(widgets_[i])->text()));
                break;
        }
        lineas.push_back(std::move(linea));
    }
    return lineas;
}

void Ventana::setVisible(bool visible) {
    const bool cambia = visible != isVisible();
    if (cambia && app_.trace() && !app_.terminado())
        app_.trace()->Write(Utf8(nombre_), visible ? "Show" : "Hide");
    QWidget::setVisible(visible);
    if (visible && cambia) {
        activateWindow();
        EnfocarPrimero();
    }
}

void Ventana::EnfocarPrimero() {
    const ControlSpec* mejor = nullptr;
    QWidget* destino = nullptr;
    for (std::size_t i = 0; i < specs_.size(); ++i) {
        QWidget* w = widgets_[i];
        if (!(w->focusPolicy() & ::Qt::TabFocus) || !w->isEnabled()) continue;
        if (!mejor || specs_[i].tab < mejor->tab) {
            mejor = &specs_[i];
            destino = w;
        }
    }
    if (destino) destino->setFocus(::Qt::TabFocusReason);
}

void Ventana::Caption(QLabel* label, std::string_view texto) {
    const QString q = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    label->setText(q);
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (widgets_[i] == label && specs_[i].tipo == Tipo::Lectura)
            NombrarLectura(label, specs_[i]);
    if (app_.trace()) app_.trace()->Caption(Utf8(nombre_ + '.' + label->objectName()), texto);
}

void Ventana::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!app_.terminado()) Form_Unload();
}

void Ventana::Form_Unload() { app_.Terminar(); }

void Ventana::ReportarFallo(const std::exception& e) const {
    std::cerr << "trazalia: " << Utf8(nombre_) << ": " << e.what() << std::endl;
}

struct VentanaMetodo::Redibujo final : canvas::PictureListener {
    void Cleared() override { ++veces; }
    void DrawWidthSet(int) override {}
    void Drawn(const canvas::Op&) override {}
    long veces = 0;
};

VentanaMetodo::VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                             std::span<const ControlSpec> controles, canvas::Color fore)
    : Ventana(app, nombre, titulo, controles, fore), redibujo_(std::make_unique<Redibujo>()) {
    Picture1()->picture().AddListener(redibujo_.get());
    DescribirDibujo(QStringLiteral("Diagrama vacío: mueva una barra para dibujar los vectores."));

    // Window-wide shortcuts: they work whichever control has the focus.
    copiar_ = new QAction(QStringLiteral("Copiar imagen"), this);
    copiar_->setShortcuts(QKeySequence::Copy);
    copiar_->setShortcutContext(::Qt::WindowShortcut);
    connect(copiar_, &QAction::triggered, this, &VentanaMetodo::CopiarImagen);
    guardar_ = new QAction(QStringLiteral("Guardar imagen…"), this);
    guardar_->setShortcuts(QKeySequence::Save);
    guardar_->setShortcutContext(::Qt::WindowShortcut);
    connect(guardar_, &QAction::triggered, this, &VentanaMetodo::GuardarImagen);
    addAction(copiar_);
    addAction(guardar_);

    menu_ = new QMenu(this);
    menu_->addAction(copiar_);
    menu_->addAction(guardar_);
    Picture1()->installEventFilter(this);
    // Keyboards without a menu key open context menus with Shift+F10.
    auto* menuDeTeclado = new QShortcut(QKeySequence(::Qt::SHIFT | ::Qt::Key_F10), Picture1());
    menuDeTeclado->setContext(::Qt::WidgetShortcut);
    connect(menuDeTeclado, &QShortcut::activated, this,
            [this] { AbrirMenu(Picture1()->mapToGlobal(Picture1()->rect().center())); });
}

VentanaMetodo::~VentanaMetodo() { Picture1()->picture().RemoveListener(redibujo_.get()); }

long VentanaMetodo::Redibujos() const { return redibujo_->veces; }

bool VentanaMetodo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Picture1() && evento->type() == QEvent::ContextMenu) {
        auto* menu = static_cast<QContextMenuEvent*>(evento);
        // From the keyboard the menu opens over the middle of the drawing area.
        AbrirMenu(menu->reason() == QContextMenuEvent::Mouse
                      ? menu->globalPos()
                      : Picture1()->mapToGlobal(Picture1()->rect().center()));
        return true;
    }
    return Ventana::eventFilter(objeto, evento);
}

// Not modal, so that the window's event loop and its tests go on while the menu is open.
void VentanaMetodo::AbrirMenu(const QPoint& global) { menu_->popup(global); }

void VentanaMetodo::CopiarImagen() {
    QGuiApplication::clipboard()->setMimeData(
        DatosDelDibujo(Picture1()->picture(), LineaDeLecturas(), Resolucion(this)));
}

void VentanaMetodo::GuardarImagen() {
    const QString ruta = app_.dialogos().ArchivoParaGuardar(this, NombreDeArchivo());
    if (ruta.isEmpty()) return;
    QString error;
    if (canvas::SavePicture(Picture1()->picture(), ruta, &error, Resolucion(this))) return;
    if (!error.isEmpty()) error[0] = error[0].toUpper();
    app_.dialogos().Aviso(this, QStringLiteral("No se pudo guardar la imagen"), error + u'.');
}

void VentanaMetodo::DescribirDibujo(const QString& descripcion) {
    Picture1()->setAccessibleDescription(descripcion);
}

QString VentanaMetodo::DescribirVector(int n, int magnitud, int direccion) const {
    return QStringLiteral("Vector %1: %2 a %3°.")
        .arg(n)
        .arg(rotulo(magnitud)->text(), rotulo(direccion)->text());
}

QString VentanaMetodo::DescribirResultante(int magnitud, int direccion) const {
    const QString r = rotulo(magnitud)->text();
    const QString a = rotulo(direccion)->text();
    if (a == kIndefinido) return QStringLiteral("Resultante: %1, sin dirección definida.").arg(r);
    return QStringLiteral("Resultante: %1 a %2°.").arg(r, a);
}

QString VentanaMetodo::DescribirEscala() const {
    const QString escala = EscalaDelDibujo(Picture1()->picture());
    return escala.isEmpty() ? QString() : QStringLiteral("Escala %1.").arg(escala);
}

QString VentanaMetodo::Lecturas(int magnitud, int direccion, const QString& sufijo) const {
    const QString a = rotulo(direccion)->text();
    return QStringLiteral("r%1 = %2; α%1 = %3")
        .arg(sufijo, rotulo(magnitud)->text(), a == kIndefinido ? a : a + u'°');
}

int VentanaMetodo::HScroll(int n) const { return barra(n)->value(); }

void VentanaMetodo::Label(int n, std::string_view caption) { Caption(rotulo(n), caption); }

void VentanaMetodo::Regresar() {
    hide();
    app_.form1().show();
}

}  // namespace trazalia::app
