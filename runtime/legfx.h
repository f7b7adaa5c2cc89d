#pragma once
// Image element: renders its graphics records at the element's size (main, pressed and mask image),
// applies the value-driven mask of its layout, and takes presses only on opaque pixels.

#include "runtime/lebase.h"

class LEGfx : public LEBase {
    Q_OBJECT
public:
    enum GfxKind { GK_Main = 0, GK_Pressed = 1, GK_Mask = 2 };

    LEGfx(QGraphicsItem* parent, const DataCfg::TLayout& layout);

    void Setup() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // Renders one of the three images from the graphic name last stored for it.
    void GenGfx(int kind);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    // The current value (0..1) of the output the layout's mask follows; 0 when it is not a percentage.
    double MaskValue() const;

    int m_renderedW;
    int m_renderedH;
    QString m_gfxName;
    QString m_gfxNameP;
    QString m_gfxNameM;
};
