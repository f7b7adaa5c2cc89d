#pragma once
// The composed-image cache of the graphics records and the application skins: images kept in the installed
// image store under the text that describes how they were made. Without a store nothing is cached or
// registered (one WARN line says so). Main thread only.

#include "config/igfximagestore.h"

namespace GfxCache {
// Installs the store; null removes it.
void SetStore(IGfxImageStore* store);
// True and the image when a composition of that description is stored.
bool Find(const QString& description, QImage& image);
// Stores a composed image under its description.
void Add(const QString& description, const QImage& image);
// Registers an image for the phone; its id, 0 without a store.
quint64 Register(const QImage& image);
} // namespace GfxCache
