// The Facebook source against a fake service on 127.0.0.1: the login window's redirect giving the token, the
// Graph replies becoming entries by kind, and refused tokens opening the login again. What it shares with the
// Twitter source is tested in test_webloginsources.cpp.

#include "datasources/datasrccommon.h"
#include "datasources/datasrcfacebook.h"
#include "foundation/cryptstring.h"
#include "foundation/datasourceglobals.h"
#include "tests/common/logcapture.h"
#include "tests/datasources/socialbodies.h"
#include "tests/datasources/socialhttpserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

namespace {

const QString kWhen = QStringLiteral("2013-05-01T10:00:00+0000");

} // namespace

using namespace SocialBodies;

class TestFacebook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void loginRedirect_data();
    void loginRedirect();
    void loginStatusTexts_data();
    void loginStatusTexts();
    void feedAndInboxFetched();
    void postsFilteredByKind_data();
    void postsFilteredByKind();
    void inboxMessagesBecomeEntries();
    void refusedTokenOpensLogin_data();
    void refusedTokenOpensLogin();
    void pageCloseRequestDeactivates();
    void loginWindowFollowsSameHostLinks();

private:
    SocialHttpServer* mServer = nullptr;
};

void TestFacebook::initTestCase() {
    mServer = new SocialHttpServer;
    mServer->setParent(this);
    qputenv("MERVEX_FACEBOOK_GRAPH_HOST", mServer->Origin().toLatin1());
    qputenv("MERVEX_FACEBOOK_WEB_HOST", mServer->Origin().toLatin1());
    mServer->SetReply("/connect/login_success.html", 200, "<html><body>done</body></html>", "text/html");
    mServer->SetReply("/connect/login_failure.html", 200, "<html><body>failed</body></html>", "text/html");
}

void TestFacebook::init() {
    mServer->Clear();
}

void TestFacebook::loginRedirect_data() {
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("expiresIn"); // -1: "expires" stays as it was
    QTest::newRow("token and expiry") << QByteArray(
                                             "/connect/login_success.html#access_token=FBT0KEN123456&expires_in=3600")
                                      << "FBT0KEN123456" << 3600;
    QTest::newRow("token without expiry")
        << QByteArray("/connect/login_success.html#access_token=FBT0KEN777777") << "FBT0KEN777777" << -1;
    QTest::newRow("unreadable expiry") << QByteArray(
                                              "/connect/login_success.html#access_token=FBT0KEN888&expires_in=zz")
                                       << "FBT0KEN888" << 0;
    QTest::newRow("refused") << QByteArray("/connect/login_failure.html?error=access_denied") << QString() << -1;
}

void TestFacebook::loginRedirect() {
    QFETCH(QByteArray, location);
    QFETCH(QString, token);
    QFETCH(int, expiresIn);
    mServer->SetRedirect("/dialog/oauth", mServer->Origin().toLatin1() + location);
    const QDateTime oldExpiry(QDate(2001, 1, 1), QTime(0, 0));
    LogCapture log;
    DataSrcFacebook source;
    source.SetSettings({{"expires", oldExpiry}});

    QCOMPARE(source.GetValue("DoLogin", {}).toInt(), 0);
    QVERIFY(source.LoginView() != nullptr);
    QCOMPARE(source.LoginView()->windowTitle().isEmpty(), false);
    QTRY_VERIFY_WITH_TIMEOUT(source.LoginView() == nullptr, 20000);

    const QByteArray dialog = mServer->Requests("/dialog/oauth").value(0).target;
    QVERIFY(dialog.startsWith("/dialog/oauth?client_id=" + DataSourceGlobals::FacebookAppId().toLatin1() +
                              "&redirect_uri="));
    QVERIFY(dialog.contains("/connect/login_success.html"));
    QVERIFY(dialog.endsWith("&type=user_agent&display=popup&scope=user_status,read_stream,read_mailbox"));

    const QVariantMap settings = source.GetSettings();
    if (token.isEmpty()) {
        QVERIFY(!settings.contains("access_token"));
        QVERIFY(log.All().contains("Facebook Login Fail!!!"));
    } else {
        QCOMPARE(settings.value("access_token").userType(), CryptStringTypeId());
        QCOMPARE(settings.value("access_token").toString(), token);
        QVERIFY2(!log.All().contains(token), "the token reached the log");
    }
    const QDateTime expires = settings.value("expires").toDateTime();
    if (expiresIn < 0) {
        QCOMPARE(expires, oldExpiry);
    } else {
        QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(expires) - expiresIn) < 120);
    }
    QVERIFY(settings.contains("WebCookies"));
}

void TestFacebook::loginStatusTexts_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QString>("prefix");
    const QDateTime tomorrow = QDateTime::currentDateTime().addDays(1);
    QTest::newRow("no token") << QVariantMap{} << "Not logged in.";
    QTest::newRow("seven characters") << QVariantMap{{"access_token", "1234567"}, {"expires", tomorrow}}
                                      << "Not logged in.";
    QTest::newRow("expired") << QVariantMap{{"access_token", "12345678"},
                                            {"expires", QDateTime::currentDateTime().addSecs(-10)}}
                             << "Session expired.";
    QTest::newRow("valid") << QVariantMap{{"access_token", QVariant::fromValue(CryptString("12345678"))},
                                          {"expires", tomorrow}}
                           << "Session valid until: " + QLocale::system().toString(tomorrow, QLocale::ShortFormat);
}

