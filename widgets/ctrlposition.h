#pragma once
// A 21 x 21 nudge pad of nine parts that edits an integer offset: arrows step it, dragging the centre moves it by
// the pointer's travel, a right click resets it. The owner shows the offset.

#include "widgets/qwidgetex.h"

#include <QImage>
#include <QVector>

class CtrlPosition : public QWidgetEx {
    Q_OBJECT

public:
    explicit CtrlPosition(QWidget* parent = nullptr);
    // "x,y"; with fewer pieces nothing changes. No signal.
    void SetValue(const QString& text);

    QPoint value;
    QPoint pressPos;
    QPoint dragBase;
    int hoverIndex = -1;
    bool pressed = false;
    bool dragging = false;

signals:
    void changed(const QPoint& value);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    enum class Kind { Press, Move, Release };
    // The held buttons are those of the event (after a release, without the released one).
    void HandleMouse(const QPoint& pos, Kind kind, Qt::MouseButtons held);
    int HitTest(const QPoint& pos) const;

    QImage m_background;
    QVector<QImage> m_parts;
};
