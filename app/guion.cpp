// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guion.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaEnum>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/acciones.h"
#include "app/aplicacion.h"
#include "app/arrastre.h"
#include "app/editor.h"
#include "app/practica.h"
#include "app/ventana.h"
#include "app/ventana_metodo.h"
#include "app/vistas.h"
#include "canvas/error_reason.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_writer.h"
#include "practice/intento.h"
#include "session/errores.h"

namespace trazalia::app {

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Result of looking a window up: the window or why it cannot be used.
struct Busqueda {
    Ventana* ventana = nullptr;
    std::string error;
};

bool EsNombreDeVentana(std::string_view nombre) { return session::TablaDe(nombre) != nullptr; }

Busqueda BuscarVentana(const Aplicacion& app, std::string_view nombre, bool aLaVista) {
    if (!EsNombreDeVentana(nombre)) return {nullptr, session::errores::VentanaDesconocida(nombre)};
    Ventana* v = app.ventana(Q(nombre));
    if (!v || (aLaVista && !v->isVisible())) return {nullptr, session::errores::NoALaVista(nombre)};
    return {v, {}};
}

struct BusquedaControl {
    Ventana* ventana = nullptr;
    QWidget* control = nullptr;
    std::string error;
};

// WINDOW.CONTROL of a shown window.
BusquedaControl BuscarControl(const Aplicacion& app, std::string_view ruta) {
    const auto punto = ruta.find('.');
    if (punto == std::string_view::npos)
        return {nullptr, nullptr, session::errores::SeEsperabaRuta(ruta)};
    auto [v, error] = BuscarVentana(app, ruta.substr(0, punto), true);
    if (!v) return {nullptr, nullptr, error};
    const std::string_view nombre = ruta.substr(punto + 1);
    QWidget* control = v->control(Q(nombre));
    if (!control)
        return {nullptr, nullptr, session::errores::SinControl(v->nombre().toStdString(), nombre)};
    return {v, control, {}};
}

using session::Uso;

// One bit for each window that is shown.
unsigned ALaVista(const Aplicacion& app) {
    unsigned bits = 0;
    unsigned bit = 1;
    for (const Ventana* v : app.ventanas()) {
        if (v && v->isVisible()) bits |= bit;
        bit <<= 1;
    }
    return bits;
}

// The first failure of a handler in any window since the last line.
std::string FalloDeVentana(const Aplicacion& app) {
    std::string fallo;
    for (Ventana* v : app.ventanas()) {
        if (!v) continue;
        std::string este = v->TomarFallo();
        if (fallo.empty()) fallo = std::move(este);
    }
    return fallo;
}

// view WINDOW NAME on|off: one set of views serves both method windows; the next redraw shows it.
std::string Vista(Aplicacion& app, const std::vector<std::string_view>& w) {
    if (!EsNombreDeVentana(w[1])) return session::errores::VentanaDesconocida(w[1]);
    if (w[1] == "Form1") return session::errores::SinVistas(w[1]);
    const std::optional<diagram::Vista> vista = ControlVistas::PorNombre(w[2]);
    if (!vista) return session::errores::VistaDesconocida(w[2], ControlVistas::Nombres());
    if (w[3] != "on" && w[3] != "off") return session::errores::OnUOff(w[3]);
    app.vistas().Poner(*vista, w[3] == "on");
    return {};
}

// A key as a script names it: Qt's name without "Key_" ("Return", "PageUp", "1"), after any of
// the modifiers Ctrl, Shift, Alt and Meta joined by '+' ("Ctrl+Plus").
struct Tecla {
    std::string_view nombre;
    int codigo = 0;
    ::Qt::KeyboardModifiers modificadores;
    QString texto;
};

std::optional<Tecla> LeerTecla(std::string_view nombre) {
    Tecla tecla;
    tecla.nombre = nombre;
    // Qt reads the name up to a NUL byte: what follows it would pass unseen.
    if (nombre.find('\0') != std::string_view::npos) return std::nullopt;
    for (auto mas = nombre.find('+'); mas != std::string_view::npos && mas + 1 < nombre.size();
         mas = nombre.find('+')) {
        const std::string_view modificador = nombre.substr(0, mas);
        if (modificador == "Ctrl") {
            tecla.modificadores |= ::Qt::ControlModifier;
        } else if (modificador == "Shift") {
            tecla.modificadores |= ::Qt::ShiftModifier;
        } else if (modificador == "Alt") {
            tecla.modificadores |= ::Qt::AltModifier;
        } else if (modificador == "Meta") {
            tecla.modificadores |= ::Qt::MetaModifier;
        } else {
            return std::nullopt;
        }
        nombre.remove_prefix(mas + 1);
    }
    bool existe = false;
    tecla.codigo = QMetaEnum::fromType<::Qt::Key>().keyToValue(
        ("Key_" + std::string(nombre)).c_str(), &existe);
    if (!existe) return std::nullopt;
    // Printable keys carry their character, as a keyboard's do, unless a modifier makes them a
    // shortcut.
    if (tecla.codigo >= ::Qt::Key_Space && tecla.codigo <= ::Qt::Key_AsciiTilde &&
        !(tecla.modificadores & (::Qt::ControlModifier | ::Qt::AltModifier | ::Qt::MetaModifier))) {
        const QChar c(tecla.codigo);
        tecla.texto = tecla.modificadores & ::Qt::ShiftModifier ? QString(c) : QString(c.toLower());
    }
    return tecla;
}

// The window's action that the key triggers, as the window system would find it: only when the
// control with the focus does not claim the key for itself (an editor takes letters).
QAction* Accion(const Ventana& v, QWidget* destino, const Tecla& t) {
    QKeyEvent reclamo(QEvent::ShortcutOverride, t.codigo, t.modificadores, t.texto);
    reclamo.ignore();
    QCoreApplication::sendEvent(destino, &reclamo);
    if (reclamo.isAccepted()) return nullptr;
    const QKeySequence secuencia(QKeyCombination(t.modificadores, ::Qt::Key(t.codigo)));
    for (QAction* a : v.actions())
        if (a->isEnabled() && a->shortcuts().contains(secuencia)) return a;
    return nullptr;
}

// How a script names the control that has the focus; the editor is its bar's.
std::string Nombre(const Ventana& v, const QWidget* control) {
    if (const auto* editor = qobject_cast<const EditorDeValor*>(control))
        control = editor->destino().foco;
    if (!control || control == &v) return v.nombre().toStdString();
    return v.nombre().toStdString() + '.' + control->objectName().toStdString();
}

// What the value editor refused, told as set tells a bad value.
std::string Rechazo(const EditorDeValor& editor, const Ventana& v, const QString& intento) {
    const std::string valor = intento.toStdString();
    if (!editor.barra())
        return session::errores::NoValidoEn(valor, Nombre(v, &editor),
                                            editor.destino().pista.toStdString());
    bool numero = !intento.isEmpty();
    for (const QChar c : intento) numero = numero && c >= u'0' && c <= u'9';
    if (!numero) return session::errores::NoEntero(valor);
    return session::errores::FueraDeRango(valor, Nombre(v, &editor), editor.barra()->minimum(),
                                          editor.barra()->maximum());
}

// The practice of a method window, or null for Form1.
Practica* PracticaDe(Ventana& v) {
    auto* metodo = qobject_cast<VentanaMetodo*>(&v);
    return metodo ? &AccionesDelDibujo::De(*metodo).practica() : nullptr;
}

// What a change of an exercise's vectors is told, before its answer is revealed.
std::string Retenido(const Ventana& v) {
    return session::errores::Retenido(v.nombre().toStdString());
}

// key WINDOW.CONTROL KEY...: the control takes the focus, then each key is pressed and released
// on whatever has the focus then, as a keyboard would (a digit on a scroll bar opens its editor,
// which takes the next keys). A view's key turns the view on or off. A key that nothing takes
// here (help, copy, save, print, zoom and full screen act only on the screen) is an error, and
// so is a value the editor refuses.
std::string Teclas(Aplicacion& app, const std::vector<std::string_view>& w) {
    std::vector<Tecla> teclas;
    for (std::size_t i = 2; i < w.size(); ++i) {
        const std::optional<Tecla> tecla = LeerTecla(w[i]);
        if (!tecla) return session::errores::TeclaDesconocida(w[i]);
        teclas.push_back(*tecla);
    }
    auto [v, control, error] = BuscarControl(app, w[1]);
    if (!control) return error;
    if (control->focusPolicy() == ::Qt::NoFocus || !control->isEnabled())
        return session::errores::SinFoco(w[1]);
    // An editor that earlier keys opened on the control keeps the focus, to take these keys.
    const auto* abierto = qobject_cast<const EditorDeValor*>(v->focusWidget());
    if (!abierto || abierto->barra() != control) control->setFocus(::Qt::OtherFocusReason);
    const auto& vistas = app.vistas().acciones();
    Practica* practica = PracticaDe(*v);
    if (practica) practica->TomarRechazo();
    for (const Tecla& t : teclas) {
        if (app.terminado() || !v->isVisible())
            return session::errores::YaNoALaVista(v->nombre().toStdString());
        QWidget* destino = v->focusWidget() ? v->focusWidget() : v;
        if (QAction* accion = Accion(*v, destino, t)) {
            if (std::find(vistas.begin(), vistas.end(), accion) == vistas.end())
                return session::errores::TeclaDePantalla(t.nombre,
                                                         accion->text().remove(u'…').toStdString());
            accion->trigger();
            continue;
        }
        QKeyEvent pulsada(QEvent::KeyPress, t.codigo, t.modificadores, t.texto);
        QCoreApplication::sendEvent(destino, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, t.codigo, t.modificadores, t.texto);
        QCoreApplication::sendEvent(v->focusWidget() ? v->focusWidget() : v, &soltada);
        if (auto* editor = qobject_cast<EditorDeValor*>(v->focusWidget()))
            if (const std::optional<QString> intento = editor->TomarRechazo())
                return Rechazo(*editor, *v, *intento);
        if (practica && practica->TomarRechazo()) return Retenido(*v);
        if (!pulsada.isAccepted())
            return session::errores::TeclaSinEfecto(t.nombre, Nombre(*v, destino));
    }
    return {};
}

// The practice of a shown method window, or why there is none.
struct BusquedaPractica {
    Practica* practica = nullptr;
    std::string error;
};

BusquedaPractica BuscarPractica(const Aplicacion& app, std::string_view nombre) {
    if (nombre == "Form1") return {nullptr, session::errores::SinPractica(nombre)};
    auto [v, error] = BuscarVentana(app, nombre, true);
    if (!v) return {nullptr, error};
    return {&AccionesDelDibujo::De(*static_cast<VentanaMetodo*>(v)).practica(), {}};
}

// practice WINDOW on SEED LEVEL | next | check | off
std::string Practicar(const Aplicacion& app, const std::vector<std::string_view>& w) {
    const bool on = w[2] == "on";
    if (on ? w.size() != 5 : w.size() != 3) return Uso(w[0]);
    if (!on && w[2] != "next" && w[2] != "check" && w[2] != "off")
        return session::errores::QuePractica(w[2]);
    auto [practica, error] = BuscarPractica(app, w[1]);
    if (!practica) return error;
    if (w[2] == "off") {
        practica->Terminar();
        return {};
    }
    if (w[2] == "next" || w[2] == "check") {
        if (!practica->activa()) return session::errores::NoPractica(w[1]);
        w[2] == "next" ? practica->Siguiente() : practica->Comprobar();
        return {};
    }
    const std::optional<std::uint32_t> semilla = session::errores::LeerSemilla(w[3]);
    if (!semilla) return session::errores::SemillaNoValida(w[3]);
    const std::optional<practice::Nivel> nivel = practice::NivelDeNombre(w[4]);
    if (!nivel) return session::errores::NivelDesconocido(w[4]);
    practica->Comenzar(*semilla, *nivel);
    return {};
}

// guess WINDOW R ALPHA
std::string Adivinar(const Aplicacion& app, const std::vector<std::string_view>& w) {
    const std::optional<double> r = session::errores::LeerDecimal(w[2]);
    if (!r) return session::errores::ModuloNoValido(w[2]);
    const std::optional<double> alfa = session::errores::LeerDecimal(w[3]);
    if (!alfa) return session::errores::DireccionNoValida(w[3]);
    auto [practica, error] = BuscarPractica(app, w[1]);
    if (!practica) return error;
    if (!practica->activa()) return session::errores::NoPractica(w[1]);
    const auto cual = *practice::VentanaDeNombre(w[1]);
    if (!practice::ModuloAdmitido(cual, *r))
        return session::errores::ModuloFueraDeRango(w[2], cual);
    if (!practice::DireccionAdmitida(*alfa)) return session::errores::DireccionFueraDeRango(w[3]);
    if (!practica->Adivinar({*r, *alfa})) return session::errores::Resuelto(w[1]);
    return {};
}

// drag WINDOW X1 Y1 X2 Y2: a press on Picture1 at (X1, Y1), a move to (X2, Y2) and the release
// there, in twips as the trace gives them. A press that grabs no tip does nothing.
std::string Arrastrar(const Aplicacion& app, const std::vector<std::string_view>& w) {
    std::array<double, 4> c{};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const std::optional<double> numero = session::errores::LeerCoordenada(w[i + 2]);
        if (!numero) return session::errores::CoordenadaNoValida(w[i + 2]);
        c[i] = *numero;
    }
    auto [v, error] = BuscarVentana(app, w[1], true);
    if (!v) return error;
    auto* metodo = qobject_cast<VentanaMetodo*>(v);
    if (!metodo) return session::errores::SinVectores(v->nombre().toStdString());
    if (AccionesDelDibujo::De(*metodo).practica().Pendiente()) return Retenido(*v);
    Arrastre& arrastre = AccionesDelDibujo::De(*metodo).arrastre();
    if (arrastre.Presionar({c[0], c[1]})) {
        arrastre.Mover({c[2], c[3]}, false);
        arrastre.Soltar();
    }
    return {};
}

