// Archives written here and read back on a second, clean user folder: the same records, macros and resource
// bytes; program files never packed; screenshots through the renderer; hostile archives refused or confined
// with the staging folder always cleared; a full disk never reported as success.
#include "config/cfgjsonfile.h"
#include "config/datacfgrecords.h"
#include "config/dataexchange.h"
#include "config/ziputils.h"
#include "foundation/json.h"
#include "functions/plugintools.h"
#include "tests/config/cfgtestutil.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <zlib.h>

using DC = DataCfg;

namespace {
QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner);
}

struct Entry {
    QByteArray name; // raw bytes of the stored name
    QByteArray data;
    quint32 attr = 0;
    qint64 declared = -1; // raw deflate with this declared size
};

// Archives crafted byte by byte where needed: names in any encoding, link entries, lying sizes.
bool MakeZip(const QString& path, const QList<Entry>& entries) {
    QuaZip zip(path);
    zip.setFileNameCodec("ISO-8859-1");
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QuaZipFile out(&zip);
    for (const Entry& e : entries) {
        QuaZipNewInfo info(QString::fromLatin1(e.name));
        if (e.attr)
            info.externalAttr = e.attr;
        if (e.declared < 0) {
            if (!out.open(QIODevice::WriteOnly, info))
                return false;
            out.write(e.data);
            out.close();
            continue;
        }
        QByteArray raw(int(compressBound(uLong(e.data.size()))) + 64, '\0');
        z_stream z{};
        deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(e.data.data()));
        z.avail_in = uInt(e.data.size());
        z.next_out = reinterpret_cast<Bytef*>(raw.data());
        z.avail_out = uInt(raw.size());
        deflate(&z, Z_FINISH);
        raw.truncate(int(z.total_out));
        deflateEnd(&z);
        info.uncompressedSize = ulong(e.declared);
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), uInt(e.data.size())));
        if (!out.open(QIODevice::WriteOnly, info, nullptr, crc, Z_DEFLATED, Z_BEST_COMPRESSION, true))
            return false;
        out.write(raw);
        out.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

// A JSON-able record with every existing file it names replaced by a digest of its bytes, so records from two
// user folders compare equal when they point at identical files.
QVariant ByContent(const QVariant& value) {
    if (value.type() == QVariant::Map) {
        QVariantMap out;
        const QVariantMap in = value.toMap();
        for (auto it = in.begin(); it != in.end(); ++it)
            if (it.key() != QLatin1String("Screenshot") && it.key() != QLatin1String("IconPreview"))
                out.insert(it.key(), ByContent(it.value()));
        return out;
    }
    if (value.type() == QVariant::List) {
        QVariantList out;
        for (const QVariant& v : value.toList())
            out << ByContent(v);
        return out;
    }
    const QString text = value.toString();
    const QString file = text.section(QLatin1Char('|'), 0, 0);
    if (!file.isEmpty() && QFileInfo(file).isFile())
        return QStringLiteral("sha1:") +
               QString::fromLatin1(QCryptographicHash::hash(ReadAll(file), QCryptographicHash::Sha1).toHex()) +
               text.mid(file.size());
    return value;
}

// Every file a record names lies below the folder (the archive's copy, not the exporter's file).
bool FilesOnlyBelow(const QVariant& value, const QString& folder) {
    if (value.type() == QVariant::Map) {
        const QVariantMap map = value.toMap();
        for (const QVariant& v : map)
            if (!FilesOnlyBelow(v, folder))
                return false;
        return true;
    }
    if (value.type() == QVariant::List) {
        for (const QVariant& v : value.toList())
            if (!FilesOnlyBelow(v, folder))
                return false;
        return true;
    }
    const QString file = value.toString().section(QLatin1Char('|'), 0, 0);
    return file.isEmpty() || !QFileInfo(file).isFile() || file.startsWith(folder);
}

// Screenshots and previews as a counting stand-in draws them.
struct CountingRenderer : IExchangeRenderer {
    int controls = 0, grids = 0, icons = 0;
    QImage RenderControl(const DC::TControl&) override {
        ++controls;
        QImage i(160, 160, QImage::Format_ARGB32);
        i.fill(Qt::red);
        return i;
    }
    QImage RenderGrid(const DC::TGrid&, const QString&) override {
        ++grids;
        QImage i(640, 1600, QImage::Format_ARGB32);
        i.fill(Qt::blue);
        return i;
    }
    QImage MakeGridIconImage(const QString&, const QString&) override {
        ++icons;
        QImage i(20, 10, QImage::Format_ARGB32);
        i.fill(Qt::green);
        return i;
    }
};

