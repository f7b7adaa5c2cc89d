// Folder getters and the stored-path forms of the plug-in API.
#include "functions/plugintools.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPluginTools : public QObject {
    Q_OBJECT

    const QString data = QStringLiteral("/opt/mervex/Data/");
    const QString user = QStringLiteral("/home/u/Documents/MERVEX/Velli-Chor/");

private slots:
    void init() {
        PluginTools::SetDataPath(data);
        PluginTools::SetUserPath(user);
    }

    void folders() {
        QCOMPARE(PluginTools::GetDataPath(), data);
        QCOMPARE(PluginTools::GetUserPath(), user);
        QVERIFY(PluginTools::GetTempPath().endsWith(QLatin1String("/MERVEX/Velli-Chor/")));
        // A folder given without the closing '/' gets one; backslashes become '/'.
        PluginTools::SetDataPath(QStringLiteral("/srv/d"));
        QCOMPARE(PluginTools::GetDataPath(), QStringLiteral("/srv/d/"));
    }

    void defaultDataPathFromEnvironment() {
        qputenv("MERVEX_DATA_DIR", "/tmp/elsewhere");
        QCOMPARE(PluginTools::DefaultDataPath(), QStringLiteral("/tmp/elsewhere/"));
        qunsetenv("MERVEX_DATA_DIR");
        QVERIFY(PluginTools::DefaultDataPath().endsWith(QLatin1String("/Data/")));
        // Until the program fixes a folder, the getter answers the default.
        PluginTools::SetDataPath(QString());
        QCOMPARE(PluginTools::GetDataPath(), PluginTools::DefaultDataPath());
    }

    void resolvePath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // with D = data, U = user, T = temp folder

        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("backslashes") << "images\\a.png"
                                     << "images/a.png";
        QTest::newRow("leading slash is data") << "/images/a.png"
                                               << "D"
                                                  "images/a.png";
        QTest::newRow("leading backslash is data") << "\\Skins\\b.png"
                                                   << "D"
                                                      "Skins/b.png";
        QTest::newRow("Temp") << "Temp"
                              << "T";
        QTest::newRow("Data") << "Data"
                              << "D";
        QTest::newRow("User") << "User"
                              << "U";
        QTest::newRow("Icons") << "Icons"
                               << "D"
                                  "Icons/";
        QTest::newRow("only whole words") << "Temp/x.txt"
                                          << "Temp/x.txt";
        QTest::newRow("case-sensitive word") << "temp"
                                             << "temp";
        QTest::newRow("dot-dot stays below data") << "/../etc/passwd"
                                                  << "D"
                                                     "../etc/passwd";
        QTest::newRow("dot-dot relative untouched") << "../x.png"
                                                    << "../x.png";
        QTest::newRow("absolute is data-relative") << "/etc/passwd"
                                                   << "D"
                                                      "etc/passwd";
        QTest::newRow("drive path untouched") << "C:\\x\\y.png"
                                              << "C:/x/y.png";
        // Absolute paths in the program's own folders are resolved already.
        QTest::newRow("resolved data file") << data + "Skins/b.png" << data + "Skins/b.png";
        QTest::newRow("file in user folder") << user + "CustomGrids/a.json" << user + "CustomGrids/a.json";
        QTest::newRow("file in temp folder")
            << PluginTools::GetTempPath() + "Skype/a.png" << PluginTools::GetTempPath() + "Skype/a.png";
    }

    void resolvePath() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QString e = expected;
        if (e.startsWith(QLatin1Char('D')) && e != QLatin1String("Data"))
            e = data + e.mid(1);
        else if (e == QLatin1String("U"))
            e = user;
        else if (e == QLatin1String("T"))
            e = PluginTools::GetTempPath();
        QCOMPARE(PluginTools::ResolvePath(path), e);
    }

    void relativePath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("inside data") << data + "Skins/b.png"
                                     << "/Skins/b.png";
        QTest::newRow("other letter case") << "/OPT/Mervex/data/Skins/b.png"
                                           << "/Skins/b.png";
        QTest::newRow("data itself") << data << "/";
        QTest::newRow("trimmed, backslashes") << "  \\opt\\mervex\\Data\\x.png \n"
                                              << "/x.png";
        QTest::newRow("user folder") << user << "User";
        QTest::newRow("inside user unchanged") << user + "a.json" << user + "a.json";
        QTest::newRow("elsewhere") << "/usr/share/x.png"
                                   << "/usr/share/x.png";
    }

    void relativePath() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(PluginTools::RelativePath(path), expected);
    }

    void relativeTempFolder() {
        QCOMPARE(PluginTools::RelativePath(PluginTools::GetTempPath()), QStringLiteral("Temp"));
    }

    // A data folder written on Windows: its configuration names "images\\btn.PNG" for "Images/Btn.png".
    void windowsNamesResolveIgnoringCase_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // relative to the data folder D
        QTest::newRow("backslashes, other case") << "/images\\btn.PNG"
                                                 << "Images/Btn.png";
        QTest::newRow("upper case folder") << "\\IMAGES\\BTN.png"
                                           << "Images/Btn.png";
        QTest::newRow("exact name") << "/Images/Btn.png"
                                    << "Images/Btn.png";
        QTest::newRow("resolved once, other case") << "D/images/BTN.PNG"
                                                   << "Images/Btn.png";
        QTest::newRow("two names differ only in case") << "/images/twin.png"
                                                       << "Images/TWIN.png";
        QTest::newRow("missing file unchanged") << "/images\\none.png"
                                                << "images/none.png";
        QTest::newRow("file used as folder unchanged") << "/images/btn.png/x"
                                                       << "images/btn.png/x";
    }
    void windowsNamesResolveIgnoringCase() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString d = dir.path() + QStringLiteral("/Data/");
        QVERIFY(QDir().mkpath(d + QStringLiteral("Images")));
        for (const char* name : {"Images/Btn.png", "Images/twin.PNG", "Images/TWIN.png"}) {
            QFile f(d + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        PluginTools::SetDataPath(d);
        if (path.startsWith(QLatin1String("D/")))
            path = d + path.mid(2);
        QCOMPARE(PluginTools::ResolvePath(path), d + expected);
    }

    void caseFallbackSeesFolderChanges() {
        QTemporaryDir dir;
        const QString d = dir.path() + QStringLiteral("/Data/");
        QVERIFY(QDir().mkpath(d + QStringLiteral("Images")));
        PluginTools::SetDataPath(d);
        const QString stored = QStringLiteral("/images\\btn.png");
        QCOMPARE(PluginTools::ResolvePath(stored), d + QStringLiteral("images/btn.png")); // nothing there yet
        QFile f(d + QStringLiteral("Images/Btn.png"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(PluginTools::ResolvePath(stored), d + QStringLiteral("Images/Btn.png"));
        QVERIFY(QFile::rename(d + QStringLiteral("Images/Btn.png"), d + QStringLiteral("Images/BTN.png")));
        QCOMPARE(PluginTools::ResolvePath(stored), d + QStringLiteral("Images/BTN.png"));
        QVERIFY(QFile::remove(d + QStringLiteral("Images/BTN.png")));
        QCOMPARE(PluginTools::ResolvePath(stored), d + QStringLiteral("images/btn.png"));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("data file") << data + "Icons/x.png";
        QTest::newRow("data folder") << data;
        QTest::newRow("user folder") << user;
        QTest::newRow("temp folder") << PluginTools::GetTempPath();
        QTest::newRow("file in user folder") << user + "a.json";
        QTest::newRow("file in temp folder") << PluginTools::GetTempPath() + "x.png";
    }

    void roundTrip() {
        QFETCH(QString, path);
        QCOMPARE(PluginTools::ResolvePath(PluginTools::RelativePath(path)), path);
    }
};

QTEST_GUILESS_MAIN(TestPluginTools)
#include "test_plugintools.moc"
