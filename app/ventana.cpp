// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventana.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "app/idioma.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

std::string Utf8(const QString& s) { return s.toStdString(); }

}  // namespace

Ventana::Ventana(const QString& nombre, const QString& titulo, std::span<const Control> controles,
                 canvas::Color fore)
    : QWidget(nullptr), nombre_(nombre), filas_(controles) {
    setObjectName(nombre);
    setWindowTitle(titulo);
    setAttribute(::Qt::WA_QuitOnClose, false);

    for (const Control& fila : filas_) {
        widgets_.push_back(Crear(fila, fore));
        nombres_.push_back(fila.tipo == Tipo::Lectura ? DeLaTabla(this, fila.descripcion)
                                                      : QString());
    }
    anterior_.assign(filas_.size(), false);

    // Tab order follows the tab indices of the focusable controls.
    std::vector<std::size_t> orden(filas_.size());
    for (std::size_t i = 0; i < orden.size(); ++i) orden[i] = i;
    std::stable_sort(orden.begin(), orden.end(),
                     [&](auto a, auto b) { return filas_[a].tab < filas_[b].tab; });
    QWidget* anterior = nullptr;
    for (std::size_t i : orden) {
        QWidget* w = widgets_[i];
        if (!(w->focusPolicy() & ::Qt::TabFocus)) continue;
        if (anterior) QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
}

Ventana::~Ventana() = default;

QWidget* Ventana::Crear(const Control& control, canvas::Color fore) {
    QWidget* w = CrearControl(control, fore, this);
    if (control.tipo == Tipo::Picture) picture_ = static_cast<canvas::PictureWidget*>(w);
    Numerar(barras_, control.nombre, "HScroll", qobject_cast<QScrollBar*>(w));
    Numerar(rotulos_, control.nombre, "Label", qobject_cast<QLabel*>(w));
    Numerar(botones_, control.nombre, "Command", qobject_cast<QAbstractButton*>(w));
    return w;
}

QWidget* Ventana::control(const QString& nombre) const {
    for (std::size_t i = 0; i < filas_.size(); ++i)
        if (nombre == QLatin1String(filas_[i].nombre)) return widgets_[i];
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

void Ventana::setVisible(bool visible) {
    const bool cambia = visible != isVisible();
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
    const Control* mejor = nullptr;
    QWidget* destino = nullptr;
    for (std::size_t i = 0; i < filas_.size(); ++i) {
        QWidget* w = widgets_[i];
        if (!(w->focusPolicy() & ::Qt::TabFocus) || !w->isEnabled()) continue;
        if (!mejor || filas_[i].tab < mejor->tab) {
            mejor = &filas_[i];
            destino = w;
        }
    }
    if (destino) destino->setFocus(::Qt::TabFocusReason);
}

void Ventana::Disponer(double zoom, QPoint origen) {
    if (zoom == zoom_ && origen == origen_) return;
    zoom_ = zoom;
    origen_ = origen;
    for (std::size_t i = 0; i < filas_.size(); ++i) {
        const Control& s = filas_[i];
        QWidget* w = widgets_[i];
        const QRect geometria =
            PixelesDesdeTwips(s.left, s.top, s.width, s.height, zoom).translated(origen);
        if (s.tipo == Tipo::Picture) picture_->setScale(zoom, geometria.size());
        if (s.tipo == Tipo::Label || s.tipo == Tipo::Lectura || s.tipo == Tipo::Button) {
            QFont fuente = Fuente(s.puntos * zoom);
            fuente.setStrikeOut(anterior_[i]);
            w->setFont(fuente);
        }
        w->setGeometry(geometria);
    }
}

QAction* Ventana::Atajo(const QString& texto, const QList<QKeySequence>& teclas) {
    auto* accion = new QAction(texto, this);
    QList<QKeySequence> distintas;
    for (const QKeySequence& t : teclas)
        if (!t.isEmpty() && !distintas.contains(t)) distintas << t;
    accion->setShortcuts(distintas);
    accion->setShortcutContext(::Qt::WindowShortcut);
    addAction(accion);
    return accion;
}

std::optional<std::size_t> Ventana::Indice(std::string_view control) const {
    for (std::size_t i = 0; i < filas_.size(); ++i)
        if (control == filas_[i].nombre) return i;
    return std::nullopt;
}

// The label shows the text in the language installed; the trace keeps the domain's own.
void Ventana::Escribir(std::string_view control, std::string_view texto) {
    const auto i = Indice(control);
    if (!i) return;
    if (auto* boton = qobject_cast<QAbstractButton*>(widgets_[*i])) {
        boton->setText(Traducir(texto));
        return;
    }
    auto* label = qobject_cast<QLabel*>(widgets_[*i]);
    if (!label) return;
    label->setText(Traducir(texto));
    if (filas_[*i].tipo == Tipo::Lectura) NombrarLectura(label, nombres_[*i]);
}

void Ventana::PonerValor(std::string_view control, int valor) {
    const auto i = Indice(control);
    auto* barra = i ? qobject_cast<QScrollBar*>(widgets_[*i]) : nullptr;
    if (!barra || barra->value() == valor) return;
    // The core has run the change already: the bar only shows it.
    const QSignalBlocker bloqueo(barra);
    barra->setValue(valor);
    emit valorPuesto(static_cast<int>(*i));
}

void Ventana::MarcarAnterior(std::string_view control, bool anterior, const QString& aviso) {
    const auto encontrado = Indice(control);
    if (!encontrado) return;
    const std::size_t i = *encontrado;
    anterior_[i] = anterior;
    const Control& fila = filas_[i];
    QWidget* w = widgets_[i];
    QFont fuente = w->font();
    fuente.setStrikeOut(anterior);
    w->setFont(fuente);
    // Grey that still reads at 4.5:1 on the read-out's white.
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::WindowText, anterior
                                              ? QColor(112, 112, 112)
                                              : QColor(fila.color.r, fila.color.g, fila.color.b));
    w->setPalette(paleta);
    const QString ayuda = DeLaTabla(w, fila.ayuda);
    w->setAccessibleDescription(anterior ? aviso : ayuda);
    w->setToolTip(Consejo(anterior ? QStringList{aviso, ayuda} : QStringList{ayuda}));
}

void Ventana::Fallar(std::string_view texto) {
    if (fallo_.empty()) fallo_ = std::string(texto);
    emit fallo();
}

void Ventana::closeEvent(QCloseEvent* event) {
    event->accept();
    emit cerrada();
}

std::string Ventana::TomarFallo() { return std::exchange(fallo_, {}); }

}  // namespace trazalia::app
