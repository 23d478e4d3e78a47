// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QAbstractButton>

namespace trazalia::app {

namespace {

const session::Tabla& kTabla = session::TablaDe(session::Formulario::Form1);

}  // namespace

Form1::Form1()
    : Ventana(QString::fromUtf8(kTabla.nombre.data(), static_cast<qsizetype>(kTabla.nombre.size())),
              QString::fromUtf8(kTabla.titulo), kTabla.controles) {
    connect(boton(1), &QAbstractButton::clicked, this, &Form1::Command1_Click);
    connect(boton(2), &QAbstractButton::clicked, this, &Form1::Command2_Click);
    connect(boton(3), &QAbstractButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Command1_Click() {
    hide();
    emit paralelogramo();
}

void Form1::Command2_Click() {
    hide();
    emit poligono();
}

void Form1::Command3_Click() { emit salir(); }

}  // namespace trazalia::app
