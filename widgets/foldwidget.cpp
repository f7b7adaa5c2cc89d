#include "widgets/foldwidget.h"

#include <QPropertyAnimation>

FoldWidget::FoldWidget(QWidget* parent) : QWidgetEx(parent) {}

int FoldWidget::SetHeights(int collapsed, int expanded) {
    m_collapsed = collapsed;
    m_expanded = expanded == -1 ? height() : expanded;
    return m_expanded;
}

void FoldWidget::setFixedHeightValue(int h) {
    if (h == height())
        return;
    setMinimumSize(width(), h);
    setMaximumSize(width(), h);
    resize(width(), h);
}

void FoldWidget::doexpand(bool expand) {
    doexpand(expand, true);
}

void FoldWidget::doexpand(bool expand, bool animate) {
    if (!animate) {
        setFixedHeightValue(expand ? m_expanded : m_collapsed);
        return;
    }
    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "fixedheight", this);
        m_animation->setObjectName(QStringLiteral("AnimateHeight"));
    }
    m_animation->stop();
    const double f = expand ? 1.0 : 0.0;
    m_animation->setStartValue(height());
    m_animation->setEndValue(int(m_collapsed + (m_expanded - m_collapsed) * f));
    m_animation->setDuration(250);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    m_animation->start();
}
