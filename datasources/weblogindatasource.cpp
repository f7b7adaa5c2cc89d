#include "datasources/weblogindatasource.h"

#include "datasources/datasrccommon.h"
#include "datasources/networkcookiejar.h"
#include "foundation/cryptstring.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QCloseEvent>
#include <QNetworkAccessManager>
#include <QTimer>
#include <QWebPage>
#include <QWebSettings>

WebLoginDataSource::WebLoginDataSource(TaskControl tasks, QObject* parent)
    : IIncomingDataSource(parent), mTasks(tasks) {
    InstallCryptStringConversion();
    mTasks.clearStop();
    mStopToken = TaskStopToken(new std::atomic<bool>(false));
    mTimer = new QTimer(this);
    connect(mTimer, &QTimer::timeout, this, &WebLoginDataSource::OnTick);
    mTimer->start(kTickIntervalMs);
}

WebLoginDataSource::~WebLoginDataSource() {
    StopOwnTasks();
    if (mLoginView) {
        mLoginView->removeEventFilter(this);
        mLoginView->close();
        mLoginView->deleteLater();
    }
}

void WebLoginDataSource::StopOwnTasks() {
    mStopToken->store(true);
    mTasks.stopAndWait();
}

QByteArray WebLoginDataSource::LogPrefix(const char* methodAndText) const {
    return QByteArray(metaObject()->className()) + "::" + methodAndText;
}

// ---- Settings and entries ----

bool WebLoginDataSource::IsActive() {
    return mActive;
}

void WebLoginDataSource::SetSettings(const QVariantMap& settings) {
    PROFILE_SCOPE("WebLoginDataSource::SetSettings");
    const bool wasActive = mActive;
    mSettings = settings;
    mActive = DataSrcCommon::SettingIsTrue(settings, QStringLiteral("Active"));
    ApplySettings(settings);
    if (!wasActive && mActive)
        Activated();
}

QVariantMap WebLoginDataSource::GetSettings() {
    return mSettings;
}

QMap<qint64, QVariantMap> WebLoginDataSource::GetEntries() {
    if (!mActive)
        return QMap<qint64, QVariantMap>();
    if (mDemand <= 0)
        ScheduleImmediateTick();
    mDemand = 2;
    QReadLocker locker(&mLock);
    return mEntries;
}

void WebLoginDataSource::StoreEntry(qint64 key, const QVariantMap& entry) {
    QWriteLocker locker(&mLock);
    // Inserting first and then dropping the oldest keeps the newest items; the services list newest first.
    mEntries.insert(key, entry);
    while (mEntries.size() > kMaxEntries)
        mEntries.erase(mEntries.begin());
}

// ---- Polling ----

void WebLoginDataSource::ScheduleImmediateTick() {
    mTimer->stop();
    QTimer::singleShot(0, this, &WebLoginDataSource::OnTick);
    mTimer->start(kTickIntervalMs);
}

void WebLoginDataSource::OnTick() {
    // The tick does not lower the demand: once a script has asked, every tick fetches while the source is active.
    if (mActive && mDemand > 0)
        Fetch();
}

bool WebLoginDataSource::BeginFetch() {
    if (mFetchBusy)
        return false;
    mFetchBusy = true;
    QTimer::singleShot(kFetchBusyMs, this, &WebLoginDataSource::OnRpcDone);
    return true;
}

void WebLoginDataSource::OnRpcDone() {
    EndFetch();
}

QNetworkAccessManager* WebLoginDataSource::ApiManager() {
    if (!mApiManager) {
        mApiManager = new QNetworkAccessManager(this);
        // Connected first, so the source's own handling already sees the problem cleared.
        connect(mApiManager, &QNetworkAccessManager::finished, this, [this](QNetworkReply* reply) {
            if (reply->error() == QNetworkReply::NoError)
                mConnectionProblem.clear();
        });
        connect(mApiManager, &QNetworkAccessManager::finished, this, &WebLoginDataSource::OnHttpDoneRPC);
        connect(mApiManager, &QNetworkAccessManager::sslErrors, this, &WebLoginDataSource::OnSslErrorsRPC);
    }
    return mApiManager;
}

