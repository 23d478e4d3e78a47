// SPDX-License-Identifier: GPL-3.0-or-later
// The script's commands: one table, and each line read into the command a face would give.
#include "session/ordenes.h"

#include <array>

#include "session/sesion.h"

namespace trazalia::session {

namespace {

using Palabras = std::span<const std::string_view>;

// A window, or a control of it, as a script names it: known, on screen, then the control.
struct Hallado {
    const Ventana* ventana = nullptr;
    std::size_t control = 0;
    std::optional<errores::Negativa> error;
};

Hallado BuscarVentana(const Sesion& s, std::string_view nombre) {
    if (!TablaDe(nombre)) return {nullptr, 0, errores::VentanaDesconocida(nombre, s.traductor())};
    const Ventana* v = s.ventana(nombre);
    if (!v || !v->visible()) return {nullptr, 0, errores::NoALaVista(nombre, s.traductor())};
    return {v, 0, {}};
}

Hallado BuscarControl(const Sesion& s, std::string_view ruta) {
    const auto punto = ruta.find('.');
    if (punto == std::string_view::npos)
        return {nullptr, 0, errores::SeEsperabaRuta(ruta, s.traductor())};
    Hallado h = BuscarVentana(s, ruta.substr(0, punto));
    if (!h.ventana) return h;
    const std::string_view nombre = ruta.substr(punto + 1);
    const std::optional<std::size_t> control = h.ventana->Indice(nombre);
    if (!control)
        return {nullptr, 0, errores::SinControl(h.ventana->nombre(), nombre, s.traductor())};
    h.control = *control;
    return h;
}

const Control& FilaDe(const Hallado& h) { return h.ventana->tabla().controles[h.control]; }

// A window by its name alone: the command looks at the rest.
std::variant<Formulario, errores::Negativa> FormularioDe(const Sesion& s, std::string_view nombre) {
    if (const std::optional<Formulario> f = session::FormularioDe(nombre)) return *f;
    return errores::VentanaDesconocida(nombre, s.traductor());
}

// click WINDOW.BUTTON
Lectura LeerClick(const Sesion& s, Palabras w) {
    const Hallado h = BuscarControl(s, w[1]);
    if (h.error) return *h.error;
    if (FilaDe(h).tipo != Tipo::Button) return errores::NoEsBoton(w[1], s.traductor());
    return comandos::Pulsar{h.ventana->formulario(), h.control};
}

// set WINDOW.SCROLLBAR VALUE
Lectura LeerSet(const Sesion& s, Palabras w) {
    const Hallado h = BuscarControl(s, w[1]);
    if (h.error) return *h.error;
    const Control& c = FilaDe(h);
    if (c.tipo != Tipo::HScroll) return errores::NoEsBarra(w[1], s.traductor());
    const std::optional<long> valor = errores::LeerEntero(w[2]);
    if (!valor) return errores::NoEntero(w[2], s.traductor());
    // Named as written ("007"), before the command sees the number.
    if (*valor < c.min || *valor > c.max)
        return errores::FueraDeRango(w[2], w[1], c.min, c.max, s.traductor());
    return comandos::MoverBarra{h.ventana->formulario(), h.control, static_cast<int>(*valor)};
}

// close WINDOW
Lectura LeerClose(const Sesion& s, Palabras w) {
    const Hallado h = BuscarVentana(s, w[1]);
    if (h.error) return *h.error;
    return comandos::Cerrar{h.ventana->formulario()};
}

// view WINDOW NAME on|off: the next redraw shows it.
Lectura LeerView(const Sesion& s, Palabras w) {
    const auto f = FormularioDe(s, w[1]);
    if (const auto* error = std::get_if<errores::Negativa>(&f)) return *error;
    if (w[1] == "Form1") return errores::SinVistas(w[1], s.traductor());
    const std::optional<diagram::Vista> cual = teclas::VistaDeNombre(w[2]);
    if (!cual) return errores::VistaDesconocida(w[2], teclas::NombresDeVistas(), s.traductor());
    if (w[3] != "on" && w[3] != "off") return errores::OnUOff(w[3], s.traductor());
    return comandos::PonerVista{std::get<Formulario>(f), *cual, w[3] == "on", false};
}

// key WINDOW.CONTROL KEY...
Lectura LeerKey(const Sesion& s, Palabras w) {
    std::vector<teclas::Tecla> lista;
    for (std::string_view n : w.subspan(2)) {
        std::optional<teclas::Tecla> t = teclas::Leer(n);
        if (!t) return errores::TeclaDesconocida(n, s.traductor());
        lista.push_back(std::move(*t));
    }
    const Hallado h = BuscarControl(s, w[1]);
    if (h.error) return *h.error;
    return comandos::Teclas{h.ventana->formulario(), h.control, std::move(lista)};
}

// practice WINDOW on SEED LEVEL [equilibrante] | next | check | off
Lectura LeerPractice(const Sesion& s, Palabras w) {
    using comandos::QuePractica;
    const std::string_view que = w[2];
    if (que != "on" && que != "next" && que != "check" && que != "off")
        return errores::QuePractica(que, s.traductor());
    if (w[1] == "Form1") return errores::SinPractica(w[1], s.traductor());
    const Hallado h = BuscarVentana(s, w[1]);
    if (h.error) return *h.error;
    comandos::Practicar p{h.ventana->formulario(), QuePractica::Comenzar};
    if (que != "on") {
        p.que = que == "off"    ? QuePractica::Terminar
                : que == "next" ? QuePractica::Siguiente
                                : QuePractica::Comprobar;
        return p;
    }
    const std::optional<std::uint32_t> semilla = errores::LeerSemilla(w[3]);
    if (!semilla) return errores::SemillaNoValida(w[3], s.traductor());
    const std::optional<practice::Nivel> nivel = practice::NivelDeNombre(w[4]);
    if (!nivel) return errores::NivelDesconocido(w[4], s.traductor());
    p.semilla = *semilla;
    p.nivel = *nivel;
    // The runner has checked the last word, if any.
    if (w.size() > 5) p.pregunta = practice::Pregunta::Equilibrante;
    return p;
}

// camino WINDOW on SEED LEVEL: practice along a path over the window's skills, read as practice
// reads its start. camino WINDOW retomar STATE resumes one: its words one space apart, as
// Progreso::Texto writes them; the session reads the state. camino todas on SEED LEVEL: a path over
// every window's skills; camino todas retomar STATE resumes one.
Lectura LeerCamino(const Sesion& s, Palabras w) {
    if (w[2] == "retomar") {
        if (w[1] == "Form1") return errores::SinPractica(w[1], s.traductor());
        comandos::Practicar p{Formulario::Form1, comandos::QuePractica::Comenzar};
        if (w[1] == "todas") {
            p.todas = true;
        } else {
            const Hallado h = BuscarVentana(s, w[1]);
            if (h.error) return *h.error;
            p.ventana = h.ventana->formulario();
        }
        p.camino = true;
        // Appended piece by piece: GCC 12 at -O3 takes a temporary string's concatenation here
        // for an overlapping copy (-Wrestrict).
        for (std::size_t i = 3; i < w.size(); ++i) {
            if (i > 3) p.estado += ' ';
            p.estado.append(w[i]);
        }
        return p;
    }
    if (w[2] != "on") return errores::QuePractica(w[2], s.traductor());
    // Every window's skills: read as Form1's practice would be, in none.
    if (w[1] == "todas") {
        const std::optional<std::uint32_t> semilla = errores::LeerSemilla(w[3]);
        if (!semilla) return errores::SemillaNoValida(w[3], s.traductor());
        const std::optional<practice::Nivel> nivel = practice::NivelDeNombre(w[4]);
        if (!nivel) return errores::NivelDesconocido(w[4], s.traductor());
        comandos::Practicar p{Formulario::Form1, comandos::QuePractica::Comenzar, *semilla, *nivel};
        p.camino = p.todas = true;
        return p;
    }
    Lectura lectura = LeerPractice(s, w);
    if (auto* c = std::get_if<Comando>(&lectura))
        if (auto* p = std::get_if<comandos::Practicar>(c)) p->camino = true;
    return lectura;
}

// construccion WINDOW: the next step of the construction a path shows after a mistake.
// construccion WINDOW error [MISTAKE]: a mistake planted in it, and the one named.
Lectura LeerConstruccion(const Sesion& s, Palabras w) {
    if (w.size() > 2 && w[2] != "error") return errores::QuePractica(w[2], s.traductor());
    if (w[1] == "Form1") return errores::SinPractica(w[1], s.traductor());
    const Hallado h = BuscarVentana(s, w[1]);
    if (h.error) return *h.error;
    comandos::Practicar p{h.ventana->formulario(), comandos::QuePractica::Etapa};
    if (w.size() > 2) p.que = comandos::QuePractica::Plantar;
    if (w.size() > 3) p.que = comandos::QuePractica::Elegir, p.elegido = w[3];
    return p;
}

// guess WINDOW R ALPHA: the numbers are read first, as the command reads them.
Lectura LeerGuess(const Sesion& s, Palabras w) {
    if (!errores::LeerDecimal(w[2])) return errores::ModuloNoValido(w[2], s.traductor());
    if (!errores::LeerDecimal(w[3])) return errores::DireccionNoValida(w[3], s.traductor());
    const auto f = FormularioDe(s, w[1]);
    if (const auto* error = std::get_if<errores::Negativa>(&f)) return *error;
    return comandos::Adivinar{std::get<Formulario>(f), std::string(w[2]), std::string(w[3])};
}

// drag WINDOW X1 Y1 X2 Y2
Lectura LeerDrag(const Sesion& s, Palabras w) {
    std::array<double, 4> c{};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const std::optional<double> v = errores::LeerCoordenada(w[i + 2]);
        if (!v) return errores::CoordenadaNoValida(w[i + 2]);
        c[i] = *v;
    }
    const auto f = FormularioDe(s, w[1]);
    if (const auto* error = std::get_if<errores::Negativa>(&f)) return *error;
    return comandos::Arrastrar{std::get<Formulario>(f), {c[0], c[1]}, {c[2], c[3]}};
}

template <class Paso>
Lectura LeerPaso(const Sesion& s, Palabras w) {
    const auto f = FormularioDe(s, w[1]);
    if (const auto* error = std::get_if<errores::Negativa>(&f)) return *error;
    return Paso{std::get<Formulario>(f)};
}

// clang-format off
constexpr std::array kOrdenes{
    Orden{"click", "click VENTANA.BOTÓN", 2, 2, LeerClick},
    Orden{"set", "set VENTANA.BARRA VALOR", 3, 3, LeerSet},
    Orden{"close", "close VENTANA", 2, 2, LeerClose},
    Orden{"dump", "dump VENTANA", 2, 2},
    Orden{"save", "save VENTANA ARCHIVO", 3, kSinLimite},
    Orden{"view", "view VENTANA VISTA on|off", 4, 4, LeerView},
    Orden{"key", "key VENTANA.CONTROL TECLA...", 3, kSinLimite, LeerKey},
    // The count of words depends on the second: the runner checks it.
    Orden{"practice",
          "practice VENTANA on SEMILLA NIVEL [equilibrante] | practice VENTANA next|check|off", 3,
          6, LeerPractice},
    Orden{"camino", "camino VENTANA on SEMILLA NIVEL", 4, kSinLimite, LeerCamino},
    Orden{"construccion", "construccion VENTANA | construccion VENTANA error [ERROR]", 2, 4,
          LeerConstruccion},
    Orden{"guess", "guess VENTANA R ALFA", 4, 4, LeerGuess},
    Orden{"drag", "drag VENTANA X1 Y1 X2 Y2", 6, 6, LeerDrag},
    Orden{"undo", "undo VENTANA", 2, 2, LeerPaso<comandos::Deshacer>},
    Orden{"redo", "redo VENTANA", 2, 2, LeerPaso<comandos::Rehacer>},
};
// clang-format on

}  // namespace

std::optional<std::size_t> ControlDe(Formulario ventana, std::string_view nombre) {
    const auto controles = TablaDe(ventana).controles;
    for (std::size_t i = 0; i < controles.size(); ++i)
        if (controles[i].nombre == nombre) return i;
    return std::nullopt;
}

std::span<const Orden> Ordenes() { return kOrdenes; }

const Orden* BuscarOrden(std::string_view nombre) {
    for (const Orden& orden : kOrdenes)
        if (orden.nombre == nombre) return &orden;
    return nullptr;
}

std::string Uso(std::string_view orden) { return "uso: " + std::string(BuscarOrden(orden)->uso); }

std::optional<errores::Negativa> Correr(Sesion& sesion, const Orden& orden, Palabras palabras) {
    Lectura leida = orden.leer(sesion, palabras);
    if (auto* error = std::get_if<errores::Negativa>(&leida)) return std::move(*error);
    const Comando& comando = std::get<Comando>(leida);
    std::optional<errores::Negativa> negativa = sesion.Ejecutar(comando);
    // A command keeps its steps in its own window.
    sesion.Ejecutar(
        comandos::TerminarPaso{std::visit([](const auto& c) { return c.ventana; }, comando)});
    return negativa;
}

}  // namespace trazalia::session
