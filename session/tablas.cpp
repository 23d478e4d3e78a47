// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/tablas.h"

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/traducible.h"

namespace trazalia::session {

namespace {

using diagram::kAzul;
using diagram::kRojo;
using diagram::kVerde;
constexpr canvas::Color kGris{64, 64, 64};

// clang-format off
constexpr Control kForm1[] = {
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

constexpr std::pair<int, int> kLecturasDeForm2[] = {{1, 5}, {2, 6}, {3, 7}, {4, 8}};
constexpr std::pair<int, int> kLecturasDeForm3[] = {{1, 4},  {2, 5},  {3, 6}, {4, 10},
                                                    {5, 11}, {6, 12}, {7, 18}};

const Tabla kTablas[kFormularios] = {
    {"Form1", "Trazalia.", kForm1, canvas::kBlack, 0, {}, {0, 0}, ""},
    {"Form2",
     QT_TRANSLATE_NOOP("Form2", "Método del Paralelogramo."),
     kForm2,
     kGris,
     2,
     kLecturasDeForm2,
     {10, 12},
     QT_TRANSLATE_NOOP("Form2", "De la construcción anterior: pulse «Graficar Paralelogramo»")},
    {"Form3",
     QT_TRANSLATE_NOOP("Form3", "Método del Polígono."),
     kForm3,
     canvas::kBlack,
     3,
     kLecturasDeForm3,
     {14, 16},
     QT_TRANSLATE_NOOP("Form3", "De la construcción anterior: mueva la barra «Graficar Polígono»")},
};

}  // namespace

const Tabla& TablaDe(Formulario formulario) { return kTablas[static_cast<int>(formulario)]; }

const Tabla* TablaDe(std::string_view nombre) {
    for (const Tabla& t : kTablas)
        if (t.nombre == nombre) return &t;
    return nullptr;
}

}  // namespace trazalia::session
