// Volumes, mute states and sessions: the platform layer's rules against the in-memory mixer, and the
// sound server's command-line client as the recording runner sees it (exact commands, parsed replies).

#include "functions/pal/audio.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"

#include <QCoreApplication>
#include <QtTest>

#include <cmath>
#include <limits>

using PAL_INT::AudioFlow;
using PAL_INT::AudioSession;
using PAL_INT::FakeAudioBackend;
using PAL_INT::ProcessResult;
using PAL_INT::RecordingProcessRunner;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

ProcessResult Output(const QByteArray& text) {
    ProcessResult r;
    r.started = true;
    r.exitCode = 0;
    r.output = text;
    return r;
}

AudioSession Session(const QString& id, qint64 pid, double volume, bool system = false,
                     const QString& app = QString()) {
    AudioSession s;
    s.id = id;
    s.procId = pid;
    s.volume = volume;
    s.system = system;
    s.appName = app;
    s.exePath = QStringLiteral("/nonexistent/") + id; // no desktop entry: the stream's name stands in
    return s;
}

class FakeMusic : public PAL_INT::IMusicMixer {
public:
    double volume = 0.25;
    bool mute = false;
    QList<double> set;
    double GetVolume() override { return volume; }
    double SetVolume(double v) override {
        set << v;
        volume = v;
        return volume;
    }
    bool GetMute() override { return mute; }
    bool SetMute(bool m) override {
        mute = m;
        return mute;
    }
};

const QByteArray kSinkInputs = R"(Sink Input #41
	Driver: protocol-native.c
	Owner Module: 10
	Sink: 0
	Mute: no
	Volume: front-left: 32768 /  50% / -18.06 dB,   front-right: 49152 /  75% / -7.50 dB
	        balance 0.33
	Properties:
		media.name = "Playback Stream"
		application.name = "Music = Player"
		application.process.id = "4242"
		application.process.binary = "player"

Sink Input #42
	Sink: 0
	Volume: mono: 98304 / 150% / 10.57 dB
	Properties:
		application.name = "bell"
		application.process.id = "77"
		media.role = "event"

Sink Input #43
	Sink: 1
	Volume: mono: 65536 / 100%
	Properties:
		application.name = "on the headset"
		application.process.id = "88"
)";

} // namespace

class TestAudio : public QObject {
    Q_OBJECT

    FakeAudioBackend m_fake;
    RecordingProcessRunner m_runner;

private slots:
    void init() {
        m_fake = FakeAudioBackend();
        m_runner = RecordingProcessRunner();
        PAL_INT::SetAudioBackend(&m_fake);
        PAL_INT::SetProcessRunner(&m_runner);
        PAL_INT::SetMusicMixer(nullptr);
    }
    void cleanup() {
        PAL_INT::SetAudioBackend(nullptr);
        PAL_INT::SetProcessRunner(nullptr);
        PAL_INT::SetMusicMixer(nullptr);
    }

    // ---- Rules of the platform layer, against the in-memory mixer ----

