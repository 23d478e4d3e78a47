// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace trazalia::app {

namespace {

// Opens the editor from its bar and from its read-out.
class Enlace final : public QObject {
public:
    Enlace(QScrollBar* barra, QLabel* lectura) : QObject(barra), barra_(barra), lectura_(lectura) {
        barra->installEventFilter(this);
        lectura->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == barra_ && evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            // A digit alone: with Ctrl it is a shortcut, not a value.
            if ((tecla->modifiers() & ~::Qt::KeypadModifier) != ::Qt::NoModifier ||
                tecla->key() < ::Qt::Key_0 || tecla->key() > ::Qt::Key_9)
                return false;
            Abrir(QString(QChar(u'0' + (tecla->key() - ::Qt::Key_0))));
            return true;
        }
        if (objeto == lectura_ && evento->type() == QEvent::MouseButtonDblClick) {
            Abrir(QString::number(barra_->value()))->selectAll();
            return true;
        }
        return false;
    }

private:
    EditorDeValor* Abrir(const QString& texto) {
        return new EditorDeValor(barra_, lectura_, texto);
    }

    QScrollBar* barra_;
    QLabel* lectura_;
};

}  // namespace

void EditorDeValor::Enlazar(QScrollBar* barra, QLabel* lectura) { new Enlace(barra, lectura); }

EditorDeValor::EditorDeValor(QScrollBar* barra, QLabel* lectura, const QString& texto)
    : QLineEdit(texto, lectura->parentWidget()), barra_(barra) {
    setObjectName(QStringLiteral("editor"));
    setAccessibleName(barra->accessibleName() + QStringLiteral(": valor exacto"));
    setFont(lectura->font());
    setAlignment(lectura->alignment() & ::Qt::AlignHorizontal_Mask);
    setValidator(new QIntValidator(0, 9999, this));
    setGeometry(lectura->geometry());
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (pista_) pista_->hide();
    });
    show();
    raise();
    setFocus(::Qt::OtherFocusReason);
}

void EditorDeValor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case ::Qt::Key_Return:
        case ::Qt::Key_Enter:
            Aceptar();
            return;
        case ::Qt::Key_Escape:
            // Taken here, so that it does not reach the window (where Esc goes back).
            Cerrar(true);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void EditorDeValor::Aceptar() {
    bool numero = false;
    const int valor = text().toInt(&numero);
    QScrollBar* barra = barra_;
    if (!barra) return Cerrar(false);
    if (numero && valor >= barra->minimum() && valor <= barra->maximum()) {
        Cerrar(true);
        barra->setValue(valor);
        return;
    }
    const QString rango = QStringLiteral("De %1 a %2").arg(barra->minimum()).arg(barra->maximum());
    if (!pista_) {
        pista_ = new QLabel(parentWidget());
        pista_->setObjectName(QStringLiteral("pista"));
        pista_->setFont(font());
        pista_->setFrameShape(QFrame::Box);
        pista_->setAutoFillBackground(true);
        pista_->setForegroundRole(QPalette::ToolTipText);
        pista_->setBackgroundRole(QPalette::ToolTipBase);
    }
    pista_->setText(rango);
    pista_->adjustSize();
    pista_->move(geometry().left(), geometry().bottom() + 2);
    pista_->show();
    pista_->raise();
    setAccessibleDescription(rango);
    selectAll();
}

void EditorDeValor::Cerrar(bool devolverFoco) {
    if (cerrado_) return;
    cerrado_ = true;
    if (pista_) pista_->deleteLater();
    if (devolverFoco && barra_) barra_->setFocus(::Qt::OtherFocusReason);
    hide();
    deleteLater();
}

void EditorDeValor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The user went elsewhere in the window: nothing typed is kept.
    if (event->reason() != ::Qt::PopupFocusReason &&
        event->reason() != ::Qt::ActiveWindowFocusReason)
        Cerrar(false);
}

// The window was left with the editor open: its bar is where focus comes back to.
void EditorDeValor::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    Cerrar(true);
}

}  // namespace trazalia::app
