// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/painter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <numbers>
#include <thread>
#include <vector>

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "canvas/qt/picture_widget.h"

namespace trazalia::canvas {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Ink and background by grey level; antialiased edges count as neither.
bool Ink(QRgb pixel) { return qGray(pixel) < 128; }
bool NotBackground(QRgb pixel) { return qGray(pixel) <= 224; }

// Whether a device pixel within an area given in logical pixels matches.
bool Any(const QImage& image, const QRectF& area, bool (*match)(QRgb)) {
    const qreal dpr = image.devicePixelRatio();
    const QRect pixels = QRectF(area.topLeft() * dpr, area.size() * dpr).toAlignedRect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (image.valid(x, y) && match(image.pixel(x, y))) return true;
        }
    }
    return false;
}

QRectF Near(qreal x, qreal y) { return QRectF(x - 0.25, y - 0.25, 0.5, 0.5); }

// The rows' circles have radius 40 px around (50, 50).
QRectF OnCircle(qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return Near(50 + 40 * std::cos(a), 50 - 40 * std::sin(a));
}
void Arc(Picture& p, float start, float end) { p.Circle(750, 750, 600, kBlack, start, end); }

struct PixelRow {
    const char* name;
    std::function<void(Picture&)> draw;
    std::vector<QRectF> inked, blank;
    friend void PrintTo(const PixelRow& row, std::ostream* os) { *os << row.name; }
};

class RenderTest : public testing::TestWithParam<PixelRow> {};

