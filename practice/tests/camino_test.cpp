// SPDX-License-Identifier: GPL-3.0-or-later
// The path's rules, each on a run of the real path with its own exercises.
#include "practice/camino.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <variant>
#include <vector>

#include "practice/tests/ventanas.h"

namespace trazalia::practice {
namespace {

// A student who makes, now and then, a mistake the exercise shows, drawn from the seed.
Codigo Responder(const Paso& paso, unsigned& azar) {
    azar = azar * 1103515245u + 12345u;
    const Errores e = Muestra(paso.destreza.ventana, paso.ejercicio);
    if ((azar >> 16) % 4 != 0 || e.none()) return Codigo::Acierto;
    for (std::size_t k = (azar >> 8) % kErrores.size();; k = (k + 1) % kErrores.size())
        if (e[static_cast<std::size_t>(kErrores[k])]) return kErrores[k];
}

struct Recorrido {
    std::uint32_t semilla;
    Nivel nivel;
    Ventana ventana = nullptr;  // every window
};

class CaminoRecorrido : public testing::TestWithParam<Recorrido> {};

// Interleaving, within the path's window if it has one: a skill is set twice in a row only when a
// mistake comes back in the one skill that shows it; over the run at least 80 % of neighbours
// differ.
TEST_P(CaminoRecorrido, AlternaLasDestrezas) {
    Camino camino(GetParam().semilla, GetParam().nivel, GetParam().ventana);
    unsigned azar = GetParam().semilla;
    std::optional<std::size_t> previa;
    int distintas = 0;
    constexpr int kPasos = 150;
    for (int i = 0; i < kPasos; ++i) {
        const Paso& paso = camino.Actual();
        EXPECT_TRUE(camino.progreso().Incluida(paso.plan.destreza)) << Nombre(paso.destreza);
        if (previa && *previa == paso.plan.destreza)
            EXPECT_TRUE(paso.plan.error) << "step " << i;
        else if (previa)
            ++distintas;
        previa = paso.plan.destreza;
        camino.Anotar(Responder(paso, azar));
    }
    EXPECT_GE(distintas, 0.8 * (kPasos - 1));
}

// The same seed and level give the same exercises, and a progress written down and read back
// (its pending mistakes too) goes on with them.
TEST_P(CaminoRecorrido, LeidoDeSuTextoSigueIgual) {
    Camino camino(GetParam().semilla, GetParam().nivel, GetParam().ventana);
    Camino gemelo(GetParam().semilla, GetParam().nivel, GetParam().ventana);
    unsigned azar = 1;
    bool leido = false;
    for (int i = 0; i < 60; ++i) {
        // Read back once a mistake waits to come back.
        if (!leido && i >= 20 && !camino.progreso().pendientes().empty()) {
            leido = true;
            const std::string texto = camino.progreso().Texto();
            const auto p = Progreso::DeTexto(texto);
            ASSERT_TRUE(std::holds_alternative<Progreso>(p)) << std::get<std::string>(p);
            EXPECT_EQ(std::get<Progreso>(p), camino.progreso()) << texto;
            gemelo = Camino(std::get<Progreso>(p));
        }
        const Paso& paso = camino.Actual();
        EXPECT_EQ(gemelo.Actual().ejercicio, paso.ejercicio) << "step " << i;
        const Codigo respuesta = Responder(paso, azar);
        camino.Anotar(respuesta);
        gemelo.Anotar(respuesta);
    }
    EXPECT_TRUE(leido);
}

INSTANTIATE_TEST_SUITE_P(
    Semillas, CaminoRecorrido,
    testing::Values(Recorrido{1, Nivel::Facil}, Recorrido{2, Nivel::Medio},
                    Recorrido{3, Nivel::Dificil}, Recorrido{4000000000u, Nivel::Medio},
                    Recorrido{5, Nivel::Medio, Form2()}, Recorrido{6, Nivel::Dificil, Form4()}),
    [](const auto& info) {
        return std::string(Nombre(info.param.nivel)) + '_' + std::to_string(info.param.semilla) +
               (info.param.ventana ? '_' + std::string(Nombre(info.param.ventana)) : std::string());
    });

// A mistake made comes back two to five exercises on, in an exercise where it shows (its value
// clearly apart from the right answer), and is done with once answered right there.
class VueltaDelError : public testing::TestWithParam<Codigo> {};

TEST_P(VueltaDelError, VuelveEntreDosYCincoEjerciciosDespues) {
    const Codigo error = GetParam();
    const auto bit = static_cast<std::size_t>(error);
    for (const std::uint32_t semilla : {5u, 6u, 7u}) {
        Camino camino(semilla, Nivel::Medio);
        int cometido = -1;
        for (int i = 0; i < 60 && cometido < 0; ++i) {
            const Paso& paso = camino.Actual();
            if (Muestra(paso.destreza.ventana, paso.ejercicio)[bit]) cometido = i;
            camino.Anotar(cometido < 0 ? Codigo::Acierto : error);
        }
        ASSERT_GE(cometido, 0) << "seed " << semilla;
        int vuelta = -1;
        for (int i = cometido + 1; i <= cometido + kVueltaMaxima; ++i) {
            const Paso& paso = camino.Actual();
            if (i - cometido < kVueltaMinima)
                EXPECT_NE(paso.plan.error, error) << "seed " << semilla;
            else if (vuelta < 0 && Muestra(paso.destreza.ventana, paso.ejercicio)[bit])
                vuelta = i;
            camino.Anotar(Codigo::Acierto);
        }
        EXPECT_GE(vuelta, 0) << "seed " << semilla;
        EXPECT_TRUE(camino.progreso().pendientes().empty()) << camino.progreso().Texto();
    }
}

INSTANTIATE_TEST_SUITE_P(Errores, VueltaDelError,
                         testing::Values(Codigo::SumaDeModulos, Codigo::RestaDeModulos,
                                         Codigo::FaltaUnVector, Codigo::ComponentesSinSigno,
                                         Codigo::SumaEnVezDeResta, Codigo::SinInvertir,
                                         Codigo::AnguloPorK, Codigo::ResultanteEnVezDeEquilibrante),
                         [](const auto& info) {
                             std::string n(Nombre(info.param));
                             std::erase(n, '-');
                             return n;
                         });

// Three right in a row master a skill; a near miss keeps the streak, anything else resets it.
struct Racha {
    const char* nombre;
    const char* respuestas;  // a: acierto, c: casi, o: otro, e: a mistake
    bool dominada;
};

class Dominio : public testing::TestWithParam<Racha> {};

TEST_P(Dominio, TresAciertosSeguidos) {
    Progreso p(1, Nivel::Medio);
    for (const char* r = GetParam().respuestas; *r; ++r)
        p.Anotar({0, std::nullopt},
                 *r == 'a'   ? Codigo::Acierto
                 : *r == 'c' ? Codigo::Casi
                 : *r == 'o' ? Codigo::Otro
                             : Codigo::SumaDeModulos,
                 {});
    EXPECT_EQ(p.Dominada(0), GetParam().dominada);
}

INSTANTIATE_TEST_SUITE_P(
    Respuestas, Dominio,
    testing::Values(Racha{"TresAciertos", "aaa", true}, Racha{"DosAciertos", "aa", false},
                    Racha{"UnErrorEnMedio", "aaeaa", false}, Racha{"OtroEnMedio", "aaoaa", false},
                    Racha{"CasiEnMedio", "aaca", true}, Racha{"ErrorTrasDominar", "aaae", false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A student who gets every skill but one: the mastered ones come back less often, each waiting
// kEspaciado exercises, but every one still comes.
TEST(Espaciado, LasDominadasVuelvenMenos) {
    Progreso p(3, Nivel::Medio);
    constexpr std::size_t kDificil = 1;
    constexpr int kPasos = 240;
    std::vector<int> ultima(Destrezas().size(), 0);
    int dificiles = 0;
    for (int i = 0; i < kPasos; ++i) {
        const Plan plan = p.Planificar();
        dificiles += plan.destreza == kDificil;
        for (std::size_t d = 0; d < ultima.size(); ++d)
            EXPECT_LT(i - ultima[d], 30) << Nombre(Destrezas()[d]) << " at " << i;
        ultima[plan.destreza] = i;
        p.Anotar(plan, plan.destreza == kDificil ? Codigo::Otro : Codigo::Acierto, {});
    }
    EXPECT_GE(dificiles, 0.36 * kPasos) << dificiles;
}

// A text that is not a progress is refused with a reason, never read in part.
struct Rechazo {
    const char* nombre;
    const char* texto;
};

class TextoRechazado : public testing::TestWithParam<Rechazo> {};

TEST_P(TextoRechazado, DiceQueNoEsUnCamino) {
    const auto leido = Progreso::DeTexto(GetParam().texto);
    ASSERT_TRUE(std::holds_alternative<std::string>(leido)) << std::get<Progreso>(leido).Texto();
    EXPECT_EQ(std::get<std::string>(leido).rfind("camino: ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TextoRechazado,
    testing::Values(
        Rechazo{"Vacio", ""},
        Rechazo{"OtraVersion", "camino 2 semilla 7 nivel medio ventana todas posicion 4"},
        Rechazo{"SemillaEnorme",
                "camino 1 semilla 4294967296 nivel medio ventana todas posicion 4"},
        Rechazo{"SemillaNegativa", "camino 1 semilla -7 nivel medio ventana todas posicion 4"},
        Rechazo{"NivelDesconocido", "camino 1 semilla 7 nivel experto ventana todas posicion 4"},
        Rechazo{"PosicionConLetras", "camino 1 semilla 7 nivel medio ventana todas posicion 4x"},
        Rechazo{"DestrezaDesconocida",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 Form9 1 3"},
        Rechazo{"DestrezaRepetida",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 Form2 1 3 Form2 0 -"},
        Rechazo{"RachaDeMas", "camino 1 semilla 7 nivel medio ventana todas posicion 4 Form2 4 3"},
        Rechazo{"UltimoFuturo",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 Form2 1 4"},
        Rechazo{"Truncado", "camino 1 semilla 7 nivel medio ventana todas posicion 4 Form2 1"},
        Rechazo{"PendienteQueNoEsError",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 pendiente acierto 5 8"},
        Rechazo{"PendienteRepetido",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 pendiente falta-un-vector "
                "5 8 pendiente "
                "falta-un-vector 6 8"},
        Rechazo{"VueltaAlReves",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 pendiente falta-un-vector "
                "8 5"},
        Rechazo{"VueltaLejana",
                "camino 1 semilla 7 nivel medio ventana todas posicion 4 pendiente falta-un-vector "
                "5 10"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Each skill's exercises have its question and its kind of coefficients, at every level.
class EjerciciosDeDestreza : public testing::TestWithParam<Nivel> {};

TEST_P(EjerciciosDeDestreza, SonDeSuTipo) {
    for (const Destreza& d : Destrezas()) {
        Generador g(11, GetParam(), d.ventana);
        for (int i = 0; i < 20; ++i) {
            const Ejercicio e = Siguiente(g, d);
            EXPECT_EQ(e.pregunta, d.pregunta);
            if (d.coeficientes == TipoDeCoeficientes::Cualesquiera) continue;
            const std::vector<int>& k = e.coeficientes;
            const bool unos = std::abs(k[0]) == 2 && std::abs(k[1]) == 2;
            const TipoDeCoeficientes tipo = !unos              ? TipoDeCoeficientes::Multiplos
                                            : k[0] + k[1] == 0 ? TipoDeCoeficientes::Resta
                                                               : TipoDeCoeficientes::Cualesquiera;
            EXPECT_EQ(tipo, d.coeficientes) << Nombre(d) << " exercise " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Niveles, EjerciciosDeDestreza, testing::ValuesIn(kNiveles),
                         [](const auto& info) { return std::string(Nombre(info.param)); });

// Every mistake a window's verdict may name has its explanation, which is neither the verdict's
// sentence nor its hint.
TEST(Explicacion, CadaErrorAdmitidoTieneLaSuya) {
    for (const Destreza& d : Destrezas())
        for (const Codigo c : kErrores) {
            if (!Admitido(c, d.ventana, d.pregunta)) continue;
            const std::string_view e = Explicacion(c, d.ventana);
            EXPECT_FALSE(e.empty()) << Nombre(d) << ' ' << Nombre(c);
            EXPECT_NE(e, Frase(c));
            EXPECT_NE(e, Pista(c, d.ventana));
        }
    EXPECT_TRUE(Explicacion(Codigo::Acierto, Form2()).empty());
}

// The construction played after a mistake, for every skill (Form3's the default steps): each step
// adds to the one before (Form2's sides: two arrows at once), the resultant comes once all the
// window's arrows are laid and is the answer's, its reading gives the read-outs, and the
// equilibrant ends it where it is asked for.
TEST(Etapas, LlevanDeLosVectoresALaRespuesta) {
    for (const Destreza& d : Destrezas()) {
        Generador g(5, Nivel::Medio, d.ventana);
        const Ejercicio e = Siguiente(g, d);
        const Respuesta r = RespuestaDe(d.ventana, e);
        const std::vector<Etapa> etapas = Etapas(d.ventana, e);
        ASSERT_GE(etapas.size(), 3u) << Nombre(d);
        for (std::size_t k = 0; k < etapas.size(); ++k) {
            const Etapa& etapa = etapas[k];
            EXPECT_NE(etapa.leyenda, nullptr) << Nombre(d) << ' ' << k;
            if (k > 0) {
                const Etapa& antes = etapas[k - 1];
                EXPECT_GE(etapa.flechas.size(), antes.flechas.size());
                EXPECT_TRUE(etapa.flechas.size() > antes.flechas.size() ||
                            etapa.resultante.has_value() > antes.resultante.has_value() ||
                            etapa.valores.size() > antes.valores.size() ||
                            etapa.equilibrante > antes.equilibrante)
                    << Nombre(d) << ' ' << k;
            }
            if (!etapa.resultante) continue;
            EXPECT_EQ(etapa.flechas.size(), d.ventana->Construccion(r.componentes).size());
            EXPECT_NEAR(std::hypot(etapa.resultante->x, etapa.resultante->y), r.r, 0.01)
                << Nombre(d);
        }
        const bool equilibrante = d.pregunta == Pregunta::Equilibrante;
        const Etapa& lectura = etapas[etapas.size() - (equilibrante ? 2 : 1)];
        EXPECT_EQ(lectura.valores, (std::vector<std::string>{r.lecturaR, r.lecturaDireccion}))
            << Nombre(d);
        EXPECT_EQ(etapas.back().equilibrante, equilibrante) << Nombre(d);
        EXPECT_FALSE(etapas.front().resultante) << Nombre(d);
    }
}

// «¿Dónde está el error?» for every skill: the planted mistake is among up to four distinct
// choices, each shown by the exercise, and the resultant drawn is the planted mistake's, apart
// from the right one.
TEST(PlantarError, ElDibujoTieneElErrorEntreLasOpciones) {
    for (const Destreza& d : Destrezas())
        for (std::uint32_t semilla : {1u, 2u, 3u}) {
            Generador g(semilla, Nivel::Medio, d.ventana);
            Ejercicio e = Siguiente(g, d);
            const std::optional<ErrorPlantado> p = PlantarError(d.ventana, e, semilla);
            ASSERT_TRUE(p) << Nombre(d);
            e.pregunta = Pregunta::Resultante;
            const Errores mostrados = Muestra(d.ventana, e);
            EXPECT_EQ(p->opciones.size(), std::min<std::size_t>(kOpciones, mostrados.count()));
            for (const Codigo c : p->opciones) {
                EXPECT_TRUE(mostrados[static_cast<std::size_t>(c)]) << Nombre(d);
                EXPECT_EQ(std::count(p->opciones.begin(), p->opciones.end(), c), 1);
            }
            EXPECT_EQ(std::count(p->opciones.begin(), p->opciones.end(), p->codigo), 1);
            const Respuesta r = RespuestaDe(d.ventana, e);
            const double x = p->dibujo.resultante->x, y = p->dibujo.resultante->y;
            double a = std::atan2(y, x) * 180 / std::numbers::pi;
            if (a < 0) a += 360;
            const Intento dibujado{std::hypot(x, y), a};
            const Objetivo o = Objetivos(p->codigo, d.ventana, e, r).front();
            EXPECT_LT(Distancia(o, dibujado), 0.01) << Nombre(d);
            EXPECT_GE(Distancia({r.r, r.direccion}, dibujado),
                      kSeparacionDeLaCorrecta - kHolguraDeRedondeo)
                << Nombre(d);
        }
}

}  // namespace
}  // namespace trazalia::practice
