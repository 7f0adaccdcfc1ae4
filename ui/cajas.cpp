#include "ui/cajas.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace vyr::ui {

CajaTexto::CajaTexto(QWidget* padre) : QLineEdit(padre) {
    // A text put in from elsewhere leaves the caret at its end, which would
    // scroll the start out of sight.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!hasFocus() && !tecleando_) home(false);
    });
}

void CajaTexto::keyPressEvent(QKeyEvent* e) {
    // Keys sent to a box without the focus still type at the caret.
    tecleando_ = true;
    QLineEdit::keyPressEvent(e);
    tecleando_ = false;
}

void CajaTexto::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Not when another window only borrows the activation: the caret stays.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) home(false);
}

Boton::Boton(QWidget* padre) : QPushButton(padre) {
    setAutoDefault(false);
    setDefault(false);
}

void Boton::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat()) click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

}  // namespace vyr::ui
