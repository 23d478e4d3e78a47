// SPDX-License-Identifier: GPL-3.0-or-later
// Keys on a window and the value editor they open over a bar's or a guess's read-out.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "practice/intento.h"
#include "session/sesion.h"

namespace trazalia::session {

namespace {

// Only digits, possibly none.
bool Cifras(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char x) { return x >= '0' && x <= '9'; });
}

bool EsCifras(std::string_view s) { return !s.empty() && Cifras(s); }

// What a bar's editor takes as the user types: up to four digits; a minus sign first where the
// bar goes below 0, and a point or a comma with one decimal where it moves in parts of a unit.
bool ValidoEnBarra(std::string_view s, const Control& c) {
    if (c.min < 0 && s.starts_with('-')) s.remove_prefix(1);
    const std::size_t punto =
        c.pasosPorUnidad > 1 ? std::min(s.find_first_of(".,"), s.size()) : s.size();
    const std::string_view entera = s.substr(0, punto);
    if (entera.size() > 4 || !Cifras(entera)) return false;
    return punto == s.size() || (s.size() - punto <= 2 && Cifras(s.substr(punto + 1)));
}

// A bar's value for the text its editor took, in the bar's steps; none unless it is a whole
// number of steps.
std::optional<int> ValorDeBarra(std::string_view texto, const Control& c) {
    int valor = 0;
    if (c.pasosPorUnidad == 1) {
        auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
        if (ec != std::errc() || fin != texto.data() + texto.size()) return std::nullopt;
        return valor;
    }
    const std::optional<double> unidades = errores::LeerDecimal(texto);
    if (!unidades) return std::nullopt;
    const double pasos = *unidades * c.pasosPorUnidad;
    if (std::abs(pasos) > 1e6 || pasos != std::round(pasos)) return std::nullopt;
    return static_cast<int>(pasos);
}

// What a guess's editor takes: up to three digits, then a point or a comma and up to two
// decimals. A minus sign is taken, so that a negative value is refused with the range when it is
// set rather than losing its sign unseen.
bool ValidoEnLectura(std::string_view s) {
    if (s.starts_with('-')) s.remove_prefix(1);
    const std::size_t punto = std::min(s.find_first_of(".,"), s.size());
    const std::string_view entera = s.substr(0, punto);
    if (entera.size() > 3 || !Cifras(entera)) return false;
    if (punto == s.size()) return true;
    const std::string_view decimales = s.substr(punto + 1);
    return decimales.size() <= 2 && Cifras(decimales);
}

// A key that moves a scroll bar, or a digit that opens its editor.
bool MueveLaBarra(const teclas::Tecla& t) {
    for (std::string_view k : {"Left", "Right", "Up", "Down", "PageUp", "PageDown", "Home", "End"})
        if (t.Es(k)) return true;
    return t.Cifra() >= 0 && !(t.modificadores & (teclas::kCtrl | teclas::kAlt | teclas::kMeta));
}

// Whether the value editor claims the key before the window's shortcuts see it: what it types,
// and the keys that edit a line.
bool ReclamaElEditor(const teclas::Tecla& t) {
    if (!t.texto.empty()) return true;
    const bool sinOtros = !(t.modificadores & ~teclas::kShift);
    for (std::string_view k : {"Home", "End", "Left", "Right", "Backspace", "Delete"})
        if (t.Es(k) && (sinOtros || t.modificadores == teclas::kCtrl)) return true;
    if (t.modificadores == teclas::kCtrl)
        for (std::string_view k : {"C", "V", "X", "Z", "Y", "A", "Insert"})
            if (t.Es(k)) return true;
    return false;
}

}  // namespace

// key WINDOW.CONTROL KEY...: the control takes the focus, then each key is pressed and released
// on whatever has the focus then (a digit on a scroll bar opens its editor, which takes the next
// keys). A view's key turns the view on or off; a key of the screen alone is refused, and so is a
// value the editor refuses. Each key is let go before the next: a step of its own to undo.
std::optional<errores::Negativa> Sesion::Hacer(const comandos::Teclas& c) {
    Negativa negativa;
    Ventana* ventana = AlaVista(c.ventana, negativa);
    if (!ventana) return negativa;
    Ventana& v = *ventana;
    if (c.control >= v.tabla().controles.size()) return errores::SinFoco(v.nombre(), traductor_);
    const Estado& e = v.estado(c.control);
    if (!e.enfocable || !e.habilitado) return errores::SinFoco(Ruta(v, c.control), traductor_);
    // An editor that earlier keys opened on the bar keeps the focus, to take these keys.
    const bool abierto =
        v.enEditor_ && v.foco_ == c.control && v.tabla().controles[c.control].tipo == Tipo::HScroll;
    if (!abierto) {
        v.foco_ = c.control;
        v.enEditor_ = false;
    }
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (m) m->practica().TomarRechazo();
    for (const teclas::Tecla& t : c.teclas) {
        if (terminado_ || !v.visible()) return errores::YaNoALaVista(v.nombre(), traductor_);
        if (Negativa n = Tecla(v, t)) return n;
        historias_[c.ventana].Terminar();
    }
    return {};
}

