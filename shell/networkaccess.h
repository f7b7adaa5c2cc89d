#pragma once
// Small wrapper around QNetworkAccessManager for one GET at a time: the program's User-Agent, a percentage
// progress signal, a way to abort, a size bound and a stall guard. The version check and the installer
// download derive from it. The reply is handed on untouched through dataRequestFinished; its receiver reads
// it and releases it with deleteLater().

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslError>

class QNetworkAccessManager;
class QTimer;

class NetworkAccess : public QObject {
    Q_OBJECT
public:
    // Bodies larger than this are refused unless the owner sets its own bound.
    static constexpr qint64 DefaultMaxBytes = 1024 * 1024;
    // A request that receives nothing for this long is given up.
    static constexpr int DefaultStallTimeoutMs = 30000;

    NetworkAccess(const QString& url, QObject* parent = nullptr);
    ~NetworkAccess() override;

    // Starts the request; false (and no request) when the url is empty. A request still running is aborted
    // first: there is one GET at a time.
    bool Get();

    QString GetUrl() const { return url; }
    QNetworkReply* GetReply() const { return reply; }
    void SetMaxBytes(qint64 bytes) { maxBytes = bytes; }
    qint64 GetMaxBytes() const { return maxBytes; }
    void SetStallTimeout(int ms) { stallTimeoutMs = ms; }

    // Whether a finished reply brought no usable body: it failed, or its body exceeds the bound.
    bool Refused(QNetworkReply* finished) const;
    // Whether a finished body is shorter than the size its headers announced.
    static bool CutShort(QNetworkReply* finished);

    // received / total in percent, truncated; -1 while the total is unknown (0 or less).
    static int ProgressPercent(qint64 received, qint64 total);

signals:
    void dataRequestFinished(QNetworkReply* reply);
    void dataRequestError(QNetworkReply::NetworkError code);
    void dataDownloadProgress(int percent);

public slots:
    void slotReadyRead(QNetworkReply* reply);
    void slotError(QNetworkReply::NetworkError code);
    void slotSslErrors(const QList<QSslError>& errors);
    void downloadProgress(qint64 received, qint64 total);
    void abortDownload();

protected:
    QString url;
    QNetworkAccessManager* manager = nullptr;
    QPointer<QNetworkReply> reply;

private:
    enum class AbortReason { None, Stalled, TooLarge };
    void AbortFor(AbortReason why);
    void OnStalled();

    QTimer* stallTimer = nullptr;
    qint64 maxBytes = DefaultMaxBytes;
    int stallTimeoutMs = DefaultStallTimeoutMs;
    AbortReason abortReason = AbortReason::None;
};
