#pragma once
// The in-place pixel routines that give controls, layouts and tab icons their look. They sit this low because
// the configuration records compose graphics with them; the runtime's ImgData offers them under its own name.

#include <QColor>
#include <QImage>

// Brings an image to straight (not premultiplied) 32-bit ARGB in place. ARGB32 stays as it is; premultiplied
// pixels are un-premultiplied (channel * 255 / alpha, alpha 0 giving all zeroes); any other format is converted.
void ToArgb32(QImage& img);

class ImgRoutines {
public:
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
};

template <typename Fn> void ImgRoutines::PixelFilterFunc(QImage& img, Fn&& fn) {
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
