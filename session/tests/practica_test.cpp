// SPDX-License-Identifier: GPL-3.0-or-later
// Practice in the core: the entry each exercise leaves for the record however it ends, numbers as
// a student types them, and the guess drawn at the scale of the answer it is judged against.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "diagram/marco.h"
#include "practice/intento.h"
#include "practice/registro.h"
#include "practice/respuesta.h"
#include "session/errores.h"
#include "session/guion.h"
#include "session/sesion.h"
#include "session/tests/por_lineas.h"

namespace trazalia::session {
namespace {

using pruebas::Ejecutar;

using pruebas::Asientos;

struct Salida {
    const char* nombre;
    std::vector<const char*> antes;
    const char* linea;
    // The entries' codes; "veredicto" for a guess judged.
    std::vector<std::string> codigos;
};

void PrintTo(const Salida& s, std::ostream* os) { *os << s.nombre; }

class SalidaTest : public ::testing::TestWithParam<Salida> {};

// An exercise ends in one entry, whatever ends it; one left or revealed without a guess has none,
// and keeps the exercise and level it was set at.
TEST_P(SalidaTest, EachExerciseLeavesOneEntry) {
    Sesion s;
    s.Iniciar();
    for (const char* l : GetParam().antes) ASSERT_EQ(Ejecutar(s, l), "") << l;
    const std::string ventana(Palabras(GetParam().linea)[1].substr(0, 5));
    const Practica& p = s.metodo(ventana)->practica();
    const practice::Ejercicio ejercicio = p.ejercicio();
    const practice::Nivel nivel = p.nivel();
    Asientos oyente;
    s.AgregarObservador(oyente);
    EXPECT_EQ(Ejecutar(s, GetParam().linea), "");
    s.QuitarObservador(oyente);
    std::vector<std::string> codigos;
    for (const practice::Asiento& a : oyente.asientos) {
        codigos.push_back(a.intento ? "veredicto" : practice::Nombre(a.codigo));
        EXPECT_EQ(a.vectores, ejercicio);
        EXPECT_EQ(a.nivel, nivel);
        EXPECT_EQ(a.intento.has_value(), !practice::SinIntento(a.codigo.codigo));
    }
    EXPECT_EQ(codigos, GetParam().codigos);
}

INSTANTIATE_TEST_SUITE_P(
    Maneras, SalidaTest,
    ::testing::Values(
        Salida{"OtroEjercicio",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "practice Form2 next",
               {"saltado"}},
        Salida{"OtroNivel",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "level Form2 facil",
               {"saltado"}},
        Salida{"Apagada",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "practice Form2 off",
               {"saltado"}},
        Salida{"EncendidaOtraVez",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "practice Form2 on 9 dificil",
               {"saltado"}},
        Salida{"ComprobadaSinIntento",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "practice Form2 check",
               {"sin-respuesta"}},
        Salida{"GraficadaSinIntento",
               {"click Form1.Command1", "practice Form2 on 7 medio"},
               "click Form2.Command1",
               {"sin-respuesta"}},
        Salida{"PasoSinIntento",
               {"click Form1.Command2", "practice Form3 on 11 facil"},
               "set Form3.HScroll7 2",
               {"sin-respuesta"}},
        Salida{"MedioIntentoNoEsIntento",
               {"click Form1.Command1", "practice Form2 on 7 medio", "key Form2.Label10 4 2 Tab"},
               "practice Form2 check",
               {"sin-respuesta"}},
        Salida{"Juzgada",
               {"click Form1.Command1", "practice Form2 on 7 medio", "guess Form2 1 0"},
               "practice Form2 check",
               {"veredicto"}},
        Salida{"OtroTrasComprobar",
               {"click Form1.Command1", "practice Form2 on 7 medio", "practice Form2 check"},
               "practice Form2 next",
               {}},
        Salida{"ApagadaTrasComprobar",
               {"click Form1.Command2", "practice Form3 on 11 facil", "guess Form3 1 0",
                "set Form3.HScroll7 2"},
               "practice Form3 off",
               {}},
        Salida{"ElPasoSiguienteNoVuelveAJuzgar",
               {"click Form1.Command2", "practice Form3 on 11 facil", "set Form3.HScroll7 2"},
               "set Form3.HScroll7 3",
               {}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A number as a student writes it: a lone comma is the decimal point.
struct Leido {
    const char* texto;
    std::optional<double> valor;
};

void PrintTo(const Leido& l, std::ostream* os) { *os << l.texto; }

class LeerDecimalTest : public ::testing::TestWithParam<Leido> {};

TEST_P(LeerDecimalTest, ReadsAPointOrALoneComma) {
    EXPECT_EQ(errores::LeerDecimal(GetParam().texto), GetParam().valor) << GetParam().texto;
}

INSTANTIATE_TEST_SUITE_P(Textos, LeerDecimalTest,
                         ::testing::Values(Leido{"271,2", 271.2}, Leido{"271.2", 271.2},
                                           Leido{",5", 0.5}, Leido{"-5", -5.0},
                                           Leido{"1,234.5", std::nullopt},
                                           Leido{"1.234,5", std::nullopt},
                                           Leido{"2,9,7", std::nullopt}, Leido{",", std::nullopt}));

// Each way a guess is typed takes a decimal comma, and gives a negative magnitude the range's
// refusal, as one too long gets it (the keys, in the script practica_coma).
struct Tecleo {
    const char* nombre;
    std::vector<const char*> lineas;
    std::optional<practice::Intento> intento;
    const char* error;  // the last line's
};

void PrintTo(const Tecleo& t, std::ostream* os) { *os << t.nombre; }

class TecleoTest : public ::testing::TestWithParam<Tecleo> {};

TEST_P(TecleoTest, TheGuessIsTheNumberTyped) {
    Sesion s;
    s.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(s, "click Form1.Command2"), "");
    ASSERT_EQ(pruebas::Ejecutar(s, "practice Form3 on 11 facil"), "");
    std::string error;
    for (const char* l : GetParam().lineas) error = Ejecutar(s, l);
    const Practica& p = s.metodo("Form3")->practica();
    ASSERT_EQ(p.intento().has_value(), GetParam().intento.has_value());
    if (GetParam().intento) {
        EXPECT_DOUBLE_EQ(p.intento()->r, GetParam().intento->r);
        EXPECT_DOUBLE_EQ(p.intento()->direccion, GetParam().intento->direccion);
    }
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Maneras, TecleoTest,
    ::testing::Values(
        Tecleo{"Orden", {"guess Form3 271,2 12,5"}, practice::Intento{271.2, 12.5}, ""},
        Tecleo{"Escrito",
               {"write Form3.Label14 271,2", "write Form3.Label16 12,5"},
               practice::Intento{271.2, 12.5},
               ""},
        Tecleo{"OrdenNegativa",
               {"guess Form3 -5 10"},
               std::nullopt,
               "magnitud fuera de rango «-5»: va de 0 a 300"},
        Tecleo{"AmbiguaNoEsNumero",
               {"guess Form3 1.234,5 10"},
               std::nullopt,
               "magnitud no válida «1.234,5»: se esperaba un número como 87.5"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A bar takes a whole number: a decimal comma is refused there as the point is.
TEST(EscritoEnBarra, ADecimalCommaIsRefusedAsThePointIs) {
    Sesion s;
    s.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(s, "click Form1.Command1"), "");
    EXPECT_EQ(pruebas::Ejecutar(s, "write Form2.HScroll3 271,2"),
              "valor no válido «271,2»: se esperaba un número entero");
    EXPECT_EQ(pruebas::Ejecutar(s, "write Form2.HScroll3 271.2"),
              "valor no válido «271.2»: se esperaba un número entero");
    EXPECT_EQ(s.metodo("Form2")->HScroll(3), 0);
}

// Once the answer is shown, the guess and the answer are drawn to one scale: each drawn to its
// own length, and the axes reach the longer, as far as the window's own figure or further.
struct Escalas {
    const char* nombre;
    std::string_view ventana;
    double veces;  // the guess's magnitude, in answers
    bool fija = false;
};

void PrintTo(const Escalas& e, std::ostream* os) { *os << e.nombre; }

class EscalaDelIntentoTest : public ::testing::TestWithParam<Escalas> {};

// A point of the picture as a length in the units of its axes.
double Largo(const VentanaMetodo& v, canvas::Point p) {
    const diagram::Resultado& d = *v.dibujo();
    const diagram::Punto u = diagram::EnUnidades({p.x, p.y}, v.picture().Width(),
                                                 v.picture().Height(), d.Escala, d.escalado);
    return std::hypot(u.x, u.y);
}

TEST_P(EscalaDelIntentoTest, TheRevealDrawsTheGuessToScaleBesideTheAnswer) {
    const Escalas e = GetParam();
    const bool form2 = e.ventana == "Form2";
    const std::string nombre = form2 ? "Form2" : "Form3";
    Sesion s;
    s.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(s, form2 ? "click Form1.Command1" : "click Form1.Command2"), "");
    ASSERT_EQ(
        pruebas::Ejecutar(s, std::string("view ") + nombre + " fixed " + (e.fija ? "on" : "off")),
        "");
    ASSERT_EQ(pruebas::Ejecutar(s, std::string("practice ") + nombre + " on 7 medio"), "");
    const VentanaMetodo& v = *s.metodo(nombre);
    const practice::Respuesta respuesta =
        practice::RespuestaDe(v.practica().cual(), v.practica().ejercicio());
    const double r =
        std::min(e.veces * respuesta.r, practice::ModuloMaximoDelIntento(v.practica().cual()));
    ASSERT_TRUE(s.metodo(nombre)->practica().Adivinar({r, 10}));
    ASSERT_EQ(pruebas::Ejecutar(s, std::string("practice ") + nombre + " check"), "");

    // The same vectors shown without practice: the window's own scale.
    Sesion sola;
    sola.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(sola, form2 ? "click Form1.Command1" : "click Form1.Command2"), "");
    ASSERT_EQ(pruebas::Ejecutar(
                  sola, std::string("view ") + nombre + " fixed " + (e.fija ? "on" : "off")),
              "");
    const int n = v.vectores();
    for (int i = 1; i <= 2 * n; ++i)
        ASSERT_EQ(
            pruebas::Ejecutar(sola, std::string("set ") + nombre + ".HScroll" + std::to_string(i) +
                                        " " + std::to_string(v.HScroll(i))),
            "");
    ASSERT_EQ(form2 ? pruebas::Ejecutar(sola, "click Form2.Command1")
                    : pruebas::Ejecutar(
                          sola, std::string("set Form3.HScroll7 ") + std::to_string(v.HScroll(7))),
              "");
    const double propia = sola.metodo(nombre)->dibujo()->Escala;
    const double mayor = std::max(propia, r);
    EXPECT_DOUBLE_EQ(v.dibujo()->Escala, e.fija ? diagram::EscalaFijaPara(mayor) : mayor);

    std::optional<double> guess;
    for (const canvas::Op& op : v.picture().ops())
        if (const auto* l = std::get_if<canvas::LineOp>(&op); l && l->dashed)
            guess = Largo(v, l->to);
    ASSERT_TRUE(guess);
    EXPECT_NEAR(*guess, r, 0.01);
    const auto resultante = std::find_if(v.dibujo()->trazos.begin(), v.dibujo()->trazos.end(),
                                         [](const diagram::Trazo& t) { return t.vector == 0; });
    ASSERT_NE(resultante, v.dibujo()->trazos.end());
    EXPECT_NEAR(Largo(v, {static_cast<float>(resultante->hasta.x),
                          static_cast<float>(resultante->hasta.y)}),
                respuesta.r, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Ventanas, EscalaDelIntentoTest,
                         ::testing::Values(Escalas{"ParalelogramoLargo", "Form2", 4},
                                           Escalas{"PoligonoLargo", "Form3", 4},
                                           Escalas{"ParalelogramoCorto", "Form2", 0.5},
                                           Escalas{"PoligonoCorto", "Form3", 0.5},
                                           Escalas{"FijaLargo", "Form2", 4, true}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Once the vectors change after a verdict, the guess and what it said were for other vectors: the
// picture and its description drop them.
TEST(VeredictoTest, NewVectorsDropTheOldGuess) {
    Sesion s;
    s.Iniciar();
    for (const char* l : {"click Form1.Command1", "practice Form2 on 7 medio", "guess Form2 50 10",
                          "practice Form2 check", "set Form2.HScroll1 7"})
        ASSERT_EQ(Ejecutar(s, l), "") << l;
    const VentanaMetodo& v = *s.metodo("Form2");
    EXPECT_FALSE(v.practica().intento());
    EXPECT_EQ(v.Descripcion().find("Su resultante"), std::string::npos) << v.Descripcion();
    for (const canvas::Op& op : v.picture().ops()) {
        if (const auto* l = std::get_if<canvas::LineOp>(&op)) {
            EXPECT_FALSE(l->dashed);
        }
    }
}

// A face that shows practice's texts beside the picture gets them all there, and the picture none,
// whether its windows were made before it asked or after.
TEST(TextosAparteTest, TheInstructionAndTheVerdictLeaveThePicture) {
    for (const bool antes : {true, false}) {
        Sesion s;
        s.Iniciar();
        if (antes) s.PonerTextosDePracticaEnElDibujo(false);
        ASSERT_EQ(Ejecutar(s, "click Form1.Command1"), "");
        if (!antes) s.PonerTextosDePracticaEnElDibujo(false);
        const VentanaMetodo& v = *s.metodo("Form2");
        const auto textos = [&v] {
            return std::count_if(
                v.picture().ops().begin(), v.picture().ops().end(),
                [](const canvas::Op& op) { return std::holds_alternative<canvas::TextOp>(op); });
        };
        ASSERT_EQ(Ejecutar(s, "practice Form2 on 7 medio"), "");
        EXPECT_NE(v.practica().Descripcion().find("Arrastre desde el origen"), std::string::npos);
        EXPECT_EQ(textos(), 0) << antes;
        for (const char* l : {"guess Form2 50 10", "practice Form2 check"})
            ASSERT_EQ(Ejecutar(s, l), "") << l;
        EXPECT_NE(v.practica().Descripcion().find("Su resultante"), std::string::npos);
        EXPECT_EQ(textos(), 0) << antes;
    }
}

// Enter in r or α checks the guess once both of its values are given; with one, it waits.
struct Intro {
    const char* nombre;
    std::vector<const char*> lineas;
    bool revelado;
    const char* error;  // the last line's
};

void PrintTo(const Intro& i, std::ostream* os) { *os << i.nombre; }

class IntroEnLaLecturaTest : public ::testing::TestWithParam<Intro> {};

TEST_P(IntroEnLaLecturaTest, ChecksTheGuessOnceBothValuesAreGiven) {
    Sesion s;
    s.Iniciar();
    ASSERT_EQ(Ejecutar(s, "click Form1.Command1"), "");
    ASSERT_EQ(Ejecutar(s, "practice Form2 on 7 medio"), "");
    std::string error;
    for (const char* l : GetParam().lineas) error = Ejecutar(s, l);
    EXPECT_EQ(s.metodo("Form2")->practica().revelado(), GetParam().revelado);
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lecturas, IntroEnLaLecturaTest,
    ::testing::Values(Intro{"EnAlfa",
                            {"key Form2.Label10 4 2 Return", "key Form2.Label12 3 0 Return Return"},
                            true,
                            ""},
                      Intro{"EnR", {"guess Form2 42 30", "key Form2.Label10 Enter"}, true, ""},
                      Intro{"SoloR",
                            {"key Form2.Label10 4 2 Return Return"},
                            false,
                            "la tecla «Return» no hace nada en Form2.Label10"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace trazalia::session

namespace trazalia::session {
namespace {

// A path's entries carry its state; resumed from the last one, in a new session, it sets the
// exercise it would have set next. A state that cannot be read, or another window's, is refused.
TEST(CaminoRetomadoTest, TheLastEntrysStateSetsTheSameNextExercise) {
    Sesion s;
    s.Iniciar();
    pruebas::Asientos oyente;
    s.AgregarObservador(oyente);
    for (const char* l : {"click Form1.Command1", "camino Form2 on 7 medio",
                          "guess Form2 74.7 350.4", "click Form2.Command1", "practice Form2 next"})
        ASSERT_EQ(pruebas::Ejecutar(s, l), "") << l;
    s.QuitarObservador(oyente);
    ASSERT_EQ(oyente.asientos.size(), 1u);
    const std::string estado = oyente.asientos.back().camino;
    ASSERT_TRUE(estado.starts_with("camino ")) << estado;
    Sesion t;
    t.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(t, "click Form1.Command1"), "");
    for (const std::string& mal :
         {std::string("camino 1 semilla x"),
          practice::Progreso(7, practice::Nivel::Medio, *practice::VentanaDeNombre("Form3"))
              .Texto()})
        EXPECT_NE(pruebas::Ejecutar(t, "camino Form2 retomar " + mal), "") << mal;
    ASSERT_EQ(pruebas::Ejecutar(t, "camino Form2 retomar " + estado), "");
    EXPECT_EQ(t.metodo("Form2")->practica().ejercicio(), s.metodo("Form2")->practica().ejercicio());
    EXPECT_EQ(t.metodo("Form2")->practica().camino()->progreso().Texto(), estado);
}

// A path over every window stays one when its level changes, and the window it leaves, practising
// before, stops: its waiting exercise is left on the record, not kept waiting hidden.
TEST(CaminoPorTodasTest, ALevelChangeKeepsItOverEveryWindowAndTheWindowLeftStops) {
    Sesion s;
    s.Iniciar();
    pruebas::Asientos oyente;
    s.AgregarObservador(oyente);
    for (const char* l :
         {"click Form1.Command2", "practice Form3 on 5 facil", "camino todas on 7 medio"})
        ASSERT_EQ(pruebas::Ejecutar(s, l), "") << l;
    EXPECT_FALSE(s.metodo("Form3")->practica().activa());
    EXPECT_FALSE(s.metodo("Form3")->visible());
    ASSERT_EQ(oyente.asientos.size(), 1u);
    EXPECT_EQ(oyente.asientos[0].codigo.codigo, practice::Codigo::Saltado);
    ASSERT_FALSE(
        s.Ejecutar(comandos::ElegirNivel{*FormularioDe("Form2"), practice::Nivel::Dificil, 9}));
    const VentanaMetodo* v = s.metodo("Form2")->visible() ? s.metodo("Form2") : s.metodo("Form3");
    ASSERT_TRUE(v->practica().camino());
    EXPECT_EQ(v->practica().camino()->progreso().ventana(), nullptr);
    EXPECT_EQ(v->practica().camino()->progreso().nivel(), practice::Nivel::Dificil);
    s.QuitarObservador(oyente);
}

// A path over every window resumes in the window its next exercise is in, whichever window the
// student left; one window's path is not resumed as one over all.
TEST(CaminoRetomadoTest, APathOverEveryWindowOpensTheWindowOfItsNextExercise) {
    Sesion s;
    s.Iniciar();
    pruebas::Asientos oyente;
    s.AgregarObservador(oyente);
    ASSERT_EQ(pruebas::Ejecutar(s, "camino todas on 7 medio"), "");
    for (const char* l : {"practice Form2 check", "practice Form2 next", "practice Form3 check",
                          "practice Form3 next"})
        ASSERT_EQ(pruebas::Ejecutar(s, l), "") << l;
    s.QuitarObservador(oyente);
    const std::string estado = oyente.asientos.back().camino;
    ASSERT_NE(estado.find(" ventana todas "), std::string::npos) << estado;
    Sesion t;
    t.Iniciar();
    EXPECT_NE(pruebas::Ejecutar(t, "camino todas retomar " +
                                       practice::Progreso(7, practice::Nivel::Medio,
                                                          *practice::VentanaDeNombre("Form2"))
                                           .Texto()),
              "");
    EXPECT_NE(pruebas::Ejecutar(t, "camino todas retomar camino 1 semilla"), "");
    EXPECT_EQ(t.metodo("Form3"), nullptr);
    ASSERT_EQ(pruebas::Ejecutar(t, "camino todas retomar " + estado), "");
    ASSERT_NE(t.metodo("Form3"), nullptr);
    EXPECT_TRUE(t.metodo("Form3")->visible());
    EXPECT_EQ(t.metodo("Form3")->practica().ejercicio(), s.metodo("Form3")->practica().ejercicio());
    EXPECT_EQ(t.metodo("Form3")->practica().camino()->progreso().Texto(), estado);
}

}  // namespace
}  // namespace trazalia::session
