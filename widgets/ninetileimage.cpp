#include "widgets/ninetileimage.h"

#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QPainter>

NineTileImage::NineTileImage(const QString& imagePath, const QList<QRectF>& tiles)
    : m_path(imagePath), m_tiles(tiles) {}

QImage NineTileImage::GetImageTiled(int W, int H) const {
    if (W < 1 || H < 1)
        return QImage();
    if (m_source.isNull()) {
        InitWidgetResources(); // the path may name one of the kit's own images
        m_source = LoadImageCached(m_path, true);
    }
    QImage target(W, H, QImage::Format_ARGB32);
    target.fill(0);
    if (m_source.isNull() || m_tiles.size() < 9)
        return target;

    auto tw = [this](int i) { return int(m_tiles.at(i).width()); };
    auto th = [this](int i) { return int(m_tiles.at(i).height()); };
    QPainter p(&target);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    auto piece = [&](int i, int x, int y, int w, int h) {
        if (w > 0 && h > 0)
            p.drawImage(QRect(x, y, w, h), m_source, m_tiles.at(i));
    };
    const int top = th(2), bottom = th(6), left = tw(0), right = tw(2);
    piece(0, 0, 0, left, th(0));
    piece(1, left, 0, W - right - left, th(1));
    piece(2, W - right, 0, right, th(2));
    piece(3, 0, top, tw(3), H - bottom - top);
    piece(4, tw(3), top, W - tw(5) - tw(3), H - bottom - top);
    piece(5, W - tw(5), top, tw(5), H - bottom - top);
    const int y = H - bottom;
    piece(6, 0, y, tw(6), th(6));
    piece(7, tw(6), y, W - tw(8) - tw(6), th(7));
    piece(8, W - tw(8), y, tw(8), th(8));
    return target;
}
