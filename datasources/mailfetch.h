#pragma once
// A small mail client: reads the newest mails of one POP3 maildrop or IMAP INBOX over plain TCP, STARTTLS or
// TLS, without changing anything on the server. Each protocol is one line-driven state machine; a fetch reports
// LoginOk, then one Mail per mail read, then Finished, or Error at any point (which ends it).

#include <QAbstractSocket>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QStringList>
#include <QVariantMap>

class QSslSocket;
class QTimer;

class MailFetch : public QObject {
    Q_OBJECT
public:
    // Protocol states; both protocols share the numbers where the meaning is the same.
    enum State {
        StClosed = 0,
        StGreeting = 1,
        StStartTls = 3,
        StCapabilities = 4,
        StUser = 5,
        StPass = 6,
        StStat = 7,
        StTop = 8,
        StLogin = 9,
        StList = 10,
        StRetr = 11, // POP3: RETR; IMAP: SELECT sent, then fetching
        StFinished = 13,
        StIdle = 15,
    };

    explicit MailFetch(QObject* parent = nullptr);
    ~MailFetch() override;

    // Resets the client, then keeps the account. security: 0 none, 1 STLS/STARTTLS, 2 TLS from the start.
    // port -1: the protocol's default (110/995 POP3, 143/993 IMAP). server may carry ":port".
    void SetAccount(const QString& userName, const QString& password, const QString& server, bool imap, int security,
                    int port);
    // Starts one fetch of at most maximum mails (a running one is dropped).
    void DoFetch(int maximum);
    // Closes the connection and returns to idle, silently.
    void Reset();

    // A fetch that hears nothing from the server for this long fails as a broken connection (default 30 s).
    void SetIdleTimeout(int ms);

    int GetState() const { return m_state; }
    int GetTagCounter() const { return m_tagCounter; }

signals:
    void Error(QString message);
    void LoginOk();
    void Finished();
    void Mail(QVariantMap mail);

private slots:
    void OnSockRead();
    void OnSockConnected();
    void OnSockClosed();
    void OnSslErrors(const QList<QSslError>& errors);

private:
    void OnSockError(QAbstractSocket::SocketError error);
    void OnIdleTimeout();

private:
    void Fail(const QString& message);
    void SendLine(const QString& text);
    void ParseLinePOP3(const QString& line);
    void ParseLineIMAP(const QString& line);
    void ParseMail();
    void Pop3SendStep();
    void EndFetch();
    void CollectLine(const QString& line, bool header);
    void TakeLiteral();
    QString ImapTag() const;
    QString ProtocolName() const;

    QString m_userName;
    QString m_password;
    QString m_server;
    QString m_sslError; // why the server's certificate did not verify
    int m_protocol = 0; // 0 POP3, 1 IMAP
    int m_security = 1;
    int m_port = -1;
    int m_state = StIdle;
    int m_prevState = StIdle;
    QSslSocket* m_socket = nullptr;
    QStringList m_capabilities;
    QStringList m_headerLines;
    QStringList m_bodyLines;
    int m_collected = 0; // bytes held in the two line lists
    int m_count = 0;
    int m_next = 0;
    int m_maximum = 0;
    int m_tagCounter = 0;
    bool m_inHeader = false;
    bool m_inBody = false;
    bool m_busy = false; // a fetch is under way (connecting included)

    QByteArray m_buffer;       // received bytes not yet handled
    qint64 m_literalLeft = -1; // IMAP: bytes of the announced literal still to come; -1 outside a literal
    QByteArray m_literal;      // IMAP: the literal's bytes kept so far (bounded)
    quint64 m_generation = 0;  // bumped by every reset, so a handler notices that its fetch was dropped
    QTimer* m_idleTimer = nullptr;
};
