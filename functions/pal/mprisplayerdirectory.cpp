#include "functions/pal/mprisplayerdirectory.h"

#include "foundation/logger/QsLog.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QThread>

namespace PAL_INT {

namespace {

const char kPrefix[] = "org.mpris.MediaPlayer2.";
const char kPath[] = "/org/mpris/MediaPlayer2";
const char kPlayer[] = "org.mpris.MediaPlayer2.Player";
const char kProperties[] = "org.freedesktop.DBus.Properties";
const char kBus[] = "org.freedesktop.DBus";
const char kBusPath[] = "/org/freedesktop/DBus";

bool IsPlayerName(const QString& name) {
    return name.startsWith(QLatin1String(kPrefix));
}

// Bus values as plain ones: variants unwrapped, maps and lists of texts demarshalled.
QVariant Plain(const QVariant& value) {
    if (value.userType() == qMetaTypeId<QDBusVariant>())
        return Plain(value.value<QDBusVariant>().variant());
    if (value.userType() != qMetaTypeId<QDBusArgument>())
        return value;
    const QDBusArgument argument = value.value<QDBusArgument>();
    switch (argument.currentType()) {
    case QDBusArgument::MapType: {
        QVariantMap map;
        argument >> map;
        for (auto it = map.begin(); it != map.end(); ++it)
            it.value() = Plain(it.value());
        return map;
    }
    case QDBusArgument::ArrayType: {
        QStringList list;
        argument >> list;
        return list;
    }
    default:
        return QVariant();
    }
}

QVariantMap PlainMap(const QVariant& value) {
    return Plain(value).toMap();
}

} // namespace

qint64 MprisPlayerState::PositionNowUs(qint64 nowMs) const {
    if (status != QLatin1String("Playing"))
        return positionUs;
    return positionUs + qint64(double(nowMs - positionAtMs) * 1000.0 * rate);
}

qint64 MprisPlayerDirectory::NowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}

MprisPlayerDirectory::MprisPlayerDirectory(const QDBusConnection& connection, int callTimeoutMs)
    : m_connection(connection), m_timeoutMs(callTimeoutMs) {
    if (!m_connection.isConnected()) {
        QLOG_WARN() << "MprisPlayerDirectory: no session bus (" << m_connection.lastError().message()
                    << "); media players cannot be reached";
        return;
    }
    // Players come and go: the bus announces every owner change of a name.
    m_connection.connect(QString::fromLatin1(kBus), QString::fromLatin1(kBusPath), QString::fromLatin1(kBus),
                         QStringLiteral("NameOwnerChanged"), this, SLOT(OnNameOwnerChanged(QString, QString, QString)));
    m_connection.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kProperties),
                         QStringLiteral("PropertiesChanged"), this, SLOT(OnPropertiesChanged(QDBusMessage)));
    m_connection.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kPlayer), QStringLiteral("Seeked"),
                         this, SLOT(OnSeeked(QDBusMessage)));

    // The players already there.
    Send(QDBusMessage::createMethodCall(QString::fromLatin1(kBus), QString::fromLatin1(kBusPath),
                                        QString::fromLatin1(kBus), QStringLiteral("ListNames")),
         [this](const QDBusMessage& reply) {
             for (const QString& name : reply.arguments().value(0).toStringList()) {
                 if (IsPlayerName(name))
                     Track(name, QString());
             }
         });
    Send(QDBusMessage::createMethodCall(QString::fromLatin1(kBus), QString::fromLatin1(kBusPath),
                                        QString::fromLatin1(kBus), QStringLiteral("ListActivatableNames")),
         [this](const QDBusMessage& reply) {
             QStringList names;
             for (const QString& name : reply.arguments().value(0).toStringList()) {
                 if (IsPlayerName(name))
                     names << name;
             }
             QMutexLocker lock(&m_mutex);
             m_activatable = names;
         });
}

bool MprisPlayerDirectory::IsConnected() const {
    return m_connection.isConnected();
}

QList<MprisPlayerState> MprisPlayerDirectory::Players() const {
    QMutexLocker lock(&m_mutex);
    return m_players.values();
}

bool MprisPlayerDirectory::Player(const QString& busName, MprisPlayerState* state) const {
    QMutexLocker lock(&m_mutex);
    auto it = m_players.constFind(busName);
    if (it == m_players.constEnd())
        return false;
    *state = it.value();
    return true;
}

