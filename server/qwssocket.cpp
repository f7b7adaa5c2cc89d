#include "server/qwssocket.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "server/lograte.h"

#include <QPointer>
#include <QTcpSocket>
#include <QtEndian>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

QWsSocket::QWsSocket(QTcpSocket* socket, QObject* parent, int extensions, const QByteArray& pending)
    : QObject(parent), m_extensions(extensions) {
    m_heard.start();
    m_parser.setInflate(extensions & ExtDeflateFrame);
    attachTcpSocket(socket);
    if (!pending.isEmpty())
        m_parser.append(pending);
    if (m_socket && (!pending.isEmpty() || m_socket->bytesAvailable() > 0))
        QMetaObject::invokeMethod(this, "dataReceived", Qt::QueuedConnection);
}

QWsSocket::~QWsSocket() {
    QLOG_OUTSIDER(QsLogging::DebugLevel) << "QWsSocket::~QWsSocket()";
    detachTcpSocket();
}

void QWsSocket::attachTcpSocket(QTcpSocket* socket) {
    detachTcpSocket();
    m_socket = socket;
    if (!m_socket)
        return;
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &QWsSocket::dataReceived);
    connect(m_socket, &QTcpSocket::disconnected, this, &QWsSocket::tcpSocketDisconnected);
    connect(m_socket, &QTcpSocket::aboutToClose, this, &QWsSocket::tcpSocketAboutToClose);
}

void QWsSocket::detachTcpSocket() {
    if (!m_socket)
        return;
    // What is queued still goes out before the close; the write may find the peer gone and detach it already.
    flush();
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    disconnect(socket, &QTcpSocket::readyRead, this, &QWsSocket::dataReceived);
    disconnect(socket, &QTcpSocket::disconnected, this, &QWsSocket::tcpSocketDisconnected);
    disconnect(socket, &QTcpSocket::aboutToClose, this, &QWsSocket::tcpSocketAboutToClose);
    socket->close();
}

QByteArray QWsSocket::composeHeader(bool fin, int opcode, quint64 length, const QByteArray& maskingKey, bool rsv1) {
    QByteArray h;
    h.reserve(14);
    h.append(char((fin ? 0x80 : 0) | (rsv1 ? 0x40 : 0) | (opcode & 0x0F)));
    const char maskBit = maskingKey.size() == 4 ? char(0x80) : char(0);
    if (length < 126) {
        h.append(char(maskBit | char(length)));
    } else if (length <= 0xFFFF) {
        h.append(char(maskBit | 126));
        h.append(char(length >> 8));
        h.append(char(length));
    } else {
        h.append(char(maskBit | 127));
        for (int shift = 56; shift >= 0; shift -= 8)
            h.append(char(length >> shift));
    }
    if (maskBit)
        h.append(maskingKey);
    return h;
}

QByteArray QWsSocket::mask(const QByteArray& payload, const QByteArray& key) {
    QByteArray out = payload;
    if (key.size() < 4)
        return out;
    char* p = out.data();
    for (int i = 0; i < out.size(); ++i)
        p[i] = char(p[i] ^ key.at(i & 3));
    return out;
}

QList<QByteArray> QWsSocket::composeFrames(const QByteArray& message, bool binary, int maxFramePayload) const {
    const int max = maxFramePayload > 0 ? maxFramePayload : DefaultMaxFramePayload;
    const int count = message.size() / max + 1;
    QList<QByteArray> frames;
    frames.reserve(count);
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        QByteArray payload = message.mid(i * max, last ? -1 : max);
        bool rsv1 = false;
        if ((m_extensions & ExtDeflateFrame) && payload.size() >= MinCompressSize) {
            QByteArray z = DeflateRaw(payload, -1);
            // Drop the final empty block and then the sync-flush marker: the client adds the marker back.
            if (z.endsWith(QByteArray("\x03\x00", 2)))
                z.chop(2);
            if (z.endsWith(QByteArray("\x00\x00\xff\xff", 4)))
                z.chop(4);
            if (!z.isEmpty() && z.size() < payload.size()) {
                payload = z;
                rsv1 = true;
            }
        }
        const int opcode = i == 0 ? (binary ? 2 : 1) : 0;
        frames << composeHeader(last, opcode, quint64(payload.size()), QByteArray(), rsv1) + payload;
    }
    return frames;
}

qint64 QWsSocket::writeFrames(const QList<QByteArray>& frames) {
    if (!m_socket)
        return 0;
    if (!m_socket->isWritable())
        return 0;
    qint64 written = 0;
    ++m_writes;
    for (const QByteArray& frame : frames) {
        queueOut(frame);
        written += frame.size();
    }
    return written;
}

