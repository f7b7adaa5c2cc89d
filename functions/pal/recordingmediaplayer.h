#pragma once
// A media player that only keeps its state and records what it was told; tests read it and fire its events.

#include "functions/pal/mediaplayerbackend.h"

#include <QMutex>
#include <QStringList>

namespace PAL_INT {

class RecordingMediaPlayer : public MediaPlayerBackend {
public:
    bool IsRunning() override;
    bool Launch() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Previous() override;
    void Next() override;
    int PlayState() override;
    QString Status() override;
    MediaTrack CurrentTrack() override;
    double Position() override;
    void SetPosition(double seconds) override;
    double Volume() override;
    void SetVolume(double volume) override;
    bool Mute() override;
    void SetMute(bool mute) override;
    void SetEventHandler(const EventHandler& handler) override;

    // ---- For tests ----
    // The commands received, one text each: "Play", "SetPosition 90", "SetVolume 0.5", "Launch"...
    QStringList Calls();
    void ClearCalls();
    void SetRunning(bool running);
    // Whether Launch starts the player (it is then running at once).
    void SetLaunchable(bool launchable);
    void SetTrack(const MediaTrack& track);
    void SetPlayState(int state);
    void SetStatus(const QString& status);
    // Hands the event to the handler installed, if any, on the calling thread.
    void Fire(MediaPlayerEvent event);
    bool HasEventHandler();

private:
    void Record(const QString& call);

    QMutex m_mutex;
    QStringList m_calls;
    bool m_running = false;
    bool m_launchable = false;
    int m_playState = 1;
    QString m_status;
    MediaTrack m_track;
    double m_position = 0;
    double m_volume = 0.5;
    bool m_mute = false;
    EventHandler m_handler;
};

} // namespace PAL_INT
