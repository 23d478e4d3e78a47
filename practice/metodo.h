// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"
#include "diagram/tabla.h"
#include "diagram/traducible.h"

namespace trazalia::practice {

enum class Codigo;
enum class Nivel;

// Which coefficients an exercise of a window with coefficient bars takes: any its level draws,
// a subtraction (each ±1, one of them −1: a − b, b − a) or multiples (some other than ±1).
enum class TipoDeCoeficientes { Cualesquiera, Resta, Multiplos };
struct Componentes;
struct Ejercicio;
struct Objetivo;
struct Respuesta;

// One arrow of a worksheet's solution, in the units of the exercise from its origin: the
// vectors laid as the method lays them (the sheet adds the resultant).
struct Flecha {
    double desdeX = 0, desdeY = 0;
    double hastaX = 0, hastaY = 0;
    // The exercise's vector it copies (0 for the first): its colour and letter.
    std::size_t vector = 0;
    // A side of a figure: a plain line, without head or letter.
    bool lado = false;
};

// A step of the method's construction, shown one at a time after a mistake on a path: how many of
// Construccion's arrows are drawn by then (all of them with the resultant), whether the resultant
// is, and what the step adds, in the window's words (marked in the context "Camino").
struct EtapaDeConstruccion {
    std::size_t flechas = 0;
    bool resultante = false;
    const char* leyenda = nullptr;
};

// A method window: everything the core, practice, worksheets, banks and both faces need of it.
// Each method lives in its own folder and is listed once in the registry (Metodos()); nothing
// else names it. Texts are marked with QT_TRANSLATE_NOOP in the context "Trazalia" unless said.
class Metodo {
public:
    Metodo() = default;
    virtual ~Metodo() = default;
    Metodo(const Metodo&) = delete;
    Metodo& operator=(const Metodo&) = delete;

    // The window's fixed description: its name ("Form2"), its controls and read-outs.
    virtual const diagram::Tabla& tabla() const = 0;
    std::string_view ventana() const { return tabla().nombre; }
    int vectores() const { return tabla().vectores; }
    // How many coefficient bars follow the vectors' bars: Form4's k₁ and k₂, in halves.
    virtual int coeficientes() const { return 0; }
    // The word worksheets and banks take in --metodo: "paralelogramo".
    virtual std::string_view clave() const = 0;
    // Whether the method adds the vectors: worksheets of "ambos" alternate these.
    virtual bool suma() const { return true; }
    // Whether it has practice, worksheets and banks.
    virtual bool practica() const { return true; }
    // Its button on Form1, where Form1's own table has none: an addition, which dump leaves out.
    virtual const diagram::Control* botonDeInicio() const { return nullptr; }

    // The window's domain over its bars and Picture1.
    virtual std::unique_ptr<diagram::Construccion> Construir(diagram::Controles& form,
                                                             canvas::Canvas& Picture1) const = 0;
    // The exercise given when no draw is acceptable: acceptable, and of values every level
    // allows.
    virtual std::vector<diagram::Entrada> reserva() const = 0;
    // The coefficients of the spare exercise, in halves; none where the window has no such bars.
    virtual std::vector<int> coeficientesDeReserva() const { return {}; }
    // The coefficients an exercise of that level takes, in halves, each drawn with indice(n), an
    // index from 0 to n − 1 of the generator's sequence; a window without coefficients draws
    // none, so that its exercises stay those of its seeds.
    virtual std::vector<int> SortearCoeficientes(Nivel nivel,
                                                 const std::function<int(int)>& indice) const {
        (void)nivel, (void)indice;
        return {};
    }
    // The kinds of coefficients its exercises come in, each practised apart; none where one kind
    // (Cualesquiera) is all there is.
    virtual std::vector<TipoDeCoeficientes> tiposDeCoeficientes() const { return {}; }
    // Coefficients of that kind, drawn alike; Cualesquiera is SortearCoeficientes.
    virtual std::vector<int> SortearCoeficientesDeTipo(
        Nivel nivel, TipoDeCoeficientes tipo, const std::function<int(int)>& indice) const {
        (void)tipo;
        return SortearCoeficientes(nivel, indice);
    }
    // The button that goes back to Form1.
    virtual int regresar() const = 0;
    // The bars a button sets at once ({HScroll n, value}): "a − b"; none for a button that
    // shows the resultant or goes back.
    virtual std::vector<std::pair<int, int>> ValoresDelBoton(int boton) const {
        (void)boton;
        return {};
    }
    // Where the resultant is shown by a bar (a step), that bar and the value it is set to before
    // an exercise, so that any move of it shows the answer; none where a button shows it.
    virtual std::optional<std::pair<int, int>> revelador() const { return std::nullopt; }

    // What a bar at that value does, beyond its read-out, for a tooltip: "Paso 2 de 7: vectores
    // 1, 3 y 2"; empty for a bar that only sets a value.
    virtual std::string TextoDeBarra(int barra, int valor, const diagram::Traductor& t) const {
        (void)barra, (void)valor, (void)t;
        return {};
    }

    // Practice: whether the verdict may name that mistake in this window.
    virtual bool Admite(Codigo codigo) const = 0;
    // The values of a mistake of its own operation, that the verdict cannot compute alike for
    // every window (Form4's subtraction and multiples), for the resultant asked for; none where
    // the mistake cannot be made. Only asked for codes it admits.
    virtual std::vector<Objetivo> Objetivos(Codigo codigo, const Ejercicio& ejercicio,
                                            const Respuesta& respuesta) const;
    // What to do instead of the mistake, pointing to this window's construction; empty where the
    // mistake's sentence says it all.
    virtual std::string_view Pista(Codigo codigo) const = 0;
    // Why the mistake is wrong and how this window's construction avoids it, shown after it;
    // empty where the general explanation (practice::Explicacion) fits the construction. Marked
    // in the context "Camino".
    virtual std::string_view Explicacion(Codigo codigo) const {
        (void)codigo;
        return {};
    }

    // Worksheets and banks: the method's name ("Método del paralelogramo"), what the student is
    // to do on a frame, the solution's caption, and a bank question's instruction.
    virtual const char* nombreVisible() const = 0;
    // As a list of methods names it: "Paralelogramo".
    virtual const char* nombreCorto() const = 0;
    virtual const char* instruccionDeHoja() const = 0;
    virtual const char* solucionDeHoja() const = 0;
    virtual const char* instruccionDeBanco() const = 0;
    // The solution's arrows for vectors of these components (Respuesta::componentes: the terms
    // as the window lays them).
    virtual std::vector<Flecha> Construccion(const std::vector<Componentes>& v) const = 0;
    // The steps of that construction, of so many arrows, the resultant last: by default one
    // arrow at a time, each laid head to tail.
    virtual std::vector<EtapaDeConstruccion> Etapas(std::size_t flechas) const;
    // The resultant's letter on a worksheet's solution, and the vectors' ("A", "B", "C").
    virtual std::string_view letraDeResultante() const { return "R"; }
    virtual std::string_view Letra(std::size_t vector) const;
    // The name of a vector's arrow in the solution: its letter, or the term it is ("k₁a").
    virtual std::string_view NombreDeTermino(std::size_t vector) const { return Letra(vector); }
};

// A method window as practice names it: its entry in the registry.
using Ventana = const Metodo*;

// Every method, in the order Form1 offers them.
std::span<const Metodo* const> Metodos();

}  // namespace trazalia::practice
