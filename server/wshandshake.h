#pragma once
// The server side of the RFC 6455 opening handshake on a plain phone connection.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QUuid>
#include <functional>

class QObject;
class QTcpSocket;
class QWsSocket;

class WsHandshake {
public:
    // base64(SHA-1(key + the RFC 6455 GUID)).
    static QString AcceptValue(const QString& key);
    // The request's "Sec-WebSocket-Extensions" value contains "deflate-frame" (x-webkit-deflate-frame too).
    static bool OffersDeflateFrame(const QMap<QString, QString>& headers);
    // The "101 Switching Protocols" header block.
    static QByteArray BuildReply(const QString& acceptValue, bool deflateFrame);
    // Low half from the UUID's first 32-bit field, then its first and second 16-bit fields.
    static quint64 IdFromUuid(const QUuid& uuid);
    // A non-zero "sid" as it is; otherwise ids drawn from new UUIDs until isTaken says no.
    static quint64 SessionId(const QMap<QString, QString>& query, const std::function<bool(quint64)>& isTaken);
    // Answers the upgrade and wraps the socket in a new QWsSocket (child of parent). Without a key the
    // socket is closed and null comes back. The caller has removed its own plain-socket connections and
    // connects the QWsSocket's signals before returning to the event loop (the first frames are read then).
    static QWsSocket* Accept(QTcpSocket* socket, const QMap<QString, QString>& headers, QObject* parent,
                             const QByteArray& pending = QByteArray());
};
