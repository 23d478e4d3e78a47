// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the views add to random pictures, measured in the face the painter draws them with:
// none covers another, and none enters the equation's line.

#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <random>
#include <type_traits>
#include <variant>
#include <vector>

#include "canvas/picture.h"
#include "canvas/qt/painter.h"
#include "diagram/tests/controles_de_prueba.h"
#include "diagram/vistas.h"
#include "parallelogram/paralelogramo.h"
#include "polygon/poligono.h"

namespace trazalia::diagram {
namespace {

struct Medido {
    QRectF caja;  // twips
    std::string texto;
};

// Each Text of the picture as the painter lays it out, in twips.
std::vector<Medido> Textos(const canvas::Picture& picture) {
    QImage dispositivo(8, 8, QImage::Format_RGB32);  // 96 dpi, as the picture's logical pixels
    const QFontMetricsF metricas(canvas::PrintFont(), &dispositivo);
    std::vector<Medido> textos;
    for (const canvas::Op& op : picture.ops()) {
        const auto* t = std::get_if<canvas::TextOp>(&op);
        if (!t) continue;
        const QString texto = QString::fromStdString(t->text);
        const QSizeF tamano = metricas.size(0, texto) * canvas::kTwipsPerPixel;
        const int i = static_cast<int>(t->anchor);
        const QPointF esquina(t->at.x - tamano.width() * (i % 3) / 2,
                              t->at.y - tamano.height() * (i / 3) / 2);
        textos.push_back({QRectF(esquina, tamano), t->text});
    }
    return textos;
}

void NadaSeCubre(const canvas::Picture& picture) {
    const std::vector<Medido> textos = Textos(picture);
    ASSERT_FALSE(textos.empty());
    // The equation is the one text at the picture's lower left corner; its line is its own.
    const QRectF& ecuacion = textos.front().caja;
    const QRectF banda(0, ecuacion.top(), picture.Width(), picture.Height() - ecuacion.top());
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const QRectF& a = textos[i].caja;
        EXPECT_TRUE(QRectF(0, 0, picture.Width(), picture.Height()).contains(a)) << textos[i].texto;
        if (i > 0) {
            EXPECT_FALSE(a.intersects(banda)) << textos[i].texto << " on the equation";
        }
        for (std::size_t j = i + 1; j < textos.size(); ++j)
            EXPECT_FALSE(a.intersects(textos[j].caja))
                << textos[i].texto << " covers " << textos[j].texto;
    }
}

Vistas Todas() {
    Vistas vistas;
    for (Vista v : {Vista::Rotulos, Vista::Componentes, Vista::Ecuacion, Vista::Grueso})
        vistas.Poner(v, true);
    return vistas;
}

int Tirada(std::mt19937& azar, int n) {
    return static_cast<int>(azar() % static_cast<unsigned>(n));
}

// Seeded random pictures of a window with every view on: the parallelogram with its resultant, or
// a step of the polygon (any step when paso is 0).
template <class Metodo>
void CadaDibujo(std::uint32_t semilla, int casos = 150, int paso = 0) {
    constexpr bool kPoligono = std::is_same_v<Metodo, polygon::Poligono>;
    constexpr int kVectores = kPoligono ? 3 : 2;
    std::mt19937 azar(semilla);
    for (int caso = 0; caso < casos; ++caso) {
        ControlesDePrueba form;
        canvas::Picture picture(7000, 6000);
        LienzoConVistas lienzo(picture);
        lienzo.PonerVistas(Todas());
        Metodo metodo(form, lienzo);
        metodo.Form_Load();
        for (int k = 1; k <= kVectores; ++k) {
            form.barras[k] = 1 + Tirada(azar, 100);
            form.barras[k + kVectores] = Tirada(azar, 361);
        }
        if constexpr (kPoligono) form.barras[7] = paso ? paso : 1 + Tirada(azar, 7);
        SCOPED_TRACE(testing::Message() << "caso " << caso);
        if constexpr (kPoligono)
            DibujarVistas(lienzo, metodo.HScroll7_Change(), lienzo.vistas());
        else
            DibujarVistas(lienzo, metodo.Command1_Click(), lienzo.vistas());
        NadaSeCubre(picture);
    }
}

TEST(TextosDeLasVistas, NoneCoversAnotherNorTheEquationInParallelograms) {
    CadaDibujo<parallelogram::Paralelogramo>(20261207);
}

TEST(TextosDeLasVistas, NoneCoversAnotherNorTheEquationInPolygons) {
    CadaDibujo<polygon::Poligono>(7);
}

// Step 7 labels every chained copy: now and then no place near a tip is free, and a label goes
// wherever the picture has room.
TEST(TextosDeLasVistas, NoneCoversAnotherEvenInTheCrowdedStep7) {
    CadaDibujo<polygon::Poligono>(7, 400, 7);
}

}  // namespace
}  // namespace trazalia::diagram
