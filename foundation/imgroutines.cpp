// In-place pixel routines. They all work on straight 32-bit ARGB and touch each pixel once through scan lines.
// The profiler scopes keep the names the runtime knows them by (ImgData::...).

#include "foundation/imgroutines.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

namespace {

// Rec. 709 luma weights per channel value, so the per-pixel luma is three look-ups and two additions.
struct LumaTables {
    double r[256];
    double g[256];
    double b[256];
    LumaTables() {
        for (int i = 0; i < 256; ++i) {
            r[i] = i * 0.2126;
            g[i] = i * 0.7152;
            b[i] = i * 0.0722;
        }
    }
};

const LumaTables& Luma() {
    static const LumaTables tables;
    return tables;
}

} // namespace

void ToArgb32(QImage& img) {
    const QImage::Format fmt = img.format();
    if (fmt == QImage::Format_ARGB32 || img.isNull())
        return;
    if (fmt != QImage::Format_ARGB32_Premultiplied) {
        img = img.convertToFormat(QImage::Format_ARGB32);
        return;
    }
    // Reinterpret in place, then undo the premultiplication ourselves so the rounding is the documented one.
    img.reinterpretAsFormat(QImage::Format_ARGB32);
    const int w = img.width();
    for (int y = 0, h = img.height(); y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a == 255)
                continue;
            if (a == 0) {
                line[x] = 0;
                continue;
            }
            // Malformed premultiplied data can hold a channel above its alpha; keep it inside its byte.
            const int r = qMin(255, qRed(p) * 255 / a);
            const int g = qMin(255, qGreen(p) * 255 / a);
            const int b = qMin(255, qBlue(p) * 255 / a);
            line[x] = qRgba(r, g, b, a);
        }
    }
}

void ImgRoutines::Mask(QImage& img, const QImage& mask) {
    PROFILE_SCOPE("ImgData::Mask");
    if (qint64(mask.width()) * mask.height() <= 0)
        return;
    ToArgb32(img);

    // Only the mask's alpha is read; these formats keep it in the top byte of each 32-bit pixel.
    QImage m = mask;
    const QImage::Format mf = m.format();
    if (mf != QImage::Format_ARGB32 && mf != QImage::Format_ARGB32_Premultiplied && mf != QImage::Format_RGB32)
        m = m.convertToFormat(QImage::Format_ARGB32);

    const int w = img.width();
    const int mw = qMin(w, m.width());
    const int mh = m.height();
    for (int y = 0, h = img.height(); y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        if (y >= mh) {
            for (int x = 0; x < w; ++x)
                line[x] &= 0x00ffffffu;
            continue;
        }
        const QRgb* mline = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int ma = x < mw ? qAlpha(mline[x]) : 0;
            if (ma == 255)
                continue;
            const QRgb p = line[x];
            line[x] = (p & 0x00ffffffu) | (QRgb(qAlpha(p) * ma / 255) << 24);
        }
    }
}

void ImgRoutines::Colorize(QImage& img, const QColor& color) {
    PROFILE_SCOPE("ImgData::Colorize");
    // An unreadable colour text gives an invalid colour; tinting towards it would blacken the image.
    if (!color.isValid()) {
        QLOG_DEBUG() << "ImgData::Colorize: invalid colour, image left unchanged";
        return;
    }
    const int c = color.alpha();
    if (c == 0)
        return;
    const LumaTables& luma = Luma();

    int hue = 0, sat = 0, light = 0;
    color.getHsl(&hue, &sat, &light);
    const double v = (light - 128) / 128.0;

    double tintR[256], tintG[256], tintB[256];
    QColor t;
    for (int i = 0; i < 256; ++i) {
        t.setHsl(hue, sat, i, 255);
        tintR[i] = t.red();
        tintG[i] = t.green();
        tintB[i] = t.blue();
    }

    ToArgb32(img);
    const int keep = 255 - c;
    const int w = img.width();
    for (int y = 0, h = img.height(); y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a == 0)
                continue;
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            double lw = luma.r[r] + luma.g[g] + luma.b[b];
            if (v > 0)
                lw = 255 * v + lw * (1 - v);
            else if (v < 0)
                lw = lw * (1 + v);
            const int idx = qBound(0, int(lw), 255);
            const int nr = (int(c * tintR[idx]) >> 8) + ((r * keep) >> 8);
            const int ng = (int(c * tintG[idx]) >> 8) + ((g * keep) >> 8);
            const int nb = (int(c * tintB[idx]) >> 8) + ((b * keep) >> 8);
            line[x] = qRgba(nr, ng, nb, a);
        }
    }
}

void ImgRoutines::TabIconDesat(QImage& img) {
    PROFILE_SCOPE("ImgData::TabIconDesat");
    PixelFilterFunc(img, [](int r, int g, int b, int a) {
        int grey = int(0.7 * (0.2126 * r + 0.7152 * g + 0.0722 * b));
        if (a == 255)
            grey = (2 * grey + 130) / 3;
        grey = qBound(0, grey, 255);
        return qRgb(grey, grey, grey);
    });
}
