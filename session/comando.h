// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "diagram/marco.h"
#include "diagram/vistas.h"
#include "practice/ejercicio.h"
#include "session/tablas.h"
#include "session/teclas.h"

// Every user action as a value: each face builds these from its own events, and the script runner
// reads them from a line. A window is named by its Formulario, a control by its row in the
// window's table.
namespace trazalia::session::comandos {

// click WINDOW.BUTTON
struct Pulsar {
    Formulario ventana;
    std::size_t control;
};
// set WINDOW.SCROLLBAR VALUE, or a bar's thumb or keys on screen.
struct MoverBarra {
    Formulario ventana;
    std::size_t control;
    int valor;
};
// close WINDOW
struct Cerrar {
    Formulario ventana;
};
// A view turned on or off from that window. A script's (redibujar false) shows at the next
// event; a face's redraws every method window at once.
struct PonerVista {
    Formulario ventana;
    diagram::Vista vista;
    bool activa;
    bool redibujar = true;
};
// The control takes the focus, then each key is pressed and released on whatever has it then.
struct Teclas {
    Formulario ventana;
    std::size_t control;
    std::vector<teclas::Tecla> teclas;
};
// Practice: on (with a seed, a level and what the exercises ask for), the next exercise, check,
// off; along a path, the next step of the construction shown after a mistake, a mistake planted
// in the judged exercise's construction (Plantar) and the one named (Elegir).
enum class QuePractica { Comenzar, Siguiente, Comprobar, Terminar, Etapa, Plantar, Elegir };
struct Practicar {
    Formulario ventana;
    QuePractica que;
    std::uint32_t semilla = 0;
    practice::Nivel nivel = practice::kNivelPredeterminado;
    practice::Pregunta pregunta = practice::Pregunta::Resultante;
    // Started along a path over the window's skills (practice::Camino), which sets each
    // exercise's question.
    bool camino = false;
    // A path resumed from its state (Progreso::Texto), in place of seed and level.
    std::string estado = {};
    // A path over every window's skills (camino todas): the session opens each exercise's window
    // in turn; the window named is none.
    bool todas = false;
    // Elegir: the mistake named, as written ("suma-de-modulos").
    std::string elegido = {};
};
// Practice's level; with practice on, exercises of that seed and level from the first one.
struct ElegirNivel {
    Formulario ventana;
    practice::Nivel nivel;
    std::uint32_t semilla = 0;
};
// A guess as the student wrote it: the core reads the numbers (a decimal comma too) and names
// them as written when it refuses them.
struct Adivinar {
    Formulario ventana;
    std::string r;
    std::string alfa;
};
// A value typed into a read-out's editor and taken: a bar's value or a guess's part.
struct Escribir {
    Formulario ventana;
    std::size_t control;
    std::string texto;
};
// drag WINDOW X1 Y1 X2 Y2: a press, a move and the release, in twips of the picture.
struct Arrastrar {
    Formulario ventana;
    diagram::Punto desde;
    diagram::Punto hasta;
};
// The pointer on Picture1, as a face gives it; alcance: how near a tip a press grabs it.
struct Presionar {
    Formulario ventana;
    diagram::Punto punto;
    double alcance;
};
struct MoverPuntero {
    Formulario ventana;
    diagram::Punto punto;
    bool ajustar = false;
};
struct SoltarPuntero {
    Formulario ventana;
    diagram::Punto punto;
    bool ajustar = false;
};
struct Deshacer {
    Formulario ventana;
};
struct Rehacer {
    Formulario ventana;
};
// A gesture ended (a thumb or a key let go, the focus gone): the next change of the same bar is
// a step of its own.
struct TerminarPaso {
    Formulario ventana;
};

}  // namespace trazalia::session::comandos

namespace trazalia::session {

using Comando =
    std::variant<comandos::Pulsar, comandos::MoverBarra, comandos::Cerrar, comandos::PonerVista,
                 comandos::Teclas, comandos::Practicar, comandos::ElegirNivel, comandos::Adivinar,
                 comandos::Escribir, comandos::Arrastrar, comandos::Presionar,
                 comandos::MoverPuntero, comandos::SoltarPuntero, comandos::Deshacer,
                 comandos::Rehacer, comandos::TerminarPaso>;

}  // namespace trazalia::session
