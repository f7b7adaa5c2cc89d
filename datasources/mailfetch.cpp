#include "datasources/mailfetch.h"

#include "datasources/maildecode.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/trustedroots.h"

#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

namespace {

// A reply line longer than this is refused: no mail client needs it, and it would grow without end.
constexpr int kMaxLineBytes = 64 * 1024;
// An IMAP literal announcing more than this is refused before anything is read or allocated for it.
constexpr qint64 kMaxLiteralBytes = 16 * 1024 * 1024;
// What is kept of one mail; the preview uses a few hundred characters of it.
constexpr int kMaxMailBytes = 64 * 1024;
constexpr int kDefaultIdleTimeoutMs = 30000;

// IMAP quoted string: user names and passwords may hold blanks, quotes and backslashes.
QString ImapQuoted(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0));
}

} // namespace

MailFetch::MailFetch(QObject* parent) : QObject(parent) {
    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    m_idleTimer->setInterval(kDefaultIdleTimeoutMs);
    connect(m_idleTimer, &QTimer::timeout, this, &MailFetch::OnIdleTimeout);
}

MailFetch::~MailFetch() {
    Reset();
}

void MailFetch::SetAccount(const QString& userName, const QString& password, const QString& server, bool imap,
                           int security, int port) {
    Reset();
    m_userName = userName;
    m_password = password;
    m_server = server;
    m_protocol = imap ? 1 : 0;
    m_security = security;
    m_port = port;
}

void MailFetch::SetIdleTimeout(int ms) {
    m_idleTimer->setInterval(ms);
}

void MailFetch::Reset() {
    ++m_generation;
    m_idleTimer->stop();
    m_busy = false;
    if (m_socket)
        m_socket->abort();
    m_state = StIdle;
    m_capabilities.clear();
    m_count = 0;
    m_buffer.clear();
    m_literal.clear();
    m_literalLeft = -1;
}

QString MailFetch::ProtocolName() const {
    return m_protocol == 1 ? QStringLiteral("IMAP") : QStringLiteral("POP3");
}

QString MailFetch::ImapTag() const {
    return QStringLiteral("a%1").arg(m_tagCounter);
}

void MailFetch::Fail(const QString& message) {
    QLOG_DEBUG() << QStringLiteral("MailFetch (%1) Error: %2").arg(ProtocolName(), message);
    const quint64 gen = m_generation;
    emit Error(message);
    if (gen == m_generation)
        Reset();
}

void MailFetch::SendLine(const QString& text) {
    if (!m_socket)
        return;
    QByteArray bytes = text.toUtf8();
    if (!bytes.endsWith("\r\n"))
        bytes.append("\r\n");
    m_socket->write(bytes);
}

void MailFetch::DoFetch(int maximum) {
    PROFILE_SCOPE("MailFetch::DoFetch");
    Reset();
    m_maximum = maximum;
    if (m_server.isEmpty()) {
        Fail(tr("missing server"));
        return;
    }
    // A line break in the account would let it smuggle protocol commands onto the connection.
    if (HasLineBreak(m_userName) || HasLineBreak(m_password)) {
        Fail(tr("invalid user name or password"));
        return;
    }
    if (!m_socket) {
        m_socket = new QSslSocket(this);
        m_socket->setReadBufferSize(kMaxLineBytes);
        connect(m_socket, &QSslSocket::readyRead, this, &MailFetch::OnSockRead);
        connect(m_socket, &QSslSocket::connected, this, &MailFetch::OnSockConnected);
        connect(m_socket, &QSslSocket::errorOccurred, this, &MailFetch::OnSockError);
        connect(m_socket, QOverload<const QList<QSslError>&>::of(&QSslSocket::sslErrors), this,
                &MailFetch::OnSslErrors);
        connect(m_socket, &QSslSocket::disconnected, this, &MailFetch::OnSockClosed);
    }
    m_sslError.clear();
    QSslConfiguration tls = m_socket->sslConfiguration();
    tls.setCaCertificates(TrustedRoots::All());
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    m_socket->setSslConfiguration(tls);
    const int colon = m_server.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        m_port = m_server.mid(colon + 1).toInt();
        m_server.truncate(colon);
    }
    if (m_port == -1) {
        if (m_protocol == 1)
            m_port = m_security == 2 ? 993 : 143;
        else
            m_port = m_security == 2 ? 995 : 110;
    }
    m_idleTimer->start();
    m_busy = true;
    if (m_security == 2)
        m_socket->connectToHostEncrypted(m_server, quint16(m_port), QIODevice::ReadWrite);
    else
        m_socket->connectToHost(m_server, quint16(m_port), QIODevice::ReadWrite);
}

