#include "widgets/qhorizontalline.h"

#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QPainter>

QHorizontalLine::QHorizontalLine(QWidget* parent, int width, int height, int style) : QWidget(parent), m_style(style) {
    resize(width, height);
    if (height != -1)
        setMinimumHeight(height);
    if (width != -1)
        setMinimumWidth(width);
}

void QHorizontalLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(QColor(48, 48, 48));
    if (m_style == 2) {
        static const QImage breaker =
            (InitWidgetResources(), LoadImageCached(QStringLiteral(":/images/BreakerLine"), true));
        painter.drawImage(0, height() / 2 - breaker.height() / 2, breaker);
        return;
    }
    if (m_style == 1) {
        pen = QPen(QColor(22, 69, 96));
        pen.setDashPattern({2, 1});
    }
    painter.setPen(pen);
    painter.drawLine(0, height() / 2, width(), height() / 2);
}
