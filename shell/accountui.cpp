#include "shell/accountui.h"

#include <QAbstractButton>

#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "datasources/networkcookiejar.h"
#include "foundation/cryptstring.h"
#include "foundation/globals.h"
#include "foundation/json.h"
#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/plugintools.h"
#include "shell/languageswitcher.h"
#include "shell/webhosts.h"
#include "widgets/bluicnbtn.h"
#include "widgets/imgwidget.h"
#include "widgets/popupwnd.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"
#include "widgets/qwebpageex.h"
#include "widgets/qwebviewex.h"
#include "widgets/stdbtn.h"
#include "widgets/stdicnbtn.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

namespace {
bool g_loggedIn = false;
QString g_accountId;
QString g_accountName;

const QString kLoginKey = QStringLiteral("MervexLogin");
const QColor kLabelColour(0x8a, 0x9b, 0xb0);
const QColor kLinkColour(0x47, 0xa8, 0xdd);

QLabelEx* BoxLabel(QWidget* parent, const QRect& rect, Qt::Alignment alignment, const QColor& colour) {
    auto* label = new QLabelEx(parent, QString(), false, 12, colour);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

// The login form's body: each item percent-encoded, so '+', '&' and '=' in a password arrive as typed.
QByteArray FormBody(const QList<QPair<QString, QString>>& items) {
    QByteArray body;
    for (const auto& item : items) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(item.first) + '=' + QUrl::toPercentEncoding(item.second);
    }
    return body;
}

QString PageLanguage() {
    const QString code = CurrentLanguage().toLower();
    return code.isEmpty() ? QStringLiteral("en") : code;
}
} // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void InitAccountResources() {
    Q_INIT_RESOURCE(accountimages);
}

AccountUI::AccountUI(QWidget* parent, DataCfg* cfg) : QObject(parent), m_parent(parent), m_cfg(cfg) {
    InitAccountResources();
    // The stored password is a CryptString value; it reads back as its clear text.
    InstallCryptStringConversion();
    if (parent)
        parent->installEventFilter(this);
}

AccountUI::~AccountUI() {
    if (m_popup)
        m_popup->deleteLater();
}

bool AccountUI::IsLoggedIn() {
    return g_loggedIn;
}

QString AccountUI::AccountId() {
    return g_accountId;
}

QString AccountUI::AccountName() {
    return g_accountName;
}

QVariantMap& AccountUI::Settings() const {
    DataCfg* cfg = m_cfg ? m_cfg : DataCfg::Instance();
    if (!cfg) {
        // Only a test without a configuration gets here; it must not crash the box.
        static QVariantMap none;
        QLOG_WARN() << "AccountUI: no configuration model; the account settings are not stored";
        return none;
    }
    return cfg->UserCfg().CfgBase;
}

QVariantMap AccountUI::StoredLogin() const {
    return Settings().value(kLoginKey).toMap();
}

void AccountUI::StoreLogin(const QVariantMap& login) {
    Settings().insert(kLoginKey, login);
}

// ---------------------------------------------------------------------------------------------------------------
// The box

