// The automatic switch of a phone to the grid whose program has just started, through the program's own
// pieces: the real server, the platform's running-program list (read from /proc by the statistics thread)
// and its program-path resolver. The program is a real process: a copy of sleep under a name of its own.
#include "functions/pal/pal.h"
#include "server/palprograms.h"
#include "server/websocketud.h"
#include "tests/server/netfakes.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QByteArray kSwitchToProgramTab("ChangeView?t=1\0", 15);

// Waits (bounded) until the phone has a message starting with prefix.
bool WaitForMessage(FakePhone& phone, const QByteArray& prefix, int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (phone.Count(prefix) > 0)
            return true;
        FakePhone::Spin();
    }
    return phone.Count(prefix) > 0;
}

bool WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}
} // namespace

class TestProgramSwitch : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString sleepCopy; // the program the grids name, in one form or another
    QByteArray savedPath;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        QVERIFY(!sleep.isEmpty());
        // A copy, not a link: the kernel names a running program by its real file.
        sleepCopy = QDir(dir.path()).canonicalPath() + QStringLiteral("/mv-switch-probe");
        QVERIFY(QFile::copy(sleep, sleepCopy));
        QVERIFY(QFile::setPermissions(sleepCopy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(sleepCopy, dir.path() + QStringLiteral("/probe-link")));
        QVERIFY(WriteText(dir.path() + QStringLiteral("/probe.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Probe\nExec=mv-switch-probe %U\n"));
        // Bare names are looked up on PATH, as a shell would.
        savedPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit() + ':' + savedPath);
        PAL::Init();
    }
    void cleanupTestCase() {
        PAL::Exit();
        qputenv("PATH", savedPath);
    }

    void phoneSwitchesWhenTheGridsProgramStarts_data() {
        QTest::addColumn<QString>("stored"); // the program as the grid names it
        QTest::addColumn<bool>("switches");
        QTest::newRow("absolute path") << sleepCopy << true;
        QTest::newRow("bare name on PATH") << QStringLiteral("mv-switch-probe") << true;
        QTest::newRow("through a link") << dir.path() + QStringLiteral("/probe-link") << true;
        QTest::newRow("desktop entry") << dir.path() + QStringLiteral("/probe.desktop") << true;
        QTest::newRow("written with backslashes")
            << QString(sleepCopy).replace(QLatin1Char('/'), QLatin1Char('\\')) << true;
        QTest::newRow("another program") << QStringLiteral("/usr/bin/mv-not-this-one") << false;
    }
    void phoneSwitchesWhenTheGridsProgramStarts() {
        QFETCH(QString, stored);
        QFETCH(bool, switches);

        // The probe of the previous row has gone from the process list, so it cannot count as started.
        QTRY_VERIFY_WITH_TIMEOUT(!PAL::GetProcesses().contains(sleepCopy), 10000);

        FakeGrids grids;
        FakePairing pairing;
        PalPrograms programs;
        NetServer server;
        server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server.SetGrids(&grids);
        server.SetPairing(&pairing);
        server.SetPrograms(&programs);
        QVERIFY(server.Open());
        grids.AddGrid(QStringLiteral("G0"));
        grids.AddGrid(QStringLiteral("G1"));
        grids.grids[QStringLiteral("Set:G0")].exe[0] = QStringLiteral("/usr/bin/mv-no-such-program");
        grids.grids[QStringLiteral("Set:G1")].exe[1] = stored;

        pairing.known.insert(QStringLiteral("K1"), true);
        FakePhone phone(server.TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=Phone&t=K1&d=Desc&v=0.45&hb=4"));
        QVERIFY(!phone.WaitFor("Tabs").isEmpty());
        // The first update with a view takes in every program running now: none of them is the probe.
        phone.Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone.WaitFor("View?t=0").isEmpty());
        QCOMPARE(phone.Count("ChangeView?"), 0);

        QProcess probe;
        probe.start(sleepCopy, {QStringLiteral("30")});
        QVERIFY(probe.waitForStarted(5000));
        // The statistics thread reads the process list about every 1.2 s.
        const bool switched = WaitForMessage(phone, kSwitchToProgramTab, switches ? 15000 : 4000);
        probe.kill();
        probe.waitForFinished(5000);
        QCOMPARE(switched, switches);
        if (switches)
            QCOMPARE(server.Sessions().last()->viewIndex, 1);

        server.Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_GUILESS_MAIN(TestProgramSwitch)
#include "test_programswitch.moc"
