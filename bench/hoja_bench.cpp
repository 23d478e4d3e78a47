// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet of 40 exercises with its solutions, laid out and written as a PDF, against its
// floor: the same pages painted on a PDF writer with plain QPainter calls prepared beforehand.
// Pairs as in eventos_bench (bench/pares.h), in ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

#include "app/hoja.h"
#include "bench/pares.h"
#include "canvas/qt/painter.h"

namespace {

using namespace trazalia;

// One page's drawing, already in Qt's terms.
struct Linea {
    QPen pluma;
    QLineF linea;
};
struct Arco {
    QPen pluma;
    QRectF caja;
    int inicio, arco;
};
struct Texto {
    QFont fuente;
    QRectF en;
    int alineacion;
    QString texto;
};
using Paso = std::variant<Linea, Arco, Texto>;

// Twips are the PDF's units: the same numbers as the pages hold.
std::vector<std::vector<Paso>> Preparar(const practice::Hoja& hoja) {
    constexpr double kGrados = 180 / std::numbers::pi;
    const auto color = [](canvas::Color c) { return QColor(c.r, c.g, c.b); };
    std::vector<std::vector<Paso>> paginas;
    for (const canvas::Picture& pagina : hoja.paginas) {
        auto& pasos = paginas.emplace_back();
        for (const canvas::Op& op : pagina.ops()) {
            if (const auto* t = std::get_if<canvas::StrokeOp>(&op)) {
                pasos.emplace_back(std::in_place_type<Linea>,
                                   QPen(color(t->color), t->width, Qt::SolidLine, Qt::RoundCap),
                                   QLineF(t->from.x, t->from.y, t->to.x, t->to.y));
            } else if (const auto* a = std::get_if<canvas::ArcOp>(&op)) {
                const double arco = a->end < a->start ? a->end - a->start + 2 * std::numbers::pi
                                                      : a->end - a->start;
                pasos.emplace_back(std::in_place_type<Arco>, QPen(color(a->color), a->width),
                                   QRectF(a->centre.x - a->radius, a->centre.y - a->radius,
                                          2 * a->radius, 2 * a->radius),
                                   static_cast<int>(std::lround(a->start * kGrados * 16)),
                                   static_cast<int>(std::lround(arco * kGrados * 16)));
            } else {
                const auto& x = std::get<canvas::LabelOp>(op);
                QFont fuente(canvas::kFontFamily);
                fuente.setPointSizeF(x.style.points);
                fuente.setBold(x.style.bold);
                pasos.emplace_back(std::in_place_type<Texto>, fuente, QRectF(x.at.x, x.at.y, 0, 0),
                                   canvas::AlignmentFor(x.anchor), QString::fromStdString(x.text));
            }
        }
    }
    return paginas;
}

QByteArray Suelo(const practice::Hoja& hoja, const std::vector<std::vector<Paso>>& paginas) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1440);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(hoja.ancho / 20, hoja.alto / 20), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter p(&pdf);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        if (i > 0) pdf.newPage();
        for (const Paso& paso : paginas[i]) {
            if (const auto* l = std::get_if<Linea>(&paso)) {
                p.setPen(l->pluma);
                p.drawLine(l->linea);
            } else if (const auto* a = std::get_if<Arco>(&paso)) {
                p.setPen(a->pluma);
                p.drawArc(a->caja, a->inicio, a->arco);
            } else {
                const auto& t = std::get<Texto>(paso);
                p.setFont(t.fuente);
                p.setPen(Qt::black);
                p.drawText(t.en, t.alineacion, t.texto);
            }
        }
    }
    p.end();
    return bytes;
}

void Hoja40(benchmark::State& state) {
    practice::OpcionesDeHoja opciones;
    opciones.ejercicios = 40;
    opciones.semilla = 20261207;
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("hoja.pdf"));
    const practice::Hoja hecha = practice::ComponerHoja(opciones);
    const auto pasos = Preparar(hecha);
    const auto completa = [&] {
        QString error;
        if (!app::GuardarHoja(practice::ComponerHoja(opciones), ruta, &error))
            throw std::runtime_error(error.toStdString());
    };
    const auto suelo = [&] { benchmark::DoNotOptimize(Suelo(hecha, pasos)); };
    bench::Pares<std::milli>(state, "ms", completa, suelo);
}
BENCHMARK(Hoja40)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