// click WINDOW.BUTTON
std::string Pulsar(const Aplicacion& app, const std::vector<std::string_view>& w) {
    auto [v, control, error] = BuscarControl(app, w[1]);
    if (!control) return error;
    auto* boton = qobject_cast<QAbstractButton*>(control);
    if (!boton) return session::errores::NoEsBoton(w[1]);
    boton->click();
    return {};
}

// set WINDOW.SCROLLBAR VALUE
std::string Mover(const Aplicacion& app, const std::vector<std::string_view>& w) {
    auto [v, control, error] = BuscarControl(app, w[1]);
    if (!control) return error;
    auto* barra = qobject_cast<QScrollBar*>(control);
    if (!barra) return session::errores::NoEsBarra(w[1]);
    const std::optional<long> valor = session::errores::LeerEntero(w[2]);
    if (!valor) return session::errores::NoEntero(w[2]);
    if (*valor < barra->minimum() || *valor > barra->maximum())
        return session::errores::FueraDeRango(w[2], w[1], barra->minimum(), barra->maximum());
    if (const Practica* practica = PracticaDe(*v); practica && practica->Retiene(barra))
        return Retenido(*v);
    // As a user would move it: the change handler runs only when the value changes.
    barra->setValue(static_cast<int>(*valor));
    return {};
}

