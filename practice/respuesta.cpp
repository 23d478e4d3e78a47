// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/respuesta.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "canvas/canvas.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/formato.h"

namespace trazalia::practice {

namespace {

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

// Sets the window's bars to the vectors and runs its handler on Picture1.
diagram::Resultado Ejecutar(Ventana ventana, const Ejercicio& vectores, Controles& form,
                            canvas::Canvas& Picture1, Trazado trazado, diagram::Escalado escalado) {
    const int n = NumeroDeVectores(ventana);
    if (static_cast<int>(vectores.size()) != n)
        throw std::invalid_argument("an exercise of " + std::string(Nombre(ventana)) + " has " +
                                    std::to_string(n) + " vectors");
    if (static_cast<int>(vectores.coeficientes.size()) != ventana->coeficientes())
        throw std::invalid_argument("an exercise of " + std::string(Nombre(ventana)) + " has " +
                                    std::to_string(ventana->coeficientes()) + " coefficients");
    // Magnitudes on HScroll1…n, directions on the next n bars, the coefficients after them.
    for (int k = 0; k < n; ++k) {
        form.barras[k + 1] = vectores[static_cast<std::size_t>(k)].m;
        form.barras[k + 1 + n] = vectores[static_cast<std::size_t>(k)].d;
    }
    for (std::size_t k = 0; k < vectores.coeficientes.size(); ++k)
        form.barras[2 * n + 1 + static_cast<int>(k)] = vectores.coeficientes[k];
    const std::unique_ptr<diagram::Construccion> metodo = ventana->Construir(form, Picture1);
    metodo->setEscalado(escalado);
    metodo->Form_Load();
    if (trazado == Trazado::Vectores) return metodo->Vectores();
    // A construction shown by steps is drawn at its first.
    if (const auto revelador = ventana->revelador()) form.barras[revelador->first] = 1;
    return metodo->Revelar();
}

}  // namespace

diagram::Resultado Dibujar(Ventana ventana, const Ejercicio& vectores, canvas::Canvas& Picture1,
                           Trazado trazado, diagram::Escalado escalado) {
    Controles form;
    return Ejecutar(ventana, vectores, form, Picture1, trazado, escalado);
}

Respuesta RespuestaALaPregunta(Respuesta respuesta, Pregunta pregunta) {
    if (pregunta == Pregunta::Resultante || !respuesta.direccion) return respuesta;
    double opuesta = *respuesta.direccion + 180;
    if (opuesta >= 360) opuesta -= 360;
    respuesta.direccion = opuesta;
    respuesta.lecturaDireccion = diagram::Formato(opuesta);
    return respuesta;
}

Respuesta RespuestaDe(Ventana ventana, const Ejercicio& vectores) {
    Controles form;
    canvas::NullCanvas Picture1(kAnchoDePicture1, kAltoDePicture1);
    const diagram::Resultado resultado = Ejecutar(
        ventana, vectores, form, Picture1, Trazado::Construccion, diagram::Escalado::Adaptativa);
    const int n = NumeroDeVectores(ventana);
    const auto [rotuloR, rotuloDireccion] = ventana->tabla().resultado;
    Respuesta respuesta;
    respuesta.r = resultado.r;
    respuesta.direccion = resultado.direccion;
    respuesta.lecturaR = form.rotulos[rotuloR];
    respuesta.lecturaDireccion = form.rotulos[rotuloDireccion];
    // Every vector is drawn at least once; with nothing drawn every magnitude is 0.
    respuesta.componentes.resize(static_cast<std::size_t>(n));
    respuesta.vectores.resize(static_cast<std::size_t>(n));
    for (const diagram::Trazo& t : resultado.trazos)
        if (t.vector > 0) {
            const auto k = static_cast<std::size_t>(t.vector - 1);
            respuesta.componentes[k] = {t.x, t.y};
            if (t.desdeOrigen) respuesta.vectores[k] = {t.x, t.y};
        }
    // Unscaled, the terms are the vectors, whichever copy a step of the construction drew.
    if (ventana->coeficientes() == 0) respuesta.vectores = respuesta.componentes;
    return respuesta;
}

}  // namespace trazalia::practice
