#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QAbstractButton;
class QKeyEvent;

namespace trazalia::canvas {
class PictureWidget;
}

namespace trazalia::diagram {
class LienzoConVistas;
}

namespace trazalia::app {

class Aplicacion;
class Anuncio;

// The kinds of control a window is built from.
enum class Tipo { Picture, HScroll, Label, Lectura, Button, Image };

// One control of a window as laid out: geometry in twips, relative to the client area. Fonts are
// bold italic in the program's face at the given size; a label's "a" in the Greek face is stored
// as α.
struct ControlSpec {
    const char* nombre;
    Tipo tipo;
    int left;
    int top;
    int width;
    int height;
    int tab;
    const char* texto = "";
    double puntos = 0;
    canvas::Color color{0, 0, 0};
    bool centrado = false;
    int min = 0;
    int max = 0;
    int large = 0;
    // Accessible name; a read-out's name also carries its current text.
    const char* descripcion = "";
    // Accessible description, where the name alone does not say enough.
    const char* ayuda = "";
};

// A control's tooltip: these lines, one under the other.
QString Consejo(const QStringList& lineas);

// Logical pixels from twips at a zoom, rounding each edge so that neighbouring controls stay
// aligned.
QRect PixelesDesdeTwips(int left, int top, int width, int height, double zoom = 1);

// A top-level window of the program, built from its control table. Traces its own Show and Hide,
// the captions the program writes and every drawing operation on its Picture1.
class Ventana : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 10875;
    static constexpr int kClientHeight = 7995;

    Ventana(Aplicacion& app, const QString& nombre, const QString& titulo,
            std::span<const ControlSpec> controles, canvas::Color fore = canvas::kBlack);
    ~Ventana() override;

    const QString& nombre() const { return nombre_; }
    // The table the window was built from.
    std::span<const ControlSpec> controles() const { return specs_; }

    // The window's state, one line for the window and one for each control in table order.
    std::vector<std::string> Dump() const;

    QWidget* control(const QString& nombre) const;
    // HScroll<n>, Label<n>, Command<n>; std::out_of_range naming the control when the window has
    // none of that name.
    QScrollBar* barra(int n) const { return Numerado(barras_, "HScroll", n); }
    QLabel* rotulo(int n) const { return Numerado(rotulos_, "Label", n); }
    QAbstractButton* boton(int n) const { return Numerado(botones_, "Command", n); }
    canvas::PictureWidget* Picture1() const { return picture_; }

    void setVisible(bool visible) override;

    // Gives the lowest-tab-index control that can take focus the focus.
    void EnfocarPrimero();

    // The first handler failure since the last call, then forgotten; empty when none. With a
    // trace (script mode) failures wait here for the script to report them; otherwise each is
    // shown to the user in a dialog.
    std::string TomarFallo();
    // Lays every control out from its twips at that zoom, fonts and picture too, from origen.
    void Disponer(double zoom, QPoint origen);

protected:
    // Writes a label's caption as the program does, traced even when the text is unchanged.
    void Caption(QLabel* label, std::string_view texto);
    // Runs one event handler. A drawing operation that fails ends the event there; what it had
    // already written stays, as with any handler that stops half-way. Running out of memory is
    // not the handler's failure: it ends the program.
    template <class F>
    void Evento(F&& handler) {
        try {
            handler();
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& e) {
            ReportarFallo(e);
        }
    }
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload();

    Aplicacion& app_;

private:
    template <class T>
    T* Numerado(const std::vector<T*>& v, const char* prefijo, int n) const {
        if (n >= 0 && static_cast<std::size_t>(n) < v.size() && v[static_cast<std::size_t>(n)])
            return v[static_cast<std::size_t>(n)];
        NoExiste(prefijo, n);
    }
    [[noreturn]] void NoExiste(const char* prefijo, int n) const;
    template <class T>
    static void Numerar(std::vector<T*>& v, const char* nombre, const char* prefijo, T* w);

    void ReportarFallo(const std::exception& e);
    QWidget* Crear(const ControlSpec& spec, canvas::Color fore);
    static void NombrarLectura(QLabel* label, const ControlSpec& spec);

    QString nombre_;
    std::span<const ControlSpec> specs_;
    std::vector<QWidget*> widgets_;  // parallel to specs_
    canvas::PictureWidget* picture_ = nullptr;
    std::vector<QScrollBar*> barras_;
    std::vector<QLabel*> rotulos_;
    std::vector<QAbstractButton*> botones_;
    // The control that had the focus when the window was last hidden.
    QPointer<QWidget> foco_;
    double zoom_ = 1;
    QPoint origen_;
    struct PictureTraceHolder;
    std::unique_ptr<PictureTraceHolder> pictureTrace_;
    std::string fallo_;
};

// A method window: its diagram code reads the scroll bars and writes the labels through it. Its
// picture can be copied, saved and printed from the drawing area's context menu, Ctrl+C, Ctrl+S
// and Ctrl+P, and the drawing area describes its figure to screen readers.
class VentanaMetodo : public Ventana, protected diagram::Controles {
    Q_OBJECT
public:
    // vectores: how many vectors the window adds; their magnitudes are HScroll1 … HScroll<n> and
    // their directions the next n bars.
    VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                  std::span<const ControlSpec> controles, canvas::Color fore, int vectores);
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

    // The values of the picture as drawn, as one line: "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°",
    // then "paso = N" when it is a step and "r = …; α = …°" when it shows the resultant.
    QString LineaDeLecturas() const;
    // The name offered when saving, e.g. "paralelogramo.png".
    virtual QString NombreDeArchivo() const = 0;

    // What the last event that redrew the picture did; nothing while the picture is empty.
    const std::optional<diagram::Resultado>& dibujo() const { return dibujo_; }

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
        std::optional<diagram::Resultado> resultado;
        Evento([&] { resultado = handler(); });
        if (resultado && resultado->redibujo) {
            repetir_ = handler;
            Dibujado(std::move(*resultado));
        }
    }

    // Where the domain draws: Picture1 as the views change it.
    canvas::Canvas& lienzo();

private:
    void PrepararVistas();
    // Runs the last handler that drew again, so that the picture shows the views now chosen.
    void Redibujar();
    void Dibujado(diagram::Resultado resultado);
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
};

}  // namespace trazalia::app
