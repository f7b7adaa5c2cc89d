#pragma once
// The composed-image cache of the graphics records: images registered with the image data manager under the
// hash of the text that describes how they were made.

#include <QImage>
#include <QString>

namespace GfxCache {
// True and the image when a composition of that description is registered.
bool Find(const QString& description, QImage& image);
// Registers a composed image under its description.
void Add(const QString& description, const QImage& image);
} // namespace GfxCache