TEST_P(RenderTest, InksExactlyWhereTheOperationsDraw) {
    Picture picture(1500, 1500);  // 100 × 100 logical pixels
    GetParam().draw(picture);
    const QImage image = RenderImage(picture, 2);
    for (const QRectF& a : GetParam().inked)
        EXPECT_TRUE(Any(image, a, Ink)) << a.x() << " " << a.y();
    for (const QRectF& a : GetParam().blank)
        EXPECT_FALSE(Any(image, a, NotBackground)) << a.x() << " " << a.y();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, RenderTest, testing::Values(
    PixelRow{"ZeroLengthLineLeavesARoundDotDrawWidthWide",
             [](Picture& p) { p.SetDrawWidth(6), p.Line(750, 750, 750, 750); },
             {Near(50, 50), Near(52.5, 50), Near(50, 47.5)}, {Near(54, 50), Near(53, 53)}},
    PixelRow{"NegativeAnglesDrawAPieSlice", [](Picture& p) { Arc(p, -kPi / 2, -kPi); },
             {OnCircle(135), Near(50, 30), Near(30, 50)}, {OnCircle(45), OnCircle(270)}},
    PixelRow{"PositiveAnglesDrawOnlyTheArc", [](Picture& p) { Arc(p, kPi / 2, kPi); },
             {OnCircle(135)}, {Near(50, 30), Near(30, 50), OnCircle(45)}},
    PixelRow{"NegativeStartAddsOnlyTheFirstRadius", [](Picture& p) { Arc(p, -kPi / 2, kPi); },
             {Near(50, 30)}, {Near(30, 50)}},
    PixelRow{"StartAboveEndPassesThroughZero", [](Picture& p) { Arc(p, 3 * kPi / 2, kPi / 2); },
             {OnCircle(0), OnCircle(315), OnCircle(45)}, {OnCircle(180)}},
    PixelRow{"EndAtExactlyZeroClosesTheTurnWithoutARadius", [](Picture& p) { Arc(p, kPi / 2, 0); },
             {OnCircle(135), OnCircle(270), OnCircle(350)},
             {OnCircle(45), Near(70, 50), Near(50, 30)}},
    PixelRow{"StartAtExactlyZeroDrawsNoRadius", [](Picture& p) { Arc(p, 0, kPi / 2); },
             {OnCircle(10), OnCircle(80)}, {OnCircle(180), Near(70, 50), Near(50, 30)}},
    PixelRow{"StrokeIsAsWideAsItsTwips",
             [](Picture& p) { p.SetDrawWidth(20), p.Stroke(0, 750, 1500, 750, kBlack, 90); },
             {Near(50, 47.5), Near(50, 52.5)}, {Near(50, 45), Near(50, 55)}},
    PixelRow{"ArcFromANegativeStartRunsCounterClockwiseWithoutRadius",
             [](Picture& p) { p.Arc(750, 750, 600, kBlack, -kPi / 2, kPi / 2, 15); },
             {OnCircle(0), OnCircle(300), OnCircle(60)},
             {OnCircle(180), Near(50, 70), Near(50, 30), Near(70, 50)}},
    PixelRow{"LabelHasItsOwnSizeAndTextKeepsThePictures",
             [](Picture& p) {
                 p.Label(0, 0, Anchor::Nw, kBlack, {24, false, 0}, "MM");
                 p.Text(0, 900, Anchor::Nw, kBlack, "MMMM");
             },
             {QRectF(0, 20, 30, 4), QRectF(0, 62, 30, 6)}, {QRectF(0, 76, 100, 24)}},
    PixelRow{"LabelIsCutShortAtItsWidth",
             [](Picture& p) { p.Label(0, 0, Anchor::Nw, kBlack, {8, true, 600}, "MMMMMMMMMMMMMMM"); },
             {QRectF(0, 2, 10, 8)}, {QRectF(44, 0, 56, 20)}},
    PixelRow{"PrintAfterClsStartsAtTheTopLeftCorner",
             [](Picture& p) { p.Line(0, 900, 1500, 900), p.Cls(), p.Print("MMMM"); },
             {QRectF(0, 0, 8, 12)}, {QRectF(0, 16, 100, 84)}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(RenderImageTest, RatioTwoDoublesTheSizeAndStaysCrisp) {
    Picture picture(7000, 6000);
    picture.Line(0, 750, 7000, 750);  // one logical pixel wide, centred on y = 50
    EXPECT_EQ(RenderImage(picture, 1).size(), QSize(467, 400));
    const QImage image = RenderImage(picture, 2);
    EXPECT_EQ(image.size(), QSize(934, 800));
    // Drawn at device resolution the line fills rows 99 and 100; an enlarged 1× image would blur.
    EXPECT_LT(qGray(image.pixel(200, 99)) + qGray(image.pixel(200, 100)), 32);
    EXPECT_GT(qGray(image.pixel(200, 98)) + qGray(image.pixel(200, 101)), 480);
}

// The replay reuses a pen or a brush while neighbours share it: a dot drawn first is still
// filled, and a dashed line after a solid one of its colour and width keeps its gaps.
TEST(RenderImageTest, EachOperationKeepsItsOwnPenAndBrush) {
    Picture picture(7000, 6000);
    picture.SetDrawWidth(5);
    picture.Line(1500, 2250, 1500, 2250);
    picture.Line(0, 750, 7000, 750, Color{255, 0, 0});
    picture.DashedLine(0, 1500, 7000, 1500, Color{255, 0, 0});
    const QImage image = RenderImage(picture, 1);
    EXPECT_EQ(image.pixelColor(100, 150), QColor(Qt::black));
    int gaps = 0;
    for (int x = 0; x < image.width(); ++x) gaps += image.pixelColor(x, 100) == Qt::white;
    EXPECT_GT(gaps, 50);
}

// The width of the ink in an image, in pixels.
int InkWidth(const QImage& image) {
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Ink(image.pixel(x, y))) left = std::min(left, x), right = std::max(right, x);
    return right - left + 1;
}

// A page replayed on a printer's resolution keeps its text the size in points it was given, as
// its lines keep their length: the device's dots per logical pixel scale both alike.
TEST(ReplayTest, TextKeepsItsPointsAtAnyResolution) {
    Picture picture(3000, 600);
    picture.Label(150, 300, Anchor::W, kBlack, {14, true, 0}, "MMMM");
    std::vector<int> widths;
    for (const int dpi : {96, 600}) {
        const qreal scale = qreal(dpi) / kLogicalDpi;
        QImage image((LogicalSize(picture) * scale).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&image);
        Replay(picture, painter, scale);
        painter.end();
        widths.push_back(InkWidth(image));
    }
    // The ink of four bold Ms of 14 points is about 46 points wide: 61 pixels at 96 dpi.
    EXPECT_NEAR(widths[0], 61, 4);
    EXPECT_NEAR(widths[1], widths[0] * 600.0 / 96, 600.0 / 96 * 2);
}

// What the window system shows, not a fresh paint as grab() would make.
QColor Shown(const QWidget& widget, QPoint at) {
    const QImage image = widget.screen()->grabWindow(widget.winId()).toImage();
    return image.pixelColor(at * image.devicePixelRatio());
}

TEST(PictureWidgetTest, ShowsTheDrawingAsItChangesAndAfterHiding) {
    PictureWidget widget(7000, 6000);
    EXPECT_EQ(widget.size(), QSize(467, 400));
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.picture().SetDrawWidth(2);
    widget.picture().Line(0, 3000, 7000, 3000, Color{255, 0, 0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {100, 200}) == Qt::red; }));
    // Drawn after that repaint, it is asked for again.
    widget.picture().Line(0, 1500, 7000, 1500, Color{0, 0, 255});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {100, 100}) == Qt::blue; }));
    widget.hide();
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    EXPECT_EQ(Shown(widget, {100, 200}), Qt::red);
}

