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

using diagram::kAzul;
using diagram::kVerde;

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
constexpr Control kControles[] = {
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

}  // namespace

Form3::Form3(ControlVistas& vistas)
    : VentanaMetodo(vistas, QStringLiteral("Form3"),
                    QCoreApplication::translate("Form3", "Método del Polígono."), kControles,
                    canvas::kBlack, 3),
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
        const canvas::Color c = diagram::ColorDeVector(kVerde, vistas.vistas());
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
    return QCoreApplication::translate(
        "Form3", "De la construcción anterior: mueva la barra «Graficar Polígono»");
}

// A step is named only when the picture shows it.
QString Form3::NombreDeArchivo() const {
    if (!dibujo() || dibujo()->paso == 0) return QStringLiteral("poligono.png");
    return QStringLiteral("poligono-paso-%1.png").arg(dibujo()->paso);
}

}  // namespace trazalia::app