void TestFacebook::loginStatusTexts() {
    QFETCH(QVariantMap, settings);
    QFETCH(QString, prefix);
    DataSrcFacebook source;
    source.SetSettings(settings);
    QCOMPARE(source.GetValue("GetLoginStatus", {}).toString(), prefix);
    QCOMPARE(source.GetValue("Unknown", {}).toInt(), 0);
}

void TestFacebook::feedAndInboxFetched() {
    mServer->SetReply(
        "/me/home", 200,
        Data({Post("10", "status", kWhen, "Ann", {{"message", QString::fromUtf8("gr\xc3\xbc\xc3\x9f")}})}));
    const QJsonObject inboxMessage{
        {"id", "m1"}, {"from", QJsonObject{{"id", "77"}, {"name", "Bob"}}}, {"created_time", kWhen}, {"message", "hi"}};
    QJsonObject thread = Post("t1", "whatever", kWhen, "Thread");
    thread.insert("comments", QJsonObject{{"data", QJsonArray{inboxMessage}}});
    mServer->SetReply("/me/inbox", 200, Data(QJsonArray{thread}));
    LogCapture log;
    DataSrcFacebook source;
    source.SetSettings({{"Active", "1"},
                        {"ShowStatus", "1"},
                        {"ShowInbox", "1"},
                        {"access_token", QVariant::fromValue(CryptString("SECRETTOKEN99"))}});
    QVERIFY(source.GetEntries().isEmpty());
    QTRY_COMPARE(source.GetEntries().size(), 3);
    QCOMPARE(mServer->Requests("/me/home").value(0).target, QByteArray("/me/home?access_token=SECRETTOKEN99"));
    QCOMPARE(mServer->Requests("/me/inbox").value(0).target, QByteArray("/me/inbox?access_token=SECRETTOKEN99"));
    QVERIFY2(!log.All().contains("SECRETTOKEN99"), "the token reached the log");

    const QMap<qint64, QVariantMap> entries = source.GetEntries();
    const qint64 time = QDateTime(QDate(2013, 5, 1), QTime(10, 0), Qt::UTC).toMSecsSinceEpoch();
    const QVariantMap post = entries.value(DataSrcCommon::EntryKey(time, "10"));
    QCOMPARE(post.value("title").toString(), QStringLiteral("Ann"));
    QCOMPARE(post.value("text").toString(), QString::fromUtf8("gr\xc3\xbc\xc3\x9f"));
    QCOMPARE(post.value("icon").toString(), "http://" + DataSourceGlobals::FacebookGraphHost() + "/u10/picture/");
    QCOMPARE(post.value("time").toLongLong(), DataSrcCommon::EntryKey(time, "10"));
    const QVariantMap message = entries.value(DataSrcCommon::EntryKey(time, "m1"));
    QCOMPARE(message.value("title").toString(), QStringLiteral("Bob"));
    QCOMPARE(message.value("text").toString(), QStringLiteral("hi"));
    QCOMPARE(message.value("link").toString(), "http://" + DataSourceGlobals::FacebookWebHost() + "/messages/77");
    QCOMPARE(message.value("icon").toString(), "http://" + DataSourceGlobals::FacebookGraphHost() + "/77/picture/");

    // Without "ShowInbox" only the feed is asked for.
    mServer->Clear();
    DataSrcFacebook feedOnly;
    feedOnly.SetSettings({{"Active", "1"}, {"ShowStatus", "1"}});
    feedOnly.GetEntries();
    QTRY_COMPARE(feedOnly.GetEntries().size(), 1);
    QCOMPARE(mServer->Requests("/me/home").value(0).target, QByteArray("/me/home?access_token=1"));
    QCOMPARE(mServer->Hits("/me/inbox"), 0);
}

void TestFacebook::postsFilteredByKind_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("showKey");
    QTest::addColumn<bool>("shown");
    QTest::newRow("link off") << "link"
                              << "" << false;
    QTest::newRow("link on") << "link"
                             << "ShowLink" << true;
    QTest::newRow("photo on") << "photo"
                              << "ShowPhoto" << true;
    QTest::newRow("status off") << "status"
                                << "ShowLink" << false;
    QTest::newRow("video on") << "video"
                              << "ShowVideo" << true;
    QTest::newRow("swf counts as video") << "swf"
                                         << "ShowVideo" << true;
    QTest::newRow("swf without video") << "swf"
                                       << "ShowPhoto" << false;
    QTest::newRow("other kinds always") << "checkin"
                                        << "" << true;
}

void TestFacebook::postsFilteredByKind() {
    QFETCH(QString, type);
    QFETCH(QString, showKey);
    QFETCH(bool, shown);
    DataSrcFacebook source;
    QVariantMap settings{{"Active", "1"}};
    if (!showKey.isEmpty())
        settings.insert(showKey, "1");
    source.SetSettings(settings);
    source.ParseRpcResult(Data({Post("1", type, kWhen, "Ann", {{"message", "m"}})}), "http://x/me/home");
    QCOMPARE(source.GetEntries().size(), shown ? 1 : 0);
}

