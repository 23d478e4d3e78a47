// SPDX-License-Identifier: GPL-3.0-or-later
#include "parallelogram/metodo.h"

#include <memory>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/traducible.h"
#include "parallelogram/paralelogramo.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::parallelogram {

namespace {

using diagram::Control;
using diagram::kAzul;
using diagram::kRojo;
using diagram::kVerde;
using diagram::Tipo;
constexpr canvas::Color kGris{64, 64, 64};

// clang-format off
constexpr Control kForm2[] = {
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

constexpr std::pair<int, int> kLecturas[] = {{1, 5}, {2, 6}, {3, 7}, {4, 8}};

constexpr diagram::Tabla kTabla{
    "Form2",
    QT_TRANSLATE_NOOP("Form2", "Método del Paralelogramo."),
    kForm2,
    kGris,
    2,
    kLecturas,
    {10, 12},
    QT_TRANSLATE_NOOP("Form2", "De la construcción anterior: pulse «Graficar Paralelogramo»")};

}  // namespace

const diagram::Tabla& MetodoDelParalelogramo::tabla() const { return kTabla; }

std::unique_ptr<diagram::Construccion> MetodoDelParalelogramo::Construir(
    diagram::Controles& form, canvas::Canvas& Picture1) const {
    return std::make_unique<Paralelogramo>(form, Picture1);
}

namespace {

constexpr std::string_view kConstruccion = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Dibuje el paralelogramo que tiene los dos vectores por lados: la resultante es su diagonal "
    "desde el origen.");

}  // namespace

std::vector<diagram::Entrada> MetodoDelParalelogramo::reserva() const {
    return {{80, 30}, {50, 135}};
}

int MetodoDelParalelogramo::regresar() const { return 2; }

bool MetodoDelParalelogramo::Admite(practice::Codigo codigo) const {
    return practice::ErrorDeSuma(codigo) || codigo == practice::Codigo::RestaDeModulos;
}

std::string_view MetodoDelParalelogramo::Pista(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaDeModulos:
        case Codigo::RestaDeModulos:
        case Codigo::PromedioDeDirecciones:
        case Codigo::Otro:
            return kConstruccion;
        case Codigo::SentidoOpuesto:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "La correcta sale del origen y recorre la diagonal del "
                                     "paralelogramo hasta el vértice opuesto.");
        case Codigo::RestaDeVectores:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "La resultante es la diagonal que sale del origen, no la que "
                                     "une las puntas de los dos vectores.");
        default:
            return {};
    }
}

std::string_view MetodoDelParalelogramo::Explicacion(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaDeModulos:
            return QT_TRANSLATE_NOOP("Camino",
                                     "La diagonal del paralelogramo mide menos que los dos lados "
                                     "juntos, salvo con vectores de igual dirección: los módulos "
                                     "no se suman. Mida la diagonal que sale del origen.");
        case Codigo::RestaDeModulos:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Restar los módulos solo vale con vectores opuestos. La "
                                     "resultante es la diagonal del paralelogramo que sale del "
                                     "origen, y se mide entera.");
        case Codigo::SentidoOpuesto:
            return QT_TRANSLATE_NOOP("Camino",
                                     "La diagonal va del origen, donde nacen los dos vectores, al "
                                     "vértice opuesto: la resultante apunta hacia fuera, como "
                                     "ellos.");
        case Codigo::RestaDeVectores:
            return QT_TRANSLATE_NOOP("Camino",
                                     "El paralelogramo tiene dos diagonales: la que une las puntas "
                                     "de los vectores es su diferencia; la suma es la que sale del "
                                     "origen.");
        default:
            return {};
    }
}

const char* MetodoDelParalelogramo::nombreVisible() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Método del paralelogramo");
}

const char* MetodoDelParalelogramo::instruccionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia",
                             "Dibuje A y B desde el origen, complete el paralelogramo y trace su "
                             "diagonal R.");
}

const char* MetodoDelParalelogramo::solucionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia", "El paralelogramo de A y B; su diagonal es R = A + B.");
}

const char* MetodoDelParalelogramo::instruccionDeBanco() const {
    return QT_TRANSLATE_NOOP("Trazalia",
                             "Halle la resultante R = A + B por el método del paralelogramo.");
}

// Both vectors from the origin, and the sides that close the figure: each a copy of the other
// vector, in its colour.
std::vector<practice::EtapaDeConstruccion> MetodoDelParalelogramo::Etapas(
    std::size_t flechas) const {
    return {{1, false, QT_TRANSLATE_NOOP("Camino", "El primer vector, desde el origen.")},
            {2, false, QT_TRANSLATE_NOOP("Camino", "El segundo, desde el mismo origen.")},
            {flechas, false,
             QT_TRANSLATE_NOOP("Camino",
                               "Por la punta de cada uno, una paralela al otro: los lados del "
                               "paralelogramo.")},
            {flechas, true,
             QT_TRANSLATE_NOOP("Camino", "La resultante: la diagonal que sale del origen.")}};
}

std::vector<practice::Flecha> MetodoDelParalelogramo::Construccion(
    const std::vector<practice::Componentes>& v) const {
    const double Rx = v[0].x + v[1].x;
    const double Ry = v[0].y + v[1].y;
    return {{0, 0, v[0].x, v[0].y, 0, false},
            {0, 0, v[1].x, v[1].y, 1, false},
            {v[1].x, v[1].y, Rx, Ry, 0, true},
            {v[0].x, v[0].y, Rx, Ry, 1, true}};
}

const practice::Metodo& ElMetodo() {
    static const MetodoDelParalelogramo metodo;
    return metodo;
}

}  // namespace trazalia::parallelogram