QStringList MprisPlayerDirectory::Activatable() const {
    QMutexLocker lock(&m_mutex);
    return m_activatable;
}

void MprisPlayerDirectory::Send(const QDBusMessage& message, const std::function<void(const QDBusMessage&)>& onReply) {
    if (!m_connection.isConnected())
        return;
    // Answers are taken on the directory's thread; calls from other threads are handed over to it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, message, onReply] { Send(message, onReply); }, Qt::QueuedConnection);
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(message, m_timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, onReply, message](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusMessage reply = w->reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            ++m_failedCalls;
            QLOG_DEBUG() << "MprisPlayerDirectory:" << message.service() << message.member()
                         << "failed:" << reply.errorName() << reply.errorMessage();
            return;
        }
        if (onReply)
            onReply(reply);
    });
}

void MprisPlayerDirectory::Call(const QString& busName, const QString& method, const QVariantList& args) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(busName, QString::fromLatin1(kPath), QString::fromLatin1(kPlayer), method);
    call.setArguments(args);
    Send(call);
}

void MprisPlayerDirectory::SetVolume(const QString& busName, double volume) {
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_players.find(busName);
        if (it == m_players.end())
            return;
        it->volume = volume;
        it->hasVolume = true;
    }
    ++m_generation;
    QDBusMessage call = QDBusMessage::createMethodCall(busName, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("Set"));
    call << QString::fromLatin1(kPlayer) << QStringLiteral("Volume") << QVariant::fromValue(QDBusVariant(volume));
    Send(call);
}

void MprisPlayerDirectory::Activate(const QString& busName) {
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kBus), QString::fromLatin1(kBusPath),
                                                       QString::fromLatin1(kBus), QStringLiteral("StartServiceByName"));
    call << busName << quint32(0);
    Send(call);
}

int MprisPlayerDirectory::AddListener(const Listener& listener) {
    QMutexLocker lock(&m_mutex);
    const int id = m_nextListener++;
    m_listeners.insert(id, listener);
    return id;
}

void MprisPlayerDirectory::RemoveListener(int id) {
    QMutexLocker lock(&m_mutex);
    m_listeners.remove(id);
}

void MprisPlayerDirectory::Notify(const QString& busName, const QList<MediaPlayerEvent>& events) {
    if (events.isEmpty())
        return;
    QList<Listener> listeners;
    {
        QMutexLocker lock(&m_mutex);
        listeners = m_listeners.values();
    }
    for (MediaPlayerEvent event : events) {
        for (const Listener& listener : listeners)
            listener(busName, event);
    }
}

void MprisPlayerDirectory::Track(const QString& busName, const QString& owner) {
    {
        QMutexLocker lock(&m_mutex);
        MprisPlayerState& state = m_players[busName];
        state.busName = busName;
        if (!owner.isEmpty())
            state.owner = owner;
    }
    ++m_generation;
    if (owner.isEmpty()) {
        // Signals carry the owner's unique name, so it must be known to tell whose they are.
        QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kBus), QString::fromLatin1(kBusPath),
                                                           QString::fromLatin1(kBus), QStringLiteral("GetNameOwner"));
        call << busName;
        Send(call, [this, busName](const QDBusMessage& reply) {
            QMutexLocker lock(&m_mutex);
            auto it = m_players.find(busName);
            if (it != m_players.end())
                it->owner = reply.arguments().value(0).toString();
        });
    }
    AskAll(busName);
}

void MprisPlayerDirectory::AskAll(const QString& busName) {
    QDBusMessage call = QDBusMessage::createMethodCall(busName, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("GetAll"));
    call << QString::fromLatin1(kPlayer);
    Send(call, [this, busName](const QDBusMessage& reply) {
        const QVariantMap all = PlainMap(reply.arguments().value(0));
        QList<MediaPlayerEvent> events;
        {
            QMutexLocker lock(&m_mutex);
            auto it = m_players.find(busName);
            if (it == m_players.end())
                return;
            events = Apply(*it, all);
            it->answered = true;
        }
        ++m_generation;
        Notify(busName, events);
    });
}

