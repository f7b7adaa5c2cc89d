// The media-player getters as control scripts call them: answered from what the player announced on the
// bus, never by asking it. A fake player on a private session bus of the benchmark's own stands in.

#include "functions/pal/mediaplayerbackend.h"
#include "functions/pal/mprismediaplayer.h"
#include "functions/pal/mprisplayerdirectory.h"
#include "functions/pal/pal.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class BenchPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double Volume READ Volume)
public:
    explicit BenchPlayer(QObject* parent) : QDBusAbstractAdaptor(parent) {}
    QString PlaybackStatus() const { return QStringLiteral("Playing"); }
    QVariantMap Metadata() const {
        QVariantMap meta;
        meta.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/track/1")));
        meta.insert(QStringLiteral("xesam:title"), QStringLiteral("Tune"));
        meta.insert(QStringLiteral("xesam:artist"), QStringList({QStringLiteral("Band")}));
        meta.insert(QStringLiteral("mpris:length"), qlonglong(180000000));
        return meta;
    }
    qlonglong Position() const { return 1000000; }
    double Volume() const { return 0.5; }
};

std::shared_ptr<PAL_INT::MprisMediaPlayer> g_backend;

void BM_MprisTrackAndState(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(g_backend->PlayState());
        benchmark::DoNotOptimize(g_backend->CurrentTrack());
        benchmark::DoNotOptimize(g_backend->Position());
    }
}
BENCHMARK(BM_MprisTrackAndState);

// The whole information map of the default player, as SND_Music_GetInfo asks for it.
void BM_GetMusicInfo(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PAL::GetMusicInfo(QStringLiteral("Winamp")));
}
BENCHMARK(BM_GetMusicInfo);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess bus;
    bus.start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
              {QStringLiteral("--session"), QStringLiteral("--address=unix:dir=") + dir.path(),
               QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!bus.waitForStarted() || !bus.waitForReadyRead(10000))
        return 1;
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    QDBusConnection player = QDBusConnection::connectToBus(address, QStringLiteral("player"));
    QObject object;
    new BenchPlayer(&object);
    player.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), &object, QDBusConnection::ExportAdaptors);
    player.registerService(QStringLiteral("org.mpris.MediaPlayer2.bench"));
    {
        auto directory = std::make_shared<PAL_INT::MprisPlayerDirectory>(
            QDBusConnection::connectToBus(address, QStringLiteral("client")));
        g_backend = std::make_shared<PAL_INT::MprisMediaPlayer>(directory, [] { return QStringLiteral("*"); });
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), g_backend);
        QElapsedTimer clock;
        clock.start();
        while (!g_backend->CurrentTrack().valid && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!g_backend->CurrentTrack().valid)
            return 1;
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), nullptr);
        g_backend.reset();
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    bus.terminate();
    bus.waitForFinished();
    return 0;
}

#include "bench_mediaplayer.moc"
