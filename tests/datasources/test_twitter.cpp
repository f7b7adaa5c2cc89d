// The Twitter source: OAuth 1.0a signing against published vectors, the login against a fake service on
// 127.0.0.1 (request token, the login view sent back to the close address, access token), and the timeline
// becoming entries. What it shares with the Facebook source is tested in test_webloginsources.cpp.

#include "datasources/datasrccommon.h"
#include "datasources/datasrctwitter.h"
#include "foundation/cryptstring.h"
#include "foundation/datasourceglobals.h"
#include "tests/common/logcapture.h"
#include "tests/datasources/socialbodies.h"
#include "tests/datasources/socialhttpserver.h"

#include <QMessageAuthenticationCode>
#include <QWebView>
#include <QtTest>

namespace {

// The parameters of an OAuth Authorization header, values decoded.
QMap<QString, QString> ParseAuthHeader(QByteArray header) {
    QMap<QString, QString> params;
    if (!header.startsWith("OAuth "))
        return params;
    for (const QByteArray& part : header.mid(6).split(',')) {
        const QByteArray pair = part.trimmed();
        const int eq = pair.indexOf('=');
        QByteArray value = pair.mid(eq + 1);
        if (value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        params.insert(QString::fromLatin1(pair.left(eq)), QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    return params;
}

QStringList HeaderKeys(const QByteArray& header) {
    QStringList keys;
    for (const QByteArray& part : header.mid(6).split(','))
        keys.append(QString::fromLatin1(part.trimmed().left(part.trimmed().indexOf('='))));
    return keys;
}

// An independent HMAC-SHA1 signature of the request, as the service checks it.
QString ServiceSignature(const QByteArray& method, const QString& url, QMap<QString, QString> params,
                         const QString& tokenSecret) {
    params.remove(QStringLiteral("oauth_signature"));
    QByteArray paramString;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        if (!paramString.isEmpty())
            paramString += '&';
        paramString += it.key().toUtf8() + '=' + QUrl::toPercentEncoding(it.value());
    }
    const QByteArray base =
        method + '&' + QUrl::toPercentEncoding(url) + '&' + QUrl::toPercentEncoding(QString::fromLatin1(paramString));
    const QByteArray key = QUrl::toPercentEncoding(DataSourceGlobals::TwitterConsumerSecret()) + '&' +
                           QUrl::toPercentEncoding(tokenSecret);
    return QString::fromLatin1(QMessageAuthenticationCode::hash(base, key, QCryptographicHash::Sha1).toBase64());
}

void ResetSession() {
    DataSourceGlobals::TwitterSessionTexts() = DataSourceGlobals::TwitterSession();
}

} // namespace

using namespace SocialBodies;

class TestTwitter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void signatureMatchesPublishedVectors_data();
    void signatureMatchesPublishedVectors();
    void percentEncoding_data();
    void percentEncoding();
    void authHeaderCarriesSortedProtocolKeys();
    void valueExtraction();
    void twitterDates_data();
    void twitterDates();
    void loginThroughViewAndAccessToken();
    void timelineBecomesEntries();
    void badTweetsSkipped();
    void loginViewFollowsOnlyServiceLinks();

private:
    SocialHttpServer* mServer = nullptr;
};

void TestTwitter::initTestCase() {
    mServer = new SocialHttpServer;
    mServer->setParent(this);
    qputenv("MERVEX_TWITTER_API_HOST", mServer->Origin().toLatin1());
}

void TestTwitter::init() {
    ResetSession();
    mServer->Clear();
}

void TestTwitter::signatureMatchesPublishedVectors_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<QString>("consumerSecret");
    QTest::addColumn<QString>("tokenSecret");
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QString>("signature");

