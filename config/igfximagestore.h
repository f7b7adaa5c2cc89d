#pragma once
// Where the graphics records keep what they compose: the runtime's image registry, which also serves the
// phone by id. The configuration sits below the runtime, so program entry installs the store
// (GfxCache::SetStore) with an adapter over the registry (runtime/imgdatamgrgfxstore.h).

#include <QImage>
#include <QString>

class IGfxImageStore {
public:
    virtual ~IGfxImageStore() = default;
    // True and the image when a composition of that description is stored.
    virtual bool FindComposed(const QString& description, QImage& image) = 0;
    // Stores a composed image under the description of how it was made.
    virtual void AddComposed(const QString& description, const QImage& image) = 0;
    // Registers a bare image for the phone; its id, 0 when it cannot be registered.
    virtual quint64 RegisterImage(const QImage& image) = 0;
};
