// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: the steps a user takes in a method window, as its history keeps them.
#include <charconv>

#include "session/sesion.h"

namespace trazalia::session {

int Sesion::Numero(const Ventana& v, std::size_t control) {
    const std::string_view nombre = v.tabla().controles[control].nombre;
    const std::size_t cifras = nombre.find_first_of("0123456789");
    int n = 0;
    if (cifras != std::string_view::npos)
        std::from_chars(nombre.data() + cifras, nombre.data() + nombre.size(), n);
    return n;
}

std::vector<Paso::Cambio> Sesion::Barras(const VentanaMetodo& v) const {
    std::vector<Paso::Cambio> barras;
    for (std::size_t i = 0; i < v.tabla().controles.size(); ++i)
        if (v.tabla().controles[i].tipo == Tipo::HScroll) {
            const int n = Numero(v, i);
            barras.push_back({n, v.HScroll(n), v.HScroll(n)});
        }
    return barras;
}

void Sesion::MoverComoPaso(VentanaMetodo& v, Paso::Accion accion, int n, int valor) {
    Paso paso;
    paso.accion = accion;
    paso.sujeto = n;
    // Every bar, for a handler that moves another: the bars that changed stay.
    paso.cambios = Barras(v);
    v.Mover(n, valor);
    for (Paso::Cambio& c : paso.cambios) c.despues = v.HScroll(c.barra);
    Apuntar(v, std::move(paso));
}

void Sesion::Apuntar(VentanaMetodo& v, Paso paso) {
    historias_[v.formulario()].Apuntar(std::move(paso));
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Deshacer& c) {
    return Retroceder(c.ventana, true);
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Rehacer& c) {
    return Retroceder(c.ventana, false);
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::TerminarPaso& c) {
    historias_[c.ventana].Terminar();
    return {};
}

std::optional<errores::Negativa> Sesion::Retroceder(Formulario f, bool deshacer) {
    const std::string_view nombre = TablaDe(f).nombre;
    const auto nada = [&] {
        return deshacer ? errores::NadaQueDeshacer(nombre, traductor_)
                        : errores::NadaQueRehacer(nombre, traductor_);
    };
    if (f == Formulario::Form1) return nada();
    Negativa negativa;
    auto* v = dynamic_cast<VentanaMetodo*>(AlaVista(f, negativa));
    if (!v) return negativa;
    Historia& h = historias_[f];
    const Paso* paso = deshacer ? h.alDeshacer() : h.alRehacer();
    if (!paso) return nada();
    const bool vista = paso->accion == Paso::Accion::Vista;
    if (!vista && v->practica().Pendiente()) return Retenido(*v);
    const std::string hecho = diagram::Sustituir(
        deshacer ? traductor_("Deshacer", QT_TRANSLATE_NOOP("Deshacer", "Deshecho: %1"))
                 : traductor_("Deshacer", QT_TRANSLATE_NOOP("Deshacer", "Rehecho: %1")),
        {NombreDelPaso(*paso, v->tabla(), traductor_)});
    if (vista)
        PonerVista(static_cast<diagram::Vista>(paso->sujeto),
                   deshacer ? !paso->activa : paso->activa, paso->redibujar);
    else
        for (const Paso::Cambio& c : paso->cambios)
            v->Mover(c.barra, deshacer ? c.antes : c.despues);
    deshacer ? h.Deshecho() : h.Rehecho();
    v->Anunciar(hecho);
    return {};
}

std::string Sesion::AlDeshacer(Formulario f) const {
    const Paso* paso = historia(f).alDeshacer();
    return paso ? NombreDelPaso(*paso, TablaDe(f), traductor_) : std::string();
}

std::string Sesion::AlRehacer(Formulario f) const {
    const Paso* paso = historia(f).alRehacer();
    return paso ? NombreDelPaso(*paso, TablaDe(f), traductor_) : std::string();
}

}  // namespace trazalia::session
