// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the page sees it: one session, every command answered with what it changed, in
// order, as JSON the page reads with JSON.parse.
#include <emscripten/bind.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "canvas/numeros.h"
#include "canvas/svg.h"
#include "diagram/formato.h"
#include "diagram/marco.h"
#include "diagram/traducible.h"
#include "practice/ejercicio.h"
#include "practice/pulsacion.h"
#include "practice/registro.h"
#include "practice/resumen.h"
#include "session/dialogos.h"
#include "session/ordenes.h"
#include "session/sesion.h"
#include "session/teclas.h"
#include "web/json.h"
#include "web/nucleo_moodle.h"
#include "web/nucleo_practica.h"

namespace trazalia::web {

namespace {

using session::Observador;
using session::Sesion;
namespace errores = session::errores;

// The translations of the language chosen: "context\x04source" -> text, a plural's forms
// separated by \x1f. A plain function reads them, as the core's translator is one.
std::map<std::string, std::string, std::less<>>& Traducciones() {
    static std::map<std::string, std::string, std::less<>> mapa;
    return mapa;
}
std::string Sustituida(std::string texto, int cuenta) {
    if (cuenta < 0) return texto;
    const std::string n = std::to_string(cuenta);
    for (std::size_t i = texto.find("%n"); i != std::string::npos; i = texto.find("%n", i))
        texto.replace(i, 2, n), i += n.size();
    return texto;
}

std::string EnElIdioma(const char* contexto, const char* texto, int cuenta) {
    const auto& mapa = Traducciones();
    const auto it = mapa.find(std::string(contexto) + '\x04' + texto);
    if (it == mapa.end() || it->second.empty()) return diagram::EnEspanol(contexto, texto, cuenta);
    std::string_view forma = it->second;
    // One is singular; none is plural in each of the page's languages, as on the desktop.
    if (const auto corte = forma.find('\x1f'); corte != std::string_view::npos)
        forma = cuenta == 1 ? forma.substr(0, corte) : forma.substr(corte + 1);
    return Sustituida(std::string(forma), cuenta);
}

std::string Color(canvas::Color c) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        s += kHex[v >> 4];
        s += kHex[v & 15];
    }
    return s;
}

const char* Tipo(session::Tipo t) {
    switch (t) {
        case session::Tipo::Picture:
            return "picture";
        case session::Tipo::HScroll:
            return "barra";
        case session::Tipo::Label:
            return "rotulo";
        case session::Tipo::Lectura:
            return "lectura";
        case session::Tipo::Button:
            return "boton";
        case session::Tipo::Image:
            return "imagen";
    }
    return "";
}

// Every change of the core, kept as JSON objects until the command that caused it answers. A
// picture's operations are one event per window: the page asks for the whole picture once.
class Registro final : public Observador {
public:
    explicit Registro(const Sesion& sesion) : sesion_(sesion) {}

    std::string Respuesta(std::string_view error) {
        Json j;
        j.Abrir('{').Clave("error").Texto(error).Clave("eventos").Abrir('[');
        for (const std::string& e : eventos_) j.Crudo(e);
        j.Cerrar(']').Cerrar('}');
        eventos_.clear();
        dibujadas_.clear();
        return j.str();
    }

    void Mostrada(std::string_view v, bool visible) override {
        Evento("mostrada", v).Clave("visible").Logico(visible);
        Cerrar();
    }
    void Escrito(std::string_view v, std::string_view c, std::string_view texto) override {
        Evento("escrito", v).Clave("c").Texto(c).Clave("texto").Texto(Caption(texto));
        Cerrar();
    }
    void Valor(std::string_view v, std::string_view c, int valor) override {
        Evento("valor", v).Clave("c").Texto(c).Clave("valor").Entero(valor);
        Cerrar();
    }
    void Anterior(std::string_view v, std::string_view c, bool anterior) override {
        Evento("anterior", v).Clave("c").Texto(c).Clave("anterior").Logico(anterior);
        Cerrar();
    }
    void Enfocable(std::string_view v, std::string_view c, bool enfocable) override {
        Evento("enfocable", v).Clave("c").Texto(c).Clave("enfocable").Logico(enfocable);
        Cerrar();
    }
    void Borrado(std::string_view v) override { Dibujo(v); }
    void Grosor(std::string_view v, int) override { Dibujo(v); }
    void Trazado(std::string_view v, const canvas::Op&) override { Dibujo(v); }
    void VistaCambiada(int vista, bool activa) override {
        actual_ = Json();
        actual_.Abrir('{').Clave("tipo").Texto("vista");
        actual_.Clave("vista").Texto(
            session::teclas::Vistas()[static_cast<std::size_t>(vista)].nombre);
        actual_.Clave("activa").Logico(activa);
        Cerrar();
    }
    // Exercises a link passes over were never the student's: while silenced, they leave no entry.
    void Silenciar(bool silenciado) { silenciado_ = silenciado; }
    // The entry waits, by its number, for the page to give its date and student (Tomar).
    void Anotado(std::string_view v, const practice::Asiento& asiento) override {
        if (silenciado_) return;
        const int n = ++anotados_;
        pendientes_.emplace(n, asiento);
        // Entries the page never took are let go.
        while (pendientes_.size() > kPendientes) pendientes_.erase(pendientes_.begin());
        Evento("asiento", v).Clave("n").Entero(n);
        actual_.Clave("codigo").Texto(practice::Nombre(asiento.codigo));
        Cerrar();
    }
    std::optional<practice::Asiento> Tomar(int n) {
        const auto it = pendientes_.find(n);
        if (it == pendientes_.end()) return std::nullopt;
        practice::Asiento asiento = std::move(it->second);
        pendientes_.erase(it);
        return asiento;
    }
    void Anuncio(std::string_view v, std::string_view texto) override {
        Evento("anuncio", v).Clave("texto").Texto(texto);
        Cerrar();
    }
    void Rehusado(std::string_view v, std::string_view c, std::string_view texto) override {
        Evento("rehusado", v).Clave("c").Texto(c).Clave("texto").Texto(texto);
        Cerrar();
    }
    void Fallo(std::string_view v, std::string_view texto) override {
        Evento("fallo", v).Clave("texto").Texto(texto);
        Cerrar();
    }
    void Editor(std::string_view v, std::string_view c, bool abierto,
                std::string_view texto) override {
        Evento("editor", v).Clave("c").Texto(c).Clave("abierto").Logico(abierto);
        actual_.Clave("texto").Texto(texto);
        Cerrar();
    }
    void Terminado() override {
        actual_ = Json();
        actual_.Abrir('{').Clave("tipo").Texto("terminado");
        Cerrar();
    }

    // A caption as the page shows it: the domain writes "Indefinido" in Spanish.
    std::string Caption(std::string_view texto) const {
        if (texto == diagram::kIndefinido)
            return sesion_.traductor()(diagram::kContexto, diagram::kIndefinido);
        return std::string(texto);
    }

private:
    Json& Evento(const char* tipo, std::string_view ventana) {
        actual_ = Json();
        return actual_.Abrir('{').Clave("tipo").Texto(tipo).Clave("v").Texto(ventana);
    }
    void Cerrar() {
        actual_.Cerrar('}');
        eventos_.push_back(actual_.str());
    }
    void Dibujo(std::string_view v) {
        for (const std::string& d : dibujadas_)
            if (d == v) return;
        dibujadas_.emplace_back(v);
        Evento("dibujo", v);
        Cerrar();
    }

