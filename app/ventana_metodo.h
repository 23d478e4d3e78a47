// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScopedValueRollback>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "app/ventana.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"
#include "diagram/vistas.h"

namespace trazalia::canvas {
class Canvas;
}

namespace trazalia::diagram {
class LienzoConVistas;
}

namespace trazalia::app {

class Anuncio;
class ControlVistas;
class DescripcionAlPedir;

// What draws over a method window's picture after its diagram and views (practice's guess and
// verdict), or holds the picture for a while (a dragged tip).
class Capa {
public:
    virtual ~Capa() = default;
    // After every redraw, over everything drawn so far. Returns what screen readers are to be
    // told with a new resultant; empty for nothing.
    virtual QString Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) = 0;
    // What the picture's description adds; empty when the layer shows nothing.
    virtual QString Descripcion() const = 0;
    // While true the picture's description waits: a screen reader speaks a focused picture's
    // every new description, and during a drag only the last one is news.
    virtual bool retiene() const = 0;
    // The scale, in units, the next picture is to keep instead of the one its vectors give; the
    // first layer that holds one wins.
    virtual std::optional<double> EscalaRetenida() const { return std::nullopt; }
};

// A method window: its diagram code reads the scroll bars and writes the labels through it, and
// it redraws its picture with the views the user chose. The drawing area describes its figure to
// screen readers, and a new resultant is announced.
class VentanaMetodo : public Ventana, protected diagram::Controles {
    Q_OBJECT
public:
    // vectores: how many vectors the window adds; their magnitudes are HScroll1 … HScroll<n> and
    // their directions the next n bars.
    VentanaMetodo(ControlVistas& vistas, const QString& nombre, const QString& titulo,
                  std::span<const Control> controles, canvas::Color fore, int vectores);
    ~VentanaMetodo() override;

    int vectores() const { return vectores_; }
    // The values of the picture as drawn, as one line: "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°",
    // then "paso = N" when it is a step and "r = …; α = …°" when it shows the resultant.
    QString LineaDeLecturas() const;
    // The name offered when saving, e.g. "paralelogramo.png".
    virtual QString NombreDeArchivo() const = 0;
    // What a result read-out of an earlier picture says: how to bring it up to date.
    virtual QString ComoRenovarResultado() const = 0;
    // Draws the vectors' live diagram, as a change of a vector's bar does.
    virtual void DibujarVectores() = 0;
    // Shows the resultant as the window's own control does: Form2's button, Form3's step.
    virtual void Revelar() = 0;
    // Before an exercise: the control that reveals is set where any move of it reveals, without
    // drawing.
    virtual void PrepararRevelado() {}
    // While a handler that shows the resultant runs: its picture is drawn at the usual scale.
    bool revelando() const { return revelando_; }
    // The numbers of the read-outs of the resultant's magnitude and direction.
    virtual std::array<int, 2> LecturasDelResultado() const = 0;
    // Which read-out shows each scroll bar's value: {HScroll n, Label m}.
    virtual std::span<const std::pair<int, int>> LecturasDeBarras() const = 0;

    // What the last event that redrew the picture did; nothing while the picture is empty.
    const std::optional<diagram::Resultado>& dibujo() const { return dibujo_; }
    // The views the picture was last drawn with.
    const diagram::Vistas& vistas() const;
    // Tells screen readers without moving the focus.
    Anuncio& anuncio() const { return *anuncio_; }

    // Draws over every later picture; the window does not own it.
    void AgregarCapa(Capa& capa) { capas_.push_back(&capa); }
    // Runs the last handler that drew again, so that the picture shows the views now chosen.
    void Redibujar();
    // Redraws when the picture's scale is not the one its vectors and layers give now: a layer
    // let go of the scale it held.
    void Reescalar();
    // Sets the drawing area's description from what it shows now; it is written when a screen
    // reader asks for it.
    void Describir();
    // Writes a read-out as the program writes captions.
    void Escribir(int rotulo, std::string_view caption) { Label(rotulo, caption); }
    // Empties the resultant's read-outs.
    void VaciarResultado();
    // Hides the window and asks for the start window: "Regresar", and Esc (ResponderAEsc).
    void Regresar();

signals:
    // After an event redrew the picture, with what it did.
    void dibujado(const diagram::Resultado& resultado);
    // "Regresar": the user asks for the start window.
    void regresar();

protected:
    int HScroll(int n) const override;
    void Label(int n, std::string_view caption) override;

    // Runs a domain handler as Evento does. When it redrew the picture, what it returns becomes
    // what the window tells of the picture, and the handler is kept to redraw it with other views.
    template <class F>
    void EventoDeDibujo(F&& handler) {
        PrepararVistas();
        ComenzarRedibujo();
        std::optional<diagram::Resultado> resultado;
        Evento([&] { resultado = handler(); });
        TerminarRedibujo(ComoRenovarResultado());
        if (resultado && resultado->redibujo) {
            repetir_ = handler;
            Dibujado(std::move(*resultado));
        }
    }

    // EventoDeDibujo for a handler that shows the resultant.
    template <class F>
    void EventoDeRevelado(F&& handler) {
        const QScopedValueRollback<bool> marca(revelando_, true);
        EventoDeDibujo(std::forward<F>(handler));
    }

    // Where the domain draws: Picture1 as the views change it.
    canvas::Canvas& lienzo();
    // Each bar shows its value in its read-out, where an exact value can be typed.
    void EnlazarLecturas();
    // Before each redraw: how the window's diagram is to map units to twips, as the views ask,
    // and the scale a layer holds, if any. Returns the scale the diagram will draw at.
    virtual double Escalar(diagram::Escalado escalado, std::optional<double> retenida) = 0;

private:
    // Returns the scale the next picture draws at (0 for none).
    double PrepararVistas();
    void Dibujado(diagram::Resultado resultado);

    ControlVistas& vistas_;
    int vectores_;
    std::optional<diagram::Resultado> dibujo_;
    // What the drawing area's description tells, as Describir last found it.
    struct Descrito {
        diagram::Resultado dibujo;
        diagram::Vistas vistas;
        QString capas;
    };
    std::optional<Descrito> descrito_;
    DescripcionAlPedir* descripcion_ = nullptr;
    std::unique_ptr<diagram::LienzoConVistas> lienzo_;
    std::function<diagram::Resultado()> repetir_;
    Anuncio* anuncio_ = nullptr;
    std::vector<Capa*> capas_;
    bool revelando_ = false;
};

}  // namespace trazalia::app
