#include "runtime/imgdatamgr.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <sys/stat.h>

namespace {

QImage Filled(int w, int h, QRgb px, QImage::Format fmt = QImage::Format_ARGB32) {
    QImage img(w, h, fmt);
    img.fill(px);
    return img;
}

// A picture with distinct pixels, so that scaling and encoding mistakes show.
QImage Gradient(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgba(x * 255 / qMax(1, w - 1), y * 255 / qMax(1, h - 1), 90, 200));
    return img;
}

// The same raw bytes laid out as another image (shape or format).
QImage Reshaped(const QImage& src, int w, int h, QImage::Format fmt) {
    QImage img(w, h, fmt);
    Q_ASSERT(img.sizeInBytes() == src.sizeInBytes());
    memcpy(img.bits(), src.constBits(), size_t(src.sizeInBytes()));
    return img;
}

ImgData Record(const QImage& img, const QString& name = QString()) {
    ImgData d;
    d.Image = img;
    d.SourceName = name;
    return d;
}

QImage Decoded(const QByteArray& png) {
    return QImage::fromData(png, "PNG");
}

} // namespace

class TestImgDataMgr : public QObject {
    Q_OBJECT
private slots:
    void init();

    void recordTracksImageChanges();
    void equalPixelsShareOneEntry();
    void renamedRecordRegistersNewName();
    void idsDifferForDifferentPictures_data();
    void idsDifferForDifferentPictures();
    void rowPaddingDoesNotChangeId();
    void nullAndEmptyImagesAreRefused_data();
    void nullAndEmptyImagesAreRefused();

    void rscDataScale_data();
    void rscDataScale();
    void encodingsOfSeveralScalesAreKept();
    void rscDataAtFullScaleKeepsPixels();
    void rscDataEncodesOncePerScale();
    void rscDataUnknownIds();

    void flushes();
    void bareImageRegisteredAgain();
    void files();
    void oversizedFileIsRefused();

    void untouchedEntryLivesAboutTwoMinutes();
    void lookupsRefreshButRequestsDoNot();
    void fullCacheShortensLife_data();
    void fullCacheShortensLife();
    void protectedPasses();
    void maintenanceRunsWhileImagesAreHeld();
    void maintenanceLogLine();

    void instancePointer();

private:
    qint64 m_now = 0;
    std::unique_ptr<ImgDataMgr> m_mgr;
    void Passes(int count, qint64 stepMs = 0) {
        for (int i = 0; i < count; ++i) {
            m_now += stepMs;
            m_mgr->Maintenance();
        }
    }
};

void TestImgDataMgr::init() {
    m_now = 0;
    m_mgr.reset(new ImgDataMgr);
    m_mgr->SetClock([this] { return m_now; });
}

void TestImgDataMgr::recordTracksImageChanges() {
    ImgData d = Record(Filled(4, 4, 0xff00ff00));
    const quint64 id = d.PixelHash();
    QVERIFY(id != 0);
    QCOMPARE(id & ~ImgData::ContentIdMask, quint64(0));
    d.PixmapValid = true;
    d.Encode(1.0);
    QVERIFY(d.EncodingValid && d.HashValid);

    d.SyncCacheKey();
    QVERIFY(d.PixmapValid);
    d.Image.setPixel(0, 0, 0xff0000ff);
    d.SyncCacheKey();
    QVERIFY(!d.PixmapValid && !d.EncodingValid && !d.HashValid);
    const quint64 changed = d.PixelHash();
    QVERIFY(changed != id);

    // Flipping between two pictures: the one coming back keeps its id without a second hashing, and its
    // other derived values are made again.
    const QImage first = Filled(4, 4, 0xff00ff00), second = Filled(4, 4, 0xffff0000);
    d.Image = first;
    QCOMPARE(d.PixelHash(), id);
    d.Encode(1.0);
    d.PixmapValid = true;
    d.Image = second;
    const quint64 secondId = d.PixelHash();
    d.Image = first;
    d.SyncCacheKey();
    QVERIFY(d.HashValid && !d.PixmapValid && !d.EncodingValid);
    QCOMPARE(d.PixelHash(), id);
    d.Image = second;
    d.SyncCacheKey();
    QVERIFY(d.HashValid);
    QCOMPARE(d.PixelHash(), secondId);
    // Painted over in place, the picture is another one: hashed again.
    d.Image.setPixel(1, 1, 0xff0000ff);
    d.SyncCacheKey();
    QVERIFY(!d.HashValid);
    QVERIFY(d.PixelHash() != secondId);
}

