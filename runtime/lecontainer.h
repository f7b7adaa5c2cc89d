#pragma once
// Root item of a control view's scene: holds the top elements and paints nothing.

#include "runtime/leinterface.h"

#include <QSize>

class LEHost;

class LEContainer : public LEInterface {
    Q_OBJECT
public:
    // One grid cell is this many scene pixels.
    static constexpr int CellSize = 160;

    LEContainer(LEHost* view, const QSize& cells, QGraphicsItem* parent = nullptr);

    LEHost* GetView() const { return m_view; }
    QSize GetSize() const { return m_size; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override {}

private:
    LEHost* m_view;
    QSize m_size; // in grid cells
};