// Draws like the counting renderer, but first puts a folder where one picture is to be written, so that
// picture's write fails as it would on a full or read-only disk.
struct BlockingRenderer : CountingRenderer {
    QString blocked; // file name under the staging folder's "rsc/"
    void Block() const { QDir().mkpath(PluginTools::GetTempPath() + QStringLiteral("Exchange/_tmp/rsc/") + blocked); }
    QImage RenderControl(const DC::TControl& c) override {
        Block();
        return CountingRenderer::RenderControl(c);
    }
    QImage RenderGrid(const DC::TGrid& g, const QString& background) override {
        Block();
        return CountingRenderer::RenderGrid(g, background);
    }
};

// Files may grow to at most this many bytes while it lives (a full disk, as far as the writer sees).
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit now = old;
        now.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};
} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(QList<Entry>)

class TestExchangeExport : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    std::unique_ptr<DC> cfg;

    QString P(const QString& rel) const { return tmp.path() + QLatin1Char('/') + rel; }
    QString Staging() const { return PluginTools::GetTempPath() + QStringLiteral("Exchange/_tmp"); }

    // One user folder: its own configuration with the shipped controls, nothing of the user's yet.
    void Profile(const QString& name) {
        cfg.reset();
        cfg = std::make_unique<DC>();
        PluginTools::SetUserPath(P(name) + QLatin1Char('/'));
        QDir().mkpath(P(name));
        DC::TControl c;
        c.Name = QStringLiteral("Button");
        c.Set = QStringLiteral("Base");
        c.id = 7;
        c.Config.Read(J("{'Options':[{'Name':'Icon','Type':'File','Value':''},"
                        "{'Name':'Sound','Type':'Drop','Value':''},"
                        "{'Name':'Action','Type':'Function','Value':''},{'Name':'Label','Type':'Text','Value':''}]}"));
        cfg->Controls().append(c);
    }
    DC::TControl Button(const QVariantMap& values) {
        DC::TControl c = cfg->FindControl(QStringLiteral("Base:Button"));
        c.Config.SetValues(values);
        return c;
    }

