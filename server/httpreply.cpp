#include "server/httpreply.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"

#include <QAbstractSocket>
#include <QIODevice>

namespace {
// Replies up to this size fit the system's default send buffer.
constexpr int kSendBufferFloor = 64 * 1024;
constexpr int kSendBufferCap = 4 * 1024 * 1024;
} // namespace

QString HttpReply::InfoText(const IHttpInfoSource& source) {
    QString os = source.OsName();
    os.replace(QLatin1Char(' '), QLatin1Char('_'));
    return QStringLiteral("%1 %2 %3").arg(source.ComputerName(), os, source.MachineId());
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
            QLOG_DEBUG() << "Missing Rsc:" << id;
        }
        return body;
    }
    return QByteArray();
}

QByteArray HttpReply::BuildHttpResponse(const QByteArray& body) {
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
