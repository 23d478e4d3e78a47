// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/teclas.h"

#include <QAction>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>

#include "app/ventana.h"
#include "app/vistas.h"

namespace trazalia::app {

namespace {

// The toolkit's standard keys of an action, which differ between platforms: on top of the
// core's own.
QKeySequence::StandardKey Estandar(Atajo atajo) {
    switch (atajo) {
        case Atajo::Ampliar:
            return QKeySequence::ZoomIn;
        case Atajo::Reducir:
            return QKeySequence::ZoomOut;
        case Atajo::PantallaCompleta:
            return QKeySequence::FullScreen;
        case Atajo::CopiarImagen:
            return QKeySequence::Copy;
        case Atajo::GuardarImagen:
            return QKeySequence::Save;
        case Atajo::Imprimir:
            return QKeySequence::Print;
        case Atajo::Deshacer:
            return QKeySequence::Undo;
        case Atajo::Rehacer:
            return QKeySequence::Redo;
        default:
            return QKeySequence::UnknownKey;
    }
}

// What the controls do with keys and the mouse on their own: no shortcut, but the guide's too. In
// the texts, %1 stands for Ctrl's name and %2 for Shift's, as Qt gives them.
struct Comportamiento {
    std::array<QKeyCombination, 3> teclas;
    const char* otra;  // what the keys above do not name
    const char* descripcion;
};

const std::array<Comportamiento, 12> kComportamientos{{
    {{::Qt::Key_Tab, ::Qt::SHIFT | ::Qt::Key_Tab},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas", "pasan de un control a otro")},
    {{::Qt::Key_Left, ::Qt::Key_Up, ::Qt::Key_PageUp},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas",
                       "bajan el valor de la barra que tiene el foco: de 1 en 1 con las flechas, "
                       "de 5 en 5 con las teclas de página (de 1 en 1 la barra de pasos)")},
    {{::Qt::Key_Right, ::Qt::Key_Down, ::Qt::Key_PageDown},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas", "lo suben")},
    {{::Qt::Key_Home, ::Qt::Key_End},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas", "llevan la barra al mínimo y al máximo")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "0 a 9"),
     QT_TRANSLATE_NOOP("Teclas",
                       "sobre una barra, abren un editor para escribir el valor exacto: Intro lo "
                       "fija, Esc lo cancela; un valor fuera del intervalo se rechaza. Un doble "
                       "clic en la casilla del valor abre el mismo editor")},
    {{::Qt::Key_Space, ::Qt::Key_Return, ::Qt::Key_Enter},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas", "pulsan el botón que tiene el foco")},
    {{::Qt::Key_Escape},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas",
                       "regresa a la ventana de inicio (en pantalla completa, primero sale de "
                       "ella)")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "%1+rueda del ratón"),
     QT_TRANSLATE_NOOP("Teclas", "amplía o reduce las ventanas")},
    {{::Qt::Key_Menu},
     nullptr,
     QT_TRANSLATE_NOOP("Teclas", "abre el menú del dibujo, como el botón derecho del ratón")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "arrastrar una punta"),
     QT_TRANSLATE_NOOP("Teclas",
                       "sobre el dibujo, el módulo y la dirección del vector siguen al puntero; "
                       "con %2, de 5 en 5 y de 15 en 15 grados")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "arrastrar desde el origen"),
     QT_TRANSLATE_NOOP("Teclas", "en la práctica, dibuja su resultante")},
    {{},
     QT_TRANSLATE_NOOP("Teclas", "0 a 9 sobre r o α"),
     QT_TRANSLATE_NOOP("Teclas",
                       "en la práctica, abren un editor para escribir su resultante por partes: "
                       "el módulo en r y la dirección en α")},
}};

QString Traducido(const char* contexto, const char* texto) {
    return QCoreApplication::translate(contexto, texto)
        .replace(QLatin1String("%1"), QCoreApplication::translate("QShortcut", "Ctrl"))
        .replace(QLatin1String("%2"), QCoreApplication::translate("QShortcut", "Shift"));
}

QString FilaDeLaGuia(const QList<QKeySequence>& teclas, const QString& otra,
                     const QString& descripcion) {
    QStringList nombres;
    for (const QKeySequence& t : teclas) nombres << t.toString(QKeySequence::NativeText);
    if (!otra.isEmpty()) nombres << otra;
    return QStringLiteral("<tr><td>") + nombres.join(QLatin1String(", ")).toHtmlEscaped() +
           QStringLiteral("</td><td>") + descripcion.toHtmlEscaped() +
           QStringLiteral("</td></tr>\n");
}

}  // namespace

QString Nombre(Atajo atajo) {
    const session::teclas::FilaDeAtajo& f = session::teclas::FilaDe(atajo);
    return QCoreApplication::translate(f.contexto, f.nombre);
}

QList<QKeySequence> Teclas(Atajo atajo) {
    QList<QKeySequence> teclas;
    if (const auto estandar = Estandar(atajo); estandar != QKeySequence::UnknownKey)
        teclas << QKeySequence::keyBindings(estandar);
    for (std::string_view t : session::teclas::FilaDe(atajo).teclas)
        if (!t.empty())
            teclas << QKeySequence::fromString(QString::fromStdString(session::teclas::Escrita(t)),
                                               QKeySequence::PortableText);
    QList<QKeySequence> distintas;
    for (const QKeySequence& t : teclas)
        if (!t.isEmpty() && !distintas.contains(t)) distintas << t;
    return distintas;
}

QAction* InstalarAtajo(Ventana& ventana, Atajo atajo) {
    return ventana.Atajo(Nombre(atajo), Teclas(atajo));
}

QString FilasDeTeclas() {
    QString filas;
    for (const Comportamiento& c : kComportamientos) {
        QList<QKeySequence> teclas;
        for (QKeyCombination k : c.teclas)
            if (k.key() != ::Qt::Key_unknown) teclas << QKeySequence(k);
        filas += FilaDeLaGuia(teclas, c.otra ? Traducido("Teclas", c.otra) : QString(),
                              Traducido("Teclas", c.descripcion));
    }
    for (const session::teclas::FilaDeAtajo& f : session::teclas::Atajos()) {
        QString descripcion = Nombre(f.atajo);
        if (f.donde)
            descripcion = QCoreApplication::translate("Teclas", "%1, %2")
                              .arg(descripcion, QCoreApplication::translate("Teclas", f.donde));
        filas += FilaDeLaGuia(Teclas(f.atajo), QString(), descripcion);
    }
    // The views' keys live with the views; an unused set gives their names and keys.
    const ControlVistas vistas;
    for (const QAction* vista : vistas.acciones())
        filas += FilaDeLaGuia(
            vista->shortcuts(), QString(),
            QCoreApplication::translate("Teclas", "Vista del dibujo: %1").arg(vista->text()));
    return filas;
}

}  // namespace trazalia::app
