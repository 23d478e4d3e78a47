#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "diagram/controles.h"

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QAbstractButton;

namespace trazalia::canvas {
class PictureWidget;
}

namespace trazalia::app {

class Aplicacion;

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

// Logical pixels from twips, rounding each edge so that neighbouring controls stay aligned.
QRect PixelesDesdeTwips(int left, int top, int width, int height);

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
    // HScroll<n>, Label<n>, Command<n>, or null.
    QScrollBar* barra(int n) const { return Numerado(barras_, n); }
    QLabel* rotulo(int n) const { return Numerado(rotulos_, n); }
    QAbstractButton* boton(int n) const { return Numerado(botones_, n); }
    canvas::PictureWidget* Picture1() const { return picture_; }

    void setVisible(bool visible) override;

    // Gives the lowest-tab-index control that can take focus the focus.
    void EnfocarPrimero();

protected:
    // Writes a label's caption as the program does, traced even when the text is unchanged.
    void Caption(QLabel* label, std::string_view texto);
    // Runs one event handler. A drawing operation that fails ends the event there; what it had
    // already written stays, as with any handler that stops half-way.
    template <class F>
    void Evento(F&& handler) {
        try {
            handler();
        } catch (const std::exception& e) {
            ReportarFallo(e);
        }
    }
    void closeEvent(QCloseEvent* event) override;
    virtual void Form_Unload();

    Aplicacion& app_;

private:
    template <class T>
    static T* Numerado(const std::vector<T*>& v, int n) {
        return n >= 0 && static_cast<std::size_t>(n) < v.size() ? v[static_cast<std::size_t>(n)]
                                                                : nullptr;
    }
    template <class T>
    static void Numerar(std::vector<T*>& v, const char* nombre, const char* prefijo, T* w);

    void ReportarFallo(const std::exception& e) const;
    QWidget* Crear(const ControlSpec& spec, canvas::Color fore);
    static void NombrarLectura(QLabel* label, const ControlSpec& spec);

    QString nombre_;
    std::span<const ControlSpec> specs_;
    std::vector<QWidget*> widgets_;  // parallel to specs_
    canvas::PictureWidget* picture_ = nullptr;
    std::vector<QScrollBar*> barras_;
    std::vector<QLabel*> rotulos_;
    std::vector<QAbstractButton*> botones_;
    struct PictureTraceHolder;
    std::unique_ptr<PictureTraceHolder> pictureTrace_;
};

// A method window: its diagram code reads the scroll bars and writes the labels through it. Its
// picture can be copied and saved from the drawing area's context menu, Ctrl+C and Ctrl+S, and
// the drawing area describes its figure to screen readers.
class VentanaMetodo : public Ventana, protected diagram::Controles {
    Q_OBJECT
public:
    VentanaMetodo(Aplicacion& app, const QString& nombre, const QString& titulo,
                  std::span<const ControlSpec> controles, canvas::Color fore);
    ~VentanaMetodo() override;

    // The clipboard gets the picture and, as text, the read-outs the window shows.
    void CopiarImagen();
    // Asks where to save the picture (PNG, SVG or PDF) and writes it there, all or nothing.
    void GuardarImagen();

    QAction* accionCopiar() const { return copiar_; }
    QAction* accionGuardar() const { return guardar_; }
    // The drawing area's context menu, open while it is shown.
    QMenu* menuDelDibujo() const { return menu_; }

    // The read-outs as one line, e.g. "r1 = 100; α1 = 0°; r2 = 100; α2 = 90°".
    virtual QString LineaDeLecturas() const = 0;
    // The name offered when saving, e.g. "paralelogramo.png".
    virtual QString NombreDeArchivo() const = 0;

protected:
    int HScroll(int n) const override;
    void Label(int n, std::string_view caption) override;
    // "Regresar": back to the start window.
    void Regresar();

    // Runs a handler as Evento does and tells whether it redrew the picture (cleared it).
    template <class F>
    bool EventoDeDibujo(F&& handler) {
        const long antes = Redibujos();
        Evento(std::forward<F>(handler));
        return Redibujos() != antes;
    }
    // The drawing area's accessible description: what its figure shows now.
    void DescribirDibujo(const QString& descripcion);
    // "Vector n: m a d°." from the read-outs of its magnitude and direction.
    QString DescribirVector(int n, int magnitud, int direccion) const;
    // "Resultante: r a α°." or, without a direction, "Resultante: r, sin dirección definida."
    QString DescribirResultante(int magnitud, int direccion) const;
    // "Escala E." as the axes show it, or nothing when no axes are drawn.
    QString DescribirEscala() const;
    // "r = …; α = …°" from a magnitude and a direction read-out.
    QString Lecturas(int magnitud, int direccion, const QString& sufijo) const;

private:
    struct Redibujo;
    long Redibujos() const;
    void AbrirMenu(const QPoint& global);
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    std::unique_ptr<Redibujo> redibujo_;
    QAction* copiar_ = nullptr;
    QAction* guardar_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace trazalia::app
