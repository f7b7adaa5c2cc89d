#include "tests/server/testserver.h"

#include <QProcess>
#include <QSignalSpy>
#include <QWebSocket>
#include <QtEndian>
#include <QtTest>
#include <memory>
#include <vector>

namespace {
// A masked client frame.
QByteArray ClientFrame(int opcode, const QByteArray& payload, bool fin = true) {
    const QByteArray key("\x11\x22\x33\x44", 4);
    return QWsSocket::composeHeader(fin, opcode, quint64(payload.size()), key) + QWsSocket::mask(payload, key);
}

// A raw client: does the upgrade itself and reads the server's frames with a client-side parser.
struct RawClient {
    QTcpSocket socket;
    WsFrameParser parser;
    QList<WsEvent> events;
    bool closed = false;

    RawClient() { parser.setRejectMasked(true); }

    bool upgrade(quint16 port, const QByteArray& extraHeaders = QByteArray()) {
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(5000))
            return false;
        socket.write("GET /ws HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                     "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n" +
                     extraHeaders + "\r\n");
        QByteArray head;
        QDeadlineTimer deadline(10000);
        while (!head.endsWith("\r\n\r\n") && !deadline.hasExpired()) {
            if (!socket.bytesAvailable()) {
                QTest::qWait(2); // the server runs in this thread's event loop
                continue;
            }
            head += socket.read(1);
        }
        return head.startsWith("HTTP/1.1 101 ");
    }
    // Waits for the next event from the server (None on time-out).
    WsEvent next(int ms = 10000) {
        QDeadlineTimer deadline(ms);
        for (;;) {
            WsEvent ev = parser.next();
            if (ev.kind != WsEvent::None)
                return ev;
            if (deadline.hasExpired())
                return ev;
            if (socket.bytesAvailable())
                parser.append(socket.read(qMin(socket.bytesAvailable(), parser.room())));
            else if (socket.state() != QAbstractSocket::ConnectedState)
                return ev;
            else
                QTest::qWait(2);
        }
    }
};

QByteArray Be64(quint64 v) {
    QByteArray b(8, 0);
    qToBigEndian(v, b.data());
    return b;
}

