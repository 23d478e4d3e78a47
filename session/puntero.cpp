// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer on a method window's picture: a tip dragged, or the guess drawn from the origin.
#include <utility>

#include "practice/pulsacion.h"
#include "session/sesion.h"

namespace trazalia::session {

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Presionar& c) {
    pulsacion_ = practice::Gesto::Nada;
    VentanaMetodo* v = metodo(c.ventana);
    if (!v || !v->visible() || !v->dibujo()) return {};
    Gesto& g = gestos_[c.ventana];
    if (g.gesto != practice::Gesto::Nada) return {};
    const canvas::Picture& picture = v->picture();
    const practice::Pulsacion pulsacion =
        practice::QueEmpieza(*v->dibujo(), c.punto, picture.Width(), picture.Height(),
                             v->practica().Pendiente(), c.alcance);
    switch (pulsacion.gesto) {
        case practice::Gesto::Punta:
            g = {pulsacion.gesto, Barras(*v), 0};
            v->arrastre().Presionar(c.punto, c.alcance);
            g.vector = v->arrastre().vector().value_or(0);
            break;
        case practice::Gesto::Intento:
            g = {pulsacion.gesto, {}, 0};
            v->practica().EmpezarIntento();
            break;
        case practice::Gesto::Rehusado:
            v->practica().Rehusar(*v->Indice("Picture1"));
            break;
        case practice::Gesto::Nada:
            break;
    }
    pulsacion_ = pulsacion.gesto;
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::MoverPuntero& c) {
    VentanaMetodo* v = metodo(c.ventana);
    if (!v) return {};
    switch (gestos_[c.ventana].gesto) {
        case practice::Gesto::Punta:
            v->arrastre().Mover(c.punto, c.ajustar);
            break;
        case practice::Gesto::Intento:
            v->practica().MoverIntento(c.punto, false);
            break;
        default:
            break;
    }
    return {};
}

// A tip's drag is one step to undo, however many moves it made.
std::optional<errores::Negativa> Sesion::Hacer(const comandos::SoltarPuntero& c) {
    VentanaMetodo* v = metodo(c.ventana);
    if (!v) return {};
    Gesto g = std::exchange(gestos_[c.ventana], Gesto{});
    if (g.gesto == practice::Gesto::Intento) v->practica().MoverIntento(c.punto, true);
    if (g.gesto != practice::Gesto::Punta) return {};
    v->arrastre().Mover(c.punto, c.ajustar);
    v->arrastre().Soltar();
    Paso paso;
    paso.accion = Paso::Accion::Arrastrar;
    paso.sujeto = g.vector;
    paso.cambios = std::move(g.antes);
    for (Paso::Cambio& cambio : paso.cambios) cambio.despues = v->HScroll(cambio.barra);
    Apuntar(*v, std::move(paso));
    return {};
}

}  // namespace trazalia::session
