// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer on a method window's picture, as a face drives the core.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "practice/dibujo.h"
#include "practice/intento.h"
#include "session/sesion.h"
#include "session/tests/por_lineas.h"

namespace trazalia::session {
namespace {

constexpr double kAlcance = 150;

class PunteroTest : public ::testing::Test {
protected:
    void SetUp() override {
        s_.Iniciar();
        ASSERT_EQ(pruebas::Ejecutar(s_, "click Form1.Command1"), "");
        ASSERT_EQ(pruebas::Ejecutar(s_, "set Form2.HScroll1 100"), "");
        ASSERT_EQ(pruebas::Ejecutar(s_, "set Form2.HScroll2 50"), "");
        ASSERT_EQ(pruebas::Ejecutar(s_, "set Form2.HScroll4 90"), "");
    }
    VentanaMetodo& Form2() { return *s_.metodo("Form2"); }
    Sesion s_;
};

// Vector 1's tip at (100, 0°) sits at (6317.4497, 3000) in twips.
TEST_F(PunteroTest, ATipDraggedThroughManyMovesIsOneStepThatUndoesBothBars) {
    const std::size_t antes = pruebas::Deshechos(s_, "Form2");
    ASSERT_EQ(pruebas::Presionar(s_, "Form2", {6317.4497, 3000}, kAlcance), practice::Gesto::Punta);
    pruebas::MoverPuntero(s_, "Form2", {6000, 2800});
    pruebas::MoverPuntero(s_, "Form2", {5000, 2500});
    pruebas::SoltarPuntero(s_, "Form2", {4627, 2275.5});
    EXPECT_NE(Form2().HScroll(1), 100);
    EXPECT_NE(Form2().HScroll(3), 0);
    EXPECT_EQ(pruebas::Deshechos(s_, "Form2"), antes + 1);
    ASSERT_EQ(pruebas::Ejecutar(s_, "undo Form2"), "");
    EXPECT_EQ(Form2().HScroll(1), 100);
    EXPECT_EQ(Form2().HScroll(3), 0);
}

// A tip held as an exercise begins lets go: the rest of the drag moves nothing, and leaves no step
// back to the figure before the exercise.
TEST_F(PunteroTest, ATipHeldAsAnExerciseBeginsLetsGoAndLeavesNoStep) {
    ASSERT_EQ(pruebas::Presionar(s_, "Form2", {6317.4497, 3000}, kAlcance), practice::Gesto::Punta);
    pruebas::MoverPuntero(s_, "Form2", {6000, 2800});
    ASSERT_EQ(pruebas::Ejecutar(s_, "practice Form2 on 7 medio"), "");
    const practice::Ejercicio ejercicio = Form2().practica().ejercicio();
    pruebas::MoverPuntero(s_, "Form2", {5000, 2500});
    pruebas::SoltarPuntero(s_, "Form2", {4627, 2275.5});
    EXPECT_EQ(Form2().HScroll(1), ejercicio[0].m);
    EXPECT_EQ(Form2().HScroll(3), ejercicio[0].d);
    EXPECT_EQ(pruebas::Deshechos(s_, "Form2"), 0U);
}

TEST_F(PunteroTest, InPracticeAPressAtTheOriginDragsTheGuessAndOneAtATipIsRefused) {
    ASSERT_EQ(pruebas::Ejecutar(s_, "practice Form2 on 7 medio"), "");
    const diagram::Resultado dibujo = *Form2().dibujo();
    const double Escala = dibujo.Escala;
    ASSERT_GT(Escala, 0);
    const diagram::Punto tip = dibujo.trazos.front().hasta;
    EXPECT_EQ(pruebas::Presionar(s_, "Form2", tip, kAlcance), practice::Gesto::Rehusado);
    EXPECT_TRUE(Form2().practica().TomarRechazo().has_value());
    ASSERT_EQ(pruebas::Presionar(s_, "Form2", {3500, 3000}, kAlcance), practice::Gesto::Intento);
    // While the guess is dragged the picture keeps the scale it had at the press.
    pruebas::MoverPuntero(s_, "Form2", {6950, 50});
    EXPECT_EQ(Form2().dibujo()->Escala, Escala);
    const diagram::Punto suelto{5200, 1500};
    pruebas::SoltarPuntero(s_, "Form2", suelto);
    const auto esperado = practice::IntentoEn(suelto, Form2().picture().Width(),
                                              Form2().picture().Height(), Escala, dibujo.escalado);
    ASSERT_TRUE(esperado && Form2().practica().intento());
    EXPECT_DOUBLE_EQ(Form2().practica().intento()->r, esperado->r);
    EXPECT_DOUBLE_EQ(Form2().practica().intento()->direccion, esperado->direccion);
    EXPECT_FALSE(Form2().practica().arrastrando());
}

}  // namespace
}  // namespace trazalia::session

