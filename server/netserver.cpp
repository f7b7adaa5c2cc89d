#include "server/netserver.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "server/netservices.h"
#include "server/qwssocket.h"
#include "server/websocketud.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
NetServer* g_netServer = nullptr;
}

NetServer::NetServer(QObject* parent)
    : QObject(parent), m_address(QHostAddress::AnyIPv4), m_udp(new QUdpSocket(this)), m_tcp(new QTcpServer(this)),
      m_timer(new QTimer(this)) {
    connect(m_tcp, &QTcpServer::newConnection, this, qOverload<>(&NetServer::OnNewConnection));
    connect(m_udp, &QUdpSocket::readyRead, this, &NetServer::OnNewDatagram);
    connect(m_timer, &QTimer::timeout, this, &NetServer::OnUpdate);
    g_netServer = this;
}

NetServer::~NetServer() {
    if (g_netServer == this)
        g_netServer = nullptr;
}

NetServer* NetServer::Global() {
    return g_netServer;
}

void NetServer::SetEndpoints(const QHostAddress& address, quint16 tcpPort, quint16 udpPort) {
    m_address = address;
    m_tcpPort = tcpPort;
    m_udpPort = udpPort;
}

quint16 NetServer::TcpPort() const {
    return m_tcp->isListening() ? m_tcp->serverPort() : m_tcpPort;
}

quint16 NetServer::UdpPort() const {
    return m_udp->state() == QAbstractSocket::BoundState ? m_udp->localPort() : m_udpPort;
}

bool NetServer::Open() {
    PROFILE_SCOPE("NetServer::Open");
    if (!m_tcp->isListening() && !m_tcp->listen(m_address, m_tcpPort)) {
        QLOG_DEBUG() << "Open Listen Socket failed!";
        emit OpenFail();
        return false;
    }
    if (m_udp->state() != QAbstractSocket::BoundState && !m_udp->bind(m_address, m_udpPort)) {
        QLOG_DEBUG() << "Open UDP Socket failed!";
        emit OpenFail();
        return false;
    }
    QLOG_DEBUG() << "Open Listen Socket:" << m_tcp->serverAddress().toString() << m_tcp->serverPort();
    m_timer->setInterval(100);
    m_timer->start();
    m_computerName = PAL::GetComputerName();
    m_machineId = PAL::GetMachineId();
    m_open = true;
    emit OpenSucc();
    return true;
}

void NetServer::Close() {
    PROFILE_SCOPE("NetServer::Close");
    m_open = false;
    m_tcp->close();
    m_timer->stop();
    CloseAll();
    m_udp->close();
    // The timer is stopped, yet sessions closed just now must still leave the list.
    QTimer::singleShot(100, this, &NetServer::OnUpdate);
    emit Closed();
}

void NetServer::CloseAll() {
    PROFILE_SCOPE("NetServer::CloseAll");
    const QList<WebSocketUD*> sessions = m_sessions;
    for (WebSocketUD* session : sessions) {
        if (session->socket)
            session->socket->close(QString());
    }
}

bool NetServer::IsDeviceConnected(const QString& deviceKey) const {
    for (const WebSocketUD* session : m_sessions) {
        if (session->t == deviceKey)
            return true;
    }
    return false;
}

void NetServer::DropSessions(const QString& deviceKey) {
    for (WebSocketUD* session : m_sessions) {
        if (session->t == deviceKey) {
            session->closed = true;
            // A dropped session serves nothing more, also while one of its handlers still runs.
            session->connected = false;
        }
    }
}

void NetServer::OnNewDatagram() {
    PROFILE_SCOPE("NetServer::OnNewDatagram");
    while (m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram();
        const QByteArray bytes = datagram.data();
        QLOG_DEBUG() << "UDP:" << datagram.senderAddress().toString() << datagram.senderPort() << bytes;
        const int nul = bytes.indexOf('\0');
        if (QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul)) != QLatin1String("RSP"))
            continue;
        const QByteArray answer = QStringLiteral("RCP %1").arg(HttpReply::InfoText(*this)).toUtf8();
        m_udp->writeDatagram(answer, datagram.senderAddress(), datagram.senderPort());
    }
}

