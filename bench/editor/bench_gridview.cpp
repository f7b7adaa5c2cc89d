// The grid canvas with a 48-control grid of the default configuration: a full layout (every edit and
// every phone view relays the whole grid), and one 100 ms canvas tick with nothing changed.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "editor/gridview.h"
#include "functions/funcregistry.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Every provider answers a fixed value: nothing the controls show ever changes.
class SteadyRegistry : public FuncRegistry {
public:
    QVariant CallProviderFunction(const QString&, const QVariantList&) override { return 0.25; }
    QStringList GetDataSourceNames(bool) override { return {}; }
    bool GetDataSourceEntries(const QString&, QVariantMap*) override { return false; }
    bool CallDataSourceFunc(const QString&, const QString&, const QVariantList&, QVariant*) override { return false; }
    MacroPlayer* NewMacroPlayer(QObject*) override { return nullptr; }
};

// 12 rows of 1x1 controls: key buttons and mute toggles.
DataCfg::TGrid Grid48() {
    DataCfg::TGrid g;
    g.NewId();
    g.Name = QStringLiteral("Bench");
    g.Set = QStringLiteral("B");
    g.Height = 12;
    for (int i = 0; i < 48; ++i) {
        DataCfg::TGridElem e;
        e.Control = QLatin1String(i % 2 ? "MVX_Base:Mute Toggle" : "MVX_Base:Key Button");
        e.Position = QPoint(i % 4, i / 4);
        g.Elements << e;
    }
    return g;
}

void BM_SetGrid48(benchmark::State& state) {
    GridView grid;
    const DataCfg::TGrid g = Grid48();
    for (auto _ : state)
        grid.SetGrid(g);
    state.SetItemsProcessed(state.iterations() * 48);
    state.SetLabel("per item: one control");
}
BENCHMARK(BM_SetGrid48)->Unit(benchmark::kMillisecond);

void BM_CanvasTick48(benchmark::State& state) {
    GridView grid;
    grid.SetGrid(Grid48());
    for (int i = 0; i < 10; ++i)
        grid.OnUpdate();
    for (auto _ : state)
        grid.OnUpdate();
    state.SetItemsProcessed(state.iterations() * 48);
    state.SetLabel("per item: one control");
}
BENCHMARK(BM_CanvasTick48);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Composed graphics are kept in the image manager, as in the program.
    ImgDataMgrGfxStore store;
    GfxCache::SetStore(&store);
    const QString data = QStringLiteral(MERVEX_SOURCE_DIR "/data");
    PluginTools::SetDataPath(data + QLatin1Char('/'));
    DataCfg cfg;
    if (!cfg.LoadIncludeFile(data, QStringLiteral("mainCfg.json")))
        return 1;
    ImgDataMgr images;
    SteadyRegistry registry;
    FuncRegistry::SetInstance(&registry);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    FuncRegistry::SetInstance(nullptr);
    return 0;
}
