#pragma once
// The common part of the data sources that log the user in through the service's page in a web window and then
// poll an API: settings and the "Active" switch, the 60 s timer with demand, the fetch-busy guard, the bounded
// entry store, the API manager, and the login window with its network manager and cookie jar (stored in the
// "WebCookies" setting when the window closes). The source says what the window shows and what its replies mean.

#include "datasources/runnabletask.h"
#include "functions/iincomingdatasource.h"

#include <QByteArray>
#include <QMap>
#include <QNetworkReply>
#include <QPointer>
#include <QReadWriteLock>
#include <QSslError>
#include <QUrl>
#include <QWebView>

#include <atomic>

class NetworkCookieJar;
class QNetworkAccessManager;
class QTimer;

class WebLoginDataSource : public IIncomingDataSource {
    Q_OBJECT
    Q_INTERFACES(IIncomingDataSource)
public:
    static const int kTickIntervalMs = 60000;
    static const int kFetchBusyMs = 3000;
    static const int kMaxEntries = 64;
    // Replies above this are dropped unread: a page of a feed or timeline is well below a megabyte.
    static const qint64 kDefaultMaxReplyBytes = 4 * 1024 * 1024;

    ~WebLoginDataSource() override;

    // Stores the map and the "Active" switch, lets the source read its own keys (ApplySettings), and fetches at
    // once when the source has just been switched on (Activated).
    void SetSettings(const QVariantMap& settings) final;
    QVariantMap GetSettings() override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // The open login window, if any (for the program's tests and the settings page).
    QWebView* LoginView() const { return mLoginView; }
    void SetMaxReplyBytes(qint64 bytes) { mMaxReplyBytes = bytes; }

public slots:
    virtual void OnHttpDoneRPC(QNetworkReply* reply) = 0;
    void OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors);
    virtual void OnHttpDoneWWW(QNetworkReply* reply) = 0;
    void OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors);
    // Opens the login window unless one is open.
    void DoAuthDialog();
    void OnWebViewClose();
    // Fetches while the source is active and a script has asked for entries.
    void OnTick();
    // Clears the fetch-busy guard.
    void OnRpcDone();
    // The login window follows a clicked link only when the source accepts it (AcceptsLink).
    void OnLinkClicked(const QUrl& url);

protected:
    // tasks: the stop control of the source's own job type, which the destructor stops and waits for.
    WebLoginDataSource(TaskControl tasks, QObject* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Reads the source's own keys from the settings just stored.
    virtual void ApplySettings(const QVariantMap& settings) = 0;
    // The source was inactive and is now active.
    virtual void Activated() { ScheduleImmediateTick(); }
    // One fetch, sent from a tick.
    virtual void Fetch() = 0;
    // The window's title and the page it opens with.
    virtual QString LoginTitle() const = 0;
    virtual QUrl LoginPage() const = 0;
    // Called once for each new login window, after it was shown.
    virtual void LoginViewOpened(QWebView* view) { Q_UNUSED(view); }
    virtual bool AcceptsLink(const QUrl& url) const = 0;

    // Stops the timer, posts a tick at once and starts the timer again, so the next regular tick comes one full
    // interval later.
    void ScheduleImmediateTick();
    // False while a fetch is busy; else sets the guard, which clears itself after kFetchBusyMs.
    bool BeginFetch();
    // Clears the guard (also from a pool thread).
    void EndFetch() { mFetchBusy = false; }
    // Stores an entry under the write lock; a new key in a full store first drops the oldest entry.
    void StoreEntry(qint64 key, const QVariantMap& entry);
    // The manager of the API requests, made on first use.
    QNetworkAccessManager* ApiManager();
    void CloseLoginView();
    // Stops this source's jobs and waits for a running one. The source's destructor calls it first, while the
    // members its jobs read are still there.
    void StopOwnTasks();
    qint64 MaxReplyBytes() const { return mMaxReplyBytes; }
    const TaskStopToken& StopToken() const { return mStopToken; }
    // The login status the settings page shows, followed by the connection problem when there is one.
    QString StatusWithProblem(const QString& status) const;
    // "Class::method" followed by the text, for log lines written here on behalf of the source.
    QByteArray LogPrefix(const char* methodAndText) const;

    QVariantMap mSettings;
    bool mActive = false;

private:
    TaskControl mTasks;
    TaskStopToken mStopToken;
    std::atomic<bool> mFetchBusy{false};
    int mDemand = 0;
    QMap<qint64, QVariantMap> mEntries;
    QReadWriteLock mLock;
    QTimer* mTimer = nullptr;
    QNetworkAccessManager* mApiManager = nullptr;
    QNetworkAccessManager* mLoginManager = nullptr;
    NetworkCookieJar* mCookieJar = nullptr;
    QPointer<QWebView> mLoginView;
    qint64 mMaxReplyBytes = kDefaultMaxReplyBytes;
    // Why the service could not be reached safely: a certificate of its API or login page that does not verify.
    // Empty again once an API reply came through.
    QString mConnectionProblem;

    void NoteCertificateProblem(QNetworkReply* reply, const QList<QSslError>& errors);
};
