// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of each window event: end to end on the real windows, the floor of painting the same
// picture with QPainter alone, and our own logic alone. The complete event and its floor are timed
// in alternation, pair by pair, so that a busy machine slows both alike and their ratio holds.
// Ends with a table of medians: one row for each event on each surface.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/aplicacion.h"
#include "app/form1.h"
#include "app/ventana_metodo.h"
#include "bench/pares.h"
#include "canvas/canvas.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/arrastre.h"
#include "diagram/controles.h"
#include "practice/ejercicio.h"
#include "practice/metodo.h"

namespace {

using namespace trazalia;

// The scenes every event starts from: general directions in every quadrant; Form4's a difference
// of a multiple, k₁ = 1.5 and k₂ = −1.
struct Escena {
    const char* ventana;
    int boton;  // Form1's button that opens it
    std::vector<int> barras;
};
const std::array<Escena, 3> kEscenas{{{"Form2", 1, {100, 60, 30, 120}},
                                      {"Form3", 2, {80, 60, 40, 30, 150, 260}},
                                      {"Form4", 4, {60, 40, 30, 150, 3, -2}}}};

struct Evento {
    std::string nombre;
    int ventana;  // 2, 3 or 4
    int barra;    // the bar the event moves, 0 for the click that shows the resultant
    int paso;     // HScroll7's step, 0 for the others
    // One move of vector 1's dragged tip, which sets its magnitude and its direction.
    bool arrastre = false;
};

// Where the picture is painted: the device pixel ratio of the image it is repainted into, and the
// screen the window fills, if it is full screen, with the picture at the zoom that fits.
struct Superficie {
    std::string nombre;
    qreal dpr;
    QSize pantalla{};
};

// The full screens of a projector and of a large monitor, measured for the worst event only.
const std::vector<Superficie> kSuperficies{{"dpr1", 1},
                                           {"dpr2", 2},
                                           {"1920x1080", 1, QSize(1920, 1080)},
                                           {"3840x2160", 1, QSize(3840, 2160)}};
constexpr int kPeorPaso = 7;

std::vector<Evento> Eventos() {
    std::vector<Evento> e{
        {"Form2 HScroll", 2, 3, 0}, {"Form2 Command1", 2, 0, 0}, {"Form3 HScroll", 3, 4, 0}};
    for (int s = 1; s <= 7; ++s) e.push_back({"Form3 HScroll7=" + std::to_string(s), 3, 7, s});
    e.push_back({"Form2 arrastre", 2, 1, 0, true});
    e.push_back({"Form3 arrastre", 3, 1, 0, true});
    e.push_back({"Form4 HScroll", 4, 3, 0});
    e.push_back({"Form4 HScroll5", 4, 5, 0});
    e.push_back({"Form4 Command1", 4, 0, 0});
    e.push_back({"Form4 arrastre", 4, 1, 0, true});
    return e;
}

// Moves a bar to a value through valueChanged, from a different value set silently, so that
// every call runs the handler for that same value.
void Mover(QScrollBar& barra, int valor) {
    {
        const QSignalBlocker bloqueo(&barra);
        barra.setValue(valor == barra.minimum() ? valor + 1 : valor - 1);
    }
    barra.setValue(valor);
}

// The real application with the event's window shown and its scene set.
class Ventanas {
public:
    Ventanas(const Evento& e, QSize pantalla = {}) {
        app_.Iniciar();
        const Escena& escena = kEscenas[static_cast<std::size_t>(e.ventana - 2)];
        app_.form1().boton(escena.boton)->click();
        ventana_ = &app_.metodo(escena.ventana);
        for (std::size_t n = 0; n < escena.barras.size(); ++n)
            ventana_->barra(static_cast<int>(n) + 1)->setValue(escena.barras[n]);
        // Full screen lays the window out as this size does, whatever the screen here.
        if (!pantalla.isEmpty()) ventana_->resize(pantalla);
        evento_ = e;
        if (e.arrastre) {
            // Held on vector 1's tip from here on; every move goes back to that same place.
            const auto& dibujo = static_cast<app::VentanaMetodo*>(ventana_)->dibujo();
            const diagram::Punto punta = dibujo->trazos.front().hasta;
            const qreal pixeles = Picture1().scale() / canvas::kTwipsPerPixel;
            punta_ = QPointF(punta.x * pixeles, punta.y * pixeles);
            Raton(QEvent::MouseButtonPress, ::Qt::LeftButton);
        }
        Disparar();
    }

