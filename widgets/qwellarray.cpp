#include "widgets/qwellarray.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

QWellArray::QWellArray(int rows, int cols, QWidget* parent)
    : QWidget(parent), m_rows(qMax(0, rows)), m_cols(qMax(0, cols)) {
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QWidget { border: 1px solid #323232; }"));
}

int QWellArray::columnAt(int x) const {
    const int col = x / m_cellW;
    return isRightToLeft() ? m_cols - col - 1 : col;
}

QRect QWellArray::cellRect(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return QRect();
    const int x = isRightToLeft() ? (m_cols - col - 1) * m_cellW : col * m_cellW;
    return QRect(x, row * m_cellH, m_cellW, m_cellH);
}

QSize QWellArray::sizeHint() const {
    return QSize(m_cols * m_cellW, m_rows * m_cellH).boundedTo(QSize(640, 480));
}

void QWellArray::UpdateCell(int row, int col) {
    const QRect r = cellRect(row, col);
    if (!r.isEmpty())
        update(r);
}

void QWellArray::SetCurrentCell(int row, int col) {
    if (row == m_curRow && col == m_curCol)
        return;
    if (row < 0 || col < 0)
        row = col = -1;
    const int oldRow = m_curRow;
    const int oldCol = m_curCol;
    m_curRow = row;
    m_curCol = col;
    UpdateCell(oldRow, oldCol);
    UpdateCell(m_curRow, m_curCol);
}

void QWellArray::SelectCell(int row, int col) {
    if (row < 0 || col < 0)
        row = col = -1;
    const int oldRow = m_selRow;
    const int oldCol = m_selCol;
    m_selRow = row;
    m_selCol = col;
    UpdateCell(oldRow, oldCol);
    UpdateCell(m_selRow, m_selCol);
    if (row >= 0)
        emit selected(row, col);
    if (isVisible() && qobject_cast<QMenu*>(parentWidget()))
        parentWidget()->close();
}

void QWellArray::SetCellFill(int row, int col, const QBrush& brush) {
    if (m_fills.empty())
        m_fills.resize(size_t(m_rows) * size_t(m_cols));
    if (row >= 0 && row < m_rows && col >= 0 && col < m_cols)
        m_fills[size_t(row) * size_t(m_cols) + size_t(col)] = brush;
}

QBrush QWellArray::CellFill(int row, int col) const {
    if (m_fills.empty() || row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return QBrush();
    return m_fills[size_t(row) * size_t(m_cols) + size_t(col)];
}

void QWellArray::DrawCell(QPainter* painter, int row, int col, const QRect& rect) {
    if (row != m_curRow || col != m_curCol || !(hasFocus() || acceptDrops()))
        return;
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = rect;
    opt.palette = palette();
    opt.state = QStyle::State_None | QStyle::State_KeyboardFocusChange;
    opt.backgroundColor = QColor(128, 128, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, painter, this);
}

void QWellArray::paintEvent(QPaintEvent* e) {
    if (m_rows == 0 || m_cols == 0)
        return;
    const QRect r = e->rect();
    const int rowFirst = qBound(0, rowAt(r.top()), m_rows - 1);
    const int rowLast = qBound(0, rowAt(r.bottom()), m_rows - 1);
    int colFirst = qBound(0, columnAt(r.left()), m_cols - 1);
    int colLast = qBound(0, columnAt(r.right()), m_cols - 1);
    if (colFirst > colLast)
        qSwap(colFirst, colLast);
    QPainter painter(this);
    for (int row = rowFirst; row <= rowLast; ++row) {
        for (int col = colFirst; col <= colLast; ++col)
            DrawCell(&painter, row, col, cellRect(row, col));
    }
}

void QWellArray::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->pos();
    SetCurrentCell(rowAt(pos.y()), columnAt(pos.x()));
}

void QWellArray::mouseReleaseEvent(QMouseEvent*) {
    SelectCell(m_curRow, m_curCol);
}

void QWellArray::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        if (m_curCol > 0)
            SetCurrentCell(m_curRow, m_curCol - 1);
        break;
    case Qt::Key_Right:
        if (m_curCol < m_cols - 1)
            SetCurrentCell(m_curRow, m_curCol + 1);
        break;
    case Qt::Key_Up:
        if (m_curRow > 0)
            SetCurrentCell(m_curRow - 1, m_curCol);
        break;
    case Qt::Key_Down:
        if (m_curRow < m_rows - 1)
            SetCurrentCell(m_curRow + 1, m_curCol);
        break;
    case Qt::Key_Space:
        SelectCell(m_curRow, m_curCol);
        break;
    default:
        e->ignore();
        return;
    }
}

void QWellArray::focusInEvent(QFocusEvent*) {
    UpdateCell(m_curRow, m_curCol);
}

void QWellArray::focusOutEvent(QFocusEvent*) {
    UpdateCell(m_curRow, m_curCol);
}

void DrawCheckeredColorBox(QPainter* painter, const QRect& rect, int square, int margin, const QColor& color) {
    QPalette pal;
    pal.setColor(QPalette::Light, QColor(0x32, 0x32, 0x32));
    pal.setColor(QPalette::Dark, QColor(0x32, 0x32, 0x32));
    if (rect.width() > 2 && rect.height() > 2)
        qDrawShadePanel(painter, rect, pal, true, 1, nullptr);
    const QRect inner = rect.adjusted(margin + 1, margin + 1, -(margin + 1), -(margin + 1));
    if (inner.isEmpty() || square < 1)
        return;
    painter->save();
    painter->setClipRect(inner);
    for (int j = 0; inner.top() + j * square <= inner.bottom(); ++j) {
        for (int i = 0; inner.left() + i * square <= inner.right(); ++i) {
            const bool dark = (i % 2) == (j % 2);
            painter->fillRect(QRect(inner.left() + i * square, inner.top() + j * square, square, square),
                              dark ? QColor(0x5B, 0x5B, 0x5B) : QColor(0xCC, 0xCC, 0xCC));
        }
    }
    painter->fillRect(inner, color);
    painter->restore();
}
