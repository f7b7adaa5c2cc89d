#include "widgets/foldbtn.h"

#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QStyle>

FoldBtn::FoldBtn(QWidget* parent, const QString& text, bool bold, int pixelSize, const QColor& color)
    : QLabelEx(parent, text, bold, pixelSize, color, QString()) {
    InitWidgetResources();
    for (const char* name : {":/images/IcnCategoryCollapsed", ":/images/IcnCategoryCE0", ":/images/IcnCategoryCE1",
                             ":/images/IcnCategoryExpanded"}) {
        const QImage frame = LoadImageCached(QLatin1String(name), true);
        if (!frame.isNull())
            m_frames.append(frame);
    }
}

void FoldBtn::setAnimRel(double value) {
    m_animrel = value;
    update();
}

void FoldBtn::SetAnimRel(double value, int durationMs) {
    if (durationMs <= 0) {
        if (m_animation)
            m_animation->stop();
        setAnimRel(value);
        return;
    }
    if (!m_animation) {
        m_animation = new QPropertyAnimation(this, "animrel", this);
        m_animation->setObjectName(QStringLiteral("AnimateFrames"));
    }
    m_animation->stop();
    m_animation->setStartValue(m_animrel);
    m_animation->setEndValue(value);
    m_animation->setDuration(durationMs);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    m_animation->start();
}

void FoldBtn::mouseReleaseEvent(QMouseEvent* e) {
    QLabelEx::mouseReleaseEvent(e);
    // A release after dragging off the heading is no click.
    if (QApplication::widgetAt(e->globalPos()) != this || !foldable)
        return;
    m_expanded = !m_expanded;
    emit expanded(m_expanded);
    SetAnimRel(m_expanded ? 1.0 : 0.0, 250);
}

QSize FoldBtn::sizeHint() const {
    QSize hint = QLabelEx::sizeHint();
    if (foldable && !m_frames.isEmpty())
        hint.rwidth() += m_frames.first().width();
    return hint;
}

void FoldBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    int offset = 0;
    if (foldable && !m_frames.isEmpty()) {
        const int count = m_frames.size();
        const int index = qBound(0, int(count * m_animrel), count - 1);
        const QImage& frame = m_frames.at(index);
        painter.drawImage(0, height() / 2 - frame.height() / 2, frame);
        offset = frame.width();
    }
    QPalette pal = palette();
    pal.setColor(QPalette::All, QPalette::WindowText, painter.pen().color());
    pal.setColor(QPalette::All, QPalette::Text, painter.pen().color());
    style()->drawItemText(&painter, QRect(offset, 0, width() - offset, height()), int(alignment()), pal, true, text(),
                          QPalette::Text);
}
