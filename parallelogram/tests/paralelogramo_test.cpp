#include "parallelogram/paralelogramo.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"
#include "diagram/tests/controles_de_prueba.h"

namespace trazalia::parallelogram {
namespace {

using canvas::CircleOp;

struct Entradas {
    int m1, d1, m2, d2;
};

// Form2 after Form_Load, on its 7000 × 6000 picture with the (64, 64, 64) foreground.
struct Ventana {
    explicit Ventana(Entradas e) {
        p.Form_Load();
        form.barras = {{1, e.m1}, {2, e.m2}, {3, e.d1}, {4, e.d2}};
    }
    std::vector<CircleOp> Arcos(canvas::Color color) const {
        std::vector<CircleOp> arcos;
        for (const auto& op : picture.Ops()) {
            const auto* c = std::get_if<CircleOp>(&op);
            if (c && c->color == color) arcos.push_back(*c);
        }
        return arcos;
    }
    std::vector<std::string> Traza() const {
        std::vector<std::string> lineas;
        for (const auto& op : picture.Ops()) lineas.push_back(canvas::FormatOp(op));
        return lineas;
    }

    diagram::ControlesDePrueba form;
    canvas::Picture picture{7000, 6000, canvas::Color{64, 64, 64}};
    Paralelogramo p{form, picture};
};

float F(double v) { return static_cast<float>(v); }

// One click: the resultant, its tip and scale, its black head and the two read-outs.
struct Clic {
    const char* name;
    Entradas e;
    float a, r, Escala, prx, pry, inicio, fin;
    const char* label10;
    const char* label12;
    friend void PrintTo(const Clic& row, std::ostream* os) { *os << row.name; }
};

class ClicTest : public testing::TestWithParam<Clic> {};

TEST_P(ClicTest, DrawsTheResultantAndWritesItsReadOuts) {
    const Clic& row = GetParam();
    Ventana v(row.e);
    ASSERT_NO_THROW(v.p.Command1_Click());
    EXPECT_FLOAT_EQ(F(v.p.AnguloResultante), row.a);
    auto calculo = v.p.CalcularResultante();
    ASSERT_TRUE(calculo);
    EXPECT_FLOAT_EQ(F(calculo->r), row.r);
    EXPECT_FLOAT_EQ(F(calculo->Escala), row.Escala);
    EXPECT_FLOAT_EQ(F(calculo->PR.x), row.prx);
    EXPECT_FLOAT_EQ(F(calculo->PR.y), row.pry);
    const auto negros = v.Arcos(canvas::kBlack);
    ASSERT_EQ(negros.size(), 1u);
    EXPECT_FLOAT_EQ(negros[0].start, row.inicio);
    EXPECT_FLOAT_EQ(negros[0].end, row.fin);
    EXPECT_EQ(v.form.rotulos[10], row.label10);
    EXPECT_EQ(v.form.rotulos[12], row.label12);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form2, ClicTest, testing::Values(
    Clic{"FirstQuadrant", {30, 0, 40, 90}, 0.927297592F, 49.9999118F, 49.9999118F,
         5389.99414F, 839.996216F, 5.63969755F, 2.49809766F, "50.00", "53.13"},
    Clic{"SecondQuadrant", {100, 135, 0, 0}, 2.35619998F, 100, 100,
         1272.60144F, 1090.82214F, 0.785399973F, 3.92700005F, "100.00", "135.00"},
    Clic{"OppositeFiftiesFallInTheFourth", {50, 0, 50, 180}, 4.71239281F, 0.00036732051F, 50,
         3500, 3000.01978F, 3.14159274F, 6.28317785F, "0.00", "Indefinido"},
    Clic{"SameDirectionScalesToTheSum", {100, 45, 100, 45}, 0.785399973F, 200, 200,
         5727.38232F, 1090.80823F, 5.49779987F, 2.35619998F, "200.00", "45.00"},
    Clic{"StraightUpHasNoRadius", {100, 90, 0, 0}, 1.57079995F, 100, 100,
         3499.98853F, 300, 6.28318548F, 3.14159989F, "100.00", "90.00"},
    Clic{"StartAboveOneTurnComesBack", {100, 90, 50, 270}, 1.57079268F, 50, 100,
         3500.00586F, 1650, 7.34641026e-06F, 3.14159274F, "50.00", "90.00"},
    Clic{"West", {100, 180, 0, 0}, 3.14159989F, 100, 100,
         350, 3000.01978F, 1.57079995F, 4.71239996F, "100.00", "180.00"},
    Clic{"StraightDownHasNoRadius", {100, 270, 0, 0}, 4.71239996F, 100, 100,
         3500.03467F, 5700, 3.14159989F, 6.28318548F, "100.00", "270.00"},
    Clic{"FullTurnReadsZero", {100, 360, 0, 0}, 1.46928205e-05F, 100, 100,
         6650, 2999.96045F, 4.71241474F, 1.57081473F, "100.00", "0.00"},
    Clic{"AlmostAFullTurnKeepsItsHead", {100, 0, 1, 180}, 6.28318501F, 99, 100,
         6618.5F, 3000.00024F, 4.71238518F, 1.57078528F, "99.00", "360.00"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Vector 1 of 100 and vector 2 of 0 in the same direction d: the blue head sits on the origin.
struct Cabeza {
    const char* name;
    int d;
    float rojox, rojoy, azulx, azuly, inicio, fin;
    friend void PrintTo(const Cabeza& row, std::ostream* os) { *os << row.name; }
};

class CabezaTest : public testing::TestWithParam<Cabeza> {};

TEST_P(CabezaTest, PicksTheRowOfTheWholeDegrees) {
    const Cabeza& row = GetParam();
    Ventana v({100, row.d, 0, row.d});
    v.p.HScroll_Change();
    const auto rojos = v.Arcos({255, 0, 0});
    const auto azules = v.Arcos({0, 0, 255});
    ASSERT_EQ(rojos.size(), 1u);
    ASSERT_EQ(azules.size(), 1u);
    for (const auto& [arco, x, y] : {std::tuple{rojos[0], row.rojox, row.rojoy},
                                     std::tuple{azules[0], row.azulx, row.azuly}}) {
        EXPECT_FLOAT_EQ(arco.centre.x, x);
        EXPECT_FLOAT_EQ(arco.centre.y, y);
        EXPECT_FLOAT_EQ(arco.start, row.inicio);
        EXPECT_FLOAT_EQ(arco.end, row.fin);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form2, CabezaTest, testing::Values(
    Cabeza{"D89", 89, 3553.91675F, 360.401917F, 3498.95312F, 3059.99097F, 6.26574659F, 3.1241467F},
    Cabeza{"D90OwnRow", 90, 3499.98877F, 360, 3500.00024F, 3060, 0, 3.14159989F},
    Cabeza{"D91", 91, 3446.06055F, 360.402252F, 3501.04736F, 3059.99097F, 0.0174533334F,
           3.15905333F},
    Cabeza{"D180OwnRow", 180, 410, 3000.01929F, 3560, 2999.99951F, 1.57079995F, 4.71239996F},
    Cabeza{"D270OwnRow", 270, 3500.03394F, 5640, 3499.99927F, 2940, 3.14159989F, 0},
    Cabeza{"D360LastRow", 360, 6590, 2999.96118F, 3440, 3000.00098F, 4.71239996F, 1.57079995F}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ParalelogramoTest, ChangeRedrawsTheSceneOfAClickWithoutItsConstruction) {
    Ventana v({100, 45, 60, 200});
    v.form.escritos.clear();
    v.p.HScroll_Change();
    const auto cambio = v.Traza();
    EXPECT_EQ(v.form.escritos,
              (decltype(v.form.escritos){{5, "100"}, {6, "60"}, {7, "45"}, {8, "200"}}));
    v.p.Command1_Click();
    const auto clic = v.Traza();
    ASSERT_EQ(clic.size(), cambio.size() + 4);
    EXPECT_EQ(std::vector(clic.begin(), clic.begin() + cambio.size()), cambio);
}

TEST(ParalelogramoTest, BothMagnitudesZeroKeepThePictureAndTheDirection) {
    Ventana v({30, 0, 40, 90});
    v.p.Command1_Click();
    const auto antes = v.Traza();
    v.form.barras = {{1, 0}, {2, 0}, {3, 7}, {4, 90}};
    v.p.HScroll_Change();
    EXPECT_EQ(v.form.rotulos[7], "7");
    EXPECT_EQ(v.form.rotulos[12], "53.13");
    v.p.Command1_Click();
    EXPECT_EQ(v.Traza(), antes);
    EXPECT_FLOAT_EQ(F(v.p.AnguloResultante), 0.927297592F);
    EXPECT_EQ(v.form.rotulos[10], "0.00");
    EXPECT_EQ(v.form.rotulos[12], "Indefinido");
}

// Captions go into the same trace as the picture, so their place among the drawing shows.
class ControlesTrazados final : public diagram::Controles {
public:
    explicit ControlesTrazados(canvas::TraceWriter& writer) : writer_(writer) {}
    int HScroll(int n) const override { return barras.at(n); }
    void Label(int n, std::string_view caption) override {
        writer_.Caption("Form2.Label" + std::to_string(n), caption);
    }
    std::map<int, int> barras;

private:
    canvas::TraceWriter& writer_;
};

TEST(ParalelogramoTest, LoadAndClickTraceIsExact) {
    std::ostringstream out;
    canvas::TraceWriter writer(out);
    canvas::PictureTrace trace(writer, "P");
    canvas::Picture picture(7000, 6000, canvas::Color{64, 64, 64});
    picture.AddListener(&trace);
    ControlesTrazados form(writer);
    Paralelogramo p(form, picture);
    p.Form_Load();
    form.barras = {{1, 100}, {2, 100}, {3, 0}, {4, 90}};
    p.Command1_Click();
    EXPECT_EQ(out.str(), R"(P DrawWidth 2
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
P Line 3500 300 3640 300 #000000
P Line 3500 840 3640 840 #000000
P Line 3500 1380 3640 1380 #000000
P Line 3500 1920 3640 1920 #000000
P Line 3500 2460 3640 2460 #000000
P Line 3500 3000 3640 3000 #000000
P Line 3500 3540 3640 3540 #000000
P Line 3500 4080 3640 4080 #000000
P Line 3500 4620 3640 4620 #000000
P Line 3500 5160 3640 5160 #000000
P Line 3500 5700 3640 5700 #000000
P Line 3710 300 3710 300 #000000
P Print "141.42"
P Line 3710 5400 3710 5400 #000000
P Print "-141.42"
P Line 350 3000 6650 3000 fore
P Line 6510 2880 6650 3000 fore
P Line 6510 3120 6650 3000 fore
P Line 350 3000 350 3120 #000000
P Line 980 3000 980 3120 #000000
P Line 1610 3000 1610 3120 #000000
P Line 2240 3000 2240 3120 #000000
P Line 2870 3000 2870 3120 #000000
P Line 3500 3000 3500 3120 #000000
P Line 4130 3000 4130 3120 #000000
P Line 4760 3000 4760 3120 #000000
P Line 5390 3000 5390 3120 #000000
P Line 6020 3000 6020 3120 #000000
P Line 6650 3000 6650 3120 #000000
P Line 350 3180 350 3180 #000000
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
}

}  // namespace
}  // namespace trazalia::parallelogram
