// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/tabla.h"

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/traducible.h"

namespace trazalia::combination {

namespace {

using diagram::Control;
using diagram::kAzul;
using diagram::kRojo;
using diagram::Tipo;
constexpr canvas::Color kGris{64, 64, 64};

// a and b take Form2's places above the picture; the coefficients, "a − b", "Graficar c" and c's
// read-outs run down the right in the order a student uses them, and so does the tab order.
// clang-format off
constexpr Control kForm4[] = {
    {.nombre = "Picture1", .tipo = Tipo::Picture, .left = 240, .top = 1680, .width = 7000,
     .height = 6000, .tab = 0, .descripcion = QT_TRANSLATE_NOOP("Form4", "Diagrama de la combinación"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Los vectores a y b a escala desde el origen; «Graficar c» añade k₁a y k₂b "
              "punta con cola y la resultante c en negro. Botón derecho: copiar o guardar la imagen")},
    {.nombre = "Label1", .tipo = Tipo::Label, .left = 240, .top = 240, .width = 615, .height = 495,
     .tab = 1, .texto = "|a|", .puntos = 12, .color = kRojo, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "|a|: magnitud del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la magnitud del vector a")},
    {.nombre = "HScroll1", .tipo = Tipo::HScroll, .left = 1200, .top = 240, .width = 1455,
     .height = 375, .tab = 2, .min = 0, .max = diagram::kModuloMaximo, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Magnitud del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Módulo (magnitud) del vector a (rojo): de 0 a 100")},
    {.nombre = "Label5", .tipo = Tipo::Lectura, .left = 3000, .top = 240, .width = 1095,
     .height = 375, .tab = 3, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Magnitud del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor del módulo del vector a, de 0 a 100. Doble clic para escribirlo")},
    {.nombre = "Label2", .tipo = Tipo::Label, .left = 4440, .top = 240, .width = 615,
     .height = 375, .tab = 4, .texto = "α", .puntos = 12, .color = kRojo, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "α: dirección del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la dirección del vector a")},
    {.nombre = "HScroll3", .tipo = Tipo::HScroll, .left = 5400, .top = 240, .width = 1455,
     .height = 375, .tab = 5, .min = 0, .max = diagram::kDireccionMaxima, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Dirección del vector a (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Dirección del vector a (rojo): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")},
    {.nombre = "Label7", .tipo = Tipo::Lectura, .left = 7200, .top = 240, .width = 1215,
     .height = 375, .tab = 6, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Dirección del vector a (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor de la dirección del vector a, de 0° a 360°. Doble clic para escribirlo")},
    {.nombre = "Label3", .tipo = Tipo::Label, .left = 240, .top = 840, .width = 615, .height = 495,
     .tab = 7, .texto = "|b|", .puntos = 12, .color = kAzul, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "|b|: magnitud del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la magnitud del vector b")},
    {.nombre = "HScroll2", .tipo = Tipo::HScroll, .left = 1200, .top = 960, .width = 1455,
     .height = 375, .tab = 8, .min = 0, .max = diagram::kModuloMaximo, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Magnitud del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Módulo (magnitud) del vector b (azul): de 0 a 100")},
    {.nombre = "Label6", .tipo = Tipo::Lectura, .left = 3000, .top = 960, .width = 1095,
     .height = 375, .tab = 9, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Magnitud del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor del módulo del vector b, de 0 a 100. Doble clic para escribirlo")},
    {.nombre = "Label4", .tipo = Tipo::Label, .left = 4440, .top = 840, .width = 615,
     .height = 375, .tab = 10, .texto = "α", .puntos = 12, .color = kAzul, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "α: dirección del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la dirección del vector b")},
    {.nombre = "HScroll4", .tipo = Tipo::HScroll, .left = 5400, .top = 840, .width = 1455,
     .height = 375, .tab = 11, .min = 0, .max = diagram::kDireccionMaxima, .large = 5,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Dirección del vector b (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Dirección del vector b (azul): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")},
    {.nombre = "Label8", .tipo = Tipo::Lectura, .left = 7200, .top = 840, .width = 1215,
     .height = 375, .tab = 12, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Dirección del vector b (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor de la dirección del vector b, de 0° a 360°. Doble clic para escribirlo")},
    {.nombre = "Label9", .tipo = Tipo::Label, .left = 7560, .top = 1920, .width = 615,
     .height = 375, .tab = 13, .texto = "k₁", .puntos = 12, .color = kRojo, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "k₁: coeficiente del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo del coeficiente del vector a")},
    {.nombre = "HScroll5", .tipo = Tipo::HScroll, .left = 8280, .top = 1920, .width = 1455,
     .height = 375, .tab = 14, .min = -kCoeficienteMaximo, .max = kCoeficienteMaximo, .large = kMediosPorUnidad,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₁ del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₁ que multiplica al vector a: de −5 a 5, de medio en medio; "
              "negativo, invierte el sentido"), .inicial = kMediosPorUnidad, .pasosPorUnidad = kMediosPorUnidad},
    {.nombre = "Label10", .tipo = Tipo::Lectura, .left = 9840, .top = 1920, .width = 795,
     .height = 375, .tab = 15, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₁ del vector a"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor del coeficiente k₁, de −5 a 5. Doble clic para escribirlo")},
    {.nombre = "Label11", .tipo = Tipo::Label, .left = 7560, .top = 2520, .width = 615,
     .height = 375, .tab = 16, .texto = "k₂", .puntos = 12, .color = kAzul, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "k₂: coeficiente del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo del coeficiente del vector b")},
    {.nombre = "HScroll6", .tipo = Tipo::HScroll, .left = 8280, .top = 2520, .width = 1455,
     .height = 375, .tab = 17, .min = -kCoeficienteMaximo, .max = kCoeficienteMaximo, .large = kMediosPorUnidad,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₂ del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₂ que multiplica al vector b: de −5 a 5, de medio en medio; "
              "negativo, invierte el sentido"), .inicial = kMediosPorUnidad, .pasosPorUnidad = kMediosPorUnidad},
    {.nombre = "Label12", .tipo = Tipo::Lectura, .left = 9840, .top = 2520, .width = 795,
     .height = 375, .tab = 18, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Coeficiente k₂ del vector b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Valor del coeficiente k₂, de −5 a 5. Doble clic para escribirlo")},
    {.nombre = "Command3", .tipo = Tipo::Button, .left = 7800, .top = 3120, .width = 2655,
     .height = 495, .tab = 19, .texto = QT_TRANSLATE_NOOP("Form4", "a − b"), .puntos = 14.25,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Restar: a − b"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Pone k₁ = 1 y k₂ = −1: la resta a − b es la suma de a y el opuesto de b.")},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 7800, .top = 3840, .width = 2655,
     .height = 855, .tab = 20, .texto = QT_TRANSLATE_NOOP("Form4", "Graficar c"), .puntos = 14.25,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Graficar c"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Dibuja k₁a y k₂b punta con cola y la resultante c = k₁a + k₂b en negro, y "
              "muestra su magnitud y su dirección.")},
    {.nombre = "Label13", .tipo = Tipo::Label, .left = 7800, .top = 4920, .width = 855,
     .height = 375, .tab = 21, .texto = "|c|", .puntos = 12, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "|c|: magnitud de la resultante"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la magnitud de la resultante c")},
    {.nombre = "Label14", .tipo = Tipo::Lectura, .left = 9120, .top = 4920, .width = 1215,
     .height = 375, .tab = 22, .puntos = 9.75, .descripcion = QT_TRANSLATE_NOOP("Form4", "Magnitud de la resultante"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Módulo de la resultante c, de 0 a 1000, tras «Graficar c»"),
     .resultado = true},
    {.nombre = "Label15", .tipo = Tipo::Label, .left = 7920, .top = 5520, .width = 615,
     .height = 375, .tab = 23, .texto = "α", .puntos = 12, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "α: dirección de la resultante"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Rótulo de la dirección de la resultante c")},
    {.nombre = "Label16", .tipo = Tipo::Lectura, .left = 9120, .top = 5520, .width = 1215,
     .height = 375, .tab = 24, .puntos = 9.75,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Dirección de la resultante (grados)"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Dirección de la resultante c: de 0° a 360°, el ángulo con el semieje x "
              "positivo, en sentido antihorario; «Indefinido» si la resultante es nula"),
     .resultado = true},
    {.nombre = "Command2", .tipo = Tipo::Button, .left = 7800, .top = 6720, .width = 2655,
     .height = 615, .tab = 25, .texto = QT_TRANSLATE_NOOP("Form4", "Regresar"), .puntos = 14.25,
     .descripcion = QT_TRANSLATE_NOOP("Form4", "Regresar al inicio"),
     .ayuda = QT_TRANSLATE_NOOP("Form4", "Vuelve a la ventana de inicio; esta ventana conserva sus valores.")},
};
// clang-format on

// The magnitudes, the directions, then the coefficients, as Form4's bars are numbered.
constexpr std::pair<int, int> kLecturasDeForm4[] = {{1, 5}, {2, 6},  {3, 7},
                                                    {4, 8}, {5, 10}, {6, 12}};

const diagram::Tabla kTablaForm4{
    .nombre = "Form4",
    .titulo = QT_TRANSLATE_NOOP("Form4", "Resta y múltiplos de vectores"),
    .controles = kForm4,
    .fore = kGris,
    .vectores = 2,
    .lecturas = kLecturasDeForm4,
    .resultado = {14, 16},
    .comoRenovar = QT_TRANSLATE_NOOP("Form4", "De la construcción anterior: pulse «Graficar c»"),
};

}  // namespace

const diagram::Tabla& TablaForm4() { return kTablaForm4; }

}  // namespace trazalia::combination
