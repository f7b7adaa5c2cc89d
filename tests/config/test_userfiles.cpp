// The user's own files: userCfg.json with its fallbacks, backup and temporary file, and the custom grids
// (load, save, rename, delete), including failed writes that must lose nothing.
#include "config/datacfgrecords.h"
#include "functions/plugintools.h"
#include "tests/config/cfgtestutil.h"
#include "tests/config/loadtestutil.h"

#include <QtTest>

namespace {
QString Language(DataCfg& cfg) {
    return cfg.UserCfg().CfgBase.value(QStringLiteral("Language")).toString();
}
} // namespace

class TestUserFiles : public QObject {
    Q_OBJECT
    QTemporaryDir* m_tmp = nullptr;
    QString m_user;
    QString m_data;

    QString UserFile() const { return m_user + QStringLiteral("/userCfg.json"); }
    QString Backup() const { return m_user + QStringLiteral("/userCfg.jsbk"); }
    QString Grids() const { return m_user + QStringLiteral("/CustomGrids/"); }

private slots:
    void init() {
        m_tmp = new QTemporaryDir;
        QVERIFY(CopyTree(FixtureDir("user"), m_tmp->path()));
        m_user = m_tmp->path() + QStringLiteral("/User");
        m_data = m_tmp->path() + QStringLiteral("/Data");
        PluginTools::SetUserPath(m_user);
        PluginTools::SetDataPath(m_data);
    }
    void cleanup() {
        delete m_tmp;
        m_tmp = nullptr;
    }

