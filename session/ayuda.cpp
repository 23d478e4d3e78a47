// SPDX-License-Identifier: GPL-3.0-or-later
// The text of --help, from the option table.
#include <algorithm>

#include "session/opciones.h"

namespace trazalia::session {
namespace {

std::string Sangrado(std::string_view texto, std::size_t columna) {
    std::string out;
    for (char c : texto) {
        out += c;
        if (c == '\n') out.append(columna, ' ');
    }
    return out;
}

std::string Guiones(std::string_view nombre) { return "--" + std::string(nombre); }

}  // namespace

std::string Ayuda(diagram::Traductor t) {
    constexpr std::size_t kColumna = 24;  // where each option's text begins
    constexpr std::size_t kLinea = 88;    // the usage line's width
    const auto traducido = [&](const char* texto) { return t(kContextoDeOpciones, texto); };

    const std::span<const ModoDeLinea> modos = ModosDeLinea();
    std::string uso = traducido(QT_TRANSLATE_NOOP("Opciones", "Uso:")) + " trazalia [";
    const std::size_t sangria = uso.size();
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < modos.size(); ++i) {
        const Opcion& o = *QueElige(modos[i].modo);
        std::string parte = Guiones(o.nombre);
        if (!o.argumento.empty()) parte += ' ' + traducido(o.argumento.data());
        if (*modos[i].uso) parte += ' ' + traducido(modos[i].uso);
        parte += i + 1 < modos.size() ? " |" : "]";
        if (i > 0 && uso.size() - inicio + 1 + parte.size() > kLinea) {
            uso += '\n';
            inicio = uso.size();
            uso.append(sangria, ' ');
        } else if (i > 0) {
            uso += ' ';
        }
        uso += parte;
    }

    std::string texto =
        uso + "\n\n" +
        traducido(QT_TRANSLATE_NOOP("Opciones",
                                    "Trazalia: suma de vectores en el plano por los métodos "
                                    "del paralelogramo y del polígono.")) +
        "\n\n" +
        traducido(QT_TRANSLATE_NOOP("Opciones",
                                    "Con --script, realiza las acciones de ARCHIVO sin pantalla y "
                                    "escribe la traza de cada\noperación de dibujo en la salida "
                                    "estándar.")) +
        "\n\n" + traducido(QT_TRANSLATE_NOOP("Opciones", "Opciones:")) + '\n';
    for (const Opcion& o : Opciones()) {
        if (!o.ayuda) continue;
        std::string linea = o.dentro ? "    " : "  ";
        if (o.corto) linea += std::string{'-', o.corto, ',', ' '};
        linea += Guiones(o.nombre);
        if (!o.argumento.empty()) linea += ' ' + traducido(o.argumento.data());
        // Columns count characters, not bytes.
        const auto ancho = static_cast<std::size_t>(
            std::count_if(linea.begin(), linea.end(), [](char c) { return (c & 0xC0) != 0x80; }));
        linea.append(ancho + 2 > kColumna ? 2 : kColumna - ancho, ' ');
        const std::string ayuda =
            o.palabras ? diagram::Sustituir(traducido(o.ayuda), {o.palabras(Contexto{{}, 0, t})})
                       : traducido(o.ayuda);
        texto += linea + Sangrado(ayuda, kColumna) + '\n';
    }
    texto += '\n' +
             traducido(QT_TRANSLATE_NOOP("Opciones",
                                         "Acepta también las opciones comunes de Qt, como "
                                         "-platform NOMBRE o -style NOMBRE.")) +
             '\n';
    return texto;
}

}  // namespace trazalia::session
