// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/picture.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "canvas/trace_writer.h"

namespace trazalia::canvas {
namespace {

TEST(PictureTest, CurrentPointFollowsClsLineAndCircleAndPrintStartsThere) {
    Picture picture(7000, 6000);
    picture.Line(10, 20, 30, 40);
    EXPECT_EQ(picture.currentPoint(), (Point{30, 40}));
    picture.Cls();
    picture.Print("0.00");
    picture.Line(3000, 250, 3710, 300, kBlack);  // a coloured Line moves it too
    picture.Print("100.00");
    picture.Circle(6590, 3000, 60, Color{255, 0, 0}, 4.7124F, 1.5708F);
    EXPECT_EQ(picture.currentPoint(), (Point{6590, 3000}));
    ASSERT_EQ(picture.ops().size(), 4u);
    EXPECT_EQ(std::get<PrintOp>(picture.ops()[0]).at, (Point{0, 0}));
    EXPECT_EQ(std::get<PrintOp>(picture.ops()[2]).at, (Point{3710, 300}));
}

struct Refused {
    const char* name;
    float start, end;
    friend void PrintTo(const Refused& row, std::ostream* os) { *os << row.name; }
};

class CircleAngleTest : public testing::TestWithParam<Refused> {};

TEST_P(CircleAngleTest, OutsideOneTurnIsRefusedAndNothingIsDrawn) {
    Picture picture(7000, 6000);
    picture.Line(1, 2, 3, 4);
    EXPECT_THROW(picture.Circle(100, 100, 60, kBlack, GetParam().start, GetParam().end),
                 AngleOutOfRange);
    EXPECT_EQ(picture.ops().size(), 1u);
    EXPECT_EQ(picture.currentPoint(), (Point{3, 4}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Circle, CircleAngleTest, testing::Values(
    Refused{"StartAboveTwoPi", 6.2831926F, 1.5708F}, Refused{"EndBelowMinusTwoPi", 0, -6.3F},
    Refused{"NotANumber", std::numeric_limits<float>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TraceTest, QuotesTextAndWritesTheShortestNumbers) {
    std::ostringstream out;
    TraceWriter writer(out);
    PictureTrace trace(writer, "S");
    Picture picture(7000, 6000);
    const ListenerHandle listener = picture.AddListener(&trace);
    picture.Print("say \"hi\" \\");
    picture.Circle(6590.5F, 3000, 60, Color{255, 0, 0}, 4.7124F, -5e-08F);
    picture.Stroke(850, 1757.5F, 11055, 1757.5F, kBlack, 15);
    picture.Arc(6590, 3000, 80, Color{0, 0, 255}, -1.5708F, 1.5708F, 30);
    picture.Label(850, 850, Anchor::Ne, kBlack, {14, true, 8504.5F}, "Suma");
    picture.Label(850, 900, Anchor::C, kBlack, {9, false, 0}, "x");
    EXPECT_EQ(out.str(),
              "S Print \"say \\\"hi\\\" \\\\\"\n"
              "S Circle 6590.5 3000 60 #ff0000 4.7124 -5e-08\n"
              "S Stroke 850 1757.5 11055 1757.5 #000000 15\n"
              "S Arc 6590 3000 80 #0000ff -1.5708 1.5708 30\n"
              "S Label 850 850 ne #000000 14 bold 8504.5 \"Suma\"\n"
              "S Label 850 900 c #000000 9 normal 0 \"x\"\n");
}

}  // namespace
}  // namespace trazalia::canvas