void AccountUI::BuildAccountBox(QWidget* container, bool loginForm) {
    m_container = container;
    container->resize(473, 221);
    container->setFixedSize(468, 217);

    auto* background = new ImgWidget(container, QStringLiteral(":/images/LoginBox"));
    background->move(0, 0);
    auto* logo = new ImgWidget(container, QStringLiteral(":/images/LogoSecureLogin"));
    logo->move(container->width() - logo->width() - 25, 15);
    m_picBackground = new ImgWidget(container, QStringLiteral(":/images/ProfilePicBG"));
    m_picBackground->move(460, -4);
    m_picture = new ImgWidget(m_picBackground, QStringLiteral(":/images/ProfilePicDefUser"));

    m_btnCreate = new StdBtn(container, 0);
    QIcon accountIcon;
    accountIcon.addFile(QStringLiteral(":/images/IcnAccountN"), QSize(), QIcon::Normal);
    accountIcon.addFile(QStringLiteral(":/images/IcnAccountN"), QSize(), QIcon::Selected);
    accountIcon.addFile(QStringLiteral(":/images/IcnAccountD"), QSize(), QIcon::Active);
    m_btnCreate->setIcon(accountIcon);
    m_btnCreate->setIconSize(QSize(16, 16));
    m_btnCreate->padLeft = 16;
    m_btnCreate->padRight = 0;
    m_btnCreate->move(96, 165);

    const QVariantMap login = StoredLogin();
    m_edtUser = new QLineEditEx(login.value(QStringLiteral("Username")).toString(), container);
    m_edtUser->setGeometry(96, 21, 200, 20);
    m_edtPassword = new QLineEditEx(login.value(QStringLiteral("Password")).toString(), container);
    m_edtPassword->setGeometry(96, 47, 200, 20);
    m_edtPassword->setEchoMode(QLineEdit::Password);
    m_chkAuto = new QCheckBox(container);
    m_chkAuto->move(96, 68);
    m_chkAuto->setFixedSize(200, 20);
    m_chkAuto->setChecked(login.value(QStringLiteral("AutoLogin")).toBool());

    m_lblEmail = BoxLabel(container, QRect(5, 21, 85, 20), Qt::AlignRight | Qt::AlignVCenter, kLabelColour);
    m_lblPassword = BoxLabel(container, QRect(5, 47, 85, 20), Qt::AlignRight | Qt::AlignVCenter, kLabelColour);
    m_lblUser = BoxLabel(container, QRect(5, 21, 85, 20), Qt::AlignRight | Qt::AlignBottom, kLabelColour);
    m_lblAccountName = BoxLabel(container, QRect(96, 22, 200, 20), Qt::AlignLeft | Qt::AlignBottom, kLinkColour);

    m_lblForgot = new QLabelEx(container, QString(), false, 12, kLinkColour);
    m_lblForgot->setGeometry(216, 106, 160, 20);
    m_lblForgot->setCursor(Qt::PointingHandCursor);
    m_lblForgot->normalStyle = QStringLiteral("QLabel {color:#47a8dd;  text-decoration: none;}");
    m_lblForgot->hoverStyle = QStringLiteral("QLabel {color:#47a8dd; text-decoration: underline;}");
    m_lblForgot->setStyleSheet(m_lblForgot->normalStyle);

    m_btnLogin = new BluIcnBtn(container, QStringLiteral(":/images/BtnLoginIcn"));
    m_btnLogin->setGeometry(96, 106, 100, 22);
    m_btnLogin->setDefault(true);

    m_btnProfile = new StdIcnBtn(container, QStringLiteral(":/images/BtnLoginIcn"));
    m_btnProfile->setGeometry(96, 57, 100, 23);
    m_btnLogout = new StdIcnBtn(container, QStringLiteral(":/images/BtnLoginIcn"));
    m_btnLogout->setGeometry(96, 85, 100, 23);
    for (StdIcnBtn* b : {m_btnProfile.data(), m_btnLogout.data()}) {
        b->padLeft = 20;
        b->padRight = 0;
    }

    connect(m_btnCreate, &QPushButton::clicked, this, &AccountUI::OnClickCreateAccount);
    connect(m_chkAuto, &QCheckBox::stateChanged, this, &AccountUI::OnAutoCheckChange);
    connect(m_lblForgot, &QLabelEx::clicked, this, &AccountUI::OnPasswordForgot);
    connect(m_btnLogin, &QPushButton::clicked, this, &AccountUI::OnAccValidate);
    connect(m_btnProfile, &QPushButton::clicked, this, &AccountUI::OnClickProfile);
    connect(m_btnLogout, &QPushButton::clicked, this, &AccountUI::OnClickLogout);

    if (loginForm) {
        for (QWidget* w : {static_cast<QWidget*>(m_lblUser), static_cast<QWidget*>(m_lblAccountName),
                           static_cast<QWidget*>(m_btnProfile), static_cast<QWidget*>(m_btnLogout),
                           static_cast<QWidget*>(m_picBackground)})
            w->hide();
    } else {
        for (QWidget* w :
             {static_cast<QWidget*>(m_edtUser), static_cast<QWidget*>(m_edtPassword), static_cast<QWidget*>(m_chkAuto),
              static_cast<QWidget*>(m_lblEmail), static_cast<QWidget*>(m_lblPassword),
              static_cast<QWidget*>(m_lblForgot), static_cast<QWidget*>(m_btnLogin)})
            w->hide();
        container->setFixedWidth(710);
        OnUpdateUserData();
    }
    ApplyTexts();
}

