// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <QAbstractButton>

#include "diagram/colores.h"

namespace trazalia::app {

namespace {

using diagram::kAzul;

// clang-format off
constexpr Control kControles[] = {
    {.nombre = "Image1", .tipo = Tipo::Image, .left = 4320, .top = 120, .width = 2040,
     .height = 1800, .tab = -1, .descripcion = QT_TRANSLATE_NOOP("Form1", "Emblema de Trazalia"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Dos vectores y su resultante, sumados por el método del paralelogramo.")},
    {.nombre = "Label1", .tipo = Tipo::Label, .left = 1920, .top = 2040, .width = 6855,
     .height = 1695, .tab = 3, .texto = QT_TRANSLATE_NOOP("Form1", "Escuela de Ciencias\nDepartamento de Física"),
     .puntos = 21.75, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Escuela de Ciencias, Departamento de Física"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "La escuela y el departamento que presentan Trazalia")},
    {.nombre = "Label2", .tipo = Tipo::Label, .left = 3240, .top = 4080, .width = 3975,
     .height = 855, .tab = 4, .texto = "\"Trazalia\"", .puntos = 26.25, .color = kAzul,
     .centrado = true, .descripcion = QT_TRANSLATE_NOOP("Form1", "Trazalia"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "El nombre del programa: suma de vectores en el plano")},
    {.nombre = "Label3", .tipo = Tipo::Label, .left = 2880, .top = 5280, .width = 4815,
     .height = 495, .tab = 5, .texto = QT_TRANSLATE_NOOP("Form1", "Equipo Trazalia"), .puntos = 18, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Equipo Trazalia"), .ayuda = QT_TRANSLATE_NOOP("Form1", "Los autores del programa")},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 960, .top = 6120, .width = 2775,
     .height = 735, .tab = 0, .texto = QT_TRANSLATE_NOOP("Form1", "Paralelogramo"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Método del paralelogramo"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Abre la ventana del método del paralelogramo: dos vectores.")},
    {.nombre = "Command2", .tipo = Tipo::Button, .left = 7200, .top = 6120, .width = 2775,
     .height = 735, .tab = 1, .texto = QT_TRANSLATE_NOOP("Form1", "Polígono"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Método del polígono"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Abre la ventana del método del polígono: tres vectores.")},
    {.nombre = "Command3", .tipo = Tipo::Button, .left = 4200, .top = 7080, .width = 2535,
     .height = 735, .tab = 2, .texto = QT_TRANSLATE_NOOP("Form1", "Salir"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Salir de Trazalia"), .ayuda = QT_TRANSLATE_NOOP("Form1", "Cierra el programa.")},
};
// clang-format on

}  // namespace

Form1::Form1() : Ventana(QStringLiteral("Form1"), QStringLiteral("Trazalia."), kControles) {
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
