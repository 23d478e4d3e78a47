#include "app/accesible.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <mutex>

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

}  // namespace trazalia::app
