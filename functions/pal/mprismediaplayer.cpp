#include "functions/pal/mprismediaplayer.h"

#include "foundation/logger/QsLog.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <cmath>

namespace PAL_INT {

namespace {

const char kPrefix[] = "org.mpris.MediaPlayer2.";
const char kPath[] = "/org/mpris/MediaPlayer2";
const char kPlayer[] = "org.mpris.MediaPlayer2.Player";
const char kProperties[] = "org.freedesktop.DBus.Properties";
// A player that does not answer quickly must not stall the main thread.
constexpr int kCallTimeoutMs = 500;
// How long the choice of player stands before the bus is asked again.
constexpr qint64 kServiceMaxAgeMs = 1000;

QVariant Unwrap(const QVariant& value) {
    if (value.userType() == qMetaTypeId<QDBusVariant>())
        return Unwrap(value.value<QDBusVariant>().variant());
    return value;
}

QVariantMap ToMap(const QVariant& value) {
    const QVariant v = Unwrap(value);
    if (v.userType() == qMetaTypeId<QDBusArgument>()) {
        QVariantMap map;
        v.value<QDBusArgument>() >> map;
        return map;
    }
    return v.toMap();
}

QString FirstText(const QVariant& value) {
    const QVariant v = Unwrap(value);
    if (v.userType() == qMetaTypeId<QDBusArgument>()) {
        QStringList list;
        v.value<QDBusArgument>() >> list;
        return list.value(0);
    }
    if (v.type() == QVariant::StringList)
        return v.toStringList().value(0);
    return v.toString();
}

} // namespace

MprisMediaPlayer::MprisMediaPlayer(const QDBusConnection& connection, const QString& preferredService)
    : m_connection(connection), m_preferred(preferredService) {
    // Bus signals reach this object on the main thread, whichever thread made it.
    if (QCoreApplication::instance() && thread() != QCoreApplication::instance()->thread())
        moveToThread(QCoreApplication::instance()->thread());
    m_connection.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kProperties),
                         QStringLiteral("PropertiesChanged"), this,
                         SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
    m_connection.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                         QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                         SLOT(OnNameOwnerChanged(QString, QString, QString)));
}

QString MprisMediaPlayer::Service() {
    {
        QMutexLocker lock(&m_mutex);
        if (m_serviceAge.isValid() && m_serviceAge.elapsed() < kServiceMaxAgeMs)
            return m_service;
    }
    QString found;
    if (m_connection.isConnected()) {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
        const QDBusMessage reply = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            QStringList names = reply.arguments().first().toStringList();
            names.sort();
            for (const QString& name : names) {
                if (!name.startsWith(QLatin1String(kPrefix)))
                    continue;
                if (m_preferred.isEmpty() || name == m_preferred) {
                    found = name;
                    break;
                }
            }
        }
    }
    QMutexLocker lock(&m_mutex);
    m_service = found;
    m_serviceAge.start();
    return found;
}

bool MprisMediaPlayer::IsRunning() {
    return !Service().isEmpty();
}

bool MprisMediaPlayer::Launch() {
    if (m_preferred.isEmpty() || !m_connection.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("StartServiceByName"));
    call << m_preferred << quint32(0);
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
    {
        QMutexLocker lock(&m_mutex);
        m_serviceAge.invalidate();
    }
    if (reply.type() != QDBusMessage::ReplyMessage) {
        QLOG_DEBUG() << "MprisMediaPlayer::Launch: cannot start" << m_preferred << reply.errorMessage();
        return false;
    }
    return true;
}

void MprisMediaPlayer::Command(const char* method, const QVariantList& args) {
    const QString service = Service();
    if (service.isEmpty())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kPlayer), QString::fromLatin1(method));
    call.setArguments(args);
    // Commands do not wait for the player; the bus keeps them in order with later questions.
    m_connection.send(call);
}

QVariant MprisMediaPlayer::Property(const QString& service, const char* name) {
    if (service.isEmpty())
        return QVariant();
    QDBusMessage call = QDBusMessage::createMethodCall(service, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("Get"));
    call << QString::fromLatin1(kPlayer) << QString::fromLatin1(name);
    const QDBusMessage reply = m_connection.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return Unwrap(reply.arguments().first());
}

QVariantMap MprisMediaPlayer::Metadata(const QString& service) {
    return ToMap(Property(service, "Metadata"));
}

void MprisMediaPlayer::Play() {
    Command("Play");
}

void MprisMediaPlayer::Pause() {
    Command("Pause");
}

void MprisMediaPlayer::Stop() {
    Command("Stop");
}

void MprisMediaPlayer::Previous() {
    Command("Previous");
}

void MprisMediaPlayer::Next() {
    Command("Next");
}

int MprisMediaPlayer::PlayState() {
    const QString status = Status();
    if (status == QLatin1String("Playing"))
        return 3;
    if (status == QLatin1String("Paused"))
        return 2;
    return 1;
}

