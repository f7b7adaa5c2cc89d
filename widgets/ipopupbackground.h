#pragma once
// The popups' background graphic: one image cut into nine tiles and composed to any size. The graphic
// records belong to the configuration model, which sits above the widget kit; it installs a factory at
// start-up so that popups draw through its records. Until then NineTileImage serves.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

class IPopupBackground {
public:
    virtual ~IPopupBackground() = default;
    // An image of exactly width x height; null when either is below 1.
    virtual QImage GetImageTiled(int width, int height) const = 0;
};

// Makes the background record from an image path and nine tile rectangles (row by row, image pixels).
using PopupBackgroundFactory = std::function<IPopupBackground*(const QString& imagePath, const QList<QRectF>& tiles)>;
