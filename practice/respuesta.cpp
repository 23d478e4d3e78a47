// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/respuesta.h"

#include <map>
#include <stdexcept>
#include <string_view>

#include "canvas/canvas.h"
#include "diagram/controles.h"
#include "parallelogram/paralelogramo.h"
#include "polygon/poligono.h"

namespace trazalia::practice {

namespace {

// Both windows' Picture1, in twips.
constexpr float kAncho = 7000;
constexpr float kAlto = 6000;

// A method window's scroll bars set to one exercise; its labels keep their last caption.
class Controles final : public diagram::Controles {
public:
    int HScroll(int n) const override {
        const auto it = barras.find(n);
        return it == barras.end() ? 0 : it->second;
    }
    void Label(int n, std::string_view caption) override { rotulos[n] = caption; }

    std::map<int, int> barras;
    std::map<int, std::string> rotulos;
};

}  // namespace

Respuesta RespuestaDe(Ventana ventana, const Ejercicio& vectores) {
    const int n = NumeroDeVectores(ventana);
    if (static_cast<int>(vectores.size()) != n)
        throw std::invalid_argument("an exercise of " + std::string(Nombre(ventana)) + " has " +
                                    std::to_string(n) + " vectors");
    Controles form;
    // Magnitudes on HScroll1…n, directions on the next n bars.
    for (int k = 0; k < n; ++k) {
        form.barras[k + 1] = vectores[static_cast<std::size_t>(k)].m;
        form.barras[k + 1 + n] = vectores[static_cast<std::size_t>(k)].d;
    }
    canvas::NullCanvas Picture1(kAncho, kAlto);
    diagram::Resultado resultado;
    int rotuloR = 10;
    if (ventana == Ventana::Form2) {
        parallelogram::Paralelogramo metodo(form, Picture1);
        metodo.Form_Load();
        resultado = metodo.Command1_Click();
    } else {
        polygon::Poligono metodo(form, Picture1);
        metodo.Form_Load();
        form.barras[7] = 1;
        resultado = metodo.HScroll7_Change();
        rotuloR = 14;
    }
    Respuesta respuesta;
    respuesta.r = resultado.r;
    respuesta.direccion = resultado.direccion;
    respuesta.lecturaR = form.rotulos[rotuloR];
    respuesta.lecturaDireccion = form.rotulos[rotuloR + 2];
    // Every vector is drawn at least once; with nothing drawn every magnitude is 0.
    respuesta.componentes.resize(static_cast<std::size_t>(n));
    for (const diagram::Trazo& t : resultado.trazos)
        if (t.vector > 0)
            respuesta.componentes[static_cast<std::size_t>(t.vector - 1)] = {t.x, t.y};
    return respuesta;
}

}  // namespace trazalia::practice
