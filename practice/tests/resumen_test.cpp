// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/resumen.h"
#include "practice/tests/ventanas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/camino.h"
#include "practice/registro.h"

namespace trazalia::practice {
namespace {

Asiento De(std::string alumno, Codigo codigo) {
    Asiento r{"2026-03-02T10:15:00+01:00",
              std::move(alumno),
              Form2(),
              Nivel::Medio,
              {{100, 0}, {60, 120}},
              Intento{92, 40},
              "87.18",
              "36.59",
              codigo};
    return r;
}

std::string L(const std::string& alumno, Codigo codigo) {
    return LineaDeAsiento(De(alumno, codigo)) + '\n';
}

void LeerArchivo(Resumen& resumen, std::string_view archivo, std::string_view bytes,
                 std::size_t trozo = std::string_view::npos) {
    resumen.Abrir(archivo);
    for (std::size_t i = 0; i < bytes.size(); i += trozo) resumen.Leer(bytes.substr(i, trozo));
    resumen.Cerrar();
}

// Two files of a class, with headers, an empty line, a line that cannot be read, a name that a
// spreadsheet would run, one name spelt two ways, and last lines without a line break.
Resumen Clase() {
    Resumen resumen;
    const std::string cabecera = std::string(CabeceraDelRegistro()) + '\n';
    LeerArchivo(resumen, "lunes.csv",
                cabecera + L("Bea", Codigo::Acierto) + L("Ángel", Codigo::SumaDeModulos) +
                    L("", Codigo::Otro) + L("ana", Codigo::Acierto) + "\n");
    std::string martes = cabecera + "2026-03-03T09:00,Bea,Form2\n" +
                         L("Bea", Codigo::SumaDeModulos) + L("Ana ", Codigo::SumaDeModulos) +
                         L("=SUM(A1:A9)", Codigo::SentidoOpuesto);
    martes.pop_back();
    LeerArchivo(resumen, "martes.csv", martes);
    return resumen;
}

TEST(Resumen, Texto) {
    EXPECT_EQ(Clase().Texto(),
              "Intentos: 7; aciertos: 2 (28.6 %).\n"
              "\n"
              "Por alumno:\n"
              "  =SUM(A1:A9): 1 intento, 0 aciertos (0.0 %)\n"
              "  ana: 2 intentos, 1 acierto (50.0 %)\n"
              "  Ángel: 1 intento, 0 aciertos (0.0 %)\n"
              "  Bea: 2 intentos, 1 acierto (50.0 %)\n"
              "  (sin nombre): 1 intento, 0 aciertos (0.0 %)\n"
              "\n"
              "Errores de la clase:\n"
              "  suma de módulos: 3 (42.9 % de los intentos)\n"
              "  resta de módulos: 0 (0.0 % de los intentos)\n"
              "  sentido opuesto: 1 (14.3 % de los intentos)\n"
              "  resta de vectores: 0 (0.0 % de los intentos)\n"
              "  ángulo desde el eje y: 0 (0.0 % de los intentos)\n"
              "  sentido horario: 0 (0.0 % de los intentos)\n"
              "  promedio de direcciones: 0 (0.0 % de los intentos)\n"
              "  componentes sin signo: 0 (0.0 % de los intentos)\n"
              "  otro error: 1 (14.3 % de los intentos)\n"
              "\n"
              "Alumnos por error:\n"
              "  suma de módulos:\n"
              "    ana: 1 vez\n"
              "    Ángel: 1 vez\n"
              "    Bea: 1 vez\n"
              "  sentido opuesto:\n"
              "    =SUM(A1:A9): 1 vez\n"
              "  otro error:\n"
              "    (sin nombre): 1 vez\n"
              "\n"
              "Líneas que no se pudieron leer: 1\n"
              "  martes.csv:2: se esperaban 18 campos y hay 3\n");
}

// A path's state after right answers (+1) and mistakes (0) in each skill given by name.
std::string Estado(std::initializer_list<std::pair<const char*, Codigo>> pasos) {
    Progreso progreso(7, Nivel::Medio, Form2());
    for (const auto& [destreza, codigo] : pasos)
        progreso.Anotar({*DestrezaDeNombre(destreza), std::nullopt}, codigo, Errores().set());
    return progreso.Texto();
}

// Each student's skills from the state of their path's latest entry, whatever the order the files
// give them in, and the mistakes it still brings back; a student off the paths has no line.
TEST(Resumen, ElCaminoDeCadaAlumno) {
    const std::string antes =
        Estado({{"Form2", Codigo::Acierto}, {"Form2-equilibrante", Codigo::SumaDeModulos}});
    const std::string despues = Estado({{"Form2", Codigo::Acierto},
                                        {"Form2", Codigo::Acierto},
                                        {"Form2", Codigo::Acierto},
                                        {"Form2-equilibrante", Codigo::Acierto}});
    auto enCamino = [](std::string alumno, std::string fecha, std::string estado) {
        Asiento r = De(std::move(alumno), Codigo::Acierto);
        r.fecha = std::move(fecha);
        r.camino = std::move(estado);
        return LineaDeAsiento(r) + '\n';
    };
    Resumen resumen;
    LeerArchivo(resumen, "a.csv",
                enCamino("Ana", "2026-03-03T10:20", despues) + L("Carla", Codigo::Acierto) +
                    enCamino("Ana", "2026-03-03T10:15", antes) +
                    enCamino("Bea", "2026-03-03T10:15", antes));
    const std::string texto = resumen.Texto();
    EXPECT_NE(texto.find("\nCamino por alumno:\n"
                         "  Ana: Paralelogramo (resultante) 3/3 dominada, "
                         "Paralelogramo (equilibrante) 1/3\n"
                         "  Bea: Paralelogramo (resultante) 1/3, Paralelogramo (equilibrante) 0/3; "
                         "vuelven: suma de módulos\n"),
              std::string::npos)
        << texto;
    const std::string csv = resumen.Csv();
    EXPECT_NE(csv.find("destreza,Ana,3,3,100.0,Form2\n"
                       "destreza,Ana,1,3,33.3,Form2-equilibrante\n"
                       "destreza,Bea,1,3,33.3,Form2\n"
                       "destreza,Bea,0,3,0.0,Form2-equilibrante\n"
                       "pendiente,Bea,,,,suma-de-modulos\n"),
              std::string::npos)
        << csv;
}

TEST(Resumen, Csv) {
    const std::string csv = Clase().Csv();
    EXPECT_EQ(csv.substr(0, csv.find("error,resta-de-modulos")),
              "tipo,nombre,veces,de,porcentaje,error\n"
              "clase,,2,7,28.6,\n"
              "alumno,'=SUM(A1:A9),0,1,0.0,\n"
              "alumno,ana,1,2,50.0,\n"
              "alumno,Ángel,0,1,0.0,\n"
              "alumno,Bea,1,2,50.0,\n"
              "alumno,,0,1,0.0,\n"
              "error,suma-de-modulos,3,7,42.9,\n");
    EXPECT_TRUE(
        csv.ends_with("error,otro,1,7,14.3,\n"
                      "alumno-error,ana,1,2,50.0,suma-de-modulos\n"
                      "alumno-error,Ángel,1,1,100.0,suma-de-modulos\n"
                      "alumno-error,Bea,1,2,50.0,suma-de-modulos\n"
                      "alumno-error,'=SUM(A1:A9),1,1,100.0,sentido-opuesto\n"
                      "alumno-error,,1,1,100.0,otro\n"
                      "ilegible,martes.csv:2: se esperaban 18 campos y hay 3,,,,\n"))
        << csv;
}

// Near misses apart from right answers and mistakes; exercises left unchecked, which are no
// attempts, per student; two coinciding mistakes counted once each.
TEST(Resumen, CasiSinComprobarYDosErrores) {
    Resumen resumen;
    const auto sin = [](const std::string& alumno, Codigo codigo) {
        return LineaDeAsiento(AsientoSinVeredicto("2026-03-02T10:15", alumno, Form2(), Nivel::Medio,
                                                  {{100, 0}, {60, 120}}, codigo)) +
               '\n';
    };
    Asiento par = De("Ana", Codigo::RestaDeVectores);
    par.codigo = {Codigo::RestaDeVectores, Codigo::AnguloDesdeY};
    LeerArchivo(resumen, "a.csv",
                L("Ana", Codigo::Casi) + L("Ana", Codigo::Acierto) + sin("Ana", Codigo::Saltado) +
                    sin("Ana", Codigo::Saltado) + sin("Bea", Codigo::SinRespuesta) +
                    LineaDeAsiento(par) + '\n');
    const std::string texto = resumen.Texto();
    EXPECT_TRUE(
        texto.starts_with("Intentos: 3; aciertos: 1 (33.3 %).\n"
                          "Casi: 1 (33.3 % de los intentos).\n"
                          "Sin comprobar: 2 saltados, 1 sin respuesta.\n"
                          "\n"
                          "Por alumno:\n"
                          "  Ana: 3 intentos, 1 acierto (33.3 %), 1 casi, 2 saltados\n"
                          "  Bea: 0 intentos, 0 aciertos (0.0 %), 1 sin respuesta\n"))
        << texto;
    EXPECT_NE(texto.find("  resta de vectores: 1 (33.3 % de los intentos)\n"
                         "  ángulo desde el eje y: 1 (33.3 % de los intentos)\n"),
              std::string::npos)
        << texto;
    EXPECT_TRUE(
        resumen.Csv().ends_with("resultado,casi,1,3,33.3,\n"
                                "alumno-resultado,Ana,1,3,33.3,casi\n"
                                "resultado,saltado,2,6,33.3,\n"
                                "alumno-resultado,Ana,2,5,40.0,saltado\n"
                                "resultado,sin-respuesta,1,6,16.7,\n"
                                "alumno-resultado,Bea,1,1,100.0,sin-respuesta\n"))
        << resumen.Csv();
}

// The equilibrant's entries may name giving the resultant instead, and never the resultant turned
// round, which is what that is; a class asked only for the resultant lists neither change.
TEST(Resumen, LaEquilibranteNombraSusErrores) {
    const auto errores = [](Pregunta pregunta) {
        Asiento a = De("Ana", Codigo::Acierto);
        a.vectores.pregunta = pregunta;
        Resumen resumen;
        LeerArchivo(resumen, "a.csv", LineaDeAsiento(a) + '\n');
        return resumen.Texto();
    };
    const std::string equilibrante = errores(Pregunta::Equilibrante);
    EXPECT_NE(equilibrante.find("  resultante en vez de equilibrante: 0"), std::string::npos)
        << equilibrante;
    EXPECT_EQ(equilibrante.find("  sentido opuesto:"), std::string::npos) << equilibrante;
    const std::string resultante = errores(Pregunta::Resultante);
    EXPECT_EQ(resultante.find("equilibrante"), std::string::npos) << resultante;
    EXPECT_NE(resultante.find("  sentido opuesto: 0"), std::string::npos) << resultante;
}

// A file read in pieces of any size gives the summary it gives read whole: a byte-order mark, a
// quoted line break, a CRLF and a too long line may be cut anywhere.
class TrozosTest : public testing::TestWithParam<std::size_t> {};

TEST_P(TrozosTest, DanLoMismoQueElArchivoEntero) {
    std::string linea = LineaDeAsiento(De("x", Codigo::Otro));
    linea.replace(linea.find(",x,"), 3, ",\"Ana\r\nMaría\",");
    const std::string bytes = "\xEF\xBB\xBF" + std::string(CabeceraDelRegistro()) + "\r\n" + linea +
                              "\r\n" + std::string(kLineaMaxima + 5, 'x') + '\n' +
                              "2026-03-02T10:15,\"Ana,Form2\n" + L("Bea", Codigo::Acierto) + "\"";
    Resumen entero;
    LeerArchivo(entero, "a.csv", bytes);
    ASSERT_EQ(entero.intentos(), 2);
    Resumen troceado;
    LeerArchivo(troceado, "a.csv", bytes, GetParam());
    EXPECT_EQ(troceado.Texto(), entero.Texto());
}

INSTANTIATE_TEST_SUITE_P(Tamanos, TrozosTest, testing::Values(1, 2, 3, 7, 4096));

struct Archivo {
    const char* name;
    std::string bytes;
    int intentos;
    std::vector<std::string> ilegibles;  // "line: reason"
    friend void PrintTo(const Archivo& row, std::ostream* os) { *os << row.name; }
};

class ArchivoTest : public testing::TestWithParam<Archivo> {};

TEST_P(ArchivoTest, CuentaCadaRegistroYNombraCadaLineaIlegible) {
    Resumen resumen;
    LeerArchivo(resumen, "a.csv", GetParam().bytes);
    EXPECT_EQ(resumen.intentos(), GetParam().intentos);
    std::vector<std::string> ilegibles;
    for (const auto& i : resumen.ilegibles())
        ilegibles.push_back(std::to_string(i.numero) + ": " + i.motivo);
    EXPECT_EQ(ilegibles, GetParam().ilegibles);
}

const std::string kBien = L("Ana", Codigo::Acierto);
const std::string kCabecera = std::string(CabeceraDelRegistro()) + '\n';

std::string ConNombre(const std::string& campo) {
    std::string linea = kBien;
    linea.replace(linea.find(",Ana,"), 5, ',' + campo + ',');
    return linea;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Archivos, ArchivoTest, testing::Values(
    Archivo{"salto_de_linea_entre_comillas",
            kCabecera + ConNombre("\"Ana\nMaría\"") + ConNombre("\"a\n\n\"\"b\"\"\n\"") + "x\n",
            2, {"8: se esperaban 18 campos y hay 1"}},
    Archivo{"marca_de_orden_de_bytes", "\xEF\xBB\xBF" + kCabecera + kBien, 1, {}},
    Archivo{"marca_ante_un_registro", "\xEF\xBB\xBF" + kBien, 1, {}},
    Archivo{"marca_a_medias", "\xEF\xBB" + kBien, 0,
            {"1: campo fecha no válido: «\xEF\xBB" + kBien.substr(0, 25) + "»"}},
    Archivo{"marca_fuera_del_principio", kBien + "\xEF\xBB\xBF" + kBien, 1,
            {"2: campo fecha no válido: «\xEF\xBB\xBF" + kBien.substr(0, 25) + "»"}},
    Archivo{"comillas_sin_cerrar_ante_registros",
            "2026-03-02T10:15,\"Ana,Form2\nsigue\n" + kBien + kCabecera + kBien, 2,
            {"1: comillas mal cerradas"}},
    Archivo{"comillas_sin_cerrar_al_final", kBien + "2026-03-02T10:15,\"Ana\nsigue", 1,
            {"2: comillas mal cerradas"}},
    Archivo{"comillas_en_medio_de_un_campo", "2026,A\"na\n" + kBien, 1,
            {"1: comillas mal cerradas"}},
    Archivo{"nul_al_final_de_una_linea",
            kBien.substr(0, kBien.size() - 1) + std::string(2, '\0') + '\n' + kBien, 1,
            {"1: campo pregunta no válido: «resultante" + std::string(2, '\0') + "»"}},
    // A record written before k1, k2 and pregunta, under its own header, is still read.
    Archivo{"cabecera_y_registro_de_15_campos",
            "fecha,alumno,ventana,nivel,m1,d1,m2,d2,m3,d3,tu_r,tu_alfa,r,alfa,veredicto\n" +
                kBien.substr(0, kBien.size() - 14) + '\n' + kBien,
            2, {}},
    Archivo{"linea_en_el_limite", std::string(kLineaMaxima, 'x') + '\n' + kBien, 1,
            {"1: se esperaban 18 campos y hay 1"}},
    Archivo{"linea_demasiado_larga", std::string(kLineaMaxima + 1, 'x') + '\n' + kBien, 1,
            {"1: línea demasiado larga: más de 131072 bytes"}},
    Archivo{"comillas_abiertas_hasta_el_limite",
            "x,\"" + std::string(kLineaMaxima / 2, 'x') + '\n' + std::string(kLineaMaxima, 'x') +
                "\n" + kBien,
            1, {"1: comillas mal cerradas"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Names are one student's when they differ only in the spaces around them or in case, the
// first spelling met shown; an accent makes another name.
TEST(Resumen, AgrupaLosNombresPorSuClave) {
    Resumen resumen;
    LeerArchivo(resumen, "a.csv",
                L("Ana", Codigo::Acierto) + L(" ana ", Codigo::Otro) + L("ÁNGEL", Codigo::Otro) +
                    L("ángel", Codigo::Otro) + L("Angel", Codigo::Otro) + L(" ", Codigo::Otro));
    std::vector<std::string> alumnos;
    for (const auto& a : resumen.Alumnos())
        alumnos.push_back(a.nombre + ' ' + std::to_string(a.intentos));
    EXPECT_EQ(alumnos, (std::vector<std::string>{"Ana 2", "Angel 1", "ÁNGEL 2", " 1"}));
}

TEST(Resumen, UsaLaClaveQueSeLeDa) {
    Resumen resumen([](std::string_view nombre) { return std::string(nombre.substr(0, 1)); });
    LeerArchivo(resumen, "a.csv", L("Ana", Codigo::Acierto) + L("Alba", Codigo::Otro));
    ASSERT_EQ(resumen.Alumnos().size(), 1U);
    EXPECT_EQ(resumen.Alumnos()[0].intentos, 2);
}

// However many lines cannot be read, only the first are kept; the rest are counted.
TEST(Resumen, GuardaLasPrimerasLineasIlegiblesYCuentaLasDemas) {
    Resumen resumen;
    std::string bytes;
    for (std::size_t i = 0; i < Resumen::kIlegiblesGuardados + 5; ++i) bytes += "x\n";
    LeerArchivo(resumen, "a.csv", bytes);
    EXPECT_EQ(resumen.ilegibles().size(), Resumen::kIlegiblesGuardados);
    EXPECT_EQ(resumen.TotalDeIlegibles(), 105);
    EXPECT_TRUE(
        resumen.Texto().ends_with("  a.csv:100: se esperaban 18 campos y hay 1\n"
                                  "  y 5 más\n"));
    EXPECT_TRUE(resumen.Csv().ends_with("ilegibles-omitidos,,5,,,\n"));
}

// Nothing read from a file reaches the terminal as a control character or a mark that turns the
// text's direction: not in a name, a file name or a reason.
TEST(Resumen, TextoSinCaracteresDeControl) {
    Resumen resumen;
    LeerArchivo(resumen, "a\nb.csv",
                ConNombre("\x1b]0;x\x07\x1b[2J") + ConNombre("Ana\rOculto") +
                    ConNombre("Eva\u202Eodnum") + "\x1b[2J\n");
    const std::string texto = resumen.Texto();
    EXPECT_NE(texto.find("  Eva\\u202eodnum: 1 intento"), std::string::npos) << texto;
    EXPECT_NE(texto.find("  \\x1b]0;x\\x07\\x1b[2J: 1 intento"), std::string::npos) << texto;
    EXPECT_NE(texto.find("  Ana\\rOculto: 1 intento"), std::string::npos) << texto;
    EXPECT_NE(texto.find("  a\\nb.csv:4: se esperaban 18 campos y hay 1"), std::string::npos)
        << texto;
    EXPECT_EQ(texto.find_first_of("\x1b\r\x07"), std::string::npos);
}

}  // namespace
}  // namespace trazalia::practice
