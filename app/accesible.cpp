// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accesible.h"

#include <QAccessibleWidget>
#include <mutex>
#include <utility>

#include "app/emblema.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

namespace {

// Qt asks with each class of the object, the most derived first; the classes' own meta-objects
// name them, so that a renamed class keeps its role or fails to build.
template <class T>
bool Es(const QString& clase, QObject* objeto) {
    return clase == QLatin1String(T::staticMetaObject.className()) && qobject_cast<T*>(objeto);
}

// A picture, whose description may be written only when it is asked for.
class Figura final : public QAccessibleWidget {
public:
    explicit Figura(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            if (const auto* d = DescripcionAlPedir::De(widget())) return d->texto();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* PorClase(const QString& clase, QObject* objeto) {
    if (Es<canvas::PictureWidget>(clase, objeto) || Es<Emblema>(clase, objeto))
        return new Figura(static_cast<QWidget*>(objeto));
    if (Es<Anuncio>(clase, objeto))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Notification);
    return nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
    static std::once_flag una;
    std::call_once(una, [] { QAccessible::installFactory(PorClase); });
}

DescripcionAlPedir::DescripcionAlPedir(QWidget& widget, std::function<QString()> describir)
    : QObject(&widget), widget_(widget), describir_(std::move(describir)) {}

void DescripcionAlPedir::Cambio() {
    cambiada_ = true;
    texto_.reset();
    QAccessibleEvent cambio(&widget_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&cambio);
}

QString DescripcionAlPedir::texto() const {
    if (!cambiada_) return widget_.accessibleDescription();
    if (!texto_) texto_ = describir_();
    return *texto_;
}

DescripcionAlPedir* DescripcionAlPedir::De(const QObject* widget) {
    return widget ? widget->findChild<DescripcionAlPedir*>(QString(), ::Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QString DescripcionAccesible(QWidget* widget) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(widget);
    return i ? i->text(QAccessible::Description) : widget->accessibleDescription();
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