private slots:
    void initTestCase() {
        // The staging folder below a runtime folder of this test alone.
        qputenv("XDG_RUNTIME_DIR", tmp.path().toLocal8Bit());
        PluginTools::SetDataPath(P("Data/"));
        WriteFile(P("Data/pics/icon.png"), "ICON-BYTES");
        WriteFile(P("Data/pics/bg.png"), "BACKGROUND");
        WriteFile(P("Data/other/icon.png"), "ANOTHER-ICON");
        WriteFile(P("Data/sounds/click.wav"), "RIFF-CLICK");
    }
    void cleanup() { ExchangeRenderer::Install(nullptr); }

    void roundTrips_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVariantMap>("values"); // of the first control
        QTest::addColumn<int>("grids");
        QTest::newRow("control with picture, sound and macro")
            << "control"
            << QVariantMap{{"Icon", P("Data/pics/icon.png") + "|x|#ff0000"},
                           {"Sound", P("Data/sounds/click.wav")},
                           {"Action", "Macro: Games/Jump"},
                           {"Label", "Hi"}}
            << 0;
        QTest::newRow("control without resources") << "control" << QVariantMap{{"Label", "plain"}} << 0;
        QTest::newRow("package of controls and grids")
            << "package" << QVariantMap{{"Icon", P("Data/other/icon.png")}, {"Action", "Macro: Games/Jump"}} << 2;
        QTest::newRow("package of one grid") << "package" << QVariantMap() << 1;
    }
    void roundTrips() {
        QFETCH(QString, kind);
        QFETCH(QVariantMap, values);
        QFETCH(int, grids);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).left(12).replace(' ', '_');
        Profile(QStringLiteral("A_") + tag);
        cfg->SetMacro(QStringLiteral("Games/Jump"), QStringLiteral("p SPACE;40;t hi"));
        const QString archive = P(QStringLiteral("%1.%2").arg(tag, kind == "control" ? "mvlc" : "mvlp"));
        DC::TControl control = Button(values);
        DC::TCtrlSet list;
        QList<DC::TGrid> gridList;
        const QVariantMap info{{"Name", "Pack"}, {"Author", "Me"}, {"Desc", "d"}, {"Email", "e"}, {"Web", "w"}};
        if (kind == "control") {
            QVERIFY(ExportControl(QStringLiteral("My Button"), control, archive));
        } else {
            DC::TCtrlRef a;
            a.Name = "First";
            a.Category = "Cat/Sub";
            a.Control = "Base:Button";
            a.Config = values;
            DC::TCtrlRef b = a;
            b.Name = "Second";
            b.Config = QVariantMap{{"Icon", P("Data/pics/icon.png")}};
            list.Elements = {a, b};
            for (int i = 0; i < grids; ++i) {
                DC::TGrid g;
                g.Name = QStringLiteral("Deck_%1").arg(i + 3);
                g.Title = "Title\nTwo";
                g.Icon = P("Data/pics/icon.png") + "|0.5|#00ff00|CC: 0,-28";
                g.Background = P("Data/pics/bg.png");
                g.Height = 7;
                DC::TGridElem e;
                e.Control = "Base:Button";
                e.Position = QPoint(2, 3);
                e.Config = QVariantMap{{"Icon", P("Data/other/icon.png")}, {"Action", "Macro: Games/Jump"}};
                g.Elements << e;
                gridList << g;
            }
            const DC::TCtrlSet listBefore = list;
            QVERIFY(ExportPackage(archive, list, gridList, info));
            // The caller's records are untouched.
            QCOMPARE(list.Write(), listBefore.Write());
        }
        QVERIFY(!QFileInfo::exists(Staging()));
        // An exchanged entry carries every option of its control, the unset ones empty.
        QVariantList expectedEntries, expectedGrids;
        for (DC::TCtrlRef e : list.Elements) {
            e.Config = Button(e.Config).Config.GetValues();
            expectedEntries << ByContent(e.Write());
        }
        for (DC::TGrid g : gridList) {
            for (DC::TGridElem& e : g.Elements)
                e.Config = Button(e.Config).Config.GetValues();
            expectedGrids << ByContent(g.WriteStored());
        }
        const QStringList names = EnumZip(archive);
        QCOMPARE(names.contains("macros.json"), values.contains("Action") || grids > 0);
        const QVariant expectedMacros = QVariantMap{{"Games/Jump", "p SPACE;40;t hi"}};

        // A second, clean user folder.
        Profile(QStringLiteral("B_") + tag);
        const QString dest = PluginTools::GetUserPath() + "Import/rsc/";
        if (kind == "control") {
            QString entry;
            DC::TControl imported;
            QVERIFY(ImportControl(entry, imported, archive, dest));
            QCOMPARE(entry, QStringLiteral("My Button"));
            QCOMPARE(ByContent(imported.Config.GetValues()), ByContent(control.Config.GetValues()));
            QVERIFY(FilesOnlyBelow(imported.Config.GetValues(), dest));
        } else {
            DC::TCtrlSet inList;
            QList<DC::TGrid> inGrids;
            QVariant inInfo;
            QVERIFY(ImportPackage(archive, inList, inGrids, inInfo, dest));
            QCOMPARE(inInfo.toMap(), info);
            QCOMPARE(inList.Elements.size(), 2);
            for (int i = 0; i < 2; ++i) {
                QCOMPARE(ByContent(inList.Elements[i].Write()), expectedEntries.at(i));
                QVERIFY(FilesOnlyBelow(inList.Elements[i].Write(), dest));
            }
            QCOMPARE(inGrids.size(), grids);
            for (int i = 0; i < grids; ++i) {
                QCOMPARE(ByContent(inGrids[i].WriteStored()), expectedGrids.at(i));
                QVERIFY(FilesOnlyBelow(inGrids[i].WriteStored(), dest));
            }
        }
        if (values.contains("Action") || grids > 0)
            QCOMPARE(cfg->FindMacro("Macro:Games/Jump").Data, expectedMacros.toMap().value("Games/Jump").toString());
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    void screenshotsAndPreviews() {
        Profile("shots");
        CountingRenderer renderer;
        ExchangeRenderer::Install(&renderer);
        DC::TCtrlSet list;
        DC::TCtrlRef a;
        a.Name = "A";
        a.Control = "Base:Button";
        list.Elements = {a, a};
        QList<DC::TGrid> grids;
        for (int i = 0; i < 3; ++i) {
            DC::TGrid g;
            g.Name = QStringLiteral("G%1").arg(i);
            g.Icon = P("Data/pics/icon.png") + "|0.5";
            grids << g;
        }
        QVERIFY(ExportPackage(P("shots.mvlp"), list, grids, QVariantMap{{"Name", "S"}}));
        const QStringList names = EnumZip(P("shots.mvlp"));
        for (const char* n : {"rsc/ctrl_image_0.png", "rsc/ctrl_image_1.png", "rsc/grid_image_0.png",
                              "rsc/grid_image_1.png", "rsc/grid_image_2.png", "rsc/icon.png"})
            QVERIFY2(names.contains(n), n);
        QCOMPARE(renderer.controls, 2);
        QCOMPARE(renderer.grids, 3);
        QCOMPARE(renderer.icons, 3);
        QVERIFY(!names.contains("macros.json"));
        QVERIFY(UnzipDir(P("shots.mvlp"), P("shots")));
        QString error;
        const QVariantList stored = JsonParseText(QString::fromUtf8(ReadAll(P("shots/grids.json"))), error).toList();
        QCOMPARE(stored.value(1).toMap().value("Screenshot").toString(), QStringLiteral("rsc/grid_image_1.png"));
        const QString preview = stored.value(1).toMap().value("IconPreview").toString();
        QVERIFY(preview.startsWith("rsc/"));
        QCOMPARE(QImage(P("shots/") + preview).size(), QSize(20, 10));
    }

    void aScreenshotThatCannotBeWrittenFailsTheExport_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("picture");
        QTest::newRow("control") << "control"
                                 << "ctrl_image_0.png";
        QTest::newRow("second control of a package") << "package"
                                                     << "ctrl_image_1.png";
        QTest::newRow("grid of a package") << "package"
                                           << "grid_image_0.png";
    }
    void aScreenshotThatCannotBeWrittenFailsTheExport() {
        QFETCH(QString, kind);
        QFETCH(QString, picture);
        Profile("blocked");
        BlockingRenderer renderer;
        renderer.blocked = picture;
        ExchangeRenderer::Install(&renderer);
        const QString archive = P(kind == "control" ? "blocked.mvlc" : "blocked.mvlp");
        DC::TCtrlRef a;
        a.Name = "A";
        a.Control = "Base:Button";
        DC::TCtrlSet list;
        list.Elements = {a, a};
        DC::TGrid g;
        g.Name = "G";
        LogCapture rec;
        const bool written = kind == "control" ? ExportControl("A", Button({}), archive)
                                               : ExportPackage(archive, list, {g}, QVariantMap{{"Name", "B"}});
        QVERIFY(!written);
        QVERIFY2(rec.Has("Can't write File: \"" + Staging() + "/rsc/" + picture + '"'),
                 qPrintable(rec.Lines().join('\n')));
        QVERIFY(!QFileInfo::exists(archive) && !QFileInfo::exists(archive + ".part"));
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    // A program by its name's own extension or, without one, by its first bytes; an execute bit (any file of
    // a FAT or NTFS mount) or ".exe" in a folder's name makes none.
    void programFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("program");
        QTest::newRow("ELF by its bytes") << "bin/tool.png"
                                          << QByteArray("\x7f"
                                                        "ELF\x02\x01\x01",
                                                        7)
                                          << false << true;
        QTest::newRow("shared library") << "lib/libx.so" << QByteArray("LIB") << false << true;
        QTest::newRow("versioned library") << "lib/libx.so.1" << QByteArray("LIB") << false << true;
        QTest::newRow("Windows program") << "win/setup.exe" << QByteArray("MZ....") << false << true;
        QTest::newRow("Windows program, capitals") << "win/SETUP.EXE" << QByteArray("....") << false << true;
        QTest::newRow("Windows library") << "win/x.dll" << QByteArray("....") << false << true;
        QTest::newRow("PE by its bytes") << "win/setup.bin" << QByteArray("MZ\x90\x00", 4) << false << true;
        QTest::newRow("picture with an execute bit") << "fat/pic.png" << QByteArray("PICTURE") << true << false;
        QTest::newRow("picture in a folder named .exe")
            << "my.exe.d/pic.png" << QByteArray("PICTURE") << false << false;
        QTest::newRow("picture in a folder named .dll") << "x.dll/pic.png" << QByteArray("PICTURE") << false << false;
        QTest::newRow("executable script") << "bin/run" << QByteArray("#!/bin/sh\n") << true << false;
    }
    void programFiles() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, executable);
        QFETCH(bool, program);
        Profile("bins");
        const QString path = P("Data/" + file);
        WriteFile(path, bytes, executable);
        QCOMPARE(IsProgramFile(path), program);
        QVERIFY(ExportControl("B", Button({{"Icon", path}, {"Sound", P("Data/sounds/click.wav")}}), P("bin.mvlc")));
        QVERIFY(UnzipDir(P("bin.mvlc"), P("binout")));
        bool packed = false;
        for (const QFileInfo& f : ListFilesRecursive(P("binout")))
            packed |= ReadAll(f.absoluteFilePath()) == bytes;
        QCOMPARE(packed, !program);
        QVERIFY(QFileInfo::exists(P("binout/rsc/click.wav")));
        RemoveDirRecursive(P("binout"));
        QFile::remove(path);
    }

    // A program stands in the archive as a picture of its icon, found from the file the reference names
    // (here in the data folder's stored form, with settings after '|').
    void programAsItsIcon() {
        Profile("icons");
        QImage icon(24, 16, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QDir().mkpath(P("Data/tools"));
        QVERIFY(icon.save(P("Data/tools/app.exe"), "PNG"));
        QVERIFY(ExportControl("B", Button({{"Icon", "/tools/app.exe|0.5"}}), P("icon.mvlc")));
        QVERIFY(UnzipDir(P("icon.mvlc"), P("iconout")));
        QCOMPARE(QImage(P("iconout/rsc/app.png")).size(), QSize(24, 16));
        QVERIFY(ReadAll(P("iconout/control.json")).contains("rsc/app.png|0.5"));
        RemoveDirRecursive(P("iconout"));
    }

    // Only files in the data and user folders leave the computer; the rest is named in the log and in the
    // export's result, and its reference stays as it was.
    void onlyDataAndUserFilesArePacked_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("packed");
        QTest::newRow("data folder") << P("Data/pics/icon.png") << true;
        QTest::newRow("data folder, stored form") << "/pics/icon.png" << true;
        QTest::newRow("user folder") << P("keep/own.png") << true;
        QTest::newRow("elsewhere") << P("outside/key.pem") << false;
        QTest::newRow("out of the data folder by ..") << P("Data/../outside/key.pem") << false;
        QTest::newRow("link in the data folder to elsewhere") << P("Data/link.pem") << false;
        QTest::newRow("folder beside the user folder, same start") << P("keep2/key.pem") << false;
        QTest::newRow("temporary folder") << PluginTools::GetTempPath() + "x.txt" << false;
    }
    void onlyDataAndUserFilesArePacked() {
        QFETCH(QString, reference);
        QFETCH(bool, packed);
        Profile("keep");
        WriteFile(P("keep/own.png"), "OWN");
        WriteFile(P("outside/key.pem"), "PRIVATE-KEY");
        WriteFile(P("keep2/key.pem"), "PRIVATE-KEY");
        WriteFile(PluginTools::GetTempPath() + "x.txt", "PRIVATE-KEY");
        QFile::link(P("outside/key.pem"), P("Data/link.pem"));
        const QString named = QFileInfo::exists(reference) ? reference : PluginTools::ResolvePath(reference);
        const QString file = QFileInfo(named).canonicalFilePath();
        QVERIFY(!file.isEmpty());
        QCOMPARE(IsPackableFile(named), packed);

        LogCapture log;
        QStringList leftOut{"stale"};
        QVERIFY(ExportControl("B", Button({{"Icon", reference}}), P("keep.mvlc"), &leftOut));
        QVERIFY(UnzipDir(P("keep.mvlc"), P("keepout")));
        const QString stored = QString::fromUtf8(ReadAll(P("keepout/control.json")));
        QCOMPARE(QFileInfo::exists(P("keepout/rsc/") + QFileInfo(file).fileName()), packed);
        QCOMPARE(stored.contains(reference), !packed);
        const QStringList expected = packed ? QStringList() : QStringList{QDir::cleanPath(named)};
        QCOMPARE(leftOut, expected);
        QCOMPARE(log.Has("Not packed, outside the data and user folders:"), !packed);
        RemoveDirRecursive(P("keepout"));

        // A package says the same.
        DC::TCtrlRef a;
        a.Name = "A";
        a.Control = "Base:Button";
        a.Config = QVariantMap{{"Icon", reference}};
        DC::TCtrlSet list;
        list.Elements = {a};
        DC::TGrid g;
        g.Name = "G";
        g.Background = reference;
        QVERIFY(ExportPackage(P("keep.mvlp"), list, {g}, QVariantMap{{"Name", "K"}}, &leftOut));
        QCOMPARE(leftOut, expected);
    }

    void fullDiskIsNeverSuccess() {
        Profile("full");
        // Unpacking: the entry that does not fit is removed, not left truncated.
        QVERIFY(MakeZip(P("big.zip"), {{"grid.json", "{}"}, {"rsc/big.bin", QByteArray(20000, 'x')}}));
        {
            FileSizeLimit limit(8000);
            LogCapture rec;
            QVERIFY(!UnzipDir(P("big.zip"), P("bigout")));
            QVERIFY(rec.Has("UnzipDir(): out.write():"));
        }
        QVERIFY(!QFileInfo::exists(P("bigout/rsc/big.bin")));

        // The plug-in description rewrite is larger than what the disk takes: failure, nothing staged.
        QVERIFY(MakeZip(P("plug.zip"), {{"plugin.json", "{\"Name\":\"P\"}"}, {"info.json", "{\"Name\":\"P\"}"}}));
        {
            FileSizeLimit limit(40);
            LogCapture rec;
            DC::TCtrlSet list;
            QList<DC::TGrid> grids;
            QVariant info;
            QVERIFY(!ImportPackage(P("plug.zip"), list, grids, info, P("full/Import/rsc/")));
            QVERIFY(rec.Has("PluginErrorImport: Can't truncate File: "));
        }
        QVERIFY(!QFileInfo::exists(Staging()));

        // Export: no archive at all rather than a truncated one.
        DC::TCtrlSet list;
        DC::TCtrlRef a;
        a.Name = "A";
        a.Control = "Base:Button";
        a.Config = QVariantMap{{"Icon", P("Data/sounds/click.wav")}};
        list.Elements = {a};
        {
            FileSizeLimit limit(200);
            QVERIFY(!ExportPackage(P("full.mvlp"), list, {}, QVariantMap{{"Desc", QString(300, 'd')}}));
            QVERIFY(!ExportControl("A", Button({{"Label", QString(400, 'l')}}), P("full.mvlc")));
        }
        QVERIFY(!QFileInfo::exists(P("full.mvlp")) && !QFileInfo::exists(P("full.mvlp.part")));
        QVERIFY(!QFileInfo::exists(P("full.mvlc")) && !QFileInfo::exists(P("full.mvlc.part")));
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    void hostileGridArchives_data() {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<bool>("imports");
        const QByteArray grid = "{\"Name\":\"G\"}";
        const Entry ok{"grid.json", grid};
        QTest::newRow("parent") << QList<Entry>{ok, {"../../escaped.txt", "x"}} << false;
        QTest::newRow("absolute") << QList<Entry>{ok, {P("escaped.txt").toLatin1(), "x"}} << false;
        QTest::newRow("windows parent") << QList<Entry>{ok, {"rsc\\..\\..\\escaped.txt", "x"}} << false;
        QTest::newRow("drive") << QList<Entry>{ok, {"C:\\escaped.txt", "x"}} << false;
        QTest::newRow("symbolic link") << QList<Entry>{ok, {"rsc/link", P("secret").toLatin1(), 0120777u << 16}}
                                       << true;
        QTest::newRow("duplicate names") << QList<Entry>{ok, {"grid.json", "{\"Name\":\"H\"}"}} << true;
        QTest::newRow("non-UTF-8 name") << QList<Entry>{ok, {"rsc/\xff\xfe.png", "x"}} << true;
        QTest::newRow("lying size") << QList<Entry>{ok, {"rsc/bomb.bin", QByteArray(4 << 20, '\0'), 0, 100}} << false;
        QList<Entry> many{ok};
        for (int i = 0; i < 2100; ++i)
            many.append({QByteArray("rsc/f") + QByteArray::number(i), ""});
        QTest::newRow("thousands of entries") << many << false;
        QTest::newRow("far too large in total") << QList<Entry>{ok,
                                                                {"rsc/a.bin", QByteArray(30 << 20, '\0')},
                                                                {"rsc/b.bin", QByteArray(30 << 20, '\0')},
                                                                {"rsc/c.bin", QByteArray(30 << 20, '\0')}}
                                                << false;
    }
    void hostileGridArchives() {
        QFETCH(QList<Entry>, entries);
        QFETCH(bool, imports);
        Profile("hostile");
        WriteFile(P("secret"), "SECRET");
        QVERIFY(MakeZip(P("hostile.mvlp"), entries));
        DC::TGrid grid;
        LogCapture rec;
        QCOMPARE(ImportGrid(grid, P("hostile.mvlp"), P("hostile/Import/rsc/")), imports);
        QVERIFY(!QFileInfo::exists(Staging()));
        QVERIFY(!QFileInfo::exists(P("escaped.txt")));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "escaped.txt"));
        QCOMPARE(ReadAll(P("secret")), QByteArray("SECRET"));
        for (const QFileInfo& f : ListFilesRecursive(P("hostile")))
            QVERIFY2(!f.isSymLink(), qPrintable(f.filePath()));
        if (!imports)
            QVERIFY(rec.Has("UnzipDir()"));
    }

    void brokenCentralDirectory() {
        Profile("broken");
        QVERIFY(MakeZip(P("broken.mvlp"), {{"grid.json", "{\"Name\":\"G\"}"}, {"rsc/a.png", QByteArray(3000, 'a')}}));
        QFile f(P("broken.mvlp"));
        QVERIFY(f.resize(f.size() - 30));
        DC::TGrid grid;
        LogCapture rec;
        QVERIFY(!ImportGrid(grid, P("broken.mvlp"), P("broken/Import/rsc/")));
        QVERIFY(rec.Has("UnzipDir(): zip.open():"));
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    void unpackingKeepsTheMainThreadServing() {
        Profile("serving");
        QByteArray noise(8 << 20, '\0');
        quint32 x = 12345;
        for (char& c : noise)
            c = char((x = x * 1103515245u + 12345u) >> 24);
        QVERIFY(MakeZip(P("serving.mvlp"), {{"grid.json", "{\"Name\":\"G\"}"}, {"rsc/noise.bin", noise}}));
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        DC::TGrid grid;
        QVERIFY(ImportGrid(grid, P("serving.mvlp"), P("serving/Import/rsc/")));
        // The timer ran while the archive was being unpacked, before the import returned.
        QVERIFY(served);
        QVERIFY(!QFileInfo::exists(Staging()));
    }

    void savingNeverWritesAShippedGrid() {
        Profile("shipped");
        DC::TGrid shipped;
        shipped.Name = "Deck";
        shipped.Set = "Base";
        shipped.File = P("Data/deck.json");
        WriteFile(shipped.File, "SHIPPED");
        cfg->Grids() << shipped;
        QVERIFY(cfg->SaveCustomGrid(QString(), "Deck").startsWith("Grid not found: "));
        QCOMPARE(ReadAll(shipped.File), QByteArray("SHIPPED"));
        QVERIFY(!QFileInfo::exists(P("Data/deck.jsbk")));
    }

    void renameJsonFileKeepsTheOverwrittenFile() {
        WriteFile(P("ren/a.json"), "A");
        WriteFile(P("ren/b.json"), "B");
        QVERIFY(RenameJsonFile(P("ren/a.json"), P("ren/b.json")));
        QCOMPARE(ReadAll(P("ren/b.json")), QByteArray("A"));
        QCOMPARE(ReadAll(P("ren/b.jsbk")), QByteArray("B"));
        QVERIFY(!QFileInfo::exists(P("ren/a.json")));
        QVERIFY(!RenameJsonFile(P("ren/a.json"), P("ren/c.json")));
    }
};

QTEST_MAIN(TestExchangeExport)
#include "test_exchangeexport.moc"