void TestFacebook::inboxMessagesBecomeEntries() {
    DataSrcFacebook source;
    source.SetSettings({{"Active", "1"}, {"ShowStatus", "1"}});
    // The text falls back from message to description to story; posts without time, id or sender are dropped.
    source.ParseRpcResult(
        Data({Post("a", "status", kWhen, "Ann", {{"description", "desc"}, {"story", "story"}}),
              Post("b", "status", "2013-05-01T10:00:01+0000", "Ann", {{"story", "story only"}}),
              Post("c", "status", "", "Ann", {{"message", "no time"}}),
              Post("d", "status", "yesterday", "Ann", {{"message", "bad time"}}),
              Post("", "status", kWhen, "Ann", {{"message", "no id"}}),
              Post("f", "status", kWhen, "", {{"message", "no sender"}}),
              Post("g", "status", kWhen, "Ann", {{"actions", QJsonArray{QJsonObject{{"link", "http://act/1"}}}}})}),
        "http://x/me/home");
    const QMap<qint64, QVariantMap> entries = source.GetEntries();
    QCOMPARE(entries.size(), 3);
    QStringList texts, links;
    for (const QVariantMap& e : entries) {
        texts << e.value("text").toString();
        links << e.value("link").toString();
    }
    QVERIFY(texts.contains("desc"));
    QVERIFY(texts.contains("story only"));
    QVERIFY(links.contains("http://act/1"));
}

void TestFacebook::refusedTokenOpensLogin_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("opens");
    QTest::newRow("190 expired token") << 190 << true;
    QTest::newRow("2500 no token") << 2500 << true;
    QTest::newRow("other error") << 100 << false;
}

void TestFacebook::refusedTokenOpensLogin() {
    QFETCH(int, code);
    QFETCH(bool, opens);
    mServer->SetReply("/dialog/oauth", 200, "<html><body>log in</body></html>", "text/html");
    SocialHttpServer::Reply reply;
    reply.status = 400;
    reply.body = QJsonDocument(QJsonObject{{"error", QJsonObject{{"code", code}, {"message", "x"}}}})
                     .toJson(QJsonDocument::Compact);
    mServer->SetReply("/me/home", reply);
    DataSrcFacebook source;
    source.SetSettings({{"Active", "1"}});
    source.GetEntries();
    QTRY_COMPARE(mServer->Hits("/me/home"), 1);
    Settle();
    QCOMPARE(source.LoginView() != nullptr, opens);
    if (opens) {
        QTRY_COMPARE(mServer->Hits("/dialog/oauth"), 1);
        source.LoginView()->close();
        QVERIFY(source.LoginView() == nullptr);
    }
    QVERIFY(source.GetEntries().isEmpty());
}

void TestFacebook::pageCloseRequestDeactivates() {
    // The login page closes its own window with a script.
    mServer->SetReply("/dialog/oauth", 200, "<html><body><script>window.close();</script></body></html>", "text/html");
    mServer->SetReply("/me/home", 200, Data({Post("1", "status", kWhen, "Ann", {{"message", "m"}})}));
    DataSrcFacebook source;
    source.SetSettings({{"Active", "1"}, {"ShowStatus", "1"}});
    source.GetValue("DoLogin", {});
    QTRY_VERIFY_WITH_TIMEOUT(source.LoginView() == nullptr, 20000);
    QVERIFY(!source.IsActive());
    QCOMPARE(source.GetSettings().value("Active").toInt(), 0);

    // Switched on again, the source fetches and parses once more.
    source.SetSettings({{"Active", "1"}, {"ShowStatus", "1"}});
    source.GetEntries();
    QTRY_COMPARE(source.GetEntries().size(), 1);
}

void TestFacebook::loginWindowFollowsSameHostLinks() {
    mServer->SetReply("/dialog/oauth", 200, "<html><body>log in</body></html>", "text/html");
    mServer->SetReply("/help", 200, "<html><body>help</body></html>", "text/html");
    DataSrcFacebook source;
    source.GetValue("DoLogin", {});
    QTRY_COMPARE(source.LoginView()->url().path(), QStringLiteral("/dialog/oauth"));
    // A second login while the window is open opens nothing more.
    QWebView* window = source.LoginView();
    source.DoAuthDialog();
    QCOMPARE(source.LoginView(), window);

    QUrl other(mServer->Origin() + "/help");
    other.setHost(QStringLiteral("localhost"));
    source.OnLinkClicked(other);
    source.OnLinkClicked(QUrl(mServer->Origin() + "/help"));
    QTRY_COMPARE(mServer->Hits("/help"), 1);
    QTRY_COMPARE(source.LoginView()->url().path(), QStringLiteral("/help"));
    QCOMPARE(mServer->Hits("/help"), 1);
    source.LoginView()->close();
}

QTEST_MAIN(TestFacebook)
#include "test_facebook.moc"
