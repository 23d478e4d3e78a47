// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ventana.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "canvas/trace_format.h"
#include "diagram/constantes.h"
#include "diagram/descripcion.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"

namespace trazalia::session {

Ventana::Ventana(Entorno& sesion, Formulario formulario)
    : sesion_(sesion), formulario_(formulario), tabla_(TablaDe(formulario)) {
    for (std::size_t i = 0; i < tabla_.controles.size(); ++i) {
        const std::string_view control = tabla_.controles[i].nombre;
        const auto cifras = control.find_first_of("0123456789");
        if (cifras == std::string_view::npos) continue;
        const std::string_view prefijo = control.substr(0, cifras);
        int n = 0;
        std::from_chars(control.data() + cifras, control.data() + control.size(), n);
        auto p = std::find_if(numerados_.begin(), numerados_.end(),
                              [&](const Numeracion& q) { return q.prefijo == prefijo; });
        if (p == numerados_.end()) p = numerados_.insert(numerados_.end(), {prefijo, {}});
        if (p->filas.size() <= static_cast<std::size_t>(n))
            p->filas.resize(static_cast<std::size_t>(n) + 1);
        p->filas[static_cast<std::size_t>(n)] = i;
    }
    // The rows are found once, when the window is made.
    for (const Numeracion& p : numerados_) {
        if (p.prefijo == "HScroll") barras_ = &p;
        if (p.prefijo == "Label") rotulos_ = &p;
    }
    for (const Control& c : tabla_.controles) {
        Estado e;
        e.valor = c.inicial.value_or(c.min);
        e.caption = c.texto;
        e.enfocable = c.tipo == Tipo::HScroll || c.tipo == Tipo::Button || c.tipo == Tipo::Picture;
        estados_.push_back(std::move(e));
    }
}

Ventana::~Ventana() = default;

std::optional<std::size_t> Ventana::Indice(std::string_view control) const {
    for (std::size_t i = 0; i < tabla_.controles.size(); ++i)
        if (control == tabla_.controles[i].nombre) return i;
    return std::nullopt;
}

std::size_t Ventana::Numerado(std::string_view prefijo, int n) const {
    const auto p = std::find_if(numerados_.begin(), numerados_.end(),
                                [&](const Numeracion& q) { return q.prefijo == prefijo; });
    return Fila(p == numerados_.end() ? nullptr : &*p, prefijo, n);
}

void Ventana::NoHay(std::string_view prefijo, int n) const {
    throw std::out_of_range(std::string(nombre()) + " no tiene el control " + std::string(prefijo) +
                            std::to_string(n));
}

void Ventana::Mostrar(bool visible) {
    if (visible == visible_) return;
    sesion_.Avisar([&](Observador& o) { o.Mostrada(nombre(), visible); });
    visible_ = visible;
    if (!visible) {
        focoAlOcultar_ = foco_;
        // The window was left with editors open: each closes, giving its control the focus.
        for (const Editor& e : editores_)
            if (e.abierto) CerrarEditor(e.control, true);
        focoAlOcultar_ = foco_;
        return;
    }
    if (focoAlOcultar_) {
        foco_ = focoAlOcultar_;
        return;
    }
    // The lowest tab index that takes the focus.
    std::optional<std::size_t> mejor;
    for (std::size_t i = 0; i < estados_.size(); ++i)
        if (estados_[i].enfocable && estados_[i].habilitado &&
            (!mejor || tabla_.controles[i].tab < tabla_.controles[*mejor].tab))
            mejor = i;
    foco_ = mejor;
}

std::vector<std::string> Ventana::Dump() const {
    return Volcado(tabla_, tabla_.titulo, visible_, estados_);
}

std::vector<std::string> Volcado(const Tabla& tabla, std::string_view titulo, bool visible,
                                 const std::vector<Estado>& estados) {
    const std::string n(tabla.nombre);
    std::vector<std::string> lineas;
    // Additions come after the fixed rows.
    lineas.push_back(n + " Window " + canvas::Quote(titulo) + ' ' + std::to_string(kClientWidth) +
                     ' ' + std::to_string(kClientHeight) + " Visible " + (visible ? "1" : "0"));
    for (std::size_t i = 0; i < estados.size() && !tabla.controles[i].adicion; ++i) {
        const Control& s = tabla.controles[i];
        const Estado& e = estados[i];
        std::string linea = n + '.' + s.nombre + ' ';
        const std::string geometria = std::to_string(s.left) + ' ' + std::to_string(s.top) + ' ' +
                                      std::to_string(s.width) + ' ' + std::to_string(s.height);
        switch (s.tipo) {
            case Tipo::Picture:
                linea += "Picture " + geometria;
                break;
            case Tipo::Image:
                linea += "Image " + geometria;
                break;
            case Tipo::HScroll:
                linea += "HScroll " + geometria + " Min " + std::to_string(s.min) + " Max " +
                         std::to_string(s.max) + " LargeChange " + std::to_string(s.large) +
                         " Value " + std::to_string(e.valor);
                break;
            case Tipo::Label:
            case Tipo::Lectura:
                linea += "Label " + geometria + " Caption " + canvas::Quote(e.caption);
                if (e.anterior) linea += " Stale";
                break;
            case Tipo::Button:
                linea += "Button " + geometria + " Caption " + canvas::Quote(e.caption);
                break;
        }
        lineas.push_back(std::move(linea));
    }
    return lineas;
}

const Ventana::Editor* Ventana::EditorDe(std::size_t control) const {
    for (const Editor& e : editores_)
        if (e.control == control && e.abierto) return &e;
    return nullptr;
}

Ventana::Editor* Ventana::EditorDe(std::size_t control) {
    for (Editor& e : editores_)
        if (e.control == control && e.abierto) return &e;
    return nullptr;
}

void Ventana::CerrarEditor(std::size_t control, bool devolverFoco) {
    Editor* e = EditorDe(control);
    if (!e) return;
    e->abierto = false;
    if (enEditor_ && foco_ == control) enEditor_ = false;
    if (devolverFoco) {
        foco_ = control;
        enEditor_ = false;
    }
    sesion_.Avisar(
        [&](Observador& o) { o.Editor(nombre(), tabla_.controles[control].nombre, false, {}); });
}

std::string Ventana::TomarFallo() { return std::exchange(fallo_, {}); }

void Ventana::Caption(std::size_t control, std::string_view texto) {
    estados_[control].caption.assign(texto);
    if (estados_[control].anterior) MarcarAnterior(control, false);
    sesion_.Avisar(
        [&](Observador& o) { o.Escrito(nombre(), tabla_.controles[control].nombre, texto); });
}

void Ventana::ReportarFallo(std::string_view texto) {
    if (fallo_.empty()) fallo_ = std::string(texto);
    sesion_.Avisar([&](Observador& o) { o.Fallo(nombre(), texto); });
}

void Ventana::MarcarAnterior(std::size_t control, bool anterior) {
    estados_[control].anterior = anterior;
    sesion_.Avisar(
        [&](Observador& o) { o.Anterior(nombre(), tabla_.controles[control].nombre, anterior); });
}

}  // namespace trazalia::session
