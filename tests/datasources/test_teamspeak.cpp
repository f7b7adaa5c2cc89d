// The TeamSpeak query client against a scripted peer on 127.0.0.1, and the "Teamspeak" data source on it.

#include "datasources/datasrcteamspeak.h"
#include "datasources/tsclientquery.h"
#include "tests/datasources/fakeclientquery.h"

#include "foundation/logger/QsLog.h"
#include "tests/common/logcapture.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

const QStringList kEvents = {"notifytextmessage", "notifytalkstatuschange", "notifycliententerview",
                             "notifyclientleftview", "notifyclientmoved"};

QStringList Registrations(const QString& command, const QString& handler) {
    QStringList out;
    for (const QString& e : kEvents)
        out << command + " schandlerid=" + handler + " event=" + e;
    return out;
}

QVariantMap AllOn() {
    return QVariantMap{{"Active", "1"}, {"ShowChat", "1"}, {"ShowEnter", "1"}, {"ShowLeave", "1"}};
}

} // namespace

class TestTeamspeak : public QObject {
    Q_OBJECT

    FakeClientQuery* fake = nullptr;

    // A peer whose own client 5 sits in channel 2 with two others.
    void ScriptChannel() {
        fake->replies["whoami"] = QStringList{"clid=5 cid=2"};
        fake->replies["channelconnectinfo"] = QStringList{"path=Lobby/Quiet\\sRoom"};
        fake->replies["clientlist"] =
            QStringList{"clid=5 cid=2 client_database_id=1 client_nickname=Me client_type=0|"
                        "clid=7 cid=2 client_database_id=2 client_nickname=Ann\\sB client_type=0|"
                        "clid=9 cid=3 client_database_id=3 client_nickname=Far client_type=0"};
    }
    // Connects the client and waits until the first answers have built the model.
    void ConnectAndSettle(TSClientQuery& client) {
        client.Connect();
        QTRY_VERIFY(client.IsConnected());
        QTRY_COMPARE(client.ChannelClients().size(), 2);
    }

private slots:
    void init() {
        fake = new FakeClientQuery;
        QVERIFY(fake->Listen());
        TSClientQuery::SetPort(fake->Port());
    }
    void cleanup() {
        delete fake;
        fake = nullptr;
    }

    // ---- Escapes and parameters ----

