// The news-feed source: feed parsing (RSS, Atom, HTML entities, repair of broken documents, hostile input),
// entry keys, settings, fetching on demand against a local HTTP server, and the job stop of its worker type.
#include "datasources/builtindatasources.h"
#include "datasources/datasrccommon.h"
#include "datasources/datasrcnewsfeed.h"
#include "datasources/newsfeedtask.h"
#include "foundation/logger/QsLog.h"
#include "functions/funcmgr.h"
#include "functions/trustedroots.h"
#include "functions/userprompts.h"
#include "tests/common/logcapture.h"
#include "tests/datasources/feedhttpserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSslKey>
#include <QSslSocket>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>

namespace {

QByteArray Fixture(const QString& name) {
    QFile file(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

qint64 Ms(const char* isoUtc) {
    return QDateTime::fromString(QString::fromLatin1(isoUtc), Qt::ISODate).toMSecsSinceEpoch();
}

QStringList Texts(const QMap<qint64, QVariantMap>& entries) {
    QStringList texts;
    for (const QVariantMap& entry : entries)
        texts.append(entry.value(QStringLiteral("text")).toString());
    return texts;
}

QVariantMap ActiveSettings(const QStringList& sources) {
    QVariantMap settings;
    settings.insert(QStringLiteral("Active"), QStringLiteral("1"));
    settings.insert(QStringLiteral("Sources"), sources);
    return settings;
}

// A feed of n items, newest first, one minute apart.
QByteArray GeneratedFeed(int n) {
    QByteArray feed = "<rss version=\"2.0\"><channel><title>Generated</title>";
    const QDateTime start = QDateTime::fromString(QStringLiteral("2026-11-10T12:00:00Z"), Qt::ISODate);
    for (int i = 0; i < n; ++i) {
        feed += "<item><title>Item " + QByteArray::number(i) + "</title><guid>g" + QByteArray::number(i) +
                "</guid><pubDate>" +
                QLocale::c()
                    .toString(start.addSecs(-60 * i), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
                    .toLatin1() +
                "</pubDate></item>";
    }
    return feed + "</channel></rss>";
}

// A TLS server whose certificate no one trusts: it answers every request with the given body.
class UntrustedTlsServer : public QTcpServer {
public:
    explicit UntrustedTlsServer(const QByteArray& body) : mBody(body) {
        mCert = QSslCertificate(Fixture(QStringLiteral("selfsigned.crt")));
        mKey = QSslKey(Fixture(QStringLiteral("selfsigned.key")), QSsl::Ec);
        listen(QHostAddress::LocalHost, 0);
    }
    QString Url() const { return QStringLiteral("https://127.0.0.1:%1/feed").arg(serverPort()); }

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(handle);
        socket->setLocalCertificate(mCert);
        socket->setPrivateKey(mKey);
        QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket]() {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(mBody.size()) +
                          "\r\nConnection: close\r\n\r\n" + mBody);
            socket->disconnectFromHost();
        });
        socket->startServerEncryption();
    }

private:
    QByteArray mBody;
    QSslCertificate mCert;
    QSslKey mKey;
};

// A source type of its own, so the stop of its jobs does not touch the news feed's.
struct FakeSource {
    static DataSourceGlobals::JobCounters& TaskCounters() {
        static DataSourceGlobals::JobCounters counters;
        return counters;
    }
};

class BlockingJob : public RunnableTask<FakeSource> {
public:
    BlockingJob(std::atomic<int>* started, std::atomic<bool>* release, std::atomic<int>* finished,
                StopToken token = StopToken())
        : RunnableTask<FakeSource>(token), mStarted(started), mRelease(release), mFinished(finished) {}

protected:
    void DoWork() override {
        ++*mStarted;
        while (!mRelease->load())
            QThread::msleep(1);
        ++*mFinished;
    }

private:
    std::atomic<int>* mStarted;
    std::atomic<bool>* mRelease;
    std::atomic<int>* mFinished;
};

} // namespace

