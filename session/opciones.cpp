// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/opciones.h"

#include <algorithm>
#include <array>

#include "diagram/traducible.h"

namespace trazalia::session {
namespace {

using namespace lectores;

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
           QT_TRANSLATE_NOOP("Opciones",
                             "%1\n(equilibrante: la de los métodos que suman; ambos si no se "
                             "dice);"),
           Metodo, PalabrasDeMetodo},
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

}  // namespace

std::span<const Opcion> Opciones() { return kOpciones; }

std::span<const ModoDeLinea> ModosDeLinea() { return kModos; }

const Opcion* QueElige(Modo modo) {
    for (const Opcion& o : kOpciones)
        if (o.elige == modo) return &o;
    return nullptr;
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
        if (d.opcion->leer == lectores::Idioma) {
            Pedido pedido;
            if (!lectores::Idioma(d.valor, pedido, contexto)) return pedido.idioma;
        }
    return std::nullopt;
}

}  // namespace trazalia::session
