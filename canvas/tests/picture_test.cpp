#include "canvas/picture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"

namespace trazalia::canvas {
namespace {

TEST(PictureTest, ClsThenPrintStartsAtTopLeftCorner) {
    Picture picture(7000, 6000);
    picture.Line(10, 20, 30, 40);
    picture.Cls();
    picture.Print("0.00");
    ASSERT_EQ(picture.Ops().size(), 1u);
    EXPECT_EQ(std::get<PrintOp>(picture.Ops()[0]).at, (Point{0, 0}));
}

TEST(PictureTest, ZeroLengthLineMovesTheCurrentPointThere) {
    Picture picture(7000, 6000);
    picture.Line(3710, 300, 3710, 300, kBlack);
    EXPECT_EQ(picture.CurrentPoint(), (Point{3710, 300}));
    picture.Print("100.00");
    EXPECT_EQ(std::get<PrintOp>(picture.Ops().back()).at, (Point{3710, 300}));
}

TEST(PictureTest, CircleLeavesTheCurrentPointAtItsCentre) {
    Picture picture(7000, 6000);
    picture.Circle(6590, 3000, 60, Color{255, 0, 0}, 4.7124F, 1.5708F);
    EXPECT_EQ(picture.CurrentPoint(), (Point{6590, 3000}));
}

struct RefusedAngle {
    const char* name;
    float start;
    float end;
    friend void PrintTo(const RefusedAngle& row, std::ostream* os) { *os << row.name; }
};

class CircleAngleTest : public testing::TestWithParam<RefusedAngle> {};

TEST_P(CircleAngleTest, IsRefusedAndNothingIsDrawn) {
    Picture picture(7000, 6000);
    picture.Line(1, 2, 3, 4);
    EXPECT_THROW(picture.Circle(100, 100, 60, kBlack, GetParam().start, GetParam().end),
                 AngleOutOfRange);
    EXPECT_EQ(picture.Ops().size(), 1u);
    EXPECT_EQ(picture.CurrentPoint(), (Point{3, 4}));
}

INSTANTIATE_TEST_SUITE_P(OutsideOneTurn, CircleAngleTest,
                         testing::Values(RefusedAngle{"StartAboveTwoPi", 6.2831926F, 1.5708F},
                                         RefusedAngle{"EndBelowMinusTwoPi", 0, -6.3F},
                                         RefusedAngle{"NotANumber",
                                                      std::numeric_limits<float>::quiet_NaN(), 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureTest, AcceptsTwoPiRoundedToSinglePrecision) {
    Picture picture(7000, 6000);
    EXPECT_NO_THROW(picture.Circle(0, 0, 60, kBlack, 6.2831855F, -6.2831855F));
}

TEST(TraceTest, WritesEachOperationAsItIsHandedOver) {
    std::ostringstream out;
    TraceWriter writer(out);
    PictureTrace trace(writer, "Form2.Picture1");
    Picture picture(7000, 6000, Color{64, 64, 64});
    picture.AddListener(&trace);
    picture.SetDrawWidth(2);
    picture.Cls();
    picture.Line(3500, 300, 3500, 5700);
    picture.Line(3500, 300, 3500, 300, kBlack);
    picture.Print("say \"hi\" \\");
    picture.Circle(6590, 3000, 60, Color{255, 0, 0}, 4.7124F, -5e-08F);
    EXPECT_EQ(out.str(),
              "Form2.Picture1 DrawWidth 2\n"
              "Form2.Picture1 Cls\n"
              "Form2.Picture1 Line 3500 300 3500 5700 fore\n"
              "Form2.Picture1 Line 3500 300 3500 300 #000000\n"
              "Form2.Picture1 Print \"say \\\"hi\\\" \\\\\"\n"
              "Form2.Picture1 Circle 6590 3000 60 #ff0000 4.7124 -5e-08\n");
}

}  // namespace
}  // namespace trazalia::canvas
