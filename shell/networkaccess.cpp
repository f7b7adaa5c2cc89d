#include "shell/networkaccess.h"

#include "foundation/logger/QsLog.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>

NetworkAccess::NetworkAccess(const QString& url, QObject* parent) : QObject(parent), url(url) {
    // The manager lives and dies with this object, so no reply outlives its owner.
    manager = new QNetworkAccessManager(this);
    connect(manager, &QNetworkAccessManager::finished, this, &NetworkAccess::slotReadyRead);
    stallTimer = new QTimer(this);
    stallTimer->setSingleShot(true);
    connect(stallTimer, &QTimer::timeout, this, &NetworkAccess::OnStalled);
}

NetworkAccess::~NetworkAccess() = default;

bool NetworkAccess::Get() {
    if (url.isEmpty())
        return false;
    if (reply && reply->isRunning()) {
        // Its finished signal still reaches the owner, with the cancel error set.
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
    }
    abortReason = AbortReason::None;
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("User-Agent", "Velli-Chor");
    reply = manager->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &NetworkAccess::downloadProgress);
    connect(reply, &QNetworkReply::errorOccurred, this, &NetworkAccess::slotError);
    connect(reply, &QNetworkReply::sslErrors, this, &NetworkAccess::slotSslErrors);
    if (stallTimeoutMs > 0)
        stallTimer->start(stallTimeoutMs);
    return true;
}

int NetworkAccess::ProgressPercent(qint64 received, qint64 total) {
    if (total <= 0)
        return -1;
    return int(double(received) / double(total) * 100.0);
}

bool NetworkAccess::Refused(QNetworkReply* finished) const {
    return finished->error() != QNetworkReply::NoError || (maxBytes > 0 && finished->bytesAvailable() > maxBytes) ||
           CutShort(finished);
}

bool NetworkAccess::CutShort(QNetworkReply* finished) {
    // The network layer may end a body the server cut off without an error; its announced size tells.
    const QVariant length = finished->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() && finished->bytesAvailable() < length.toLongLong();
}

void NetworkAccess::slotReadyRead(QNetworkReply* finished) {
    if (finished == reply) {
        stallTimer->stop();
        // A body can arrive whole before its progress was looked at: refuse it here as well.
        if (finished->error() == QNetworkReply::NoError && CutShort(finished)) {
            QLOG_WARN() << "NetworkAccess::slotReadyRead: body cut short, refused:" << url;
            emit dataRequestError(QNetworkReply::RemoteHostClosedError);
        } else if (finished->error() == QNetworkReply::NoError && Refused(finished)) {
            QLOG_WARN() << "NetworkAccess::slotReadyRead: body exceeds" << maxBytes << "bytes, refused:" << url;
            emit dataRequestError(QNetworkReply::UnknownContentError);
        }
    }
    emit dataRequestFinished(finished);
}

void NetworkAccess::slotError(QNetworkReply::NetworkError code) {
    if (sender() && sender() != reply)
        return;
    // Our own aborts end as "canceled" in the network layer; the owner learns the real cause.
    if (code == QNetworkReply::OperationCanceledError && abortReason == AbortReason::Stalled)
        code = QNetworkReply::TimeoutError;
    else if (code == QNetworkReply::OperationCanceledError && abortReason == AbortReason::TooLarge)
        code = QNetworkReply::UnknownContentError;
    QLOG_DEBUG() << "NetworkAccess::slotError:" << int(code) << url;
    emit dataRequestError(code);
}

void NetworkAccess::slotSslErrors(const QList<QSslError>& errors) {
    Q_UNUSED(errors);
    // Not ignored: the request then fails with an SSL error.
    QLOG_DEBUG() << "NetworkAccess::slotSslErrors";
}

void NetworkAccess::downloadProgress(qint64 received, qint64 total) {
    if (sender() && sender() != reply)
        return;
    if (stallTimeoutMs > 0)
        stallTimer->start(stallTimeoutMs);
    if (maxBytes > 0 && (received > maxBytes || total > maxBytes)) {
        QLOG_WARN() << "NetworkAccess::downloadProgress: body exceeds" << maxBytes << "bytes, aborted:" << url;
        AbortFor(AbortReason::TooLarge);
        return;
    }
    const int percent = ProgressPercent(received, total);
    if (percent >= 0)
        emit dataDownloadProgress(percent);
}

void NetworkAccess::abortDownload() {
    if (reply && reply->isOpen())
        reply->close();
}

void NetworkAccess::AbortFor(AbortReason why) {
    stallTimer->stop();
    if (!reply || !reply->isRunning())
        return;
    abortReason = why;
    reply->abort();
}

void NetworkAccess::OnStalled() {
    QLOG_WARN() << "NetworkAccess::OnStalled: no data for" << stallTimeoutMs << "ms, aborted:" << url;
    AbortFor(AbortReason::Stalled);
}
