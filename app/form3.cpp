#include "app/form3.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>

#include "app/aplicacion.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/colores.h"

namespace trazalia::app {

namespace {

using diagram::kAzul;
using diagram::kVerde;

// The order in which each of steps 1 to 6 lays the vectors head to tail.
constexpr const char* kOrdenes[] = {"1, 2, 3", "1, 3, 2", "2, 1, 3",
                                    "2, 3, 1", "3, 2, 1", "3, 1, 2"};

constexpr const char* kAyudaMagnitud = "De 0 a 100.";
constexpr const char* kAyudaDireccion =
    "De 0 a 360 grados, desde el eje x positivo en sentido antihorario.";

// A scroll bar of a vector: magnitudes in the left column, directions in the middle one.
constexpr ControlSpec Barra(const char* nombre, int left, int top, int tab, int max,
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

constexpr ControlSpec Magnitud(const char* nombre, int top, int tab, const char* descripcion) {
    return Barra(nombre, 1080, top, tab, 100, descripcion, kAyudaMagnitud);
}

constexpr ControlSpec Direccion(const char* nombre, int top, int tab, const char* descripcion) {
    return Barra(nombre, 4680, top, tab, 360, descripcion, kAyudaDireccion);
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
                             const char* texto, canvas::Color color, const char* descripcion) {
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
            .descripcion = descripcion};
}

// clang-format off
constexpr ControlSpec kControles[] = {
    {.nombre = "Picture1", .tipo = Tipo::Picture, .left = 240, .top = 1800, .width = 7000,
     .height = 6000, .tab = 0, .descripcion = "Diagrama del polígono"},
    Magnitud("HScroll1", 240, 1, "Magnitud del vector 1"),
    Magnitud("HScroll2", 720, 2, "Magnitud del vector 2"),
    Magnitud("HScroll3", 1200, 3, "Magnitud del vector 3"),
    Direccion("HScroll4", 240, 4, "Dirección del vector 1 (grados)"),
    Direccion("HScroll5", 720, 5, "Dirección del vector 2 (grados)"),
    Direccion("HScroll6", 1200, 6, "Dirección del vector 3 (grados)"),
    {.nombre = "HScroll7", .tipo = Tipo::HScroll, .left = 7920, .top = 4200, .width = 975,
     .height = 255, .tab = 24, .min = 1, .max = 7, .large = 1,
     .descripcion = "Paso de la construcción",
     .ayuda = "Pasos 1 a 6: los tres vectores punta con cola, en uno de los seis "
              "órdenes; paso 7: los seis órdenes a la vez."},
    Rotulo("Label1", 240, 240, 495, 255, 7, "r", diagram::kRojoRotulo,
           "r: magnitud del vector 1"),
    Rotulo("Label2", 240, 720, 495, 255, 8, "r", kAzul, "r: magnitud del vector 2"),
    Rotulo("Label3", 240, 1200, 495, 255, 9, "r", kVerde, "r: magnitud del vector 3"),
    Lectura("Label4", 2760, 240, 615, 10, "Magnitud del vector 1"),
    Lectura("Label5", 2760, 720, 615, 11, "Magnitud del vector 2"),
    Lectura("Label6", 2760, 1200, 615, 12, "Magnitud del vector 3"),
    Rotulo("Label7", 3720, 240, 615, 255, 22, "α", diagram::kRojoRotulo,
           "α: dirección del vector 1"),
    Rotulo("Label8", 3720, 720, 615, 255, 13, "α", kAzul, "α: dirección del vector 2"),
    Rotulo("Label9", 3720, 1200, 615, 255, 14, "α", kVerde, "α: dirección del vector 3"),
    Lectura("Label10", 6360, 240, 615, 15, "Dirección del vector 1 (grados)"),
    Lectura("Label11", 6360, 720, 615, 16, "Dirección del vector 2 (grados)"),
    Lectura("Label12", 6360, 1200, 615, 17, "Dirección del vector 3 (grados)"),
    Rotulo("Label13", 8040, 480, 615, 255, 18, "r", canvas::kBlack, "r: magnitud de la resultante"),
    Lectura("Label14", 8880, 480, 615, 19, "Magnitud de la resultante"),
    Rotulo("Label15", 8040, 1080, 615, 375, 20, "α", canvas::kBlack,
           "α: dirección de la resultante"),
    Lectura("Label16", 8880, 1080, 975, 21, "Dirección de la resultante (grados)"),
    Rotulo("Label17", 7800, 3480, 2415, 375, 25, "Graficar Polígono", canvas::kBlack,
           "Graficar Polígono"),
    {.nombre = "Label18", .tipo = Tipo::Lectura, .left = 9240, .top = 4200, .width = 615,
     .height = 255, .tab = 26, .puntos = 8.25, .centrado = true,
     .descripcion = "Paso de la construcción"},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 8160, .top = 5520, .width = 1935,
     .height = 495, .tab = 23, .texto = "Regresar", .puntos = 12,
     .descripcion = "Regresar al inicio",
     .ayuda = "Vuelve a la ventana de inicio; esta ventana conserva sus valores."},
};
// clang-format on

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
    if (EventoDeDibujo([this] { metodo_.HScroll_Change(); })) Mostrar(0);
}
void Form3::HScroll2_Change() { HScroll1_Change(); }
void Form3::HScroll3_Change() { HScroll1_Change(); }
void Form3::HScroll4_Change() { HScroll1_Change(); }
void Form3::HScroll5_Change() { HScroll1_Change(); }
void Form3::HScroll6_Change() { HScroll1_Change(); }

void Form3::HScroll7_Change() {
    pasoMostrado_ = true;
    if (EventoDeDibujo([this] { metodo_.HScroll7_Change(); })) Mostrar(barra(7)->value());
}

// Called right after a redraw, so the read-outs of the vectors are those drawn.
void Form3::Mostrar(int paso) {
    QString texto;
    if (paso >= 1 && paso <= 6) {
        texto = QStringLiteral("Paso %1 de 7: los vectores %2, punta con cola. ")
                    .arg(paso)
                    .arg(QLatin1String(kOrdenes[paso - 1]));
    } else if (paso == 7) {
        texto = QStringLiteral("Paso 7 de 7: los seis órdenes a la vez. ");
    }
    texto += DescribirVector(1, 4, 10) + u' ' + DescribirVector(2, 5, 11) + u' ' +
             DescribirVector(3, 6, 12) + u' ';
    if (paso >= 1) texto += DescribirResultante(14, 16) + u' ';
    DescribirDibujo(texto + DescribirEscala());
}

// Until the first step the resultant's read-outs show the zeros they start with, not a result.
QString Form3::LineaDeLecturas() const {
    QString linea = Lecturas(4, 10, QStringLiteral("1")) + QLatin1String("; ") +
                    Lecturas(5, 11, QStringLiteral("2")) + QLatin1String("; ") +
                    Lecturas(6, 12, QStringLiteral("3")) + QLatin1String("; paso = ") +
                    rotulo(18)->text();
    if (pasoMostrado_) linea += QLatin1String("; ") + Lecturas(14, 16, QString());
    return linea;
}

QString Form3::NombreDeArchivo() const {
    return QStringLiteral("poligono-paso-%1.png").arg(barra(7)->value());
}

}  // namespace trazalia::app
