// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/opciones.h"

#include <algorithm>
#include <array>
#include <limits>

#include "diagram/traducible.h"

namespace trazalia::session {
namespace {

using Error = std::optional<std::string>;

bool Espacio(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view SinEspacios(std::string_view texto) {
    while (!texto.empty() && Espacio(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && Espacio(texto.back())) texto.remove_suffix(1);
    return texto;
}

// Decimal digits alone, without overflow.
std::optional<unsigned long long> Digitos(std::string_view texto) {
    if (texto.empty()) return std::nullopt;
    unsigned long long n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        const unsigned d = static_cast<unsigned>(c - '0');
        if (n > (std::numeric_limits<unsigned long long>::max() - d) / 10) return std::nullopt;
        n = n * 10 + d;
    }
    return n;
}

// An error's text: the marked template in the context's language, with its values.
std::string Dicho(const Contexto& c, const char* plantilla,
                  std::initializer_list<std::string_view> valores = {}) {
    return diagram::Sustituir(c.traductor(kContextoDeOpciones, plantilla), valores);
}

// A value as given, between quotes.
std::string Entre(const Contexto& c, std::string_view texto) {
    return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "«%1»"), {texto});
}

// Whether the file's name ends in "." and the extension, in any case.
bool TerminaEn(std::string_view ruta, std::string_view extension) {
    const std::string_view nombre = ruta.substr(ruta.rfind('/') + 1);
    const auto punto = nombre.rfind('.');
    if (punto == std::string_view::npos) return false;
    std::string propia(nombre.substr(punto + 1));
    for (char& c : propia)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return propia == extension;
}

Error Script(std::string_view v, Pedido& p, const Contexto&) {
    p.guion = v;
    return std::nullopt;
}

Error Hoja(std::string_view v, Pedido& p, const Contexto& c) {
    if (!TerminaEn(v, "pdf"))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "%1: la hoja se escribe en PDF; use un nombre terminado en "
                                       ".pdf"),
                     {Entre(c, v)});
    p.hoja = v;
    return std::nullopt;
}

Error Moodle(std::string_view v, Pedido& p, const Contexto& c) {
    if (!TerminaEn(v, "xml"))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "%1: el banco de preguntas se escribe en XML; use un nombre "
                                       "terminado en .xml"),
                     {Entre(c, v)});
    p.moodle = v;
    return std::nullopt;
}

// A count, like a seed, is digits alone: a sign would be taken in one and refused in the other.
Error Ejercicios(std::string_view v, Pedido& p, const Contexto& c) {
    const auto n = Digitos(SinEspacios(v));
    if (!n || *n < 1 || *n > practice::OpcionesDeHoja::kMaximoDeEjercicios)
        return Dicho(c, QT_TRANSLATE_NOOP("Opciones", "--ejercicios va de 1 a %1, no %2"),
                     {std::to_string(practice::OpcionesDeHoja::kMaximoDeEjercicios), Entre(c, v)});
    p.opcionesDeHoja.ejercicios = static_cast<int>(*n);
    return std::nullopt;
}

// The words as the sheet's dialog writes them, accents included, name the same.
std::string_view SinAcentos(std::string_view v) {
    if (v == "polígono") return "poligono";
    if (v == "fácil") return "facil";
    if (v == "difícil") return "dificil";
    return v;
}

Error Metodo(std::string_view v, Pedido& p, const Contexto& c) {
    const auto m = practice::SeleccionDeNombre(SinAcentos(v));
    if (!m)
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "método desconocido %1: se esperaba paralelogramo, poligono "
                                       "o ambos"),
                     {Entre(c, v)});
    p.opcionesDeHoja.metodo = *m;
    return std::nullopt;
}

Error Nivel(std::string_view v, Pedido& p, const Contexto& c) {
    const auto n = practice::NivelDeNombre(SinAcentos(v));
    if (!n)
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "nivel desconocido %1: se esperaba facil, medio o dificil"),
                     {Entre(c, v)});
    p.opcionesDeHoja.nivel = *n;
    return std::nullopt;
}

