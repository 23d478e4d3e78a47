// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resumen.h"

#include <QCoreApplication>

#include "app/idioma.h"
#include "canvas/error_reason.h"

namespace trazalia::app {

namespace {

// Texts are marked where they are written, for lupdate; counted ones with their count.
QString T(const char* texto, int n = -1) {
    return QCoreApplication::translate("Resumen", texto, nullptr, n);
}

// Text read from the files, as a terminal may show it.
QString Q(const std::string& s) { return QString::fromStdString(canvas::Printable(s)); }

QString Error(practice::Codigo codigo) {
    return QCoreApplication::translate("Trazalia", practice::NombreCorto(codigo).data());
}

}  // namespace

std::string ClaveDeAlumno(std::string_view nombre) {
    return QString::fromUtf8(nombre.data(), static_cast<qsizetype>(nombre.size()))
        .trimmed()
        .normalized(QString::NormalizationForm_C)
        .toCaseFolded()
        .toStdString();
}

std::string ResumenTraducido(const practice::Resumen& resumen) {
    using practice::Codigo;
    using practice::Porcentaje;
    const int intentos = resumen.intentos();
    const int aciertos = resumen.Veces(Codigo::Acierto);
    const auto nombre = [](const practice::Resumen::Alumno& a) {
        return a.nombre.empty() ? T(QT_TRANSLATE_NOOP("Resumen", "(sin nombre)")) : Q(a.nombre);
    };
    QString texto = T(QT_TRANSLATE_NOOP("Resumen", "Intentos: %1; aciertos: %2 (%3 %)."))
                        .arg(intentos)
                        .arg(aciertos)
                        .arg(QString::fromStdString(Porcentaje(aciertos, intentos))) +
                    u'\n';
    texto += u'\n' + T(QT_TRANSLATE_NOOP("Resumen", "Por alumno:")) + u'\n';
    const auto alumnos = resumen.Alumnos();
    for (const auto& a : alumnos)
        texto += QStringLiteral("  %1: %2, %3 (%4 %)\n")
                     .arg(nombre(a), T(QT_TRANSLATE_N_NOOP("Resumen", "%n intento(s)"), a.intentos),
                          T(QT_TRANSLATE_N_NOOP("Resumen", "%n acierto(s)"), a.aciertos),
                          QString::fromStdString(Porcentaje(a.aciertos, a.intentos)));
    texto += u'\n' + T(QT_TRANSLATE_NOOP("Resumen", "Errores de la clase:")) + u'\n';
    constexpr int kPrimero = static_cast<int>(Codigo::SumaDeModulos);
    constexpr int kUltimo = static_cast<int>(Codigo::Otro);
    for (int c = kPrimero; c <= kUltimo; ++c) {
        const auto codigo = static_cast<Codigo>(c);
        texto += QStringLiteral("  ") +
                 T(QT_TRANSLATE_NOOP("Resumen", "%1: %2 (%3 % de los intentos)"))
                     .arg(Error(codigo), QString::number(resumen.Veces(codigo)),
                          QString::fromStdString(Porcentaje(resumen.Veces(codigo), intentos))) +
                 u'\n';
    }
    if (intentos > aciertos) {
        texto += u'\n' + T(QT_TRANSLATE_NOOP("Resumen", "Alumnos por error:")) + u'\n';
        for (int c = kPrimero; c <= kUltimo; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (resumen.Veces(static_cast<Codigo>(c)) == 0) continue;
            texto += QStringLiteral("  %1:\n").arg(Error(static_cast<Codigo>(c)));
            for (const auto& a : alumnos)
                if (a.veces[i] > 0)
                    texto += QStringLiteral("    %1: %2\n")
                                 .arg(nombre(a), T(QT_TRANSLATE_N_NOOP("Resumen", "%n vez/veces"),
                                                   a.veces[i]));
        }
    }
    if (resumen.TotalDeIlegibles() > 0) {
        texto += u'\n' +
                 T(QT_TRANSLATE_N_NOOP("Resumen", "Líneas que no se pudieron leer: %n"),
                   static_cast<int>(resumen.TotalDeIlegibles())) +
                 u'\n';
        for (const auto& i : resumen.ilegibles())
            texto += QStringLiteral("  %1:%2: %3\n")
                         .arg(Q(i.archivo), QString::number(i.numero), Q(i.motivo));
        const long omitidos =
            resumen.TotalDeIlegibles() - static_cast<long>(resumen.ilegibles().size());
        if (omitidos > 0)
            texto += QStringLiteral("  ") +
                     T(QT_TRANSLATE_N_NOOP("Resumen", "y %n más"), static_cast<int>(omitidos)) +
                     u'\n';
    }
    return texto.toStdString();
}

}  // namespace trazalia::app
