#pragma once
// The 3 x 3 alignment picker: a click picks a column and a row, hovering shows a faded preview mark.

#include "widgets/qwidgetex.h"

#include <QImage>

class CtrlAlign : public QWidgetEx {
    Q_OBJECT

public:
    // Column bits 1 left, 2 centre, 4 right; row bits 8 top, 0x10 middle, 0x20 bottom.
    static constexpr quint32 NoMark = 0xFFFFFFFFu;

    explicit CtrlAlign(QWidget* parent = nullptr);
    void PickAt(const QPoint& pos);

    quint32 value = 18;
    quint32 hoverValue = 0;
    bool pressed = false;

signals:
    void changed(quint32 value);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPoint PlaceOf(quint32 v) const;
    QImage m_background;
    QImage m_mark;
};
