// SPDX-License-Identifier: GPL-3.0-or-later
#include "polygon/metodo.h"

#include <array>
#include <memory>
#include <string>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/traducible.h"
#include "polygon/poligono.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::polygon {

namespace {

using diagram::Control;
using diagram::kAzul;
using diagram::kRojo;
using diagram::kVerde;
using diagram::Tipo;

// A scroll bar of a vector: magnitudes in the left column, directions in the middle one.
constexpr Control FilaDeBarra(const char* nombre, int left, int top, int tab, int max,
                              const char* descripcion, const char* ayuda) {
    return {.nombre = nombre,
            .tipo = Tipo::HScroll,
            .left = left,
            .top = top,
            .width = 1335,
            .height = 255,
            .tab = tab,
            .min = 0,
            .max = max,
            .large = 5,
            .descripcion = descripcion,
            .ayuda = ayuda};
}

constexpr Control FilaDeModulo(const char* nombre, int top, int tab, const char* descripcion,
                               const char* ayuda) {
    return FilaDeBarra(nombre, 1080, top, tab, diagram::kModuloMaximo, descripcion, ayuda);
}

constexpr Control FilaDeDireccion(const char* nombre, int top, int tab, const char* descripcion,
                                  const char* ayuda) {
    return FilaDeBarra(nombre, 4680, top, tab, diagram::kDireccionMaxima, descripcion, ayuda);
}

constexpr Control Lectura(const char* nombre, int left, int top, int width, int tab,
                          const char* descripcion, const char* ayuda, bool resultado = false) {
    return {.nombre = nombre,
            .tipo = Tipo::Lectura,
            .left = left,
            .top = top,
            .width = width,
            .height = 255,
            .tab = tab,
            .puntos = 8.25,
            .descripcion = descripcion,
            .ayuda = ayuda,
            .resultado = resultado};
}

constexpr Control Rotulo(const char* nombre, int left, int top, int width, int height, int tab,
                         const char* texto, canvas::Color color, const char* descripcion,
                         const char* ayuda) {
    return {.nombre = nombre,
            .tipo = Tipo::Label,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = tab,
            .texto = texto,
            .puntos = 12,
            .color = color,
            .centrado = true,
            .descripcion = descripcion,
            .ayuda = ayuda};
}

// clang-format off
constexpr Control kForm3[] = {
    {.nombre = "Picture1", .tipo = Tipo::Picture, .left = 240, .top = 1800, .width = 7000,
     .height = 6000, .tab = 0, .descripcion = QT_TRANSLATE_NOOP("Form3", "Diagrama del polígono"),
     .ayuda = QT_TRANSLATE_NOOP("Form3", "Los vectores a escala desde el origen; la barra de pasos los pone punta con "
              "cola y dibuja la resultante en negro. Botón derecho: copiar o guardar la imagen")},
    FilaDeModulo("HScroll1", 240, 1, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 1"),
             QT_TRANSLATE_NOOP("Form3", "Módulo (magnitud) del vector 1 (rojo): de 0 a 100")),
    FilaDeModulo("HScroll2", 720, 2, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 2"),
             QT_TRANSLATE_NOOP("Form3", "Módulo (magnitud) del vector 2 (azul): de 0 a 100")),
    FilaDeModulo("HScroll3", 1200, 3, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 3"),
             QT_TRANSLATE_NOOP("Form3", "Módulo (magnitud) del vector 3 (verde): de 0 a 100")),
    FilaDeDireccion("HScroll4", 240, 4, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 1 (grados)"),
              QT_TRANSLATE_NOOP("Form3", "Dirección del vector 1 (rojo): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")),
    FilaDeDireccion("HScroll5", 720, 5, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 2 (grados)"),
              QT_TRANSLATE_NOOP("Form3", "Dirección del vector 2 (azul): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")),
    FilaDeDireccion("HScroll6", 1200, 6, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 3 (grados)"),
              QT_TRANSLATE_NOOP("Form3", "Dirección del vector 3 (verde): de 0° a 360°, el ángulo con el "
              "semieje x positivo, en sentido antihorario")),
    {.nombre = "HScroll7", .tipo = Tipo::HScroll, .left = 7920, .top = 4200, .width = 975,
     .height = 255, .tab = 24, .min = 1, .max = diagram::kPasos, .large = 1,
     .descripcion = QT_TRANSLATE_NOOP("Form3", "Paso de la construcción"),
     .ayuda = QT_TRANSLATE_NOOP("Form3", "Paso de la construcción, de 1 a 7: en los pasos 1 a 6, los tres vectores punta "
              "con cola en uno de los seis órdenes; en el paso 7, los seis órdenes a la vez")},
    Rotulo("Label1", 240, 240, 495, 255, 7, "r", diagram::kRojoRotulo, QT_TRANSLATE_NOOP("Form3", "r: magnitud del vector 1"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la magnitud del vector 1")),
    Rotulo("Label2", 240, 720, 495, 255, 8, "r", kAzul, QT_TRANSLATE_NOOP("Form3", "r: magnitud del vector 2"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la magnitud del vector 2")),
    Rotulo("Label3", 240, 1200, 495, 255, 9, "r", kVerde, QT_TRANSLATE_NOOP("Form3", "r: magnitud del vector 3"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la magnitud del vector 3")),
    Lectura("Label4", 2760, 240, 615, 10, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 1"),
            QT_TRANSLATE_NOOP("Form3", "Valor del módulo del vector 1, de 0 a 100. Doble clic para escribirlo")),
    Lectura("Label5", 2760, 720, 615, 11, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 2"),
            QT_TRANSLATE_NOOP("Form3", "Valor del módulo del vector 2, de 0 a 100. Doble clic para escribirlo")),
    Lectura("Label6", 2760, 1200, 615, 12, QT_TRANSLATE_NOOP("Form3", "Magnitud del vector 3"),
            QT_TRANSLATE_NOOP("Form3", "Valor del módulo del vector 3, de 0 a 100. Doble clic para escribirlo")),
    Rotulo("Label7", 3720, 240, 615, 255, 22, "α", diagram::kRojoRotulo, QT_TRANSLATE_NOOP("Form3", "α: dirección del vector 1"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la dirección del vector 1")),
    Rotulo("Label8", 3720, 720, 615, 255, 13, "α", kAzul, QT_TRANSLATE_NOOP("Form3", "α: dirección del vector 2"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la dirección del vector 2")),
    Rotulo("Label9", 3720, 1200, 615, 255, 14, "α", kVerde, QT_TRANSLATE_NOOP("Form3", "α: dirección del vector 3"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la dirección del vector 3")),
    Lectura("Label10", 6360, 240, 615, 15, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 1 (grados)"),
            QT_TRANSLATE_NOOP("Form3", "Valor de la dirección del vector 1, de 0° a 360°. Doble clic para escribirlo")),
    Lectura("Label11", 6360, 720, 615, 16, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 2 (grados)"),
            QT_TRANSLATE_NOOP("Form3", "Valor de la dirección del vector 2, de 0° a 360°. Doble clic para escribirlo")),
    Lectura("Label12", 6360, 1200, 615, 17, QT_TRANSLATE_NOOP("Form3", "Dirección del vector 3 (grados)"),
            QT_TRANSLATE_NOOP("Form3", "Valor de la dirección del vector 3, de 0° a 360°. Doble clic para escribirlo")),
    Rotulo("Label13", 8040, 480, 615, 255, 18, "r", canvas::kBlack, QT_TRANSLATE_NOOP("Form3", "r: magnitud de la resultante"),
           QT_TRANSLATE_NOOP("Form3", "Rótulo de la magnitud de la resultante")),
    Lectura("Label14", 8880, 480, 615, 19, QT_TRANSLATE_NOOP("Form3", "Magnitud de la resultante"),
            QT_TRANSLATE_NOOP("Form3", "Módulo de la resultante, de 0 a 300, al dibujar un paso"), true),
    Rotulo("Label15", 8040, 1080, 615, 375, 20, "α", canvas::kBlack,
           QT_TRANSLATE_NOOP("Form3", "α: dirección de la resultante"), QT_TRANSLATE_NOOP("Form3", "Rótulo de la dirección de la resultante")),
    Lectura("Label16", 8880, 1080, 975, 21, QT_TRANSLATE_NOOP("Form3", "Dirección de la resultante (grados)"),
            QT_TRANSLATE_NOOP("Form3", "Dirección de la resultante: de 0° a 360°, el ángulo con el semieje x positivo, en "
            "sentido antihorario; «Indefinido» si la resultante es nula"),
            true),
    Rotulo("Label17", 7800, 3480, 2415, 375, 25, QT_TRANSLATE_NOOP("Form3", "Graficar Polígono"), canvas::kBlack,
           QT_TRANSLATE_NOOP("Form3", "Graficar Polígono"), QT_TRANSLATE_NOOP("Form3", "Rótulo de la barra de pasos, que construye el polígono")),
    {.nombre = "Label18", .tipo = Tipo::Lectura, .left = 9240, .top = 4200, .width = 615,
     .height = 255, .tab = 26, .puntos = 8.25, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form3", "Paso de la construcción"),
     .ayuda = QT_TRANSLATE_NOOP("Form3", "Paso que muestra el dibujo, de 1 a 7. Doble clic para escribirlo"),
     .resultado = true},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 8160, .top = 5520, .width = 1935,
     .height = 495, .tab = 23, .texto = QT_TRANSLATE_NOOP("Form3", "Regresar"), .puntos = 12,
     .descripcion = QT_TRANSLATE_NOOP("Form3", "Regresar al inicio"),
     .ayuda = QT_TRANSLATE_NOOP("Form3", "Vuelve a la ventana de inicio; esta ventana conserva sus valores.")},
};
// clang-format on

constexpr std::pair<int, int> kLecturas[] = {{1, 4},  {2, 5},  {3, 6}, {4, 10},
                                             {5, 11}, {6, 12}, {7, 18}};

constexpr diagram::Tabla kTabla{
    "Form3",
    QT_TRANSLATE_NOOP("Form3", "Método del Polígono."),
    kForm3,
    canvas::kBlack,
    3,
    kLecturas,
    {14, 16},
    QT_TRANSLATE_NOOP("Form3", "De la construcción anterior: mueva la barra «Graficar Polígono»")};

}  // namespace

const diagram::Tabla& MetodoDelPoligono::tabla() const { return kTabla; }

std::unique_ptr<diagram::Construccion> MetodoDelPoligono::Construir(
    diagram::Controles& form, canvas::Canvas& Picture1) const {
    return std::make_unique<Poligono>(form, Picture1);
}

namespace {

constexpr std::string_view kConstruccion = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Ponga los vectores punta con cola, cada uno donde termina el anterior: la resultante va del "
    "origen a la última punta.");

}  // namespace

std::vector<diagram::Entrada> MetodoDelPoligono::reserva() const {
    return {{60, 0}, {50, 120}, {40, 300}};
}

int MetodoDelPoligono::regresar() const { return 1; }

// Any move of the step bar shows the construction: it stands in the middle before an exercise.
std::optional<std::pair<int, int>> MetodoDelPoligono::revelador() const {
    return std::pair{7, (diagram::kPasos + 1) / 2};
}

// The step bar tells the order its step draws.
std::string MetodoDelPoligono::TextoDeBarra(int barra, int valor,
                                            const diagram::Traductor& t) const {
    if (barra != 7) return {};
    if (valor == diagram::kPasos)
        return t("Form3", QT_TRANSLATE_NOOP("Form3", "Paso 7 de 7: los seis órdenes a la vez"));
    const std::array<int, 3> orden = OrdenDelPaso(valor);
    return diagram::Sustituir(
        t("Form3", QT_TRANSLATE_NOOP("Form3", "Paso %1 de 7: vectores %2, %3 y %4")),
        {std::to_string(valor), std::to_string(orden[0]), std::to_string(orden[1]),
         std::to_string(orden[2])});
}

bool MetodoDelPoligono::Admite(practice::Codigo codigo) const {
    return practice::ErrorDeSuma(codigo) || codigo == practice::Codigo::FaltaUnVector;
}

std::string_view MetodoDelPoligono::Pista(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaDeModulos:
        case Codigo::RestaDeModulos:
        case Codigo::PromedioDeDirecciones:
        case Codigo::FaltaUnVector:
        case Codigo::Otro:
            return kConstruccion;
        case Codigo::SentidoOpuesto:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "La correcta sale del origen y llega a la punta del último "
                                     "vector de la cadena.");
        case Codigo::RestaDeVectores:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "Ponga cada vector a continuación del anterior sin darle la "
                                     "vuelta: la resultante va del origen a la última punta.");
        default:
            return {};
    }
}

std::string_view MetodoDelPoligono::Explicacion(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaDeModulos:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Los lados del polígono solo suman su largo si están "
                                     "alineados; la resultante es el lado que lo cierra, del "
                                     "origen a la última punta.");
        case Codigo::SentidoOpuesto:
            return QT_TRANSLATE_NOOP("Camino",
                                     "El lado que cierra el polígono va del origen a la punta del "
                                     "último vector: apunta hacia donde termina la cadena.");
        case Codigo::RestaDeVectores:
            return QT_TRANSLATE_NOOP("Camino",
                                     "En el polígono cada vector se traslada sin girarlo: si uno "
                                     "queda al revés, se lo resta. Copie cada flecha con su misma "
                                     "dirección.");
        case Codigo::FaltaUnVector:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "El polígono pone los tres vectores punta con cola; la "
                "resultante cierra desde el origen hasta la punta del tercero, "
                "no del segundo.");
        default:
            return {};
    }
}

const char* MetodoDelPoligono::nombreVisible() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Método del polígono");
}

const char* MetodoDelPoligono::instruccionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia",
                             "Ponga A, B y C punta con cola, en ese orden, y trace R desde el "
                             "origen hasta la última punta.");
}

const char* MetodoDelPoligono::solucionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia", "A, B y C punta con cola; R = A + B + C.");
}

const char* MetodoDelPoligono::instruccionDeBanco() const {
    return QT_TRANSLATE_NOOP("Trazalia",
                             "Halle la resultante R = A + B + C por el método del polígono.");
}

// The vectors head to tail in the order 1, 2, 3: the construction's first step.
std::vector<practice::Flecha> MetodoDelPoligono::Construccion(
    const std::vector<practice::Componentes>& v) const {
    std::vector<practice::Flecha> flechas;
    double x = 0, y = 0;
    for (std::size_t k = 0; k < v.size(); ++k) {
        flechas.push_back({x, y, x + v[k].x, y + v[k].y, k, false});
        x += v[k].x;
        y += v[k].y;
    }
    return flechas;
}

const practice::Metodo& ElMetodo() {
    static const MetodoDelPoligono metodo;
    return metodo;
}

}  // namespace trazalia::polygon