    QTest::newRow("OAuth 1.0 appendix A")
        << "GET"
        << "http://photos.example.net/photos"
        << QVariantMap{{"file", "vacation.jpg"},
                       {"size", "original"},
                       {"oauth_consumer_key", "dpf43f3p2l4k3l03"},
                       {"oauth_token", "nnch734d00sl2jdk"},
                       {"oauth_signature_method", "HMAC-SHA1"},
                       {"oauth_timestamp", "1191242096"},
                       {"oauth_nonce", "kllo9940pd9333jh"},
                       {"oauth_version", "1.0"}}
        << "kd94hf93k423kf44"
        << "pfkkdhi9sl3r4s00"
        << QByteArray("GET&http%3A%2F%2Fphotos.example.net%2Fphotos&file%3Dvacation.jpg%26oauth_consumer_key%"
                      "3Ddpf43f3p2l4k3l03%26oauth_nonce%3Dkllo9940pd9333jh%26oauth_signature_method%3DHMAC-SHA1%"
                      "26oauth_timestamp%3D1191242096%26oauth_token%3Dnnch734d00sl2jdk%26oauth_version%3D1.0%"
                      "26size%3Doriginal")
        << "tR3+Ty81lMeYAr/Fid0kMTYa/WM=";
    QTest::newRow("status update with reserved characters")
        << "post"
        << "https://api.twitter.com/1.1/statuses/update.json"
        << QVariantMap{{"include_entities", "true"},
                       {"status", "Hello Ladies + Gentlemen, a signed OAuth request!"},
                       {"oauth_consumer_key", "xvz1evFS4wEEPTGEFPHBog"},
                       {"oauth_nonce", "kYjzVBB8Y0ZFabxSWbWovY3uYSQ2pTgmZeNu2VS4cg"},
                       {"oauth_signature_method", "HMAC-SHA1"},
                       {"oauth_timestamp", "1318622958"},
                       {"oauth_token", "370773112-GmHxMAgYyLbNEtIKZeRNFsMKPR9EyMZeS9weJAEb"},
                       {"oauth_version", "1.0"},
                       {"oauth_signature", "left over from before"}}
        << "kAcSOqF21Fu85e7zjz7ZN2U4ZRhfV3WpwPAoE3Z7kBw"
        << "LswwdoUaIvS8ltyTt5jkRh4J50vUPVVHtR2YPi5kE"
        << QByteArray("POST&https%3A%2F%2Fapi.twitter.com%2F1.1%2Fstatuses%2Fupdate.json&include_entities%3Dtrue%"
                      "26oauth_consumer_key%3Dxvz1evFS4wEEPTGEFPHBog%26oauth_nonce%"
                      "3DkYjzVBB8Y0ZFabxSWbWovY3uYSQ2pTgmZeNu2VS4cg%26oauth_signature_method%3DHMAC-SHA1%26oauth_"
                      "timestamp%3D1318622958%26oauth_token%3D370773112-GmHxMAgYyLbNEtIKZeRNFsMKPR9EyMZeS9weJAEb%"
                      "26oauth_version%3D1.0%26status%3DHello%2520Ladies%2520%252B%2520Gentlemen%252C%2520a%"
                      "2520signed%2520OAuth%2520request%2521")
        << "hCtSmYh+iHYCEqBWrE7C7hYmtUk=";
}

void TestTwitter::signatureMatchesPublishedVectors() {
    QFETCH(QString, method);
    QFETCH(QString, url);
    QFETCH(QVariantMap, params);
    QFETCH(QString, consumerSecret);
    QFETCH(QString, tokenSecret);
    QFETCH(QByteArray, base);
    QFETCH(QString, signature);
    QMap<QString, QString> map;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it)
        map.insert(it.key(), it.value().toString());

    QCOMPARE(DataSrcTwitter::SignatureBaseString(method, url, map), base);
    DataSrcTwitter::SignRequest(method, url, map, consumerSecret, tokenSecret);
    QCOMPARE(map.value(QStringLiteral("oauth_signature")), signature);
}

void TestTwitter::percentEncoding_data() {
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("unreserved kept") << QByteArray("AZaz09-._~") << QByteArray("AZaz09-._~");
    QTest::newRow("reserved upper-case hex") << QByteArray("a b+c/=&%") << QByteArray("a%20b%2Bc%2F%3D%26%25");
    QTest::newRow("utf-8 bytes") << QByteArray("\xc3\xa4") << QByteArray("%C3%A4");
}

void TestTwitter::percentEncoding() {
    QFETCH(QByteArray, in);
    QFETCH(QByteArray, out);
    QCOMPARE(DataSrcTwitter::PercentEncode(in), out);
}

