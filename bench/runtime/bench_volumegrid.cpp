// Ticks of the default configuration's "Media" grid (volume sliders, mute toggles, media keys), built as the
// phone server builds its control views, with the real built-in functions and the live sound server when one
// is reachable: per control view, the tick and the update check.

#include "config/datacfg.h"
#include "config/datacfgrecords.h"
#include "functions/deffuncprovider.h"
#include "functions/funcmgr.h"
#include "functions/funcmgrregistry.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/pulseaudiobackend.h"
#include "functions/plugintools.h"
#include "runtime/ctrlview.h"
#include "runtime/dcscriptobjectfactory.h"
#include "runtime/imgdatamgr.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

std::vector<std::unique_ptr<CtrlView>> g_views;
bool g_live = false;

void BuildMediaGrid(DataCfg& cfg) {
    for (const DataCfg::TGrid& grid : cfg.Grids()) {
        if (grid.Name != QLatin1String("Media"))
            continue;
        for (const DataCfg::TGridElem& e : grid.Elements) {
            DataCfg::TControl control = cfg.FindControl(e.Control);
            control.Config.SetValues(e.Config);
            auto view = std::make_unique<CtrlView>();
            view->SetGridPos(e.Position.x(), e.Position.y());
            view->Init(control);
            QVariantMap sources, kept;
            view->OnCheckUpdate();
            view->BuildViewUpdate(sources, kept);
            g_views.push_back(std::move(view));
        }
    }
}

// step_ms 100: the grid's 100 ms tick, in which the views ask their functions once a second; 1000: every tick
// asks them (volumes, mutes) and runs the skins' tick scripts.
void BM_MediaGridTick(benchmark::State& state) {
    const uint step = uint(state.range(0));
    uint ms = 1000;
    for (auto _ : state) {
        const uint previous = ms;
        ms += step;
        for (auto& view : g_views) {
            view->OnTick(previous, ms);
            view->OnCheckUpdate();
        }
    }
    state.SetItemsProcessed(state.iterations() * int64_t(g_views.size()));
    state.SetLabel(QStringLiteral("per item: one control view of %1; %2")
                       .arg(g_views.size())
                       .arg(g_live ? QStringLiteral("live sound server") : QStringLiteral("no sound server"))
                       .toStdString());
}
BENCHMARK(BM_MediaGridTick)->ArgName("step_ms")->Arg(100)->Arg(1000);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString data = QStringLiteral(MERVEX_SOURCE_DIR "/data");
    PluginTools::SetDataPath(data + QLatin1Char('/'));
    DCScriptObjectFactory::Install();
    FuncMgrRegistry registry;
    FuncRegistry::SetInstance(&registry);
    RegisterBuiltInFuncProvider([]() -> IFuncProvider* { return new DefFuncProvider; });
    PAL_INT::StartSoundServerClient();
    auto* client = dynamic_cast<PAL_INT::PulseAudioBackend*>(&PAL_INT::AudioBackend());
    QElapsedTimer clock;
    clock.start();
    while (client && !client->IsReady() && clock.elapsed() < 3000)
        QThread::msleep(10);
    g_live = client && client->IsReady();
    ImgDataMgr images;
    DataCfg cfg;
    cfg.LoadDataFolder(data);
    BuildMediaGrid(cfg);
    if (g_views.empty())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_views.clear();
    DeleteFuncProviders();
    FuncRegistry::SetInstance(nullptr);
    PAL_INT::StopSoundServerClient();
    return 0;
}
