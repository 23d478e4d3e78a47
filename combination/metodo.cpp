// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/metodo.h"

#include <array>
#include <cmath>
#include <memory>

#include "combination/combinacion.h"
#include "combination/tabla.h"
#include "diagram/constantes.h"
#include "diagram/direccion.h"
#include "diagram/formato.h"
#include "practice/ejercicio.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::combination {

namespace {

// Between Form1's two method buttons.
constexpr diagram::Control kBotonDeInicio{
    .nombre = "Command4",
    .tipo = diagram::Tipo::Button,
    .left = 4080,
    .top = 6120,
    .width = 2775,
    .height = 735,
    .tab = 6,
    .texto = QT_TRANSLATE_NOOP("Form1", "Resta y múltiplos"),
    .puntos = 15.75,
    .descripcion = QT_TRANSLATE_NOOP("Form1", "Resta y múltiplos de vectores"),
    .ayuda = QT_TRANSLATE_NOOP("Form1",
                               "Abre la ventana de resta y múltiplos: c = k₁a + k₂b, con a − b "
                               "de un toque."),
    .abre = "Form4",
    .adicion = true};

// The largest coefficient a worksheet can draw, in halves: 3.5.
constexpr int kMedioMaximoDeHoja = 7;

}  // namespace

const diagram::Tabla& MetodoDeCombinacion::tabla() const { return TablaForm4(); }

const diagram::Control* MetodoDeCombinacion::botonDeInicio() const { return &kBotonDeInicio; }

std::unique_ptr<diagram::Construccion> MetodoDeCombinacion::Construir(
    diagram::Controles& form, canvas::Canvas& Picture1) const {
    return std::make_unique<Combinacion>(form, Picture1);
}

// a − b with values of every level, acceptable (tested).
std::vector<diagram::Entrada> MetodoDeCombinacion::reserva() const { return {{80, 30}, {50, 300}}; }

std::vector<int> MetodoDeCombinacion::coeficientesDeReserva() const {
    return {kMediosPorUnidad, -kMediosPorUnidad};
}

