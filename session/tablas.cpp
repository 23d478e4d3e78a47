// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/tablas.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "diagram/colores.h"
#include "diagram/constantes.h"
#include "diagram/traducible.h"
#include "practice/metodo.h"

namespace trazalia::session {

namespace {

using diagram::kAzul;

// clang-format off
constexpr Control kForm1[] = {
    {.nombre = "Image1", .tipo = Tipo::Image, .left = 4320, .top = 120, .width = 2040,
     .height = 1800, .tab = -1, .descripcion = QT_TRANSLATE_NOOP("Form1", "Emblema de Trazalia"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Dos vectores y su resultante, sumados por el método del paralelogramo.")},
    {.nombre = "Label1", .tipo = Tipo::Label, .left = 1920, .top = 2040, .width = 6855,
     .height = 1695, .tab = 3, .texto = QT_TRANSLATE_NOOP("Form1", "Escuela de Ciencias\nDepartamento de Física"),
     .puntos = 21.75, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Escuela de Ciencias, Departamento de Física"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "La escuela y el departamento que presentan Trazalia")},
    {.nombre = "Label2", .tipo = Tipo::Label, .left = 3240, .top = 4080, .width = 3975,
     .height = 855, .tab = 4, .texto = "\"Trazalia\"", .puntos = 26.25, .color = kAzul,
     .centrado = true, .descripcion = QT_TRANSLATE_NOOP("Form1", "Trazalia"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "El nombre del programa: suma de vectores en el plano")},
    {.nombre = "Label3", .tipo = Tipo::Label, .left = 2880, .top = 5280, .width = 4815,
     .height = 495, .tab = 5, .texto = QT_TRANSLATE_NOOP("Form1", "Equipo Trazalia"), .puntos = 18, .centrado = true,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Equipo Trazalia"), .ayuda = QT_TRANSLATE_NOOP("Form1", "Los autores del programa")},
    {.nombre = "Command1", .tipo = Tipo::Button, .left = 960, .top = 6120, .width = 2775,
     .height = 735, .tab = 0, .texto = QT_TRANSLATE_NOOP("Form1", "Paralelogramo"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Método del paralelogramo"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Abre la ventana del método del paralelogramo: dos vectores."), .abre = "Form2"},
    {.nombre = "Command2", .tipo = Tipo::Button, .left = 7200, .top = 6120, .width = 2775,
     .height = 735, .tab = 1, .texto = QT_TRANSLATE_NOOP("Form1", "Polígono"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Método del polígono"),
     .ayuda = QT_TRANSLATE_NOOP("Form1", "Abre la ventana del método del polígono: tres vectores."), .abre = "Form3"},
    {.nombre = "Command3", .tipo = Tipo::Button, .left = 4200, .top = 7080, .width = 2535,
     .height = 735, .tab = 2, .texto = QT_TRANSLATE_NOOP("Form1", "Salir"), .puntos = 15.75,
     .descripcion = QT_TRANSLATE_NOOP("Form1", "Salir de Trazalia"), .ayuda = QT_TRANSLATE_NOOP("Form1", "Cierra el programa.")},
};
// clang-format on

// Form1's own controls, then the buttons of the methods that add one.
const Tabla& Form1() {
    static const std::vector<Control> controles = [] {
        std::vector<Control> c(std::begin(kForm1), std::end(kForm1));
        for (const practice::Metodo* m : practice::Metodos())
            if (const Control* boton = m->botonDeInicio()) c.push_back(*boton);
        return c;
    }();
    static const Tabla tabla{"Form1", "Trazalia.", controles, canvas::kBlack, 0, {}, {0, 0}, ""};
    return tabla;
}

}  // namespace

std::size_t NumeroDeFormularios() { return 1 + practice::Metodos().size(); }

practice::Ventana MetodoDe(Formulario formulario) {
    const auto i = static_cast<std::size_t>(formulario);
    return i == 0 ? nullptr : practice::Metodos()[i - 1];
}

Formulario FormularioDe(const practice::Metodo& metodo) {
    const auto metodos = practice::Metodos();
    return static_cast<Formulario>(
        1 + static_cast<std::size_t>(std::find(metodos.begin(), metodos.end(), &metodo) -
                                     metodos.begin()));
}

const Tabla& TablaDe(Formulario formulario) {
    const practice::Ventana metodo = MetodoDe(formulario);
    return metodo ? metodo->tabla() : Form1();
}

std::optional<Formulario> FormularioDe(std::string_view nombre) {
    for (std::size_t i = 0; i < NumeroDeFormularios(); ++i)
        if (TablaDe(static_cast<Formulario>(i)).nombre == nombre) return static_cast<Formulario>(i);
    return std::nullopt;
}

const Tabla* TablaDe(std::string_view nombre) {
    const std::optional<Formulario> f = FormularioDe(nombre);
    return f ? &TablaDe(*f) : nullptr;
}

}  // namespace trazalia::session