Error Semilla(std::string_view v, Pedido& p, const Contexto& c) {
    const auto s = LeerSemilla(v);
    if (!s)
        return Dicho(
            c,
            QT_TRANSLATE_NOOP("Opciones", "semilla no válida %1: se esperaba un número de 0 a %2"),
            {Entre(c, v), std::to_string(std::numeric_limits<std::uint32_t>::max())});
    p.opcionesDeHoja.semilla = *s;
    return std::nullopt;
}

Error Titulo(std::string_view v, Pedido& p, const Contexto&) {
    p.opcionesDeHoja.titulo = std::string(v);
    return std::nullopt;
}

Error Papel(std::string_view v, Pedido& p, const Contexto& c) {
    const auto papel = practice::PapelDeNombre(v);
    if (!papel)
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones", "papel desconocido %1: se esperaba a4 o carta"),
                     {Entre(c, v)});
    p.opcionesDeHoja.papel = *papel;
    return std::nullopt;
}

Error Dibujados(std::string_view, Pedido& p, const Contexto&) {
    p.opcionesDeHoja.dibujados = true;
    return std::nullopt;
}

Error FormatoDeMoodle(std::string_view v, Pedido& p, const Contexto& c) {
    const auto formato = practice::FormatoDeNombre(v);
    if (!formato)
        return Dicho(
            c,
            QT_TRANSLATE_NOOP("Opciones", "formato desconocido %1: se esperaba cloze o numerico"),
            {Entre(c, v)});
    p.formatoDeMoodle = *formato;
    return std::nullopt;
}

Error Registro(std::string_view v, Pedido& p, const Contexto& c) {
    // Bytes that are no text would reach another file by the name Qt made of them.
    if (!EsUtf8(v))
        return Dicho(c,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "el nombre del registro %1 no es texto UTF-8; elija otro "
                                       "nombre"),
                     {Entre(c, v)});
    p.registro = std::string(v);
    return std::nullopt;
}

Error Csv(std::string_view, Pedido& p, const Contexto&) {
    p.csv = true;
    return std::nullopt;
}

Error Idioma(std::string_view v, Pedido& p, const Contexto& c) {
    if (std::find(c.idiomas.begin(), c.idiomas.end(), v) == c.idiomas.end())
        return Dicho(
            c, QT_TRANSLATE_NOOP("Opciones", "idioma desconocido %1: se esperaba es, en o pt_BR"),
            {Entre(c, v)});
    p.idioma = std::string(v);
    return std::nullopt;
}

// The modes that take a worksheet's options: a mode that writes the sheet in another form adds
// its bit here, and its own row to each table.
constexpr Modos kConLaHoja = Bit(Modo::Hoja) | Bit(Modo::Moodle);

