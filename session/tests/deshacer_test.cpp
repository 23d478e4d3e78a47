// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the core: an undone change traces as the same change made by hand.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/trace_writer.h"
#include "session/guion.h"
#include "session/sesion.h"
#include "session/tests/por_lineas.h"

namespace trazalia::session {
namespace {

// A session with its trace, driven by script lines.
class ConTraza {
public:
    ConTraza() : trace_(salida_), guion_(sesion_, trace_, salida_, errores_, "prueba") {
        sesion_.Iniciar();
    }
    // Runs the lines; returns the first error, or empty.
    std::string Lineas(const std::vector<std::string>& lineas) {
        for (const std::string& l : lineas)
            if (std::string error = guion_.Linea(l); !error.empty()) return error;
        return {};
    }
    // The trace written since the last call.
    std::string Traza() {
        std::string t = salida_.str();
        salida_.str({});
        return t;
    }
    Sesion& sesion() { return sesion_; }

private:
    std::ostringstream salida_;
    std::ostringstream errores_;
    canvas::TraceWriter trace_;
    Sesion sesion_;
    Guion guion_;
};

const std::vector<std::string> kInicio{"click Form1.Command1", "set Form2.HScroll1 100",
                                       "set Form2.HScroll2 50", "set Form2.HScroll4 90"};

struct Caso {
    const char* nombre;
    // A change, what a user would type to go back where it started, and to make it again.
    std::vector<std::string> cambio;
    std::vector<std::string> atras;
    std::vector<std::string> adelante;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class DeshacerTest : public ::testing::TestWithParam<Caso> {};

TEST_P(DeshacerTest, UndoTracesAsTheChangeBackMadeByHandAndRedoAsTheChangeAgain) {
    ConTraza deshecho;
    ConTraza aMano;
    ASSERT_EQ(deshecho.Lineas(kInicio), "");
    ASSERT_EQ(aMano.Lineas(kInicio), "");
    ASSERT_EQ(deshecho.Lineas(GetParam().cambio), "");
    ASSERT_EQ(aMano.Lineas(GetParam().cambio), "");
    deshecho.Traza();
    aMano.Traza();
    // One step however many bars the change moved.
    EXPECT_EQ(pruebas::Deshechos(deshecho.sesion(), "Form2"), 4U);
    ASSERT_EQ(deshecho.Lineas({"undo Form2"}), "");
    ASSERT_EQ(aMano.Lineas(GetParam().atras), "");
    EXPECT_EQ(deshecho.Traza(), aMano.Traza());
    ASSERT_EQ(deshecho.Lineas({"redo Form2"}), "");
    ASSERT_EQ(aMano.Lineas(GetParam().adelante), "");
    EXPECT_EQ(deshecho.Traza(), aMano.Traza());
}

INSTANTIATE_TEST_SUITE_P(
    Cambios, DeshacerTest,
    ::testing::Values(Caso{"UnaBarra",
                           {"set Form2.HScroll3 45"},
                           {"set Form2.HScroll3 0"},
                           {"set Form2.HScroll3 45"}},
                      Caso{"UnaTecla",
                           {"key Form2.HScroll4 PageUp"},
                           {"set Form2.HScroll4 90"},
                           {"set Form2.HScroll4 85"}},
                      Caso{"ElEditor",
                           {"key Form2.HScroll2 7 5 Return"},
                           {"set Form2.HScroll2 50"},
                           {"set Form2.HScroll2 75"}},
                      // The tip of vector 1 at (100, 0°) dragged: magnitude and direction come back
                      // together, the magnitude first as a drag sets them.
                      Caso{"UnArrastre",
                           {"drag Form2 6317.4497 3000 4627 2275.5"},
                           {"set Form2.HScroll1 100", "set Form2.HScroll3 0"},
                           {"set Form2.HScroll1 50", "set Form2.HScroll3 37"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(DeshacerTest, ANewChangeDropsWhatWasLeftToRedo) {
    ConTraza s;
    ASSERT_EQ(s.Lineas(kInicio), "");
    ASSERT_EQ(s.Lineas({"undo Form2", "set Form2.HScroll3 10"}), "");
    EXPECT_EQ(s.Lineas({"redo Form2"}), "no hay cambios que rehacer en Form2");
}

// An exercise sets the bars as no user did: undo stops there, and never sets the bars of the
// figure before it over the exercise's.
TEST(DeshacerTest, UndoStopsAtTheExercise) {
    ConTraza s;
    ASSERT_EQ(s.Lineas(kInicio), "");
    ASSERT_EQ(s.Lineas({"practice Form2 on 7 medio"}), "");
    const VentanaMetodo& v = *s.sesion().metodo("Form2");
    const practice::Ejercicio ejercicio = v.practica().ejercicio();
    EXPECT_EQ(pruebas::Deshechos(s.sesion(), "Form2"), 0U);
    EXPECT_EQ(s.Lineas({"undo Form2"}), "no hay cambios que deshacer en Form2");
    ASSERT_EQ(s.Lineas({"guess Form2 50 10", "practice Form2 check"}), "");
    EXPECT_EQ(s.Lineas({"undo Form2"}), "no hay cambios que deshacer en Form2");
    // Checked, the vectors move freely; undo takes them back as far as the exercise's.
    ASSERT_EQ(s.Lineas({"set Form2.HScroll1 7", "undo Form2"}), "");
    EXPECT_EQ(s.Lineas({"undo Form2"}), "no hay cambios que deshacer en Form2");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(v.HScroll(i + 1), ejercicio[static_cast<std::size_t>(i)].m);
        EXPECT_EQ(v.HScroll(i + 3), ejercicio[static_cast<std::size_t>(i)].d);
    }
    EXPECT_TRUE(v.practica().veredicto().has_value());
}

struct Nombrado {
    const char* linea;
    const char* paso;
};

class NombreDelPasoTest : public ::testing::TestWithParam<Nombrado> {};

// The step is named by what it changed, as the menu and the page show it after "Deshacer: ".
TEST_P(NombreDelPasoTest, TheStepIsNamedByItsControlAndVector) {
    ConTraza s;
    ASSERT_EQ(s.Lineas(kInicio), "");
    ASSERT_EQ(s.Lineas({GetParam().linea}), "");
    const Formulario f = s.sesion().metodo("Form2")->formulario();
    EXPECT_EQ(s.sesion().AlDeshacer(f), GetParam().paso);
    ASSERT_EQ(s.Lineas({"undo Form2"}), "");
    EXPECT_EQ(s.sesion().AlRehacer(f), GetParam().paso);
}

INSTANTIATE_TEST_SUITE_P(Pasos, NombreDelPasoTest,
                         ::testing::Values(Nombrado{"set Form2.HScroll3 45", "mover α₁"},
                                           Nombrado{"key Form2.HScroll2 PageUp", "mover r₂"},
                                           Nombrado{"key Form2.HScroll4 7 Return", "escribir α₂"},
                                           Nombrado{"drag Form2 6317.4497 3000 4627 2275.5",
                                                    "arrastrar la punta del vector 1"},
                                           Nombrado{"view Form2 grid on", "activar «Cuadrícula»"}));

// A face's moves of one bar while its gesture goes on are one step; the gesture's end, another
// bar or a way back to where it began ends it.
TEST(DeshacerTest, MovesOfOneBarMergeUntilTheGestureEnds) {
    ConTraza s;
    ASSERT_EQ(s.Lineas(kInicio), "");
    Sesion& sesion = s.sesion();
    const VentanaMetodo& v = *sesion.metodo("Form2");
    const Formulario f = v.formulario();
    const std::size_t r1 = v.Barra(1);
    const std::size_t r2 = v.Barra(2);
    const std::size_t antes = sesion.historia(f).deshechos();
    for (int valor : {40, 60, 90}) sesion.Ejecutar(comandos::MoverBarra{f, r1, valor});
    EXPECT_EQ(sesion.historia(f).deshechos(), antes + 1);
    sesion.Ejecutar(comandos::MoverBarra{f, r1, 100});
    EXPECT_EQ(sesion.historia(f).deshechos(), antes) << "back where it began: no step";
    sesion.Ejecutar(comandos::MoverBarra{f, r1, 70});
    sesion.Ejecutar(comandos::TerminarPaso{f});
    sesion.Ejecutar(comandos::MoverBarra{f, r1, 80});
    sesion.Ejecutar(comandos::MoverBarra{f, r2, 20});
    sesion.Ejecutar(comandos::MoverBarra{f, r2, 30});
    EXPECT_EQ(sesion.historia(f).deshechos(), antes + 3);
    ASSERT_FALSE(sesion.Ejecutar(comandos::Deshacer{f}));
    EXPECT_EQ(v.HScroll(2), 50);
    ASSERT_FALSE(sesion.Ejecutar(comandos::Deshacer{f}));
    EXPECT_EQ(v.HScroll(1), 70);
}

// The history keeps the last thousand steps, each holding only the bars it changed.
TEST(DeshacerTest, TheHistoryIsBounded) {
    ConTraza s;
    ASSERT_EQ(s.Lineas({"click Form1.Command2"}), "");
    Sesion& sesion = s.sesion();
    const VentanaMetodo& v = *sesion.metodo("Form3");
    const Formulario f = v.formulario();
    for (int i = 1; i <= 1500; ++i) {
        sesion.Ejecutar(comandos::MoverBarra{f, v.Barra(1 + i % 2), i % 100});
        sesion.Ejecutar(comandos::TerminarPaso{f});
    }
    const Historia& h = sesion.historia(f);
    EXPECT_EQ(h.deshechos(), Historia::kLimite);
    EXPECT_LE(h.bytes(), Historia::kLimite * (sizeof(Paso) + sizeof(Paso::Cambio)));
    RecordProperty("bytes", static_cast<int>(h.bytes()));
    for (std::size_t i = 0; i < Historia::kLimite; ++i)
        ASSERT_FALSE(sesion.Ejecutar(comandos::Deshacer{f}));
    EXPECT_TRUE(sesion.Ejecutar(comandos::Deshacer{f}));
    EXPECT_EQ(v.HScroll(3), 500 % 100) << "the oldest steps are gone";
}

}  // namespace
}  // namespace trazalia::session