    static constexpr std::size_t kPendientes = 64;
    const Sesion& sesion_;
    Json actual_;
    std::vector<std::string> eventos_;
    std::vector<std::string> dibujadas_;
    int anotados_ = 0;
    bool silenciado_ = false;
    std::map<int, practice::Asiento> pendientes_;
};

std::vector<std::string_view> Palabras(const std::string& s) {
    std::vector<std::string_view> w;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        std::size_t fin = s.find(' ', i);
        if (fin == std::string::npos) fin = s.size();
        if (fin > i) w.emplace_back(std::string_view(s).substr(i, fin - i));
        i = fin;
    }
    return w;
}

// The page's own texts, keyed by the names its elements carry (data-texto); where a window of the
// desktop shows the same text, its entry is reused.
struct TextoDeLaPagina {
    const char* clave;
    const char* contexto;
    const char* texto;
};
constexpr TextoDeLaPagina kTextosDeLaPagina[] = {
    {"idioma", "Web", QT_TRANSLATE_NOOP("Web", "Idioma")},
    {"ayuda", "Web", QT_TRANSLATE_NOOP("Web", "Ayuda")},
    {"acerca", "Web", QT_TRANSLATE_NOOP("Web", "Acerca de")},
    {"cerrar", "Web", QT_TRANSLATE_NOOP("Web", "Cerrar")},
    {"vistas", "Web", QT_TRANSLATE_NOOP("Web", "Vistas")},
    {"ajustar", "Web", QT_TRANSLATE_NOOP("Web", "Ajustar")},
    {"ajustarAyuda", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "Al arrastrar una punta, el módulo va de 5 en 5 y la dirección de 15 "
                       "en 15 grados, como con Mayús")},
    {"deshacer", "Acciones", QT_TRANSLATE_NOOP("Acciones", "Deshacer")},
    {"rehacer", "Acciones", QT_TRANSLATE_NOOP("Acciones", "Rehacer")},
    {"terminado", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "Trazalia terminó. Para salir, cierre esta pestaña o esta ventana del "
                       "navegador.")},
    {"volver", "Web", QT_TRANSLATE_NOOP("Web", "Volver a empezar")},
    {"acercaTexto", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "Suma de vectores en el plano por los métodos del paralelogramo y "
                       "del polígono. Funciona en el navegador, sin conexión y sin enviar "
                       "nada a ningún sitio.")},
    {"licencia", "Web", QT_TRANSLATE_NOOP("Web", "Licencia: GNU GPL, versión 3 o posterior")},
    {"fuente", "Web", QT_TRANSLATE_NOOP("Web", "Código fuente")},
    {"creditos", "Web", QT_TRANSLATE_NOOP("Web", "Créditos: Equipo Trazalia.")},
    {"verConstruccion", "Practica",
     QT_TRANSLATE_NOOP("Practica", "Ver la construcción paso a paso")},
    {"dondeError", "Practica", QT_TRANSLATE_NOOP("Practica", "¿Dónde está el error?")},
    {"caminoTodas", "Practica", QT_TRANSLATE_NOOP("Practica", "Camino por todas las ventanas")},
    {"descargar", "Web", QT_TRANSLATE_NOOP("Web", "Descargar resultados")},
    {"aceptar", "Web", QT_TRANSLATE_NOOP("Web", "Aceptar")},
    {"resumenDeLaClase", "Web", QT_TRANSLATE_NOOP("Web", "Resumen de la clase")},
    {"resumenSoltar", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "Suelte aquí los archivos de resultados que descargaron los alumnos, o "
                       "elíjalos:")},
    {"resumenQuitar", "Web", QT_TRANSLATE_NOOP("Web", "Quitar los archivos")},
    {"resumenCsv", "Web", QT_TRANSLATE_NOOP("Web", "Descargar el resumen (CSV)")},
    {"resumenIlegible", "Web",
     QT_TRANSLATE_NOOP("Web", "%1: el navegador no pudo leer el archivo; vuelva a elegirlo.")},
    {"porAlumno", "Web", QT_TRANSLATE_NOOP("Web", "Por alumno")},
    {"erroresDeLaClase", "Web", QT_TRANSLATE_NOOP("Web", "Errores de la clase")},
    {"alumnosPorError", "Web", QT_TRANSLATE_NOOP("Web", "Alumnos por error")},
    {"alumno", "Web", QT_TRANSLATE_NOOP("Web", "Alumno")},
    {"intentos", "Web", QT_TRANSLATE_NOOP("Web", "Intentos")},
    {"aciertos", "Web", QT_TRANSLATE_NOOP("Web", "Aciertos")},
    {"porcentajeDeAciertos", "Web", QT_TRANSLATE_NOOP("Web", "% de aciertos")},
    {"casi", "Web", QT_TRANSLATE_NOOP("Web", "Casi")},
    {"saltados", "Web", QT_TRANSLATE_NOOP("Web", "Saltados")},
    {"sinRespuesta", "Web", QT_TRANSLATE_NOOP("Web", "Sin respuesta")},
    {"error", "Web", QT_TRANSLATE_NOOP("Web", "Error")},
    {"veces", "Web", QT_TRANSLATE_NOOP("Web", "Veces")},
    {"porcentajeDeLosIntentos", "Web", QT_TRANSLATE_NOOP("Web", "% de los intentos")},
    {"sinGuardar", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "El navegador no guardó el último resultado: su espacio está lleno o no "
                       "lo permite. Descargue los resultados ahora para no perderlos.")},
    {"compartir", "Web", QT_TRANSLATE_NOOP("Web", "Compartir")},
    {"compartirTitulo", "Web", QT_TRANSLATE_NOOP("Web", "Compartir lo que se ve")},
    {"compartirTexto", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "El enlace abre esta ventana con estos valores, vistas, idioma y "
                       "ejercicios. Léalo con la cámara de un teléfono o cópielo.")},
    {"enlace", "Web", QT_TRANSLATE_NOOP("Web", "Enlace")},
    {"copiarEnlace", "Web", QT_TRANSLATE_NOOP("Web", "Copiar enlace")},
    {"enlaceCopiado", "Web", QT_TRANSLATE_NOOP("Web", "Enlace copiado.")},
    {"enlaceSinCopiar", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "El navegador no dejó copiar: el enlace quedó seleccionado en su casilla; "
                       "cópielo con Ctrl+C.")},
    {"codigoQr", "Web", QT_TRANSLATE_NOOP("Web", "Código QR del enlace")},
    {"imagenCopiada", "Web", QT_TRANSLATE_NOOP("Web", "Imagen copiada.")},
    {"imagenSinCopiar", "Web",
     QT_TRANSLATE_NOOP("Web", "El navegador no dejó copiar la imagen; guárdela como PNG o SVG.")},
    {"enlaceCorregido", "Web",
     QT_TRANSLATE_NOOP("Web",
                       "El enlace traía valores que no valen; se abrió lo más cercano: %1.")},
};

// The shortcuts of the core's table the page answers to, in the table's order: the others are
// the desktop's alone (its zoom, clipboard, files and picture's menu).
constexpr session::teclas::Atajo kAtajosDeLaPagina[] = {
    session::teclas::Atajo::Ayuda,     session::teclas::Atajo::Deshacer,
    session::teclas::Atajo::Rehacer,   session::teclas::Atajo::HojaDeEjercicios,
    session::teclas::Atajo::Practicar, session::teclas::Atajo::OtroEjercicio,
    session::teclas::Atajo::Comprobar, session::teclas::Atajo::Construccion,
};

