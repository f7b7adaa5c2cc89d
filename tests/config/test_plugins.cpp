// Plug-in descriptions and their libraries: a real plug-in library built with the tests, the user's decisions
// kept in the user configuration, and descriptions and libraries that are not what they claim.
#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "functions/funcmgr.h"
#include "functions/funcregistry.h"
#include "functions/plugintools.h"
#include "functions/userprompts.h"
#include "tests/config/cfgtestutil.h"

#include <QTemporaryDir>
#include <QtTest>

using DC = DataCfg;

namespace {
// The user, as the configuration asks them: every question is kept, the answers are set by the test.
struct ScriptedUser : IUserPrompts {
    QStringList asked;
    QStringList texts; // title | text | option of the last question
    bool answerYes = true;
    bool answerRemember = true;
    bool AskPermission(const QString& title, const QString& text, const QString& rememberText,
                       bool* remember) override {
        texts = QStringList{title, text, rememberText};
        const QString file = text.section(QLatin1Char('\''), 3, 3);
        asked << text.section(QLatin1Char('\''), 1, 1) + QLatin1Char('|') + file;
        *remember = answerRemember;
        return answerYes;
    }
    std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString&, const QString&) override { return nullptr; }
    std::unique_ptr<ITestPopup> MakeTestPopup(const QString&) override { return nullptr; }
    QString ChooseReplacement(const ReplacementChoice&) override { return QString(); }
};
} // namespace

class TestPlugins : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    ScriptedUser user;
    QStringList& asked = user.asked;
    bool& answerYes = user.answerYes;
    bool& answerRemember = user.answerRemember;

    QString P(const QString& rel) const { return tmp.path() + QLatin1Char('/') + rel; }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString LibPath() const { return QFileInfo(P("user/Plugins/Prov/bin/provider.so")).canonicalFilePath(); }
    // One start of the program as far as plug-ins go: user configuration, descriptions, libraries, save.
    bool Start(DC& cfg) {
        cfg.LoadUserCfg(P("user/userCfg.json"));
        cfg.LoadPluginFolder(P("user/Plugins/"));
        const bool changed = cfg.LoadDynamicLibraries();
        if (changed)
            cfg.SaveUserCfg();
        return changed;
    }
    DC::TDynLib Lib(DC& cfg) {
        const int i = cfg.UserCfg().FindDynLib(LibPath());
        return i < 0 ? DC::TDynLib() : cfg.UserCfg().DynamicLibraries.at(i);
    }

