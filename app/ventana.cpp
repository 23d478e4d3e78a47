#include "app/ventana.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "app/accesible.h"
#include "app/aplicacion.h"
#include "app/ayuda.h"
#include "app/emblema.h"
#include "app/exportar.h"
#include "app/form1.h"
#include "app/impresion.h"
#include "app/vistas.h"
#include "app/zoom.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"
#include "diagram/formato.h"
#include "diagram/vistas.h"

namespace trazalia::app {

namespace {

int Pixeles(int twips, double zoom = 1) {
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
        // Pressed at once, not animated on a timer: script mode runs no event loop.
        if (event->key() == ::Qt::Key_Return || event->key() == ::Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A scroll bar that marks its focus with an outline in the highlight colour, as styles do not,
// and that takes keys as horizontal scroll bars do: Left, Up and Page Up decrease the value;
// Right, Down and Page Down increase it; Home and End go to the ends.
class Barra final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

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
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(::Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// Scroll-bar thumbs as square as the bar is high, as classic scroll bars have them, whatever the
// range: the seven steps of a short bar are then seven distinct positions.
class EstiloDeBarra final : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* opcion,
                         SubControl parte, const QWidget* widget) const override {
        const auto* barra = qstyleoption_cast<const QStyleOptionSlider*>(opcion);
        if (control != CC_ScrollBar || !barra || barra->orientation != ::Qt::Horizontal ||
            (parte != SC_ScrollBarSlider && parte != SC_ScrollBarSubPage &&
             parte != SC_ScrollBarAddPage))
            return QProxyStyle::subControlRect(control, opcion, parte, widget);
        const QRect surco =
            QProxyStyle::subControlRect(control, opcion, SC_ScrollBarGroove, widget);
        const int largo = std::min(barra->rect.height(), surco.width());
        const int x = surco.left() +
                      sliderPositionFromValue(barra->minimum, barra->maximum, barra->sliderPosition,
                                              surco.width() - largo, barra->upsideDown);
        QRect zona(x, surco.top(), largo, surco.height());
        if (parte == SC_ScrollBarSubPage)
            zona.setCoords(surco.left(), surco.top(), x - 1, surco.bottom());
        if (parte == SC_ScrollBarAddPage)
            zona.setCoords(x + largo, surco.top(), surco.right(), surco.bottom());
        return visualRect(barra->direction, barra->rect, zona);
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

std::string Utf8(const QString& s) { return s.toStdString(); }

// PNG and clipboard images are at least twice the picture's size, crisp when zoomed or printed.
qreal Resolucion(const QWidget* w) { return std::max<qreal>(2, w->devicePixelRatioF()); }

}  // namespace

// Rich text, so that a long tooltip wraps instead of running off the screen.
QString Consejo(const QStringList& lineas) {
    QStringList escapadas;
    for (const QString& l : lineas) escapadas << l.toHtmlEscaped();
    return QLatin1String("<p>") + escapadas.join(QLatin1String("<br>")) + QLatin1String("</p>");
}

QRect PixelesDesdeTwips(int left, int top, int width, int height, double zoom) {
    const int x0 = Pixeles(left, zoom);
    const int y0 = Pixeles(top, zoom);
    return QRect(x0, y0, Pixeles(left + width, zoom) - x0, Pixeles(top + height, zoom) - y0);
}

struct Ventana::PictureTraceHolder {
    canvas::PictureTrace trace;
    canvas::ListenerHandle escucha;
};

Ventana::Ventana(Aplicacion& app, const QString& nombre, const QString& titulo,
                 std::span<const ControlSpec> controles, canvas::Color fore)
    : QWidget(nullptr), app_(app), nombre_(nombre), specs_(controles) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    // Scripts run at the program's own size; on screen the zoom sizes the window.
    if (app_.trace()) setFixedSize(Pixeles(kClientWidth), Pixeles(kClientHeight));
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

    auto* ayuda = new QAction(QStringLiteral("Ayuda de Trazalia"), this);
    ayuda->setShortcut(QKeySequence(::Qt::Key_F1));
    ayuda->setShortcutContext(::Qt::WindowShortcut);
    connect(ayuda, &QAction::triggered, this, [this] { Ayuda::Mostrar(this); });
    addAction(ayuda);

    if (picture_ && app_.trace()) {
        pictureTrace_ = std::make_unique<PictureTraceHolder>(PictureTraceHolder{
            canvas::PictureTrace(*app_.trace(), Utf8(nombre + ".Picture1")), {}});
        pictureTrace_->escucha = picture_->picture().AddListener(&pictureTrace_->trace);
    }
    if (!app_.trace()) new ZoomDeVentana(*this, app_.zoom());
}

Ventana::~Ventana() = default;

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
            barra->setStyle(EstiloDeBarras());
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
    if (*spec.ayuda) {
        w->setAccessibleDescription(QString::fromUtf8(spec.ayuda));
        w->setToolTip(Consejo({w->accessibleDescription()}));
    }
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
    // Control tables are fixed: a name that is not PREFIX and a small number is a table error.
    std::size_t indice = 0;
    const char* fin = n.data() + n.size();
    const auto [hasta, ec] = std::from_chars(n.data() + p.size(), fin, indice);
    if (ec != std::errc() || hasta != fin || indice > 99)
        throw std::invalid_argument("nombre de control no válido: " + std::string(n));
    if (v.size() <= indice) v.resize(indice + 1, nullptr);
    v[indice] = w;
}

void Ventana::NoExiste(const char* prefijo, int n) const {
    throw std::out_of_range(Utf8(nombre_) + " no tiene el control " + prefijo + std::to_string(n));
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
    if (!cambia) return;
    if (!visible) {
        foco_ = focusWidget();
        return;
    }
    activateWindow();
    // Shown again, the window gives the focus back to the control that had it.
    if (foco_ && foco_->isVisible() && foco_->isEnabled())
        foco_->setFocus(::Qt::OtherFocusReason);
    else
        EnfocarPrimero();
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

void Ventana::Disponer(double zoom, QPoint origen) {
    if (zoom == zoom_ && origen == origen_) return;
    zoom_ = zoom;
    origen_ = origen;
    for (std::size_t i = 0; i < specs_.size(); ++i) {
        const ControlSpec& s = specs_[i];
        QWidget* w = widgets_[i];
        const QRect geometria =
            PixelesDesdeTwips(s.left, s.top, s.width, s.height, zoom).translated(origen);
        if (s.tipo == Tipo::Picture) picture_->setScale(zoom, geometria.size());
        if (s.tipo == Tipo::Label || s.tipo == Tipo::Lectura || s.tipo == Tipo::Button)
            w->setFont(Fuente(s.puntos * zoom));
        w->setGeometry(geometria);
    }
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

void Ventana::ReportarFallo(const std::exception& e) {
    if (app_.trace()) {
        if (fallo_.empty()) fallo_ = e.what();
        return;
    }
    app_.dialogos().Aviso(this, QStringLiteral("No se pudo completar la acción"),
                          QString::fromUtf8(e.what()) + u'.');
}

std::string Ventana::TomarFallo() { return std::exchange(fallo_, {}); }

VentanaMetodo::VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                             std::span<const ControlSpec> controles, canvas::Color fore,
                             int vectores)
    : Ventana(app, nombre, titulo, controles, fore),
      vectores_(vectores),
      lienzo_(std::make_unique<diagram::LienzoConVistas>(Picture1()->picture())) {
    Picture1()->setAccessibleDescription(
        QStringLiteral("Diagrama vacío: mueva una barra para dibujar los vectores."));

    // Window-wide shortcuts: they work whichever control has the focus.
    copiar_ = new QAction(QStringLiteral("Copiar imagen"), this);
    copiar_->setShortcuts(QKeySequence::Copy);
    copiar_->setShortcutContext(::Qt::WindowShortcut);
    connect(copiar_, &QAction::triggered, this, &VentanaMetodo::CopiarImagen);
    guardar_ = new QAction(QStringLiteral("Guardar imagen…"), this);
    guardar_->setShortcuts(QKeySequence::Save);
    guardar_->setShortcutContext(::Qt::WindowShortcut);
    connect(guardar_, &QAction::triggered, this, &VentanaMetodo::GuardarImagen);
    imprimir_ = new QAction(QStringLiteral("Imprimir…"), this);
    imprimir_->setShortcuts(QKeySequence::Print);
    imprimir_->setShortcutContext(::Qt::WindowShortcut);
    connect(imprimir_, &QAction::triggered, this, &VentanaMetodo::Imprimir);
    addAction(copiar_);
    addAction(guardar_);
    addAction(imprimir_);

    menu_ = new QMenu(this);
    menu_->addAction(copiar_);
    menu_->addAction(guardar_);
    menu_->addAction(imprimir_);
    // The views: one set for both method windows, each with its key in this window.
    menu_->addSeparator();
    for (QAction* vista : app_.vistas().acciones()) {
        menu_->addAction(vista);
        addAction(vista);
    }
    connect(&app_.vistas(), &ControlVistas::cambiadas, this, &VentanaMetodo::Redibujar);
    Picture1()->installEventFilter(this);
    // Keyboards without a menu key open context menus with Shift+F10.
    auto* menuDeTeclado = new QShortcut(QKeySequence(::Qt::SHIFT | ::Qt::Key_F10), Picture1());
    menuDeTeclado->setContext(::Qt::WidgetShortcut);
    connect(menuDeTeclado, &QShortcut::activated, this,
            [this] { AbrirMenu(Picture1()->mapToGlobal(Picture1()->rect().center())); });

    anuncio_ = new Anuncio(this);
}

VentanaMetodo::~VentanaMetodo() = default;

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

canvas::Canvas& VentanaMetodo::lienzo() { return *lienzo_; }

void VentanaMetodo::PrepararVistas() { lienzo_->PonerVistas(app_.vistas().vistas()); }

void VentanaMetodo::Redibujar() {
    if (!repetir_) return;
    const auto handler = repetir_;
    EventoDeDibujo(handler);
}

void VentanaMetodo::Imprimir() {
    app_.dialogos().Imprimir(this, [this](QPrinter& impresora) {
        if (!ImprimirDibujo(Picture1()->picture(), LineaDeLecturas(), impresora))
            app_.dialogos().Aviso(this, QStringLiteral("No se pudo imprimir"),
                                  QStringLiteral("La impresora no aceptó el dibujo."));
    });
}

void VentanaMetodo::Dibujado(diagram::Resultado resultado) {
    diagram::DibujarVistas(*lienzo_, resultado, lienzo_->vistas());
    Picture1()->setAccessibleDescription(Descripcion(resultado));
    dibujo_ = std::move(resultado);
    // A new resultant (a click, a step) is said at once, wherever the focus is.
    if (dibujo_->resultante) anuncio_->Decir(Anunciado(*dibujo_));
    emit dibujado(*dibujo_);
}

void VentanaMetodo::keyPressEvent(QKeyEvent* event) {
    // Full screen, Esc first leaves it (that is the full-screen handler's, not this one's).
    if (event->key() == ::Qt::Key_Escape && event->modifiers() == ::Qt::NoModifier &&
        !isFullScreen()) {
        Regresar();
        return;
    }
    Ventana::keyPressEvent(event);
}

namespace {

QString Numero(double valor) { return QString::fromStdString(diagram::Formato(valor)); }

// "Vector n: m a d°." for each vector.
QString DescribirVectores(const diagram::Resultado& dibujo) {
    QString texto;
    for (std::size_t i = 0; i < dibujo.vectores.size(); ++i) {
        texto += QStringLiteral("Vector %1: %2 a %3°. ")
                     .arg(i + 1)
                     .arg(dibujo.vectores[i].m)
                     .arg(dibujo.vectores[i].d);
    }
    return texto;
}

QString Orden(const std::array<int, 3>& orden) {
    return QStringLiteral("%1, %2, %3").arg(orden[0]).arg(orden[1]).arg(orden[2]);
}

}  // namespace

QString VentanaMetodo::Descripcion(const diagram::Resultado& dibujo) const {
    QString texto;
    if (dibujo.paso == 7) {
        texto = QStringLiteral("Paso 7 de 7: los seis órdenes a la vez. ");
    } else if (dibujo.paso >= 1) {
        texto = QStringLiteral("Paso %1 de 7: los vectores %2, punta con cola. ")
                    .arg(dibujo.paso)
                    .arg(Orden(dibujo.orden));
    }
    texto += DescribirVectores(dibujo);
    if (dibujo.resultante) {
        texto +=
            dibujo.direccion
                ? QStringLiteral("Resultante: %1 a %2°. ")
                      .arg(Numero(dibujo.r), Numero(*dibujo.direccion))
                : QStringLiteral("Resultante: %1, sin dirección definida. ").arg(Numero(dibujo.r));
    }
    const diagram::Vistas& vistas = lienzo_->vistas();
    const auto utf8 = [](const std::string& s) { return QString::fromStdString(s); };
    if (vistas[diagram::Vista::Rotulos]) texto += QStringLiteral("Con rótulos. ");
    if (vistas[diagram::Vista::Componentes])
        texto += QStringLiteral("Componentes: %1. ").arg(utf8(diagram::Componentes(dibujo)));
    if (vistas[diagram::Vista::Ecuacion])
        texto += QStringLiteral("Ecuación: %1. ").arg(utf8(diagram::Ecuacion(dibujo)));
    if (vistas[diagram::Vista::Cuadricula]) texto += QStringLiteral("Con cuadrícula. ");
    return texto + QStringLiteral("Escala %1.").arg(Numero(dibujo.Escala));
}

QString VentanaMetodo::Anunciado(const diagram::Resultado& dibujo) {
    QString texto = dibujo.paso >= 1 ? QStringLiteral("Paso %1. ").arg(dibujo.paso) : QString();
    texto += QStringLiteral("Resultante: magnitud %1").arg(Numero(dibujo.r));
    return texto + (dibujo.direccion
                        ? QStringLiteral(", dirección %1°.").arg(Numero(*dibujo.direccion))
                        : QStringLiteral(", dirección indefinida."));
}

QString VentanaMetodo::LineaDeLecturas() const {
    std::vector<diagram::Entrada> vectores;
    if (dibujo_) {
        vectores = dibujo_->vectores;
    } else {
        for (int n = 1; n <= vectores_; ++n)
            vectores.push_back({HScroll(n), HScroll(n + vectores_)});
    }
    QStringList partes;
    for (std::size_t i = 0; i < vectores.size(); ++i) {
        partes << QStringLiteral("r%1 = %2; α%1 = %3°")
                      .arg(i + 1)
                      .arg(vectores[i].m)
                      .arg(vectores[i].d);
    }
    if (dibujo_ && dibujo_->paso >= 1) partes << QStringLiteral("paso = %1").arg(dibujo_->paso);
    if (dibujo_ && dibujo_->resultante) {
        partes << QStringLiteral("r = %1; α = %2")
                      .arg(Numero(dibujo_->r), dibujo_->direccion
                                                   ? Numero(*dibujo_->direccion) + u'°'
                                                   : QString::fromLatin1(diagram::kIndefinido));
    }
    return partes.join(QLatin1String("; "));
}

int VentanaMetodo::HScroll(int n) const { return barra(n)->value(); }

void VentanaMetodo::Label(int n, std::string_view caption) { Caption(rotulo(n), caption); }

void VentanaMetodo::Regresar() {
    hide();
    app_.form1().show();
}

}  // namespace trazalia::app
