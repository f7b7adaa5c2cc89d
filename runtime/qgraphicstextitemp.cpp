#include "runtime/qgraphicstextitemp.h"

#include "runtime/letext.h"

#include <QKeyEvent>

QGraphicsTextItemP::QGraphicsTextItemP(LEText* parent) : QGraphicsTextItem(parent), m_element(parent) {}

QRectF QGraphicsTextItemP::boundingRect() const {
    return m_element->boundingRect();
}

bool QGraphicsTextItemP::contains(const QPointF& point) const {
    return m_element->contains(point);
}

void QGraphicsTextItemP::SyncToParent() {
    m_element->Invalidate();
    m_element->Layout().Text = toPlainText();
}

void QGraphicsTextItemP::keyPressEvent(QKeyEvent* event) {
    // One-line input: Return ends nothing and adds nothing (the keypad's Enter still goes through).
    if (event->key() == Qt::Key_Return) {
        event->accept();
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
    SyncToParent();
}

void QGraphicsTextItemP::keyReleaseEvent(QKeyEvent* event) {
    QGraphicsTextItem::keyReleaseEvent(event);
    SyncToParent();
}

void QGraphicsTextItemP::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsTextItem::mousePressEvent(event);
    SyncToParent();
}

void QGraphicsTextItemP::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsTextItem::mouseMoveEvent(event);
    SyncToParent();
}

void QGraphicsTextItemP::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsTextItem::mouseReleaseEvent(event);
    SyncToParent();
}