// Each row: name, letter, value and its name in the help, the mode it chooses, the modes it goes
// with, listed under the row before, help, reader.
constexpr std::array kOpciones{
    Opcion{"script", 's', Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO"), Modo::Guion,
           Bit(Modo::Guion), false,
           QT_TRANSLATE_NOOP("Opciones",
                             "Realiza las acciones de ARCHIVO (- para la entrada estándar)."),
           Script},
    Opcion{"hoja", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO.pdf"), Modo::Hoja,
           kConLaHoja, false,
           QT_TRANSLATE_NOOP("Opciones", "Escribe una hoja de ejercicios con sus soluciones, con:"),
           Hoja},
    Opcion{"ejercicios", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "N"), std::nullopt,
           kConLaHoja, true,
           QT_TRANSLATE_NOOP("Opciones", "cuántos ejercicios (de 1 a 200; 6 si no se dice);"),
           Ejercicios},
    Opcion{"metodo", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "M"), std::nullopt, kConLaHoja,
           true,
           QT_TRANSLATE_NOOP("Opciones", "paralelogramo, poligono o ambos (ambos si no se dice);"),
           Metodo},
    Opcion{"nivel", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "L"), std::nullopt, kConLaHoja,
           true, QT_TRANSLATE_NOOP("Opciones", "facil, medio o dificil (medio si no se dice);"),
           Nivel},
    Opcion{
        "semilla", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "S"), std::nullopt, kConLaHoja,
        true,
        QT_TRANSLATE_NOOP("Opciones", "la semilla de los ejercicios (la del reloj si no se dice);"),
        Semilla},
    Opcion{"titulo", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "TEXTO"), std::nullopt,
           kConLaHoja, true, QT_TRANSLATE_NOOP("Opciones", "el título de cada página;"), Titulo},
    Opcion{"papel", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "P"), std::nullopt,
           Bit(Modo::Hoja), true, QT_TRANSLATE_NOOP("Opciones", "a4 o carta (a4 si no se dice);"),
           Papel},
    Opcion{"dibujados", 0, Valor::Ninguno, "", std::nullopt, Bit(Modo::Hoja), true,
           QT_TRANSLATE_NOOP("Opciones", "con los vectores dibujados en cada cuadro."), Dibujados},
    Opcion{"moodle", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO.xml"), Modo::Moodle,
           kConLaHoja, false,
           QT_TRANSLATE_NOOP("Opciones",
                             "Escribe los ejercicios de la hoja como banco de preguntas\n"
                             "de Moodle, con las opciones de la hoja salvo --papel y\n"
                             "--dibujados, y con:"),
           Moodle},
    Opcion{"moodle-formato", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "F"), std::nullopt,
           Bit(Modo::Moodle), true,
           QT_TRANSLATE_NOOP("Opciones",
                             "cloze (una pregunta con dos huecos) o numerico (dos\n"
                             "preguntas, que las estadísticas de Moodle analizan);\n"
                             "cloze si no se dice."),
           FormatoDeMoodle},
    Opcion{"registro", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO"), std::nullopt,
           Bit(Modo::Guion), false,
           QT_TRANSLATE_NOOP("Opciones",
                             "Con --script, añade a ARCHIVO cada veredicto de la práctica."),
           Registro},
    Opcion{
        "practica", 0, Valor::Ninguno, "", Modo::Practica, Bit(Modo::Practica), false,
        QT_TRANSLATE_NOOP("Opciones", "Abre el programa con la práctica activa en ambos métodos."),
        nullptr},
    Opcion{"resumen", 0, Valor::Archivos, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO..."),
           Modo::Resumen, Bit(Modo::Resumen), false,
           QT_TRANSLATE_NOOP("Opciones",
                             "Resume los registros de práctica de una clase; con "
                             "--csv,\nen CSV."),
           nullptr},
    Opcion{"csv", 0, Valor::Ninguno, "", std::nullopt, Bit(Modo::Resumen), false, nullptr, Csv},
    Opcion{"idioma", 0, Valor::Uno, QT_TRANSLATE_NOOP("Opciones", "IDIOMA"), std::nullopt,
           kCualquierModo, false,
           QT_TRANSLATE_NOOP("Opciones",
                             "El idioma de las ventanas: es (español), en (inglés) o pt_BR\n"
                             "(portugués de Brasil). En pantalla, el del sistema si lo\n"
                             "habla Trazalia; con --script y --hoja, español."),
           Idioma},
    Opcion{"help", 'h', Valor::Ninguno, "", Modo::Ayuda, kCualquierModo, false,
           QT_TRANSLATE_NOOP("Opciones", "Muestra esta ayuda y termina."), nullptr},
    Opcion{"version", 'v', Valor::Ninguno, "", Modo::Version, kCualquierModo, false,
           QT_TRANSLATE_NOOP("Opciones", "Muestra la versión y termina."), nullptr},
};

