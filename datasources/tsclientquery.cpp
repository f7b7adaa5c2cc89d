#include "datasources/tsclientquery.h"

#include "foundation/logger/QsLog.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

quint16& PortSetting() {
    static quint16 port = TSClientQuery::kDefaultPort;
    return port;
}

const char* const kEvents[] = {" event=notifytextmessage", " event=notifytalkstatuschange",
                               " event=notifycliententerview", " event=notifyclientleftview",
                               " event=notifyclientmoved"};

// Ids travel back into commands, so only plain numbers are accepted from the peer or from a reply target.
bool IsNumericId(const QString& id) {
    if (id.isEmpty() || id.size() > 20)
        return false;
    for (const QChar c : id) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString FirstWord(const QString& line) {
    const int blank = line.indexOf(QLatin1Char(' '));
    return blank < 0 ? line : line.left(blank);
}

} // namespace

TSClientQuery::TSClientQuery(QObject* parent) : QObject(parent) {}

TSClientQuery::~TSClientQuery() {
    // The socket goes with us; its last signals must not reach a half-destroyed client.
    if (m_socket) {
        const QSignalBlocker block(m_socket);
        m_socket->abort();
    }
}

void TSClientQuery::SetPort(quint16 port) {
    PortSetting() = port;
}

quint16 TSClientQuery::Port() {
    return PortSetting();
}

QString TSClientQuery::Escape(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '/':
            out += QLatin1String("\\/");
            break;
        case ' ':
            out += QLatin1String("\\s");
            break;
        case '|':
            out += QLatin1String("\\p");
            break;
        case '\a':
            out += QLatin1String("\\a");
            break;
        case '\b':
            out += QLatin1String("\\b");
            break;
        case '\f':
            out += QLatin1String("\\f");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\v':
            out += QLatin1String("\\v");
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

QString TSClientQuery::Unescape(const QString& text) {
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar e = text.at(++i);
        switch (e.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'p':
            out += QLatin1Char('|');
            break;
        case 'a':
            out += QLatin1Char('\a');
            break;
        case 'b':
            out += QLatin1Char('\b');
            break;
        case 'f':
            out += QLatin1Char('\f');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'v':
            out += QLatin1Char('\v');
            break;
        default:
            out += e;
            break; // "\\", "\/" and anything unknown: the character itself
        }
    }
    return out;
}

QHash<QString, QString> TSClientQuery::ParseParams(const QString& line) {
    QHash<QString, QString> params;
    const QStringList parts = line.split(QLatin1Char(' '));
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        params.insert(part.left(eq), Unescape(part.mid(eq + 1)));
    }
    return params;
}

void TSClientQuery::Connect() {
    Reset();
    if (!m_socket) {
        m_socket = new QTcpSocket(this);
        connect(m_socket, &QTcpSocket::connected, this, &TSClientQuery::OnConnected);
        connect(m_socket, &QTcpSocket::disconnected, this, &TSClientQuery::OnDisconnected);
        connect(m_socket, &QTcpSocket::stateChanged, this, &TSClientQuery::OnStateChanged);
        connect(m_socket, &QAbstractSocket::errorOccurred, this, &TSClientQuery::OnError);
        connect(m_socket, &QTcpSocket::readyRead, this, &TSClientQuery::OnSockRead);
        m_statusTimer = new QTimer(this);
        m_statusTimer->setInterval(kStatusIntervalMs);
        connect(m_statusTimer, &QTimer::timeout, this, &TSClientQuery::UpdateStatus);
    }
    m_partial.clear();
    m_discarding = false;
    m_socket->connectToHost(QStringLiteral("localhost"), Port(), QIODevice::ReadWrite);
    m_statusTimer->start();
}

void TSClientQuery::Reset() {
    ++m_generation;
    if (m_socket) {
        // Closing emits disconnected while connected; this reset is the caller's choice, not a lost link.
        const QSignalBlocker block(m_socket);
        m_socket->abort();
    }
    m_connected = false;
    // A new connection registers its events again even when it selects the same handler as the last one.
    m_handlerId.clear();
    ClearModel();
    m_partial.clear();
    m_discarding = false;
}

void TSClientQuery::ClearModel() {
    m_ownChannelId.clear();
    m_clients.clear();
    m_speakers.clear();
    m_channelClients.clear();
}

void TSClientQuery::SendCmd(const QString& command) {
    if (!m_connected || !m_socket)
        return;
    if (m_socket->bytesToWrite() > kMaxPendingWrite) {
        QLOG_DEBUG() << "TSClientQuery::SendCmd: peer does not read, command dropped:" << FirstWord(command);
        return;
    }
    QByteArray bytes = command.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes += '\n';
    m_socket->write(bytes);
}