    void setVolumeAnswersTheValueReadBack_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QStringList>("log");
        for (const QString& device : {QStringLiteral("main"), QStringLiteral("micro")}) {
            const QString flow = device == "main" ? "render" : "capture";
            const QByteArray d = device.toLatin1();
            QTest::newRow(d + " half") << device << 0.5 << 0.5 << QStringList{"SetVolume " + flow + " 0.5"};
            QTest::newRow(d + " above full is held at full")
                << device << 1.5 << 1.0 << QStringList{"SetVolume " + flow + " 1"};
            QTest::newRow(d + " below silent is held at silent")
                << device << -0.2 << 0.0 << QStringList{"SetVolume " + flow + " 0"};
            QTest::newRow(d + " NaN changes nothing") << device << kNaN << 0.3 << QStringList();
        }
    }
    void setVolumeAnswersTheValueReadBack() {
        QFETCH(QString, device);
        QFETCH(double, volume);
        QFETCH(double, expected);
        QFETCH(QStringList, log);
        m_fake.volume[0] = m_fake.volume[1] = 0.3;
        const double answer = device == "main" ? PAL::SetMainVolume(volume) : PAL::SetMicroVolume(volume);
        QCOMPARE(answer, expected);
        QCOMPARE(device == "main" ? PAL::GetMainVolume() : PAL::GetMicroVolume(), expected);
        QCOMPARE(m_fake.log, log);
    }

    void mainFallsBackToTheCardMasterWithoutPlaybackDevice() {
        m_fake.renderPresent = false;
        m_fake.fallback = 0xFFFF0000; // right full, left silent
        QCOMPARE(PAL::GetMainVolume(), 0.5);
        const double answer = PAL::SetMainVolume(0.5);
        QCOMPARE(m_fake.fallback, quint32(0x7FFF7FFF));
        QVERIFY(std::abs(answer - 0.5) < 1e-4);
        QCOMPARE(PAL::SetMainVolume(7.0), 1.0);
        QCOMPARE(m_fake.fallback, quint32(0xFFFFFFFF));
        m_fake.fallbackPresent = false;
        QCOMPARE(PAL::GetMainVolume(), 0.0);
        QCOMPARE(PAL::SetMainVolume(0.5), 0.0);
    }

    void muteReadBackAndMissingDevices() {
        QCOMPARE(PAL::SetMainMute(true), true);
        QCOMPARE(PAL::GetMainMute(), true);
        QCOMPARE(PAL::SetMicroMute(true), true);
        QCOMPARE(PAL::SetMicroMute(false), false);
        m_fake.renderPresent = false;
        m_fake.capturePresent = false;
        QCOMPARE(PAL::GetMainMute(), false);
        QCOMPARE(PAL::SetMainMute(true), false);
        QCOMPARE(PAL::GetMicroMute(), false);
        QCOMPARE(PAL::SetMicroMute(true), false);
        QCOMPARE(PAL::GetMicroVolume(), 0.0);
        QCOMPARE(PAL::SetMicroVolume(0.8), 0.0);
    }

    void musicGoesToTheMediaPlayer() {
        // No media player: nothing plays, and it counts as muted.
        QCOMPARE(PAL::GetMusicVolume(), 0.0);
        QCOMPARE(PAL::SetMusicVolume(0.5), 0.0);
        QCOMPARE(PAL::GetMusicMute(), true);
        QCOMPARE(PAL::SetMusicMute(false), true);

        FakeMusic music;
        PAL_INT::SetMusicMixer(&music);
        QCOMPARE(PAL::GetMusicVolume(), 0.25);
        QCOMPARE(PAL::SetMusicVolume(0.75), 0.75);
        QCOMPARE(PAL::SetMusicVolume(2.0), 1.0);
        QCOMPARE(PAL::SetMusicVolume(kNaN), 1.0);
        QCOMPARE(music.set, QList<double>({0.75, 1.0}));
        QCOMPARE(PAL::SetMusicMute(true), true);
        QCOMPARE(PAL::GetMusicMute(), true);
        QVERIFY(m_fake.log.isEmpty()); // the devices are not touched
    }

    void sessionsOnePerProcessWithoutTheProgramItself() {
        const qint64 own = QCoreApplication::applicationPid();
        m_fake.sessions = {Session("a", 100, 0.5, false, "Player"), Session("b", 100, 0.9), Session("c", own, 1.0),
                           Session("d", 0, 0.25, true), Session("e", 200, 1.7, false, "Loud")};
        const QVariantList list = PAL::GetAudioSessions().toList();
        QCOMPARE(list.size(), 3);
        const QVariantMap first = list.at(0).toMap();
        QCOMPARE(first.value("procid").toLongLong(), qint64(100));
        QCOMPARE(first.value("volume").toDouble(), 0.5);
        QCOMPARE(first.value("system").toBool(), false);
        QCOMPARE(first.value("procdesc").toString(), QString("Player"));
        QCOMPARE(QStringList(first.keys()), QStringList({"procdesc", "procid", "system", "volume"}));
        QCOMPARE(list.at(1).toMap().value("procdesc").toString(), QString("System Sounds"));
        QCOMPARE(list.at(1).toMap().value("system").toBool(), true);
        QCOMPARE(list.at(2).toMap().value("volume").toDouble(), 1.0);
    }

    void sessionVolumeReachesEveryStreamOfTheProcess() {
        m_fake.sessions = {Session("a", 100, 0.5), Session("b", 100, 0.9), Session("c", 300, 0.1)};
        PAL::SetAudioSessionVolume(100, 0.3);
        QCOMPARE(m_fake.log, QStringList({"SetSessionVolume a 0.3", "SetSessionVolume b 0.3"}));
        m_fake.log.clear();
        PAL::SetAudioSessionVolume(100, kNaN);
        PAL::SetAudioSessionVolume(999, 0.3);
        QVERIFY(m_fake.log.isEmpty());
        PAL::SetAudioSessionVolume(300, 4.0);
        QCOMPARE(m_fake.log, QStringList({"SetSessionVolume c 1"}));
    }

    void noSoundServerGivesTheIntegerZero() {
        m_fake.serverPresent = false;
        m_fake.sessions = {Session("a", 100, 0.5)};
        const QVariant sessions = PAL::GetAudioSessions();
        QCOMPARE(sessions.type(), QVariant::Int);
        QCOMPARE(sessions.toInt(), 0);
        PAL::SetAudioSessionVolume(100, 0.3);
        QVERIFY(m_fake.log.isEmpty());
    }

    // ---- The sound server's client, as the runner sees it ----

    void pactlCommands_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QVariant>("expected"); // read value, or whether a setter succeeded
        const QByteArray half =
            "Volume: front-left: 32768 /  50% / -18.06 dB,   front-right: 16384 /  25% / -36.12 dB\n"
            "        balance -0.50\n";
        QTest::newRow("main volume") << "getvol render"
                                     << "pactl get-sink-volume @DEFAULT_SINK@" << half << QVariant(0.5);
        QTest::newRow("micro volume") << "getvol capture"
                                      << "pactl get-source-volume @DEFAULT_SOURCE@" << half << QVariant(0.5);
        QTest::newRow("unreadable volume")
            << "getvol render"
            << "pactl get-sink-volume @DEFAULT_SINK@" << QByteArray("garbage\n") << QVariant();
        QTest::newRow("set main volume") << "setvol render 0.25"
                                         << "pactl set-sink-volume @DEFAULT_SINK@ 16384" << QByteArray()
                                         << QVariant(true);
        QTest::newRow("set micro volume")
            << "setvol capture 1"
            << "pactl set-source-volume @DEFAULT_SOURCE@ 65536" << QByteArray() << QVariant(true);
        QTest::newRow("main mute") << "getmute render"
                                   << "pactl get-sink-mute @DEFAULT_SINK@" << QByteArray("Mute: yes\n")
                                   << QVariant(true);
        QTest::newRow("micro unmuted") << "getmute capture"
                                       << "pactl get-source-mute @DEFAULT_SOURCE@" << QByteArray("Mute: no\n")
                                       << QVariant(false);
        QTest::newRow("unreadable mute") << "getmute render"
                                         << "pactl get-sink-mute @DEFAULT_SINK@" << QByteArray("Stumm: ja\n")
                                         << QVariant();
        QTest::newRow("set mute") << "setmute render 1"
                                  << "pactl set-sink-mute @DEFAULT_SINK@ 1" << QByteArray() << QVariant(true);
        QTest::newRow("clear micro mute")
            << "setmute capture 0"
            << "pactl set-source-mute @DEFAULT_SOURCE@ 0" << QByteArray() << QVariant(true);
        QTest::newRow("session volume") << "setsession 41 0.5"
                                        << "pactl set-sink-input-volume 41 32768" << QByteArray() << QVariant(true);
        QTest::newRow("card master") << "getfallback"
                                     << "amixer -M get Master"
                                     << QByteArray("Simple mixer control 'Master',0\n"
                                                   "  Limits: Playback 0 - 65536\n"
                                                   "  Front Left: Playback 32768 [50%] [on]\n"
                                                   "  Front Right: Playback 65536 [100%] [on]\n")
                                     << QVariant(quint32(0xFFFF7FFF));
        QTest::newRow("mono card master")
            << "getfallback"
            << "amixer -M get Master" << QByteArray("  Mono: Playback 31 [100%] [-0.00dB] [on]\n")
            << QVariant(quint32(0xFFFFFFFF));
        QTest::newRow("set card master") << "setfallback"
                                         << "amixer -q -M set Master 50%,100%" << QByteArray() << QVariant(true);
    }
    void pactlCommands() {
        QFETCH(QString, operation);
        QFETCH(QString, commandLine);
        QFETCH(QByteArray, reply);
        QFETCH(QVariant, expected);
        PAL_INT::PactlAudioBackend backend(&m_runner);
        const QStringList op = operation.split(' ');
        const AudioFlow flow = op.value(1) == "capture" ? AudioFlow::Capture : AudioFlow::Render;
        const auto run = [&]() -> QVariant {
            double v = 0;
            bool m = false;
            quint32 packed = 0;
            if (op[0] == "getvol")
                return backend.GetVolume(flow, &v) ? QVariant(v) : QVariant();
            if (op[0] == "getmute")
                return backend.GetMute(flow, &m) ? QVariant(m) : QVariant();
            if (op[0] == "getfallback")
                return backend.GetFallbackVolume(&packed) ? QVariant(packed) : QVariant();
            if (op[0] == "setvol")
                return backend.SetVolume(flow, op[2].toDouble());
            if (op[0] == "setmute")
                return backend.SetMute(flow, op[2] == "1");
            if (op[0] == "setsession")
                return backend.SetSessionVolume(op[1], op[2].toDouble());
            return backend.SetFallbackVolume(0xFFFF7FFF);
        };
        // No client, no server: every operation fails.
        QCOMPARE(run(), op[0].startsWith("get") ? QVariant() : QVariant(false));
        m_runner.SetReply(commandLine, Output(reply));
        QCOMPARE(run(), expected);
        for (const QString& line : m_runner.CallLines())
            QCOMPARE(line, commandLine);
    }

    void sinkInputsAreParsed() {
        const QList<AudioSession> sessions = PAL_INT::PactlAudioBackend::ParseSinkInputs(kSinkInputs);
        QCOMPARE(sessions.size(), 3);
        QCOMPARE(sessions[0].device, QString("0"));
        QCOMPARE(sessions[2].device, QString("1"));
        QCOMPARE(sessions[0].id, QString("41"));
        QCOMPARE(sessions[0].procId, qint64(4242));
        QCOMPARE(sessions[0].volume, 0.75);
        QCOMPARE(sessions[0].appName, QString("Music = Player"));
        QCOMPARE(sessions[0].system, false);
        QCOMPARE(sessions[1].id, QString("42"));
        QCOMPARE(sessions[1].volume, 1.5);
        QCOMPARE(sessions[1].system, true);
        QVERIFY(PAL_INT::PactlAudioBackend::ParseSinkInputs("Volume: 1 / 2%\nSink Input\n").isEmpty());
    }

    void defaultBackendRunsTheClientThroughTheRunner() {
        PAL_INT::SetAudioBackend(nullptr);
        // Without the client: the failure values, and only the commands that asked.
        QCOMPARE(PAL::GetMainVolume(), 0.0);
        QCOMPARE(PAL::GetAudioSessions(), QVariant(0));
        QCOMPARE(PAL::SetMainMute(true), false);
        QCOMPARE(m_runner.CallLines(), QStringList({"pactl get-sink-volume @DEFAULT_SINK@", "amixer -M get Master",
                                                    "pactl list sink-inputs", "pactl set-sink-mute @DEFAULT_SINK@ 1"}));

        m_runner = RecordingProcessRunner();
        m_runner.SetReply("pactl set-sink-volume @DEFAULT_SINK@ 32768", Output(""));
        m_runner.SetReply("pactl get-sink-volume @DEFAULT_SINK@", Output("Volume: mono: 32768 / 50%\n"));
        QCOMPARE(PAL::SetMainVolume(0.5), 0.5);
        QCOMPARE(m_runner.CallLines(),
                 QStringList({"pactl set-sink-volume @DEFAULT_SINK@ 32768", "pactl get-sink-volume @DEFAULT_SINK@"}));

        m_runner = RecordingProcessRunner();
        m_runner.SetReply("pactl list sink-inputs", Output(kSinkInputs));
        m_runner.SetReply("pactl set-sink-input-volume 41 6554", Output(""));
        // Without the default device's name every stream is listed.
        QCOMPARE(PAL::GetAudioSessions().toList().size(), 3);
        m_runner.SetReply("pactl get-default-sink", Output("alsa_output.analog\n"));
        m_runner.SetReply("pactl list short sinks",
                          Output("1\tbluez_sink.headset\tmodule-bluez5-device.c\ts16le 1ch 8000Hz\tIDLE\n"
                                 "0\talsa_output.analog\tmodule-alsa-card.c\ts16le 2ch 44100Hz\tRUNNING\n"));
        const QVariantList list = PAL::GetAudioSessions().toList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0).toMap().value("procid").toLongLong(), qint64(4242));
        QCOMPARE(list.at(1).toMap().value("volume").toDouble(), 1.0);
        PAL::SetAudioSessionVolume(4242, 0.1);
        QCOMPARE(m_runner.CallLines().last(), QString("pactl set-sink-input-volume 41 6554"));
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "test_audio.moc"