void AccountUI::ApplyTexts() {
    if (!m_container)
        return;
    m_btnProfile->SetText(tr("PROFILE"));
    m_btnLogout->SetText(tr("LOGOUT"));
    m_lblUser->setText(tr("User:"));
    m_lblEmail->setText(tr("E-mail:"));
    m_lblPassword->setText(tr("Password:"));
    // The labels before the fields are as wide as the longest of them in the language, and the fields and the
    // buttons under them start after it.
    int labelWidth = 85;
    for (QLabelEx* label : {m_lblUser.data(), m_lblEmail.data(), m_lblPassword.data()}) {
        label->ensurePolished();
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    }
    for (QLabelEx* label : {m_lblUser.data(), m_lblEmail.data(), m_lblPassword.data()})
        label->setGeometry(5, label->y(), labelWidth, label->height());
    for (QWidget* w : std::initializer_list<QWidget*>{m_edtUser, m_edtPassword, m_chkAuto, m_lblAccountName, m_btnLogin,
                                                      m_btnCreate, m_btnProfile, m_btnLogout})
        w->move(labelWidth + 11, w->y());
    m_btnCreate->SetText(tr("CREATE NEW ACCOUNT"));
    m_btnCreate->setStatusTip(tr("Create a new MERVEX World account"));
    m_btnCreate->resize(m_btnCreate->sizeHint());
    m_edtUser->setStatusTip(tr("MERVEX World username"));
    m_edtPassword->setStatusTip(tr("MERVEX World password"));
    m_chkAuto->setText(tr("Stay logged in"));
    m_btnLogin->SetText(tr("LOGIN"));
    m_btnLogin->setStatusTip(tr("Login to MERVEX World"));
    m_lblForgot->setText(tr("Forgot Password?"));
    m_lblForgot->move(m_btnLogin->x() + m_btnLogin->width() + 20, m_lblForgot->y());
}

void AccountUI::OnUpdateUserData() {
    if (m_lblAccountName)
        m_lblAccountName->setText(g_accountName);
    if (m_picture && m_picBackground)
        m_picture->move((m_picBackground->width() - m_picture->width()) / 2,
                        (m_picBackground->height() - m_picture->height()) / 2);
}

bool AccountUI::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched && (watched == m_webView || watched == m_popup))
        OnWebViewClose();
    else if (watched == m_parent && (event->type() == QEvent::LocaleChange || event->type() == QEvent::LanguageChange))
        ApplyTexts();
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------------------
// Stored credentials

void AccountUI::OnAccValidate() {
    g_loggedIn = false;
    QVariantMap login;
    login.insert(QStringLiteral("Username"), m_edtUser ? m_edtUser->text() : QString());
    login.insert(QStringLiteral("Password"),
                 QVariant::fromValue(CryptString(m_edtPassword ? m_edtPassword->text() : QString())));
    login.insert(QStringLiteral("AutoLogin"), m_chkAuto && m_chkAuto->isChecked());
    StoreLogin(login);
    DoMervexLogin(2, false);
}

