#include "canvas/qt/picture_widget.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

namespace trazalia::canvas {
namespace {

// What the window system shows, not a fresh paint as grab() would make.
QColor Shown(const QWidget& widget, QPoint at) {
    const QImage image = widget.screen()->grabWindow(widget.winId()).toImage();
    return image.pixelColor(at * image.devicePixelRatio());
}

TEST(PictureWidgetTest, MarksFocusAndShowsTheDrawingAsItChangesAndAfterHiding) {
    PictureWidget widget(7000, 6000);
    EXPECT_EQ(widget.size(), QSize(467, 400));
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    const QColor highlight = widget.palette().color(QPalette::Highlight);
    widget.setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {1, 1}) == highlight; }));
    widget.clearFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {1, 1}) == Qt::white; }));

    widget.picture().SetDrawWidth(2);
    widget.picture().Line(0, 3000, 7000, 3000, Color{255, 0, 0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(widget, {100, 200}) == Qt::red; }));
    widget.hide();
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    EXPECT_EQ(Shown(widget, {100, 200}), Qt::red);
}

}  // namespace
}  // namespace trazalia::canvas
