// The account login against a local HTTPS server: the form post and its fields, the answers and their
// messages, certificates that are never ignored, the stored credentials (encrypted on disk), the
// create-account page handing credentials back only from the account host's own cookies, the
// forgotten-password page over https, and the box itself.

#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "foundation/cryptstring.h"
#include "functions/pal/pal.h"
#include "functions/trustedroots.h"
#include "shell/accountui.h"
#include "shell/languageswitcher.h"
#include "shell/webhosts.h"
#include "tests/shell/localhttpserver.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/bluicnbtn.h"
#include "widgets/popupwnd.h"
#include "widgets/qlabelex.h"
#include "widgets/qwebviewex.h"
#include "widgets/stdbtn.h"
#include "widgets/stdicnbtn.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

namespace {
const QString kLoginPath = QStringLiteral("/frontend.en,4,login.dll");

QVariantMap Login(const QString& user, const QString& password, bool autoLogin) {
    QVariantMap m;
    m.insert(QStringLiteral("Username"), user);
    m.insert(QStringLiteral("Password"), QVariant::fromValue(CryptString(password)));
    m.insert(QStringLiteral("AutoLogin"), autoLogin);
    return m;
}

QMap<QString, QString> FormFields(const QByteArray& body) {
    QMap<QString, QString> fields;
    for (const QByteArray& pair : body.split('&')) {
        const int eq = pair.indexOf('=');
        fields.insert(QUrl::fromPercentEncoding(pair.left(eq)), QUrl::fromPercentEncoding(pair.mid(eq + 1)));
    }
    return fields;
}
} // namespace

// Receives the addresses the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

class TestAccountUI : public QObject {
    Q_OBJECT
private:
    QTemporaryDir user;
    DataCfg* cfg = nullptr;
    LocalHttpServer* server = nullptr;
    QWidget* pane = nullptr;

    // Runs one login through the box's stored settings and waits for its end.
    bool RunLogin(AccountUI& account, int attempt, bool autoOnly = false) {
        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.DoMervexLogin(attempt, autoOnly);
        return validated.size() == 1 || validated.wait(15000);
    }

private slots:
    void initTestCase() {
        QVERIFY(user.isValid());
        SetCryptMachineIdProvider(&PAL::GetMachineId);
        qputenv("MERVEX_EXTRA_CA_FILE", LocalHttpServer::AuthorityFile().toLocal8Bit());
        QVERIFY(TrustedRoots::Install(false) > 0);
        server = new LocalHttpServer(LocalHttpServer::Trusted);
        QVERIFY(server->isListening());
        qputenv("MERVEX_ACCOUNT_HOST", server->Origin().toLatin1());
        qputenv("MERVEX_ACCOUNT_WEB_HOST", server->Origin().toLatin1());
        cfg = new DataCfg(nullptr);
        pane = new QWidget;
    }
    void cleanupTestCase() {
        delete pane;
        delete cfg;
        delete server;
    }

