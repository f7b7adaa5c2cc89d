#pragma once
// Graphic records: an image file, the tiles that compose it at any size, and layers of other graphics.

#include "config/trsc.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>

class QPainter;

struct DataCfg::TGfxTile {
    QRectF rect;         // in source-image pixels
    qint32 StretchX = 0; // as a bool: stretch across the target, else repeat
    qint32 StretchY = 0; // as a bool: stretch down the target, else repeat
};

struct DataCfg::TGfxLayer {
    QString Gfx; // graphic name, or "file://" and a path
    QRect rect;  // negative values are fractions of the composed size
    qint32 Align = DataCfg::LA_LeftTop;

    void Read(const QVariantMap& map);
};

struct DataCfg::TGfx : DataCfg::TRsc {
    // Composed images (and the application skin's backgrounds and icons) above this many pixels are refused:
    // sizes come from configuration files and packages, and far larger images only exhaust memory.
    static constexpr qint64 MaxComposedPixels = 64LL * 1024 * 1024;

    QImage Image; // null until GetImage loaded it
    qint32 Tiling = DataCfg::GT_None;
    qint32 BaseSize = 160;
    QRect Size; // (0, 0, image width, image height) once loaded
    QList<DataCfg::TGfxTile> Tiles;
    QList<DataCfg::TGfxLayer> Layers;

    void Read(const QVariantMap& map, const QString& folder);
    // Reads the composition of a graphic: "Tiling", "BaseSize" (0 or missing is 160), "Tiles" and "Layers".
    // A tile is "left,top,width,height[,flags]"; a number with a point is a fraction of the image's size (held
    // negated), and each of the two flag letters stretches unless it is "r". The name labels log lines.
    void ParseTiling(const QVariantMap& map, const QString& name);
    // Loads the image once; a copy of it.
    QImage GetImage();
    QRect GetSize();
    // The image composed at W by H from tiles and layers; repeated requests come from the image cache.
    QImage GetImageTiled(int W, int H);
    static void RenderTile(const QImage& source, QPainter& painter, const QRectF& tile, const QRect& target,
                           bool stretchX, bool stretchY);
    // The text that names one composition; its hash keys the image cache.
    QString Description(int W, int H) const;
};
