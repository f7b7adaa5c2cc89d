#include "foundation/logger/QsLog.h"

#include <benchmark/benchmark.h>

namespace {

long g_formatted = 0;
// Counts every time the logger formats it: a suppressed line must not.
struct Costly {};
QDebug operator<<(QDebug dbg, const Costly&) {
    ++g_formatted;
    return dbg << QStringLiteral("costly text") << 3.14159;
}

void BM_LogBelowLevel(benchmark::State& state) {
    GetLogger().SetLevel(QsLogging::InfoLevel);
    g_formatted = 0;
    int value = 0;
    for (auto _ : state) {
        QLOG_DEBUG() << "Bench::Log:" << Costly() << ++value;
        benchmark::ClobberMemory();
    }
    state.counters["formatted"] = double(g_formatted);
}
BENCHMARK(BM_LogBelowLevel);

} // namespace

BENCHMARK_MAIN();
