#include "foundation/profiler.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Keeps the scope from being optimised into nothing while measuring only the guard.
__attribute__((noinline)) void ScopedCall() {
    PROFILE_SCOPE("Bench::ScopedCall");
    benchmark::ClobberMemory();
}

void BM_ScopeRegisteredThread(benchmark::State& state) {
    ProfileInit();
    ProfileRegisterThread(ProfileNextGroup());
    for (auto _ : state)
        ScopedCall();
}
BENCHMARK(BM_ScopeRegisteredThread);

void BM_ScopeUnregisteredThread(benchmark::State& state) {
    ProfileInit();
    bool done = false;
    // A fresh thread that never registers.
    std::thread([&] {
        for (auto _ : state)
            ScopedCall();
        done = true;
    }).join();
    benchmark::DoNotOptimize(done);
}
BENCHMARK(BM_ScopeUnregisteredThread);

// One sample over 100 registered threads, each holding 10 open scopes.
void BM_SampleHundredThreads(benchmark::State& state) {
    ProfileInit();
    static const char* const labels[10] = {"A::a", "B::b", "C::c", "D::d", "E::e",
                                           "F::f", "G::g", "H::h", "I::i", "J::j"};
    std::atomic<bool> stop{false};
    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 100; ++t) {
        threads.emplace_back([&, t] {
            ProfileRegisterThread(t % 4);
            for (const char* l : labels)
                ProfileEnter(l);
            ++ready;
            while (!stop.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            for (int i = 0; i < 10; ++i)
                ProfileLeave();
        });
    }
    while (ready.load() < 100)
        std::this_thread::yield();
    ProfileStats stats;
    for (auto _ : state)
        stats.Sample();
    stop = true;
    for (auto& t : threads)
        t.join();
    state.counters["total"] = double(stats.Total());
}
BENCHMARK(BM_SampleHundredThreads)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
