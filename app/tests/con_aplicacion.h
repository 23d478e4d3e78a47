// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <QStringList>
#include <QTranslator>

#include "app/aplicacion.h"
#include "app/form1.h"
#include "app/idioma.h"
#include "app/ventana_metodo.h"

namespace trazalia::app {

// A started application for widget tests, and a short way to act on its windows.
class ConAplicacion : public testing::Test {
protected:
    ConAplicacion() { app.Iniciar(); }

    // Opens a window from Form1 and acts on it as a user would: "Form2 1=100 4=90 clic" sets
    // HScroll1 to 100 and HScroll4 to 90, then clicks Command1. "Form1" acts on nothing.
    Ventana& Hacer(const char* guion) {
        const QStringList partes = QString::fromUtf8(guion).split(u' ');
        if (partes[0] != QLatin1String("Form1"))
            app.form1().boton(partes[0] == QLatin1String("Form2") ? 1 : 2)->click();
        Ventana& v = *app.ventana(partes[0]);
        for (const QString& p : partes.mid(1)) {
            const int n = p.section(u'=', 0, 0).toInt();  // 0 for "clic"
            n ? v.barra(n)->setValue(p.section(u'=', 1).toInt()) : v.boton(1)->click();
        }
        return v;
    }
    VentanaMetodo& Metodo(const char* guion) { return static_cast<VentanaMetodo&>(Hacer(guion)); }

    Aplicacion app;
};

// English translators for one test, gone with it.
class EnIngles {
public:
    EnIngles() : antes_(qApp->findChildren<QTranslator*>()) {
        InstalarIdioma(QStringLiteral("en"), true);
    }
    ~EnIngles() {
        InstalarIdioma(QStringLiteral("es"), false);
        for (QTranslator* t : qApp->findChildren<QTranslator*>())
            if (!antes_.contains(t)) delete t;
    }

private:
    QList<QTranslator*> antes_;
};

}  // namespace trazalia::app