const char* NombreDelAtajo(session::teclas::Atajo a) {
    using session::teclas::Atajo;
    switch (a) {
        case Atajo::Ayuda:
            return "Ayuda";
        case Atajo::Deshacer:
            return "Deshacer";
        case Atajo::Rehacer:
            return "Rehacer";
        case Atajo::HojaDeEjercicios:
            return "HojaDeEjercicios";
        case Atajo::Practicar:
            return "Practicar";
        case Atajo::OtroEjercicio:
            return "OtroEjercicio";
        case Atajo::Comprobar:
            return "Comprobar";
        case Atajo::Construccion:
            return "Construccion";
        default:
            return "";
    }
}

// What the page's controls do with keys and the pointer on their own, for its help: the desktop's
// words where the page does the same, its own where it differs. otra: what the keys do not name.
struct Comportamiento {
    std::array<std::string_view, 3> teclas;
    const char* otra;
    const char* contexto;
    const char* descripcion;
};
constexpr Comportamiento kComportamientos[] = {
    {{"Tab", "Shift+Tab"},
     nullptr,
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas", "pasan de un control a otro")},
    {{"Left", "Up", "PageUp"},
     nullptr,
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas",
                       "bajan el valor de la barra que tiene el foco: de 1 en 1 con las flechas, "
                       "de 5 en 5 con las teclas de página (de 1 en 1 la barra de pasos)")},
    {{"Right", "Down", "PageDown"}, nullptr, "Teclas", QT_TRANSLATE_NOOP("Teclas", "lo suben")},
    {{"Home", "End"},
     nullptr,
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas", "llevan la barra al mínimo y al máximo")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "0 a 9"),
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas",
                       "sobre una barra, abren un editor para escribir el valor exacto: Intro lo "
                       "fija, Esc lo cancela; un valor fuera del intervalo se rechaza. Un doble "
                       "clic en la casilla del valor abre el mismo editor")},
    {{"Space", "Return"},
     nullptr,
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas", "pulsan el botón que tiene el foco")},
    {{"Escape"},
     nullptr,
     "Web",
     QT_TRANSLATE_NOOP("Web", "regresa a la ventana de inicio; con un menú abierto, lo cierra")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "arrastrar una punta"),
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas",
                       "sobre el dibujo, el módulo y la dirección del vector siguen al puntero; "
                       "con %2, de 5 en 5 y de 15 en 15 grados")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "arrastrar desde el origen"),
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas", "en la práctica, dibuja su resultante")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "0 a 9 sobre r o α"),
     "Teclas",
     QT_TRANSLATE_NOOP("Teclas",
                       "en la práctica, abren un editor para escribir su resultante por partes: "
                       "el módulo en r y la dirección en α")},
};

// A key's name as the page's help writes it in its language: "Ctrl+Mayús+Z", "Re Pág", "←".
std::string TeclaEscrita(std::string_view nombre, const diagram::Traductor& trad) {
    struct Nombre {
        std::string_view tecla;
        const char* escrita;
        bool traducible;
    };
    static constexpr Nombre kNombres[] = {
        {"Return", QT_TRANSLATE_NOOP("Web", "Intro"), true},
        {"Enter", "Intro", true},
        {"Shift", QT_TRANSLATE_NOOP("Web", "Mayús"), true},
        {"Space", QT_TRANSLATE_NOOP("Web", "Espacio"), true},
        {"PageUp", QT_TRANSLATE_NOOP("Web", "Re Pág"), true},
        {"PageDown", QT_TRANSLATE_NOOP("Web", "Av Pág"), true},
        {"Home", QT_TRANSLATE_NOOP("Web", "Inicio"), true},
        {"End", QT_TRANSLATE_NOOP("Web", "Fin"), true},
        {"Escape", "Esc", false},
        {"Left", "←", false},
        {"Right", "→", false},
        {"Up", "↑", false},
        {"Down", "↓", false},
    };
    std::string escrita;
    std::size_t i = 0;
    while (i <= nombre.size()) {
        // "Ctrl+Plus" is Ctrl and Plus; a '+' that is the key itself ends the name.
        std::size_t mas = nombre.find('+', i);
        if (mas == i || mas == std::string_view::npos) mas = nombre.size();
        const std::string_view parte = nombre.substr(i, mas - i);
        const auto n = std::find_if(std::begin(kNombres), std::end(kNombres),
                                    [parte](const Nombre& n) { return n.tecla == parte; });
        if (!escrita.empty()) escrita += '+';
        escrita += n == std::end(kNombres) ? session::teclas::Escrita(parte)
                   : n->traducible         ? trad("Web", n->escrita)
                                           : std::string(n->escrita);
        i = mas + 1;
    }
    return escrita;
}

// Keys written in the help's language, each once ("Return" and "Enter" are one "Intro").
std::string TeclasEscritas(std::span<const std::string_view> teclas,
                           const diagram::Traductor& trad) {
    std::vector<std::string> escritas;
    for (std::string_view t : teclas) {
        if (t.empty()) continue;
        std::string e = TeclaEscrita(t, trad);
        if (std::find(escritas.begin(), escritas.end(), e) == escritas.end())
            escritas.push_back(std::move(e));
    }
    std::string junto;
    for (const std::string& e : escritas) junto += (junto.empty() ? "" : ", ") + e;
    return junto;
}

const char* NombreDelGesto(practice::Gesto g) {
    switch (g) {
        case practice::Gesto::Nada:
            return "nada";
        case practice::Gesto::Punta:
            return "punta";
        case practice::Gesto::Intento:
            return "intento";
        case practice::Gesto::Rehusado:
            return "rehusado";
    }
    return "";
}

}  // namespace

// One program for one page.
class Nucleo {
public:
    Nucleo() : registro_(sesion_) {
        sesion_.AgregarObservador(registro_);
        sesion_.PonerTraductor(EnElIdioma);
    }
    ~Nucleo() { sesion_.QuitarObservador(registro_); }
    Nucleo(const Nucleo&) = delete;
    Nucleo& operator=(const Nucleo&) = delete;

