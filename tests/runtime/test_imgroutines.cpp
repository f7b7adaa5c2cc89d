#include "runtime/imgdata.h"

#include <QtTest>

namespace {

QImage Filled(int w, int h, QRgb px, QImage::Format fmt = QImage::Format_ARGB32) {
    QImage img(w, h, fmt);
    img.fill(px);
    return img;
}

QRgb At(const QImage& img, int x, int y) {
    return reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
}

// Tint of one lightness, as the colourising reads it from the colour's hue and saturation.
QColor Tint(const QColor& c, int lightness) {
    int h, s, l;
    c.getHsl(&h, &s, &l);
    QColor t;
    t.setHsl(h, s, lightness, 255);
    return t;
}

} // namespace

class TestImgRoutines : public QObject {
    Q_OBJECT
private slots:
    void toArgb32_data();
    void toArgb32();
    void toArgb32KeepsArgbUntouched();

    void maskPixel_data();
    void maskPixel();
    void maskOfNoAreaLeavesImageAlone();
    void smallerMaskClearsOutside();
    void maskInOtherFormats_data();
    void maskInOtherFormats();

    void colorizeLeavesImage_data();
    void colorizeLeavesImage();
    void colorizeMidLightness();
    void colorizeWhiteLightness();
    void colorizeHalfAlphaBlends();

    void tabIconDesat_data();
    void tabIconDesat();
    void tabIconDesatOfPremultiplied();
    void pixelFilterKeepsAlpha();
};

void TestImgRoutines::toArgb32_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<uint>("expected");
    // Premultiplied pixels are stored as they are given here; the result is straight ARGB.
    QTest::newRow("premultiplied half") << int(QImage::Format_ARGB32_Premultiplied) << 0x80402010u << 0x807f3f1fu;
    QTest::newRow("premultiplied opaque") << int(QImage::Format_ARGB32_Premultiplied) << 0xff123456u << 0xff123456u;
    QTest::newRow("premultiplied clear") << int(QImage::Format_ARGB32_Premultiplied) << 0x00000000u << 0x00000000u;
    QTest::newRow("premultiplied alpha 3") << int(QImage::Format_ARGB32_Premultiplied) << 0x03010203u << 0x0355aaffu;
    QTest::newRow("malformed channel above alpha")
        << int(QImage::Format_ARGB32_Premultiplied) << 0x10ff0010u << 0x10ff00ffu;
    QTest::newRow("rgb32") << int(QImage::Format_RGB32) << 0xff336699u << 0xff336699u;
}

void TestImgRoutines::toArgb32() {
    QFETCH(int, format);
    QFETCH(uint, pixel);
    QFETCH(uint, expected);
    QImage img(3, 2, QImage::Format(format));
    // fill() would convert the colour into the format; store the raw value instead.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            reinterpret_cast<QRgb*>(img.scanLine(y))[x] = pixel;
    ToArgb32(img);
    QCOMPARE(img.format(), QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(3, 2));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QCOMPARE(At(img, x, y), QRgb(expected));
}

void TestImgRoutines::toArgb32KeepsArgbUntouched() {
    QImage img = Filled(4, 4, 0x80ff0000);
    const qint64 key = img.cacheKey();
    ToArgb32(img);
    QCOMPARE(img.cacheKey(), key);

    QImage null;
    ToArgb32(null);
    QVERIFY(null.isNull());

    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgba(1, 2, 3, 4)});
    indexed.fill(0);
    ToArgb32(indexed);
    QCOMPARE(indexed.format(), QImage::Format_ARGB32);
    QCOMPARE(At(indexed, 1, 1), qRgba(1, 2, 3, 4));
}

void TestImgRoutines::maskPixel_data() {
    QTest::addColumn<int>("imageAlpha");
    QTest::addColumn<int>("maskAlpha");
    QTest::addColumn<int>("expected");
    QTest::newRow("opaque mask keeps") << 100 << 255 << 100;
    QTest::newRow("half mask on opaque") << 255 << 128 << 128;
    QTest::newRow("half mask on 100") << 100 << 128 << 50;
    QTest::newRow("clear mask") << 255 << 0 << 0;
    QTest::newRow("clear pixel") << 0 << 200 << 0;
}

