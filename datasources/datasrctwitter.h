#pragma once
// The built-in data source "Twitter": an OAuth 1.0a login through a web view for the user's consent, then the
// home timeline polled every 60 s while control scripts ask for entries, parsed on the thread pool; the newest
// 64 tweets are its entries.

#include "datasources/runnabletask.h"
#include "foundation/datasourceglobals.h"
#include "functions/iincomingdatasource.h"

#include <QDateTime>
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

class DataSrcTwitter : public IIncomingDataSource {
    Q_OBJECT
    Q_INTERFACES(IIncomingDataSource)
public:
    static const int kTickIntervalMs = 60000;
    static const int kFetchBusyMs = 3000;
    static const int kMaxEntries = 64;
    // Replies above this are dropped unread: a timeline of 200 tweets is well below a megabyte.
    static const qint64 kDefaultMaxReplyBytes = 4 * 1024 * 1024;

    explicit DataSrcTwitter(QObject* parent = nullptr);
    ~DataSrcTwitter() override;

    QString GetName() override;
    void SetSettings(const QVariantMap& settings) override;
    QVariantMap GetSettings() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;
    QMap<qint64, QVariantMap> GetEntries() override;
    bool IsActive() override;

    // --- OAuth 1.0a ---

    // RFC 3986 encoding of the bytes: everything but A-Z a-z 0-9 - . _ ~ becomes "%XX".
    static QByteArray PercentEncode(const QByteArray& bytes);
    // The signature base string of a request: method (empty = GET), '&', the encoded URL, '&', the encoded
    // parameter string of every key but "oauth_signature" in key order.
    static QByteArray SignatureBaseString(const QString& method, const QString& url,
                                          const QMap<QString, QString>& params);
    // Signs the request under the given secrets and stores the signature under "oauth_signature".
    static void SignRequest(const QString& method, const QString& url, QMap<QString, QString>& params,
                            const QString& consumerSecret, const QString& tokenSecret);
    // The same with the application's consumer secret and the session's token secret.
    static void SignRequest(const QString& method, const QString& url, QMap<QString, QString>& params);
    // Adds the protocol parameters (consumer key, nonce, method, timestamp, the token when not empty, version),
    // signs, and answers the Authorization header value of the sorted "oauth_" keys.
    static QByteArray MakeAuthHeader(const QString& method, const QString& url, QMap<QString, QString>& params,
                                     const QString& token);
    // A fresh nonce: a random UUID's text, base64, without '=' and '+'.
    static QString MakeNonce();
    // The value after the first "key=" up to the next '&' or the end; keeps target when the key is missing.
    static void ExtractValue(const QString& text, const QString& key, QString& target);

    // "Wed Aug 27 13:08:45 +0000 2008" as UTC; an invalid date-time for anything else.
    static QDateTime ParseTwitterDate(const QString& text);

    // Reads a timeline reply (pool thread): a JSON list of tweets becomes entries.
    void ParseTimeline(const QByteArray& body, const QString& address);

    // The open login view, if any (for the program's tests and the settings page).
    QWebView* LoginView() const { return mLoginView; }

    void SetMaxReplyBytes(qint64 bytes) { mMaxReplyBytes = bytes; }

    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::TwitterJobs(); }

public slots:
    void OnHttpDoneRPC(QNetworkReply* reply);
    void OnSslErrorsRPC(QNetworkReply* reply, const QList<QSslError>& errors);
    void OnHttpDoneWWW(QNetworkReply* reply);
    void OnSslErrorsWWW(QNetworkReply* reply, const QList<QSslError>& errors);
    void DoAuthDialog();
    void OnWebViewClose();
    void OnTick();
    void OnRpcDone();
    void OnLinkClicked(const QUrl& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RequestToken();
    void RequestAccessToken();
    void RequestTimeline();
    QNetworkAccessManager* ApiManager();
    void ScheduleImmediateTick();
    void CloseLoginView();

    QVariantMap mSettings;
    bool mActive = false;
    std::atomic<bool> mRequestPending{false};
    int mDemand = 0;
    QMap<qint64, QVariantMap> mEntries;
    QReadWriteLock mLock;
    QTimer* mTimer = nullptr;
    QNetworkAccessManager* mApiManager = nullptr;
    QNetworkAccessManager* mLoginManager = nullptr;
    NetworkCookieJar* mCookieJar = nullptr;
    QPointer<QWebView> mLoginView;
    qint64 mMaxReplyBytes = kDefaultMaxReplyBytes;
    RunnableTask<DataSrcTwitter>::StopToken mStopToken;
};
