#include "functions/loadimagecached.h"

#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace {

// A picture that would decode to more pixels than this is refused before any memory is taken for it.
constexpr qint64 kMaxImagePixels = qint64(8192) * 8192;

struct ImageCache {
    QHash<QString, QImage> images;
    QHash<QString, qint64> times; // last modification, ms since the epoch
};

ImageCache& Cache() {
    static ImageCache cache;
    return cache;
}

qint64 ModificationTime(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return -1;
    return info.lastModified().toMSecsSinceEpoch();
}

QImage ReadImage(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxImagePixels) {
        QLOG_WARN() << "LoadImageCached: image too large:" << path << size;
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull()) {
        QLOG_WARN() << "LoadImageCached: cannot read image:" << path << reader.errorString();
    }
    return image;
}

} // namespace

QString ResolveImagePath(const QString& path) {
    const QString resolved = PluginTools::ResolvePath(path);
    if (resolved == path || !path.startsWith(QLatin1Char('/')) || QFileInfo(resolved).isFile())
        return resolved;
    return QFileInfo(path).isFile() ? path : resolved;
}

QImage LoadImageCached(const QString& path, bool useCache) {
    if (path.startsWith(QLatin1String(":/"))) {
        // Resources cannot change while the program runs: never cached.
        return ReadImage(path);
    }

    const QString resolved = ResolveImagePath(path);
    ImageCache& cache = Cache();
    if (useCache) {
        auto t = cache.times.constFind(resolved);
        if (t != cache.times.constEnd() && ModificationTime(resolved) != t.value()) {
            cache.times.remove(resolved);
            cache.images.remove(resolved);
        }
        auto i = cache.images.constFind(resolved);
        if (i != cache.images.constEnd())
            return i.value();
    }

    const qint64 modified = ModificationTime(resolved);
    if (modified < 0 || !QFileInfo(resolved).isFile()) {
        QLOG_DEBUG() << "LoadImageCached: no such file:" << resolved;
        return QImage();
    }

    QImage image = ReadImage(resolved);
    if (useCache) {
        // A file that does not decode is remembered too, so it is not read again until it changes.
        cache.images.insert(resolved, image);
        cache.times.insert(resolved, modified);
    }
    return image;
}
