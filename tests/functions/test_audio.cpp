// Volumes, mute states and sessions: the platform layer's rules against the in-memory mixer. The sound
// server's client itself is tested against a real server in test_pulseaudio.

#include "functions/pal/audio.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"

#include <QCoreApplication>
#include <QtTest>

#include <cmath>
#include <limits>

using PAL_INT::AudioFlow;
using PAL_INT::AudioSession;
using PAL_INT::FakeAudioBackend;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

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

} // namespace

class TestAudio : public QObject {
    Q_OBJECT

    FakeAudioBackend m_fake;

private slots:
    void init() {
        m_fake = FakeAudioBackend();
        PAL_INT::SetAudioBackend(&m_fake);
        PAL_INT::SetMusicMixer(nullptr);
    }
    void cleanup() {
        PAL_INT::SetAudioBackend(nullptr);
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

    void missingPlaybackDeviceReadsSilent() {
        m_fake.renderPresent = false;
        m_fake.volume[0] = 0.7;
        QCOMPARE(PAL::GetMainVolume(), 0.0);
        QCOMPARE(PAL::SetMainVolume(0.5), 0.0);
        QCOMPARE(m_fake.log, QStringList({"SetVolume render 0.5"}));
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
};

QTEST_GUILESS_MAIN(TestAudio)
#include "test_audio.moc"
