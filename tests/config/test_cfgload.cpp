// Loading the description files: reading order, sets and folders handed to the records, includes with
// broken and cyclic entries, control-list merging, grid list files and grid signatures.
#include "config/datacfgrecords.h"
#include "config/gridsigverifier.h"
#include "functions/plugintools.h"
#include "tests/config/cfgtestutil.h"
#include "tests/config/loadtestutil.h"

#include <QtTest>

namespace {
template <class T> QStringList Keys(const QList<T>& list) {
    QStringList keys;
    for (const T& r : list)
        keys << r.GetKey();
    return keys;
}

QStringList Lines(const LogCapture& log, const QString& part) {
    QStringList found;
    for (const QString& l : log.Lines()) {
        if (l.contains(part))
            found << l;
    }
    return found;
}
} // namespace

class TestCfgLoad : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString m_data;

private slots:
    void initTestCase() {
        QVERIFY(m_tmp.isValid());
        m_data = m_tmp.path() + QStringLiteral("/Data");
        QVERIFY(CopyTree(FixtureDir("load"), m_data));
        PluginTools::SetDataPath(m_data);
    }

    void controlSetsInReadingOrder() {
        DataCfg cfg;
        LogCapture log;
        QVERIFY(cfg.LoadIncludeFile(m_data, QStringLiteral("mainCfg.json")));

        // Depth first: an include is read before the files listed after it; the broken one adds nothing,
        // and neither does what it would have included.
        QCOMPARE(Keys(cfg.Functions()), QStringList({"Main:Volume", "Third:Mute", "Second:After"}));
        QCOMPARE(Keys(cfg.Fonts()), QStringList({"Main:Plain", "Main:Bold"}));
        QCOMPARE(cfg.Fonts()[1].Index, 1);
        QCOMPARE(Keys(cfg.Gfxs()), QStringList({"Main:Btn", "Sub:Btn"}));
        QCOMPARE(Keys(cfg.Controls()), QStringList({"Main:Knob", "Sub:BigKnob", "Sub:Orphan"}));
        QCOMPARE(Keys(cfg.Skins()), QStringList({"Main:Round"}));
        QCOMPARE(Keys(cfg.DataSources()), QStringList({"Main:Feed"}));
        QCOMPARE(Keys(cfg.Scripts()), QStringList({"Main:main"}));
        QCOMPARE(cfg.Scripts()[0].Functions.size(), 1);
        QCOMPARE(cfg.Scripts()[0].Functions[0].Set, QStringLiteral("Main"));
        QCOMPARE(cfg.Scripts()[0].Directory, m_data);
        QCOMPARE(cfg.Gfxs()[1].Directory, m_data + QStringLiteral("/sub"));
        // The name of the include file read last.
        QCOMPARE(cfg.ConfigName(), QStringLiteral("Second"));

        // Inheritance copies an earlier record and reads the entry over it.
        QCOMPARE(cfg.Gfxs()[1].Tiling, int(DataCfg::GT_3x3));
        QCOMPARE(cfg.Gfxs()[1].BaseSize, 80);
        QCOMPARE(cfg.Controls()[1].Config.Options.size(), 1);
        QVERIFY(cfg.Controls()[2].Config.Options.isEmpty());
        QVERIFY(log.Has(QStringLiteral("Inherit not found: \"Nothing\"")));

        QCOMPARE(cfg.GetString(QStringLiteral("Main:Hello")), QStringLiteral("World"));
        QCOMPARE(cfg.GetString(QStringLiteral("Sub:Hello")), QStringLiteral("Sub world"));
        QCOMPARE(cfg.GetString(QStringLiteral("Second:Hello")), QStringLiteral("Second world"));
        QCOMPARE(cfg.Strings().size(), 4);

        // One list of that name: the included file's list first, then the including file's, in order.
        QCOMPARE(cfg.CtrlSets().size(), 1);
        QStringList entries;
        for (const auto& e : cfg.CtrlSets()[0].Elements)
            entries << e.Name;
        QCOMPARE(entries, QStringList({"c", "a", "b"}));
        QVERIFY(!cfg.CtrlSets()[0].UserList);

        // Log lines: the broken include at ERROR with its path; the broken control list at DEBUG; the
        // cycle back to mainCfg.json followed once; a missing file says nothing.
        const QStringList errors = Lines(log, QStringLiteral("Error Loading JSON File: "));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith(QStringLiteral("ERROR")));
        QVERIFY(errors[0].contains(QStringLiteral("broken.json")));
        QCOMPARE(Lines(log, QStringLiteral("include cycle")).size(), 1);
        QVERIFY(Lines(log, QStringLiteral("missing.json")).isEmpty());
        QCOMPARE(Lines(log, QStringLiteral("parse")).size() + Lines(log, QStringLiteral("incomplete")).size() >= 2,
                 true);
    }

    // "Inherit" finds only records read before; a later set of the same name replaces earlier strings.
    void inheritAndStringsAcrossSets() {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        // Single quotes stand for double quotes.
        auto WriteAll = [](const QString& path, const char* text) {
            return ::WriteAll(path, QByteArray(text).replace('\'', '"'));
        };
        QVERIFY(WriteAll(d + QStringLiteral("/mainCfg.json"),
                         "{ Name: 'A', Gfxs: [ { Name: 'G', Rsc: 'a.png', BaseSize: 10 } ], Strings: { k: 'one' },"
                         "  Includes: [ 'b.json', 'a2.json' ] }"));
        QVERIFY(WriteAll(d + QStringLiteral("/b.json"),
                         "{ Name: 'B', Gfxs: [ { Name: 'X', Inherit: 'G' }, { Name: 'G', Rsc: 'b.png' } ] }"));
        QVERIFY(WriteAll(d + QStringLiteral("/a2.json"), "{ Name: 'A', Strings: { k: 'two' } }"));
        DataCfg cfg;
        QVERIFY(cfg.LoadIncludeFile(d, QStringLiteral("mainCfg.json")));
        QCOMPARE(Keys(cfg.Gfxs()), QStringList({"A:G", "B:X", "B:G"}));
        QCOMPARE(cfg.Gfxs()[1].Rsc, QStringLiteral("a.png"));
        QCOMPARE(cfg.Gfxs()[1].BaseSize, 10);
        QCOMPARE(cfg.GetString(QStringLiteral("A:k")), QStringLiteral("two"));
    }

    void loaderAnswers_data() {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("answer");
        QTest::newRow("include missing") << "include"
                                         << "nothing.json" << false;
        QTest::newRow("include broken") << "include"
                                        << "broken.json" << false;
        QTest::newRow("include ok") << "include"
                                    << "second.json" << true;
        QTest::newRow("list broken") << "list"
                                     << "brokenlist.json" << false;
        QTest::newRow("list ok") << "list"
                                 << "listA.json" << true;
        QTest::newRow("skins missing") << "skins"
                                       << "nothing.json" << false;
        QTest::newRow("skins not a config") << "skins"
                                            << "brokenlist.json" << false;
        QTest::newRow("grids missing") << "grids"
                                       << "nothing.json" << false;
        QTest::newRow("grids broken") << "grids"
                                      << "broken.json" << false;
    }
    void loaderAnswers() {
        QFETCH(QString, loader);
        QFETCH(QString, file);
        QFETCH(bool, answer);
        DataCfg cfg;
        bool result = false;
        if (loader == QLatin1String("include"))
            result = cfg.LoadIncludeFile(m_data, file);
        else if (loader == QLatin1String("list"))
            result = cfg.LoadCtrlListFile(m_data, file);
        else if (loader == QLatin1String("skins"))
            result = cfg.LoadAppSkins(m_data, file);
        else
            result = cfg.LoadGrids(m_data, file, false);
        QCOMPARE(result, answer);
        if (!answer) {
            QVERIFY(cfg.Functions().isEmpty());
            QVERIFY(cfg.CtrlSets().isEmpty());
            QVERIFY(cfg.Grids().isEmpty());
        }
    }

    void appSkins() {
        DataCfg cfg;
        QVERIFY(cfg.LoadAppSkins(m_data + QStringLiteral("//"), QStringLiteral("skinCfg.json")));
        QCOMPARE(Keys(cfg.AppSkins()), QStringList({"Skins:Default", "Skins:Dark"}));
        QCOMPARE(cfg.AppSkins()[1].Entries.value(QStringLiteral("DeckBG")), QStringLiteral("deck.png"));
    }

    void gridListFiles() {
        DataCfg cfg;
        LogCapture log;
        QVERIFY(cfg.LoadGrids(m_data, QStringLiteral("gridCfg.json"), true));
        QCOMPARE(Keys(cfg.Grids()), QStringList({"[MERVEX]:My Grid 2", "[MERVEX]:Volume", "Extra:Keys"}));
        const auto& g = cfg.Grids();
        QCOMPARE(g[0].File, m_data + QStringLiteral("/gridCfg.json"));
        QCOMPARE(g[0].Date, QFileInfo(m_data + QStringLiteral("/gridCfg.json")).lastModified());
        QCOMPARE(g[0].Author, QStringLiteral("MERVEX"));
        QVERIFY(!g[0].Custom);
        // Prefixed by the outer call only.
        QCOMPARE(g[0].Icon, m_data + QStringLiteral("/media.png"));
        QCOMPARE(g[2].Icon, QStringLiteral("keys.png"));
        QVERIFY(g[2].Author.isEmpty());
        QCOMPARE(g[2].File, m_data + QStringLiteral("/more//extra.json"));
        // The include back to gridCfg.json is followed once.
        QCOMPARE(Lines(log, QStringLiteral("include cycle")).size(), 1);
    }

    // Every grid without a valid signature file stays loaded, unsigned, with one FATAL line each.
    void unsignedGrids() {
        DataCfg cfg;
        LogCapture log;
        cfg.LoadDataFolder(m_data);
        QCOMPARE(cfg.Grids().size(), 3);
        for (const auto& g : cfg.Grids())
            QVERIFY(!g.Signed);
        const QStringList fatal = Lines(log, QStringLiteral("Grid Signature Failed: "));
        QCOMPARE(fatal.size(), 3);
        QVERIFY(fatal[0].startsWith(QStringLiteral("FATAL")));
        QVERIFY(fatal[0].contains(QStringLiteral("Grid Signature Failed: [MERVEX] My Grid 2")));
    }

    void signatures_data() {
        QTest::addColumn<bool>("testKey");
        QTest::newRow("project key") << false;
        QTest::newRow("test key pair") << true;
    }
    void signatures() {
        QFETCH(bool, testKey);
        QTemporaryDir tmp;
        const QString data = tmp.path() + QStringLiteral("/Data");
        QVERIFY(CopyTree(FixtureDir("load"), data));
        PluginTools::SetDataPath(data);
        QString privateKey;
        if (testKey) {
            privateKey = tmp.path() + QStringLiteral("/test_key.pem");
            const QString publicKey = tmp.path() + QStringLiteral("/test_pub.pem");
            QCOMPARE(RunQuiet(QStringLiteral("openssl"),
                              {"genpkey", "-algorithm", "RSA", "-pkeyopt", "rsa_keygen_bits:2048", "-out", privateKey}),
                     0);
            QCOMPARE(RunQuiet(QStringLiteral("openssl"), {"pkey", "-in", privateKey, "-pubout", "-out", publicKey}), 0);
            QVERIFY(DataCfg::GridVerifier().LoadKey(ReadAll(publicKey)));
        }

        {
            DataCfg cfg;
            cfg.LoadGrids(data, QStringLiteral("gridCfg.json"), false);
            for (const auto& g : cfg.Grids())
                QVERIFY(SignGrid(g, data, privateKey));
        }
        {
            DataCfg cfg;
            LogCapture log;
            cfg.LoadGrids(data, QStringLiteral("gridCfg.json"), false);
            for (const auto& g : cfg.Grids())
                QVERIFY2(g.Signed, qPrintable(g.GetKey()));
            QVERIFY(!log.Has(QStringLiteral("Grid Signature Failed")));
        }

        // One byte of a grid changed in the list file: that grid alone fails, with the FATAL line.
        QByteArray list = ReadAll(data + QStringLiteral("/gridCfg.json"));
        list.replace("\"Media\"", "\"Medib\"");
        QVERIFY(WriteAll(data + QStringLiteral("/gridCfg.json"), list));
        // A signature file of the wrong size.
        const QString keysSig = data + QStringLiteral("/Signatures/Grid_ExtraKeys.sig");
        QVERIFY(WriteAll(keysSig, ReadAll(keysSig).left(100)));
        {
            DataCfg cfg;
            LogCapture log;
            cfg.LoadGrids(data, QStringLiteral("gridCfg.json"), false);
            QCOMPARE(cfg.Grids().size(), 3);
            QVERIFY(!cfg.Grids()[0].Signed);
            QVERIFY(cfg.Grids()[1].Signed);
            QVERIFY(!cfg.Grids()[2].Signed);
            QCOMPARE(Lines(log, QStringLiteral("Grid Signature Failed: ")),
                     QStringList() << Lines(log, QStringLiteral("Grid Signature Failed: [MERVEX] My Grid 2"))
                                   << Lines(log, QStringLiteral("Grid Signature Failed: Extra Keys")));
            QVERIFY(log.Has(QStringLiteral("EVP_VerifyFinal: failed.")));
        }

        if (testKey)
            QVERIFY(DataCfg::GridVerifier().LoadKey(ReadAll(QStringLiteral(":/security/MervexVL_Grid_Pub"))));
        PluginTools::SetDataPath(m_data);
    }

    void dataFolderOrder() {
        DataCfg cfg;
        LogCapture log;
        cfg.LoadDataFolder(m_data + QStringLiteral("/"));
        QCOMPARE(cfg.Controls().size(), 3);
        QCOMPARE(cfg.AppSkins().size(), 2);
        QCOMPARE(cfg.Grids().size(), 3);
        // mainCfg.json before skinCfg.json before gridCfg.json.
        const int include = log.Lines().indexOf(Lines(log, QStringLiteral("Error Loading JSON File")).value(0));
        const int grid = log.Lines().indexOf(Lines(log, QStringLiteral("Grid Signature Failed")).value(0));
        QVERIFY(include >= 0 && grid > include);
    }
};

QTEST_MAIN(TestCfgLoad)
#include "test_cfgload.moc"
