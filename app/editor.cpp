// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor.h"

#include <QCoreApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QValidator>
#include <utility>

namespace trazalia::app {

Destino EditorDeValor::DeLaBarra(QScrollBar* barra) {
    Destino d;
    d.foco = barra;
    d.nombre = barra->accessibleName();
    d.validador = new QIntValidator(0, 9999);
    d.valor = [barra] { return QString::number(barra->value()); };
    d.pista = QCoreApplication::translate("Editor", "De %1 a %2")
                  .arg(barra->minimum())
                  .arg(barra->maximum());
    // Tab or a click elsewhere keeps what was typed, as a guess's editor does.
    d.fijaAlSalir = true;
    return d;
}

namespace {

// Opens the editor from what has the focus (its bar, or the read-out itself) and from its
// read-out.
class Enlace final : public QObject {
public:
    Enlace(Destino destino, QLabel* lectura)
        : QObject(lectura), destino_(std::move(destino)), lectura_(lectura) {
        // Kept here until the editor is made and takes it.
        destino_.validador->setParent(this);
        destino_.foco->installEventFilter(this);
        if (destino_.foco != lectura) lectura->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        const auto tipo = evento->type();
        if (tipo != QEvent::KeyPress && tipo != QEvent::MouseButtonDblClick) return false;
        if (destino_.disponible && !destino_.disponible()) return false;
        if (objeto == destino_.foco && tipo == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            // A key alone: with Ctrl it is a shortcut, not a value.
            if ((tecla->modifiers() & ~::Qt::KeypadModifier) != ::Qt::NoModifier) return false;
            if (tecla->key() >= ::Qt::Key_0 && tecla->key() <= ::Qt::Key_9) {
                Abrir(QString(QChar(u'0' + (tecla->key() - ::Qt::Key_0))));
                return true;
            }
            // A read-out that takes the focus itself (a guess's) opens with any character its
            // value may start with, a sign or a decimal mark too, so that none is lost unseen.
            QString texto = tecla->text();
            int posicion = static_cast<int>(texto.size());
            if (destino_.foco != lectura_ || texto.isEmpty() ||
                Validador()->validate(texto, posicion) == QValidator::Invalid)
                return false;
            Abrir(texto);
            return true;
        }
        if (objeto == lectura_ && tipo == QEvent::MouseButtonDblClick) {
            Abrir(destino_.valor())->selectAll();
            return true;
        }
        return false;
    }

private:
    // Kept here until the editor takes it.
    const QValidator* Validador() const {
        return editor_ ? editor_->validator() : destino_.validador;
    }
    EditorDeValor* Abrir(const QString& texto) {
        if (!editor_) {
            // The one editor takes the validator.
            Destino destino = destino_;
            destino_.validador = nullptr;
            editor_ = new EditorDeValor(std::move(destino), lectura_);
        }
        editor_->Abrir(texto);
        return editor_;
    }

    Destino destino_;
    QLabel* lectura_;
    QPointer<EditorDeValor> editor_;
};

}  // namespace

void EditorDeValor::Enlazar(QLabel* lectura, Destino destino) {
    if (!destino.foco) destino.foco = lectura;
    new Enlace(std::move(destino), lectura);
}

EditorDeValor::EditorDeValor(Destino destino, QLabel* lectura)
    : QLineEdit(lectura->parentWidget()),
      destino_(std::move(destino)),
      foco_(destino_.foco),
      lectura_(lectura),
      observada_(lectura) {
    setObjectName(QStringLiteral("editor"));
    setAccessibleName(
        QCoreApplication::translate("Editor", "%1: valor exacto").arg(destino_.nombre));
    setAlignment(lectura->alignment() & ::Qt::AlignHorizontal_Mask);
    destino_.validador->setParent(this);
    setValidator(destino_.validador);
    // Tab goes on from the bar, not from the end of the window where the editor was added.
    QWidget::setTabOrder(destino_.foco, this);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (pista_) pista_->hide();
    });
    // The zoom and full screen move and scale the read-out; the editor follows it.
    lectura->installEventFilter(this);
    hide();
}

void EditorDeValor::Abrir(const QString& texto) {
    cerrado_ = false;
    setText(texto);
    setAccessibleDescription(QString());
    if (pista_) pista_->hide();
    Colocar();
    show();
    raise();
    setFocus(::Qt::OtherFocusReason);
}

bool EditorDeValor::eventFilter(QObject* objeto, QEvent* evento) {
    // Compared as an object: while the read-out is being destroyed it is no longer a QLabel, and
    // the QPointer would cast it to one.
    if (objeto == observada_ && !cerrado_ &&
        (evento->type() == QEvent::Move || evento->type() == QEvent::Resize ||
         evento->type() == QEvent::FontChange))
        Colocar();
    return QLineEdit::eventFilter(objeto, evento);
}