// A mode chosen by an option: the rest of its usage line, and what is said when it is given
// with another mode it excludes.
struct ModoDeLinea {
    Modo modo;
    const char* uso;  // marked for translation; may be empty
    Modos excluye;
    const char* conflicto;  // marked for translation
};

constexpr Modos kTodosLosDemas = kCualquierModo;
// The modes an option chooses, in the order the usage line lists them.
constexpr std::array kModos{
    ModoDeLinea{Modo::Practica, "", Bit(Modo::Guion) | kConLaHoja,
                QT_TRANSLATE_NOOP("Opciones",
                                  "--practica abre las ventanas: no va con --script, --hoja ni "
                                  "--moodle")},
    ModoDeLinea{Modo::Guion, QT_TRANSLATE_NOOP("Opciones", "[--registro ARCHIVO]"), 0, ""},
    ModoDeLinea{Modo::Hoja, QT_TRANSLATE_NOOP("Opciones", "[OPCIONES DE LA HOJA]"),
                Bit(Modo::Guion), QT_TRANSLATE_NOOP("Opciones", "--hoja y --script no van juntas")},
    ModoDeLinea{Modo::Moodle, QT_TRANSLATE_NOOP("Opciones", "[OPCIONES DE LA HOJA]"),
                Bit(Modo::Guion),
                QT_TRANSLATE_NOOP("Opciones", "--moodle y --script no van juntas")},
    ModoDeLinea{Modo::Resumen, "[--csv]", kTodosLosDemas,
                QT_TRANSLATE_NOOP("Opciones", "--resumen va sola, con sus archivos y --csv")},
};

