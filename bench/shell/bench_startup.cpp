// The main window's start-up on the shipped data folder: construction, both deferred steps (configuration,
// user configuration, custom grids, server opened on free ports) until StartupFinished, then destruction.
// Each iteration starts from a user folder that has already seen its first start.

#include "shell/composition.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void StartMainWindow(benchmark::State& state) {
    QTemporaryDir user;
    MervexWnd::Folders folders;
    folders.data = QStringLiteral(MERVEX_SOURCE_DIR "/data");
    folders.user = user.path();
    auto once = [&folders] {
        Composition program(folders);
        QEventLoop loop;
        QObject::connect(program.Window(), &MervexWnd::StartupFinished, &loop, &QEventLoop::quit);
        loop.exec();
        program.Window()->prepclose();
    };
    once(); // the first start writes the user's first custom grid
    for (auto _ : state)
        once();
}
BENCHMARK(StartMainWindow)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MERVEX_TCP_PORT", "0");
    qputenv("MERVEX_UDP_PORT", "0");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
