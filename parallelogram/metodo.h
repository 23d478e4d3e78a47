// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/traducible.h"
#include "practice/metodo.h"

namespace trazalia::parallelogram {

class MetodoDelParalelogramo final : public practice::Metodo {
public:
    const diagram::Tabla& tabla() const override;
    // Marked: a bank's category names it in the bank's language.
    std::string_view clave() const override {
        return QT_TRANSLATE_NOOP("Trazalia", "paralelogramo");
    }
    std::unique_ptr<diagram::Construccion> Construir(diagram::Controles& form,
                                                     canvas::Canvas& Picture1) const override;
    std::vector<diagram::Entrada> reserva() const override;
    int regresar() const override;
    bool Admite(practice::Codigo codigo) const override;
    std::string_view Pista(practice::Codigo codigo) const override;
    std::string_view Explicacion(practice::Codigo codigo) const override;
    const char* nombreVisible() const override;
    const char* nombreCorto() const override {
        return QT_TRANSLATE_NOOP("Trazalia", "Paralelogramo");
    }
    const char* instruccionDeHoja() const override;
    const char* solucionDeHoja() const override;
    const char* instruccionDeBanco() const override;
    std::vector<practice::EtapaDeConstruccion> Etapas(std::size_t flechas) const override;
    std::vector<practice::Flecha> Construccion(
        const std::vector<practice::Componentes>& v) const override;
};

const practice::Metodo& ElMetodo();

}  // namespace trazalia::parallelogram