void MailFetch::OnSockConnected() {
    m_state = StGreeting;
}

void MailFetch::OnSockClosed() {
    if (m_busy)
        m_state = StClosed;
}

void MailFetch::OnSslErrors(const QList<QSslError>& errors) {
    // A certificate that does not verify ends the connection: the account's password would go to whoever
    // answers. The reason is kept for the error the failed handshake reports next.
    QLOG_DEBUG() << "MailFetch::OnSslErrors:" << m_server << errors;
    m_sslError = errors.isEmpty() ? QString() : errors.first().errorString();
}

void MailFetch::OnSockError(QAbstractSocket::SocketError error) {
    if (!m_busy)
        return; // the connection was dropped on purpose
    QLOG_DEBUG() << "MailFetch::OnSockError()" << int(error);
    m_state = StClosed;
    if (error == QAbstractSocket::SslHandshakeFailedError) {
        const QString reason = m_sslError.isEmpty() ? m_socket->errorString() : m_sslError;
        Fail(tr("the certificate of %1 is not trusted: %2").arg(m_server, reason));
        return;
    }
    Fail(tr("connection to %1 failed").arg(m_server));
}

void MailFetch::OnIdleTimeout() {
    if (!m_busy)
        return;
    QLOG_DEBUG() << "MailFetch::OnIdleTimeout: no answer from" << m_server;
    Fail(tr("connection to %1 failed").arg(m_server));
}

void MailFetch::OnSockRead() {
    PROFILE_SCOPE("MailFetch::OnSockRead");
    if (!m_socket)
        return;
    const quint64 gen = m_generation;
    m_buffer.append(m_socket->readAll());
    if (!m_busy) {
        m_buffer.clear();
        return;
    }
    m_idleTimer->start();
    static const QRegularExpression literalEnd(QStringLiteral("\\{(\\d+)\\}$"));
    while (gen == m_generation) {
        if (m_literalLeft >= 0) {
            const int take = int(qMin<qint64>(m_literalLeft, m_buffer.size()));
            const int keep = qMin(take, qMax(0, kMaxMailBytes - m_literal.size()));
            m_literal.append(m_buffer.constData(), keep);
            m_buffer.remove(0, take);
            m_literalLeft -= take;
            if (m_literalLeft > 0)
                return;
            TakeLiteral();
            continue;
        }
        const int nl = m_buffer.indexOf('\n');
        if (nl < 0) {
            if (m_buffer.size() > kMaxLineBytes)
                Fail(tr("invalid reply from %1").arg(m_server));
            return;
        }
        QString line = QString::fromLatin1(m_buffer.constData(), nl);
        m_buffer.remove(0, nl + 1);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (m_protocol != 1) {
            ParseLinePOP3(line);
            continue;
        }
        const QRegularExpressionMatch m = literalEnd.match(line);
        if (!m.hasMatch()) {
            ParseLineIMAP(line);
            continue;
        }
        bool ok = false;
        const qint64 size = m.capturedRef(1).length() > 12 ? -1 : m.capturedRef(1).toLongLong(&ok);
        if (!ok || size > kMaxLiteralBytes) {
            Fail(tr("invalid reply from %1").arg(m_server));
            return;
        }
        // The line up to the literal steers the state machine; the literal itself is read by its byte count,
        // so mail text can never pass for a server response.
        ParseLineIMAP(line.left(m.capturedStart(0)));
        if (gen != m_generation)
            return;
        m_literal.clear();
        m_literalLeft = size;
    }
}

