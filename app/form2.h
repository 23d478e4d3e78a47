// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana_metodo.h"
#include "parallelogram/paralelogramo.h"

namespace trazalia::app {

// The parallelogram method: two vectors, their live diagram and the construction on request.
class Form2 final : public VentanaMetodo {
    Q_OBJECT
public:
    explicit Form2(ControlVistas& vistas);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();

    QString NombreDeArchivo() const override;
    QString ComoRenovarResultado() const override;
    void DibujarVectores() override { HScroll1_Change(); }
    void Revelar() override { Command1_Click(); }
    std::array<int, 2> LecturasDelResultado() const override { return {10, 12}; }
    std::span<const std::pair<int, int>> LecturasDeBarras() const override { return kLecturas; }

protected:
    double Escalar(diagram::Escalado escalado, std::optional<double> retenida) override {
        metodo_.setEscalado(escalado, retenida);
        return metodo_.EscalaSiguiente();
    }

private:
    static constexpr std::pair<int, int> kLecturas[] = {{1, 5}, {2, 6}, {3, 7}, {4, 8}};

    parallelogram::Paralelogramo metodo_;
};

}  // namespace trazalia::app
