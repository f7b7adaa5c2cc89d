// The browse tab's rebuild (grouping, emptying the old view, one tile or row per grid) with many grids in the
// model, in the tile view and in the list view: it runs every time the tab is shown, the tab list changes or
// the language switches. FirstBuild is the tab made and filled once, as at start-up. Each step counts the
// posted events it leaves (layout requests, polishing), which the event loop would run next.
// Yardstick: the same number of plain Qt widgets (a box with a picture and two texts, in rows of four) built
// and torn down in the same run, so that figures measured under other load can be compared.

#include "config/datacfg.h"
#include "config/tgrid.h"
#include "editor/mtegridedit.h"
#include "functions/plugintools.h"
#include "shell/mteasyctrl.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
void FillModel(DataCfg& cfg, int grids) {
    for (int i = 0; i < grids; ++i) {
        DataCfg::TGrid g;
        g.NewId();
        g.Set = i % 3 ? QStringLiteral("Racing") : QStringLiteral("[MERVEX]");
        g.Signed = true;
        g.Name = QStringLiteral("Grid %1").arg(i);
        g.Icon = QStringLiteral("TabIconCustom");
        cfg.Grids() << g;
    }
}

void Rebuild(benchmark::State& state) {
    QTemporaryDir user;
    PluginTools::SetUserPath(user.path());
    DataCfg cfg;
    FillModel(cfg, int(state.range(0)));
    auto* editor = new MTEGridEdit;
    MTEasyCtrl tab(nullptr, editor);
    tab.Init();
    if (state.range(1))
        tab.List()->showListView();
    QCoreApplication::sendPostedEvents();
    for (auto _ : state) {
        tab.List()->Rebuild();
        QCoreApplication::sendPostedEvents();
    }
    state.counters["items"] = tab.List()->Items().size();
}
BENCHMARK(Rebuild)->Args({100, 0})->Args({1000, 0})->Args({100, 1})->Args({1000, 1})->Unit(benchmark::kMillisecond);

void FirstBuild(benchmark::State& state) {
    QTemporaryDir user;
    PluginTools::SetUserPath(user.path());
    DataCfg cfg;
    FillModel(cfg, int(state.range(0)));
    for (auto _ : state) {
        auto* editor = new MTEGridEdit;
        auto tab = std::make_unique<MTEasyCtrl>(nullptr, editor);
        tab->Init();
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        tab.reset();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstBuild)->Arg(1000)->Unit(benchmark::kMillisecond);

// The yardstick: plain widgets as many as the tiles, built, laid out and deleted.
void QtYardstick(benchmark::State& state) {
    QWidget content;
    content.resize(585, 2000);
    for (auto _ : state) {
        auto* column = new QVBoxLayout(&content);
        QHBoxLayout* row = nullptr;
        for (int i = 0; i < state.range(0); ++i) {
            if (i % 4 == 0) {
                row = new QHBoxLayout;
                column->addLayout(row);
            }
            auto* box = new QWidget(&content);
            box->setFixedSize(136, 148);
            auto* inner = new QVBoxLayout(box);
            auto* picture = new QLabel(box);
            picture->setFixedSize(90, 90);
            inner->addWidget(picture);
            inner->addWidget(new QLabel(QStringLiteral("Grid %1").arg(i), box));
            inner->addWidget(new QLabel(box));
            row->addWidget(box);
            box->show();
        }
        content.resize(585, column->sizeHint().height());
        QCoreApplication::sendPostedEvents();
        qDeleteAll(content.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        delete column;
        QCoreApplication::sendPostedEvents();
    }
}
BENCHMARK(QtYardstick)->Arg(1000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
