#include "app/accesible.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <mutex>
#include <variant>

#include "canvas/picture.h"

namespace trazalia::app {

namespace {

QAccessibleInterface* ComoImagen(const QString& clase, QObject* objeto) {
    if (clase != QLatin1String("trazalia::canvas::PictureWidget") &&
        clase != QLatin1String("trazalia::app::Emblema"))
        return nullptr;
    auto* widget = qobject_cast<QWidget*>(objeto);
    return widget ? new QAccessibleWidget(widget, QAccessible::Graphic) : nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
    static std::once_flag una;
    std::call_once(una, [] { QAccessible::installFactory(ComoImagen); });
}

QString EscalaDelDibujo(const canvas::Picture& picture) {
    // The axes print +Escala and -Escala at their ends; the first positive one is the scale.
    for (const canvas::Op& op : picture.Ops()) {
        if (const auto* texto = std::get_if<canvas::PrintOp>(&op);
            texto && !texto->text.empty() && texto->text.front() != '-')
            return QString::fromStdString(texto->text);
    }
    return {};
}

}  // namespace trazalia::app
