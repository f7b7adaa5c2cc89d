#include "widgets/qcolorshowlabel.h"

#include "widgets/qwellarray.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

QColorShowLabel::QColorShowLabel(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setStyleSheet(QStringLiteral("QWidget { border: 1px solid #323232; }"));
}

void QColorShowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawCheckeredColorBox(&p, rect(), 9, 0, m_col);
}

void QColorShowLabel::mousePressEvent(QMouseEvent* e) {
    m_mousePressed = true;
    m_pressPos = e->pos();
}

void QColorShowLabel::mouseReleaseEvent(QMouseEvent*) {
    m_mousePressed = false;
}

void QColorShowLabel::mouseMoveEvent(QMouseEvent* e) {
    if (!m_mousePressed || (m_pressPos - e->pos()).manhattanLength() <= QApplication::startDragDistance())
        return;
    auto* mime = new QMimeData;
    mime->setColorData(m_col);
    QPixmap pix(30, 20);
    pix.fill(m_col);
    QPainter p(&pix);
    p.drawRect(0, 0, pix.width() - 1, pix.height() - 1);
    p.end();
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(pix);
    m_mousePressed = false;
    drag->exec(Qt::CopyAction);
}

void QColorShowLabel::dragEnterEvent(QDragEnterEvent* e) {
    if (qvariant_cast<QColor>(e->mimeData()->colorData()).isValid())
        e->accept();
    else
        e->ignore();
}

void QColorShowLabel::dropEvent(QDropEvent* e) {
    const QColor col = qvariant_cast<QColor>(e->mimeData()->colorData());
    if (!col.isValid()) {
        e->ignore();
        return;
    }
    m_col = col;
    repaint();
    emit colorDropped(col.rgba());
    e->accept();
}
