// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control.h"
#include "canvas/canvas.h"

class QAction;
class QLabel;
class QScrollBar;
class QAbstractButton;

namespace trazalia::canvas {
class PictureWidget;
}

namespace trazalia::app {

// A top-level window of the program, built from its control table. It knows nothing of the
// program around it: it announces what happens (shown, hidden, a caption written, a handler
// failed, closed) and whoever made it decides what follows.
class Ventana : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 10875;
    static constexpr int kClientHeight = 7995;

    Ventana(const QString& nombre, const QString& titulo, std::span<const Control> controles,
            canvas::Color fore = canvas::kBlack);
    ~Ventana() override;

    const QString& nombre() const { return nombre_; }
    // The table the window was built from.
    std::span<const Control> controles() const { return filas_; }

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

    // The first handler failure since the last call, then forgotten; empty when none.
    std::string TomarFallo();
    // Lays every control out from its twips at that zoom, fonts and picture too, from origen.
    void Disponer(double zoom, QPoint origen);
    // An action of the window, owned by it, that those keys trigger wherever the focus is in it;
    // empty and repeated keys are dropped.
    QAction* Atajo(const QString& texto, const QList<QKeySequence>& teclas);

signals:
    // An event handler failed; TomarFallo() says why.
    void fallo();
    // The user closed the window.
    void cerrada();

protected:
    // Writes a label's caption as the program does, traced even when the text is unchanged.
    void Caption(QLabel* label, std::string_view texto);
    // Brackets a redraw: the result read-outs that it did not write describe an earlier picture,
    // and say so (greyed, struck through, with aviso as their tooltip and description) until a
    // caption is written to them again. Empty read-outs describe nothing and stay as they are.
    void ComenzarRedibujo();
    void TerminarRedibujo(const QString& aviso);
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
    QWidget* Crear(const Control& fila, canvas::Color fore);
    void MarcarAnterior(std::size_t i, bool anterior, const QString& aviso = {});

    QString nombre_;
    std::span<const Control> filas_;
    std::vector<QWidget*> widgets_;  // parallel to filas_
    // Parallel to filas_: a read-out's accessible name before its text, translated once rather
    // than at every caption.
    std::vector<QString> nombres_;
    // Parallel to filas_: a caption was written since ComenzarRedibujo; the read-out describes an
    // earlier picture.
    std::vector<bool> escrito_;
    std::vector<bool> anterior_;
    canvas::PictureWidget* picture_ = nullptr;
    std::vector<QScrollBar*> barras_;
    std::vector<QLabel*> rotulos_;
    std::vector<QAbstractButton*> botones_;
    // The control that had the focus when the window was last hidden.
    QPointer<QWidget> foco_;
    double zoom_ = 1;
    QPoint origen_;
    std::string fallo_;
};

}  // namespace trazalia::app