void AccountUI::OnAutoCheckChange() {
    QVariantMap login = StoredLogin();
    login.insert(QStringLiteral("AutoLogin"), m_chkAuto && m_chkAuto->isChecked());
    StoreLogin(login);
}

void AccountUI::OnClickLogout() {
    QVariantMap login = StoredLogin();
    login.insert(QStringLiteral("AutoLogin"), false);
    StoreLogin(login);
}

void AccountUI::OnClickProfile() {
    // The service has no profile page for the program to open.
    QLOG_DEBUG() << "AccountUI::OnClickProfile";
}

void AccountUI::OnPasswordForgot() {
    const QUrl url = WebHosts::PasswordUrl(PageLanguage());
    QLOG_DEBUG() << "AccountUI::OnPasswordForgot:" << url.toString();
    if (!QDesktopServices::openUrl(url))
        QLOG_WARN() << "AccountUI::OnPasswordForgot: the desktop did not open" << url.toString();
}

// ---------------------------------------------------------------------------------------------------------------
// Login

void AccountUI::DoMervexLogin() {
    DoMervexLogin(0, false);
}

void AccountUI::DoMervexLogin(int attempt) {
    DoMervexLogin(attempt, false);
}

void AccountUI::DoMervexLogin(int attempt, bool autoOnly) {
    emit OnAccValidating();
    const QVariantMap login = StoredLogin();
    const QString user = login.value(QStringLiteral("Username")).toString();
    const QString password = login.value(QStringLiteral("Password")).toString();
    if (m_edtUser && m_edtPassword) {
        m_edtUser->setText(user);
        m_edtPassword->setText(password);
    }
    if (autoOnly && !login.value(QStringLiteral("AutoLogin")).toBool()) {
        emit OnAccValidated(false);
        return;
    }
    QLOG_DEBUG() << "DoMervexLogin:" << user;
    if (user.isEmpty() || password.isEmpty()) {
        if (attempt > 0)
            MsgBoxWarning(m_parent, tr("FAILED AUTHENTICATION"),
                          tr("Missing e-mail and/or password.\nPlease create an account."), PopupWnd::OK, PopupWnd::OK);
        emit OnAccValidated(false);
        return;
    }
    if (!m_rpcManager) {
        m_rpcManager = new QNetworkAccessManager(this);
        connect(m_rpcManager, &QNetworkAccessManager::finished, this, &AccountUI::OnHttpDoneRPC);
        connect(m_rpcManager, &QNetworkAccessManager::sslErrors, this, &AccountUI::OnSslErrorsRPC);
    }
    QNetworkRequest request(WebHosts::LoginUrl(attempt));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(TransferTimeoutMs);
    const QByteArray body = FormBody({{QStringLiteral("email"), user},
                                      {QStringLiteral("pw"), password},
                                      {QStringLiteral("hash"), PAL::GetMachineId()},
                                      {QStringLiteral("version"), MervexGlobals::Version()},
                                      {QStringLiteral("build"), MervexGlobals::BuildText().trimmed()}});
    m_rpcManager->post(request, body);
}

