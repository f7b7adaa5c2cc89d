// Phone sessions: decoding the phone's messages, Connect with its version gate and pairing, and the
// messages that reach the control views.

#include "server/netserver.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "server/netjson.h"
#include "server/netservices.h"
#include "server/qwssocket.h"
#include "server/websocketud.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

namespace {
int ArgInt(const QMap<QString, QString>& args, const QString& name) {
    return args.value(name).toInt();
}

bool PlainKindChar(ushort c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}
bool PlainArgChar(ushort c) {
    return PlainKindChar(c) || c == '.' || c == '~' || c == ',' || c == '=' || c == '&';
}
} // namespace

// Nearly every message is plain ("MM?id=3&type=up&x=10&y=4"): no escapes, nothing the URL parser would
// change. Those are split directly, exactly as the URL parser splits them; anything else takes the parser.
bool NetServer::DecodeMessage(const QString& text, QString& kind, QMap<QString, QString>& args) {
    const int question = text.indexOf(QLatin1Char('?'));
    const int kindEnd = question < 0 ? text.size() : question;
    const ushort* chars = text.utf16();
    bool plain = kindEnd > 0;
    for (int i = 0; plain && i < kindEnd; ++i)
        plain = PlainKindChar(chars[i]);
    for (int i = kindEnd + 1; plain && i < text.size(); ++i)
        plain = PlainArgChar(chars[i]);
    if (!plain)
        return DecodeUrlMessage(text, kind, args);

    kind = text.left(kindEnd);
    if (question < 0)
        return true;
    // Every item counts, an empty one too (as an empty key with an empty value), except the empty rest after a
    // last separator.
    for (int start = question + 1; start < text.size();) {
        int end = text.indexOf(QLatin1Char('&'), start);
        if (end < 0)
            end = text.size();
        const int equals = text.indexOf(QLatin1Char('='), start);
        if (equals < 0 || equals > end)
            args.insert(text.mid(start, end - start), QString());
        else
            args.insert(text.mid(start, equals - start), text.mid(equals + 1, end - equals - 1));
        start = end + 1;
    }
    return true;
}

// The phone encodes the whole text once more than a URL needs, so it is percent-decoded as a whole before
// the URL parser decodes the query items again.
bool NetServer::DecodeUrlMessage(const QString& text, QString& kind, QMap<QString, QString>& args) {
    const QByteArray decoded = QByteArray::fromPercentEncoding(text.toLatin1());
    const QUrl url(QString::fromUtf8(decoded), QUrl::TolerantMode);
    if (!url.isValid())
        return false;
    kind = url.path(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& item : items)
        args.insert(item.first, item.second);
    return true;
}

void NetServer::OnWSSockRcvS(const QString& text) {
    PROFILE_SCOPE("NetServer::OnWSSockRcvS");
    auto* ws = qobject_cast<QWsSocket*>(sender());
    WebSocketUD* session = WebSocketUD::Of(ws);
    if (!session)
        return;
    SessionInFlight inFlight(session);

    QString kind;
    QMap<QString, QString> args;
    const bool decoded = DecodeMessage(text, kind, args);
    // A message may carry a pairing key (Connect), typed text (ST) or a password: the log gets its kind and
    // length only, and from a session that is not connected only a few such lines a second.
    if (PeerLogAllowed(session, QsLogging::DebugLevel)) {
        if (!decoded)
            QLOG_DEBUG() << "NetServer::OnWSSockRcvS: not a message, ignored," << text.size() << "characters";
        else
            QLOG_TRACE() << "NetServer::OnWSSockRcvS:" << (kind.size() <= 16 ? kind : QStringLiteral("?")) << "id"
                         << ArgInt(args, QStringLiteral("id")) << "of" << text.size() << "characters";
    }
    if (!decoded)
        return;

    // A Connect answered later (after the pairing question) repeats the request in its reply.
    if (kind == QLatin1String("Connect") && !session->pairingPending)
        session->connectRequest = text.toLatin1();
    const QByteArray result = HandleClientMessage(session, kind, args);
    if (result.isEmpty())
        return;
    const QByteArray reply = text.toLatin1() + '\0' + result;
    SendToSession(session, reply, reply.size() + 32);
}

