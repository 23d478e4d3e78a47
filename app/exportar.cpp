// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportar.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <array>
#include <span>

#include "canvas/qt/painter.h"

namespace trazalia::app {

namespace {

struct TipoDeArchivo {
    const char* filtro;
    const char* extension;
};

// A picture (offered as PNG) may be saved in any of the first three; a worksheet (offered as PDF)
// only as a PDF; the practice's record (offered as CSV) only as CSV.
constexpr std::array<TipoDeArchivo, 4> kTipos{{
    {QT_TRANSLATE_NOOP("Exportar", "Imagen PNG (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("Exportar", "Imagen SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("Exportar", "Documento PDF (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("Exportar", "Registro CSV (*.csv)"), "csv"},
}};

// The filter as the dialog shows it, in the language installed.
QString Filtro(const TipoDeArchivo& t) { return QCoreApplication::translate("Exportar", t.filtro); }

std::span<const TipoDeArchivo> TiposPara(const QString& extension) {
    const std::span<const TipoDeArchivo> todos(kTipos);
    if (extension == u"pdf") return todos.subspan(2, 1);
    if (extension == u"csv") return todos.subspan(3, 1);
    return todos.first(3);
}

const TipoDeArchivo* TipoDelFiltro(const QString& filtro) {
    for (const TipoDeArchivo& t : kTipos)
        if (filtro == Filtro(t)) return &t;
    return nullptr;
}

}  // namespace

QFileDialog* CrearDialogoGuardar(QWidget* parent, const QString& ruta) {
    const QString extension = QFileInfo(ruta).suffix().toLower();
    const std::span<const TipoDeArchivo> tipos = TiposPara(extension);
    auto* dialogo = new QFileDialog(
        parent, tipos.size() > 1 ? QCoreApplication::translate("Exportar", "Guardar imagen")
                                 : QCoreApplication::translate("Exportar", "Guardar"));
    dialogo->setAcceptMode(QFileDialog::AcceptSave);
    dialogo->setFileMode(QFileDialog::AnyFile);
    QStringList filtros;
    for (const TipoDeArchivo& t : tipos) filtros << Filtro(t);
    dialogo->setNameFilters(filtros);
    for (const TipoDeArchivo& t : tipos) {
        if (extension == QLatin1String(t.extension)) {
            dialogo->selectNameFilter(Filtro(t));
            dialogo->setDefaultSuffix(QLatin1String(t.extension));
        }
    }
    dialogo->setDirectory(QFileInfo(ruta).absolutePath());
    dialogo->selectFile(QFileInfo(ruta).fileName());

    // A name typed with one of the three extensions takes the extension of the type chosen.
    QObject::connect(dialogo, &QFileDialog::filterSelected, dialogo, [dialogo](const QString& f) {
        const TipoDeArchivo* tipo = TipoDelFiltro(f);
        if (!tipo) return;
        dialogo->setDefaultSuffix(QLatin1String(tipo->extension));
        const QStringList elegidos = dialogo->selectedFiles();
        if (elegidos.isEmpty()) return;
        const QFileInfo nombre(elegidos.first());
        if (canvas::FormatForPath(nombre.fileName()))
            dialogo->selectFile(nombre.completeBaseName() + u'.' + QLatin1String(tipo->extension));
    });
    return dialogo;
}

QMimeData* DatosDelDibujo(const canvas::Picture& picture, const QString& texto, qreal ratio) {
    QImage imagen = canvas::RenderImage(picture, ratio);
    canvas::SetResolution(imagen, ratio);
    auto* datos = new QMimeData;
    datos->setImageData(imagen);
    datos->setText(texto);
    return datos;
}

}  // namespace trazalia::app