// The user's side of an address test: the popup runs until the test has no address pending, then answers
// as told; the chooser answers with the choice at chooseIndex (-1: remove).
struct ScriptedPrompts : IUserPrompts {
    struct Popup : ITestPopup {
        explicit Popup(ScriptedPrompts* owner) : owner(owner) {}
        QString Text() const override { return text; }
        void SetText(const QString& t) override { text = t; }
        bool IsOkVisible() const override { return okVisible; }
        void SetOkVisible(bool visible) override { okVisible = visible; }
        QString Results() const override { return results; }
        void SetResults(const QStringList& lines, const QString& question) override {
            results = lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + question;
        }
        bool Exec() override {
            QElapsedTimer clock;
            clock.start();
            while (!finished && !okVisible && clock.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            owner->lastText = text;
            owner->lastResults = results;
            return finished ? finishedOk : owner->pressOk;
        }
        void Finish(bool ok) override {
            finished = true;
            finishedOk = ok;
        }
        ScriptedPrompts* owner;
        QString text, results;
        bool okVisible = true, finished = false, finishedOk = false;
    };
    bool AskPermission(const QString&, const QString&, const QString&, bool*) override { return false; }
    std::unique_ptr<IStatusPopup> MakeStatusPopup(const QString&, const QString&) override { return nullptr; }
    std::unique_ptr<ITestPopup> MakeTestPopup(const QString& title) override {
        popupTitle = title;
        return std::make_unique<Popup>(this);
    }
    QString ChooseReplacement(const ReplacementChoice& choice) override {
        offered = choice;
        return chooseIndex >= 0 ? choice.choices.value(chooseIndex) : QString();
    }
    bool pressOk = true;
    int chooseIndex = 0;
    QString popupTitle, lastText, lastResults;
    ReplacementChoice offered;
};

class TestNewsFeed : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mLog.emplace(); }
    void cleanupTestCase() { mLog.reset(); }
    void init() { mLog->Clear(); }

    void stableHash_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("hash");
        QTest::newRow("empty") << QString() << 0u;
        QTest::newRow("abc") << QStringLiteral("abc") << 26499u;
        // Long enough that the top nibble folds back in.
        QTest::newRow("folding") << QStringLiteral("urn:orchard:apples") << 0x0e9ee743u;
        QTest::newRow("non-latin") << QStringLiteral("\u00e9\u4e2d") << 0x4e2d + (0xe9u << 4);
    }
    void stableHash() {
        QFETCH(QString, text);
        QFETCH(uint, hash);
        QCOMPARE(DataSrcCommon::StableStringHash(text), hash);
    }

    void entryKey() {
        // "abc" hashes to 26499: (0 ^ 26499) % 1000 = 499 fills the milliseconds of the item's second.
        QCOMPARE(DataSrcCommon::EntryKey(1234567, QStringLiteral("abc")), qint64(1234499));
        QCOMPARE(DataSrcCommon::EntryKey(1234000, QStringLiteral("abc")), qint64(1234499));
        QCOMPARE(DataSrcCommon::EntryKey(0, QStringLiteral("abc")), qint64(0));
        // Truncation toward zero before the epoch.
        QCOMPARE(DataSrcCommon::EntryKey(-1500, QStringLiteral("abc")), qint64(-1000 + 499));
    }

    void activeRule_data() {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<bool>("active");
        auto with = [](const QVariant& v) { return QVariantMap{{QStringLiteral("Active"), v}}; };
        QTest::newRow("missing") << QVariantMap() << false;
        QTest::newRow("0") << with(QStringLiteral("0")) << false;
        QTest::newRow("false") << with(QStringLiteral("false")) << false;
        QTest::newRow("bool false") << with(false) << false;
        QTest::newRow("False") << with(QStringLiteral("False")) << true;
        QTest::newRow("empty text") << with(QString(QLatin1String(""))) << true;
        QTest::newRow("1") << with(QStringLiteral("1")) << true;
        QTest::newRow("bool true") << with(true) << true;
    }
    void activeRule() {
        QFETCH(QVariantMap, settings);
        QFETCH(bool, active);
        DataSrcNewsFeed source;
        QVERIFY(source.IsActive()); // active until the first settings decide
        source.SetSettings(settings);
        QCOMPARE(source.IsActive(), active);
        if (!active)
            QVERIFY(source.GetEntries().isEmpty());
    }

    void parse_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("tidied");
        QTest::addColumn<int>("xmlErrors");

        QTest::newRow("rss 2.0") << "rss2.xml"
                                 << QStringList{QStringLiteral("Ferry & tug collide"),
                                                QStringLiteral("Lighthouse <relit>")}
                                 << false << 0;
        QTest::newRow("atom") << "atom.xml"
                              << QStringList{QStringLiteral("Apples picked"), QStringLiteral("Pears pruned")} << false
                              << 0;
        QTest::newRow("html entities and markup in descriptions")
            << "entities.xml" << QStringList{QStringLiteral("Menu\u00a0\u2014\u00a0today")} << false << 0;
        QTest::newRow("broken html in a description: repaired, items before it kept")
            << "brokenhtml.xml" << QStringList{QStringLiteral("Wheel turns")} << true << 1;
        QTest::newRow("malformed xml") << "malformed.xml" << QStringList{QStringLiteral("Stone one")} << true << 1;
        QTest::newRow("entity expansion bomb") << "laughs.xml" << QStringList() << true << 1;
        // The page's feed links are found before its first error, which then ends the reading.
        QTest::newRow("html page") << "page.html" << QStringList() << false << 1;
    }
    void parse() {
        QFETCH(QString, fixture);
        QFETCH(QStringList, texts);
        QFETCH(bool, tidied);
        QFETCH(int, xmlErrors);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        const DataSrcNewsFeed::ParseResult result =
            source.ParseHttpResult(Fixture(fixture), QStringLiteral("http://feeds.example/x"));
        QCOMPARE(Texts(source.GetEntries()), texts);
        QCOMPARE(result.tidied, tidied);
        QCOMPARE(mLog->Count(QStringLiteral("XMLError:")), xmlErrors);
        QCOMPARE(mLog->Count(QStringLiteral("ParseHttpResult: ")) - xmlErrors, 1);
    }

    void rssEntryFields() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        source.ParseHttpResult(Fixture(QStringLiteral("rss2.xml")), QStringLiteral("http://harbour.example/rss"));
        const QList<QVariantMap> entries = source.GetEntries().values();
        QCOMPARE(entries.size(), 2);

        const qint64 key1 = DataSrcCommon::EntryKey(Ms("2026-11-10T10:00:00Z"), QStringLiteral("harbour-1"));
        QCOMPARE(entries[0].value("title").toString(), QStringLiteral("Harbour News"));
        QCOMPARE(entries[0].value("link").toString(), QStringLiteral("http://harbour.example/1"));
        QCOMPARE(entries[0].value("id").toString(), QStringLiteral("harbour-1"));
        QCOMPARE(entries[0].value("time").toLongLong(), key1);
        QCOMPARE(source.GetEntries().firstKey(), key1);
        QVERIFY(!entries[0].contains("icon"));

        // Without a guid the title is the key text; the zone offset is honoured.
        const qint64 key2 = DataSrcCommon::EntryKey(Ms("2026-11-10T10:30:00Z"), QStringLiteral("Lighthouse <relit>"));
        QCOMPARE(entries[1].value("id").toString(), QString());
        QCOMPARE(entries[1].value("time").toLongLong(), key2);
        QCOMPARE(entries[1].value("title").toString(), QStringLiteral("Harbour News"));
    }

    void atomEntryFields() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        source.ParseHttpResult(Fixture(QStringLiteral("atom.xml")), QStringLiteral("http://orchard.example/feed"));
        const QList<QVariantMap> entries = source.GetEntries().values();
        QCOMPARE(entries.size(), 2);
        // "published" wins over an "updated" that came first; the first link of an entry is its link.
        QCOMPARE(entries[0].value("time").toLongLong(),
                 DataSrcCommon::EntryKey(Ms("2026-11-09T08:00:00Z"), QStringLiteral("urn:orchard:apples")));
        QCOMPARE(entries[0].value("link").toString(), QStringLiteral("http://orchard.example/apples"));
        QCOMPARE(entries[0].value("title").toString(), QStringLiteral("Orchard Log"));
        QCOMPARE(entries[1].value("time").toLongLong(),
                 DataSrcCommon::EntryKey(Ms("2026-11-10T05:15:00Z"), QStringLiteral("urn:orchard:pears")));
    }

    void htmlPageOffersResolvedFeedLinks() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        const DataSrcNewsFeed::ParseResult result =
            source.ParseHttpResult(Fixture(QStringLiteral("page.html")), QStringLiteral("http://garden.example/club/"));
        QVERIFY(result.isHtml);
        QVERIFY(!result.isFeed);
        QCOMPARE(result.foundFeeds, (QStringList{QStringLiteral("http://garden.example/feeds/rss"),
                                                 QStringLiteral("http://garden.example/club/atom.xml")}));
        QVERIFY(source.GetEntries().isEmpty());
    }

    void storeKeepsNewest64() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        const DataSrcNewsFeed::ParseResult result = source.ParseHttpResult(GeneratedFeed(70), QString());
        QCOMPARE(result.itemCount, 70);
        const QMap<qint64, QVariantMap> entries = source.GetEntries();
        QCOMPARE(entries.size(), 64);
        QCOMPARE(entries.last().value("text").toString(), QStringLiteral("Item 0"));
        QCOMPARE(entries.first().value("text").toString(), QStringLiteral("Item 63"));
    }

    void sameKeyReplaces() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        source.ParseHttpResult(
            "<rss><channel><title>T</title>"
            "<item><title>old</title><guid>same</guid><pubDate>Wed, 11 Nov 2026 08:00:00 GMT</pubDate></item>"
            "<item><title>new</title><guid>same</guid><pubDate>Wed, 11 Nov 2026 08:00:00 GMT</pubDate></item>"
            "</channel></rss>",
            QString());
        QCOMPARE(Texts(source.GetEntries()), QStringList{QStringLiteral("new")});
    }

    void gigantic_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("entries");
        QTest::newRow("many items") << GeneratedFeed(20000) << 64;
        QByteArray longTitle = "<rss><channel><title>T</title><item><title>";
        longTitle += QByteArray(4 * 1024 * 1024, 'x');
        longTitle += "</title><pubDate>Wed, 11 Nov 2026 08:00:00 GMT</pubDate></item></channel></rss>";
        QTest::newRow("one huge title") << longTitle << 1;
        QTest::newRow("deep nesting, not well-formed")
            << QByteArray("<rss>") + QByteArray(300000, '\0').replace('\0', "<b>") << 0;
        QTest::newRow("deep nesting repaired")
            << QByteArray("<html><body>") + QByteArray("<div>").repeated(100000) + "<p a='1'>" << 0;
        QTest::newRow("nul bytes") << QByteArray("<rss><chan\0nel>", 15) << 0;
    }
    void gigantic() {
        QFETCH(QByteArray, body);
        QFETCH(int, entries);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        source.ParseHttpResult(body, QStringLiteral("http://big.example/"));
        QCOMPARE(source.GetEntries().size(), entries);
    }

    void settingsNormaliseAddresses() {
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({QStringLiteral("feeds.example/rss"), QStringLiteral("  # notes here"),
                                           QStringLiteral("https://secure.example/atom")}));
        const QVariantMap settings = source.GetSettings();
        QCOMPARE(settings.value("Sources").toStringList(),
                 (QStringList{QStringLiteral("http://feeds.example/rss"), QStringLiteral("  # notes here"),
                              QStringLiteral("https://secure.example/atom")}));
        QCOMPARE(settings.value("Active").toString(), QStringLiteral("1"));
    }

    void getValueAnswersZero() {
        DataSrcNewsFeed source;
        QCOMPARE(source.GetValue(QStringLiteral("GetRSSStatus"), {}), QVariant(0));
        QCOMPARE(mLog->Count(QStringLiteral("DataSrcNewsFeed::GetValue: \"GetRSSStatus\"")), 1);
    }

    // ---- Fetching against a local server ----

    void fetchOnlyWhileAsked() {
        FeedHttpServer server;
        server.SetBody("/feed", Fixture(QStringLiteral("rss2.xml")));
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/feed")}));

        // Nobody asked: ticks fetch nothing, and the first settings scheduled nothing.
        source.OnTick();
        QCoreApplication::processEvents();
        QCOMPARE(server.TotalHits(), 0);

        // The first ask fetches at once; a second ask right after schedules no second fetch.
        QVERIFY(source.GetEntries().isEmpty());
        source.GetEntries();
        QTRY_COMPARE(source.GetEntries().size(), 2);
        QCOMPARE(server.Hits("/feed"), 1);
        QCOMPARE(mLog->Count(QStringLiteral("UpdateSources")), 1);

        // Asked within the last two ticks: both fetch; the third does not. Each tick waits for the reply
        // before it, as an address still waited for is not fetched again.
        QTRY_COMPARE(source.FetchesInFlight(), 0);
        source.OnTick();
        QTRY_COMPARE(server.Hits("/feed"), 2);
        QTRY_COMPARE(source.FetchesInFlight(), 0);
        source.OnTick();
        QTRY_COMPARE(server.Hits("/feed"), 3);
        QTRY_COMPARE(source.FetchesInFlight(), 0);
        source.OnTick();
        QTest::qWait(50);
        QCOMPARE(server.Hits("/feed"), 3);

        // Asking again fetches at once.
        source.GetEntries();
        QTRY_COMPARE(server.Hits("/feed"), 4);
        QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    }

    void changedSourcesFetchAtOnce() {
        FeedHttpServer server;
        server.SetBody("/a", Fixture(QStringLiteral("rss2.xml")));
        server.SetBody("/b", Fixture(QStringLiteral("atom.xml")), "application/atom+xml");
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/a")}));
        source.SetSettings(ActiveSettings({server.Url("/a"), QStringLiteral("#") + server.Url("/b")}));
        QTRY_COMPARE(server.Hits("/a"), 1);
        QCOMPARE(server.Hits("/b"), 0); // a comment line is never fetched
        QTRY_COMPARE(source.GetEntries().size(), 2);
    }

    void replies_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("logged");
        QTest::newRow("404") << 404 << QByteArray("gone") << "ContentNotFoundError";
        QTest::newRow("500") << 500 << QByteArray() << "InternalServerError";
        QTest::newRow("204") << 204 << QByteArray() << "unexpected status 204";
        QTest::newRow("not xml") << 200 << QByteArray("just some words, no markup at all") << "XMLError:";
        QTest::newRow("binary") << 200 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "XMLError:";
    }
    void replies() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, logged);
        FeedHttpServer server;
        FeedHttpServer::Route route;
        route.status = status;
        route.body = body;
        server.SetRoute("/x", route);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/x")}));
        source.GetEntries();
        QTRY_VERIFY(mLog->Count(logged) > 0);
        QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
        QVERIFY(source.GetEntries().isEmpty());
        QCOMPARE(mLog->Count(QStringLiteral("OnHttpDone: \"http")), 1);
    }

    void untrustedCertificateIsNotRead() {
        UntrustedTlsServer server(Fixture(QStringLiteral("rss2.xml")));
        QVERIFY(server.isListening());
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url()}));
        source.GetEntries();
        QTRY_COMPARE(mLog->Count(QStringLiteral("OnHttpDone: \"https")), 1);
        QCOMPARE(mLog->Count(QStringLiteral("DataSrcNewsFeed::OnSslErrors: \"https://127.0.0.1")), 1);
        QCOMPARE(mLog->Count(QStringLiteral("ParseHttpResult:")), 0);
        QVERIFY(source.GetEntries().isEmpty());
    }

    // An authority named by the environment counts for the feeds as for every other connection.
    void namedAuthorityVouchesForAFeed() {
        const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
        qputenv("MERVEX_CA_FILE", QByteArray(MERVEX_TEST_SOURCE_DIR "/fixtures/selfsigned.crt"));
        TrustedRoots::Install();
        qunsetenv("MERVEX_CA_FILE");
        UntrustedTlsServer server(Fixture(QStringLiteral("rss2.xml")));
        QVERIFY(server.isListening());
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url()}));
        source.GetEntries();
        QTRY_VERIFY(!source.GetEntries().isEmpty());
        QSslConfiguration::setDefaultConfiguration(saved);
        QCOMPARE(mLog->Count(QStringLiteral("DataSrcNewsFeed::OnSslErrors:")), 0);
    }

    // The address test names why an address failed, so the user can tell a certificate nobody vouches for or a
    // redirect loop from a server that is down.
    void addressTestNamesTheFailure_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("reason");
        QTest::newRow("self-signed certificate")
            << "untrusted"
            << "the certificate of 127.0.0.1 is not trusted: The certificate is self-signed";
        QTest::newRow("301 to itself") << "loop"
                                       << "too many redirects";
    }
    void addressTestNamesTheFailure() {
        QFETCH(QString, server);
        QFETCH(QString, reason);
        UntrustedTlsServer untrusted(Fixture(QStringLiteral("rss2.xml")));
        FeedHttpServer plain;
        FeedHttpServer::Route loop;
        loop.status = 301;
        loop.headers.append(qMakePair(QByteArray("Location"), QByteArray("/loop")));
        plain.SetRoute("/loop", loop);
        const QString address = server == QLatin1String("untrusted") ? untrusted.Url() : plain.Url("/loop");
        ScriptedPrompts prompts;
        UserPrompts::Install(&prompts);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({plain.Url("/old")}));
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {QStringList{address}}), QVariant(true));
        UserPrompts::Install(nullptr);
        QVERIFY2(prompts.lastResults.startsWith("No valid URLs found.\nFailed:\n" + address + " (" + reason),
                 qPrintable(prompts.lastResults));
        QVERIFY(source.GetSettings().value("Sources").toStringList().isEmpty());
    }

    void permanentRedirectRewritesTheAddress() {
        FeedHttpServer server;
        server.SetBody("/new", Fixture(QStringLiteral("rss2.xml")));
        FeedHttpServer::Route moved;
        moved.status = 301;
        moved.headers.append(qMakePair(QByteArray("Location"), QByteArray("/new")));
        server.SetRoute("/old", moved);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/old")}));
        source.GetEntries();
        QTRY_COMPARE(source.GetEntries().size(), 2);
        QCOMPARE(source.GetSettings().value("Sources").toStringList(), QStringList{server.Url("/new")});
        QCOMPARE(mLog->Count(QStringLiteral("Moved Permanently:")), 1);
        QCOMPARE(server.Hits("/old"), 1);
    }

    void temporaryRedirectKeepsTheAddress() {
        FeedHttpServer server;
        server.SetBody("/today", Fixture(QStringLiteral("atom.xml")), "application/atom+xml");
        FeedHttpServer::Route found;
        found.status = 302;
        found.headers.append(qMakePair(QByteArray("Location"), QByteArray("today")));
        server.SetRoute("/latest", found);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/latest")}));
        source.GetEntries();
        QTRY_COMPARE(source.GetEntries().size(), 2);
        QCOMPARE(source.GetSettings().value("Sources").toStringList(), QStringList{server.Url("/latest")});
    }

    void redirectLoopEnds_data() {
        QTest::addColumn<int>("firstStatus");
        QTest::addColumn<int>("secondStatus");
        QTest::addColumn<QByteArray>("firstTarget");
        QTest::newRow("302 to itself") << 302 << 0 << QByteArray("/loop");
        QTest::newRow("301 to itself") << 301 << 0 << QByteArray("/loop");
        QTest::newRow("301 ping-pong") << 301 << 301 << QByteArray("/pong");
        QTest::newRow("302 and 301 ping-pong") << 302 << 301 << QByteArray("/pong");
    }
    void redirectLoopEnds() {
        QFETCH(int, firstStatus);
        QFETCH(int, secondStatus);
        QFETCH(QByteArray, firstTarget);
        FeedHttpServer server;
        FeedHttpServer::Route loop;
        loop.status = firstStatus;
        loop.headers.append(qMakePair(QByteArray("Location"), firstTarget));
        server.SetRoute("/loop", loop);
        FeedHttpServer::Route pong;
        pong.status = secondStatus;
        pong.headers.append(qMakePair(QByteArray("Location"), QByteArray("/loop")));
        if (secondStatus)
            server.SetRoute("/pong", pong);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/loop")}));
        source.GetEntries();
        QTRY_VERIFY(mLog->Count(QStringLiteral("too many redirects")) == 1);
        // Permanent and temporary redirects count together, and a permanent one starts no new update.
        QTest::qWait(300);
        QCOMPARE(server.TotalHits(), DataSrcNewsFeed::kMaxRedirects + 1);
        QCOMPARE(mLog->Count(QStringLiteral("too many redirects")), 1);
    }

    void temporaryThenPermanentRedirectReadsTheFeed() {
        FeedHttpServer server;
        server.SetBody("/final", Fixture(QStringLiteral("rss2.xml")));
        FeedHttpServer::Route found;
        found.status = 302;
        found.headers.append(qMakePair(QByteArray("Location"), QByteArray("/moved")));
        server.SetRoute("/latest", found);
        FeedHttpServer::Route moved;
        moved.status = 301;
        moved.headers.append(qMakePair(QByteArray("Location"), QByteArray("/final")));
        server.SetRoute("/moved", moved);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({QStringLiteral("# mine"), server.Url("/latest")}));
        source.GetEntries();
        QTRY_COMPARE(source.GetEntries().size(), 2);
        QCOMPARE(source.GetSettings().value("Sources").toStringList(),
                 (QStringList{QStringLiteral("# mine"), server.Url("/final")}));
        QCOMPARE(server.Hits("/latest"), 1);
        QCOMPARE(server.Hits("/final"), 1);
    }

    // The address test: every address fetched, redirects followed and listed as tested, an HTML page offered
    // its feed links, failures named with their reason; OK takes the passed addresses, Cancel nothing.
    void addressTest() {
        FeedHttpServer server;
        server.SetBody("/good", Fixture(QStringLiteral("rss2.xml")));
        server.SetBody("/atom", Fixture(QStringLiteral("atom.xml")), "application/atom+xml");
        FeedHttpServer::Route found;
        found.status = 302;
        found.headers.append(qMakePair(QByteArray("Location"), QByteArray("/atom")));
        server.SetRoute("/latest", found);
        server.SetBody("/page/",
                       "<html><head><link rel=\"alternate\" type=\"application/rss+xml\" href=\"/good\"/>"
                       "</head><body>hi</body></html>",
                       "text/html");
        ScriptedPrompts prompts;
        UserPrompts::Install(&prompts);
        DataSrcNewsFeed source;
        const QStringList before{server.Url("/old")};
        source.SetSettings(ActiveSettings(before));
        const QString bare = server.Url("/good").mid(int(strlen("http://")));
        const QStringList edited{QStringLiteral("# my feeds"), bare, server.Url("/missing"), server.Url("/latest"),
                                 server.Url("/page/")};

        prompts.pressOk = false;
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {edited}), QVariant(false));
        QCOMPARE(source.GetSettings().value("Sources").toStringList(), before);

        prompts.pressOk = true;
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {edited}), QVariant(true));
        UserPrompts::Install(nullptr);
        QCOMPARE(prompts.popupTitle, QStringLiteral("News Feed Test"));
        QCOMPARE(prompts.offered.choices, QStringList{server.Url("/good")});
        QCOMPARE(prompts.offered.problem, server.Url("/page/") + " is not an RSS/Atom Feed.");
        const QStringList sources = source.GetSettings().value("Sources").toStringList();
        QCOMPARE(sources.first(), QStringLiteral("# my feeds"));
        QCOMPARE(QSet<QString>(sources.begin() + 1, sources.end()),
                 (QSet<QString>{server.Url("/good"), server.Url("/latest")}));
        QCOMPARE(sources.size(), 3); // the page's chosen feed passed on its own and is listed once
        QVERIFY2(prompts.lastResults.contains("Failed:\n" + server.Url("/missing") + " ("),
                 qPrintable(prompts.lastResults));
        QVERIFY(prompts.lastResults.endsWith("Apply results?"));
        QVERIFY(!source.IsTestRunning());
        // Nothing the test read became an entry.
        QVERIFY(source.GetEntries().isEmpty());
    }

    // A test maps back only the redirects it followed itself: an address tested directly after an earlier test
    // reached it by redirect is listed as itself, not as the address the user has removed since.
    void addressTestForgetsEarlierRedirects() {
        FeedHttpServer server;
        server.SetBody("/atom", Fixture(QStringLiteral("atom.xml")), "application/atom+xml");
        FeedHttpServer::Route found;
        found.status = 302;
        found.headers.append(qMakePair(QByteArray("Location"), QByteArray("/atom")));
        server.SetRoute("/latest", found);
        ScriptedPrompts prompts;
        UserPrompts::Install(&prompts);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({}));
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {QStringList{server.Url("/latest")}}),
                 QVariant(true));
        QCOMPARE(source.GetSettings().value("Sources").toStringList(), QStringList{server.Url("/latest")});
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {QStringList{server.Url("/atom")}}),
                 QVariant(true));
        UserPrompts::Install(nullptr);
        QCOMPARE(source.GetSettings().value("Sources").toStringList(), QStringList{server.Url("/atom")});
        QVERIFY2(prompts.lastResults.startsWith("Succeeded:\n" + server.Url("/atom") + "\n"),
                 qPrintable(prompts.lastResults));
    }

    void addressTestWithNothingValid() {
        FeedHttpServer server;
        ScriptedPrompts prompts;
        UserPrompts::Install(&prompts);
        DataSrcNewsFeed source;
        source.SetSettings(ActiveSettings({server.Url("/old")}));
        QCOMPARE(
            source.GetValue(QStringLiteral("DoTestConnectParam"), {QStringList{server.Url("/a"), server.Url("/b")}}),
            QVariant(true));
        // Both failures are listed with their reasons under the verdict.
        QCOMPARE(prompts.lastText, QString());
        QStringList lines = prompts.lastResults.split(QLatin1Char('\n'));
        std::sort(lines.begin() + 2, lines.end() - 1);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.mid(0, 2), (QStringList{"No valid URLs found.", "Failed:"}));
        QVERIFY2(lines.at(2).startsWith(server.Url("/a") + " (") && lines.at(2).endsWith(')'), qPrintable(lines.at(2)));
        QVERIFY2(lines.at(3).startsWith(server.Url("/b") + " (") && lines.at(3).endsWith(')'), qPrintable(lines.at(3)));
        QCOMPARE(lines.last(), QStringLiteral("Apply results?"));
        QVERIFY(source.GetSettings().value("Sources").toStringList().isEmpty());

        // With nothing tested the verdict is the message itself.
        QCOMPARE(source.GetValue(QStringLiteral("DoTestConnectParam"), {QStringList()}), QVariant(true));
        QCOMPARE(prompts.lastText, QStringLiteral("No valid URLs found.\nApply results?"));
        UserPrompts::Install(nullptr);
    }

    void stalledServer() {
        FeedHttpServer server;
        FeedHttpServer::Route stall;
        stall.mode = FeedHttpServer::Stall;
        server.SetRoute("/slow", stall);
        auto* source = new DataSrcNewsFeed;
        source->SetSettings(ActiveSettings({server.Url("/slow")}));
        source->GetEntries();
        QTRY_COMPARE(server.Hits("/slow"), 1);
        // While its reply is open the address is not asked again.
        source->OnTick();
        QTest::qWait(50);
        QCOMPARE(server.Hits("/slow"), 1);
        QCOMPARE(mLog->Count(QStringLiteral("still waiting for")), 1);
        // Going away with the request open is clean.
        delete source;

        // A stalled fetch gives up after its transfer time-out; the address can then be fetched again.
        DataSrcNewsFeed timed;
        // The time-out runs from the start of the request: long enough for it to reach the server on a busy
        // machine, so the server sees the first fetch before the source gives up on it.
        timed.SetTransferTimeout(500);
        timed.SetSettings(ActiveSettings({server.Url("/slow")}));
        timed.GetEntries();
        QTRY_COMPARE(server.Hits("/slow"), 2);
        QTRY_COMPARE(mLog->Count(QStringLiteral("OnHttpDone:")), 1);
        timed.OnTick();
        QTRY_COMPARE(server.Hits("/slow"), 3);
    }

    void hugeReplyIsAbandoned() {
        FeedHttpServer server;
        FeedHttpServer::Route endless;
        endless.mode = FeedHttpServer::Endless;
        server.SetRoute("/huge", endless);
        DataSrcNewsFeed source;
        source.SetMaxReplyBytes(1024 * 1024);
        source.SetSettings(ActiveSettings({server.Url("/huge")}));
        source.GetEntries();
        QTRY_COMPARE(mLog->Count(QStringLiteral("reply larger than")), 1);
        QTRY_COMPARE(mLog->Count(QStringLiteral("OnHttpDone:")), 1);
        QCOMPARE(mLog->Count(QStringLiteral("ParseHttpResult:")), 0);
        QVERIFY(server.EndlessBytesSent() < 64 * 1024 * 1024);
        QVERIFY(source.GetEntries().isEmpty());
    }

    void declaredLengthAboveTheBound() {
        FeedHttpServer server;
        server.SetBody("/big", GeneratedFeed(2000));
        DataSrcNewsFeed source;
        source.SetMaxReplyBytes(1000);
        source.SetSettings(ActiveSettings({server.Url("/big")}));
        source.GetEntries();
        QTRY_COMPARE(mLog->Count(QStringLiteral("OnHttpDone:")), 1);
        QCOMPARE(mLog->Count(QStringLiteral("ParseHttpResult:")), 0);
    }

    // ---- Worker jobs ----

    void stopAndWaitWaitsForRunningJobs() {
        QThreadPool pool;
        std::atomic<int> started(0), finished(0);
        std::atomic<bool> release(false);
        pool.start(new BlockingJob(&started, &release, &finished));
        pool.start(new BlockingJob(&started, &release, &finished));
        QTRY_COMPARE(started.load(), 2);
        QCOMPARE(RunnableTask<FakeSource>::RunningCount(), 2);

        std::thread releaser([&release]() {
            QThread::msleep(30);
            release.store(true);
        });
        RunnableTask<FakeSource>::StopAndWait();
        QCOMPARE(finished.load(), 2);
        QCOMPARE(RunnableTask<FakeSource>::RunningCount(), 0);
        releaser.join();

        // A job that starts after the stop does nothing.
        pool.start(new BlockingJob(&started, &release, &finished));
        pool.waitForDone();
        QCOMPARE(started.load(), 2);
        QCOMPARE(RunnableTask<FakeSource>::LiveCount(), 0);

        // A new source of the type clears the flag; a job whose own source has gone still does nothing.
        RunnableTask<FakeSource>::ClearStop();
        auto token = RunnableTask<FakeSource>::NewStopToken();
        token->store(true);
        pool.start(new BlockingJob(&started, &release, &finished, token));
        pool.start(new BlockingJob(&started, &release, &finished, RunnableTask<FakeSource>::NewStopToken()));
        pool.waitForDone();
        QCOMPARE(started.load(), 3);
    }

    void sourceRebuiltAfterCloseParsesAgain() {
        FeedHttpServer server;
        server.SetBody("/feed", Fixture(QStringLiteral("rss2.xml")));
        for (int round = 0; round < 2; ++round) {
            DataSrcNewsFeed source;
            source.SetSettings(ActiveSettings({server.Url("/feed")}));
            source.GetEntries();
            QTRY_COMPARE(source.GetEntries().size(), 2);
        }
        QVERIFY(RunnableTask<DataSrcNewsFeed>::IsStopped());
    }

    void destroyedWhileParsing() {
        // Large bodies keep pool threads busy while the source goes; its destructor waits for them.
        const QByteArray body = GeneratedFeed(20000);
        auto* source = new DataSrcNewsFeed;
        source->SetSettings(ActiveSettings({}));
        auto token = RunnableTask<DataSrcNewsFeed>::NewStopToken();
        for (int i = 0; i < 4; ++i)
            QThreadPool::globalInstance()->start(new NEWS_FEED::NewsFeedTask(source, body, QString(), token));
        QTRY_VERIFY(RunnableTask<DataSrcNewsFeed>::RunningCount() > 0 ||
                    RunnableTask<DataSrcNewsFeed>::LiveCount() == 0);
        token->store(true);
        delete source;
        QCOMPARE(RunnableTask<DataSrcNewsFeed>::RunningCount(), 0);
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(RunnableTask<DataSrcNewsFeed>::LiveCount(), 0);
    }

    void registeredAsBuiltIn() {
        QVariantMap stored;
        stored.insert(QStringLiteral("NewsFeed"), ActiveSettings({QStringLiteral("feeds.example/a")}));
        SetDataSourceSettingsMap(&stored);
        RegisterBuiltInDataSources();
        IIncomingDataSource* source = FindPluginByName(GetDataSourceList(), QStringLiteral("NewsFeed"));
        QVERIFY(source);
        QVERIFY(source->IsActive());
        QVERIFY(qobject_cast<IIncomingDataSource*>(source));
        QCOMPARE(GetDataSourceList().first(), source);
        QCOMPARE(GetDataSourceNames(false).first(), QStringLiteral("NewsFeed"));
        QCOMPARE(GetDataSourceNames(false).last(), QStringLiteral("Teamspeak"));
        QCOMPARE(source->GetSettings().value("Sources").toStringList(),
                 QStringList{QStringLiteral("http://feeds.example/a")});
        SaveDataSourceSettings();
        DeleteDataSources();
        SetDataSourceSettingsMap(nullptr);
        QCOMPARE(stored.value("NewsFeed").toMap().value("Sources").toStringList(),
                 QStringList{QStringLiteral("http://feeds.example/a")});
    }

private:
    std::optional<LogCapture> mLog;
};

QTEST_GUILESS_MAIN(TestNewsFeed)
#include "test_newsfeed.moc"
