// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "app/ventana.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"

class QAction;
class QKeyEvent;
class QMenu;

namespace trazalia::diagram {
class LienzoConVistas;
}

namespace trazalia::app {

class Anuncio;
class Practica;
class Arrastre;

// A method window: its diagram code reads the scroll bars and writes the labels through it. Its
// picture can be copied, saved and printed from the drawing area's context menu, Ctrl+C, Ctrl+S
// and Ctrl+P, and the drawing area describes its figure to screen readers.
class VentanaMetodo : public Ventana, protected diagram::Controles {
    Q_OBJECT
public:
    // vectores: how many vectors the window adds; their magnitudes are HScroll1 … HScroll<n> and
    // their directions the next n bars.
    VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                  std::span<const Control> controles, canvas::Color fore, int vectores);
    ~VentanaMetodo() override;

    // The clipboard gets the picture and, as text, the read-outs the window shows.
    void CopiarImagen();
    // Asks where to save the picture (PNG, SVG or PDF) and writes it there, all or nothing.
    void GuardarImagen();
    // Prints the picture and its read-outs on one page, after a preview.
    void Imprimir();

    QAction* accionCopiar() const { return copiar_; }
    QAction* accionGuardar() const { return guardar_; }
    QAction* accionImprimir() const { return imprimir_; }
    // The drawing area's context menu, open while it is shown.
    QMenu* menuDelDibujo() const { return menu_; }
    // Practice mode in this window.
    Practica& practica() const { return *practica_; }

    // The values of the picture as drawn, as one line: "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°",
    // then "paso = N" when it is a step and "r = …; α = …°" when it shows the resultant.
    QString LineaDeLecturas() const;
    // The name offered when saving, e.g. "paralelogramo.png".
    virtual QString NombreDeArchivo() const = 0;
    // What a result read-out of an earlier picture says: how to bring it up to date.
    virtual QString ComoRenovarResultado() const = 0;
    // Draws the vectors' live diagram, as a change of a vector's bar does.
    virtual void DibujarVectores() = 0;
    // The numbers of the read-outs of the resultant's magnitude and direction.
    virtual std::array<int, 2> LecturasDelResultado() const = 0;

    // What the last event that redrew the picture did; nothing while the picture is empty.
    const std::optional<diagram::Resultado>& dibujo() const { return dibujo_; }
    // The tips dragged on Picture1.
    Arrastre& arrastre() const { return *arrastre_; }

    // What screen readers are told when a redraw shows a resultant: "Paso 2. Resultante:
    // magnitud 87.18, dirección 36.59°."
    static QString Anunciado(const diagram::Resultado& dibujo);

signals:
    // After an event redrew the picture, with what it did.
    void dibujado(const diagram::Resultado& resultado);

protected:
    int HScroll(int n) const override;
    void Label(int n, std::string_view caption) override;
    // "Regresar": back to the start window.
    void Regresar();
    // Esc does what "Regresar" does.
    void keyPressEvent(QKeyEvent* event) override;

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

    // Where the domain draws: Picture1 as the views change it.
    canvas::Canvas& lienzo();
    // Before each redraw: how the window's diagram is to map units to twips, as the views ask.
    virtual void Escalar(diagram::Escalado escalado) = 0;

private:
    friend class Practica;

    void PrepararVistas();
    // Runs the last handler that drew again, so that the picture shows the views now chosen.
    void Redibujar();
    void Dibujado(diagram::Resultado resultado);
    // Empties the resultant's read-outs, as the program writes captions.
    void VaciarResultado();
    // The drawing area's accessible description: what its figure shows.
    QString Descripcion(const diagram::Resultado& dibujo) const;
    void AbrirMenu(const QPoint& global);
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    int vectores_;
    std::optional<diagram::Resultado> dibujo_;
    QAction* copiar_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* imprimir_ = nullptr;
    QMenu* menu_ = nullptr;
    std::unique_ptr<diagram::LienzoConVistas> lienzo_;
    std::function<diagram::Resultado()> repetir_;
    Anuncio* anuncio_ = nullptr;
    Practica* practica_ = nullptr;
    Arrastre* arrastre_ = nullptr;
};

}  // namespace trazalia::app
