#include "server/wshandshake.h"

#include "foundation/logger/QsLog.h"
#include "server/lograte.h"
#include "server/qwssocket.h"

#include <QCryptographicHash>
#include <QTcpSocket>

QString WsHandshake::AcceptValue(const QString& key) {
    const QByteArray digest = QCryptographicHash::hash(
        (key + QLatin1String("258EAFA5-E914-47DA-95CA-C5AB0DC85B11")).toLatin1(), QCryptographicHash::Sha1);
    return QString::fromLatin1(digest.toBase64());
}

bool WsHandshake::OffersDeflateFrame(const QMap<QString, QString>& headers) {
    return headers.value(QStringLiteral("Sec-WebSocket-Extensions")).contains(QLatin1String("deflate-frame"));
}

QByteArray WsHandshake::BuildReply(const QString& acceptValue, bool deflateFrame) {
    QByteArray r("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n");
    if (deflateFrame)
        r += "Sec-WebSocket-Extensions: deflate-frame\r\n";
    r += "Sec-WebSocket-Accept: " + acceptValue.toLatin1() + "\r\n\r\n";
    return r;
}

quint64 WsHandshake::IdFromUuid(const QUuid& uuid) {
    return quint64(uuid.data1) | (quint64(uuid.data2) << 32) | (quint64(uuid.data3) << 48);
}

quint64 WsHandshake::SessionId(const QMap<QString, QString>& query, const std::function<bool(quint64)>& isTaken) {
    const quint64 sid = query.value(QStringLiteral("sid")).toULongLong();
    if (sid != 0)
        return sid;
    quint64 id = 0;
    do {
        id = IdFromUuid(QUuid::createUuid());
    } while (id == 0 || (isTaken && isTaken(id)));
    return id;
}

QWsSocket* WsHandshake::Accept(QTcpSocket* socket, const QMap<QString, QString>& headers, QObject* parent,
                               const QByteArray& pending) {
    if (!socket)
        return nullptr;
    const QString key = headers.value(QStringLiteral("Sec-WebSocket-Key"));
    if (key.isEmpty()) {
        QLOG_OUTSIDER(QsLogging::DebugLevel) << "Missing: Sec-WebSocket-Key";
        socket->close();
        return nullptr;
    }
    const bool deflate = OffersDeflateFrame(headers);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto* ws = new QWsSocket(socket, parent, deflate ? QWsSocket::ExtDeflateFrame : 0, pending);
    socket->write(BuildReply(AcceptValue(key), deflate));
    socket->flush();
    return ws;
}
