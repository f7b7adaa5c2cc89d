// File comparison, hashing, folder removal and the zip helpers, with archives made here and by the zip tool.
#include "config/ziputils.h"
#include "tests/common/testfiles.h"
#include "tests/common/testzip.h"
#include "tests/config/cfgtestutil.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestZipUtils : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

    QString P(const QString& rel) const { return tmp.path() + QLatin1Char('/') + rel; }

private slots:
    void initTestCase() {
        // The trash of these tests lives in the temporary folder, never in the user's own.
        QDir().mkpath(tmp.path() + QStringLiteral("/xdg"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.path() + QStringLiteral("/xdg")));
    }

    void filesEqual_data() {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("both empty") << QByteArray() << QByteArray() << true;
        QTest::newRow("last byte differs") << QByteArray("0123456789") << QByteArray("012345678X") << false;
        QTest::newRow("4096 vs 4097") << QByteArray(4096, 'a') << QByteArray(4097, 'a') << false;
        QTest::newRow("two blocks equal") << QByteArray(8192, 'z') << QByteArray(8192, 'z') << true;
        QByteArray late(9000, 'q');
        QByteArray late2 = late;
        late2[8500] = 'r';
        QTest::newRow("third block differs") << late << late2 << false;
    }
    void filesEqual() {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, equal);
        WriteFile(P("eq/a"), a);
        WriteFile(P("eq/b"), b);
        QCOMPARE(FilesEqual(P("eq/a"), P("eq/b")), equal);
    }
    void filesEqualMissing() {
        QVERIFY(FilesEqual(P("none1"), P("none2")));
        WriteFile(P("one"), "x");
        QVERIFY(!FilesEqual(P("one"), P("none2")));
    }

    void hash() {
        WriteFile(P("empty"), QByteArray());
        const QString expected =
            QString::fromLatin1(QCryptographicHash::hash(QByteArray(), QCryptographicHash::Sha1).toBase64());
        QCOMPARE(FileHashBase64(P("empty")), expected);
        QCOMPARE(expected.size(), 28);
        QVERIFY(FileHashBase64(P("missing")).isEmpty());
    }

    void removeReadOnlyTreeAndKeepSymlinkTarget() {
        WriteFile(P("tree/a.json"), "{}");
        WriteFile(P("tree/sub/b.png"), "png");
        WriteFile(P("outside/keep.txt"), "keep");
        QVERIFY(QFile::link(P("outside"), P("tree/link")));
        QFile::setPermissions(P("tree/sub/b.png"), QFile::ReadOwner);
        QFile::setPermissions(P("tree/sub"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(RemoveDirRecursive(P("tree")));
        QVERIFY(!QFileInfo::exists(P("tree")));
        // A symbolic link is removed, not followed.
        QVERIFY(QFileInfo::exists(P("outside/keep.txt")));
        QVERIFY(!RemoveDirRecursive(P("tree")));
    }

    void deleteToTrash() {
        WriteFile(P("trashme.txt"), "bye");
        QVERIFY(DeleteToRecycleBin(P("trashme.txt")));
        QVERIFY(!QFileInfo::exists(P("trashme.txt")));
        const QString trash = tmp.path() + QStringLiteral("/xdg/Trash/");
        QVERIFY(QFileInfo::exists(trash + QStringLiteral("files/trashme.txt")));
        QFile info(trash + QStringLiteral("info/trashme.txt.trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("[Trash Info]"));
        QVERIFY(!DeleteToRecycleBin(P("trashme.txt")));
    }

    void zipRoundTrip() {
        WriteFile(P("src/a.json"), "{\"a\":1}");
        WriteFile(P("src/rsc/b.png"), QByteArray(10000, 'b'));
        QDir().mkpath(P("src/empty"));
        QVERIFY(ZipDir(P("src"), P("rt.zip")));
        QCOMPARE(EnumZip(P("rt.zip")), (QStringList{"a.json", "rsc/b.png"}));
        QVERIFY(UnzipDir(P("rt.zip"), P("dst")));
        QVERIFY(FilesEqual(P("src/a.json"), P("dst/a.json")));
        QVERIFY(FilesEqual(P("src/rsc/b.png"), P("dst/rsc/b.png")));
        QVERIFY(!QFileInfo::exists(P("dst/empty")));
    }

    void zipToolArchiveWithFolderEntries() {
        // The zip tool stores folder entries ("rsc/"): they become folders, not files.
        WriteFile(P("tool/control.json"), "{}");
        WriteFile(P("tool/rsc/i.png"), "img");
        QProcess zip;
        zip.setWorkingDirectory(P("tool"));
        zip.start(QStringLiteral("zip"), {QStringLiteral("-r"), P("tool.zip"), QStringLiteral(".")});
        if (!zip.waitForFinished() || zip.exitCode() != 0)
            QSKIP("zip tool not available");
        QVERIFY(EnumZip(P("tool.zip")).contains(QStringLiteral("rsc/")));
        QVERIFY(UnzipDir(P("tool.zip"), P("tooldst")));
        QVERIFY(QFileInfo(P("tooldst/rsc")).isDir());
        QVERIFY(FilesEqual(P("tool/rsc/i.png"), P("tooldst/rsc/i.png")));
    }

    void badArchives_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("log");
        QTest::newRow("parent") << "../escaped.txt"
                                << "UnzipDir(): entry name outside the folder:";
        QTest::newRow("nested parent") << "rsc/../../escaped.txt"
                                       << "UnzipDir(): entry name outside the folder:";
        QTest::newRow("absolute") << (tmp.path() + "/escaped.txt") << "UnzipDir(): entry name outside the folder:";
        QTest::newRow("drive") << "C:/escaped.txt"
                               << "UnzipDir(): entry name outside the folder:";
        QTest::newRow("backslash parent") << "..\\escaped.txt"
                                          << "UnzipDir(): entry name outside the folder:";
    }
    void badArchives() {
        QFETCH(QString, name);
        QFETCH(QString, log);
        // A harmless entry first: the archive is refused before even that is written.
        QVERIFY(MakeZip(P("bad.zip"), {{"first.txt", "1"}, {name, "evil"}}));
        LogCapture rec;
        QVERIFY(!UnzipDir(P("bad.zip"), P("stage")));
        QVERIFY(rec.Has(log));
        QVERIFY(!QFileInfo::exists(P("stage/first.txt")));
        QVERIFY(!QFileInfo::exists(P("escaped.txt")));
        QVERIFY(!QFileInfo::exists(P("../escaped.txt")));
    }

    void bombsAreBounded() {
        // 8 MiB of zeros compress to a few KiB; the declared size trips the bound before inflating.
        QVERIFY(MakeZip(P("bomb.zip"), {{"zeros.bin", QByteArray(8 * 1024 * 1024, '\0')}}));
        QVERIFY(QFileInfo(P("bomb.zip")).size() < 100 * 1024);
        ZipLimits limits;
        limits.maxEntrySize = 1024 * 1024;
        LogCapture rec;
        QVERIFY(!UnzipDir(P("bomb.zip"), P("bombdst"), limits));
        QVERIFY(rec.Has(QStringLiteral("UnzipDir(): entry too large:")));
        QVERIFY(!QFileInfo::exists(P("bombdst/zeros.bin")));

        QList<QPair<QString, QByteArray>> many;
        for (int i = 0; i < 20; ++i)
            many.append({QStringLiteral("f%1").arg(i), "x"});
        QVERIFY(MakeZip(P("many.zip"), many));
        limits = ZipLimits();
        limits.maxEntries = 10;
        QVERIFY(!UnzipDir(P("many.zip"), P("manydst"), limits));
        QVERIFY(rec.Has(QStringLiteral("UnzipDir(): too many entries:")));
        limits = ZipLimits();
        limits.maxTotalSize = 10;
        QVERIFY(!UnzipDir(P("many.zip"), P("manydst"), limits));
        QVERIFY(rec.Has(QStringLiteral("UnzipDir(): archive too large:")));
        QVERIFY(!QFileInfo::exists(P("manydst/f0")));
    }

    void corruptArchives() {
        WriteFile(P("notzip.zip"), "this is not an archive at all");
        LogCapture rec;
        QVERIFY(EnumZip(P("notzip.zip")).isEmpty());
        QVERIFY(rec.Has(QStringLiteral("EnumZip(): zip.open():")));
        QVERIFY(!UnzipDir(P("notzip.zip"), P("cdst")));
        QVERIFY(rec.Has(QStringLiteral("UnzipDir(): zip.open():")));

        // A good archive with its compressed bytes damaged: the CRC check fails, and the call says so.
        QVERIFY(MakeZip(P("dmg.zip"), {{"data.bin", QByteArray(50000, 'a') + QByteArray(50000, 'b')}}));
        QFile f(P("dmg.zip"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        for (int i = 60; i < 80; ++i)
            bytes[i] = char(bytes[i] ^ 0x5a);
        f.seek(0);
        f.write(bytes);
        f.close();
        QVERIFY(!UnzipDir(P("dmg.zip"), P("dmgdst")));
    }

    void zipDirOfMissingFolder() {
        LogCapture rec;
        QVERIFY(!ZipDir(P("nosuchfolder"), P("none.zip")));
        QVERIFY(rec.Has(QStringLiteral("dir.exists(")));
    }
};

QTEST_GUILESS_MAIN(TestZipUtils)
#include "test_ziputils.moc"
