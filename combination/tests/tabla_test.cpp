// SPDX-License-Identifier: GPL-3.0-or-later
#include "combination/tabla.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace trazalia::combination {
namespace {

// The client area every window shares (session::kClientWidth × kClientHeight), in twips.
constexpr int kAncho = 10875;
constexpr int kAlto = 7995;

TEST(TablaForm4, CadaControlCabeYNingunoPisaOtro) {
    const diagram::Tabla& tabla = TablaForm4();
    std::set<int> tabs;
    for (const diagram::Control& a : tabla.controles) {
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + a.width <= kAncho &&
                    a.top + a.height <= kAlto)
            << a.nombre;
        EXPECT_TRUE(tabs.insert(a.tab).second) << a.nombre;
        EXPECT_NE(*a.descripcion, '\0') << a.nombre;
        EXPECT_NE(*a.ayuda, '\0') << a.nombre;
        for (const diagram::Control& b : tabla.controles) {
            if (&a >= &b) continue;
            EXPECT_FALSE(a.left < b.left + b.width && b.left < a.left + a.width &&
                         a.top < b.top + b.height && b.top < a.top + a.height)
                << a.nombre << " y " << b.nombre;
        }
    }
}

// Each bar's read-out and the result's are read-outs, only the result's written by "Graficar c";
// the buttons the core presses exist.
TEST(TablaForm4, LecturasYBotones) {
    const diagram::Tabla& tabla = TablaForm4();
    const auto tipo = [&](const std::string& nombre, bool resultado = false) {
        for (const diagram::Control& c : tabla.controles)
            if (nombre == c.nombre && c.resultado == resultado) return c.tipo;
        return diagram::Tipo::Image;
    };
    for (auto [barra, lectura] : tabla.lecturas) {
        EXPECT_EQ(tipo("HScroll" + std::to_string(barra)), diagram::Tipo::HScroll) << barra;
        EXPECT_EQ(tipo("Label" + std::to_string(lectura)), diagram::Tipo::Lectura) << lectura;
    }
    for (int lectura : {tabla.resultado.first, tabla.resultado.second})
        EXPECT_EQ(tipo("Label" + std::to_string(lectura), true), diagram::Tipo::Lectura);
    for (int n : {kBotonQueRevela, kBotonDeRegreso, kBotonDeResta})
        EXPECT_EQ(tipo("Command" + std::to_string(n)), diagram::Tipo::Button) << n;
}

}  // namespace
}  // namespace trazalia::combination