bool TSClientQuery::SendTextMessage(const QString& target, const QString& text) {
    const QStringList parts = target.split(QLatin1Char(','));
    if (parts.size() < 2)
        return false;
    QString mode;
    if (parts.at(0) == QLatin1String("ch"))
        mode = QStringLiteral("2");
    else if (parts.at(0) == QLatin1String("cl"))
        mode = QStringLiteral("1");
    else
        return false;
    const QString id = parts.at(1);
    if (!IsNumericId(id)) {
        QLOG_DEBUG() << "TSClientQuery::SendTextMessage: bad target:" << target;
        return false;
    }
    if (!m_connected)
        return false;
    SendCmd(QStringLiteral("sendtextmessage targetmode=") + mode + QStringLiteral(" target=") + id +
            QStringLiteral(" msg=") + Escape(text));
    return true;
}

bool TSClientQuery::IsConnecting() const {
    if (!m_socket)
        return false;
    const QAbstractSocket::SocketState s = m_socket->state();
    return s == QAbstractSocket::HostLookupState || s == QAbstractSocket::ConnectingState;
}

QString TSClientQuery::GetNick() const {
    if (m_ownClientId.isEmpty())
        return QString();
    return m_clients.value(m_ownClientId);
}

void TSClientQuery::OnConnected() {}

void TSClientQuery::OnStateChanged(QAbstractSocket::SocketState) {}

void TSClientQuery::OnError(QAbstractSocket::SocketError) {}

void TSClientQuery::OnDisconnected() {
    ++m_generation;
    m_connected = false;
    m_handlerId.clear();
    ClearModel();
    m_partial.clear();
    m_discarding = false;
    emit Disconnected();
}

void TSClientQuery::UpdateStatus() {
    if (m_connected)
        SendCmd(QStringLiteral("use"));
}

void TSClientQuery::OnSockRead() {
    if (!m_socket)
        return;
    // Read in bounded chunks and cut lines ourselves, so one endless line costs at most kMaxLineBytes.
    char chunk[16384];
    const quint64 generation = m_generation;
    for (;;) {
        const qint64 n = m_socket->read(chunk, sizeof(chunk));
        if (n <= 0)
            break;
        const char* p = chunk;
        const char* end = chunk + n;
        while (p < end) {
            const char* nl = static_cast<const char*>(memchr(p, '\n', size_t(end - p)));
            const char* stop = nl ? nl : end;
            if (!m_discarding) {
                if (m_partial.size() + (stop - p) > kMaxLineBytes) {
                    QLOG_DEBUG() << "TSClientQuery::OnSockRead: line longer than" << kMaxLineBytes << "bytes dropped";
                    m_partial.clear();
                    m_discarding = true;
                } else {
                    m_partial.append(p, int(stop - p));
                }
            }
            if (!nl)
                break;
            p = nl + 1;
            if (m_discarding) {
                m_discarding = false;
                continue;
            }
            QByteArray line;
            line.swap(m_partial);
            if (line.startsWith('\r'))
                line.remove(0, 1);
            ProcessLine(QString::fromUtf8(line));
            // A slot connected to a signal of the line may have reset or reconnected us: the rest belongs to
            // the old connection.
            if (generation != m_generation)
                return;
        }
    }
}

void TSClientQuery::ProcessLine(const QString& line) {
    if (!m_connected) {
        if (line.contains(QLatin1String("TeamSpeak")) && line.contains(QLatin1String("ClientQuery"))) {
            m_connected = true;
            emit Connected();
        }
        return;
    }
    ProcessConnectedLine(line);
}

void TSClientQuery::StoreClient(const QString& clid, const QString& nickname) {
    if (!m_clients.contains(clid) && m_clients.size() >= kMaxClients)
        return;
    m_clients.insert(clid, nickname);
}

void TSClientQuery::AddChannelClient(const QString& nickname) {
    if (!m_channelClients.contains(nickname) && m_channelClients.size() < kMaxClients)
        m_channelClients.append(nickname);
}

void TSClientQuery::SendEventRegistration(const char* command, const QString& handler) {
    for (const char* event : kEvents)
        SendCmd(QLatin1String(command) + QStringLiteral(" schandlerid=") + handler + QLatin1String(event));
}

void TSClientQuery::ProcessConnectedLine(const QString& line) {
    const QString first = FirstWord(line);
    if (line.startsWith(QLatin1String("selected schandlerid=")))
        OnHandlerSelected(line);
    else if (first == QLatin1String("notifytextmessage"))
        OnTextMessage(line);
    else if (first == QLatin1String("notifycliententerview"))
        OnClientEnterView(line);
    else if (first == QLatin1String("notifyclientleftview"))
        OnClientLeftView(line);
    else if (first == QLatin1String("notifyclientmoved"))
        OnClientMoved(line);
    else if (first.startsWith(QLatin1String("path=")))
        m_channelPath = ParseParams(line).value(QStringLiteral("path"));
    else if (first.startsWith(QLatin1String("clid=")))
        OnClientIds(line);
    else if (first == QLatin1String("notifytalkstatuschange"))
        OnTalkStatus(line);
    // Error status lines and answers we did not ask for are of no interest.
}

