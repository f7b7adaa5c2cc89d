#include "functions/macromat.h"
#include "tests/functions/inputtestutil.h"

#include <QRandomGenerator>
#include <QtTest>

// A player on a recording sink with a clock the test moves by hand.
struct Player {
    RecordedInput input;
    qint64 now = 1000000;
    Macromat m;
    Player() {
        m.SetClock([this] { return now; });
    }
    // What the control view does to start a macro.
    void Run(const QString& text) {
        m.Reset();
        m.Parse(text);
        m.Process();
    }
    // One control-view tick after ms milliseconds.
    QStringList Tick(qint64 ms) {
        input.Clear();
        now += ms;
        m.Process();
        return input.Named();
    }
};

class TestMacromat : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Macromat::SetStoredMacroLookup(nullptr); }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("totalDelay");
        QTest::addColumn<int>("repeat");
        QTest::newRow("shortcut") << "p LCTRL+C" << QStringList{"d LCTRL", "d C", "u C", "u LCTRL"} << 0 << 1;
        QTest::newRow("modifiers go up in order")
            << "p LSHIFT,LCTRL+X" << QStringList{"d LSHIFT", "d LCTRL", "d X", "u X", "u LSHIFT", "u LCTRL"} << 0 << 1;
        QTest::newRow("text with the shift it needs")
            << "t aB" << QStringList{"d A", "u A", "d LSHIFT", "d B", "u B", "u LSHIFT"} << 0 << 1;
        QTest::newRow("escaped separator is typed")
            << "t a\\;b" << QStringList{"d A", "u A", "d ;", "u ;", "d B", "u B"} << 0 << 1;
        // A backslash is written "\\"; older texts that hold a single one read as before.
        QTest::newRow("backslash key steps")
            << "d \\\\;u \\\\;p A" << QStringList{"d \\", "u \\", "d A", "u A"} << 0 << 1;
        QTest::newRow("escaped backslash before a separator")
            << "t a\\\\;p B" << QStringList{"d A", "u A", "d \\", "u \\", "d B", "u B"} << 0 << 1;
        QTest::newRow("single backslash of an older text")
            << "t C:\\x" << QStringList{"d LSHIFT", "d C",      "u C",  "u LSHIFT", "d LSHIFT", "d ;",
                                        "u ;",      "u LSHIFT", "d \\", "u \\",     "d X",      "u X"}
            << 0 << 1;
        QTest::newRow("plus typed with shift") << "t +" << QStringList{"d LSHIFT", "d =", "u =", "u LSHIFT"} << 0 << 1;
        QTest::newRow("pauses add up") << " d A ; 500;u A;;250" << QStringList{"d A", "500", "u A", "", "250"} << 750
                                       << 1;
        QTest::newRow("prefixes ignore case") << "P F5;D a" << QStringList{"d F5", "u F5", "D a"} << 0 << 1;
        QTest::newRow("repeat") << "r 2;p A" << QStringList{"r 2", "d A", "u A"} << 0 << 3;
        QTest::newRow("repeat 0") << "r 0" << QStringList{"r 0"} << 0 << 1;
        QTest::newRow("negative repeat") << "r -3" << QStringList{"r -3"} << 0 << 1;
        QTest::newRow("huge repeat is held") << "r 2147483647" << QStringList{"r 2147483647"} << 0 << 10000;
        QTest::newRow("repeat beyond a number") << "r 99999999999" << QStringList{"r 99999999999"} << 0 << 1;
        QTest::newRow("pause with a unit counts 0") << "40ms" << QStringList{"40ms"} << 0 << 1;
        QTest::newRow("pause beyond a number counts 0") << "99999999999" << QStringList{"99999999999"} << 0 << 1;
        QTest::newRow("empty") << "" << QStringList{""} << 0 << 1;
        QTest::newRow("unknown key in a shortcut is dropped") << "p NOSUCH;d A" << QStringList{"d A"} << 0 << 1;
        QTest::newRow("untypeable character is dropped")
            << QStringLiteral("t \u20ACa") << QStringList{"d A", "u A"} << 0 << 1;
        QTest::newRow("no command stays") << "x y;Macro:Nope/None" << QStringList{"x y", "Macro:Nope/None"} << 0 << 1;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(QStringList, steps);
        QFETCH(int, totalDelay);
        QFETCH(int, repeat);
        Macromat m;
        m.Parse(text);
        QCOMPARE(m.Steps(), steps);
        QCOMPARE(m.TotalDelay(), qint64(totalDelay));
        QCOMPARE(m.RepeatCount(), repeat);
        QVERIFY(m.IsRunning());
    }

    // A macro may type a password: the log gets counts, never keys or characters.
    void parseLogsCountsNotKeys() {
        LogCapture log;
        Player p;
        p.Run(QStringLiteral("d A;100;t s3crét;u A"));
        QCOMPARE(log.Count(QStringLiteral("Macromat::Parse: 100 1 ")), 1);
        QCOMPARE(log.Count(QStringLiteral("d A")), 0);
        QCOMPARE(log.Count(QStringLiteral("s3cr")), 0);
        QCOMPARE(log.Count(QStringLiteral("é")), 0);
    }

    void storedMacros() {
        QHash<QString, QString> stored{{"Macro:Games/Jump", "p SPACE;50"},
                                       {"Macro:Self/Loop", "Macro:Self/Loop"},
                                       {"Macro:Cycle/A", "Macro:Cycle/B"},
                                       {"Macro:Cycle/B", "Macro:Cycle/A"}};
        Macromat::SetStoredMacroLookup([&](const QString& t) { return stored.value(t); });
        Player p;
        p.m.Parse(QStringLiteral("Macro:Games/Jump"));
        QCOMPARE(p.m.Steps(), (QStringList{"d SPACE", "u SPACE", "50"}));
        QCOMPARE(p.m.TotalDelay(), qint64(50));

        // A stored macro naming a macro is looked up once only: the name is no command, so a macro that names
        // itself, directly or round a cycle, plays nothing and ends.
        for (const char* name : {"Macro:Self/Loop", "Macro:Cycle/A"}) {
            LogCapture log;
            p.Run(QString::fromLatin1(name));
            QVERIFY(!p.m.IsRunning());
            QCOMPARE(p.input.Events().size(), 0);
            QCOMPARE(log.Count(QStringLiteral("Macromat::Process: Invalid Macro Command:")), 1);
        }
    }

    void shortcutPlaysInOneTick() {
        Player p;
        p.Run(QStringLiteral("p LCTRL+C"));
        QCOMPARE(p.input.Named(), (QStringList{"dn LCTRL", "dn C", "up C", "up LCTRL"}));
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.m.GetProgress(), 1.0);
        QVERIFY(p.m.HeldKeys().isEmpty());
    }

    void pauseHoldsTheKey() {
        Player p;
        p.Run(QStringLiteral("d A;500;u A"));
        QCOMPARE(p.input.Named(), QStringList{"dn A"});
        QCOMPARE(p.m.HeldKeys(), QStringList{"A"});
        QCOMPARE(p.m.GetProgress(), 0.0);
        QCOMPARE(p.Tick(100), QStringList());
        QCOMPARE(float(p.m.GetProgress()), 0.2f);
        QCOMPARE(p.Tick(300), QStringList());
        QVERIFY(p.m.GetProgress() > 0.79 && p.m.GetProgress() < 0.81);
        QCOMPARE(p.Tick(100), QStringList{"up A"});
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.m.GetProgress(), 1.0);
    }

    void repeatsWithoutPausePlayAtOnce() {
        Player p;
        p.Run(QStringLiteral("r 2;p A"));
        QCOMPARE(p.input.Named(), (QStringList{"dn A", "up A", "dn A", "up A", "dn A", "up A"}));
        QVERIFY(!p.m.IsRunning());
    }

    void repeatsWithPauses() {
        Player p;
        p.Run(QStringLiteral("r 1;p B;200"));
        QCOMPARE(p.input.Named(), (QStringList{"dn B", "up B"}));
        QCOMPARE(p.Tick(200), (QStringList{"dn B", "up B"}));
        QVERIFY(p.m.IsRunning());
        QCOMPARE(p.Tick(100), QStringList());
        QCOMPARE(p.Tick(100), QStringList());
        QVERIFY(!p.m.IsRunning());
    }

    void trailingPauseStillReleases() {
        // The pass ends after its last pause: held keys go up then, not never.
        Player p;
        p.Run(QStringLiteral("d LSHIFT;100"));
        QCOMPARE(p.input.Named(), QStringList{"dn LSHIFT"});
        QVERIFY(p.m.IsRunning());
        QCOMPARE(p.Tick(50), QStringList());
        QVERIFY(p.m.IsRunning());
        QCOMPARE(p.Tick(50), QStringList{"up LSHIFT"});
        QVERIFY(!p.m.IsRunning());
    }

    void mouse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("heldAfterFirstStep");
        QTest::newRow("right press and release") << "m d r;m u r" << QStringList{"mouse rd", "mouse ru"} << 2;
        QTest::newRow("middle click") << "m p m" << QStringList{"mouse md", "mouse mu"} << 0;
        QTest::newRow("wheel held turns back at the end")
            << "m d w" << QStringList{"mouse wheel -120", "mouse wheel 120"} << 8;
        QTest::newRow("wheel click") << "m p w" << QStringList{"mouse wheel -120", "mouse wheel 120"} << 0;
        QTest::newRow("wheel down and up") << "m d w;m u w" << QStringList{"mouse wheel -120", "mouse wheel 120"} << 8;
        QTest::newRow("u without blank presses left") << "m u" << QStringList{"mouse ld", "mouse lu"} << 1;
        QTest::newRow("u l releases left") << "m u l" << QStringList{"mouse lu"} << 0;
        QTest::newRow("last button letter wins") << "M D R M" << QStringList{"mouse md", "mouse mu"} << 4;
        QTest::newRow("left by default") << "m d x" << QStringList{"mouse ld", "mouse lu"} << 1;
    }
    void mouse() {
        QFETCH(QString, text);
        QFETCH(QStringList, events);
        QFETCH(int, heldAfterFirstStep);
        Player p;
        p.m.Parse(text.section(QLatin1Char(';'), 0, 0) + QStringLiteral(";1"));
        p.m.Process();
        QCOMPARE(p.m.HeldButtons(), heldAfterFirstStep);
        p.m.Reset();
        p.input.Clear();
        p.Run(text);
        QCOMPARE(p.input.Named(), events);
        QCOMPARE(p.m.HeldButtons(), 0);
    }

    void secondRunStops() {
        // What the control view does when a macro is started while one runs.
        Player p;
        p.Run(QStringLiteral("d A;m d;1000;u A"));
        QVERIFY(p.m.IsRunning());
        p.input.Clear();
        p.m.ReleaseAll();
        p.m.Reset();
        QCOMPARE(p.input.Named(), (QStringList{"mouse lu", "up A"}));
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.Tick(2000), QStringList());
    }

    void destroyedPlayerReleases() {
        RecordedInput input;
        {
            Macromat m;
            m.Parse(QStringLiteral("d LCTRL;d B;m d r;2147483647;u B"));
            m.Process();
            input.Clear();
        }
        QCOMPARE(input.Named(), (QStringList{"mouse ru", "up LCTRL", "up B"}));
    }

    void keysReleasedOnceEach() {
        Player p;
        p.Run(QStringLiteral("d A;d A;u A;d B"));
        QCOMPARE(p.input.Named(), (QStringList{"dn A", "dn A", "up A", "dn B", "up B"}));
    }

    void badStepsAreLoggedAndPassedOver() {
        LogCapture log;
        Player p;
        p.Run(QStringLiteral("hello;d A;u;t;u A"));
        QCOMPARE(p.input.Named(), (QStringList{"dn A", "up A"}));
        QCOMPARE(log.Count(QStringLiteral("Macromat::Process: Invalid Macro Command:")), 3);
    }

    void emptyTextSendsNothing() {
        Player p;
        p.Run(QString());
        QCOMPARE(p.input.Events().size(), 0);
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.m.GetProgress(), 1.0);
    }

    void resetPlayerIsIdle() {
        Player p;
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.m.GetProgress(), 0.0);
        p.m.Process();
        QCOMPARE(p.input.Events().size(), 0);
    }

    void hugeRepeatIsSpreadOverTicks() {
        Player p;
        p.Run(QStringLiteral("r 2147483647;p A"));
        int ticks = 1;
        int events = p.input.Events().size();
        QVERIFY(events <= Macromat::kMaxStepsPerProcess);
        while (p.m.IsRunning() && ticks < 100) {
            events += p.Tick(100).size();
            ++ticks;
        }
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(events, 2 * (Macromat::kMaxRepeat + 1));
        QVERIFY(ticks > 1);
        QVERIFY(p.m.HeldKeys().isEmpty());
    }

    void tooLongMacroIsRefused() {
        LogCapture log;
        Player p;
        p.Run(QStringLiteral("t ") + QString(60000, QLatin1Char('a')));
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(p.input.Events().size(), 0);
        QCOMPARE(log.Count(QStringLiteral("Macromat::Parse: macro too long")), 1);

        p.Run(QString(Macromat::kMaxTextLength + 1, QLatin1Char(';')));
        QVERIFY(!p.m.IsRunning());
        QCOMPARE(log.Count(QStringLiteral("Macromat::Parse: macro text too long")), 1);
    }

    void progressOverSeveralPauses() {
        Player p;
        p.Run(QStringLiteral("100;p A;300"));
        QCOMPARE(p.m.TotalDelay(), qint64(400));
        QCOMPARE(p.m.GetProgress(), 0.0); // the whole first pause still lies ahead
        p.now += 50;
        QCOMPARE(float(p.m.GetProgress()), 0.125f);
        p.Tick(50);
        QCOMPARE(float(p.m.GetProgress()), 0.25f);
        QCOMPARE(p.input.Named(), (QStringList{"dn A", "up A"}));
        p.Tick(300);
        QCOMPARE(p.m.GetProgress(), 1.0);
        QVERIFY(!p.m.IsRunning());
    }

    void randomMacrosEndWithNothingHeld() {
        // Random notation, valid or not: playback is bounded per tick, ends, and leaves no key or button down.
        const QStringList tokens = {"d A",       "u A",     "d LCTRL", "u lctrl", "p LSHIFT,LALT+F4",
                                    "p ALTGR+Q", "t a;B",   "t \\;",   "m d r",   "m u",
                                    "m p w",     "m d w",   "m",       "r 3",     "r x",
                                    "0",         "250",     "12ab",    "x",       "d",
                                    "u NOPE",    "\\",      "p +",     "p ,+",    " ",
                                    "D SC(2a)",  "t +PLUS", "M D M"};
        QRandomGenerator gen(20261210);
        for (int round = 0; round < 300; ++round) {
            QStringList parts;
            const int n = gen.bounded(1, 12);
            for (int i = 0; i < n; ++i)
                parts << tokens.at(gen.bounded(tokens.size()));
            const QString text = parts.join(QLatin1Char(';'));
            Player p;
            p.Run(text);
            int ticks = 0;
            while (p.m.IsRunning()) {
                QVERIFY2(++ticks < 200, qPrintable(text));
                const float progress = float(p.m.GetProgress());
                QVERIFY(progress >= 0 && progress <= 1);
                QVERIFY(p.Tick(1000).size() <= 2 * Macromat::kMaxStepsPerProcess);
            }
            QVERIFY2(p.m.HeldKeys().isEmpty() && p.m.HeldButtons() == 0, qPrintable(text));
            for (quint32 vk = 1; vk < 256; ++vk)
                QVERIFY2(!(p.input.KeyState(vk) & 0x8000), qPrintable(text + QStringLiteral(" vk %1").arg(vk, 0, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TestMacromat)
#include "test_macromat.moc"