QString MprisMediaPlayer::Status() {
    return Property(Service(), "PlaybackStatus").toString();
}

MediaTrack MprisMediaPlayer::CurrentTrack() {
    const QVariantMap meta = Metadata(Service());
    MediaTrack track;
    if (meta.isEmpty())
        return track;
    track.title = FirstText(meta.value(QStringLiteral("xesam:title")));
    track.artist = FirstText(meta.value(QStringLiteral("xesam:artist")));
    track.composer = FirstText(meta.value(QStringLiteral("xesam:composer")));
    track.album = FirstText(meta.value(QStringLiteral("xesam:album")));
    track.genre = FirstText(meta.value(QStringLiteral("xesam:genre")));
    track.trackNumber = Unwrap(meta.value(QStringLiteral("xesam:trackNumber"))).toInt();
    track.duration = Unwrap(meta.value(QStringLiteral("mpris:length"))).toLongLong() / 1e6;
    // Players announce "no track" with an empty map or with the special no-track object path.
    const QString trackId = Unwrap(meta.value(QStringLiteral("mpris:trackid"))).value<QDBusObjectPath>().path();
    track.valid = trackId != QLatin1String("/org/mpris/MediaPlayer2/TrackList/NoTrack") &&
                  (!track.title.isEmpty() || track.duration > 0 || !trackId.isEmpty());
    return track;
}

double MprisMediaPlayer::Position() {
    return Property(Service(), "Position").toLongLong() / 1e6;
}

void MprisMediaPlayer::SetPosition(double seconds) {
    if (!std::isfinite(seconds))
        return;
    const QString service = Service();
    const QVariantMap meta = Metadata(service);
    const qlonglong target = qlonglong(qBound(0.0, seconds, 9.0e12) * 1e6);
    const QVariant trackId = Unwrap(meta.value(QStringLiteral("mpris:trackid")));
    if (trackId.userType() == qMetaTypeId<QDBusObjectPath>()) {
        Command("SetPosition", {trackId, target});
    } else {
        // Without a track id only a relative seek is possible.
        const qlonglong current = Property(service, "Position").toLongLong();
        Command("Seek", {target - current});
    }
}

double MprisMediaPlayer::Volume() {
    const QVariant volume = Property(Service(), "Volume");
    return volume.isValid() ? volume.toDouble() : 0.0;
}

void MprisMediaPlayer::SetVolume(double volume) {
    const QString service = Service();
    if (service.isEmpty() || !std::isfinite(volume))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("Set"));
    call << QString::fromLatin1(kPlayer) << QStringLiteral("Volume") << QVariant::fromValue(QDBusVariant(volume));
    m_connection.call(call, QDBus::Block, kCallTimeoutMs);
}

bool MprisMediaPlayer::Mute() {
    return Volume() <= 0;
}

void MprisMediaPlayer::SetMute(bool mute) {
    // MPRIS knows no mute: it is the volume at 0, and unmuting brings back the volume it had.
    if (mute) {
        const double volume = Volume();
        if (volume > 0) {
            QMutexLocker lock(&m_mutex);
            m_unmutedVolume = volume;
        }
        SetVolume(0.0);
    } else if (Volume() <= 0) {
        double volume;
        {
            QMutexLocker lock(&m_mutex);
            volume = m_unmutedVolume;
        }
        SetVolume(volume);
    }
}

void MprisMediaPlayer::SetEventHandler(const EventHandler& handler) {
    QMutexLocker lock(&m_mutex);
    m_handler = handler;
}

void MprisMediaPlayer::OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                           const QStringList& invalidated) {
    Q_UNUSED(invalidated);
    if (interface != QLatin1String(kPlayer))
        return;
    EventHandler handler;
    {
        QMutexLocker lock(&m_mutex);
        handler = m_handler;
    }
    if (!handler)
        return;
    if (changed.contains(QStringLiteral("PlaybackStatus"))) {
        const bool playing =
            Unwrap(changed.value(QStringLiteral("PlaybackStatus"))).toString() == QLatin1String("Playing");
        handler(playing ? MediaPlayerEvent::Play : MediaPlayerEvent::Stop);
    }
    if (changed.contains(QStringLiteral("Metadata")))
        handler(MediaPlayerEvent::TrackChanged);
}

void MprisMediaPlayer::OnNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner) {
    Q_UNUSED(oldOwner);
    if (!name.startsWith(QLatin1String(kPrefix)))
        return;
    EventHandler handler;
    bool current;
    {
        QMutexLocker lock(&m_mutex);
        // Players come and go: ask the bus again at the next call.
        m_serviceAge.invalidate();
        current = name == m_service;
        handler = m_handler;
    }
    if (newOwner.isEmpty() && current && handler)
        handler(MediaPlayerEvent::Quitting);
}

std::shared_ptr<MediaPlayerBackend> NewDefaultMediaPlayerBackend() {
    return std::make_shared<MprisMediaPlayer>(QDBusConnection::sessionBus());
}

} // namespace PAL_INT
