// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"

namespace trazalia::polygon {

// The vectors (1 to 3) in the order that step paso (1 to 6) lays them head to tail.
std::array<int, 3> OrdenDelPaso(int paso);

// The polygon method window Form3 without its widgets: three vectors set by HScroll1..3
// (magnitudes) and HScroll4..6 (directions in degrees), the step bar HScroll7, and the read-outs
// Label4..6, Label10..12 (inputs), Label14, Label16 (resultant) and Label18 (step).
class Poligono final : public diagram::Construccion {
public:
    Poligono(diagram::Controles& form, canvas::Canvas& Picture1);

    void Form_Load() override;
    diagram::Resultado Vectores() override { return HScroll_Change(); }
    diagram::Resultado Revelar() override { return HScroll7_Change(); }
    // Live redraw: the body of HScroll1_Change … HScroll6_Change.
    diagram::Resultado HScroll_Change();
    // Step-by-step construction: steps 1 to 6 chain the vectors in one order each, step 7 draws
    // all six chains.
    diagram::Resultado HScroll7_Change();

    // Arrowheads at a tip; the coloured ones read their direction bar at the time of the call.
    void RojoSimple(const double& Pos_X1, const double& Pos_Y1);
    void AzulSimple(const double& Pos_X2, const double& Pos_Y2);
    void VerdeSimple(const double& Pos_X3, const double& Pos_Y3);
    void FlechaNegra(const double& Pos_XT, const double& Pos_YT, const double& AnguloReal);

    // The six head-to-tail chains over the current picture, then the resultant's head once.
    void Paralelepipedo(const double& Pos_X1, const double& Pos_Y1, const double& Pos_X2,
                        const double& Pos_Y2, const double& Pos_X3, const double& Pos_Y3,
                        const double& Pos_XT, const double& Pos_YT);

    // The resultant's direction in radians from the last computation; none for a zero resultant.
    const std::optional<double>& anguloResultante() const override { return AnguloResultante; }
    // How the next events map units to twips, and the scale they keep instead of the one the
    // vectors give, if any (diagram::EscalaDelDibujo).
    void setEscalado(diagram::Escalado e, std::optional<double> retenida = std::nullopt) override {
        escalado_ = e;
        retenida_ = retenida;
    }
    // The scale the next event draws at with the bars as they are; 0 when it draws nothing.
    double EscalaSiguiente() const override;

private:
    struct Estado;

    void LecturasVectores();
    Estado CalcularEstado();
    diagram::Resultado Resultado(const Estado& e);
    void EscenaBase(double Escala);
    void FlechaDelVector(int k, const double& x, const double& y);
    void Cadena(int numero, const std::array<diagram::Punto, 3>& puntas, diagram::Punto T);

    // Records a vector drawn by a chain, each copy once; its components come later.
    void Trazar(int k, diagram::Punto desde, diagram::Punto hasta, canvas::Color color);

    diagram::Controles& form_;
    canvas::Canvas& picture_;
    // Set when the window loads: arrows drawn before that take no turn.
    double Pi = 0;
    std::optional<double> AnguloResultante;
    diagram::Escalado escalado_ = diagram::Escalado::Adaptativa;
    std::optional<double> retenida_;
    // The vectors drawn by the event under way.
    std::vector<diagram::Trazo> trazos_;
};

}  // namespace trazalia::polygon