// close WINDOW
std::string Cerrar(const Aplicacion& app, const std::vector<std::string_view>& w) {
    auto [v, error] = BuscarVentana(app, w[1], true);
    if (!v) return error;
    v->close();
    return {};
}

}  // namespace

// What a command's function works on: the line's words, the command's own first, and the whole
// line without the blanks at either end.
struct Llamada {
    Aplicacion& app;
    canvas::TraceWriter& trace;
    std::ostream& out;
    const std::vector<std::string_view>& w;
    std::string_view linea;
};

namespace {

// dump WINDOW
std::string Volcar(const Llamada& l) {
    auto [v, error] = BuscarVentana(l.app, l.w[1], false);
    if (!v) return error;
    l.trace.Flush();
    for (const std::string& linea : v->Dump()) l.out << linea << '\n';
    return {};
}

// save WINDOW PATH: the path is the rest of the line, so it may hold spaces.
std::string Guardar(const Llamada& l) {
    auto [v, error] = BuscarVentana(l.app, l.w[1], false);
    if (!v) return error;
    if (!v->Picture1()) return v->nombre().toStdString() + " no tiene Picture1";
    const std::string_view resto =
        l.linea.substr(static_cast<std::size_t>(l.w[2].data() - l.linea.data()));
    QString fallo;
    if (!canvas::SavePicture(v->Picture1()->picture(),
                             QByteArray(resto.data(), static_cast<qsizetype>(resto.size())),
                             &fallo))
        return fallo.toStdString();
    return {};
}

using Funcion = std::string (*)(const Llamada&);

// What the windows do for each command of the core's table; none yet for the commands only the
// core takes.
// clang-format off
constexpr std::array<std::pair<std::string_view, Funcion>, 10> kFunciones{{
    {"click", [](const Llamada& l) { return Pulsar(l.app, l.w); }},
    {"set", [](const Llamada& l) { return Mover(l.app, l.w); }},
    {"close", [](const Llamada& l) { return Cerrar(l.app, l.w); }},
    {"dump", Volcar},
    {"save", Guardar},
    {"view", [](const Llamada& l) { return Vista(l.app, l.w); }},
    {"key", [](const Llamada& l) { return Teclas(l.app, l.w); }},
    {"practice", [](const Llamada& l) { return Practicar(l.app, l.w); }},
    {"guess", [](const Llamada& l) { return Adivinar(l.app, l.w); }},
    {"drag", [](const Llamada& l) { return Arrastrar(l.app, l.w); }},
}};
// clang-format on

Funcion FuncionDe(std::string_view nombre) {
    for (const auto& [orden, funcion] : kFunciones)
        if (orden == nombre) return funcion;
    return nullptr;
}

}  // namespace

