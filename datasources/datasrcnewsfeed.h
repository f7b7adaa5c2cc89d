#pragma once
// The built-in data source "NewsFeed": RSS and Atom feeds from a user-edited address list, fetched every 30 s
// while control scripts keep asking for entries, parsed on the thread pool; the newest 64 items are its entries.

#include "datasources/runnabletask.h"
#include "foundation/datasourceglobals.h"
#include "functions/iincomingdatasource.h"

#include <QHash>
#include <QMap>
#include <QNetworkReply>
#include <QReadWriteLock>
#include <QSet>
#include <QSslError>
#include <QStringList>

#include <atomic>
#include <memory>

class ITestPopup;
class QNetworkAccessManager;
class QTimer;

class DataSrcNewsFeed : public IIncomingDataSource {
    Q_OBJECT
    Q_INTERFACES(IIncomingDataSource)
public:
    static const int kTickIntervalMs = 30000;
    static const int kMaxEntries = 64;
    // A reply body above this is abandoned before it is read whole.
    static const qint64 kDefaultMaxReplyBytes = 8 * 1024 * 1024;
    // A server that stalls a fetch gives up its reply before the next tick fetches again.
    static const int kDefaultTransferTimeoutMs = 25000;
    // Redirects followed for one fetch, permanent and temporary together.
    static const int kMaxRedirects = 5;

    explicit DataSrcNewsFeed(QObject* parent = nullptr);
    ~DataSrcNewsFeed() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // What one parse found; the entries themselves go into the store.
    struct ParseResult {
        int itemCount = 0;
        bool isFeed = false;
        bool isHtml = false;
        bool tidied = false;
        QStringList foundFeeds; // feed links of an HTML page, made absolute against its address
    };
    // Reads a fetched body (pool thread): RSS or Atom items become entries; a body that is no well-formed XML
    // is repaired as HTML once and read again.
    ParseResult ParseHttpResult(const QByteArray& body, const QString& address);

    // Limits of one fetch; the program keeps the defaults.
    void SetMaxReplyBytes(qint64 bytes) { mMaxReplyBytes = bytes; }
    void SetTransferTimeout(int ms) { mTransferTimeoutMs = ms; }

    // The job counters of the news-feed jobs.
    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::NewsFeedJobs(); }

    // The address test's lists while "DoTestConnectParam" runs.
    bool IsTestRunning() const { return mTestRunning.load(); }
    // Fetches sent and not answered yet; a tick does not fetch an address again while it waits.
    int FetchesInFlight() const { return mInFlight.size(); }
    QStringList TestPending() const { return mPending; }
    QStringList TestSucceeded() const { return mSucceeded; }
    QStringList TestFailed() const { return mFailed; }

signals:
    void InvalidFeedUrl(const QString& address, const QStringList& feeds);
    void UpdatePending();

public slots:
    void OnHttpDone(QNetworkReply* reply);
    void OnInvalidFeedUrl(const QString& address, const QStringList& feeds);
    void SetTestResult(const QString& address, bool passed);
    void ShowPending();
    void OnSslErrors(QNetworkReply* reply, const QList<QSslError>& errors);
    void DoReplaceURL(const QString& from, const QString& to);
    void OnTick();
    void DoInitialUpdate();

private:
    void ScheduleImmediateTick();
    // origin: the stored address a redirect chain started from; permanent: the chain held a 301 so far.
    void Fetch(const QString& address, int redirects, const QString& origin = QString(), bool permanent = false);
    bool RunAddressTest(const QStringList& lines);
    // Outside a test: the stored address from becomes to, without a new update.
    void RewriteSource(const QString& from, const QString& to);
    // A failed test result with the reason the popup shows.
    void Fail(const QString& address, const QString& reason);
    void StoreEntry(qint64 key, const QVariantMap& entry);

    QVariantMap mSettings;
    bool mActive = true;
    bool mFirstSettings = true;
    int mDemand = 0;
    QStringList mSources;
    QMap<qint64, QVariantMap> mEntries;
    QReadWriteLock mLock;
    QTimer* mTimer = nullptr;
    QNetworkAccessManager* mNetwork = nullptr;
    // Addresses whose reply is still open: they are not asked again until it ends.
    QSet<QString> mInFlight;
    // The bodies of the open replies, collected as they arrive.
    QHash<QNetworkReply*, QByteArray> mBodies;
    qint64 mMaxReplyBytes = kDefaultMaxReplyBytes;
    int mTransferTimeoutMs = kDefaultTransferTimeoutMs;
    RunnableTask<DataSrcNewsFeed>::StopToken mStopToken;

    // The address test: the pool's parse reads whether one runs.
    std::atomic<bool> mTestRunning{false};
    std::unique_ptr<ITestPopup> mTestPopup;
    int mPauseCount = 0;
    QStringList mPending, mSucceeded, mFailed;
    // Redirect target to the address that was redirected, for the running address test.
    QMap<QString, QString> mRedirectMap;
    QHash<QString, QString> mFailReasons;
};
