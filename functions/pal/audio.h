#pragma once
// The sound facilities behind PAL's volume, mute and session operations. IAudioBackend reaches the
// default playback ("render") and recording ("capture") devices and the playback streams of processes;
// PactlAudioBackend does it through the sound server's command-line client (PulseAudio or PipeWire), with
// the ALSA mixer's master control as the fallback volume; FakeAudioBackend is an in-memory mixer that
// writes down what it was asked, for tests. IMusicMixer is the volume of the user's media player, filled
// in by the media-player part.

#include <QList>
#include <QString>
#include <QStringList>

namespace PAL_INT {

class IProcessRunner;

enum class AudioFlow { Render, Capture };

// One playback stream of a process.
struct AudioSession {
    QString id; // the sound server's name for the stream
    qint64 procId = 0;
    bool system = false; // the desktop's event sounds
    double volume = 0;   // 0 to 1
    QString exePath;     // the process's program file; may be empty
    QString appName;     // the name the stream gives its program; may be empty
    QString device;      // the sound server's number of the device it plays on
};

class IAudioBackend {
public:
    virtual ~IAudioBackend() = default;
    // Each answers false when the device (or the sound server) is missing or the request failed.
    virtual bool GetVolume(AudioFlow flow, double* volume) = 0;
    virtual bool SetVolume(AudioFlow flow, double volume) = 0;
    virtual bool GetMute(AudioFlow flow, bool* mute) = 0;
    virtual bool SetMute(AudioFlow flow, bool mute) = 0;
    // The streams of the default playback device; false without a sound server.
    virtual bool ListSessions(QList<AudioSession>* sessions) = 0;
    virtual bool SetSessionVolume(const QString& id, double volume) = 0;
    // The master volume of the sound card, used when there is no playback device: left channel in the low
    // 16 bits, right in the high 16 bits, each 0 to 65535.
    virtual bool GetFallbackVolume(quint32* packed) = 0;
    virtual bool SetFallbackVolume(quint32 packed) = 0;
};

class PactlAudioBackend : public IAudioBackend {
public:
    // Runs "pactl" and "amixer" through runner (not owned), or the platform layer's runner when null.
    explicit PactlAudioBackend(IProcessRunner* runner = nullptr) : m_runner(runner) {}

    bool GetVolume(AudioFlow flow, double* volume) override;
    bool SetVolume(AudioFlow flow, double volume) override;
    bool GetMute(AudioFlow flow, bool* mute) override;
    bool SetMute(AudioFlow flow, bool mute) override;
    bool ListSessions(QList<AudioSession>* sessions) override;
    bool SetSessionVolume(const QString& id, double volume) override;
    bool GetFallbackVolume(quint32* packed) override;
    bool SetFallbackVolume(quint32 packed) override;

    // The highest channel of a "Volume:" line as 0 to 1 (or more when amplified); -1 when there is none.
    static double ParseVolume(const QByteArray& text);
    // The streams of "pactl list sink-inputs".
    static QList<AudioSession> ParseSinkInputs(const QByteArray& text);
    // The number of the named device in "pactl list short sinks"; empty when it is not listed.
    static QString FindShortDevice(const QByteArray& text, const QByteArray& name);

private:
    IProcessRunner& Runner() const;
    bool Pactl(const QStringList& args, QByteArray* output = nullptr) const;
    IProcessRunner* m_runner;
};

class FakeAudioBackend : public IAudioBackend {
public:
    bool GetVolume(AudioFlow flow, double* volume) override;
    bool SetVolume(AudioFlow flow, double volume) override;
    bool GetMute(AudioFlow flow, bool* mute) override;
    bool SetMute(AudioFlow flow, bool mute) override;
    bool ListSessions(QList<AudioSession>* sessions) override;
    bool SetSessionVolume(const QString& id, double volume) override;
    bool GetFallbackVolume(quint32* packed) override;
    bool SetFallbackVolume(quint32 packed) override;

    bool renderPresent = true;
    bool capturePresent = true;
    bool serverPresent = true; // sessions
    bool fallbackPresent = true;
    double volume[2] = {0, 0}; // render, capture
    bool mute[2] = {false, false};
    quint32 fallback = 0;
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