    // The answers of the account service and what the user sees of them: messages only for attempts of 1 or
    // more, the account's name on success and "<unknown>" otherwise.
    void answers_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("attempt");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QByteArray good = "{\"Status\":1,\"Id\":\"77\",\"Name\":\"Ada\"}";
        QTest::newRow("logged in") << good << 200 << 2 << true << QStringLiteral("Ada") << QString();
        QTest::newRow("wrong password") << QByteArray("{\"Status\":2}") << 200 << 2 << false
                                        << QStringLiteral("<unknown>")
                                        << QStringLiteral("FAILED AUTHENTICATION|Invalid e-mail and/or password.");
        QTest::newRow("too many tries") << QByteArray("{\"Status\":3}") << 200 << 1 << false
                                        << QStringLiteral("<unknown>")
                                        << QStringLiteral(
                                               "FAILED AUTHENTICATION|Too many login tries, try again later.");
        QTest::newRow("not JSON") << QByteArray("<html>oops</html>") << 200 << 2 << false << QStringLiteral("<unknown>")
                                  << QStringLiteral("FAILED AUTHENTICATION|Server not reachable, try again later.");
        QTest::newRow("server error") << good << 500 << 2 << false << QStringLiteral("<unknown>")
                                      << QStringLiteral("FAILED AUTHENTICATION|Server not reachable, try again later.");
        QTest::newRow("reply too large") << QByteArray(200 * 1024, ' ') + good << 200 << 2 << false
                                         << QStringLiteral("<unknown>")
                                         << QStringLiteral(
                                                "FAILED AUTHENTICATION|Server not reachable, try again later.");
        QTest::newRow("silent attempt") << QByteArray("{\"Status\":2}") << 200 << 0 << false
                                        << QStringLiteral("<unknown>") << QString();
    }
    void answers() {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(int, attempt);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(QString, message);
        server->Set(kLoginPath, {body, status});
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("ada@example.org"), QStringLiteral("pw"), false));
        PopupWatcher popups;
        AccountUI account(pane, cfg);
        QSignalSpy validating(&account, &AccountUI::OnAccValidating);
        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.DoMervexLogin(attempt, false);
        QVERIFY(validated.wait(15000));
        QCOMPARE(validating.size(), 1);
        QCOMPARE(validated.first().at(0).toBool(), ok);
        QCOMPARE(AccountUI::IsLoggedIn(), ok);
        QCOMPARE(AccountUI::AccountName(), name);
        QCOMPARE(AccountUI::AccountId(), ok ? QStringLiteral("77") : QStringLiteral("<invalid>"));
        if (message.isEmpty()) {
            QTest::qWait(100);
            QCOMPARE(popups.seen, QStringList());
        } else {
            QVERIFY(popups.WaitSeen(1));
            QCOMPARE(popups.seen.first(), message);
        }
    }

    // The form post: https, the attempt number as the fragment, the form fields in plain text inside TLS.
    void postCarriesTheFormFields() {
        server->Set(kLoginPath, {"{\"Status\":1,\"Id\":\"1\",\"Name\":\"B\"}", 200});
        const QString password = QStringLiteral("p+w&d=1 %");
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("b@example.org"), password, true));
        AccountUI account(pane, cfg);
        QVERIFY(RunLogin(account, 2));
        QCOMPARE(server->lastMethod, QByteArray("POST"));
        QCOMPARE(server->lastPath, kLoginPath);
        QVERIFY(server->lastHeaders.contains("Content-Type: application/x-www-form-urlencoded"));
        const QMap<QString, QString> fields = FormFields(server->lastBody);
        QCOMPARE(fields.keys(), (QStringList{QStringLiteral("build"), QStringLiteral("email"), QStringLiteral("hash"),
                                             QStringLiteral("pw"), QStringLiteral("version")}));
        QCOMPARE(fields.value(QStringLiteral("email")), QStringLiteral("b@example.org"));
        QCOMPARE(fields.value(QStringLiteral("pw")), password);
        QCOMPARE(fields.value(QStringLiteral("hash")), PAL::GetMachineId());
        QCOMPARE(fields.value(QStringLiteral("version")), QStringLiteral("0.459"));
        QVERIFY(!fields.value(QStringLiteral("build")).isEmpty());
        QVERIFY(server->lastBody.startsWith("email="));
        QCOMPARE(WebHosts::LoginUrl(3).fragment(), QStringLiteral("3"));
    }

    // The review's fault: certificate errors were ignored on the post that carries the password. A server
    // whose certificate does not verify now never sees the request.
    void untrustedCertificateSendsNothing() {
        LocalHttpServer stranger(LocalHttpServer::Stranger);
        stranger.Set(kLoginPath, {"{\"Status\":1,\"Id\":\"1\",\"Name\":\"Mallory\"}", 200});
        const QByteArray before = qgetenv("MERVEX_ACCOUNT_HOST");
        qputenv("MERVEX_ACCOUNT_HOST", stranger.Origin().toLatin1());
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("c@example.org"), QStringLiteral("secret"), false));
        PopupWatcher popups;
        AccountUI account(pane, cfg);
        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.DoMervexLogin(2, false);
        QVERIFY(validated.wait(15000));
        qputenv("MERVEX_ACCOUNT_HOST", before);
        QCOMPARE(validated.first().at(0).toBool(), false);
        QCOMPARE(stranger.requests, 0);
        QVERIFY(stranger.lastBody.isEmpty());
        QVERIFY(popups.WaitSeen(1));
        QCOMPARE(popups.seen.first(), QStringLiteral("FAILED AUTHENTICATION|Server not reachable, try again later."));
    }

    // Nothing is sent without both credentials, nor by an automatic login the user did not ask for.
    void loginsThatSendNothing_data() {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<bool>("autoOnly");
        QTest::addColumn<int>("attempt");
        QTest::addColumn<QString>("message");
        QTest::newRow("no password") << Login(QStringLiteral("d@example.org"), QString(), true) << false << 1
                                     << QStringLiteral("FAILED AUTHENTICATION|Missing e-mail and/or password.\n"
                                                       "Please create an account.");
        QTest::newRow("nothing stored, silent") << QVariantMap() << false << 0 << QString();
        QTest::newRow("auto login off") << Login(QStringLiteral("d@example.org"), QStringLiteral("x"), false) << true
                                        << 0 << QString();
    }
    void loginsThatSendNothing() {
        QFETCH(QVariantMap, stored);
        QFETCH(bool, autoOnly);
        QFETCH(int, attempt);
        QFETCH(QString, message);
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"), stored);
        const int requests = server->requests;
        PopupWatcher popups;
        AccountUI account(pane, cfg);
        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.DoMervexLogin(attempt, autoOnly);
        if (!message.isEmpty())
            QVERIFY(popups.WaitSeen(1));
        QTRY_COMPARE(validated.size(), 1);
        QCOMPARE(validated.first().at(0).toBool(), false);
        QTest::qWait(200);
        QCOMPARE(server->requests, requests);
        QCOMPARE(popups.seen, message.isEmpty() ? QStringList() : QStringList{message});
    }

    // LOGIN stores what the form holds, the password encrypted in the file and in plain text in the post.
    void loginButtonStoresTheFormEncrypted() {
        server->Set(kLoginPath, {"{\"Status\":1,\"Id\":\"5\",\"Name\":\"Eve\"}", 200});
        cfg->UserCfg().CfgBase.remove(QStringLiteral("MervexLogin"));
        QWidget container;
        AccountUI account(pane, cfg);
        account.BuildAccountBox(&container, true);
        account.UserEdit()->setText(QStringLiteral("eve@example.org"));
        account.PasswordEdit()->setText(QStringLiteral("Plain-Text-Secret"));
        account.AutoLoginCheck()->setChecked(true);
        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.LoginButton()->click();
        QVERIFY(validated.wait(15000));
        QVERIFY(validated.first().at(0).toBool());
        QCOMPARE(FormFields(server->lastBody).value(QStringLiteral("pw")), QStringLiteral("Plain-Text-Secret"));
        const QVariantMap stored = account.StoredLogin();
        QCOMPARE(stored.value(QStringLiteral("Username")).toString(), QStringLiteral("eve@example.org"));
        QCOMPARE(stored.value(QStringLiteral("Password")).userType(), qMetaTypeId<CryptString>());
        QCOMPARE(stored.value(QStringLiteral("AutoLogin")).toBool(), true);

        const QString file = user.filePath(QStringLiteral("userCfg.json"));
        cfg->UserCfg().File = file;
        QVERIFY2(cfg->SaveUserCfg().isEmpty(), "the user configuration was not written");
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY(text.contains("eve@example.org"));
        QVERIFY(!text.contains("Plain-Text-Secret"));

        // The check box and LOGOUT write only "AutoLogin".
        account.AutoLoginCheck()->setChecked(false);
        QCOMPARE(account.StoredLogin().value(QStringLiteral("AutoLogin")).toBool(), false);
        account.AutoLoginCheck()->setChecked(true);
        account.LogoutButton()->click();
        QCOMPARE(account.StoredLogin().value(QStringLiteral("AutoLogin")).toBool(), false);
        QCOMPARE(account.StoredLogin().value(QStringLiteral("Username")).toString(), QStringLiteral("eve@example.org"));
    }

    // The create-account page: on the account host's own finishing page its own cookies become the stored
    // credentials (without "AutoLogin") and a silent login follows; the view closes. A second click while
    // the page is open only raises it.
    void createAccountHandsBackCredentials() {
        LocalHttpServer::Answer page{
            "<html><body>register</body></html>", 200, LocalHttpServer::Whole, {"Content-Type: text/html"}};
        server->Set(QStringLiteral("/sites/velli-chor-register/index.php"), page);
        LocalHttpServer::Answer finished{"<html><body>done</body></html>",
                                         200,
                                         LocalHttpServer::Whole,
                                         {"Content-Type: text/html", "Set-Cookie: username=new@example.org; Path=/",
                                          "Set-Cookie: password=fresh; Path=/"}};
        server->Set(QStringLiteral("/finished.php"), finished);
        server->Set(kLoginPath, {"{\"Status\":1,\"Id\":\"9\",\"Name\":\"New\"}", 200});
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("old@example.org"), QStringLiteral("old"), true));
        LanguageSwitcher languages;
        languages.Switch(QStringLiteral("de"));
        AccountUI account(pane, cfg);
        account.OnClickCreateAccount();
        QVERIFY(account.CreatePopup());
        QVERIFY(account.WebView());
        PopupWnd* popup = account.CreatePopup();
        QCOMPARE(popup->windowTitle(), QString::fromUtf8("Neues MERVEX™-Konto"));
        QCOMPARE(popup->size(), QSize(534, 503));
        QTRY_COMPARE_WITH_TIMEOUT(server->lastPath, QStringLiteral("/sites/velli-chor-register/index.php?language=de"),
                                  15000);
        account.OnClickCreateAccount();
        QCOMPARE(account.CreatePopup(), popup);

        QSignalSpy validated(&account, &AccountUI::OnAccValidated);
        account.WebView()->load(QUrl(server->Url(QStringLiteral("/finished.php?result=ok"))));
        QVERIFY(validated.wait(20000));
        QVERIFY(validated.first().at(0).toBool());
        QVERIFY(!account.CreatePopup());
        const QVariantMap stored = account.StoredLogin();
        QCOMPARE(stored.value(QStringLiteral("Username")).toString(), QStringLiteral("new@example.org"));
        QCOMPARE(stored.value(QStringLiteral("Password")).toString(), QStringLiteral("fresh"));
        QVERIFY(!stored.contains(QStringLiteral("AutoLogin")));
        QCOMPARE(FormFields(server->lastBody).value(QStringLiteral("email")), QStringLiteral("new@example.org"));
        languages.Switch(QStringLiteral("en"));
    }

    // The review's fault: credentials were taken from any host's cookies once any path ended in
    // "/finished.php". A finishing page on another host hands nothing back and leaves the view open.
    void finishingPageOfAnotherHostIsIgnored() {
        LocalHttpServer other(LocalHttpServer::Trusted);
        LocalHttpServer::Answer finished{
            "<html>x</html>",
            200,
            LocalHttpServer::Whole,
            {"Content-Type: text/html", "Set-Cookie: username=mallory; Path=/", "Set-Cookie: password=stolen; Path=/"}};
        other.Set(QStringLiteral("/finished.php"), finished);
        server->Set(QStringLiteral("/sites/velli-chor-register/index.php"), {"<html>r</html>", 200});
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("keep@example.org"), QStringLiteral("k"), true));
        AccountUI account(pane, cfg);
        account.OnClickCreateAccount();
        QSignalSpy validating(&account, &AccountUI::OnAccValidating);
        QSignalSpy urls(account.WebView(), &QWebView::urlChanged);
        account.WebView()->load(QUrl(other.Url(QStringLiteral("/finished.php?result=ok"))));
        QTRY_VERIFY_WITH_TIMEOUT(!urls.isEmpty() && urls.last().at(0).toUrl().path() == QLatin1String("/finished.php"),
                                 20000);
        QTest::qWait(200);
        QCOMPARE(validating.size(), 0);
        QVERIFY(account.CreatePopup());
        QCOMPARE(account.StoredLogin().value(QStringLiteral("Username")).toString(),
                 QStringLiteral("keep@example.org"));
        account.OnWebViewClose();
        QVERIFY(!account.CreatePopup());
    }

    void forgottenPasswordOpensHttpsPage() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
        LanguageSwitcher languages;
        languages.Switch(QStringLiteral("fr"));
        AccountUI account(pane, cfg);
        account.OnPasswordForgot();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        languages.Switch(QStringLiteral("en"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toString(),
                 QStringLiteral("https://%1/sites/velli-chor-password/?Language=fr").arg(server->Origin()));
    }

    // The two forms of the box: what each shows, the texts, and the link placed after LOGIN.
    void boxForms() {
        cfg->UserCfg().CfgBase.insert(QStringLiteral("MervexLogin"),
                                      Login(QStringLiteral("f@example.org"), QStringLiteral("pw"), true));
        QWidget loginContainer;
        AccountUI login(pane, cfg);
        login.BuildAccountBox(&loginContainer, true);
        loginContainer.show();
        QCOMPARE(loginContainer.size(), QSize(468, 217));
        QCOMPARE(login.UserEdit()->text(), QStringLiteral("f@example.org"));
        QCOMPARE(login.PasswordEdit()->echoMode(), QLineEdit::Password);
        QVERIFY(login.AutoLoginCheck()->isChecked());
        QVERIFY(login.LoginButton()->isVisible());
        QVERIFY(!login.LogoutButton()->isVisible());
        QCOMPARE(login.LoginButton()->text(), QStringLiteral("LOGIN"));
        QCOMPARE(login.ForgotLabel()->text(), QStringLiteral("Forgot Password?"));
        QCOMPARE(login.ForgotLabel()->x(), login.LoginButton()->x() + login.LoginButton()->width() + 20);
        QCOMPARE(login.CreateButton()->text(), QStringLiteral("CREATE NEW ACCOUNT"));
        QVERIFY(login.CreateButton()->width() >= login.CreateButton()->sizeHint().width());

        QWidget profileContainer;
        AccountUI profile(pane, cfg);
        profile.BuildAccountBox(&profileContainer, false);
        profileContainer.show();
        QCOMPARE(profileContainer.width(), 710);
        QVERIFY(!profile.UserEdit()->isVisible());
        QVERIFY(!profile.LoginButton()->isVisible());
        QVERIFY(profile.LogoutButton()->isVisible());
        QVERIFY(profile.ProfileButton()->isVisible());
        QCOMPARE(profile.AccountNameLabel()->text(), AccountUI::AccountName());
    }
};

QTEST_MAIN(TestAccountUI)
#include "test_accountui.moc"
