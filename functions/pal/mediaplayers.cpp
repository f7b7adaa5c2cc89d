#include "functions/pal/mediaplayers.h"

#include "functions/pal/delaywaplaytask.h"
#include "functions/pal/itunesthread.h"
#include "functions/pal/mediaplayerbackend.h"
#include "functions/pal/mprismediaplayer.h"
#include "functions/pal/pal.h"

#include "foundation/logger/QsLog.h"

#include <QMutex>
#include <QVariantMap>

#include <cmath>

namespace {

const char kWinamp[] = "Winamp";
const char kItunes[] = "iTunes";
const char kWmp[] = "Windows Media Player";
const char kNotAvailable[] = "<not_available>";

QMutex g_backendMutex;
std::shared_ptr<PAL_INT::MediaPlayerBackend> g_backends[3];
std::shared_ptr<PAL_INT::MediaPlayerBackend> g_defaultBackends[3];

PAL_INT::UserSettingReader g_settingReader;
// The volume Winamp's unmute goes back to, in Winamp's 0..255 steps.
int g_winampRememberedVolume = 128;

int BackendIndex(const QString& player) {
    switch (PAL_INT::MediaPlayerKindOf(player)) {
    case PAL_INT::MPK_Winamp:
        return 0;
    case PAL_INT::MPK_Itunes:
        return 1;
    default:
        return 2;
    }
}

std::shared_ptr<PAL_INT::MediaPlayerBackend> Backend(PAL_INT::MediaPlayerKind kind) {
    static const char* const names[] = {kWinamp, kItunes, kWmp};
    return PAL_INT::MediaPlayerBackendFor(QString::fromLatin1(names[kind]));
}

// A running player's backend, else null.
std::shared_ptr<PAL_INT::MediaPlayerBackend> Running(PAL_INT::MediaPlayerKind kind) {
    std::shared_ptr<PAL_INT::MediaPlayerBackend> backend = Backend(kind);
    return backend && backend->IsRunning() ? backend : nullptr;
}

PAL_INT::MediaPlayerKind Chosen(const QString& player) {
    return PAL_INT::MediaPlayerKindOf(PAL::GetCurrentMediaPlayer(player));
}

// Seconds as whole seconds; anything that is not a finite number counts as 0.
int WholeSeconds(double seconds) {
    if (!std::isfinite(seconds))
        return 0;
    return int(qBound(double(INT_MIN), std::trunc(seconds), double(INT_MAX)));
}

QVariant WinampInfo() {
    QVariantMap info;
    std::shared_ptr<PAL_INT::MediaPlayerBackend> winamp = Running(PAL_INT::MPK_Winamp);
    if (!winamp)
        return info;
    const int state = winamp->PlayState();
    const PAL_INT::MediaTrack track = winamp->CurrentTrack();
    info.insert(QStringLiteral("status"), QString());
    info.insert(QStringLiteral("playstate"), state == 3 ? 3 : state == 2 ? 2 : 1);
    info.insert(QStringLiteral("duration"), WholeSeconds(track.duration));
    info.insert(QStringLiteral("position"), WholeSeconds(winamp->Position()));
    // Winamp names the track only in its window title; a player that names the artist apart needs no parsing.
    QString artist = track.artist;
    QString title = track.title;
    if (artist.isEmpty()) {
        const QStringList parts = PAL_INT::WinampTitleParts(track.title);
        artist = parts.value(0);
        title = parts.value(1);
    }
    info.insert(QStringLiteral("artist"), artist);
    info.insert(QStringLiteral("title"), title);
    info.insert(QStringLiteral("album"), QString::fromLatin1(kNotAvailable));
    info.insert(QStringLiteral("genre"), QString::fromLatin1(kNotAvailable));
    return info;
}

QVariant WmpInfo() {
    std::shared_ptr<PAL_INT::MediaPlayerBackend> wmp = Running(PAL_INT::MPK_Wmp);
    const PAL_INT::MediaTrack track = wmp ? wmp->CurrentTrack() : PAL_INT::MediaTrack();
    if (!track.valid)
        return QVariant(int(0));
    QVariantMap info;
    const int state = wmp->PlayState();
    info.insert(QStringLiteral("status"), wmp->Status());
    info.insert(QStringLiteral("playstate"), state > 0 ? state : 1);
    info.insert(QStringLiteral("title"), track.title);
    info.insert(QStringLiteral("duration"), track.duration);
    info.insert(QStringLiteral("position"), wmp->Position());
    info.insert(QStringLiteral("artist"), track.artist.isEmpty() ? track.composer : track.artist);
    info.insert(QStringLiteral("album"), track.album);
    info.insert(QStringLiteral("genre"), track.genre);
    return info;
}

// A volume of 0..1 in a player's integer steps; not-a-number counts as silent, the rest is held in range.
int VolumeSteps(double volume, int steps) {
    if (!(volume > 0))
        return 0;
    return int(std::trunc(qMin(volume, 1.0) * steps));
}

// The step a player's volume reads as (players keep the steps they were given, give or take rounding).
int ReadSteps(double volume, int steps) {
    if (!(volume > 0))
        return 0;
    return int(std::lround(qMin(volume, 1.0) * steps));
}

} // namespace