void TestTwitter::authHeaderCarriesSortedProtocolKeys() {
    const QString url = QStringLiteral("https://api.example.net/1.1/statuses/home_timeline.json");
    QMap<QString, QString> params;
    const QByteArray header = DataSrcTwitter::MakeAuthHeader(QStringLiteral("GET"), url, params, QString());
    QCOMPARE(HeaderKeys(header), (QStringList{"oauth_consumer_key", "oauth_nonce", "oauth_signature",
                                              "oauth_signature_method", "oauth_timestamp", "oauth_version"}));
    const QMap<QString, QString> sent = ParseAuthHeader(header);
    // Without a token secret the key is the consumer secret and "&".
    QCOMPARE(sent.value("oauth_signature"), ServiceSignature("GET", url, sent, QString()));
    QVERIFY(qAbs(sent.value("oauth_timestamp").toLongLong() - QDateTime::currentSecsSinceEpoch()) < 600);

    QMap<QString, QString> withToken{{"extra", "not in the header"}};
    const QByteArray tokenHeader = DataSrcTwitter::MakeAuthHeader(QStringLiteral("GET"), url, withToken, "tok");
    QCOMPARE(HeaderKeys(tokenHeader),
             (QStringList{"oauth_consumer_key", "oauth_nonce", "oauth_signature", "oauth_signature_method",
                          "oauth_timestamp", "oauth_token", "oauth_version"}));

    for (int i = 0; i < 200; ++i) {
        const QString nonce = DataSrcTwitter::MakeNonce();
        QVERIFY(!nonce.contains('=') && !nonce.contains('+'));
        QCOMPARE(QByteArray::fromBase64(nonce.toLatin1()).size(), 38);
        if (nonce.contains('/'))
            QVERIFY(DataSrcTwitter::PercentEncode(nonce.toLatin1()).contains("%2F"));
    }
}

void TestTwitter::valueExtraction() {
    QString target = QStringLiteral("kept");
    DataSrcTwitter::ExtractValue(QStringLiteral("a=1&b=2"), QStringLiteral("missing"), target);
    QCOMPARE(target, QStringLiteral("kept"));
    DataSrcTwitter::ExtractValue(QStringLiteral("oauth_token=T&oauth_token_secret=S"), QStringLiteral("oauth_token"),
                                 target);
    QCOMPARE(target, QStringLiteral("T"));
    DataSrcTwitter::ExtractValue(QStringLiteral("x&oauth_token_secret=S"), QStringLiteral("oauth_token_secret"),
                                 target);
    QCOMPARE(target, QStringLiteral("S"));
}

void TestTwitter::twitterDates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("service form") << "Wed Aug 27 13:08:45 +0000 2008"
                                  << QDateTime(QDate(2008, 8, 27), QTime(13, 8, 45), Qt::UTC);
    QTest::newRow("offset ignored") << "Mon Jan 02 00:00:01 +0200 2012"
                                    << QDateTime(QDate(2012, 1, 2), QTime(0, 0, 1), Qt::UTC);
    QTest::newRow("empty") << "" << QDateTime();
    QTest::newRow("short") << "Wed Aug" << QDateTime();
    QTest::newRow("garbage") << "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" << QDateTime();
}

