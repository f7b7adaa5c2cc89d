// LoadImageCached (resources, path forms, cache and stale files, bad files) and ImgWidget.
#include "foundation/logger/QsLog.h"
#include "functions/loadimagecached.h"
#include "functions/plugintools.h"
#include "tests/common/logcapture.h"
#include "widgets/imgwidget.h"
#include "widgets/widgetresources.h"

#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

namespace {

bool WritePng(const QString& path, QColor color, QSize size = QSize(4, 3)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

// A PNG header that claims 100000 x 100000 pixels, with no pixels behind it.
QByteArray HugePngHeader() {
    QByteArray ihdr("IHDR");
    QDataStream out(&ihdr, QIODevice::Append);
    out << quint32(100000) << quint32(100000) << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QDataStream file(&png, QIODevice::Append);
    file << quint32(13);
    file.writeRawData(ihdr.constData(), ihdr.size());
    file << quint32(crc32(0, reinterpret_cast<const Bytef*>(ihdr.constData()), uInt(ihdr.size())));
    // An empty data chunk, so the header reads completely.
    file << quint32(0);
    file.writeRawData("IDAT", 4);
    file << quint32(crc32(0, reinterpret_cast<const Bytef*>("IDAT"), 4));
    return png;
}

// Puts a file's modification time back, so a rewrite is invisible to the cache.
void SetModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

class TestImageLoader : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_data;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_data = m_dir.path() + QStringLiteral("/Data/");
        QVERIFY(QDir().mkpath(m_data + QStringLiteral("Icons")));
        QVERIFY(QDir().mkpath(m_dir.path() + QStringLiteral("/User")));
        PluginTools::SetDataPath(m_data);
        PluginTools::SetUserPath(m_dir.path() + QStringLiteral("/User"));
        InitWidgetResources();
    }

