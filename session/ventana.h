// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "session/entorno.h"
#include "session/tablas.h"

namespace trazalia::session {

class Sesion;

// One control's state: what a face shows of it.
struct Estado {
    int valor = 0;        // a scroll bar's
    std::string caption;  // a label's or a button's, as the domain wrote it (Spanish)
    bool visible = true;
    bool habilitado = true;
    bool enfocable = false;  // takes the keyboard's focus
    // A result read-out that describes an earlier picture.
    bool anterior = false;
};

// A window's state as dump writes it: one line for the window and one for each control in table
// order, geometry in twips at 100 %. titulo: as the window shows it.
std::vector<std::string> Volcado(const Tabla& tabla, std::string_view titulo, bool visible,
                                 const std::vector<Estado>& estados);

// A window of the program in the core: its table, each control's state, whether it is shown, and
// the keyboard's focus. Form1 is one of these; the method windows add their picture.
class Ventana {
public:
    Ventana(Entorno& sesion, Formulario formulario);
    virtual ~Ventana();
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;

    Formulario formulario() const { return formulario_; }
    const Tabla& tabla() const { return tabla_; }
    std::string_view nombre() const { return tabla_.nombre; }
    bool visible() const { return visible_; }
    const Estado& estado(std::size_t control) const { return estados_[control]; }
    // The row of that name, if any.
    std::optional<std::size_t> Indice(std::string_view control) const;
    // HScroll<n>, Label<n>, Command<n>; std::out_of_range naming the control when there is none.
    std::size_t Numerado(std::string_view prefijo, int n) const;
    // HScroll<n> and Label<n>, which the domain reads and writes many times an event.
    std::size_t Barra(int n) const { return Fila(barras_, "HScroll", n); }
    std::size_t Rotulo(int n) const { return Fila(rotulos_, "Label", n); }

    // Shows or hides the window; observers are told only of a change.
    void Mostrar(bool visible);
    // A click on Command<n>.
    virtual void Pulsar(int n) = 0;
    // The window's state, one line for the window and one for each control in table order.
    std::vector<std::string> Dump() const;

    // The first handler failure since the last call, then forgotten; empty when none.
    std::string TomarFallo();

    // The control with the keyboard's focus (its row), and whether the value editor over it has it.
    std::optional<std::size_t> foco() const { return foco_; }
    void Enfocar(std::optional<std::size_t> control) { foco_ = control; }

    // The value editor over a read-out: opened by a digit on a bar (or on a result read-out in
    // practice), it sets the bar's value (or the guess) on Return. Each control has its own, made
    // when first opened; several may be open at once.
    struct Editor {
        std::size_t control;  // the bar, or the read-out, it sets
        std::string texto;
        bool seleccionado = false;  // the whole text, which the next key replaces
        bool abierto = false;
    };
    // The open editor over that control, or null.
    const Editor* EditorDe(std::size_t control) const;
    // Whether the editor of the control with the focus has it.
    bool enEditor() const { return enEditor_; }
    // Closes the editor over that control; with devolverFoco the control takes the focus.
    void CerrarEditor(std::size_t control, bool devolverFoco);

protected:
    // Writes a label's caption, told even when the text is unchanged.
    void Caption(std::size_t control, std::string_view texto);
    // Runs one handler: a failure (a drawing operation refused) ends the event and is kept.
    template <class F>
    void Evento(F&& handler) {
        try {
            handler();
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& e) {
            ReportarFallo(e.what());
        }
    }
    void ReportarFallo(std::string_view texto);
    void MarcarAnterior(std::size_t control, bool anterior);

    Entorno& sesion_;
    Formulario formulario_;
    const Tabla& tabla_;
    std::vector<Estado> estados_;
    bool visible_ = false;
    std::optional<std::size_t> foco_;
    // The control that had the focus when the window was last hidden.
    std::optional<std::size_t> focoAlOcultar_;
    std::string fallo_;
    // Each prefix of numbered controls ("HScroll", "Label", …), with the row of each number.
    struct Numeracion {
        std::string_view prefijo;
        std::vector<std::optional<std::size_t>> filas;
    };
    std::vector<Numeracion> numerados_;
    const Numeracion* barras_ = nullptr;
    const Numeracion* rotulos_ = nullptr;
    // The row of number n, or std::out_of_range naming the control.
    std::size_t Fila(const Numeracion* numeracion, std::string_view prefijo, int n) const {
        if (numeracion && n >= 0 && static_cast<std::size_t>(n) < numeracion->filas.size())
            if (const auto& fila = numeracion->filas[static_cast<std::size_t>(n)]) return *fila;
        NoHay(prefijo, n);
    }
    [[noreturn]] void NoHay(std::string_view prefijo, int n) const;
    Editor* EditorDe(std::size_t control);
    // In the order they were made.
    std::vector<Editor> editores_;
    bool enEditor_ = false;

    friend class Sesion;
};

}  // namespace trazalia::session
