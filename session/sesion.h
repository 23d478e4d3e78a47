// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "practice/pulsacion.h"
#include "session/errores.h"
#include "session/observador.h"
#include "session/tablas.h"
#include "session/teclas.h"
#include "session/ventana.h"

namespace trazalia::session {

// The program without a face: its three windows, the views, undo and redo, and every user action
// as one command. A command returns an error (the script's wording, in Spanish) or an empty
// string when it ran, and keeps the refusal as a code with the user's words (negativa()); what it
// changed reaches the observers as it happens. Form1 exists from the start; each method window is
// created and loaded on its first show and then kept.
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
    Ventana* ventana(Formulario f) const { return ventanas_[static_cast<std::size_t>(f)].get(); }
    VentanaMetodo* metodo(std::string_view nombre) const;
    // Creates and loads the window on first use.
    Ventana& Abrir(Formulario f) override;
    bool terminado() const { return terminado_; }
    // Ends the program: every window closes at once.
    void Terminar() override;

    const diagram::Vistas& vistas() const override { return vistas_; }

    // The language of the texts the core composes for a face (the verdict, the instruction drawn
    // on the picture, announcements): Spanish, as scripts trace them, unless a face gives another.
    const diagram::Traductor& traductor() const override { return traductor_; }
    void PonerTraductor(diagram::Traductor traductor) { traductor_ = traductor; }

    // Why the last command was refused: its code, what it names and the words a face shows
    // (usuario, in the translator's language); none when it ran.
    const std::optional<errores::Negativa>& negativa() const { return negativa_; }

    // The student whose entries practice leaves (Observador::Anotado): the name as given, one
    // line of text (practice::NombreLimpio). Returns the name kept.
    const std::string& PonerAlumno(std::string_view nombre);
    const std::string& alumno() const override { return alumno_; }

    // The commands. ruta is WINDOW.CONTROL; ventana a window's name.
    std::string Pulsar(std::string_view ruta);
    std::string Mover(std::string_view ruta, std::string_view valor);
    std::string Cerrar(std::string_view ventana);
    // As a script sets a view: nothing redraws until the next event. A key redraws at once.
    std::string Vista(std::string_view ventana, std::string_view vista, std::string_view estado);
    // As the user turns a view on or off (its key, a menu): every method window redraws at once,
    // and it is a step to undo in that window.
    void CambiarVista(VentanaMetodo& ventana, diagram::Vista vista, bool activa);
    std::string Teclas(std::string_view ruta, const std::vector<std::string_view>& teclas);
    // practice WINDOW on SEED LEVEL | next | check | off; seed and level only with on.
    std::string Practicar(std::string_view ventana, std::string_view que, std::string_view semilla,
                          std::string_view nivel);
    std::string Adivinar(std::string_view ventana, std::string_view r, std::string_view alfa);
    // A press on Picture1 at desde, a move to hasta and the release there, in twips.
    std::string Arrastrar(std::string_view ventana, diagram::Punto desde, diagram::Punto hasta);
    // The pointer on a method window's Picture1, as a face gives it (twips of the picture);
    // alcance: how near a tip a press grabs it, in twips. A press that starts nothing (or a refused
    // one) leaves the rest to the face; a tip's drag is one step to undo, however many moves it
    // makes.
    practice::Gesto Presionar(std::string_view ventana, diagram::Punto p, double alcance);
    void MoverPuntero(std::string_view ventana, diagram::Punto p, bool ajustar);
    void SoltarPuntero(std::string_view ventana, diagram::Punto p, bool ajustar);
    // A value typed into a read-out's editor and taken (Return): a bar's value or a guess's part.
    std::string Escribir(std::string_view ruta, std::string_view texto);
    // Whether Escribir would take that text there now.
    bool Admite(std::string_view ruta, std::string_view texto) const;
    // Whether an editor there takes that text as it is typed, on its way to a value: what the
    // core's own editor lets in, for a face's editor to let in the same.
    bool Tecleable(std::string_view ruta, std::string_view texto) const;
    // Practice's level; with practice on, exercises of that seed and level from the first one.
    std::string Nivel(std::string_view ventana, std::string_view nivel, std::uint32_t semilla);
    std::string Deshacer(std::string_view ventana);
    std::string Rehacer(std::string_view ventana);
    // dump WINDOW: its lines.
    std::string Volcar(std::string_view ventana, std::vector<std::string>& lineas) const;

    // The first failure of a handler in any window since the last call.
    std::string TomarFallo();

    // For the windows: navigation.
    void Regresar(Ventana& desde) override;
    // An exercise is about to set the window's vectors: what undo kept led to another figure, so
    // it stops here, and a tip held lets go.
    void NuevoEjercicio(VentanaMetodo& ventana) override;
    // A view of the set for both windows; with redibujar every method window redraws at once.
    void PonerVista(diagram::Vista vista, bool activa, bool redibujar);

    // Undo: one step is one change a user made to a method window's values (a bar, a drag, a
    // typed value) or to the views.
    struct Paso {
        std::vector<std::pair<int, int>> antes;  // {HScroll n, value}
        std::vector<std::pair<int, int>> despues;
        std::optional<diagram::Vista> vista;
        bool activa = false;  // the view's new state
        bool redibujar = false;
    };
    // How many steps undo, and redo, would take back in that window.
    std::size_t Deshechos(std::string_view ventana) const;
    std::size_t Rehechos(std::string_view ventana) const;

private:
    struct Historia;
    struct Busqueda {
        Ventana* ventana = nullptr;
        std::optional<std::size_t> control;
        std::optional<errores::Negativa> error;
    };
    // Keeps the refusal as the last command's and returns the script's words.
    std::string Dar(errores::Negativa negativa);
    Busqueda BuscarVentana(std::string_view nombre, bool aLaVista) const;
    Busqueda BuscarControl(std::string_view ruta) const;
    // Where a typed value goes: the bar, or the guess's read-out; an error where none may.
    Busqueda BuscarEscrito(std::string_view ruta) const;
    errores::Negativa Retenido(const Ventana& v) const;
    // Sets bars of a method window as one user step.
    void Apuntar(VentanaMetodo& v, Paso paso);
    std::vector<std::pair<int, int>> Barras(const VentanaMetodo& v) const;
    const Historia* HistoriaDe(std::string_view ventana) const;
    void Aplicar(VentanaMetodo& v, const std::vector<std::pair<int, int>>& valores);
    // One key on what has the focus; returns the refusal, if any.
    std::optional<errores::Negativa> Tecla(Ventana& v, const teclas::Tecla& t);
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

    std::array<std::unique_ptr<Ventana>, kFormularios> ventanas_;
    // Method windows in the order they were created: a change of views redraws them in turn.
    std::vector<VentanaMetodo*> creadas_;
    diagram::Vistas vistas_;
    diagram::Traductor traductor_;
    bool terminado_ = false;
    struct Historia {
        std::vector<Paso> deshacer;
        std::vector<Paso> rehacer;
    };
    std::array<Historia, kFormularios> historias_;
    // A press's gesture under way, and the bars before it, in each window.
    struct Gesto {
        practice::Gesto gesto = practice::Gesto::Nada;
        std::vector<std::pair<int, int>> antes;
    };
    std::array<Gesto, kFormularios> gestos_;
    // What the last key's editor refused, as it was typed.
    std::optional<std::string> rechazo_;
    std::optional<errores::Negativa> negativa_;
    std::string alumno_;
};

}  // namespace trazalia::session
