#include "functions/pal/mprismediaplayer.h"

#include "foundation/logger/QsLog.h"

#include <QCoreApplication>
#include <QDBusObjectPath>
#include <QThread>

#include <cmath>

namespace PAL_INT {

namespace {

const char kPrefix[] = "org.mpris.MediaPlayer2.";
const char kNoTrack[] = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

QString FirstText(const QVariant& value) {
    if (value.type() == QVariant::StringList)
        return value.toStringList().value(0);
    return value.toString();
}

bool OnMainThread() {
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

QString Stripped(const QString& name) {
    return name.startsWith(QLatin1String(kPrefix)) ? name.mid(int(qstrlen(kPrefix))) : name;
}

} // namespace

MprisMediaPlayer::MprisMediaPlayer(std::shared_ptr<MprisPlayerDirectory> directory, std::function<QString()> patterns)
    : m_directory(std::move(directory)), m_patternSource(std::move(patterns)) {
    m_listener =
        m_directory->AddListener([this](const QString& busName, MediaPlayerEvent event) { OnEvent(busName, event); });
}

MprisMediaPlayer::~MprisMediaPlayer() {
    m_directory->RemoveListener(m_listener);
}

bool MprisMediaPlayer::Matches(const QString& pattern, const QString& busName) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(Stripped(pattern.trimmed())),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(Stripped(busName)).hasMatch();
}

bool MprisMediaPlayer::Chosen(MprisPlayerState* state) {
    // The setting is read on the main thread only: the configuration is not made for other threads.
    const QString text = OnMainThread() && m_patternSource ? m_patternSource() : QString();
    QMutexLocker lock(&m_mutex);
    if (OnMainThread() && text != m_patternText) {
        m_patternText = text;
        m_patterns.clear();
        for (const QString& p : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!p.trimmed().isEmpty())
                m_patterns << p.trimmed();
        }
        m_generation = ~0ull;
    }
    const quint64 generation = m_directory->Generation();
    if (generation != m_generation) {
        m_generation = generation;
        m_service.clear();
        const QList<MprisPlayerState> players = m_directory->Players();
        for (const QString& pattern : qAsConst(m_patterns)) {
            for (const MprisPlayerState& p : players) {
                if (!Matches(pattern, p.busName))
                    continue;
                if (m_service.isEmpty() || p.status == QLatin1String("Playing")) {
                    m_service = p.busName;
                    if (p.status == QLatin1String("Playing"))
                        break;
                }
            }
            if (!m_service.isEmpty())
                break;
        }
    }
    if (m_service.isEmpty())
        return false;
    return m_directory->Player(m_service, state);
}

QString MprisMediaPlayer::Service() {
    MprisPlayerState state;
    return Chosen(&state) ? state.busName : QString();
}

bool MprisMediaPlayer::IsRunning() {
    return !Service().isEmpty();
}