    std::string iniciar() {
        sesion_.Iniciar();
        return Fin({});
    }
    std::string pulsar(const std::string& ruta) {
        return EnControl(ruta, [](session::Formulario f, std::size_t i) -> session::Comando {
            return session::comandos::Pulsar{f, i};
        });
    }
    // A bar moved by the pointer: one the exercise holds refuses it as it refuses keys, in the
    // same words, and the page puts its thumb back.
    std::string mover(const std::string& ruta, int valor) {
        const auto destino = Buscar(ruta);
        if (const auto* error = std::get_if<errores::Negativa>(&destino)) return Fin(*error);
        const auto [f, i] = std::get<Destino>(destino);
        std::optional<errores::Negativa> error =
            sesion_.Ejecutar(session::comandos::MoverBarra{f, i, valor});
        if (error) Rehusar(ruta);
        return Fin(std::move(error));
    }
    // The thumb or the key let go, the focus gone: the bar's next change is another step.
    std::string terminarPaso(const std::string& ventana) {
        return EnVentana(ventana, [](session::Formulario f) -> session::Comando {
            return session::comandos::TerminarPaso{f};
        });
    }
    // Key names as scripts write them, separated by spaces.
    std::string teclas(const std::string& ruta, const std::string& nombres) {
        std::vector<session::teclas::Tecla> lista;
        for (std::string_view n : Palabras(nombres)) {
            std::optional<session::teclas::Tecla> t = session::teclas::Leer(n);
            if (!t) return Fin(errores::TeclaDesconocida(n, sesion_.traductor()));
            lista.push_back(std::move(*t));
        }
        return EnControl(ruta, [&](session::Formulario f, std::size_t i) -> session::Comando {
            return session::comandos::Teclas{f, i, std::move(lista)};
        });
    }
    std::string escribir(const std::string& ruta, const std::string& texto) {
        return EnControl(ruta, [&](session::Formulario f, std::size_t i) -> session::Comando {
            return session::comandos::Escribir{f, i, texto};
        });
    }
    std::string cerrar(const std::string& ventana) {
        return EnVentana(ventana, [](session::Formulario f) -> session::Comando {
            return session::comandos::Cerrar{f};
        });
    }
    // The core's value editor over that control closed, as the page's own editor closes: its
    // value, if any, is the page's to give (escribir). A key would reach the control instead, and
    // Esc on a read-out leaves the window.
    std::string cerrarEditor(const std::string& ventana, const std::string& control) {
        session::Ventana* v = sesion_.ventana(ventana);
        if (const std::optional<std::size_t> i = v ? v->Indice(control) : std::nullopt)
            v->CerrarEditor(*i, true);
        return Fin({});
    }
    std::string vista(const std::string& ventana, const std::string& nombre, bool activa) {
        const std::optional<diagram::Vista> vista = session::teclas::VistaDeNombre(nombre);
        if (!vista || !sesion_.metodo(ventana))
            return Responder("no hay vista " + nombre + " en " + ventana);
        return EnVentana(ventana, [&](session::Formulario f) -> session::Comando {
            return session::comandos::PonerVista{f, *vista, activa};
        });
    }
    // A view as the page starts with it (its own default, or the one a link or the user chose
    // before), as the desktop restores its settings: in every window, with no step to undo.
    std::string vistaInicial(const std::string& nombre, bool activa) {
        const std::optional<diagram::Vista> vista = session::teclas::VistaDeNombre(nombre);
        if (!vista) return Responder("no hay vista " + nombre);
        sesion_.PonerVista(*vista, activa, true);
        return Fin({});
    }
    // The page shows practice's instruction and verdict in a panel beside the picture
    // (textoDePractica), so the picture leaves them out and never hides the construction.
    void textosDePracticaAparte() { sesion_.PonerTextosDePracticaEnElDibujo(false); }
    std::string textoDePractica(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        return v ? v->practica().Descripcion() : std::string();
    }
    std::string practicar(const std::string& ventana, const std::string& que,
                          const std::string& semilla, const std::string& nivel) {
        using session::comandos::QuePractica;
        const std::optional<QuePractica> cual = que == "on"      ? QuePractica::Comenzar
                                                : que == "next"  ? QuePractica::Siguiente
                                                : que == "check" ? QuePractica::Comprobar
                                                : que == "off"   ? QuePractica::Terminar
                                                                 : std::optional<QuePractica>();
        if (!cual) return Fin(errores::QuePractica(que, sesion_.traductor()));
        session::comandos::Practicar orden{session::Formulario::Form1, *cual};
        if (cual == QuePractica::Comenzar) {
            const std::optional<std::uint32_t> s = errores::LeerSemilla(semilla);
            if (!s) return Fin(errores::SemillaNoValida(semilla, sesion_.traductor()));
            const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
            if (!n) return Fin(errores::NivelDesconocido(nivel, sesion_.traductor()));
            orden.semilla = *s;
            orden.nivel = *n;
        }
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        orden.ventana = *f;
        std::optional<errores::Negativa> error = sesion_.Ejecutar(orden);
        if (!error && cual == QuePractica::Comenzar) series_[*f] = {orden.semilla, 0};
        if (!error && cual == QuePractica::Siguiente) ++series_[*f].siguientes;
        return Fin(std::move(error));
    }
    // Practice on asking for that ("resultante" or "equilibrante"), as "practice … on" with its
    // last word.
    std::string practicarPidiendo(const std::string& ventana, const std::string& semilla,
                                  const std::string& nivel, const std::string& pregunta) {
        return retomar(ventana, semilla, nivel, pregunta, 0);
    }
    // The same, moved on to the exercise that came that many after the first: where a link
    // left it.
    std::string retomar(const std::string& ventana, const std::string& semilla,
                        const std::string& nivel, const std::string& pregunta, int siguientes) {
        const std::optional<std::uint32_t> s = errores::LeerSemilla(semilla);
        if (!s) return Fin(errores::SemillaNoValida(semilla, sesion_.traductor()));
        const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
        if (!n) return Fin(errores::NivelDesconocido(nivel, sesion_.traductor()));
        const std::optional<practice::Pregunta> p = practice::PreguntaDeNombre(pregunta);
        if (!p) return Responder("pregunta desconocida «" + pregunta + "»");
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        using session::comandos::QuePractica;
        std::optional<errores::Negativa> error =
            sesion_.Ejecutar(session::comandos::Practicar{*f, QuePractica::Comenzar, *s, *n, *p});
        if (!error) series_[*f] = {*s, 0};
        registro_.Silenciar(true);
        for (int i = 0; i < siguientes && !error; ++i) {
            error = sesion_.Ejecutar(session::comandos::Practicar{*f, QuePractica::Siguiente});
            if (!error) ++series_[*f].siguientes;
        }
        registro_.Silenciar(false);
        return Fin(std::move(error));
    }
    std::string nivel(const std::string& ventana, const std::string& nivel, double semilla) {
        const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
        if (!n) return Fin(errores::NivelDesconocido(nivel, sesion_.traductor()));
        const auto desde = static_cast<std::uint32_t>(semilla);
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        std::optional<errores::Negativa> error =
            sesion_.Ejecutar(session::comandos::ElegirNivel{*f, *n, desde});
        // With practice on, its exercises start again from that seed.
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (!error && v && v->practica().activa()) series_[*f] = {desde, 0};
        return Fin(std::move(error));
    }
    // Practice along a path over the window's skills, or "todas" over every window's, as
    // "camino … on".
    std::string caminar(const std::string& ventana, const std::string& semilla,
                        const std::string& nivel) {
        const std::optional<std::uint32_t> s = errores::LeerSemilla(semilla);
        if (!s) return Fin(errores::SemillaNoValida(semilla, sesion_.traductor()));
        const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
        if (!n) return Fin(errores::NivelDesconocido(nivel, sesion_.traductor()));
        std::optional<session::comandos::Practicar> orden = OrdenDeCamino(ventana);
        if (!orden) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        orden->semilla = *s;
        orden->nivel = *n;
        // The practice menu and a link read the path's seed from the path (practica).
        return Fin(sesion_.Ejecutar(*orden));
    }
    // A path resumed from the state its last entry kept (Progreso::Texto), as "camino … retomar".
    std::string retomarCamino(const std::string& ventana, const std::string& estado) {
        std::optional<session::comandos::Practicar> orden = OrdenDeCamino(ventana);
        if (!orden) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        orden->estado = estado;
        return Fin(sesion_.Ejecutar(*orden));
    }
    // The window's path: JSON {estado: its state, todas: whether it goes over every window,
    // destrezas: [{nombre, visible: as the student reads it, racha, dominada}] of the skills it
    // sets}; null off a path.
    std::string camino(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (!v || !v->practica().activa() || !v->practica().camino()) return "null";
        const practice::Progreso& p = v->practica().camino()->progreso();
        Json j;
        j.Abrir('{').Clave("estado").Texto(p.Texto()).Clave("todas").Logico(!p.ventana());
        j.Clave("destrezas").Abrir('[');
        for (std::size_t d = 0; d < p.destrezas().size(); ++d)
            if (p.Incluida(d))
                j.Abrir('{')
                    .Clave("nombre")
                    .Texto(practice::Nombre(practice::Destrezas()[d]))
                    .Clave("visible")
                    .Texto(practice::NombreVisible(practice::Destrezas()[d], sesion_.traductor()))
                    .Clave("racha")
                    .Entero(p.destrezas()[d].racha)
                    .Clave("dominada")
                    .Logico(p.Dominada(d))
                    .Cerrar('}');
        return j.Cerrar(']').Cerrar('}').str();
    }
    // After a mistake named on the path, the construction's next step, as "construccion VENTANA";
    // que "error" plants a mistake in it, and a mistake's name ("suma-de-modulos") chooses it.
    std::string construccion(const std::string& ventana, const std::string& que) {
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        if (!sesion_.metodo(ventana))
            return Fin(errores::SinPractica(ventana, sesion_.traductor()));
        session::comandos::Practicar orden{*f, session::comandos::QuePractica::Etapa};
        if (que == "error") orden.que = session::comandos::QuePractica::Plantar;
        if (!que.empty() && que != "error")
            orden.que = session::comandos::QuePractica::Elegir, orden.elegido = que;
        return Fin(sesion_.Ejecutar(orden));
    }
    // What the construction shows: JSON {etapas: its steps, etapa: the one drawn (0 for the
    // window's picture), leyenda: its line, opciones: [{codigo, nombre}] of a planted mistake};
    // null off practice.
    std::string etapaDeConstruccion(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (!v || !v->practica().activa()) return "null";
        const session::Practica& p = v->practica();
        Json j;
        j.Abrir('{').Clave("etapas").Entero(static_cast<int>(p.etapas().size()));
        j.Clave("etapa").Entero(static_cast<int>(p.etapa()));
        j.Clave("leyenda").Texto(p.etapa() > 0 && p.etapa() <= p.etapas().size()
                                     ? p.Leyenda(p.etapas()[p.etapa() - 1])
                                     : std::string());
        j.Clave("opciones").Abrir('[');
        if (p.plantado())
            for (const practice::Codigo c : p.plantado()->opciones)
                j.Abrir('{')
                    .Clave("codigo")
                    .Texto(practice::Nombre(c))
                    .Clave("nombre")
                    .Texto(sesion_.traductor()("Trazalia", practice::NombreCorto(c).data()))
                    .Cerrar('}');
        return j.Cerrar(']').Cerrar('}').str();
    }
    // A window's practice as a link gives it back: JSON {activa, nivel, pregunta, semilla,
    // siguientes: the exercises after the seed's first}; null for a window without practice.
    std::string practica(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (!v) return "null";
        const auto serie = series_.find(v->formulario());
        Serie s = serie == series_.end() ? Serie{} : serie->second;
        // A path over every window came to this window from another: its seed is the path's.
        if (const auto& camino = v->practica().camino(); v->practica().activa() && camino)
            s = {camino->progreso().semilla(), 0};
        Json j;
        j.Abrir('{').Clave("activa").Logico(v->practica().activa());
        j.Clave("nivel").Texto(practice::Nombre(v->practica().nivel()));
        j.Clave("pregunta").Texto(practice::Nombre(v->practica().pregunta()));
        j.Clave("semilla").Entero(s.semilla).Clave("siguientes").Entero(s.siguientes);
        return j.Cerrar('}').str();
    }
    std::string adivinar(const std::string& ventana, const std::string& r,
                         const std::string& alfa) {
        return EnVentana(ventana, [&](session::Formulario f) -> session::Comando {
            return session::comandos::Adivinar{f, r, alfa};
        });
    }
    std::string deshacer(const std::string& ventana) {
        return EnVentana(ventana, [](session::Formulario f) -> session::Comando {
            return session::comandos::Deshacer{f};
        });
    }
    std::string rehacer(const std::string& ventana) {
        return EnVentana(ventana, [](session::Formulario f) -> session::Comando {
            return session::comandos::Rehacer{f};
        });
    }
    // The steps undo and redo would take there, as their buttons name them: JSON {deshacer,
    // rehacer}, each empty when there is none.
    std::string pasos(const std::string& ventana) const {
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        const auto nombrado = [&](const char* plantilla, const std::string& paso) {
            return paso.empty() ? paso
                                : diagram::Sustituir(EnElIdioma("Acciones", plantilla, -1), {paso});
        };
        Json j;
        j.Abrir('{')
            .Clave("deshacer")
            .Texto(
                f ? nombrado(QT_TRANSLATE_NOOP("Acciones", "Deshacer: %1"), sesion_.AlDeshacer(*f))
                  : std::string());
        j.Clave("rehacer").Texto(
            f ? nombrado(QT_TRANSLATE_NOOP("Acciones", "Rehacer: %1"), sesion_.AlRehacer(*f))
              : std::string());
        return j.Cerrar('}').str();
    }

