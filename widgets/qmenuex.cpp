#include "widgets/qmenuex.h"

#include "foundation/profiler.h"

#include <QPainter>

QMenuEx::QMenuEx(QWidget* parent) : QMenu(parent) {}

void QMenuEx::paintEvent(QPaintEvent* e) {
    PROFILE_SCOPE("QMenuEx::paintEvent");
    QMenu::paintEvent(e);
    if (!showDivider)
        return;
    QPainter painter(this);
    painter.setPen(QColor(QStringLiteral("#e2e3e3")));
    painter.drawLine(28, 3, 28, height() - 5);
    painter.setPen(QColor(QStringLiteral("#ffffff")));
    painter.drawLine(29, 3, 29, height() - 5);
}
