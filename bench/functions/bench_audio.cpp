// The audio functions as control scripts call them at every tick, against the live sound server when one
// is reachable (scripts/test.sh starts one; a desktop session has its own): getters answer from memory,
// setters are sent without waiting. Without a server the getters answer the missing-device values, which
// the label says.

#include "functions/pal/audio.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/pulseaudiobackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

bool ServerReady() {
    static const bool ready = [] {
        auto* client = dynamic_cast<PAL_INT::PulseAudioBackend*>(&PAL_INT::AudioBackend());
        QElapsedTimer clock;
        clock.start();
        while (client && !client->IsReady() && clock.elapsed() < 3000)
            QThread::msleep(10);
        return client && client->IsReady();
    }();
    return ready;
}

void Label(benchmark::State& state) {
    state.SetLabel(ServerReady() ? "live sound server" : "no sound server");
}

void BM_GetMainVolume(benchmark::State& state) {
    Label(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(PAL::GetMainVolume());
}
BENCHMARK(BM_GetMainVolume);

void BM_GetMicroMute(benchmark::State& state) {
    Label(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(PAL::GetMicroMute());
}
BENCHMARK(BM_GetMicroMute);

void BM_GetAudioSessions(benchmark::State& state) {
    Label(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(PAL::GetAudioSessions());
}
BENCHMARK(BM_GetAudioSessions);

// A slider drag: each set goes to the server without waiting for it.
void BM_SetMainVolume(benchmark::State& state) {
    Label(state);
    double volume = 0.5;
    for (auto _ : state) {
        volume = volume > 0.5 ? 0.4 : 0.6;
        benchmark::DoNotOptimize(PAL::SetMainVolume(volume));
    }
}
BENCHMARK(BM_SetMainVolume);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    PAL_INT::StartSoundServerClient();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    PAL_INT::StopSoundServerClient();
    return 0;
}
