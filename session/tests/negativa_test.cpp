// SPDX-License-Identifier: GPL-3.0-or-later
// A refusal is told twice: to a script in its own words, to the user of a face in the window's.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "session/guion.h"
#include "session/sesion.h"
#include "session/tests/por_lineas.h"

namespace trazalia::session {
namespace {

using pruebas::Ejecutar;

struct Rehuso {
    const char* nombre;
    std::vector<const char*> antes;
    const char* linea;
    const char* guion;
    const char* usuario;
};

void PrintTo(const Rehuso& r, std::ostream* os) { *os << r.nombre; }

class RehusoTest : public ::testing::TestWithParam<Rehuso> {};

TEST_P(RehusoTest, AScriptHearsItsWordsAndAUserTheWindowsWords) {
    Sesion s;
    s.Iniciar();
    for (const char* l : GetParam().antes) ASSERT_EQ(Ejecutar(s, l), "") << l;
    const std::optional<errores::Negativa> negativa = pruebas::Negado(s, GetParam().linea);
    ASSERT_TRUE(negativa);
    EXPECT_EQ(negativa->guion, GetParam().guion);
    EXPECT_EQ(negativa->usuario, GetParam().usuario);
    // Nothing of the script's language: no window's or control's name, no command.
    for (const char* palabra : {"Form", "HScroll", "Label", "practice", "check", "next"})
        EXPECT_EQ(negativa->usuario.find(palabra), std::string::npos) << palabra;
}

const std::vector<const char*> kForm2{"click Form1.Command1"};
const std::vector<const char*> kEjercicio{"click Form1.Command1", "practice Form2 on 7 medio"};

INSTANTIATE_TEST_SUITE_P(
    Rehusos, RehusoTest,
    ::testing::Values(
        Rehuso{"VentanaCerrada",
               {},
               "practice Form2 check",
               "la ventana Form2 no está a la vista",
               "Abra la ventana del paralelogramo."},
        Rehuso{"OtraVentanaCerrada", kForm2, "set Form3.HScroll1 5",
               "la ventana Form3 no está a la vista", "Abra la ventana del polígono."},
        Rehuso{"Resuelto",
               {"click Form1.Command1", "practice Form2 on 7 medio", "guess Form2 50 10",
                "practice Form2 check"},
               "guess Form2 50 10",
               "el ejercicio de Form2 ya está resuelto: «practice Form2 next» da otro",
               "Este ejercicio ya está resuelto: «Otro ejercicio» (N) da otro."},
        Rehuso{"Retenido", kEjercicio, "set Form2.HScroll1 5",
               "el ejercicio de Form2 no cambia hasta comprobarlo: «practice Form2 check» lo "
               "comprueba",
               "El ejercicio no cambia hasta comprobarlo: pulse Intro en el dibujo o elija "
               "«Comprobar» en su menú."},
        Rehuso{"EquilibranteDondeNoSeSuma",
               {"click Form1.Command4"},
               "practice Form4 on 3 medio equilibrante",
               "Form4 no pide la equilibrante",
               "La equilibrante se pide en las ventanas que suman vectores."},
        Rehuso{"CoeficienteFueraDeRango",
               {"click Form1.Command4"},
               "key Form4.HScroll5 Minus 7 Return",
               "valor fuera de rango «-7»: Form4.HScroll5 va de -5 a 5",
               "«-7» no vale: «Coeficiente k₁ del vector a» va de -5 a 5."},
        Rehuso{"SinPracticar", kForm2, "practice Form2 next", "Form2 no está practicando",
               "Active primero la práctica: «Practicar» (P)."},
        Rehuso{"NadaQueDeshacer", kForm2, "undo Form2", "no hay cambios que deshacer en Form2",
               "No hay nada que deshacer."},
        Rehuso{"BarraFueraDeRango", kForm2, "key Form2.HScroll1 1 2 3 Return",
               "valor fuera de rango «123»: Form2.HScroll1 va de 0 a 100",
               "«123» no vale: «Magnitud del vector 1» va de 0 a 100."},
        Rehuso{"IntentoFueraDeRango", kEjercicio, "key Form2.Label12 4 0 0 Return",
               "valor no válido «400» en Form2.Label12: De 0 a 360, con punto: 36.6",
               "«400» no vale. De 0 a 360, con punto: 36.6"},
        Rehuso{"NoRecibeValor", kForm2, "write Form2.Label10 5",
               "Form2.Label10 no recibe un valor escrito",
               "«Magnitud de la resultante» no recibe un valor ahora."},
        Rehuso{"SinFoco", kForm2, "key Form2.Label10 1",
               "Form2.Label10 no recibe el foco del teclado",
               "«Magnitud de la resultante» no recibe el teclado ahora."},
        Rehuso{"TeclaSinEfecto", kForm2, "key Form2.Command1 A",
               "la tecla «A» no hace nada en Form2.Command1", "Esa tecla no hace nada aquí."},
        Rehuso{"TeclaDePantalla", kForm2, "key Form2.HScroll1 W",
               "la tecla «W» (Hoja de ejercicios) solo actúa en pantalla, no en modo guion",
               "«Hoja de ejercicios» no está disponible aquí."}),
    [](const auto& info) { return std::string(info.param.nombre); });

std::string EnMayusculas(const char*, const char* texto, int) {
    std::string s = texto;
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The user's words come in the face's language, with a code a face may key on; a command that
// runs answers no refusal.
TEST(RehusoTest, TheUsersWordsSpeakTheFacesLanguageUntilACommandRuns) {
    Sesion s;
    s.PonerTraductor(EnMayusculas);
    s.Iniciar();
    const std::optional<errores::Negativa> negativa = pruebas::Negado(s, "practice Form2 check");
    ASSERT_TRUE(negativa);
    EXPECT_EQ(negativa->guion, "la ventana Form2 no está a la vista");
    EXPECT_EQ(negativa->usuario, "ABRA LA VENTANA DEL PARALELOGRAMO.");
    EXPECT_EQ(errores::Codigo(negativa->motivo), "no-a-la-vista");
    EXPECT_EQ(negativa->datos, std::vector<std::string>{"Form2"});
    EXPECT_FALSE(pruebas::Negado(s, "click Form1.Command1"));
}

// The name a face gives is one line of text, cleaned once here for every face, and each entry
// practice leaves names that student.
TEST(AlumnoTest, TheEntriesNameTheStudentAsTheSessionCleanedTheName) {
    Sesion s;
    s.Iniciar();
    EXPECT_EQ(s.PonerAlumno(" \tAna\x1b[2J\nPérez\xC2\xA0"), "Ana[2J Pérez");
    pruebas::Asientos oyente;
    s.AgregarObservador(oyente);
    for (const char* l :
         {"click Form1.Command1", "practice Form2 on 7 medio", "practice Form2 next"})
        ASSERT_EQ(Ejecutar(s, l), "") << l;
    s.QuitarObservador(oyente);
    ASSERT_EQ(oyente.asientos.size(), 1u);
    EXPECT_EQ(oyente.asientos[0].alumno, "Ana[2J Pérez");
}

}  // namespace
}  // namespace trazalia::session