void NetServer::OnNewConnection() {
    PROFILE_SCOPE("NetServer::OnNewConnection");
    while (m_tcp->hasPendingConnections()) {
        QTcpSocket* socket = m_tcp->nextPendingConnection();
        if (!socket)
            break;
        QLOG_DEBUG() << "NetServer::OnNewConnection:" << socket->peerName() << socket->peerAddress().toString();
        WirePlainSocket(socket);
        HttpRequestReader::Watch(socket); // a silent connection is closed too, not only a slow request
    }
}

void NetServer::OnNewConnection(QIODevice* device) {
    if (device)
        WirePlainSocket(device);
}

void NetServer::WirePlainSocket(QIODevice* device) {
    connect(device, &QIODevice::readyRead, this, &NetServer::OnSockReadyRead);
    connect(device, &QIODevice::bytesWritten, this, &NetServer::OnSockBytesWritten);
    if (auto* socket = qobject_cast<QAbstractSocket*>(device)) {
        connect(socket, &QAbstractSocket::stateChanged, this, &NetServer::OnSockStateChanged);
        connect(socket, &QAbstractSocket::errorOccurred, this, &NetServer::OnSockError);
        connect(socket, &QAbstractSocket::disconnected, this, &NetServer::OnSockDisconnected);
    }
    connect(device, &QObject::destroyed, this, [this, device]() { m_plain.removeOne(device); });
    m_plain.append(device);
    while (m_plain.size() > MaxPlainConnections) {
        QIODevice* oldest = m_plain.takeFirst();
        QLOG_DEBUG() << "NetServer::OnNewConnection: too many connections, closing the oldest";
        oldest->close();
        oldest->deleteLater();
    }
}

void NetServer::UnwirePlainSocket(QIODevice* device) {
    disconnect(device, nullptr, this, nullptr);
    m_plain.removeOne(device);
}

void NetServer::OnSockBytesWritten(qint64) {}

void NetServer::OnSockStateChanged(QAbstractSocket::SocketState) {}

void NetServer::OnSockError(QAbstractSocket::SocketError) {
    if (auto* device = qobject_cast<QIODevice*>(sender()))
        device->close();
}

void NetServer::OnSockDisconnected() {
    if (QObject* socket = sender())
        socket->deleteLater();
}

void NetServer::OnWSSockDisconnected() {
    auto* ws = qobject_cast<QWsSocket*>(sender());
    WebSocketUD* session = WebSocketUD::Of(ws);
    if (!session)
        return;
    session->closed = true;
    disconnect(ws, &QWsSocket::disconnected, this, &NetServer::OnWSSockDisconnected);
    disconnect(ws, qOverload<QString>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvS);
    disconnect(ws, qOverload<QByteArray>(&QWsSocket::frameReceived), this, &NetServer::OnWSSockRcvB);
    disconnect(ws, &QWsSocket::pong, this, &NetServer::OnWSSockPong);
    QLOG_DEBUG() << "NetServer::OnSockDisconnected: WebSocket: " << ws;
}

void NetServer::OnWSSockRcvB(const QByteArray& bytes) {
    WebSocketUD* session = WebSocketUD::Of(sender());
    if (!session)
        return;
    SessionInFlight inFlight(session);
    QLOG_DEBUG() << "NetServer::OnWSSockRcvB:" << bytes;
}

void NetServer::OnWSSockPong(quint64 ms) {
    if (WebSocketUD::Of(sender())) {
        QLOG_DEBUG() << "NetServer::OnWSSockPong:" << ms;
    }
}

void NetServer::OnUpdate() {
    PROFILE_SCOPE("NetServer::OnUpdate");
    // A control script may open a nested event loop during an update, and a tick inside it may change the
    // list: walk a copy, and keep the session being updated from removal meanwhile.
    const QList<WebSocketUD*> sessions = m_sessions;
    for (WebSocketUD* session : sessions) {
        if (!m_sessions.contains(session))
            continue;
        if (!session->closed) {
            SessionInFlight inFlight(session);
            UpdateSession(session);
        } else if (session->inFlight <= 0) {
            QLOG_DEBUG() << "NetServer::RemSession:" << session->sessionId;
            m_sessions.removeOne(session);
            if (session->socket)
                session->socket->deleteLater();
            else
                delete session;
        }
    }
}

void NetServer::ClientReset(quint64 sessionId) {
    if (sessionId == 0)
        return;
    for (WebSocketUD* session : m_sessions) {
        if (session->sessionId == sessionId) {
            session->ResetViews();
            return;
        }
    }
}
