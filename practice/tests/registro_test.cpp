// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/registro.h"
#include "practice/camino.h"
#include "practice/tests/ventanas.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace trazalia::practice {
namespace {

const Asiento kAna{"2026-03-02T10:15:00+01:00",
                   "Ana",
                   Form2(),
                   Nivel::Medio,
                   {{100, 0}, {60, 120}},
                   Intento{92, 40},
                   "87.18",
                   "36.59",
                   Codigo::Otro};

TEST(Asiento, LineaDocumentada) {
    EXPECT_EQ(CabeceraDelRegistro(),
              "fecha,alumno,ventana,nivel,m1,d1,m2,d2,m3,d3,tu_r,tu_alfa,r,alfa,veredicto,k1,k2,"
              "pregunta");
    EXPECT_EQ(LineaDeAsiento(kAna),
              "2026-03-02T10:15:00+01:00,Ana,Form2,medio,100,0,60,120,,,92,"
              "40,87.18,36.59,otro,,,resultante");
}

// Form4's coefficients in halves, written with a point.
Asiento DeForm4(std::vector<int> coeficientes, Pregunta pregunta) {
    Asiento r = kAna;
    r.ventana = Form4();
    r.vectores.coeficientes = std::move(coeficientes);
    r.vectores.pregunta = pregunta;
    return r;
}

struct IdaYVuelta {
    const char* name;
    Asiento registro;
    friend void PrintTo(const IdaYVuelta& row, std::ostream* os) { *os << row.name; }
};

class IdaYVueltaTest : public testing::TestWithParam<IdaYVuelta> {};

TEST_P(IdaYVueltaTest, SeLeeComoSeEscribio) {
    const Asiento& r = GetParam().registro;
    const auto leido = LeerAsiento(LineaDeAsiento(r));
    ASSERT_TRUE(std::holds_alternative<Asiento>(leido)) << std::get<std::string>(leido);
    const Asiento& l = std::get<Asiento>(leido);
    EXPECT_EQ(l.fecha, r.fecha);
    EXPECT_EQ(l.alumno, r.alumno);
    EXPECT_EQ(l.ventana, r.ventana);
    EXPECT_EQ(l.nivel, r.nivel);
    EXPECT_EQ(l.vectores, r.vectores);
    ASSERT_EQ(l.intento.has_value(), r.intento.has_value());
    if (r.intento) {
        EXPECT_EQ(l.intento->r, r.intento->r);
        EXPECT_EQ(l.intento->direccion, r.intento->direccion);
    }
    EXPECT_EQ(l.r, r.r);
    EXPECT_EQ(l.alfa, r.alfa);
    EXPECT_EQ(l.codigo, r.codigo);
    EXPECT_EQ(l.camino, r.camino);
}

Asiento EnCamino() {
    Asiento r = kAna;
    Progreso progreso(7, Nivel::Medio, Form2());
    progreso.Anotar(progreso.Planificar(), Codigo::SumaDeModulos, Errores().set());
    r.camino = progreso.Texto();
    return r;
}

// An entry on a path is the entry of 18 fields and its state; one the path cannot read is no
// entry. A header that names the field is a header.
TEST(Asiento, EnUnCaminoLlevaSuEstado) {
    const Asiento r = EnCamino();
    ASSERT_NE(r.camino.find("pendiente suma-de-modulos"), std::string::npos) << r.camino;
    EXPECT_EQ(LineaDeAsiento(r), LineaDeAsiento(kAna) + ',' + r.camino);
    EXPECT_TRUE(EsCabeceraDelRegistro(std::string(CabeceraDelRegistro()) + ",camino"));
    EXPECT_TRUE(std::holds_alternative<std::string>(
        LeerAsiento(LineaDeAsiento(kAna) + ",camino 1 semilla 7 nivel medio")));
}

INSTANTIATE_TEST_SUITE_P(Registros, IdaYVueltaTest,
                         testing::Values(IdaYVuelta{"Form2", kAna},
                                         IdaYVuelta{"Form3_comas_comillas_e_indefinido",
                                                    {"2026-03-02T10:15",
                                                     "Pérez, \"Ani\"",
                                                     Form3(),
                                                     Nivel::Dificil,
                                                     {{81, 334}, {47, 27}, {0, 360}},
                                                     Intento{87.456, -0.1},
                                                     "0.00",
                                                     "Indefinido",
                                                     Codigo::ComponentesSinSigno}},
                                         IdaYVuelta{"sin_nombre_y_decimales_largos",
                                                    {"2026-03-02T10:15:00.250Z",
                                                     "",
                                                     Form2(),
                                                     Nivel::Facil,
                                                     {{10, 0}, {100, 90}},
                                                     Intento{1e-7, 359.99999999999},
                                                     "100.50",
                                                     "84.29",
                                                     Codigo::Acierto}},
                                         IdaYVuelta{"Form4_medios_y_equilibrante",
                                                    DeForm4({-3, 4}, Pregunta::Equilibrante)},
                                         IdaYVuelta{"Form4_menos_medio",
                                                    DeForm4({-1, 1}, Pregunta::Resultante)},
                                         IdaYVuelta{"en_un_camino", EnCamino()}),
                         [](const auto& info) { return std::string(info.param.name); });

// An exercise left or revealed without a guess has none in its line; a guess there, or none
// where a verdict was given, is no entry.
TEST(Asiento, SinIntentoYDosErrores) {
    const Asiento saltado = AsientoSinVeredicto("2026-03-02T10:15", "Ana", Form2(), Nivel::Medio,
                                                {{100, 0}, {60, 120}}, Codigo::Saltado);
    const std::string linea = LineaDeAsiento(saltado);
    EXPECT_EQ(linea,
              "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,,,87.18,36.59,saltado,,,resultante");
    const auto leido = LeerAsiento(linea);
    ASSERT_TRUE(std::holds_alternative<Asiento>(leido));
    EXPECT_FALSE(std::get<Asiento>(leido).intento);
    Asiento par = kAna;
    par.codigo = {Codigo::RestaDeVectores, Codigo::AnguloDesdeY};
    const std::string dos = LineaDeAsiento(par);
    EXPECT_TRUE(dos.ends_with(",resta-de-vectores+angulo-desde-y,,,resultante")) << dos;
    const auto leidoPar = LeerAsiento(dos);
    ASSERT_TRUE(std::holds_alternative<Asiento>(leidoPar));
    EXPECT_EQ(std::get<Asiento>(leidoPar).codigo, par.codigo);
    for (const char* mala :
         {"2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,saltado",
          "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,,,87.18,36.59,otro",
          "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,otro+otro",
          "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,casi+otro"})
        EXPECT_TRUE(std::holds_alternative<std::string>(LeerAsiento(mala))) << mala;
}

TEST(Asiento, UnNombreEnVariasLineasQuedaEnUna) {
    Asiento r = kAna;
    r.alumno = "Ana\r\nMaría";
    const auto leido = LeerAsiento(LineaDeAsiento(r) + "\r");
    ASSERT_TRUE(std::holds_alternative<Asiento>(leido));
    EXPECT_EQ(std::get<Asiento>(leido).alumno, "Ana  María");
}

// A name that a spreadsheet would run as a formula is written as text, and read back as typed.
TEST(Asiento, UnNombreQueSeTomariaPorFormulaQuedaComoTexto) {
    Asiento r = kAna;
    r.alumno = "=HIPERVINCULO(\"x\")";
    const std::string linea = LineaDeAsiento(r);
    EXPECT_NE(linea.find(",\"'=HIPERVINCULO(\"\"x\"\")\","), std::string::npos) << linea;
    const auto leido = LeerAsiento(linea);
    ASSERT_TRUE(std::holds_alternative<Asiento>(leido));
    EXPECT_EQ(std::get<Asiento>(leido).alumno, r.alumno);
}

struct Mala {
    const char* name;
    const char* linea;
    const char* motivo;
    friend void PrintTo(const Mala& row, std::ostream* os) { *os << row.name; }
};

class MalaTest : public testing::TestWithParam<Mala> {};

TEST_P(MalaTest, DiceElMotivo) {
    const auto leido = LeerAsiento(GetParam().linea);
    ASSERT_TRUE(std::holds_alternative<std::string>(leido));
    EXPECT_EQ(std::get<std::string>(leido), GetParam().motivo);
}

INSTANTIATE_TEST_SUITE_P(
    Lineas, MalaTest,
    testing::Values(
        Mala{"pocos_campos", "2026-03-02T10:15,Ana,Form2", "se esperaban 18 campos y hay 3"},
        // Lines of 15 fields were written before exercises had coefficients: Form4 needs them.
        Mala{"Form4_sin_coeficientes",
             "2026-03-02T10:15,Ana,Form4,medio,100,0,60,120,,,92,40,87.18,36.59,otro",
             "se esperaban 18 campos y hay 15"},
        Mala{"coeficiente_que_no_es_medio",
             "2026-03-02T10:15,Ana,Form4,medio,100,0,60,120,,,92,40,87.18,36.59,otro,0.3,1,"
             "resultante",
             "campo k1 no válido: «0.3»"},
        Mala{"coeficiente_en_Form2",
             "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,otro,,1,"
             "resultante",
             "campo k2 no válido: «1»"},
        Mala{"pregunta",
             "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,otro,,,suma",
             "campo pregunta no válido: «suma»"},
        Mala{"comillas_sin_cerrar", "2026-03-02T10:15,\"Ana,Form2", "comillas mal cerradas"},
        Mala{"comillas_en_medio", "2026-03-02T10:15,A\"na,Form2", "comillas mal cerradas"},
        Mala{"fecha", "ayer,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,otro",
             "campo fecha no válido: «ayer»"},
        Mala{"zona", "2026-03-02T10:15+1,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,otro",
             "campo fecha no válido: «2026-03-02T10:15+1»"},
        Mala{"ventana", "2026-03-02T10:15,Ana,Form1,medio,100,0,60,120,,,92,40,87.18,36.59,otro",
             "campo ventana no válido: «Form1»"},
        Mala{"nivel", "2026-03-02T10:15,Ana,Form2,Medio,100,0,60,120,,,92,40,87.18,36.59,otro",
             "campo nivel no válido: «Medio»"},
        Mala{"magnitud", "2026-03-02T10:15,Ana,Form2,medio,101,0,60,120,,,92,40,87.18,36.59,otro",
             "campo m1 no válido: «101»"},
        Mala{"direccion", "2026-03-02T10:15,Ana,Form2,medio,100,0,60,12a,,,92,40,87.18,36.59,otro",
             "campo d2 no válido: «12a»"},
        Mala{"tercer_vector_en_Form2",
             "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,5,,92,40,87.18,36.59,otro",
             "campo m3 no válido: «5»"},
        Mala{"sin_tercer_vector_en_Form3",
             "2026-03-02T10:15,Ana,Form3,medio,100,0,60,120,5,,92,40,87.18,36.59,otro",
             "campo d3 no válido: «»"},
        Mala{"intento_con_coma",
             "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,\"92,5\",40,87.18,"
             "36.59,otro",
             "campo tu_r no válido: «92,5»"},
        Mala{"intento_no_finito",
             "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,nan,87.18,"
             "36.59,otro",
             "campo tu_alfa no válido: «nan»"},
        Mala{"respuesta", "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,x,36.59,otro",
             "campo r no válido: «x»"},
        Mala{"veredicto", "2026-03-02T10:15,Ana,Form2,medio,100,0,60,120,,,92,40,87.18,36.59,Otro",
             "campo veredicto no válido: «Otro»"}),
    [](const auto& info) { return std::string(info.param.name); });

// A name never brings a control character into the record: a NUL would cut a line short where it
// is shown, an escape sequence would command the teacher's terminal.
TEST(Asiento, UnNombreNoLlevaCaracteresDeControl) {
    Asiento r = kAna;
    r.alumno = std::string(
        "\x1b]0;x\x07"
        "Ana\0\x7f\xc2\x9b",
        13);
    const auto leido = LeerAsiento(LineaDeAsiento(r));
    ASSERT_TRUE(std::holds_alternative<Asiento>(leido));
    EXPECT_EQ(std::get<Asiento>(leido).alumno, " ]0;x Ana   ");
}

struct Celda {
    const char* name;
    const char* texto;
    const char* celda;
    friend void PrintTo(const Celda& row, std::ostream* os) { *os << row.name; }
};

class CeldaTest : public testing::TestWithParam<Celda> {};

TEST_P(CeldaTest, QuedaComoTexto) { EXPECT_EQ(CeldaCsv(GetParam().texto), GetParam().celda); }

INSTANTIATE_TEST_SUITE_P(
    Textos, CeldaTest,
    testing::Values(Celda{"nombre", "Ana", "Ana"}, Celda{"igual", "=SUM(A1:A9)", "'=SUM(A1:A9)"},
                    Celda{"mas", "+cmd|calc", "'+cmd|calc"}, Celda{"arroba", "@x", "'@x"},
                    Celda{"menos", "-2+3", "'-2+3"}, Celda{"tabulador", "\t=1", " =1"},
                    Celda{"retorno", "\r=1", " =1"}, Celda{"coma", "=1,2", "\"'=1,2\""},
                    Celda{"igual_en_medio", "a=1", "a=1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A student's name, as the core keeps it for both faces: one line, no controls, trimmed.
struct Limpio {
    const char* name;
    std::string nombre;
    const char* limpio;
    friend void PrintTo(const Limpio& row, std::ostream* os) { *os << row.name; }
};

class NombreLimpioTest : public testing::TestWithParam<Limpio> {};

TEST_P(NombreLimpioTest, UnaLineaSinControles) {
    EXPECT_EQ(NombreLimpio(GetParam().nombre), GetParam().limpio);
}

INSTANTIATE_TEST_SUITE_P(Nombres, NombreLimpioTest,
                         testing::Values(Limpio{"tal_cual", "Ana Pérez", "Ana Pérez"},
                                         Limpio{"escape", "Ana\x1b[2J", "Ana[2J"},
                                         Limpio{"nul_y_del", std::string("A\0n\177a", 5), "Ana"},
                                         Limpio{"c1", "An\302\233a", "Ana"},
                                         Limpio{"salto_de_linea", "Ana\nPérez\r\n", "Ana Pérez"},
                                         Limpio{"tabulador", "Ana\tPérez", "Ana Pérez"},
                                         Limpio{"espacios_unicode",
                                                "\xe3\x80\x80\xc2\xa0 Ana \xe2\x80\x83", "Ana"},
                                         Limpio{"marca_de_orden", "\357\273\277Ana", "Ana"},
                                         Limpio{"solo_espacios", " \t\n", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// The name a class's copies are offered under: each student's apart, and fit for any system.
struct Archivo {
    const char* name;
    const char* alumno;
    const char* archivo;
    friend void PrintTo(const Archivo& row, std::ostream* os) { *os << row.name; }
};

class NombreDeResultadosTest : public testing::TestWithParam<Archivo> {};

TEST_P(NombreDeResultadosTest, ElAlumnoYLaFecha) {
    EXPECT_EQ(NombreDeResultados(GetParam().alumno, "2026-03-02"), GetParam().archivo);
}

INSTANTIATE_TEST_SUITE_P(
    Nombres, NombreDeResultadosTest,
    testing::Values(Archivo{"nombre", "Ana Pérez", "Ana_Pérez-2026-03-02.csv"},
                    Archivo{"sin_nombre", "", "practica-2026-03-02.csv"},
                    Archivo{"separadores", "../Ana/Luis:*?\"<>|\\x", "Ana_Luis_x-2026-03-02.csv"},
                    Archivo{"puntos_al_borde", ".Ana.", "Ana-2026-03-02.csv"},
                    Archivo{"marca_de_direccion", "Ana\xe2\x80\xaegpj.exe",
                            "Ana_gpj.exe-2026-03-02.csv"},
                    Archivo{"controles", "\x1b[2JAna", "[2JAna-2026-03-02.csv"},
                    Archivo{"nada_util", "/ . /", "practica-2026-03-02.csv"},
                    Archivo{"largo", "ñññññññññññññññññññññññññññññññññ",
                            "ññññññññññññññññññññññññññññññññ-2026-03-02.csv"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trazalia::practice