QByteArray NetServer::HandleClientMessage(WebSocketUD* session, const QString& kind,
                                          const QMap<QString, QString>& args) {
    PROFILE_SCOPE("NetServer::HandleClientMessage");
    // A dropped or disconnected session serves nothing, not even Connect.
    if (!session || session->closed)
        return QByteArray();
    if (kind == QLatin1String("Connect"))
        return HandleConnect(session, args);
    if (!session->connected)
        return QByteArray();

    if (kind == QLatin1String("View")) {
        if (ArgInt(args, QStringLiteral("r")) != 0)
            session->ResetViews();
        const int tab = ArgInt(args, QStringLiteral("t"));
        if (tab >= 0 && tab < MaxTabs) {
            session->viewIndex = tab;
            UpdateSession(session);
        }
        return QByteArray();
    }

    if (kind == QLatin1String("CM") || kind == QLatin1String("MM") || kind == QLatin1String("ST")) {
        const int id = ArgInt(args, QStringLiteral("id"));
        const QString text = args.value(kind == QLatin1String("CM") ? QStringLiteral("m") : QStringLiteral("t"));
        const int x = ArgInt(args, QStringLiteral("x"));
        const int y = ArgInt(args, QStringLiteral("y"));
        const QString type = args.value(QStringLiteral("type"));
        auto deliver = [&](INetView* view) {
            if (!view)
                return;
            const QList<INetCtrlView*> ctrls = view->CtrlViews();
            for (INetCtrlView* ctrl : ctrls) {
                if (kind == QLatin1String("CM"))
                    ctrl->OnClientMessage(id, text);
                else if (kind == QLatin1String("MM"))
                    ctrl->OnExtMouseEvent(type, x, y, id);
                else
                    ctrl->OnExtSetText(id, text);
            }
        };
        deliver(session->overlay);
        if (INetGridView* view = session->CurrentView()) {
            deliver(view);
            // The handlers above may have dropped the session (a script, a nested dialog).
            if (!session->closed && session->connected)
                UpdateSession(session);
        }
        return QByteArray();
    }

    if (kind == QLatin1String("log")) {
        QLOG_DEBUG() << "ClientLog:" << args.value(QStringLiteral("t"));
    }
    return QByteArray();
}

bool NetServer::CheckClientVersion(WebSocketUD* session) const {
    const QStringList parts = session->v.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return false;
    const int major = parts.at(0).toInt();
    const int minor = parts.at(1).left(1).toInt();
    if (major != 0)
        return false;
    return minor >= 4 && minor <= 5;
}

QByteArray NetServer::HandleConnect(WebSocketUD* session, const QMap<QString, QString>& args) {
    PROFILE_SCOPE("NetServer::HandleConnect");
    // The phone repeats Connect while the user has not answered; a second dialog must not open.
    if (session->pairingPending) {
        QLOG_OUTSIDER(QsLogging::DebugLevel)
            << "NetServer::HandleClientMessage: Connect ignored, pairing question open";
        return QByteArray();
    }
    session->n = args.value(QStringLiteral("n"));
    session->t = args.value(QStringLiteral("t"));
    session->d = args.value(QStringLiteral("d"));
    session->v = args.value(QStringLiteral("v"));
    // The session now names a device that has not been decided on: it serves nothing until the pairing
    // decision below grants it again. Otherwise a phone could stay connected under a key that was never
    // asked about (a failed version, or a pairing question still open), out of reach of DropSessions.
    session->connected = false;

    if (!CheckClientVersion(session)) {
        QVariantMap reply;
        reply.insert(QStringLiteral("error"), QStringLiteral("Invalid Version"));
        return NetJson::Compact(reply);
    }

    double hb = args.value(QStringLiteral("hb")).toDouble();
    if (!(hb > 0))
        hb = 5;
    session->hb = qBound(2.0, hb, 12.0);

    bool active = false;
    if (m_pairing && m_pairing->IsPaired(session->n, session->t, active)) {
        session->connected = active;
        return ConnectReply(session, true, false);
    }
    if (!m_pairing || !m_pairing->NeedsPairingConfirm(session->n, session->t, session->d))
        return ConnectReply(session, false, false);

    // The user is asked; the reply follows the answer. Beyond a few waiting phones, no more are queued: a
    // burst of Connects must not pile up questions nor hold sessions out of the session cap.
    ForgetClosedPairings();
    if (m_pairWaiting.size() >= MaxPairingWaiting + (m_pairAsked ? 1 : 0)) {
        QLOG_OUTSIDER(QsLogging::WarnLevel) << "NetServer::HandleConnect: too many pairing questions waiting, refused";
        return ConnectReply(session, false, false);
    }
    // One place per host: a neighbour with many sessions must not fill the queue in front of everybody else.
    if (HostHoldsPairingPlace(session)) {
        QLOG_OUTSIDER(QsLogging::WarnLevel) << "NetServer::HandleConnect: a pairing question of"
                                            << session->host.toString() << "is open or waiting already, refused";
        return ConnectReply(session, false, false);
    }
    const QByteArray pending = QByteArrayLiteral("PairPending") + '\0';
    SendToSession(session, pending, pending.size() + 32);
    session->pairingPending = true;
    m_pairWaiting.append(session->sessionId);
    AskNextPairing();
    return QByteArray();
}

