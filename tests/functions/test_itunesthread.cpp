#include "functions/pal/itunesthread.h"
#include "functions/pal/mediaplayers.h"
#include "functions/pal/pal.h"
#include "functions/pal/recordingmediaplayer.h"

#include <QtTest>

#include <limits>
#include <thread>

using PAL_INT::MediaPlayerEvent;
using PAL_INT::MediaTrack;
using PAL_INT::RecordingMediaPlayer;
using namespace PAL_WIN32_INT;

namespace {

MediaTrack Track(double duration) {
    MediaTrack track;
    track.valid = true;
    track.title = QStringLiteral("Song");
    track.composer = QStringLiteral("Composer");
    track.album = QStringLiteral("Album");
    track.genre = QStringLiteral("Genre");
    track.duration = duration;
    return track;
}

} // namespace

class TestItunesThread : public QObject {
    Q_OBJECT

    std::shared_ptr<RecordingMediaPlayer> m_itunes;

    // Connects to a running player the way every operation but Play does: through its window.
    void Connect() {
        m_itunes->SetRunning(true);
        QVERIFY(!GetITunes(false));
        // Connecting; a thread that is already running may have connected by now.
        QVERIFY(ItunesSlotState() == IS_Connecting || ItunesSlotState() == IS_Connected);
        QTRY_COMPARE(ItunesSlotState(), int(IS_Connected));
        QVERIFY(GetITunes(false));
    }

private slots:
    void init() {
        StopItunesThread();
        ResetItunesState();
        m_itunes = std::make_shared<RecordingMediaPlayer>();
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("iTunes"), m_itunes);
        PAL_INT::SetUserSettingReader([](const QString&) { return QVariant(QStringLiteral("iTunes")); });
    }

    void cleanupTestCase() {
        StopItunesThread();
        QVERIFY(!ItunesThreadRunning());
    }

    void stateMapping_data() {
        QTest::addColumn<int>("playState");
        QTest::addColumn<int>("itunesState");
        QTest::addColumn<int>("infoState");
        QTest::newRow("stopped") << 1 << 0 << 1;
        QTest::newRow("paused reads as stopped") << 2 << 0 << 1;
        QTest::newRow("playing") << 3 << 1 << 3;
        QTest::newRow("fast forward") << 4 << 2 << 4;
        QTest::newRow("rewind") << 5 << 3 << 5;
        QTest::newRow("unknown") << 9 << 0 << 1;
    }

    void stateMapping() {
        QFETCH(int, playState);
        QFETCH(int, itunesState);
        QFETCH(int, infoState);
        QCOMPARE(ItunesPlayerState(playState), itunesState);
        QCOMPARE(ItunesStateToPlayState(itunesState), infoState);
    }

    void noPlayerNoConnection() {
        QVERIFY(!GetITunes(false));
        QCOMPARE(ItunesSlotState(), int(IS_None));
        QVERIFY(!ItunesThreadRunning());
        // Before any connection the information is invalid; asking for it does not connect.
        QCOMPARE(PAL::GetMusicInfo(QString()), QVariant());
        QCOMPARE(ItunesSlotState(), int(IS_None));
        PAL::DoMusicNext(QString());
        QCOMPARE(ItunesPendingCommand(), int(IC_None));
    }

    void playStartsThePlayer() {
        m_itunes->SetLaunchable(true);
        PAL::DoMusicPlay(QString());
        // The first Play only asks for the connection; the thread plays once connected.
        QCOMPARE(ItunesPendingCommand(), int(IC_None));
        QTRY_COMPARE(m_itunes->Calls(), QStringList({QStringLiteral("Launch"), QStringLiteral("Play")}));
        QCOMPARE(ItunesSlotState(), int(IS_Connected));
    }

    void playerThatCannotStart() {
        PAL::DoMusicPlay(QString());
        QTRY_COMPARE(ItunesSlotState(), int(IS_None));
        QCOMPARE(m_itunes->Calls(), QStringList({QStringLiteral("Launch")}));
    }

    void connectingThroughWindowDoesNotPlay() {
        Connect();
        m_itunes->SetTrack(Track(100));
        QTRY_VERIFY(PAL::GetMusicInfo(QString()).type() == QVariant::Map);
        QVERIFY(!m_itunes->Calls().contains(QStringLiteral("Play")));
    }

    void commands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("call");
        QTest::newRow("play") << "Play"
                              << "Play";
        QTest::newRow("pause") << "Pause"
                               << "Pause";
        QTest::newRow("stop") << "Stop"
                              << "Stop";
        QTest::newRow("previous") << "Prev"
                                  << "Previous";
        QTest::newRow("next") << "Next"
                              << "Next";
    }

    void commands() {
        QFETCH(QString, command);
        QFETCH(QString, call);
        Connect();
        if (command == QLatin1String("Play"))
            PAL::DoMusicPlay(QString());
        else if (command == QLatin1String("Pause"))
            PAL::DoMusicPause(QString());
        else if (command == QLatin1String("Stop"))
            PAL::DoMusicStop(QString());
        else if (command == QLatin1String("Prev"))
            PAL::DoMusicPrev(QString());
        else
            PAL::DoMusicNext(QString());
        QTRY_COMPARE(m_itunes->Calls(), QStringList({call}));
        QCOMPARE(ItunesPendingCommand(), int(IC_None));
    }

    // Without a thread to take the commands, the cached information shows what was asked for at once.
    void cachedPlaystateChangesAtOnce() {
        SetItunesCommand(IC_Pause);
        QCOMPARE(PAL::GetMusicInfo(QString()), QVariant()); // no map yet: nothing to change
        ResetItunesState();
        Connect();
        m_itunes->SetTrack(Track(80));
        m_itunes->SetPlayState(3);
        QTRY_COMPARE(PAL::GetMusicInfo(QString()).toMap().value("playstate"), QVariant(3));
        StopItunesThread();
        QCOMPARE(PAL::GetMusicInfo(QString()), QVariant(QVariantMap())); // released
        const QList<QPair<int, int>> cases = {{IC_Pause, 2}, {IC_Stop, 1}, {IC_Play, 3}};
        for (const auto& c : cases) {
            SetItunesCommand(c.first);
            QCOMPARE(PAL::GetMusicInfo(QString()).toMap().value("playstate"), QVariant(c.second));
            QCOMPARE(ItunesPendingCommand(), c.first);
        }
        SetItunesCommand(IC_NextTrack);
        QCOMPARE(PAL::GetMusicInfo(QString()).toMap().value("playstate"), QVariant(3));
        SetItunesCommand(99); // no such command
        QCOMPARE(ItunesPendingCommand(), int(IC_NextTrack));
    }

    void information() {
        Connect();
        QTRY_COMPARE(PAL::GetMusicInfo(QString()), QVariant(int(0))); // no current track
        m_itunes->SetTrack(Track(200.9));
        m_itunes->SetPlayState(3);
        m_itunes->SetPosition(42.8);
        QTRY_VERIFY(PAL::GetMusicInfo(QString()).type() == QVariant::Map);
        const QVariantMap info = PAL::GetMusicInfo(QString()).toMap();
        QCOMPARE(info.value("status"), QVariant(QString()));
        QCOMPARE(info.value("playstate"), QVariant(3));
        QCOMPARE(info.value("title"), QVariant("Song"));
        QCOMPARE(info.value("duration"), QVariant(200));
        QCOMPARE(info.value("position"), QVariant(42));
        QCOMPARE(info.value("artist"), QVariant("Composer")); // no artist: the composer
        QCOMPARE(info.value("album"), QVariant("Album"));
        QCOMPARE(info.value("genre"), QVariant("Genre"));
        QCOMPARE(info.size(), 8);
    }

    void seekWaitsForTrack() {
        Connect();
        QTRY_COMPARE(PAL::GetMusicInfo(QString()), QVariant(int(0)));
        PAL::DoMusicSetPos(QString(), 0.5);
        QCOMPARE(ItunesPendingSeek(), 0.5);
        // A track shorter than a second cannot be sought in; the information is refreshed all the same.
        m_itunes->SetTrack(Track(0.5));
        QTRY_VERIFY(PAL::GetMusicInfo(QString()).type() == QVariant::Map);
        QCOMPARE(ItunesPendingSeek(), 0.5);
        m_itunes->SetTrack(Track(121));
        QTRY_COMPARE(ItunesPendingSeek(), -1.0);
        QCOMPARE(m_itunes->Calls(), QStringList({QStringLiteral("SetPosition 60")}));
    }

    void cachedPositionFollowsSeek() {
        Connect();
        m_itunes->SetTrack(Track(100));
        QTRY_VERIFY(PAL::GetMusicInfo(QString()).type() == QVariant::Map);
        PAL::DoMusicSetPos(QString(), 0.25);
        // At once from the cached duration, or already from the player after the seek: 25 either way.
        QCOMPARE(PAL::GetMusicInfo(QString()).toMap().value("position").toDouble(), 25.0);
        QTRY_COMPARE(m_itunes->Calls(), QStringList({QStringLiteral("SetPosition 25")}));
    }

    void badSeeks_data() {
        QTest::addColumn<double>("fraction");
        QTest::newRow("negative") << -0.5;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    }

    void badSeeks() {
        QFETCH(double, fraction);
        SetItunesPosition(fraction);
        QCOMPARE(ItunesPendingSeek(), -1.0);
    }

    void volumeAndMute() {
        QCOMPARE(PAL_INT::SetMusicVolume(0.5), 0.0); // not connected
        Connect();
        QCOMPARE(PAL_INT::SetMusicVolume(0.42), 0.42);
        QTRY_VERIFY(m_itunes->Calls().contains(QStringLiteral("SetVolume 0.42")));
        QCOMPARE(PAL_INT::SetMusicVolume(7.0), 1.0);
        QCOMPARE(PAL_INT::SetMusicVolume(std::numeric_limits<double>::quiet_NaN()), 0.0);
        QCOMPARE(PAL_INT::SetMusicMute(true), true);
        QTRY_VERIFY(m_itunes->Calls().contains(QStringLiteral("SetMute 1")));
        QTRY_COMPARE(m_itunes->Mute(), true);
        // The player's own change is read back.
        m_itunes->SetVolume(0.3);
        QTRY_COMPARE(PAL_INT::GetMusicVolume(), 0.3);
    }

    void eventsFromAnotherThread() {
        Connect();
        QTRY_VERIFY(m_itunes->HasEventHandler());
        QTRY_COMPARE(ItunesDemand(), 0);
        std::thread([this] {
            m_itunes->Fire(MediaPlayerEvent::TrackChanged);
            m_itunes->Fire(MediaPlayerEvent::Play);
        }).join();
        QVERIFY(ItunesDemand() >= 1);
        std::thread([this] { m_itunes->Fire(MediaPlayerEvent::Quitting); }).join();
        // The next cycle lets go of the player: an empty map, no listener, not connected.
        QTRY_COMPARE(ItunesSlotState(), int(IS_None));
        QCOMPARE(PAL::GetMusicInfo(QString()), QVariant(QVariantMap()));
        QVERIFY(!m_itunes->HasEventHandler());
        QVERIFY(!ItunesQuitting());
        // A later lookup that finds the player connects again.
        Connect();
    }

    void stopAndRestart() {
        Connect();
        QVERIFY(ItunesThreadRunning());
        StopItunesThread();
        QVERIFY(!ItunesThreadRunning());
        QCOMPARE(ItunesSlotState(), int(IS_None));
        QVERIFY(!m_itunes->HasEventHandler());
        Connect();
        QVERIFY(ItunesThreadRunning());
    }
};

QTEST_MAIN(TestItunesThread)
#include "test_itunesthread.moc"
