// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/acciones.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "app/dialogos.h"
#include "app/exportar.h"
#include "app/hoja.h"
#include "app/impresion.h"
#include "app/practica.h"
#include "app/teclas.h"
#include "app/ventana_metodo.h"
#include "app/vistas.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "practice/pulsacion.h"
#include "session/sesion.h"

namespace trazalia::app {

namespace {

// PNG and clipboard images are at least twice the picture's size, crisp when zoomed or printed.
qreal Resolucion(const QWidget* w) { return std::max<qreal>(2, w->devicePixelRatioF()); }

// A bar's changes are one step while the gesture that makes them goes on: a thumb dragged, an
// arrow or the trough held, a key held (its repeats). A press or a release of the pointer, a key
// let go, the pointer or the focus gone end it, as a new command id ends QUndoStack's merging.
class FinDelPaso final : public QObject {
public:
    FinDelPaso(session::Sesion& sesion, session::Formulario ventana, QObject* parent)
        : QObject(parent), sesion_(sesion), ventana_(ventana) {}

protected:
    bool eventFilter(QObject* /*objeto*/, QEvent* evento) override {
        const auto tipo = evento->type();
        const bool soltada =
            tipo == QEvent::KeyRelease && !static_cast<QKeyEvent*>(evento)->isAutoRepeat();
        if (soltada || tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonRelease ||
            tipo == QEvent::FocusOut || tipo == QEvent::Leave)
            sesion_.Ejecutar(session::comandos::TerminarPaso{ventana_});
        return false;
    }

private:
    session::Sesion& sesion_;
    session::Formulario ventana_;
};

}  // namespace

AccionesDelDibujo::AccionesDelDibujo(VentanaMetodo& ventana, ControlVistas& vistas,
                                     Dialogos& dialogos, AjustesDePractica& practica)
    : QObject(&ventana), ventana_(ventana), dialogos_(dialogos) {
    setObjectName(QStringLiteral("acciones"));
    menu_ = new QMenu(&ventana_);
    const auto accion = [this](Atajo atajo, void (AccionesDelDibujo::*metodo)()) {
        QAction* a = InstalarAtajo(ventana_, atajo);
        connect(a, &QAction::triggered, this, metodo);
        menu_->addAction(a);
        return a;
    };
    copiar_ = accion(Atajo::CopiarImagen, &AccionesDelDibujo::CopiarImagen);
    guardar_ = accion(Atajo::GuardarImagen, &AccionesDelDibujo::GuardarImagen);
    accion(Atajo::Imprimir, &AccionesDelDibujo::Imprimir);
    menu_->addSeparator();
    // The core's undo and redo of this window; the menu names the step each would take.
    const session::Formulario f = ventana_.nucleo().formulario();
    deshacer_ = InstalarAtajo(ventana_, Atajo::Deshacer);
    connect(deshacer_, &QAction::triggered, this,
            [this, f] { ventana_.sesion().Ejecutar(session::comandos::Deshacer{f}); });
    rehacer_ = InstalarAtajo(ventana_, Atajo::Rehacer);
    connect(rehacer_, &QAction::triggered, this,
            [this, f] { ventana_.sesion().Ejecutar(session::comandos::Rehacer{f}); });
    menu_->addAction(deshacer_);
    menu_->addAction(rehacer_);
    auto* fin = new FinDelPaso(ventana_.sesion(), f, this);
    for (QScrollBar* barra : ventana_.findChildren<QScrollBar*>()) barra->installEventFilter(fin);
    connect(menu_, &QMenu::aboutToShow, this, [this, f] {
        const session::Sesion& sesion = ventana_.sesion();
        const std::string alDeshacer = sesion.AlDeshacer(f);
        const std::string alRehacer = sesion.AlRehacer(f);
        deshacer_->setEnabled(!alDeshacer.empty());
        rehacer_->setEnabled(!alRehacer.empty());
        deshacer_->setText(alDeshacer.empty()
                               ? Nombre(Atajo::Deshacer)
                               : QCoreApplication::translate("Acciones", "Deshacer: %1")
                                     .arg(QString::fromStdString(alDeshacer)));
        rehacer_->setText(alRehacer.empty() ? Nombre(Atajo::Rehacer)
                                            : QCoreApplication::translate("Acciones", "Rehacer: %1")
                                                  .arg(QString::fromStdString(alRehacer)));
    });
    // Closed, the menu leaves the keys working: the core refuses what there is not to undo.
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        deshacer_->setEnabled(true);
        rehacer_->setEnabled(true);
    });
    menu_->addSeparator();
    QAction* hoja = InstalarAtajo(ventana_, Atajo::HojaDeEjercicios);
    connect(hoja, &QAction::triggered, this, [this] { DialogoDeHoja(&ventana_, dialogos_); });
    menu_->addAction(hoja);
    menu_->addSeparator();

    practica_ = new Practica(ventana_, practica, dialogos);
    new ModoDelDibujo(ventana_, *practica_, *menu_);
    practica_->AgregarAlMenu(*menu_);
    // The views: one set for both method windows, each with its key in this window.
    menu_->addSeparator();
    for (QAction* vista : vistas.acciones()) {
        menu_->addAction(vista);
        ventana_.addAction(vista);
    }
    // Keyboards without a menu key open context menus with Shift+F10.
    auto* menuDeTeclado = new QShortcut(ventana_.Picture1());
    menuDeTeclado->setKeys(Teclas(Atajo::MenuDelDibujo));
    menuDeTeclado->setContext(::Qt::WidgetShortcut);
    connect(menuDeTeclado, &QShortcut::activated, this, [this] {
        menu_->popup(ventana_.Picture1()->mapToGlobal(ventana_.Picture1()->rect().center()));
    });
}

