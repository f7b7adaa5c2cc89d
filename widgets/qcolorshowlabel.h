#pragma once
// The resulting-colour swatch: the colour over a checkerboard; it drags its colour and takes dropped ones.

#include <QColor>
#include <QWidget>

class QColorShowLabel : public QWidget {
    Q_OBJECT

public:
    explicit QColorShowLabel(QWidget* parent = nullptr);
    void setColor(const QColor& color) { m_col = color; }
    QColor color() const { return m_col; }

signals:
    void colorDropped(QRgb color);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QColor m_col;
    bool m_mousePressed = false;
    QPoint m_pressPos;
};