void AccountUI::OnHttpDoneRPC(QNetworkReply* reply) {
    reply->deleteLater();
    bool numbered = false;
    int attempt = reply->request().url().fragment().toInt(&numbered);
    if (!numbered)
        attempt = 0;
    QVariantMap answer;
    if (reply->error() != QNetworkReply::NoError) {
        QLOG_WARN() << "AccountUI::OnHttpDoneRPC: the login failed:" << reply->errorString();
    } else if (reply->bytesAvailable() > MaxReplyBytes) {
        QLOG_WARN() << "AccountUI::OnHttpDoneRPC: the reply is larger than" << MaxReplyBytes << "bytes; not read";
    } else {
        answer = JsonParse(QString::fromUtf8(reply->readAll())).toMap();
    }
    const int status = answer.value(QStringLiteral("Status")).toInt();
    if (status == 1) {
        g_loggedIn = true;
        g_accountId = answer.value(QStringLiteral("Id")).toString();
        g_accountName = answer.value(QStringLiteral("Name")).toString();
        QLOG_INFO() << "AccountUI: logged in as" << g_accountName;
        emit OnAccValidated(true);
        OnUpdateUserData();
        return;
    }
    // Any failed login leaves the user logged out.
    g_loggedIn = false;
    g_accountId = QStringLiteral("<invalid>");
    g_accountName = QStringLiteral("<unknown>");
    OnUpdateUserData();
    if (status == 2)
        Fail(attempt, tr("Invalid e-mail and/or password."));
    else if (status == 3)
        Fail(attempt, tr("Too many login tries, try again later."));
    else
        Fail(attempt, tr("Server not reachable, try again later."));
}

void AccountUI::Fail(int attempt, const QString& text) {
    QLOG_DEBUG() << "AccountUI: login failed:" << text;
    if (attempt >= 1)
        MsgBoxWarning(m_parent, tr("FAILED AUTHENTICATION"), text, PopupWnd::OK, PopupWnd::OK);
    emit OnAccValidated(false);
}

void AccountUI::OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors) {
    // Never ignored: the password is not sent to a peer whose certificate does not verify.
    for (const QSslError& error : errors)
        QLOG_WARN() << "AccountUI::OnSslErrorsRPC:" << reply->url().host() << error.errorString();
}

// ---------------------------------------------------------------------------------------------------------------
// Create-account page

void AccountUI::OnClickCreateAccount() {
    if (m_popup || m_webView) {
        QWidget* shown = m_popup ? static_cast<QWidget*>(m_popup) : static_cast<QWidget*>(m_webView);
        shown->raise();
        shown->activateWindow();
        return;
    }
    if (!m_wwwManager) {
        m_wwwManager = new QNetworkAccessManager(this);
        connect(m_wwwManager, &QNetworkAccessManager::finished, this, &AccountUI::OnHttpDoneWWW);
        connect(m_wwwManager, &QNetworkAccessManager::sslErrors, this, &AccountUI::OnSslErrorsWWW);
        m_cookieJar = new NetworkCookieJar(this);
        m_wwwManager->setCookieJar(m_cookieJar);
        // The manager takes the jar as its child; this object keeps it.
        m_cookieJar->setParent(this);
        m_wwwManager->setCache(PluginTools::GetWebCache());
    }
    m_popup = new PopupWnd(m_parent);
    m_webView = new QWebViewEx(m_popup);
    auto* page = new QWebPageEx(m_webView);
    page->setNetworkAccessManager(m_wwwManager);
    m_webView->setPage(page);
    m_webView->setStyleSheet(QStringLiteral("QWebView { background-color:#000; }"));
    m_webView->setWindowModality(Qt::ApplicationModal);
    m_webView->setWindowTitle(tr("New MERVEX\u2122 Account"));
    m_webView->setGeometry(6, 34, 522, 462);
    m_popup->resize(m_webView->width() + 12, m_webView->height() + 41);
    m_popup->setWindowTitle(m_webView->windowTitle());
    m_popup->AddButtons(PopupWnd::YES | PopupWnd::NO, PopupWnd::YES);
    m_popup->setWindowModality(Qt::ApplicationModal);
    connect(m_popup, &QDialog::finished, this, &AccountUI::OnWebViewClose);
    connect(m_webView, &QWebView::urlChanged, this, &AccountUI::OnWebViewUrlChanged);
    m_popup->installEventFilter(this);
    m_webView->installEventFilter(this);
    m_popup->show();
    m_webView->load(WebHosts::RegisterUrl(PageLanguage()));
}

