// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read from the table of options: each error in one line, each option that goes
// with a mode, the values and the defaults; and the help written from the same table.

#include "session/opciones.h"
#include "practice/tests/ventanas.h"
#include "session/dialogos.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace trazalia::session {
namespace {

const Contexto kContexto{{"es", "en", "pt_BR"}, 1234};

struct Mala {
    const char* name;
    std::vector<std::string> args;
    std::string error;
    friend void PrintTo(const Mala& row, std::ostream* os) { *os << row.name; }
};

class LineaMalaTest : public testing::TestWithParam<Mala> {};

TEST_P(LineaMalaTest, SaysWhatIsWrongInOneLine) {
    const auto leida = LeerLinea(GetParam().args, kContexto);
    ASSERT_TRUE(std::holds_alternative<std::string>(leida));
    EXPECT_EQ(std::get<std::string>(leida), GetParam().error);
}

const std::string kAyudaDeOpciones = "; «trazalia --help» muestra las opciones";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Opciones, LineaMalaTest, testing::Values(
    Mala{"Desconocida", {"--foo=1"}, "opción desconocida «--foo»" + kAyudaDeOpciones},
    Mala{"DesconocidaDeUnaLetra", {"--x"}, "opción desconocida «-x»" + kAyudaDeOpciones},
    Mala{"SinElArchivoDelGuion", {"--script"}, "falta el ARCHIVO de la opción --script"},
    Mala{"SinValorPorSuLetra", {"-s"}, "falta el valor de la opción «-s»"},
    Mala{"SinElNombreDeLaHoja", {"-hoja"}, "falta el valor de la opción «-hoja»"},
    Mala{"SinValorDeQt", {"-s", "g", "-platform"}, "falta el valor de la opción «-platform»"},
    Mala{"ValorDeUnaSola", {"--practica=si"}, "la opción «--practica» no lleva valor"},
    Mala{"DosVeces", {"-s", "a", "--script", "b"},
         "la opción --script se ha dado 2 veces; se admite una sola"},
    Mala{"IdiomaDesconocido", {"--idioma", "xx"}, "idioma desconocido «xx»: se esperaba es, en o pt_BR"},
    Mala{"ResumenAntesQueOtroModo", {"--practica", "--hoja", "h.pdf", "--resumen", "a"},
         "--resumen va sola, con sus archivos y --csv"},
    Mala{"PracticaConHoja", {"--hoja", "h.pdf", "--practica"},
         "--practica abre las ventanas: no va con --script, --hoja ni --moodle"},
    Mala{"PracticaConMoodle", {"--practica", "--moodle", "b.xml"},
         "--practica abre las ventanas: no va con --script, --hoja ni --moodle"},
    Mala{"MoodleConGuion", {"--moodle", "b.xml", "-s", "g"}, "--moodle y --script no van juntas"},
    Mala{"MoodleConHoja", {"--moodle", "b.xml", "--hoja", "h.pdf"}, "--hoja y --moodle no van juntas"},
    Mala{"MoodleConPapel", {"--moodle", "b.xml", "--papel", "a4"}, "la opción --papel va con --hoja"},
    Mala{"MoodleQueNoEsXml", {"--moodle", "b.xml/c.pdf"},
         "«b.xml/c.pdf»: el banco de preguntas se escribe en XML; use un nombre terminado en .xml"},
    Mala{"MoodleConEjerciciosDeMas", {"--moodle", "b.xml", "--ejercicios", "201"},
         "--ejercicios va de 1 a 200, no «201»"},
    Mala{"HojaConGuion", {"--hoja", "h.pdf", "-s", "g"}, "--hoja y --script no van juntas"},
    Mala{"ResumenSinArchivos", {"--resumen", "--csv"}, "falta el ARCHIVO de la opción --resumen"},
    Mala{"ArgumentoSuelto", {"-s", "g", "stray"}, "argumento inesperado «stray»"},
    Mala{"CsvSinResumen", {"--csv"}, "la opción --csv va con --resumen"},
    Mala{"RegistroConResumen", {"--resumen", "a", "--registro", "r"},
         "la opción --registro va con --script"},
    Mala{"NivelSinHoja", {"--nivel", "facil"}, "la opción --nivel va con --hoja o --moodle"},
    Mala{"DibujadosEnUnGuion", {"-s", "g", "--dibujados"}, "la opción --dibujados va con --hoja"},
    Mala{"RegistroQueNoEsTexto", {"-s", "g", "--registro", "a\xff.csv"},
         "el nombre del registro «a\xff.csv» no es texto UTF-8; elija otro nombre"},
    Mala{"RegistroConMedioSustituto", {"-s", "g", "--registro", "\xed\xa0\x80"},
         "el nombre del registro «\xed\xa0\x80» no es texto UTF-8; elija otro nombre"},
    Mala{"HojaQueNoEsPdf", {"--hoja", "a.pdf/b.txt"},
         "«a.pdf/b.txt»: la hoja se escribe en PDF; use un nombre terminado en .pdf"},
    Mala{"CeroEjercicios", {"--hoja", "h.pdf", "--ejercicios", "0"},
         "--ejercicios va de 1 a 200, no «0»"},
    Mala{"EjerciciosDeMas", {"--hoja", "h.pdf", "--ejercicios", "201"},
         "--ejercicios va de 1 a 200, no «201»"},
    Mala{"MetodoDesconocido", {"--hoja", "h.pdf", "--metodo", "triangulo"},
         "método desconocido «triangulo»: se esperaba paralelogramo, poligono, combinacion, "
         "ambos o equilibrante"},
    Mala{"NivelDesconocido", {"--hoja", "h.pdf", "--nivel", "experto"},
         "nivel desconocido «experto»: se esperaba facil, medio o dificil"},
    Mala{"SemillaConSigno", {"--hoja", "h.pdf", "--semilla", "+5"},
         "semilla no válida «+5»: se esperaba un número de 0 a 4294967295"},
    Mala{"EjerciciosConSigno", {"--hoja", "h.pdf", "--ejercicios", "+5"},
         "--ejercicios va de 1 a 200, no «+5»"},
    Mala{"FormatoDesconocido", {"--moodle", "b.xml", "--moodle-formato", "gift"},
         "formato desconocido «gift»: se esperaba cloze o numerico"},
    Mala{"FormatoSinMoodle", {"--hoja", "h.pdf", "--moodle-formato", "cloze"},
         "la opción --moodle-formato va con --moodle"},
    Mala{"SemillaDeMas", {"--hoja", "h.pdf", "--semilla", "4294967296"},
         "semilla no válida «4294967296»: se esperaba un número de 0 a 4294967295"},
    Mala{"PapelDesconocido", {"--hoja", "h.pdf", "--papel", "a3"},
         "papel desconocido «a3»: se esperaba a4 o carta"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Buena {
    const char* name;
    std::vector<std::string> args;
    std::function<void(const Pedido&)> check;
    friend void PrintTo(const Buena& row, std::ostream* os) { *os << row.name; }
};

class LineaBuenaTest : public testing::TestWithParam<Buena> {};

TEST_P(LineaBuenaTest, ReadsWhatIsAskedFor) {
    const auto leida = LeerLinea(GetParam().args, kContexto);
    ASSERT_TRUE(std::holds_alternative<Pedido>(leida)) << std::get<std::string>(leida);
    GetParam().check(std::get<Pedido>(leida));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Opciones, LineaBuenaTest, testing::Values(
    Buena{"VentanasPorDefecto", {}, [](const Pedido& p) {
        EXPECT_EQ(p.modo, Modo::Ventanas);
        EXPECT_FALSE(p.idioma);
        EXPECT_EQ(p.opcionesDeHoja.semilla, 1234u);
    }},
    Buena{"HojaConTodo",
          {"--hoja", "h.PDF", "--ejercicios", " 12", "--metodo", "poligono", "--nivel=dificil",
           "--semilla", "4294967295", "--titulo", "T", "-papel", "carta", "--dibujados"},
          [](const Pedido& p) {
              EXPECT_EQ(p.modo, Modo::Hoja);
              EXPECT_EQ(p.hoja, "h.PDF");
              const practice::OpcionesDeHoja& o = p.opcionesDeHoja;
              EXPECT_EQ(o.ejercicios, 12);
              EXPECT_EQ(o.metodo, practice::Form3());
              EXPECT_EQ(o.nivel, practice::Nivel::Dificil);
              EXPECT_EQ(o.semilla, 4294967295u);
              EXPECT_EQ(o.titulo, "T");
              EXPECT_EQ(o.papel, practice::Papel::Carta);
              EXPECT_TRUE(o.dibujados);
          }},
    Buena{"MoodleConLasOpcionesDeLaHoja",
          {"--moodle", "b.XML", "--ejercicios", "200", "--metodo", "paralelogramo", "--nivel",
           "facil", "--semilla", "0", "--titulo", "T", "--idioma", "en"},
          [](const Pedido& p) {
              EXPECT_EQ(p.modo, Modo::Moodle);
              EXPECT_EQ(p.moodle, "b.XML");
              const practice::OpcionesDeHoja& o = p.opcionesDeHoja;
              EXPECT_EQ(o.ejercicios, 200);
              EXPECT_EQ(o.metodo, practice::Form2());
              EXPECT_EQ(o.nivel, practice::Nivel::Facil);
              EXPECT_EQ(o.semilla, 0u);
              EXPECT_EQ(o.titulo, "T");
              EXPECT_EQ(p.idioma, "en");
              EXPECT_EQ(p.formatoDeMoodle, practice::FormatoDeMoodle::Cloze);
          }},
    Buena{"ComoLosEscribeLaHoja", {"--hoja", "h.pdf", "--metodo", "polígono", "--nivel", "difícil"},
          [](const Pedido& p) {
              EXPECT_EQ(p.opcionesDeHoja.metodo, practice::Form3());
              EXPECT_EQ(p.opcionesDeHoja.nivel, practice::Nivel::Dificil);
          }},
    Buena{"LaEquilibranteEnLosDos", {"--hoja", "h.pdf", "--metodo", "equilibrante"},
          [](const Pedido& p) {
              EXPECT_EQ(p.opcionesDeHoja.metodo, practice::kAmbos);
              EXPECT_EQ(p.opcionesDeHoja.pregunta, practice::Pregunta::Equilibrante);
          }},
    Buena{"FacilConAcento", {"--moodle", "b.xml", "--nivel", "fácil", "--moodle-formato=numerico"},
          [](const Pedido& p) {
              EXPECT_EQ(p.opcionesDeHoja.nivel, practice::Nivel::Facil);
              EXPECT_EQ(p.formatoDeMoodle, practice::FormatoDeMoodle::Numerico);
          }},
    Buena{"HojaPorDefecto", {"--hoja", "h.pdf"}, [](const Pedido& p) {
        const practice::OpcionesDeHoja o = p.opcionesDeHoja;
        EXPECT_EQ(o.ejercicios, 6);
        EXPECT_EQ(o.metodo, practice::kAmbos);
        EXPECT_EQ(o.nivel, practice::Nivel::Medio);
        EXPECT_EQ(o.semilla, 1234u);
        EXPECT_FALSE(o.titulo);
        EXPECT_EQ(o.papel, practice::Papel::A4);
        EXPECT_FALSE(o.dibujados);
    }},
    Buena{"GuionConQt", {"-platform", "offscreen", "--script=-", "-style=fusion", "--sync",
                         "--registro", "r.csv", "--idioma", "pt_BR"},
          [](const Pedido& p) {
              EXPECT_EQ(p.modo, Modo::Guion);
              EXPECT_EQ(p.guion, "-");
              EXPECT_EQ(p.registro, "r.csv");
              EXPECT_EQ(p.idioma, "pt_BR");
              EXPECT_EQ(p.deQt, (std::vector<std::string>{"-platform", "offscreen",
                                                          "-style=fusion", "--sync"}));
              EXPECT_EQ(p.plataforma, "offscreen");
          }},
    Buena{"ResumenConSusArchivos", {"--resumen", "a", "--csv", "--", "--b", "-"},
          [](const Pedido& p) {
              EXPECT_EQ(p.modo, Modo::Resumen);
              EXPECT_TRUE(p.csv);
              EXPECT_EQ(p.archivos, (std::vector<std::string>{"a", "--b", "-"}));
          }},
    Buena{"LaAyudaAntesQueNada", {"--nivel", "x", "-h", "--idioma", "en", "--practica"},
          [](const Pedido& p) {
              EXPECT_EQ(p.modo, Modo::Ayuda);
              EXPECT_EQ(p.idioma, "en");
          }}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

std::string Marcado(const char*, const char* texto, int) {
    return std::string("<").append(texto).append(">");
}

std::string SinMarcas(std::string texto) {
    std::erase_if(texto, [](char c) { return c == '<' || c == '>'; });
    return texto;
}

// Each error is one marked text in the language asked for, its values in their places: in
// Spanish, the same line.
TEST_P(LineaMalaTest, SaysItInTheLanguageAskedFor) {
    Contexto contexto = kContexto;
    contexto.traductor = Marcado;
    const auto leida = LeerLinea(GetParam().args, contexto);
    ASSERT_TRUE(std::holds_alternative<std::string>(leida));
    const std::string& dicho = std::get<std::string>(leida);
    EXPECT_TRUE(dicho.starts_with('<') && dicho.ends_with('>')) << dicho;
    EXPECT_EQ(SinMarcas(dicho), SinMarcas(GetParam().error));
}

struct ConIdioma {
    const char* name;
    std::vector<std::string> args;
    std::optional<std::string> idioma;
    friend void PrintTo(const ConIdioma& row, std::ostream* os) { *os << row.name; }
};

class IdiomaDeLaLineaTest : public testing::TestWithParam<ConIdioma> {};

// The language an error is told in: one of the program's, given as the parser reads options,
// whatever else the line holds.
TEST_P(IdiomaDeLaLineaTest, FindsTheLanguageOfTheErrors) {
    EXPECT_EQ(IdiomaDeLaLinea(GetParam().args, kContexto), GetParam().idioma);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Opciones, IdiomaDeLaLineaTest, testing::Values(
    ConIdioma{"ConUnError", {"--nivel", "experto", "--idioma", "en"}, "en"},
    ConIdioma{"ConIgual", {"--foo", "--idioma=pt_BR"}, "pt_BR"},
    ConIdioma{"DesconocidoNoCuenta", {"--idioma", "xx", "--nivel", "x"}, std::nullopt},
    ConIdioma{"ValorDeOtraOpcion", {"--titulo", "--idioma", "en"}, std::nullopt},
    ConIdioma{"TrasUnaDeQt", {"-style", "--idioma", "--idioma", "en"}, "en"},
    ConIdioma{"Ninguno", {"--hoja"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas;
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) lineas.push_back(l);
    return lineas;
}

// Each option on its own line, under the one it belongs to, its text and the text's later lines
// at one column; every mode in the usage; every text through the translator.
TEST(AyudaDeOpciones, EachOptionAtItsColumnAndEveryTextTranslated) {
    const std::vector<std::string> lineas = Lineas(Ayuda());
    const std::string marcada = Ayuda(Marcado);
    constexpr std::size_t kColumna = 24;
    for (const Opcion& o : Opciones()) {
        if (!o.argumento.empty()) {
            EXPECT_NE(marcada.find(std::string("<").append(o.argumento).append(">")),
                      std::string::npos);
        }
        if (!o.ayuda) continue;
        std::string cabeza = std::string(o.dentro ? "    " : "  ") +
                             (o.corto ? std::string{'-', o.corto, ',', ' '} : "") + "--" +
                             std::string(o.nombre);
        if (!o.argumento.empty()) cabeza.append(" ").append(o.argumento);
        const auto at = std::find_if(lineas.begin(), lineas.end(), [&](const std::string& l) {
            return l.starts_with(cabeza + ' ');
        });
        ASSERT_NE(at, lineas.end()) << cabeza;
        // A list of words from the program's tables fills the text's %1.
        const std::vector<std::string> texto =
            Lineas(o.palabras ? diagram::Sustituir(o.ayuda, {o.palabras(Contexto{})}) : o.ayuda);
        for (std::size_t i = 0; i < texto.size(); ++i) {
            ASSERT_LT(at + i, lineas.end());
            EXPECT_EQ(at[i].substr(kColumna), texto[i]) << cabeza;
            if (i > 0) {
                EXPECT_EQ(at[i].find_first_not_of(' '), kColumna) << cabeza;
            }
        }
        EXPECT_NE(marcada.find("<" + texto[0]), std::string::npos) << cabeza;
    }
    EXPECT_EQ(lineas[0], "Uso: trazalia [--practica | --script ARCHIVO [--registro ARCHIVO] |");
    EXPECT_EQ(lineas[1], std::string(15, ' ') + "--hoja ARCHIVO.pdf [OPCIONES DE LA HOJA] |");
    EXPECT_EQ(lineas[2], std::string(15, ' ') + "--moodle ARCHIVO.xml [OPCIONES DE LA HOJA] |");
    EXPECT_EQ(lineas[3], std::string(15, ' ') + "--resumen ARCHIVO... [--csv]]");
    EXPECT_TRUE(
        marcada.starts_with("<Uso:> trazalia [--practica | --script <ARCHIVO> "
                            "<[--registro ARCHIVO]> |"));
}

// The manual's OPTIONS section names every option of the table, and no other.
TEST(ManualDeOpciones, NamesEveryOptionAndNoOther) {
    std::ifstream manual(TRAZALIA_MANUAL);
    ASSERT_TRUE(manual) << TRAZALIA_MANUAL;
    std::set<std::string> documentadas;
    bool dentro = false;
    // An option is written \-\-name in the page's source.
    constexpr std::string_view kGuiones = R"(\-\-)";
    for (std::string linea; std::getline(manual, linea);) {
        if (linea.starts_with(".SH")) dentro = linea == ".SH OPCIONES";
        if (!dentro) continue;
        for (auto i = linea.find(kGuiones); i != std::string::npos;
             i = linea.find(kGuiones, i + 1)) {
            const auto inicio = i + kGuiones.size();
            auto fin = inicio;
            // A name's own hyphen is written \- too: --moodle-formato is \-\-moodle\-formato.
            while (fin < linea.size() &&
                   ((linea[fin] >= 'a' && linea[fin] <= 'z') ||
                    (linea.compare(fin, 2, R"(\-)") == 0 && fin + 2 < linea.size() &&
                     linea[fin + 2] >= 'a' && linea[fin + 2] <= 'z')))
                fin += linea[fin] == '\\' ? 2 : 1;
            std::string nombre = linea.substr(inicio, fin - inicio);
            for (auto g = nombre.find('\\'); g != std::string::npos; g = nombre.find('\\'))
                nombre.erase(g, 1);
            if (fin > inicio) documentadas.insert(nombre);
        }
    }
    std::set<std::string> tabla;
    for (const Opcion& o : Opciones()) tabla.insert(std::string(o.nombre));
    EXPECT_EQ(documentadas, tabla);
}

// The worksheet's dialog, drawn from its description: left as it opens it asks for the command
// line's defaults, each choice it offers is a word its option takes, and the bank's line leaves
// out the sheet's own fields.
TEST(DialogoDeHoja, OpensAtTheDefaultsAndOffersOnlyWordsItsOptionsTake) {
    const std::vector<Campo>& campos = CamposDeHoja();
    std::vector<std::string> valores;
    for (const Campo& c : campos)
        valores.push_back(c.clase == Clase::Semilla    ? "77"
                          : c.textoPorOmision.contexto ? c.textoPorOmision.texto
                                                       : c.porOmision);
    const auto leido = LeerDialogo(campos, valores, Modo::Hoja, kContexto);
    ASSERT_TRUE(std::holds_alternative<Pedido>(leido)) << std::get<std::string>(leido);
    practice::OpcionesDeHoja esperadas;
    esperadas.semilla = 77;
    esperadas.titulo = practice::kTituloDeHoja;
    const practice::OpcionesDeHoja& leidas = std::get<Pedido>(leido).opcionesDeHoja;
    EXPECT_EQ(leidas.ejercicios, esperadas.ejercicios);
    EXPECT_EQ(leidas.metodo, esperadas.metodo);
    EXPECT_EQ(leidas.nivel, esperadas.nivel);
    EXPECT_EQ(leidas.semilla, esperadas.semilla);
    EXPECT_EQ(leidas.titulo, esperadas.titulo);
    EXPECT_EQ(leidas.papel, esperadas.papel);
    EXPECT_EQ(leidas.dibujados, esperadas.dibujados);

    for (std::size_t i = 0; i < campos.size(); ++i) {
        const Modo modo = campos[i].modos & Bit(Modo::Hoja) ? Modo::Hoja : Modo::Moodle;
        std::vector<std::string> otros = valores;
        if (campos[i].clase == Clase::Entero) otros[i] = std::to_string(campos[i].maximo);
        if (campos[i].clase == Clase::Casilla) otros[i] = "1";
        for (const Eleccion& e : campos[i].elecciones) {
            otros[i] = e.valor;
            EXPECT_TRUE(std::holds_alternative<Pedido>(LeerDialogo(campos, otros, modo, kContexto)))
                << campos[i].opcion << ' ' << e.valor;
        }
        // Papel and dibujados, set, still make a bank.
        const auto banco = LeerDialogo(campos, otros, Modo::Moodle, kContexto);
        EXPECT_TRUE(std::holds_alternative<Pedido>(banco)) << campos[i].opcion;
    }
}

}  // namespace
}  // namespace trazalia::session
