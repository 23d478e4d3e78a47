// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/traducible.h"
#include "practice/metodo.h"

namespace trazalia::combination {

// Form4 as the program knows it: opened from Form1's "Resta y múltiplos"; no practice, worksheets
// or banks yet.
class MetodoDeCombinacion final : public practice::Metodo {
public:
    const diagram::Tabla& tabla() const override;
    // Marked: a bank's category names it in the bank's language.
    std::string_view clave() const override { return QT_TRANSLATE_NOOP("Trazalia", "combinacion"); }
    bool suma() const override { return false; }
    int coeficientes() const override { return 2; }
    bool practica() const override { return false; }
    const diagram::Control* botonDeInicio() const override;
    std::unique_ptr<diagram::Construccion> Construir(diagram::Controles& form,
                                                     canvas::Canvas& Picture1) const override;
    std::vector<diagram::Entrada> reserva() const override;
    int regresar() const override;
    std::vector<std::pair<int, int>> ValoresDelBoton(int boton) const override;
    bool Admite(practice::Codigo codigo) const override;
    std::string_view Pista(practice::Codigo codigo) const override;
    const char* nombreVisible() const override;
    const char* nombreCorto() const override;
    const char* instruccionDeHoja() const override;
    const char* solucionDeHoja() const override;
    const char* instruccionDeBanco() const override;
    std::vector<practice::Flecha> Construccion(
        const std::vector<practice::Componentes>& v) const override;
};

const practice::Metodo& ElMetodo();

}  // namespace trazalia::combination