void EditorDeValor::Colocar() {
    if (!lectura_) return;
    setFont(lectura_->font());
    setGeometry(lectura_->geometry());
    if (!pista_) return;
    pista_->setFont(font());
    pista_->adjustSize();
    // Under the editor, moved in where the read-out is near the window's edge, so that the hint
    // is read whole.
    QRect caja(QPoint(geometry().left(), geometry().bottom() + 2), pista_->size());
    const QRect ventana = parentWidget()->rect();
    if (caja.right() > ventana.right()) caja.moveRight(ventana.right());
    if (caja.left() < ventana.left()) caja.moveLeft(ventana.left());
    if (caja.bottom() > ventana.bottom()) caja.moveBottom(geometry().top() - 2);
    pista_->move(caja.topLeft());
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
            break;
    }
    // A character the value cannot hold (a letter, a digit too many) is refused as a value out
    // of range is, so that it is never dropped unseen.
    const QString tecla = event->text();
    if (!tecla.isEmpty() && tecla.front().isPrint() &&
        !(event->modifiers() & (::Qt::ControlModifier | ::Qt::AltModifier | ::Qt::MetaModifier))) {
        QString propuesto = text();
        int posicion = hasSelectedText() ? selectionStart() : cursorPosition();
        if (hasSelectedText()) propuesto.remove(posicion, selectionLength());
        propuesto.insert(posicion, tecla);
        posicion += static_cast<int>(tecla.size());
        if (validator()->validate(propuesto, posicion) == QValidator::Invalid) return Rechazar();
    }
    QLineEdit::keyPressEvent(event);
}

void EditorDeValor::Aceptar() {
    if (!foco_) return Cerrar(false);
    const QString texto = text();
    if (destino_.acepta(texto)) {
        Cerrar(true);
        destino_.fijar(texto);
        return;
    }
    Rechazar();
    selectAll();
}

void EditorDeValor::Rechazar() {
    if (!foco_) return;
    const QString rango = destino_.pista;
    if (!pista_) {
        pista_ = new QLabel(parentWidget());
        pista_->setObjectName(QStringLiteral("pista"));
        pista_->setFrameShape(QFrame::Box);
        pista_->setAutoFillBackground(true);
        pista_->setForegroundRole(QPalette::ToolTipText);
        pista_->setBackgroundRole(QPalette::ToolTipBase);
    }
    pista_->setText(rango);
    Colocar();
    pista_->show();
    pista_->raise();
    setAccessibleDescription(rango);
}

void EditorDeValor::Cerrar(bool devolverFoco) {
    if (cerrado_) return;
    cerrado_ = true;
    if (devolverFoco && foco_) foco_->setFocus(::Qt::OtherFocusReason);
    // Showing posts a repaint that a hidden widget never needs; without an event loop (script
    // mode) one would pile up each time the editor opens.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(pista_)}) {
        if (!w) continue;
        w->hide();
        QCoreApplication::removePostedEvents(w, QEvent::UpdateLater);
    }
}

// Tab and Shift+Tab, where leaving sets the value: one that is not taken keeps the focus here with
// its hint; one that is goes to the value as the focus moves on. The focus-out does it on screen;
// without an active window (script mode) there is none, so it is done here too.
bool EditorDeValor::event(QEvent* event) {
    if (event->type() != QEvent::KeyPress || !destino_.fijaAlSalir || cerrado_)
        return QLineEdit::event(event);
    const auto* tecla = static_cast<QKeyEvent*>(event);
    if ((tecla->key() != ::Qt::Key_Tab && tecla->key() != ::Qt::Key_Backtab) ||
        (tecla->modifiers() & (::Qt::ControlModifier | ::Qt::AltModifier)))
        return QLineEdit::event(event);
    const QString texto = text();
    if (!texto.isEmpty() && !destino_.acepta(texto)) {
        Rechazar();
        selectAll();
        return true;
    }
    const bool hecho = QLineEdit::event(event);
    if (!cerrado_) {
        Cerrar(false);
        if (!texto.isEmpty()) destino_.fijar(texto);
    }
    return hecho;
}

void EditorDeValor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == ::Qt::PopupFocusReason ||
        event->reason() == ::Qt::ActiveWindowFocusReason || cerrado_)
        return;
    const QString texto = text();
    if (!destino_.fijaAlSalir || texto.isEmpty()) return Cerrar(false);
    if (destino_.acepta(texto)) {
        Cerrar(false);
        destino_.fijar(texto);
        return;
    }
    // Left open with its hint, so that what was typed is not lost unseen.
    Rechazar();
}

// The window was left with the editor open: its bar is where focus comes back to.
void EditorDeValor::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    Cerrar(true);
}

}  // namespace trazalia::app
