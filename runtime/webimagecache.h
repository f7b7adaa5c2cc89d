#pragma once
// The process-wide loader of pictures by URL for control scripts. A call never waits: it answers what the
// cache holds now (a null image until the first download arrived) and starts or refreshes the download in
// the background; scripts simply ask again on a later tick. Downloads share the program's disk cache, so
// pictures survive restarts. Main thread only.

#include <QHash>
#include <QImage>
#include <QList>
#include <QNetworkRequest>
#include <QObject>
#include <QSslError>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

class WebImageCache : public QObject {
    Q_OBJECT
public:
    // Milliseconds since the epoch; replaceable so that refresh and ageing can be driven without waiting.
    using Clock = std::function<qint64()>;

    // An entry is fetched again when asked for this long after its last fetch.
    static constexpr qint64 RefreshMs = 900000;
    // Maintenance drops entries nobody asked for during this long.
    static constexpr qint64 UnusedMs = 3600000;
    static constexpr int MaintenanceIntervalMs = 60000;
    // Redirects followed for one request before it counts as failed.
    static constexpr int MaxRedirects = 5;
    // Entries held at most; a new URL beyond that evicts the entry used longest ago.
    static constexpr int MaxEntries = 4096;
    // A download that stalls this long fails.
    static constexpr int DefaultTransferTimeoutMs = 30000;

    explicit WebImageCache(QObject* parent = nullptr);
    ~WebImageCache() override;

    // The cache made last, or null once it is gone.
    static WebImageCache* Instance();

    // Starts the maintenance timer; the shell calls it once its deferred start-up runs.
    void StartMaintenanceTimer();
    // A copy of the picture held for the URL; null while nothing has arrived or for a URL too short.
    QImage GetImage(const QString& url);

    // The text under which a URL is kept: a "file://" text as written, any other URL without its
    // fragment and trailing slash.
    static QString UrlKey(const QString& url);
    // The 1 x 1 picture stored for a failed download: not null, so scripts stop waiting for it.
    static QImage FailureImage();

    void SetClock(Clock clock);
    void SetTransferTimeout(int ms) { m_transferTimeoutMs = ms; }
    bool HasNetworkManager() const { return m_nam != nullptr; }
    int EntryCount() const { return m_images.size(); }
    bool HasEntry(const QString& key) const { return m_images.contains(key); }
    QString RedirectOf(const QString& key) const { return m_redirects.value(key); }

public slots:
    void OnHttpDone(QNetworkReply* reply);
    // Certificate problems are not waved through: the download fails and gets the failure image.
    void OnSslErrors(QNetworkReply* reply, const QList<QSslError>& errors);
    // Every 60000 ms once started: drops entries unused for more than an hour.
    void Maintenance();

private:
    struct Entry {
        QString url;
        qint64 fetched = 0;
        qint64 lastUse = 0;
        QImage image;
    };

    qint64 Now() const { return m_clock(); }
    void EnsureManager();
    // origin: the key a script asked for; hops: redirects followed so far.
    void StartRequest(const QString& key, QNetworkRequest::CacheLoadControl control, const QString& origin, int hops);
    void Store(const QString& key, const QImage& image);
    void MakeRoom();
    void OnDownloadProgress(QNetworkReply* reply, qint64 received, qint64 total);

    QHash<QString, Entry> m_images;
    QHash<QString, QString> m_redirects;
    QNetworkAccessManager* m_nam;
    QTimer* m_timer;
    Clock m_clock;
    int m_transferTimeoutMs;
};
