#include "runtime/imgdata.h"

#include <benchmark/benchmark.h>

namespace {

QImage Picture(int side) {
    QImage img(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = qRgba(x & 255, y & 255, (x ^ y) & 255, (x * y) & 255);
    }
    return img;
}

// Each routine runs on a fresh copy, as an element regenerating its image does; items are pixels.
template <typename Fn> void RunOnCopies(benchmark::State& state, Fn&& fn) {
    const QImage src = Picture(int(state.range(0)));
    for (auto _ : state) {
        QImage img = src.copy();
        fn(img);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations() * src.width() * src.height());
}

void BM_Colorize(benchmark::State& state) {
    RunOnCopies(state, [](QImage& img) { ImgData::Colorize(img, QColor(101, 195, 247, 255)); });
}
BENCHMARK(BM_Colorize)->Arg(320);

void BM_Mask(benchmark::State& state) {
    const QImage mask = Picture(int(state.range(0)));
    RunOnCopies(state, [&mask](QImage& img) { ImgData::Mask(img, mask); });
}
BENCHMARK(BM_Mask)->Arg(320);

void BM_TabIconDesat(benchmark::State& state) {
    RunOnCopies(state, [](QImage& img) { ImgData::TabIconDesat(img); });
}
BENCHMARK(BM_TabIconDesat)->Arg(320);

void BM_CopyOnly(benchmark::State& state) {
    RunOnCopies(state, [](QImage&) {});
}
BENCHMARK(BM_CopyOnly)->Arg(320);

} // namespace

BENCHMARK_MAIN();
