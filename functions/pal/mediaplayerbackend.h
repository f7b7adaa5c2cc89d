#pragma once
// One outside media player as the platform layer drives it. The player names the program knows ("Winamp",
// "iTunes", "Windows Media Player") each reach one backend: on Linux the MPRIS player on the session bus that
// the name's bus-name patterns choose (MprisBusNamePatterns), and in tests a recording one.
// MediaPlayerBackendFor is the one place that picks it.
//
// Backends are called from the main thread and from the iTunes thread, so every implementation is safe to
// call from any thread. Getters answer from what the backend knows; commands never wait for the player.

#include <QString>

#include <functional>
#include <memory>

namespace PAL_INT {

struct MediaTrack {
    bool valid = false; // false: no current track
    QString title;
    QString artist;
    QString composer;
    QString album;
    QString genre;
    int trackNumber = 0; // 0 when unknown
    double duration = 0; // seconds
};

// What a player announces by itself (the iTunes connection listens to these).
enum class MediaPlayerEvent { Play, Stop, TrackChanged, Quitting };

class MediaPlayerBackend {
public:
    virtual ~MediaPlayerBackend() = default;

    // The player is there to be driven (its window exists, it is on the bus).
    virtual bool IsRunning() = 0;
    // Starts the player program; whether it started. A player that cannot be started answers false.
    virtual bool Launch() = 0;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Previous() = 0;
    virtual void Next() = 0;

    // 1 stopped, 2 paused, 3 playing, 4 scanning forward, 5 scanning backward.
    virtual int PlayState() = 0;
    // The player's own status text; empty when it has none.
    virtual QString Status() = 0;
    virtual MediaTrack CurrentTrack() = 0;
    // Seconds into the current track.
    virtual double Position() = 0;
    virtual void SetPosition(double seconds) = 0;
    // 0 (silent) to 1 (full).
    virtual double Volume() = 0;
    virtual void SetVolume(double volume) = 0;
    virtual bool Mute() = 0;
    virtual void SetMute(bool mute) = 0;

    // Events arrive on any thread; an empty handler stops them.
    using EventHandler = std::function<void(MediaPlayerEvent)>;
    virtual void SetEventHandler(const EventHandler& handler) = 0;
};

// The backend behind a player name (any name outside the three acts as "Windows Media Player"). Until a
// test or the program installs one, each name has its MPRIS backend on the session bus.
std::shared_ptr<MediaPlayerBackend> MediaPlayerBackendFor(const QString& player);
// Installs the backend for one of the three names; null goes back to the default.
void SetMediaPlayerBackend(const QString& player, std::shared_ptr<MediaPlayerBackend> backend);
// The backend a name uses by default: the MPRIS player its patterns choose on the session bus.
std::shared_ptr<MediaPlayerBackend> NewDefaultMediaPlayerBackend(const QString& player);

} // namespace PAL_INT
