#include "datasources/replybound.h"

#include "foundation/logger/QsLog.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace ReplyBound {

static const char* const kTooLargeProperty = "mvReplyTooLarge";

void Limit(QNetworkReply* reply, qint64 maxBytes, const char* logPrefix) {
    // The read buffer holds the network back, so the body cannot outrun the check below.
    reply->setReadBufferSize(maxBytes + 65536);
    const QByteArray prefix(logPrefix);
    auto check = [reply, maxBytes, prefix](qint64 received, qint64 total) {
        if ((received > maxBytes || total > maxBytes) && !reply->property(kTooLargeProperty).toBool()) {
            QLOG_DEBUG() << prefix.constData() << "reply larger than" << maxBytes
                         << "bytes:" << reply->url().toString(QUrl::RemoveQuery);
            reply->setProperty(kTooLargeProperty, true);
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, check);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, check]() { check(reply->bytesAvailable(), -1); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, check]() {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            check(0, length.toLongLong());
    });
}

bool TooLarge(const QNetworkReply* reply) {
    return reply->property(kTooLargeProperty).toBool();
}

} // namespace ReplyBound