bool Sesion::Admite(Formulario f, std::size_t control, std::string_view texto) const {
    const Ventana* v = ventana(f);
    Negativa negativa;
    const std::optional<std::size_t> destino =
        v && v->visible() ? Escrito(*v, control, negativa) : std::nullopt;
    return destino && Acepta(*v, *destino, std::string(texto));
}

bool Sesion::Tecleable(Formulario f, std::size_t control, std::string_view texto) const {
    const Ventana* v = ventana(f);
    Negativa negativa;
    const std::optional<std::size_t> destino =
        v && v->visible() ? Escrito(*v, control, negativa) : std::nullopt;
    if (!destino) return false;
    const Control& c = v->tabla().controles[*destino];
    return c.tipo == Tipo::HScroll ? ValidoEnBarra(texto, c) : ValidoEnLectura(texto);
}

std::string Sesion::NombreDelFoco(const Ventana& v) const {
    if (!v.foco_) return std::string(v.nombre());
    return std::string(v.nombre()) + '.' + v.tabla().controles[*v.foco_].nombre;
}

std::optional<errores::Negativa> Sesion::Tecla(Ventana& v, const teclas::Tecla& t) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (!(v.enEditor_ && ReclamaElEditor(t))) {
        if (const auto accion = teclas::AccionDe(t, m != nullptr, m && m->practica().activa())) {
            if (!accion->vista)
                return errores::TeclaDePantalla(t.nombre, accion->nombre, accion->contexto,
                                                traductor_);
            return Hacer(comandos::PonerVista{m->formulario(), *accion->vista,
                                              !vistas_[*accion->vista], true});
        }
    }
    const std::string destino = NombreDelFoco(v);
    rechazo_.reset();
    bool aceptada = false;
    if (v.enEditor_ && v.foco_) {
        const std::size_t control = *v.foco_;
        TeclaEnEditor(v, t, aceptada);
        if (rechazo_) return Rechazo(v, control, *std::exchange(rechazo_, {}));
    } else if (v.foco_) {
        TeclaEnControl(v, *v.foco_, t, aceptada);
    }
    if (!aceptada && m && t.Es("Escape") && t.Sola() && v.visible()) {
        // Esc on a method window does what "Regresar" does.
        Regresar(v);
        aceptada = true;
    }
    if (m && m->practica().TomarRechazo()) return Retenido(v);
    if (!aceptada) return errores::TeclaSinEfecto(t.nombre, destino, traductor_);
    return {};
}

void Sesion::Foco(Ventana& v, bool adelante) {
    // The chain: the controls that take the focus by their tab index, an open editor after its
    // control.
    struct Eslabon {
        std::size_t control;
        bool editor;
    };
    std::vector<std::size_t> orden;
    for (std::size_t i = 0; i < v.estados_.size(); ++i)
        if (v.estados_[i].enfocable && v.estados_[i].habilitado) orden.push_back(i);
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) {
        return v.tabla().controles[a].tab < v.tabla().controles[b].tab;
    });
    std::vector<Eslabon> cadena;
    for (std::size_t i : orden) {
        cadena.push_back({i, false});
        if (v.EditorDe(i)) cadena.push_back({i, true});
    }
    if (cadena.empty()) return;
    std::size_t actual = 0;
    for (std::size_t k = 0; k < cadena.size(); ++k)
        if (v.foco_ && cadena[k].control == *v.foco_ && cadena[k].editor == v.enEditor_) actual = k;
    const std::size_t n = cadena.size();
    const Eslabon siguiente = cadena[adelante ? (actual + 1) % n : (actual + n - 1) % n];
    v.foco_ = siguiente.control;
    v.enEditor_ = siguiente.editor;
}

