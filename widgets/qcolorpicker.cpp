#include "widgets/qcolorpicker.h"

#include "widgets/qwellarray.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

QColorPicker::QColorPicker(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Plain);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setStyleSheet(QStringLiteral("QWidget { border: 1px solid #323232; }"));
    // Force a different starting point, so the first setCol is never "unchanged".
    m_hue = -1;
    setCol(150, 255);
    resize(sizeHint());
}

QSize QColorPicker::sizeHint() const {
    return QSize(220 + 2 * frameWidth(), 200 + 2 * frameWidth());
}

QPoint QColorPicker::MarkerPoint() const {
    const QRect c = contentsRect();
    return QPoint((c.width() - 1) * (360 - m_hue) / 360, (c.height() - 1) * (255 - m_sat) / 255);
}

void QColorPicker::setCol(int hue, int sat) {
    const int h = qBound(0, hue, 359);
    const int s = qBound(0, sat, 255);
    if (h == m_hue && s == m_sat)
        return;
    const QRect c = contentsRect();
    const QPoint shift(c.x() - 9, c.y() - 9);
    QRect dirty(MarkerPoint() + shift, QSize(20, 20));
    m_hue = h;
    m_sat = s;
    dirty |= QRect(MarkerPoint() + shift, QSize(20, 20));
    update(dirty);
}

void QColorPicker::PickAt(const QPoint& widgetPos) {
    const QRect c = contentsRect();
    const int cw = qMax(2, c.width());
    const int ch = qMax(2, c.height());
    const QPoint p = widgetPos - c.topLeft();
    setCol(360 - p.x() * 360 / (cw - 1), 255 - p.y() * 255 / (ch - 1));
    emit newCol(m_hue, m_sat);
}

void QColorPicker::mouseMoveEvent(QMouseEvent* e) {
    PickAt(e->pos());
}

void QColorPicker::mousePressEvent(QMouseEvent* e) {
    setFocus();
    PickAt(e->pos());
}

void QColorPicker::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    const int w = width() - 2 * frameWidth();
    const int h = height() - 2 * frameWidth();
    if (w <= 0 || h <= 0) {
        m_pix = QPixmap();
        return;
    }
    QImage img(w, h, QImage::Format_RGB32);
    const int cw = qMax(2, contentsRect().width());
    const int ch = qMax(2, contentsRect().height());
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                line[x] = qRgb(0, 0, 0);
                continue;
            }
            const int hue = qBound(0, 360 - x * 360 / (cw - 1), 359);
            const int sat = qBound(0, 255 - y * 255 / (ch - 1), 255);
            line[x] = QColor::fromHsv(hue, sat, 200).rgb();
        }
    }
    m_pix = QPixmap::fromImage(img);
}

void QColorPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const QRect c = contentsRect();
    p.drawPixmap(c.topLeft(), m_pix);
    const QPoint pt = MarkerPoint() + c.topLeft();
    p.fillRect(pt.x() - 9, pt.y(), 20, 2, Qt::black);
    p.fillRect(pt.x(), pt.y() - 9, 2, 20, Qt::black);
}