// Qt's own options, taken by the application: those followed by a value, then flags.
constexpr std::array<std::string_view, 15> kQtConValor{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",   "visual"};
constexpr std::array<std::string_view, 5> kQtSolas{"reverse", "widgetcount", "nograb", "dograb",
                                                   "sync"};

// The name of a Qt option ("-platform", "--style=x"), or empty when the argument is none.
std::string_view OpcionDeQt(std::string_view arg, bool& conValor) {
    if (arg.size() < 2 || arg[0] != '-') return {};
    arg.remove_prefix(arg[1] == '-' ? 2 : 1);
    const auto igual = arg.find('=');
    const std::string_view nombre = arg.substr(0, igual);
    const bool sinIgual = igual == std::string_view::npos;
    if (std::find(kQtConValor.begin(), kQtConValor.end(), nombre) != kQtConValor.end()) {
        conValor = sinIgual;
        return nombre;
    }
    if (sinIgual && std::find(kQtSolas.begin(), kQtSolas.end(), nombre) != kQtSolas.end()) {
        conValor = false;
        return nombre;
    }
    if (nombre == "qmljsdebugger" && !sinIgual) return nombre;
    return {};
}

const Opcion* Buscar(std::string_view nombre) {
    for (const Opcion& o : kOpciones)
        if (nombre == o.nombre || (o.corto && nombre.size() == 1 && nombre[0] == o.corto))
            return &o;
    return nullptr;
}

const Opcion* QueElige(Modo modo) {
    for (const Opcion& o : kOpciones)
        if (o.elige == modo) return &o;
    return nullptr;
}

std::string Guiones(std::string_view nombre) { return "--" + std::string(nombre); }

// "--hoja", or "--hoja o --moodle": the options that choose the modes.
std::string QueLoEligen(Modos modos, const Contexto& c) {
    std::string texto;
    for (const ModoDeLinea& m : kModos)
        if (modos & Bit(m.modo))
            texto = texto.empty() ? Guiones(QueElige(m.modo)->nombre)
                                  : Dicho(c, QT_TRANSLATE_NOOP("Opciones", "%1 o %2"),
                                          {texto, Guiones(QueElige(m.modo)->nombre)});
    return texto;
}

struct Dada {
    const Opcion* opcion;
    std::string valor;
};

// The command line split as the program's parser splits it: "-x" and "--x" alike, a value after
// "=" or in the next argument, "--" before arguments that are no options.
struct Troceo {
    std::vector<Dada> dadas;
    std::vector<std::string> sueltos;
    std::optional<std::string> desconocida;
    std::optional<std::string> error;
};

Troceo Trocear(std::span<const std::string> argumentos, const Contexto& c) {
    Troceo t;
    bool sueltos = false;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        if (sueltos || arg.size() < 2 || arg[0] != '-') {
            t.sueltos.push_back(arg);
            continue;
        }
        if (arg == "--") {
            sueltos = true;
            continue;
        }
        const std::string_view cuerpo = std::string_view(arg).substr(arg[1] == '-' ? 2 : 1);
        const auto igual = cuerpo.find('=');
        const std::string_view nombre = cuerpo.substr(0, igual);
        const Opcion* o = Buscar(nombre);
        if (!o) {
            if (!t.desconocida) t.desconocida = std::string(nombre);
            continue;
        }
        Dada dada{o, {}};
        if (o->valor == Valor::Uno) {
            if (igual != std::string_view::npos) {
                dada.valor = cuerpo.substr(igual + 1);
            } else if (i + 1 < argumentos.size()) {
                dada.valor = argumentos[++i];
            } else {
                // A mode's file, asked for by the option's full name, is named as such.
                t.error =
                    nombre == o->nombre && o->elige && o->argumento == "ARCHIVO"
                        ? Dicho(c, QT_TRANSLATE_NOOP("Opciones", "falta el %1 de la opción %2"),
                                {c.traductor(kContextoDeOpciones, o->argumento.data()),
                                 Guiones(o->nombre)})
                        : Dicho(c, QT_TRANSLATE_NOOP("Opciones", "falta el valor de la opción %1"),
                                {Entre(c, arg)});
                continue;
            }
        } else if (igual != std::string_view::npos) {
            t.error = Dicho(c, QT_TRANSLATE_NOOP("Opciones", "la opción %1 no lleva valor"),
                            {Entre(c, arg.substr(0, arg.size() - cuerpo.size() + igual))});
            continue;
        }
        t.dadas.push_back(std::move(dada));
    }
    return t;
}

std::string Sangrado(std::string_view texto, std::size_t columna) {
    std::string out;
    for (char c : texto) {
        out += c;
        if (c == '\n') out.append(columna, ' ');
    }
    return out;
}

}  // namespace

std::span<const Opcion> Opciones() { return kOpciones; }

bool EsUtf8(std::string_view b) {
    std::size_t i = 0;
    while (i < b.size()) {
        const auto c = static_cast<unsigned char>(b[i]);
        std::size_t n = 0;
        unsigned char min = 0x80, max = 0xBF;  // the second byte's range
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            if (c == 0xE0) min = 0xA0;  // no overlong forms
            if (c == 0xED) max = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            if (c == 0xF0) min = 0x90;
            if (c == 0xF4) max = 0x8F;  // nothing past U+10FFFF
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= b.size()) return false;
            const auto d = static_cast<unsigned char>(b[i + k]);
            if (d < (k == 1 ? min : 0x80) || d > (k == 1 ? max : 0xBF)) return false;
        }
        i += n + 1;
    }
    return true;
}

