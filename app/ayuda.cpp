// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ayuda.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/emblema.h"
#include "app/idioma.h"
#include "app/teclas.h"
#include "app/zoom.h"

namespace trazalia::app {

namespace {

constexpr QSize kTamano(640, 560);
constexpr int kIcono = 64;

// The guide in the language installed, the Spanish one where there is no other.
QString Pagina() {
    const QString traducida = QStringLiteral(":/ayuda_") + Idioma() + QStringLiteral(".html");
    return QFile::exists(traducida) ? QStringLiteral("qrc") + traducida
                                    : QStringLiteral("qrc:/ayuda.html");
}

// The guide, its table of keys written where the page marks it: from the table the windows
// register their keys from, in the language installed.
class Guia final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int tipo, const QUrl& nombre) override {
        QVariant recurso = QTextBrowser::loadResource(tipo, nombre);
        if (tipo != QTextDocument::HtmlResource || recurso.typeId() != QMetaType::QByteArray)
            return recurso;
        return QString::fromUtf8(recurso.toByteArray())
            .replace(QLatin1String("<!-- teclas -->"), FilasDeTeclas());
    }
};

}  // namespace

Ayuda::Ayuda(QWidget* parent) : QDialog(parent), texto_(new Guia(this)) {
    setObjectName(QStringLiteral("ayuda"));
    setWindowTitle(QCoreApplication::translate("Ayuda", "Ayuda de Trazalia"));
    setModal(false);
    resize(kTamano);
    texto_->setSource(QUrl(Pagina()));
    texto_->setAccessibleName(QCoreApplication::translate("Ayuda", "Guía de Trazalia"));

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* acerca = botones->addButton(
        QCoreApplication::translate("Ayuda", "Acerca de Trazalia"), QDialogButtonBox::HelpRole);
    connect(acerca, &QPushButton::clicked, this, &Ayuda::AcercaDe);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* capas = new QVBoxLayout(this);
    capas->addWidget(texto_);
    capas->addWidget(botones);
}

Ayuda* Ayuda::Unica() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* ayuda = qobject_cast<Ayuda*>(w)) return ayuda;
    return nullptr;
}

void Ayuda::Pasar(QWidget* ventana) {
    if (parentWidget() != ventana) {
        if (parentWidget()) parentWidget()->removeEventFilter(this);
        // Where it was on the screen, if it was on it.
        const QPoint lugar = pos();
        const bool visible = isVisible();
        setParent(ventana, windowFlags());
        if (visible) move(lugar);
        ventana->installEventFilter(this);
    }
    Ajustar(FactorDe(ventana));
}

Ayuda* Ayuda::Mostrar(QWidget* ventana) {
    Ayuda* ayuda = Unica();
    if (!ayuda) {
        ayuda = new Ayuda(ventana);
        ventana->installEventFilter(ayuda);
    }
    ayuda->seguir_ = false;
    ayuda->Pasar(ventana);
    ayuda->show();
    ayuda->raise();
    ayuda->activateWindow();
    // The arrows and Page keys scroll the guide.
    ayuda->texto()->setFocus();
    return ayuda;
}

void Ayuda::Acompanar(QWidget* ventana) {
    Ayuda* ayuda = Unica();
    if (!ayuda || !ayuda->seguir_) return;
    ayuda->seguir_ = false;
    ayuda->Pasar(ventana);
    ayuda->show();
    if (ayuda->acercaDe_ && std::exchange(ayuda->seguirAcercaDe_, false)) ayuda->acercaDe_->show();
}

bool Ayuda::eventFilter(QObject* objeto, QEvent* evento) {
    // Hidden with its window, not left open beside a window the user has left.
    if (objeto == parentWidget() && evento->type() == QEvent::Hide && isVisible()) {
        seguir_ = true;
        seguirAcercaDe_ = acercaDe_ && acercaDe_->isVisible();
        if (seguirAcercaDe_) acercaDe_->hide();
        hide();
    }
    return QDialog::eventFilter(objeto, evento);
}

QMessageBox* Ayuda::AcercaDe() {
    if (!acercaDe_) {
        const QString texto =
            QCoreApplication::translate(
                "Ayuda",
                "<h3>Trazalia %1</h3>"
                "<p>Suma de vectores en el plano por los métodos del paralelogramo y del "
                "polígono.</p>"
                "<p>Licencia: GNU GPL, versión 3 o posterior (%3).</p>"
                "<p>Créditos: Equipo Trazalia. Hecho con Qt %2.</p>")
                .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()),
                     // Non-breaking hyphens: Qt breaks a line after a hyphen, even in <nobr>.
                     QStringLiteral("GPL\u20113.0\u2011or\u2011later"));
        acercaDe_ = new QMessageBox(QMessageBox::NoIcon,
                                    QCoreApplication::translate("Ayuda", "Acerca de Trazalia"),
                                    texto, QMessageBox::Close, this);
        acercaDe_->setModal(false);
        EscalarAcercaDe();
    }
    acercaDe_->show();
    acercaDe_->raise();
    acercaDe_->activateWindow();
    return acercaDe_;
}

void Ayuda::Ajustar(double factor) {
    if (factor == factor_) return;
    factor_ = factor;
    EscalarDialogo(*this, factor_);
    QSize tamano = kTamano * factor_;
    if (const QScreen* pantalla = screen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() - Zoom::kMarco);
    resize(tamano);
    if (acercaDe_) EscalarAcercaDe();
}

// A message box is a window of its own: it takes no font from the guide.
void Ayuda::EscalarAcercaDe() {
    EscalarDialogo(*acercaDe_, factor_);
    const int lado = static_cast<int>(std::lround(kIcono * factor_));
    acercaDe_->setIconPixmap(IconoTrazalia().pixmap(lado, lado));
}

}  // namespace trazalia::app
