#pragma once
// The framing layer of a phone session: speaks RFC 6455 frames over a TCP socket, optionally with
// the "deflate-frame" extension. Server messages go out as binary frames; the client's messages,
// pings, pongs and close come in through the frame reader.

#include "server/wsframeparser.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class QTcpSocket;

class QWsSocket : public QObject {
    Q_OBJECT
public:
    enum Extension { ExtDeflateFrame = 1 };
    static constexpr int DefaultMaxFramePayload = 1400;
    // Payloads shorter than this are never compressed.
    static constexpr int MinCompressSize = 32;
    // While more than this waits to be written, pings are not answered (a peer that never reads).
    static constexpr qint64 MaxPendingPongBytes = 1024 * 1024;

    // Takes the socket over (it becomes a child). `pending` holds bytes already read from the socket
    // that belong to the frame stream; they and anything left in the socket are read at the next turn
    // of the event loop, after the caller has connected its signals.
    explicit QWsSocket(QTcpSocket* socket, QObject* parent = nullptr, int extensions = 0,
                       const QByteArray& pending = QByteArray());
    ~QWsSocket() override;

    void attachTcpSocket(QTcpSocket* socket);
    void detachTcpSocket();
    QTcpSocket* tcpSocket() const { return m_socket; }
    int extensions() const { return m_extensions; }
    // Milliseconds since the peer's last whole frame (a message, a ping, a pong), or since the upgrade.
    qint64 msSinceHeard() const { return m_heard.elapsed(); }

    // Sends the message as binary frames of at most maxFramePayload bytes each (0 means 1400).
    qint64 sendMessage(const QByteArray& message, int maxFramePayload = 0);
    // size / max + 1 frames (an exact multiple ends with an empty final frame); each frame of 32 bytes
    // or more is deflated on its own when "deflate-frame" was agreed and that makes it smaller.
    QList<QByteArray> composeFrames(const QByteArray& message, bool binary, int maxFramePayload) const;
    static QByteArray composeHeader(bool fin, int opcode, quint64 length, const QByteArray& maskingKey = QByteArray(),
                                    bool rsv1 = false);
    // Queues the frames; everything queued in one turn of the event loop goes out in one write at the end of the
    // turn (or at once through flush()). Returns the bytes queued, 0 without a socket.
    qint64 writeFrames(const QList<QByteArray>& frames);
    // Hands what is queued to the socket and writes it out now.
    void flush();
    // Bytes queued here or still waiting in the socket.
    qint64 bytesToWrite() const;
    // Byte i is xor-ed with key byte i mod 4.
    static QByteArray mask(const QByteArray& payload, const QByteArray& key);

signals:
    void disconnected();
    void aboutToClose();
    void frameReceived(QString text);
    void frameReceived(QByteArray data);
    void pong(quint64 elapsedMs);

public slots:
    // Writes a close frame and closes the TCP connection; the reason is not sent.
    virtual void close(QString reason);
    void close();
    void ping();
    void dataReceived();
    void tcpSocketAboutToClose();
    void tcpSocketDisconnected();

private:
    // Reads and delivers what has arrived; false when the socket went with a handler or a close.
    bool readFrames();
    void writeControl(int opcode, const QByteArray& payload);
    void closeWithStatus(quint16 code);
    void queueOut(const QByteArray& bytes);

    QTcpSocket* m_socket = nullptr;
    WsFrameParser m_parser;
    QElapsedTimer m_pingClock;
    QElapsedTimer m_heard;
    int m_extensions = 0;
    // Counts the writes, to tell whether a read was answered.
    quint64 m_writes = 0;
    // Frames queued in this turn of the event loop, and whether their write is scheduled.
    QByteArray m_out;
    bool m_flushQueued = false;
};
