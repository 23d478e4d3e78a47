// SPDX-License-Identifier: GPL-3.0-or-later
// The question bank read back as Moodle reads it: its XML as Moodle's reader keeps it, its
// categories and names as an import makes them, its blanks and numerical questions by a model of
// Moodle's grammar and grading, typed responses as a language pack reads them (cloze_modelo.*),
// its pictures as SVG; graded against practice's own verdicts.

#include "practice/moodle.h"
#include "practice/generador.h"
#include "practice/tests/ventanas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "canvas/numeros.h"
#include "practice/respuesta.h"
#include "practice/tests/cloze_modelo.h"
#include "practice/veredicto.h"

namespace trazalia::practice {
namespace {

using pruebas::AlternativaCloze;
using pruebas::HuecoCloze;
using pruebas::Nodo;

// A "translation" made of everything a text must survive: braces that would make a blank, the
// Cloze grammar's own characters, markup and the end of a CDATA section. Its numbers keep the
// Spanish comma.
std::string Raro(const char*, const char* texto, int) {
    if (std::string_view(texto) == kSeparadorDecimal) return ",";
    return std::string("{1:NM:=1} }#~\\\"/&<b>]]> ") + texto;
}

// Every text between ⟦ and ⟧, as a language whose words Spanish has none of; numbers with a point,
// as English writes them.
std::string Marcado(const char*, const char* texto, int) {
    if (std::string_view(texto) == kSeparadorDecimal) return ".";
    return "\u27e6" + std::string(texto) + "\u27e7";
}

std::string Traducida(diagram::Traductor t, std::string_view texto) {
    return t(diagram::kContexto, std::string(texto).c_str());
}

// The bank in one file, as Moodle reads it.
Nodo Leido(const OpcionesDeHoja& opciones, FormatoDeMoodle formato = FormatoDeMoodle::Cloze,
           diagram::Traductor t = diagram::EnEspanol) {
    const std::vector<std::string> banco = BancoDeMoodle(opciones, formato, t);
    EXPECT_EQ(banco.size(), 1u);
    std::optional<Nodo> quiz = pruebas::LeerComoMoodle(banco.at(0));
    EXPECT_TRUE(quiz);
    return quiz ? *quiz : Nodo{};
}

std::vector<const Nodo*> Preguntas(const Nodo& quiz) {
    std::vector<const Nodo*> v;
    for (const Nodo* q : quiz.Hijos("question"))
        if (q->Atributo("type") != "category") v.push_back(q);
    return v;
}

std::string Texto(const Nodo* campo) {
    return campo && campo->Hijo("text") ? pruebas::Recortado(campo->Hijo("text")->texto) : "";
}

// The r and the α of each exercise: a Cloze question's two blanks, or two numerical questions.
std::vector<std::array<HuecoCloze, 2>> Valores(const Nodo& quiz) {
    std::vector<std::array<HuecoCloze, 2>> valores;
    const std::vector<const Nodo*> preguntas = Preguntas(quiz);
    for (std::size_t i = 0; i < preguntas.size(); ++i) {
        if (preguntas[i]->Atributo("type") == "cloze") {
            const auto huecos = pruebas::LeerCloze(Texto(preguntas[i]->Hijo("questiontext")));
            if (const auto* error = std::get_if<std::string>(&huecos)) {
                ADD_FAILURE() << *error;
                return {};
            }
            const auto& h = std::get<std::vector<HuecoCloze>>(huecos);
            if (h.size() != 2) {
                ADD_FAILURE() << h.size() << " huecos";
                return {};
            }
            valores.push_back({h[0], h[1]});
            continue;
        }
        std::array<HuecoCloze, 2> par;
        for (std::size_t k = 0; k < 2; ++k, ++i) {
            const auto leida = pruebas::LeerNumerica(*preguntas.at(i));
            if (const auto* error = std::get_if<std::string>(&leida)) {
                ADD_FAILURE() << *error;
                return {};
            }
            par[k] = std::get<HuecoCloze>(leida);
        }
        --i;
        valores.push_back(par);
    }
    return valores;
}

double EnUnaVuelta(double grados) {
    const double d = std::fmod(grados, 360.0);
    return d < 0 ? d + 360 : d;
}

double Separacion(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// The value of one mistake's target on a blank: its magnitude, or its direction.
std::optional<double> EnElValor(const Objetivo& o, bool direccion) {
    return direccion ? o.direccion : o.r;
}

// A number as a student types it following the question: at most two decimals, with a comma.
std::string Tecleado(double valor, char separador = ',') {
    std::string s = NumeroDelIntento(valor);
    std::replace(s.begin(), s.end(), '.', separador);
    return s;
}

struct Barrido {
    Nivel nivel;
    Seleccion metodo;
    FormatoDeMoodle formato;
    Pregunta pregunta = Pregunta::Resultante;
};

class MoodleBarridoTest : public testing::TestWithParam<Barrido> {};

// For 200 seeds: the answer gets 100 % for both values, each mistake's guess that practice names
// so gets that mistake's sentence for every value it changes, a near miss mostly its own, and a
// far guess the hint; every response typed as a Spanish language pack takes it.
TEST_P(MoodleBarridoTest, GradesAsPracticeJudges) {
    const diagram::Traductor t(Raro);
    std::mt19937 azar(7);
    int propios = 0, cercanos = 0, casis = 0;
    for (std::uint32_t semilla = 0; semilla < 200; ++semilla) {
        OpcionesDeHoja opciones;
        opciones.nivel = GetParam().nivel;
        opciones.metodo = GetParam().metodo;
        opciones.pregunta = GetParam().pregunta;
        opciones.semilla = semilla;
        opciones.ejercicios = GetParam().metodo == kAmbos ? 2 : 1;
        const std::vector<std::array<HuecoCloze, 2>> valores =
            Valores(Leido(opciones, GetParam().formato, t));
        std::vector<EjercicioDeHoja> ejercicios =
            EjerciciosDeHoja(semilla, opciones.nivel, opciones.metodo, opciones.ejercicios);
        for (EjercicioDeHoja& e : ejercicios) e.vectores.pregunta = opciones.pregunta;
        ASSERT_EQ(valores.size(), ejercicios.size());
        for (std::size_t i = 0; i < ejercicios.size(); ++i) {
            const EjercicioDeHoja& e = ejercicios[i];
            SCOPED_TRACE(testing::Message()
                         << "semilla " << semilla << ", " << Enunciado(e.ventana, e.vectores));
            // The mistakes are computed from the window's answer; the bank asks the question's.
            const Respuesta deLaVentana = RespuestaDe(e.ventana, e.vectores);
            const Respuesta respuesta = RespuestaALaPregunta(deLaVentana, e.vectores.pregunta);
            const double alfa = *respuesta.direccion;
            const auto calificada = [&](bool direccion, double valor) -> const AlternativaCloze* {
                const pruebas::Respuesta r =
                    pruebas::Responder(Tecleado(valor), pruebas::kPaqueteEs);
                EXPECT_TRUE(r.completa && r.valor) << Tecleado(valor);
                return r.valor ? pruebas::Calificar(valores[i][direccion ? 1 : 0], *r.valor)
                               : nullptr;
            };
            const auto nota = [&](bool direccion, double valor) {
                const AlternativaCloze* a = calificada(direccion, valor);
                return a ? a->fraccion : -1;
            };
            // Practice accepts a direction within 5° either way, across 0° too.
            EXPECT_EQ(nota(false, respuesta.r), 1);
            for (const double d : {0.0, -4.9, 4.9})
                EXPECT_EQ(nota(true, EnUnaVuelta(alfa + d)), 1) << d;
            // Nearly two tolerances off: a near miss, no credit, told so unless a mistake of
            // that value alone comes first.
            for (const double lado : {-1.8, 1.8}) {
                const auto casi = [&](bool direccion, double valor) {
                    const AlternativaCloze* a = calificada(direccion, valor);
                    ASSERT_TRUE(a && !a->cualquiera);
                    EXPECT_EQ(a->fraccion, 0);
                    ++cercanos;
                    casis += pruebas::DecodificarEntidades(a->comentario)
                                 .ends_with(Traducida(t, Pista(Codigo::Casi, e.ventana)));
                };
                casi(false, respuesta.r + lado * Tolerancia(respuesta.r));
                casi(true, EnUnaVuelta(alfa + lado * kToleranciaGrados));
            }

            for (const Codigo codigo : kErrores) {
                for (const Objetivo& o : Objetivos(codigo, e.ventana, e.vectores, deLaVentana)) {
                    const Intento intento{o.r.value_or(respuesta.r), o.direccion.value_or(alfa)};
                    if (Clasificar(e.ventana, e.vectores, deLaVentana, intento) !=
                        Clasificacion{codigo})
                        continue;
                    for (const bool direccion : {false, true}) {
                        if (!EnElValor(o, direccion)) continue;
                        const double valor = direccion ? EnUnaVuelta(intento.direccion) : intento.r;
                        const double lejos =
                            direccion ? Separacion(valor, alfa) - kToleranciaGrados
                                      : std::abs(valor - respuesta.r) - Tolerancia(respuesta.r);
                        // Within a hundredth of the answer's bounds, the rounding of what is
                        // typed decides.
                        if (std::abs(lejos) < 0.01) continue;
                        const AlternativaCloze* a = calificada(direccion, valor);
                        ASSERT_TRUE(a);
                        if (lejos < 0) {
                            EXPECT_EQ(a->fraccion, 1) << Nombre(codigo);
                            continue;
                        }
                        EXPECT_EQ(a->fraccion, 0) << Nombre(codigo);
                        EXPECT_FALSE(a->cualquiera) << Nombre(codigo);
                        // Another mistake of the same value may come first.
                        std::vector<std::string> posibles{Traducida(t, Frase(codigo))};
                        for (const Codigo otro : kErrores) {
                            if (otro >= codigo) break;
                            for (const Objetivo& p :
                                 Objetivos(otro, e.ventana, e.vectores, deLaVentana))
                                if (const auto v = EnElValor(p, direccion);
                                    v &&
                                    (direccion ? Separacion(*v, valor) <= kToleranciaGrados + 0.01
                                               : std::abs(*v - valor) <= Tolerancia(*v) + 0.01))
                                    posibles.push_back(Traducida(t, Frase(otro)));
                        }
                        const std::string visto = pruebas::DecodificarEntidades(a->comentario);
                        EXPECT_NE(std::find(posibles.begin(), posibles.end(), visto),
                                  posibles.end())
                            << Nombre(codigo) << ": " << visto;
                        propios += visto == posibles[0];
                    }
                }
            }
            std::uniform_real_distribution<double> lejano(1000, 5000);
            for (const bool direccion : {false, true}) {
                const AlternativaCloze* a = calificada(direccion, lejano(azar));
                ASSERT_TRUE(a && a->cualquiera);
                EXPECT_EQ(a->fraccion, 0);
                EXPECT_EQ(pruebas::DecodificarEntidades(a->comentario),
                          Traducida(t, Pista(Codigo::Otro, e.ventana)));
            }
        }
        // One seed's failures tell enough; thousands more would only bury them.
        if (HasFailure()) return;
    }
    EXPECT_GT(propios, 200);
    EXPECT_GT(casis, cercanos * 3 / 4);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moodle, MoodleBarridoTest, testing::Values(
    Barrido{Nivel::Facil, Form2(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Facil, Form3(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Facil, kAmbos, FormatoDeMoodle::Cloze},
    Barrido{Nivel::Medio, Form2(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Medio, Form3(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Medio, kAmbos, FormatoDeMoodle::Cloze},
    Barrido{Nivel::Dificil, Form2(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Dificil, Form3(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Dificil, kAmbos, FormatoDeMoodle::Cloze},
    Barrido{Nivel::Facil, Form4(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Medio, Form4(), FormatoDeMoodle::Cloze},
    Barrido{Nivel::Dificil, Form4(), FormatoDeMoodle::Numerico},
    Barrido{Nivel::Facil, kAmbos, FormatoDeMoodle::Numerico},
    Barrido{Nivel::Medio, kAmbos, FormatoDeMoodle::Numerico},
    Barrido{Nivel::Dificil, kAmbos, FormatoDeMoodle::Numerico},
    Barrido{Nivel::Medio, kAmbos, FormatoDeMoodle::Cloze, Pregunta::Equilibrante},
    Barrido{Nivel::Dificil, kAmbos, FormatoDeMoodle::Numerico, Pregunta::Equilibrante}),
    [](const auto& info) {
        return std::string(Nombre(info.param.nivel)) + "_" +
               std::string(NombreDeSeleccion(info.param.metodo)) + "_" +
               std::string(Nombre(info.param.formato)) +
               (info.param.pregunta == Pregunta::Equilibrante ? "_equilibrante" : "");
    });
// clang-format on

// Moodle gives the feedback of the first answer whose range holds a response, both bounds
// included: each mistake's value, typed as its answer writes it, gets that very answer, none of
// them a right answer's credit; and a direction's copy past 0° or 360° never stands without the
// one a student types. Whole banks of three seeds in every window and level.
TEST(MoodleTest, EachMistakeTypedAsWrittenGetsItsOwnAnswer) {
    int mistakes = 0;
    for (const Seleccion metodo : {Form2(), Form3(), Form4()})
        for (const Nivel nivel : {Nivel::Facil, Nivel::Medio, Nivel::Dificil})
            for (const std::uint32_t semilla : {1U, 2U, 3U}) {
                OpcionesDeHoja opciones;
                opciones.metodo = metodo;
                opciones.nivel = nivel;
                opciones.semilla = semilla;
                opciones.ejercicios = OpcionesDeHoja::kMaximoDeEjercicios;
                const auto valores = Valores(Leido(opciones));
                ASSERT_EQ(valores.size(), 200u);
                for (std::size_t i = 0; i < valores.size(); ++i)
                    for (std::size_t k = 0; k < 2; ++k) {
                        SCOPED_TRACE(testing::Message()
                                     << NombreDeSeleccion(metodo) << ' ' << Nombre(nivel)
                                     << " semilla " << semilla << " pregunta " << i + 1
                                     << (k ? " α" : " r"));
                        const auto& alternativas = valores[i][k].alternativas;
                        ASSERT_EQ(alternativas[0].fraccion, 1);
                        for (const AlternativaCloze& a : alternativas) {
                            if (a.cualquiera || a.fraccion == 1) continue;
                            // The near misses' band is centred on the answer, which holds it.
                            const bool banda =
                                std::any_of(alternativas.begin(), alternativas.end(),
                                            [&](const AlternativaCloze& b) {
                                                return b.fraccion == 1 && b.valor == a.valor;
                                            });
                            if (!banda) {
                                EXPECT_EQ(pruebas::Calificar(valores[i][k], a.valor), &a)
                                    << a.valor << ": " << a.comentario;
                                ++mistakes;
                            }
                            if (k == 1 && (a.valor < 0 || a.valor > 360)) {
                                EXPECT_TRUE(std::any_of(
                                    alternativas.begin(), alternativas.end(),
                                    [&](const AlternativaCloze& b) {
                                        return b.comentario == a.comentario && b.valor >= 0 &&
                                               b.valor <= 360 &&
                                               std::abs(std::abs(b.valor - a.valor) - 360) < 0.006;
                                    }))
                                    << a.valor << " alone: " << a.comentario;
                            }
                        }
                    }
                if (HasFailure()) return;
            }
    EXPECT_GT(mistakes, 10000);
}

struct Titulado {
    const char* name;
    std::optional<std::string> titulo;
    std::vector<std::string> categorias;  // below the course's top, as an import makes them
    std::string nombre;                   // question 1's, as Moodle keeps it
    friend void PrintTo(const Titulado& fila, std::ostream* os) { *os << fila.name; }
};

class TituloTest : public testing::TestWithParam<Titulado> {};

// A title reaches Moodle whole through its reader, its category paths and its names, and makes a
// category of its own; the file is well-formed whatever the title holds.
TEST_P(TituloTest, NamesTheCategoryAndTheQuestionsAsMoodleKeepsThem) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 1;
    opciones.titulo = GetParam().titulo;
    const Nodo quiz = Leido(opciones);
    EXPECT_EQ(pruebas::CategoriasDeLaRuta(Texto(quiz.Hijos("question").at(0)->Hijo("category"))),
              GetParam().categorias);
    EXPECT_EQ(pruebas::NombreQueGuarda(Texto(Preguntas(quiz).at(0)->Hijo("name"))),
              GetParam().nombre);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moodle, TituloTest, testing::Values(
    Titulado{"SinTitulo", std::nullopt, {"Trazalia", "ambos", "medio"}, "Suma de vectores 1 (semilla 0)"},
    Titulado{"Vacio", "", {"Trazalia", "ambos", "medio"}, "Suma de vectores 1 (semilla 0)"},
    Titulado{"Espacios", " \t ", {"Trazalia", "ambos", "medio"}, "Suma de vectores 1 (semilla 0)"},
    Titulado{"EspacioEntreReferencias", "Fuerzas & \"vectores\" ' <", {"Trazalia", "Fuerzas & \"vectores\" ' \uFF1C"},
             "Fuerzas & \"vectores\" ' \uFF1C 1 (semilla 0)"},
    Titulado{"Barras", "/3º//B/", {"Trazalia", "/3º//B/"}, "/3º//B/ 1 (semilla 0)"},
    Titulado{"Top", "top", {"Trazalia", "Top"}, "top 1 (semilla 0)"},
    Titulado{"Etiqueta", "a<b>c</b", {"Trazalia", "a\uFF1Cb>c\uFF1C/b"}, "a\uFF1Cb>c\uFF1C/b 1 (semilla 0)"},
    Titulado{"Prohibidos", "a\x01\tb\r\n\xEF\xBF\xBE\xEF\xBF\xBF\xED\xA0\x80\xff]]>c",
             {"Trazalia", "a  b  \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD]]>c"},
             "a  b  \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD]]>c 1 (semilla 0)"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

bool EsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// A title past Moodle's 255 characters: the category's name is cut to them at a character, and
// every question keeps a name of its own, as Moodle keeps it, in both formats.
TEST(MoodleTest, ALongTitleFitsTheColumnsAndKeepsTheNamesApart) {
    std::string largo;
    for (int i = 0; i < 60; ++i) largo += "€ñ ab";  // 300 characters, of 1 to 3 bytes
    for (const FormatoDeMoodle formato : {FormatoDeMoodle::Cloze, FormatoDeMoodle::Numerico}) {
        OpcionesDeHoja opciones;
        opciones.ejercicios = 12;
        opciones.semilla = std::numeric_limits<std::uint32_t>::max();
        opciones.titulo = largo;
        const Nodo quiz = Leido(opciones, formato);
        const std::vector<std::string> categorias =
            pruebas::CategoriasDeLaRuta(Texto(quiz.Hijos("question").at(0)->Hijo("category")));
        ASSERT_EQ(categorias.size(), 2u);
        EXPECT_EQ(pruebas::Caracteres(categorias[1]), 255u);
        EXPECT_TRUE(EsUtf8(categorias[1]));
        std::vector<std::string> nombres;
        for (const Nodo* q : Preguntas(quiz)) {
            const std::string escrito = Texto(q->Hijo("name"));
            EXPECT_EQ(pruebas::NombreQueGuarda(escrito), escrito);
            EXPECT_TRUE(EsUtf8(escrito));
            nombres.push_back(escrito);
        }
        ASSERT_EQ(nombres.size(), formato == FormatoDeMoodle::Cloze ? 12u : 24u);
        std::sort(nombres.begin(), nombres.end());
        EXPECT_EQ(std::unique(nombres.begin(), nombres.end()), nombres.end()) << Nombre(formato);
    }
}

struct Separado {
    const char* name;
    diagram::Traductor::Funcion traductor;
    pruebas::Paquete paquete;
    char separador;
    friend void PrintTo(const Separado& fila, std::ostream* os) { *os << fila.name; }
};

class SeparadorTest : public testing::TestWithParam<Separado> {};

// The bank's numbers carry its language's decimal separator, and the question says to type it.
// A student who types the answer so gets the credit from Moodle in that language; with the other
// separator, or with "°", Moodle asks for the response again.
TEST_P(SeparadorTest, TheStudentTypesTheLanguagesSeparator) {
    OpcionesDeHoja opciones;
    opciones.semilla = 8;
    opciones.ejercicios = 6;
    opciones.nivel = Nivel::Dificil;
    const char otro = GetParam().separador == ',' ? '.' : ',';
    for (const FormatoDeMoodle formato : {FormatoDeMoodle::Cloze, FormatoDeMoodle::Numerico}) {
        const Nodo quiz = Leido(opciones, formato, GetParam().traductor);
        const auto valores = Valores(quiz);
        const std::vector<const Nodo*> preguntas = Preguntas(quiz);
        const Hoja hoja = ComponerHoja(opciones);
        ASSERT_EQ(valores.size(), hoja.respuestas.size());
        for (std::size_t i = 0; i < valores.size(); ++i) {
            const Respuesta& clave = hoja.respuestas[i];
            const Nodo* pregunta = preguntas[formato == FormatoDeMoodle::Cloze ? i : 2 * i];
            EXPECT_NE(Texto(pregunta->Hijo("questiontext"))
                          .find(std::string("12") + GetParam().separador + "5"),
                      std::string::npos);
            const std::string solucion = Texto(pregunta->Hijo("generalfeedback"));
            const std::array<std::string, 2> lecturas{clave.lecturaR, clave.lecturaDireccion};
            for (std::size_t k = 0; k < 2; ++k) {
                std::string escrita = lecturas[k];
                std::replace(escrita.begin(), escrita.end(), '.', GetParam().separador);
                EXPECT_NE(solucion.find(escrita), std::string::npos) << solucion;
                const pruebas::Respuesta bien = pruebas::Responder(escrita, GetParam().paquete);
                ASSERT_TRUE(bien.completa && bien.valor) << escrita;
                EXPECT_EQ(pruebas::Calificar(valores[i][k], *bien.valor)->fraccion, 1) << escrita;
                if (escrita.find(GetParam().separador) != std::string::npos) {
                    std::string mal = escrita;
                    std::replace(mal.begin(), mal.end(), GetParam().separador, otro);
                    EXPECT_FALSE(pruebas::Responder(mal, GetParam().paquete).completa) << mal;
                }
                EXPECT_FALSE(pruebas::Responder(escrita + "°", GetParam().paquete).completa);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Moodle, SeparadorTest,
                         testing::Values(Separado{"Espanol", diagram::EnEspanol,
                                                  pruebas::kPaqueteEs, ','},
                                         Separado{"Ingles", Marcado, pruebas::kPaqueteEn, '.'}),
                         [](const auto& info) { return std::string(info.param.name); });

// Numerico asks each exercise's r and α in two numerical questions, with the blanks' answers,
// feedback and tolerance, no units, and names of their own.
TEST(MoodleTest, NumericalQuestionsAskWhatTheBlanksAsk) {
    OpcionesDeHoja opciones;
    opciones.semilla = 5;
    opciones.ejercicios = 7;
    const Nodo cloze = Leido(opciones);
    const Nodo numerico = Leido(opciones, FormatoDeMoodle::Numerico);
    const auto huecos = Valores(cloze);
    const auto valores = Valores(numerico);
    ASSERT_EQ(valores.size(), 7u);
    ASSERT_EQ(huecos.size(), 7u);
    const std::vector<const Nodo*> preguntas = Preguntas(numerico);
    ASSERT_EQ(preguntas.size(), 14u);
    for (std::size_t i = 0; i < 7; ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(Texto(preguntas[2 * i]->Hijo("name")),
                  "Suma de vectores " + n + ": r (semilla 5)");
        EXPECT_EQ(Texto(preguntas[2 * i + 1]->Hijo("name")),
                  "Suma de vectores " + n + ": α (semilla 5)");
        for (std::size_t k = 0; k < 2; ++k) {
            const Nodo* q = preguntas[2 * i + k];
            EXPECT_EQ(q->Atributo("type"), "numerical");
            EXPECT_EQ(q->Hijo("showunits")->texto, "3");
            EXPECT_EQ(q->Hijo("unitgradingtype")->texto, "0");
            const auto& a = valores[i][k].alternativas;
            const auto& b = huecos[i][k].alternativas;
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t j = 0; j < a.size(); ++j) {
                EXPECT_EQ(a[j].fraccion, b[j].fraccion);
                EXPECT_EQ(a[j].valor, b[j].valor);
                EXPECT_EQ(a[j].tolerancia, b[j].tolerancia);
                EXPECT_EQ(a[j].cualquiera, b[j].cualquiera);
                EXPECT_EQ(pruebas::TextoVisible(a[j].comentario),
                          pruebas::TextoVisible(pruebas::DecodificarEntidades(b[j].comentario)));
            }
        }
    }
}

// Two hints give "Interactive with multiple tries" its three tries: first the window's
// construction, then the mistakes the question's answers name; each wrong try costs a third.
TEST(MoodleTest, HintsGiveTheTries) {
    OpcionesDeHoja opciones;
    opciones.semilla = 21;
    opciones.ejercicios = 4;
    const std::vector<EjercicioDeHoja> ejercicios = EjerciciosDeHoja(21, Nivel::Medio, kAmbos, 4);
    for (const FormatoDeMoodle formato : {FormatoDeMoodle::Cloze, FormatoDeMoodle::Numerico}) {
        const Nodo quiz = Leido(opciones, formato);
        const std::vector<const Nodo*> preguntas = Preguntas(quiz);
        const auto valores = Valores(quiz);
        const std::size_t porEjercicio = formato == FormatoDeMoodle::Cloze ? 1 : 2;
        ASSERT_EQ(preguntas.size(), 4 * porEjercicio);
        for (std::size_t j = 0; j < preguntas.size(); ++j) {
            const std::size_t i = j / porEjercicio;
            const std::vector<const Nodo*> pistas = preguntas[j]->Hijos("hint");
            ASSERT_EQ(pistas.size(), 2u);
            EXPECT_EQ(preguntas[j]->Hijo("penalty")->texto, "0.3333333");
            EXPECT_EQ(pruebas::TextoVisible(Texto(pistas[0])),
                      Pista(Codigo::Otro, ejercicios[i].ventana));
            const std::string segunda = pruebas::TextoVisible(Texto(pistas[1]));
            for (const Codigo c : kErrores) {
                bool nombrado = false;
                for (std::size_t k = 0; k < 2; ++k) {
                    if (porEjercicio == 2 && k != j % 2) continue;
                    for (const AlternativaCloze& a : valores[i][k].alternativas)
                        nombrado |= pruebas::TextoVisible(
                                        pruebas::DecodificarEntidades(a.comentario)) == Frase(c);
                }
                EXPECT_EQ(segunda.find(NombreCorto(c)) != std::string::npos, nombrado)
                    << NombreCorto(c) << " in «" << segunda << "»";
            }
        }
    }
}

// 200 exercises in Cloze fit one file of Moodle's upload limit; the numerical questions, twice as
// many, go in numbered files, each within it and each with the category, every exercise's two
// questions together and all of them in order.
TEST(MoodleTest, ABankPastTheUploadLimitGoesInFilesWithinIt) {
    OpcionesDeHoja opciones;
    opciones.semilla = 2026;
    opciones.ejercicios = OpcionesDeHoja::kMaximoDeEjercicios;
    EXPECT_EQ(BancoDeMoodle(opciones).size(), 1u);
    EXPECT_LE(BancoDeMoodle(opciones).at(0).size(), kLimiteDeArchivo);
    for (const std::size_t limite : {kLimiteDeArchivo, std::size_t{60'000}}) {
        const std::vector<std::string> partes =
            BancoDeMoodle(opciones, FormatoDeMoodle::Numerico, diagram::EnEspanol, limite);
        ASSERT_GT(partes.size(), 1u) << limite;
        std::vector<std::string> nombres;
        for (const std::string& parte : partes) {
            EXPECT_LE(parte.size(), limite);
            const std::optional<Nodo> quiz = pruebas::LeerComoMoodle(parte);
            ASSERT_TRUE(quiz);
            EXPECT_EQ(Texto(quiz->Hijos("question").at(0)->Hijo("category")),
                      "$course$/top/Trazalia/ambos/medio");
            for (const Nodo* q : Preguntas(*quiz)) nombres.push_back(Texto(q->Hijo("name")));
            EXPECT_EQ(nombres.size() % 2, 0u);
        }
        ASSERT_EQ(nombres.size(), 400u);
        for (std::size_t i = 0; i < 200; ++i)
            EXPECT_EQ(nombres[2 * i + 1],
                      "Suma de vectores " + std::to_string(i + 1) + ": α (semilla 2026)");
    }
}

std::string DeBase64(std::string_view s) {
    constexpr std::string_view kAlfabeto =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    std::uint32_t v = 0;
    int bits = 0;
    for (const char c : s)  // the padding is no letter of the alphabet
        if (const auto at = kAlfabeto.find(c); at != std::string_view::npos) {
            v = v << 6 | static_cast<std::uint32_t>(at);
            if ((bits += 6) >= 8) bytes += static_cast<char>(v >> (bits -= 8) & 0xff);
        }
    return bytes;
}

// A text with its embedded picture, as Moodle's XML reader takes them: <text>, then <file> with
// its name, path and base64 content, referred to by an <img> of the picture's own size.
void ConSuImagen(const Nodo& campo, const std::string& nombre) {
    EXPECT_EQ(campo.Atributo("format"), "html");
    const Nodo* archivo = campo.Hijo("file");
    ASSERT_TRUE(archivo && campo.Hijo("text"));
    EXPECT_EQ(archivo->Atributo("name"), nombre);
    EXPECT_EQ(archivo->Atributo("path"), "/");
    EXPECT_EQ(archivo->Atributo("encoding"), "base64");
    const std::optional<Nodo> svg = pruebas::LeerXml(DeBase64(archivo->texto));
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->nombre, "svg");
    const std::string img = "<img src=\"@@PLUGINFILE@@/" + nombre + "\" width=\"" +
                            svg->Atributo("width") + "\" height=\"" + svg->Atributo("height") +
                            "\"";
    EXPECT_NE(Texto(&campo).find(img), std::string::npos) << img;
}

// The answers worth 100 % are the worksheet's key for the same options.
TEST(MoodleTest, AnswersAreTheWorksheetsKey) {
    for (const Pregunta pregunta : {Pregunta::Resultante, Pregunta::Equilibrante}) {
        OpcionesDeHoja opciones;
        opciones.semilla = 2024;
        opciones.ejercicios = OpcionesDeHoja::kMaximoDeEjercicios;
        opciones.nivel = Nivel::Dificil;
        opciones.pregunta = pregunta;
        const Hoja hoja = ComponerHoja(opciones);
        const auto valores = Valores(Leido(opciones));
        ASSERT_EQ(valores.size(), hoja.respuestas.size());
        for (std::size_t i = 0; i < valores.size(); ++i) {
            const Respuesta& clave = hoja.respuestas[i];
            EXPECT_EQ(valores[i][0].alternativas[0].valor, canvas::LeerReal(clave.lecturaR)) << i;
            EXPECT_EQ(valores[i][1].alternativas[0].valor, canvas::LeerReal(clave.lecturaDireccion))
                << i;
            EXPECT_NEAR(valores[i][0].alternativas[0].tolerancia, Tolerancia(clave.r), 0.005) << i;
        }
    }
}

// The line segments of an SVG's paths in order, in whole twips: "M x y", "m dx dy", "l", "h" and
// "v" as the compact writer uses them; an arc only moves the pen.
std::vector<std::array<long, 4>> Segmentos(const Nodo& svg) {
    std::vector<std::array<long, 4>> v;
    for (const Nodo* path : svg.Hijos("path")) {
        const std::string d = path->Atributo("d");
        long x = 0, y = 0;
        std::size_t i = 0;
        const auto numero = [&]() {
            while (i < d.size() && d[i] == ' ') ++i;
            std::size_t fin = i + (d[i] == '-' ? 1 : 0);
            while (fin < d.size() && ((d[fin] >= '0' && d[fin] <= '9') || d[fin] == '.')) ++fin;
            const double n = *canvas::LeerReal(d.substr(i, fin - i));
            i = fin;
            return std::lround(n);
        };
        while (i < d.size()) {
            const char c = d[i++];
            long dx = 0, dy = 0;
            if (c == 'M') {
                x = numero();
                y = numero();
                continue;
            }
            if (c == 'm' || c == 'l') {
                dx = numero();
                dy = numero();
            } else if (c == 'h') {
                dx = numero();
            } else if (c == 'v') {
                dy = numero();
            } else if (c == 'a') {
                for (int k = 0; k < 5; ++k) numero();
                dx = numero();
                dy = numero();
            } else {
                ADD_FAILURE() << "orden «" << c << "» en " << d;
                return v;
            }
            if (c != 'm' && c != 'a') v.push_back({x, y, x + dx, y + dy});
            x += dx;
            y += dy;
        }
    }
    return v;
}

// The question's picture is the window's at the fixed scale: each line of the display list is a
// line of the SVG, in the same order, at the same twips to the nearest one.
TEST(MoodleTest, ThePictureIsEmbeddedAndDrawsTheWindowsLines) {
    for (const std::uint32_t semilla : {3U, 4U, 5U}) {
        OpcionesDeHoja opciones;
        opciones.semilla = semilla;
        opciones.ejercicios = 2;
        const Nodo quiz = Leido(opciones);
        const std::vector<EjercicioDeHoja> ejercicios =
            EjerciciosDeHoja(semilla, Nivel::Medio, kAmbos, 2);
        for (std::size_t i = 0; i < 2; ++i)
            for (const Trazado trazado : {Trazado::Vectores, Trazado::Construccion}) {
                const char* campo =
                    trazado == Trazado::Vectores ? "questiontext" : "generalfeedback";
                ConSuImagen(*Preguntas(quiz)[i]->Hijo(campo),
                            std::string(trazado == Trazado::Vectores ? "ejercicio-" : "solucion-") +
                                std::to_string(i + 1) + ".svg");
                const std::optional<Nodo> svg = pruebas::LeerXml(
                    DeBase64(Preguntas(quiz)[i]->Hijo(campo)->Hijo("file")->texto));
                ASSERT_TRUE(svg);
                canvas::Picture Picture1(kAnchoDePicture1, kAltoDePicture1);
                Dibujar(ejercicios[i].ventana, ejercicios[i].vectores, Picture1, trazado,
                        diagram::Escalado::Fija);
                std::vector<std::array<long, 4>> lineas;
                for (const canvas::Op& op : Picture1.ops())
                    if (const auto* l = std::get_if<canvas::LineOp>(&op); l && l->from != l->to)
                        lineas.push_back({std::lround(l->from.x), std::lround(l->from.y),
                                          std::lround(l->to.x), std::lround(l->to.y)});
                ASSERT_GT(lineas.size(), 10u);
                EXPECT_EQ(Segmentos(*svg), lineas) << semilla << ' ' << campo;
            }
    }
}

}  // namespace
}  // namespace trazalia::practice
