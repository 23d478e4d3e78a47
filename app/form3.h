// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ventana_metodo.h"
#include "polygon/poligono.h"

namespace trazalia::app {

// The polygon method: three vectors, their live diagram and the seven-step construction.
class Form3 final : public VentanaMetodo {
    Q_OBJECT
public:
    explicit Form3(ControlVistas& vistas);

    void Form_Load();
    void Command1_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void HScroll6_Change();
    void HScroll7_Change();

    QString NombreDeArchivo() const override;
    QString ComoRenovarResultado() const override;
    void DibujarVectores() override { HScroll1_Change(); }
    // The step the bar shows, drawn again.
    void Revelar() override { HScroll7_Change(); }
    // The step bar in the middle, where every key that moves it changes its value.
    void PrepararRevelado() override;
    std::array<int, 2> LecturasDelResultado() const override { return {14, 16}; }
    std::span<const std::pair<int, int>> LecturasDeBarras() const override { return kLecturas; }

protected:
    double Escalar(diagram::Escalado escalado, std::optional<double> retenida) override {
        metodo_.setEscalado(escalado, retenida);
        return metodo_.EscalaSiguiente();
    }

    // "Paso 2 de 7: vectores 1, 3 y 2"; "Paso 7 de 7: los seis órdenes a la vez".
    static QString TextoDelPaso(int paso);

private:
    static constexpr std::pair<int, int> kLecturas[] = {{1, 4},  {2, 5},  {3, 6}, {4, 10},
                                                        {5, 11}, {6, 12}, {7, 18}};

    void RotularPaso();

    polygon::Poligono metodo_;
};

}  // namespace trazalia::app