void MailFetch::TakeLiteral() {
    m_literalLeft = -1;
    const QByteArray data = m_literal;
    m_literal.clear();
    if (!(m_state == StRetr && m_prevState == StRetr))
        return;
    if (!m_inHeader && !m_inBody)
        return;
    QList<QByteArray> lines = data.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
        CollectLine(QString::fromLatin1(l), m_inHeader);
    }
}

void MailFetch::CollectLine(const QString& line, bool header) {
    // Only the start of a mail is shown; the rest is read past, not kept.
    if (m_collected > kMaxMailBytes)
        return;
    m_collected += line.size() + 1;
    (header ? m_headerLines : m_bodyLines).append(line);
}

void MailFetch::ParseMail() {
    const QVariantMap mail = DecodeMail(m_headerLines, m_bodyLines, m_next - 1, m_count);
    if (!mail.isEmpty())
        emit Mail(mail);
}

void MailFetch::EndFetch() {
    m_state = StFinished;
    const quint64 gen = m_generation;
    emit Finished();
    if (gen == m_generation)
        Reset();
}

void MailFetch::Pop3SendStep() {
    if (m_next > m_count) {
        EndFetch();
        return;
    }
    if (m_state == StTop)
        SendLine(QStringLiteral("TOP %1 4\r\n").arg(m_next));
    else
        SendLine(QStringLiteral("RETR %1 \r\n").arg(m_next));
    m_inHeader = true;
    m_headerLines.clear();
    m_bodyLines.clear();
    m_collected = 0;
    ++m_next;
}

void MailFetch::ParseLinePOP3(const QString& lineIn) {
    PROFILE_SCOPE("MailFetch::ParseLinePOP3");
    QString line = lineIn;
    const quint64 gen = m_generation;
    if (m_state == StCapabilities) {
        // A server without CAPA answers "-ERR": that is an empty capability list, not a failure.
        if (line.startsWith(QLatin1String("-ERR")) && m_capabilities.isEmpty())
            line = QStringLiteral(".");
        if (line != QLatin1String(".")) {
            m_capabilities.append(line);
            return;
        }
        if (m_security == 1) {
            if (!m_capabilities.contains(QStringLiteral("STLS"))) {
                Fail(tr("Server doesn't support STARTTLS security"));
                return;
            }
            SendLine(QStringLiteral("STLS \r\n"));
            m_state = StStartTls;
            return;
        }
    }
    if (m_state == StTop || m_state == StRetr) {
        if (line != QLatin1String(".")) {
            // Lines beginning with a dot come dot-stuffed.
            if (line.startsWith(QLatin1Char('.')))
                line.remove(0, 1);
            if (m_inHeader && line.isEmpty())
                m_inHeader = false;
            else
                CollectLine(line, m_inHeader);
            return;
        }
        ParseMail();
        if (gen != m_generation)
            return;
        m_headerLines.clear();
        m_bodyLines.clear();
        m_collected = 0;
    }
    if (!line.startsWith(QLatin1String("+OK")) && line != QLatin1String(".")) {
        Fail(line);
        return;
    }
    if (m_state == StStartTls) {
        m_socket->startClientEncryption();
        m_state = StCapabilities;
    }
    switch (m_state) {
    case StGreeting:
        SendLine(QStringLiteral("CAPA\r\n"));
        m_state = StCapabilities;
        break;
    case StCapabilities:
        SendLine(QStringLiteral("USER %1\r\n").arg(m_userName));
        m_state = StUser;
        break;
    case StUser:
        SendLine(QStringLiteral("PASS %1\r\n").arg(m_password));
        m_state = StPass;
        break;
    case StPass:
        emit LoginOk();
        if (gen != m_generation)
            return;
        SendLine(QStringLiteral("STAT \r\n"));
        m_state = StStat;
        break;
    case StStat: {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() < 3) {
            Fail(QStringLiteral("invalid STAT: ") + line);
            return;
        }
        m_count = parts.at(1).toInt();
        if (m_count < 1) {
            EndFetch();
            return;
        }
        m_next = qMax(1, m_count - m_maximum);
        m_state = m_capabilities.contains(QStringLiteral("TOP")) ? StTop : StRetr;
        Pop3SendStep();
        break;
    }
    case StTop:
    case StRetr:
        Pop3SendStep();
        break;
    default:
        break;
    }
}

