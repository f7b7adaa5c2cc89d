#include "runtime/lecontainer.h"

LEContainer::LEContainer(LEHost* view, const QSize& cells, QGraphicsItem* parent)
    : LEInterface(parent), m_view(view), m_size(cells) {}

QRectF LEContainer::boundingRect() const {
    return QRectF(0, 0, qreal(m_size.width()) * CellSize, qreal(m_size.height()) * CellSize);
}
