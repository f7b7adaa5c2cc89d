#pragma once
// Scroll bar that can be coupled to another slider (value both ways, range and steps from it).

#include <QScrollBar>

class QAbstractSlider;

class QScrollBarEx : public QScrollBar {
    Q_OBJECT

public:
    explicit QScrollBarEx(QWidget* parent = nullptr);

    void LinkTo(QAbstractSlider* slider);

public slots:
    // Also takes the steps of the slider that signalled the new range.
    void setRange(int min, int max);
};
