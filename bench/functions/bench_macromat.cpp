// Costs of the key-name conversions and of macro playback on the main thread (a tick is 100 ms).
#include "foundation/logger/QsLog.h"
#include "functions/macromat.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keynames.h"
#include "functions/pal/pal.h"

#include <benchmark/benchmark.h>

namespace {

// Playback goes to a recorder that forgets, so nothing is typed and memory stays flat.
class NullSink : public PAL_INT::InputSink {
public:
    void Send(const QVector<PAL_INT::InputEvent>& events) override { benchmark::DoNotOptimize(events.size()); }
    quint16 KeyState(quint32) override { return 0; }
};

struct Quiet {
    NullSink sink;
    Quiet() {
        GetLogger().SetLevel(QsLogging::WarnLevel);
        PAL_INT::SetInputSink(&sink);
    }
    ~Quiet() { PAL_INT::SetInputSink(nullptr); }
};

void BM_KeyNameToCode(benchmark::State& state) {
    Quiet q;
    const QStringList names = {"F5", "a", "A", "PLUS", "SC(1d)", "MEDIAPLAY", "RCTRL", ","};
    for (auto _ : state) {
        for (const QString& n : names)
            benchmark::DoNotOptimize(PAL::KeyNameToCode(n));
    }
    state.SetItemsProcessed(state.iterations() * names.size());
}
BENCHMARK(BM_KeyNameToCode);

void BM_ShortcutRoundTrip(benchmark::State& state) {
    Quiet q;
    const QString text = QStringLiteral("LCTRL,LSHIFT,LALT+F5");
    for (auto _ : state) {
        QList<quint32> mods;
        const quint32 key = PAL::ParseShortcut(text, mods);
        benchmark::DoNotOptimize(PAL::KeyCodeToShortcut(key | 0x07u << 24));
    }
}
BENCHMARK(BM_ShortcutRoundTrip);

// Parsing a typed text of n characters (every character becomes two to six key steps).
void BM_ParseTypedText(benchmark::State& state) {
    Quiet q;
    const QString text = QStringLiteral("t ") + QString(int(state.range(0)), QLatin1Char('a')).replace(3, 1, "B");
    for (auto _ : state) {
        Macromat m;
        m.Parse(text);
        benchmark::DoNotOptimize(m.Steps().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseTypedText)->Arg(100)->Arg(10000);

// One full tick of the longest pause-free work a Process call may do.
void BM_ProcessFullTick(benchmark::State& state) {
    Quiet q;
    Macromat m;
    for (auto _ : state) {
        state.PauseTiming();
        m.Reset();
        m.Parse(QStringLiteral("r 9999;p LCTRL+C"));
        state.ResumeTiming();
        m.Process();
    }
    state.SetItemsProcessed(state.iterations() * Macromat::kMaxStepsPerProcess);
}
BENCHMARK(BM_ProcessFullTick);

} // namespace

BENCHMARK_MAIN();
