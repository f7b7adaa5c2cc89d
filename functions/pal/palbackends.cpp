#include "functions/pal/palbackends.h"

#include "functions/pal/audio.h"
#include "functions/pal/mediaplayermixer.h"
#include "functions/pal/processrunner.h"
#include "functions/pal/pulseaudiobackend.h"
#include "functions/pal/syscommands.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace PAL_INT {

namespace {
IProcessRunner* g_runner = nullptr;
IAudioBackend* g_audio = nullptr;
ISystemPower* g_power = nullptr;
IMusicMixer* g_music = nullptr;

// The sound server's client, from the first use (or the platform layer's start) to the platform layer's end.
std::unique_ptr<PulseAudioBackend> g_soundServer;
bool g_soundServerStopped = false;
// After the end: every device missing.
FakeAudioBackend& NoAudio() {
    static FakeAudioBackend none = [] {
        FakeAudioBackend b;
        b.renderPresent = b.capturePresent = b.serverPresent = false;
        return b;
    }();
    return none;
}
} // namespace

IProcessRunner& ProcessRunner() {
    static QProcessRunner real;
    return g_runner ? *g_runner : real;
}

IAudioBackend& AudioBackend() {
    if (g_audio)
        return *g_audio;
    if (g_soundServerStopped)
        return NoAudio();
    StartSoundServerClient();
    return *g_soundServer;
}

void StartSoundServerClient() {
    if (!g_soundServer && !g_soundServerStopped)
        g_soundServer = std::make_unique<PulseAudioBackend>();
}

void StopSoundServerClient() {
    g_soundServer.reset();
    g_soundServerStopped = true;
}

ISystemPower& SystemPower() {
    if (g_power)
        return *g_power;
    static RecordingSystemPower recorder;
    if (qEnvironmentVariableIsSet("MERVEX_RECORD_POWER"))
        return recorder;
    // Lives as long as the application, whose event loop takes logind's answers.
    static QPointer<LogindSystemPower> real;
    if (!real)
        real = new LogindSystemPower(QDBusConnection::systemBus(), LogindSystemPower::DefaultCallTimeoutMs,
                                     QCoreApplication::instance());
    return *real;
}

IMusicMixer* MusicMixer() {
    static MediaPlayerMixer players;
    return g_music ? g_music : &players;
}

void SetProcessRunner(IProcessRunner* runner) {
    g_runner = runner;
}

void SetAudioBackend(IAudioBackend* backend) {
    g_audio = backend;
}

void SetSystemPower(ISystemPower* power) {
    g_power = power;
}

void SetMusicMixer(IMusicMixer* mixer) {
    g_music = mixer;
}

} // namespace PAL_INT