void TestImgRoutines::maskPixel() {
    QFETCH(int, imageAlpha);
    QFETCH(int, maskAlpha);
    QFETCH(int, expected);
    QImage img = Filled(2, 2, qRgba(10, 20, 30, imageAlpha));
    ImgData::Mask(img, Filled(2, 2, qRgba(0, 0, 0, maskAlpha)));
    QCOMPARE(At(img, 1, 1), qRgba(10, 20, 30, expected));
}

void TestImgRoutines::maskOfNoAreaLeavesImageAlone() {
    QImage img = Filled(4, 4, 0xff102030, QImage::Format_RGB32);
    const qint64 key = img.cacheKey();
    ImgData::Mask(img, QImage());
    ImgData::Mask(img, QImage(0, 5, QImage::Format_ARGB32));
    QCOMPARE(img.format(), QImage::Format_RGB32);
    QCOMPARE(img.cacheKey(), key);

    QImage null;
    ImgData::Mask(null, Filled(2, 2, 0xffffffff));
    QVERIFY(null.isNull());
}

void TestImgRoutines::smallerMaskClearsOutside() {
    QImage img = Filled(20, 20, 0xff405060);
    ImgData::Mask(img, Filled(10, 10, 0xff000000));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x < 10 && y < 10;
            QCOMPARE(At(img, x, y), inside ? 0xff405060u : 0x00405060u);
        }
}

void TestImgRoutines::maskInOtherFormats_data() {
    QTest::addColumn<QImage>("mask");
    QTest::addColumn<int>("expected");
    QImage alpha8(2, 2, QImage::Format_Alpha8);
    alpha8.fill(Qt::transparent);
    alpha8.fill(QColor(0, 0, 0, 51));
    QTest::newRow("alpha8") << alpha8 << 51;
    QTest::newRow("rgb32 is opaque") << Filled(2, 2, 0xff000000, QImage::Format_RGB32) << 255;
    QImage pre(2, 2, QImage::Format_ARGB32_Premultiplied);
    pre.fill(QColor(255, 255, 255, 102));
    QTest::newRow("premultiplied") << pre << 102;
}

void TestImgRoutines::maskInOtherFormats() {
    QFETCH(QImage, mask);
    QFETCH(int, expected);
    QImage img = Filled(2, 2, 0xff0000ff);
    ImgData::Mask(img, mask);
    QCOMPARE(qAlpha(At(img, 0, 0)), expected);
}

void TestImgRoutines::colorizeLeavesImage_data() {
    QTest::addColumn<QColor>("color");
    QTest::newRow("alpha 0") << QColor(255, 0, 0, 0);
    QTest::newRow("invalid") << QColor();
}

void TestImgRoutines::colorizeLeavesImage() {
    QFETCH(QColor, color);
    QImage img = Filled(3, 3, 0xff336699, QImage::Format_RGB32);
    const QImage before = img;
    ImgData::Colorize(img, color);
    QCOMPARE(img.format(), QImage::Format_RGB32);
    QCOMPARE(img, before);
}

void TestImgRoutines::colorizeMidLightness() {
    const QColor c = QColor::fromHsl(200, 180, 128);
    QImage img(3, 1, QImage::Format_ARGB32);
    // Luma of (100,100,100) lands just below or at 100 depending on rounding; the tint index is its truncation.
    const int idx = int(100 * 0.2126 + 100 * 0.7152 + 100 * 0.0722);
    reinterpret_cast<QRgb*>(img.scanLine(0))[0] = qRgba(100, 100, 100, 255);
    reinterpret_cast<QRgb*>(img.scanLine(0))[1] = qRgba(0, 0, 0, 200);
    reinterpret_cast<QRgb*>(img.scanLine(0))[2] = qRgba(9, 8, 7, 0);
    ImgData::Colorize(img, c);
    const QColor t = Tint(c, idx);
    QCOMPARE(At(img, 0, 0), qRgba(255 * t.red() >> 8, 255 * t.green() >> 8, 255 * t.blue() >> 8, 255));
    QCOMPARE(At(img, 1, 0), qRgba(0, 0, 0, 200));
    QCOMPARE(At(img, 2, 0), qRgba(9, 8, 7, 0));
}

