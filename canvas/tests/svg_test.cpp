// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/svg.h"

#include <gtest/gtest.h>

#include <functional>

#include "canvas/tests/xml_lector.h"

namespace trazalia::canvas {
namespace {

using pruebas::LeerXml;
using pruebas::Nodo;

constexpr Color kRojo{255, 0, 0};

// One operation on a picture, and the element the document draws for it (after the background).
struct Fila {
    const char* name;
    std::function<void(Picture&)> dibujar;
    const char* elemento;
    friend void PrintTo(const Fila& row, std::ostream* os) { *os << row.name; }
};

class SvgOpTest : public testing::TestWithParam<Fila> {};

TEST_P(SvgOpTest, DrawsTheElementOfTheOperation) {
    Picture picture(7000, 6000, Color{0, 0, 128});
    picture.SetDrawWidth(2);
    GetParam().dibujar(picture);
    const std::string svg = Svg(picture);
    const std::string fondo = "fill=\"#ffffff\"/>\n";
    const auto desde = svg.find(fondo);
    ASSERT_NE(desde, std::string::npos) << svg;
    EXPECT_EQ(svg.substr(desde + fondo.size()), std::string(GetParam().elemento) + "</svg>\n");
    EXPECT_TRUE(LeerXml(svg)) << svg;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Svg, SvgOpTest, testing::Values(
    Fila{"LineInTheForegroundAtDrawWidthPixels", [](Picture& p) { p.Line(10, 20.5F, 300, 40); },
         "<line x1=\"10\" y1=\"20.5\" x2=\"300\" y2=\"40\" fill=\"none\" stroke=\"#000080\" "
         "stroke-width=\"30\" stroke-linecap=\"round\"/>\n"},
    Fila{"DashedLineFourWidthsOnTwoOff",
         [](Picture& p) { p.DashedLine(0, 0, 100, 0, kRojo); },
         "<line x1=\"0\" y1=\"0\" x2=\"100\" y2=\"0\" fill=\"none\" stroke=\"#ff0000\" "
         "stroke-width=\"30\" stroke-dasharray=\"120 60\"/>\n"},
    Fila{"LineWithoutLengthIsADot", [](Picture& p) { p.Line(5, 6, 5, 6, kRojo); },
         "<circle cx=\"5\" cy=\"6\" r=\"15\" fill=\"#ff0000\"/>\n"},
    Fila{"StrokeKeepsItsWidthInTwips",
         [](Picture& p) { p.Stroke(1, 2, 3, 4, Color{0, 255, 0}, 7.5F); },
         "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" fill=\"none\" stroke=\"#00ff00\" "
         "stroke-width=\"7.5\" stroke-linecap=\"round\"/>\n"},
    Fila{"StrokeOfWidthZeroIsAHairline", [](Picture& p) { p.Stroke(1, 2, 3, 4, kBlack, 0); },
         "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" fill=\"none\" stroke=\"#000000\" "
         "stroke-width=\"1\" vector-effect=\"non-scaling-stroke\" stroke-linecap=\"round\"/>\n"},
    // A quarter from 0 to π/2 counter-clockwise on screen: from the right to the top.
    Fila{"ArcCounterClockwiseInTwoHalves",
         [](Picture& p) { p.Arc(100, 100, 50, kRojo, 0, 1.5707964F, 3); },
         "<path d=\"M150 100 A50 50 0 0 0 135.36 64.64 A50 50 0 0 0 100 50\" fill=\"none\" "
         "stroke=\"#ff0000\" stroke-width=\"3\" stroke-linecap=\"round\" "
         "stroke-linejoin=\"round\"/>\n"},
    // From 3π/2 to π/2 passes through 0; the negative end adds the radius back to the centre.
    Fila{"CircleThroughZeroWithARadiusAtItsNegativeEnd",
         [](Picture& p) { p.Circle(0, 0, 10, kRojo, 4.712389F, -1.5707964F); },
         "<path d=\"M0 10 A10 10 0 0 0 10 0 A10 10 0 0 0 0 -10 L0 0\" fill=\"none\" "
         "stroke=\"#ff0000\" stroke-width=\"30\" stroke-linecap=\"round\" "
         "stroke-linejoin=\"round\"/>\n"},
    Fila{"PrintAtTheCurrentPointInTheForegroundFont",
         [](Picture& p) { p.Line(0, 0, 30, 40); p.Cls(); p.Line(0, 0, 30, 40); p.Print("0.00"); },
         "<line x1=\"0\" y1=\"0\" x2=\"30\" y2=\"40\" fill=\"none\" stroke=\"#000080\" "
         "stroke-width=\"30\" stroke-linecap=\"round\"/>\n"
         "<text x=\"30\" y=\"40\" font-size=\"160\" fill=\"#000080\" "
         "dominant-baseline=\"text-before-edge\">0.00</text>\n"},
    Fila{"TextByItsSouthEastCorner",
         [](Picture& p) { p.Text(70, 80, Anchor::Se, kRojo, "R"); },
         "<text x=\"70\" y=\"80\" font-size=\"160\" fill=\"#ff0000\" text-anchor=\"end\" "
         "dominant-baseline=\"text-after-edge\">R</text>\n"},
    Fila{"LabelInItsOwnBoldFaceByItsCentre",
         [](Picture& p) { p.Label(7, 8, Anchor::C, kBlack, TextStyle{11, true, 0}, "A"); },
         "<text x=\"7\" y=\"8\" font-size=\"220\" fill=\"#000000\" text-anchor=\"middle\" "
         "dominant-baseline=\"central\" font-weight=\"bold\">A</text>\n"},
    Fila{"TextEscapedForXml",
         [](Picture& p) { p.Text(0, 0, Anchor::N, kBlack, "a<b & \"c\"\x01]]>"); },
         "<text x=\"0\" y=\"0\" font-size=\"160\" fill=\"#000000\" text-anchor=\"middle\" "
         "dominant-baseline=\"text-before-edge\">a&lt;b &amp; &quot;c&quot; ]]&gt;</text>\n"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SvgTest, SizeInCssPixelsAtTheScaleOverAViewBoxInTwips) {
    Picture picture(7000, 6000, kBlack, Color{1, 2, 3});
    picture.Text(0, 0, Anchor::Nw, kBlack, "ñ");
    const std::optional<Nodo> svg = LeerXml(Svg(picture, 1.5));
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->Atributo("width"), "700");
    EXPECT_EQ(svg->Atributo("height"), "600");
    EXPECT_EQ(svg->Atributo("viewBox"), "0 0 7000 6000");
    ASSERT_EQ(svg->hijos.size(), 2u);
    EXPECT_EQ(svg->hijos[0].Atributo("fill"), "#010203");
    EXPECT_EQ(svg->hijos[1].texto, "ñ");
}

}  // namespace
}  // namespace trazalia::canvas