AccionesDelDibujo& AccionesDelDibujo::De(const VentanaMetodo& ventana) {
    return *ventana.findChild<AccionesDelDibujo*>(QStringLiteral("acciones"),
                                                  ::Qt::FindDirectChildrenOnly);
}

void AccionesDelDibujo::CopiarImagen() {
    QGuiApplication::clipboard()->setMimeData(DatosDelDibujo(
        ventana_.Picture1()->picture(), ventana_.LineaDeLecturas(), Resolucion(&ventana_)));
}

void AccionesDelDibujo::GuardarImagen() {
    const QString ruta = dialogos_.ArchivoParaGuardar(&ventana_, ventana_.NombreDeArchivo());
    if (ruta.isEmpty()) return;
    QString error;
    if (canvas::SavePicture(ventana_.Picture1()->picture(), ruta, &error, Resolucion(&ventana_)))
        return;
    if (!error.isEmpty()) error[0] = error[0].toUpper();
    dialogos_.Aviso(&ventana_,
                    QCoreApplication::translate("Acciones", "No se pudo guardar la imagen"),
                    error + u'.');
}

void AccionesDelDibujo::Imprimir() {
    dialogos_.Imprimir(&ventana_, [this](QPrinter& impresora) {
        const QString error =
            ImprimirDibujo(ventana_.Picture1()->picture(), ventana_.LineaDeLecturas(), impresora);
        if (!error.isEmpty())
            dialogos_.Aviso(&ventana_,
                            QCoreApplication::translate("Acciones", "No se pudo imprimir"), error);
    });
}

ModoDelDibujo::ModoDelDibujo(VentanaMetodo& ventana, Practica& practica, QMenu& menu)
    : QObject(&ventana),
      ventana_(ventana),
      picture_(*ventana.Picture1()),
      practica_(practica),
      menu_(menu) {
    // Moves without a button pressed show the open hand over a tip.
    ventana_.Picture1()->setMouseTracking(true);
    ventana_.Picture1()->installEventFilter(this);
    // A picture drawn anew under a still pointer (an exercise set, a bar moved by key) may have
    // moved a tip to it or away, or held the tips still.
    connect(&ventana_, &VentanaMetodo::dibujado, this, [this] {
        if (!presionado_ && sobre_) Senalar(*sobre_);
    });
}

diagram::Punto ModoDelDibujo::EnTwips(QPointF posicion) const {
    const double twips = canvas::kTwipsPerPixel / ventana_.Picture1()->scale();
    return {posicion.x() * twips, posicion.y() * twips};
}

double ModoDelDibujo::Alcance() const {
    // Logical pixels around a tip that grab it: about a finger's width on a touch screen's half.
    constexpr double kAlcanceEnPixeles = 10;
    return kAlcanceEnPixeles * canvas::kTwipsPerPixel / ventana_.Picture1()->scale();
}

