// Plain connections: HTTP requests and the WebSocket upgrade that turns a connection into a session.

#include "server/netserver.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "server/netservices.h"
#include "server/qwssocket.h"
#include "server/websocketud.h"
#include "server/wshandshake.h"

#include <QTcpSocket>
#include <QTimer>

void NetServer::OnSockReadyRead() {
    PROFILE_SCOPE("NetServer::OnSockReadyRead");
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (!socket)
        return;
    socket->setProperty(kSentBytesProperty, true);
    m_serving = socket;
    HttpRequestReader::ServeSocket(socket, this);
    m_serving = nullptr;
}

QByteArray NetServer::HandleHttpGet(const QString& path, const QMap<QString, QString>& query) {
    if (m_serving)
        m_served.insert(m_serving);
    return HttpReply::HandleHttpGet(path, query, *this);
}

QString NetServer::OsName() const {
    return PAL::GetOSName();
}

QByteArray NetServer::GetRscData(quint64 id, double scale) const {
    return m_images ? m_images->GetRscData(id, scale) : QByteArray();
}

void NetServer::DoWebSocketHandshake(QTcpSocket* socket, const QString& path, const QMap<QString, QString>& query,
                                     const QMap<QString, QString>& headers, const QByteArray& pending) {
    PROFILE_SCOPE("NetServer::DoWebSocketHandshake");
    Q_UNUSED(path) // any path upgrades
    const quint64 id = WsHandshake::SessionId(query, [this](quint64 candidate) {
        for (const WebSocketUD* session : qAsConst(m_sessions)) {
            if (session->sessionId == candidate)
                return true;
        }
        return false;
    });
    UnwirePlainSocket(socket);
    QWsSocket* ws = WsHandshake::Accept(socket, headers, this, pending);
    if (!ws) {
        socket->deleteLater(); // refused: closed, and no longer wired to be deleted on disconnect
        return;
    }
    QLOG_OUTSIDER(QsLogging::DebugLevel) << "New Session:" << id << ws;
    auto* session = new WebSocketUD(ws, id);
    bool isIPv4 = false;
    const quint32 ipv4 = socket->peerAddress().toIPv4Address(&isIPv4);
    session->host = isIPv4 ? QHostAddress(ipv4) : socket->peerAddress();
    m_sessions.append(session);
    // The update timer runs only while there are sessions to update: an idle server does not wake.
    if (m_open && !m_timer->isActive())
        m_timer->start();
    DropExcessUnconnected();
    WebSocketUD::Attach(ws, session);
    connect(ws, &QWsSocket::disconnected, this, &NetServer::OnWSSockDisconnected);
    connect(ws, qOverload<QString>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvS);
    connect(ws, qOverload<QByteArray>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvB);
    connect(ws, &QWsSocket::pong, this, &NetServer::OnWSSockPong);
}

void NetServer::DropExcessUnconnected() {
    int waiting = 0;
    for (const WebSocketUD* session : qAsConst(m_sessions))
        waiting += !session->connected && !session->closed ? 1 : 0;
    for (WebSocketUD* session : qAsConst(m_sessions)) {
        if (waiting <= MaxUnconnectedSessions)
            break;
        // A session whose pairing question is open or queued stays: the user is looking at it, and the queue
        // holds only a few.
        if (session->connected || session->closed || session->pairingPending)
            continue;
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "NetServer::DoWebSocketHandshake: too many sessions waiting, closing" << session->sessionId;
        session->closed = true;
        --waiting;
        if (session->socket)
            session->socket->close();
    }
}
