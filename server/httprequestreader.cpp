#include "server/httprequestreader.h"

#include "foundation/logger/QsLog.h"
#include "server/httpreply.h"
#include "server/lograte.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {
int g_idleTimeoutMs = 30000;

// Body bytes are dropped in chunks of this size.
constexpr qint64 SkipChunk = 65536;

qint64 ContentLength(const QStringList& lines) {
    // Looked up on its own, case-insensitively: the header map keeps only exact names.
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0 || line.left(colon).trimmed().compare(QLatin1String("Content-Length"), Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const qint64 n = line.mid(colon + 1).trimmed().toLongLong(&ok);
        return ok && n > 0 ? n : 0;
    }
    return 0;
}
} // namespace

HttpRequestReader::HttpRequestReader(QObject* parent) : QObject(parent) {}

int HttpRequestReader::IdleTimeoutMs() {
    return g_idleTimeoutMs;
}

void HttpRequestReader::SetIdleTimeoutMs(int ms) {
    g_idleTimeoutMs = ms;
}

HttpRequestReader* HttpRequestReader::Watch(QTcpSocket* socket) {
    if (!socket)
        return nullptr;
    auto* reader = socket->findChild<HttpRequestReader*>(QString(), Qt::FindDirectChildrenOnly);
    if (reader)
        return reader;
    reader = new HttpRequestReader(socket);
    reader->m_socket = socket;
    reader->m_idle = new QTimer(reader);
    reader->m_idle->setSingleShot(true);
    connect(reader->m_idle, &QTimer::timeout, reader, [reader] {
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "NetServer::OnSockReadyRead: no complete request within" << g_idleTimeoutMs << "ms, closing"
            << reader->m_socket->peerAddress().toString();
        reader->m_socket->close();
    });
    reader->restartIdle();
    return reader;
}

void HttpRequestReader::restartIdle() {
    if (m_idle)
        m_idle->start(g_idleTimeoutMs);
}

qint64 HttpRequestReader::Room() const {
    if (m_skip > 0)
        return qMax<qint64>(1, qMin(m_skip, SkipChunk) - m_buf.size());
    return qMax(0, MaxHeaderBytes - m_buf.size());
}

void HttpRequestReader::Append(const QByteArray& data) {
    m_buf.append(data);
}

HttpRequestReader::Status HttpRequestReader::Next(HttpRequest* request) {
    if (m_failed)
        return NeedMore;
    if (m_skip > 0) {
        const int n = int(qMin<qint64>(m_skip, m_buf.size()));
        m_buf.remove(0, n);
        m_skip -= n;
        if (m_skip > 0)
            return NeedMore;
    }
    for (;;) {
        const int eol = m_buf.indexOf('\n', m_scanned);
        if (eol < 0 || eol >= MaxHeaderBytes) {
            if (m_buf.size() >= MaxHeaderBytes || eol >= MaxHeaderBytes) {
                m_failed = true;
                return TooLong;
            }
            return NeedMore;
        }
        int end = eol;
        if (end > m_scanned && m_buf.at(end - 1) == '\r')
            --end;
        const QString line = QString::fromLatin1(m_buf.constData() + m_scanned, end - m_scanned);
        m_scanned = eol + 1;
        if (!line.isEmpty()) {
            m_lines << line;
            continue;
        }
        // A blank line: the end of the header block, or one before a request line. Keep-alive clients
        // send those between requests; they are dropped, but only so many in a row.
        m_buf.remove(0, m_scanned);
        if (m_lines.isEmpty()) {
            m_blankBytes += m_scanned;
            m_scanned = 0;
            if (m_blankBytes > MaxHeaderBytes) {
                m_failed = true;
                return Empty;
            }
            continue;
        }
        m_scanned = 0;
        m_blankBytes = 0;
        const QStringList lines = m_lines;
        m_lines.clear();
        *request = HttpRequest();
        request->lines = lines;
        const Status st = ParseLines(lines, request);
        if (st != Ready) {
            m_failed = true;
            return st;
        }
        m_skip = ContentLength(lines);
        return Ready;
    }
}