    // The pointer on Picture1, in twips of the picture; the press's answer names its gesture.
    std::string presionar(const std::string& ventana, double x, double y, double alcance) {
        gesto_ = "nada";
        if (const std::optional<session::Formulario> f = session::FormularioDe(ventana)) {
            sesion_.Ejecutar(session::comandos::Presionar{*f, {x, y}, alcance});
            gesto_ = NombreDelGesto(sesion_.pulsacion());
        }
        return Fin({});
    }
    std::string gesto() const { return gesto_; }
    // Whether practice in that window holds a guess, typed or dragged.
    bool adivinado(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        return v && v->practica().activa() && v->practica().intento().has_value();
    }
    // Where a press on the picture starts a drag, in twips of the picture: each tip a press grabs,
    // or the origin while an exercise waits for its guess, with how near it reaches there in twips
    // (0: as near as the page's pointer reaches). The page lets a finger scroll the page from
    // anywhere else on the picture.
    std::string agarres(const std::string& ventana) const {
        Json j;
        j.Abrir('[');
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (v && v->visible() && v->dibujo()) {
            const canvas::Picture& picture = v->picture();
            std::vector<diagram::Punto> puntos{diagram::Origen(picture)};
            for (const diagram::Trazo& t : v->dibujo()->trazos) puntos.push_back(t.hasta);
            for (const diagram::Punto& p : puntos) {
                const practice::Gesto g =
                    practice::QueEmpieza(*v->dibujo(), p, picture.Width(), picture.Height(),
                                         v->practica().Pendiente(), 0)
                        .gesto;
                if (g != practice::Gesto::Punta && g != practice::Gesto::Intento) continue;
                j.Abrir('{')
                    .Clave("x")
                    .Crudo(canvas::Fijo(p.x))
                    .Clave("y")
                    .Crudo(canvas::Fijo(p.y));
                j.Clave("alcance").Crudo(canvas::Fijo(
                    g == practice::Gesto::Intento ? practice::kAgarreDelIntento : 0.0));
                j.Cerrar('}');
            }
        }
        return j.Cerrar(']').str();
    }
    std::string moverPuntero(const std::string& ventana, double x, double y, bool ajustar) {
        if (const std::optional<session::Formulario> f = session::FormularioDe(ventana))
            sesion_.Ejecutar(session::comandos::MoverPuntero{*f, {x, y}, ajustar});
        return Fin({});
    }
    std::string soltarPuntero(const std::string& ventana, double x, double y, bool ajustar) {
        if (const std::optional<session::Formulario> f = session::FormularioDe(ventana))
            sesion_.Ejecutar(session::comandos::SoltarPuntero{*f, {x, y}, ajustar});
        return Fin({});
    }

