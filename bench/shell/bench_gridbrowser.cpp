// The browse tab's rebuild (grouping, emptying the old view, one tile or row per grid) with many grids in the
// model, in the tile view and in the list view: it runs every time the tab is shown, the tab list changes or
// the language switches.

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "editor/mtegridedit.h"
#include "functions/plugintools.h"
#include "shell/mteasyctrl.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void Rebuild(benchmark::State& state) {
    QTemporaryDir user;
    PluginTools::SetUserPath(user.path());
    DataCfg cfg;
    for (int i = 0; i < state.range(0); ++i) {
        DataCfg::TGrid g;
        g.NewId();
        g.Set = i % 3 ? QStringLiteral("Racing") : QStringLiteral("[MERVEX]");
        g.Signed = true;
        g.Name = QStringLiteral("Grid %1").arg(i);
        g.Icon = QStringLiteral("TabIconCustom");
        cfg.Grids() << g;
    }
    auto* editor = new MTEGridEdit;
    MTEasyCtrl tab(nullptr, editor);
    tab.Init();
    if (state.range(1))
        tab.List()->showListView();
    for (auto _ : state)
        tab.List()->Rebuild();
    state.counters["items"] = tab.List()->Items().size();
}
BENCHMARK(Rebuild)->Args({100, 0})->Args({1000, 0})->Args({100, 1})->Args({1000, 1})->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
