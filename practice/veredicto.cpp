// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/veredicto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "diagram/direccion.h"
#include "diagram/formato.h"
#include "diagram/traducible.h"

namespace trazalia::practice {

namespace {

// What each window's construction is, for the hints that point the student to it.
constexpr std::string_view kConstruccionForm2 = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Dibuje el paralelogramo que tiene los dos vectores por lados: la resultante es su diagonal "
    "desde el origen.");
constexpr std::string_view kConstruccionForm3 = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Ponga los vectores punta con cola, cada uno donde termina el anterior: la resultante va del "
    "origen a la última punta.");

struct DatosDeCodigo {
    Codigo codigo;
    std::string_view nombre;
    // What the student did, whatever the window.
    std::string_view frase;
    // What to do instead, in each window; nothing where the sentence says it all.
    std::string_view pistaForm2;
    std::string_view pistaForm3;
};

// In the order of Codigo, which is the order the verdict tries them.
constexpr std::array<DatosDeCodigo, 11> kCodigos{{
    {Codigo::Acierto,
     "acierto",
     QT_TRANSLATE_NOOP("Trazalia", "¡Correcto! Su resultante es la suma de los vectores."),
     {},
     {}},
    {Codigo::SumaDeModulos, "suma-de-modulos",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Sumó los módulos: eso solo vale para vectores con la misma dirección y "
                       "el mismo sentido."),
     kConstruccionForm2, kConstruccionForm3},
    {Codigo::RestaDeModulos, "resta-de-modulos",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Restó los módulos: eso solo vale para vectores con la misma dirección y "
                       "sentidos opuestos."),
     kConstruccionForm2, kConstruccionForm3},
    {Codigo::SentidoOpuesto, "sentido-opuesto",
     QT_TRANSLATE_NOOP("Trazalia", "Su resultante apunta al revés."),
     QT_TRANSLATE_NOOP("Trazalia",
                       "La correcta sale del origen y recorre la diagonal del paralelogramo hasta "
                       "el vértice opuesto."),
     QT_TRANSLATE_NOOP("Trazalia",
                       "La correcta sale del origen y llega a la punta del último vector de la "
                       "cadena.")},
    {Codigo::RestaDeVectores, "resta-de-vectores",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Restó un vector en lugar de sumarlo: cada vector conserva su sentido."),
     QT_TRANSLATE_NOOP("Trazalia",
                       "La resultante es la diagonal que sale del origen, no la que une las puntas "
                       "de los dos vectores."),
     QT_TRANSLATE_NOOP("Trazalia",
                       "Ponga cada vector a continuación del anterior sin darle la vuelta: la "
                       "resultante va del origen a la última punta.")},
    {Codigo::AnguloDesdeY,
     "angulo-desde-y",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Midió el ángulo desde el eje y: la dirección se mide desde el semieje x positivo."),
     {},
     {}},
    {Codigo::SentidoHorario,
     "sentido-horario",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Midió el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el "
         "semieje x positivo, en sentido antihorario."),
     {},
     {}},
    {Codigo::PromedioDeDirecciones, "promedio-de-direcciones",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Promedió las direcciones: la dirección de la resultante no es el promedio "
                       "de las de los vectores."),
     kConstruccionForm2, kConstruccionForm3},
    {Codigo::FaltaUnVector,
     "falta-un-vector",
     QT_TRANSLATE_NOOP("Trazalia", "Le faltó un vector: la resultante suma los tres."),
     {},
     kConstruccionForm3},
    {Codigo::ComponentesSinSigno,
     "componentes-sin-signo",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Sumó las componentes sin su signo: una componente hacia la izquierda o hacia abajo es "
         "negativa y resta."),
     {},
     {}},
    {Codigo::Otro, "otro", QT_TRANSLATE_NOOP("Trazalia", "Su resultante no coincide."),
     kConstruccionForm2, kConstruccionForm3},
}};

constexpr double kToleranciaRelativa = 0.05;
constexpr double kToleranciaMinima = 2;

// Distance between two directions in degrees, around the circle: from 0 to 180.
double Separacion(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

bool Coincide(const Objetivo& o, Intento intento) {
    if (o.r && std::abs(intento.r - *o.r) > Tolerancia(*o.r)) return false;
    return !o.direccion || Separacion(intento.direccion, *o.direccion) <= kToleranciaGrados;
}

// A vector by its components, with the magnitude and the direction its read-outs would show.
Objetivo DeComponentes(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    return {r, diagram::Direccion(r, diagram::DireccionResultante(x, y))};
}

// The guess's direction within a turn, as a text.
std::string DireccionDelIntento(double grados) {
    double d = std::fmod(grados, 360.0);
    if (d < 0) d += 360;
    const std::string texto = NumeroDelIntento(d);
    return texto == "360" ? "0" : texto;
}

}  // namespace

