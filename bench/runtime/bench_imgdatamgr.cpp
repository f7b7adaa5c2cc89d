#include "runtime/imgdatamgr.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

QImage Picture(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgba((x + seed) & 255, (y * 3) & 255, (x ^ y) & 255, 255);
    }
    return img;
}

// A view re-registers its element images on every update; unchanged ones must cost a key compare and the
// table look-ups, not a hash over the pixels.
void BM_ReRegisterUnchanged(benchmark::State& state) {
    ImgDataMgr mgr;
    ImgData d;
    d.Image = Picture(int(state.range(0)), int(state.range(0)), 1);
    if (state.range(1))
        d.SourceName = QStringLiteral("Gfx:BtnRound|160x160|tiled 3x3|#65c3f7");
    mgr.AddImgData(d);
    for (auto _ : state)
        benchmark::DoNotOptimize(mgr.AddImgData(d));
}
BENCHMARK(BM_ReRegisterUnchanged)->ArgNames({"side", "named"})->Args({160, 0})->Args({160, 1})->Args({640, 0});

// For comparison: the first registration of a changed image hashes every pixel.
void BM_RegisterChanged(benchmark::State& state) {
    ImgDataMgr mgr;
    ImgData d;
    d.Image = Picture(int(state.range(0)), int(state.range(0)), 1);
    int n = 0;
    for (auto _ : state) {
        d.Image.setPixel(0, 0, qRgba(++n & 255, 0, 0, 255)); // detaches: a new cache key
        benchmark::DoNotOptimize(mgr.AddImgData(d));
        if (mgr.ImageCount() > 1000) {
            state.PauseTiming();
            mgr.Flush();
            state.ResumeTiming();
        }
    }
    state.SetBytesProcessed(state.iterations() * d.Image.sizeInBytes());
}
BENCHMARK(BM_RegisterChanged)->Arg(160);

// The phone keeps asking for an image at one scale: the stored PNG is handed out.
void BM_GetRscDataEncoded(benchmark::State& state) {
    ImgDataMgr mgr;
    const quint64 id = mgr.AddImage(Picture(320, 160, 2));
    const double scale = state.range(0) / 100.0;
    mgr.GetRscData(id, scale);
    for (auto _ : state)
        benchmark::DoNotOptimize(mgr.GetRscData(id, scale));
}
BENCHMARK(BM_GetRscDataEncoded)->ArgName("scale%")->Arg(100)->Arg(50);

// For comparison: alternating scales re-encode on every request.
void BM_GetRscDataReencode(benchmark::State& state) {
    ImgDataMgr mgr;
    const quint64 id = mgr.AddImage(Picture(320, 160, 2));
    bool half = false;
    for (auto _ : state) {
        half = !half;
        benchmark::DoNotOptimize(mgr.GetRscData(id, half ? 0.5 : 1.0));
    }
}
BENCHMARK(BM_GetRscDataReencode)->Unit(benchmark::kMicrosecond);

// One maintenance pass over a large table in which nothing expires.
void BM_Maintenance(benchmark::State& state) {
    ImgDataMgr mgr;
    QImage img = Picture(8, 8, 0);
    for (int i = 0; i < state.range(0); ++i) {
        img.setPixel(0, 0, 0xff000000u | quint32(i));
        mgr.AddImage(img);
    }
    state.counters["entries"] = mgr.ImageCount();
    for (auto _ : state)
        mgr.Maintenance();
}
BENCHMARK(BM_Maintenance)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the manager's timer wants an event dispatcher
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