void TestImgDataMgr::equalPixelsShareOneEntry() {
    ImgData a = Record(Gradient(8, 8), QStringLiteral("a.png"));
    ImgData b = Record(Gradient(8, 8), QStringLiteral("b.png"));
    QVERIFY(m_mgr->AddImgData(a));
    QVERIFY(!m_mgr->AddImgData(b));
    QCOMPARE(a.PixelHash(), b.PixelHash());
    QCOMPARE(m_mgr->ImageCount(), 1);

    ImgData* fa = m_mgr->FindImgData(StringHash(QStringLiteral("a.png")));
    ImgData* fb = m_mgr->FindImgData(StringHash(QStringLiteral("b.png")));
    QVERIFY(fa && fa == fb);
    QCOMPARE(fa->SourceName, QStringLiteral("a.png"));
    QVERIFY(!m_mgr->FindImgData(StringHash(QStringLiteral("c.png"))));
    QVERIFY(!m_mgr->FindImgData(0));

    // A later registration under the same name moves the name to the new picture.
    ImgData c = Record(Filled(2, 2, 0xff123456), QStringLiteral("a.png"));
    QVERIFY(m_mgr->AddImgData(c));
    QCOMPARE(m_mgr->FindImgData(StringHash(QStringLiteral("a.png")))->PixelHash(), c.PixelHash());

    QCOMPARE(m_mgr->AddImage(Gradient(8, 8)), a.PixelHash());
    QCOMPARE(m_mgr->ImageCount(), 2);
}

void TestImgDataMgr::renamedRecordRegistersNewName() {
    ImgData d = Record(Gradient(5, 5), QStringLiteral("first"));
    m_mgr->AddImgData(d);
    d.SourceName += QStringLiteral("+");
    m_mgr->AddImgData(d);
    d.SourceName[0] = QLatin1Char('F');
    m_mgr->AddImgData(d);
    for (const char* name : {"first", "first+", "First+"})
        QVERIFY2(m_mgr->FindImgData(StringHash(QLatin1String(name))), name);
    QCOMPARE(d.NameHash(), StringHash(QStringLiteral("First+")));
    d.SourceName.clear();
    QCOMPARE(d.NameHash(), quint64(0));
}

void TestImgDataMgr::idsDifferForDifferentPictures_data() {
    QTest::addColumn<QImage>("first");
    QTest::addColumn<QImage>("second");
    const QImage g = Gradient(4, 4);
    QTest::newRow("pixel") << g << [&] {
        QImage o = g.copy();
        o.setPixel(3, 3, 0);
        return o;
    }();
    QTest::newRow("4x4 vs 2x8") << g << Reshaped(g, 2, 8, QImage::Format_ARGB32);
    QTest::newRow("4x4 vs 16x1") << g << Reshaped(g, 16, 1, QImage::Format_ARGB32);
    QTest::newRow("straight vs premultiplied") << g << Reshaped(g, 4, 4, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("argb vs rgb") << Filled(2, 2, 0xff112233) << Filled(2, 2, 0xff112233, QImage::Format_RGB32);
}

void TestImgDataMgr::idsDifferForDifferentPictures() {
    QFETCH(QImage, first);
    QFETCH(QImage, second);
    const quint64 a = m_mgr->AddImage(first);
    const quint64 b = m_mgr->AddImage(second);
    QVERIFY(a != 0 && b != 0);
    QVERIFY(a != b);
    QCOMPARE(m_mgr->ImageCount(), 2);
    QCOMPARE(Decoded(m_mgr->GetRscData(a, 1)).size(), first.size());
    QCOMPARE(Decoded(m_mgr->GetRscData(b, 1)).size(), second.size());
}

void TestImgDataMgr::rowPaddingDoesNotChangeId() {
    // RGB888 rows of width 3 have 9 visible bytes padded to 12; the padding is left as it happened to be.
    QImage a(3, 2, QImage::Format_RGB888), b(3, 2, QImage::Format_RGB888);
    memset(a.bits(), 0x11, size_t(a.sizeInBytes()));
    memset(b.bits(), 0x77, size_t(b.sizeInBytes()));
    a.fill(QColor(10, 20, 30));
    b.fill(QColor(10, 20, 30));
    QVERIFY(memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) != 0);
    QCOMPARE(m_mgr->AddImage(a), m_mgr->AddImage(b));
}

