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
    EXPECT_EQ(deshecho.sesion().Deshechos("Form2"), 4U);
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
    EXPECT_EQ(s.sesion().Deshechos("Form2"), 0U);
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

}  // namespace
}  // namespace trazalia::session
