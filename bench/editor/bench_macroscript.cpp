// Recording compacts the whole script after every key release: the cost of one release at the end of a
// typed run of n keys, and of a recording kept apart by delays (nothing merges).

#include "editor/macroscript.h"

#include <QCoreApplication>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

QString TypedRun(int keys) {
    QString script;
    for (int i = 0; i < keys; ++i)
        script = MacroScript::Compact(script + QStringLiteral("d %1;u %1;").arg(QChar('A' + i % 26)));
    return script;
}

void BM_CompactTypedRelease(benchmark::State& state) {
    const QString before = TypedRun(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroScript::Compact(before + QStringLiteral("d Q;u Q;")));
}
BENCHMARK(BM_CompactTypedRelease)->Arg(100)->Arg(2000);

void BM_CompactWithDelays(benchmark::State& state) {
    QString script;
    for (int i = 0; i < state.range(0); ++i)
        script += QStringLiteral("d A;12;u A;9;");
    for (auto _ : state)
        benchmark::DoNotOptimize(MacroScript::Compact(script));
}
BENCHMARK(BM_CompactWithDelays)->Arg(100)->Arg(2000);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