void TestImgDataMgr::nullAndEmptyImagesAreRefused_data() {
    QTest::addColumn<QImage>("image");
    QTest::newRow("null") << QImage();
    QTest::newRow("zero width") << QImage(0, 4, QImage::Format_ARGB32);
    QTest::newRow("negative") << QImage(-3, -3, QImage::Format_ARGB32);
}

void TestImgDataMgr::nullAndEmptyImagesAreRefused() {
    QFETCH(QImage, image);
    ImgData d = Record(image, QStringLiteral("x"));
    QVERIFY(!m_mgr->AddImgData(d));
    QCOMPARE(d.PixelHash(), quint64(0));
    QCOMPARE(m_mgr->AddImage(image), quint64(0));
    QCOMPARE(m_mgr->ImageCount(), 0);
    QVERIFY(!m_mgr->FindImgData(StringHash(QStringLiteral("x"))));
    d.Encode(0.5);
    QVERIFY(d.Encoded.isEmpty());
}

// Phones of two sizes ask for an image at two scales in turn: each scale is encoded once until the image
// changes, then again from the new pixels.
void TestImgDataMgr::encodingsOfSeveralScalesAreKept() {
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ImgData d = Record(image, QStringLiteral("two scales"));
    d.Encode(0.5);
    const QByteArray half = d.Encoded;
    d.Encode(1.0);
    const QByteArray full = d.Encoded;
    d.Encode(0.5);
    QCOMPARE(d.Encoded.constData(), half.constData()); // kept, not encoded again
    d.Encode(1.0);
    QCOMPARE(d.Encoded.constData(), full.constData());
    QCOMPARE(d.EncodedBytes(), qint64(half.size() + full.size()));
    QCOMPARE(QImage::fromData(half, "PNG").size(), QSize(32, 16));

    image.fill(Qt::blue);
    d.Image = image;
    d.Encode(0.5);
    QVERIFY(d.Encoded.constData() != half.constData());
    QCOMPARE(QImage::fromData(d.Encoded, "PNG").pixelColor(1, 1), QColor(Qt::blue));
}

void TestImgDataMgr::rscDataScale_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("1") << 64 << 32 << 1.0 << QSize(64, 32);
    QTest::newRow("2 is own size") << 64 << 32 << 2.0 << QSize(64, 32);
    QTest::newRow("huge") << 64 << 32 << 1e300 << QSize(64, 32);
    QTest::newRow("infinite") << 64 << 32 << std::numeric_limits<double>::infinity() << QSize(64, 32);
    QTest::newRow("nan") << 64 << 32 << std::numeric_limits<double>::quiet_NaN() << QSize(64, 32);
    QTest::newRow("half") << 64 << 32 << 0.5 << QSize(32, 16);
    QTest::newRow("truncates") << 10 << 7 << 0.35 << QSize(3, 2);
    QTest::newRow("0.01 is 1/32") << 64 << 32 << 0.01 << QSize(2, 1);
    QTest::newRow("zero") << 64 << 32 << 0.0 << QSize(2, 1);
    QTest::newRow("negative") << 64 << 32 << -4.0 << QSize(2, 1);
    QTest::newRow("-inf") << 64 << 32 << -std::numeric_limits<double>::infinity() << QSize(2, 1);
    QTest::newRow("scales to nothing") << 40 << 1 << 0.5 << QSize();
}

