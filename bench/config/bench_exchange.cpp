// Package round trips: a package of 20 controls and 10 grids with 40 resource pictures exported, and the same
// package imported (unpacked on the worker thread, resources copied, references rewritten).
#include "config/datacfgrecords.h"
#include "config/dataexchange.h"
#include "config/ziputils.h"
#include "functions/plugintools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
struct Package {
    QTemporaryDir tmp;
    DataCfg cfg;
    DataCfg::TCtrlSet controls;
    QList<DataCfg::TGrid> grids;

    Package() {
        qputenv("XDG_RUNTIME_DIR", tmp.path().toLocal8Bit());
        PluginTools::SetUserPath(tmp.path() + QStringLiteral("/user/"));
        DataCfg::TControl c;
        c.Name = QStringLiteral("Button");
        c.Set = QStringLiteral("Base");
        DataCfg::TConfigOption icon;
        icon.Read(QVariantMap{{"Name", "Icon"}, {"Type", "File"}});
        c.Config.Options << icon;
        cfg.Controls() << c;
        QDir().mkpath(tmp.path() + QStringLiteral("/pics"));
        for (int i = 0; i < 40; ++i) {
            QFile f(tmp.path() + QStringLiteral("/pics/p%1.png").arg(i));
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(20000 + i, char('a' + i % 26)));
        }
        for (int i = 0; i < 20; ++i) {
            DataCfg::TCtrlRef r;
            r.Name = QStringLiteral("C%1").arg(i);
            r.Control = QStringLiteral("Base:Button");
            r.Config = QVariantMap{{"Icon", tmp.path() + QStringLiteral("/pics/p%1.png").arg(i)}};
            controls.Elements << r;
        }
        for (int i = 0; i < 10; ++i) {
            DataCfg::TGrid g;
            g.Name = QStringLiteral("G%1").arg(i);
            g.Background = tmp.path() + QStringLiteral("/pics/p%1.png").arg(20 + i);
            for (int k = 0; k < 8; ++k) {
                DataCfg::TGridElem e;
                e.Control = QStringLiteral("Base:Button");
                e.Position = QPoint(k % 4, k / 4);
                e.Config = QVariantMap{{"Icon", tmp.path() + QStringLiteral("/pics/p%1.png").arg(30 + k)}};
                g.Elements << e;
            }
            grids << g;
        }
    }
    QString Archive() const { return tmp.path() + QStringLiteral("/pack.mvlp"); }
};

Package& Shared() {
    static Package p;
    return p;
}

void BM_ExportPackage(benchmark::State& state) {
    Package& p = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportPackage(p.Archive(), p.controls, p.grids, QVariantMap{{"Name", "B"}}));
}
BENCHMARK(BM_ExportPackage)->Unit(benchmark::kMillisecond);

void BM_ImportPackage(benchmark::State& state) {
    Package& p = Shared();
    ExportPackage(p.Archive(), p.controls, p.grids, QVariantMap{{"Name", "B"}});
    const QString dest = p.tmp.path() + QStringLiteral("/user/Import/rsc/");
    for (auto _ : state) {
        DataCfg::TCtrlSet list;
        QList<DataCfg::TGrid> grids;
        QVariant info;
        benchmark::DoNotOptimize(ImportPackage(p.Archive(), list, grids, info, dest));
    }
}
BENCHMARK(BM_ImportPackage)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
