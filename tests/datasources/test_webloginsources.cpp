// What the Facebook and Twitter sources share, run against both on a fake service on 127.0.0.1: bad or refused
// replies leave the entries as they were, a tick while a fetch is busy sends nothing, an inactive source never
// fetches, and the store keeps the newest 64 entries.

#include "datasources/datasrcfacebook.h"
#include "datasources/datasrctwitter.h"
#include "tests/datasources/socialbodies.h"
#include "tests/datasources/socialhttpserver.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>
#include <QtTest>

#include <algorithm>

#include <memory>

using namespace SocialBodies;

enum Kind { Facebook, Twitter };
Q_DECLARE_METATYPE(Kind)

namespace {

// One item of a reply: the service's id, its time (UTC) and its text.
struct Item {
    QString id;
    QDateTime when;
    QString text;
};

// Where the source fetches its entries.
QByteArray FetchPath(Kind kind) {
    return kind == Facebook ? QByteArray("/me/home") : QByteArray("/1.1/statuses/home_timeline.json");
}

std::unique_ptr<WebLoginDataSource> MakeSource(Kind kind) {
    if (kind == Facebook)
        return std::make_unique<DataSrcFacebook>();
    return std::make_unique<DataSrcTwitter>();
}

// Switched on, and showing the items that Body writes.
QVariantMap ShownSettings(Kind kind) {
    if (kind == Facebook)
        return {{"Active", "1"}, {"ShowStatus", "1"}};
    return {{"Active", "1"}};
}

// A reply of the service with the items, all from "Ann".
QByteArray Body(Kind kind, const QList<Item>& items) {
    if (kind == Facebook) {
        QJsonArray posts;
        for (const Item& item : items)
            posts.append(Post(item.id, "status", item.when.toString(Qt::ISODate), "Ann", {{"message", item.text}}));
        return Data(posts);
    }
    QList<QByteArray> tweets;
    for (const Item& item : items)
        tweets.append(Tweet(item.id, "Ann", TwitterDate(item.when), item.text));
    return Timeline(tweets);
}

// Parses a reply body the way the source's job does.
void Parse(Kind kind, WebLoginDataSource& source, const QByteArray& body) {
    if (kind == Facebook)
        static_cast<DataSrcFacebook&>(source).ParseRpcResult(body, QStringLiteral("http://x/me/home"));
    else
        static_cast<DataSrcTwitter&>(source).ParseTimeline(body, QStringLiteral("test"));
}

void AddKindRows() {
    QTest::addColumn<Kind>("kind");
    QTest::newRow("facebook") << Facebook;
    QTest::newRow("twitter") << Twitter;
}

const QDateTime kFirst(QDate(2013, 5, 1), QTime(10, 0), Qt::UTC);

// A TLS server on 127.0.0.1 whose certificate nobody vouches for; it never gets to answer.
class SelfSignedServer : public QTcpServer {
public:
    SelfSignedServer() {
        auto read = [](const char* name) {
            QFile f(QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/") + QLatin1String(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        mCert = QSslCertificate(read("selfsigned.crt"));
        mKey = QSslKey(read("selfsigned.key"), QSsl::Ec);
        listen(QHostAddress::LocalHost, 0);
    }
    QByteArray Origin() const { return "https://127.0.0.1:" + QByteArray::number(serverPort()); }

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(handle);
        socket->setLocalCertificate(mCert);
        socket->setPrivateKey(mKey);
        socket->startServerEncryption();
    }

private:
    QSslCertificate mCert;
    QSslKey mKey;
};

void PointServicesAt(const QByteArray& origin) {
    for (const char* name : {"MERVEX_FACEBOOK_GRAPH_HOST", "MERVEX_FACEBOOK_WEB_HOST", "MERVEX_TWITTER_API_HOST"})
        qputenv(name, origin);
}

} // namespace

class TestWebLoginSources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void badRepliesKeepEntries_data();
    void badRepliesKeepEntries();
    void tickWhileBusySendsNothing_data() { AddKindRows(); }
    void tickWhileBusySendsNothing();
    void inactiveSourceNeverFetches_data() { AddKindRows(); }
    void inactiveSourceNeverFetches();
    void newestSixtyFourKept_data();
    void newestSixtyFourKept();
    void certificateProblemShowsInStatus_data() { AddKindRows(); }
    void certificateProblemShowsInStatus();

private:
    SocialHttpServer* mServer = nullptr;
};

