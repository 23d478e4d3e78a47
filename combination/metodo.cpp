// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/metodo.h"

#include <memory>

#include "combination/combinacion.h"
#include "combination/tabla.h"
#include "practice/respuesta.h"
#include "practice/veredicto.h"

namespace trazalia::combination {

namespace {

// Between Form1's two method buttons.
constexpr diagram::Control kBotonDeInicio{
    .nombre = "Command4",
    .tipo = diagram::Tipo::Button,
    .left = 4080,
    .top = 6120,
    .width = 2775,
    .height = 735,
    .tab = 6,
    .texto = QT_TRANSLATE_NOOP("Form1", "Resta y múltiplos"),
    .puntos = 15.75,
    .descripcion = QT_TRANSLATE_NOOP("Form1", "Resta y múltiplos de vectores"),
    .ayuda = QT_TRANSLATE_NOOP("Form1",
                               "Abre la ventana de resta y múltiplos: c = k₁a + k₂b, con a − b "
                               "de un toque."),
    .abre = "Form4",
    .adicion = true};

}  // namespace

const diagram::Tabla& MetodoDeCombinacion::tabla() const { return TablaForm4(); }

const diagram::Control* MetodoDeCombinacion::botonDeInicio() const { return &kBotonDeInicio; }

std::unique_ptr<diagram::Construccion> MetodoDeCombinacion::Construir(
    diagram::Controles& form, canvas::Canvas& Picture1) const {
    return std::make_unique<Combinacion>(form, Picture1);
}

std::vector<diagram::Entrada> MetodoDeCombinacion::reserva() const { return {{80, 30}, {50, 135}}; }

int MetodoDeCombinacion::regresar() const { return kBotonDeRegreso; }

std::vector<std::pair<int, int>> MetodoDeCombinacion::ValoresDelBoton(int boton) const {
    if (boton != kBotonDeResta) return {};
    return {kBarrasDeResta.begin(), kBarrasDeResta.end()};
}

bool MetodoDeCombinacion::Admite(practice::Codigo) const { return false; }

std::string_view MetodoDeCombinacion::Pista(practice::Codigo) const { return {}; }

const char* MetodoDeCombinacion::nombreVisible() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Resta y múltiplos");
}

const char* MetodoDeCombinacion::nombreCorto() const {
    return QT_TRANSLATE_NOOP("Trazalia", "Combinación");
}

const char* MetodoDeCombinacion::instruccionDeHoja() const { return ""; }
const char* MetodoDeCombinacion::solucionDeHoja() const { return ""; }
const char* MetodoDeCombinacion::instruccionDeBanco() const { return ""; }

std::vector<practice::Flecha> MetodoDeCombinacion::Construccion(
    const std::vector<practice::Componentes>&) const {
    return {};
}

const practice::Metodo& ElMetodo() {
    static const MetodoDeCombinacion metodo;
    return metodo;
}

}  // namespace trazalia::combination
