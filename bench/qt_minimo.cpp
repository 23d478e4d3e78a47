// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window like Trazalia's: one window of the same
// size with one painted child, shown until that child has painted once, then it quits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Pintado final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(QPointF(0, 0), QPointF(width(), height()));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setFixedSize(725, 533);
    Pintado hijo(&ventana);
    hijo.setGeometry(16, 112, 467, 400);
    ventana.show();
    return app.exec();
}
