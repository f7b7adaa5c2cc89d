#include "functions/pal/itunesthread.h"

#include "functions/pal/mediaplayerbackend.h"
#include "functions/pal/pal.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QMutex>
#include <QReadWriteLock>
#include <QVariantMap>
#include <QWaitCondition>

#include <atomic>
#include <cmath>

namespace PAL_WIN32_INT {

namespace {

// Shared between the main thread, the iTunes thread and the event handler; every value is one atomic whole.
std::atomic<int> g_slot{IS_None};
std::atomic<int> g_pendingCommand{IC_None};
std::atomic<int> g_pendingVolume{-1};
std::atomic<int> g_cachedVolume{0};
std::atomic<int> g_pendingMute{-1};
std::atomic<bool> g_cachedMute{false};
std::atomic<double> g_pendingSeek{-1.0};
std::atomic<int> g_demand{1};
std::atomic<bool> g_quitting{false};
// Set when Play asked for the connection: only then is the player told to play once connected.
std::atomic<bool> g_playOnConnect{false};

QReadWriteLock g_infoLock;
QVariant g_info; // guarded by g_infoLock

// Owned and used by the iTunes thread only.
std::shared_ptr<PAL_INT::MediaPlayerBackend> g_itunes;
ITEL g_listener;

ItunesThread* g_thread = nullptr;

// The thread sleeps until there is something to do: a pending command, volume or mute, a demand for
// information, a quitting player, a connection to make, or the stop.
QMutex g_wakeMutex;
QWaitCondition g_wake;

void Wake() {
    QMutexLocker lock(&g_wakeMutex);
    g_wake.wakeAll();
}

bool HasWork() {
    const int slot = g_slot.load();
    if (slot == IS_Connecting)
        return true;
    // Without a player nothing else can be done; the next connection wakes the thread.
    return slot == IS_Connected && (g_pendingCommand.load() != IC_None || g_pendingVolume.load() >= 0 ||
                                    g_pendingMute.load() >= 0 || g_demand.load() > 0 || g_quitting.load());
}

// A pending seek waits for a track; it is tried again whenever the thread wakes for something else, and a
// new track wakes it (the player's track event raises the demand).
void WaitForWork(const ItunesThread& thread) {
    QMutexLocker lock(&g_wakeMutex);
    while (!thread.m_stop.loadAcquire() && !HasWork())
        g_wake.wait(&g_wakeMutex);
}

void StartItunes() {
    g_quitting = false;
    std::shared_ptr<PAL_INT::MediaPlayerBackend> backend = PAL_INT::MediaPlayerBackendFor(QStringLiteral("iTunes"));
    // Creating the automation object starts the player when it is not running yet.
    if (!backend || (!backend->IsRunning() && !backend->Launch())) {
        QLOG_DEBUG() << "ItunesThread::StartItunes: no player to connect to";
        g_slot = IS_None;
        return;
    }
    g_itunes = backend;
    g_itunes->SetEventHandler([](PAL_INT::MediaPlayerEvent event) {
        switch (event) {
        case PAL_INT::MediaPlayerEvent::Play:
            g_listener.OnPlayerPlay();
            break;
        case PAL_INT::MediaPlayerEvent::Stop:
            g_listener.OnPlayerStop();
            break;
        case PAL_INT::MediaPlayerEvent::TrackChanged:
            g_listener.OnTrackChanged();
            break;
        case PAL_INT::MediaPlayerEvent::Quitting:
            g_listener.OnQuitting();
            break;
        }
    });
    g_slot = IS_Connected;
}

void ReleaseItunes() {
    if (g_itunes)
        g_itunes->SetEventHandler(PAL_INT::MediaPlayerBackend::EventHandler());
    g_itunes.reset();
    g_slot = IS_None;
    QLOG_DEBUG() << "IT Release";
    g_quitting = false;
    QWriteLocker lock(&g_infoLock);
    g_info = QVariantMap();
}

QVariant GetITCurInfo(PAL_INT::MediaPlayerBackend& itunes) {
    const PAL_INT::MediaTrack track = itunes.CurrentTrack();
    if (!track.valid)
        return QVariant(int(0));
    QVariantMap info;
    info.insert(QStringLiteral("status"), QString());
    info.insert(QStringLiteral("playstate"), ItunesStateToPlayState(ItunesPlayerState(itunes.PlayState())));
    info.insert(QStringLiteral("title"), track.title);
    info.insert(QStringLiteral("duration"), std::isfinite(track.duration) ? int(track.duration) : 0);
    const double position = itunes.Position();
    info.insert(QStringLiteral("position"), std::isfinite(position) ? int(position) : 0);
    info.insert(QStringLiteral("artist"), track.artist.isEmpty() ? track.composer : track.artist);
    info.insert(QStringLiteral("album"), track.album);
    info.insert(QStringLiteral("genre"), track.genre);
    return info;
}

void UpdateItunes() {
    PAL_INT::MediaPlayerBackend& itunes = *g_itunes;
    switch (g_pendingCommand.exchange(IC_None)) {
    case IC_Play:
        itunes.Play();
        break;
    case IC_Pause:
        itunes.Pause();
        break;
    case IC_Stop:
        itunes.Stop();
        break;
    case IC_BackTrack:
        itunes.Previous();
        break;
    case IC_NextTrack:
        itunes.Next();
        break;
    default:
        break;
    }

    const int volume = g_pendingVolume.exchange(-1);
    if (volume >= 0)
        itunes.SetVolume(volume / 100.0);
    const double current = itunes.Volume();
    g_cachedVolume = std::isfinite(current) ? qBound(0, int(std::lround(current * 100)), 100) : 0;

    const int mute = g_pendingMute.exchange(-1);
    if (mute >= 0)
        itunes.SetMute(mute != 0);
    g_cachedMute = itunes.Mute();

    // A seek waits for a track with a known duration; the information is refreshed meanwhile all the same,
    // so a player without a track does not freeze what the phone shows.
    const double seek = g_pendingSeek.load();
    if (seek >= 0) {
        const PAL_INT::MediaTrack track = itunes.CurrentTrack();
        if (track.valid && std::isfinite(track.duration) && track.duration >= 1) {
            itunes.SetPosition(std::trunc(track.duration * seek));
            double expected = seek;
            g_pendingSeek.compare_exchange_strong(expected, -1.0);
        }
    }

    if (g_demand.load() > 0) {
        --g_demand;
        const QVariant info = GetITCurInfo(itunes);
        QWriteLocker lock(&g_infoLock);
        g_info = info;
    }
}

void StartThreadIfNeeded() {
    if (!g_thread) {
        g_thread = new ItunesThread;
        // The thread object lives as long as the process: the platform layer keeps one instance.
    }
    if (!g_thread->isRunning() && !g_thread->m_running.loadAcquire()) {
        g_thread->m_stop.storeRelease(0);
        g_thread->start(QThread::InheritPriority);
    }
}

// Writes a key of the cached information map (only when it is a map) under the write lock.
void SetCachedInfoValue(const QString& key, const QVariant& value) {
    QWriteLocker lock(&g_infoLock);
    if (g_info.type() != QVariant::Map)
        return;
    QVariantMap map = g_info.toMap();
    map.insert(key, value);
    g_info = map;
}

} // namespace

ItunesThread::ItunesThread(QObject* parent) : QThread(parent) {}

void ItunesThread::run() {
    ProfileRegisterThread(ProfileNextGroup());
    m_running.storeRelease(1);
    PAL::Sleep(500);
    while (!m_stop.loadAcquire()) {
        WaitForWork(*this);
        if (g_slot.load() == IS_Connecting) {
            StartItunes();
            if (g_slot.load() == IS_Connected && g_playOnConnect.exchange(false))
                g_itunes->Play();
        }
        PAL::Sleep(10);
        if (g_slot.load() == IS_Connected && g_itunes) {
            if (g_quitting.load())
                ReleaseItunes();
            else
                UpdateItunes();
        }
    }
    ReleaseItunes();
    m_running.storeRelease(0);
}

void ITEL::OnQuitting() {
    g_quitting = true;
    Wake();
}

void ITEL::OnPlayerPlay() {
    ++g_demand;
    Wake();
}

void ITEL::OnPlayerStop() {
    ++g_demand;
    Wake();
}

void ITEL::OnTrackChanged() {
    ++g_demand;
    Wake();
}

bool GetITunes(bool force) {
    switch (g_slot.load()) {
    case IS_Connecting:
        if (force)
            g_playOnConnect = true;
        return false;
    case IS_Connected:
        return true;
    default:
        break;
    }
    std::shared_ptr<PAL_INT::MediaPlayerBackend> backend = PAL_INT::MediaPlayerBackendFor(QStringLiteral("iTunes"));
    if (force || (backend && backend->IsRunning())) {
        g_playOnConnect = force;
        g_slot = IS_Connecting;
        StartThreadIfNeeded();
        Wake();
    }
    return false;
}

void SetItunesCommand(int command) {
    if (command < IC_Play || command > IC_NextTrack)
        return;
    g_pendingCommand = command;
    static const int playstates[] = {3, 2, 1};
    if (command <= IC_Stop)
        SetCachedInfoValue(QStringLiteral("playstate"), playstates[command]);
    Wake();
}

void SetItunesPosition(double fraction) {
    if (!(fraction >= 0) || !std::isfinite(fraction))
        return;
    g_pendingSeek = fraction;
    Wake();
    QWriteLocker lock(&g_infoLock);
    if (g_info.type() != QVariant::Map)
        return;
    QVariantMap map = g_info.toMap();
    const double duration = map.value(QStringLiteral("duration")).toDouble();
    if (duration > 0) {
        map.insert(QStringLiteral("position"), duration * fraction);
        g_info = map;
    }
}

void SetItunesVolume(int volume) {
    volume = qBound(0, volume, 100);
    g_pendingVolume = volume;
    g_cachedVolume = volume;
    Wake();
}

void SetItunesMute(bool mute) {
    g_pendingMute = mute ? 1 : 0;
    g_cachedMute = mute;
    Wake();
}

namespace {
// A reader of the cached volume or mute asks for one more cycle, so a change made at the player itself
// shows at the next read.
void AskRefresh() {
    int none = 0;
    if (g_demand.compare_exchange_strong(none, 1))
        Wake();
}
} // namespace

int GetItunesVolume() {
    AskRefresh();
    return g_cachedVolume.load();
}

bool GetItunesMute() {
    AskRefresh();
    return g_cachedMute.load();
}

QVariant GetItunesInfo() {
    g_demand = 2;
    Wake();
    QReadLocker lock(&g_infoLock);
    return g_info;
}

void StopItunesThread() {
    if (!g_thread)
        return;
    g_thread->m_stop.storeRelease(1);
    Wake();
    for (int i = 0; i < 101 && (g_thread->isRunning() || g_thread->m_running.loadAcquire()); ++i)
        PAL::Sleep(10);
    if (g_thread->isRunning()) {
        // Killing it could leave the bus connection's locks held; it ends by itself after its next call.
        QLOG_WARN() << "PAL_WIN32_INT::StopItunesThread: the iTunes thread did not stop in time";
        return;
    }
    g_thread->wait();
}

int ItunesSlotState() {
    return g_slot.load();
}

int ItunesPendingCommand() {
    return g_pendingCommand.load();
}

double ItunesPendingSeek() {
    return g_pendingSeek.load();
}

int ItunesDemand() {
    return g_demand.load();
}

bool ItunesQuitting() {
    return g_quitting.load();
}

bool ItunesThreadRunning() {
    return g_thread && (g_thread->isRunning() || g_thread->m_running.loadAcquire());
}

void ResetItunesState() {
    g_slot = IS_None;
    g_pendingCommand = IC_None;
    g_pendingVolume = -1;
    g_cachedVolume = 0;
    g_pendingMute = -1;
    g_cachedMute = false;
    g_pendingSeek = -1.0;
    g_demand = 1;
    g_quitting = false;
    g_playOnConnect = false;
    QWriteLocker lock(&g_infoLock);
    g_info = QVariant();
}

int ItunesPlayerState(int playState) {
    switch (playState) {
    case 3:
        return 1;
    case 4:
        return 2;
    case 5:
        return 3;
    default:
        return 0;
    }
}

int ItunesStateToPlayState(int itunesState) {
    switch (itunesState) {
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
        return 5;
    default:
        return 1;
    }
}

} // namespace PAL_WIN32_INT