std::string Legible(std::string_view texto) { return canvas::Printable(texto); }

Guion::Guion(Aplicacion& app, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
             std::string nombre)
    : app_(app), trace_(trace), out_(out), err_(err), nombre_(std::move(nombre)) {}

int Guion::Ejecutar(std::istream& in) {
    long cambios = 0;
    return session::Ejecutar(in, err_, nombre_,
                             {[&](std::string_view linea) {
                                  const unsigned antes = ALaVista(app_);
                                  std::string error = Linea(linea);
                                  if (error.empty()) error = FalloDeVentana(app_);
                                  // Showing or hiding a window queues window-system events that
                                  // only an event loop delivers; script mode runs none, so a long
                                  // script would keep every one. Delivering them repaints the
                                  // windows, so only now and then.
                                  if (ALaVista(app_) != antes && ++cambios % 64 == 0)
                                      QCoreApplication::processEvents();
                                  return error;
                              },
                              [this] {
                                  trace_.Flush();
                                  out_.flush();
                              },
                              [this] { return trace_.Failed() || out_.fail(); }});
}

std::string Guion::Linea(std::string_view texto) {
    const std::string_view linea = Recortar(texto);
    if (linea.empty() || linea.front() == '#') return {};
    const std::vector<std::string_view> w = session::Palabras(linea);
    const Orden* orden = session::BuscarOrden(w[0]);
    if (!orden) return session::errores::OrdenDesconocida(w[0]);
    if (app_.terminado()) return session::errores::Terminado();
    if (w.size() < orden->minimo || w.size() > orden->maximo) return Uso(orden->nombre);
    const Funcion funcion = FuncionDe(orden->nombre);
    if (!funcion)
        return std::string(orden->nombre) + " aún no está en trazalia: trazalia-nucleo lo realiza";
    return funcion(Llamada{app_, trace_, out_, w, linea});
}

}  // namespace trazalia::app
