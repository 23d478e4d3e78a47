// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "canvas/canvas.h"
#include "combination/tabla.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::combination {

// The coefficient a bar's value stands for.
constexpr double Coeficiente(int medios) { return static_cast<double>(medios) / kMediosPorUnidad; }
// Its read-out: "-1.5", "0.5", "2", "0"; whole numbers without decimals, no locale.
std::string LecturaDeCoeficiente(int medios);

// A point in units from the origin (x right, y up) on that drawing area in that scaling: Punta's
// mapping taken from components, so that a chain's tip and the sum's tip are one point.
diagram::Punto EnPantalla(const canvas::Canvas& picture, double x, double y, double Escala,
                          diagram::Escalado escalado);

// The values of one computation, discarded when the event ends. Tips are in twips of the
// drawing area (y downward); components in the bars' units.
struct Calculo {
    double k1 = 0, k2 = 0;
    double r = 0;       // magnitude of c = k1·a + k2·b
    double Escala = 0;  // drawn at: see CalcularResultante
    diagram::Punto PA;  // tip of a
    diagram::Punto PB;  // tip of b
    diagram::Punto PK;  // tip of k1·a, the tail of k2·b
    diagram::Punto PC;  // tip of c, the tip of k2·b
    double Ax = 0, Ay = 0, Bx = 0, By = 0, Cx = 0, Cy = 0;
};

// The window Form4 without its toolkit: vectors a and b from HScroll1..HScroll4 (|a|, |b|,
// direction of a, of b) and coefficients k1, k2 from HScroll5, HScroll6 in halves; a and b drawn
// on Picture1 over adaptive axes, and c = k1·a + k2·b laid head to tail on request.
class Combinacion final : public diagram::Construccion {
public:
    Combinacion(diagram::Controles& form, canvas::Canvas& Picture1)
        : form_(form), Picture1_(Picture1) {}

    void Form_Load() override;
    // The live redraw after any bar's change: a and b, no resultant.
    diagram::Resultado Vectores() override;
    // "Graficar c": the live scene, then k1·a, k2·b head to tail and c, with c's read-outs.
    diagram::Resultado Revelar() override;

    // Computes the vectors, c and the scale, and writes AnguloResultante. Nothing when the scale
    // is 0 (a and b both 0): there is nothing to draw.
    std::optional<Calculo> CalcularResultante();
    // Clears Picture1 and draws the axes, a and b of that computation.
    void DibujarEscena(const Calculo& calculo);

    const std::optional<double>& anguloResultante() const override { return AnguloResultante; }
    void setEscalado(diagram::Escalado e, std::optional<double> retenida = std::nullopt) override {
        escalado_ = e;
        retenida_ = retenida;
    }
    double EscalaSiguiente() const override;

private:
    void Lecturas();
    diagram::Resultado Resultado(const std::optional<Calculo>& calculo, bool resultante) const;

    diagram::Controles& form_;
    canvas::Canvas& Picture1_;
    // Set when the window loads: arrows drawn before that take no turn.
    double Pi = 0;
    std::optional<double> AnguloResultante;
    diagram::Escalado escalado_ = diagram::Escalado::Adaptativa;
    std::optional<double> retenida_;
};

}  // namespace trazalia::combination