void MprisPlayerDirectory::AskPosition(const QString& busName) {
    QDBusMessage call = QDBusMessage::createMethodCall(busName, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("Get"));
    call << QString::fromLatin1(kPlayer) << QStringLiteral("Position");
    Send(call, [this, busName](const QDBusMessage& reply) {
        const QVariant position = Plain(reply.arguments().value(0));
        QMutexLocker lock(&m_mutex);
        auto it = m_players.find(busName);
        if (it == m_players.end() || !position.isValid())
            return;
        it->positionUs = position.toLongLong();
        it->positionAtMs = NowMs();
    });
}

QList<MediaPlayerEvent> MprisPlayerDirectory::Apply(MprisPlayerState& state, const QVariantMap& changed) {
    QList<MediaPlayerEvent> events;
    const qint64 now = NowMs();
    bool askPosition = false;
    // The position moves on from where it was until now, then at the new rate or state.
    if (changed.contains(QStringLiteral("PlaybackStatus")) || changed.contains(QStringLiteral("Rate"))) {
        state.positionUs = state.PositionNowUs(now);
        state.positionAtMs = now;
    }
    if (changed.contains(QStringLiteral("PlaybackStatus"))) {
        state.status = changed.value(QStringLiteral("PlaybackStatus")).toString();
        events << (state.status == QLatin1String("Playing") ? MediaPlayerEvent::Play : MediaPlayerEvent::Stop);
        askPosition = true;
    }
    if (changed.contains(QStringLiteral("Rate")))
        state.rate = changed.value(QStringLiteral("Rate")).toDouble();
    if (changed.contains(QStringLiteral("Metadata"))) {
        state.metadata = changed.value(QStringLiteral("Metadata")).toMap();
        events << MediaPlayerEvent::TrackChanged;
        askPosition = true;
    }
    if (changed.contains(QStringLiteral("Volume"))) {
        state.hasVolume = true;
        state.volume = changed.value(QStringLiteral("Volume")).toDouble();
    }
    if (changed.contains(QStringLiteral("Position"))) {
        state.positionUs = changed.value(QStringLiteral("Position")).toLongLong();
        state.positionAtMs = now;
        askPosition = false;
    }
    // Players do not announce their position as it moves; it is asked for when the state or track changes.
    if (askPosition && state.answered)
        QMetaObject::invokeMethod(
            this, [this, name = state.busName] { AskPosition(name); }, Qt::QueuedConnection);
    return events;
}

QStringList MprisPlayerDirectory::NamesOfOwner(const QString& owner) const {
    QStringList names;
    QMutexLocker lock(&m_mutex);
    for (const MprisPlayerState& state : m_players) {
        if (!owner.isEmpty() && state.owner == owner)
            names << state.busName;
    }
    return names;
}

void MprisPlayerDirectory::OnNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner) {
    Q_UNUSED(oldOwner);
    if (!IsPlayerName(name))
        return;
    if (newOwner.isEmpty()) {
        bool known;
        {
            QMutexLocker lock(&m_mutex);
            known = m_players.remove(name) > 0;
        }
        ++m_generation;
        if (known)
            Notify(name, {MediaPlayerEvent::Quitting});
        return;
    }
    Track(name, newOwner);
}

void MprisPlayerDirectory::OnPropertiesChanged(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    if (args.value(0).toString() != QLatin1String(kPlayer))
        return;
    const QVariantMap changed = PlainMap(args.value(1));
    const QStringList invalidated = args.value(2).toStringList();
    for (const QString& name : NamesOfOwner(message.service())) {
        QList<MediaPlayerEvent> events;
        {
            QMutexLocker lock(&m_mutex);
            auto it = m_players.find(name);
            if (it == m_players.end())
                continue;
            events = Apply(*it, changed);
        }
        ++m_generation;
        // A player that only says that a value changed is asked for all of them again.
        if (!invalidated.isEmpty())
            AskAll(name);
        Notify(name, events);
    }
}

void MprisPlayerDirectory::OnSeeked(const QDBusMessage& message) {
    const qint64 position = message.arguments().value(0).toLongLong();
    for (const QString& name : NamesOfOwner(message.service())) {
        QMutexLocker lock(&m_mutex);
        auto it = m_players.find(name);
        if (it == m_players.end())
            continue;
        it->positionUs = position;
        it->positionAtMs = NowMs();
    }
    ++m_generation;
}

} // namespace PAL_INT