    // The window's table with its controls' state and its texts in the page's language.
    std::string tabla(const std::string& nombre) const {
        const session::Tabla* t = session::TablaDe(nombre);
        if (!t) return "null";
        const diagram::Traductor& trad = sesion_.traductor();
        const auto traducir = [&](const char* texto) {
            return *texto ? trad(t->nombre.data(), texto) : std::string();
        };
        const session::Ventana* v = sesion_.ventana(nombre);
        Json j;
        j.Abrir('{').Clave("nombre").Texto(t->nombre).Clave("titulo").Texto(traducir(t->titulo));
        j.Clave("ancho").Entero(session::kClientWidth).Clave("alto").Entero(session::kClientHeight);
        j.Clave("visible").Logico(v && v->visible());
        j.Clave("fore").Texto(Color(t->fore)).Clave("vectores").Entero(t->vectores);
        j.Clave("comoRenovar").Texto(traducir(t->comoRenovar));
        j.Clave("lecturas").Abrir('[');
        for (const auto& [barra, lectura] : t->lecturas)
            j.Abrir('[').Entero(barra).Entero(lectura).Cerrar(']');
        j.Cerrar(']');
        j.Clave("resultado").Abrir('[').Entero(t->resultado.first);
        j.Entero(t->resultado.second).Cerrar(']');
        j.Clave("controles").Abrir('[');
        for (std::size_t i = 0; i < t->controles.size(); ++i) {
            const session::Control& c = t->controles[i];
            const session::Estado e = v ? v->estado(i) : session::Estado{};
            j.Abrir('{').Clave("nombre").Texto(c.nombre).Clave("tipo").Texto(Tipo(c.tipo));
            j.Clave("left").Entero(c.left).Clave("top").Entero(c.top);
            j.Clave("width").Entero(c.width).Clave("height").Entero(c.height);
            j.Clave("tab").Entero(c.tab).Clave("texto").Texto(traducir(c.texto));
            j.Clave("puntos").Crudo(canvas::Fijo(c.puntos)).Clave("color").Texto(Color(c.color));
            j.Clave("centrado").Logico(c.centrado).Clave("min").Entero(c.min);
            j.Clave("max").Entero(c.max).Clave("large").Entero(c.large);
            j.Clave("descripcion").Texto(traducir(c.descripcion));
            j.Clave("ayuda").Texto(traducir(c.ayuda)).Clave("resultado").Logico(c.resultado);
            j.Clave("valor").Entero(v ? e.valor : c.min);
            // A caption still the table's is shown as the table's text, translated.
            const bool propio = !v || e.caption == c.texto;
            j.Clave("caption").Texto(propio ? traducir(c.texto) : registro_.Caption(e.caption));
            j.Clave("visto").Logico(e.visible).Clave("habilitado").Logico(e.habilitado);
            j.Clave("enfocable").Logico(e.enfocable).Clave("anterior").Logico(e.anterior);
            // The window a button of Form1 opens, for a link that names the window.
            j.Clave("abre").Texto(c.abre ? c.abre : "");
            j.Cerrar('}');
        }
        j.Cerrar(']').Cerrar('}');
        return j.str();
    }

    // The name the desktop offers to save the picture under, without its extension:
    // "poligono-paso-3" at a step of the construction, "poligono" otherwise.
    std::string nombreDeImagen(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        if (!v) return {};
        std::string nombre(v->metodo().clave());
        if (v->dibujo() && v->dibujo()->paso != 0)
            nombre += "-paso-" + std::to_string(v->dibujo()->paso);
        return nombre;
    }
    // Picture1 as an SVG document in twips; empty for a window without one.
    std::string svg(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        return v ? canvas::Svg(v->picture()) : std::string();
    }

    // What screen readers are told the picture shows, practice's part too; empty before its
    // first drawing.
    std::string descripcion(const std::string& ventana) const {
        const session::VentanaMetodo* v = sesion_.metodo(ventana);
        return v ? v->Descripcion() : std::string();
    }

    // The page's language: Spanish when empty; otherwise its texts as they come, one entry after
    // another, once the old ones are forgotten.
    void idioma() { Traducciones().clear(); }
    void traduccion(const std::string& clave, const std::string& texto) {
        Traducciones()[clave] = texto;
    }
    // A marked text in the page's language, for the page's own texts.
    std::string traducir(const std::string& contexto, const std::string& texto) const {
        return sesion_.traductor()(contexto.c_str(), texto.c_str());
    }

    // The page's own texts in its language, as {clave: texto}.
    std::string textosDeLaPagina() const {
        Json j;
        j.Abrir('{');
        for (const TextoDeLaPagina& t : kTextosDeLaPagina)
            j.Clave(t.clave).Texto(sesion_.traductor()(t.contexto, t.texto));
        return j.Cerrar('}').str();
    }
    // Practice's levels as its menu offers them: [{nombre, titulo in the page's language}].
    // Form1 and each method's window, in the registry's order, with whether it has practice.
    std::string ventanas() const {
        Json j;
        j.Abrir('[');
        for (std::size_t i = 0; i < session::NumeroDeFormularios(); ++i) {
            const auto f = static_cast<session::Formulario>(i);
            const practice::Ventana m = session::MetodoDe(f);
            j.Abrir('{').Clave("nombre").Texto(session::TablaDe(f).nombre);
            j.Clave("practica").Logico(m && m->practica());
            // Where the equilibrant may be asked for.
            j.Clave("suma").Logico(m && m->suma()).Cerrar('}');
        }
        return j.Cerrar(']').str();
    }

    std::string niveles() const {
        Json j;
        j.Abrir('[');
        for (const auto n : practice::kNiveles) {
            j.Abrir('{').Clave("nombre").Texto(practice::Nombre(n));
            j.Clave("titulo").Texto(
                sesion_.traductor()(diagram::kContexto, practice::NombreVisible(n).data()));
            j.Clave("predeterminado").Logico(n == practice::kNivelPredeterminado);
            j.Cerrar('}');
        }
        return j.Cerrar(']').str();
    }

    // The worksheet's dialog as the core describes it (session/dialogos.h), its texts in the
    // page's language: [{opcion, clase, rotulo, porOmision, minimo, maximo, elecciones: [{valor,
    // rotulo}], hoja, moodle: whether the sheet's line and the bank's take it}].
    std::string dialogoDeHoja() const {
        static constexpr std::array kClases{"entero", "eleccion", "texto", "casilla", "semilla"};
        const auto texto = [&](const session::Rotulo& r) -> std::string {
            return r.contexto ? sesion_.traductor()(r.contexto, r.texto) : r.texto;
        };
        Json j;
        j.Abrir('[');
        for (const session::Campo& c : session::CamposDeHoja()) {
            j.Abrir('{').Clave("opcion").Texto(c.opcion);
            j.Clave("clase").Texto(kClases[static_cast<std::size_t>(c.clase)]);
            j.Clave("rotulo").Texto(texto(c.rotulo));
            j.Clave("porOmision")
                .Texto(c.textoPorOmision.contexto ? texto(c.textoPorOmision) : c.porOmision);
            j.Clave("minimo").Entero(c.minimo).Clave("maximo").Entero(c.maximo);
            j.Clave("elecciones").Abrir('[');
            for (const session::Eleccion& e : c.elecciones)
                j.Abrir('{')
                    .Clave("valor")
                    .Texto(e.valor)
                    .Clave("rotulo")
                    .Texto(texto(e.rotulo))
                    .Cerrar('}');
            j.Cerrar(']');
            j.Clave("hoja").Logico(c.modos & session::Bit(session::Modo::Hoja));
            j.Clave("moodle").Logico(c.modos & session::Bit(session::Modo::Moodle));
            j.Cerrar('}');
        }
        return j.Cerrar(']').str();
    }

