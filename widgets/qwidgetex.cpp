#include "widgets/qwidgetex.h"

#include <QEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyleOption>

QWidgetEx::QWidgetEx(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void QWidgetEx::setAutoResizeForChildren(bool on) {
    m_autoResize = on;
    if (on)
        RecalcLayout();
}

void QWidgetEx::setOpacity(double opacity) {
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

void QWidgetEx::SetOpacity(double opacity, int durationMs) {
    if (durationMs <= 0) {
        if (m_animation)
            m_animation->stop();
        setOpacity(opacity);
        return;
    }
    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "opacity", this);
        m_animation->setObjectName(QStringLiteral("AnimateOpacity"));
    }
    m_animation->stop();
    m_animation->setStartValue(m_opacity);
    m_animation->setEndValue(opacity);
    m_animation->setDuration(durationMs);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    m_animation->start();
}

void QWidgetEx::RecalcLayout() {
    int w = minimumWidth();
    int h = minimumHeight();
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QRect g = child->geometry();
        w = qMax(w, g.left() + g.width());
        h = qMax(h, g.top() + g.height());
    }
    resize(w, h);
}

bool QWidgetEx::event(QEvent* e) {
    if (e->type() == QEvent::LayoutRequest && m_autoResize)
        RecalcLayout();
    return QWidget::event(e);
}

void QWidgetEx::enterEvent(QEvent* e) {
    QWidget::enterEvent(e);
    emit OnMouseEnter();
}

void QWidgetEx::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    emit OnMouseLeave();
}

void QWidgetEx::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    // Style-sheet backgrounds and borders only show when the widget draws its primitive itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void QWidgetEx::changeEvent(QEvent* e) {
    // The window's new locale comes at once with a language switch, but not every language has a locale of its
    // own (cn and tw have none, so their switch changes no locale): the new translations announce it as well.
    if (e->type() == QEvent::LocaleChange || e->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(e);
}
