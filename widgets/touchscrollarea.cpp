#include "widgets/touchscrollarea.h"

#include <QKeyEvent>
#include <QWheelEvent>

TouchScrollArea::TouchScrollArea(QWidget* parent) : QScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setObjectName(QStringLiteral("TouchScrollArea"));
    setStyleSheet(QStringLiteral("QFrame#TouchScrollArea {border: none; background:transparent;}"));
}

void TouchScrollArea::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (keysToArea && !arrow)
        QScrollArea::keyPressEvent(e);
    emit keyPressed(e);
}

void TouchScrollArea::wheelEvent(QWheelEvent* e) {
    if (!wheelHorizontal) {
        QScrollArea::wheelEvent(e);
        return;
    }
    // Qt 5 events carry both axes; the vertical turn becomes a sideways one.
    const QPoint pixel(e->pixelDelta().y(), e->pixelDelta().x());
    const QPoint angle(e->angleDelta().y(), e->angleDelta().x());
    QWheelEvent sideways(e->position(), e->globalPosition(), pixel, angle, e->buttons(), e->modifiers(), e->phase(),
                         e->inverted(), e->source());
    QScrollArea::wheelEvent(&sideways);
    e->setAccepted(sideways.isAccepted());
}

void SetScrollAreaWidget(QScrollArea* area, QWidget* widget) {
    if (!area || !widget)
        return;
    area->setWidget(widget);
    widget->setAutoFillBackground(false);
}
