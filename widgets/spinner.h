#pragma once
// A bare pair of up/down arrow buttons holding an integer in a range: click, hold, drag vertically or turn the
// wheel to change it; a right click restores the default.

#include "widgets/qwidgetex.h"

#include <QPoint>

class QTimer;

class Spinner : public QWidgetEx {
    Q_OBJECT

public:
    enum MouseState { Idle = 0, HoverUp = 1, HoverDown = 2, DragUp = 3, DragDown = 4 };

    explicit Spinner(QWidget* parent = nullptr);

    // "default:min-max"; "min-max" keeps the default; anything with fewer pieces changes nothing.
    void SetSpec(const QString& rangeText);
    // The value clamped into the range; also the drag base. Emits changed.
    void SetValue(int value);
    int Clamp(int value) const;

    int maximum = 1000000;
    int minimum = -1000000;
    int defaultValue = 0;
    int value = 0;
    int dragBase = 0;
    int mouseState = Idle;
    QPoint pressPos;

signals:
    void changed(int value);

public slots:
    void ChangeUp();
    void ChangeDn();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Hover(const QPoint& pos);
    QTimer* m_upTimer;
    QTimer* m_dnTimer;
};