std::vector<int> MetodoDeCombinacion::SortearCoeficientes(
    practice::Nivel nivel, const std::function<int(int)>& indice) const {
    switch (nivel) {
        case practice::Nivel::Facil: {
            // a − b half the time, b − a and a + b the rest.
            constexpr std::array<std::array<int, 2>, 4> kFaciles{
                {{1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
            const auto& k = kFaciles[static_cast<std::size_t>(indice(4))];
            return {k[0] * kMediosPorUnidad, k[1] * kMediosPorUnidad};
        }
        case practice::Nivel::Medio: {
            // Whole coefficients from −3 to 3, never 0.
            const auto entero = [&] {
                const int i = indice(6);
                return (i < 3 ? i - 3 : i - 2) * kMediosPorUnidad;
            };
            const int k1 = entero();
            return {k1, entero()};
        }
        case practice::Nivel::Dificil:
            break;
    }
    // Halves from −3.5 to 3.5, never 0: a worksheet's frame holds k·v only if it is at most
    // 5.5 cm long (half the frame's width, less its margin) and v at least 1.5 cm, so |k| of 4 or
    // more can never be set, and the bars' ±5 are left to the window itself.
    const auto medio = [&] {
        const int i = indice(2 * kMedioMaximoDeHoja);
        return i < kMedioMaximoDeHoja ? i - kMedioMaximoDeHoja : i - kMedioMaximoDeHoja + 1;
    };
    const int k1 = medio();
    return {k1, medio()};
}

std::vector<practice::TipoDeCoeficientes> MetodoDeCombinacion::tiposDeCoeficientes() const {
    return {practice::TipoDeCoeficientes::Resta, practice::TipoDeCoeficientes::Multiplos};
}

std::vector<int> MetodoDeCombinacion::SortearCoeficientesDeTipo(
    practice::Nivel nivel, practice::TipoDeCoeficientes tipo,
    const std::function<int(int)>& indice) const {
    using practice::TipoDeCoeficientes;
    if (tipo == TipoDeCoeficientes::Resta) {
        if (indice(2) == 0) return {kMediosPorUnidad, -kMediosPorUnidad};
        return {-kMediosPorUnidad, kMediosPorUnidad};
    }
    if (tipo == TipoDeCoeficientes::Cualesquiera) return SortearCoeficientes(nivel, indice);
    if (nivel == practice::Nivel::Facil) nivel = practice::Nivel::Medio;
    // Most draws have a coefficient other than ±1; should none, 2a − b, which every level allows.
    for (int sorteo = 0; sorteo < 64; ++sorteo) {
        std::vector<int> k = SortearCoeficientes(nivel, indice);
        if (std::abs(k[0]) != kMediosPorUnidad || std::abs(k[1]) != kMediosPorUnidad) return k;
    }
    return {2 * kMediosPorUnidad, -kMediosPorUnidad};
}

int MetodoDeCombinacion::regresar() const { return kBotonDeRegreso; }

std::vector<std::pair<int, int>> MetodoDeCombinacion::ValoresDelBoton(int boton) const {
    if (boton != kBotonDeResta) return {};
    return {kBarrasDeResta.begin(), kBarrasDeResta.end()};
}

// SentidoOpuesto is −c, RestaAlReves already. The measuring mistakes (AnguloDesdeY,
// SentidoHorario) are the same on any resultant. ComponentesSinSigno stays out: the terms'
// components taken without their signs give a + b for a − b whenever a and b point into the first
// quadrant, SumaEnVezDeResta itself; and the sums of magnitudes or of vectors of the addition
// windows are this window's SumaDeModulosEscalados and SumaEnVezDeResta.
bool MetodoDeCombinacion::Admite(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaEnVezDeResta:
        case Codigo::RestaAlReves:
        case Codigo::SinInvertir:
        case Codigo::AnguloPorK:
        case Codigo::SumaDeModulosEscalados:
        case Codigo::FaltaUnTermino:
        case Codigo::AnguloDesdeY:
        case Codigo::SentidoHorario:
            return true;
        default:
            return false;
    }
}

namespace {

// A vector by its components, with the magnitude and the direction its read-outs would show.
practice::Objetivo DeComponentes(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    return {r, diagram::Direccion(r, diagram::DireccionResultante(x, y))};
}

}  // namespace

std::vector<practice::Objetivo> MetodoDeCombinacion::Objetivos(
    practice::Codigo codigo, const practice::Ejercicio& ejercicio,
    const practice::Respuesta& respuesta) const {
    using practice::Codigo;
    if (ejercicio.coeficientes.size() != 2 || respuesta.vectores.size() != 2) return {};
    const std::array<double, 2> k{Coeficiente(ejercicio.coeficientes[0]),
                                  Coeficiente(ejercicio.coeficientes[1])};
    const std::vector<practice::Componentes>& v = respuesta.vectores;
    // c with each coefficient replaced as the mistake takes it.
    const auto con = [&](auto cambio) {
        double x = 0, y = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            const double ki = cambio(k[i]);
            x += ki * v[i].x;
            y += ki * v[i].y;
        }
        return DeComponentes(x, y);
    };
    const auto alguno = [&](auto condicion) { return condicion(k[0]) || condicion(k[1]); };
    switch (codigo) {
        case Codigo::SumaEnVezDeResta:
            if (!alguno([](double ki) { return ki == -1; })) return {};
            return {con([](double ki) { return ki == -1 ? 1.0 : ki; })};
        case Codigo::RestaAlReves:
            if ((k[0] < 0) == (k[1] < 0) || !respuesta.direccion) return {};
            return {{respuesta.r, *respuesta.direccion + 180}};
        case Codigo::SinInvertir:
            if (!alguno([](double ki) { return ki < 0 && ki != -1; })) return {};
            return {con([](double ki) { return ki < 0 && ki != -1 ? -ki : ki; })};
        case Codigo::AnguloPorK: {
            if (!alguno([](double ki) { return ki != 0 && ki != 1; })) return {};
            // Each term |k|·|v| long at k·θ, θ the vector's direction as its bar sets it.
            double x = 0, y = 0;
            for (std::size_t i = 0; i < 2; ++i) {
                const diagram::Entrada& e = ejercicio[i];
                const double angulo = k[i] * e.d * diagram::kPiDeComponentes / 180;
                x += std::abs(k[i]) * e.m * std::cos(angulo);
                y += std::abs(k[i]) * e.m * std::sin(angulo);
            }
            return {DeComponentes(x, y)};
        }
        case Codigo::SumaDeModulosEscalados:
            return {
                {std::abs(k[0]) * ejercicio[0].m + std::abs(k[1]) * ejercicio[1].m, std::nullopt}};
        case Codigo::FaltaUnTermino:
            if (k[0] == 0 || k[1] == 0) return {};
            return {DeComponentes(k[0] * v[0].x, k[0] * v[0].y),
                    DeComponentes(k[1] * v[1].x, k[1] * v[1].y)};
        default:
            return {};
    }
}

namespace {

constexpr std::string_view kPuntaConCola = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Ponga k₁a desde el origen y k₂b con su cola en la punta de k₁a: c va del origen a la punta "
    "de k₂b.");

}  // namespace

