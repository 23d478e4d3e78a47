// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/esc.h"

#include <QKeyEvent>

#include "app/ventana_metodo.h"
#include "app/zoom.h"

namespace trazalia::app {

namespace {

// Esc on a window, once no control took it (an editor cancels with it): full screen, it leaves
// full screen before any shortcut of the window can take it; out of it, a method window goes
// back as "Regresar" does.
class Esc final : public QObject {
public:
    explicit Esc(Ventana& ventana) : QObject(&ventana), ventana_(ventana) {
        setObjectName(QStringLiteral("esc"));
        ventana_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        const auto tipo = evento->type();
        if (objeto != &ventana_ || (tipo != QEvent::ShortcutOverride && tipo != QEvent::KeyPress))
            return false;
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() != ::Qt::Key_Escape || tecla->modifiers() != ::Qt::NoModifier)
            return false;
        auto* zoom = ventana_.findChild<ZoomDeVentana*>(QString(), ::Qt::FindDirectChildrenOnly);
        auto* metodo = qobject_cast<VentanaMetodo*>(&ventana_);
        const bool completa = ventana_.isFullScreen() && zoom;
        if (!completa && (tipo != QEvent::KeyPress || !metodo)) return false;
        tecla->accept();
        if (tipo != QEvent::KeyPress) return true;
        if (completa)
            zoom->PantallaCompleta(false);
        else
            metodo->Regresar();
        return true;
    }

private:
    Ventana& ventana_;
};

}  // namespace

void ResponderAEsc(Ventana& ventana) {
    if (!ventana.findChild<QObject*>(QStringLiteral("esc"), ::Qt::FindDirectChildrenOnly))
        new Esc(ventana);
}

}  // namespace trazalia::app