void TestWebLoginSources::initTestCase() {
    mServer = new SocialHttpServer;
    mServer->setParent(this);
    PointServicesAt(mServer->Origin().toLatin1());
}

void TestWebLoginSources::init() {
    DataSourceGlobals::TwitterSessionTexts() = DataSourceGlobals::TwitterSession();
    mServer->Clear();
}

void TestWebLoginSources::badRepliesKeepEntries_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("declaredLength");
    const qint64 huge = qint64(1024) * 1024 * 1024;

    // The Graph API's status is not looked at: only the body counts.
    const QByteArray post = Body(Facebook, {{"2", kFirst, "later"}});
    QTest::newRow("facebook: 429 text") << Facebook << 429 << QByteArray("Too many requests") << qint64(-1);
    QTest::newRow("facebook: malformed JSON") << Facebook << 200 << post.left(post.size() - 4) << qint64(-1);
    QTest::newRow("facebook: data not a list") << Facebook << 200 << QByteArray("{\"data\":\"x\"}") << qint64(-1);
    QTest::newRow("facebook: deep nesting") << Facebook << 200 << QByteArray(20000, '[') << qint64(-1);
    QTest::newRow("facebook: huge reply") << Facebook << 200 << QByteArray(4096, ' ') << huge;

    const QByteArray later = Body(Twitter, {{"9", kFirst.addDays(1), "later"}});
    QTest::newRow("twitter: 401 refused") << Twitter << 401 << QByteArray("{\"errors\":[{\"code\":89}]}") << qint64(-1);
    QTest::newRow("twitter: 429 rate limit") << Twitter << 429 << later << qint64(-1);
    QTest::newRow("twitter: malformed JSON") << Twitter << 200 << later.left(later.size() - 5) << qint64(-1);
    QTest::newRow("twitter: object instead of list") << Twitter << 200 << QByteArray("{\"a\":1}") << qint64(-1);
    QTest::newRow("twitter: deep nesting") << Twitter << 200 << QByteArray(20000, '[') << qint64(-1);
    QTest::newRow("twitter: huge reply") << Twitter << 200 << QByteArray(4096, ' ') << huge;
}

void TestWebLoginSources::badRepliesKeepEntries() {
    QFETCH(Kind, kind);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(qint64, declaredLength);
    const QByteArray path = FetchPath(kind);
    mServer->SetReply(path, 200, Body(kind, {{"1", kFirst, "first"}}));
    const std::unique_ptr<WebLoginDataSource> source = MakeSource(kind);
    source->SetMaxReplyBytes(64 * 1024);
    source->SetSettings(ShownSettings(kind));
    source->GetEntries();
    QTRY_COMPARE(source->GetEntries().size(), 1);
    const QMap<qint64, QVariantMap> before = source->GetEntries();

    SocialHttpServer::Reply reply;
    reply.status = status;
    reply.body = body;
    reply.declaredLength = declaredLength;
    mServer->SetReply(path, reply);
    source->OnRpcDone();
    source->OnTick();
    QTRY_COMPARE(mServer->Hits(path), 2);
    Settle();
    QCOMPARE(source->GetEntries(), before);
    QVERIFY(source->LoginView() == nullptr);
}

void TestWebLoginSources::tickWhileBusySendsNothing() {
    QFETCH(Kind, kind);
    const QByteArray path = FetchPath(kind);
    // A reply that never comes keeps the fetch busy.
    SocialHttpServer::Reply stalled;
    stalled.body = kind == Facebook ? "{" : "[";
    stalled.declaredLength = 1000;
    mServer->SetReply(path, stalled);
    const std::unique_ptr<WebLoginDataSource> source = MakeSource(kind);
    source->SetSettings({{"Active", kind == Facebook ? "1" : "true"}});
    source->GetEntries();
    source->GetEntries();
    QTRY_COMPARE(mServer->Hits(path), 1);
    source->OnTick();
    source->OnTick();
    QTest::qWait(100);
    QCOMPARE(mServer->Hits(path), 1);
    // Once the busy time is over the next tick asks again.
    source->OnRpcDone();
    source->OnTick();
    QTRY_COMPARE(mServer->Hits(path), 2);
}

