// Control views of a 48-control grid of the default configuration: one 100 ms grid tick with nothing
// changed (tick, update check), and the View record of an unchanged view (the id alone).

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "functions/funcregistry.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"

#include <QApplication>
#include <memory>
#include <vector>

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

struct Grid {
    std::vector<std::unique_ptr<CtrlView>> views;
    std::vector<QVariantMap> kept;
    QVariantMap sources;
    uint ms = 0;

    Grid() {
        static const char* const names[] = {"Key Button", "Mute Toggle", "Volume Slider", "Key Button"};
        for (int i = 0; i < 48; ++i) {
            auto v = std::make_unique<CtrlView>();
            v->SetScale(0.5);
            v->SetGridPos(i % 4, i / 4);
            v->Init(DataCfg::Instance()->FindControl(QLatin1String(names[i % 4]), QStringLiteral("MVX_Base")));
            views.push_back(std::move(v));
        }
        // Settle: one record each, kept as the phone session keeps it.
        kept.resize(views.size());
        for (size_t i = 0; i < views.size(); ++i) {
            views[i]->OnCheckUpdate();
            const QVariantMap rec = views[i]->BuildViewUpdate(sources, kept[i]);
            kept[i] = MergeVariantMaps(kept[i], rec, {QStringLiteral("ld")});
        }
    }
};

Grid& TheGrid() {
    static Grid grid;
    return grid;
}

void BM_GridTickUnchanged(benchmark::State& state) {
    Grid& g = TheGrid();
    for (auto _ : state) {
        const uint prev = g.ms;
        g.ms += 100;
        for (auto& v : g.views) {
            v->OnTick(prev, g.ms);
            v->OnCheckUpdate();
        }
    }
    state.SetItemsProcessed(state.iterations() * int64_t(g.views.size()));
    state.SetLabel("per item: one control");
}
BENCHMARK(BM_GridTickUnchanged);

void BM_ViewUpdateUnchanged(benchmark::State& state) {
    Grid& g = TheGrid();
    size_t i = 0;
    int keys = 0;
    for (auto _ : state) {
        QVariantMap prev = g.kept[i];
        int changed = 0;
        const QVariantMap rec = g.views[i]->BuildViewUpdate(g.sources, prev, &changed);
        keys += rec.size();
        i = (i + 1) % g.views.size();
    }
    state.counters["keys_per_record"] = benchmark::Counter(keys, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ViewUpdateUnchanged);

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
