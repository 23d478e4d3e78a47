// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/traducible.h"
#include "practice/metodo.h"

namespace trazalia::combination {

// Form4 as the program knows it: opened from Form1's "Resta y múltiplos", with practice,
// worksheets and banks on c = k₁a + k₂b.
class MetodoDeCombinacion final : public practice::Metodo {
public:
    const diagram::Tabla& tabla() const override;
    // Marked: a bank's category names it in the bank's language.
    std::string_view clave() const override { return QT_TRANSLATE_NOOP("Trazalia", "combinacion"); }
    bool suma() const override { return false; }
    int coeficientes() const override { return 2; }
    const diagram::Control* botonDeInicio() const override;
    std::unique_ptr<diagram::Construccion> Construir(diagram::Controles& form,
                                                     canvas::Canvas& Picture1) const override;
    std::vector<diagram::Entrada> reserva() const override;
    std::vector<int> coeficientesDeReserva() const override;
    // Easy: ±1, a − b half the time; medium: whole from −3 to 3; hard: halves from −3.5 to
    // 3.5; never 0.
    std::vector<int> SortearCoeficientes(practice::Nivel nivel,
                                         const std::function<int(int)>& indice) const override;
    std::vector<practice::TipoDeCoeficientes> tiposDeCoeficientes() const override;
    // A subtraction: a − b or b − a, at every level. Multiples: the level's draw without ±1
    // alone, the easy level taking the medium's whole coefficients (its own are ±1).
    std::vector<int> SortearCoeficientesDeTipo(
        practice::Nivel nivel, practice::TipoDeCoeficientes tipo,
        const std::function<int(int)>& indice) const override;
    int regresar() const override;
    std::vector<std::pair<int, int>> ValoresDelBoton(int boton) const override;
    bool Admite(practice::Codigo codigo) const override;
    // From a's and b's components as the window computes them (Respuesta::vectores):
    //   SumaEnVezDeResta        every coefficient −1 taken as +1; only where one is −1
    //   RestaAlReves            −c; only where exactly one coefficient is negative
    //   SinInvertir             every negative coefficient but −1 taken as its absolute value
    //   AnguloPorK              each term |k|·|v| long at k·θ; only where some k is not 0 or 1
    //   SumaDeModulosEscalados  |k₁||a| + |k₂||b|, any direction
    //   FaltaUnTermino          k₁a alone, and k₂b alone
    std::vector<practice::Objetivo> Objetivos(practice::Codigo codigo,
                                              const practice::Ejercicio& ejercicio,
                                              const practice::Respuesta& respuesta) const override;
    std::string_view Pista(practice::Codigo codigo) const override;
    const char* nombreVisible() const override;
    const char* nombreCorto() const override;
    const char* instruccionDeHoja() const override;
    const char* solucionDeHoja() const override;
    const char* instruccionDeBanco() const override;
    std::vector<practice::EtapaDeConstruccion> Etapas(std::size_t flechas) const override;
    std::vector<practice::Flecha> Construccion(
        const std::vector<practice::Componentes>& v) const override;
    std::string_view letraDeResultante() const override { return "c"; }
    std::string_view Letra(std::size_t vector) const override;
    std::string_view NombreDeTermino(std::size_t vector) const override;
};

const practice::Metodo& ElMetodo();

}  // namespace trazalia::combination
