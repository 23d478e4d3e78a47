// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/veredicto.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "diagram/direccion.h"
#include "diagram/formato.h"
#include "diagram/traducible.h"

namespace trazalia::practice {

namespace {

struct DatosDeCodigo {
    Codigo codigo;
    std::string_view nombre;
    std::string_view frase;
};

// In the order of Codigo, which is the order the verdict tries them.
constexpr std::array<DatosDeCodigo, 11> kCodigos{{
    {Codigo::Acierto, "acierto",
     QT_TRANSLATE_NOOP("Trazalia", "¡Correcto! Tu resultante es la suma de los vectores.")},
    {Codigo::SumaDeModulos, "suma-de-modulos",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Sumaste los módulos: eso solo vale para vectores con la misma dirección; suma sus "
         "componentes x e y por separado.")},
    {Codigo::RestaDeModulos, "resta-de-modulos",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Restaste los módulos: eso solo vale para vectores de sentidos opuestos; suma sus "
         "componentes x e y por separado.")},
    {Codigo::SentidoOpuesto, "sentido-opuesto",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Tu resultante apunta al revés: va desde el origen hasta el final de la construcción.")},
    {Codigo::RestaDeVectores, "resta-de-vectores",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Restaste un vector en lugar de sumarlo: cada vector conserva su sentido, y la resultante "
         "sale del origen, no une las puntas de los vectores.")},
    {Codigo::AnguloDesdeY, "angulo-desde-y",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Mediste el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.")},
    {Codigo::SentidoHorario, "sentido-horario",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Mediste el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el "
         "semieje x positivo, en sentido antihorario.")},
    {Codigo::PromedioDeDirecciones, "promedio-de-direcciones",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Promediaste las direcciones: la dirección de la resultante sale de sus componentes Rx y "
         "Ry, según el cuadrante.")},
    {Codigo::FaltaUnVector, "falta-un-vector",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Te faltó un vector: la resultante suma los tres, cada uno a continuación del anterior.")},
    {Codigo::ComponentesSinSigno, "componentes-sin-signo",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Sumaste las componentes sin su signo: una componente hacia la izquierda o hacia abajo es "
         "negativa y resta.")},
    {Codigo::Otro, "otro",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Tu resultante no coincide: suma las componentes x e y de los vectores, y "
                       "de ellas saca el "
                       "módulo y la dirección desde el semieje x positivo.")},
}};

constexpr double kToleranciaRelativa = 0.05;
constexpr double kToleranciaMinima = 2;
constexpr double kToleranciaGrados = 5;

// What a mistake gives: a magnitude unless any will do, a direction unless any will do.
struct Objetivo {
    std::optional<double> r;
    std::optional<double> direccion;
};

// Distance between two directions in degrees, around the circle: from 0 to 180.
double Separacion(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

bool Coincide(const Objetivo& o, Intento intento) {
    if (o.r && std::abs(intento.r - *o.r) > std::max(kToleranciaRelativa * *o.r, kToleranciaMinima))
        return false;
    return !o.direccion || Separacion(intento.direccion, *o.direccion) <= kToleranciaGrados;
}

// A vector by its components, with the magnitude and the direction its read-outs would show.
Objetivo DeComponentes(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    return {r, diagram::Direccion(r, diagram::DireccionResultante(x, y))};
}

// The targets of one mistake for these vectors; none where the mistake cannot be made.
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
            if (alfa) objetivos.push_back({respuesta.r, 90 - *alfa});
            break;
        case Codigo::SentidoHorario:
            if (alfa) objetivos.push_back({respuesta.r, 360 - *alfa});
            break;
        case Codigo::PromedioDeDirecciones: {
            double suma = 0;
            for (const diagram::Entrada& v : vectores) suma += v.d;
            const double promedio = suma / static_cast<double>(vectores.size());
            if (!alfa || Separacion(promedio, *alfa) > kToleranciaGrados)
                objetivos.push_back({std::nullopt, promedio});
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

// The guess's direction within a turn, as a text.
std::string DireccionDelIntento(double grados) {
    double d = std::fmod(grados, 360.0);
    if (d < 0) d += 360;
    const std::string texto = NumeroDelIntento(d);
    return texto == "360" ? "0" : texto;
}

}  // namespace

std::string_view Nombre(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].nombre; }

std::optional<Codigo> CodigoDeNombre(std::string_view nombre) {
    for (const DatosDeCodigo& c : kCodigos)
        if (c.nombre == nombre) return c.codigo;
    return std::nullopt;
}

std::string_view Frase(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].frase; }

Codigo Clasificar(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta,
                  Intento intento) {
    if (!std::isfinite(intento.r) || !std::isfinite(intento.direccion) || intento.r <= 0)
        return Codigo::Otro;
    for (const DatosDeCodigo& c : kCodigos)
        for (const Objetivo& o : Objetivos(c.codigo, ventana, vectores, respuesta))
            if (Coincide(o, intento)) return c.codigo;
    return Codigo::Otro;
}

Veredicto Juzgar(Ventana ventana, const Ejercicio& vectores, Intento intento,
                 diagram::Traductor t) {
    using diagram::kContexto;
    Veredicto v;
    v.respuesta = RespuestaDe(ventana, vectores);
    v.codigo = Clasificar(ventana, vectores, v.respuesta, intento);
    const std::string frase(Frase(v.codigo));
    const std::string& alfa = v.respuesta.lecturaDireccion;
    v.texto =
        t(kContexto, frase.c_str()) + ' ' +
        diagram::Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Tu resultante: %1 a %2°.")),
                           {NumeroDelIntento(intento.r), DireccionDelIntento(intento.direccion)}) +
        ' ';
    v.texto += v.respuesta.direccion
                   ? diagram::Sustituir(
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1 a %2°.")),
                         {v.respuesta.lecturaR, alfa})
                   : diagram::Sustituir(
                         t(kContexto,
                           QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1, sin dirección (%2).")),
                         {v.respuesta.lecturaR, t(kContexto, alfa.c_str())});
    return v;
}

std::string NumeroDelIntento(double valor) {
    std::array<char, 400> buffer{};
    const auto [fin, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                         std::chars_format::fixed, 2);
    std::string texto(buffer.data(), ec == std::errc() ? fin : buffer.data());
    if (texto.find('.') != std::string::npos) {
        texto.erase(texto.find_last_not_of('0') + 1);
        if (texto.back() == '.') texto.pop_back();
    }
    return texto == "-0" ? "0" : texto;
}

}  // namespace trazalia::practice
