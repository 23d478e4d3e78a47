// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form3.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <array>
#include <string>
#include <utility>

#include "app/editor.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/colores.h"
#include "diagram/constantes.h"

namespace trazalia::app {

namespace {

const session::Tabla& kTabla = session::TablaDe(session::Formulario::Form3);

}  // namespace

Form3::Form3(ControlVistas& vistas)
    : VentanaMetodo(vistas, QStringLiteral("Form3"),
                    QCoreApplication::translate("Form3", kTabla.titulo), kTabla.controles,
                    kTabla.fore, kTabla.vectores),
      metodo_(*this, lienzo()) {
    connect(boton(1), &QAbstractButton::clicked, this, &Form3::Command1_Click);
    connect(barra(1), &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
    connect(barra(2), &QScrollBar::valueChanged, this, &Form3::HScroll2_Change);
    connect(barra(3), &QScrollBar::valueChanged, this, &Form3::HScroll3_Change);
    connect(barra(4), &QScrollBar::valueChanged, this, &Form3::HScroll4_Change);
    connect(barra(5), &QScrollBar::valueChanged, this, &Form3::HScroll5_Change);
    connect(barra(6), &QScrollBar::valueChanged, this, &Form3::HScroll6_Change);
    connect(barra(7), &QScrollBar::valueChanged, this, &Form3::HScroll7_Change);
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
    EnlazarLecturas();
    connect(barra(7), &QScrollBar::valueChanged, this, &Form3::RotularPaso);
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

void Form3::PrepararRevelado() {
    constexpr int kMedio = (diagram::kPasos + 1) / 2;
    {
        const QSignalBlocker bloqueo(barra(7));
        barra(7)->setValue(kMedio);
    }
    Label(18, std::to_string(kMedio));
    RotularPaso();
}

void Form3::Form_Load() {
    Evento([this] { metodo_.Form_Load(); });
}

void Form3::Command1_Click() { Regresar(); }

// All six vector bars redraw the same live diagram from all six values.
void Form3::HScroll1_Change() {
    EventoDeDibujo([this] { return metodo_.HScroll_Change(); });
}
void Form3::HScroll2_Change() { HScroll1_Change(); }
void Form3::HScroll3_Change() { HScroll1_Change(); }
void Form3::HScroll4_Change() { HScroll1_Change(); }
void Form3::HScroll5_Change() { HScroll1_Change(); }
void Form3::HScroll6_Change() { HScroll1_Change(); }

void Form3::HScroll7_Change() {
    EventoDeRevelado([this] { return metodo_.HScroll7_Change(); });
}

QString Form3::ComoRenovarResultado() const {
    return QCoreApplication::translate("Form3", kTabla.comoRenovar);
}

// A step is named only when the picture shows it.
QString Form3::NombreDeArchivo() const {
    if (!dibujo() || dibujo()->paso == 0) return QStringLiteral("poligono.png");
    return QStringLiteral("poligono-paso-%1.png").arg(dibujo()->paso);
}

}  // namespace trazalia::app
