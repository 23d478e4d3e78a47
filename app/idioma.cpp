// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "diagram/traducible.h"

namespace trazalia::app {

namespace {

QString instalado = QStringLiteral("es");

// Owned by the application, so that they last as long as it translates.
void Instalar(const QString& archivo, const QString& carpeta) {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(archivo, carpeta))
        QCoreApplication::installTranslator(traductor);
    else
        delete traductor;
}

}  // namespace

QStringList Idiomas() {
    return {QStringLiteral("es"), QStringLiteral("en"), QStringLiteral("pt_BR")};
}

QString IdiomaDelSistema() {
    const QStringList propios = Idiomas();
    for (QString pedido : QLocale::system().uiLanguages()) {
        pedido.replace(u'-', u'_');
        if (propios.contains(pedido)) return pedido;
        // Any other Portuguese reads the Brazilian translation better than Spanish; any Spanish
        // or English, the program's own.
        const QString lengua = pedido.section(u'_', 0, 0);
        if (lengua == u"pt") return QStringLiteral("pt_BR");
        if (propios.contains(lengua)) return lengua;
    }
    return QStringLiteral("es");
}

void InstalarIdioma(const QString& idioma, bool dialogosDeQt) {
    instalado = idioma;
    // Spanish's own file only gives counted texts their singular.
    Instalar(QStringLiteral("trazalia_") + idioma, QStringLiteral(":/i18n"));
    // Qt's dialogs (saving a picture, their buttons) in the same language, when installed.
    if (dialogosDeQt)
        Instalar(QStringLiteral("qtbase_") + idioma,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Idioma() { return instalado; }

QString Traducir(std::string_view texto) {
    const std::string terminado(texto);
    return QCoreApplication::translate(diagram::kContexto, terminado.c_str());
}

std::string EnElIdioma(const char* contexto, const char* texto, int cuenta) {
    if (cuenta != 0)
        return QCoreApplication::translate(contexto, texto, nullptr, cuenta).toStdString();
    // None is counted in the plural in each of the program's languages ("0 acertos"), where Qt's
    // rule for Brazilian Portuguese takes the singular: the plural form is asked for by a count
    // that takes it everywhere, then the count is put right.
    constexpr int kPlural = 1000003;
    return QCoreApplication::translate(contexto, texto, nullptr, kPlural)
        .replace(QString::number(kPlural), QStringLiteral("0"))
        .toStdString();
}

}  // namespace trazalia::app
