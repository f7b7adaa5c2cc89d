#include "widgets/qcolorwell.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

QColorWell::QColorWell(QWidget* parent, int rows, int cols, QRgb* values)
    : QWellArray(rows, cols, parent), m_values(values) {
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
}

int QColorWell::IndexOf(int row, int col) const {
    if (row < 0 || row >= numRows() || col < 0 || col >= numCols())
        return -1;
    return row + col * numRows();
}

QRgb QColorWell::ValueAt(int row, int col) const {
    const int i = IndexOf(row, col);
    return i < 0 || !m_values ? 0 : m_values[i];
}

void QColorWell::DrawCell(QPainter* painter, int row, int col, const QRect& rect) {
    QWellArray::DrawCell(painter, row, col, rect);
    DrawCheckeredColorBox(painter, rect.adjusted(2, 2, -2, -2), 10, 1, QColor::fromRgba(ValueAt(row, col)));
}

void QColorWell::mousePressEvent(QMouseEvent* e) {
    m_oldRow = currentRow();
    m_oldCol = currentColumn();
    QWellArray::mousePressEvent(e);
    m_mousePressed = true;
    m_pressPos = e->pos();
}

void QColorWell::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_mousePressed)
        return;
    QWellArray::mouseReleaseEvent(e);
    m_mousePressed = false;
}

void QColorWell::mouseMoveEvent(QMouseEvent* e) {
    QWellArray::mouseMoveEvent(e);
    if (!m_mousePressed || (m_pressPos - e->pos()).manhattanLength() <= QApplication::startDragDistance())
        return;
    SetCurrentCell(m_oldRow, m_oldCol);
    const QColor col = QColor::fromRgba(ValueAt(rowAt(m_pressPos.y()), columnAt(m_pressPos.x())));
    auto* mime = new QMimeData;
    mime->setColorData(col);
    QPixmap pix(cellWidth(), cellHeight());
    pix.fill(col);
    QPainter p(&pix);
    p.drawRect(0, 0, pix.width() - 1, pix.height() - 1);
    p.end();
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(pix);
    m_mousePressed = false;
    drag->exec(Qt::CopyAction);
}

void QColorWell::dragEnterEvent(QDragEnterEvent* e) {
    if (qvariant_cast<QColor>(e->mimeData()->colorData()).isValid())
        e->accept();
    else
        e->ignore();
}

void QColorWell::dragLeaveEvent(QDragLeaveEvent*) {
    if (hasFocus() && parentWidget())
        parentWidget()->setFocus();
}

void QColorWell::dragMoveEvent(QDragMoveEvent* e) {
    if (qvariant_cast<QColor>(e->mimeData()->colorData()).isValid()) {
        SetCurrentCell(rowAt(e->pos().y()), columnAt(e->pos().x()));
        e->accept();
    } else {
        e->ignore();
    }
}

void QColorWell::dropEvent(QDropEvent* e) {
    const QColor col = qvariant_cast<QColor>(e->mimeData()->colorData());
    const int index = IndexOf(rowAt(e->pos().y()), columnAt(e->pos().x()));
    if (!col.isValid() || index < 0 || !m_values) {
        e->ignore();
        return;
    }
    m_values[index] = col.rgba();
    emit changed(index, col.rgba());
    update();
    e->accept();
}
