// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "canvas/picture.h"
#include "practice/registro.h"

namespace trazalia::session {

// Told of every change of the core, in the order it happens: the script's trace is one, each face
// another. Every method does nothing unless overridden.
class Observador {
public:
    virtual ~Observador() = default;
    // A window was created and loaded (before its handler writes its first captions).
    virtual void Cargada(std::string_view /*ventana*/) {}
    // About to be shown (true) or hidden (false).
    virtual void Mostrada(std::string_view /*ventana*/, bool /*visible*/) {}
    // The program wrote that caption, even when it was already there.
    virtual void Escrito(std::string_view /*ventana*/, std::string_view /*control*/,
                         std::string_view /*texto*/) {}
    // A scroll bar's value changed.
    virtual void Valor(std::string_view /*ventana*/, std::string_view /*control*/, int /*valor*/) {}
    // A read-out of the result now describes an earlier picture (true), or the current one again.
    virtual void Anterior(std::string_view /*ventana*/, std::string_view /*control*/,
                          bool /*anterior*/) {}
    // A control takes the keyboard's focus or not (a read-out during practice), or is enabled.
    virtual void Enfocable(std::string_view /*ventana*/, std::string_view /*control*/,
                           bool /*enfocable*/) {}
    // Picture1's operations: Cls, a line width, a drawing operation.
    virtual void Borrado(std::string_view /*ventana*/) {}
    virtual void Grosor(std::string_view /*ventana*/, int /*ancho*/) {}
    virtual void Trazado(std::string_view /*ventana*/, const canvas::Op& /*op*/) {}
    // The picture was drawn anew by an event (its description may change).
    virtual void Dibujado(std::string_view /*ventana*/) {}
    // A view was turned on or off.
    virtual void VistaCambiada(int /*vista*/, bool /*activa*/) {}
    // An exercise's entry for the record, as practice leaves it: a guess judged, or an exercise
    // left unchecked (saltado) or revealed with no guess (sin-respuesta). Its student is the
    // session's (Sesion::PonerAlumno), its date empty, for the face to give.
    virtual void Anotado(std::string_view /*ventana*/, const practice::Asiento& /*asiento*/) {}
    // What screen readers are to be told without moving the focus.
    virtual void Anuncio(std::string_view /*ventana*/, std::string_view /*texto*/) {}
    // A refusal to change an exercise's vectors, shown beside that control.
    virtual void Rehusado(std::string_view /*ventana*/, std::string_view /*control*/,
                          std::string_view /*texto*/) {}
    // A handler failed; the text says why.
    virtual void Fallo(std::string_view /*ventana*/, std::string_view /*texto*/) {}
    // The value editor opened over a read-out (with that text) or closed.
    virtual void Editor(std::string_view /*ventana*/, std::string_view /*control*/,
                        bool /*abierto*/, std::string_view /*texto*/) {}
    // The program ended: every window closes at once.
    virtual void Terminado() {}
};

}  // namespace trazalia::session
