#pragma once
// Editable text of an input element: takes the element's shape, swallows Return, and copies every edit
// back into the element's layout text.

#include <QGraphicsTextItem>

class LEText;

class QGraphicsTextItemP : public QGraphicsTextItem {
    Q_OBJECT
public:
    explicit QGraphicsTextItemP(LEText* parent);

    QRectF boundingRect() const override;
    bool contains(const QPointF& point) const override;
    void SyncToParent();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    LEText* m_element;
};
