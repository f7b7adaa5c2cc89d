#pragma once
// One image entry together with the values derived from it (content id, last PNG encoding), and the in-place
// pixel routines that give controls, layouts and tab icons their look.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Brings an image to straight (not premultiplied) 32-bit ARGB in place. ARGB32 stays as it is; premultiplied
// pixels are un-premultiplied (channel * 255 / alpha, alpha 0 giving all zeroes); any other format is converted.
void ToArgb32(QImage& img);

class ImgData {
public:
    ImgData();

    // Compares the image's cache key with the one the derived values belong to; when the image changed it
    // takes the new key and clears the three flags.
    void SyncCacheKey();
    // Content id of the image: 40 bits of a CRC-64 over its pixels, shape and format; 0 for a null or empty
    // image. Computed once per image.
    quint64 PixelHash();
    // StringHash of the source name, computed again only when SourceName was given another text.
    quint64 NameHash();
    // Brings the stored PNG bytes up to date for the scale (held to 1/32 .. 1, NaN counting as 1).
    void Encode(double scale);

    // Multiplies the image's alpha by the mask's alpha; pixels outside the mask become fully transparent.
    // A mask of no area leaves the image untouched.
    static void Mask(QImage& img, const QImage& mask);
    // Recolours the image towards the colour, keeping its shading; the colour's alpha blends the tint with
    // the old colours. A colour of alpha 0 changes nothing.
    static void Colorize(QImage& img, const QColor& color);
    // The grey, slightly lifted look of an inactive tab icon.
    static void TabIconDesat(QImage& img);

    // Brings the image to straight ARGB and replaces every pixel of positive alpha by fn(r, g, b, a), keeping
    // the pixel's alpha. fn returns a QRgb whose alpha is ignored. Images of no area are left alone.
    template <typename Fn> static void PixelFilterFunc(QImage& img, Fn&& fn);

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
    // The name NameId was computed from; holding it keeps its buffer alive, so an equal data pointer and
    // size mean an unchanged text.
    QString HashedName;
    quint64 NameId;
};

template <typename Fn> void ImgData::PixelFilterFunc(QImage& img, Fn&& fn) {
    if (qint64(img.width()) * img.height() <= 0)
        return;
    ToArgb32(img);
    const int w = img.width();
    for (int y = 0, h = img.height(); y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a > 0)
                line[x] = (fn(qRed(p), qGreen(p), qBlue(p), a) & 0x00ffffffu) | (QRgb(a) << 24);
        }
    }
}
