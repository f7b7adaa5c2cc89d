#pragma once
// A nine-patch: corners drawn as they are, edges and centre stretched to fill the requested size.

#include "widgets/ipopupbackground.h"

class NineTileImage : public IPopupBackground {
public:
    NineTileImage(const QString& imagePath, const QList<QRectF>& tiles);

    QImage GetImageTiled(int width, int height) const override;

private:
    QString m_path;
    QList<QRectF> m_tiles;
    mutable QImage m_source; // loaded on first use
};