    std::string volcar(const std::string& ventana) const {
        std::vector<std::string> lineas;
        const std::string error = sesion_.Volcar(ventana, lineas);
        if (!error.empty()) return error;
        std::string s;
        for (const std::string& l : lineas) s += l + '\n';
        return s;
    }

    // The shortcuts of the core's table the page answers to: [{atajo, teclas: [as the core names
    // them]}]; the page runs each by its name.
    std::string atajos() const {
        Json j;
        j.Abrir('[');
        for (const session::teclas::Atajo a : kAtajosDeLaPagina) {
            const session::teclas::FilaDeAtajo& f = session::teclas::FilaDe(a);
            j.Abrir('{').Clave("atajo").Texto(NombreDelAtajo(a)).Clave("metodo").Logico(f.metodo);
            j.Clave("teclas").Abrir('[');
            for (std::string_view t : f.teclas)
                if (!t.empty()) j.Texto(t);
            j.Cerrar(']').Cerrar('}');
        }
        return j.Cerrar(']').str();
    }

    // The help's table of keys in the page's language, as [[keys, what they do]]: what the
    // controls do on their own, the shortcuts above, the views' keys.
    std::string teclasDeLaAyuda() const {
        const diagram::Traductor& trad = sesion_.traductor();
        Json j;
        j.Abrir('[');
        const auto fila = [&j](const std::string& teclas, const std::string& descripcion) {
            j.Abrir('[').Texto(teclas).Texto(descripcion).Cerrar(']');
        };
        for (const Comportamiento& c : kComportamientos) {
            std::string teclas = TeclasEscritas(c.teclas, trad);
            if (c.otra) teclas += (teclas.empty() ? "" : ", ") + trad("Teclas", c.otra);
            fila(teclas, diagram::Sustituir(trad(c.contexto, c.descripcion),
                                            {"Ctrl", TeclaEscrita("Shift", trad)}));
        }
        for (const session::teclas::Atajo a : kAtajosDeLaPagina) {
            const session::teclas::FilaDeAtajo& f = session::teclas::FilaDe(a);
            std::string descripcion = trad(f.contexto, f.nombre);
            if (f.donde)
                descripcion =
                    diagram::Sustituir(trad("Teclas", QT_TRANSLATE_NOOP("Teclas", "%1, %2")),
                                       {descripcion, trad("Teclas", f.donde)});
            fila(TeclasEscritas(f.teclas, trad), descripcion);
        }
        for (const session::teclas::FilaDeVista& v : session::teclas::Vistas())
            fila(TeclaEscrita(v.tecla, trad),
                 diagram::Sustituir(
                     trad("Teclas", QT_TRANSLATE_NOOP("Teclas", "Vista del dibujo: %1")),
                     {trad("Vistas", v.titulo)}));
        return j.Cerrar(']').str();
    }

    // How many of practice's entries this browser keeps, said in the page's language.
    std::string resultadosGuardados(int n) const {
        return sesion_.traductor()(
            "Web", QT_TRANSLATE_N_NOOP("Web", "%n resultado(s) guardado(s) en este navegador"), n);
    }

    // The views as a window's menu offers them: name, key, title in the page's language, state.
    std::string vistas() const {
        Json j;
        j.Abrir('[');
        std::size_t i = 0;
        for (const session::teclas::FilaDeVista& f : session::teclas::Vistas()) {
            j.Abrir('{').Clave("nombre").Texto(f.nombre).Clave("tecla").Texto(f.tecla);
            j.Clave("titulo").Texto(sesion_.traductor()("Vistas", f.titulo));
            j.Clave("activa").Logico(sesion_.vistas()[static_cast<diagram::Vista>(i++)]);
            j.Cerrar('}');
        }
        j.Cerrar(']');
        return j.str();
    }

    // The text of the value editor open over that control, as the keys sent so far left it.
    std::string editor(const std::string& ventana, const std::string& control) const {
        const session::Ventana* v = sesion_.ventana(ventana);
        const std::optional<std::size_t> i = v ? v->Indice(control) : std::nullopt;
        const session::Ventana::Editor* e = i ? v->EditorDe(*i) : nullptr;
        return e ? e->texto : std::string();
    }

    bool terminado() const { return sesion_.terminado(); }
    std::string version() const { return TRAZALIA_VERSION; }

    // Practice's record: the line of the entry an "asiento" event numbered n, with its date and
    // student, once; empty for any other number.
    std::string asiento(int n, const std::string& fecha, const std::string& alumno) {
        const std::optional<practice::Asiento> a = registro_.Tomar(n);
        return a ? LineaDelAsiento(*a, fecha, practice::NombreLimpio(alumno)) : std::string();
    }
    std::string cabeceraDelRegistro() const { return std::string(practice::CabeceraDelRegistro()); }
    // The name a student's download is offered under: the name and the date, as the desktop's.
    std::string nombreDeResultados(const std::string& alumno, const std::string& fecha) const {
        return practice::NombreDeResultados(practice::NombreLimpio(alumno), fecha);
    }
    // The class's summary of the students' record files, read as the desktop's --resumen reads
    // them: resumenNuevo with which names are one student's (clave: name -> key), then for each
    // file resumenAbrir, resumenLeer with its bytes in pieces, in order, and resumenCerrar, which
    // says how many of its lines were records (none: the file is no record).
    void resumenNuevo(emscripten::val clave) {
        resumen_.emplace([clave](std::string_view nombre) {
            return clave(std::string(nombre)).as<std::string>();
        });
    }
    void resumenAbrir(const std::string& archivo) { ResumenDeLaClase().Abrir(archivo); }
    void resumenLeer(const std::string& trozo) { ResumenDeLaClase().Leer(trozo); }
    double resumenCerrar() {
        ResumenDeLaClase().Cerrar();
        return static_cast<double>(ResumenDeLaClase().RegistrosDelArchivo());
    }
    // The summary as JSON in the page's language (nucleo_practica.h), and the desktop's CSV.
    std::string resumen() { return ResumenComoJson(ResumenDeLaClase(), sesion_.traductor()); }
    std::string resumenCsv() { return ResumenDeLaClase().Csv(); }

    // A worksheet in the page's language; its options one a line (nucleo_practica.h).
    std::string hoja(const std::string& opciones, double relojDeSemilla) const {
        return HojaComoJson(opciones, static_cast<std::uint32_t>(relojDeSemilla),
                            sesion_.traductor());
    }
    // The same options' question bank, in the page's language (nucleo_moodle.h).
    std::string moodle(const std::string& opciones, double relojDeSemilla) const {
        return MoodleComoJson(opciones, static_cast<std::uint32_t>(relojDeSemilla),
                              sesion_.traductor());
    }

private:
    practice::Resumen& ResumenDeLaClase() {
        if (!resumen_) resumen_.emplace();
        return *resumen_;
    }

