// The "Skype" data source against a stand-in chat client on the window-message bus: the attach handshake,
// received messages becoming entries, sender pictures in the private temporary folder, and hostile input.

#include "datasources/datasrcskype.h"
#include "datasources/skypeconnecttask.h"
#include "functions/pal/windowmessagebus.h"
#include "functions/plugintools.h"

#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"

#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// The chat client: a window of its own that answers the discover broadcast with the attach answers it is
// given, records the commands it is sent and answers them later, as the real one does.
class FakeSkype {
public:
    FakeSkype() {
        WindowMessageBus& bus = WindowMessageBus::Instance();
        discover = bus.RegisterMessage("SkypeControlAPIDiscover");
        attach = bus.RegisterMessage("SkypeControlAPIAttach");
        hwnd = bus.CreateWindow([this](const WindowMessage& m, qintptr* result) { return Handle(m, result); });
    }
    ~FakeSkype() { Close(); }
    void Close() {
        if (hwnd)
            WindowMessageBus::Instance().DestroyWindow(hwnd);
        hwnd = 0;
    }
    // Sends a reply or notification to the program's main window, as a copy-data message from this window.
    qintptr Tell(const QByteArray& text) {
        return WindowMessageBus::Instance().SendMessage(PluginTools::GetMainWindowHandle(), DataSrcSkype::kCopyData,
                                                        hwnd, 0, text);
    }
    int CountCommands(const QString& prefix) const {
        int n = 0;
        for (const QString& c : commands)
            n += c.startsWith(prefix) ? 1 : 0;
        return n;
    }

    quint32 discover = 0;
    quint32 attach = 0;
    quintptr hwnd = 0;
    int discovers = 0;
    QList<qintptr> attachAnswers{0};
    bool refuseCommands = false;
    QStringList commands;
    // Command -> answer, sent at the next turn of the event loop.
    std::function<QList<QByteArray>(const QString&)> answer;

private:
    bool Handle(const WindowMessage& m, qintptr* result) {
        if (m.message == discover) {
            ++discovers;
            for (qintptr l : attachAnswers)
                WindowMessageBus::Instance().PostMessage(m.wParam, attach, hwnd, l);
            return true;
        }
        if (m.message == DataSrcSkype::kCopyData) {
            commands << QString::fromUtf8(m.data);
            *result = refuseCommands ? 0 : 1;
            if (answer) {
                const QList<QByteArray> replies = answer(QString::fromUtf8(m.data));
                QTimer::singleShot(0, [this, replies]() {
                    for (const QByteArray& r : replies)
                        Tell(r);
                });
            }
            return true;
        }
        return false;
    }
};

// The four answers about one message, in the client's reply form.
QMap<QString, QByteArray> MessageAnswers(const QString& id, const QString& timestamp, const QString& body,
                                         const QString& name, const QString& handle) {
    QMap<QString, QByteArray> a;
    a["TIMESTAMP"] = QString("#1 MESSAGE %1 TIMESTAMP %2").arg(id, timestamp).toUtf8();
    a["BODY"] = QString("#2 MESSAGE %1 BODY %2").arg(id, body).toUtf8();
    a["FROM_DISPNAME"] = QString("#3 MESSAGE %1 FROM_DISPNAME %2").arg(id, name).toUtf8();
    a["FROM_HANDLE"] = QString("#4 MESSAGE %1 FROM_HANDLE %2").arg(id, handle).toUtf8();
    return a;
}

} // namespace

class TestSkype : public QObject {
    Q_OBJECT

