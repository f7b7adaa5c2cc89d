#pragma once
// A container that switches between a collapsed and an expanded height, animated.

#include "widgets/qwidgetex.h"

class QPropertyAnimation;

class FoldWidget : public QWidgetEx {
    Q_OBJECT
    Q_PROPERTY(int fixedheight READ fixedHeight WRITE setFixedHeightValue)

public:
    explicit FoldWidget(QWidget* parent = nullptr);
    // An expanded height of -1 stands for the current height. Returns the expanded height.
    int SetHeights(int collapsed, int expanded);
    int fixedHeight() const { return height(); }
    void setFixedHeightValue(int h);
    void doexpand(bool expand, bool animate);
    int collapsedHeight() const { return m_collapsed; }
    int expandedHeight() const { return m_expanded; }

public slots:
    void doexpand(bool expand);

private:
    int m_collapsed = 1;
    int m_expanded = 1;
    QPropertyAnimation* m_animation = nullptr;
};
