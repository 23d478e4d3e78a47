// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/ventana.h"
#include "diagram/resultado.h"
#include "diagram/vistas.h"

namespace trazalia::session {
class Sesion;
class VentanaMetodo;
}  // namespace trazalia::session

namespace trazalia::app {

class Anuncio;
class ControlVistas;
class DescripcionAlPedir;

// A method window on screen: the face of the core's window of the same name. Its bars, buttons
// and picture turn what the user does into the core's commands; what the core announces (a
// caption, a bar's value, the picture, a read-out of an earlier picture) it shows. The drawing
// area describes its figure to screen readers, and what the core tells them is said at once.
class VentanaMetodo final : public Ventana {
    Q_OBJECT
public:
    // The core's window must outlive this one.
    VentanaMetodo(session::Sesion& sesion, session::VentanaMetodo& nucleo, ControlVistas& vistas);
    ~VentanaMetodo() override;

    session::Sesion& sesion() const { return sesion_; }
    // The window of the core that this one shows.
    session::VentanaMetodo& nucleo() const { return nucleo_; }
    int vectores() const;
    // The name of a control as commands take it: "Form2.HScroll1".
    std::string Ruta(std::string_view control) const;
    // The values of the picture as drawn, as one line: "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°",
    // then "paso = N" when it is a step and "r = …; α = …°" when it shows the resultant.
    QString LineaDeLecturas() const;
    // The name offered when saving: the method's word, and the step when the picture shows one
    // ("paralelogramo.png", "poligono-paso-3.png").
    QString NombreDeArchivo() const;
    // What a result read-out of an earlier picture says: how to bring it up to date.
    QString ComoRenovarResultado() const;
    // The read-outs of the resultant's magnitude and direction.
    std::pair<int, int> LecturasDelResultado() const;

    // What the last event that redrew the picture did; nothing while the picture is empty.
    const std::optional<diagram::Resultado>& dibujo() const;
    // The views the picture was last drawn with.
    const diagram::Vistas& vistas() const;
    // Tells screen readers without moving the focus.
    Anuncio& anuncio() const { return *anuncio_; }

    // Sets the drawing area's description from what it shows now; it is written when a screen
    // reader asks for it. While a tip is held it waits: a screen reader speaks a focused
    // picture's every new description, and during a drag only the last one is news.
    void Describir();
    // Hides the window and shows the start window: "Regresar", and Esc (ResponderAEsc).
    void Regresar();

signals:
    // After an event redrew the picture.
    void dibujado();

private:
    friend class Aplicacion;
    // What the core announced of this window's picture.
    void Dibujado();
    // The tooltips of the bars whose value does more than set a number (a step).
    void RotularBarras();

    session::Sesion& sesion_;
    session::VentanaMetodo& nucleo_;
    // What the drawing area's description tells, as Describir last found it.
    QString descrito_;
    DescripcionAlPedir* descripcion_ = nullptr;
    Anuncio* anuncio_ = nullptr;
};

}  // namespace trazalia::app
