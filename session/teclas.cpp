// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/teclas.h"

#include <algorithm>
#include <array>

#include "diagram/traducible.h"

namespace trazalia::session::teclas {

namespace {

// The printable keys, from Space to AsciiTilde, by the character they type (unshifted letters
// are upper case in the name, lower case as typed).
struct Imprimible {
    std::string_view nombre;
    char caracter;
};

constexpr std::array<Imprimible, 33> kSignos{{
    {"Space", ' '},      {"Exclam", '!'},       {"QuoteDbl", '"'},    {"NumberSign", '#'},
    {"Dollar", '$'},     {"Percent", '%'},      {"Ampersand", '&'},   {"Apostrophe", '\''},
    {"ParenLeft", '('},  {"ParenRight", ')'},   {"Asterisk", '*'},    {"Plus", '+'},
    {"Comma", ','},      {"Minus", '-'},        {"Period", '.'},      {"Slash", '/'},
    {"Colon", ':'},      {"Semicolon", ';'},    {"Less", '<'},        {"Equal", '='},
    {"Greater", '>'},    {"Question", '?'},     {"At", '@'},          {"BracketLeft", '['},
    {"Backslash", '\\'}, {"BracketRight", ']'}, {"AsciiCircum", '^'}, {"Underscore", '_'},
    {"QuoteLeft", '`'},  {"BraceLeft", '{'},    {"Bar", '|'},         {"BraceRight", '}'},
    {"AsciiTilde", '~'},
}};

// Keys that type nothing.
constexpr std::array<std::string_view, 47> kOtras{
    "Escape",  "Tab",      "Backtab",     "Backspace",   "Return",  "Enter",   "Insert", "Delete",
    "Pause",   "Print",    "SysReq",      "Clear",       "Home",    "End",     "Left",   "Up",
    "Right",   "Down",     "PageUp",      "PageDown",    "Shift",   "Control", "Meta",   "Alt",
    "AltGr",   "CapsLock", "NumLock",     "ScrollLock",  "Super_L", "Super_R", "Menu",   "Hyper_L",
    "Hyper_R", "Help",     "Direction_L", "Direction_R", "Copy",    "Cut",     "Paste",  "Undo",
    "Redo",    "Find",     "Cancel",      "Back",        "Forward", "Refresh", "unknown"};

// In the guide's order. Keys by the names scripts use; the toolkit's standard keys of the same
// action, where it has them, come on top on screen. guion: a script's key that is one of these is
// refused as an action of the screen alone.
constexpr std::array<FilaDeAtajo, 16> kAtajos{{
    {Atajo::Ayuda,
     "Aplicacion",
     QT_TRANSLATE_NOOP("Aplicacion", "Ayuda de Trazalia"),
     {"F1"},
     nullptr,
     false},
    // Ctrl+= is Ctrl++ where + needs Shift.
    {Atajo::Ampliar,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Ampliar"),
     {"Ctrl+Plus", "Ctrl+Equal"},
     nullptr,
     false,
     false,
     false},
    {Atajo::Reducir,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Reducir"),
     {"Ctrl+Minus"},
     nullptr,
     false,
     false,
     false},
    {Atajo::TamanoNormal,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Tamaño normal"),
     {"Ctrl+0"},
     nullptr,
     false,
     false,
     false},
    {Atajo::PantallaCompleta,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Pantalla completa"),
     {"F11"},
     nullptr,
     false,
     false,
     false},
    {Atajo::CopiarImagen,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Copiar imagen"),
     {"Ctrl+C", "Ctrl+Insert", "F16", "Copy"}},
    {Atajo::GuardarImagen,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Guardar imagen…"),
     {"Ctrl+S"}},
    {Atajo::Imprimir, "Acciones", QT_TRANSLATE_NOOP("Acciones", "Imprimir…"), {"Ctrl+P"}},
    // Ctrl+Shift+Z where Ctrl+Y is something else.
    {Atajo::Deshacer,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Deshacer"),
     {"Ctrl+Z"},
     nullptr,
     true,
     false,
     false},
    {Atajo::Rehacer,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Rehacer"),
     {"Ctrl+Y", "Ctrl+Shift+Z"},
     nullptr,
     true,
     false,
     false},
    {Atajo::HojaDeEjercicios,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Hoja de ejercicios…"),
     {"W"}},
    {Atajo::Practicar, "Practica", QT_TRANSLATE_NOOP("Practica", "Practicar"), {"P"}},
    {Atajo::OtroEjercicio,
     "Practica",
     QT_TRANSLATE_NOOP("Practica", "Otro ejercicio"),
     {"N"},
     nullptr,
     true,
     true},
    {Atajo::Comprobar,
     "Practica",
     QT_TRANSLATE_NOOP("Practica", "Comprobar"),
     {"Return", "Enter"},
     QT_TRANSLATE_NOOP("Teclas", "sobre el dibujo, en la práctica"),
     true,
     true,
     false},
    // The next step of the construction a path shows after a mistake.
    {Atajo::Construccion,
     "Practica",
     QT_TRANSLATE_NOOP("Practica", "Ver la construcción paso a paso"),
     {"C"},
     QT_TRANSLATE_NOOP("Teclas", "en un camino, tras un error"),
     true,
     true},
    {Atajo::MenuDelDibujo,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Menú del dibujo"),
     {"Shift+F10"},
     QT_TRANSLATE_NOOP("Teclas", "sobre el dibujo"),
     true,
     false,
     false},
}};

constexpr std::array<FilaDeVista, diagram::kNumeroDeVistas> kVistas{{
    {QT_TRANSLATE_NOOP("Vistas", "Cuadrícula"), "G", "grid"},
    {QT_TRANSLATE_NOOP("Vistas", "Rótulos"), "L", "labels"},
    {QT_TRANSLATE_NOOP("Vistas", "Componentes"), "K", "components"},
    {QT_TRANSLATE_NOOP("Vistas", "Ecuación"), "E", "equation"},
    {QT_TRANSLATE_NOOP("Vistas", "Trazo grueso"), "T", "bold"},
    {QT_TRANSLATE_NOOP("Vistas", "Colores de alto contraste"), "H", "contrast"},
    {QT_TRANSLATE_NOOP("Vistas", "Escala fija"), "F", "fixed"},
}};

// The key with its modifiers in one order: "Ctrl+Shift+S".
std::string Combinacion(const Tecla& t) {
    std::string c;
    if (t.modificadores & kCtrl) c += "Ctrl+";
    if (t.modificadores & kShift) c += "Shift+";
    if (t.modificadores & kAlt) c += "Alt+";
    if (t.modificadores & kMeta) c += "Meta+";
    return c + t.tecla;
}

}  // namespace

std::optional<Accion> AccionDe(const Tecla& tecla, bool metodo, bool practica) {
    const std::string c = Combinacion(tecla);
    for (const FilaDeAtajo& a : kAtajos) {
        if (!a.guion || (a.metodo && !metodo) || (a.practica && !practica)) continue;
        for (std::string_view t : a.teclas)
            if (!t.empty() && t == c) return Accion{std::nullopt, a.nombre, a.contexto};
    }
    if (!metodo) return std::nullopt;
    for (std::size_t i = 0; i < kVistas.size(); ++i)
        if (kVistas[i].tecla == c) return Accion{static_cast<diagram::Vista>(i), nullptr, nullptr};
    return std::nullopt;
}

std::span<const FilaDeVista> Vistas() { return kVistas; }

std::span<const FilaDeAtajo> Atajos() { return kAtajos; }

const FilaDeAtajo& FilaDe(Atajo atajo) {
    return *std::find_if(kAtajos.begin(), kAtajos.end(),
                         [atajo](const FilaDeAtajo& f) { return f.atajo == atajo; });
}

std::string Escrita(std::string_view nombre) {
    const auto mas = nombre.rfind('+', nombre.size() >= 2 ? nombre.size() - 2 : 0);
    const std::size_t inicio = mas == std::string_view::npos ? 0 : mas + 1;
    std::string escrita(nombre.substr(0, inicio));
    const std::string_view tecla = nombre.substr(inicio);
    for (const Imprimible& s : kSignos)
        if (s.nombre == tecla) return escrita + s.caracter;
    return escrita + std::string(tecla);
}

std::optional<diagram::Vista> VistaDeNombre(std::string_view nombre) {
    for (std::size_t i = 0; i < kVistas.size(); ++i)
        if (nombre == kVistas[i].nombre) return static_cast<diagram::Vista>(i);
    return std::nullopt;
}

std::string NombresDeVistas() {
    std::string nombres;
    for (std::size_t i = 0; i < kVistas.size(); ++i)
        nombres += (i == 0                   ? ""
                    : i + 1 < kVistas.size() ? ", "
                                             : " o ") +
                   std::string(kVistas[i].nombre);
    return nombres;
}

int Tecla::Cifra() const {
    return tecla.size() == 1 && tecla[0] >= '0' && tecla[0] <= '9' ? tecla[0] - '0' : -1;
}

std::optional<Tecla> Leer(std::string_view nombre) {
    Tecla t;
    t.nombre = nombre;
    // A NUL would end the name early for the toolkit: what follows it would pass unseen.
    if (nombre.find('\0') != std::string_view::npos) return std::nullopt;
    for (auto mas = nombre.find('+'); mas != std::string_view::npos && mas + 1 < nombre.size();
         mas = nombre.find('+')) {
        const std::string_view modificador = nombre.substr(0, mas);
        if (modificador == "Ctrl")
            t.modificadores |= kCtrl;
        else if (modificador == "Shift")
            t.modificadores |= kShift;
        else if (modificador == "Alt")
            t.modificadores |= kAlt;
        else if (modificador == "Meta")
            t.modificadores |= kMeta;
        else
            return std::nullopt;
        nombre.remove_prefix(mas + 1);
    }
    t.tecla = std::string(nombre);
    std::optional<char> caracter;
    if (nombre.size() == 1 &&
        ((nombre[0] >= 'A' && nombre[0] <= 'Z') || (nombre[0] >= '0' && nombre[0] <= '9')))
        caracter = nombre[0];
    for (const Imprimible& s : kSignos)
        if (s.nombre == nombre) caracter = s.caracter;
    const bool funcion = nombre.size() >= 2 && nombre.size() <= 3 && nombre[0] == 'F' &&
                         std::all_of(nombre.begin() + 1, nombre.end(),
                                     [](char c) { return c >= '0' && c <= '9'; }) &&
                         nombre[1] != '0' && std::stoi(std::string(nombre.substr(1))) <= 35;
    if (!caracter && !funcion && std::find(kOtras.begin(), kOtras.end(), nombre) == kOtras.end())
        return std::nullopt;
    if (caracter && !(t.modificadores & (kCtrl | kAlt | kMeta))) {
        char c = *caracter;
        if (c >= 'A' && c <= 'Z' && !(t.modificadores & kShift))
            c = static_cast<char>(c - 'A' + 'a');
        t.texto = std::string(1, c);
    }
    return t;
}

}  // namespace trazalia::session::teclas