HttpRequestReader::Status HttpRequestReader::ReadFrom(QIODevice* device, HttpRequest* request) {
    for (;;) {
        const Status st = Next(request);
        if (st != NeedMore || m_failed)
            return st;
        const qint64 avail = device->bytesAvailable();
        const qint64 room = Room();
        if (avail <= 0 || room <= 0)
            return NeedMore;
        const QByteArray chunk = device->read(qMin(avail, room));
        if (chunk.isEmpty())
            return NeedMore;
        Append(chunk);
    }
}

QByteArray HttpRequestReader::TakeBuffered() {
    QByteArray rest = m_buf;
    m_buf.clear();
    m_scanned = 0;
    m_lines.clear();
    m_skip = 0;
    m_blankBytes = 0;
    return rest;
}

HttpRequestReader::Status HttpRequestReader::ParseLines(const QStringList& lines, HttpRequest* request) {
    for (const QString& line : lines) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            continue;
        const int colon = parts.first().lastIndexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString name = parts.first().left(colon).trimmed();
        request->headers.insert(name, parts.size() > 1 ? parts.at(1).trimmed() : QString());
    }
    const QStringList words =
        lines.isEmpty() ? QStringList() : lines.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2)
        return InvalidHeader;
    request->method = words.at(0).toUpper();
    request->target = words.at(1);
    const QUrl url(request->target, QUrl::TolerantMode);
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& item : items)
        request->query.insert(item.first, item.second);
    request->path = url.path();
    if (request->path.startsWith(QLatin1Char('/')))
        request->path.remove(0, 1);
    return Ready;
}

void HttpRequestReader::ServeSocket(QTcpSocket* socket, IHttpRequestHandler* handler) {
    if (!socket || !handler)
        return;
    HttpRequestReader* reader = Watch(socket);
    QPointer<QTcpSocket> guard(socket);
    while (guard && socket->isOpen()) {
        HttpRequest req;
        const Status st = reader->ReadFrom(socket, &req);
        switch (st) {
        case NeedMore:
            return;
        case Empty:
            QLOG_OUTSIDER(QsLogging::ErrorLevel)
                << "NetServer::OnSockReadyRead: empty!" << socket->peerName() << socket->peerAddress().toString();
            socket->close();
            return;
        case InvalidHeader:
            QLOG_OUTSIDER(QsLogging::ErrorLevel) << "NetServer::OnSockReadyRead: inv_header:" << socket->peerName()
                                                 << socket->peerAddress().toString() << req.lines;
            socket->close();
            return;
        case TooLong:
            QLOG_OUTSIDER(QsLogging::ErrorLevel) << "NetServer::OnSockReadyRead: request header longer than"
                                                 << MaxHeaderBytes << "bytes:" << socket->peerAddress().toString();
            socket->close();
            return;
        case Ready:
            reader->restartIdle();
            break;
        }
        if (req.headers.value(QStringLiteral("Upgrade")) == QLatin1String("websocket")) {
            const QByteArray pending = reader->TakeBuffered();
            delete reader;
            handler->DoWebSocketHandshake(socket, req.path, req.query, req.headers, pending);
            return;
        }
        if (socket->bytesToWrite() > MaxPendingReplyBytes) {
            QLOG_OUTSIDER(QsLogging::WarnLevel)
                << "NetServer::OnSockReadyRead: replies not read by" << socket->peerAddress().toString() << "- closing";
            socket->abort();
            return;
        }
        const QByteArray body = handler->HandleHttpGet(req.path, req.query);
        if (!guard)
            return;
        HttpReply::WriteHttpResponse(socket, body);
        QLOG_OUTSIDER(QsLogging::DebugLevel) << req.method << req.target << body.size();
    }
}
