#pragma once
// The phone server: UDP discovery, the TCP listener for HTTP requests and WebSocket upgrades, the phone
// sessions and their 100 ms update.

#include "server/httpreply.h"
#include "server/httprequestreader.h"
#include "server/lograte.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSet>
#include <QVariantMap>

class QIODevice;
class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;
class QWsSocket;
class WebSocketUD;
class INetView;
class INetGridView;
class INetPairing;
class INetGrids;
class INetImages;
class INetPrograms;

class NetServer : public QObject, public IHttpRequestHandler, public IHttpInfoSource {
    Q_OBJECT
public:
    static constexpr quint16 DefaultTcpPort = 32241;
    static constexpr quint16 DefaultUdpPort = 32242;
    // Connections that have not upgraded yet; beyond this the oldest is closed, so idle connections cannot
    // hold the server's memory or lock the phone out.
    static constexpr int MaxPlainConnections = 64;
    // Upgraded sessions that have not connected (paired) yet; beyond this the oldest is closed.
    static constexpr int MaxUnconnectedSessions = 64;
    // Sessions waiting for a pairing question behind the one shown; a Connect beyond them is refused. One host
    // holds at most one of these places (the question shown included).
    static constexpr int MaxPairingWaiting = 4;
    // A session is pinged when it has sent nothing for half of this, and closed when it has sent nothing for
    // all of it, not even the answer to that ping: a silent peer holds no pairing place and no session for
    // ever. A phone's WebSocket answers pings by itself, so an idle phone stays.
    static constexpr int DefaultHeartbeatMs = 10000;
    // Tab indices the phone may show (the tab bar holds at most 48 tabs).
    static constexpr int MaxTabs = 48;
    // After the last session left, its memory is handed back this much later (its sockets go first).
    static constexpr int ReleaseDelayMs = 500;

    explicit NetServer(QObject* parent = nullptr);
    ~NetServer() override;

    // The one server of the process (the pairing and host-control panels and grid scripts reach it here).
    static NetServer* Global();
    // The kind ("CM", "View", ...) and the arguments of one phone message; false when it is none.
    static bool DecodeMessage(const QString& text, QString& kind, QMap<QString, QString>& args);
    // The same through the URL parser, for any text (DecodeMessage takes it for all but plain messages).
    static bool DecodeUrlMessage(const QString& text, QString& kind, QMap<QString, QString>& args);

    // Where Open listens; port 0 takes a free port (tests). Defaults: the IPv4 any-address, 32241, 32242.
    void SetEndpoints(const QHostAddress& address, quint16 tcpPort, quint16 udpPort);
    quint16 TcpPort() const;
    // How often the memory of the sessions was handed back after the last one left.
    int MemoryReleases() const { return m_memoryReleases; }
    quint16 UdpPort() const;

    // The higher parts of the program; none set means no pairing, no tabs, no images.
    void SetPairing(INetPairing* pairing) { m_pairing = pairing; }
    void SetGrids(INetGrids* grids) { m_grids = grids; }
    void SetImages(INetImages* images) { m_images = images; }
    void SetPrograms(INetPrograms* programs) { m_programs = programs; }

    // The heartbeat interval (tests shorten it); 0 switches the silence check off.
    void SetHeartbeatMs(int ms) { m_heartbeatMs = ms; }
    int HeartbeatMs() const { return m_heartbeatMs; }

    bool Open();
    void Close();
    bool IsOpen() const { return m_open; }
    bool IsDeviceConnected(const QString& deviceKey) const;
    void DropSessions(const QString& deviceKey);

    const QList<WebSocketUD*>& Sessions() const { return m_sessions; }
    // The session whose pairing question is shown (0: none), and those waiting behind it.
    quint64 PairingAsked() const { return m_pairAsked; }
    int PairingWaiting() const { return m_pairWaiting.size(); }
    int PlainConnectionCount() const { return m_plain.size(); }

    // Message handling and the session update (public for the tests and the benchmarks).
    QByteArray HandleClientMessage(WebSocketUD* session, const QString& kind, const QMap<QString, QString>& args);
    bool CheckClientVersion(WebSocketUD* session) const;
    void UpdateSession(WebSocketUD* session);
    void TickViews(INetView* view);
    bool PushTabs(WebSocketUD* session);
    bool PushView(WebSocketUD* session, INetView* view, int index);
    QByteArray HandleHttpGet(const QString& path, const QMap<QString, QString>& query) override;

