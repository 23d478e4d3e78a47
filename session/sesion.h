// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "practice/pulsacion.h"
#include "session/arrastre.h"
#include "session/comando.h"
#include "session/errores.h"
#include "session/historia.h"
#include "session/inicio.h"
#include "session/observador.h"
#include "session/practica.h"
#include "session/tablas.h"
#include "session/teclas.h"
#include "session/ventana_metodo.h"

namespace trazalia::session {

// The program without a face: its windows, the views, undo and redo, and every user action as one
// command (comando.h), whatever its source. A command returns its refusal as a code and what it
// names, worded for a script and for the user; what it changed reaches the observers as it
// happens. Form1 exists from the start; each method window is created and loaded on its first
// show and then kept.
class Sesion final : public Entorno {
public:
    Sesion();
    ~Sesion() override;

    // Observers are told in the order they were added; they must outlive the session or be
    // removed.
    void AgregarObservador(Observador& observador);
    void QuitarObservador(Observador& observador);

    // Creates Form1 and shows it.
    void Iniciar();

    // The window of that name if it has been created, else null.
    Ventana* ventana(std::string_view nombre) const;
    Ventana* ventana(Formulario f) const;
    VentanaMetodo* metodo(std::string_view nombre) const;
    VentanaMetodo* metodo(Formulario f) const;
    // Creates and loads the window on first use.
    Ventana& Abrir(Formulario f) override;
    bool terminado() const { return terminado_; }
    // Ends the program: every window closes at once.
    void Terminar() override;

    const diagram::Vistas& vistas() const override { return vistas_; }

    // The language of the texts the core composes for a face (the verdict, the instruction drawn
    // on the picture, announcements, refusals, steps' names): Spanish, as scripts trace them,
    // unless a face gives another.
    const diagram::Traductor& traductor() const override { return traductor_; }
    void PonerTraductor(diagram::Traductor traductor) { traductor_ = traductor; }

    // The student whose entries practice leaves (Observador::Anotado): the name as given, one
    // line of text (practice::NombreLimpio). Returns the name kept.
    const std::string& PonerAlumno(std::string_view nombre);
    const std::string& alumno() const override { return alumno_; }

    // Runs a user's action; nothing when it ran, else why not.
    std::optional<errores::Negativa> Ejecutar(const Comando& comando);
    // What the last press on a picture started (comandos::Presionar): a press that starts nothing,
    // or a refused one, leaves the rest to the face.
    practice::Gesto pulsacion() const { return pulsacion_; }

    // Whether a typed value (comandos::Escribir) would be taken there now.
    bool Admite(Formulario f, std::size_t control, std::string_view texto) const;
    // Whether an editor there takes that text as it is typed, on its way to a value: what the
    // core's own editor lets in, for a face's editor to let in the same.
    bool Tecleable(Formulario f, std::size_t control, std::string_view texto) const;
    // dump WINDOW: its lines, or the script's error.
    std::string Volcar(std::string_view ventana, std::vector<std::string>& lineas) const;

    // The first failure of a handler in any window since the last call.
    std::string TomarFallo();

    // For the windows: navigation.
    void Regresar(Ventana& desde) override;
    // An exercise is about to set the window's vectors: what undo kept led to another figure, so
    // it stops here, and a tip held lets go.
    void NuevoEjercicio(VentanaMetodo& ventana) override;
    void SeguirCamino(practice::Camino camino) override;
    // A view of the set for both windows, as settings restore it (no step to undo); with
    // redibujar every method window redraws at once.
    void PonerVista(diagram::Vista vista, bool activa, bool redibujar);
    // Whether practice writes its instruction and verdict in the picture (the desktop) or leaves
    // them to a face that shows them beside it (the page); in every window, made or to be made.
    void PonerTextosDePracticaEnElDibujo(bool si);

