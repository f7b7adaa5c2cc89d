#include "gfxcache.h"

// Backed by the image data manager once it is available; until then nothing is cached.
namespace GfxCache {
bool Find(const QString&, QImage&) {
    return false;
}
void Add(const QString&, const QImage&) {}
} // namespace GfxCache
