// Compaction of recorded macro steps, and its agreement with the macro player's reading of the result.
#include "editor/macroscript.h"
#include "functions/macromat.h"
#include "functions/macrosteps.h"

#include <QtTest>

class TestMacroScript : public QObject {
    Q_OBJECT
private slots:
    void compact_data();
    void compact();
    void recordingGrowsOneTextStep();
    void splitJoin_data();
    void splitJoin();
    void olderScriptsReadAsBefore();
    void playerReadsCompactedText_data();
    void playerReadsCompactedText();
    void longRecordingStaysBounded();
};

void TestMacroScript::compact_data() {
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("pair") << "d A;u A;"
                          << "p A;";
    QTest::newRow("modifier triple") << "d LSHIFT;p A;u LSHIFT;"
                                     << "p LSHIFT+A;";
    QTest::newRow("lower-case modifier name") << "d lctrl;p C;u lctrl;"
                                              << "p LCTRL+C;";
    QTest::newRow("shifted then plain") << "p LSHIFT+H;p E;"
                                        << "t He;";
    QTest::newRow("text grows") << "t He;p L;"
                                << "t Hel;";
    QTest::newRow("delay keeps pair apart") << "d A;85;u A;"
                                            << "d A;85;u A;";
    QTest::newRow("ctrl press stays") << "p LCTRL+C;p A;"
                                      << "p LCTRL+C;p A;";
    QTest::newRow("function key stays") << "p F5;p A;"
                                        << "p F5;p A;";
    QTest::newRow("two modifiers stay") << "p LSHIFT,LCTRL+A;p B;"
                                        << "p LSHIFT,LCTRL+A;p B;";
    QTest::newRow("space and plus") << "p A;p SPACE;"
                                    << "t a ;";
    QTest::newRow("plus key") << "p A;p PLUS;"
                              << "t a+;";
    QTest::newRow("semicolon escaped") << "p A;p \\;;"
                                       << "t a\\;;";
    QTest::newRow("backslash escaped") << "p A;p \\\\;"
                                       << "t a\\\\;";
    QTest::newRow("four presses make two texts") << "p A;p B;p C;p D;"
                                                 << "t ab;t cd;";
    QTest::newRow("texts never merge") << "t ab;t cd;"
                                       << "t ab;t cd;";
    QTest::newRow("shifted digit types its sign") << "p LSHIFT+1;p 2;"
                                                  << "t !2;";
    QTest::newRow("mouse and delay pass through") << "m d l;40;m u l;"
                                                  << "m d l;40;m u l;";
    QTest::newRow("unknown key name stays") << "d NOSUCHKEY;u NOSUCHKEY;"
                                            << "p NOSUCHKEY;";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only separators") << ";;;"
                                     << ";;;";
    QTest::newRow("different keys") << "d A;u B;"
                                    << "d A;u B;";
}

void TestMacroScript::compact() {
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(MacroScript::Compact(in), out);
}

void TestMacroScript::recordingGrowsOneTextStep() {
    // As the recorder does: a release arrives, the script is compacted, the next key follows.
    const QStringList keys = {"LSHIFT", "H", "", "E", "L", "L", "O"};
    QString script;
    for (const QString& key : keys) {
        if (key.isEmpty()) {
            script = MacroScript::Compact(script + "u LSHIFT;");
            continue;
        }
        script += "d " + key + ";";
        if (key != "LSHIFT")
            script = MacroScript::Compact(script + "u " + key + ";");
    }
    QCOMPARE(script, QString("t Hello;"));
}

void TestMacroScript::splitJoin_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("script");
    QTest::newRow("semicolon in a text") << QStringList{"t a;b", "40", "p A", ""} << "t a\\;b;40;p A;";
    QTest::newRow("backslash key") << QStringList{"d \\", "u \\", ""} << "d \\\\;u \\\\;";
    QTest::newRow("backslash then semicolon") << QStringList{"t \\;x", "p A"} << "t \\\\\\;x;p A";
    QTest::newRow("text ending in a backslash") << QStringList{"t a\\", "p B"} << "t a\\\\;p B";
    QTest::newRow("only separators") << QStringList{"", "", ""} << ";;";
}

void TestMacroScript::splitJoin() {
    QFETCH(QStringList, steps);
    QFETCH(QString, script);
    QCOMPARE(MacroSteps::Join(steps), script);
    QCOMPARE(MacroSteps::Split(script), steps);
}

void TestMacroScript::olderScriptsReadAsBefore() {
    // Written before backslashes were escaped: a backslash before anything but '\' or ';' is itself.
    QCOMPARE(MacroSteps::Split("t C:\\dir\\x;p A"), QStringList({"t C:\\dir\\x", "p A"}));
    QCOMPARE(MacroSteps::Split("t a\\;b;"), QStringList({"t a;b", ""}));
    // A second run keeps the typed semicolon in its step.
    QCOMPARE(MacroScript::Compact(MacroScript::Compact("p A;p \\;;")), QString("t a\\;;"));
}

void TestMacroScript::playerReadsCompactedText_data() {
    QTest::addColumn<QString>("raw");
    QTest::newRow("text") << "d A;u A;d B;u B;";
    QTest::newRow("shifted") << "d LSHIFT;d H;u H;u LSHIFT;d I;u I;";
    QTest::newRow("semicolon") << "d A;u A;d \\;;u \\;;";
    QTest::newRow("backslash") << "d A;u A;d \\\\;u \\\\;";
    QTest::newRow("ctrl") << "d LCTRL;d C;u C;u LCTRL;";
}

void TestMacroScript::playerReadsCompactedText() {
    // The player expands the compacted text into exactly the key steps of the raw recording.
    QFETCH(QString, raw);
    QString compacted = raw;
    for (int i = 0; i < 4; ++i)
        compacted = MacroScript::Compact(compacted);
    QVERIFY(compacted != raw);
    Macromat a, b;
    a.Reset();
    a.Parse(raw);
    b.Reset();
    b.Parse(compacted);
    QCOMPARE(b.Steps(), a.Steps());
}

void TestMacroScript::longRecordingStaysBounded() {
    // Two thousand typed keys, compacted as the recorder does after each release.
    QString script;
    for (int i = 0; i < 2000; ++i) {
        script += QString("d %1;u %1;").arg(QChar('A' + i % 26));
        script = MacroScript::Compact(script);
    }
    const QStringList steps = MacroSteps::Split(script);
    QCOMPARE(steps.size(), 2);
    QCOMPARE(steps.first().size(), 2 + 2000);
}

QTEST_GUILESS_MAIN(TestMacroScript)
#include "test_macroscript.moc"
