#pragma once
// The sound server (PulseAudio, or PipeWire's PulseAudio service) through its client library, on a client
// thread of its own. The default playback and recording devices and the playback streams are kept in memory
// from the server's change events, so the getters never wait; setters are sent without waiting for the
// answer. Without a reachable server every getter answers "missing"; the client tries again later, with
// growing pauses, and never starts a server of its own.

#include "functions/pal/audio.h"

#include <memory>

namespace PAL_INT {

class PulseAudioBackend : public IAudioBackend {
public:
    // Starts the client thread and the first connection attempt. server: the server's address, empty for the
    // user's default one.
    explicit PulseAudioBackend(const QString& server = QString());
    // Disconnects and ends the client thread.
    ~PulseAudioBackend() override;

    bool GetVolume(AudioFlow flow, double* volume) override;
    bool SetVolume(AudioFlow flow, double volume) override;
    bool GetMute(AudioFlow flow, bool* mute) override;
    bool SetMute(AudioFlow flow, bool mute) override;
    bool ListSessions(QList<AudioSession>* sessions) override;
    bool SetSessionVolume(const QString& id, double volume) override;

    // Connected, with both default devices known; for tests and benchmarks.
    bool IsReady() const;
    // Connection attempts made so far (the first included).
    int ConnectAttempts() const;

    struct Client;

private:
    std::unique_ptr<Client> d;
};

} // namespace PAL_INT