// ---- Media players ----

QStringList PAL::GetMediaPlayers() {
    static const QStringList players = {QString::fromLatin1(kWinamp), QString::fromLatin1(kItunes),
                                        QString::fromLatin1(kWmp)};
    return players;
}

QString PAL::GetCurrentMediaPlayer(const QString& player) {
    if (!player.isEmpty() && GetMediaPlayers().contains(player))
        return player;
    const QString setting =
        g_settingReader ? g_settingReader(QStringLiteral("DefaultMediaPlayer")).toString() : QString();
    return setting.isEmpty() ? GetMediaPlayers().first() : setting;
}

bool PAL::IsMediaPlayerRunning(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes)
        return PAL_WIN32_INT::GetITunes(false);
    return Running(kind) != nullptr;
}

QVariant PAL::GetMusicInfo(const QString& player) {
    switch (Chosen(player)) {
    case PAL_INT::MPK_Itunes:
        return PAL_WIN32_INT::GetItunesInfo();
    case PAL_INT::MPK_Winamp:
        return WinampInfo();
    default:
        return WmpInfo();
    }
}

void PAL::DoMusicPlay(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(true))
            PAL_WIN32_INT::SetItunesCommand(PAL_WIN32_INT::IC_Play);
        return;
    }
    std::shared_ptr<PAL_INT::MediaPlayerBackend> backend = Backend(kind);
    if (!backend)
        return;
    if (backend->IsRunning()) {
        backend->Play();
    } else if (kind == PAL_INT::MPK_Winamp && backend->Launch()) {
        // The player takes a moment to come up; the task deletes itself when done.
        new DelayWAPlayTask;
    }
}

void PAL::DoMusicPause(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesCommand(PAL_WIN32_INT::IC_Pause);
    } else if (auto backend = Running(kind)) {
        backend->Pause();
    }
}

void PAL::DoMusicStop(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesCommand(PAL_WIN32_INT::IC_Stop);
    } else if (auto backend = Running(kind)) {
        backend->Stop();
    }
}

void PAL::DoMusicPrev(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesCommand(PAL_WIN32_INT::IC_BackTrack);
    } else if (auto backend = Running(kind)) {
        backend->Previous();
    }
}

void PAL::DoMusicNext(const QString& player) {
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesCommand(PAL_WIN32_INT::IC_NextTrack);
    } else if (auto backend = Running(kind)) {
        backend->Next();
    }
}

void PAL::DoMusicSetPos(const QString& player, double fraction) {
    // A fraction that is no finite number names no place in the track.
    if (!std::isfinite(fraction)) {
        QLOG_DEBUG() << "PAL::DoMusicSetPos: ignoring position" << fraction;
        return;
    }
    const PAL_INT::MediaPlayerKind kind = Chosen(player);
    if (kind == PAL_INT::MPK_Itunes) {
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesPosition(fraction);
        return;
    }
    std::shared_ptr<PAL_INT::MediaPlayerBackend> backend = Running(kind);
    if (!backend)
        return;
    const double duration = backend->CurrentTrack().duration;
    if (kind == PAL_INT::MPK_Winamp) {
        // Winamp seeks in milliseconds to whole seconds of its whole-second track length.
        const double target = std::trunc(WholeSeconds(duration) * fraction) * 1000.0;
        backend->SetPosition(target / 1000.0);
    } else if (backend->CurrentTrack().valid && duration > 0) {
        backend->SetPosition(duration * fraction);
    }
}

