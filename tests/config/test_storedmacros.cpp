#include "config/datacfg.h"
#include "functions/macromat.h"

#include <QtTest>

// The macro player finds the user's stored macros through the configuration model.
class TestStoredMacros : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DataCfg::InstallStoredMacroLookup(); }
    void cleanupTestCase() { DataCfg::RemoveStoredMacroLookup(); }

    void playerFindsStoredMacros_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("stored macro") << "Macro:Media/Play" << QStringList{"d SPACE", "u SPACE", "100"};
        QTest::newRow("with a blank after the colon")
            << "Macro: Media/Play" << QStringList{"d SPACE", "u SPACE", "100"};
        QTest::newRow("stored but empty") << "Macro:Media/Empty" << QStringList{""};
        QTest::newRow("unknown name is no command") << "Macro:Media/None" << QStringList{"Macro:Media/None"};
        QTest::newRow("text written out in place") << "p F5" << QStringList{"d F5", "u F5"};
    }
    void playerFindsStoredMacros() {
        QFETCH(QString, text);
        QFETCH(QStringList, steps);
        DataCfg cfg;
        cfg.SetMacro(QStringLiteral("Macro:Media/Play"), QStringLiteral("p SPACE;100"));
        cfg.SetMacro(QStringLiteral("Macro:Media/Empty"), QString());
        Macromat m;
        m.Parse(text);
        QCOMPARE(m.Steps(), steps);
    }

    void noModelNoLookup() {
        {
            DataCfg cfg;
            cfg.SetMacro(QStringLiteral("Macro:Media/Play"), QStringLiteral("p SPACE"));
        }
        Macromat m;
        m.Parse(QStringLiteral("Macro:Media/Play"));
        QCOMPARE(m.Steps(), QStringList{"Macro:Media/Play"});
    }
};

QTEST_GUILESS_MAIN(TestStoredMacros)
#include "test_storedmacros.moc"
