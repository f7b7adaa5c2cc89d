#include "runtime/boundedimage.h"

#include "foundation/logger/QsLog.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

QImage ReadFrom(QImageReader& reader, const QString& what) {
    const QSize size = reader.size();
    // Formats that cannot tell their size up front are refused: only the header bounds the allocation.
    if (!size.isValid() || !BoundedImage::SizeAllowed(size.width(), size.height())) {
        if (size.isValid())
            QLOG_DEBUG() << "BoundedImage::Read: picture too large:" << what << size.width() << size.height();
        return QImage();
    }
    QImage img;
    if (!reader.read(&img))
        return QImage();
    if (!BoundedImage::SizeAllowed(img.width(), img.height()))
        return QImage();
    return img;
}

} // namespace

bool BoundedImage::SizeAllowed(qint64 w, qint64 h) {
    return w > 0 && h > 0 && w <= MaxSide && h <= MaxSide && w * h <= MaxPixels;
}

QImage BoundedImage::Decode(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > MaxBytes)
        return QImage();
    QByteArray copy = bytes; // QBuffer wants a non-const array; the copy shares the bytes
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return ReadFrom(reader, QStringLiteral("<data>"));
}

QImage BoundedImage::ReadFile(const QString& path) {
    if (path.isEmpty())
        return QImage();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxBytes)
        return QImage();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return ReadFrom(reader, path);
}
