#include "functions/pal/palbackends.h"

#include "functions/pal/audio.h"
#include "functions/pal/mediaplayermixer.h"
#include "functions/pal/processrunner.h"
#include "functions/pal/syscommands.h"

namespace PAL_INT {

namespace {
IProcessRunner* g_runner = nullptr;
IAudioBackend* g_audio = nullptr;
ISystemPower* g_power = nullptr;
IMusicMixer* g_music = nullptr;
} // namespace

IProcessRunner& ProcessRunner() {
    static QProcessRunner real;
    return g_runner ? *g_runner : real;
}

IAudioBackend& AudioBackend() {
    // Uses the installed runner, so a recording runner also sees what the audio would run.
    static PactlAudioBackend real;
    return g_audio ? *g_audio : real;
}

ISystemPower& SystemPower() {
    if (g_power)
        return *g_power;
    static RecordingSystemPower recorder;
    if (qEnvironmentVariableIsSet("MERVEX_RECORD_POWER"))
        return recorder;
    static LogindSystemPower real;
    return real;
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