    // What the HTTP replies read: the values stored at Open, the system's name asked anew, image bytes.
    QString ComputerName() const override { return m_computerName; }
    QString OsName() const override;
    QString MachineId() const override { return m_machineId; }
    QByteArray GetRscData(quint64 id, double scale) const override;

signals:
    void OpenSucc();
    void OpenFail();
    void Closed();

public slots:
    void OnNewDatagram();
    void OnNewConnection();
    void OnNewConnection(QIODevice* device);
    void OnSockReadyRead();
    void OnSockBytesWritten(qint64 bytes);
    void OnSockStateChanged(QAbstractSocket::SocketState state);
    void OnSockError(QAbstractSocket::SocketError error);
    void OnSockDisconnected();
    void OnWSSockDisconnected();
    void OnWSSockRcvS(const QString& text);
    void OnWSSockRcvB(const QByteArray& bytes);
    void OnWSSockPong(quint64 ms);
    void OnUpdate();
    // Once no session is left: script garbage collected and free memory handed back to the system.
    void ReleaseMemory();
    void CloseAll();
    void ClientReset(quint64 sessionId);
    // The user's answer to the pairing question of a session; ignored when that question is no longer open.
    void AnswerPairing(quint64 ticket, bool yes);

private:
    void WirePlainSocket(QIODevice* device);
    void UnwirePlainSocket(QIODevice* device);
    void DoWebSocketHandshake(QTcpSocket* socket, const QString& path, const QMap<QString, QString>& query,
                              const QMap<QString, QString>& headers, const QByteArray& pending) override;
    // Closes the oldest sessions that never connected while more than MaxUnconnectedSessions wait.
    void DropExcessUnconnected();
    // Sends one message to the phone as a single frame (or, with maxPayload 0, the default frames).
    void SendToSession(WebSocketUD* session, const QByteArray& message, int maxPayload);
    // True while the session's connection still holds output the phone has not taken.
    bool HasBacklog(WebSocketUD* session) const;
    QByteArray HandleConnect(WebSocketUD* session, const QMap<QString, QString>& args);
    QByteArray ConnectReply(WebSocketUD* session, bool paired, bool pairPending);
    // Shows the next waiting question when none is open.
    void AskNextPairing();
    // Takes closed sessions out of the pairing queue; an open question of one is withdrawn.
    void ForgetClosedPairings();
    void CheckProgramStarts(WebSocketUD* session);
    // Pings a session silent for half the heartbeat interval and closes one silent for all of it; true when
    // it was closed.
    bool CheckHeartbeat(WebSocketUD* session);
    // Whether another session from the session's host holds a pairing place (asked or waiting).
    bool HostHoldsPairingPlace(const WebSocketUD* session) const;
    // Whether a line of this level that a session's peer caused may go to the log now: a connected phone's
    // always, anybody else's within the outsider limit (OutsiderLog).
    static bool PeerLogAllowed(const WebSocketUD* session, int level);
    // How much a plain connection has sent: 0 nothing, 1 part of a request, 2 a request that was answered.
    int Usefulness(QIODevice* device) const;
    // The index in m_plain of the connection to close when there are too many.
    int EvictionCandidate() const;
    static constexpr const char* kSentBytesProperty = "mervexSentBytes";

    QHostAddress m_address;
    quint16 m_tcpPort = DefaultTcpPort;
    quint16 m_udpPort = DefaultUdpPort;
    bool m_open = false;
    QString m_computerName;
    QString m_machineId;
    QUdpSocket* m_udp;
    QTcpServer* m_tcp;
    QTimer* m_timer;
    int m_memoryReleases = 0;
    int m_heartbeatMs = DefaultHeartbeatMs;
    // Time between ticks, and since the event loop was last held up (a long import, a busy script): a held
    // loop read nothing, so the silence before its end counts for no session.
    QElapsedTimer m_tickClock;
    QElapsedTimer m_heldUntil;
    QList<WebSocketUD*> m_sessions;
    QList<QIODevice*> m_plain; // accepted, not upgraded, oldest first

    // Plain connections that had a request answered, and the one being served now.
    QSet<QIODevice*> m_served;
    QIODevice* m_serving = nullptr;

    INetPairing* m_pairing = nullptr;
    quint64 m_pairAsked = 0;
    QList<quint64> m_pairWaiting;
    INetGrids* m_grids = nullptr;
    INetImages* m_images = nullptr;
    INetPrograms* m_programs = nullptr;
};
