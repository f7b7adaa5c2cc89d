#include "server/httpreply.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "server/lograte.h"

#include <QAbstractSocket>
#include <QHash>
#include <QIODevice>
#include <QMutex>

namespace {
// Replies up to this size fit the system's default send buffer.
constexpr int kSendBufferFloor = 64 * 1024;
constexpr int kSendBufferCap = 4 * 1024 * 1024;
} // namespace

QString HttpReply::InfoText(const IHttpInfoSource& source) {
    return InfoText(source.ComputerName(), source.OsName(), source.MachineId());
}

QString HttpReply::InfoText(const QString& computerName, QString osName, const QString& machineId) {
    osName.replace(QLatin1Char(' '), QLatin1Char('_'));
    return QStringLiteral("%1 %2 %3").arg(computerName, osName, machineId);
}

double HttpReply::RscScale(const QMap<QString, QString>& query) {
    int divisor = query.value(QStringLiteral("is")).toInt();
    if (divisor <= 0)
        divisor = 1;
    double scale = 1.0 / divisor;
    const auto sc = query.constFind(QStringLiteral("sc"));
    if (sc != query.constEnd())
        scale = sc.value().toDouble();
    if (!(scale < 1.0)) // NaN included
        scale = 1.0;
    else if (scale <= 0.125)
        scale = 0.125;
    return scale;
}

QByteArray HttpReply::HandleHttpGet(const QString& path, const QMap<QString, QString>& query,
                                    const IHttpInfoSource& source) {
    if (path == QLatin1String("GetInfo"))
        return QByteArray("MervexSrv\n") + (InfoText(source) + QLatin1Char('\n')).toUtf8() + '\n';
    if (path == QLatin1String("GetRsc")) {
        const quint64 id = query.value(QStringLiteral("cs")).toULongLong();
        const QByteArray body = source.GetRscData(id, RscScale(query));
        if (body.isEmpty()) {
            QLOG_OUTSIDER(QsLogging::DebugLevel) << "Missing Rsc:" << id;
        }
        return body;
    }
    return QByteArray();
}

namespace {

// Built replies of large bodies, by the body's buffer. The image manager hands out the same shared bytes for an
// unchanged image at a scale, so a phone asking again gets the reply compressed once; holding the body keeps
// its buffer alive, so an equal address and size always mean the same bytes. Bounded in count and size.
struct ReplyCache {
    struct Entry {
        QByteArray body;
        QByteArray reply;
        quint64 lastUse = 0;
    };
    static constexpr int MaxEntries = 64;
    static constexpr qint64 MaxBytes = 8 * 1024 * 1024;

    QMutex mutex;
    QHash<const char*, Entry> entries;
    qint64 bytes = 0;
    quint64 clock = 0;

    bool Find(const QByteArray& body, QByteArray& reply) {
        QMutexLocker lock(&mutex);
        auto it = entries.find(body.constData());
        if (it == entries.end() || it->body.size() != body.size())
            return false;
        it->lastUse = ++clock;
        reply = it->reply;
        return true;
    }
    void Add(const QByteArray& body, const QByteArray& reply) {
        const qint64 size = body.size() + reply.size();
        if (size > MaxBytes / 4)
            return;
        QMutexLocker lock(&mutex);
        if (entries.contains(body.constData()))
            return;
        while (!entries.isEmpty() && (entries.size() >= MaxEntries || bytes + size > MaxBytes)) {
            auto oldest = entries.begin();
            for (auto it = entries.begin(); it != entries.end(); ++it)
                if (it->lastUse < oldest->lastUse)
                    oldest = it;
            bytes -= oldest->body.size() + oldest->reply.size();
            entries.erase(oldest);
        }
        entries.insert(body.constData(), Entry{body, reply, ++clock});
        bytes += size;
    }
};

ReplyCache& Replies() {
    static ReplyCache cache;
    return cache;
}

} // namespace

QByteArray HttpReply::BuildHttpResponse(const QByteArray& body) {
    QByteArray cached;
    if (body.size() > GzipThreshold && Replies().Find(body, cached))
        return cached;
    QByteArray out("HTTP/1.1 200 OK\r\nServer: MervexSrv\r\n");
    QByteArray sent = body;
    if (body.size() > GzipThreshold) {
        const QByteArray gz = GzipCompress(body, -1);
        if (!gz.isEmpty() && gz.size() < body.size()) {
            sent = gz;
            out += "Content-Encoding: gzip\r\n";
        }
    }
    out += "Content-Length: " + QByteArray::number(sent.size()) + "\r\n";
    out += "Connection: Keep-Alive\r\nKeep-Alive: timeout=4\r\n\r\n";
    out += sent;
    if (body.size() > GzipThreshold)
        Replies().Add(body, out);
    return out;
}

void HttpReply::WriteHttpResponse(QIODevice* device, const QByteArray& body) {
    if (!device || !device->isOpen())
        return;
    const QByteArray reply = BuildHttpResponse(body);
    auto* socket = qobject_cast<QAbstractSocket*>(device);
    // A phone may half-close its side right after its request; the socket then ends at its next read and
    // whatever still waits in its buffer is lost. So the reply goes to the system at once, with a send
    // buffer large enough for it (the system caps it, so a very large reply may still wait in part).
    if (socket && reply.size() > kSendBufferFloor)
        socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, qMin(reply.size(), kSendBufferCap));
    device->write(reply);
    if (socket)
        socket->flush();
}
