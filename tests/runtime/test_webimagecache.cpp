// The web image cache against an HTTP server of its own on 127.0.0.1: never waiting, keys without fragment
// and trailing slash, failures as the 1 x 1 picture, redirects, refresh and maintenance on an injected clock,
// and bad input (broken, oversize and non-image bodies, silent servers, unreachable hosts).

#include "runtime/webimagecache.h"

#include <QBuffer>
#include <QHash>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Png(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

// A small HTTP/1.1 server: one answer per path, counting the requests it saw.
class ImageServer : public QObject {
public:
    QTcpServer server;
    QHash<QString, int> hits;
    QList<QTcpSocket*> held; // sockets of the silent path, never answered

    ImageServer() {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { OnRead(s); });
            }
        });
        server.listen(QHostAddress::LocalHost, 0);
    }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }

private:
    void OnRead(QTcpSocket* s) {
        QByteArray& buf = m_buffers[s];
        buf += s->readAll();
        const int end = buf.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buf.left(end);
        buf.remove(0, end + 4);
        const QString path = QString::fromLatin1(head.split(' ').value(1));
        ++hits[path];
        Answer(s, path);
    }
    static void Reply(QTcpSocket* s, const QByteArray& status, const QByteArray& body,
                      const QByteArray& extra = QByteArray(), qint64 length = -1) {
        QByteArray out = "HTTP/1.1 " + status + "\r\nCache-Control: no-store\r\nContent-Length: " +
                         QByteArray::number(length < 0 ? body.size() : length) + "\r\n" + extra + "\r\n" + body;
        s->write(out);
    }
    void Answer(QTcpSocket* s, const QString& path) {
        if (path == QLatin1String("/img.png"))
            Reply(s, "200 OK", Png(3, 2, Qt::red), "Content-Type: image/png\r\n");
        else if (path == QLatin1String("/other.png"))
            Reply(s, "200 OK", Png(5, 5, Qt::blue), "Content-Type: image/png\r\n");
        else if (path == QLatin1String("/broken.png"))
            Reply(s, "200 OK", QByteArray("\x89PNG\r\n\x1a\nnot really", 18), "Content-Type: image/png\r\n");
        else if (path == QLatin1String("/text"))
            Reply(s, "200 OK", "hello, no picture here", "Content-Type: text/plain\r\n");
        else if (path == QLatin1String("/huge.png"))
            Reply(s, "200 OK", Png(17000, 1, Qt::green), "Content-Type: image/png\r\n");
        else if (path == QLatin1String("/endless"))
            Reply(s, "200 OK", QByteArray(4096, 'x'), "Content-Type: image/png\r\n", 200000000);
        else if (path == QLatin1String("/redir"))
            Reply(s, "302 Found", QByteArray(), "Location: img.png\r\n");
        else if (path == QLatin1String("/loop"))
            Reply(s, "302 Found", QByteArray(), "Location: /loop\r\n");
        else if (path == QLatin1String("/tofile"))
            Reply(s, "302 Found", QByteArray(), "Location: file:///etc/hostname\r\n");
        else if (path == QLatin1String("/silent"))
            held << s;
        else
            Reply(s, "404 Not Found", "nothing");
    }

    QHash<QTcpSocket*, QByteArray> m_buffers;
};

bool IsFailureImage(const QImage& img) {
    return img.size() == QSize(1, 1);
}

} // namespace

class TestWebImageCache : public QObject {
    Q_OBJECT
    qint64 m_now = 1000000000000LL;