void TestImgRoutines::colorizeWhiteLightness() {
    const QColor c = QColor::fromHsl(30, 255, 255);
    QImage img(4, 1, QImage::Format_ARGB32);
    const QRgb in[4] = {qRgba(0, 0, 0, 255), qRgba(255, 255, 255, 255), qRgba(12, 200, 40, 30), qRgba(90, 0, 0, 128)};
    for (int x = 0; x < 4; ++x)
        reinterpret_cast<QRgb*>(img.scanLine(0))[x] = in[x];
    ImgData::Colorize(img, c);
    for (int x = 0; x < 4; ++x) {
        const QRgb p = At(img, x, 0);
        bool matched = false;
        for (int l = 252; l <= 255 && !matched; ++l) {
            const QColor t = Tint(c, l);
            matched = p == qRgba(255 * t.red() >> 8, 255 * t.green() >> 8, 255 * t.blue() >> 8, qAlpha(in[x]));
        }
        QVERIFY2(matched, qPrintable(QString::number(p, 16)));
    }
}

void TestImgRoutines::colorizeHalfAlphaBlends() {
    // A grey colour of lightness 128 tints a mid-grey pixel to grey; alpha 128 mixes half of each.
    const QColor c(128, 128, 128, 128);
    QImage img = Filled(1, 1, qRgba(200, 0, 100, 255));
    ImgData::Colorize(img, c);
    int h, s, l;
    c.getHsl(&h, &s, &l);
    const double luma = 200 * 0.2126 + 100 * 0.0722;
    const double v = (l - 128) / 128.0;
    const double w = v > 0 ? 255 * v + luma * (1 - v) : v < 0 ? luma * (1 + v) : luma;
    const QColor t = Tint(c, int(w));
    QCOMPARE(At(img, 0, 0), qRgba((128 * t.red() >> 8) + (200 * 127 >> 8), (128 * t.green() >> 8),
                                  (128 * t.blue() >> 8) + (100 * 127 >> 8), 255));
}

void TestImgRoutines::tabIconDesat_data() {
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<uint>("expected");
    QTest::newRow("opaque white") << uint(qRgba(255, 255, 255, 255)) << uint(qRgba(162, 162, 162, 255));
    QTest::newRow("opaque black") << uint(qRgba(0, 0, 0, 255)) << uint(qRgba(43, 43, 43, 255));
    QTest::newRow("half white") << uint(qRgba(255, 255, 255, 128)) << uint(qRgba(178, 178, 178, 128));
    QTest::newRow("opaque green") << uint(qRgba(0, 255, 0, 255)) << uint(qRgba(128, 128, 128, 255));
    QTest::newRow("clear stays") << uint(qRgba(255, 0, 0, 0)) << uint(qRgba(255, 0, 0, 0));
}

void TestImgRoutines::tabIconDesat() {
    QFETCH(uint, pixel);
    QFETCH(uint, expected);
    QImage img(2, 2, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    reinterpret_cast<QRgb*>(img.scanLine(1))[1] = pixel;
    ImgData::TabIconDesat(img);
    QCOMPARE(At(img, 1, 1), QRgb(expected));
}

void TestImgRoutines::tabIconDesatOfPremultiplied() {
    QImage img(1, 1, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(255, 255, 255, 128));
    ImgData::TabIconDesat(img);
    QCOMPARE(img.format(), QImage::Format_ARGB32);
    QCOMPARE(At(img, 0, 0), qRgba(178, 178, 178, 128));

    QImage empty(0, 3, QImage::Format_RGB32);
    ImgData::TabIconDesat(empty);
    QVERIFY(empty.isNull());
}

void TestImgRoutines::pixelFilterKeepsAlpha() {
    QImage img(3, 1, QImage::Format_ARGB32);
    reinterpret_cast<QRgb*>(img.scanLine(0))[0] = qRgba(1, 2, 3, 4);
    reinterpret_cast<QRgb*>(img.scanLine(0))[1] = qRgba(5, 6, 7, 255);
    reinterpret_cast<QRgb*>(img.scanLine(0))[2] = qRgba(8, 9, 10, 0);
    int calls = 0;
    ImgData::PixelFilterFunc(img, [&calls](int r, int g, int b, int) {
        ++calls;
        return qRgba(b, g, r, 77);
    });
    QCOMPARE(calls, 2);
    QCOMPARE(At(img, 0, 0), qRgba(3, 2, 1, 4));
    QCOMPARE(At(img, 1, 0), qRgba(7, 6, 5, 255));
    QCOMPARE(At(img, 2, 0), qRgba(8, 9, 10, 0));
}

QTEST_GUILESS_MAIN(TestImgRoutines)
#include "test_imgroutines.moc"
