// Plain connections: HTTP requests and the WebSocket upgrade that turns a connection into a session.

#include "netserver.h"

#include "QsLog.h"
#include "netservices.h"
#include "qwssocket.h"
#include "websocketud.h"

#include <QCryptographicHash>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

void NetServer::OnSockReadyRead()
{
    // TEMPORARY reader until the request reader lands.
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (!socket)
        return;
    QStringList lines;
    while (socket->canReadLine()) {
        QString line = QString::fromLatin1(socket->readLine());
        line.remove(QStringLiteral("\r\n"));
        line.remove(QLatin1Char('\n'));
        if (line.isEmpty())
            break;
        lines << line;
    }
    if (lines.isEmpty())
        return;
    QMap<QString, QString> headers;
    for (const QString& line : lines) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        const int colon = parts.first().lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        headers.insert(parts.first().left(colon).trimmed(), parts.size() > 1 ? parts.at(1).trimmed() : QString());
    }
    const QStringList words = lines.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) {
        socket->close();
        return;
    }
    const QUrl url(words.at(1), QUrl::TolerantMode);
    QMap<QString, QString> query;
    for (const auto& item : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        query.insert(item.first, item.second);
    QString path = url.path();
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (headers.value(QStringLiteral("Upgrade")) == QLatin1String("websocket")) {
        DoWebSocketHandshake(socket, path, query, headers);
        return;
    }
    const QByteArray body = HandleHttpGet(path, query);
    socket->write(QByteArray("HTTP/1.1 200 OK\r\nServer: MervexSrv\r\nContent-Length: ") +
                  QByteArray::number(body.size()) + "\r\nConnection: Keep-Alive\r\nKeep-Alive: timeout=4\r\n\r\n" +
                  body);
}

QByteArray NetServer::HandleHttpGet(const QString& path, const QMap<QString, QString>& query)
{
    if (path == QLatin1String("GetInfo"))
        return "MervexSrv\n" + DiscoveryText().toUtf8() + "\n\n";
    if (path == QLatin1String("GetRsc")) {
        const quint64 id = query.value(QStringLiteral("cs")).toULongLong();
        int divisor = query.value(QStringLiteral("is")).toInt();
        if (divisor <= 0)
            divisor = 1;
        double scale = 1.0 / divisor;
        if (query.contains(QStringLiteral("sc")))
            scale = query.value(QStringLiteral("sc")).toDouble();
        if (!(scale < 1))
            scale = 1;
        if (scale <= 0.125)
            scale = 0.125;
        const QByteArray body = m_images ? m_images->GetRscData(id, scale) : QByteArray();
        if (body.isEmpty()) {
            QLOG_DEBUG() << "Missing Rsc:" << id;
        }
        return body;
    }
    return QByteArray();
}

quint64 NetServer::NewSessionId() const
{
    for (;;) {
        const QUuid uuid = QUuid::createUuid();
        const quint64 id = quint64(uuid.data1) | (quint64(uuid.data2) << 32) | (quint64(uuid.data3) << 48);
        bool taken = false;
        for (const WebSocketUD* session : m_sessions)
            taken = taken || session->sessionId == id;
        if (!taken)
            return id;
    }
}

void NetServer::DoWebSocketHandshake(QTcpSocket* socket, const QString& path, const QMap<QString, QString>& query,
                                     const QMap<QString, QString>& headers)
{
    Q_UNUSED(path) // any path upgrades
    quint64 id = query.value(QStringLiteral("sid")).toULongLong();
    if (id == 0)
        id = NewSessionId();

    const QString key = headers.value(QStringLiteral("Sec-WebSocket-Key"));
    if (key.isEmpty()) {
        QLOG_DEBUG() << "Missing: Sec-WebSocket-Key";
        socket->close();
        return;
    }
    const QByteArray accept =
        QCryptographicHash::hash((key + QStringLiteral("258EAFA5-E914-47DA-95CA-C5AB0DC85B11")).toLatin1(),
                                 QCryptographicHash::Sha1)
            .toBase64();
    const bool deflate = headers.value(QStringLiteral("Sec-WebSocket-Extensions")).contains(QLatin1String("deflate-frame"));
    QByteArray reply = "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n";
    if (deflate)
        reply += "Sec-WebSocket-Extensions: deflate-frame\r\n";
    reply += "Sec-WebSocket-Accept: " + accept + "\r\n\r\n";

    UnwirePlainSocket(socket);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto* ws = new QWsSocket(socket, this, deflate ? 1 : 0);
    QLOG_DEBUG() << "New Session:" << id << ws;
    auto* session = new WebSocketUD(ws, id);
    m_sessions.append(session);
    WebSocketUD::Attach(ws, session);
    connect(ws, &QWsSocket::disconnected, this, &NetServer::OnWSSockDisconnected);
    connect(ws, qOverload<const QString&>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvS);
    connect(ws, qOverload<const QByteArray&>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvB);
    connect(ws, &QWsSocket::pong, this, &NetServer::OnWSSockPong);
    socket->write(reply);
    socket->flush();
}