namespace PAL_INT {

std::shared_ptr<MediaPlayerBackend> MediaPlayerBackendFor(const QString& player) {
    QMutexLocker lock(&g_backendMutex);
    const int index = BackendIndex(player);
    if (g_backends[index])
        return g_backends[index];
    if (!g_defaultBackends[index])
        g_defaultBackends[index] = NewDefaultMediaPlayerBackend(PAL::GetMediaPlayers().at(index));
    return g_defaultBackends[index];
}

std::shared_ptr<MediaPlayerBackend> NewDefaultMediaPlayerBackend(const QString& player) {
    return std::make_shared<MprisMediaPlayer>(SessionBusPlayers(), [player] { return MprisBusNamePatterns(player); });
}

QString MprisBusNamePatterns(const QString& player) {
    const QString chosen =
        g_settingReader ? g_settingReader(QStringLiteral("MprisPlayers")).toMap().value(player).toString() : QString();
    if (!chosen.trimmed().isEmpty())
        return chosen;
    switch (MediaPlayerKindOf(player)) {
    case MPK_Winamp:
        return QStringLiteral("audacious;qmmp;deadbeef;strawberry;clementine;*");
    case MPK_Itunes:
        return QStringLiteral("rhythmbox;lollypop;elisa;amarok;spotify;*");
    default:
        return QStringLiteral("vlc;totem;celluloid;smplayer;mpv;*");
    }
}

void SetMediaPlayerBackend(const QString& player, std::shared_ptr<MediaPlayerBackend> backend) {
    QMutexLocker lock(&g_backendMutex);
    g_backends[BackendIndex(player)] = std::move(backend);
}

void SetUserSettingReader(const UserSettingReader& reader) {
    g_settingReader = reader;
}

MediaPlayerKind MediaPlayerKindOf(const QString& chosenName) {
    if (chosenName == QLatin1String(kItunes))
        return MPK_Itunes;
    if (chosenName == QLatin1String(kWinamp))
        return MPK_Winamp;
    return MPK_Wmp;
}

QStringList WinampTitleParts(const QString& windowText) {
    QString text = windowText;
    const int number = text.indexOf(QStringLiteral(". "));
    if (number >= 0)
        text = text.mid(number + 2);
    const QStringList parts = text.split(QStringLiteral(" - "));
    return {parts.value(0), parts.size() >= 2 ? parts.value(1) : parts.value(0)};
}

// ---- Music volume and mute of the default player ----

double GetMusicVolume() {
    switch (Chosen(QString())) {
    case MPK_Itunes:
        return PAL_WIN32_INT::GetITunes(false) ? PAL_WIN32_INT::GetItunesVolume() / 100.0 : 0.0;
    case MPK_Winamp: {
        auto winamp = Running(MPK_Winamp);
        return winamp ? ReadSteps(winamp->Volume(), 255) / 255.0 : 0.0;
    }
    default: {
        auto wmp = Running(MPK_Wmp);
        return wmp ? ReadSteps(wmp->Volume(), 100) / 100.0 : 0.0;
    }
    }
}

double SetMusicVolume(double volume) {
    switch (Chosen(QString())) {
    case MPK_Itunes:
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesVolume(VolumeSteps(volume, 100));
        break;
    case MPK_Winamp: {
        auto winamp = Running(MPK_Winamp);
        if (!winamp)
            return 0.0;
        winamp->SetVolume(VolumeSteps(volume, 255) / 255.0);
        break;
    }
    default:
        if (auto wmp = Running(MPK_Wmp))
            wmp->SetVolume(VolumeSteps(volume, 100) / 100.0);
        break;
    }
    return GetMusicVolume();
}

bool GetMusicMute() {
    switch (Chosen(QString())) {
    case MPK_Itunes:
        return PAL_WIN32_INT::GetITunes(false) ? PAL_WIN32_INT::GetItunesMute() : true;
    case MPK_Winamp: {
        auto winamp = Running(MPK_Winamp);
        return winamp ? ReadSteps(winamp->Volume(), 255) < 1 : true;
    }
    default: {
        auto wmp = Running(MPK_Wmp);
        return wmp ? wmp->Mute() : false;
    }
    }
}

bool SetMusicMute(bool mute) {
    switch (Chosen(QString())) {
    case MPK_Itunes:
        if (PAL_WIN32_INT::GetITunes(false))
            PAL_WIN32_INT::SetItunesMute(mute);
        break;
    case MPK_Winamp:
        // Winamp has no mute of its own: the volume goes to 0 and comes back to the one it had.
        if (auto winamp = Running(MPK_Winamp)) {
            const int current = ReadSteps(winamp->Volume(), 255);
            if (current > 0)
                g_winampRememberedVolume = current;
            winamp->SetVolume(mute ? 0.0 : g_winampRememberedVolume / 255.0);
        }
        break;
    default: {
        auto wmp = Running(MPK_Wmp);
        if (!wmp)
            return false;
        wmp->SetMute(mute);
        break;
    }
    }
    return GetMusicMute();
}

void ResetWinampRememberedVolume() {
    g_winampRememberedVolume = 128;
}

} // namespace PAL_INT