std::optional<std::uint32_t> LeerSemilla(std::string_view texto) {
    const auto n = Digitos(SinEspacios(texto));
    if (!n || *n > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

std::variant<Pedido, std::string> LeerLinea(std::span<const std::string> argumentos,
                                            const Contexto& contexto) {
    Pedido pedido;
    pedido.opcionesDeHoja.semilla = contexto.semilla;

    // Qt's options go to the application; the program's own to its table.
    std::vector<std::string> propios;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        bool conValor = false;
        const std::string_view qt = OpcionDeQt(argumentos[i], conValor);
        if (qt.empty()) {
            propios.push_back(argumentos[i]);
            continue;
        }
        pedido.deQt.push_back(argumentos[i]);
        // Qt takes a platform only as the next argument.
        if (!conValor) continue;
        if (i + 1 >= argumentos.size())
            return Dicho(contexto, QT_TRANSLATE_NOOP("Opciones", "falta el valor de la opción %1"),
                         {Entre(contexto, argumentos[i])});
        pedido.deQt.push_back(argumentos[++i]);
        if (qt == "platform") pedido.plataforma = argumentos[i];
    }

    const Troceo t = Trocear(propios, contexto);
    if (t.desconocida)
        return Dicho(contexto,
                     QT_TRANSLATE_NOOP("Opciones",
                                       "opción desconocida %1; «trazalia --help» muestra las "
                                       "opciones"),
                     {Entre(contexto, (t.desconocida->size() == 1 ? "-" : "--") + *t.desconocida)});
    if (t.error) return *t.error;

    // A second value would silently replace the first: the user meant one of them.
    for (const Opcion& o : kOpciones) {
        const auto veces = std::count_if(t.dadas.begin(), t.dadas.end(),
                                         [&](const Dada& d) { return d.opcion == &o; });
        if (veces > 1)
            return Dicho(contexto,
                         QT_TRANSLATE_NOOP("Opciones",
                                           "la opción %1 se ha dado %2 veces; se admite una sola"),
                         {Guiones(o.nombre), std::to_string(veces)});
    }
    const auto dada = [&](Modo modo) {
        return std::any_of(t.dadas.begin(), t.dadas.end(),
                           [&](const Dada& d) { return d.opcion->elige == modo; });
    };
    // The options of every mode are read first; help and version take a known language alone.
    const auto leer = [&](bool deTodos) -> Error {
        for (const Opcion& o : kOpciones)
            for (const Dada& d : t.dadas)
                if (d.opcion == &o && o.leer && (o.modos == kCualquierModo) == deTodos)
                    if (Error error = o.leer(d.valor, pedido, contexto)) return error;
        return std::nullopt;
    };
    for (Modo fin : {Modo::Ayuda, Modo::Version})
        if (dada(fin)) {
            pedido.modo = fin;
            leer(true);
            return pedido;
        }
    if (Error error = leer(true)) return *error;

    // One mode at most: first one that goes alone, then one that excludes another given.
    Modos dados = 0;
    for (const ModoDeLinea& m : kModos)
        if (dada(m.modo)) dados |= Bit(m.modo);
    for (const bool sola : {true, false})
        for (const ModoDeLinea& m : kModos)
            if ((dados & Bit(m.modo)) && (m.excluye == kTodosLosDemas) == sola &&
                (dados & m.excluye & ~Bit(m.modo)))
                return Dicho(contexto, m.conflicto);
    for (const ModoDeLinea& m : kModos) {
        if (!(dados & Bit(m.modo))) continue;
        if (pedido.modo != Modo::Ventanas)
            return Dicho(
                contexto, QT_TRANSLATE_NOOP("Opciones", "%1 y %2 no van juntas"),
                {Guiones(QueElige(pedido.modo)->nombre), Guiones(QueElige(m.modo)->nombre)});
        pedido.modo = m.modo;
    }

    const Opcion* modo = QueElige(pedido.modo);
    if (modo && modo->valor == Valor::Archivos) {
        if (t.sueltos.empty())
            return Dicho(
                contexto, QT_TRANSLATE_NOOP("Opciones", "falta el %1 de la opción %2"),
                {contexto.traductor(kContextoDeOpciones, QT_TRANSLATE_NOOP("Opciones", "ARCHIVO")),
                 Guiones(modo->nombre)});
        pedido.archivos = t.sueltos;
    } else if (!t.sueltos.empty()) {
        return Dicho(contexto, QT_TRANSLATE_NOOP("Opciones", "argumento inesperado %1"),
                     {Entre(contexto, t.sueltos.front())});
    }

    for (const Opcion& o : kOpciones)
        for (const Dada& d : t.dadas)
            if (d.opcion == &o && !(o.modos & Bit(pedido.modo)))
                return Dicho(contexto, QT_TRANSLATE_NOOP("Opciones", "la opción %1 va con %2"),
                             {Guiones(o.nombre), QueLoEligen(o.modos, contexto)});
    if (Error error = leer(false)) return *error;
    return pedido;
}

std::optional<std::string> IdiomaDeLaLinea(std::span<const std::string> argumentos,
                                           const Contexto& contexto) {
    std::vector<std::string> propios;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        bool conValor = false;
        if (OpcionDeQt(argumentos[i], conValor).empty())
            propios.push_back(argumentos[i]);
        else if (conValor)
            ++i;
    }
    for (const Dada& d : Trocear(propios, contexto).dadas)
        if (d.opcion->leer == Idioma) {
            Pedido pedido;
            if (!Idioma(d.valor, pedido, contexto)) return pedido.idioma;
        }
    return std::nullopt;
}

