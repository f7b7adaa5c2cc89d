#pragma once
// The built-in data source "Facebook": the user logs in through the service's OAuth dialog in a web window
// (the access token comes back in the address it finally redirects to); then the news feed and, when wanted,
// the message inbox are fetched from the Graph API every 60 s while control scripts ask, parsed on the thread
// pool, filtered by kind; the newest 64 posts are its entries. A refused token opens the login window again.

#include "datasources/runnabletask.h"
#include "foundation/datasourceglobals.h"
#include "functions/iincomingdatasource.h"

#include <QMap>
#include <QNetworkReply>
#include <QPointer>
#include <QReadWriteLock>
#include <QSslError>
#include <QUrl>

#include <atomic>

class NetworkCookieJar;
class QNetworkAccessManager;
class QTimer;
#include <QWebView>

class DataSrcFacebook : public IIncomingDataSource {
    Q_OBJECT
    Q_INTERFACES(IIncomingDataSource)
public:
    static const int kTickIntervalMs = 60000;
    static const int kFetchBusyMs = 3000;
    static const int kMaxEntries = 64;
    // Replies above this are dropped unread: a page of the feed is well below a megabyte.
    static const qint64 kDefaultMaxReplyBytes = 4 * 1024 * 1024;

    explicit DataSrcFacebook(QObject* parent = nullptr);
    ~DataSrcFacebook() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // Reads a Graph reply (pool thread): posts and inbox messages become entries; error 190 or 2500 (a refused
    // or expired token) asks for the login window.
    void ParseRpcResult(const QByteArray& body, const QString& address);

    // The address the login window opens.
    static QString LoginAddress();

    QWebView* LoginView() const { return mLoginView; }
    void SetMaxReplyBytes(qint64 bytes) { mMaxReplyBytes = bytes; }

    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::FacebookJobs(); }

signals:
    void ShowAuthDialog();

public slots:
    void DoFeedRpc();
    void OnProgress(qint64 received, qint64 total);
    void OnLinkClicked(const QUrl& url);
    void OnHttpDoneWWW(QNetworkReply* reply);
    void OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors);
    void OnHttpDoneRPC(QNetworkReply* reply);
    void OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors);
    void DoAuthDialog();
    void OnWebViewClose();
    void OnTick();
    void DoInitialUpdate();
    void OnRpcDone();
    void windowCloseRequest();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScheduleImmediateTick();
    void HandleLoginAddress(const QUrl& url);
    void CloseLoginView();
    void StoreEntry(qint64 key, const QVariantMap& entry);
    void GetGraph(const QString& path, const QString& token);

    QVariantMap mSettings;
    bool mActive = false;
    std::atomic<bool> mFetchBusy{false};
    std::atomic<bool> mShowLink{false}, mShowPhoto{false}, mShowStatus{false}, mShowVideo{false}, mShowInbox{false};
    int mDemand = 0;
    QMap<qint64, QVariantMap> mEntries;
    QReadWriteLock mLock;
    QTimer* mTimer = nullptr;
    QNetworkAccessManager* mWebManager = nullptr;
    QNetworkAccessManager* mGraphManager = nullptr;
    NetworkCookieJar* mCookieJar = nullptr;
    QPointer<QWebView> mLoginView;
    qint64 mMaxReplyBytes = kDefaultMaxReplyBytes;
    RunnableTask<DataSrcFacebook>::StopToken mStopToken;
};
