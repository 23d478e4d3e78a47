#include "canvas/qt/painter.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

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
    std::vector<QRectF> inked;
    std::vector<QRectF> blank;
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

INSTANTIATE_TEST_SUITE_P(
    Operations, RenderTest,
    testing::Values(PixelRow{"ZeroLengthLineLeavesARoundDotDrawWidthWide",
                             [](Picture& p) { p.SetDrawWidth(6), p.Line(750, 750, 750, 750); },
                             {Near(50, 50), Near(52.5, 50), Near(50, 47.5)},
                             {Near(54, 50), Near(53, 53)}},
                    PixelRow{"NegativeAnglesDrawAPieSlice",
                             [](Picture& p) { Arc(p, -kPi / 2, -kPi); },
                             {OnCircle(135), Near(50, 30), Near(30, 50)},
                             {OnCircle(45), OnCircle(270)}},
                    PixelRow{"PositiveAnglesDrawOnlyTheArc",
                             [](Picture& p) { Arc(p, kPi / 2, kPi); },
                             {OnCircle(135)},
                             {Near(50, 30), Near(30, 50), OnCircle(45)}},
                    PixelRow{"NegativeStartAddsOnlyTheFirstRadius",
                             [](Picture& p) { Arc(p, -kPi / 2, kPi); },
                             {Near(50, 30)},
                             {Near(30, 50)}},
                    PixelRow{"StartAboveEndPassesThroughZero",
                             [](Picture& p) { Arc(p, 3 * kPi / 2, kPi / 2); },
                             {OnCircle(0), OnCircle(315), OnCircle(45)},
                             {OnCircle(180)}},
                    PixelRow{
                        "PrintAfterClsStartsAtTheTopLeftCorner",
                        [](Picture& p) { p.Line(0, 900, 1500, 900), p.Cls(), p.Print("MMMM"); },
                        {QRectF(0, 0, 8, 12)},
                        {QRectF(0, 16, 100, 84)}}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(EncodePictureTest, SvgHoldsTheDrawingAndItsText) {
    Picture picture(1500, 1500);
    picture.Print("Hola");
    picture.SetDrawWidth(4);
    picture.Line(0, 750, 1500, 750);
    const QByteArray svg = EncodePicture(picture, PictureFormat::Svg);
    EXPECT_TRUE(svg.contains(">Hola<"));
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    EXPECT_TRUE(Any(image, Near(50, 50), Ink));
    EXPECT_FALSE(Any(image, Near(50, 80), NotBackground));
}

TEST(EncodePictureTest, PdfPageIsThePictureSizeInPoints) {
    const QByteArray pdf = EncodePicture(Picture(1500, 1200), PictureFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(pdf);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_EQ(box.captured(1).toDouble(), 75);  // twips / 20
    EXPECT_EQ(box.captured(2).toDouble(), 60);
}

struct FailedSave {
    const char* name;
    const char* file;
    friend void PrintTo(const FailedSave& row, std::ostream* os) { *os << row.name; }
};

class SavePictureTest : public testing::TestWithParam<FailedSave> {};

TEST_P(SavePictureTest, ExplainsAndLeavesNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("archivo")).open(QIODevice::WriteOnly));
    const QString path = dir.filePath(GetParam().file);
    QString error;
    EXPECT_FALSE(SavePicture(Picture(1500, 1500), path, &error));
    EXPECT_TRUE(error.startsWith("no se puede escribir «" + path + "»: ")) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"archivo"});
}

INSTANTIATE_TEST_SUITE_P(Refused, SavePictureTest,
                         testing::Values(FailedSave{"UnknownExtension", "dibujo.bmp"},
                                         FailedSave{"MissingDirectory", "falta/dibujo.png"},
                                         FailedSave{"ParentIsAFile", "archivo/dibujo.svg"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trazalia::canvas