    void resources_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("popup background") << ":/images/WndPopupBG" << QSize(96, 150);
        QTest::newRow("button cap") << ":/images/BtnStdLN" << QSize(4, 23);
        QTest::newRow("small cap") << ":/images/BtnSmlRD" << QSize(4, 19);
        QTest::newRow("icon") << ":/images/MBIcon_Question" << QSize(40, 40);
        QTest::newRow("missing resource") << ":/images/NoSuchImage" << QSize(0, 0);
    }

    void resources() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        for (bool cached : {false, true})
            QCOMPARE(LoadImageCached(path, cached).size(), size);
    }

    void pathFormsResolve() {
        QVERIFY(WritePng(m_data + "a.png", Qt::red));
        QVERIFY(WritePng(m_data + "Icons/b.png", Qt::green));
        QCOMPARE(LoadImageCached(QStringLiteral("/a.png"), false).pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(LoadImageCached(QStringLiteral("\\Icons\\b.png"), false).pixelColor(0, 0), QColor(Qt::green));
        // The folder words expand; a file is then read from the folder they name.
        QCOMPARE(LoadImageCached(QStringLiteral("Data"), false).isNull(), true);
    }

    void windowsNamesLoad() {
        // A configuration made on Windows names the picture in another letter case, with backslashes.
        QVERIFY(QDir().mkpath(m_data + "Images"));
        QVERIFY(WritePng(m_data + "Images/Btn.png", Qt::magenta));
        for (bool cached : {false, true})
            QCOMPARE(LoadImageCached(QStringLiteral("/images\\btn.PNG"), cached).pixelColor(0, 0), QColor(Qt::magenta));
    }

    void cacheKeepsImageUntilFileChanges() {
        const QString file = m_data + "c.png";
        QVERIFY(WritePng(file, Qt::red));
        const QDateTime first = QFileInfo(file).lastModified().addSecs(-100);
        SetModified(file, first);
        QCOMPARE(LoadImageCached(QStringLiteral("/c.png"), true).pixelColor(0, 0), QColor(Qt::red));

        // Rewritten with the old time: the cache answers without reading.
        QVERIFY(WritePng(file, Qt::blue));
        SetModified(file, first);
        QCOMPARE(LoadImageCached(QStringLiteral("/c.png"), true).pixelColor(0, 0), QColor(Qt::red));
        // Another spelling of the same stored path is the same (expanded) cache entry.
        QCOMPARE(LoadImageCached(QStringLiteral("\\c.png"), true).pixelColor(0, 0), QColor(Qt::red));
        // Without the cache the file is read.
        QCOMPARE(LoadImageCached(QStringLiteral("/c.png"), false).pixelColor(0, 0), QColor(Qt::blue));

        // A new modification time makes the next call read it again.
        SetModified(file, first.addSecs(10));
        QCOMPARE(LoadImageCached(QStringLiteral("/c.png"), true).pixelColor(0, 0), QColor(Qt::blue));
    }

    void deletedFileLeavesCache() {
        const QString file = m_data + "d.png";
        const QString stored = QStringLiteral("/d.png");
        QVERIFY(WritePng(file, Qt::red));
        QVERIFY(!LoadImageCached(stored, true).isNull());
        QVERIFY(QFile::remove(file));
        QVERIFY(LoadImageCached(stored, true).isNull());
        // Nothing was kept for the missing file: a new file is read at once.
        QVERIFY(WritePng(file, Qt::green));
        QCOMPARE(LoadImageCached(stored, true).pixelColor(0, 0), QColor(Qt::green));
    }

    void badFiles_data() {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::addColumn<QString>("reason");      // in the log line
        QTest::newRow("missing") << QByteArray() << "no such file";
        QTest::newRow("not an image") << QByteArray("plain text, no picture") << "cannot read image";
        QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18) << "cannot read image";
        // A header that claims 100000 x 100000 pixels is refused before anything is allocated for it.
        QTest::newRow("huge header") << HugePngHeader() << "image too large";
    }

    void badFiles() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, reason);
        LogCapture recorder;
        const QString name = QStringLiteral("bad_%1.img").arg(QTest::currentDataTag()).replace(' ', '_');
        const QString file = m_data + name;
        if (!contents.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        QVERIFY(LoadImageCached("/" + name, true).isNull());
        QVERIFY(LoadImageCached("/" + name, false).isNull());
        QVERIFY(LoadImageCached("/" + name, true).isNull()); // from the cache when the file exists
        // Every failing read says so in the log, naming the file.
        const QStringList lines = recorder.Lines();
        QVERIFY(!lines.isEmpty());
        for (const QString& line : lines)
            QVERIFY2(line.contains("LoadImageCached: " + reason) && line.contains(name), qPrintable(line));
    }

    void imgWidgetFromPathReloads() {
        const QString file = m_data + "w.png";
        QVERIFY(WritePng(file, Qt::red, QSize(10, 7)));
        ImgWidget w(nullptr, QStringLiteral("/w.png"));
        QCOMPARE(w.size(), QSize(10, 7));
        QCOMPARE(w.minimumSize(), QSize(10, 7));
        QCOMPARE(w.sizeHint(), QSize(10, 7));
        QVERIFY(w.isVisible());

        QVERIFY(WritePng(file, Qt::blue, QSize(20, 5)));
        SetModified(file, QDateTime::currentDateTime().addSecs(5));
        w.Reload();
        QCOMPARE(w.size(), QSize(20, 5));
        QCOMPARE(w.image().pixelColor(0, 0), QColor(Qt::blue));

        QVERIFY(QFile::remove(file));
        w.Reload();
        QCOMPARE(w.size(), QSize(0, 0));
        QCOMPARE(w.minimumSize(), QSize(0, 0));
        w.grab(); // paints nothing, must not fail
    }

    void imgWidgetFromImageKeepsIt() {
        QImage image(6, 6, QImage::Format_ARGB32);
        image.fill(Qt::yellow);
        ImgWidget w(nullptr, image);
        w.resize(50, 50);
        w.Reload();
        QCOMPARE(w.size(), QSize(6, 6));
        QCOMPARE(w.image(), image);
    }

    void imgWidgetPaintsAtOpacity() {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(QColor(255, 0, 0));
        ImgWidget w(nullptr, image);
        w.setOpacity(0.5);
        const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shot.size(), QSize(4, 4));
        QVERIFY(qAbs(qAlpha(shot.pixel(1, 1)) - 128) <= 2);
    }
};

QTEST_MAIN(TestImageLoader)
#include "test_imageloader.moc"