bool MprisMediaPlayer::Launch() {
    // The first player the patterns name outright, when the bus knows how to start it.
    MprisPlayerState unused;
    Chosen(&unused); // reads the patterns
    QStringList patterns;
    {
        QMutexLocker lock(&m_mutex);
        patterns = m_patterns;
    }
    const QStringList activatable = m_directory->Activatable();
    for (const QString& pattern : qAsConst(patterns)) {
        if (pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?')))
            continue;
        const QString name = QLatin1String(kPrefix) + Stripped(pattern);
        if (activatable.contains(name)) {
            m_directory->Activate(name);
            return true;
        }
    }
    QLOG_DEBUG() << "MprisMediaPlayer::Launch: the bus can start none of" << patterns;
    return false;
}

void MprisMediaPlayer::Play() {
    const QString service = Service();
    if (!service.isEmpty())
        m_directory->Call(service, QStringLiteral("Play"));
}

void MprisMediaPlayer::Pause() {
    const QString service = Service();
    if (!service.isEmpty())
        m_directory->Call(service, QStringLiteral("Pause"));
}

void MprisMediaPlayer::Stop() {
    const QString service = Service();
    if (!service.isEmpty())
        m_directory->Call(service, QStringLiteral("Stop"));
}

void MprisMediaPlayer::Previous() {
    const QString service = Service();
    if (!service.isEmpty())
        m_directory->Call(service, QStringLiteral("Previous"));
}

void MprisMediaPlayer::Next() {
    const QString service = Service();
    if (!service.isEmpty())
        m_directory->Call(service, QStringLiteral("Next"));
}

QString MprisMediaPlayer::Status() {
    MprisPlayerState state;
    return Chosen(&state) ? state.status : QString();
}

int MprisMediaPlayer::PlayState() {
    const QString status = Status();
    if (status == QLatin1String("Playing"))
        return 3;
    if (status == QLatin1String("Paused"))
        return 2;
    return 1;
}

MediaTrack MprisMediaPlayer::CurrentTrack() {
    MediaTrack track;
    MprisPlayerState state;
    if (!Chosen(&state) || state.metadata.isEmpty())
        return track;
    const QVariantMap& meta = state.metadata;
    track.title = FirstText(meta.value(QStringLiteral("xesam:title")));
    track.artist = FirstText(meta.value(QStringLiteral("xesam:artist")));
    track.composer = FirstText(meta.value(QStringLiteral("xesam:composer")));
    track.album = FirstText(meta.value(QStringLiteral("xesam:album")));
    track.genre = FirstText(meta.value(QStringLiteral("xesam:genre")));
    track.trackNumber = meta.value(QStringLiteral("xesam:trackNumber")).toInt();
    track.duration = meta.value(QStringLiteral("mpris:length")).toLongLong() / 1e6;
    // Players announce "no track" with an empty map or with the special no-track object path.
    const QString trackId = meta.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    track.valid =
        trackId != QLatin1String(kNoTrack) && (!track.title.isEmpty() || track.duration > 0 || !trackId.isEmpty());
    return track;
}

double MprisMediaPlayer::Position() {
    MprisPlayerState state;
    if (!Chosen(&state))
        return 0;
    return state.PositionNowUs(MprisPlayerDirectory::NowMs()) / 1e6;
}

void MprisMediaPlayer::SetPosition(double seconds) {
    MprisPlayerState state;
    if (!std::isfinite(seconds) || !Chosen(&state))
        return;
    const qlonglong target = qlonglong(qBound(0.0, seconds, 9.0e12) * 1e6);
    const QVariant trackId = state.metadata.value(QStringLiteral("mpris:trackid"));
    if (trackId.userType() == qMetaTypeId<QDBusObjectPath>()) {
        m_directory->Call(state.busName, QStringLiteral("SetPosition"), {trackId, target});
    } else {
        // Without a track id only a relative seek is possible.
        m_directory->Call(state.busName, QStringLiteral("Seek"),
                          {target - state.PositionNowUs(MprisPlayerDirectory::NowMs())});
    }
}

double MprisMediaPlayer::Volume() {
    MprisPlayerState state;
    return Chosen(&state) && state.hasVolume ? state.volume : 0.0;
}

void MprisMediaPlayer::SetVolume(double volume) {
    const QString service = Service();
    if (service.isEmpty() || !std::isfinite(volume))
        return;
    m_directory->SetVolume(service, volume);
}

bool MprisMediaPlayer::Mute() {
    return Volume() <= 0;
}

void MprisMediaPlayer::SetMute(bool mute) {
    // MPRIS knows no mute: it is the volume at 0, and unmuting brings back the volume it had.
    const double volume = Volume();
    if (mute) {
        if (volume > 0) {
            QMutexLocker lock(&m_mutex);
            m_unmutedVolume = volume;
        }
        SetVolume(0.0);
    } else if (volume <= 0) {
        double unmuted;
        {
            QMutexLocker lock(&m_mutex);
            unmuted = m_unmutedVolume;
        }
        SetVolume(unmuted);
    }
}

void MprisMediaPlayer::SetEventHandler(const EventHandler& handler) {
    QMutexLocker lock(&m_mutex);
    m_handler = handler;
}

void MprisMediaPlayer::OnEvent(const QString& busName, MediaPlayerEvent event) {
    EventHandler handler;
    QString driven;
    {
        QMutexLocker lock(&m_mutex);
        handler = m_handler;
        driven = m_service;
    }
    // Only the player this name drives counts; a player that left is the one driven until the next choice.
    if (handler && busName == driven)
        handler(event);
}

std::shared_ptr<MprisPlayerDirectory> SessionBusPlayers() {
    static std::shared_ptr<MprisPlayerDirectory> directory = [] {
        auto d = std::make_shared<MprisPlayerDirectory>(QDBusConnection::sessionBus());
        // Bus signals and answers are taken on the main thread, whichever thread asked first.
        if (QCoreApplication::instance() && d->thread() != QCoreApplication::instance()->thread())
            d->moveToThread(QCoreApplication::instance()->thread());
        return d;
    }();
    return directory;
}

} // namespace PAL_INT