bool ModoDelDibujo::eventFilter(QObject* objeto, QEvent* evento) {
    // The event's kind first: a window being destroyed is no longer one to ask.
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseMove &&
        tipo != QEvent::MouseButtonRelease && tipo != QEvent::ContextMenu &&
        tipo != QEvent::KeyPress && tipo != QEvent::Hide && tipo != QEvent::Leave)
        return false;
    // The picture as kept: while the window is destroyed it is no longer one to call.
    if (objeto != &picture_) return false;
    if (tipo == QEvent::Leave) {
        sobre_.reset();
        return false;
    }
    if (tipo == QEvent::Hide) {
        // Esc or "Regresar" during a drag: the release will not come.
        Abandonar();
        return false;
    }
    if (tipo == QEvent::KeyPress) {
        // Enter that no shortcut took (a script's key) checks, as "Comprobar" does.
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (!practica_.nucleo().activa() || (tecla != ::Qt::Key_Return && tecla != ::Qt::Key_Enter))
            return false;
        practica_.Comprobar();
        return true;
    }
    if (tipo == QEvent::ContextMenu) {
        const auto* pedido = static_cast<QContextMenuEvent*>(evento);
        // From the keyboard the menu opens over the middle of the drawing area. Not modal, so that
        // the window's event loop and its tests go on while the menu is open.
        menu_.popup(pedido->reason() == QContextMenuEvent::Mouse
                        ? pedido->globalPos()
                        : picture_.mapToGlobal(picture_.rect().center()));
        return true;
    }
    const auto& raton = *static_cast<QMouseEvent*>(evento);
    if (tipo == QEvent::MouseButtonPress) return Presionar(raton);
    if (tipo == QEvent::MouseMove) return Mover(raton);
    return Soltar(raton);
}

bool ModoDelDibujo::Presionar(const QMouseEvent& raton) {
    if (raton.button() != ::Qt::LeftButton || presionado_) return false;
    const diagram::Punto p = EnTwips(raton.position());
    ultimo_ = p;
    sobre_ = p;
    ventana_.sesion().Ejecutar(
        session::comandos::Presionar{ventana_.nucleo().formulario(), p, Alcance()});
    switch (ventana_.sesion().pulsacion()) {
        case practice::Gesto::Punta:
            presionado_ = true;
            ventana_.Picture1()->setCursor(::Qt::ClosedHandCursor);
            return true;
        case practice::Gesto::Intento:
            presionado_ = true;
            return true;
        case practice::Gesto::Rehusado:
            return true;
        case practice::Gesto::Nada:
            break;
    }
    return false;
}

bool ModoDelDibujo::Mover(const QMouseEvent& raton) {
    const diagram::Punto p = EnTwips(raton.position());
    // The button was let go where the picture could not see it.
    if (!(raton.buttons() & ::Qt::LeftButton)) Abandonar();
    ultimo_ = p;
    sobre_ = p;
    if (presionado_) {
        ventana_.sesion().Ejecutar(session::comandos::MoverPuntero{
            ventana_.nucleo().formulario(), p, raton.modifiers().testFlag(::Qt::ShiftModifier)});
        return true;
    }
    if (raton.buttons() == ::Qt::NoButton) Senalar(p);
    return false;
}

bool ModoDelDibujo::Soltar(const QMouseEvent& raton) {
    if (raton.button() != ::Qt::LeftButton || !presionado_) return false;
    const diagram::Punto p = EnTwips(raton.position());
    presionado_ = false;
    ventana_.sesion().Ejecutar(session::comandos::SoltarPuntero{
        ventana_.nucleo().formulario(), p, raton.modifiers().testFlag(::Qt::ShiftModifier)});
    ventana_.Describir();
    Senalar(p);
    return true;
}

void ModoDelDibujo::Abandonar() {
    if (!presionado_) return;
    presionado_ = false;
    ventana_.sesion().Ejecutar(
        session::comandos::SoltarPuntero{ventana_.nucleo().formulario(), ultimo_, false});
    ventana_.Describir();
}

void ModoDelDibujo::Senalar(diagram::Punto p) {
    const auto& dibujo = ventana_.dibujo();
    const canvas::Picture& picture = ventana_.Picture1()->picture();
    if (dibujo && practice::QueEmpieza(*dibujo, p, picture.Width(), picture.Height(),
                                       practica_.nucleo().Pendiente(), Alcance())
                          .gesto == practice::Gesto::Punta)
        ventana_.Picture1()->setCursor(::Qt::OpenHandCursor);
    else
        ventana_.Picture1()->unsetCursor();
}

}  // namespace trazalia::app