// Runs a client process from the repository's fixtures and returns its exit code; output goes to the log.
int RunClient(const QString& program, const QStringList& args, QByteArray* out,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    QSignalSpy done(&p, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    if (!done.wait(60000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    *out = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}
} // namespace

class TestQWsSocket : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }

    // Independent client implementations against the real reader, handshake and framing.
    void outsideClients_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("script");
        QTest::newRow("python3-websockets") << "/usr/bin/python3"
                                            << "ws_client_websockets.py";
        QTest::newRow("node ws") << "/usr/bin/node"
                                 << "ws_client_node.js";
        QTest::newRow("deflate-frame raw") << "/usr/bin/python3"
                                           << "ws_client_deflate.py";
    }
    void outsideClients() {
        QFETCH(QString, program);
        QFETCH(QString, script);
        if (!QFile::exists(program))
            QSKIP("client runtime not installed");
        TestServer server;
        QVERIFY(server.listen());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NODE_PATH", "/usr/share/nodejs");
        QByteArray out;
        const int rc = RunClient(
            program, {QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/") + script, QString::number(server.port())},
            &out, env);
        QVERIFY2(rc == 0 && out.contains("ALL OK"), out.constData());
    }

    void qtWebSocketClient() {
        TestServer server;
        QVERIFY(server.listen());
        QWebSocket client;
        QList<QByteArray> got;
        QList<QByteArray> pongs;
        connect(&client, &QWebSocket::binaryMessageReceived, this, [&](const QByteArray& m) { got << m; });
        connect(&client, &QWebSocket::pong, this, [&](quint64, const QByteArray& p) { pongs << p; });
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(server.port())));
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::ConnectedState, 10000);

        client.setOutgoingFrameSize(1000); // Qt fragments the long messages itself
        const QString longText(70000, QLatin1Char('t'));
        client.sendTextMessage(QStringLiteral("hi"));
        client.sendBinaryMessage(PatternBytes(126));
        client.sendTextMessage(longText);
        client.sendTextMessage(QStringLiteral("send:65536"));
        client.ping("qt-ping");
        client.sendTextMessage(QStringLiteral("ping"));
        QTRY_COMPARE_WITH_TIMEOUT(got.size(), 5, 10000);
        QCOMPARE(got[0], QByteArray("T:hi"));
        QCOMPARE(got[1], "B:" + PatternBytes(126));
        QCOMPARE(got[2], "T:" + longText.toLatin1());
        QCOMPARE(got[3], PatternBytes(65536));
        QCOMPARE(got[4], QByteArray("pong"));
        QTRY_COMPARE_WITH_TIMEOUT(pongs, QList<QByteArray>{"qt-ping"}, 10000);

        client.close(QWebSocketProtocol::CloseCodeNormal);
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QAbstractSocket::UnconnectedState, 10000);
        QCOMPARE(client.closeCode(), QWebSocketProtocol::CloseCodeNormal);
    }

    void handshake_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("expect");
        const QByteArray base = "GET /chat HTTP/1.1\r\nHost: server.example.com\r\nUpgrade: websocket\r\n"
                                "Connection: Upgrade\r\nSec-WebSocket-Version: 13\r\n";
        QTest::newRow("RFC sample key") << base + "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n"
                                        << QByteArray("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n"
                                                      "Connection: Upgrade\r\n"
                                                      "Sec-WebSocket-Accept: s3pPLMBiTxaQ9kYGzzhZRbK+xOo=\r\n\r\n");
        QTest::newRow("x-webkit-deflate-frame offered")
            << base + "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Extensions: "
                      "x-webkit-deflate-frame\r\n\r\n"
            << QByteArray("Sec-WebSocket-Extensions: deflate-frame\r\nSec-WebSocket-Accept:");
        QTest::newRow("permessage-deflate alone")
            << base +
                   "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Extensions: permessage-deflate\r\n\r\n"
            << QByteArray("Connection: Upgrade\r\nSec-WebSocket-Accept:");
        QTest::newRow("key header in lower case refused")
            << base + "sec-websocket-key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n"
            << QByteArray();
        QTest::newRow("Upgrade: WebSocket is a plain GET")
            << QByteArray("GET /GetInfo HTTP/1.1\r\nUpgrade: WebSocket\r\nSec-WebSocket-Key: a\r\n\r\n")
            << QByteArray("HTTP/1.1 200 OK\r\n");
    }
    void handshake() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, expect);
        TestServer server;
        QVERIFY(server.listen());
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s.waitForConnected(5000));
        s.write(request);
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT(
            (reply += s.readAll()).contains("\r\n\r\n") || s.state() == QAbstractSocket::UnconnectedState, 10000);
        if (expect.isEmpty()) {
            QVERIFY(reply.isEmpty());
            QTRY_COMPARE_WITH_TIMEOUT(s.state(), QAbstractSocket::UnconnectedState, 10000);
            QCOMPARE(server.upgradesRefused, 1);
        } else {
            QVERIFY2(reply.contains(expect), reply.constData());
        }
    }

    // Each broken frame gets a close frame with the matching status and the connection ends, while
    // another session on the same server goes on.
    void badFramesCloseOnlyTheirConnection_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        const QByteArray key("\x01\x02\x03\x04", 4);
        QTest::newRow("length 2^63") << QByteArray("\x82\xff", 2) + Be64(Q_UINT64_C(1) << 63) + key << 1002;
        QTest::newRow("length 2^63-1") << QByteArray("\x82\xff", 2) + Be64(~(Q_UINT64_C(1) << 63)) + key << 1009;
        QTest::newRow("length 1 MiB + 1, header only") << QByteArray("\x82\xff", 2) + Be64((1 << 20) + 1) + key << 1009;
        QTest::newRow("fragments over 1 MiB")
            << ClientFrame(2, QByteArray(600000, 'x'), false) + ClientFrame(0, QByteArray(600000, 'y')) << 1009;
        QTest::newRow("ping of 126 bytes") << ClientFrame(9, QByteArray(126, 'p')) << 1002;
        QTest::newRow("close with one byte") << ClientFrame(8, "x") << 1002;
    }
    void badFramesCloseOnlyTheirConnection() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        TestServer server;
        QVERIFY(server.listen());
        RawClient good, bad;
        QVERIFY(good.upgrade(server.port()));
        QVERIFY(bad.upgrade(server.port()));
        bad.socket.write(bytes);
        const WsEvent ev = bad.next();
        QCOMPARE(int(ev.kind), int(WsEvent::Close));
        QCOMPARE(int(ev.code), code);
        QTRY_COMPARE_WITH_TIMEOUT(bad.socket.state(), QAbstractSocket::UnconnectedState, 10000);

        good.socket.write(ClientFrame(1, "still here"));
        const WsEvent echo = good.next();
        QCOMPARE(int(echo.kind), int(WsEvent::Binary));
        QCOMPARE(echo.data, QByteArray("T:still here"));
    }

    // What a phone may send besides strict RFC 6455 keeps its session: unmasked frames are read, the
    // reserved bits ignored, reserved opcodes read and dropped.
    void lenientFramesKeepTheSession_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("replies"); // binary messages before the reply to "still here"
        const QByteArray key("\x01\x02\x03\x04", 4);
        QTest::newRow("unmasked") << QByteArray("\x81\x02hi", 4) << QByteArrayList{"T:hi"};
        QTest::newRow("RSV1 without deflate-frame")
            << QByteArray("\xc1\x82", 2) + key + QWsSocket::mask("ok", key) << QByteArrayList{"T:ok"};
        QTest::newRow("RSV2 and RSV3") << QByteArray("\xa1\x80", 2) + key + QByteArray("\x91\x80", 2) + key
                                       << QByteArrayList{"T:", "T:"};
        QTest::newRow("opcode 3") << ClientFrame(3, "x") << QByteArrayList{};
        QTest::newRow("opcode 11") << ClientFrame(11, "x") << QByteArrayList{};
        QTest::newRow("continuation first") << ClientFrame(0, "x") << QByteArrayList{};
        QTest::newRow("text inside a fragmented text")
            << ClientFrame(1, "a", false) + ClientFrame(1, "b") << QByteArrayList{"T:ab"};
    }
    void lenientFramesKeepTheSession() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, replies);
        TestServer server;
        QVERIFY(server.listen());
        RawClient client;
        QVERIFY(client.upgrade(server.port()));
        client.socket.write(bytes + ClientFrame(1, "still here"));
        QByteArrayList got;
        for (;;) {
            const WsEvent ev = client.next();
            QCOMPARE(int(ev.kind), int(WsEvent::Binary)); // no close, no time-out
            if (ev.data == "T:still here")
                break;
            got << ev.data;
        }
        QCOMPARE(got, replies);
        QCOMPARE(client.socket.state(), QAbstractSocket::ConnectedState);
    }

    // Many sessions whose frames arrive interleaved in small pieces each get exactly their own messages.
    void manySessionsInterleaved() {
        TestServer server;
        QVERIFY(server.listen());
        const int count = 60;
        std::vector<std::unique_ptr<RawClient>> clients;
        QList<QByteArray> streams;
        for (int i = 0; i < count; ++i) {
            clients.emplace_back(new RawClient);
            QVERIFY(clients.back()->upgrade(server.port()));
            QByteArray stream;
            for (int m = 0; m < 3; ++m)
                stream +=
                    ClientFrame(1, QByteArray::number(i) + "/" + QByteArray::number(m) + QByteArray(200 * m, '.'));
            streams << stream;
        }
        for (int pos = 0; pos < 1000; pos += 7) {
            for (int i = 0; i < count; ++i) {
                if (pos < streams[i].size())
                    clients[i]->socket.write(streams[i].mid(pos, 7));
            }
            QCoreApplication::processEvents();
        }
        for (int i = 0; i < count; ++i) {
            for (int m = 0; m < 3; ++m) {
                const WsEvent ev = clients[i]->next();
                QCOMPARE(ev.data,
                         "T:" + QByteArray::number(i) + "/" + QByteArray::number(m) + QByteArray(200 * m, '.'));
            }
        }
    }

    // A frame that trickles in one byte per segment is delivered once, whole.
    void frameInSingleBytes() {
        TestServer server;
        QVERIFY(server.listen());
        RawClient c;
        QVERIFY(c.upgrade(server.port()));
        const QByteArray frame = ClientFrame(1, QByteArray("x").repeated(130)); // 2-byte length form
        for (char b : frame) {
            c.socket.write(&b, 1);
            c.socket.flush();
            QTest::qWait(1);
        }
        const WsEvent ev = c.next();
        QCOMPARE(ev.data, "T:" + QByteArray("x").repeated(130));
        QCOMPARE(server.textsReceived.size(), 1);
    }

    // Frames sent right behind the upgrade request, in the same segment, are not lost.
    void framesRightBehindTheRequest() {
        TestServer server;
        QVERIFY(server.listen());
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s.waitForConnected(5000));
        s.write("GET / HTTP/1.1\r\nUpgrade: websocket\r\nSec-WebSocket-Key: abc\r\n\r\n" + ClientFrame(1, "early"));
        QTRY_COMPARE_WITH_TIMEOUT(server.textsReceived, QStringList{"early"}, 10000);
    }

    // Messages sent in one turn of the event loop are handed to the socket together at the end of the turn, in
    // order; a close or the socket's end right behind them still sends them first.
    void messagesOfOneTurnGoOutTogether_data() {
        QTest::addColumn<QString>("then");
        QTest::newRow("turn ends") << "turn";
        QTest::newRow("close") << "close";
        QTest::newRow("deleted") << "delete";
    }
    void messagesOfOneTurnGoOutTogether() {
        QFETCH(QString, then);
        TestServer server;
        QVERIFY(server.listen());
        RawClient c;
        QVERIFY(c.upgrade(server.port()));
        QTRY_COMPARE_WITH_TIMEOUT(server.sockets.size(), 1, 10000);
        QWsSocket* ws = server.sockets.first();
        const QList<QByteArray> messages{"one", PatternBytes(3000), "three"};
        qint64 queued = 0;
        for (const QByteArray& m : messages)
            queued += ws->sendMessage(m);
        QVERIFY(queued > 3006);
        QCOMPARE(ws->bytesToWrite(), queued);
        QCOMPARE(ws->tcpSocket()->bytesToWrite(), qint64(0)); // nothing written yet within this turn
        if (then == "close")
            ws->close();
        else if (then == "delete")
            delete ws;
        for (const QByteArray& m : messages) {
            const WsEvent ev = c.next();
            QCOMPARE(int(ev.kind), int(WsEvent::Binary));
            QCOMPARE(ev.data, m);
        }
        if (then == "close")
            QCOMPARE(int(c.next().kind), int(WsEvent::Close));
    }

    void serverCloseAndPing() {
        TestServer server;
        QVERIFY(server.listen());
        RawClient c;
        QVERIFY(c.upgrade(server.port()));
        QTRY_COMPARE_WITH_TIMEOUT(server.sockets.size(), 1, 10000);
        QWsSocket* ws = server.sockets.first();
        QSignalSpy pong(ws, &QWsSocket::pong);
        ws->ping();
        WsEvent ev = c.next();
        QCOMPARE(int(ev.kind), int(WsEvent::Ping));
        c.socket.write(ClientFrame(10, QByteArray()));
        QVERIFY(pong.wait(10000));
        c.next(); // the test server's "pong" message

        // Keep the object after its disconnect so that its detached state can be checked.
        QObject::disconnect(ws, &QWsSocket::disconnected, ws, &QObject::deleteLater);
        QSignalSpy gone(ws, &QWsSocket::disconnected);
        ws->close();
        ev = c.next();
        QCOMPARE(int(ev.kind), int(WsEvent::Close));
        QCOMPARE(int(ev.code), 1005); // no status in the server's close frame
        QTRY_COMPARE_WITH_TIMEOUT(gone.size(), 1, 10000);
        QVERIFY(!ws->tcpSocket());
        QCOMPARE(ws->sendMessage("after"), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestQWsSocket)
#include "test_qwssocket.moc"