    // A command's refusal in the user's words and language; the script's words name commands
    // and windows the student never sees.
    std::string Fin(std::optional<errores::Negativa> negativa) {
        return Responder(negativa ? std::move(negativa->usuario) : std::string());
    }
    std::string Responder(std::string error) {
        if (error.empty()) error = sesion_.TomarFallo();
        return registro_.Respuesta(error);
    }

    // The start of a path in that window, or over every window ("todas"); none for an unknown
    // window.
    static std::optional<session::comandos::Practicar> OrdenDeCamino(const std::string& ventana) {
        using session::comandos::QuePractica;
        const bool todas = ventana == "todas";
        const std::optional<session::Formulario> f =
            todas ? session::Formulario::Form1 : session::FormularioDe(ventana);
        if (!f) return std::nullopt;
        session::comandos::Practicar orden{*f, QuePractica::Comenzar};
        orden.camino = true;
        orden.todas = todas;
        return orden;
    }

    // A window and a control as the page names them ("Form2.HScroll1").
    struct Destino {
        session::Formulario ventana;
        std::size_t control;
    };
    std::variant<Destino, errores::Negativa> Buscar(std::string_view ruta) const {
        const std::size_t punto = ruta.find('.');
        if (punto == std::string_view::npos)
            return errores::SeEsperabaRuta(ruta, sesion_.traductor());
        const std::string_view ventana = ruta.substr(0, punto);
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return errores::VentanaDesconocida(ventana, sesion_.traductor());
        const std::optional<std::size_t> i = session::ControlDe(*f, ruta.substr(punto + 1));
        if (!i) return errores::SinControl(ventana, ruta.substr(punto + 1), sesion_.traductor());
        return Destino{*f, *i};
    }
    template <class Hacer>
    std::string EnControl(std::string_view ruta, Hacer&& hacer) {
        const auto destino = Buscar(ruta);
        if (const auto* error = std::get_if<errores::Negativa>(&destino)) return Fin(*error);
        const auto [f, i] = std::get<Destino>(destino);
        return Fin(sesion_.Ejecutar(hacer(f, i)));
    }
    template <class Hacer>
    std::string EnVentana(std::string_view ventana, Hacer&& hacer) {
        const std::optional<session::Formulario> f = session::FormularioDe(ventana);
        if (!f) return Fin(errores::VentanaDesconocida(ventana, sesion_.traductor()));
        return Fin(sesion_.Ejecutar(hacer(*f)));
    }

    // A bar the waiting exercise holds: practice's refusal, told as a key's is.
    void Rehusar(std::string_view ruta) {
        const std::size_t punto = ruta.find('.');
        if (punto == std::string_view::npos) return;
        session::VentanaMetodo* v = sesion_.metodo(ruta.substr(0, punto));
        const std::optional<std::size_t> i = v ? v->Indice(ruta.substr(punto + 1)) : std::nullopt;
        if (!i || !v->practica().Retiene(*i)) return;
        v->practica().Rehusar(*i);
        v->practica().TomarRechazo();
    }

    Sesion sesion_;
    Registro registro_;
    std::string gesto_ = "nada";
    // The seed each window's practice started from and how many exercises came after its first:
    // the core's generator keeps them to itself, and a link to the exercise needs them.
    struct Serie {
        std::uint32_t semilla = 0;
        int siguientes = 0;
    };
    std::map<session::Formulario, Serie> series_;
    std::optional<practice::Resumen> resumen_;
};

}  // namespace trazalia::web

EMSCRIPTEN_BINDINGS(trazalia) {
    using trazalia::web::Nucleo;
    emscripten::class_<Nucleo>("Nucleo")
        .constructor<>()
        .function("iniciar", &Nucleo::iniciar)
        .function("pulsar", &Nucleo::pulsar)
        .function("mover", &Nucleo::mover)
        .function("terminarPaso", &Nucleo::terminarPaso)
        .function("teclas", &Nucleo::teclas)
        .function("escribir", &Nucleo::escribir)
        .function("cerrar", &Nucleo::cerrar)
        .function("cerrarEditor", &Nucleo::cerrarEditor)
        .function("vista", &Nucleo::vista)
        .function("vistaInicial", &Nucleo::vistaInicial)
        .function("textosDePracticaAparte", &Nucleo::textosDePracticaAparte)
        .function("textoDePractica", &Nucleo::textoDePractica)
        .function("practicar", &Nucleo::practicar)
        .function("practicarPidiendo", &Nucleo::practicarPidiendo)
        .function("nivel", &Nucleo::nivel)
        .function("practica", &Nucleo::practica)
        .function("retomar", &Nucleo::retomar)
        .function("caminar", &Nucleo::caminar)
        .function("retomarCamino", &Nucleo::retomarCamino)
        .function("camino", &Nucleo::camino)
        .function("construccion", &Nucleo::construccion)
        .function("etapaDeConstruccion", &Nucleo::etapaDeConstruccion)
        .function("adivinar", &Nucleo::adivinar)
        .function("deshacer", &Nucleo::deshacer)
        .function("rehacer", &Nucleo::rehacer)
        .function("pasos", &Nucleo::pasos)
        .function("presionar", &Nucleo::presionar)
        .function("gesto", &Nucleo::gesto)
        .function("adivinado", &Nucleo::adivinado)
        .function("agarres", &Nucleo::agarres)
        .function("moverPuntero", &Nucleo::moverPuntero)
        .function("soltarPuntero", &Nucleo::soltarPuntero)
        .function("tabla", &Nucleo::tabla)
        .function("svg", &Nucleo::svg)
        .function("nombreDeImagen", &Nucleo::nombreDeImagen)
        .function("descripcion", &Nucleo::descripcion)
        .function("idioma", &Nucleo::idioma)
        .function("traduccion", &Nucleo::traduccion)
        .function("traducir", &Nucleo::traducir)
        .function("textosDeLaPagina", &Nucleo::textosDeLaPagina)
        .function("niveles", &Nucleo::niveles)
        .function("dialogoDeHoja", &Nucleo::dialogoDeHoja)
        .function("ventanas", &Nucleo::ventanas)
        .function("volcar", &Nucleo::volcar)
        .function("editor", &Nucleo::editor)
        .function("vistas", &Nucleo::vistas)
        .function("atajos", &Nucleo::atajos)
        .function("teclasDeLaAyuda", &Nucleo::teclasDeLaAyuda)
        .function("resultadosGuardados", &Nucleo::resultadosGuardados)
        .function("asiento", &Nucleo::asiento)
        .function("hoja", &Nucleo::hoja)
        .function("moodle", &Nucleo::moodle)
        .function("cabeceraDelRegistro", &Nucleo::cabeceraDelRegistro)
        .function("nombreDeResultados", &Nucleo::nombreDeResultados)
        .function("resumenNuevo", &Nucleo::resumenNuevo)
        .function("resumenAbrir", &Nucleo::resumenAbrir)
        .function("resumenLeer", &Nucleo::resumenLeer)
        .function("resumenCerrar", &Nucleo::resumenCerrar)
        .function("resumen", &Nucleo::resumen)
        .function("resumenCsv", &Nucleo::resumenCsv)
        .function("terminado", &Nucleo::terminado)
        .function("version", &Nucleo::version);
}
