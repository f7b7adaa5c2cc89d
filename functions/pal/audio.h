#pragma once
// The sound facilities behind PAL's volume, mute and session operations. IAudioBackend reaches the
// default playback ("render") and recording ("capture") devices and the playback streams of processes:
// PulseAudioBackend (pulseaudiobackend.h) through the sound server's client library, FakeAudioBackend as an
// in-memory mixer that writes down what it was asked, for tests. IMusicMixer is the volume of the user's
// media player, filled in by the media-player part.

#include <QList>
#include <QString>
#include <QStringList>

namespace PAL_INT {

enum class AudioFlow { Render, Capture };

// One playback stream of a process.
struct AudioSession {
    QString id; // the sound server's name for the stream
    qint64 procId = 0;
    bool system = false; // the desktop's event sounds
    double volume = 0;   // 0 to 1
    QString exePath;     // the process's program file; may be empty
    QString appName;     // the name the stream gives its program; may be empty
};

// Getters answer what the backend knows at the moment, without asking the sound server, so the control
// views may call them at every tick. Setters hand the request on without waiting for it to be carried
// out; the getters answer the new value at once. Each answers false when the device (or the sound server)
// is missing. Main thread.
class IAudioBackend {
public:
    virtual ~IAudioBackend() = default;
    virtual bool GetVolume(AudioFlow flow, double* volume) = 0;
    virtual bool SetVolume(AudioFlow flow, double volume) = 0;
    virtual bool GetMute(AudioFlow flow, bool* mute) = 0;
    virtual bool SetMute(AudioFlow flow, bool mute) = 0;
    // The streams of the default playback device.
    virtual bool ListSessions(QList<AudioSession>* sessions) = 0;
    virtual bool SetSessionVolume(const QString& id, double volume) = 0;
};

class FakeAudioBackend : public IAudioBackend {
public:
    bool GetVolume(AudioFlow flow, double* volume) override;
    bool SetVolume(AudioFlow flow, double volume) override;
    bool GetMute(AudioFlow flow, bool* mute) override;
    bool SetMute(AudioFlow flow, bool mute) override;
    bool ListSessions(QList<AudioSession>* sessions) override;
    bool SetSessionVolume(const QString& id, double volume) override;

    bool renderPresent = true;
    bool capturePresent = true;
    bool serverPresent = true; // sessions
    double volume[2] = {0, 0}; // render, capture
    bool mute[2] = {false, false};
    QList<AudioSession> sessions;
    QStringList log; // the setters' requests, e.g. "SetVolume render 0.5"
};

// The media player's volume (0 to 1) and mute, as the media-player part gives them for the user's default
// player. The setters answer the value read back.
class IMusicMixer {
public:
    virtual ~IMusicMixer() = default;
    virtual double GetVolume() = 0;
    virtual double SetVolume(double volume) = 0;
    virtual bool GetMute() = 0;
    virtual bool SetMute(bool mute) = 0;
};

} // namespace PAL_INT
