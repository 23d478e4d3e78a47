// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet of 40 exercises with its solutions, laid out and written as a PDF, against its
// floor: the same pages painted on a PDF writer with plain QPainter calls prepared beforehand.
// Pairs alternate which goes first, as in eventos_bench; medians in ms and of the pairs' ratios.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <variant>
#include <vector>

#include "app/hoja.h"
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

std::vector<std::vector<Paso>> Preparar(const practice::Hoja& hoja) {
    constexpr double kGrados = 180 / std::numbers::pi;
    std::vector<std::vector<Paso>> paginas;
    for (const auto& elementos : hoja.paginas) {
        auto& pasos = paginas.emplace_back();
        for (const practice::ElementoDeHoja& e : elementos) {
            if (const auto* t = std::get_if<practice::TrazoDeHoja>(&e)) {
                pasos.emplace_back(std::in_place_type<Linea>,
                                   QPen(QColor(t->color.r, t->color.g, t->color.b), t->grosor,
                                        Qt::SolidLine, Qt::RoundCap),
                                   QLineF(t->desde.x, t->desde.y, t->hasta.x, t->hasta.y));
            } else if (const auto* a = std::get_if<practice::ArcoDeHoja>(&e)) {
                pasos.emplace_back(
                    std::in_place_type<Arco>,
                    QPen(QColor(a->color.r, a->color.g, a->color.b), a->grosor),
                    QRectF(a->centro.x - a->radio, a->centro.y - a->radio, 2 * a->radio,
                           2 * a->radio),
                    static_cast<int>(std::lround(a->inicio * kGrados * 16)),
                    static_cast<int>(std::lround((a->fin - a->inicio) * kGrados * 16)));
            } else {
                const auto& x = std::get<practice::TextoDeHoja>(e);
                QFont fuente(canvas::kFontFamily);
                fuente.setPointSizeF(x.puntos);
                fuente.setBold(x.negrita);
                pasos.emplace_back(std::in_place_type<Texto>, fuente, QRectF(x.en.x, x.en.y, 0, 0),
                                   canvas::AlignmentFor(x.anclaje),
                                   QString::fromStdString(x.texto));
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

double Mediana(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void Hoja40(benchmark::State& state) {
    practice::OpcionesDeHoja opciones;
    opciones.ejercicios = 40;
    opciones.semilla = 20261207;
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("hoja.pdf"));
    const practice::Hoja hecha = practice::ComponerHoja(opciones);
    const auto pasos = Preparar(hecha);
    using Reloj = std::chrono::steady_clock;
    const auto medir = [](auto&& hacer) {
        const auto inicio = Reloj::now();
        hacer();
        return std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
    };
    const auto completa = [&] {
        QString error;
        if (!app::GuardarHoja(practice::ComponerHoja(opciones), ruta, &error))
            throw std::runtime_error(error.toStdString());
    };
    const auto suelo = [&] { benchmark::DoNotOptimize(Suelo(hecha, pasos)); };
    std::vector<double> completas, suelos, razones;
    for (auto _ : state) {
        const bool primero = completas.size() % 2 == 0;
        const double f = primero ? 0 : medir(suelo);
        const double c = medir(completa);
        const double s = primero ? medir(suelo) : f;
        completas.push_back(c);
        suelos.push_back(s);
        razones.push_back(c / s);
    }
    state.counters["completa_ms"] = Mediana(completas);
    state.counters["suelo_ms"] = Mediana(suelos);
    state.counters["razon"] = Mediana(razones);
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
