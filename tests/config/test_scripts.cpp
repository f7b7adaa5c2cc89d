// Script engines: handler lookup (set first, then every script), one lazily built engine per script file,
// the log functions, phone twins, and the failure answers and error lines.
#include "config/datacfgrecords.h"
#include "tests/config/cfgtestutil.h"
#include "tests/config/loadtestutil.h"

#include <QScriptEngine>
#include <QtTest>

namespace {
int Count(const LogCapture& log, const QString& part) {
    int n = 0;
    for (const QString& l : log.Lines())
        n += l.contains(part) ? 1 : 0;
    return n;
}
} // namespace

class TestScripts : public QObject {
    Q_OBJECT
    QString m_dir = FixtureDir("scripts");

    void Load(DataCfg& cfg) { QVERIFY(cfg.LoadIncludeFile(m_dir, QStringLiteral("mainCfg.json"))); }

private slots:
    void enginesAreBuiltWhenNeeded() {
        DataCfg cfg;
        Load(cfg);
        QCOMPARE(cfg.Scripts().size(), 6);
        for (const auto& s : cfg.Scripts())
            QVERIFY(!s.Engine);
        QScriptEngine* a = cfg.GetScriptEngine(QStringLiteral("OnX"));
        QVERIFY(a);
        QCOMPARE(a->objectName(), QStringLiteral("SetA:main"));
        QCOMPARE(cfg.GetScriptEngine(QStringLiteral("SetA:Shared")), a);
        QVERIFY(cfg.GetScriptEngine(QStringLiteral("SetB:Shared")) != a);
        QVERIFY(!cfg.GetScriptEngine(QStringLiteral("NotDefined")));
        QVERIFY(!cfg.GetScriptEngine(QStringLiteral("Nope")));
        QVERIFY(cfg.Scripts()[0].Loaded);
        // Only the scripts asked for got an engine.
        QVERIFY(!cfg.Scripts()[2].Engine);
        QCOMPARE(a->parent(), &cfg);
    }

