// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sesion.h"

#include <algorithm>
#include <utility>

#include "practice/registro.h"

namespace trazalia::session {

Sesion::Sesion() = default;
Sesion::~Sesion() = default;

void Sesion::AgregarObservador(Observador& observador) { observadores_.push_back(&observador); }

void Sesion::QuitarObservador(Observador& observador) { std::erase(observadores_, &observador); }

void Sesion::Iniciar() { Abrir(Formulario::Form1).Mostrar(true); }

Ventana& Sesion::Abrir(Formulario f) {
    auto& v = ventanas_[f];
    if (v) return *v;
    if (f == Formulario::Form1) {
        v = std::make_unique<Inicio>(*this);
        Avisar([&](Observador& o) { o.Cargada(v->nombre()); });
        return *v;
    }
    auto metodo = std::make_unique<VentanaMetodo>(*this, f);
    auto practica = std::make_unique<Practica>(*metodo);
    practica->PonerTextosEnElDibujo(textosDePracticaEnElDibujo_);
    metodo->PonerCapas(std::make_unique<Arrastre>(*metodo), std::move(practica));
    VentanaMetodo& m = *metodo;
    v = std::move(metodo);
    creadas_.push_back(&m);
    Avisar([&](Observador& o) { o.Cargada(m.nombre()); });
    m.Form_Load();
    return m;
}

void Sesion::PonerTextosDePracticaEnElDibujo(bool si) {
    textosDePracticaEnElDibujo_ = si;
    for (VentanaMetodo* m : creadas_) m->practica().PonerTextosEnElDibujo(si);
}

Ventana* Sesion::ventana(std::string_view nombre) const {
    for (const auto& [f, v] : ventanas_)
        if (v && v->nombre() == nombre) return v.get();
    return nullptr;
}

Ventana* Sesion::ventana(Formulario f) const {
    const auto v = ventanas_.find(f);
    return v == ventanas_.end() ? nullptr : v->second.get();
}

const Historia& Sesion::historia(Formulario f) const {
    static const Historia kVacia;
    const auto h = historias_.find(f);
    return h == historias_.end() ? kVacia : h->second;
}

VentanaMetodo* Sesion::metodo(std::string_view nombre) const {
    return dynamic_cast<VentanaMetodo*>(ventana(nombre));
}

VentanaMetodo* Sesion::metodo(Formulario f) const {
    return dynamic_cast<VentanaMetodo*>(ventana(f));
}

void Sesion::Terminar() {
    if (terminado_) return;
    terminado_ = true;
    Avisar([](Observador& o) { o.Terminado(); });
}

void Sesion::Regresar(Ventana& desde) {
    desde.Mostrar(false);
    Abrir(Formulario::Form1).Mostrar(true);
}

void Sesion::SeguirCamino(practice::Camino camino) {
    const Formulario f = FormularioDe(*camino.Actual().destreza.ventana);
    // The window the path leaves stops practising: its waiting exercise goes on the record as
    // left, and it does not wait hidden.
    for (auto& [g, v] : ventanas_)
        if (v && g != f && v->visible()) {
            if (auto* m = dynamic_cast<VentanaMetodo*>(v.get())) m->practica().Terminar();
            v->Mostrar(false);
        }
    Ventana& v = Abrir(f);
    if (!v.visible()) v.Mostrar(true);
    static_cast<VentanaMetodo&>(v).practica().SeguirCamino(std::move(camino));
}

void Sesion::NuevoEjercicio(VentanaMetodo& ventana) {
    const Formulario i = ventana.formulario();
    // The steps kept would set bars of the figure before it over the exercise's, a figure the
    // window never had.
    historias_[i].Vaciar();
    if (gestos_[i].gesto == practice::Gesto::Punta) {
        ventana.arrastre().Dejar();
        gestos_[i] = {};
    }
}

void Sesion::PonerVista(diagram::Vista vista, bool activa, bool redibujar) {
    vistas_.Poner(vista, activa);
    Avisar([&](Observador& o) { o.VistaCambiada(static_cast<int>(vista), activa); });
    if (!redibujar) return;
    for (VentanaMetodo* m : creadas_) m->Redibujar();
}

std::string Sesion::TomarFallo() {
    std::string fallo;
    for (auto& [f, v] : ventanas_) {
        if (!v) continue;
        std::string este = v->TomarFallo();
        if (fallo.empty()) fallo = std::move(este);
    }
    return fallo;
}

const std::string& Sesion::PonerAlumno(std::string_view nombre) {
    alumno_ = practice::NombreLimpio(nombre);
    return alumno_;
}

std::optional<errores::Negativa> Sesion::Ejecutar(const Comando& comando) {
    return std::visit([this](const auto& c) { return Hacer(c); }, comando);
}

Ventana* Sesion::AlaVista(Formulario f, Negativa& negativa) const {
    Ventana* v = ventana(f);
    if (!v || !v->visible()) {
        negativa = errores::NoALaVista(TablaDe(f).nombre, traductor_);
        return nullptr;
    }
    return v;
}

std::string Sesion::Ruta(const Ventana& v, std::size_t control) const {
    return std::string(v.nombre()) + '.' + v.tabla().controles[control].nombre;
}

errores::Negativa Sesion::Retenido(const Ventana& v) const {
    return errores::Retenido(v.nombre(), traductor_);
}

// dump WINDOW
std::string Sesion::Volcar(std::string_view nombre, std::vector<std::string>& lineas) const {
    if (!TablaDe(nombre)) return errores::VentanaDesconocida(nombre, traductor_).guion;
    const Ventana* v = ventana(nombre);
    if (!v) return errores::NoALaVista(nombre, traductor_).guion;
    lineas = v->Dump();
    return {};
}

}  // namespace trazalia::session