void AccountUI::OnWebViewUrlChanged(const QUrl& url) {
    QLOG_DEBUG() << "URL:" << url.toString(QUrl::RemoveUserInfo);
    if (!url.path().endsWith(QLatin1String("/finished.php")))
        return;
    // Only the account service's own finishing page hands credentials back, and only from its own cookies.
    if (!WebHosts::IsAccountWebPage(url)) {
        QLOG_WARN() << "AccountUI::OnWebViewUrlChanged: a finishing page of another host is ignored:"
                    << url.toString(QUrl::RemoveUserInfo | QUrl::RemoveQuery);
        return;
    }
    const QString result = QUrlQuery(url).queryItemValue(QStringLiteral("result"));
    if (result == QLatin1String("ok") && m_cookieJar) {
        QString user;
        QString password;
        for (const QNetworkCookie& cookie : m_cookieJar->cookiesForUrl(url)) {
            if (cookie.name() == "username")
                user = QString::fromUtf8(cookie.value());
            else if (cookie.name() == "password")
                password = QString::fromUtf8(cookie.value());
        }
        if (!user.isEmpty() && !password.isEmpty()) {
            QVariantMap login;
            login.insert(QStringLiteral("Username"), user);
            login.insert(QStringLiteral("Password"), QVariant::fromValue(CryptString(password)));
            StoreLogin(login);
            DoMervexLogin(0, false);
        } else {
            QLOG_WARN() << "AccountUI::OnWebViewUrlChanged: the account page finished without credentials";
        }
    }
    OnWebViewClose();
}

void AccountUI::OnHttpDoneWWW(QNetworkReply* reply) {
    // The web view owns its replies and releases them itself.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200)
        QLOG_DEBUG() << "OnHttpDoneWWW:" << reply->url().toString(QUrl::RemoveUserInfo) << status;
}

void AccountUI::OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors) {
    // Never ignored: the page does not load, and the user learns why once the view is gone.
    for (const QSslError& error : errors)
        QLOG_WARN() << "AccountUI::OnSslErrorsWWW:" << reply->url().host() << error.errorString();
    if (!m_popup)
        return;
    QPointer<QWidget> parent = m_parent;
    QTimer::singleShot(0, this, [this, parent] {
        if (!m_popup)
            return;
        OnWebViewClose();
        MsgBoxWarning(parent, tr("ERROR"),
                      tr("The account service's certificate could not be verified. The page was not opened."),
                      PopupWnd::OK, PopupWnd::OK);
    });
}

void AccountUI::OnWebViewClose() {
    QLOG_DEBUG() << "OnWebViewClose";
    // Forgotten first: closing the popup reports back here.
    PopupWnd* popup = m_popup;
    m_popup = nullptr;
    m_webView = nullptr;
    if (popup && popup->isVisible())
        popup->close();
    if (m_cookieJar)
        m_cookieJar->DoEndSession();
}

// ---------------------------------------------------------------------------------------------------------------
// The box's widgets

QWidget* AccountUI::Container() const {
    return m_container;
}

QLineEdit* AccountUI::UserEdit() const {
    return m_edtUser;
}

QLineEdit* AccountUI::PasswordEdit() const {
    return m_edtPassword;
}

QCheckBox* AccountUI::AutoLoginCheck() const {
    return m_chkAuto;
}

QLabelEx* AccountUI::AccountNameLabel() const {
    return m_lblAccountName;
}

QLabelEx* AccountUI::ForgotLabel() const {
    return m_lblForgot;
}

BluIcnBtn* AccountUI::LoginButton() const {
    return m_btnLogin;
}

StdBtn* AccountUI::CreateButton() const {
    return m_btnCreate;
}

StdIcnBtn* AccountUI::ProfileButton() const {
    return m_btnProfile;
}

StdIcnBtn* AccountUI::LogoutButton() const {
    return m_btnLogout;
}

PopupWnd* AccountUI::CreatePopup() const {
    return m_popup;
}

QWebViewEx* AccountUI::WebView() const {
    return m_webView;
}
