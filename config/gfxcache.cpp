#include "config/gfxcache.h"

#include "foundation/logger/QsLog.h"

namespace GfxCache {

namespace {
IGfxImageStore*& Store() {
    static IGfxImageStore* store = nullptr;
    return store;
}

IGfxImageStore* StoreOrWarn() {
    IGfxImageStore* store = Store();
    static bool warned = false;
    if (!store && !warned) {
        warned = true;
        QLOG_WARN() << "GfxCache: no image store installed; composed graphics are neither cached nor registered";
    }
    return store;
}
} // namespace

void SetStore(IGfxImageStore* store) {
    Store() = store;
}

bool Find(const QString& description, QImage& image) {
    IGfxImageStore* store = StoreOrWarn();
    return store && store->FindComposed(description, image);
}

void Add(const QString& description, const QImage& image) {
    if (IGfxImageStore* store = StoreOrWarn())
        store->AddComposed(description, image);
}

quint64 Register(const QImage& image) {
    IGfxImageStore* store = StoreOrWarn();
    return store ? store->RegisterImage(image) : 0;
}

} // namespace GfxCache