double Tolerancia(double r) { return std::max(kToleranciaRelativa * r, kToleranciaMinima); }

std::vector<Objetivo> Objetivos(Codigo codigo, Ventana ventana, const Ejercicio& vectores,
                                const Respuesta& respuesta) {
    const std::vector<Componentes>& c = respuesta.componentes;
    double Rx = 0, Ry = 0;
    for (const Componentes& v : c) Rx += v.x, Ry += v.y;
    const std::optional<double> alfa = respuesta.direccion;
    std::vector<Objetivo> objetivos;
    switch (codigo) {
        case Codigo::Acierto:
            objetivos.push_back({respuesta.r, alfa});
            break;
        case Codigo::SumaDeModulos: {
            double suma = 0;
            for (const diagram::Entrada& v : vectores) suma += v.m;
            objetivos.push_back({suma, std::nullopt});
            break;
        }
        case Codigo::RestaDeModulos:
            if (ventana == Ventana::Form2)
                objetivos.push_back({std::abs(vectores[0].m - vectores[1].m), std::nullopt});
            break;
        case Codigo::SentidoOpuesto:
            if (alfa) objetivos.push_back({respuesta.r, *alfa + 180});
            break;
        case Codigo::RestaDeVectores:
            // Subtracting vector k instead of adding it takes it away twice from the sum.
            for (const Componentes& v : c)
                objetivos.push_back(DeComponentes(Rx - 2 * v.x, Ry - 2 * v.y));
            break;
        case Codigo::AnguloDesdeY:
            // Measured from +y one way or the other: 90° − α, or α − 90°.
            if (alfa) {
                objetivos.push_back({respuesta.r, 90 - *alfa});
                objetivos.push_back({respuesta.r, *alfa - 90});
            }
            break;
        case Codigo::SentidoHorario:
            if (alfa) objetivos.push_back({respuesta.r, 360 - *alfa});
            break;
        case Codigo::PromedioDeDirecciones: {
            double suma = 0;
            for (const diagram::Entrada& v : vectores) suma += v.d;
            objetivos.push_back({std::nullopt, suma / static_cast<double>(vectores.size())});
            break;
        }
        case Codigo::FaltaUnVector:
            if (ventana == Ventana::Form3)
                for (const Componentes& v : c)
                    objetivos.push_back(DeComponentes(Rx - v.x, Ry - v.y));
            break;
        case Codigo::ComponentesSinSigno: {
            double x = 0, y = 0;
            for (const Componentes& v : c) x += std::abs(v.x), y += std::abs(v.y);
            objetivos.push_back(DeComponentes(x, y));
            break;
        }
        case Codigo::Otro:
            break;
    }
    return objetivos;
}

std::string_view Nombre(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].nombre; }

std::optional<Codigo> CodigoDeNombre(std::string_view nombre) {
    for (const DatosDeCodigo& c : kCodigos)
        if (c.nombre == nombre) return c.codigo;
    return std::nullopt;
}

std::string_view Frase(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].frase; }

namespace {

// In the order of Codigo; a summary's tables name each mistake by these.
constexpr std::array<std::string_view, 11> kNombresCortos{
    QT_TRANSLATE_NOOP("Trazalia", "acierto"),
    QT_TRANSLATE_NOOP("Trazalia", "suma de módulos"),
    QT_TRANSLATE_NOOP("Trazalia", "resta de módulos"),
    QT_TRANSLATE_NOOP("Trazalia", "sentido opuesto"),
    QT_TRANSLATE_NOOP("Trazalia", "resta de vectores"),
    QT_TRANSLATE_NOOP("Trazalia", "ángulo desde el eje y"),
    QT_TRANSLATE_NOOP("Trazalia", "sentido horario"),
    QT_TRANSLATE_NOOP("Trazalia", "promedio de direcciones"),
    QT_TRANSLATE_NOOP("Trazalia", "falta un vector"),
    QT_TRANSLATE_NOOP("Trazalia", "componentes sin signo"),
    QT_TRANSLATE_NOOP("Trazalia", "otro error"),
};

}  // namespace