    void Disparar() {
        if (evento_.arrastre) {
            // From other values set silently, so that every move runs both handlers and draws
            // the same picture.
            for (int n : {1, vectores() + 1}) {
                const QSignalBlocker bloqueo(ventana_->barra(n));
                ventana_->barra(n)->setValue(ventana_->barra(n)->value() - 1);
            }
            Raton(QEvent::MouseMove, ::Qt::NoButton);
        } else if (evento_.barra == 0) {
            ventana_->boton(1)->click();
        } else if (evento_.paso != 0) {
            Mover(*ventana_->barra(7), evento_.paso);
        } else {
            Mover(*ventana_->barra(evento_.barra), ventana_->barra(evento_.barra)->value());
        }
    }

    canvas::PictureWidget& Picture1() { return *ventana_->Picture1(); }

private:
    int vectores() const { return static_cast<app::VentanaMetodo*>(ventana_)->vectores(); }
    void Raton(QEvent::Type tipo, ::Qt::MouseButton boton) {
        QMouseEvent raton(tipo, punta_, Picture1().mapToGlobal(punta_), boton, ::Qt::LeftButton,
                          ::Qt::NoModifier);
        QCoreApplication::sendEvent(&Picture1(), &raton);
    }

    app::Aplicacion app_;
    app::Ventana* ventana_ = nullptr;
    Evento evento_;
    QPointF punta_;
};

// An image of the picture widget's size at that ratio: the picture's own size, or its zoomed one.
QImage Imagen(const canvas::PictureWidget& widget, qreal dpr) {
    const QSizeF size =
        (widget.scale() == 1 ? canvas::LogicalSize(widget.picture()) : QSizeF(widget.size())) * dpr;
    QImage image(static_cast<int>(std::ceil(size.width())),
                 static_cast<int>(std::ceil(size.height())), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    // The last device pixel may lie partly outside the picture; it keeps this background.
    image.fill(Qt::white);
    return image;
}

// The picture's operations turned into QPainter calls once, then drawn with nothing else: the
// least that painting this picture can cost. The calls are those the replay makes on a raster
// device (a flat-capped line and a dot at each end, arcs as paths, text in the same font, all
// antialiased), so the pixels are the same; the benchmark checks that they are.
class Suelo {
public:
    Suelo(const canvas::Picture& picture, const QImage& image, qreal escala) : escala_(escala) {
        const auto color = [](canvas::Color c) { return QColor(c.r, c.g, c.b); };
        fondo_ = color(picture.BackColor());
        area_ = QRectF(QPointF(), canvas::LogicalSize(picture));
        font_ = canvas::PrintFont();
        font_.setPointSizeF(font_.pointSizeF() * canvas::kLogicalDpi / image.logicalDpiY());
        const QColor fore = color(picture.ForeColor());
        const auto px = [](canvas::Point p) {
            return QPointF(p.x / canvas::kTwipsPerPixel, p.y / canvas::kTwipsPerPixel);
        };
        const auto pen = [](QColor c, int w) {
            return QPen(c, std::max(w, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        };
        for (const canvas::Op& op : picture.ops()) {
            if (const auto* l = std::get_if<canvas::LineOp>(&op)) {
                const QColor c = l->color ? color(*l->color) : fore;
                const qreal radio = std::max(l->width, 1) / 2.0;
                if (l->from != l->to) {
                    QPen plano = pen(c, l->width);
                    plano.setCapStyle(Qt::FlatCap);
                    lineas_.push_back({plano, QLineF(px(l->from), px(l->to))});
                    orden_.push_back(Tipo::Linea);
                    puntos_.push_back({c, px(l->from), radio});
                    orden_.push_back(Tipo::Punto);
                }
                puntos_.push_back({c, px(l->to), radio});
                orden_.push_back(Tipo::Punto);
            } else if (const auto* c = std::get_if<canvas::CircleOp>(&op)) {
                // Only arcs within one turn reach here; the benchmark scenes have no radius lines.
                const QPointF centro = px(c->centre);
                const qreal r = c->radius / canvas::kTwipsPerPixel;
                const QRectF caja(centro.x() - r, centro.y() - r, 2 * r, 2 * r);
                const qreal inicio = std::abs(c->start);
                const qreal fin = std::abs(c->end);
                const qreal arco =
                    inicio > fin ? fin - inicio + 2 * std::numbers::pi : fin - inicio;
                QPainterPath path;
                path.arcMoveTo(caja, qRadiansToDegrees(inicio));
                path.arcTo(caja, qRadiansToDegrees(inicio), qRadiansToDegrees(arco));
                arcos_.push_back({pen(color(c->color), c->width), path});
                orden_.push_back(Tipo::Arco);
            } else {
                const auto& p = std::get<canvas::PrintOp>(op);
                textos_.push_back({QRectF(px(p.at), QSizeF()), QString::fromStdString(p.text)});
                orden_.push_back(Tipo::Texto);
            }
        }
        fore_ = fore;
    }

    void Pintar(QImage& image) const {
        QPainter painter(&image);
        painter.scale(escala_, escala_);
        painter.fillRect(area_, fondo_);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.setFont(font_);
        std::size_t l = 0, p = 0, a = 0, t = 0;
        for (Tipo tipo : orden_) {
            switch (tipo) {
                case Tipo::Linea:
                    painter.setPen(lineas_[l].pen);
                    painter.drawLine(lineas_[l++].linea);
                    break;
                case Tipo::Punto:
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(puntos_[p].color);
                    painter.drawEllipse(puntos_[p].centro, puntos_[p].radio, puntos_[p].radio);
                    ++p;
                    painter.setBrush(Qt::NoBrush);
                    break;
                case Tipo::Arco:
                    painter.setPen(arcos_[a].pen);
                    painter.drawPath(arcos_[a++].path);
                    break;
                case Tipo::Texto:
                    painter.setPen(fore_);
                    painter.drawText(textos_[t].caja,
                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                                     textos_[t].texto);
                    ++t;
                    break;
            }
        }
    }

private:
    enum class Tipo { Linea, Punto, Arco, Texto };
    struct Linea {
        QPen pen;
        QLineF linea;
    };
    struct Punto {
        QColor color;
        QPointF centro;
        qreal radio;
    };
    struct Arco {
        QPen pen;
        QPainterPath path;
    };
    struct Texto {
        QRectF caja;
        QString texto;
    };
    std::vector<Tipo> orden_;
    std::vector<Linea> lineas_;
    std::vector<Punto> puntos_;
    std::vector<Arco> arcos_;
    std::vector<Texto> textos_;
    QColor fondo_;
    QColor fore_;
    QRectF area_;
    QFont font_;
    qreal escala_;
};

// Scroll bars and labels of a method window without Qt, writing nothing that grows.
class ControlesFijos final : public diagram::Controles {
public:
    int HScroll(int n) const override { return barras[static_cast<std::size_t>(n)]; }
    void Label(int n, std::string_view caption) override {
        rotulos[static_cast<std::size_t>(n)].assign(caption);
    }
    std::array<int, 8> barras{};
    std::array<std::string, 20> rotulos;
};

// Pairs of the event through the real window and its repaint, and the floor painting the same
// picture (bench/pares.h), in µs.
void Par(benchmark::State& state, const Evento& e, const Superficie& superficie) {
    Ventanas ventanas(e, superficie.pantalla);
    const canvas::PictureWidget& widget = ventanas.Picture1();
    const canvas::Picture& picture = widget.picture();
    QImage completa = Imagen(widget, superficie.dpr);
    QImage piso = Imagen(widget, superficie.dpr);
    const Suelo suelo(picture, piso, widget.scale());
    // Honest only if it paints what the replay paints.
    suelo.Pintar(piso);
    QImage replay = Imagen(widget, superficie.dpr);
    ventanas.Picture1().render(&replay);
    if (piso !=
        (superficie.pantalla.isEmpty() ? canvas::RenderImage(picture, superficie.dpr) : replay)) {
        state.SkipWithError("el suelo no pinta lo mismo que la reproducción");
        return;
    }
    const auto evento = [&] {
        ventanas.Disparar();
        ventanas.Picture1().render(&completa);
        benchmark::DoNotOptimize(completa.constBits());
    };
    const auto base = [&] {
        suelo.Pintar(piso);
        benchmark::DoNotOptimize(piso.constBits());
    };
    bench::Pares<std::micro>(state, "us", evento, base);
}

// A drag's move without Qt: the values the pointer gives, then the change handler that each of
// vector 1's two bars runs.
void Arrastre(ControlesFijos& form, const canvas::Canvas& picture,
              const std::function<void()>& cambio, int vectores) {
    const diagram::Entrada valor = diagram::ValorArrastrado(
        {5000, 2000}, {picture.Width(), picture.Height(), 100, diagram::Escalado::Adaptativa},
        false);
    form.barras[1] = valor.m;
    cambio();
    form.barras[static_cast<std::size_t>(1 + vectores)] = valor.d;
    cambio();
}

void Dominio(benchmark::State& state, const Evento& e) {
    ControlesFijos form;
    canvas::NullCanvas picture(7000, 6000);
    const Escena& escena = kEscenas[static_cast<std::size_t>(e.ventana - 2)];
    const practice::Metodo& metodo = **practice::VentanaDeNombre(escena.ventana);
    const std::unique_ptr<diagram::Construccion> c = metodo.Construir(form, picture);
    for (std::size_t n = 0; n < escena.barras.size(); ++n) form.barras[n + 1] = escena.barras[n];
    c->Form_Load();
    if (const auto revelador = metodo.revelador())
        form.barras[static_cast<std::size_t>(revelador->first)] = e.paso == 0 ? 1 : e.paso;
    std::function<void()> evento;
    if (e.arrastre)
        evento = [&] {
            Arrastre(
                form, picture, [&] { c->Vectores(); }, metodo.vectores());
        };
    else if (e.barra == 0 || e.paso != 0)
        evento = [&] { c->Revelar(); };
    else
        evento = [&] { c->Vectores(); };
    for (auto _ : state) {
        evento();
        benchmark::ClobberMemory();
    }
}

// Which row of the table a benchmark feeds: an event on a surface, or an event's domain alone.
struct Celda {
    std::string evento;
    std::string superficie;  // empty for the domain
};

class Tabla final : public benchmark::ConsoleReporter {
public:
    explicit Tabla(std::map<std::string, Celda> celdas) : celdas_(std::move(celdas)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool mediana = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.error_occurred || !(mediana || r.run_type == Run::RT_Iteration)) continue;
            auto it = celdas_.find(r.run_name.function_name);
            if (it == celdas_.end()) continue;
            // A median over repetitions replaces any single run.
            auto& fila = filas_[{it->second.evento, it->second.superficie}];
            if (!mediana && fila.has_value()) continue;
            const auto contador = [&](const char* nombre) {
                const auto c = r.counters.find(nombre);
                return c == r.counters.end() ? 0.0 : c->second.value;
            };
            const double us =
                r.GetAdjustedRealTime() * (r.time_unit == benchmark::kNanosecond ? 1e-3 : 1.0);
            fila = std::array<double, 3>{contador("completo_us"), contador("suelo_us"),
                                         it->second.superficie.empty() ? us : contador("razon")};
        }
    }

    void Imprimir(const std::vector<Evento>& eventos) const {
        std::printf("\n%-18s %6s %12s %12s %7s %12s\n", "evento", "", "completo", "suelo", "razón",
                    "dominio");
        for (const Evento& e : eventos) {
            const auto d = filas_.find({e.nombre, {}});
            const double dominio = d == filas_.end() || !d->second ? 0 : (*d->second)[2];
            for (const Superficie& s : kSuperficies) {
                const auto it = filas_.find({e.nombre, s.nombre});
                if (it == filas_.end() || !it->second) continue;
                const auto& v = *it->second;
                std::printf("%-18s %6s %9.1f µs %9.1f µs %7.2f %9.2f µs\n", e.nombre.c_str(),
                            s.nombre.c_str(), v[0], v[1], v[2], dominio);
            }
        }
    }

private:
    std::map<std::string, Celda> celdas_;
    std::map<std::pair<std::string, std::string>, std::optional<std::array<double, 3>>> filas_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<Evento> eventos = Eventos();
    std::map<std::string, Celda> celdas;
    for (const Evento& e : eventos) {
        std::string clave = e.nombre;
        for (char& c : clave)
            if (c == ' ') c = '_';
        for (const Superficie& s : kSuperficies) {
            // Full screen for the worst event, and for a drag, which must feel immediate there.
            if (!s.pantalla.isEmpty() && e.paso != kPeorPaso && !e.arrastre) continue;
            const std::string nombre = "par/" + clave + '/' + s.nombre;
            benchmark::RegisterBenchmark(nombre.c_str(), Par, e, s)->Unit(benchmark::kMicrosecond);
            celdas[nombre] = {e.nombre, s.nombre};
        }
        benchmark::RegisterBenchmark(("dominio/" + clave).c_str(), Dominio, e)
            ->Unit(benchmark::kMicrosecond);
        celdas["dominio/" + clave] = {e.nombre, {}};
    }

    Tabla tabla(std::move(celdas));
    benchmark::RunSpecifiedBenchmarks(&tabla);
    tabla.Imprimir(eventos);
    benchmark::Shutdown();
    return 0;
}
