#include "widgets/ctrlalign.h"

#include "foundation/alignoffset.h"
#include "foundation/profiler.h"
#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QMouseEvent>
#include <QPainter>

CtrlAlign::CtrlAlign(QWidget* parent) : QWidgetEx(parent) {
    InitWidgetResources();
    m_background = LoadImageCached(QStringLiteral(":/images/CtrlAlignBG"), true);
    m_mark = LoadImageCached(QStringLiteral(":/images/CtrlAlignMark"), true);
    resize(m_background.size());
    setMinimumSize(m_background.size());
    setMaximumSize(m_background.size());
    setMouseTracking(true);
}

void CtrlAlign::PickAt(const QPoint& pos) {
    if (width() <= 0 || height() <= 0)
        return;
    const int column = qBound(0, pos.x() * 3 / width(), 2);
    const int row = qBound(0, pos.y() * 3 / height(), 2);
    static const quint32 columnBits[] = {1, 2, 4};
    static const quint32 rowBits[] = {8, 0x10, 0x20};
    const quint32 bits = columnBits[column] | rowBits[row];
    quint32& target = pressed ? value : hoverValue;
    if (bits == target)
        return;
    target = bits;
    update();
    if (pressed) {
        hoverValue = 0;
        emit changed(value);
    }
}

void CtrlAlign::mousePressEvent(QMouseEvent* e) {
    pressed = true;
    PickAt(e->pos());
    e->accept();
}

void CtrlAlign::mouseMoveEvent(QMouseEvent* e) {
    if (rect().contains(e->pos()))
        PickAt(e->pos());
}

void CtrlAlign::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->pos()))
        PickAt(e->pos());
    pressed = false;
}

void CtrlAlign::leaveEvent(QEvent* e) {
    QWidgetEx::leaveEvent(e);
    pressed = false;
    hoverValue = 0;
    update();
}

QPoint CtrlAlign::PlaceOf(quint32 v) const {
    return AlignOffset(int(v), m_background.size(), m_mark.size());
}

void CtrlAlign::paintEvent(QPaintEvent*) {
    PROFILE_SCOPE("CtrlAlign::paintEvent");
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.setOpacity(opacity());
    painter.drawImage(0, 0, m_background);
    if (value == NoMark)
        return;
    if (hoverValue != 0) {
        painter.setOpacity(opacity() / 2);
        painter.drawImage(PlaceOf(hoverValue), m_mark);
    }
    painter.setOpacity(opacity());
    painter.drawImage(PlaceOf(value), m_mark);
}
