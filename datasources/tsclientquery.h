#pragma once
// A line-based client of the query interface that a running TeamSpeak 3 client program offers on the local
// machine. It follows the selected server connection, registers for its events, keeps a small model of the own
// client, the own channel and the clients seen, and turns the events into signals. Main thread only; driven by
// the socket and a 2000 ms timer that asks again which connection is selected.

#include <QAbstractSocket>
#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class QTcpSocket;
class QTimer;

class TSClientQuery : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 25639;
    static constexpr int kStatusIntervalMs = 2000;
    // A line longer than this is dropped whole: no legitimate answer comes near it, and the buffer must not
    // grow with whatever the peer sends.
    static constexpr int kMaxLineBytes = 1024 * 1024;
    // The clients remembered and the nicknames listed per list; a channel beyond this is shown in part.
    static constexpr int kMaxClients = 4096;
    // Commands are dropped while this much is still waiting to go out to a peer that does not read.
    static constexpr qint64 kMaxPendingWrite = 256 * 1024;

    explicit TSClientQuery(QObject* parent = nullptr);
    ~TSClientQuery() override;

    // The port on "localhost" that later connects use; kDefaultPort unless changed (tests run their own peer).
    static void SetPort(quint16 port);
    static quint16 Port();

    // Resets, creates the socket on first use, connects and restarts the status timer.
    void Connect();
    // Closes the socket; forgets the connection state, the own channel and the clients seen.
    void Reset();
    // Sends one command line (a line feed is added) while connected; otherwise nothing.
    void SendCmd(const QString& command);
    // Sends a chat message to a reply target ("ch," + channel id or "cl," + client id). Any other target,
    // or an id that is not a number, sends nothing. Answers whether a command was written.
    bool SendTextMessage(const QString& target, const QString& text);
    // True while the socket looks the host up or connects.
    bool IsConnecting() const;
    // The nickname of the own client; empty while it is not known.
    QString GetNick() const;

    QString ChannelPath() const { return m_channelPath; }
    QStringList ChannelClients() const { return m_channelClients; }
    QStringList Speakers() const { return m_speakers; }
    bool IsConnected() const { return m_connected; }
    QString HandlerId() const { return m_handlerId; }
    QString OwnClientId() const { return m_ownClientId; }
    QString OwnChannelId() const { return m_ownChannelId; }
    QMap<QString, QString> Clients() const { return m_clients; }

    // The query format's escapes: '\\', '/', ' ', '|', BEL, BS, FF, LF, CR, TAB and VT are written as a
    // backslash and a letter (or the character itself for '\\' and '/').
    static QString Escape(const QString& text);
    // The reverse; an unknown escape keeps its character, a lone trailing backslash stays.
    static QString Unescape(const QString& text);
    // The parameters of a line: every blank-separated part with '=' gives a key and its unescaped value; a
    // later key replaces an earlier one.
    static QHash<QString, QString> ParseParams(const QString& line);

signals:
    void Connected();
    void Disconnected();
    void ChatMsg(QString sender, QString message, QString target);
    void ClientEnter(QString nickname);
    void ClientLeave(QString nickname);
    void ClientSpeakStatus(QString nickname, bool talking);

public slots:
    void OnConnected();
    void OnDisconnected();
    void OnStateChanged(QAbstractSocket::SocketState state);
    void OnError(QAbstractSocket::SocketError error);
    void OnSockRead();
    // Asks which server connection is selected; its answer refreshes the own client, channel and clients.
    void UpdateStatus();

private:
    void ProcessLine(const QString& line);
    void ProcessConnectedLine(const QString& line);
    // The lines of a connected query, one kind each.
    void OnHandlerSelected(const QString& line);
    void OnTextMessage(const QString& line);
    void OnClientEnterView(const QString& line);
    void OnClientLeftView(const QString& line);
    void OnClientMoved(const QString& line);
    // "clid=..." lines: the client list (with nicknames) or our own client and channel (whoami).
    void OnClientIds(const QString& line);
    void OnTalkStatus(const QString& line);
    void ClearModel();
    void StoreClient(const QString& clid, const QString& nickname);
    void AddChannelClient(const QString& nickname);
    void SendEventRegistration(const char* command, const QString& handler);

    QString m_ownClientId;
    QString m_handlerId;
    QString m_ownChannelId;
    QString m_channelPath;
    QMap<QString, QString> m_clients;
    QStringList m_speakers;
    QStringList m_channelClients;
    QTimer* m_statusTimer = nullptr;
    QTcpSocket* m_socket = nullptr;
    bool m_connected = false;

    // Bytes of a line still waiting for its line feed, and whether the current line is being dropped as too long.
    QByteArray m_partial;
    bool m_discarding = false;
    // Counts resets, so a read loop notices that a signal's slot replaced the connection under it.
    quint64 m_generation = 0;
};