    void handlerLookup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("result");
        QTest::newRow("set and name") << "SetB:Shared"
                                      << "b";
        QTest::newRow("bare name finds the first declaring script") << "Shared"
                                                                    << "a";
        QTest::newRow("unknown set falls back") << "SetC:OnlyB"
                                                << "onlyb";
        QTest::newRow("text after a second colon ignored") << "SetB:Shared:extra"
                                                           << "b";
        QTest::newRow("not declared") << "SetA:Nope"
                                      << "inv_fnc";
        QTest::newRow("empty") << ""
                               << "inv_fnc";
        QTest::newRow("script without a name") << "Nameless"
                                               << "inv_scr";
        QTest::newRow("declared, not defined") << "NotDefined"
                                               << "no_fnc";
        QTest::newRow("file not found") << "FromGone"
                                        << "no_fnc";
        QTest::newRow("file cannot be opened") << "FromFolder"
                                               << "no_fnc";
        QTest::newRow("defined before an evaluation error") << "BeforeError"
                                                            << "before";
        QTest::newRow("defined after an evaluation error") << "AfterError"
                                                           << "no_fnc";
    }
    void handlerLookup() {
        QFETCH(QString, name);
        QFETCH(QString, result);
        DataCfg cfg;
        Load(cfg);
        QCOMPARE(cfg.ExecScriptfunc(nullptr, name, {}).toString(), result);
    }

    void callsAndArguments() {
        DataCfg cfg;
        Load(cfg);
        QScriptEngine* engine = nullptr;
        QCOMPARE(cfg.ExecScriptfunc(nullptr, QStringLiteral("SetA:OnX"), {QScriptValue(2), QScriptValue(3)}, &engine)
                     .toInt32(),
                 5);
        QCOMPARE(engine, cfg.GetScriptEngine(QStringLiteral("OnX")));
        QObject self;
        self.setObjectName(QStringLiteral("ctl"));
        QCOMPARE(cfg.ExecScriptfunc(&self, QStringLiteral("Me"), {}).toString(), QStringLiteral("ctl"));
        // One engine per file: its globals are shared by every call.
        QCOMPARE(cfg.ExecScriptfunc(nullptr, QStringLiteral("Counter"), {}).toInt32(), 1);
        QCOMPARE(cfg.ExecScriptfunc(nullptr, QStringLiteral("Counter"), {}).toInt32(), 2);
        engine = reinterpret_cast<QScriptEngine*>(1);
        cfg.ExecScriptfunc(nullptr, QStringLiteral("Nope"), {}, &engine);
        QVERIFY(!engine);
    }

    void logFunctions() {
        DataCfg cfg;
        Load(cfg);
        LogCapture log;
        cfg.GetScriptEngine(QStringLiteral("OnX"));
        QCOMPARE(Count(log, QStringLiteral("1 two true")), 1);
        QVERIFY(log.Lines().filter(QStringLiteral("1 two true")).first().startsWith(QStringLiteral(" INFO")));
        QCOMPARE(cfg.ExecScriptfunc(nullptr, QStringLiteral("PrintResult"), {}).toInt32(), 0);

        QScriptEngine* engine = cfg.GetScriptEngine(QStringLiteral("OnX"));
        const char* const names[] = {"trace", "debug", "info", "warning", "error", "fatal"};
        const char* const levels[] = {"TRACE", "DEBUG", " INFO", " WARN", "ERROR", "FATAL"};
        for (int i = 0; i < 6; ++i) {
            const QString text = QStringLiteral("level %1").arg(i);
            QCOMPARE(engine->evaluate(QStringLiteral("%1('level', %2)").arg(QLatin1String(names[i])).arg(i)).toInt32(),
                     0);
            const QStringList lines = log.Lines().filter(text);
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(QLatin1String(levels[i])), qPrintable(lines[0]));
        }
        // Below the logger's level nothing is written, except by fatal.
        GetLogger().SetLevel(QsLogging::ErrorLevel);
        engine->evaluate(QStringLiteral("info('quiet'); fatal('loud')"));
        GetLogger().SetLevel(QsLogging::TraceLevel);
        QCOMPARE(Count(log, QStringLiteral("quiet")), 0);
        QCOMPARE(Count(log, QStringLiteral("loud")), 1);
        // An argument whose conversion throws ends the text there.
        engine->evaluate(QStringLiteral("print('kept', {toString: function() { throw 1; }}, 'dropped')"));
        QCOMPARE(Count(log, QStringLiteral("kept")), 1);
        QCOMPARE(Count(log, QStringLiteral("dropped")), 0);
    }

    void errorsAndMissingParts() {
        DataCfg cfg;
        LogCapture log;
        Load(cfg);
        for (int i = 0; i < 3; ++i) {
            const QScriptValue v = cfg.ExecScriptfunc(nullptr, QStringLiteral("Throws"), {});
            QVERIFY(v.toString().contains(QStringLiteral("boom")));
        }
        int index = -1;
        DataCfg::TScript* script = cfg.FindScriptFunc(QStringLiteral("Throws"), &index);
        QVERIFY(script);
        QCOMPARE(script->Functions[index].Errors, 3);
        // Logged on the first error only.
        QCOMPARE(
            Count(log, QStringLiteral("QScript Error: ") + m_dir + QStringLiteral("/js/a.js Error: boom @ Line: 5")),
            1);

        cfg.ExecScriptfunc(nullptr, QStringLiteral("NotDefined"), {});
        cfg.ExecScriptfunc(nullptr, QStringLiteral("NotDefined"), {});
        QCOMPARE(Count(log, QStringLiteral("Missing Function: \"NotDefined\"")), 1);
        cfg.ExecScriptfunc(nullptr, QStringLiteral("Nope"), {});
        QCOMPARE(Count(log, QStringLiteral("Missing Script Function: \"Nope\"")), 1);
        cfg.ExecScriptfunc(nullptr, QStringLiteral("FromGone"), {});
        QCOMPARE(Count(log, QStringLiteral("Missing Script for Function: \"FromGone\"")), 1);
        cfg.ExecScriptfunc(nullptr, QStringLiteral("FromFolder"), {});
        QCOMPARE(Count(log, QStringLiteral("Missing QScript File: ") + m_dir + QStringLiteral("/js/dir.js")), 1);

        cfg.ExecScriptfunc(nullptr, QStringLiteral("BeforeError"), {});
        QCOMPARE(Count(log, QStringLiteral("QScript Error: ") + m_dir + QStringLiteral("/js/bad.js ReferenceError")),
                 1);
        QVERIFY(
            log.Lines().filter(QStringLiteral("bad.js ReferenceError")).first().contains(QStringLiteral("@ Line: 2")));
        QVERIFY(!cfg.FindScriptFunc(QStringLiteral("BeforeError"))->Loaded);
    }

    void phoneTwins() {
        DataCfg cfg;
        Load(cfg);
        const QString text = cfg.GetScriptFuncText(QStringLiteral("SetA:OnX"));
        QVERIFY2(text.startsWith(QStringLiteral("function SetA_OnX(a, b)")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\"phone\"")));
        QVERIFY(cfg.GetScriptFuncText(QStringLiteral("Shared")).isEmpty());
        QVERIFY(cfg.GetScriptFuncText(QStringLiteral("Nope")).isEmpty());
    }
};

QTEST_MAIN(TestScripts)
#include "test_scripts.moc"