    void UseClock(WebImageCache& c) {
        c.SetClock([this] { return m_now; });
    }

private slots:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void keys_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("key");
        QTest::newRow("fragment") << "http://h.example/a.png#part"
                                  << "http://h.example/a.png";
        QTest::newRow("trailing slash") << "http://h.example/a/"
                                        << "http://h.example/a";
        QTest::newRow("both") << "http://h.example/a/#x"
                              << "http://h.example/a";
        QTest::newRow("query kept") << "http://h.example/a?x=1"
                                    << "http://h.example/a?x=1";
        QTest::newRow("file as written") << "file:///tmp/a.png#x"
                                         << "file:///tmp/a.png#x";
        QTest::newRow("short") << "abc"
                               << "abc";
    }
    void keys() {
        QFETCH(QString, url);
        QFETCH(QString, key);
        QCOMPARE(WebImageCache::UrlKey(url), key);
    }

    void shortTextsAreRefusedWithoutNetwork() {
        WebImageCache c;
        QVERIFY(c.GetImage(QStringLiteral("abc")).isNull());
        QVERIFY(c.GetImage(QStringLiteral("#frag")).isNull());
        QVERIFY(!c.HasNetworkManager());
        QCOMPARE(c.EntryCount(), 0);
        QCOMPARE(WebImageCache::Instance(), &c);
    }

    void downloadArrivesLaterUnderOneKey() {
        ImageServer srv;
        WebImageCache c;
        QVERIFY(c.GetImage(srv.Url("/img.png#frag")).isNull());
        QVERIFY(c.HasNetworkManager());
        QTRY_VERIFY(!c.GetImage(srv.Url("/img.png")).isNull());
        const QImage img = c.GetImage(srv.Url("/img.png/"));
        QCOMPARE(img.size(), QSize(3, 2));
        QCOMPARE(QColor(img.pixel(1, 1)), QColor(Qt::red));
        QCOMPARE(srv.hits.value("/img.png"), 1);
        QCOMPARE(c.EntryCount(), 1);
    }

    void failuresGiveTheTinyPicture_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("404") << "/missing";
        QTest::newRow("broken picture") << "/broken.png";
        QTest::newRow("not a picture") << "/text";
        QTest::newRow("picture too large") << "/huge.png";
        QTest::newRow("body beyond the bound") << "/endless";
        QTest::newRow("server that never answers") << "/silent";
        QTest::newRow("redirect loop") << "/loop";
        QTest::newRow("redirect to a local file") << "/tofile";
    }
    void failuresGiveTheTinyPicture() {
        QFETCH(QString, path);
        ImageServer srv;
        WebImageCache c;
        c.SetTransferTimeout(300);
        QVERIFY(c.GetImage(srv.Url(path)).isNull());
        QTRY_VERIFY_WITH_TIMEOUT(!c.GetImage(srv.Url(path)).isNull(), 10000);
        QVERIFY(IsFailureImage(c.GetImage(srv.Url(path))));
        QVERIFY(srv.hits.value(path) <= 1 + WebImageCache::MaxRedirects);
        if (path == QLatin1String("/tofile"))
            QVERIFY(c.RedirectOf(srv.Url(path)).isEmpty());
    }

    void unreachableHostFails() {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        const quint16 port = closed.serverPort();
        closed.close();
        WebImageCache c;
        const QString url = QStringLiteral("http://127.0.0.1:%1/x.png").arg(port);
        QVERIFY(c.GetImage(url).isNull());
        QTRY_VERIFY(IsFailureImage(c.GetImage(url)));
    }

    void relativeRedirectLeadsToTheTarget() {
        ImageServer srv;
        WebImageCache c;
        QVERIFY(c.GetImage(srv.Url("/redir")).isNull());
        QTRY_VERIFY(!c.GetImage(srv.Url("/redir")).isNull());
        QCOMPARE(c.GetImage(srv.Url("/redir")).size(), QSize(3, 2));
        QCOMPARE(c.RedirectOf(srv.Url("/redir")), srv.Url("/img.png"));
        QCOMPARE(srv.hits.value("/img.png"), 1);
    }

    void refreshAfterFifteenMinutes() {
        ImageServer srv;
        WebImageCache c;
        UseClock(c);
        c.GetImage(srv.Url("/img.png"));
        QTRY_VERIFY(!c.GetImage(srv.Url("/img.png")).isNull());
        m_now += 899000;
        QVERIFY(!c.GetImage(srv.Url("/img.png")).isNull());
        // Wait for a request that was started after it: had the first started one, it would be counted too.
        c.GetImage(srv.Url("/other.png"));
        QTRY_VERIFY(!c.GetImage(srv.Url("/other.png")).isNull());
        QCOMPARE(srv.hits.value("/img.png"), 1);
        m_now += 2000;
        QVERIFY(!c.GetImage(srv.Url("/img.png")).isNull()); // the old picture while the new one loads
        QTRY_COMPARE(srv.hits.value("/img.png"), 2);
    }

    void failedEntryWaitsForItsRefresh() {
        ImageServer srv;
        WebImageCache c;
        UseClock(c);
        c.GetImage(srv.Url("/missing"));
        QTRY_VERIFY(!c.GetImage(srv.Url("/missing")).isNull());
        for (int i = 0; i < 5; ++i)
            c.GetImage(srv.Url("/missing"));
        c.GetImage(srv.Url("/other.png"));
        QTRY_VERIFY(!c.GetImage(srv.Url("/other.png")).isNull());
        QCOMPARE(srv.hits.value("/missing"), 1);
    }

    void fileUrls() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.png");
        QImage img(4, 4, QImage::Format_ARGB32);
        img.fill(Qt::yellow);
        QVERIFY(img.save(path));
        WebImageCache c;
        UseClock(c);
        const QImage first = c.GetImage(QStringLiteral("file://") + path);
        QCOMPARE(first.size(), QSize(4, 4));
        QVERIFY(c.GetImage(QStringLiteral("file://") + dir.filePath("missing.png")).isNull());
        // At its refresh the file is read from disk again, not asked of the network.
        img = QImage(6, 6, QImage::Format_ARGB32);
        img.fill(Qt::cyan);
        QVERIFY(img.save(path));
        QCOMPARE(c.GetImage(QStringLiteral("file://") + path).size(), QSize(4, 4));
        m_now += WebImageCache::RefreshMs + 1;
        QCOMPARE(c.GetImage(QStringLiteral("file://") + path).size(), QSize(6, 6));
    }

    void maintenanceDropsUnusedEntries() {
        QTemporaryDir dir;
        QImage img(2, 2, QImage::Format_ARGB32);
        img.fill(Qt::black);
        QVERIFY(img.save(dir.filePath("a.png")));
        QVERIFY(img.save(dir.filePath("b.png")));
        WebImageCache c;
        UseClock(c);
        const QString a = QStringLiteral("file://") + dir.filePath("a.png");
        const QString b = QStringLiteral("file://") + dir.filePath("b.png");
        c.GetImage(a);
        m_now += 2;
        c.GetImage(b);
        m_now += WebImageCache::UnusedMs; // a: one hour and 2 ms unused, b: exactly one hour
        c.Maintenance();
        QVERIFY(!c.HasEntry(a));
        QVERIFY(c.HasEntry(b));
        m_now += 1;
        c.Maintenance();
        QCOMPARE(c.EntryCount(), 0);
    }

    void entryCountIsBounded() {
        WebImageCache c;
        UseClock(c);
        QTemporaryDir dir;
        for (int i = 0; i < WebImageCache::MaxEntries + 10; ++i) {
            m_now += 1;
            c.GetImage(QStringLiteral("file://%1/n%2.png").arg(dir.path()).arg(i));
        }
        QCOMPARE(c.EntryCount(), WebImageCache::MaxEntries);
        // The oldest went first.
        QVERIFY(!c.HasEntry(QStringLiteral("file://%1/n0.png").arg(dir.path())));
        QVERIFY(c.HasEntry(QStringLiteral("file://%1/n%2.png").arg(dir.path()).arg(WebImageCache::MaxEntries + 9)));
    }
};

QTEST_MAIN(TestWebImageCache)
#include "test_webimagecache.moc"
