#include "widgets/qlabelex.h"

#include <QFontMetrics>

QLabelEx::QLabelEx(QWidget* parent, const QString& text, bool bold, int pixelSize, const QColor& color,
                   const QString& extraStyle)
    : QLabel(text, parent) {
    QFont f = font();
    if (bold)
        f.setBold(true);
    setFont(f);

    const QString sizePart = pixelSize != -1 ? QStringLiteral("font-size:%1px;").arg(pixelSize) : QString();
    const QString colorPart = color.isValid() ? QStringLiteral("color:%1;").arg(color.name()) : QString();
    if (!colorPart.isEmpty() || !sizePart.isEmpty() || !extraStyle.isEmpty())
        setStyleSheet(QStringLiteral("QLabel {%1 %2 %3}").arg(colorPart, sizePart, extraStyle));
}

void QLabelEx::FitWidthToText(int flags) {
    const int w = fontMetrics().horizontalAdvance(text()) + 1;
    QRect g = geometry();
    if (flags & 2)
        g.setLeft(g.right() + 1 - w);
    else
        g.setWidth(w);
    setGeometry(g);
}

void QLabelEx::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    emit released();
    emit clicked();
}

void QLabelEx::mouseDoubleClickEvent(QMouseEvent* e) {
    QWidget::mouseDoubleClickEvent(e);
    emit OnDoubleClick();
}

void QLabelEx::enterEvent(QEvent* e) {
    QLabel::enterEvent(e);
    if (!hoverStyle.isEmpty())
        setStyleSheet(hoverStyle);
}

void QLabelEx::leaveEvent(QEvent* e) {
    QLabel::leaveEvent(e);
    if (!normalStyle.isEmpty())
        setStyleSheet(normalStyle);
}