QByteArray NetServer::ConnectReply(WebSocketUD* session, bool paired, bool pairPending) {
    QVariantMap reply;
    reply.insert(QStringLiteral("locale"), m_pairing ? m_pairing->LanguageCode() : QString());
    reply.insert(QStringLiteral("connected"), session->connected);
    if (!session->connected)
        reply.insert(QStringLiteral("error"), paired ? QStringLiteral("Not Active") : QStringLiteral("Not Paired"));
    if (pairPending)
        reply.insert(QStringLiteral("pairsucc"), true);
    return NetJson::Compact(reply);
}

void NetServer::AskNextPairing() {
    ForgetClosedPairings();
    if (m_pairAsked || m_pairWaiting.isEmpty() || !m_pairing)
        return;
    const quint64 ticket = m_pairWaiting.first();
    for (WebSocketUD* session : qAsConst(m_sessions)) {
        if (session->sessionId == ticket) {
            m_pairAsked = ticket;
            m_pairing->AskPairing(ticket, session->n, session->t, session->d);
            return;
        }
    }
}

bool NetServer::HostHoldsPairingPlace(const WebSocketUD* session) const {
    for (const WebSocketUD* other : qAsConst(m_sessions)) {
        if (other != session && !other->closed && other->pairingPending && other->host == session->host)
            return true;
    }
    return false;
}

void NetServer::ForgetClosedPairings() {
    for (int i = m_pairWaiting.size() - 1; i >= 0; --i) {
        const quint64 ticket = m_pairWaiting.at(i);
        bool live = false;
        for (const WebSocketUD* session : qAsConst(m_sessions))
            live = live || (session->sessionId == ticket && !session->closed);
        if (live)
            continue;
        m_pairWaiting.removeAt(i);
        if (ticket == m_pairAsked) {
            m_pairAsked = 0;
            QLOG_OUTSIDER(QsLogging::InfoLevel)
                << "NetServer: the phone left while its pairing question was open; question withdrawn";
            if (m_pairing)
                m_pairing->WithdrawPairing(ticket);
        }
    }
}

void NetServer::AnswerPairing(quint64 ticket, bool yes) {
    PROFILE_SCOPE("NetServer::AnswerPairing");
    ForgetClosedPairings();
    if (!ticket || ticket != m_pairAsked)
        return;
    m_pairAsked = 0;
    m_pairWaiting.removeOne(ticket);
    WebSocketUD* session = nullptr;
    for (WebSocketUD* s : qAsConst(m_sessions))
        session = s->sessionId == ticket ? s : session;
    if (session && !session->closed) {
        session->pairingPending = false;
        // Only a device whose session is still there is stored.
        const bool paired = yes && m_pairing && m_pairing->StorePairing(session->n, session->t, session->d);
        session->connected = paired;
        const QByteArray reply = session->connectRequest + '\0' + ConnectReply(session, paired, true);
        SendToSession(session, reply, reply.size() + 32);
    }
    // The next question waits for this one's popup to be gone.
    QTimer::singleShot(0, this, &NetServer::AskNextPairing);
}

void NetServer::SendToSession(WebSocketUD* session, const QByteArray& message, int maxPayload) {
    if (session->socket)
        session->socket->sendMessage(message, maxPayload);
}

bool NetServer::HasBacklog(WebSocketUD* session) const {
    const QTcpSocket* tcp = session->socket ? session->socket->tcpSocket() : nullptr;
    return tcp && tcp->bytesToWrite() > 0;
}