std::string_view MetodoDeCombinacion::Pista(practice::Codigo codigo) const {
    using practice::Codigo;
    switch (codigo) {
        case Codigo::SumaEnVezDeResta:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "Dibuje −b al revés de b y póngalo punta con cola tras k₁a: "
                                     "c va del origen a su punta.");
        case Codigo::SinInvertir:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "Con k negativo, dibuje k·v |k| veces más largo que v y al "
                                     "revés, y póngalo punta con cola.");
        case Codigo::AnguloPorK:
            return QT_TRANSLATE_NOOP("Trazalia",
                                     "Dibuje k₁a sobre la recta de a y k₂b sobre la de b, y "
                                     "póngalos punta con cola.");
        case Codigo::RestaAlReves:
        case Codigo::SumaDeModulosEscalados:
        case Codigo::FaltaUnTermino:
        case Codigo::Otro:
            return kPuntaConCola;
        default:
            return {};
    }
}

const char* MetodoDeCombinacion::nombreVisible() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Resta y múltiplos");
}

const char* MetodoDeCombinacion::nombreCorto() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Combinación");
}

const char* MetodoDeCombinacion::instruccionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia",
                             "Dibuje k₁a desde el origen y k₂b con su cola en la punta de k₁a, y "
                             "trace c hasta la punta de k₂b.");
}

const char* MetodoDeCombinacion::solucionDeHoja() const {
    return QT_TRANSLATE_NOOP("Trazalia", "k₁a y k₂b punta con cola; c = k₁a + k₂b.");
}

const char* MetodoDeCombinacion::instruccionDeBanco() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Halle c = k₁a + k₂b poniendo k₁a y k₂b punta con cola.");
}

std::string_view MetodoDeCombinacion::Letra(std::size_t vector) const {
    return vector == 0 ? "a" : "b";
}

std::string_view MetodoDeCombinacion::NombreDeTermino(std::size_t vector) const {
    return vector == 0 ? "k₁a" : "k₂b";
}

// k₁a from the origin, k₂b from its tip: the terms as the window lays them.
std::vector<practice::EtapaDeConstruccion> MetodoDeCombinacion::Etapas(std::size_t flechas) const {
    return {{1, false,
             QT_TRANSLATE_NOOP("Camino",
                               "k₁a: a por k₁, desde el origen; al revés de a si k₁ es negativo.")},
            {flechas, false,
             QT_TRANSLATE_NOOP("Camino",
                               "k₂b, con su cola en la punta de k₁a; al revés de b si k₂ es "
                               "negativo.")},
            {flechas, true, QT_TRANSLATE_NOOP("Camino", "c: del origen a la punta de k₂b.")}};
}

std::vector<practice::Flecha> MetodoDeCombinacion::Construccion(
    const std::vector<practice::Componentes>& v) const {
    if (v.size() != 2) return {};
    return {{.hastaX = v[0].x, .hastaY = v[0].y, .vector = 0},
            {.desdeX = v[0].x,
             .desdeY = v[0].y,
             .hastaX = v[0].x + v[1].x,
             .hastaY = v[0].y + v[1].y,
             .vector = 1}};
}

const practice::Metodo& ElMetodo() {
    static const MetodoDeCombinacion metodo;
    return metodo;
}

}  // namespace trazalia::combination