std::string Ayuda(diagram::Traductor t) {
    constexpr std::size_t kColumna = 24;  // where each option's text begins
    constexpr std::size_t kLinea = 88;    // the usage line's width
    const auto traducido = [&](const char* texto) { return t(kContextoDeOpciones, texto); };

    std::string uso = traducido(QT_TRANSLATE_NOOP("Opciones", "Uso:")) + " trazalia [";
    const std::size_t sangria = uso.size();
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < kModos.size(); ++i) {
        const Opcion& o = *QueElige(kModos[i].modo);
        std::string parte = Guiones(o.nombre);
        if (!o.argumento.empty()) parte += ' ' + traducido(o.argumento.data());
        if (*kModos[i].uso) parte += ' ' + traducido(kModos[i].uso);
        parte += i + 1 < kModos.size() ? " |" : "]";
        if (i > 0 && uso.size() - inicio + 1 + parte.size() > kLinea) {
            uso += '\n';
            inicio = uso.size();
            uso.append(sangria, ' ');
        } else if (i > 0) {
            uso += ' ';
        }
        uso += parte;
    }

    std::string texto =
        uso + "\n\n" +
        traducido(QT_TRANSLATE_NOOP("Opciones",
                                    "Trazalia: suma de vectores en el plano por los métodos "
                                    "del paralelogramo y del polígono.")) +
        "\n\n" +
        traducido(QT_TRANSLATE_NOOP("Opciones",
                                    "Con --script, realiza las acciones de ARCHIVO sin pantalla y "
                                    "escribe la traza de cada\noperación de dibujo en la salida "
                                    "estándar.")) +
        "\n\n" + traducido(QT_TRANSLATE_NOOP("Opciones", "Opciones:")) + '\n';
    for (const Opcion& o : kOpciones) {
        if (!o.ayuda) continue;
        std::string linea = o.dentro ? "    " : "  ";
        if (o.corto) linea += std::string{'-', o.corto, ',', ' '};
        linea += Guiones(o.nombre);
        if (!o.argumento.empty()) linea += ' ' + traducido(o.argumento.data());
        // Columns count characters, not bytes.
        const auto ancho = static_cast<std::size_t>(
            std::count_if(linea.begin(), linea.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        linea.append(ancho + 2 > kColumna ? 2 : kColumna - ancho, ' ');
        texto += linea + Sangrado(traducido(o.ayuda), kColumna) + '\n';
    }
    texto += '\n' +
             traducido(QT_TRANSLATE_NOOP("Opciones",
                                         "Acepta también las opciones comunes de Qt, como "
                                         "-platform NOMBRE o -style NOMBRE.")) +
             '\n';
    return texto;
}

}  // namespace trazalia::session
