#include "functions/pal/pal.h"
#include "functions/pal/sysstat.h"

#include <benchmark/benchmark.h>

// One refresh of each statistics category on the live /proc and /sys, as the statistics thread does it once an
// interval has passed; the clock moves on by more than any interval between two refreshes.
namespace {

qint64 g_clock = 0;

void Prepare() {
    PAL_INT::SetStatSource(nullptr);
    PAL_INT::ResetSysStats();
    PAL_INT::SetStatClock([] { return g_clock; });
}

template <void (*Update)(), void (*Ask)()> void BM_Refresh(benchmark::State& state) {
    Prepare();
    for (auto _ : state) {
        g_clock += 20000;
        Ask();
        Update();
    }
}

void AskRam() {
    PAL::GetRAMTotal();
}
void AskCpus() {
    PAL::GetCPUUsage(-1);
}
void AskNets() {
    PAL::GetNetRx(0);
}
void AskDrives() {
    PAL::GetDriveCount();
}
void AskNothing() {}

void BM_Getters(benchmark::State& state) {
    Prepare();
    PAL_INT::_UpdateCPUs();
    PAL_INT::_UpdateDrives();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PAL::GetCPUUsage(-1));
        benchmark::DoNotOptimize(PAL::GetRAMUsage());
        benchmark::DoNotOptimize(PAL::GetNetRx(0));
        benchmark::DoNotOptimize(PAL::GetDriveUsedPrc(QStringLiteral("/")));
    }
}

} // namespace

BENCHMARK_TEMPLATE(BM_Refresh, PAL_INT::_UpdateRAM, AskRam)->Name("Refresh/Memory");
BENCHMARK_TEMPLATE(BM_Refresh, PAL_INT::_UpdateCPUs, AskCpus)->Name("Refresh/CPUs");
BENCHMARK_TEMPLATE(BM_Refresh, PAL_INT::_UpdateNets, AskNets)->Name("Refresh/Networks");
BENCHMARK_TEMPLATE(BM_Refresh, PAL_INT::_UpdateDrives, AskDrives)->Name("Refresh/Drives");
BENCHMARK_TEMPLATE(BM_Refresh, PAL_INT::_UpdateProcs, AskNothing)->Name("Refresh/Processes");
BENCHMARK(BM_Getters);

BENCHMARK_MAIN();
