// SPDX-License-Identifier: GPL-3.0-or-later
// The question bank read back as Moodle reads it: its XML by expat, its blanks by a model of
// Moodle's Cloze grammar and numerical grading (cloze_modelo.*), its pictures as SVG; graded
// against practice's own verdicts.

#include "practice/moodle.h"
#include "practice/generador.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "canvas/numeros.h"
#include "canvas/tests/xml_lector.h"
#include "practice/respuesta.h"
#include "practice/tests/cloze_modelo.h"
#include "practice/veredicto.h"

namespace trazalia::practice {
namespace {

using pruebas::AlternativaCloze;
using pruebas::HuecoCloze;
using pruebas::Nodo;

// A "translation" made of everything a text must survive: braces that would make a blank, the
// Cloze grammar's own characters, markup and the end of a CDATA section.
std::string Raro(const char*, const char* texto, int) {
    return std::string("{1:NM:=1} }#~\\\"/&<b>]]> ") + texto;
}

// The text as a browser shows the HTML Moodle stores.
std::string Mostrado(const std::string& html) { return pruebas::DecodificarEntidades(html); }

std::string Traducida(diagram::Traductor t, std::string_view texto) {
    return t(diagram::kContexto, std::string(texto).c_str());
}

std::vector<HuecoCloze> Huecos(const Nodo& pregunta) {
    const auto huecos = pruebas::LeerCloze(pregunta.Hijo("questiontext")->Hijo("text")->texto);
    if (const auto* error = std::get_if<std::string>(&huecos)) {
        ADD_FAILURE() << *error;
        return {};
    }
    return std::get<std::vector<HuecoCloze>>(huecos);
}

std::vector<const Nodo*> Preguntas(const Nodo& quiz) {
    std::vector<const Nodo*> v;
    for (const Nodo* q : quiz.Hijos("question"))
        if (q->Atributo("type") == "cloze") v.push_back(q);
    return v;
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
std::optional<double> EnElHueco(const Objetivo& o, bool direccion) {
    return direccion ? o.direccion : o.r;
}

struct Barrido {
    Nivel nivel;
    Metodo metodo;
};

class MoodleBarridoTest : public testing::TestWithParam<Barrido> {};

// For 200 seeds: the answer gets 100 % on both blanks, each mistake's guess that practice names
// so gets that mistake's sentence on every blank it changes, a near miss mostly its own, and a far
// guess the hint.
TEST_P(MoodleBarridoTest, GradesAsPracticeJudges) {
    const diagram::Traductor t(Raro);
    std::mt19937 azar(7);
    int propios = 0, cercanos = 0, casis = 0;
    for (std::uint32_t semilla = 0; semilla < 200; ++semilla) {
        OpcionesDeHoja opciones;
        opciones.nivel = GetParam().nivel;
        opciones.metodo = GetParam().metodo;
        opciones.semilla = semilla;
        opciones.ejercicios = GetParam().metodo == Metodo::Ambos ? 2 : 1;
        const std::optional<Nodo> quiz = pruebas::LeerXml(BancoDeMoodle(opciones, t));
        ASSERT_TRUE(quiz) << semilla;
        const std::vector<const Nodo*> preguntas = Preguntas(*quiz);
        const std::vector<EjercicioDeHoja> ejercicios =
            EjerciciosDeHoja(semilla, opciones.nivel, opciones.metodo, opciones.ejercicios);
        ASSERT_EQ(preguntas.size(), ejercicios.size());
        for (std::size_t i = 0; i < ejercicios.size(); ++i) {
            const EjercicioDeHoja& e = ejercicios[i];
            SCOPED_TRACE(testing::Message()
                         << "semilla " << semilla << ", " << Enunciado(e.vectores));
            const std::vector<HuecoCloze> huecos = Huecos(*preguntas[i]);
            ASSERT_EQ(huecos.size(), 2u);
            const Respuesta respuesta = RespuestaDe(e.ventana, e.vectores);
            const double alfa = *respuesta.direccion;
            const auto nota = [&](bool direccion, double valor) {
                const AlternativaCloze* a = pruebas::Calificar(huecos[direccion ? 1 : 0], valor);
                return a ? a->fraccion : -1;
            };
            // Practice accepts a direction within 5° either way, across 0° too.
            EXPECT_EQ(nota(false, respuesta.r), 1);
            for (const double d : {0.0, -4.9, 4.9})
                EXPECT_EQ(nota(true, EnUnaVuelta(alfa + d)), 1) << d;
            // Nearly two tolerances off: a near miss, no credit, told so unless a mistake of
            // that value on this blank alone comes first.
            for (const double lado : {-1.8, 1.8}) {
                const auto casi = [&](bool direccion, double valor) {
                    const AlternativaCloze* a =
                        pruebas::Calificar(huecos[direccion ? 1 : 0], valor);
                    ASSERT_TRUE(a && !a->cualquiera);
                    EXPECT_EQ(a->fraccion, 0);
                    ++cercanos;
                    casis += Mostrado(a->comentario)
                                 .ends_with(Traducida(t, Pista(Codigo::Casi, e.ventana)));
                };
                casi(false, respuesta.r + lado * Tolerancia(respuesta.r));
                casi(true, EnUnaVuelta(alfa + lado * kToleranciaGrados));
            }

            for (int c = static_cast<int>(Codigo::SumaDeModulos);
                 c < static_cast<int>(Codigo::Otro); ++c) {
                const auto codigo = static_cast<Codigo>(c);
                for (const Objetivo& o : Objetivos(codigo, e.ventana, e.vectores, respuesta)) {
                    const Intento intento{o.r.value_or(respuesta.r), o.direccion.value_or(alfa)};
                    if (Clasificar(e.ventana, e.vectores, respuesta, intento) !=
                        Clasificacion{codigo})
                        continue;
                    for (const bool direccion : {false, true}) {
                        if (!EnElHueco(o, direccion)) continue;
                        const double valor = direccion ? EnUnaVuelta(intento.direccion) : intento.r;
                        const double lejos =
                            direccion ? Separacion(valor, alfa) - kToleranciaGrados
                                      : std::abs(valor - respuesta.r) - Tolerancia(respuesta.r);
                        // Within a hundredth of the answer's bounds, the rounding of what is
                        // written decides.
                        if (std::abs(lejos) < 0.01) continue;
                        const AlternativaCloze* a =
                            pruebas::Calificar(huecos[direccion ? 1 : 0], valor);
                        ASSERT_TRUE(a);
                        if (lejos < 0) {
                            EXPECT_EQ(a->fraccion, 1) << Nombre(codigo);
                            continue;
                        }
                        EXPECT_EQ(a->fraccion, 0) << Nombre(codigo);
                        EXPECT_FALSE(a->cualquiera) << Nombre(codigo);
                        // Another mistake of the same value on this blank may come first.
                        std::vector<std::string> posibles{Traducida(t, Frase(codigo))};
                        for (int otro = c - 1; otro > static_cast<int>(Codigo::Acierto); --otro)
                            for (const Objetivo& p : Objetivos(static_cast<Codigo>(otro), e.ventana,
                                                               e.vectores, respuesta))
                                if (const auto v = EnElHueco(p, direccion);
                                    v &&
                                    (direccion ? Separacion(*v, valor) <= kToleranciaGrados + 0.01
                                               : std::abs(*v - valor) <= Tolerancia(*v) + 0.01))
                                    posibles.push_back(
                                        Traducida(t, Frase(static_cast<Codigo>(otro))));
                        const std::string visto = Mostrado(a->comentario);
                        EXPECT_NE(std::find(posibles.begin(), posibles.end(), visto),
                                  posibles.end())
                            << Nombre(codigo) << ": " << visto;
                        propios += visto == posibles[0];
                    }
                }
            }
            std::uniform_real_distribution<double> lejano(1000, 5000);
            for (const bool direccion : {false, true}) {
                const AlternativaCloze* a =
                    pruebas::Calificar(huecos[direccion ? 1 : 0], lejano(azar));
                ASSERT_TRUE(a && a->cualquiera);
                EXPECT_EQ(a->fraccion, 0);
                EXPECT_EQ(Mostrado(a->comentario), Traducida(t, Pista(Codigo::Otro, e.ventana)));
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
    Barrido{Nivel::Facil, Metodo::Paralelogramo}, Barrido{Nivel::Facil, Metodo::Poligono},
    Barrido{Nivel::Facil, Metodo::Ambos}, Barrido{Nivel::Medio, Metodo::Paralelogramo},
    Barrido{Nivel::Medio, Metodo::Poligono}, Barrido{Nivel::Medio, Metodo::Ambos},
    Barrido{Nivel::Dificil, Metodo::Paralelogramo}, Barrido{Nivel::Dificil, Metodo::Poligono},
    Barrido{Nivel::Dificil, Metodo::Ambos}),
    [](const auto& info) {
        return std::string(Nombre(info.param.nivel)) + "_" + std::string(Nombre(info.param.metodo));
    });
// clang-format on

std::string DeBase64(std::string_view s) {
    std::string bytes;
    std::uint32_t v = 0;
    int bits = 0;
    for (const char c : s) {
        const auto at =
            std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
                .find(c);
        if (at == std::string_view::npos) continue;  // padding
        v = v << 6 | static_cast<std::uint32_t>(at);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>(v >> bits & 0xff);
        }
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
    EXPECT_NE(campo.Hijo("text")->texto.find(img), std::string::npos) << img;
}

TEST(MoodleTest, ACategoryThenOneClozeQuestionPerExerciseWithItsPictures) {
    OpcionesDeHoja opciones;
    opciones.semilla = 5;
    opciones.ejercicios = 3;
    const std::optional<Nodo> quiz = pruebas::LeerXml(BancoDeMoodle(opciones));
    ASSERT_TRUE(quiz);
    EXPECT_EQ(quiz->nombre, "quiz");
    ASSERT_GE(quiz->hijos.size(), 1u);
    const Nodo& categoria = quiz->hijos[0];
    EXPECT_EQ(categoria.Atributo("type"), "category");
    EXPECT_EQ(categoria.Hijo("category")->Hijo("text")->texto, "$course$/top/Trazalia/ambos/medio");
    const std::vector<const Nodo*> preguntas = Preguntas(*quiz);
    ASSERT_EQ(preguntas.size(), 3u);
    ASSERT_EQ(quiz->hijos.size(), 4u);
    const std::vector<EjercicioDeHoja> ejercicios =
        EjerciciosDeHoja(5, Nivel::Medio, Metodo::Ambos, 3);
    for (std::size_t i = 0; i < preguntas.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(preguntas[i]->Hijo("name")->Hijo("text")->texto,
                  "Suma de vectores " + n + " (semilla 5)");
        ConSuImagen(*preguntas[i]->Hijo("questiontext"), "ejercicio-" + n + ".svg");
        ConSuImagen(*preguntas[i]->Hijo("generalfeedback"), "solucion-" + n + ".svg");
        EXPECT_NE(preguntas[i]
                      ->Hijo("questiontext")
                      ->Hijo("text")
                      ->texto.find(Enunciado(ejercicios[i].vectores)),
                  std::string::npos);
    }
}

TEST(MoodleTest, ATitleNamesTheCategoryAndTheQuestions) {
    OpcionesDeHoja opciones;
    opciones.ejercicios = 1;
    opciones.titulo = "3º/B <x> & ]]>\t\xff";
    const std::optional<Nodo> quiz = pruebas::LeerXml(BancoDeMoodle(opciones));
    ASSERT_TRUE(quiz);
    EXPECT_EQ(quiz->hijos[0].Hijo("category")->Hijo("text")->texto,
              "$course$/top/Trazalia/3º//B <x> & ]]> \uFFFD");
    EXPECT_EQ(Preguntas(*quiz)[0]->Hijo("name")->Hijo("text")->texto,
              "3º/B <x> & ]]> \uFFFD 1 (semilla 0)");
}

TEST(MoodleTest, SameOptionsSameBytes) {
    OpcionesDeHoja opciones;
    opciones.semilla = 77;
    opciones.ejercicios = 4;
    const std::string banco = BancoDeMoodle(opciones);
    EXPECT_EQ(BancoDeMoodle(opciones), banco);
    opciones.semilla = 78;
    EXPECT_NE(BancoDeMoodle(opciones), banco);
}

// The answers worth 100 % are the worksheet's key for the same options.
TEST(MoodleTest, AnswersAreTheWorksheetsKey) {
    OpcionesDeHoja opciones;
    opciones.semilla = 2024;
    opciones.ejercicios = OpcionesDeHoja::kMaximoDeEjercicios;
    opciones.nivel = Nivel::Dificil;
    const Hoja hoja = ComponerHoja(opciones);
    const std::optional<Nodo> quiz = pruebas::LeerXml(BancoDeMoodle(opciones));
    ASSERT_TRUE(quiz);
    const std::vector<const Nodo*> preguntas = Preguntas(*quiz);
    ASSERT_EQ(preguntas.size(), hoja.respuestas.size());
    for (std::size_t i = 0; i < preguntas.size(); ++i) {
        const std::vector<HuecoCloze> huecos = Huecos(*preguntas[i]);
        ASSERT_EQ(huecos.size(), 2u);
        const Respuesta& clave = hoja.respuestas[i];
        EXPECT_EQ(huecos[0].alternativas[0].valor, canvas::LeerReal(clave.lecturaR)) << i;
        EXPECT_EQ(huecos[1].alternativas[0].valor, canvas::LeerReal(clave.lecturaDireccion)) << i;
        EXPECT_NEAR(huecos[0].alternativas[0].tolerancia, Tolerancia(clave.r), 0.005) << i;
    }
}

// The question's picture is the window's at the fixed scale: each line of the display list is a
// line of the SVG, at the same twips.
TEST(MoodleTest, ThePictureDrawsTheWindowsLines) {
    OpcionesDeHoja opciones;
    opciones.semilla = 3;
    opciones.ejercicios = 1;
    opciones.metodo = Metodo::Paralelogramo;
    const std::optional<Nodo> quiz = pruebas::LeerXml(BancoDeMoodle(opciones));
    ASSERT_TRUE(quiz);
    const std::optional<Nodo> svg =
        pruebas::LeerXml(DeBase64(Preguntas(*quiz)[0]->Hijo("questiontext")->Hijo("file")->texto));
    ASSERT_TRUE(svg);
    canvas::Picture Picture1(kAnchoDePicture1, kAltoDePicture1);
    Dibujar(Ventana::Form2, EjerciciosDeHoja(3, Nivel::Medio, Metodo::Paralelogramo, 1)[0].vectores,
            Picture1, Trazado::Vectores, diagram::Escalado::Fija);
    std::vector<const canvas::LineOp*> lineas;
    for (const canvas::Op& op : Picture1.ops())
        if (const auto* l = std::get_if<canvas::LineOp>(&op); l && l->from != l->to)
            lineas.push_back(l);
    const std::vector<const Nodo*> dibujadas = svg->Hijos("line");
    ASSERT_EQ(dibujadas.size(), lineas.size());
    ASSERT_GT(lineas.size(), 10u);
    const auto leer = [](const Nodo* n, const char* a) {
        return *canvas::LeerReal(n->Atributo(a));
    };
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        EXPECT_FLOAT_EQ(leer(dibujadas[i], "x1"), lineas[i]->from.x) << i;
        EXPECT_FLOAT_EQ(leer(dibujadas[i], "y1"), lineas[i]->from.y) << i;
        EXPECT_FLOAT_EQ(leer(dibujadas[i], "x2"), lineas[i]->to.x) << i;
        EXPECT_FLOAT_EQ(leer(dibujadas[i], "y2"), lineas[i]->to.y) << i;
    }
}

}  // namespace
}  // namespace trazalia::practice