    void fileNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QString>("temp");
        QTest::newRow("plain") << "/u/userCfg.json"
                               << "/u/userCfg.jsbk"
                               << "/u/userCfg.jso_";
        QTest::newRow("capitals") << "/u/userCfg.JSON"
                                  << "/u/userCfg.jsbk"
                                  << "/u/userCfg.jso_";
        QTest::newRow("folder named .json") << "/u/x.json/a.json"
                                            << "/u/x.json/a.jsbk"
                                            << "/u/x.json/a.jso_";
        QTest::newRow("no extension") << "/u/cfg"
                                      << "/u/cfg.jsbk"
                                      << "/u/cfg.jso_";
    }
    void fileNames() {
        QFETCH(QString, path);
        QFETCH(QString, backup);
        QFETCH(QString, temp);
        QCOMPARE(JsonBackupName(path), backup);
        QCOMPARE(JsonTempName(path), temp);
    }

    // Which file is read, and that the next save goes to the user folder's file in every case.
    void loadFallbacks_data() {
        QTest::addColumn<QString>("main"); // "keep", "remove" or "break"
        QTest::addColumn<bool>("backup");  // keep the backup
        QTest::addColumn<QString>("language");
        QTest::newRow("own file") << "keep" << true << "de";
        QTest::newRow("backup when missing") << "remove" << true << "fr";
        QTest::newRow("default when both missing") << "remove" << false << "en";
        QTest::newRow("backup when unreadable") << "break" << true << "fr";
        QTest::newRow("default when unreadable and no backup") << "break" << false << "en";
    }
    void loadFallbacks() {
        QFETCH(QString, main);
        QFETCH(bool, backup);
        QFETCH(QString, language);
        const QByteArray broken = "{ \"Name\": \"UserConfig\", \"CfgBase\": { \"Language\": \"xx\" ";
        if (main == QLatin1String("remove"))
            QVERIFY(QFile::remove(UserFile()));
        if (main == QLatin1String("break"))
            QVERIFY(WriteAll(UserFile(), broken));
        if (!backup)
            QVERIFY(QFile::remove(Backup()));
        const QByteArray backupBefore = ReadAll(Backup());

        DataCfg cfg;
        LogCapture log;
        QVERIFY(cfg.LoadUserCfg(UserFile()));
        QCOMPARE(Language(cfg), language);
        QCOMPARE(cfg.UserCfg().Name, QStringLiteral("UserConfig"));
        QCOMPARE(cfg.UserCfg().File, UserFile());
        if (main == QLatin1String("break"))
            QVERIFY(log.Has(QStringLiteral("parse")) || log.Has(QStringLiteral("incomplete")));

        QCOMPARE(cfg.SaveUserCfg(), QString());
        QVERIFY(!QFile::exists(m_user + QStringLiteral("/userCfg.jso_")));
        DataCfg again;
        QVERIFY(again.LoadUserCfg(UserFile()));
        QCOMPARE(Language(again), language);
        if (main == QLatin1String("break")) {
            // The unreadable file is kept aside, byte for byte, and does not replace the last good backup.
            QCOMPARE(ReadAll(m_user + QStringLiteral("/userCfg.broken.json")), broken);
            QCOMPARE(ReadAll(Backup()), backupBefore);
            QVERIFY(log.Has(QStringLiteral("userCfg.broken.json")));
        }
    }

    void roundTripWithBackup() {
        const QByteArray before = ReadAll(UserFile());
        DataCfg cfg;
        QVERIFY(cfg.LoadUserCfg(UserFile()));
        QCOMPARE(cfg.UserCfg().Devices.size(), 1);
        QCOMPARE(cfg.GetMyControlsSet().Elements.size(), 1);
        cfg.UserCfg().AddDevice(QStringLiteral("Tablet"), QStringLiteral("t2"), QStringLiteral("Kitchen"));
        cfg.UserCfg().CfgBase.insert(QStringLiteral("Language"), QStringLiteral("it"));
        QCOMPARE(cfg.SaveUserCfg(), QString());
        QCOMPARE(ReadAll(Backup()), before);
        QVERIFY(!QFile::exists(m_user + QStringLiteral("/userCfg.jso_")));

        DataCfg again;
        QVERIFY(again.LoadUserCfg(UserFile()));
        QCOMPARE(Language(again), QStringLiteral("it"));
        QCOMPARE(again.UserCfg().Devices.size(), 2);
        QCOMPARE(again.GetMyControlsSet().Elements.size(), 1);
        QCOMPARE(again.GetMyControlsSet().Elements[0].Control, QStringLiteral("Main:Knob"));
        // A second save keeps the first save's content as the backup.
        const QByteArray first = ReadAll(UserFile());
        QCOMPARE(again.SaveUserCfg(), QString());
        QCOMPARE(ReadAll(Backup()), first);
    }

    // Whatever name the file gives the user's own list (another program's, none), it loads as "@My Controls",
    // flagged as the user's, with the file's entries and folds, and is written back under that name.
    void ownListTakesItsOneName() {
        QFile file(UserFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVariantMap map = JsonParse(QString::fromUtf8(file.readAll())).toMap();
        file.close();
        QVariantMap list = map.value(QStringLiteral("ControlSet")).toMap();
        list.insert(QStringLiteral("Name"), QStringLiteral("Meine Steuerelemente"));
        list.insert(QStringLiteral("CollapseCategories"), QStringList{QStringLiteral("Old")});
        map.insert(QStringLiteral("ControlSet"), list);
        QString error;
        QVERIFY(WriteAll(UserFile(), JsonSerialize(map, error, 0)));

        DataCfg cfg;
        QVERIFY(cfg.LoadUserCfg(UserFile()));
        const DataCfg::TCtrlSet& mine = cfg.GetMyControlsSet();
        QCOMPARE(mine.Name, QStringLiteral("@My Controls"));
        QVERIFY(mine.UserList);
        QCOMPARE(mine.Elements.size(), 1);
        QCOMPARE(mine.CollapseCategories, QStringList{QStringLiteral("Old")});
        QCOMPARE(cfg.FindCtrlSet(QStringLiteral("@My Controls")).Elements.size(), 1);
        QCOMPARE(cfg.SaveUserCfg(), QString());
        QVERIFY(ReadAll(UserFile()).contains("@My Controls"));
    }

    void saveFailures() {
        DataCfg never;
        QCOMPARE(never.SaveUserCfg(), QStringLiteral("missing usercfg"));

        // The temporary file cannot be made: the save fails and neither file changes.
        const QByteArray file = ReadAll(UserFile());
        const QByteArray backup = ReadAll(Backup());
        DataCfg cfg;
        QVERIFY(cfg.LoadUserCfg(UserFile()));
        QVERIFY(QDir().mkpath(m_user + QStringLiteral("/userCfg.jso_/blocker")));
        const QString answer = cfg.SaveUserCfg();
        QVERIFY(answer.startsWith(QStringLiteral("Can't open File: ")));
        QCOMPARE(ReadAll(UserFile()), file);
        QCOMPARE(ReadAll(Backup()), backup);
    }

    // A user "folder" that cannot be read as one: the default loads, a save fails, nothing is lost.
    void unreadableUserFolder() {
        const QString notAFolder = m_tmp->path() + QStringLiteral("/plainfile");
        QVERIFY(WriteAll(notAFolder, "x"));
        DataCfg cfg;
        QVERIFY(cfg.LoadUserCfg(notAFolder + QStringLiteral("/userCfg.json")));
        QCOMPARE(Language(cfg), QStringLiteral("en"));
        QVERIFY(!cfg.SaveUserCfg().isEmpty());
        QCOMPARE(ReadAll(notAFolder), QByteArray("x"));

        QVERIFY(QFile::remove(m_data + QStringLiteral("/userCfg.json")));
        DataCfg none;
        QVERIFY(!none.LoadUserCfg(notAFolder + QStringLiteral("/userCfg.json")));
    }

    void customGridsLoad() {
        DataCfg cfg;
        QVERIFY(cfg.LoadUserCfg(UserFile()));
        DataCfg::TGrid shipped;
        shipped.Name = QStringLiteral("Shipped");
        shipped.Set = QStringLiteral("[MERVEX]");
        cfg.Grids().append(shipped);
        LogCapture log;
        cfg.LoadCustomGrids();
        QCOMPARE(cfg.Grids().size(), 3);
        QVERIFY(log.Has(QStringLiteral("parse")) || log.Has(QStringLiteral("incomplete")));
        const DataCfg::TGrid alpha = cfg.FindGrid(QStringLiteral("CustomGrid:Alpha"));
        QVERIFY(alpha.Custom);
        QCOMPARE(alpha.Set, QStringLiteral("CustomGrid"));
        QCOMPARE(alpha.File, Grids() + QStringLiteral("Alpha.json"));
        QCOMPARE(alpha.SavedFile, alpha.File);
        QCOMPARE(alpha.Author, QStringLiteral("anna"));
        QCOMPARE(alpha.Title, QStringLiteral("My alpha"));
        QCOMPARE(alpha.Date, QFileInfo(alpha.File).lastModified());

        // Reloading keeps one record per file, and a removed file's record goes.
        QVERIFY(cfg.LoadCustomGrid(alpha.File));
        QCOMPARE(cfg.Grids().size(), 3);
        QVERIFY(QFile::remove(Grids() + QStringLiteral("Beta.json")));
        cfg.LoadCustomGrids();
        QCOMPARE(cfg.Grids().size(), 2);
        QVERIFY(!cfg.LoadCustomGrid(Grids() + QStringLiteral("Nothing.json")));
    }

    void customGridSaveRename() {
        DataCfg cfg;
        cfg.LoadCustomGrids();
        const QString alphaFile = Grids() + QStringLiteral("Alpha.json");
        const QByteArray original = ReadAll(alphaFile);

        // Plain save: the old content in the backup, every value read back (also Exe1 and Height).
        for (auto& g : cfg.Grids()) {
            if (g.Name == QLatin1String("Alpha"))
                g.Title = QStringLiteral("Changed");
        }
        QCOMPARE(cfg.SaveCustomGrid(QString(), QStringLiteral("Alpha")), QString());
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Alpha.jsbk")), original);
        QVERIFY(!QFile::exists(Grids() + QStringLiteral("Alpha.jso_")));
        {
            DataCfg again;
            again.LoadCustomGrids();
            const auto a = again.FindGrid(QStringLiteral("CustomGrid:Alpha"));
            QCOMPARE(a.Title, QStringLiteral("Changed"));
            QCOMPARE(a.Exe1, QStringLiteral("b.exe"));
            QCOMPARE(a.Height, 9);
        }

        // Rename: the new file holds the grid, the old file is gone, its content kept in its backup.
        const QByteArray saved = ReadAll(alphaFile);
        LogCapture log;
        QCOMPARE(cfg.SaveCustomGrid(Grids() + QStringLiteral("Omega.json"), QStringLiteral("Alpha")), QString());
        QVERIFY(log.Has(QStringLiteral("::FixName::")));
        QVERIFY(!QFile::exists(alphaFile));
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Alpha.jsbk")), saved);
        const auto omega = cfg.FindGrid(QStringLiteral("CustomGrid:Omega"));
        QCOMPARE(omega.File, Grids() + QStringLiteral("Omega.json"));
        QCOMPARE(omega.SavedFile, omega.File);
        QVERIFY(cfg.FindGrid(QStringLiteral("Alpha")).Name.isEmpty());
    }

    void customGridSaveRefused_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("answer");
        QTest::newRow("unknown grid") << ""
                                      << "Nope"
                                      << "Grid not found: Nope";
        QTest::newRow("name taken") << "Beta.json"
                                    << "Alpha"
                                    << "Grid Beta already exists!";
        QTest::newRow("name of another set") << "Shipped.json"
                                             << "Alpha"
                                             << "Grid Shipped already exists!";
        QTest::newRow("empty base name") << ".json"
                                         << "Alpha"
                                         << "invalid filename: ";
    }
    void customGridSaveRefused() {
        QFETCH(QString, path);
        QFETCH(QString, grid);
        QFETCH(QString, answer);
        DataCfg cfg;
        DataCfg::TGrid shipped;
        shipped.Name = QStringLiteral("Shipped");
        shipped.Set = QStringLiteral("[MERVEX]");
        cfg.Grids().append(shipped);
        cfg.LoadCustomGrids();
        const QByteArray before = ReadAll(Grids() + QStringLiteral("Alpha.json"));
        QVERIFY(cfg.SaveCustomGrid(path.isEmpty() ? QString() : Grids() + path, grid).startsWith(answer));
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Alpha.json")), before);
        QVERIFY(!QFile::exists(Grids() + QStringLiteral("Alpha.jsbk")));
    }

    void customGridSaveFails() {
        DataCfg cfg;
        cfg.LoadCustomGrids();
        const QByteArray before = ReadAll(Grids() + QStringLiteral("Alpha.json"));
        QVERIFY(QDir().mkpath(Grids() + QStringLiteral("Alpha.jso_/blocker")));
        QVERIFY(cfg.SaveCustomGrid(QString(), QStringLiteral("Alpha")).startsWith(QStringLiteral("Can't open File: ")));
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Alpha.json")), before);
        QVERIFY(!QFile::exists(Grids() + QStringLiteral("Alpha.jsbk")));
        QCOMPARE(cfg.FindGrid(QStringLiteral("CustomGrid:Alpha")).File, Grids() + QStringLiteral("Alpha.json"));
    }

    void customGridDelete() {
        DataCfg cfg;
        DataCfg::TGrid shipped;
        shipped.Name = QStringLiteral("Shipped");
        shipped.Set = QStringLiteral("[MERVEX]");
        cfg.Grids().append(shipped);
        cfg.LoadCustomGrids();
        const QByteArray beta = ReadAll(Grids() + QStringLiteral("Beta.json"));
        QCOMPARE(cfg.DeleteCustomGrid(QStringLiteral("Beta")), QString());
        QVERIFY(!QFile::exists(Grids() + QStringLiteral("Beta.json")));
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Beta.jsbk")), beta);
        QVERIFY(cfg.FindGrid(QStringLiteral("Beta")).Name.isEmpty());

        QCOMPARE(cfg.DeleteCustomGrid(QStringLiteral("Beta")), QStringLiteral("Grid not found: Beta"));
        QCOMPARE(cfg.DeleteCustomGrid(QStringLiteral("Shipped")), QStringLiteral("Not a Custom Grid: Shipped"));
        // The file went away behind the program's back: the record stays.
        QVERIFY(QFile::remove(Grids() + QStringLiteral("Alpha.json")));
        QVERIFY(cfg.DeleteCustomGrid(QStringLiteral("Alpha")).startsWith(QStringLiteral("Can't delete File: ")));
        QCOMPARE(cfg.FindGrid(QStringLiteral("CustomGrid:Alpha")).Name, QStringLiteral("Alpha"));
    }

    // A first start: no user file yet, so the shipped default is read; its tabs name grids that load.
    void shippedDefault() {
        const QString data = QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"));
        PluginTools::SetDataPath(data);
        DataCfg cfg;
        cfg.LoadDataFolder(data);
        QVERIFY(cfg.LoadUserCfg(m_tmp->path() + QStringLiteral("/fresh/userCfg.json")));
        QVERIFY(!cfg.UserCfg().Tabs.isEmpty());
        for (const auto& tab : cfg.UserCfg().Tabs) {
            const auto grid = cfg.FindGrid(tab.Name);
            QVERIFY2(grid.GetKey() == tab.Name, qPrintable(tab.Name));
        }
    }

    void moveKeepsBackup() {
        const QString alpha = Grids() + QStringLiteral("Alpha.json");
        const QString beta = Grids() + QStringLiteral("Beta.json");
        const QByteArray a = ReadAll(alpha);
        const QByteArray b = ReadAll(beta);
        QVERIFY(!MoveJsonFileKeepBackup(Grids() + QStringLiteral("None.json"), beta));
        QVERIFY(MoveJsonFileKeepBackup(alpha, beta));
        QVERIFY(!QFile::exists(alpha));
        QCOMPARE(ReadAll(beta), a);
        QCOMPARE(ReadAll(Grids() + QStringLiteral("Beta.jsbk")), b);
    }
};

QTEST_MAIN(TestUserFiles)
#include "test_userfiles.moc"
