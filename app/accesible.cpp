// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accesible.h"

#include <QAccessibleWidget>
#include <mutex>

namespace trazalia::app {

namespace {

QAccessibleInterface* PorClase(const QString& clase, QObject* objeto) {
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget) return nullptr;
    if (clase == QLatin1String("trazalia::canvas::PictureWidget") ||
        clase == QLatin1String("trazalia::app::Emblema"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (clase == QLatin1String("trazalia::app::Anuncio"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
    static std::once_flag una;
    std::call_once(una, [] { QAccessible::installFactory(PorClase); });
}

// Hidden until there is something to say, and again when its window is left, so that showing
// the window does not repeat an old result.
Anuncio::Anuncio(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("anuncio"));
    setFocusPolicy(::Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    parent->installEventFilter(this);
}

bool Anuncio::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == parentWidget() && evento->type() == QEvent::Hide) hide();
    return false;
}

void Anuncio::Decir(const QString& texto) {
    setAccessibleName(texto);
    if (isHidden()) return show();
    // The same words said twice are still news: the notification shows anew each time.
    QAccessibleEvent mostrada(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&mostrada);
}

}  // namespace trazalia::app
