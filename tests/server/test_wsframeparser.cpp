#include "server/qwssocket.h"
#include "server/wsframeparser.h"
#include "server/wshandshake.h"

#include <QtEndian>
#include <QtTest>
#include <zlib.h>

namespace {
QByteArray ClientFrame(int opcode, const QByteArray& payload, bool fin = true, bool rsv1 = false) {
    const QByteArray key("\xa1\xb2\xc3\xd4", 4);
    return QWsSocket::composeHeader(fin, opcode, quint64(payload.size()), key, rsv1) + QWsSocket::mask(payload, key);
}

QByteArray Be64(quint64 v) {
    QByteArray b(8, 0);
    qToBigEndian(v, b.data());
    return b;
}

// Raw deflate with a sync flush and the 00 00 FF FF marker cut off, as a deflate-frame client sends it.
QByteArray ClientDeflate(const QByteArray& data) {
    z_stream zs{};
    deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&zs, uLong(data.size()))) + 16, 0);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_SYNC_FLUSH);
    out.resize(int(zs.total_out) - 4);
    deflateEnd(&zs);
    return out;
}

// "kind:data" per event, so a table can name the expected events compactly.
QStringList Run(WsFrameParser& p, const QByteArray& bytes, int step) {
    QStringList out;
    for (int i = 0; i < bytes.size(); i += step) {
        p.append(bytes.mid(i, step));
        for (WsEvent ev = p.next(); ev.kind != WsEvent::None; ev = p.next()) {
            static const char* names[] = {"none", "text", "binary", "ping", "pong", "close", "error"};
            QString s = QString::fromLatin1(names[ev.kind]) + ':';
            if (ev.kind == WsEvent::Close || ev.kind == WsEvent::Error)
                s += QString::number(ev.code);
            else
                s += QString::fromLatin1(ev.data.size() > 40 ? QByteArray::number(ev.data.size()) + "B" : ev.data);
            out << s;
            if (ev.kind == WsEvent::Error)
                return out;
        }
    }
    return out;
}
} // namespace