void MailFetch::ParseLineIMAP(const QString& line) {
    PROFILE_SCOPE("MailFetch::ParseLineIMAP");
    const quint64 gen = m_generation;
    const QString tag = ImapTag();
    if (m_state == StGreeting && line.startsWith(QLatin1String("* OK"))) {
        SendLine(tag + QLatin1String(" CAPABILITY"));
        m_state = StCapabilities;
        return;
    }
    if (line.startsWith(QLatin1String("* ")) && line.endsWith(QLatin1String(" EXISTS"))) {
        // Only the answer to SELECT sets the range; a later EXISTS (new mail arriving) must not restart it.
        if (m_next != -1)
            return;
        const QStringList words = line.split(QLatin1Char(' '));
        m_count = words.size() >= 3 ? words.at(1).toInt() : 0;
        m_next = qMax(1, m_count - m_maximum + 1);
        return;
    }
    if (line.startsWith(QLatin1String("* CAPABILITY")))
        m_capabilities = line.mid(12).split(QLatin1Char(' '));
    if (line.startsWith(tag + QLatin1String(" BAD")) || line.startsWith(tag + QLatin1String(" NO"))) {
        Fail(line);
        return;
    }
    if (line.startsWith(tag + QLatin1String(" OK"))) {
        ++m_tagCounter;
        const QString next = ImapTag();
        m_prevState = m_state;
        switch (m_state) {
        case StStartTls:
            m_socket->startClientEncryption();
            SendLine(next + QLatin1String(" CAPABILITY"));
            m_state = StCapabilities;
            break;
        case StCapabilities:
            if (m_security != 1 || m_socket->isEncrypted()) {
                SendLine(QStringLiteral("%1 login %2 %3").arg(next, ImapQuoted(m_userName), ImapQuoted(m_password)));
                m_state = StLogin;
            } else if (!m_capabilities.contains(QStringLiteral("STARTTLS"))) {
                Fail(tr("Server doesn't support STARTTLS security"));
            } else {
                SendLine(next + QLatin1String(" STARTTLS"));
                m_state = StStartTls;
            }
            break;
        case StLogin:
            emit LoginOk();
            if (gen != m_generation)
                return;
            SendLine(next + QLatin1String(" list \"\" \"*\""));
            m_state = StList;
            break;
        case StList:
            SendLine(next + QLatin1String(" SELECT INBOX"));
            m_next = -1;
            m_inHeader = m_inBody = false;
            m_headerLines.clear();
            m_bodyLines.clear();
            m_collected = 0;
            m_state = StRetr;
            break;
        case StRetr:
            ParseMail();
            if (gen != m_generation)
                return;
            m_headerLines.clear();
            m_bodyLines.clear();
            m_collected = 0;
            m_inHeader = m_inBody = false;
            // A SELECT answer without EXISTS leaves nothing to read.
            if (m_count < m_next || m_next < 1) {
                EndFetch();
                return;
            }
            SendLine(QStringLiteral("%1 fetch %2 (BODY.PEEK[HEADER.FIELDS (DATE FROM TO SUBJECT Message-ID "
                                    "Content-Type Content-Transfer-Encoding)] BODY.PEEK[TEXT]<0.512>)")
                         .arg(next)
                         .arg(m_next));
            ++m_next;
            break;
        default:
            break;
        }
        return;
    }
    if (m_state == StRetr && m_prevState == StRetr) {
        // Inside a fetch answer the response text only says which literal comes next.
        if (line.contains(QLatin1String("BODY[HEADER.FIELDS"))) {
            m_inHeader = true;
            m_inBody = false;
        } else if (line.contains(QLatin1String("BODY[TEXT"))) {
            m_inHeader = false;
            m_inBody = true;
        }
    }
}