void Sesion::AbrirEditor(Ventana& v, std::size_t control, std::string texto) {
    Ventana::Editor* e = nullptr;
    for (Ventana::Editor& hecho : v.editores_)
        if (hecho.control == control) e = &hecho;
    if (!e) e = &v.editores_.emplace_back(Ventana::Editor{control, {}, false, false});
    e->texto = std::move(texto);
    e->seleccionado = false;
    e->abierto = true;
    v.foco_ = control;
    v.enEditor_ = true;
    Avisar([&](Observador& o) {
        o.Editor(v.nombre(), v.tabla().controles[control].nombre, true, e->texto);
    });
}

bool Sesion::Acepta(const Ventana& v, std::size_t control, const std::string& texto) const {
    const Control& c = v.tabla().controles[control];
    if (c.tipo == Tipo::HScroll) {
        const std::optional<int> valor = ValorDeBarra(texto, c);
        return valor && *valor >= c.min && *valor <= c.max;
    }
    const auto* m = dynamic_cast<const VentanaMetodo*>(&v);
    const std::optional<double> valor = errores::LeerDecimal(texto);
    if (!m || !valor) return false;
    const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
    return esModulo ? practice::ModuloAdmitido(m->practica().cual(), *valor)
                    : practice::DireccionAdmitida(*valor);
}

errores::Negativa Sesion::Rechazo(const Ventana& v, std::size_t control,
                                  const std::string& intento) const {
    const Control& c = v.tabla().controles[control];
    const std::string nombre = std::string(v.nombre()) + '.' + c.nombre;
    if (c.tipo != Tipo::HScroll) {
        const auto* m = dynamic_cast<const VentanaMetodo*>(&v);
        const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
        // The hint the editor shows: a script gets it in Spanish, a face in its language.
        const auto pista = [&](diagram::Traductor trad) {
            return esModulo ? diagram::Sustituir(
                                  trad("Practica",
                                       QT_TRANSLATE_NOOP("Practica", "De 0 a %1, con punto: 87.5")),
                                  {practice::NumeroDelIntento(
                                      practice::ModuloMaximoDelIntento(m->practica().cual()))})
                            : trad("Practica",
                                   QT_TRANSLATE_NOOP("Practica", "De 0 a 360, con punto: 36.6"));
        };
        return errores::NoValidoEn(intento, nombre, pista({}), pista(traductor_), traductor_);
    }
    if (c.pasosPorUnidad == 1 && !EsCifras(intento)) return errores::NoEntero(intento, traductor_);
    return errores::FueraDeRango(intento, nombre, c.min / c.pasosPorUnidad,
                                 c.max / c.pasosPorUnidad, traductor_);
}

void Sesion::Fijar(Ventana& v, std::size_t control, const std::string& texto) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (!m) return;
    const Control& c = v.tabla().controles[control];
    if (c.tipo == Tipo::HScroll) {
        MoverComoPaso(*m, Paso::Accion::Escribir, Numero(v, control),
                      ValorDeBarra(texto, c).value_or(c.min));
        return;
    }
    const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
    m->practica().Teclear(esModulo, errores::LeerDecimal(texto).value_or(0));
}

void Sesion::TeclaEnEditor(Ventana& v, const teclas::Tecla& t, bool& aceptada) {
    const std::size_t control = *v.foco_;
    Ventana::Editor& e = *v.EditorDe(control);
    const bool deBarra = v.tabla().controles[control].tipo == Tipo::HScroll;
    const bool tab =
        (t.Es("Tab") || t.Es("Backtab")) && !(t.modificadores & (teclas::kCtrl | teclas::kAlt));
    const bool atras = t.Es("Backtab") || (t.modificadores & teclas::kShift);
    aceptada = true;
    if (tab) {
        // Leaving an editor sets what was typed, as Return does: a bar's as a guess's.
        const std::string texto = e.texto;
        if (!texto.empty() && !Acepta(v, control, texto)) {
            rechazo_ = texto;
            e.seleccionado = true;
            return;
        }
        Foco(v, !atras);
        v.CerrarEditor(control, false);
        if (!texto.empty()) Fijar(v, control, texto);
        return;
    }
    if (t.Es("Return") || t.Es("Enter")) {
        const std::string texto = e.texto;
        if (Acepta(v, control, texto)) {
            v.CerrarEditor(control, true);
            Fijar(v, control, texto);
        } else {
            rechazo_ = texto;
            e.seleccionado = true;
        }
        return;
    }
    if (t.Es("Escape")) {
        v.CerrarEditor(control, true);
        return;
    }
    if (!t.texto.empty()) {
        const std::string propuesto = e.seleccionado ? t.texto : e.texto + t.texto;
        if (!(deBarra ? ValidoEnBarra(propuesto, v.tabla().controles[control])
                      : ValidoEnLectura(propuesto))) {
            // Refused as a value out of range is, so that it is never dropped unseen.
            rechazo_ = propuesto;
            return;
        }
        e.texto = propuesto;
        e.seleccionado = false;
        return;
    }
    if (t.Es("Backspace") || t.Es("Delete")) {
        if (e.seleccionado)
            e.texto.clear();
        else if (t.Es("Backspace") && !e.texto.empty())
            e.texto.pop_back();
        e.seleccionado = false;
        return;
    }
    // The line's own shortcuts: select all, cut the selection; copying and pasting reach no
    // clipboard here.
    if (t.modificadores == teclas::kCtrl && ReclamaElEditor(t)) {
        if (t.Es("A")) e.seleccionado = true;
        if (t.Es("X") && e.seleccionado) {
            e.texto.clear();
            e.seleccionado = false;
        }
        return;
    }
    for (std::string_view k : {"Left", "Right", "Home", "End"})
        if (t.Es(k)) {
            e.seleccionado = false;
            return;
        }
    aceptada = false;
}

