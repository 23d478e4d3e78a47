// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/registro.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <string_view>

#include "app/dialogos.h"
#include "canvas/qt/file_error.h"
#include "canvas/qt/painter.h"

namespace trazalia::app {

bool RegistrarAsiento(const QString& ruta, bool crear, const std::string& alumno,
                      practice::Asiento asiento, QString* error) {
    const QDateTime ahora = QDateTime::currentDateTime();
    asiento.fecha =
        ahora.toOffsetFromUtc(ahora.offsetFromUtc()).toString(::Qt::ISODate).toStdString();
    asiento.alumno = alumno;
    if (crear && !QFileInfo::exists(ruta)) QDir().mkpath(QFileInfo(ruta).absolutePath());
    const std::string_view cabecera = practice::CabeceraDelRegistro();
    return canvas::AppendLine(QByteArray::fromStdString(practice::LineaDeAsiento(asiento)),
                              QByteArray(cabecera.data(), static_cast<qsizetype>(cabecera.size())),
                              ruta, error);
}

void GuardarCopiaDelRegistro(Dialogos& dialogos, QWidget* ventana, const QString& ruta,
                             const QString& nombre) {
    QFile registro(ruta);
    if (ruta.isEmpty() || !registro.exists()) {
        dialogos.Aviso(ventana, QCoreApplication::translate("Practica", "No hay resultados"),
                       QCoreApplication::translate(
                           "Practica", "Todavía no se ha registrado ningún veredicto."));
        return;
    }
    const QString destino = dialogos.ArchivoParaGuardar(ventana, nombre);
    if (destino.isEmpty()) return;
    QString error;
    errno = 0;
    if (!registro.open(QIODevice::ReadOnly)) {
        const int causa = errno;  // before anything else can change it
        error = QCoreApplication::translate("Practica", "no se puede leer «%1»: %2")
                    .arg(ruta, canvas::Reason(canvas::OpenError(ruta, QIODevice::ReadOnly, causa)));
    } else if (canvas::SaveFile(registro.readAll(), destino, &error)) {
        return;
    }
    if (!error.isEmpty()) error[0] = error[0].toUpper();
    dialogos.Aviso(ventana,
                   QCoreApplication::translate("Practica", "No se pudieron guardar los resultados"),
                   error + u'.');
}

}  // namespace trazalia::app