    void escapes_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("blank") << "a b"
                               << "a\\sb";
        QTest::newRow("backslash") << "a\\b"
                                   << "a\\\\b";
        QTest::newRow("slash") << "a/b"
                               << "a\\/b";
        QTest::newRow("pipe") << "a|b"
                              << "a\\pb";
        QTest::newRow("newline") << "x\nclientkick clid=1"
                                 << "x\\nclientkick\\sclid=1";
        QTest::newRow("controls") << QString("\a\b\f\r\t\v") << "\\a\\b\\f\\r\\t\\v";
        QTest::newRow("unicode") << QString::fromUtf8("Grüße 😀") << QString::fromUtf8("Grüße\\s😀");
        QTest::newRow("empty") << ""
                               << "";
    }
    void escapes() {
        QFETCH(QString, plain);
        QFETCH(QString, escaped);
        QCOMPARE(TSClientQuery::Escape(plain), escaped);
        QCOMPARE(TSClientQuery::Unescape(escaped), plain);
    }

    void unescapeOddInput_data() {
        QTest::addColumn<QString>("escaped");
        QTest::addColumn<QString>("plain");
        QTest::newRow("trailing backslash") << "ab\\"
                                            << "ab\\";
        QTest::newRow("unknown escape") << "a\\qb"
                                        << "aqb";
        QTest::newRow("double then s") << "\\\\s"
                                       << "\\s";
    }
    void unescapeOddInput() {
        QFETCH(QString, escaped);
        QFETCH(QString, plain);
        QCOMPARE(TSClientQuery::Unescape(escaped), plain);
    }

    void parameters_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("count");
        QTest::newRow("plain") << "notifyx clid=3 msg=hi\\sthere"
                               << "msg"
                               << "hi there" << 2;
        QTest::newRow("later wins") << "a=1 a=2"
                                    << "a"
                                    << "2" << 1;
        QTest::newRow("value with =") << "k=a=b"
                                      << "k"
                                      << "a=b" << 1;
        QTest::newRow("empty key") << "=x"
                                   << ""
                                   << "x" << 1;
        QTest::newRow("no pairs") << "word another"
                                  << "word"
                                  << "" << 0;
        QTest::newRow("blanks in a row") << "a=1   b=2"
                                         << "b"
                                         << "2" << 2;
        QTest::newRow("empty value") << "k="
                                     << "k"
                                     << "" << 1;
    }
    void parameters() {
        QFETCH(QString, line);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, count);
        const QHash<QString, QString> p = TSClientQuery::ParseParams(line);
        QCOMPARE(p.size(), count);
        QCOMPARE(p.value(key), value);
    }

    // ---- Commands and answers ----

    void handshakeRegistersEventsAndBuildsTheModel() {
        ScriptChannel();
        TSClientQuery client;
        QSignalSpy connected(&client, &TSClientQuery::Connected);
        ConnectAndSettle(client);
        QCOMPARE(connected.count(), 1);
        QStringList expected = Registrations("clientnotifyregister", "1");
        expected << "whoami"
                 << "channelconnectinfo"
                 << "clientlist";
        QTRY_COMPARE(fake->commands, expected);
        QCOMPARE(client.HandlerId(), QString("1"));
        QCOMPARE(client.OwnChannelId(), QString("2"));
        QCOMPARE(client.GetNick(), QString("Me"));
        QTRY_COMPARE(client.ChannelPath(), QString("Lobby/Quiet Room"));
        QCOMPARE(client.ChannelClients(), (QStringList{"Me", "Ann B"}));
        QCOMPARE(client.Clients().size(), 3);
    }

    void statusTimerAsksForTheSelectionAgain() {
        ScriptChannel();
        TSClientQuery client;
        client.UpdateStatus(); // not connected: nothing to send and no socket to send on
        ConnectAndSettle(client);
        QTimer* timer = client.findChild<QTimer*>();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(timer->isActive());

        fake->replies["use"] = QStringList{"selected schandlerid=1"};
        fake->commands.clear();
        client.UpdateStatus();
        // Same handler and channel: no new registration, no channel info; the client list is refreshed.
        QTRY_COMPARE(fake->commands, (QStringList{"use", "whoami", "clientlist"}));

        // The own client moved to channel 3: the channel info is asked again and the list follows.
        fake->replies["whoami"] = QStringList{"clid=5 cid=3"};
        fake->commands.clear();
        client.UpdateStatus();
        QTRY_COMPARE(fake->commands, (QStringList{"use", "whoami", "channelconnectinfo", "clientlist"}));
        QTRY_COMPARE(client.ChannelClients(), QStringList{"Far"});
    }

    void handlerChangeMovesTheRegistrations() {
        ScriptChannel();
        TSClientQuery client;
        ConnectAndSettle(client);
        fake->commands.clear();
        fake->SendLine("selected schandlerid=2");
        QStringList expected = Registrations("clientnotifyunregister", "1");
        expected << Registrations("clientnotifyregister", "2") << "whoami";
        QTRY_VERIFY(fake->commands.size() >= expected.size());
        QCOMPARE(fake->commands.mid(0, expected.size()), expected);
        QCOMPARE(client.HandlerId(), QString("2"));
    }

    void badHandlerIdIsIgnored() {
        fake->selectedOnGreeting = "selected schandlerid=1\\nquit";
        LogCapture log;
        TSClientQuery client;
        client.Connect();
        QTRY_VERIFY(client.IsConnected());
        QTRY_COMPARE(log.Count("TSClientQuery::ProcessLine: bad handler id:"), 1);
        QVERIFY(fake->commands.isEmpty());
        QVERIFY(client.HandlerId().isEmpty());
    }

    void chatTargets_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("target");
        QTest::newRow("channel") << "notifytextmessage schandlerid=1 targetmode=2 msg=hello\\sall invokerid=7 "
                                    "invokername=Ann\\sB"
                                 << "Ann B"
                                 << "hello all"
                                 << "ch,2";
        QTest::newRow("private from other") << "notifytextmessage schandlerid=1 targetmode=1 msg=psst target=5 "
                                               "invokerid=7 invokername=Ann\\sB"
                                            << "Ann B"
                                            << "psst"
                                            << "cl,7";
        QTest::newRow("private sent by us") << "notifytextmessage schandlerid=1 targetmode=1 msg=yo target=9 "
                                               "invokerid=5 invokername=Me"
                                            << "Me"
                                            << "yo"
                                            << "cl,9";
        QTest::newRow("server") << "notifytextmessage schandlerid=1 targetmode=3 msg=maintenance invokerid=0 "
                                   "invokername=Server"
                                << "Server"
                                << "maintenance"
                                << "";
        QTest::newRow("escaped pipe and newline")
            << "notifytextmessage targetmode=2 msg=a\\pb\\nc invokerid=7 invokername=Ann"
            << "Ann"
            << "a|b\nc"
            << "ch,2";
    }
    void chatTargets() {
        QFETCH(QString, line);
        QFETCH(QString, sender);
        QFETCH(QString, message);
        QFETCH(QString, target);
        ScriptChannel();
        TSClientQuery client;
        QSignalSpy chat(&client, &TSClientQuery::ChatMsg);
        ConnectAndSettle(client);
        fake->SendLine(line);
        QTRY_COMPARE(chat.count(), 1);
        QCOMPARE(chat.at(0).at(0).toString(), sender);
        QCOMPARE(chat.at(0).at(1).toString(), message);
        QCOMPARE(chat.at(0).at(2).toString(), target);
    }

    void clientsEnterLeaveMoveAndTalk() {
        ScriptChannel();
        TSClientQuery client;
        QSignalSpy enter(&client, &TSClientQuery::ClientEnter);
        QSignalSpy leave(&client, &TSClientQuery::ClientLeave);
        QSignalSpy talk(&client, &TSClientQuery::ClientSpeakStatus);
        ConnectAndSettle(client);

        fake->SendLine("notifycliententerview schandlerid=1 cfid=0 ctid=2 reasonid=0 clid=11 client_nickname=Bob");
        QTRY_COMPARE(enter.count(), 1);
        QCOMPARE(enter.at(0).at(0).toString(), QString("Bob"));
        QCOMPARE(client.ChannelClients(), (QStringList{"Me", "Ann B", "Bob"}));

        // Into another channel: known, but no signal and not listed.
        fake->SendLine("notifycliententerview schandlerid=1 cfid=0 ctid=4 reasonid=0 clid=12 client_nickname=Eve");
        // Between two channels that are not ours: still a leave for a known client.
        fake->SendLine("notifyclientmoved schandlerid=1 ctid=6 reasonid=0 clid=12");
        QTRY_COMPARE(leave.count(), 1);
        QCOMPARE(leave.at(0).at(0).toString(), QString("Eve"));
        QCOMPARE(enter.count(), 1);

        // Eve comes into our channel; an unknown client moving in asks for the client list.
        fake->SendLine("notifyclientmoved schandlerid=1 ctid=2 reasonid=0 clid=12");
        QTRY_COMPARE(enter.count(), 2);
        fake->commands.clear();
        fake->SendLine("notifyclientmoved schandlerid=1 ctid=2 reasonid=0 clid=99");
        QTRY_COMPARE(fake->commands, QStringList{"clientlist"});

        talk.clear();
        fake->SendLine("notifytalkstatuschange schandlerid=1 status=1 isreceivedwhisper=0 clid=7");
        fake->SendLine("notifytalkstatuschange schandlerid=1 status=1 isreceivedwhisper=0 clid=5");
        fake->SendLine("notifytalkstatuschange schandlerid=1 status=x isreceivedwhisper=0 clid=7");
        fake->SendLine("notifytalkstatuschange schandlerid=1 status=1 clid=404");
        QTRY_COMPARE(talk.count(), 3);
        QCOMPARE(client.Speakers(), QStringList{"Me"});

        // Ann leaves the server from our channel.
        leave.clear();
        fake->SendLine("notifyclientleftview schandlerid=1 cfid=2 ctid=0 reasonid=8 clid=7");
        QTRY_COMPARE(leave.count(), 1);
        QCOMPARE(leave.at(0).at(0).toString(), QString("Ann B"));
        QVERIFY(!client.ChannelClients().contains("Ann B"));
    }

    void lineInTwoPiecesIsProcessedOnce() {
        ScriptChannel();
        TSClientQuery client;
        QSignalSpy chat(&client, &TSClientQuery::ChatMsg);
        ConnectAndSettle(client);
        fake->Send("notifytextmessage targetmode=2 msg=hal");
        QTest::qWait(50);
        QCOMPARE(chat.count(), 0);
        fake->Send("f invokerid=7 invokername=Ann\n\r");
        QTRY_COMPARE(chat.count(), 1);
        QCOMPARE(chat.at(0).at(1).toString(), QString("half"));
    }

    // ---- Hostile or broken peers ----

    void endlessLineIsDroppedAndReadingGoesOn() {
        ScriptChannel();
        LogCapture log;
        TSClientQuery client;
        QSignalSpy chat(&client, &TSClientQuery::ChatMsg);
        ConnectAndSettle(client);
        const QByteArray junk(TSClientQuery::kMaxLineBytes + 100000, 'x');
        fake->Send("notifytextmessage targetmode=2 msg=");
        fake->Send(junk);
        fake->Send(" invokerid=7 invokername=Ann\n\r");
        fake->SendLine("notifytextmessage targetmode=2 msg=after invokerid=7 invokername=Ann");
        QTRY_COMPARE(chat.count(), 1);
        QCOMPARE(chat.at(0).at(1).toString(), QString("after"));
        QCOMPARE(log.Count("TSClientQuery::OnSockRead: line longer than"), 1);
    }

    void giantClientListIsBounded() {
        ScriptChannel();
        TSClientQuery client;
        ConnectAndSettle(client);
        QStringList parts;
        for (int i = 0; i < TSClientQuery::kMaxClients + 500; ++i)
            parts << QString("clid=%1 cid=2 client_nickname=n%1").arg(i + 100);
        fake->SendLine(parts.join('|'));
        QTRY_COMPARE(client.Clients().size(), TSClientQuery::kMaxClients);
        QCOMPARE(client.ChannelClients().size(), TSClientQuery::kMaxClients);
    }

    void malformedLinesChangeNothing() {
        ScriptChannel();
        TSClientQuery client;
        QSignalSpy chat(&client, &TSClientQuery::ChatMsg);
        QSignalSpy enter(&client, &TSClientQuery::ClientEnter);
        ConnectAndSettle(client);
        const QMap<QString, QString> before = client.Clients();
        fake->SendLine("clid");
        fake->SendLine("notifyclientleftview");
        fake->SendLine("notifyclientmoved ===");
        fake->SendLine("notifytalkstatuschange status=1");
        fake->SendLine(QString::fromUtf8("\xff\xfe garbage"));
        fake->SendLine("");
        fake->SendLine("notifytextmessage targetmode=2 msg=ok invokerid=7 invokername=Ann\\sB");
        QTRY_COMPARE(chat.count(), 1);
        QCOMPARE(enter.count(), 0);
        QCOMPARE(client.Clients(), before);

        // A client list made only of broken parts is still a (now empty) client list.
        fake->SendLine("clid=|client_nickname=|||clid=3");
        QTRY_VERIFY(client.Clients().isEmpty());
        QVERIFY(client.ChannelClients().isEmpty());
    }

    void silentPeerKeepsTheClientWaiting() {
        fake->greet = false;
        TSClientQuery client;
        QSignalSpy connected(&client, &TSClientQuery::Connected);
        client.Connect();
        QTRY_COMPARE(fake->connections, 1);
        QTRY_VERIFY(!client.IsConnecting());
        client.UpdateStatus();
        QVERIFY(!client.SendTextMessage("ch,1", "x"));
        QTest::qWait(50);
        QVERIFY(!client.IsConnected());
        QCOMPARE(connected.count(), 0);
        QVERIFY(fake->commands.isEmpty());
    }

    void textMessagesAreEscaped_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("command"); // empty: nothing is sent
        QTest::newRow("channel") << "ch,2"
                                 << "hello there"
                                 << "sendtextmessage targetmode=2 target=2 msg=hello\\sthere";
        QTest::newRow("client") << "cl,7"
                                << "a|b/c"
                                << "sendtextmessage targetmode=1 target=7 msg=a\\pb\\/c";
        QTest::newRow("injected line") << "ch,2"
                                       << "hi\nquit"
                                       << "sendtextmessage targetmode=2 target=2 msg=hi\\nquit";
        QTest::newRow("unknown mode") << "sv,1"
                                      << "x"
                                      << "";
        QTest::newRow("no id") << "ch"
                               << "x"
                               << "";
        QTest::newRow("id not a number") << "ch,2 msg=x"
                                         << "x"
                                         << "";
        QTest::newRow("empty id") << "cl,"
                                  << "x"
                                  << "";
    }
    void textMessagesAreEscaped() {
        QFETCH(QString, target);
        QFETCH(QString, text);
        QFETCH(QString, command);
        ScriptChannel();
        TSClientQuery client;
        ConnectAndSettle(client);
        fake->commands.clear();
        QCOMPARE(client.SendTextMessage(target, text), !command.isEmpty());
        client.SendCmd("marker");
        QTRY_VERIFY(fake->commands.contains("marker"));
        const QStringList expected = command.isEmpty() ? QStringList{"marker"} : QStringList{command, "marker"};
        QCOMPARE(fake->commands, expected);
    }

    // ---- The data source ----

    void sourceMakesEntriesFromEvents() {
        ScriptChannel();
        LogCapture log;
        DataSrcTeamspeak src;
        QCOMPARE(src.GetName(), QString("Teamspeak"));
        QVERIFY(src.Status().isEmpty());
        QVariantMap settings = AllOn();
        settings["ShowLeave"] = "0";
        src.SetSettings(settings);
        QCOMPARE(src.Status(), QString("connecting ..."));
        QTRY_COMPARE(src.Status(), QString("connected"));
        QTRY_COMPARE(src.Client()->ChannelClients().size(), 2);

        fake->SendLine("notifytextmessage targetmode=2 msg=hi invokerid=7 invokername=Ann");
        fake->SendLine("notifycliententerview ctid=2 clid=11 client_nickname=Bob");
        fake->SendLine("notifyclientleftview cfid=2 clid=11");
        fake->SendLine("notifytextmessage targetmode=3 msg=server invokerid=0 invokername=Srv");
        QTRY_COMPARE(src.GetEntries().size(), 3);
        const QList<QVariantMap> entries = src.GetEntries().values();
        QCOMPARE(entries.at(0).value("title").toString(), QString("Ann"));
        QCOMPARE(entries.at(0).value("text").toString(), QString("hi"));
        QCOMPARE(entries.at(0).value("resp").toString(), QString("ch,2"));
        QCOMPARE(entries.at(1).value("title").toString(), QString("Bob"));
        QCOMPARE(entries.at(1).value("text").toString(), QString("entered channel"));
        QVERIFY(!entries.at(2).contains("resp"));
        // Leaving is logged even while it makes no entries.
        QCOMPARE(log.Count("Leave: \"Bob\""), 1);
        // The key is the time, also given as "time" and, as text, "id".
        const auto it = src.GetEntries().constBegin();
        QCOMPARE(it.value().value("time").toULongLong(), quint64(it.key()));
        QCOMPARE(it.value().value("id").toString(), QString::number(it.key()));
        QVERIFY(qAbs(it.key() - QDateTime::currentMSecsSinceEpoch()) < 60000);

        const QVariantMap info = src.GetValue("GetFullInfo", {}).toMap();
        QCOMPARE(info.value("status").toString(), QString("connected"));
        QCOMPARE(info.value("active").toBool(), true);
        QCOMPARE(info.value("nick").toString(), QString("Me"));
        QCOMPARE(info.value("channel").toString(), QString("Lobby/Quiet Room"));
        QCOMPARE(info.value("clients").toStringList(), (QStringList{"Me", "Ann B"}));
        QCOMPARE(src.GetValue("GetTSStatus", {}).toString(), QString("connected"));
        QCOMPARE(src.GetValue("Nope", {}).toInt(), 0);
    }

    void entryStoreKeepsTheNewest64() {
        DataSrcTeamspeak src;
        src.SetSettings(AllOn());
        // Events of one read come within a millisecond; each must keep its own entry.
        for (int i = 0; i < 70; ++i)
            src.OnChatMsg(QString("s%1").arg(i), "m", QString());
        const QMap<qint64, QVariantMap> entries = src.GetEntries();
        QCOMPARE(entries.size(), 64);
        QCOMPARE(entries.first().value("title").toString(), QString("s6"));
        QCOMPARE(entries.last().value("title").toString(), QString("s69"));
    }

    void settingsSwitchKinds_data() {
        QTest::addColumn<QString>("showChat");
        QTest::addColumn<int>("entries");
        QTest::newRow("on") << "1" << 1;
        QTest::newRow("False counts as on") << "False" << 1;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("false") << "false" << 0;
        QTest::newRow("missing") << QString() << 0;
    }
    void settingsSwitchKinds() {
        QFETCH(QString, showChat);
        QFETCH(int, entries);
        DataSrcTeamspeak src;
        QVariantMap settings{{"Active", "1"}, {"ShowEnter", "1"}};
        if (!showChat.isNull())
            settings["ShowChat"] = showChat;
        src.SetSettings(settings);
        src.OnChatMsg("a", "b", "ch,1");
        QCOMPARE(src.GetEntries().size(), entries);
        src.OnClientEnter("c");
        QCOMPARE(src.GetEntries().size(), entries + 1);
    }

    void inactiveSourceStaysOffline() {
        DataSrcTeamspeak src;
        src.SetSettings(QVariantMap{{"Active", "0"}, {"ShowChat", "1"}});
        QCOMPARE(src.Status(), QString("inactive"));
        const QVariantMap info = src.GetValue("GetFullInfo", {}).toMap();
        QCOMPARE(info.value("active").toBool(), false);
        QCOMPARE(src.GetValue("IsActive", {}).toBool(), false);
        src.OnChatMsg("a", "b", "");
        QVERIFY(src.GetEntries().isEmpty());
        QTest::qWait(50);
        QCOMPARE(fake->connections, 0);
    }

    void sendResponse_data() {
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("command");
        QTest::newRow("channel") << QVariantList{"ch,2", " two words "} << 1
                                 << "sendtextmessage targetmode=2 target=2 msg=\\stwo\\swords\\s";
        QTest::newRow("one argument") << QVariantList{"ch,2"} << 0 << "";
        QTest::newRow("blanks only") << QVariantList{"ch,2", "   "} << 0 << "";
        QTest::newRow("unusable target still answers 1") << QVariantList{"xx,2", "hi"} << 1 << "";
    }
    void sendResponse() {
        QFETCH(QVariantList, args);
        QFETCH(int, answer);
        QFETCH(QString, command);
        ScriptChannel();
        LogCapture log;
        DataSrcTeamspeak src;
        src.SetSettings(AllOn());
        QTRY_COMPARE(src.Client()->ChannelClients().size(), 2);
        fake->commands.clear();
        QCOMPARE(src.GetValue("SendResponse", args).toInt(), answer);
        QCOMPARE(log.Count("CHATMESSAGE"), answer);
        src.Client()->SendCmd("marker");
        QTRY_VERIFY(fake->commands.contains("marker"));
        const QStringList expected = command.isEmpty() ? QStringList{"marker"} : QStringList{command, "marker"};
        QCOMPARE(fake->commands, expected);
    }

    void reconnectAfterThePeerWentAway() {
        ScriptChannel();
        DataSrcTeamspeak src;
        src.SetSettings(AllOn());
        QTRY_COMPARE(src.Client()->ChannelClients().size(), 2);
        fake->SendLine("notifytalkstatuschange status=1 clid=7");
        QTRY_COMPARE(src.Client()->Speakers().size(), 1);

        // The chat program closes.
        fake->DropPeer();
        QTRY_COMPARE(src.Status(), QString("disconnected"));
        QVERIFY(src.Client()->Clients().isEmpty());
        QVariantMap info = src.GetValue("GetFullInfo", {}).toMap(); // reconnects first
        QCOMPARE(info.value("status").toString(), QString("connecting ..."));
        QVERIFY(info.value("clients").toStringList().isEmpty());
        QVERIFY(info.value("speakers").toStringList().isEmpty());
        QCOMPARE(src.Status(), QString("connecting ..."));

        // It comes back (same handler): the events are registered again.
        fake->commands.clear();
        QTRY_COMPARE(fake->connections, 2);
        QTRY_COMPARE(src.Status(), QString("connected"));
        QTRY_VERIFY(fake->commands.size() >= 6);
        QCOMPARE(fake->commands.mid(0, 6), QStringList(Registrations("clientnotifyregister", "1") << "whoami"));
        QTRY_COMPARE(src.GetValue("GetFullInfo", {}).toMap().value("clients").toStringList().size(), 2);
    }

    void noPeerLeavesTheSourceConnecting() {
        const quint16 port = fake->Port();
        delete fake;
        fake = new FakeClientQuery; // not listening: the port refuses
        TSClientQuery::SetPort(port);
        DataSrcTeamspeak src;
        src.SetSettings(AllOn());
        QTRY_VERIFY(!src.Client()->IsConnecting());
        QCOMPARE(src.Status(), QString("connecting ..."));
        QCOMPARE(src.GetValue("SendResponse", QVariantList{"ch,1", "x"}).toInt(), 1);
        // Asking again tries again once the last attempt has ended.
        src.GetValue("GetFullInfo", {});
        QCOMPARE(src.Status(), QString("connecting ..."));
    }

    void switchingOffResetsTheConnection() {
        ScriptChannel();
        DataSrcTeamspeak src;
        src.SetSettings(AllOn());
        QTRY_COMPARE(src.Client()->ChannelClients().size(), 2);
        src.SetSettings(QVariantMap{{"Active", "false"}});
        QCOMPARE(src.Status(), QString("inactive"));
        QVERIFY(!src.Client()->IsConnected());
        QVERIFY(src.Client()->ChannelClients().isEmpty());
        QVERIFY(src.GetEntries().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTeamspeak)
#include "test_teamspeak.moc"
