// Composition of a nine-patch graphic: a repeated request is a hash lookup plus an image copy (hit); a new
// composition draws the nine pieces (miss).
#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

DataCfg::TGfx NinePatch() {
    DataCfg::TGfx gfx;
    gfx.Name = QStringLiteral("BtnRound");
    gfx.Set = QStringLiteral("Bench");
    gfx.Tiling = DataCfg::GT_3x3;
    QImage src(48, 48, QImage::Format_ARGB32);
    src.fill(QColor(0x40, 0x90, 0xe0));
    QPainter p(&src);
    p.fillRect(16, 16, 16, 16, QColor(0xe0, 0xe0, 0xe0));
    p.end();
    gfx.Image = src;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            DataCfg::TGfxTile t;
            t.rect = QRectF(col * 16, row * 16, 16, 16);
            t.StretchX = t.StretchY = (row == 1 || col == 1);
            gfx.Tiles.append(t);
        }
    return gfx;
}

void BM_GetImageTiledHit(benchmark::State& state) {
    ImgDataMgr mgr;
    DataCfg::TGfx gfx = NinePatch();
    gfx.GetImageTiled(320, 160);
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx.GetImageTiled(320, 160));
}
BENCHMARK(BM_GetImageTiledHit);

void BM_GetImageTiledMiss(benchmark::State& state) {
    ImgDataMgr mgr;
    DataCfg::TGfx gfx = NinePatch();
    for (auto _ : state) {
        state.PauseTiming();
        mgr.Flush();
        state.ResumeTiming();
        benchmark::DoNotOptimize(gfx.GetImageTiled(320, 160));
    }
}
BENCHMARK(BM_GetImageTiledMiss);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Compositions are kept in the image manager, as in the program.
    ImgDataMgrGfxStore store;
    GfxCache::SetStore(&store);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
