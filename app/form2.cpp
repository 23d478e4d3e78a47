// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form2.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include "app/editor.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/colores.h"
#include "diagram/constantes.h"

namespace trazalia::app {

namespace {

using diagram::kAzul;
using diagram::kRojo;
constexpr canvas::Color kGris{64, 64, 64};

// clang-format off
constexpr Control kControles[] = {
    {.nombre = "Picture1", .tipo = Tipo::Picture, .left = 240, .top = 1680, .width = 7000,
     .height = 6000, .tab = 0, .descripcion = QT_TRANSLATE_NOOP("Form2", "Diagrama del paralelogramo"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Los vectores a escala desde el origen; «Graficar Paralelogramo» añade la "
              "figura y la resultante en negro. Botón derecho: copiar o guardar la imagen")},
    {.nombre = "HScroll1", .tipo = Tipo::HScroll, .left = 1200, .top = 240, .width = 1455,
     .height = 375, .tab = 1, .min = 0, .max = diagram::kModuloMaximo, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Magnitud del vector 1"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Módulo (magnitud) del vector 1 (rojo): de 0 a 100")},
    {.nombre = "HScroll2", .tipo = Tipo::HScroll, .left = 1200, .top = 960, .width = 1455,
     .height = 375, .tab = 2, .min = 0, .max = diagram::kModuloMaximo, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Magnitud del vector 2"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Módulo (magnitud) del vector 2 (azul): de 0 a 100")},
    {.nombre = "HScroll3", .tipo = Tipo::HScroll, .left = 5400, .top = 240, .width = 1455,
     .height = 375, .tab = 3, .min = 0, .max = diagram::kDireccionMaxima, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 1 (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")},
    {.nombre = "HScroll4", .tipo = Tipo::HScroll, .left = 5400, .top = 840, .width = 1455,
     .height = 375, .tab = 4, .min = 0, .max = diagram::kDireccionMaxima, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 2 (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")},
    {.nombre = "Label1", .tipo = Tipo::Label, .left = 240, .top = 240, .width = 615, .height = 495,
     .tab = 5, .texto = "r", .puntos = 12, .color = kRojo, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "r: magnitud del vector 1"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la magnitud del vector 1")},
    {.nombre = "Label2", .tipo = Tipo::Label, .left = 4440, .top = 240, .width = 615,
     .height = 375, .tab = 6, .texto = "α", .puntos = 12, .color = kRojo, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "α: dirección del vector 1"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la dirección del vector 1")},
    {.nombre = "Label3", .tipo = Tipo::Label, .left = 240, .top = 840, .width = 615, .height = 495,
     .tab = 7, .texto = "r", .puntos = 12, .color = kAzul, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "r: magnitud del vector 2"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la magnitud del vector 2")},
    {.nombre = "Label4", .tipo = Tipo::Label, .left = 4440, .top = 840, .width = 615,
     .height = 375, .tab = 8, .texto = "α", .puntos = 12, .color = kAzul, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "α: dirección del vector 2"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la dirección del vector 2")},
    {.nombre = "Label5", .tipo = Tipo::Lectura, .left = 3000, .top = 240, .width = 1095,
     .height = 375, .tab = 10, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form2", "Magnitud del vector 1"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo")},
    {.nombre = "Label6", .tipo = Tipo::Lectura, .left = 3000, .top = 960, .width = 1095,
     .height = 375, .tab = 11, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form2", "Magnitud del vector 2"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo")},
    {.nombre = "Label7", .tipo = Tipo::Lectura, .left = 7200, .top = 240, .width = 1215,
     .height = 375, .tab = 12, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 1 (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo")},
    {.nombre = "Label8", .tipo = Tipo::Lectura, .left = 7200, .top = 840, .width = 1215,
     .height = 375, .tab = 13, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form2", "Dirección del vector 2 (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo")},
    {.nombre = "Label9", .tipo = Tipo::Label, .left = 7800, .top = 2760, .width = 855,
     .height = 375, .tab = 14, .texto = "r", .puntos = 12, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "r: magnitud de la resultante"), .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la magnitud de la resultante")},
    {.nombre = "Label10", .tipo = Tipo::Lectura, .left = 9120, .top = 2760, .width = 1215,
     .height = 375, .tab = 15, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form2", "Magnitud de la resultante"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Módulo de la resultante, de 0 a 200, tras «Graficar Paralelogramo»"),
     .resultado = true},
    {.nombre = "Label13", .tipo = Tipo::Label, .left = 7920, .top = 3600, .width = 615,
     .height = 375, .tab = 18, .texto = "α", .puntos = 12, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "α: dirección de la resultante"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Rótulo de la dirección de la resultante")},
    {.nombre = "Label12", .tipo = Tipo::Lectura, .left = 9120, .top = 3600, .width = 1215,
     .height = 375, .tab = 16, .puntos = 9.75,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Dirección de la resultante (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, "
              "en sentido antihorario; «Indefinido» si la resultante es nula"),
     .resultado = true},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 7800, .top = 4920, .width = 2655,
     .height = 855, .tab = 17, .texto = QT_TRANSLATE_NOOP("Form2", "Graficar Paralelogramo"), .puntos = 14.25,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Graficar Paralelogramo"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Completa el paralelogramo, dibuja la resultante en negro y muestra "
              "su magnitud y su dirección.")},
    {.nombre = "Command2", .tipo = Tipo::Button, .left = 7800, .top = 6720, .width = 2655,
     .height = 615, .tab = 9, .texto = QT_TRANSLATE_NOOP("Form2", "Regresar"), .puntos = 14.25,
     .descripcion = QT_TRANSLATE_NOOP("Form2", "Regresar al inicio"),
     .ayuda = QT_TRANSLATE_NOOP("Form2", "Vuelve a la ventana de inicio; esta ventana conserva sus valores.")},
};
// clang-format on

}  // namespace

Form2::Form2(ControlVistas& vistas)
    : VentanaMetodo(vistas, QStringLiteral("Form2"),
                    QCoreApplication::translate("Form2", "Método del Paralelogramo."), kControles,
                    kGris, 2),
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
    return QCoreApplication::translate(
        "Form2", "De la construcción anterior: pulse «Graficar Paralelogramo»");
}

}  // namespace trazalia::app