namespace trazalia::session {
namespace {

std::string EnMayusculas(const char*, const char* texto, int) {
    std::string s = texto;
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST(TraductorTest, TheInstructionDrawnOnThePictureAndTheVerdictSpeakTheFacesLanguage) {
    Sesion s;
    s.PonerTraductor(EnMayusculas);
    s.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(s, "click Form1.Command1"), "");
    ASSERT_EQ(pruebas::Ejecutar(s, "practice Form2 on 7 medio"), "");
    std::vector<std::string> textos;
    for (const canvas::Op& op : s.metodo("Form2")->picture().ops())
        if (const auto* t = std::get_if<canvas::TextOp>(&op)) textos.push_back(t->text);
    EXPECT_NE(std::find(textos.begin(), textos.end(),
                        "ARRASTRE DESDE EL ORIGEN SU RESULTANTE, O ESCRIBA R Y α."),
              textos.end());
    ASSERT_EQ(pruebas::Ejecutar(s, "guess Form2 50 10"), "");
    ASSERT_EQ(pruebas::Ejecutar(s, "practice Form2 check"), "");
    const std::string& veredicto = s.metodo("Form2")->practica().veredicto()->texto;
    EXPECT_EQ(veredicto, EnMayusculas("", veredicto.c_str(), -1));
}

// What a student types wrong is told in the face's language; the value typed stays as typed.
TEST(TraductorTest, TheErrorsOfATypedSeedOrGuessSpeakTheFacesLanguage) {
    Sesion s;
    s.PonerTraductor(EnMayusculas);
    s.Iniciar();
    ASSERT_EQ(pruebas::Ejecutar(s, "click Form1.Command1"), "");
    EXPECT_EQ(pruebas::Ejecutar(s, "practice Form2 on x7 medio"),
              "SEMILLA NO VáLIDA «x7»: SE ESPERABA UN ENTERO DE 0 A 4294967295");
    ASSERT_EQ(pruebas::Ejecutar(s, "practice Form2 on 7 medio"), "");
    const std::pair<std::array<const char*, 2>, const char*> filas[] = {
        {{"zz", "10"}, "MAGNITUD NO VáLIDA «zz»: SE ESPERABA UN NúMERO COMO 87.5"},
        {{"10", "b"}, "DIRECCIóN NO VáLIDA «b»: SE ESPERABA UN NúMERO COMO 36.6"},
        {{"-5", "10"}, "MAGNITUD FUERA DE RANGO «-5»: VA DE 0 A 200"},
        {{"10", "400"}, "DIRECCIóN FUERA DE RANGO «400»: VA DE 0 A 360"},
    };
    for (const auto& [intento, error] : filas)
        EXPECT_EQ(pruebas::Ejecutar(s, std::string("guess Form2 ") + intento[0] + " " + intento[1]),
                  error)
            << intento[0];
}

}  // namespace
}  // namespace trazalia::session