void Sesion::TeclaEnControl(Ventana& v, std::size_t control, const teclas::Tecla& t,
                            bool& aceptada) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    const Control& c = v.tabla().controles[control];
    aceptada = false;
    if ((t.Es("Tab") || t.Es("Backtab")) && !(t.modificadores & (teclas::kCtrl | teclas::kAlt))) {
        Foco(v, !(t.Es("Backtab") || (t.modificadores & teclas::kShift)));
        aceptada = true;
        return;
    }
    if (m && m->practica().Retiene(control) && MueveLaBarra(t)) {
        m->practica().Rehusar(control);
        aceptada = true;
        return;
    }
    const int cifra = t.Cifra();
    switch (c.tipo) {
        case Tipo::HScroll: {
            // A digit opens the value editor; so does a minus sign on a bar that goes below 0.
            if ((cifra >= 0 || (c.min < 0 && t.texto == "-")) && t.Sola()) {
                AbrirEditor(v, control,
                            cifra >= 0 ? std::string(1, static_cast<char>('0' + cifra)) : "-");
                aceptada = true;
                return;
            }
            const int valor = v.estados_[control].valor;
            // Left, Up and Page Up decrease the value, as a horizontal bar reads; with a modifier
            // the toolkit's own keys apply, where Left increases it and Right decreases it.
            const bool propias = t.Sola();
            std::optional<int> nuevo;
            if (t.Es("Left")) nuevo = propias ? valor - 1 : valor + 1;
            if (t.Es("Right")) nuevo = propias ? valor + 1 : valor - 1;
            if (t.Es("Up")) nuevo = valor - 1;
            if (t.Es("Down")) nuevo = valor + 1;
            if (t.Es("PageUp")) nuevo = valor - c.large;
            if (t.Es("PageDown")) nuevo = valor + c.large;
            if (t.Es("Home")) nuevo = c.min;
            if (t.Es("End")) nuevo = c.max;
            if (!nuevo || !m) return;
            aceptada = true;
            MoverComoPaso(*m, Paso::Accion::Mover, Numero(v, control), *nuevo);
            return;
        }
        case Tipo::Button:
            // The arrows go from button to button, Left and Up back.
            if (t.Es("Left") || t.Es("Up") || t.Es("Right") || t.Es("Down")) {
                Foco(v, t.Es("Right") || t.Es("Down"));
                aceptada = true;
                return;
            }
            if (t.Es("Return") || t.Es("Enter") || t.Es("Space")) {
                aceptada = true;
                v.Pulsar(Numero(v, control));
            }
            return;
        case Tipo::Picture:
            if (m && m->practica().activa() && (t.Es("Return") || t.Es("Enter"))) {
                m->practica().Comprobar();
                aceptada = true;
            }
            return;
        case Tipo::Lectura:
            // Any key a guess may start with: a sign or a decimal mark too, not lost unseen.
            if (m && t.Sola() && !t.texto.empty() && ValidoEnLectura(t.texto) &&
                m->practica().Pendiente()) {
                AbrirEditor(v, control, t.texto);
                aceptada = true;
            }
            // With both of the guess's values given, Enter there checks it, as on the picture.
            if (m && t.Sola() && (t.Es("Return") || t.Es("Enter")) && m->practica().Pendiente() &&
                m->practica().intento()) {
                m->practica().Comprobar();
                aceptada = true;
            }
            return;
        case Tipo::Label:
        case Tipo::Image:
            return;
    }
}

}  // namespace trazalia::session
