#include "foundation/helpers.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
constexpr int kSize = 1 << 20;

// Smooth gradients with noise, roughly what decoded control images look like to a compressor.
const QByteArray& ImageLikeData() {
    static const QByteArray data = [] {
        QByteArray d(kSize, Qt::Uninitialized);
        QRandomGenerator gen(42);
        for (int i = 0; i < kSize; ++i)
            d[i] = char(((i / 4) % 256 + int(gen.bounded(8))) & 0xFF);
        return d;
    }();
    return data;
}

const QByteArray& RandomData() {
    static const QByteArray data = [] {
        QByteArray d(kSize, Qt::Uninitialized);
        QRandomGenerator gen(7);
        for (char& c : d)
            c = char(gen.bounded(256));
        return d;
    }();
    return data;
}

void BM_Crc64(benchmark::State& state) {
    const QByteArray& data = ImageLikeData();
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc64(data.constData(), data.size()));
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_Crc64);

void BM_DataHash(benchmark::State& state) {
    const QByteArray& data = ImageLikeData();
    for (auto _ : state)
        benchmark::DoNotOptimize(DataHash(data.constData(), data.size()));
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_DataHash);

void BM_GzipCompress(benchmark::State& state) {
    const QByteArray& data = state.range(0) ? RandomData() : ImageLikeData();
    const int level = int(state.range(1));
    qint64 outSize = 0;
    for (auto _ : state) {
        const QByteArray gz = GzipCompress(data, level);
        outSize = gz.size();
        benchmark::DoNotOptimize(gz.constData());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
    state.counters["ratio"] = double(outSize) / data.size();
}
// {random data?, level}
BENCHMARK(BM_GzipCompress)->Args({0, -1})->Args({0, 1})->Args({0, 9})->Args({1, -1})->Unit(benchmark::kMillisecond);

void BM_DeflateRaw(benchmark::State& state) {
    const QByteArray& data = ImageLikeData();
    for (auto _ : state)
        benchmark::DoNotOptimize(DeflateRaw(data, -1).constData());
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_DeflateRaw)->Unit(benchmark::kMillisecond);
} // namespace

// A macro of many steps whose separators are all escaped: one piece joined from every split part.
void BM_SplitEscapedJoined(benchmark::State& state) {
    QString text;
    for (int i = 0; i < state.range(0); ++i)
        text += QStringLiteral("key\\;");
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitEscaped(text, QStringLiteral(";")));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SplitEscapedJoined)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity();

BENCHMARK_MAIN();