std::string_view NombreCorto(Codigo codigo) {
    return kNombresCortos[static_cast<std::size_t>(codigo)];
}

Codigo Clasificar(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta,
                  Intento intento) {
    if (!std::isfinite(intento.r) || !std::isfinite(intento.direccion) || intento.r <= 0)
        return Codigo::Otro;
    // A target that leaves the magnitude or the direction free cannot name a mistake in what the
    // guess got right.
    const Objetivo correcta{respuesta.r, respuesta.direccion};
    const bool moduloCorrecto = Coincide({correcta.r, std::nullopt}, intento);
    const bool direccionCorrecta =
        correcta.direccion && Coincide({std::nullopt, correcta.direccion}, intento);
    for (const DatosDeCodigo& c : kCodigos)
        for (const Objetivo& o : Objetivos(c.codigo, ventana, vectores, respuesta)) {
            if (c.codigo != Codigo::Acierto &&
                ((!o.direccion && moduloCorrecto) || (!o.r && direccionCorrecta)))
                continue;
            if (Coincide(o, intento)) return c.codigo;
        }
    return Codigo::Otro;
}

std::vector<Codigo> Indistinguibles(Ventana ventana, const Ejercicio& vectores) {
    const Respuesta respuesta = RespuestaDe(ventana, vectores);
    std::vector<Codigo> codigos;
    if (!respuesta.direccion) return codigos;
    const Objetivo correcta{respuesta.r, respuesta.direccion};
    for (const DatosDeCodigo& c : kCodigos) {
        if (c.codigo == Codigo::Acierto) continue;
        // The mistake's value, what it leaves free taken as right.
        for (const Objetivo& o : Objetivos(c.codigo, ventana, vectores, respuesta))
            if (Coincide(correcta,
                         {o.r.value_or(respuesta.r), o.direccion.value_or(*respuesta.direccion)})) {
                codigos.push_back(c.codigo);
                break;
            }
    }
    return codigos;
}

bool SeDistinguen(Ventana ventana, const Ejercicio& vectores) {
    return RespuestaDe(ventana, vectores).direccion && Indistinguibles(ventana, vectores).empty();
}

std::string_view Pista(Codigo codigo, Ventana ventana) {
    const DatosDeCodigo& c = kCodigos[static_cast<std::size_t>(codigo)];
    return ventana == Ventana::Form2 ? c.pistaForm2 : c.pistaForm3;
}

std::string TextoDelIntento(Intento intento, diagram::Traductor t) {
    return diagram::Sustituir(
        t(diagram::kContexto, QT_TRANSLATE_NOOP("Trazalia", "Su resultante: %1 a %2°.")),
        {NumeroDelIntento(intento.r), DireccionDelIntento(intento.direccion)});
}

Veredicto Juzgar(Ventana ventana, const Ejercicio& vectores, Intento intento,
                 diagram::Traductor t) {
    using diagram::kContexto;
    const auto traducido = [&t](std::string_view texto) {
        return t(kContexto, std::string(texto).c_str());
    };
    Veredicto v;
    v.respuesta = RespuestaDe(ventana, vectores);
    v.codigo = Clasificar(ventana, vectores, v.respuesta, intento);
    v.texto = traducido(Frase(v.codigo)) + ' ';
    if (const std::string_view pista = Pista(v.codigo, ventana); !pista.empty())
        v.texto += traducido(pista) + ' ';
    v.texto += TextoDelIntento(intento, t) + ' ';
    const std::string& alfa = v.respuesta.lecturaDireccion;
    v.texto += v.respuesta.direccion
                   ? diagram::Sustituir(
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1 a %2°.")),
                         {v.respuesta.lecturaR, alfa})
                   : diagram::Sustituir(
                         t(kContexto,
                           QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1, sin dirección (%2).")),
                         {v.respuesta.lecturaR, t(kContexto, alfa.c_str())});
    // What to do next, as the picture's menu and key offer it.
    v.texto += ' ' + traducido(QT_TRANSLATE_NOOP("Trazalia", "N: otro ejercicio."));
    return v;
}

std::string NumeroDelIntento(double valor) {
    std::string texto = diagram::Formato(valor);
    texto.erase(texto.find_last_not_of('0') + 1);
    if (texto.back() == '.') texto.pop_back();
    return texto == "-0" ? "0" : texto;
}

}  // namespace trazalia::practice
