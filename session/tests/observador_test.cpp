// SPDX-License-Identifier: GPL-3.0-or-later
// What a face hears of the core beyond the trace: values, marks, focus, the editor, refusals.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/guion.h"
#include "session/sesion.h"
#include "session/tests/por_lineas.h"

namespace trazalia::session {
namespace {

// Each event as one line.
class Oyente final : public Observador {
public:
    void Valor(std::string_view v, std::string_view c, int valor) override {
        Anotar("Valor " + S(v) + '.' + S(c) + ' ' + std::to_string(valor));
    }
    void Anterior(std::string_view v, std::string_view c, bool anterior) override {
        Anotar("Anterior " + S(v) + '.' + S(c) + ' ' + (anterior ? "1" : "0"));
    }
    void Enfocable(std::string_view v, std::string_view c, bool enfocable) override {
        Anotar("Enfocable " + S(v) + '.' + S(c) + ' ' + (enfocable ? "1" : "0"));
    }
    void Editor(std::string_view v, std::string_view c, bool abierto,
                std::string_view texto) override {
        Anotar("Editor " + S(v) + '.' + S(c) + ' ' + (abierto ? "abierto " + S(texto) : "cerrado"));
    }
    void Rehusado(std::string_view v, std::string_view c, std::string_view) override {
        Anotar("Rehusado " + S(v) + '.' + S(c));
    }
    void VistaCambiada(int vista, bool activa) override {
        Anotar("Vista " + std::to_string(vista) + ' ' + (activa ? "1" : "0"));
    }
    std::vector<std::string> eventos;

private:
    static std::string S(std::string_view s) { return std::string(s); }
    void Anotar(std::string e) { eventos.push_back(std::move(e)); }
};

struct Caso {
    const char* nombre;
    std::vector<const char*> antes;
    const char* linea;
    std::vector<std::string> eventos;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nombre; }

class ObservadorTest : public ::testing::TestWithParam<Caso> {};

TEST_P(ObservadorTest, TheLineTellsTheseEventsInOrder) {
    Sesion sesion;
    Oyente oyente;
    sesion.Iniciar();
    for (const char* l : GetParam().antes)
        ASSERT_EQ(pruebas::Ejecutar(sesion, std::string("click ") + l), "") << l;
    sesion.AgregarObservador(oyente);
    const std::string error = pruebas::Ejecutar(sesion, GetParam().linea);
    EXPECT_EQ(error, "");
    EXPECT_EQ(oyente.eventos, GetParam().eventos);
}

INSTANTIATE_TEST_SUITE_P(
    Lineas, ObservadorTest,
    ::testing::Values(
        Caso{"UnaBarra", {"Form1.Command1"}, "set Form2.HScroll1 40", {"Valor Form2.HScroll1 40"}},
        Caso{"ElResultadoQuedaAnterior",
             {"Form1.Command1", "Form2.Command1"},
             "set Form2.HScroll2 7",
             {"Valor Form2.HScroll2 7", "Anterior Form2.Label10 1", "Anterior Form2.Label12 1"}},
        Caso{"ElResultadoSeRenueva",
             {"Form1.Command1", "Form2.Command1"},
             "click Form2.Command1",
             {}},
        Caso{"ElEditor",
             {"Form1.Command1"},
             "key Form2.HScroll3 4 5 Escape",
             {"Editor Form2.HScroll3 abierto 4", "Editor Form2.HScroll3 cerrado"}},
        Caso{"UnaVistaPorSuTecla", {"Form1.Command1"}, "key Form2.HScroll1 G", {"Vista 0 1"}},
        Caso{"LaPracticaAbreLasLecturas",
             {"Form1.Command2"},
             "practice Form3 on 11 facil",
             // The first redraw leaves the read-outs Form_Load wrote describing an earlier
             // picture; emptied for the exercise, the resultant's describe nothing.
             {"Enfocable Form3.Label14 1", "Enfocable Form3.Label16 1", "Valor Form3.HScroll7 4",
              "Valor Form3.HScroll1 50", "Anterior Form3.Label14 1", "Anterior Form3.Label16 1",
              "Anterior Form3.Label18 1", "Valor Form3.HScroll4 210", "Valor Form3.HScroll2 90",
              "Valor Form3.HScroll5 150", "Valor Form3.HScroll3 80", "Valor Form3.HScroll6 315",
              "Anterior Form3.Label14 0", "Anterior Form3.Label16 0"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ObservadorTest, AKeyThatWouldMoveAnExercisesBarIsRefusedBesideIt) {
    Sesion sesion;
    Oyente oyente;
    sesion.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(sesion, "click Form1.Command2"), "");
    ASSERT_EQ(pruebas::Ejecutar(sesion, "practice Form3 on 11 facil"), "");
    sesion.AgregarObservador(oyente);
    EXPECT_NE(pruebas::Ejecutar(sesion, "key Form3.HScroll4 Right"), "");
    EXPECT_EQ(oyente.eventos, std::vector<std::string>{"Rehusado Form3.HScroll4"});
}

// A drawing operation that fails ends its event; the failure waits, once, for whoever ran the
// command: a script's line, a face's dialog.
struct Fallida final : canvas::PictureListener {
    void Cleared() override {}
    void DrawWidthSet(int) override {}
    void Drawn(const canvas::Op&) override { throw std::runtime_error("el dibujo falló"); }
};

TEST(ObservadorTest, AFailedEventWaitsForWhoeverRanIt) {
    Sesion sesion;
    sesion.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(sesion, "click Form1.Command1"), "");
    Fallida fallida;
    const auto escucha = sesion.metodo("Form2")->picture().AddListener(&fallida);
    EXPECT_EQ(pruebas::Ejecutar(sesion, "set Form2.HScroll1 50"), "");
    EXPECT_EQ(sesion.TomarFallo(), "el dibujo falló");
    EXPECT_EQ(sesion.TomarFallo(), "");
}

}  // namespace
}  // namespace trazalia::session