void TSClientQuery::OnHandlerSelected(const QString& line) {
    const QString id = ParseParams(line).value(QStringLiteral("schandlerid"));
    if (!IsNumericId(id)) {
        QLOG_DEBUG() << "TSClientQuery::ProcessLine: bad handler id:" << id.left(64);
        return;
    }
    if (id == m_handlerId) {
        SendCmd(QStringLiteral("whoami"));
        return;
    }
    if (!m_handlerId.isEmpty())
        SendEventRegistration("clientnotifyunregister", m_handlerId);
    m_handlerId = id;
    SendEventRegistration("clientnotifyregister", id);
    ClearModel();
    SendCmd(QStringLiteral("whoami"));
}

void TSClientQuery::OnTextMessage(const QString& line) {
    const QHash<QString, QString> p = ParseParams(line);
    const QString msg = p.value(QStringLiteral("msg"));
    const QString invokerName = p.value(QStringLiteral("invokername"));
    const QString invokerId = p.value(QStringLiteral("invokerid"));
    const QString targetMode = p.value(QStringLiteral("targetmode"));
    StoreClient(invokerId, invokerName);
    QString target;
    if (targetMode == QLatin1String("2"))
        target = QStringLiteral("ch,") + m_ownChannelId;
    else if (targetMode == QLatin1String("1"))
        target = QStringLiteral("cl,") + (invokerId == m_ownClientId ? p.value(QStringLiteral("target")) : invokerId);
    emit ChatMsg(invokerName, msg, target);
}

void TSClientQuery::OnClientEnterView(const QString& line) {
    const QHash<QString, QString> p = ParseParams(line);
    const QString nickname = p.value(QStringLiteral("client_nickname"));
    StoreClient(p.value(QStringLiteral("clid")), nickname);
    if (p.value(QStringLiteral("ctid")) == m_ownChannelId) {
        AddChannelClient(nickname);
        emit ClientEnter(nickname);
    }
}

void TSClientQuery::OnClientLeftView(const QString& line) {
    const QHash<QString, QString> p = ParseParams(line);
    const QString clid = p.value(QStringLiteral("clid"));
    const auto it = m_clients.constFind(clid);
    if (it != m_clients.constEnd()) {
        const QString nickname = it.value();
        m_channelClients.removeAll(nickname);
        if (p.value(QStringLiteral("cfid")) == m_ownChannelId)
            emit ClientLeave(nickname);
    }
}

void TSClientQuery::OnClientMoved(const QString& line) {
    const QHash<QString, QString> p = ParseParams(line);
    const QString clid = p.value(QStringLiteral("clid"));
    const auto it = m_clients.constFind(clid);
    if (p.value(QStringLiteral("ctid")) != m_ownChannelId) {
        if (it != m_clients.constEnd()) {
            const QString nickname = it.value();
            m_channelClients.removeAll(nickname);
            emit ClientLeave(nickname);
        }
    } else if (it == m_clients.constEnd()) {
        SendCmd(QStringLiteral("clientlist"));
    } else {
        const QString nickname = it.value();
        AddChannelClient(nickname);
        emit ClientEnter(nickname);
    }
}

void TSClientQuery::OnClientIds(const QString& line) {
    if (line.contains(QLatin1String("client_nickname"))) {
        m_clients.clear();
        m_channelClients.clear();
        const QStringList entries = line.split(QLatin1Char('|'));
        for (const QString& entry : entries) {
            const QHash<QString, QString> p = ParseParams(entry);
            const QString clid = p.value(QStringLiteral("clid"));
            const QString nickname = p.value(QStringLiteral("client_nickname"));
            if (clid.isEmpty() || nickname.isEmpty())
                continue;
            StoreClient(clid, nickname);
            if (p.value(QStringLiteral("cid")) == m_ownChannelId)
                AddChannelClient(nickname);
        }
    } else {
        const QHash<QString, QString> p = ParseParams(line);
        m_ownClientId = p.value(QStringLiteral("clid"));
        const QString cid = p.value(QStringLiteral("cid"));
        if (cid != m_ownChannelId) {
            m_clients.clear();
            m_channelClients.clear();
            SendCmd(QStringLiteral("channelconnectinfo"));
        }
        SendCmd(QStringLiteral("clientlist"));
        m_ownChannelId = cid;
    }
}

void TSClientQuery::OnTalkStatus(const QString& line) {
    const QHash<QString, QString> p = ParseParams(line);
    bool ok = false;
    const bool talking = p.value(QStringLiteral("status")).toInt(&ok) != 0 && ok;
    const auto it = m_clients.constFind(p.value(QStringLiteral("clid")));
    if (it == m_clients.constEnd())
        return;
    const QString nickname = it.value();
    if (talking) {
        if (m_speakers.size() < kMaxClients)
            m_speakers.append(nickname);
    } else {
        m_speakers.removeOne(nickname);
    }
    emit ClientSpeakStatus(nickname, talking);
}
