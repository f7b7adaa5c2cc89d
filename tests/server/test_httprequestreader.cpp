#include "server/httpreply.h"
#include "server/httprequestreader.h"
#include "tests/server/testserver.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <zlib.h>

namespace {
using Query = QMap<QString, QString>;

// Feeds the bytes in pieces of `step` and collects every status other than NeedMore.
QList<HttpRequestReader::Status> FeedAll(HttpRequestReader& r, const QByteArray& bytes, int step,
                                         QList<HttpRequest>* requests) {
    QList<HttpRequestReader::Status> out;
    for (int i = 0; i < bytes.size(); i += step) {
        QByteArray piece = bytes.mid(i, step);
        while (!piece.isEmpty()) {
            const int n = int(qMin<qint64>(piece.size(), qMax<qint64>(1, r.Room())));
            r.Append(piece.left(n));
            piece.remove(0, n);
            for (;;) {
                HttpRequest req;
                const auto st = r.Next(&req);
                if (st == HttpRequestReader::NeedMore)
                    break;
                out << st;
                if (st == HttpRequestReader::Ready)
                    *requests << req;
                else
                    return out;
            }
        }
    }
    return out;
}

class FakeInfo : public IHttpInfoSource {
public:
    QString ComputerName() const override { return QStringLiteral("pc%1"); }
    QString OsName() const override { return QStringLiteral("Windows 7 SP1"); }
    QString MachineId() const override { return QStringLiteral("mid"); }
    QByteArray GetRscData(quint64 id, double scale) const override {
        lastId = id;
        lastScale = scale;
        return id == 7 ? QByteArray("png") : QByteArray();
    }
    mutable quint64 lastId = 0;
    mutable double lastScale = 0;
};

QByteArray Gunzip(const QByteArray& gz) {
    z_stream zs{};
    inflateInit2(&zs, 16 + MAX_WBITS);
    QByteArray out(1 << 20, 0);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gz.constData()));
    zs.avail_in = uInt(gz.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int r = inflate(&zs, Z_FINISH);
    out.resize(r == Z_STREAM_END ? int(zs.total_out) : 0);
    inflateEnd(&zs);
    return out;
}

QByteArray RandomBytes(int n) {
    QByteArray b(n, 0);
    quint32 x = 12345;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 24);
    }
    return b;
}
} // namespace

class TestHttpRequestReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }

    void parseLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<Query>("query");
        QTest::addColumn<Query>("headers");
        QTest::newRow("getinfo") << QStringList{"GET /GetInfo HTTP/1.1", "Host: 10.0.0.2:32241"} << "GET"
                                 << "GetInfo" << Query{} << Query{{"Host", "10.0.0.2:32241"}};
        QTest::newRow("method upper-cased, query decoded, later item wins")
            << QStringList{"post /GetRsc?cs=12&is=2&cs=13&n=a%20b HTTP/1.1"} << "POST"
            << "GetRsc" << Query{{"cs", "13"}, {"is", "2"}, {"n", "a b"}} << Query{};
        QTest::newRow("value keeps its first word, names exact")
            << QStringList{"GET / HTTP/1.1",
                           "Sec-WebSocket-Extensions: x-webkit-deflate-frame, foo",
                           "upgrade: websocket",
                           "Name:value",
                           "   ",
                           "Dup: 1",
                           "Dup: 2"}
            << "GET"
            << "" << Query{}
            << Query{{"Sec-WebSocket-Extensions", "x-webkit-deflate-frame,"},
                     {"upgrade", "websocket"},
                     {"Name", ""},
                     {"Dup", "2"}};
    }
    void parseLines() {
        QFETCH(QStringList, lines);
        HttpRequest req;
        QCOMPARE(HttpRequestReader::ParseLines(lines, &req), HttpRequestReader::Ready);
        QTEST(req.method, "method");
        QTEST(req.path, "path");
        QTEST(req.query, "query");
        QTEST(req.headers, "headers");
    }

    // Whatever the segmentation, the reader sees the same requests; bodies are skipped.
    void readerSegmentation_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("whole") << 100000;
        QTest::newRow("byte by byte") << 1;
        QTest::newRow("7 bytes") << 7;
    }
    void readerSegmentation() {
        QFETCH(int, step);
        const QByteArray bytes = "GET /a?x=1 HTTP/1.1\r\nHost: h\r\n\r\n"
                                 "POST /b HTTP/1.1\r\ncontent-length: 11\r\n\r\nGET /evil\r\n"
                                 "\r\n\r\n"             // blank lines between requests are dropped
                                 "GET /c HTTP/1.1\n\n"; // bare line feeds are accepted too
        HttpRequestReader r;
        QList<HttpRequest> reqs;
        const auto st = FeedAll(r, bytes, step, &reqs);
        QCOMPARE(st.size(), 3);
        QCOMPARE(reqs.size(), 3);
        QCOMPARE(reqs[0].path, QString("a"));
        QCOMPARE(reqs[0].query.value("x"), QString("1"));
        QCOMPARE(reqs[1].method, QString("POST"));
        QCOMPARE(reqs[2].path, QString("c"));
    }

    void readerRefuses_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::newRow("request line alone") << QByteArray("GET\r\n\r\n") << int(HttpRequestReader::InvalidHeader);
        QTest::newRow("nothing but blank lines")
            << QByteArray("\r\n").repeated(HttpRequestReader::MaxHeaderBytes) << int(HttpRequestReader::Empty);
        QTest::newRow("line that never ends") << QByteArray(40000, 'A') << int(HttpRequestReader::TooLong);
        QTest::newRow("header block that never ends")
            << QByteArray("GET / HTTP/1.1\r\n") + QByteArray("X: y\r\n").repeated(5000)
            << int(HttpRequestReader::TooLong);
    }
    void readerRefuses() {
        QFETCH(QByteArray, bytes);
        HttpRequestReader r;
        QList<HttpRequest> reqs;
        const auto st = FeedAll(r, bytes, 4096, &reqs);
        QVERIFY(!st.isEmpty());
        QTEST(int(st.last()), "status");
        QVERIFY(reqs.isEmpty());
    }

    void rscScale_data() {
        QTest::addColumn<Query>("query");
        QTest::addColumn<double>("scale");
        QTest::newRow("none") << Query{} << 1.0;
        QTest::newRow("is=2") << Query{{"is", "2"}} << 0.5;
        QTest::newRow("is=0") << Query{{"is", "0"}} << 1.0;
        QTest::newRow("is=-3") << Query{{"is", "-3"}} << 1.0;
        QTest::newRow("is=100") << Query{{"is", "100"}} << 0.125;
        QTest::newRow("sc=5") << Query{{"sc", "5"}} << 1.0;
        QTest::newRow("sc=0.01") << Query{{"sc", "0.01"}} << 0.125;
        QTest::newRow("sc wins") << Query{{"is", "4"}, {"sc", "0.5"}} << 0.5;
        QTest::newRow("sc invalid") << Query{{"sc", "x"}} << 0.125;
        QTest::newRow("sc nan") << Query{{"sc", "nan"}} << 1.0;
    }
    void rscScale() {
        QFETCH(Query, query);
        QTEST(HttpReply::RscScale(query), "scale");
    }

    void handleGet() {
        FakeInfo info;
        // Placeholders in the name stay as they are; blanks of the OS name become '_'.
        QCOMPARE(HttpReply::HandleHttpGet("GetInfo", {}, info), QByteArray("MervexSrv\npc%1 Windows_7_SP1 mid\n\n"));
        QCOMPARE(HttpReply::HandleHttpGet("GetRsc", {{"cs", "7"}, {"is", "2"}}, info), QByteArray("png"));
        QCOMPARE(info.lastScale, 0.5);
        QCOMPARE(HttpReply::HandleHttpGet("GetRsc", {{"cs", "18446744073709551615"}}, info), QByteArray());
        QCOMPARE(info.lastId, Q_UINT64_C(18446744073709551615));
        QCOMPARE(HttpReply::HandleHttpGet("GetRsc", {{"cs", "junk"}}, info), QByteArray());
        QCOMPARE(info.lastId, quint64(0));
        QCOMPARE(HttpReply::HandleHttpGet("getinfo", {}, info), QByteArray());
    }

    void gzipRule_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("gzip");
        QTest::newRow("256 compressible") << QByteArray(256, 'a') << false;
        QTest::newRow("257 compressible") << QByteArray(257, 'a') << true;
        QTest::newRow("300 random") << RandomBytes(300) << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void gzipRule() {
        QFETCH(QByteArray, body);
        QFETCH(bool, gzip);
        const QByteArray reply = HttpReply::BuildHttpResponse(body);
        const int split = reply.indexOf("\r\n\r\n");
        const QByteArray head = reply.left(split + 2);
        const QByteArray sent = reply.mid(split + 4);
        QVERIFY(head.startsWith("HTTP/1.1 200 OK\r\nServer: MervexSrv\r\n"));
        QVERIFY(head.endsWith("Connection: Keep-Alive\r\nKeep-Alive: timeout=4\r\n"));
        QVERIFY(!head.contains("Content-Type"));
        QVERIFY(head.contains("Content-Length: " + QByteArray::number(sent.size()) + "\r\n"));
        QCOMPARE(head.contains("Content-Encoding: gzip\r\n"), gzip);
        QCOMPARE(gzip ? Gunzip(sent) : sent, body);
    }

    // A body asked for again (the same shared bytes) is not compressed again; equal bytes in another buffer,
    // or changed bytes, get their own correct reply.
    void repliesOfLargeBodiesAreKept() {
        QByteArray body;
        for (int i = 0; i < 5000; ++i)
            body += QByteArray::number(i % 97) + ',';
        const QByteArray first = HttpReply::BuildHttpResponse(body);
        const QByteArray again = HttpReply::BuildHttpResponse(body);
        QCOMPARE(again, first);
        QCOMPARE(again.constData(), first.constData()); // the kept reply, not a new one
        QByteArray copy(body.constData(), body.size());
        QCOMPARE(HttpReply::BuildHttpResponse(copy), first);
        copy[10] = 'X';
        const QByteArray changed = HttpReply::BuildHttpResponse(copy);
        QCOMPARE(Gunzip(changed.mid(changed.indexOf("\r\n\r\n") + 4)), copy);
    }

    // Real client: curl against the reader and replies on a loopback server.
    void curlRequests_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("headerPart");
        QTest::newRow("GetInfo") << QStringList{"/GetInfo"}
                                 << QByteArray("MervexSrv\ntestpc Debian_GNU/Linux_12 {0123-abcd}\n\n")
                                 << QByteArray("Content-Length: 50\r\n");
        QTest::newRow("POST answered like GET")
            << QStringList{"-X", "POST", "--data", "ignored=1", "/GetInfo"}
            << QByteArray("MervexSrv\ntestpc Debian_GNU/Linux_12 {0123-abcd}\n\n") << QByteArray("HTTP/1.1 200 OK");
        QTest::newRow("compressible resource gzipped") << QStringList{"--compressed", "/GetRsc?cs=1&is=2"}
                                                       << QByteArray(5000, 'x') << QByteArray("Content-Encoding: gzip");
        QTest::newRow("random resource plain") << QStringList{"--compressed", "/GetRsc?cs=2&sc=0.01"}
                                               << RandomBytes(3000) << QByteArray("Content-Length: 3000");
        QTest::newRow("missing resource")
            << QStringList{"/GetRsc?cs=99"} << QByteArray() << QByteArray("Content-Length: 0");
        QTest::newRow("unknown path") << QStringList{"/nothing"} << QByteArray() << QByteArray("Content-Length: 0");
    }
    void curlRequests() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, headerPart);
        TestServer server;
        server.resources[1] = QByteArray(5000, 'x');
        server.resources[2] = RandomBytes(3000);
        QVERIFY(server.listen());
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
        args.last().prepend(base);
        QTemporaryDir dir;
        const QString headFile = dir.filePath("head");
        QProcess curl;
        curl.start("curl", QStringList{"-s", "-S", "--max-time", "30", "-D", headFile} + args);
        QSignalSpy done(&curl, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        QVERIFY(done.wait(30000));
        QCOMPARE(curl.exitCode(), 0);
        QCOMPARE(curl.readAllStandardOutput(), output);
        QFile head(headFile);
        QVERIFY(head.open(QIODevice::ReadOnly));
        QVERIFY2(head.readAll().contains(headerPart), qPrintable(headerPart));
    }

    // One connection serves several requests (keep-alive), and a bad connection leaves others alone.
    void curlKeepAliveBesideBadConnection() {
        TestServer server;
        server.resources[5] = QByteArray(1000, 'q');
        QVERIFY(server.listen());

        QTcpSocket bad;
        bad.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(bad.waitForConnected(5000));
        bad.write(QByteArray(20000, 'A')); // a request line that never ends

        const QString url = QStringLiteral("http://127.0.0.1:%1/GetRsc?cs=5").arg(server.port());
        QProcess curl;
        curl.start("curl", {"-s", "-v", "--max-time", "30", "--compressed", url, url});
        QSignalSpy done(&curl, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        QVERIFY(done.wait(30000));
        QCOMPARE(curl.exitCode(), 0);
        QCOMPARE(curl.readAllStandardOutput(), QByteArray(1000, 'q').repeated(2));
        const QByteArray log = curl.readAllStandardError();
        QVERIFY2(log.contains("Re-using existing connection") || log.contains("Reusing existing connection"),
                 log.constData());

        QTRY_COMPARE_WITH_TIMEOUT(bad.state(), QAbstractSocket::UnconnectedState, 10000);
    }

    // A keep-alive client that sends a blank line after each request, in its own packet or with the
    // next request, has every request answered on the one connection.
    void blankLinesBetweenRequests() {
        TestServer server;
        QVERIFY(server.listen());
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s.waitForConnected(5000));
        QByteArray got;
        const QList<QByteArray> writes{"\r\nGET /GetInfo HTTP/1.1\r\n\r\n", "\r\n",
                                       "GET /GetInfo HTTP/1.1\r\n\r\n\r\n\n", "GET /GetInfo HTTP/1.1\r\n\r\n"};
        for (int i = 0; i < writes.size(); ++i) {
            s.write(writes[i]);
            QVERIFY(s.waitForBytesWritten(5000));
            const int answers = i < 2 ? 1 : i;
            QTRY_COMPARE_WITH_TIMEOUT((got += s.readAll()).count("HTTP/1.1 200 OK"), answers, 10000);
        }
        QCOMPARE(got.count("\ntestpc "), 3);
        QCOMPARE(s.state(), QAbstractSocket::ConnectedState);
    }

    // A request that never completes does not hold its connection for ever; a request answered in
    // time is not affected.
    void incompleteRequestTimesOut() {
        const int saved = HttpRequestReader::IdleTimeoutMs();
        HttpRequestReader::SetIdleTimeoutMs(300);
        TestServer server;
        QVERIFY(server.listen());
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s.waitForConnected(5000));
        s.write("GET /GetInfo HTTP/1.1\r\n\r\nGET /GetInfo HTTP/1.1\r\nHost: slow");
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += s.readAll()).contains("MervexSrv"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(s.state(), QAbstractSocket::UnconnectedState, 10000);
        QCOMPARE(got.count("HTTP/1.1 200 OK"), 1);
        HttpRequestReader::SetIdleTimeoutMs(saved);
    }
};

QTEST_GUILESS_MAIN(TestHttpRequestReader)
#include "test_httprequestreader.moc"
