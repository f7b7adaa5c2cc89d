#include "widgets/qlineeditex.h"

QLineEditEx::QLineEditEx(QWidget* parent) : QLineEdit(parent) {}

QLineEditEx::QLineEditEx(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void QLineEditEx::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit focusChanged(true);
    emit focusIn();
}

void QLineEditEx::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit focusChanged(false);
    emit focusOut();
}