private slots:
    void initTestCase() {
        PluginTools::SetDataPath(P("Data/"));
        QVERIFY(QFile::copy(QStringLiteral(MERVEX_TEST_PROVIDER), P("provider.so")));
        WriteFile(P("user/Plugins/Prov/plugin.json"),
                  "{ Name: \"Prov\", DynamicLibraries: [\"bin/provider.so\", \"bin/missing.so\"] }");
        QDir().mkpath(P("user/Plugins/Prov/bin"));
        QVERIFY(QFile::copy(P("provider.so"), P("user/Plugins/Prov/bin/provider.so")));
        UserPrompts::Install(&user);
    }
    void cleanupTestCase() { UserPrompts::Install(nullptr); }

    void askedOnceThenRemembered() {
        LogCapture rec;
        {
            DC cfg;
            QVERIFY(Start(cfg));
            // The question names the library by its whole path, so the user sees where it lies.
            QCOMPARE(asked, QStringList{"Prov|" + LibPath()});
            QCOMPARE(user.texts,
                     (QStringList{"SECURITY WARNING",
                                  "The plugin 'Prov' wants to load: '" + LibPath() + "'\nDo you want to allow it?",
                                  "Remember my decision"}));
            QCOMPARE(Lib(cfg).Permission, qint32(DC::LP_Always));
            QCOMPARE(Lib(cfg).Plugin, QStringLiteral("Prov"));
            QVERIFY(Lib(cfg).Loader);
            QVERIFY(rec.Has(QStringLiteral("Missing DLL File: ")));
            QVERIFY(rec.Has(QStringLiteral("Add Dynamic Func Provider:")));
            QVERIFY(FindPluginByName(GetFuncProviderList(), QStringLiteral("X")));
            QCOMPARE(CallProviderFunction(GetFuncProviderList(), QStringLiteral("X:Twice"), {21}).toInt(), 42);
        }
        DeleteFuncProviders();
        asked.clear();
        {
            // The decision was stored: no question, and nothing to save.
            DC cfg;
            QVERIFY(!Start(cfg));
            QVERIFY(asked.isEmpty());
            QVERIFY(Lib(cfg).Loader);
        }
        DeleteFuncProviders();
    }

    void changedLibraryAsksAgain() {
        asked.clear();
        {
            QFile f(P("user/Plugins/Prov/bin/provider.so"));
            QVERIFY(f.open(QIODevice::Append));
            f.write("\0", 1); // still loads: bytes after the ELF sections are ignored
        }
        answerYes = false;
        answerRemember = true;
        {
            DC cfg;
            QVERIFY(Start(cfg));
            QCOMPARE(asked.size(), 1);
            QCOMPARE(Lib(cfg).Permission, qint32(DC::LP_Never));
            QVERIFY(!Lib(cfg).Loader);
        }
        asked.clear();
        {
            DC cfg;
            QVERIFY(!Start(cfg));
            QVERIFY(asked.isEmpty());
        }
        DeleteFuncProviders();
    }

    void declineWithoutRememberIsNotStored() {
        QFile::remove(P("user/userCfg.json"));
        asked.clear();
        answerYes = false;
        answerRemember = false;
        DC cfg;
        QVERIFY(!Start(cfg));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(Lib(cfg).Permission, qint32(DC::LP_CertFailed));
        QVERIFY(!Lib(cfg).Loader);
    }

    void badDescriptions_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("log");
        QTest::newRow("not json") << QByteArray("{ Name: ") << false << "Error Loading JSON File: ";
        QTest::newRow("no name") << QByteArray("{ Controls: [] }") << false
                                 << "Error Loading Plugin - no Name defined in JSON File: ";
        QTest::newRow("name is a number")
            << QByteArray("{ Name: 5 }") << false << "Error Loading Plugin - no Name defined in JSON File: ";
        QTest::newRow("name is a list") << QByteArray("{ Name: [\"a\"] }") << false
                                        << "Error Loading Plugin - no Name defined in JSON File: ";
        QTest::newRow("a list, not an object")
            << QByteArray("[1,2]") << false << "Error Loading Plugin - no Name defined in JSON File: ";
        QTest::newRow("sections of the wrong type")
            << QByteArray("{ Name: \"W\", DynamicLibraries: \"x.so\", Includes: {a:1}, Grids: 7, CtrlSets: {} }")
            << true << "";
    }
    void badDescriptions() {
        QFETCH(QByteArray, json);
        QFETCH(bool, result);
        QFETCH(QString, log);
        WriteFile(P("bad/plugin.json"), json);
        DC cfg;
        LogCapture rec;
        QCOMPARE(cfg.LoadPlugin(P("bad"), QStringLiteral("plugin.json")), result);
        if (!log.isEmpty())
            QVERIFY(rec.Has(log));
        QVERIFY(cfg.UserCfg().DynamicLibraries.isEmpty());
        QVERIFY(!cfg.LoadPlugin(P("nothere"), QStringLiteral("plugin.json")));
    }

    void nobodyToAsk() {
        // Without prompts the library is not loaded and no decision is stored; the log says why.
        QFile::remove(P("user/userCfg.json"));
        UserPrompts::Install(nullptr);
        asked.clear();
        DC cfg;
        LogCapture rec;
        QVERIFY(!Start(cfg));
        QVERIFY(asked.isEmpty());
        QCOMPARE(Lib(cfg).Permission, qint32(DC::LP_CertFailed));
        QVERIFY(!Lib(cfg).Loader);
        QVERIFY(rec.Has(QStringLiteral("plug-in libraries without a decision are not loaded")));
        UserPrompts::Install(&user);
    }

    void librariesOnlyFromInsideThePluginFolder_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("parent folders") << "../../elsewhere/x.so";
        QTest::newRow("absolute path") << P("elsewhere/x.so");
        QTest::newRow("link leading out") << "link/x.so";
        QTest::newRow("sibling plug-in") << "../Other/x.so";
    }
    void librariesOnlyFromInsideThePluginFolder() {
        QFETCH(QString, entry);
        WriteFile(P("elsewhere/x.so"), "LIB");
        WriteFile(P("roam/Plugins/Other/x.so"), "LIB");
        QDir().mkpath(P("roam/Plugins/Out"));
        QFile::remove(P("roam/Plugins/Out/link"));
        QVERIFY(QFile::link(P("elsewhere"), P("roam/Plugins/Out/link")));
        WriteFile(P("roam/Plugins/Out/plugin.json"),
                  "{ Name: \"Out\", DynamicLibraries: [\"" + entry.toUtf8() + "\"] }");
        asked.clear();
        answerYes = true;
        DC cfg;
        LogCapture rec;
        QVERIFY(cfg.LoadPlugin(P("roam/Plugins/Out"), QStringLiteral("plugin.json")));
        QVERIFY(cfg.UserCfg().DynamicLibraries.isEmpty());
        QVERIFY(rec.Has(QStringLiteral("Missing DLL File: ")));
        QVERIFY(!cfg.LoadDynamicLibraries());
        QVERIFY(asked.isEmpty());
    }

    // A description written for Windows names "x.dll": the library built here lies beside it as "x.so" or
    // "libx.so" (the name as written is taken first). What is not there is missing, as before.
    void windowsLibraryNamesFindTheLibraryBuiltHere_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("files"); // in the plug-in folder
        QTest::addColumn<QString>("found");     // empty: missing
        QTest::newRow("x.so beside") << "bin/Lights.dll" << QStringList{"bin/Lights.so"} << "bin/Lights.so";
        QTest::newRow("libx.so beside") << "bin/Lights.DLL" << QStringList{"bin/libLights.so"} << "bin/libLights.so";
        QTest::newRow("in the folder itself") << "Lights.dll" << QStringList{"libLights.so"} << "libLights.so";
        QTest::newRow("the named file first")
            << "Lights.dll" << QStringList{"Lights.dll", "Lights.so", "libLights.so"} << "Lights.dll";
        QTest::newRow("x.so before libx.so") << "Lights.dll" << QStringList{"Lights.so", "libLights.so"} << "Lights.so";
        QTest::newRow("nothing beside") << "bin/Lights.dll" << QStringList{"bin/Other.so"} << QString();
        QTest::newRow("other folder") << "bin/Lights.dll" << QStringList{"libLights.so"} << QString();
        QTest::newRow("no dll name") << "bin/Lights.lib" << QStringList{"bin/Lights.so"} << QString();
    }
    void windowsLibraryNamesFindTheLibraryBuiltHere() {
        QFETCH(QString, entry);
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        const QString folder = P("win/") + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_');
        for (const QString& f : files)
            WriteFile(folder + "/" + f, "LIB " + f.toUtf8());
        WriteFile(folder + "/plugin.json", "{ Name: \"Win\", DynamicLibraries: [\"" + entry.toUtf8() + "\"] }");
        asked.clear();
        answerYes = false;
        DC cfg;
        LogCapture rec;
        QVERIFY(cfg.LoadPlugin(folder, QStringLiteral("plugin.json")));
        if (found.isEmpty()) {
            QVERIFY(cfg.UserCfg().DynamicLibraries.isEmpty());
            QVERIFY(rec.Has(QStringLiteral("Missing DLL File: ")));
            QCOMPARE(DC::RefusedPluginLibraries(folder, QStringLiteral("plugin.json")),
                     QStringList{entry + " (missing)"});
            return;
        }
        QCOMPARE(cfg.UserCfg().DynamicLibraries.size(), 1);
        QCOMPARE(cfg.UserCfg().DynamicLibraries.first().Rsc, QFileInfo(folder + "/" + found).canonicalFilePath());
        QVERIFY(!rec.Has(QStringLiteral("Missing DLL File: ")));
        QVERIFY(DC::RefusedPluginLibraries(folder, QStringLiteral("plugin.json")).isEmpty());
    }

    void libraryThatIsNotAPlugin() {
        WriteFile(P("fake/plugin.json"), "{ Name: \"Fake\", DynamicLibraries: [\"fake.so\"] }");
        WriteFile(P("fake/fake.so"), "this is no library");
        asked.clear();
        answerYes = true;
        answerRemember = false;
        DC cfg;
        LogCapture rec;
        QVERIFY(cfg.LoadPlugin(P("fake"), QStringLiteral("plugin.json")));
        QVERIFY(!cfg.LoadDynamicLibraries());
        QVERIFY(rec.Has(QStringLiteral("Error Loading DLL File: ")));
        QCOMPARE(cfg.UserCfg().DynamicLibraries.size(), 1);
        QVERIFY(!cfg.UserCfg().DynamicLibraries.first().Loader);
    }
};

QTEST_MAIN(TestPlugins)
#include "test_plugins.moc"
