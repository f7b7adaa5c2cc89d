#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "server/earlysockets.h"
#include "server/lograte.h"
#include "server/websocketud.h"
#include "tests/common/logcapture.h"
#include "tests/server/netfakes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The JSON part of a message: what follows the NUL byte.
QJsonObject JsonOf(const QByteArray& message) {
    const int nul = message.indexOf('\0');
    return QJsonDocument::fromJson(message.mid(nul + 1)).object();
}

} // namespace

class TestNetServer : public QObject {
    Q_OBJECT

    FakeGrids* grids = nullptr;
    FakePairing* pairing = nullptr;
    FakePrograms* programs = nullptr;
    NetServer* server = nullptr;

    // A phone that has connected as the paired, active device "K1".
    FakePhone* ConnectedPhone(const QString& key = QStringLiteral("K1")) {
        pairing->known.insert(key, true);
        auto* phone = new FakePhone(server->TcpPort());
        if (!phone->WaitConnected())
            return nullptr;
        phone->Send(QStringLiteral("Connect?n=Phone&t=%1&d=Desc&v=0.45&hb=4").arg(key));
        // Connected: the tab list follows at the next tick.
        if (phone->WaitFor("Connect?").isEmpty() || phone->WaitFor("Tabs").isEmpty())
            return nullptr;
        return phone;
    }
    WebSocketUD* LastSession() { return server->Sessions().isEmpty() ? nullptr : server->Sessions().last(); }
    // Loopback addresses other than the server's own: 127.0.0.2, 127.0.0.3, ...
    static QHostAddress Host(int i) {
        return QHostAddress(QHostAddress(QStringLiteral("127.0.0.2")).toIPv4Address() + quint32(i));
    }

private slots:
    void init() {
        grids = new FakeGrids;
        pairing = new FakePairing;
        programs = new FakePrograms;
        server = new NetServer;
        pairing->server = server;
        server->SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server->SetGrids(grids);
        server->SetPairing(pairing);
        server->SetPrograms(programs);
        QVERIFY(server->Open());
    }
    void cleanup() {
        delete server;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete grids;
        delete pairing;
        delete programs;
    }