void TestWebLoginSources::inactiveSourceNeverFetches() {
    QFETCH(Kind, kind);
    const QByteArray path = FetchPath(kind);
    mServer->SetReply(path, 200, Body(kind, {}));
    for (const QVariantMap& settings :
         {QVariantMap{}, QVariantMap{{"Active", "0"}}, QVariantMap{{"Active", "false"}}}) {
        const std::unique_ptr<WebLoginDataSource> source = MakeSource(kind);
        source->SetSettings(settings);
        QVERIFY(!source->IsActive());
        QVERIFY(source->GetEntries().isEmpty());
        source->OnTick();
        QTest::qWait(50);
    }
    QCOMPARE(mServer->Hits(path), 0);
}

void TestWebLoginSources::newestSixtyFourKept_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("facebook, 70 posts") << Facebook << 70 << false;
    QTest::newRow("twitter, 65 tweets") << Twitter << 65 << false;
    // As the services list them.
    QTest::newRow("facebook, 70 posts newest first") << Facebook << 70 << true;
    QTest::newRow("twitter, 65 tweets newest first") << Twitter << 65 << true;
}

void TestWebLoginSources::newestSixtyFourKept() {
    QFETCH(Kind, kind);
    QFETCH(int, count);
    QFETCH(bool, newestFirst);
    const std::unique_ptr<WebLoginDataSource> source = MakeSource(kind);
    source->SetSettings(ShownSettings(kind));
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    QList<Item> items;
    for (int i = 0; i < count; ++i)
        items.append({QString::number(5000 + i), start.addSecs(i), "t"});
    QList<Item> listed = items;
    if (newestFirst)
        std::reverse(listed.begin(), listed.end());
    Parse(kind, *source, Body(kind, listed));
    const QMap<qint64, QVariantMap> entries = source->GetEntries();
    QCOMPARE(entries.size(), WebLoginDataSource::kMaxEntries);
    QCOMPARE(entries.first().value("id").toString(), QString::number(5000 + count - 64));
    QCOMPARE(entries.last().value("id").toString(), QString::number(5000 + count - 1));

    // The same item again replaces its entry and evicts nothing.
    Parse(kind, *source, Body(kind, {{items.last().id, items.last().when, "edited"}}));
    const QMap<qint64, QVariantMap> after = source->GetEntries();
    QCOMPARE(after.size(), WebLoginDataSource::kMaxEntries);
    QCOMPARE(after.first().value("id").toString(), QString::number(5000 + count - 64));
    QCOMPARE(after.last().value("text").toString(), QStringLiteral("edited"));
}

// A service whose certificate does not verify: the source's status says so, not only a debug line, and the
// first reply that comes through again clears it.
void TestWebLoginSources::certificateProblemShowsInStatus() {
    QFETCH(Kind, kind);
    const auto status = [](WebLoginDataSource& source) {
        return source.GetValue(QStringLiteral("GetLoginStatus"), {}).toString();
    };
    SelfSignedServer tls;
    QVERIFY(tls.isListening());
    const auto restore = qScopeGuard([this] { PointServicesAt(mServer->Origin().toLatin1()); });
    PointServicesAt(tls.Origin());
    const std::unique_ptr<WebLoginDataSource> source = MakeSource(kind);
    source->SetSettings(ShownSettings(kind));
    const QString plain = status(*source);
    QCOMPARE(plain, QStringLiteral("Not logged in."));
    source->GetEntries();
    QTRY_VERIFY(status(*source) != plain);
    QVERIFY2(status(*source).startsWith(plain + " error: the certificate of 127.0.0.1 is not trusted: The "
                                                "certificate is self-signed"),
             qPrintable(status(*source)));

    PointServicesAt(mServer->Origin().toLatin1());
    mServer->SetReply(FetchPath(kind), 200, Body(kind, {{"1", kFirst, "first"}}));
    source->OnRpcDone();
    source->OnTick();
    QTRY_COMPARE(source->GetEntries().size(), 1);
    QCOMPARE(status(*source), plain);
}

QTEST_MAIN(TestWebLoginSources)
#include "test_webloginsources.moc"
