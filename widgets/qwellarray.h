#pragma once
// A grid of cells with a current and a selected cell, keyboard moves and a per-cell fill; the colour wells build
// on it.

#include <QBrush>
#include <QWidget>

#include <vector>

class QWellArray : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int selectedColumn READ selectedColumn)
    Q_PROPERTY(int selectedRow READ selectedRow)

public:
    QWellArray(int rows, int cols, QWidget* parent = nullptr);

    virtual void SetCurrentCell(int row, int col);
    virtual void SelectCell(int row, int col);
    virtual void SetCellFill(int row, int col, const QBrush& brush);
    virtual void DrawCell(QPainter* painter, int row, int col, const QRect& rect);

    int numRows() const { return m_rows; }
    int numCols() const { return m_cols; }
    int cellWidth() const { return m_cellW; }
    int cellHeight() const { return m_cellH; }
    int currentRow() const { return m_curRow; }
    int currentColumn() const { return m_curCol; }
    int selectedRow() const { return m_selRow; }
    int selectedColumn() const { return m_selCol; }
    QBrush CellFill(int row, int col) const;

    int rowAt(int y) const { return y / m_cellH; }
    int columnAt(int x) const;
    QRect cellRect(int row, int col) const;
    QSize sizeHint() const override;

signals:
    void selected(int row, int col);
    void changed(int index, QRgb color);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    void UpdateCell(int row, int col);

private:
    int m_rows;
    int m_cols;
    int m_cellW = 28;
    int m_cellH = 28;
    int m_curRow = 0;
    int m_curCol = 0;
    int m_selRow = -1;
    int m_selCol = -1;
    std::vector<QBrush> m_fills;
};

// The framed checkerboard with a colour over it, shared by the well cells and the swatch: transparency shows.
void DrawCheckeredColorBox(QPainter* painter, const QRect& rect, int square, int margin, const QColor& color);