    // Plain messages are split directly; whatever they hold, the result must be the URL reader's.
    void decodesMessagesAsTheUrlReaderDoes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("args");
        QTest::newRow("mouse") << "MM?id=3&type=up&x=10&y=-4"
                               << "MM"
                               << "id=3 type=up x=10 y=-4";
        QTest::newRow("no arguments") << "GetInfo"
                                      << "GetInfo"
                                      << "";
        QTest::newRow("empty query") << "View?"
                                     << "View"
                                     << "";
        QTest::newRow("empty items and keys") << "MM?a&&b=&=c&d=e=f"
                                              << "MM"
                                              << "=c a= b= d=e=f";
        QTest::newRow("repeated key, last wins") << "CM?id=1&id=2"
                                                 << "CM"
                                                 << "id=2";
        QTest::newRow("version dots") << "Connect?n=P&v=0.45&hb=4"
                                      << "Connect"
                                      << "hb=4 n=P v=0.45";
        QTest::newRow("escaped") << "ST?id=2&t=a%2520b"
                                 << "ST"
                                 << "id=2 t=a b";
        QTest::newRow("escaped once") << "CM?id=1&m=%7B%7D"
                                      << "CM"
                                      << "id=1 m={}";
        QTest::newRow("plus stays") << "ST?t=a+b"
                                    << "ST"
                                    << "t=a+b";
        QTest::newRow("empty item") << "MM?a&&b"
                                    << "MM"
                                    << "= a= b=";
        QTest::newRow("trailing separator") << "MM?a=1&"
                                            << "MM"
                                            << "a=1";
        QTest::newRow("separator only") << "MM?&"
                                        << "MM"
                                        << "=";
        QTest::newRow("non-Latin text") << QStringLiteral("ST?t=\u00e9\u4e2d") << "ST" << QStringLiteral("t=\ufffd?");
    }
    void decodesMessagesAsTheUrlReaderDoes() {
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QFETCH(QString, args);
        QString gotKind, urlKind;
        QMap<QString, QString> got, url;
        QCOMPARE(NetServer::DecodeMessage(text, gotKind, got), NetServer::DecodeUrlMessage(text, urlKind, url));
        QCOMPARE(gotKind, urlKind);
        QCOMPARE(got, url);
        QCOMPARE(gotKind, kind);
        QStringList pairs;
        for (auto it = got.constBegin(); it != got.constEnd(); ++it)
            pairs << it.key() + QLatin1Char('=') + it.value();
        QCOMPARE(pairs.join(QLatin1Char(' ')), args);
    }

    // ---- Discovery ----

    void discovery_data() {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("answered");
        QTest::newRow("RSP") << QByteArray("RSP") << true;
        QTest::newRow("RSP NUL tail") << QByteArray("RSP\0xyz", 7) << true;
        QTest::newRow("lower case") << QByteArray("rsp") << false;
        QTest::newRow("trailing blank") << QByteArray("RSP ") << false;
        QTest::newRow("line feed") << QByteArray("RSP\n") << false;
        QTest::newRow("longer") << QByteArray("RSPX") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void discovery() {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, answered);
        QUdpSocket phone;
        QVERIFY(phone.bind(QHostAddress(QHostAddress::LocalHost), 0));
        phone.writeDatagram(datagram, QHostAddress::LocalHost, server->UdpPort());
        // A plain "RSP" afterwards: its answer comes after any answer to the datagram under test.
        phone.writeDatagram(QByteArray("RSP"), QHostAddress::LocalHost, server->UdpPort());
        QList<QByteArray> answers;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     while (phone.hasPendingDatagrams())
                                         answers << phone.receiveDatagram().data();
                                     return !answers.isEmpty() && (!answered || answers.size() >= 2);
                                 }()),
                                 5000);
        QCOMPARE(answers.size(), answered ? 2 : 1);

        QString os = PAL::GetOSName();
        os.replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString expected = QStringLiteral("RCP %1 %2 %3").arg(PAL::GetComputerName(), os, PAL::GetMachineId());
        QCOMPARE(QString::fromUtf8(answers.first()), expected);
        QCOMPARE(answers.first().count(' '), 3); // blanks only between the parts
    }

    void httpRequestsUseServerValues() {
        // GetInfo answers the discovery values; GetRsc reaches the image data manager.
        struct Images : INetImages {
            QByteArray GetRscData(quint64 id, double scale) override {
                return id == 77 ? QByteArray::number(scale) : QByteArray();
            }
        } images;
        server->SetImages(&images);
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server->TcpPort());
        QVERIFY(client.waitForConnected(5000));
        client.write("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\nGET /GetRsc?cs=77&is=2 HTTP/1.1\r\n\r\n");
        QByteArray replies;
        QTRY_VERIFY_WITH_TIMEOUT((replies += client.readAll()).endsWith("0.5"), 5000);
        QString os = PAL::GetOSName();
        os.replace(QLatin1Char(' '), QLatin1Char('_'));
        const QByteArray info =
            "MervexSrv\n" +
            QStringLiteral("%1 %2 %3\n\n").arg(PAL::GetComputerName(), os, PAL::GetMachineId()).toUtf8();
        QVERIFY(replies.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY2(replies.contains("\r\n\r\n" + info + "HTTP/1.1 200 OK"), replies.constData());

        // An upgrade without its key is refused and makes no session.
        QTcpSocket upgrade;
        upgrade.connectToHost(QHostAddress::LocalHost, server->TcpPort());
        QVERIFY(upgrade.waitForConnected(5000));
        upgrade.write("GET / HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(upgrade.state(), QAbstractSocket::UnconnectedState, 5000);
        QVERIFY(server->Sessions().isEmpty());
        server->SetImages(nullptr);
    }

    // A client that half-closes right after its request still gets the whole reply: the reply must not wait
    // in the socket's buffer until the next turn of the event loop, which sees the end of input first.
    void replyReachesAHalfClosedClient_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("bodySize");
        QTest::newRow("GetInfo") << QByteArray("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n") << -1;
        QTest::newRow("GetRsc 200 KB") << QByteArray("GET /GetRsc?cs=78 HTTP/1.1\r\n\r\n") << 200 * 1024;
    }
    void replyReachesAHalfClosedClient() {
        QFETCH(QByteArray, request);
        QFETCH(int, bodySize);
        struct Images : INetImages {
            QByteArray body;
            QByteArray GetRscData(quint64 id, double) override { return id == 78 ? body : QByteArray(); }
        } images;
        images.body.resize(qMax(0, bodySize));
        for (char& c : images.body)
            c = char(QRandomGenerator::global()->bounded(256));
        server->SetImages(&images);

        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(server->TcpPort());
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        QCOMPARE(::send(fd, request.constData(), size_t(request.size()), 0), ssize_t(request.size()));
        QCOMPARE(::shutdown(fd, SHUT_WR), 0);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        QByteArray reply;
        bool ended = false;
        QElapsedTimer clock;
        clock.start();
        while (!ended && clock.elapsed() < 10000) {
            QTest::qWait(5); // the server runs in this thread
            char buffer[65536];
            for (;;) {
                const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
                if (n > 0) {
                    reply.append(buffer, int(n));
                    continue;
                }
                ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
                break;
            }
        }
        ::close(fd);
        server->SetImages(nullptr);
        QVERIFY(ended);
        QVERIFY2(reply.startsWith("HTTP/1.1 200 OK\r\n"), reply.left(200).constData());
        const int split = reply.indexOf("\r\n\r\n");
        QVERIFY(split > 0);
        if (bodySize < 0) {
            QVERIFY(reply.mid(split + 4).startsWith("MervexSrv\n"));
        } else {
            const QRegularExpression length(QStringLiteral("Content-Length: (\\d+)\r\n"));
            const auto match = length.match(QString::fromLatin1(reply.left(split + 2)));
            QVERIFY(match.hasMatch());
            QCOMPARE(reply.size() - split - 4, match.captured(1).toInt());
            QVERIFY(reply.size() - split - 4 > bodySize / 2); // random bytes do not shrink
        }
    }

    // ---- Open and close ----

    // ---- Sockets opened at the program's start ----

    // A program whose ports the environment moves (the tests', the load runs') listens on the loopback address
    // unless an address is named; untouched, it serves the network on every address.
    void endpointsFollowTheEnvironment_data() {
        QTest::addColumn<QByteArray>("tcp");
        QTest::addColumn<QByteArray>("udp");
        QTest::addColumn<QByteArray>("named");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("tcpPort");
        QTest::addColumn<int>("udpPort");
        QTest::addColumn<bool>("ok");
        const int tcpDefault = NetServer::DefaultTcpPort, udpDefault = NetServer::DefaultUdpPort;
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "0.0.0.0" << tcpDefault
                                     << udpDefault << true;
        QTest::newRow("ports only") << QByteArray("0") << QByteArray("0") << QByteArray() << "127.0.0.1" << 0 << 0
                                    << true;
        QTest::newRow("tcp port only") << QByteArray("4711") << QByteArray() << QByteArray() << "127.0.0.1" << 4711
                                       << udpDefault << true;
        QTest::newRow("every address named")
            << QByteArray("0") << QByteArray("0") << QByteArray("0.0.0.0") << "0.0.0.0" << 0 << 0 << true;
        QTest::newRow("address only") << QByteArray() << QByteArray() << QByteArray("::1") << "::1" << tcpDefault
                                      << udpDefault << true;
        QTest::newRow("no address") << QByteArray("0") << QByteArray() << QByteArray("localhorst") << "127.0.0.1" << 0
                                    << udpDefault << false;
    }
    void endpointsFollowTheEnvironment() {
        QFETCH(QByteArray, tcp);
        QFETCH(QByteArray, udp);
        QFETCH(QByteArray, named);
        const char* const names[] = {"MERVEX_TCP_PORT", "MERVEX_UDP_PORT", "MERVEX_SERVER_ADDRESS"};
        const QByteArray values[] = {tcp, udp, named};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i) {
            saved[i] = qgetenv(names[i]);
            values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i]);
        }
        QHostAddress bound;
        quint16 tcpPort = 1, udpPort = 1;
        const bool ok = EarlySockets::Endpoints(bound, tcpPort, udpPort);
        for (int i = 0; i < 3; ++i)
            saved[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
        QTEST(ok, "ok");
        QFETCH(QString, address);
        QCOMPARE(bound, QHostAddress(address));
        QTEST(int(tcpPort), "tcpPort");
        QTEST(int(udpPort), "udpPort");
    }

    // Discovery answers before the server opens; a connection made meanwhile waits and is served once the
    // server has taken the sockets over, which then answers discovery itself.
    void earlySocketsServeUntilTheServerTakesThemOver() {
        const QHostAddress loopback(QHostAddress::LocalHost);
        quint16 tcpPort = 0, udpPort = 0;
        {
            QTcpServer probeTcp;
            QUdpSocket probeUdp;
            QVERIFY(probeTcp.listen(loopback, 0));
            QVERIFY(probeUdp.bind(loopback, 0));
            tcpPort = probeTcp.serverPort();
            udpPort = probeUdp.localPort();
        }
        QVERIFY(EarlySockets::Start(loopback, tcpPort, udpPort, QStringLiteral("host os id")));
        QVERIFY(EarlySockets::IsAnswering());
        QVERIFY(!EarlySockets::Start(loopback, tcpPort, udpPort, QStringLiteral("again")));

        QUdpSocket phone;
        QVERIFY(phone.bind(loopback, 0));
        // The answers to the datagram and to a plain "RSP" sent after it.
        auto ask = [&](const QByteArray& datagram) {
            phone.writeDatagram(datagram, loopback, udpPort);
            phone.writeDatagram(QByteArray("RSP"), loopback, udpPort);
            QList<QByteArray> answers;
            (void)QTest::qWaitFor(
                [&] {
                    while (phone.hasPendingDatagrams())
                        answers << phone.receiveDatagram().data();
                    return !answers.isEmpty();
                },
                5000);
            QTest::qWait(50);
            while (phone.hasPendingDatagrams())
                answers << phone.receiveDatagram().data();
            return answers;
        };
        // Only an exact "RSP" is answered, as the server answers it.
        QCOMPARE(ask("RSP\n"), QList<QByteArray>{"RCP host os id"});
        QCOMPARE(ask(QByteArray("RSP\0x", 5)), (QList<QByteArray>{"RCP host os id", "RCP host os id"}));

        QTcpSocket early;
        early.connectToHost(loopback, tcpPort);
        QVERIFY(early.waitForConnected(5000));
        early.write("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(early.waitForBytesWritten(5000));

        // Other endpoints take nothing over.
        qintptr tcpFd = -1, udpFd = -1;
        QVERIFY(!EarlySockets::Take(loopback, tcpPort, quint16(udpPort + 1), tcpFd, udpFd));
        QCOMPARE(tcpFd, qintptr(-1));
        QVERIFY(EarlySockets::IsAnswering());

        NetServer late;
        late.SetEndpoints(loopback, tcpPort, udpPort);
        QVERIFY(late.Open());
        QVERIFY(!EarlySockets::IsAnswering());
        QCOMPARE(late.TcpPort(), tcpPort);
        QCOMPARE(late.UdpPort(), udpPort);
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((reply += early.readAll()).contains("MervexSrv\n"), 5000);
        QVERIFY(reply.startsWith("HTTP/1.1 200 OK\r\n"));
        const QList<QByteArray> answers = ask("RSP");
        QCOMPARE(answers.size(), 2);
        QVERIFY(answers.first().startsWith("RCP ") && answers.first() != "RCP host os id");
        QVERIFY(!EarlySockets::Take(loopback, tcpPort, udpPort, tcpFd, udpFd));

        // Closed and opened again, the server binds its own sockets as ever.
        late.Close();
        QVERIFY(late.Open());
        QCOMPARE(late.TcpPort(), tcpPort);
        EarlySockets::Stop();
    }

    void earlySocketsNotTakenAreClosed() {
        const QHostAddress loopback(QHostAddress::LocalHost);
        QTcpServer probe;
        QVERIFY(probe.listen(loopback, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        QVERIFY(EarlySockets::Start(loopback, port, 0, QStringLiteral("a b c")));
        QTcpServer other;
        QVERIFY(!other.listen(loopback, port));
        EarlySockets::Stop();
        QVERIFY(!EarlySockets::IsAnswering());
        QVERIFY(other.listen(loopback, port));
        // A port that is taken leaves nothing open.
        QVERIFY(!EarlySockets::Start(loopback, port, 0, QStringLiteral("a b c")));
        QVERIFY(!EarlySockets::IsAnswering());
    }

    void openFailsOnTakenPort() {
        NetServer second;
        second.SetEndpoints(QHostAddress::LocalHost, server->TcpPort(), 0);
        QSignalSpy fail(&second, &NetServer::OpenFail);
        QVERIFY(!second.Open());
        QCOMPARE(fail.count(), 1);
        QVERIFY(!second.IsOpen());
    }

    void closeRemovesSessions() {
        QSignalSpy closed(server, &NetServer::Closed);
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        QCOMPARE(server->Sessions().size(), 1);
        server->Close();
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(phone->socket.state(), QAbstractSocket::UnconnectedState, 5000);
        // Closing again, without sessions, still reports it.
        server->Close();
        QCOMPARE(closed.count(), 2);
    }

    void memoryGoesBackOnceTheLastSessionLeft() {
        std::unique_ptr<FakePhone> first(ConnectedPhone(QStringLiteral("K1")));
        std::unique_ptr<FakePhone> second(ConnectedPhone(QStringLiteral("K2")));
        QVERIFY(first && second);
        first.reset();
        QTRY_COMPARE_WITH_TIMEOUT(server->Sessions().size(), 1, 5000);
        QTest::qWait(NetServer::ReleaseDelayMs + 200);
        QCOMPARE(server->MemoryReleases(), 0);
        second.reset();
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(server->MemoryReleases(), 1, 5000);
        // A session that comes and goes again releases again.
        std::unique_ptr<FakePhone> third(ConnectedPhone(QStringLiteral("K3")));
        QVERIFY(third);
        third.reset();
        QTRY_COMPARE_WITH_TIMEOUT(server->MemoryReleases(), 2, 5000);
    }

    void idleConnectionsAreBounded() {
        // Connections that never upgrade: beyond the bound the oldest are closed.
        const int total = NetServer::MaxPlainConnections + 40;
        QList<QTcpSocket*> clients;
        for (int i = 0; i < total; ++i) {
            auto* c = new QTcpSocket(this);
            c->connectToHost(QHostAddress::LocalHost, server->TcpPort());
            clients << c;
        }
        auto closedCount = [&] {
            int n = 0;
            for (QTcpSocket* c : clients)
                n += c->state() == QAbstractSocket::UnconnectedState ? 1 : 0;
            return n;
        };
        // The server holds no more than its bound, and the oldest went first.
        QTRY_VERIFY_WITH_TIMEOUT(closedCount() >= total - NetServer::MaxPlainConnections - 8, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(server->PlainConnectionCount(), NetServer::MaxPlainConnections, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(clients.last()->state(), QAbstractSocket::ConnectedState, 10000);
        QCOMPARE(clients.first()->state(), QAbstractSocket::UnconnectedState);
        // The newest connection still works as a phone.
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        qDeleteAll(clients);
    }

    // A flood of idle connections must not lock the phone out: the server closes those that sent nothing
    // first, so a phone that was answered keeps its connection and a new GetInfo amid the flood is answered.
    void floodKeepsAnsweringGetInfo() {
        auto open = [this](bool blocking) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | (blocking ? 0 : SOCK_NONBLOCK), 0);
            sockaddr_in address = {};
            address.sin_family = AF_INET;
            address.sin_port = htons(server->TcpPort());
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
            return fd;
        };
        const QByteArray getInfo("GET /GetInfo HTTP/1.1\r\nHost: x\r\n\r\n");
        // Spins the server until the reply is whole (or the connection ends).
        auto reply = [](int fd) {
            QByteArray got;
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 10000 && !got.contains("\r\n\r\nMervexSrv\n")) {
                QTest::qWait(5);
                char buffer[4096];
                const ssize_t n = ::recv(fd, buffer, sizeof(buffer), MSG_DONTWAIT);
                if (n == 0)
                    break;
                if (n > 0)
                    got.append(buffer, int(n));
            }
            return got;
        };

        const int answered = open(true);
        QCOMPARE(::send(answered, getInfo.constData(), size_t(getInfo.size()), 0), ssize_t(getInfo.size()));
        QVERIFY(reply(answered).contains("MervexSrv"));

        QVector<int> flood;
        int phone = -1;
        for (int i = 0; i < 1000; ++i) {
            flood << open(false);
            if (i % 50 == 49)
                QTest::qWait(1);
            if (i == 500) {
                phone = open(true);
                QCOMPARE(::send(phone, getInfo.constData(), size_t(getInfo.size()), 0), ssize_t(getInfo.size()));
            }
        }
        const QByteArray phoneReply = reply(phone);
        QVERIFY2(phoneReply.startsWith("HTTP/1.1 200 OK"), phoneReply.constData());
        QTRY_VERIFY_WITH_TIMEOUT(server->PlainConnectionCount() <= NetServer::MaxPlainConnections, 10000);
        // The phone answered before the flood is still served on its connection.
        QCOMPARE(::send(answered, getInfo.constData(), size_t(getInfo.size()), MSG_NOSIGNAL), ssize_t(getInfo.size()));
        QVERIFY(reply(answered).contains("MervexSrv"));
        for (int fd : flood)
            ::close(fd);
        ::close(phone);
        ::close(answered);
    }

    // ---- Connect ----

    // One host floods the server with malformed requests and broken frames: whichever part of the server
    // writes their lines, the log gets the outsider rate of them only; the first line after some were left out
    // says how many, at the level of the worst; after a quiet second a peer's line is written again.
    void peerFloodIsHeldToTheOutsiderRate() {
        LogCapture log;
        const qint64 leftOutBefore = OutsiderLog::LeftOut();
        QElapsedTimer clock;
        clock.start();
        const int rounds = 150;
        std::vector<std::unique_ptr<QTcpSocket>> plain;
        std::vector<std::unique_ptr<RawPhone>> framed;
        for (int i = 0; i < rounds; ++i) {
            plain.push_back(std::make_unique<QTcpSocket>());
            plain.back()->connectToHost(QHostAddress::LocalHost, server->TcpPort());
            plain.back()->write("BROKEN\r\n\r\n");
            if (i % 3 == 0) {
                framed.push_back(std::make_unique<RawPhone>(Host(0), server->TcpPort()));
                QVERIFY(framed.back()->Upgrade());
                framed.back()->SendFrame(9, QByteArray(126, 'p')); // a control frame may carry 125 bytes
            }
        }
        for (const auto& socket : plain)
            QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::UnconnectedState, 5000);
        for (const auto& phone : framed)
            QTRY_VERIFY_WITH_TIMEOUT(!phone->IsOpen(), 5000);
        const qint64 seconds = clock.elapsed() / 1000 + 1;
        const int lines = log.Lines().size();
        // Ten a second, and one notice a second.
        QVERIFY2(lines <= 11 * (seconds + 1), qPrintable(QStringLiteral("%1 lines in %2 s").arg(lines).arg(seconds)));
        QVERIFY(log.Has(QStringLiteral("inv_header")));
        QVERIFY(OutsiderLog::LeftOut() - leftOutBefore >= rounds);

        QTest::qWait(1100);
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, server->TcpPort());
        late.write("LATE-MARKER\r\n\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(log.Has(QStringLiteral("LATE-MARKER")), 5000);
        const QStringList all = log.Lines();
        const QStringList notices = all.filter(QStringLiteral("NetServer: left out"));
        QVERIFY(!notices.isEmpty());
        QVERIFY2(notices.last().startsWith(QStringLiteral("ERROR ")), qPrintable(notices.last()));
        QVERIFY(all.indexOf(notices.last()) < all.indexOf(all.filter(QStringLiteral("LATE-MARKER")).first()));
    }

    void connectVersionGate_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("passes");
        QTest::newRow("0.4") << "0.4" << true;
        QTest::newRow("0.45") << "0.45" << true;
        QTest::newRow("0.5.2") << "0.5.2" << true;
        QTest::newRow("0.6") << "0.6" << false;
        QTest::newRow("1.0") << "1.0" << false;
        QTest::newRow("0.3") << "0.3" << false;
        QTest::newRow("missing") << "" << false;
        QTest::newRow("one part") << "4" << false;
    }
    void connectVersionGate() {
        QFETCH(QString, version);
        QFETCH(bool, passes);
        pairing->known.insert(QStringLiteral("K1"), true);
        FakePhone phone(server->TcpPort());
        QVERIFY(phone.WaitConnected());
        const QString request = QStringLiteral("Connect?n=P&t=K1&d=D&v=") + version;
        phone.Send(request);
        const QByteArray reply = phone.WaitFor("Connect?");
        QVERIFY(reply.startsWith(request.toLatin1() + '\0'));
        const QJsonObject json = JsonOf(reply);
        if (passes) {
            QCOMPARE(json.value("connected").toBool(), true);
            QCOMPARE(json.value("locale").toString(), QStringLiteral("de"));
            QVERIFY(!json.contains("error"));
        } else {
            QCOMPARE(json, QJsonObject({{"error", "Invalid Version"}}));
            QCOMPARE(pairing->asked, 0);
        }
        QCOMPARE(LastSession()->connected, passes);
    }

    void connectGridHeight_data() {
        QTest::addColumn<QString>("hb");
        QTest::addColumn<double>("height");
        QTest::newRow("zero") << "&hb=0" << 5.0;
        QTest::newRow("missing") << "" << 5.0;
        QTest::newRow("negative") << "&hb=-3" << 5.0;
        QTest::newRow("one") << "&hb=1" << 2.0;
        QTest::newRow("twenty") << "&hb=20" << 12.0;
        QTest::newRow("fraction") << "&hb=7.5" << 7.5;
        QTest::newRow("not a number") << "&hb=abc" << 5.0;
    }
    void connectGridHeight() {
        QFETCH(QString, hb);
        QFETCH(double, height);
        pairing->known.insert(QStringLiteral("K1"), true);
        FakePhone phone(server->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=P&t=K1&v=0.4") + hb);
        QVERIFY(!phone.WaitFor("Connect?").isEmpty());
        QCOMPARE(LastSession()->hb, height);
    }

    void connectPairing_data() {
        QTest::addColumn<bool>("known");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expectedJson");
        QTest::newRow("paired and active") << true << true << false << R"({"connected":true,"locale":"de"})";
        QTest::newRow("deactivated") << true << false << false
                                     << R"({"connected":false,"error":"Not Active","locale":"de"})";
        QTest::newRow("new, accepted") << false << false << true
                                       << R"({"connected":true,"locale":"de","pairsucc":true})";
        QTest::newRow("new, declined") << false << false << false
                                       << R"({"connected":false,"error":"Not Paired","locale":"de","pairsucc":true})";
    }
    void connectPairing() {
        QFETCH(bool, known);
        QFETCH(bool, active);
        QFETCH(bool, accept);
        QFETCH(QString, expectedJson);
        if (known)
            pairing->known.insert(QStringLiteral("K1"), active);
        pairing->accept = accept;
        FakePhone phone(server->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("Connect?n=P&t=K1&d=D&v=0.4"));
        const QByteArray reply = phone.WaitFor("Connect?");
        QVERIFY(!reply.isEmpty());
        // A device that needs the user's answer hears "PairPending" first, as a message of its own.
        const int pendingAt = phone.received.indexOf(QByteArray("PairPending\0", 12));
        QCOMPARE(pendingAt >= 0, !known);
        if (!known)
            QVERIFY(pendingAt < phone.received.indexOf(reply));
        QCOMPARE(reply.mid(reply.indexOf('\0') + 1), expectedJson.toUtf8());
    }

    void replyKeepsTheRawRequest() {
        pairing->known.insert(QStringLiteral("K 1"), true);
        FakePhone phone(server->TcpPort());
        QVERIFY(phone.WaitConnected());
        const QString request = QStringLiteral("Connect?n=My%2520Phone&t=K%25201&v=0.4");
        phone.Send(request);
        const QByteArray reply = phone.WaitFor("Connect?");
        QVERIFY(reply.startsWith(request.toLatin1() + '\0'));
        QCOMPARE(LastSession()->n, QStringLiteral("My Phone"));
        QVERIFY(LastSession()->connected);
    }

    void failedVersionAfterConnectDisconnects() {
        // A connected phone must not keep its connection under a key that was never asked about.
        pairing->known.insert(QStringLiteral("DEACT"), false);
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        WebSocketUD* session = LastSession();
        QVERIFY(session->connected);
        phone->Send(QStringLiteral("Connect?n=P&t=DEACT&v=9.9"));
        QVERIFY(!phone->WaitFor("Connect?n=P&t=DEACT").isEmpty());
        QVERIFY(!session->connected);
        phone->Send(QStringLiteral("View?t=0"));
        phone->Send(QStringLiteral("log?t=x"));
        phone->Send(QStringLiteral("Connect?n=P&t=DEACT&v=0.4"));
        QVERIFY(!phone->WaitFor("Connect?n=P&t=DEACT&v=0.4").isEmpty());
        QVERIFY(!session->connected);
        QCOMPARE(session->viewIndex, -1);
        QCOMPARE(phone->Count("Tabs"), 1); // only from the first, legitimate connection
    }

    void phoneThatLeavesWithdrawsItsQuestion() {
        // The question stays open while the phone repeats Connect; when the phone goes, the question is
        // withdrawn and a late YES pairs nothing.
        pairing->autoAnswer = false;
        auto phone = std::make_unique<FakePhone>(server->TcpPort());
        QVERIFY(phone->WaitConnected());
        phone->Send(QStringLiteral("Connect?n=P&t=NEW&v=0.4"));
        QVERIFY(!phone->WaitFor("PairPending").isEmpty());
        phone->Send(QStringLiteral("Connect?n=P&t=NEW&v=0.4"));
        for (int i = 0; i < 10; ++i)
            FakePhone::Spin();
        QCOMPARE(pairing->asked, 1);
        const quint64 ticket = pairing->open;
        QVERIFY(ticket != 0);
        QVERIFY(!LastSession()->connected);
        phone.reset();
        QTRY_COMPARE_WITH_TIMEOUT(pairing->withdrawn, QList<quint64>{ticket}, 5000);
        QCOMPARE(server->PairingAsked(), quint64(0));
        server->AnswerPairing(ticket, true);
        QVERIFY(!pairing->known.contains(QStringLiteral("NEW")));
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
    }

    void oneQuestionAtATimeAndABoundedQueue() {
        // A burst of new phones, each from a host of its own: one question is shown, a few wait behind it, the
        // rest are refused at once.
        pairing->autoAnswer = false;
        std::vector<std::unique_ptr<RawPhone>> phones;
        const int total = NetServer::MaxPairingWaiting + 4;
        for (int i = 0; i < total; ++i) {
            phones.push_back(std::make_unique<RawPhone>(Host(i), server->TcpPort(), true));
            QVERIFY(phones.back()->Upgrade());
            phones.back()->Send(QStringLiteral("Connect?n=P%1&t=N%1&v=0.4").arg(i));
            // One at a time, so that the server takes them in this order.
            QVERIFY(!phones.back()->WaitFor(i <= NetServer::MaxPairingWaiting ? "PairPending" : "Connect?").isEmpty());
        }
        for (int i = NetServer::MaxPairingWaiting + 1; i < total; ++i) {
            const QByteArray reply = phones[i]->WaitFor("Connect?");
            QCOMPARE(JsonOf(reply).value("error").toString(), QStringLiteral("Not Paired"));
            QCOMPARE(phones[i]->Count("PairPending"), 0);
        }
        QCOMPARE(pairing->asked, 1);
        QCOMPARE(server->PairingWaiting(), NetServer::MaxPairingWaiting + 1);

        // YES to the first: it connects, and only then is the next one asked.
        const quint64 first = pairing->open;
        server->AnswerPairing(first, true);
        QCOMPARE(JsonOf(phones[0]->WaitFor("Connect?")).value("connected").toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(pairing->asked, 2, 5000);
        QVERIFY(pairing->open != first);
        // NO to the second: refused, still told that a question was asked.
        server->AnswerPairing(pairing->open, false);
        QCOMPARE(JsonOf(phones[1]->WaitFor("Connect?")),
                 QJsonObject({{"connected", false}, {"error", "Not Paired"}, {"locale", "de"}, {"pairsucc", true}}));
        QTRY_COMPARE_WITH_TIMEOUT(pairing->asked, 3, 5000);
        // An answer to a question no longer open changes nothing.
        server->AnswerPairing(first, true);
        QCOMPARE(pairing->asked, 3);
        QVERIFY(!pairing->known.contains(QStringLiteral("N1")));
    }

    void oneHostHoldsOnePairingPlace() {
        // A second new device from a host whose question is open or waiting is refused at once; other hosts
        // still queue, and the host gets a place again once its question was answered.
        pairing->autoAnswer = false;
        RawPhone first(Host(0), server->TcpPort(), true), second(Host(0), server->TcpPort(), true);
        RawPhone other(Host(1), server->TcpPort(), true), third(Host(0), server->TcpPort(), true);
        QVERIFY(first.Upgrade() && second.Upgrade() && other.Upgrade() && third.Upgrade());
        first.Send(QStringLiteral("Connect?n=A&t=NA&v=0.4"));
        QVERIFY(!first.WaitFor("PairPending").isEmpty());
        second.Send(QStringLiteral("Connect?n=B&t=NB&v=0.4"));
        QCOMPARE(JsonOf(second.WaitFor("Connect?")).value("error").toString(), QStringLiteral("Not Paired"));
        QCOMPARE(second.Count("PairPending"), 0);
        other.Send(QStringLiteral("Connect?n=C&t=NC&v=0.4"));
        QVERIFY(!other.WaitFor("PairPending").isEmpty());
        QCOMPARE(server->PairingWaiting(), 2);

        server->AnswerPairing(pairing->open, false);
        QVERIFY(!first.WaitFor("Connect?").isEmpty());
        third.Send(QStringLiteral("Connect?n=D&t=ND&v=0.4"));
        QVERIFY(!third.WaitFor("PairPending").isEmpty());
        QCOMPARE(server->PairingWaiting(), 2);
    }

    void silentSessionIsPingedThenClosed_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("answersPings");
        QTest::addColumn<bool>("stays");
        QTest::newRow("upgraded, silent") << "upgraded" << false << false;
        QTest::newRow("waiting for pairing, silent") << "waiting" << false << false;
        QTest::newRow("connected, silent") << "connected" << false << false;
        QTest::newRow("waiting for pairing, answers pings") << "waiting" << true << true;
        QTest::newRow("connected, answers pings") << "connected" << true << true;
    }
    void silentSessionIsPingedThenClosed() {
        // Nothing but the answer to a ping is needed to stay: an idle phone stays, a silent peer goes with its
        // pairing place.
        QFETCH(QString, state);
        QFETCH(bool, answersPings);
        QFETCH(bool, stays);
        const int heartbeat = 800;
        server->SetHeartbeatMs(heartbeat);
        pairing->autoAnswer = false;
        pairing->known.insert(QStringLiteral("PAIRED"), true);
        RawPhone phone(Host(0), server->TcpPort(), answersPings);
        QVERIFY(phone.Upgrade());
        if (state == QLatin1String("waiting")) {
            phone.Send(QStringLiteral("Connect?n=P&t=NEW&v=0.4"));
            QVERIFY(!phone.WaitFor("PairPending").isEmpty());
            QVERIFY(pairing->open != 0);
        } else if (state == QLatin1String("connected")) {
            phone.Send(QStringLiteral("Connect?n=P&t=PAIRED&v=0.4"));
            QCOMPARE(JsonOf(phone.WaitFor("Connect?")).value("connected").toBool(), true);
        }
        const quint64 ticket = pairing->open;
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(phone.pings >= 1, 5000);
        if (stays) {
            QTest::qWait(3 * heartbeat);
            QVERIFY(phone.IsOpen());
            QVERIFY(phone.pings >= 3);
            QCOMPARE(server->Sessions().size(), 1);
            QCOMPARE(pairing->withdrawn.size(), 0);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!phone.IsOpen(), 5000);
        QVERIFY2(clock.elapsed() >= heartbeat / 2 - 150, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
        if (ticket)
            QCOMPARE(pairing->withdrawn, QList<quint64>{ticket});
    }

    void heldEventLoopIsNobodysSilence() {
        // The program's thread held up for longer than the heartbeat (a long import): the phone's answers wait
        // unread meanwhile, so nobody is taken for silent when the loop runs again.
        const int heartbeat = 600;
        server->SetHeartbeatMs(heartbeat);
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        QTest::qWait(heartbeat);
        QThread::msleep(2 * heartbeat);
        QTest::qWait(2 * heartbeat);
        QCOMPARE(phone->socket.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(server->Sessions().size(), 1);
        QVERIFY(LastSession()->connected && !LastSession()->closed);
    }

    void repairingServesNothingUntilDecided() {
        // A connected phone asks to pair under a new key: while the question is open nothing reaches the
        // controls, and a declined answer leaves it disconnected.
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone(QStringLiteral("A")));
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        FakeCtrlView* ctrl = grids->gridViews.value(0)->ctrls.at(0);
        pairing->autoAnswer = false;
        phone->Send(QStringLiteral("Connect?n=P&t=OTHER&v=0.4"));
        QVERIFY(!phone->WaitFor("PairPending").isEmpty());
        phone->Send(QStringLiteral("CM?id=100&m=sneaky"));
        for (int i = 0; i < 30; ++i)
            FakePhone::Spin();
        QVERIFY(ctrl->messages.isEmpty());
        server->AnswerPairing(pairing->open, false);
        const QByteArray reply = phone->WaitFor("Connect?n=P&t=OTHER");
        QCOMPARE(JsonOf(reply).value("connected").toBool(), false);
        QVERIFY(!LastSession()->connected);
    }

    void waitingSessionsAreBounded() {
        // Phones that upgrade but never connect: beyond the bound the oldest are closed.
        std::vector<std::unique_ptr<FakePhone>> phones;
        const int total = NetServer::MaxUnconnectedSessions + 6;
        for (int i = 0; i < total; ++i) {
            phones.push_back(std::make_unique<FakePhone>(server->TcpPort()));
            QVERIFY(phones.back()->WaitConnected());
        }
        int open = 0;
        for (const WebSocketUD* session : server->Sessions())
            open += session->closed ? 0 : 1;
        QCOMPARE(open, NetServer::MaxUnconnectedSessions);
        QTRY_COMPARE_WITH_TIMEOUT(phones.front()->socket.state(), QAbstractSocket::UnconnectedState, 5000);
        QCOMPARE(phones.back()->socket.state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE_WITH_TIMEOUT(server->Sessions().size(), NetServer::MaxUnconnectedSessions, 5000);
    }

    void dropSessionsLeavesOtherDevices() {
        std::unique_ptr<FakePhone> a(ConnectedPhone(QStringLiteral("A")));
        std::unique_ptr<FakePhone> b(ConnectedPhone(QStringLiteral("B")));
        QVERIFY(a && b);
        QVERIFY(server->IsDeviceConnected(QStringLiteral("A")));
        server->DropSessions(QStringLiteral("A"));
        QVERIFY(server->IsDeviceConnected(QStringLiteral("A"))); // until the next tick
        QTRY_VERIFY_WITH_TIMEOUT(!server->IsDeviceConnected(QStringLiteral("A")), 5000);
        QVERIFY(server->IsDeviceConnected(QStringLiteral("B")));
        QTRY_COMPARE_WITH_TIMEOUT(a->socket.state(), QAbstractSocket::UnconnectedState, 5000);
        QCOMPARE(b->socket.state(), QAbstractSocket::ConnectedState);
    }

    void messagesBeforeConnectAreIgnored() {
        grids->AddGrid(QStringLiteral("G0"));
        FakePhone phone(server->TcpPort());
        QVERIFY(phone.WaitConnected());
        phone.Send(QStringLiteral("View?t=0"));
        phone.Send(QStringLiteral("CM?id=100&m=x"));
        pairing->known.insert(QStringLiteral("K1"), true);
        phone.Send(QStringLiteral("Connect?n=P&t=K1&v=0.4"));
        QVERIFY(!phone.WaitFor("Connect?").isEmpty());
        QCOMPARE(LastSession()->viewIndex, -1);
        QVERIFY(grids->gridViews.isEmpty());
    }

    void malformedMessages_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("not a URL") << QStringLiteral("http://[::1");
        QTest::newRow("binary junk") << QString::fromLatin1("\x01\xff%%%\x7f");
        QTest::newRow("unknown kind") << QStringLiteral("Format?c=all");
        QTest::newRow("leading slash") << QStringLiteral("/View?t=1");
        QTest::newRow("view too far") << QStringLiteral("View?t=48");
        QTest::newRow("view negative") << QStringLiteral("View?t=-1");
    }
    void malformedMessages() {
        QFETCH(QString, text);
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        const int before = phone->received.size();
        phone->Send(text);
        phone->Send(QStringLiteral("Connect?n=P&t=K1&v=0.4&marker=1"));
        QVERIFY(!phone->WaitFor("Connect?n=P&t=K1&v=0.4&marker=1").isEmpty());
        // Only the marker's reply (and, with a tick in between, maybe the tab list) came back.
        for (int i = before; i < phone->received.size(); ++i)
            QVERIFY(phone->received.at(i).startsWith("Connect?") || phone->received.at(i).startsWith("Tabs"));
        QCOMPARE(LastSession()->viewIndex, -1);
        QVERIFY(LastSession()->connected);
    }

    // ---- Control messages ----

    void controlMessagesReachTheirControls() {
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        FakeView* view = grids->gridViews.value(0);
        QVERIFY(view);
        FakeCtrlView* ctrl = view->ctrls.at(1);                      // id 101
        FakeCtrlView* popup = grids->overlays.value(0)->ctrls.at(0); // id 900

        phone->Send(QStringLiteral("CM?id=101&m=%257B%2522a%2522%253A1%257D"));
        phone->Send(QStringLiteral("MM?id=101&x=3&y=-4&type=dn"));
        phone->Send(QStringLiteral("CM?id=900&m=popup"));
        phone->Send(QStringLiteral("ST?id=102&t=p%2526w"));
        QTRY_COMPARE_WITH_TIMEOUT(view->ctrls.at(2)->texts, QStringList{QStringLiteral("p&w")}, 5000);
        QCOMPARE(ctrl->messages, QStringList{QStringLiteral("{\"a\":1}")});
        QCOMPARE(ctrl->mouse, QStringList{QStringLiteral("dn 3 -4")});
        QCOMPARE(popup->messages, QStringList{QStringLiteral("popup")});
        QVERIFY(view->ctrls.at(0)->messages.isEmpty());
    }

    // A whole scripted session at the most verbose level: the pairing key, typed text and whatever a phone
    // sends before it is connected never reach the log; lines of unconnected peers are few per second.
    void secretsNeverReachTheLog() {
        grids->AddGrid(QStringLiteral("G0"));
        LogCapture dest;
        const QString key = QStringLiteral("PairKey-7f3a9c");

        // Before pairing: a flood of messages and datagrams with secrets in them.
        std::unique_ptr<FakePhone> stranger(new FakePhone(server->TcpPort()));
        QVERIFY(stranger->WaitConnected());
        for (int i = 0; i < 200; ++i)
            stranger->Send(QStringLiteral("CM?id=1&m=Str4ngerSecret%1").arg(i));
        stranger->socket.sendBinaryMessage(QByteArray("BinSecret-42"));
        QUdpSocket udp;
        for (int i = 0; i < 50; ++i)
            udp.writeDatagram(QByteArray("UdpSecret-99"), QHostAddress::LocalHost, server->UdpPort());

        std::unique_ptr<FakePhone> phone(ConnectedPhone(key));
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        phone->Send(QStringLiteral("ST?id=100&t=Sw0rdfish"));
        phone->Send(QStringLiteral("CM?id=100&m=Cm-Secret-5"));
        phone->Send(QStringLiteral("log?t=hello%2520there"));
        QTRY_COMPARE_WITH_TIMEOUT(grids->gridViews.value(0)->ctrls.at(0)->texts.size(), 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(dest.All().contains(QLatin1String("ClientLog: \"hello there\"")), 5000);
        FakePhone::Spin();
        dest.Stop();

        QVERIFY(!dest.Lines().isEmpty());
        for (const QString& line : dest.Lines())
            for (const char* secret :
                 {"PairKey-7f3a9c", "Sw0rdfish", "Cm-Secret-5", "Str4ngerSecret", "BinSecret", "UdpSecret"})
                QVERIFY2(!line.contains(QLatin1String(secret)), qPrintable(line));
        // Typed text by its length; the 200 messages and 50 datagrams of the stranger by a few lines.
        QVERIFY(dest.All().contains(QLatin1String("\"ST\" id 100 of 21 characters")));
        QVERIFY2(dest.Lines().filter(QStringLiteral("OnWSSockRcvS")).size() < 40, qPrintable(dest.All()));
        QVERIFY(dest.Lines().filter(QStringLiteral("UDP:")).size() < 20);
    }

    // ---- Session update ----

    void tabsListFoundGridsWithUnverifiedCount() {
        grids->AddGrid(QStringLiteral("A"), false);
        grids->tabs << QStringLiteral("Set:Gone"); // its grid no longer exists
        grids->AddGrid(QStringLiteral("B"), true);
        grids->AddGrid(QStringLiteral("C"), false);
        grids->grids[QStringLiteral("Set:C")].background = QStringLiteral("bg.png");
        std::unique_ptr<FakePhone> phone(ConnectedPhone()); // hb=4
        QVERIFY(phone);
        const QByteArray tabs = phone->WaitFor("Tabs");
        QVERIFY(tabs.startsWith(QByteArray("Tabs\0", 5)));
        const QJsonObject json = JsonOf(tabs);
        QCOMPARE(json.value("tbg").toInt(), 11);
        QCOMPARE(json.value("tao").toInt(), 12);
        const QJsonArray list = json.value("t").toArray();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(0).toObject(), QJsonObject({{"t", "A"}, {"n", "Set:A"}, {"iN", 14}, {"iA", 15}, {"ci", 0}}));
        QCOMPARE(list.at(1).toObject().value("ci").toInt(), -1);
        QCOMPARE(list.at(2).toObject().value("ci").toInt(), 1);
        QCOMPARE(list.at(2).toObject().value("gbg").toInt(), 13);
        QCOMPARE(grids->deckRequests, QStringList{QStringLiteral("bg.png 640x640")});
    }

    void viewPushesDifferences() {
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        WebSocketUD* session = LastSession();
        phone->Send(QStringLiteral("View?t=0"));
        const QByteArray first = phone->WaitFor("View?t=0");
        QCOMPARE(JsonOf(first),
                 QJsonObject(
                     {{"100", QJsonObject{{"v", 0}}}, {"101", QJsonObject{{"v", 0}}}, {"102", QJsonObject{{"v", 0}}}}));
        FakeView* view = grids->gridViews.value(0);
        QCOMPARE(view->height, 4.0);
        QCOMPARE(view->sessionId, session->sessionId);
        QCOMPARE(view->client.value("Token").toString(), QStringLiteral("K1"));
        QCOMPARE(view->grid.key, QStringLiteral("Set:G0"));

        // Nothing changed: nothing is built or sent.
        QVERIFY(!server->PushView(session, view, 0));

        // One control changes; every control is listed, the unchanged ones empty; "ld" is never kept.
        FakeCtrlView* ctrl = view->ctrls.at(1);
        ctrl->Set(QStringLiteral("v"), 7);
        ctrl->Set(QStringLiteral("ld"), QVariantList{5});
        ctrl->script = QStringLiteral("function(){}");
        const int before = phone->received.size();
        const int builtBefore[] = {view->ctrls.at(0)->builds, ctrl->builds, view->ctrls.at(2)->builds};
        phone->Send(QStringLiteral("CM?id=101&m=go"));
        const QByteArray second = phone->WaitFor("View?t=0", before);
        // Only the changed control's record was built.
        QCOMPARE(view->ctrls.at(0)->builds, builtBefore[0]);
        QCOMPARE(ctrl->builds, builtBefore[1] + 1);
        QCOMPARE(view->ctrls.at(2)->builds, builtBefore[2]);
        QCOMPARE(JsonOf(second), QJsonObject({{"100", QJsonObject{}},
                                              {"101", QJsonObject{{"v", 7}, {"ld", QJsonArray{5}}}},
                                              {"102", QJsonObject{}},
                                              {"s", QJsonObject{{"function f101", "function(){}"}}}}));
        QCOMPARE(view->kept.value("101").toMap(), QVariantMap({{"v", 7}}));

        // The script source went out once; the ld entry goes out again as it is not kept.
        ctrl->changed = true;
        const int beforeThird = phone->received.size();
        QVERIFY(server->PushView(session, view, 0));
        const QByteArray third = phone->WaitFor("View?t=0", beforeThird);
        QCOMPARE(JsonOf(third).value("101").toObject(), QJsonObject({{"ld", QJsonArray{5}}}));
        QVERIFY(!JsonOf(third).contains("s"));
    }

    void viewBeyondTabsIsEmptyDeck() {
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=5"));
        QTRY_COMPARE_WITH_TIMEOUT(grids->gridViews.size(), 1, 5000);
        FakeView* view = grids->gridViews.value(0);
        QVERIFY(view->deck);
        QVERIFY(view->ctrls.isEmpty());
        QVERIFY(!view->grid.IsFound());
        QCOMPARE(phone->Count("View?"), 0);
    }

    void resetRebuildsAndResendsTabs() {
        grids->AddGrid(QStringLiteral("G0"));
        grids->AddGrid(QStringLiteral("G1"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        QCOMPARE(phone->Count("Tabs"), 1);

        phone->Send(QStringLiteral("View?t=1&r=1"));
        QVERIFY(!phone->WaitFor("View?t=1").isEmpty());
        QCOMPARE(phone->Count("Tabs"), 2);
        QTRY_VERIFY_WITH_TIMEOUT(grids->gridViews.at(0).isNull(), 5000); // deleted later
        QTRY_VERIFY_WITH_TIMEOUT(grids->overlays.at(0).isNull(), 5000);

        // A change in the grid editor resets the views too; the current one is rebuilt in full.
        const int before = phone->received.size();
        grids->editorChanges = 5;
        const QByteArray full = phone->WaitFor("View?t=1", before);
        QCOMPARE(JsonOf(full).size(), 3);
        QCOMPARE(phone->Count("Tabs"), 3);
        QCOMPARE(LastSession()->editorChangeSeen, 5);

        // A grid script resets its session's views by id; 0 and unknown ids change nothing.
        const int views = grids->gridViews.size();
        server->ClientReset(0);
        server->ClientReset(LastSession()->sessionId + 1);
        QVERIFY(!LastSession()->tabsDirty);
        server->ClientReset(LastSession()->sessionId);
        QTRY_COMPARE_WITH_TIMEOUT(grids->gridViews.size(), views + 1, 5000);
    }

    void overlayShownReplacesView() {
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        FakeView* overlay = grids->overlays.value(0);
        overlay->showing = true;
        overlay->ctrls.at(0)->Set(QStringLiteral("msg"), QStringLiteral("Hello"));
        grids->gridViews.value(0)->ctrls.at(0)->Set(QStringLiteral("v"), 1);
        const QByteArray pushed = phone->WaitFor("View?t=-1");
        QCOMPARE(JsonOf(pushed).value("900").toObject().value("msg").toString(), QStringLiteral("Hello"));
        QCOMPARE(phone->Count("View?t=0"), 1);
        QVERIFY(LastSession()->overlayShown);
    }

    void programStartSwitchesView() {
        grids->AddGrid(QStringLiteral("G0"));
        grids->AddGrid(QStringLiteral("G1"));
        grids->AddGrid(QStringLiteral("G2"));
        grids->grids[QStringLiteral("Set:G1")].exe[1] = QStringLiteral("/opt/Player/player");
        grids->grids[QStringLiteral("Set:G2")].exe[0] = QStringLiteral("/usr/bin/editor");
        // Running before the phone chose a view: new at the first update with a view.
        programs->running = QStringList{QStringLiteral("/usr/bin/shell"), QStringLiteral("/opt/player/PLAYER")};
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor(QByteArray("ChangeView?t=1\0", 15)).isEmpty());
        QCOMPARE(LastSession()->viewIndex, 1);
        QVERIFY(!phone->WaitFor("View?t=1").isEmpty());

        // Two grids' programs start in the same tick: the first in tab order wins, and only once.
        programs->running << QStringLiteral("/usr/bin/editor") << QStringLiteral("/opt/Player/player2");
        grids->grids[QStringLiteral("Set:G0")].exe[2] = QStringLiteral("/opt/Player/player2");
        QVERIFY(!phone->WaitFor(QByteArray("ChangeView?t=0\0", 15)).isEmpty());
        for (int i = 0; i < 5; ++i)
            server->OnUpdate();
        QCOMPARE(phone->Count("ChangeView?"), 2);
    }

    void sessionSurvivesTicksDuringItsUpdate() {
        // A control's update check opens a nested loop (a script's dialog) in which the phone goes away
        // and ticks run: the session being updated stays until its update returns.
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        WebSocketUD* session = LastSession();
        bool survived = true;
        int nested = 0;
        grids->gridViews.value(0)->ctrls.at(0)->onCheck = [&] {
            if (nested++ > 0)
                return;
            phone->socket.abort();
            for (int i = 0; i < 500 && !session->closed; ++i)
                FakePhone::Spin();
            for (int i = 0; i < 5; ++i) {
                server->OnUpdate();
                survived = survived && server->Sessions().contains(session);
            }
        };
        QTRY_VERIFY_WITH_TIMEOUT(nested > 0, 5000);
        QVERIFY(survived);
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
    }

    void closedSessionWaitsForHandler() {
        grids->AddGrid(QStringLiteral("G0"));
        std::unique_ptr<FakePhone> phone(ConnectedPhone());
        QVERIFY(phone);
        phone->Send(QStringLiteral("View?t=0"));
        QVERIFY(!phone->WaitFor("View?t=0").isEmpty());
        // A control's handler runs a nested loop in which the phone goes away.
        bool survived = true;
        grids->gridViews.value(0)->ctrls.at(0)->onMessage = [&](const QString&) {
            phone->socket.abort();
            for (int i = 0; i < 500 && !LastSession()->closed; ++i)
                FakePhone::Spin();
            survived = LastSession()->closed;
            for (int i = 0; i < 5; ++i) {
                FakePhone::Spin();
                server->OnUpdate();
                survived = survived && server->Sessions().size() == 1;
            }
        };
        phone->Send(QStringLiteral("CM?id=100&m=x"));
        QTRY_VERIFY_WITH_TIMEOUT(server->Sessions().isEmpty(), 5000);
        QVERIFY(survived);
    }
};

QTEST_GUILESS_MAIN(TestNetServer)
#include "test_netserver.moc"
