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

// A key as the table writes it: a platform's standard key or one combination.
struct Tecla {
    constexpr Tecla() = default;
    constexpr Tecla(QKeySequence::StandardKey e) : estandar(e) {}
    constexpr Tecla(QKeyCombination c) : combinacion(c) {}
    constexpr Tecla(::Qt::Key k) : combinacion(k) {}

    QKeySequence::StandardKey estandar = QKeySequence::UnknownKey;
    QKeyCombination combinacion;
};

struct FilaDeAtajo {
    Atajo atajo;
    const char* contexto;
    const char* nombre;
    std::array<Tecla, 3> teclas;
    const char* donde = nullptr;  // where the keys act, for the guide, when not anywhere
};

// In the guide's order.
const std::array<FilaDeAtajo, 15> kAtajos{{
    {Atajo::Ayuda,
     "Aplicacion",
     QT_TRANSLATE_NOOP("Aplicacion", "Ayuda de Trazalia"),
     {::Qt::Key_F1}},
    // Ctrl+= is Ctrl++ where + needs Shift.
    {Atajo::Ampliar,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Ampliar"),
     {QKeySequence::ZoomIn, ::Qt::CTRL | ::Qt::Key_Plus, ::Qt::CTRL | ::Qt::Key_Equal}},
    {Atajo::Reducir,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Reducir"),
     {QKeySequence::ZoomOut, ::Qt::CTRL | ::Qt::Key_Minus}},
    {Atajo::TamanoNormal,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Tamaño normal"),
     {::Qt::CTRL | ::Qt::Key_0}},
    {Atajo::PantallaCompleta,
     "Zoom",
     QT_TRANSLATE_NOOP("Zoom", "Pantalla completa"),
     {::Qt::Key_F11, QKeySequence::FullScreen}},
    {Atajo::CopiarImagen,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Copiar imagen"),
     {QKeySequence::Copy}},
    {Atajo::GuardarImagen,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Guardar imagen…"),
     {QKeySequence::Save}},
    {Atajo::Imprimir,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Imprimir…"),
     {QKeySequence::Print}},
    // Ctrl+Shift+Z where Ctrl+Y is something else.
    {Atajo::Deshacer,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Deshacer"),
     {QKeySequence::Undo, ::Qt::CTRL | ::Qt::Key_Z}},
    {Atajo::Rehacer,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Rehacer"),
     {QKeySequence::Redo, ::Qt::CTRL | ::Qt::Key_Y, ::Qt::CTRL | ::Qt::SHIFT | ::Qt::Key_Z}},
    {Atajo::HojaDeEjercicios,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Hoja de ejercicios…"),
     {::Qt::Key_W}},
    {Atajo::Practicar, "Practica", QT_TRANSLATE_NOOP("Practica", "Practicar"), {::Qt::Key_P}},
    {Atajo::OtroEjercicio,
     "Practica",
     QT_TRANSLATE_NOOP("Practica", "Otro ejercicio"),
     {::Qt::Key_N}},
    {Atajo::Comprobar,
     "Practica",
     QT_TRANSLATE_NOOP("Practica", "Comprobar"),
     {::Qt::Key_Return, ::Qt::Key_Enter},
     QT_TRANSLATE_NOOP("Teclas", "sobre el dibujo, en la práctica")},
    {Atajo::MenuDelDibujo,
     "Acciones",
     QT_TRANSLATE_NOOP("Acciones", "Menú del dibujo"),
     {::Qt::SHIFT | ::Qt::Key_F10},
     QT_TRANSLATE_NOOP("Teclas", "sobre el dibujo")},
}};

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

const FilaDeAtajo& Fila(Atajo atajo) {
    return *std::find_if(kAtajos.begin(), kAtajos.end(),
                         [atajo](const FilaDeAtajo& f) { return f.atajo == atajo; });
}

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
    const FilaDeAtajo& f = Fila(atajo);
    return QCoreApplication::translate(f.contexto, f.nombre);
}

QList<QKeySequence> Teclas(Atajo atajo) {
    QList<QKeySequence> teclas;
    for (const Tecla& t : Fila(atajo).teclas) {
        if (t.estandar != QKeySequence::UnknownKey)
            teclas << QKeySequence::keyBindings(t.estandar);
        else if (t.combinacion.key() != ::Qt::Key_unknown)
            teclas << QKeySequence(t.combinacion);
    }
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
    for (const FilaDeAtajo& f : kAtajos) {
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