    // Undo: a step is one change a user made to a method window's values (a bar, a drag, a typed
    // value) or to the views.
    const Historia& historia(Formulario f) const;
    // The name of the step undo, or redo, would take there, in the translator's language; empty
    // when there is none.
    std::string AlDeshacer(Formulario f) const;
    std::string AlRehacer(Formulario f) const;

private:
    using Negativa = std::optional<errores::Negativa>;
    // One handler per command.
    Negativa Hacer(const comandos::Pulsar& c);
    Negativa Hacer(const comandos::MoverBarra& c);
    Negativa Hacer(const comandos::Cerrar& c);
    Negativa Hacer(const comandos::PonerVista& c);
    Negativa Hacer(const comandos::Teclas& c);
    Negativa Hacer(const comandos::Practicar& c);
    Negativa Hacer(const comandos::ElegirNivel& c);
    Negativa Hacer(const comandos::Adivinar& c);
    Negativa Hacer(const comandos::Escribir& c);
    Negativa Hacer(const comandos::Arrastrar& c);
    Negativa Hacer(const comandos::Presionar& c);
    Negativa Hacer(const comandos::MoverPuntero& c);
    Negativa Hacer(const comandos::SoltarPuntero& c);
    Negativa Hacer(const comandos::Deshacer& c);
    Negativa Hacer(const comandos::Rehacer& c);
    Negativa Hacer(const comandos::TerminarPaso& c);

    // The window if it is on screen, else the refusal.
    Ventana* AlaVista(Formulario f, Negativa& negativa) const;
    // WINDOW.CONTROL, as refusals name a control.
    std::string Ruta(const Ventana& v, std::size_t control) const;
    errores::Negativa Retenido(const Ventana& v) const;
    // Where a typed value goes: the bar, or the guess's read-out; a refusal where none may.
    std::optional<std::size_t> Escrito(const Ventana& v, std::size_t control,
                                       Negativa& negativa) const;

    // Undo (deshacer.cpp): the bars' values, a step taken, and the step's way back or forth.
    std::vector<Paso::Cambio> Barras(const VentanaMetodo& v) const;
    // A bar's number (HScroll n) from its row.
    static int Numero(const Ventana& v, std::size_t control);
    // Sets bar n as a user's step of that kind.
    void MoverComoPaso(VentanaMetodo& v, Paso::Accion accion, int n, int valor);
    void Apuntar(VentanaMetodo& v, Paso paso);
    Negativa Retroceder(Formulario f, bool deshacer);

    // Keys and the value editor (teclado.cpp).
    Negativa Tecla(Ventana& v, const teclas::Tecla& t);
    void TeclaEnEditor(Ventana& v, const teclas::Tecla& t, bool& aceptada);
    void TeclaEnControl(Ventana& v, std::size_t control, const teclas::Tecla& t, bool& aceptada);
    void AbrirEditor(Ventana& v, std::size_t control, std::string texto);
    // The editor's value set where it goes: the bar, or the guess.
    void Fijar(Ventana& v, std::size_t control, const std::string& texto);
    bool Acepta(const Ventana& v, std::size_t control, const std::string& texto) const;
    errores::Negativa Rechazo(const Ventana& v, std::size_t control,
                              const std::string& intento) const;
    void Foco(Ventana& v, bool adelante);
    std::string NombreDelFoco(const Ventana& v) const;

    // Keyed by the window, in the windows' order.
    std::map<Formulario, std::unique_ptr<Ventana>> ventanas_;
    // Method windows in the order they were created: a change of views redraws them in turn.
    std::vector<VentanaMetodo*> creadas_;
    diagram::Vistas vistas_;
    bool textosDePracticaEnElDibujo_ = true;
    diagram::Traductor traductor_;
    bool terminado_ = false;
    std::map<Formulario, Historia> historias_;
    // A press's gesture under way, and the bars before it, in each window.
    struct Gesto {
        practice::Gesto gesto = practice::Gesto::Nada;
        std::vector<Paso::Cambio> antes;
        int vector = 0;
    };
    std::map<Formulario, Gesto> gestos_;
    practice::Gesto pulsacion_ = practice::Gesto::Nada;
    // What the last key's editor refused, as it was typed.
    std::optional<std::string> rechazo_;
    std::string alumno_;
};

}  // namespace trazalia::session
