// The summary tool: loads a data folder as the program does and prints a summary that depends only on the
// files; exit codes for a folder that is not a data folder and for wrong arguments.
#include "tests/config/loadtestutil.h"

#include <QtTest>

namespace {
struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run Dump(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(CFGDUMP_EXE), args);
    Run r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
} // namespace

class TestCfgDump : public QObject {
    Q_OBJECT
private slots:
    void summaryOfFixture() {
        const Run r = Dump({FixtureDir("load")});
        QCOMPARE(r.code, 0);
        QCOMPARE(QString::fromUtf8(r.out), QString::fromUtf8(ReadAll(FixtureDir("load.summary"))));
        // Warnings and worse reach standard error: the broken include and the unsigned grids.
        QVERIFY(r.err.contains("Error Loading JSON File: "));
        QVERIFY(r.err.contains("Grid Signature Failed: [MERVEX] Volume"));
        QVERIFY(!r.err.contains("DEBUG"));
        QVERIFY(Dump({QStringLiteral("-v"), FixtureDir("load")}).err.contains("DEBUG"));
    }

    // The bytes written for signing are what the loader checks: signed, the grids verify.
    void signingForm() {
        QTemporaryDir tmp;
        const QString data = tmp.path() + QStringLiteral("/Data");
        QVERIFY(CopyTree(FixtureDir("load"), data));
        const QString forms = tmp.path() + QStringLiteral("/forms");
        const Run r = Dump({QStringLiteral("--signing-form"), forms, data});
        QCOMPARE(r.code, 0);
        const QStringList files = QDir(forms).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, QStringList({"Grid_ExtraKeys.bytes", "Grid_MERVEXMyGrid2.bytes", "Grid_MERVEXVolume.bytes"}));
        QDir().mkpath(data + QStringLiteral("/Signatures"));
        for (QString f : files) {
            const QString sig =
                data + QStringLiteral("/Signatures/") + f.replace(QStringLiteral(".bytes"), QStringLiteral(".sig"));
            f.replace(QStringLiteral(".sig"), QStringLiteral(".bytes"));
            QCOMPARE(RunQuiet(QStringLiteral("bash"), {SignScript(), forms + QLatin1Char('/') + f, sig}), 0);
        }
        const Run signedRun = Dump({data});
        QCOMPARE(signedRun.code, 0);
        QCOMPARE(signedRun.out.count("unsigned"), 0);
        QCOMPARE(signedRun.out.count(", signed"), 3);
    }

    // The shipped configuration loads whole, and its grids carry valid signatures. After a change of a grid
    // in data/, sign again: tools/signing/sign-grids.sh data
    void defaultConfiguration() {
        const Run r = Dump({QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/../../data"))});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QVERIFY(r.out.contains("grids: "));
        QVERIFY(!r.out.contains("grids: 0\n"));
        QCOMPARE(r.out.count("unsigned"), 0);
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::newRow("no folder") << QStringList() << 2;
        QTest::newRow("unknown option") << QStringList({"--nope", "x"}) << 2;
        QTest::newRow("not a data folder") << QStringList({QStringLiteral(MERVEX_TEST_SOURCE_DIR)}) << 1;
    }
    void badArguments() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        const Run r = Dump(args);
        QCOMPARE(r.code, code);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCfgDump)
#include "test_cfgdump.moc"