void TestImgDataMgr::rscDataScale() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, scale);
    QFETCH(QSize, expected);
    const quint64 id = m_mgr->AddImage(Gradient(width, height));
    const QByteArray png = m_mgr->GetRscData(id, scale);
    if (!expected.isValid()) {
        QVERIFY(png.isEmpty());
        return;
    }
    QVERIFY(png.startsWith("\x89PNG"));
    QCOMPARE(Decoded(png).size(), expected);
}

void TestImgDataMgr::rscDataAtFullScaleKeepsPixels() {
    const QImage img = Gradient(9, 5);
    const quint64 id = m_mgr->AddImage(img);
    const QImage back = Decoded(m_mgr->GetRscData(id, 1.0)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(back, img);
}

void TestImgDataMgr::rscDataEncodesOncePerScale() {
    const quint64 id = m_mgr->AddImage(Gradient(40, 40));
    const QByteArray first = m_mgr->GetRscData(id, 0.5);
    const QByteArray again = m_mgr->GetRscData(id, 0.5);
    // The stored bytes are handed out again, not encoded anew.
    QCOMPARE(again.constData(), first.constData());

    const QByteArray other = m_mgr->GetRscData(id, 0.25);
    QVERIFY(other.constData() != first.constData());
    QCOMPARE(Decoded(other).size(), QSize(10, 10));
    // Scales that clamp to the same value share the encoding.
    const QByteArray full = m_mgr->GetRscData(id, 1.0);
    QCOMPARE(m_mgr->GetRscData(id, 3.0).constData(), full.constData());
}

void TestImgDataMgr::rscDataUnknownIds() {
    m_mgr->AddImage(Gradient(4, 4));
    QVERIFY(m_mgr->GetRscData(0, 1).isEmpty());
    QVERIFY(m_mgr->GetRscData(12345, 1).isEmpty());
    QVERIFY(m_mgr->GetRscData(std::numeric_limits<quint64>::max(), 0.5).isEmpty());
}

// A bare image registered again unchanged keeps one entry alive; after its entry went it is registered anew, and
// a changed copy is another picture.
void TestImgDataMgr::bareImageRegisteredAgain() {
    QImage image = Gradient(8, 8);
    const quint64 id = m_mgr->AddImage(image);
    QVERIFY(id != 0);
    QCOMPARE(m_mgr->AddImage(image), id);
    QCOMPARE(m_mgr->ImageCount(), 1);
    m_mgr->Flush();
    QCOMPARE(m_mgr->AddImage(image), id);
    QVERIFY(m_mgr->HasImage(id));
    image.setPixel(0, 0, qRgba(1, 2, 3, 255));
    const quint64 changed = m_mgr->AddImage(image);
    QVERIFY(changed != 0 && changed != id);
    QVERIFY(!m_mgr->GetRscData(changed, 1).isEmpty());
    // Unused, the entry goes with the maintenance; the image comes back when it is shown again.
    Passes(ImgDataMgr::UnusedPassesBeforeEviction + 2, 200000);
    QVERIFY(!m_mgr->HasImage(changed));
    QCOMPARE(m_mgr->AddImage(image), changed);
    QVERIFY(m_mgr->HasImage(changed));
}

void TestImgDataMgr::flushes() {
    ImgData d = Record(Gradient(6, 6), QStringLiteral("pic"));
    m_mgr->AddImgData(d);
    const quint64 id = d.PixelHash();
    m_mgr->Flush2();
    QVERIFY(!m_mgr->FindImgData(StringHash(QStringLiteral("pic"))));
    QVERIFY(!m_mgr->GetRscData(id, 1).isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.wav"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("RIFF....");
    f.close();
    const quint64 fileId = m_mgr->AddFile(path);

    m_mgr->AddImgData(d);
    Passes(1);
    QVERIFY(m_mgr->CacheSize() > 0);
    m_mgr->Flush();
    QCOMPARE(m_mgr->ImageCount(), 0);
    QCOMPARE(m_mgr->CacheSize(), quint64(0));
    QVERIFY(!m_mgr->FindImgData(StringHash(QStringLiteral("pic"))));
    QVERIFY(m_mgr->GetRscData(id, 1).isEmpty());
    QCOMPARE(m_mgr->GetRscData(fileId, 1), QByteArray("RIFF...."));
}

void TestImgDataMgr::files() {
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        f.write(bytes);
        return f.fileName();
    };
    const QString a = write(QStringLiteral("a.ogg"), "OggS first");
    const QString b = write(QStringLiteral("b.ogg"), "OggS first");
    const QString empty = write(QStringLiteral("e.ogg"), QByteArray());

    QCOMPARE(m_mgr->AddFile(empty), quint64(0));
    QCOMPARE(m_mgr->AddFile(dir.filePath(QStringLiteral("missing.ogg"))), quint64(0));
    QCOMPARE(m_mgr->AddFile(dir.path()), quint64(0));

    const quint64 id = m_mgr->AddFile(a);
    QCOMPARE(id, DataHash("OggS first", 10));
    QCOMPARE(m_mgr->GetRscData(id, 0.5), QByteArray("OggS first"));

    // Equal contents under another path: one id, served from the path registered last.
    QCOMPARE(m_mgr->AddFile(b), id);
    write(QStringLiteral("b.ogg"), "OggS changed later");
    QCOMPARE(m_mgr->GetRscData(id, 1), QByteArray("OggS changed later"));
    QFile::remove(b);
    QVERIFY(m_mgr->GetRscData(id, 1).isEmpty());
}

void TestImgDataMgr::oversizedFileIsRefused() {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("big.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    const quint64 id = m_mgr->AddFile(f.fileName());
    QVERIFY(id != 0);
    // A sparse file: its size is checked before anything is read.
    QVERIFY(f.resize(ImgDataMgr::MaxFileBytes + 1));
    QCOMPARE(m_mgr->AddFile(f.fileName()), quint64(0));
    QVERIFY(m_mgr->GetRscData(id, 1).isEmpty());
    // Only regular files: a device reads without end, a folder reads nothing, a pipe would wait for a writer.
    QCOMPARE(m_mgr->AddFile(QStringLiteral("/dev/zero")), quint64(0));
    QCOMPARE(m_mgr->AddFile(dir.path()), quint64(0));
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe.wav")));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    QCOMPARE(m_mgr->AddFile(QFile::decodeName(fifo)), quint64(0));
}

void TestImgDataMgr::untouchedEntryLivesAboutTwoMinutes() {
    ImgData d = Record(Filled(4, 4, 0xff010203), QStringLiteral("small"));
    m_mgr->AddImgData(d);
    const quint64 id = d.PixelHash();
    Passes(120, 1000);
    QCOMPARE(m_now, qint64(120000));
    QVERIFY(m_mgr->HasImage(id));
    Passes(1, 1000);
    QVERIFY(!m_mgr->HasImage(id));
    QVERIFY(!m_mgr->FindImgData(StringHash(QStringLiteral("small"))));
    QCOMPARE(m_mgr->CacheSize(), quint64(0));
}

void TestImgDataMgr::lookupsRefreshButRequestsDoNot() {
    ImgData found = Record(Filled(4, 4, 0xff0000aa), QStringLiteral("found"));
    ImgData asked = Record(Filled(4, 4, 0xff00aa00));
    m_mgr->AddImgData(found);
    m_mgr->AddImgData(asked);
    Passes(100, 1000);
    QVERIFY(m_mgr->FindImgData(StringHash(QStringLiteral("found"))));
    QVERIFY(!m_mgr->GetRscData(asked.PixelHash(), 1).isEmpty());
    Passes(21, 1000);
    QVERIFY(m_mgr->HasImage(found.PixelHash()));
    QVERIFY(!m_mgr->HasImage(asked.PixelHash()));
}

void TestImgDataMgr::fullCacheShortensLife_data() {
    QTest::addColumn<int>("uses");
    QTest::addColumn<qint64>("lastAlive");
    // 16 MiB plus 64 bytes of cache: tdef = 15999 ms, then 100 ms a use, at most 10000 ms.
    QTest::newRow("1 use") << 1 << qint64(16099);
    QTest::newRow("5 uses") << 5 << qint64(16499);
    QTest::newRow("150 uses") << 150 << qint64(25999);
}

void TestImgDataMgr::fullCacheShortensLife() {
    QFETCH(int, uses);
    QFETCH(qint64, lastAlive);
    // Both entries age alike, so the cache stays full up to the pass under test.
    ImgData big = Record(Filled(2048, 2048, 0xff808080));
    ImgData small = Record(Filled(4, 4, 0xff102030));
    for (int i = 0; i < uses; ++i) {
        m_mgr->AddImgData(big);
        m_mgr->AddImgData(small);
    }
    // Past the protected passes without time passing.
    Passes(40);
    QCOMPARE(m_mgr->CacheSize(), quint64(16777216 + 64));
    m_now = lastAlive;
    Passes(1);
    QVERIFY(m_mgr->HasImage(small.PixelHash()));
    m_now = lastAlive + 1;
    Passes(1);
    QVERIFY(!m_mgr->HasImage(small.PixelHash()));
}

void TestImgDataMgr::protectedPasses() {
    // 20 MiB of cache makes every time-to-live negative: only the pass count keeps entries.
    const quint64 big = m_mgr->AddImage(Filled(2048, 2560, 0xff808080));
    ImgData small = Record(Filled(4, 4, 0xff102030));
    m_mgr->AddImgData(small);
    Passes(33);
    QVERIFY(m_mgr->HasImage(big) && m_mgr->HasImage(small.PixelHash()));
    // A registration puts the entry back to its first pass.
    m_mgr->AddImgData(small);
    Passes(1);
    QVERIFY(!m_mgr->HasImage(big));
    QVERIFY(m_mgr->HasImage(small.PixelHash()));
    m_now = 1000000;
    Passes(31);
    QVERIFY(m_mgr->HasImage(small.PixelHash()));
    Passes(1);
    QVERIFY(!m_mgr->HasImage(small.PixelHash()));
}

// An idle program (no phone, so no image registered) wakes for nothing: the expiry pass runs only while the
// registry holds images.
void TestImgDataMgr::maintenanceRunsWhileImagesAreHeld() {
    auto* timer = m_mgr->findChild<QTimer*>();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    ImgData d = Record(Filled(4, 4, 0xff405060));
    m_mgr->AddImgData(d);
    QVERIFY(timer->isActive());
    m_now = 1000000;
    Passes(ImgDataMgr::UnusedPassesBeforeEviction + 1); // kept for its passes
    QVERIFY(m_mgr->HasImage(d.PixelHash()));
    QVERIFY(timer->isActive());
    Passes(1);
    QVERIFY(!m_mgr->HasImage(d.PixelHash()));
    QVERIFY(!timer->isActive());
    m_mgr->AddImage(Filled(2, 2, 0xff000000));
    QVERIFY(timer->isActive());
    m_mgr->Flush();
    QVERIFY(!timer->isActive());
}

void TestImgDataMgr::maintenanceLogLine() {
    LogCapture dest;
    GetLogger().SetLevel(QsLogging::DebugLevel);

    ImgData d = Record(Filled(4, 4, 0xff010203));
    m_mgr->AddImgData(d);
    Passes(1);
    Passes(1); // nothing new, nothing deleted: no line
    m_now = 200000;
    Passes(40);

    dest.Stop();
    const QStringList lines = dest.Lines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(QStringLiteral(" ImgCache: 64 del: 0 new: 64  tdef: 120")), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QStringLiteral(" ImgCache: 0 del: 64 new: 0  tdef: 119")), qPrintable(lines[1]));
}

void TestImgDataMgr::instancePointer() {
    QCOMPARE(ImgDataMgr::Instance(), m_mgr.get());
    m_mgr.reset();
    QVERIFY(!ImgDataMgr::Instance());
}

QTEST_GUILESS_MAIN(TestImgDataMgr)
#include "test_imgdatamgr.moc"
