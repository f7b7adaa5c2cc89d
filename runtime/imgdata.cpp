#include "runtime/imgdata.h"

#include "foundation/helpers.h"

#include <QBuffer>
#include <QtEndian>

ImgData::ImgData()
    : PixmapValid(false), EncodingValid(false), HashValid(false), ImageKey(-1), ContentId(0), EncodingScale(0),
      NameId(0) {}

void ImgData::SyncCacheKey() {
    const qint64 key = Image.cacheKey();
    if (key == ImageKey)
        return;
    const qint64 previousKey = m_previousKey;
    const quint64 previousId = m_previousId;
    if (HashValid) {
        m_previousKey = ImageKey;
        m_previousId = ContentId;
    }
    ImageKey = key;
    PixmapValid = false;
    EncodingValid = false;
    m_encodings.clear();
    HashValid = key == previousKey;
    if (HashValid)
        ContentId = previousId;
}

quint64 ImgData::PixelHash() {
    SyncCacheKey();
    if (HashValid)
        return ContentId;
    HashValid = true;
    ContentId = 0;
    const int w = Image.width(), h = Image.height();
    if (Image.isNull() || w <= 0 || h <= 0)
        return ContentId;

    // Only the visible bytes of each row count: the padding at a row's end is not initialised.
    const qint64 rowBytes = (qint64(w) * Image.depth() + 7) / 8;
    const qint64 stride = Image.bytesPerLine();
    quint64 crc = Crc64Start;
    if (rowBytes == stride) {
        crc = Crc64(Image.constBits(), Image.sizeInBytes(), crc);
    } else {
        for (int y = 0; y < h; ++y)
            crc = Crc64(Image.constScanLine(y), rowBytes, crc);
    }
    // Equal bytes in another shape or pixel format are another picture: 2x8 is not 4x4, premultiplied is
    // not straight.
    const quint32 shape[3] = {qToLittleEndian(quint32(w)), qToLittleEndian(quint32(h)),
                              qToLittleEndian(quint32(Image.format()))};
    crc = Crc64(shape, sizeof(shape), crc);
    ContentId = crc & ContentIdMask;
    return ContentId;
}

void ImgData::Encode(double scale) {
    SyncCacheKey();
    PixelHash();
    // NaN and anything from 1 up give the image's own size.
    if (!(scale < 1.0))
        scale = 1.0;
    else if (!(scale > MinScale))
        scale = MinScale;
    if (EncodingValid && EncodingScale == scale)
        return;
    const auto kept = m_encodings.constFind(scale);
    if (kept != m_encodings.cend()) {
        Encoded = kept.value();
        EncodingScale = scale;
        EncodingValid = true;
        return;
    }

    EncodingValid = true;
    Encoded.clear();
    const int w = Image.width(), h = Image.height();
    if (Image.isNull() || w <= 0 || h <= 0)
        return;
    const QImage scaled = Image.scaled(int(w * scale), int(h * scale), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EncodingScale = scale;
    if (scaled.isNull())
        return;
    QBuffer buffer(&Encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!scaled.save(&buffer, "PNG")) {
        Encoded.clear();
        return;
    }
    if (m_encodings.size() >= MaxKeptScales)
        m_encodings.clear();
    m_encodings.insert(scale, Encoded);
}

qint64 ImgData::EncodedBytes() const {
    qint64 bytes = 0;
    for (const QByteArray& e : m_encodings)
        bytes += e.size();
    // The last encoding is one of the kept ones, unless it failed or is of an empty image.
    return bytes > 0 ? bytes : Encoded.size();
}

quint64 ImgData::NameHash() {
    if (SourceName.constData() != HashedName.constData() || SourceName.size() != HashedName.size()) {
        HashedName = SourceName;
        NameId = StringHash(SourceName);
    }
    return NameId;
}
