// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/descripcion.h"

#include "diagram/formato.h"

namespace trazalia::diagram {

std::string Descripcion(const Resultado& dibujo, const Vistas& vistas, Traductor trad) {
    const auto t = [trad](const char* texto) { return trad(kContexto, texto); };
    std::string texto;
    if (dibujo.paso == 7) {
        texto = t(QT_TRANSLATE_NOOP("Trazalia", "Paso 7 de 7: los seis órdenes a la vez. "));
    } else if (dibujo.paso >= 1) {
        const auto& o = dibujo.orden;
        const std::string orden =
            std::to_string(o[0]) + ", " + std::to_string(o[1]) + ", " + std::to_string(o[2]);
        texto = Sustituir(
            t(QT_TRANSLATE_NOOP("Trazalia", "Paso %1 de 7: los vectores %2, punta con cola. ")),
            {std::to_string(dibujo.paso), orden});
    }
    for (std::size_t i = 0; i < dibujo.vectores.size(); ++i) {
        texto += Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Vector %1: %2 a %3°. ")),
                           {std::to_string(i + 1), std::to_string(dibujo.vectores[i].m),
                            std::to_string(dibujo.vectores[i].d)});
    }
    if (dibujo.resultante) {
        texto +=
            dibujo.direccion
                ? Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Resultante: %1 a %2°. ")),
                            {Formato(dibujo.r), Formato(*dibujo.direccion)})
                : Sustituir(
                      t(QT_TRANSLATE_NOOP("Trazalia", "Resultante: %1, sin dirección definida. ")),
                      {Formato(dibujo.r)});
    }
    if (vistas[Vista::Rotulos]) texto += t(QT_TRANSLATE_NOOP("Trazalia", "Con rótulos. "));
    if (vistas[Vista::Componentes])
        texto +=
            Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Componentes: %1. ")), {Componentes(dibujo)});
    if (vistas[Vista::Ecuacion])
        texto += Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Ecuación: %1. ")), {Ecuacion(dibujo)});
    if (vistas[Vista::Cuadricula]) texto += t(QT_TRANSLATE_NOOP("Trazalia", "Con cuadrícula. "));
    return texto +
           Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Escala %1.")), {Formato(dibujo.Escala)});
}

std::string Anuncio(const Resultado& dibujo, Traductor trad) {
    const auto t = [trad](const char* texto) { return trad(kContexto, texto); };
    std::string texto = dibujo.paso >= 1 ? Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Paso %1. ")),
                                                     {std::to_string(dibujo.paso)})
                                         : std::string();
    texto +=
        Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", "Resultante: magnitud %1")), {Formato(dibujo.r)});
    return texto + (dibujo.direccion
                        ? Sustituir(t(QT_TRANSLATE_NOOP("Trazalia", ", dirección %1°.")),
                                    {Formato(*dibujo.direccion)})
                        : t(QT_TRANSLATE_NOOP("Trazalia", ", dirección indefinida.")));
}

}  // namespace trazalia::diagram
