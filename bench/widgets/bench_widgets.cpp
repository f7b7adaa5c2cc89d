// Costs the windows pay often: image look-ups through the cache and the recomposition of tiled buttons
// on every resize.
#include "functions/loadimagecached.h"
#include "functions/plugintools.h"
#include "widgets/stdbtn.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A cache hit still checks the file's modification time; that is the price of noticing replaced files.
void BM_LoadImageCachedHit(benchmark::State& state) {
    QTemporaryDir dir;
    PluginTools::SetDataPath(dir.path());
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(dir.path() + QStringLiteral("/icon.png"));
    const QString path = QStringLiteral("/icon.png");
    LoadImageCached(path, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadImageCached(path, true));
}
BENCHMARK(BM_LoadImageCachedHit);

void BM_LoadImageUncached(benchmark::State& state) {
    QTemporaryDir dir;
    PluginTools::SetDataPath(dir.path());
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(dir.path() + QStringLiteral("/icon.png"));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadImageCached(QStringLiteral("/icon.png"), false));
}
BENCHMARK(BM_LoadImageUncached);

void BM_ComposeStdBtn(benchmark::State& state) {
    StdBtn b(nullptr, 0);
    b.setAttribute(Qt::WA_DontShowOnScreen);
    b.resize(int(state.range(0)), 23);
    for (auto _ : state)
        b.ComposeImages();
}
BENCHMARK(BM_ComposeStdBtn)->Arg(80)->Arg(400);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
