// Power commands through logind on a private bus of the test's own, served by a fake logind that only
// writes down what it was asked: the calls each command makes, answers taken without waiting for them,
// and refusals, silence and a missing bus reported instead of passed over.

#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/syscommands.h"
#include "tests/common/logcapture.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kLogin1[] = "org.freedesktop.login1";

enum class Answer { Ok, Error, Hold };

class FakeLogind : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList calls;
    Answer answer = Answer::Ok;
    QList<QDBusMessage> held;

    // Answers every call that was held.
    void Release(QDBusConnection connection) {
        for (const QDBusMessage& m : held)
            connection.send(m.createReply());
        held.clear();
    }

public slots:
    void LockSession(const QString& id) { Note("LockSession " + id); }
    void TerminateSession(const QString& id) { Note("TerminateSession " + id); }
    void Suspend(bool interactive) { Note(Flag("Suspend", interactive)); }
    void Hibernate(bool interactive) { Note(Flag("Hibernate", interactive)); }
    void Reboot(bool interactive) { Note(Flag("Reboot", interactive)); }
    void PowerOff(bool interactive) { Note(Flag("PowerOff", interactive)); }

private:
    static QString Flag(const char* method, bool on) {
        return QString::fromLatin1(method) + (on ? " interactive" : " quiet");
    }
    void Note(const QString& call) {
        calls << call;
        if (answer == Answer::Error)
            sendErrorReply(QStringLiteral("org.freedesktop.login1.NoSuchSession"), QStringLiteral("No session"));
        if (answer == Answer::Hold) {
            setDelayedReply(true);
            held << message();
        }
    }
};

} // namespace

class TestLogindPower : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    FakeLogind m_logind;
    QDBusConnection Service() { return QDBusConnection(QStringLiteral("logind")); }
    QDBusConnection Client() { return QDBusConnection(QStringLiteral("client")); }

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QVERIFY(m_dir.isValid());
        // A bus of our own stands for the system bus: nothing here can reach the machine's logind.
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--address=unix:dir=") + m_dir.path(),
                             QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForStarted());
        while (!m_bus.canReadLine())
            QVERIFY(m_bus.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QVERIFY(QDBusConnection::connectToBus(address, QStringLiteral("logind")).isConnected());
        QVERIFY(Service().registerObject(QStringLiteral("/org/freedesktop/login1"), &m_logind,
                                         QDBusConnection::ExportAllSlots));
        QVERIFY(Service().registerService(QString::fromLatin1(kLogin1)));
        QVERIFY(QDBusConnection::connectToBus(address, QStringLiteral("client")).isConnected());
    }

    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.terminate();
            m_bus.waitForFinished();
        }
    }

    void init() {
        m_logind.calls.clear();
        m_logind.answer = Answer::Ok;
        m_logind.held.clear();
    }
    void cleanup() {
        PAL_INT::SetSystemPower(nullptr);
        qunsetenv("XDG_SESSION_ID");
    }

    // A control's command text, as the program carries it out, down to the call logind receives.
    void commands_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QString>("call");
        QTest::newRow("lock") << "!Lock" << QByteArray("c7") << "LockSession c7";
        QTest::newRow("lock, no session id: the caller's") << "!Lock" << QByteArray() << "LockSession ";
        QTest::newRow("standby") << "!Standby" << QByteArray() << "Suspend interactive";
        QTest::newRow("hibernate") << "!Hibernate" << QByteArray() << "Hibernate interactive";
        QTest::newRow("log off") << "!LogOff" << QByteArray("c7") << "TerminateSession c7";
        QTest::newRow("restart") << "!Restart" << QByteArray() << "Reboot interactive";
        QTest::newRow("shutdown") << "!Shutdown" << QByteArray() << "PowerOff interactive";
    }
    void commands() {
        QFETCH(QString, text);
        QFETCH(QByteArray, session);
        QFETCH(QString, call);
        if (!session.isEmpty())
            qputenv("XDG_SESSION_ID", session);
        PAL_INT::LogindSystemPower power(Client());
        PAL_INT::SetSystemPower(&power);
        LogCapture log;
        PAL::DoExecute(text);
        QTRY_COMPARE(m_logind.calls, QStringList{call});
        QTRY_COMPARE(power.Pending(), 0);
        QCOMPARE(power.Failed(), 0);
        QVERIFY(log.Has(QStringLiteral("accepted")));
    }

    // The command returns while logind still holds the call; its answer is taken when it comes.
    void answerIsNotAwaited() {
        m_logind.answer = Answer::Hold;
        PAL_INT::LogindSystemPower power(Client());
        QVERIFY(power.Lock());
        QCOMPARE(power.Pending(), 1);
        QTRY_COMPARE(m_logind.held.size(), 1);
        QTest::qWait(100);
        QCOMPARE(power.Pending(), 1);
        m_logind.Release(Service());
        QTRY_COMPARE(power.Pending(), 0);
        QCOMPARE(power.Failed(), 0);
    }

    // A call from a thread without an event loop is handed to the object's own thread.
    void callFromAnotherThread() {
        PAL_INT::LogindSystemPower power(Client());
        bool sent = false;
        QThread* worker = QThread::create([&] { sent = power.Reboot(); });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QVERIFY(sent);
        QTRY_COMPARE(m_logind.calls, QStringList{"Reboot interactive"});
        QTRY_COMPARE(power.Pending(), 0);
    }

    void refusalAndSilenceAreLogged_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("error");
        QTest::newRow("refused") << int(Answer::Error) << "org.freedesktop.login1.NoSuchSession";
        QTest::newRow("never answered") << int(Answer::Hold) << "org.freedesktop.DBus.Error.NoReply";
    }
    void refusalAndSilenceAreLogged() {
        QFETCH(int, answer);
        QFETCH(QString, error);
        m_logind.answer = Answer(answer);
        PAL_INT::LogindSystemPower power(Client(), 300);
        LogCapture log;
        QVERIFY(power.PowerOff());
        QTRY_COMPARE(power.Failed(), 1);
        QCOMPARE(power.Pending(), 0);
        QVERIFY2(log.Has("LogindSystemPower: \"PowerOff\" failed: \"" + error), qPrintable(log.All()));
    }

    void noBusIsAFailure() {
        PAL_INT::LogindSystemPower power(QDBusConnection(QStringLiteral("never-connected")));
        LogCapture log;
        QVERIFY(!power.Suspend());
        QCOMPARE(power.Pending(), 0);
        QVERIFY(log.Has(QStringLiteral("not sent")));
    }
};

QTEST_GUILESS_MAIN(TestLogindPower)
#include "test_logindpower.moc"
