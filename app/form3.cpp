#include "app/form3.h"

#include <QAbstractButton>
#include <QScrollBar>

#include "app/aplicacion.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

constexpr canvas::Color kRojo{192, 0, 0};
constexpr canvas::Color kAzul{0, 0, 255};
constexpr canvas::Color kVerde{0, 255, 0};

constexpr ControlSpec Magnitud(const char* nombre, int top, int tab, const char* descripcion) {
    return {.nombre = nombre,
            .tipo = Tipo::HScroll,
            .left = 1080,
            .top = top,
            .width = 1335,
            .height = 255,
            .tab = tab,
            .min = 0,
            .max = 100,
            .large = 5,
            .descripcion = descripcion};
}

constexpr ControlSpec Direccion(const char* nombre, int top, int tab, const char* descripcion) {
    return {.nombre = nombre,
            .tipo = Tipo::HScroll,
            .left = 4680,
            .top = top,
            .width = 1335,
            .height = 255,
            .tab = tab,
            .min = 0,
            .max = 360,
            .large = 5,
            .descripcion = descripcion};
}

constexpr ControlSpec Lectura(const char* nombre, int left, int top, int width, int tab,
                              const char* descripcion) {
    return {.nombre = nombre,
            .tipo = Tipo::Lectura,
            .left = left,
            .top = top,
            .width = width,
            .height = 255,
            .tab = tab,
            .puntos = 8.25,
            .descripcion = descripcion};
}

constexpr ControlSpec Rotulo(const char* nombre, int left, int top, int width, int height, int tab,
                             const char* texto, canvas::Color color) {
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
            .centrado = true};
}

constexpr ControlSpec kControles[] = {
    {.nombre = "Picture1",
     .tipo = Tipo::Picture,
     .left = 240,
     .top = 1800,
     .width = 7000,
     .height = 6000,
     .tab = 0,
     .descripcion = "Diagrama"},
    Magnitud("HScroll1", 240, 1, "Magnitud del vector 1"),
    Magnitud("HScroll2", 720, 2, "Magnitud del vector 2"),
    Magnitud("HScroll3", 1200, 3, "Magnitud del vector 3"),
    Direccion("HScroll4", 240, 4, "Dirección del vector 1 (grados)"),
    Direccion("HScroll5", 720, 5, "Dirección del vector 2 (grados)"),
    Direccion("HScroll6", 1200, 6, "Dirección del vector 3 (grados)"),
    {.nombre = "HScroll7",
     .tipo = Tipo::HScroll,
     .left = 7920,
     .top = 4200,
     .width = 975,
     .height = 255,
     .tab = 24,
     .min = 1,
     .max = 7,
     .large = 1,
     .descripcion = "Paso de la construcción"},
    Rotulo("Label1", 240, 240, 495, 255, 7, "r", kRojo),
    Rotulo("Label2", 240, 720, 495, 255, 8, "r", kAzul),
    Rotulo("Label3", 240, 1200, 495, 255, 9, "r", kVerde),
    Lectura("Label4", 2760, 240, 615, 10, "Magnitud del vector 1"),
    Lectura("Label5", 2760, 720, 615, 11, "Magnitud del vector 2"),
    Lectura("Label6", 2760, 1200, 615, 12, "Magnitud del vector 3"),
    Rotulo("Label7", 3720, 240, 615, 255, 22, "α", kRojo),
    Rotulo("Label8", 3720, 720, 615, 255, 13, "α", kAzul),
    Rotulo("Label9", 3720, 1200, 615, 255, 14, "α", kVerde),
    Lectura("Label10", 6360, 240, 615, 15, "Dirección del vector 1"),
    Lectura("Label11", 6360, 720, 615, 16, "Dirección del vector 2"),
    Lectura("Label12", 6360, 1200, 615, 17, "Dirección del vector 3"),
    Rotulo("Label13", 8040, 480, 615, 255, 18, "r", canvas::kBlack),
    Lectura("Label14", 8880, 480, 615, 19, "Magnitud de la resultante"),
    Rotulo("Label15", 8040, 1080, 615, 375, 20, "α", canvas::kBlack),
    Lectura("Label16", 8880, 1080, 975, 21, "Dirección de la resultante"),
    Rotulo("Label17", 7800, 3480, 2415, 375, 25, "Graficar Polígono", canvas::kBlack),
    {.nombre = "Label18",
     .tipo = Tipo::Lectura,
     .left = 9240,
     .top = 4200,
     .width = 615,
     .height = 255,
     .tab = 26,
     .puntos = 8.25,
     .centrado = true,
     .descripcion = "Paso de la construcción"},
    {.nombre = "Command1",
     .tipo = Tipo::Button,
     .left = 8160,
     .top = 5520,
     .width = 1935,
     .height = 495,
     .tab = 23,
     .texto = "Regresar",
     .puntos = 12,
     .descripcion = "Regresar al inicio"},
};

}  // namespace

Form3::Form3(Aplicacion& app)
    : VentanaMetodo(app, QStringLiteral("Form3"), QStringLiteral("Método del Polígono."),
                    kControles, canvas::kBlack),
      metodo_(*this, Picture1()->picture()) {
    connect(boton(1), &QAbstractButton::clicked, this, &Form3::Command1_Click);
    connect(barra(1), &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
    connect(barra(2), &QScrollBar::valueChanged, this, &Form3::HScroll2_Change);
    connect(barra(3), &QScrollBar::valueChanged, this, &Form3::HScroll3_Change);
    connect(barra(4), &QScrollBar::valueChanged, this, &Form3::HScroll4_Change);
    connect(barra(5), &QScrollBar::valueChanged, this, &Form3::HScroll5_Change);
    connect(barra(6), &QScrollBar::valueChanged, this, &Form3::HScroll6_Change);
    connect(barra(7), &QScrollBar::valueChanged, this, &Form3::HScroll7_Change);
}

void Form3::Form_Load() {
    Evento([this] { metodo_.Form_Load(); });
}

void Form3::Command1_Click() { Regresar(); }

// All six vector bars redraw the same live diagram from all six values.
void Form3::HScroll1_Change() {
    Evento([this] { metodo_.HScroll_Change(); });
}
void Form3::HScroll2_Change() { HScroll1_Change(); }
void Form3::HScroll3_Change() { HScroll1_Change(); }
void Form3::HScroll4_Change() { HScroll1_Change(); }
void Form3::HScroll5_Change() { HScroll1_Change(); }
void Form3::HScroll6_Change() { HScroll1_Change(); }

void Form3::HScroll7_Change() {
    Evento([this] { metodo_.HScroll7_Change(); });
}

}  // namespace trazalia::app
