// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form3.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <array>
#include <string>
#include <utility>

#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/colores.h"
#include "polygon/poligono.h"

namespace trazalia::app {

Form3::Form3(session::Sesion& sesion, session::VentanaMetodo& nucleo, ControlVistas& vistas)
    : VentanaMetodo(sesion, nucleo) {
    // Vector 3's captions take the picture's green.
    QAction* contraste = vistas.accion(diagram::Vista::Contraste);
    const auto verdes = [this, &vistas = vistas] {
        const canvas::Color c = diagram::ColorDeVector(diagram::kVerde, vistas.vistas());
        for (int n : {3, 9}) {
            QPalette paleta = rotulo(n)->palette();
            paleta.setColor(QPalette::WindowText, QColor(c.r, c.g, c.b));
            rotulo(n)->setPalette(paleta);
        }
    };
    connect(contraste, &QAction::toggled, this, verdes);
    verdes();
    connect(barra(7), &QScrollBar::valueChanged, this, &Form3::RotularPaso);
    connect(this, &Ventana::valorPuesto, this, &Form3::RotularPaso);
    RotularPaso();
}

QString Form3::TextoDelPaso(int paso) {
    if (paso == 7)
        return QCoreApplication::translate("Form3", "Paso 7 de 7: los seis órdenes a la vez");
    const std::array<int, 3> orden = polygon::OrdenDelPaso(paso);
    return QCoreApplication::translate("Form3", "Paso %1 de 7: vectores %2, %3 y %4")
        .arg(paso)
        .arg(orden[0])
        .arg(orden[1])
        .arg(orden[2]);
}

// The step bar and its read-out tell the order that the bar's step draws, then what they are.
void Form3::RotularPaso() {
    const QString paso = TextoDelPaso(barra(7)->value());
    for (QWidget* w : {static_cast<QWidget*>(barra(7)), static_cast<QWidget*>(rotulo(18))})
        w->setToolTip(Consejo({paso, w->accessibleDescription()}));
}

// A step is named only when the picture shows it.
QString Form3::NombreDeArchivo() const {
    if (!dibujo() || dibujo()->paso == 0) return QStringLiteral("poligono.png");
    return QStringLiteral("poligono-paso-%1.png").arg(dibujo()->paso);
}

}  // namespace trazalia::app
