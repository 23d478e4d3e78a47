// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventana_metodo.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "app/accesible.h"
#include "app/aplicacion.h"
#include "app/arrastre.h"
#include "app/exportar.h"
#include "app/form1.h"
#include "app/hoja.h"
#include "app/impresion.h"
#include "app/practica.h"
#include "app/vistas.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/formato.h"
#include "diagram/vistas.h"

namespace trazalia::app {

namespace {

// PNG and clipboard images are at least twice the picture's size, crisp when zoomed or printed.
qreal Resolucion(const QWidget* w) { return std::max<qreal>(2, w->devicePixelRatioF()); }

}  // namespace

VentanaMetodo::VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                             std::span<const Control> controles, canvas::Color fore, int vectores)
    : Ventana(app, nombre, titulo, controles, fore),
      vectores_(vectores),
      lienzo_(std::make_unique<diagram::LienzoConVistas>(Picture1()->picture())) {
    Picture1()->setAccessibleDescription(
        QStringLiteral("Diagrama vacío: mueva una barra para dibujar los vectores."));

    // Window-wide shortcuts: they work whichever control has the focus.
    menu_ = new QMenu(this);
    const auto accion = [this](const QString& texto, QKeySequence::StandardKey tecla,
                               void (VentanaMetodo::*metodo)()) {
        QAction* a = Atajo(texto, QKeySequence::keyBindings(tecla));
        connect(a, &QAction::triggered, this, metodo);
        menu_->addAction(a);
        return a;
    };
    copiar_ =
        accion(QStringLiteral("Copiar imagen"), QKeySequence::Copy, &VentanaMetodo::CopiarImagen);
    guardar_ = accion(QStringLiteral("Guardar imagen…"), QKeySequence::Save,
                      &VentanaMetodo::GuardarImagen);
    imprimir_ = accion(QStringLiteral("Imprimir…"), QKeySequence::Print, &VentanaMetodo::Imprimir);
    QAction* hoja = Atajo(QStringLiteral("Hoja de ejercicios…"), {QKeySequence(::Qt::Key_W)});
    connect(hoja, &QAction::triggered, this, [this] { DialogoDeHoja(this, app_.dialogos()); });
    menu_->addAction(hoja);
    menu_->addSeparator();
    practica_ = new Practica(*this, app_,
                             vectores == 2 ? practice::Ventana::Form2 : practice::Ventana::Form3);
    practica_->AgregarAlMenu(*menu_);
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
    arrastre_ = new Arrastre(*this, vectores, *anuncio_);
    connect(arrastre_, &Arrastre::soltado, this, [this] {
        if (dibujo_) Picture1()->setAccessibleDescription(Descripcion(*dibujo_));
    });
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
    if (objeto == Picture1() && practica_->Raton(evento)) return true;
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

void VentanaMetodo::PrepararVistas() {
    lienzo_->PonerVistas(app_.vistas().vistas());
    Escalar(diagram::EscaladoDe(lienzo_->vistas()));
}

void VentanaMetodo::Redibujar() {
    if (!repetir_) return;
    const auto handler = repetir_;
    EventoDeDibujo(handler);
}

void VentanaMetodo::Imprimir() {
    app_.dialogos().Imprimir(this, [this](QPrinter& impresora) {
        const QString error = ImprimirDibujo(Picture1()->picture(), LineaDeLecturas(), impresora);
        if (!error.isEmpty())
            app_.dialogos().Aviso(this, QStringLiteral("No se pudo imprimir"), error);
    });
}

void VentanaMetodo::Dibujado(diagram::Resultado resultado) {
    diagram::DibujarVistas(*lienzo_, resultado, lienzo_->vistas());
    // Over everything the diagram and the views drew.
    const QString veredicto = practica_->Dibujado(*lienzo_, resultado);
    const QString practica = practica_->Descripcion();
    // A screen reader speaks a focused picture's new description: during a drag, only its last.
    if (!arrastre_->vector())
        Picture1()->setAccessibleDescription(
            practica.isEmpty() ? Descripcion(resultado) : Descripcion(resultado) + u' ' + practica);
    dibujo_ = std::move(resultado);
    // A new resultant (a click, a step) is said at once, wherever the focus is, with the
    // verdict of a guess.
    if (dibujo_->resultante)
        anuncio_->Decir(veredicto.isEmpty() ? Anunciado(*dibujo_)
                                            : Anunciado(*dibujo_) + u' ' + veredicto);
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
                      .arg(Numero(dibujo_->r),
                           QString::fromStdString(diagram::ConGrados(dibujo_->direccion)));
    }
    return partes.join(QLatin1String("; "));
}

void VentanaMetodo::VaciarResultado() {
    for (int n : LecturasDelResultado()) Label(n, "");
}

int VentanaMetodo::HScroll(int n) const { return barra(n)->value(); }

void VentanaMetodo::Label(int n, std::string_view caption) { Caption(rotulo(n), caption); }

void VentanaMetodo::Regresar() {
    hide();
    app_.form1().show();
}

}  // namespace trazalia::app
