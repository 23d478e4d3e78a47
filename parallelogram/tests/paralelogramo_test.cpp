#include "parallelogram/paralelogramo.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "canvas/picture.h"
#include "canvas/trace_writer.h"

namespace trazalia::parallelogram {
namespace {

// Form2 after Form_Load on its 7000 × 6000 picture. Captions go into the same trace as the
// drawing, so their place among it shows.
struct Ventana final : diagram::Controles {
    Ventana(int m1, int d1, int m2, int d2) : barras{{1, m1}, {2, m2}, {3, d1}, {4, d2}} {
        p.Form_Load();
    }
    int HScroll(int n) const override { return barras.at(n); }
    void Label(int n, std::string_view caption) override {
        writer.Caption("Form2.Label" + std::to_string(n), caption);
        rotulos[n] = caption;
    }
    std::map<int, int> barras;
    std::map<int, std::string> rotulos;
    std::ostringstream out;
    canvas::TraceWriter writer{out};
    canvas::PictureTrace trace{writer, "P"};
    canvas::Picture picture{7000, 6000, canvas::Color{64, 64, 64}};
    canvas::ListenerHandle escucha = picture.AddListener(&trace);
    Paralelogramo p{*this, picture};
};

// One click: the resultant's black head, drawn last, and the two read-outs.
struct Clic {
    const char* name;
    int m1, d1, m2, d2;
    float inicio, fin;
    const char* r;
    const char* direccion;
    friend void PrintTo(const Clic& row, std::ostream* os) { *os << row.name; }
};

class ClicTest : public testing::TestWithParam<Clic> {};

TEST_P(ClicTest, DrawsTheBlackHeadAndWritesTheReadOuts) {
    const Clic& row = GetParam();
    Ventana v(row.m1, row.d1, row.m2, row.d2);
    v.p.Command1_Click();
    const auto* cabeza = std::get_if<canvas::CircleOp>(&v.picture.Ops().back());
    ASSERT_TRUE(cabeza && cabeza->color == canvas::kBlack);
    EXPECT_FLOAT_EQ(cabeza->start, row.inicio);
    EXPECT_FLOAT_EQ(cabeza->end, row.fin);
    EXPECT_EQ(v.rotulos[10], row.r);
    EXPECT_EQ(v.rotulos[12], row.direccion);
}

// With Pi = 3.1416 the head's angles stray just outside one turn and are brought back.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Form2, ClicTest, testing::Values(
    Clic{"OppositeFiftiesHaveNoDirection", 50, 0, 50, 180, 3.14159274F, 6.28317785F, "0.00",
         "Indefinido"},
    Clic{"StraightUpStartsAtOneTurn", 100, 90, 0, 0, 6.28318548F, 3.14159989F, "100.00", "90.00"},
    Clic{"StartAboveOneTurnComesBack", 100, 90, 50, 270, 7.34641026e-06F, 3.14159274F, "50.00",
         "90.00"},
    Clic{"AlmostAFullTurnKeepsItsHead", 100, 0, 1, 180, 4.71238518F, 1.57078528F, "99.00",
         "360.00"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ParalelogramoTest, LoadAndClickTraceIsExactAndAChangeRedrawsItsScene) {
    Ventana v(100, 0, 100, 90);
    v.p.Command1_Click();
    std::string verticales, horizontales;  // the tick marks, every tenth of each axis
    for (int i = 0; i <= 10; ++i) {
        const std::string y = std::to_string(300 + 540 * i), x = std::to_string(350 + 630 * i);
        verticales += "P Line 3500 " + y + " 3640 " + y + " #000000\n";
        horizontales += "P Line " + x + " 3000 " + x + " 3120 #000000\n";
    }
    const std::string clic = v.out.str();
    EXPECT_EQ(clic, R"(P DrawWidth 2
Form2.Label5 Caption "0"
Form2.Label6 Caption "0"
Form2.Label7 Caption "0"
Form2.Label8 Caption "0"
Form2.Label5 Caption "100"
Form2.Label6 Caption "100"
Form2.Label7 Caption "0"
Form2.Label8 Caption "90"
P Cls
P Line 3500 300 3500 5700 fore
P Line 3500 300 3360 480 fore
P Line 3500 300 3640 480 fore
)" + verticales + R"(P Line 3710 300 3710 300 #000000
P Print "141.42"
P Line 3710 5400 3710 5400 #000000
P Print "-141.42"
P Line 350 3000 6650 3000 fore
P Line 6510 2880 6650 3000 fore
P Line 6510 3120 6650 3000 fore
)" + horizontales + R"(P Line 350 3180 350 3180 #000000
P Print "-141.42"
P Line 6300 3180 6300 3180 #000000
P Print "141.42"
P Line 3500 3000 5727.3906 3000 #ff0000
P Circle 5667.3906 3000 60 #ff0000 4.7124 1.5708
P Line 3500 3000 3499.9917 1090.8082 #0000ff
P Circle 3499.992 1150.8082 60 #0000ff 0 3.1416
P Line 3499.9917 1090.8082 5727.3823 1090.8082 #ff0000
P Line 5727.3906 3000 5727.3823 1090.8082 #0000ff
P Line 3500 3000 5727.3823 1090.8082 #000000
P Circle 5684.956 1133.2346 60 #000000 5.4978 2.3562
Form2.Label10 Caption "141.42"
Form2.Label12 Caption "45.00"
)");
    // A change draws the same scene without the construction and writes no result.
    v.out.str("");
    v.p.HScroll_Change();
    const auto desde = clic.find("Form2.Label5 Caption \"100\"");
    EXPECT_EQ(v.out.str(), clic.substr(desde, clic.find("P Line 3499.9917 1090") - desde));
}

TEST(ParalelogramoTest, BothMagnitudesZeroKeepThePictureAndTheDirection) {
    Ventana v(30, 0, 40, 90);
    v.p.Command1_Click();
    v.out.str("");
    v.barras = {{1, 0}, {2, 0}, {3, 7}, {4, 90}};
    v.p.HScroll_Change();
    EXPECT_EQ(v.rotulos[7], "7");
    EXPECT_EQ(v.rotulos[12], "53.13");
    v.p.Command1_Click();
    EXPECT_EQ(v.out.str().find("P "), std::string::npos);  // nothing cleared, nothing drawn
    EXPECT_FLOAT_EQ(static_cast<float>(v.p.AnguloResultante), 0.927297592F);
    EXPECT_EQ(v.rotulos[10], "0.00");
    EXPECT_EQ(v.rotulos[12], "Indefinido");
}

}  // namespace
}  // namespace trazalia::parallelogram
