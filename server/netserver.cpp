#include "server/netserver.h"

#include "config/datacfg.h"
#include "config/scriptmemory.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/pal/pal.h"
#include "server/earlysockets.h"
#include "server/netservices.h"
#include "server/qwssocket.h"
#include "server/websocketud.h"

#include <QDateTime>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <malloc.h>
#include <sys/socket.h>
#include <unistd.h>

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
    // The sockets opened at the program's start for these endpoints, with what waits in them.
    qintptr tcpFd = -1, udpFd = -1;
    if (!m_tcp->isListening() && m_udp->state() != QAbstractSocket::BoundState &&
        EarlySockets::Take(m_address, m_tcpPort, m_udpPort, tcpFd, udpFd)) {
        if (!m_tcp->setSocketDescriptor(tcpFd)) {
            QLOG_WARN() << "NetServer::Open: the listening socket opened at start cannot be taken over";
            ::close(int(tcpFd));
        }
        if (!m_udp->setSocketDescriptor(udpFd, QAbstractSocket::BoundState, QIODevice::ReadWrite)) {
            QLOG_WARN() << "NetServer::Open: the discovery socket opened at start cannot be taken over";
            ::close(int(udpFd));
        }
    }
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
    if (!m_sessions.isEmpty())
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
        // Anybody may send datagrams: their length only, and only a few lines a second.
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "UDP:" << datagram.senderAddress().toString() << datagram.senderPort() << bytes.size() << "bytes";
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
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "NetServer::OnNewConnection:" << socket->peerName() << socket->peerAddress().toString();
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
    connect(device, &QObject::destroyed, this, [this, device]() {
        m_plain.removeOne(device);
        m_served.remove(device);
    });
    m_plain.append(device);
    while (m_plain.size() > MaxPlainConnections) {
        QIODevice* victim = m_plain.at(EvictionCandidate());
        m_plain.removeOne(victim);
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "NetServer::OnNewConnection: too many connections, closing one that sent the least";
        victim->close();
        victim->deleteLater();
    }
}

