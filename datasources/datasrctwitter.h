#pragma once
// The built-in data source "Twitter": an OAuth 1.0a login through a web view for the user's consent, then the
// home timeline polled every 60 s while control scripts ask for entries, parsed on the thread pool; the newest
// 64 tweets are its entries.

#include "datasources/weblogindatasource.h"
#include "foundation/datasourceglobals.h"

#include <QDateTime>

class DataSrcTwitter : public WebLoginDataSource {
    Q_OBJECT
public:
    explicit DataSrcTwitter(QObject* parent = nullptr);
    ~DataSrcTwitter() override;

    QString GetName() override;
    QVariant GetValue(const QString& function, const QVariantList& args) override;

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

    static DataSourceGlobals::JobCounters& TaskCounters() { return DataSourceGlobals::TwitterJobs(); }

public slots:
    void OnHttpDoneRPC(QNetworkReply* reply) override;
    void OnHttpDoneWWW(QNetworkReply* reply) override;

protected:
    void ApplySettings(const QVariantMap& settings) override;
    void Fetch() override;
    QString LoginTitle() const override;
    QUrl LoginPage() const override;
    bool AcceptsLink(const QUrl& url) const override;

private:
    void RequestToken();
    void RequestAccessToken();
    void RequestTimeline();
};
