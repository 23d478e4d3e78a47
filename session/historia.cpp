// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/historia.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "session/teclas.h"

namespace trazalia::session {

namespace {

constexpr char kContexto[] = "Deshacer";

// A vector's number as a subscript: "₁", "₁₂".
std::string Subindice(int n) {
    std::string s;
    for (char c : std::to_string(n)) {
        s += "\xE2\x82";
        s += static_cast<char>(0x80 + (c - '0'));
    }
    return s;
}

// How a bar is named: r or α of its vector, as its caption reads, else what it is called.
std::string NombreDeBarra(int n, const Tabla& tabla, const diagram::Traductor& trad) {
    const int k = tabla.vectores;
    if (n >= 1 && n <= 2 * k) {
        const bool modulo = n <= k;
        return diagram::Sustituir(modulo ? "r%1" : "α%1", {Subindice(modulo ? n : n - k)});
    }
    const std::string nombre = "HScroll" + std::to_string(n);
    for (const Control& c : tabla.controles)
        if (c.nombre == nombre) {
            std::string d = trad(tabla.nombre.data(), c.descripcion);
            if (!d.empty())
                d[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(d[0])));
            return d;
        }
    return nombre;
}

}  // namespace

std::string NombreDelPaso(const Paso& paso, const Tabla& tabla, const diagram::Traductor& trad) {
    switch (paso.accion) {
        case Paso::Accion::Mover:
            return diagram::Sustituir(trad(kContexto, QT_TRANSLATE_NOOP("Deshacer", "mover %1")),
                                      {NombreDeBarra(paso.sujeto, tabla, trad)});
        case Paso::Accion::Escribir:
            return diagram::Sustituir(trad(kContexto, QT_TRANSLATE_NOOP("Deshacer", "escribir %1")),
                                      {NombreDeBarra(paso.sujeto, tabla, trad)});
        case Paso::Accion::Arrastrar:
            return diagram::Sustituir(
                trad(kContexto, QT_TRANSLATE_NOOP("Deshacer", "arrastrar la punta del vector %1")),
                {std::to_string(paso.sujeto)});
        case Paso::Accion::Vista: {
            const auto vistas = teclas::Vistas();
            const auto i = static_cast<std::size_t>(paso.sujeto);
            const std::string vista = i < vistas.size() ? trad("Vistas", vistas[i].titulo) : "";
            return diagram::Sustituir(
                paso.activa ? trad(kContexto, QT_TRANSLATE_NOOP("Deshacer", "activar «%1»"))
                            : trad(kContexto, QT_TRANSLATE_NOOP("Deshacer", "desactivar «%1»")),
                {vista});
        }
    }
    return {};
}

void Historia::Apuntar(Paso paso) {
    if (paso.accion != Paso::Accion::Vista) {
        std::erase_if(paso.cambios, [](const Paso::Cambio& c) { return c.antes == c.despues; });
        if (paso.cambios.empty()) return;
        // A thousand steps kept: each holds only what it changed.
        paso.cambios.shrink_to_fit();
    }
    rehacer_.clear();
    Paso* ultimo = deshacer_.empty() ? nullptr : &deshacer_.back();
    if (abierta_ && ultimo && paso.accion == Paso::Accion::Mover &&
        ultimo->accion == Paso::Accion::Mover && ultimo->sujeto == paso.sujeto) {
        // The same gesture on the same bar: one step from where it began to where it is now.
        for (const Paso::Cambio& c : paso.cambios) {
            auto hecho = std::find_if(ultimo->cambios.begin(), ultimo->cambios.end(),
                                      [&](const Paso::Cambio& h) { return h.barra == c.barra; });
            if (hecho == ultimo->cambios.end())
                ultimo->cambios.push_back(c);
            else
                hecho->despues = c.despues;
        }
        std::erase_if(ultimo->cambios, [](const Paso::Cambio& c) { return c.antes == c.despues; });
        // Back where it began: no step at all, and the gesture goes on from there.
        if (ultimo->cambios.empty()) {
            deshacer_.pop_back();
            abierta_ = false;
        }
        return;
    }
    deshacer_.push_back(std::move(paso));
    if (deshacer_.size() > kLimite) deshacer_.pop_front();
    abierta_ = true;
}

void Historia::Vaciar() {
    deshacer_.clear();
    rehacer_.clear();
    abierta_ = false;
}

void Historia::Deshecho() {
    rehacer_.push_back(std::move(deshacer_.back()));
    deshacer_.pop_back();
    abierta_ = false;
}

void Historia::Rehecho() {
    deshacer_.push_back(std::move(rehacer_.back()));
    rehacer_.pop_back();
    abierta_ = false;
}

std::size_t Historia::bytes() const {
    const auto de = [](const Paso& p) {
        return sizeof(Paso) + p.cambios.capacity() * sizeof(Paso::Cambio);
    };
    std::size_t total = 0;
    for (const Paso& p : deshacer_) total += de(p);
    for (const Paso& p : rehacer_) total += de(p);
    return total;
}

}  // namespace trazalia::session