void TestTwitter::twitterDates() {
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const QDateTime parsed = DataSrcTwitter::ParseTwitterDate(text);
    QCOMPARE(parsed.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(parsed, expected);
}

void TestTwitter::loginThroughViewAndAccessToken() {
    mServer->SetReply("/oauth/request_token", 200,
                      "oauth_token=RQT0KEN1&oauth_token_secret=RQSECRET2&oauth_callback_confirmed=true", "text/plain");
    // The service sends the view back to the close address with the request token and the verifier.
    mServer->SetRedirect("/oauth/authenticate", DataSourceGlobals::LoginCloseUrl().toLatin1() +
                                                    "?oauth_token=RQT0KEN1&oauth_verifier=VER1F13R");
    mServer->SetReply("/oauth/access_token", 200,
                      "oauth_token=ACC3SS7OKEN&oauth_token_secret=ACC3SSSECRET&user_id=4242&screen_name=alice",
                      "text/plain");
    LogCapture log;
    DataSrcTwitter source;
    QCOMPARE(source.GetValue("GetLoginStatus", {}).toString(), QStringLiteral("Not logged in."));

    QCOMPARE(source.GetValue("DoLogin", {}).toInt(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mServer->Hits("/oauth/access_token"), 1, 20000);
    QTRY_COMPARE(source.GetValue("GetLoginStatus", {}).toString(), QStringLiteral("Logged in: alice 4242"));
    QTRY_VERIFY(source.LoginView() == nullptr);

    // The request token was asked for with the callback, signed with the consumer secret alone.
    const SocialHttpServer::Request rq = mServer->Requests("/oauth/request_token").value(0);
    QCOMPARE(rq.method, QByteArray("POST"));
    const QMap<QString, QString> rqAuth = ParseAuthHeader(rq.headers.value("authorization"));
    QCOMPARE(rqAuth.value("oauth_callback"), DataSourceGlobals::LoginCloseUrl());
    QVERIFY(!rqAuth.contains("oauth_token"));
    QCOMPARE(rqAuth.value("oauth_signature"),
             ServiceSignature("POST", DataSourceGlobals::TwitterRequestTokenUrl(), rqAuth, QString()));

    // The view opened the authenticate page with the request token.
    QCOMPARE(mServer->Requests("/oauth/authenticate").value(0).target,
             QByteArray("/oauth/authenticate?oauth_token=RQT0KEN1"));

    // The access token was asked for with the verifier, signed with the request token's secret.
    const SocialHttpServer::Request at = mServer->Requests("/oauth/access_token").value(0);
    QCOMPARE(at.body, QByteArray("oauth_verifier=VER1F13R\r\n"));
    QCOMPARE(at.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
    const QMap<QString, QString> atAuth = ParseAuthHeader(at.headers.value("authorization"));
    QCOMPARE(atAuth.value("oauth_token"), QStringLiteral("RQT0KEN1"));
    QCOMPARE(atAuth.value("oauth_verifier"), QStringLiteral("VER1F13R"));
    QCOMPARE(atAuth.value("oauth_signature"),
             ServiceSignature("POST", DataSourceGlobals::TwitterAccessTokenUrl(), atAuth, "RQSECRET2"));

    // The token pair is kept encrypted in the settings; the names are plain.
    const QVariantMap settings = source.GetSettings();
    QCOMPARE(settings.value("oauth_token").userType(), CryptStringTypeId());
    QCOMPARE(settings.value("oauth_token_secret").userType(), CryptStringTypeId());
    QCOMPARE(settings.value("oauth_token").toString(), QStringLiteral("ACC3SS7OKEN"));
    QCOMPARE(settings.value("oauth_token_secret").toString(), QStringLiteral("ACC3SSSECRET"));
    QCOMPARE(settings.value("screen_name").toString(), QStringLiteral("alice"));
    QVERIFY(settings.contains("WebCookies"));

    // No credential reached the log.
    const QString lines = log.All();
    QVERIFY(lines.contains("Connected:"));
    for (const char* secret : {"RQT0KEN1", "RQSECRET2", "VER1F13R", "ACC3SS7OKEN", "ACC3SSSECRET"})
        QVERIFY2(!lines.contains(QLatin1String(secret)), secret);

    // A new source picks the login up from the stored settings.
    ResetSession();
    DataSrcTwitter restored;
    restored.SetSettings(settings);
    QCOMPARE(DataSourceGlobals::TwitterSessionTexts().tokenSecret, QStringLiteral("ACC3SSSECRET"));
    QCOMPARE(restored.GetValue("GetLoginStatus", {}).toString(), QStringLiteral("Logged in: alice 4242"));
    QCOMPARE(restored.GetValue("NoSuchFunction", {}).toInt(), 0);
}

void TestTwitter::timelineBecomesEntries() {
    DataSourceGlobals::TwitterSessionTexts().token = QStringLiteral("ACC");
    DataSourceGlobals::TwitterSessionTexts().tokenSecret = QStringLiteral("SEC");
    mServer->SetReply("/1.1/statuses/home_timeline.json", 200,
                      Timeline({Tweet("1001", "Ann", "Wed Aug 27 13:08:45 +0000 2008", "a &amp;lt; b &gt; c &auml;",
                                      "http://img.example/u_normal.jpg"),
                                Tweet("1002", QString::fromUtf8("J\xc3\xbcrgen"), "Wed Aug 27 13:09:00 +0000 2008",
                                      "plain", "", "http://example.org/own")}));
    DataSrcTwitter source;
    source.SetSettings({{"Active", "1"}});
    QVERIFY(source.GetEntries().isEmpty());
    QTRY_COMPARE(source.GetEntries().size(), 2);

    const SocialHttpServer::Request request = mServer->Requests("/1.1/statuses/home_timeline.json").value(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(HeaderKeys(request.headers.value("authorization")),
             (QStringList{"oauth_consumer_key", "oauth_nonce", "oauth_signature", "oauth_signature_method",
                          "oauth_timestamp", "oauth_token", "oauth_version"}));
    const QMap<QString, QString> auth = ParseAuthHeader(request.headers.value("authorization"));
    QCOMPARE(auth.value("oauth_signature"),
             ServiceSignature("GET", DataSourceGlobals::TwitterTimelineUrl(), auth, "SEC"));

    const QMap<qint64, QVariantMap> entries = source.GetEntries();
    const qint64 firstKey = DataSrcCommon::EntryKey(
        QDateTime(QDate(2008, 8, 27), QTime(13, 8, 45), Qt::UTC).toMSecsSinceEpoch(), QStringLiteral("1001"));
    QVERIFY(entries.contains(firstKey));
    const QVariantMap first = entries.value(firstKey);
    QCOMPARE(first.keys(), (QStringList{"icon", "id", "link", "text", "time", "title"}));
    QCOMPARE(first.value("title").toString(), QStringLiteral("Ann"));
    QCOMPARE(first.value("text").toString(), QString::fromUtf8("a &lt; b > c \xc3\xa4"));
    QCOMPARE(first.value("icon").toString(), QStringLiteral("http://img.example/u_reasonably_small.jpg"));
    QCOMPARE(first.value("link").toString(), QStringLiteral("https://127.0.0.1/#!/ann/status/1001"));
    QCOMPARE(first.value("id").toString(), QStringLiteral("1001"));
    QCOMPARE(first.value("time").toLongLong(), firstKey);

    const QVariantMap second = entries.last();
    QCOMPARE(second.value("title").toString(), QString::fromUtf8("J\xc3\xbcrgen"));
    QCOMPARE(second.value("link").toString(), QStringLiteral("http://example.org/own"));
    QVERIFY(!second.contains("icon"));
}

void TestTwitter::badTweetsSkipped() {
    DataSrcTwitter source;
    source.SetSettings({{"Active", "1"}});
    const QString when = QStringLiteral("Wed Aug 27 13:08:45 +0000 2008");
    source.ParseTimeline(Timeline({Tweet("", "Ann", when, "no id"), Tweet("7", "", when, "no name"),
                                   Tweet("8", "Ann", "not a date at all, really", "no time"), "42", "null"}),
                         QStringLiteral("test"));
    QVERIFY(source.GetEntries().isEmpty());
}

void TestTwitter::loginViewFollowsOnlyServiceLinks() {
    mServer->SetReply("/oauth/authenticate", 200, "<html><body>consent</body></html>", "text/html");
    mServer->SetReply("/help", 200, "<html><body>help</body></html>", "text/html");
    DataSourceGlobals::TwitterSessionTexts().token = QStringLiteral("RT");
    DataSrcTwitter source;
    source.DoAuthDialog();
    QVERIFY(source.LoginView() != nullptr);
    QCOMPARE(source.LoginView()->windowTitle().isEmpty(), false);
    QTRY_COMPARE(mServer->Hits("/oauth/authenticate"), 1);

    source.OnLinkClicked(QUrl(QStringLiteral("http://elsewhere.invalid/help")));
    source.OnLinkClicked(QUrl(mServer->Origin() + "/help"));
    QTRY_COMPARE(mServer->Hits("/help"), 1);
    QTRY_COMPARE(source.LoginView()->url().host(), QStringLiteral("127.0.0.1"));

    // Closing the view by hand ends the login and keeps the cookies.
    source.LoginView()->close();
    QVERIFY(source.LoginView() == nullptr);
    QVERIFY(source.GetSettings().contains("WebCookies"));
}

QTEST_MAIN(TestTwitter)
#include "test_twitter.moc"