    // A source attached to a fresh stand-in client.
    void Attach(DataSrcSkype& src, FakeSkype& fake) {
        src.SetSettings(QVariantMap{{"Active", "1"}});
        QTRY_COMPARE(src.Status(), QString("connected"));
        QCOMPARE(src.AttachedWindow(), fake.hwnd);
        fake.commands.clear();
    }

private slots:
    void init() { WindowMessageBus::Instance().Reset(); }
    void cleanup() {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    void attachAnswers_data() {
        QTest::addColumn<QList<qintptr>>("answers");
        QTest::addColumn<QString>("status");
        QTest::newRow("connected") << QList<qintptr>{0} << "connected";
        QTest::newRow("pending") << QList<qintptr>{1} << "authorization pending";
        QTest::newRow("pending then connected") << QList<qintptr>{1, 0} << "connected";
        QTest::newRow("refused") << QList<qintptr>{2} << "connection refused";
        QTest::newRow("no api") << QList<qintptr>{3} << "api not available";
        QTest::newRow("unknown answer") << QList<qintptr>{7} << "connecting";
    }
    void attachAnswers() {
        QFETCH(QList<qintptr>, answers);
        QFETCH(QString, status);
        LogCapture log;
        FakeSkype fake;
        fake.attachAnswers = answers;
        DataSrcSkype src;
        QCOMPARE(src.GetName(), QString("Skype"));
        src.SetSettings(QVariantMap{{"Active", "true"}});
        QCOMPARE(src.Status(), QString("connecting"));
        QTRY_COMPARE(log.Count("skype:"), answers.size());
        QCOMPARE(src.Status(), status);
        QCOMPARE(fake.discovers, 1);
        QCOMPARE(src.AttachedWindow(), status == "connected" ? fake.hwnd : quintptr(0));
        QCOMPARE(src.GetValue("GetConnectStatus", {}).toString(), status);
    }

    void attachTimesOutAndARequestStartsOver() {
        FakeSkype fake;
        fake.attachAnswers.clear(); // a client that never answers
        DataSrcSkype src;
        src.SetSettings(QVariantMap{{"Active", "1"}});
        QTRY_COMPARE(fake.discovers, 1);
        src.OnTick();
        src.OnTick();
        QCOMPARE(src.Status(), QString("connecting"));
        src.OnTick();
        QCOMPARE(src.Status(), QString("connection timeout"));
        src.OnTick();
        QCOMPARE(src.Status(), QString("connection timeout"));
        // A control asking for entries retries at the next tick.
        src.GetEntries();
        src.OnTick();
        QCOMPARE(src.Status(), QString("connecting"));
        QTRY_COMPARE(fake.discovers, 2);
        // Without a further request the next tick does not try again.
        src.OnTick();
        QTest::qWait(20);
        QCOMPARE(fake.discovers, 2);
    }

    void inactiveSettings_data() {
        QTest::addColumn<QVariant>("active");
        QTest::newRow("0") << QVariant("0");
        QTest::newRow("false") << QVariant("false");
        QTest::newRow("missing") << QVariant();
    }
    void inactiveSettings() {
        QFETCH(QVariant, active);
        FakeSkype fake;
        DataSrcSkype src;
        QVariantMap settings{{"Other", 1}};
        if (active.isValid())
            settings["Active"] = active;
        src.SetSettings(settings);
        QCOMPARE(src.Status(), QString("inactive"));
        QVERIFY(!src.IsActive());
        QVERIFY(src.GetEntries().isEmpty());
        QCOMPARE(src.GetSettings(), settings);
        src.OnTick();
        QTest::qWait(20);
        QCOMPARE(fake.discovers, 0);
    }

    void receivedMessageBecomesAnEntry_data() {
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<bool>("icon");
        QTest::newRow("asked order") << QStringList{"TIMESTAMP", "BODY", "FROM_DISPNAME", "FROM_HANDLE"} << false;
        QTest::newRow("handle first") << QStringList{"FROM_HANDLE", "BODY", "TIMESTAMP", "FROM_DISPNAME"} << true;
        QTest::newRow("reversed") << QStringList{"FROM_HANDLE", "FROM_DISPNAME", "BODY", "TIMESTAMP"} << true;
    }
    void receivedMessageBecomesAnEntry() {
        QFETCH(QStringList, order);
        QFETCH(bool, icon);
        FakeSkype fake;
        DataSrcSkype src;
        Attach(src, fake);
        QVERIFY(fake.Tell("CHAT #alice/$bob;1 ACTIVITY_TIMESTAMP 1700000000") != 0);
        fake.Tell("MESSAGE 42 STATUS RECEIVED");
        QCOMPARE(fake.commands,
                 (QStringList{"#1 GET CHATMESSAGE 42 TIMESTAMP\n", "#2 GET CHATMESSAGE 42 BODY\n",
                              "#3 GET CHATMESSAGE 42 FROM_DISPNAME\n", "#4 GET CHATMESSAGE 42 FROM_HANDLE\n"}));
        const auto answers = MessageAnswers("42", "1700000000", "two  blanks kept ", "Alice A", "alice.b");
        for (const QString& field : order)
            fake.Tell(answers.value(field));
        const QMap<qint64, QVariantMap> entries = src.GetEntries();
        QCOMPARE(entries.size(), 1);
        const QVariantMap e = entries.first();
        QCOMPARE(entries.firstKey(), Q_INT64_C(1700000000000));
        QCOMPARE(e.value("time").toLongLong(), Q_INT64_C(1700000000000));
        QCOMPARE(e.value("title").toString(), QString("Alice A"));
        QCOMPARE(e.value("text").toString(), QString("two  blanks kept "));
        QCOMPARE(e.value("id").toString(), QString("42"));
        QCOMPARE(e.value("resp").toString(), QString("#alice/$bob;1"));
        const QString picture = PluginTools::GetTempPath() + "Skype/ui_alice.b.jpg";
        QCOMPARE(e.contains("icon"), icon);
        if (icon)
            QCOMPARE(e.value("icon").toString(), "file://" + picture);
        // The picture is asked for once per sender, into the private temporary folder; a handle that comes
        // after the message was complete is not read at all.
        QCOMPARE(fake.CountCommands("#5 GET USER alice.b AVATAR 1 " + picture + "\n"), icon ? 1 : 0);
        // Answers about a completed message change nothing.
        fake.Tell(answers.value("BODY"));
        fake.Tell("#9 MESSAGE 42 BODY again");
        QCOMPARE(src.GetEntries(), entries);
    }

    void senderPictureIsReplacedInThePrivateFolder() {
        FakeSkype fake;
        DataSrcSkype src;
        QVERIFY(src.AvatarFolder().startsWith(PluginTools::GetTempPath()));
        QVERIFY(QDir(src.AvatarFolder()).exists());
        const QString picture = src.AvatarPath("carol");
        QFile stale(picture);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old");
        stale.close();
        // The client writes the picture when it is asked for it.
        bool staleGone = false;
        fake.answer = [&](const QString& cmd) {
            if (cmd.contains(" GET USER carol AVATAR 1 ")) {
                const QString path = cmd.section(' ', 6).trimmed();
                staleGone = path == picture && !QFile::exists(path);
                QFile f(path);
                if (f.open(QIODevice::WriteOnly))
                    f.write("\xff\xd8new");
            }
            return QList<QByteArray>();
        };
        Attach(src, fake);
        fake.Tell("MESSAGE 7 STATUS RECEIVED");
        fake.Tell("#4 MESSAGE 7 FROM_HANDLE carol");
        QVERIFY(staleGone);
        QFile f(picture);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xff\xd8new"));
    }

    void unsafeHandlesNeverNameAFile_data() {
        QTest::addColumn<QString>("handle");
        QTest::newRow("parent") << "../../victim";
        QTest::newRow("dots") << "..";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("too long") << QString(200, 'a');
    }
    void unsafeHandlesNeverNameAFile() {
        QFETCH(QString, handle);
        LogCapture log;
        FakeSkype fake;
        DataSrcSkype src;
        QVERIFY(src.AvatarPath(handle).isEmpty());
        // A file the handle would reach from the picture folder stays.
        const QString victim = PluginTools::GetTempPath() + "victim.jpg";
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly));
        v.close();
        Attach(src, fake);
        fake.Tell("MESSAGE 8 STATUS RECEIVED");
        const auto answers = MessageAnswers("8", "1700000001", "hi", "Mallory", handle);
        fake.Tell(answers.value("FROM_HANDLE"));
        fake.Tell(answers.value("TIMESTAMP"));
        fake.Tell(answers.value("BODY"));
        fake.Tell(answers.value("FROM_DISPNAME"));
        QVERIFY(QFile::exists(victim));
        QCOMPARE(fake.CountCommands("#5 GET USER"), 0);
        QCOMPARE(log.Count("DataSrcSkype::RecvCmd: no picture for the sender handle"), 1);
        QCOMPARE(src.GetEntries().size(), 1);
        QVERIFY(!src.GetEntries().first().contains("icon"));
        QFile::remove(victim);
    }

    void entryKeysKeepOrderAndTheStoreIsBounded() {
        FakeSkype fake;
        DataSrcSkype src;
        Attach(src, fake);
        for (int i = 1; i <= 66; ++i) {
            const QString id = QString::number(100 + i);
            fake.Tell(("MESSAGE " + id + " STATUS RECEIVED").toUtf8());
            const auto a = MessageAnswers(id, "1700000005", QString("m%1").arg(i), "Dan", "dan");
            fake.Tell(a.value("TIMESTAMP"));
            fake.Tell(a.value("BODY"));
            fake.Tell(a.value("FROM_DISPNAME"));
        }
        const QMap<qint64, QVariantMap> entries = src.GetEntries();
        QCOMPARE(entries.size(), 64);
        // All in the same second: the counter in the low digits keeps them apart and in order.
        QCOMPARE(entries.firstKey(), Q_INT64_C(1700000005002));
        QCOMPARE(entries.first().value("text").toString(), QString("m3"));
        QCOMPARE(entries.last().value("text").toString(), QString("m66"));
    }

    void sendResponse_data() {
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("command");
        QTest::newRow("sent") << QVariantList{"#alice/$bob;1", "see you"} << 1 << "CHATMESSAGE #alice/$bob;1 see you\n";
        QTest::newRow("blank text") << QVariantList{"#c", "   "} << 0 << "";
        QTest::newRow("one argument") << QVariantList{"#c"} << 0 << "";
    }
    void sendResponse() {
        QFETCH(QVariantList, args);
        QFETCH(int, answer);
        QFETCH(QString, command);
        FakeSkype fake;
        DataSrcSkype src;
        Attach(src, fake);
        QCOMPARE(src.GetValue("SendResponse", args).toInt(), answer);
        QCOMPARE(fake.commands, command.isEmpty() ? QStringList() : QStringList{command});
        QCOMPARE(src.GetValue("Unknown", {}).toInt(), 0);
    }

    void lostClientIsNoticed() {
        LogCapture log;
        FakeSkype fake;
        DataSrcSkype src;
        Attach(src, fake);
        // A refused command drops the client at once.
        fake.refuseCommands = true;
        src.GetValue("SendResponse", QVariantList{"#c", "x"});
        QCOMPARE(src.Status(), QString("disconnected"));
        QCOMPARE(src.AttachedWindow(), quintptr(0));
        QCOMPARE(log.Count("!!! Skype Disconnected!!!"), 1);

        // Attached again; then the client's window goes away.
        fake.refuseCommands = false;
        src.GetValue("DoConnect", {});
        QTRY_COMPARE(src.Status(), QString("connected"));
        fake.Close();
        src.OnTick();
        QCOMPARE(src.Status(), QString("disconnected"));
        QCOMPARE(log.Count("!!! Skype Disconnected!!!"), 2);
        src.SendCmd("PING"); // nobody to send to: nothing happens
    }

    void hostileInputIsBounded() {
        LogCapture log;
        FakeSkype fake;
        DataSrcSkype src;
        Attach(src, fake);
        // A giant reply is dropped whole.
        QByteArray giant = "MESSAGE 1 STATUS RECEIVED ";
        giant += QByteArray(DataSrcSkype::kMaxReplyBytes, 'x');
        QCOMPARE(fake.Tell(giant), qintptr(1));
        QCOMPARE(log.Count("DataSrcSkype::winEvent: reply of"), 1);
        QVERIFY(fake.commands.isEmpty());

        // Broken replies and notifications start nothing and make no entry.
        for (const char* line : {"", " ", "MESSAGE", "MESSAGE x STATUS RECEIVED", "MESSAGE 0 STATUS RECEIVED",
                                 "MESSAGE 5\nGET STATUS RECEIVED", "MESSAGE -5 STATUS RECEIVED", "#1 MESSAGE",
                                 "#1 MESSAGE 5 BODY", "CHAT", "\xff\xfe\xfd"})
            fake.Tell(line);
        QVERIFY(fake.commands.isEmpty());
        fake.Tell("MESSAGE 5 STATUS RECEIVED");
        fake.commands.clear();
        fake.Tell("#1 MESSAGE 5 TIMESTAMP soon");
        fake.Tell("#1 MESSAGE 6 BODY other message");
        fake.Tell("#2 MESSAGE 5 BODY hello");
        fake.Tell("#3 MESSAGE 5 FROM_DISPNAME Eve");
        QVERIFY(src.GetEntries().isEmpty());
        // A text after the NUL is not read.
        QByteArray withNul = "#1 MESSAGE 5 TIMESTAMP 1700000009";
        withNul += '\0';
        withNul += " junk";
        fake.Tell(withNul);
        QCOMPARE(src.GetEntries().size(), 1);
        QCOMPARE(src.GetEntries().first().value("text").toString(), QString("hello"));
        QCOMPARE(log.Count("SkypeMsg: \"#3 MESSAGE 5 FROM_DISPNAME Eve\""), 1);

        // Messages the source does not know, or copy data from a window it is not attached to, are left alone.
        WindowMessageBus& bus = WindowMessageBus::Instance();
        const quintptr main = PluginTools::GetMainWindowHandle();
        const quintptr stranger = bus.CreateWindow([](const WindowMessage&, qintptr*) { return false; });
        QCOMPARE(bus.SendMessage(main, DataSrcSkype::kCopyData, stranger, 0, "MESSAGE 9 STATUS RECEIVED"), qintptr(0));
        QCOMPARE(bus.SendMessage(main, 0x1234, fake.hwnd, 0), qintptr(0));
        QCOMPARE(bus.SendMessage(main, bus.RegisterMessage("SomethingElse"), fake.hwnd, 1), qintptr(0));
        QVERIFY(fake.commands.isEmpty());
        QCOMPARE(src.Status(), QString("connected"));
        bus.DestroyWindow(stranger);
    }

    void closingStopsTheDiscoverJobs() {
        {
            DataSrcSkype src;
            src.SetSettings(QVariantMap{{"Active", "1"}});
        }
        QVERIFY(RunnableTask<DataSrcSkype>::IsStopped());
        QCOMPARE(RunnableTask<DataSrcSkype>::RunningCount(), 0);
        // A job that runs after the close broadcasts nothing.
        FakeSkype fake;
        SKYPE::SkypeConnectTask late(RunnableTask<DataSrcSkype>::NewStopToken(), fake.discover,
                                     PluginTools::GetMainWindowHandle());
        late.setAutoDelete(false);
        late.run();
        QTest::qWait(20);
        QCOMPARE(fake.discovers, 0);
        // A new source clears the flag, so it can attach again; a job of a source that has gone still does nothing.
        DataSrcSkype again;
        auto goneToken = RunnableTask<DataSrcSkype>::NewStopToken();
        goneToken->store(true);
        SKYPE::SkypeConnectTask orphan(goneToken, fake.discover, PluginTools::GetMainWindowHandle());
        orphan.setAutoDelete(false);
        orphan.run();
        QTest::qWait(20);
        QCOMPARE(fake.discovers, 0);
        again.SetSettings(QVariantMap{{"Active", "1"}});
        QTRY_COMPARE(again.Status(), QString("connected"));
    }
};

QTEST_GUILESS_MAIN(TestSkype)
#include "test_skype.moc"
