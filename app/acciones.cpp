// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/acciones.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>
#include <algorithm>

#include "app/arrastre.h"
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

namespace trazalia::app {

namespace {

// PNG and clipboard images are at least twice the picture's size, crisp when zoomed or printed.
qreal Resolucion(const QWidget* w) { return std::max<qreal>(2, w->devicePixelRatioF()); }

}  // namespace

AccionesDelDibujo::AccionesDelDibujo(VentanaMetodo& ventana, practice::Ventana cual,
                                     ControlVistas& vistas, Dialogos& dialogos,
                                     AjustesDePractica& practica)
    : QObject(&ventana), ventana_(ventana), dialogos_(dialogos) {
    setObjectName(QStringLiteral("acciones"));
    menu_ = new QMenu(&ventana_);
    const auto accion = [this](Atajo atajo, void (AccionesDelDibujo::*metodo)()) {
        QAction* a = RegistrarAtajo(ventana_, atajo);
        connect(a, &QAction::triggered, this, metodo);
        menu_->addAction(a);
        return a;
    };
    copiar_ = accion(Atajo::CopiarImagen, &AccionesDelDibujo::CopiarImagen);
    guardar_ = accion(Atajo::GuardarImagen, &AccionesDelDibujo::GuardarImagen);
    accion(Atajo::Imprimir, &AccionesDelDibujo::Imprimir);
    QAction* hoja = RegistrarAtajo(ventana_, Atajo::HojaDeEjercicios);
    connect(hoja, &QAction::triggered, this, [this] { DialogoDeHoja(&ventana_, dialogos_); });
    menu_->addAction(hoja);
    menu_->addSeparator();

    // Before the layers' filters: Qt asks the filter installed last first, so that a dragged tip
    // and a guess see the mouse before the menu does, and practice before the tip: an exercise's
    // tips hold still.
    ventana_.Picture1()->installEventFilter(this);
    arrastre_ = new Arrastre(ventana_);
    practica_ = new Practica(ventana_, cual, practica, dialogos);
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
        AbrirMenu(ventana_.Picture1()->mapToGlobal(ventana_.Picture1()->rect().center()));
    });
}

AccionesDelDibujo& AccionesDelDibujo::De(const VentanaMetodo& ventana) {
    return *ventana.findChild<AccionesDelDibujo*>(QStringLiteral("acciones"),
                                                  ::Qt::FindDirectChildrenOnly);
}

bool AccionesDelDibujo::eventFilter(QObject* objeto, QEvent* evento) {
    // The event's kind first: a window being destroyed is no longer one to ask.
    if (evento->type() != QEvent::ContextMenu || objeto != ventana_.Picture1()) return false;
    auto* menu = static_cast<QContextMenuEvent*>(evento);
    // From the keyboard the menu opens over the middle of the drawing area.
    AbrirMenu(menu->reason() == QContextMenuEvent::Mouse
                  ? menu->globalPos()
                  : ventana_.Picture1()->mapToGlobal(ventana_.Picture1()->rect().center()));
    return true;
}

void AccionesDelDibujo::AbrirMenu(const QPoint& global) { menu_->popup(global); }

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

}  // namespace trazalia::app