void WebLoginDataSource::OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors) {
    // Logged, not ignored: tokens are not sent to a peer whose certificate does not verify.
    QLOG_DEBUG() << LogPrefix("OnSslErrorsRPC:").constData() << reply->url().toString(QUrl::RemoveQuery) << errors;
    NoteCertificateProblem(reply, errors);
}

void WebLoginDataSource::NoteCertificateProblem(QNetworkReply* reply, const QList<QSslError>& errors) {
    // The user sees it in the source's status; a log line alone would leave the source silently empty.
    const QString reason = errors.isEmpty() ? tr("unknown error") : errors.first().errorString();
    mConnectionProblem = tr("the certificate of %1 is not trusted: %2").arg(reply->url().host(), reason);
}

QString WebLoginDataSource::StatusWithProblem(const QString& status) const {
    if (mConnectionProblem.isEmpty())
        return status;
    return status + QLatin1Char(' ') + tr("error: %1").arg(mConnectionProblem);
}

// ---- Login window ----

void WebLoginDataSource::DoAuthDialog() {
    PROFILE_SCOPE("WebLoginDataSource::DoAuthDialog");
    if (mLoginView)
        return;
    if (!mLoginManager) {
        mLoginManager = new QNetworkAccessManager(this);
        connect(mLoginManager, &QNetworkAccessManager::finished, this, &WebLoginDataSource::OnHttpDoneWWW);
        connect(mLoginManager, &QNetworkAccessManager::sslErrors, this, &WebLoginDataSource::OnSslErrorsWWW);
        mCookieJar = new NetworkCookieJar(this);
        mCookieJar->FromVariant(mSettings.value(QStringLiteral("WebCookies")));
        mLoginManager->setCache(PluginTools::GetWebCache());
        mLoginManager->setCookieJar(mCookieJar);
        // The manager takes the jar as its child; the source keeps it.
        mCookieJar->setParent(this);
    }
    QWebSettings::globalSettings()->setAttribute(QWebSettings::PluginsEnabled, true);

    QWebView* view = new QWebView;
    view->page()->setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(view->page(), &QWebPage::linkClicked, this, &WebLoginDataSource::OnLinkClicked);
    view->setWindowTitle(LoginTitle());
    connect(view, &QWebView::titleChanged, view, &QWidget::setWindowTitle);
    view->installEventFilter(this);
    view->page()->setNetworkAccessManager(mLoginManager);
    mLoginView = view;
    view->load(LoginPage());
    view->show();
    LoginViewOpened(view);
}

void WebLoginDataSource::OnLinkClicked(const QUrl& url) {
    if (mLoginView && AcceptsLink(url))
        mLoginView->load(url);
}

void WebLoginDataSource::OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors) {
    // A login page whose certificate does not verify gets no credentials: the login ends here.
    const QByteArray prefix = LogPrefix("OnSslErrorsWWW: FAIL SSL Error:");
    for (const QSslError& error : errors)
        QLOG_DEBUG() << prefix.constData() << error.errorString();
    NoteCertificateProblem(reply, errors);
    reply->abort();
    CloseLoginView();
}

void WebLoginDataSource::CloseLoginView() {
    if (mLoginView)
        mLoginView->close();
}

bool WebLoginDataSource::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && mLoginView && watched == mLoginView.data())
        OnWebViewClose();
    return IIncomingDataSource::eventFilter(watched, event);
}

void WebLoginDataSource::OnWebViewClose() {
    if (mLoginView) {
        mLoginView->removeEventFilter(this);
        // A new window is made at the next login.
        mLoginView->deleteLater();
        mLoginView = nullptr;
    }
    if (mCookieJar) {
        mCookieJar->DoEndSession();
        mSettings.insert(QStringLiteral("WebCookies"), mCookieJar->ToVariant());
    }
}
