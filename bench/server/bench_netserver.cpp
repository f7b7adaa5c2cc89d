// Phone server round trips with real clients on loopback: a control message to the pushed view answer
// (one session, and twenty sessions sending at once), and the fetch of an already encoded image.

#include "foundation/logger/QsLog.h"
#include "tests/server/netfakes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTcpSocket>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
constexpr int kMessages = 10000;
// A full grid: the pushed difference lists every control, one of them changed.
constexpr int kControlsPerGrid = 48;

struct Rig {
    FakeGrids grids;
    FakePairing pairing;
    NetServer server;
    std::vector<std::unique_ptr<FakePhone>> phones;

    explicit Rig(int sessions) {
        grids.ctrlsPerGrid = kControlsPerGrid;
        grids.AddGrid(QStringLiteral("G0"));
        server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
        server.SetGrids(&grids);
        server.SetPairing(&pairing);
        server.Open();
        for (int i = 0; i < sessions; ++i) {
            const QString key = QStringLiteral("K%1").arg(i);
            pairing.known.insert(key, true);
            auto phone = std::make_unique<FakePhone>(server.TcpPort());
            phone->WaitConnected();
            phone->Send(QStringLiteral("Connect?n=P&t=%1&v=0.45&hb=5").arg(key));
            phone->WaitFor("Connect?");
            phone->Send(QStringLiteral("View?t=0"));
            phone->WaitFor("View?t=0");
            phones.push_back(std::move(phone));
        }
        // Every control message changes its control, so each one is answered by a pushed view.
        for (const auto& view : grids.gridViews) {
            for (FakeCtrlView* ctrl : view->ctrls) {
                ctrl->onMessage = [ctrl](const QString& m) { ctrl->Set(QStringLiteral("v"), m); };
            }
        }
    }
};

void Percentiles(benchmark::State& state, std::vector<qint64>& ns) {
    std::sort(ns.begin(), ns.end());
    state.counters["p50_us"] = double(ns[ns.size() / 2]) / 1000.0;
    state.counters["p99_us"] = double(ns[ns.size() * 99 / 100]) / 1000.0;
    state.counters["max_us"] = double(ns.back()) / 1000.0;
}

// Sends kMessages control messages spread over the sessions (all sessions send at once, then wait for
// their answers) and records each message's time to its pushed "View?t=0".
void RunControlMessages(benchmark::State& state, int sessions) {
    GetLogger().SetLevel(QsLogging::WarnLevel);
    Rig rig(sessions);
    std::vector<qint64> latencies;
    latencies.reserve(kMessages);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        int sent = 0;
        while (sent < kMessages) {
            std::vector<qint64> start(size_t(sessions), 0);
            std::vector<int> base(size_t(sessions), 0);
            for (int i = 0; i < sessions; ++i) {
                FakePhone& phone = *rig.phones[size_t(i)];
                base[size_t(i)] = phone.received.size();
                // Control ids of session i's view start at (i + 1) * 100.
                const int id = (i + 1) * 100 + sent % kControlsPerGrid;
                start[size_t(i)] = clock.nsecsElapsed();
                phone.Send(QStringLiteral("CM?id=%1&m=x%2").arg(id).arg(sent + i));
            }
            int pending = sessions;
            std::vector<bool> done(size_t(sessions), false);
            while (pending > 0) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                for (int i = 0; i < sessions; ++i) {
                    FakePhone& phone = *rig.phones[size_t(i)];
                    if (done[size_t(i)])
                        continue;
                    for (int j = base[size_t(i)]; j < phone.received.size(); ++j) {
                        if (phone.received.at(j).startsWith("View?t=0")) {
                            latencies.push_back(clock.nsecsElapsed() - start[size_t(i)]);
                            done[size_t(i)] = true;
                            --pending;
                            break;
                        }
                    }
                    phone.received.clear();
                    base[size_t(i)] = 0;
                }
            }
            sent += sessions;
        }
    }
    Percentiles(state, latencies);
    state.SetItemsProcessed(int64_t(latencies.size()));
}

void BM_ControlMessageToView_1Session(benchmark::State& state) {
    RunControlMessages(state, 1);
}
void BM_ControlMessageToView_20Sessions(benchmark::State& state) {
    RunControlMessages(state, 20);
}

// "GetRsc" over one kept-alive connection for an image the manager holds encoded already.
void BM_GetRscEncodedImage(benchmark::State& state) {
    GetLogger().SetLevel(QsLogging::WarnLevel);
    struct Images : INetImages {
        QByteArray png;
        QByteArray GetRscData(quint64 id, double) override { return id == 1 ? png : QByteArray(); }
    } images;
    QImage image(256, 256, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x, y, (x * y) & 255, 255));
    QBuffer buffer(&images.png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    NetServer server;
    server.SetEndpoints(QHostAddress::LocalHost, 0, 0);
    server.SetImages(&images);
    server.Open();
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.TcpPort());
    client.waitForConnected(5000);
    const QByteArray request = "GET /GetRsc?cs=1&is=1 HTTP/1.1\r\nHost: pc\r\n\r\n";
    QByteArray reply;
    std::vector<qint64> latencies;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        const qint64 start = clock.nsecsElapsed();
        client.write(request);
        reply.clear();
        int headerEnd = -1;
        qint64 length = -1;
        while (length < 0 || reply.size() < headerEnd + 4 + length) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            reply += client.readAll();
            if (headerEnd < 0 && (headerEnd = reply.indexOf("\r\n\r\n")) >= 0) {
                const int at = reply.indexOf("Content-Length: ");
                length = reply.mid(at + 16, reply.indexOf('\r', at) - at - 16).toLongLong();
            }
        }
        latencies.push_back(clock.nsecsElapsed() - start);
    }
    Percentiles(state, latencies);
    state.counters["body_bytes"] = double(images.png.size());
}
} // namespace

BENCHMARK(BM_ControlMessageToView_1Session)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlMessageToView_20Sessions)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetRscEncodedImage)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // sockets and timers need the event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
