// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form2.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include "app/editor.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

const session::Tabla& kTabla = session::TablaDe(session::Formulario::Form2);

}  // namespace

Form2::Form2(ControlVistas& vistas)
    : VentanaMetodo(vistas, QStringLiteral("Form2"),
                    QCoreApplication::translate("Form2", kTabla.titulo), kTabla.controles,
                    kTabla.fore, kTabla.vectores),
      metodo_(*this, lienzo()) {
    connect(boton(1), &QAbstractButton::clicked, this, &Form2::Command1_Click);
    connect(boton(2), &QAbstractButton::clicked, this, &Form2::Command2_Click);
    connect(barra(1), &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(barra(2), &QScrollBar::valueChanged, this, &Form2::HScroll2_Change);
    connect(barra(3), &QScrollBar::valueChanged, this, &Form2::HScroll3_Change);
    connect(barra(4), &QScrollBar::valueChanged, this, &Form2::HScroll4_Change);
    EnlazarLecturas();
}

void Form2::Form_Load() {
    Evento([this] { metodo_.Form_Load(); });
}

void Form2::Command1_Click() {
    EventoDeRevelado([this] { return metodo_.Command1_Click(); });
}

void Form2::Command2_Click() { Regresar(); }

// All four bars redraw the same live diagram from all four values.
void Form2::HScroll1_Change() {
    EventoDeDibujo([this] { return metodo_.HScroll_Change(); });
}
void Form2::HScroll2_Change() { HScroll1_Change(); }
void Form2::HScroll3_Change() { HScroll1_Change(); }
void Form2::HScroll4_Change() { HScroll1_Change(); }

QString Form2::NombreDeArchivo() const { return QStringLiteral("paralelogramo.png"); }

QString Form2::ComoRenovarResultado() const {
    return QCoreApplication::translate("Form2", kTabla.comoRenovar);
}

}  // namespace trazalia::app
