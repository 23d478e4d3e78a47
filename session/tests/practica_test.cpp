// SPDX-License-Identifier: GPL-3.0-or-later
// Practice in the core: the entry each exercise leaves for the record however it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "practice/registro.h"
#include "session/guion.h"
#include "session/sesion.h"

namespace trazalia::session {
namespace {

// A script's line run through the command it names; its error, or empty.
std::string Ejecutar(Sesion& s, const std::string& linea) {
    const std::vector<std::string_view> w = Palabras(linea);
    if (w[0] == "click") return s.Pulsar(w[1]);
    if (w[0] == "set") return s.Mover(w[1], w[2]);
    if (w[0] == "key") return s.Teclas(w[1], {w.begin() + 2, w.end()});
    if (w[0] == "guess") return s.Adivinar(w[1], w[2], w[3]);
    if (w[0] == "write") return s.Escribir(w[1], w[2]);
    if (w[0] == "level") return s.Nivel(w[1], w[2], 3);
    if (w[0] == "practice")
        return s.Practicar(w[1], w[2], w.size() > 3 ? w[3] : "", w.size() > 4 ? w[4] : "");
    return "no such line: " + linea;
}

class Asientos final : public Observador {
public:
    void Anotado(std::string_view, const practice::Asiento& asiento) override {
        asientos.push_back(asiento);
    }
    std::vector<practice::Asiento> asientos;
};

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

}  // namespace
}  // namespace trazalia::session