class TestWsFrameParser : public QObject {
    Q_OBJECT
private slots:
    // Every sequence gives the same events whole, byte by byte and in odd pieces.
    void events_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("inflate");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("text") << ClientFrame(1, "hello") << false << QStringList{"text:hello"};
        QTest::newRow("empty binary") << ClientFrame(2, "") << false << QStringList{"binary:"};
        QTest::newRow("fragmented text, ping between")
            << ClientFrame(1, "frag-", false) + ClientFrame(9, "p") + ClientFrame(0, "one", false) + ClientFrame(0, "")
            << false << QStringList{"ping:p", "text:frag-one"};
        QTest::newRow("126 and 65536 bytes")
            << ClientFrame(2, QByteArray(126, 'a')) + ClientFrame(2, QByteArray(65536, 'b')) << false
            << QStringList{"binary:126B", "binary:65536B"};
        QTest::newRow("pong, close with status")
            << ClientFrame(10, "x") + ClientFrame(8, QByteArray("\x03\xe8", 2) + "bye") << false
            << QStringList{"pong:x", "close:1000"};
        QTest::newRow("close without status") << ClientFrame(8, "") << false << QStringList{"close:1005"};
        QTest::newRow("compressed text") << ClientFrame(1, ClientDeflate(QByteArray("abc").repeated(20)), true, true)
                                         << true << QStringList{"text:60B"};
        QTest::newRow("compressed and plain fragments")
            << ClientFrame(1, ClientDeflate("zzzzzzzzzzzzzzzz"), false, true) + ClientFrame(0, "-plain") << true
            << QStringList{"text:zzzzzzzzzzzzzzzz-plain"};
        // What the phone may send besides strict RFC 6455 is read, or ignored, instead of ending the session.
        QTest::newRow("unmasked text") << QByteArray("\x81\x02hi", 4) << false << QStringList{"text:hi"};
        QTest::newRow("unmasked and masked fragments") << QByteArray("\x01\x02"
                                                                     "ab",
                                                                     4) +
                                                              ClientFrame(0, "cd")
                                                       << false << QStringList{"text:abcd"};
        QTest::newRow("RSV1 without inflate is ignored")
            << ClientFrame(1, "x", true, true) << false << QStringList{"text:x"};
        QTest::newRow("RSV1 on a ping is ignored") << ClientFrame(9, "x", true, true) << true << QStringList{"ping:x"};
        QTest::newRow("RSV2 and RSV3 are ignored")
            << QByteArray("\xa1\x01y", 3) + QByteArray("\x92\x01z", 3) << false << QStringList{"text:y", "binary:z"};
        QTest::newRow("reserved data opcode dropped")
            << ClientFrame(7, "seven") + ClientFrame(1, "after") << false << QStringList{"text:after"};
        QTest::newRow("fragmented reserved opcode dropped")
            << ClientFrame(3, "a", false) + ClientFrame(0, "b") + ClientFrame(2, "c") << false
            << QStringList{"binary:c"};
        QTest::newRow("reserved control opcodes ignored")
            << ClientFrame(11, "x") + ClientFrame(15, "") + ClientFrame(1, "after") << false
            << QStringList{"text:after"};
        QTest::newRow("continuation without a message dropped")
            << ClientFrame(0, "lost") + ClientFrame(1, "kept") << false << QStringList{"text:kept"};
        QTest::newRow("binary inside text continues the text")
            << ClientFrame(1, "a", false) + ClientFrame(2, "b") << false << QStringList{"text:ab"};
        QTest::newRow("close without FIN") << ClientFrame(8, "", false) << false << QStringList{"close:1005"};
    }
    void events() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, inflate);
        QFETCH(QStringList, events);
        for (int step : {bytes.size(), 1, 5}) {
            WsFrameParser p;
            p.setInflate(inflate);
            QCOMPARE(Run(p, bytes, qMax(1, step)), events);
            QCOMPARE(p.buffered(), qint64(0));
        }
    }

    // Broken frames end in one Error carrying the close status, decided from the header alone where
    // possible (no payload needs to arrive for a length to be refused).
    void errors_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("inflate");
        QTest::addColumn<int>("code");
        const QByteArray key("\x01\x02\x03\x04", 4);
        QTest::newRow("length 2^63") << QByteArray("\x82\xff", 2) + Be64(Q_UINT64_C(1) << 63) + key << false << 1002;
        QTest::newRow("length 2^62") << QByteArray("\x82\xff", 2) + Be64(Q_UINT64_C(1) << 62) + key << false << 1009;
        QTest::newRow("1 MiB + 1 header") << QByteArray("\x82\xff", 2) + Be64((1 << 20) + 1) + key << false << 1009;
        QTest::newRow("compressed frame over 1 MiB")
            << QByteArray("\xc2\xff", 2) + Be64((1 << 20) + 1) + key << true << 1009;
        QTest::newRow("long ping") << ClientFrame(9, QByteArray(126, 'x')) << false << 1002;
        QTest::newRow("long reserved control frame") << ClientFrame(12, QByteArray(200, 'x')) << false << 1002;
        QTest::newRow("reserved opcode over 1 MiB")
            << QByteArray("\x83\xff", 2) + Be64((1 << 20) + 1) + key << false << 1009;
        QTest::newRow("unmasked frame over 1 MiB") << QByteArray("\x82\x7f", 2) + Be64((1 << 20) + 1) << false << 1009;
        QTest::newRow("close of one byte") << ClientFrame(8, "x") << false << 1002;
        QTest::newRow("close status 999") << ClientFrame(8, QByteArray("\x03\xe7", 2)) << false << 1002;
        QTest::newRow("message over 1 MiB in fragments")
            << ClientFrame(2, QByteArray(700000, 'a'), false) + ClientFrame(0, QByteArray(400000, 'b')) << false
            << 1009;
        QTest::newRow("bad compressed data") << ClientFrame(1, "\xff\xff\xff\xff", true, true) << true << 1007;
        QTest::newRow("inflates past 1 MiB")
            << ClientFrame(2, ClientDeflate(QByteArray(2 << 20, '\0')), true, true) << true << 1009;
    }
    void errors() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, inflate);
        QFETCH(int, code);
        for (int step : {bytes.size(), 1}) {
            if (step == 1 && bytes.size() > 100000)
                continue;
            WsFrameParser p;
            p.setInflate(inflate);
            const QStringList ev = Run(p, bytes, step);
            QVERIFY(!ev.isEmpty());
            QCOMPARE(ev.last(), QStringLiteral("error:%1").arg(code));
            QVERIFY(p.failed());
            QCOMPARE(p.room(), qint64(0));
            QCOMPARE(int(p.next().kind), int(WsEvent::None));
        }
    }

    // Appending past room() is refused instead of growing the buffer.
    void appendBeyondRoom() {
        WsFrameParser p(1000);
        QVERIFY(p.room() > 0);
        p.append(QByteArray(int(p.room()) + 1, 'x'));
        QCOMPARE(p.buffered(), qint64(0));
        QCOMPARE(int(p.next().kind), int(WsEvent::Error));
    }

    void composeFrames_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("maxPayload");
        QTest::addColumn<bool>("deflate");
        QTest::addColumn<QList<int>>("payloadSizes"); // as sent; negative: compressed (RSV1)
        QTest::addColumn<QByteArray>("firstHeader");
        QTest::newRow("3000 bytes") << QByteArray(3000, 'x') << 0 << false << QList<int>{1400, 1400, 200}
                                    << QByteArray("\x02\x7e\x05\x78", 4);
        QTest::newRow("2800 bytes end with an empty frame")
            << QByteArray(2800, 'x') << 0 << false << QList<int>{1400, 1400, 0} << QByteArray("\x02\x7e\x05\x78", 4);
        QTest::newRow("125 bytes") << QByteArray(125, 'x') << 200 << false << QList<int>{125}
                                   << QByteArray("\x82\x7d", 2);
        QTest::newRow("126 bytes, 2-byte length")
            << QByteArray(126, 'x') << 200 << false << QList<int>{126} << QByteArray("\x82\x7e\x00\x7e", 4);
        QTest::newRow("65536 bytes, 8-byte length") << QByteArray(65536, 'x') << 70000 << false << QList<int>{65536}
                                                    << QByteArray("\x82\x7f\x00\x00\x00\x00\x00\x01\x00\x00", 10);
        QTest::newRow("31 bytes never compressed")
            << QByteArray(31, 'a') << 100 << true << QList<int>{31} << QByteArray("\x82\x1f", 2);
        QTest::newRow("200 repeated bytes compressed")
            << QByteArray(200, 'a') << 300 << true << QList<int>{-1} << QByteArray("\xc2", 1);
    }
    void composeFrames() {
        QFETCH(QByteArray, message);
        QFETCH(int, maxPayload);
        QFETCH(bool, deflate);
        QFETCH(QList<int>, payloadSizes);
        QFETCH(QByteArray, firstHeader);
        QWsSocket ws(nullptr, nullptr, deflate ? QWsSocket::ExtDeflateFrame : 0);
        const QList<QByteArray> frames = ws.composeFrames(message, true, maxPayload);
        QCOMPARE(frames.size(), payloadSizes.size());
        QVERIFY(frames.first().startsWith(firstHeader));

        // A client-side reader sees the frames as one binary message equal to the input.
        WsFrameParser reader;
        reader.setRejectMasked(true);
        reader.setInflate(true);
        for (int i = 0; i < frames.size(); ++i) {
            const QByteArray& f = frames[i];
            const bool fin = f.at(0) & 0x80, rsv1 = f.at(0) & 0x40;
            QCOMPARE(fin, i == frames.size() - 1);
            QCOMPARE(f.at(0) & 0x0F, i == 0 ? 2 : 0);
            QCOMPARE(rsv1, payloadSizes[i] < 0);
            if (payloadSizes[i] >= 0)
                QVERIFY(f.endsWith(message.mid(i * (maxPayload ? maxPayload : 1400), payloadSizes[i])));
            else
                QVERIFY(f.size() < message.size());
            reader.append(f);
        }
        const WsEvent ev = reader.next();
        QCOMPARE(int(ev.kind), int(WsEvent::Binary));
        QCOMPARE(ev.data, message);
    }

    void handshakeValues() {
        QCOMPARE(WsHandshake::AcceptValue("dGhlIHNhbXBsZSBub25jZQ=="), QString("s3pPLMBiTxaQ9kYGzzhZRbK+xOo="));
        QVERIFY(WsHandshake::OffersDeflateFrame({{"Sec-WebSocket-Extensions", "x-webkit-deflate-frame"}}));
        QVERIFY(!WsHandshake::OffersDeflateFrame({{"Sec-WebSocket-Extensions", "permessage-deflate"}}));
        QVERIFY(!WsHandshake::OffersDeflateFrame({{"sec-websocket-extensions", "deflate-frame"}}));
        const QUuid u("{01234567-89ab-cdef-0011-223344556677}");
        QCOMPARE(WsHandshake::IdFromUuid(u), Q_UINT64_C(0xcdef89ab01234567));
        QCOMPARE(WsHandshake::SessionId({{"sid", "42"}}, [](quint64) { return true; }), quint64(42));
        int draws = 0;
        const quint64 id = WsHandshake::SessionId({{"sid", "x"}}, [&](quint64) { return ++draws < 3; });
        QVERIFY(id != 0);
        QCOMPARE(draws, 3);
    }
};

QTEST_GUILESS_MAIN(TestWsFrameParser)
#include "test_wsframeparser.moc"
