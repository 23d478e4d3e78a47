// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resumen.h"

#include <QCoreApplication>

#include "app/idioma.h"

namespace trazalia::app {

namespace {

// Texts are marked where they are written, for lupdate; counted ones with their count.
QString T(const char* texto, int n = -1) {
    return QCoreApplication::translate("Resumen", texto, nullptr, n);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::string ResumenTraducido(const practice::Resumen& resumen) {
    if (Idioma() == u"es") return resumen.Texto();
    using practice::Codigo;
    using practice::Porcentaje;
    const int intentos = resumen.intentos();
    const int aciertos = resumen.Veces(Codigo::Acierto);
    QString texto = T(QT_TRANSLATE_NOOP("Resumen", "Intentos: %1; aciertos: %2 (%3 %)."))
                        .arg(intentos)
                        .arg(aciertos)
                        .arg(Q(Porcentaje(aciertos, intentos))) +
                    u'\n';
    texto += u'\n' + T(QT_TRANSLATE_NOOP("Resumen", "Por alumno:")) + u'\n';
    for (const auto& a : resumen.Alumnos())
        texto += QStringLiteral("  %1: %2, %3 (%4 %)\n")
                     .arg(a.nombre.empty() ? T(QT_TRANSLATE_NOOP("Resumen", "(sin nombre)"))
                                           : Q(a.nombre),
                          T(QT_TRANSLATE_N_NOOP("Resumen", "%n intento(s)"), a.intentos),
                          T(QT_TRANSLATE_N_NOOP("Resumen", "%n acierto(s)"), a.aciertos),
                          Q(Porcentaje(a.aciertos, a.intentos)));
    texto += u'\n' + T(QT_TRANSLATE_NOOP("Resumen", "Errores de la clase:")) + u'\n';
    for (int c = static_cast<int>(Codigo::SumaDeModulos); c <= static_cast<int>(Codigo::Otro);
         ++c) {
        const auto codigo = static_cast<Codigo>(c);
        texto += QStringLiteral("  ") +
                 T(QT_TRANSLATE_NOOP("Resumen", "%1: %2 (%3 % de los intentos)"))
                     .arg(Q(std::string(practice::Nombre(codigo))),
                          QString::number(resumen.Veces(codigo)),
                          Q(Porcentaje(resumen.Veces(codigo), intentos))) +
                 u'\n';
    }
    const auto& ilegibles = resumen.ilegibles();
    if (!ilegibles.empty()) {
        texto += u'\n' +
                 T(QT_TRANSLATE_N_NOOP("Resumen", "Líneas que no se pudieron leer: %n"),
                   static_cast<int>(ilegibles.size())) +
                 u'\n';
        for (const auto& i : ilegibles)
            texto += QStringLiteral("  %1:%2: %3\n")
                         .arg(Q(i.archivo), QString::number(i.numero), Q(i.motivo));
    }
    return texto.toStdString();
}

}  // namespace trazalia::app