// A window that only shows a model's picture: what is drawn there shows, its own picture no more.
TEST(PictureWidgetTest, ShowsAPictureItDoesNotOwn) {
    // The model outlives the widget that listens to it.
    Picture modelo(7000, 6000);
    PictureWidget widget(7000, 6000);
    modelo.SetDrawWidth(2);
    modelo.Line(0, 3000, 7000, 3000, Color{255, 0, 0});
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.Mostrar(modelo);
    EXPECT_EQ(&widget.picture(), &modelo);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {100, 200}) == Qt::red; }));
    modelo.Line(0, 1500, 7000, 1500, Color{0, 0, 255});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {100, 100}) == Qt::blue; }));
}

// With SOURCE_DATE_EPOCH set, a PDF is dated then and the same drawing gives the same bytes.
TEST(WritePdfTest, SourceDateEpochMakesItReproducible) {
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const auto write = [] {
        return WritePdf(QStringLiteral("t"), 1440, QPageSize(QPageSize::A4), [](QPdfWriter& pdf) {
            QPainter painter(&pdf);
            painter.setFont(QFont(kFontFamily, 12));
            painter.drawText(QPointF(1000, 1000), QStringLiteral("Página 1 — α = 36.59°"));
            painter.setFont(QFont(kFontFamily, 14, QFont::Bold));
            painter.drawText(QPointF(1000, 2000), QStringLiteral("Suma de vectores"));
            return painter.end();
        });
    };
    const QByteArray first = write();
    QTest::qWait(1100);
    const QByteArray second = write();
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_TRUE(first.contains("/CreationDate (D:20231114221320Z)"));
    EXPECT_EQ(first, second);
}

// Writers at the same time each add their lines, and none is lost: the record of a class, reached
// by its own name, a symbolic link and a hard link, which all stay what they were.
TEST(AppendLineTest, NoWriterLosesALineWhateverNameItTakes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registro.csv"));
    const QString symbolic = dir.filePath(QStringLiteral("enlace.csv"));
    const QString hard = dir.filePath(QStringLiteral("duro.csv"));
    ASSERT_TRUE(AppendLine("0,-1", "cabecera", path, nullptr));
    ASSERT_TRUE(QFile::link(path, symbolic));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(hard).constData()), 0);
    const QString names[] = {path, symbolic, hard, symbolic};
    constexpr int kWriters = 4;
    constexpr int kLines = 60;
    std::vector<std::thread> writers;
    std::atomic<int> failures = 0;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int i = 0; i < kLines; ++i)
                if (!AppendLine(QByteArray::number(w) + ',' + QByteArray::number(i), "cabecera",
                                names[w], nullptr))
                    ++failures;
        });
    for (std::thread& t : writers) t.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(QFileInfo(symbolic).isSymLink());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 2 + kWriters * kLines + 1);  // the header, the lines, the last break
    EXPECT_EQ(lines.front(), "cabecera");
    EXPECT_EQ(QSet<QByteArray>(lines.begin() + 1, lines.end() - 1).size(), 1 + kWriters * kLines);
    QFile other(hard);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), bytes);
}

// A file that does not end its last line has the new line on a line of its own.
TEST(AppendLineTest, ALastLineWithoutItsBreakIsEnded) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registro.csv"));
    ASSERT_TRUE(SaveFile("cabecera\nuna", path, nullptr));
    ASSERT_TRUE(AppendLine("dos", "cabecera", path, nullptr));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "cabecera\nuna\ndos\n");
}

}  // namespace
}  // namespace trazalia::canvas
