#include "foundation/logger/QsLog.h"
#include "runtime/vorbisdecoder.h"
#include "runtime/wavheader.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(MERVEX_SOURCE_DIR "/tests/runtime/fixtures/sound/") + QLatin1String(name);
}

void BM_WavHeader(benchmark::State& state) {
    QFile file(Fixture("tone16.wav"));
    if (!file.open(QIODevice::ReadOnly))
        return state.SkipWithError("fixture missing");
    QByteArray bytes = file.readAll();
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    for (auto _ : state) {
        WavHeader header;
        benchmark::DoNotOptimize(ReadWavHeader(&device, header));
    }
}
BENCHMARK(BM_WavHeader);

// Open and decode of a 0.3 s mono Ogg file, as a button sound is played.
void BM_VorbisOpenDecode(benchmark::State& state) {
    GetLogger().SetLevel(QsLogging::InfoLevel);
    const QString path = Fixture("tone_mono.ogg");
    for (auto _ : state) {
        VorbisDecoder decoder(state.range(0) != 0);
        if (!decoder.Open(path) || decoder.DecodeAll().isEmpty())
            return state.SkipWithError("decode failed");
    }
}
BENCHMARK(BM_VorbisOpenDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
