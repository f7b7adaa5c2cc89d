// Import of control, grid, package and plug-in archives made here with QuaZip: kinds, resource copies under
// "rsc/", macro references, name clashes and archives that try to reach outside the staging folder.
#include "config/dataexchange.h"
#include "config/ziputils.h"
#include "functions/plugintools.h"
#include "tests/common/testfiles.h"
#include "tests/common/testzip.h"
#include "tests/config/cfgtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using DC = DataCfg;
using Entries = ZipEntries;

class TestDataExchange : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    DC cfg;

    QString P(const QString& rel) const { return tmp.path() + QLatin1Char('/') + rel; }
    QString Dest() const { return P("user/Import/rsc/"); }

private slots:
    void initTestCase() {
        PluginTools::SetDataPath(P("Data/"));
        DC::TControl c;
        c.Name = QStringLiteral("Button");
        c.Set = QStringLiteral("Base");
        c.id = 7;
        c.Config.Read(J("{'Options':[{'Name':'Icon','Type':'File','Value':''},"
                        "{'Name':'Action','Type':'Function','Value':''},{'Name':'Label','Type':'Text'}]}"));
        cfg.Controls().append(c);
    }

    void kinds_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("kind");
        QTest::newRow("control") << QStringList{"control.json"} << 1;
        QTest::newRow("grid over control") << QStringList{"control.json", "grid.json"} << 2;
        QTest::newRow("package over plug-in") << QStringList{"plugin.json", "controls.json"} << 3;
        QTest::newRow("plug-in") << QStringList{"plugin.json", "info.json"} << 4;
        QTest::newRow("nested control.json") << QStringList{"sub/control.json"} << -1;
        QTest::newRow("other case") << QStringList{"Control.json"} << -1;
    }
    void kinds() {
        QFETCH(QStringList, names);
        QFETCH(int, kind);
        Entries entries;
        for (const QString& n : names)
            entries.append({n, "{}"});
        QVERIFY(MakeZip(P("kind.zip"), entries));
        QCOMPARE(DetectExchangeKind(P("kind.zip")), kind);
        QCOMPARE(DetectExchangeKind(P("missing.zip")), 0);
    }

    void importControlWithResourceAndMacro() {
        const QByteArray list = "{'Name':'','Elements':[{'Name':'My Button','Control':'Base:Button',"
                                "'Config':{'Icon':'rsc/icon.png|x|#ff0000','Action':'Macro: Games/Jump',"
                                "'Label':'rsc/icon.png'}},{'Name':'Second','Control':'Base:Button'}]}";
        QByteArray json = list;
        json.replace('\'', '"');
        QVERIFY(MakeZip(P("ctrl.zip"), {{"control.json", json},
                                        {"rsc/icon.png", "PNG1"},
                                        {"macros.json", "{\"Macros\":{\"Games/Jump\":\"p SPACE\"}}"}}));
        // A different icon.png is already there, and a different macro of the same key.
        QDir().mkpath(Dest());
        QFile old(Dest() + "icon.png");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("OLD");
        old.close();
        cfg.SetMacro(QStringLiteral("Games/Jump"), QStringLiteral("p ENTER"));

        QString entry;
        DC::TControl control;
        QVERIFY(ImportControl(entry, control, P("ctrl.zip"), Dest()));
        QCOMPARE(entry, QStringLiteral("My Button"));
        QCOMPARE(control.Config.FindOption("Icon")->Value, Dest() + "icon_1.png|x|#ff0000");
        QCOMPARE(ReadAll(Dest() + "icon_1.png"), QByteArray("PNG1"));
        QCOMPARE(ReadAll(Dest() + "icon.png"), QByteArray("OLD"));
        // Only file options are rewritten.
        QCOMPARE(control.Config.FindOption("Label")->Value, QStringLiteral("rsc/icon.png"));
        QCOMPARE(control.Config.FindOption("Action")->Value, QStringLiteral("Macro: Games/Jump_1"));
        QCOMPARE(cfg.FindMacro("Macro:Games/Jump_1").Data, QStringLiteral("p SPACE"));
        QCOMPARE(cfg.FindMacro("Macro:Games/Jump").Data, QStringLiteral("p ENTER"));

        // The same archive again reuses the identical file and the identical macro.
        QVERIFY(ImportControl(entry, control, P("ctrl.zip"), Dest()));
        QCOMPARE(control.Config.FindOption("Icon")->Value, Dest() + "icon_1.png|x|#ff0000");
        QVERIFY(!QFileInfo::exists(Dest() + "icon_2.png"));
        QCOMPARE(control.Config.FindOption("Action")->Value, QStringLiteral("Macro: Games/Jump_1"));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "Exchange/_tmp"));
    }

    void badControlArchives_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("log");
        QTest::newRow("no control.json") << "other.json" << QByteArray("{}") << "Can't read File:";
        QTest::newRow("parse error") << "control.json" << QByteArray("{\"Elements\":[") << "Import failed:";
        QTest::newRow("no elements") << "control.json" << QByteArray("{\"Elements\":[]}") << "No Controls found";
        QTest::newRow("unknown control") << "control.json"
                                         << QByteArray("{\"Elements\":[{\"Name\":\"a\",\"Control\":\"No:Such\"}]}")
                                         << "Import failed: unknown control";
    }
    void badControlArchives() {
        QFETCH(QString, name);
        QFETCH(QByteArray, json);
        QFETCH(QString, log);
        QVERIFY(MakeZip(P("badctrl.zip"), {{name, json}}));
        QString entry = QStringLiteral("kept");
        DC::TControl control;
        LogCapture rec;
        QVERIFY(!ImportControl(entry, control, P("badctrl.zip"), Dest()));
        QVERIFY(rec.Has(log));
        QCOMPARE(entry, QStringLiteral("kept"));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "Exchange/_tmp"));
    }

    // Every way a grid, package or plug-in import fails leaves no unpacked archive behind.
    void badPackageArchives_data() {
        QTest::addColumn<int>("kind"); // 2 grid, 3 package
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("contents");
        QTest::addColumn<QString>("log");
        const QString ctrls = QStringLiteral("{\"Elements\":[]}");
        QTest::newRow("grid parse error") << 2 << QStringList{"grid.json"} << QStringList{"{"} << "Import failed:";
        QTest::newRow("plug-in without info")
            << 3 << QStringList{"plugin.json"} << QStringList{"{}"} << "PluginErrorImport: Can't read File: ";
        QTest::newRow("no info") << 3 << QStringList{"controls.json", "grids.json"} << QStringList{ctrls, "[]"}
                                 << "(Error: 01) Can't read File:";
        QTest::newRow("no grids") << 3 << QStringList{"info.json", "controls.json"} << QStringList{"{}", ctrls}
                                  << "(Error: 03) Can't read File:";
        QTest::newRow("controls parse error") << 3 << QStringList{"info.json", "controls.json", "grids.json"}
                                              << QStringList{"{}", "{", "[]"} << "(Error: 04) Import failed:";
        QTest::newRow("grids parse error") << 3 << QStringList{"info.json", "controls.json", "grids.json"}
                                           << QStringList{"{}", ctrls, "["} << "Import failed:";
    }
    void badPackageArchives() {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QStringList, contents);
        QFETCH(QString, log);
        Entries entries;
        for (int i = 0; i < names.size(); ++i)
            entries.append({names.at(i), contents.at(i).toUtf8()});
        QVERIFY(MakeZip(P("badpack.zip"), entries));
        LogCapture rec;
        DC::TGrid grid;
        DC::TCtrlSet list;
        QList<DC::TGrid> grids;
        QVariant desc;
        const bool imported = kind == 2 ? ImportGrid(grid, P("badpack.zip"), Dest())
                                        : ImportPackage(P("badpack.zip"), list, grids, desc, Dest());
        QVERIFY(!imported);
        QVERIFY(rec.Has(log));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "Exchange/_tmp"));
    }

    void referencesCannotEscape() {
        // A reference that climbs out of "rsc/", and an archive entry that does: nothing outside is read or
        // written, the reference stays as it was.
        QFile secret(P("secret.txt"));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("secret");
        secret.close();
        QByteArray json = "{'Elements':[{'Name':'x','Control':'Base:Button','Config':{'Icon':'rsc/../../../"
                          "secret.txt','Label':'a'}}]}";
        json.replace('\'', '"');
        QVERIFY(MakeZip(P("esc.zip"), {{"control.json", json}}));
        QString entry;
        DC::TControl control;
        QVERIFY(ImportControl(entry, control, P("esc.zip"), Dest()));
        QVERIFY(control.Config.FindOption("Icon")->Value.startsWith("rsc/../"));
        QVERIFY(!QFileInfo::exists(Dest() + "secret.txt"));

        QVERIFY(MakeZip(P("slip.zip"), {{"control.json", json}, {"../../slipped.txt", "x"}}));
        LogCapture rec;
        QVERIFY(!ImportControl(entry, control, P("slip.zip"), Dest()));
        QVERIFY(rec.Has("UnzipDir(): entry name outside the folder:"));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "slipped.txt"));
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "Exchange/slipped.txt"));
    }

    void importGridAndPackage() {
        QByteArray grid = "{'Name':'G1','Icon':'rsc/tab.png|1|#00ff00','Background':'rsc/bg.png',"
                          "'Elements':[{'Control':'Base:Button','Config':{'Icon':'rsc/tab.png'}}]}";
        grid.replace('\'', '"');
        QVERIFY(MakeZip(P("grid.zip"), {{"grid.json", grid}, {"rsc/tab.png", "TAB"}, {"rsc/bg.png", "BG"}}));
        DC::TGrid g;
        QVERIFY(ImportGrid(g, P("grid.zip"), Dest()));
        QCOMPARE(g.Icon, Dest() + "tab.png|1|#00ff00");
        QCOMPARE(g.Background, Dest() + "bg.png");
        QCOMPARE(g.Elements.first().Config.value("Icon").toString(), Dest() + "tab.png");

        QByteArray controls = "{'Name':'Pack','Elements':[{'Name':'A','Control':'Base:Button',"
                              "'Config':{'Icon':'rsc/p.png'}}]}";
        controls.replace('\'', '"');
        QVERIFY(MakeZip(P("pack.zip"), {{"info.json", "{\"Name\":\"P\",\"Author\":\"me\"}"},
                                        {"controls.json", controls},
                                        {"grids.json", "[" + grid + "," + grid + "]"},
                                        {"rsc/p.png", "P"},
                                        {"rsc/tab.png", "TAB"},
                                        {"rsc/bg.png", "BG"}}));
        QCOMPARE(DetectExchangeKind(P("pack.zip")), 3);
        DC::TCtrlSet list;
        QList<DC::TGrid> grids;
        QVariant desc;
        QVERIFY(ImportPackage(P("pack.zip"), list, grids, desc, Dest()));
        QCOMPARE(desc.toMap().value("Author").toString(), QStringLiteral("me"));
        QCOMPARE(list.Elements.size(), 1);
        QCOMPARE(list.Elements.first().Config.value("Icon").toString(), Dest() + "p.png");
        QCOMPARE(grids.size(), 2);
        QCOMPARE(grids.at(1).Icon, Dest() + "tab.png|1|#00ff00");
        QVERIFY(!QFileInfo::exists(PluginTools::GetTempPath() + "Exchange/_tmp"));

        // Empty lists import as nothing; a missing controls.json is the second error.
        QVERIFY(MakeZip(P("empty.zip"),
                        {{"info.json", "{}"}, {"controls.json", "{\"Elements\":[]}"}, {"grids.json", "[]"}}));
        list = DC::TCtrlSet();
        grids.clear();
        QVERIFY(ImportPackage(P("empty.zip"), list, grids, desc, Dest()));
        QVERIFY(list.Elements.isEmpty() && grids.isEmpty());
        QVERIFY(MakeZip(P("noctrls.zip"), {{"info.json", "{}"}, {"grids.json", "[]"}}));
        LogCapture rec;
        QVERIFY(!ImportPackage(P("noctrls.zip"), list, grids, desc, Dest()));
        QVERIFY(rec.Has("(Error: 02) Can't read File:"));
    }

    void importPluginArchive() {
        const QByteArray info = "{\"Name\":\"Quote\\\" \\\"Plugin\\\":\\\"x\",\"Web\":\"w\"}";
        QVERIFY(MakeZip(
            P("plug.zip"),
            {{"plugin.json", "{Name:\"Q\"}"}, {"info.json", info}, {"grids.json", "[]"}, {"rsc/lib/data.bin", "D"}}));
        DC::TCtrlSet list;
        QList<DC::TGrid> grids;
        QVariant desc;
        QVERIFY(ImportPackage(P("plug.zip"), list, grids, desc, Dest()));
        const QVariantMap m = desc.toMap();
        // A quote in the name stays inside the name.
        QCOMPARE(m.value("Name").toString(), QStringLiteral("Quote\" \"Plugin\":\"x"));
        QCOMPARE(m.value("Plugin").toString(), QStringLiteral("1"));
        QCOMPARE(m.value("Web").toString(), QStringLiteral("w"));
        // The unpacked plug-in stays in the staging folder for the caller.
        const QString staging = PluginTools::GetTempPath() + "Exchange/_tmp/";
        QCOMPARE(ReadAll(staging + "rsc/lib/data.bin"), QByteArray("D"));
        QVERIFY(grids.isEmpty());

        QVERIFY(MakeZip(P("plugnoinfo.zip"), {{"plugin.json", "{}"}}));
        LogCapture rec;
        QVERIFY(!ImportPackage(P("plugnoinfo.zip"), list, grids, desc, Dest()));
        QVERIFY(rec.Has("PluginErrorImport: Can't read File: "));
    }
};

QTEST_MAIN(TestDataExchange)
#include "test_dataexchange.moc"
