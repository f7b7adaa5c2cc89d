#pragma once
// One image entry together with the values derived from it (content id, last PNG encoding), and the in-place
// pixel routines that give controls, layouts and tab icons their look.

#include "foundation/imgroutines.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QString>

// The pixel routines (Mask, Colorize, TabIconDesat, PixelFilterFunc) come from ImgRoutines, below the
// configuration that composes graphics with them.
class ImgData : public ImgRoutines {
public:
    ImgData();

    // Compares the image's cache key with the one the derived values belong to; when the image changed it
    // takes the new key and clears the three flags. The content id of the image before is remembered: an
    // element that flips between two pictures gets the id of the one coming back without hashing it again
    // (equal cache keys mean the same, unmodified pixels).
    void SyncCacheKey();
    // Content id of the image: 40 bits of a CRC-64 over its pixels, shape and format; 0 for a null or empty
    // image. Computed once per image.
    quint64 PixelHash();
    // StringHash of the source name, computed again only when SourceName was given another text.
    quint64 NameHash();
    // Brings the stored PNG bytes up to date for the scale (held to 1/32 .. 1, NaN counting as 1). The
    // encodings of a few scales are kept until the image changes, as phones of several sizes ask for them.
    void Encode(double scale);
    // Bytes held by the kept encodings.
    qint64 EncodedBytes() const;

    // Encoding scales are held between this and 1.
    static constexpr double MinScale = 0.03125;
    // Image and file ids keep the low 40 bits of their CRC.
    static constexpr quint64 ContentIdMask = 0xFFFFFFFFFFULL;

    bool PixmapValid;     // set by the element painter once it built its pixmap from Image
    bool EncodingValid;   // Encoded holds Image at EncodingScale
    bool HashValid;       // ContentId belongs to Image
    qint64 ImageKey;      // Image.cacheKey() when the flags were last compared; -1 when never
    quint64 ContentId;    // see PixelHash
    double EncodingScale; // scale of the last encoding; 0 when never
    QImage Image;         // the pixels
    QString SourceName;   // file path or text that names how the image was made
    QByteArray Encoded;   // PNG bytes of Image at EncodingScale

private:
    static constexpr int MaxKeptScales = 4;
    QMap<double, QByteArray> m_encodings;
    // Cache key and content id of the image hashed before the current one; -1 when none.
    qint64 m_previousKey = -1;
    quint64 m_previousId = 0;

    // The name NameId was computed from; holding it keeps its buffer alive, so an equal data pointer and
    // size mean an unchanged text.
    QString HashedName;
    quint64 NameId;
};
