#pragma once
// A well of colour cells over an outside table of ARGB values; cells drag and (where allowed) take drops, alpha
// included.

#include "widgets/qwellarray.h"

class QColorWell : public QWellArray {
    Q_OBJECT

public:
    // The table holds rows x cols entries, cell (row, col) being entry row + col x rows; the caller keeps it alive.
    QColorWell(QWidget* parent, int rows, int cols, QRgb* values);
    void DrawCell(QPainter* painter, int row, int col, const QRect& rect) override;
    QRgb ValueAt(int row, int col) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    int IndexOf(int row, int col) const;
    QRgb* m_values;
    bool m_mousePressed = false;
    int m_oldRow = -1;
    int m_oldCol = -1;
    QPoint m_pressPos;
};