void QWsSocket::queueOut(const QByteArray& bytes) {
    m_out += bytes;
    if (m_flushQueued)
        return;
    // One write system call per turn of the event loop, however many messages and frames the turn produced.
    m_flushQueued = true;
    QMetaObject::invokeMethod(this, &QWsSocket::flush, Qt::QueuedConnection);
}

void QWsSocket::flush() {
    m_flushQueued = false;
    if (m_out.isEmpty())
        return;
    const QByteArray out = m_out;
    m_out.clear();
    if (!m_socket || !m_socket->isWritable())
        return;
    m_socket->write(out);
    if (m_socket)
        m_socket->flush();
}

qint64 QWsSocket::bytesToWrite() const {
    return m_out.size() + (m_socket ? m_socket->bytesToWrite() : 0);
}

qint64 QWsSocket::sendMessage(const QByteArray& message, int maxFramePayload) {
    return writeFrames(composeFrames(message, true, maxFramePayload > 0 ? maxFramePayload : DefaultMaxFramePayload));
}

void QWsSocket::writeControl(int opcode, const QByteArray& payload) {
    if (!m_socket)
        return;
    ++m_writes;
    queueOut(composeHeader(true, opcode, quint64(payload.size())) + payload);
}

void QWsSocket::close(QString reason) {
    Q_UNUSED(reason)
    if (!m_socket || !m_socket->isOpen())
        return;
    writeControl(8, QByteArray());
    // The write may find the peer gone, and the socket with it.
    flush();
    if (m_socket)
        m_socket->close();
}

void QWsSocket::close() {
    close(QString());
}

void QWsSocket::closeWithStatus(quint16 code) {
    if (!m_socket)
        return;
    QByteArray status(2, Qt::Uninitialized);
    qToBigEndian<quint16>(code, status.data());
    writeControl(8, status);
    flush();
    if (m_socket)
        m_socket->close();
}

void QWsSocket::ping() {
    m_pingClock.restart();
    writeControl(9, QByteArray());
}

void QWsSocket::dataReceived() {
    const quint64 writesBefore = m_writes;
    if (!readFrames() || !m_socket || m_writes != writesBefore)
        return;
    // What got no answer (a pong, a message that changed nothing) is acknowledged at once: a phone whose stack
    // holds a small message until the one before is acknowledged would otherwise wait out the delayed
    // acknowledgement (40 ms) before its next touch reached us. An answer carries the acknowledgement itself.
    const qintptr fd = m_socket->socketDescriptor();
    if (fd >= 0) {
        const int one = 1;
        ::setsockopt(int(fd), IPPROTO_TCP, TCP_QUICKACK, &one, sizeof one);
    }
}

bool QWsSocket::readFrames() {
    QPointer<QWsSocket> self(this);
    // A handler may close the socket: nothing more is delivered then.
    while (m_socket && m_socket->isOpen()) {
        WsEvent ev = m_parser.next();
        if (ev.kind != WsEvent::None && ev.kind != WsEvent::Error)
            m_heard.restart();
        switch (ev.kind) {
        case WsEvent::None: {
            if (m_parser.failed())
                return true;
            const qint64 n = qMin(qMin(m_socket->bytesAvailable(), WsFrameParser::ReadChunk), m_parser.room());
            if (n <= 0)
                return true;
            const QByteArray chunk = m_socket->read(n);
            if (chunk.isEmpty())
                return true;
            m_parser.append(chunk);
            break;
        }
        case WsEvent::Text:
            // One character per byte: the session layer turns the text back into bytes and decodes it.
            emit frameReceived(QString::fromLatin1(ev.data));
            if (!self)
                return false;
            break;
        case WsEvent::Binary:
            emit frameReceived(ev.data);
            if (!self)
                return false;
            break;
        case WsEvent::Ping:
            if (bytesToWrite() <= MaxPendingPongBytes)
                writeControl(10, ev.data);
            break;
        case WsEvent::Pong:
            emit pong(quint64(m_pingClock.isValid() ? m_pingClock.elapsed() : 0));
            if (!self)
                return false;
            break;
        case WsEvent::Close:
            QLOG_OUTSIDER(QsLogging::DebugLevel) << "QWsSocket::dataReceived: close" << ev.code;
            // Answer with the peer's status so it sees a clean closing handshake.
            if (ev.code == WsFrameParser::CloseNoStatus) {
                close();
            } else {
                closeWithStatus(ev.code);
            }
            return false;
        case WsEvent::Error:
            QLOG_OUTSIDER(QsLogging::WarnLevel)
                << "QWsSocket::dataReceived:" << ev.error << "- closing with" << ev.code;
            closeWithStatus(ev.code);
            return false;
        }
    }
    return true;
}

void QWsSocket::tcpSocketAboutToClose() {
    emit aboutToClose();
}

void QWsSocket::tcpSocketDisconnected() {
    detachTcpSocket();
    emit disconnected();
}
