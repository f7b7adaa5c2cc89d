#include "widgets/qcolorluminancepicker.h"

#include "widgets/qwellarray.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

QColorLuminancePicker::QColorLuminancePicker(QWidget* parent) : QWidget(parent) {}

int QColorLuminancePicker::Span() const {
    // A bar shorter than the pointer's margins still divides by something.
    return qMax(1, qMax(width(), height()) - 9);
}

int QColorLuminancePicker::ValueToPos(int v) const {
    return 4 + (255 - v) * Span() / 255;
}

int QColorLuminancePicker::PosToValue(int pos) const {
    return qBound(0, 255 + (4 - pos) * 255 / Span(), 255);
}

void QColorLuminancePicker::SetVal(int pos) {
    const int raw = 255 + (4 - pos) * 255 / Span();
    if (raw == m_val)
        return;
    m_val = qBound(0, raw, 255);
    m_pix = QPixmap();
    update();
    emit newHsv(m_hue, m_sat, m_val);
}

void QColorLuminancePicker::mouseMoveEvent(QMouseEvent* e) {
    SetVal(isHorizontal() ? e->pos().x() : e->pos().y());
}

void QColorLuminancePicker::mousePressEvent(QMouseEvent* e) {
    setFocus();
    SetVal(isHorizontal() ? e->pos().x() : e->pos().y());
}

void QColorLuminancePicker::setCol(int hue, int sat, int val) {
    m_hue = hue;
    m_sat = sat;
    m_val = val;
    m_pix = QPixmap();
    update();
}

void QColorLuminancePicker::setCol(int hue, int sat) {
    m_hue = hue;
    m_sat = sat;
    m_pix = QPixmap();
    update();
    emit newHsv(m_hue, m_sat, m_val);
}

void QColorLuminancePicker::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    const int span = Span();
    const bool horizontal = isHorizontal();
    const QSize pixSize = horizontal ? QSize(w - 10, h - 9) : QSize(w - 9, h - 10);
    const QRect frame = horizontal ? QRect(3, 0, w - 6, h - 5) : QRect(0, 3, w - 5, h - 6);
    QPainter p(this);
    if (pixSize.width() > 0 && pixSize.height() > 0) {
        if (m_pix.isNull() || m_pix.size() != pixSize) {
            QImage img(pixSize, QImage::Format_RGB32);
            const int hue = qBound(-1, m_hue, 359);
            const int sat = qBound(0, m_sat, 255);
            for (int y = 0; y < pixSize.height(); ++y) {
                for (int x = 0; x < pixSize.width(); ++x) {
                    const int v = horizontal ? 255 - (pixSize.width() - x) * 255 / span : 255 - y * 255 / span;
                    img.setPixel(x, y, QColor::fromHsv(hue, sat, qBound(0, v, 255)).rgb());
                }
            }
            m_pix = QPixmap::fromImage(img);
        }
        p.drawPixmap(horizontal ? QPoint(5, 2) : QPoint(2, 5), m_pix);
    }
    QPalette pal;
    pal.setColor(QPalette::Light, QColor(0x32, 0x32, 0x32));
    pal.setColor(QPalette::Dark, QColor(0x32, 0x32, 0x32));
    if (frame.width() > 2 && frame.height() > 2)
        qDrawShadePanel(&p, frame, pal, true, 1, nullptr);

    const QColor fg = palette().color(QPalette::WindowText);
    p.setPen(fg);
    p.setBrush(fg);
    const int pos = ValueToPos(m_val);
    QPolygon arrow(3);
    if (horizontal) {
        p.eraseRect(0, h - 5, w, 5);
        arrow.setPoint(0, pos, h - 5);
        arrow.setPoint(1, pos + 5, h);
        arrow.setPoint(2, pos - 5, h);
    } else {
        p.eraseRect(w - 5, 0, 5, h);
        arrow.setPoint(0, w - 5, pos);
        arrow.setPoint(1, w, pos + 5);
        arrow.setPoint(2, w, pos - 5);
    }
    p.drawPolygon(arrow);
}