int NetServer::Usefulness(QIODevice* device) const {
    if (m_served.contains(device))
        return 2;
    if (device->bytesAvailable() > 0 || device->property(kSentBytesProperty).toBool())
        return 1;
    // A request may wait in the system's buffer, not read yet: a phone's connection accepted in the same
    // burst as a flood of idle ones.
    if (auto* socket = qobject_cast<QAbstractSocket*>(device)) {
        const qintptr fd = socket->socketDescriptor();
        char byte;
        if (fd >= 0 && ::recv(int(fd), &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0)
            return 1;
    }
    return 0;
}

int NetServer::EvictionCandidate() const {
    // A flood must not push out the phone: the connections that have sent the least go first (nothing, then
    // part of a request, then those that were answered), the oldest first within each.
    int best = 0;
    int bestLevel = 3;
    for (int i = 0; i < m_plain.size() && bestLevel > 0; ++i) {
        const int level = Usefulness(m_plain.at(i));
        if (level < bestLevel) {
            best = i;
            bestLevel = level;
        }
    }
    return best;
}

void NetServer::UnwirePlainSocket(QIODevice* device) {
    disconnect(device, nullptr, this, nullptr);
    m_plain.removeOne(device);
    m_served.remove(device);
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
    if (PeerLogAllowed(session, QsLogging::DebugLevel))
        QLOG_DEBUG() << "NetServer::OnSockDisconnected: WebSocket: " << ws;
    if (session->pairingPending)
        AskNextPairing();
}

void NetServer::OnWSSockRcvB(const QByteArray& bytes) {
    WebSocketUD* session = WebSocketUD::Of(sender());
    if (!session)
        return;
    SessionInFlight inFlight(session);
    if (PeerLogAllowed(session, QsLogging::DebugLevel))
        QLOG_DEBUG() << "NetServer::OnWSSockRcvB:" << bytes.size() << "bytes";
}

bool NetServer::PeerLogAllowed(const WebSocketUD* session, int level) {
    if (session && session->connected)
        return GetLogger().GetLevel() <= level;
    return OutsiderLog::Allow(level);
}

void NetServer::OnWSSockPong(quint64 ms) {
    // Anybody may send pongs unasked.
    WebSocketUD* session = WebSocketUD::Of(sender());
    if (session && PeerLogAllowed(session, QsLogging::DebugLevel))
        QLOG_DEBUG() << "NetServer::OnWSSockPong:" << ms;
}

void NetServer::OnUpdate() {
    PROFILE_SCOPE("NetServer::OnUpdate");
    // A control script may open a nested event loop during an update, and a tick inside it may change the
    // list: walk a copy, and keep the session being updated from removal meanwhile.
    // A question of a phone that left closes before its session goes.
    if (m_pairAsked || !m_pairWaiting.isEmpty())
        AskNextPairing();
    const bool held = !m_tickClock.isValid() || m_tickClock.elapsed() > qMax(1000, m_heartbeatMs / 4);
    m_tickClock.start();
    if (held)
        m_heldUntil.start();
    const QList<WebSocketUD*> sessions = m_sessions;
    for (WebSocketUD* session : sessions) {
        if (!m_sessions.contains(session))
            continue;
        if (!session->closed) {
            if (CheckHeartbeat(session))
                continue;
            SessionInFlight inFlight(session);
            UpdateSession(session);
        } else if (session->inFlight <= 0) {
            if (PeerLogAllowed(session, QsLogging::DebugLevel))
                QLOG_DEBUG() << "NetServer::RemSession:" << session->sessionId;
            m_sessions.removeOne(session);
            if (session->socket)
                session->socket->deleteLater();
            else
                delete session;
        }
    }
    if (m_sessions.isEmpty() && m_timer->isActive()) {
        m_timer->stop();
        // The sessions just removed go with their sockets at the next turn of the event loop; their memory is
        // handed back a moment later.
        QTimer::singleShot(ReleaseDelayMs, this, &NetServer::ReleaseMemory);
    }
}

bool NetServer::CheckHeartbeat(WebSocketUD* session) {
    if (m_heartbeatMs <= 0 || !session->socket)
        return false;
    const qint64 silent = qMin(session->socket->msSinceHeard(), m_heldUntil.elapsed());
    if (silent < m_heartbeatMs / 2) {
        session->heartbeatPinged = false;
        return false;
    }
    if (silent < m_heartbeatMs) {
        if (!session->heartbeatPinged) {
            session->heartbeatPinged = true;
            session->socket->ping();
        }
        return false;
    }
    // Silent through a whole interval and the ping in it: a phone that is gone (out of range, asleep), or a
    // peer that holds a place without speaking. Either way its session and any pairing place it holds go.
    if (session->connected)
        QLOG_INFO() << "NetServer: the phone of session" << session->sessionId << "sent nothing for" << silent
                    << "ms, not even the answer to a ping; session closed";
    else if (OutsiderLog::Allow(QsLogging::InfoLevel))
        QLOG_INFO() << "NetServer: an unconnected session of" << session->host.toString() << "sent nothing for"
                    << silent << "ms; closed";
    session->closed = true;
    session->connected = false;
    session->socket->close();
    if (session->pairingPending)
        AskNextPairing();
    return true;
}

void NetServer::ReleaseMemory() {
    PROFILE_SCOPE("NetServer::ReleaseMemory");
    if (!m_sessions.isEmpty())
        return;
    // The last phone left: the script objects its views made are collected, and the memory its sessions used
    // (messages, views, socket buffers) goes back to the system instead of staying in the allocator's free
    // lists.
    if (DataCfg* cfg = DataCfg::Instance())
        CollectScriptGarbage(*cfg);
    malloc_trim(0);
    ++m_memoryReleases;
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
