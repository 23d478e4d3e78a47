// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
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

    // What the core announces, shown. A caption written to Label<n> or a button, as the program
    // writes it (the domain's text, shown in the language installed); a bar's value, set without
    // running anything; a read-out that describes an earlier picture, greyed and struck through,
    // with aviso as its tooltip and description; a handler's failure.
    void Escribir(std::string_view control, std::string_view texto);
    void PonerValor(std::string_view control, int valor);
    void MarcarAnterior(std::string_view control, bool anterior, const QString& aviso = {});
    void Fallar(std::string_view texto);
    // The row of that name in the table, if any.
    std::optional<std::size_t> Indice(std::string_view control) const;

signals:
    // An event handler failed; TomarFallo() says why.
    void fallo();
    // The user closed the window.
    void cerrada();
    // The core set the value of the control in that row; the bar shows it.
    void valorPuesto(int fila);

protected:
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

    QWidget* Crear(const Control& fila, canvas::Color fore);

    QString nombre_;
    std::span<const Control> filas_;
    std::vector<QWidget*> widgets_;  // parallel to filas_
    // Parallel to filas_: a read-out's accessible name before its text, translated once rather
    // than at every caption.
    std::vector<QString> nombres_;
    // Parallel to filas_: the read-out describes an earlier picture.
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
