#include "functions/pal/itunesthread.h"
#include "functions/pal/mediaplayers.h"
#include "functions/pal/pal.h"
#include "functions/pal/recordingmediaplayer.h"

#include <QtTest>

#include <cmath>
#include <limits>

using PAL_INT::MediaTrack;
using PAL_INT::RecordingMediaPlayer;

namespace {

MediaTrack Track(const QString& title, const QString& artist, double duration) {
    MediaTrack track;
    track.valid = true;
    track.title = title;
    track.artist = artist;
    track.album = QStringLiteral("Album");
    track.genre = QStringLiteral("Genre");
    track.duration = duration;
    return track;
}

} // namespace

class TestMediaPlayers : public QObject {
    Q_OBJECT

    std::shared_ptr<RecordingMediaPlayer> m_winamp;
    std::shared_ptr<RecordingMediaPlayer> m_itunes;
    std::shared_ptr<RecordingMediaPlayer> m_wmp;
    QString m_defaultPlayer;

    std::shared_ptr<RecordingMediaPlayer> Player(const QString& name) {
        if (name == QLatin1String("Winamp"))
            return m_winamp;
        if (name == QLatin1String("iTunes"))
            return m_itunes;
        return m_wmp;
    }

private slots:
    void init() {
        PAL_WIN32_INT::StopItunesThread();
        PAL_WIN32_INT::ResetItunesState();
        PAL_INT::ResetWinampRememberedVolume();
        m_winamp = std::make_shared<RecordingMediaPlayer>();
        m_itunes = std::make_shared<RecordingMediaPlayer>();
        m_wmp = std::make_shared<RecordingMediaPlayer>();
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), m_winamp);
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("iTunes"), m_itunes);
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Windows Media Player"), m_wmp);
        m_defaultPlayer.clear();
        PAL_INT::SetUserSettingReader([this](const QString& key) {
            return key == QLatin1String("DefaultMediaPlayer") && !m_defaultPlayer.isNull() ? QVariant(m_defaultPlayer)
                                                                                           : QVariant();
        });
    }

    void cleanupTestCase() {
        PAL_WIN32_INT::StopItunesThread();
        PAL_INT::SetUserSettingReader(PAL_INT::UserSettingReader());
    }

    void playerNames() {
        QCOMPARE(PAL::GetMediaPlayers(), QStringList({QStringLiteral("Winamp"), QStringLiteral("iTunes"),
                                                      QStringLiteral("Windows Media Player")}));
    }

    void selection_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("kind");
        QTest::newRow("listed name wins") << "iTunes"
                                          << "Winamp"
                                          << "iTunes" << int(PAL_INT::MPK_Itunes);
        QTest::newRow("empty name, no setting") << "" << QString() << "Winamp" << int(PAL_INT::MPK_Winamp);
        QTest::newRow("empty name, empty setting") << ""
                                                   << ""
                                                   << "Winamp" << int(PAL_INT::MPK_Winamp);
        QTest::newRow("case differs: setting") << "itunes"
                                               << "Windows Media Player"
                                               << "Windows Media Player" << int(PAL_INT::MPK_Wmp);
        QTest::newRow("unknown name: setting") << "Nope"
                                               << "iTunes"
                                               << "iTunes" << int(PAL_INT::MPK_Itunes);
        QTest::newRow("setting outside the list acts as WMP") << ""
                                                              << "VLC"
                                                              << "VLC" << int(PAL_INT::MPK_Wmp);
    }

    void selection() {
        QFETCH(QString, given);
        QFETCH(QString, setting);
        QFETCH(QString, chosen);
        QFETCH(int, kind);
        m_defaultPlayer = setting;
        QCOMPARE(PAL::GetCurrentMediaPlayer(given), chosen);
        QCOMPARE(int(PAL_INT::MediaPlayerKindOf(chosen)), kind);
    }

    void winampTitle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::newRow("number, artist, song, player") << "12. Artist - Song - Winamp"
                                                      << "Artist"
                                                      << "Song";
        QTest::newRow("no separator") << "Just a text"
                                      << "Just a text"
                                      << "Just a text";
        QTest::newRow("empty parts kept") << "3.  - Song"
                                          << ""
                                          << "Song";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void winampTitle() {
        QFETCH(QString, text);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QCOMPARE(PAL_INT::WinampTitleParts(text), QStringList({artist, title}));
    }

    // Commands reach the chosen player only while it runs.
    void commands_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QStringList>("calls");
        const QStringList players = {QStringLiteral("Winamp"), QStringLiteral("Windows Media Player")};
        for (const QString& player : players) {
            for (const char* command : {"Play", "Pause", "Stop", "Prev", "Next"}) {
                const QString expected =
                    QString::fromLatin1(command) == QLatin1String("Prev") ? "Previous" : QString::fromLatin1(command);
                QTest::addRow("%s %s", qPrintable(player), command)
                    << player << QString::fromLatin1(command) << true << QStringList({expected});
                if (QString::fromLatin1(command) != QLatin1String("Play") || player != QLatin1String("Winamp"))
                    QTest::addRow("%s %s, not running", qPrintable(player), command)
                        << player << QString::fromLatin1(command) << false << QStringList();
            }
        }
    }

    void commands() {
        QFETCH(QString, player);
        QFETCH(QString, command);
        QFETCH(bool, running);
        QFETCH(QStringList, calls);
        Player(player)->SetRunning(running);
        if (command == QLatin1String("Play"))
            PAL::DoMusicPlay(player);
        else if (command == QLatin1String("Pause"))
            PAL::DoMusicPause(player);
        else if (command == QLatin1String("Stop"))
            PAL::DoMusicStop(player);
        else if (command == QLatin1String("Prev"))
            PAL::DoMusicPrev(player);
        else
            PAL::DoMusicNext(player);
        QCOMPARE(Player(player)->Calls(), calls);
        // Nothing strays to the other players.
        for (const QString& other : PAL::GetMediaPlayers()) {
            if (other != player)
                QVERIFY(Player(other)->Calls().isEmpty());
        }
    }

    void defaultPlayerGetsCommands() {
        m_defaultPlayer = QStringLiteral("Windows Media Player");
        m_wmp->SetRunning(true);
        PAL::DoMusicNext(QString());
        QCOMPARE(m_wmp->Calls(), QStringList({QStringLiteral("Next")}));
        QVERIFY(m_winamp->Calls().isEmpty());
    }

    void winampPlayStartsThePlayer() {
        m_winamp->SetLaunchable(true);
        PAL::DoMusicPlay(QStringLiteral("Winamp"));
        QCOMPARE(m_winamp->Calls(), QStringList({QStringLiteral("Launch")}));
        // The delayed task plays once the player is there.
        QTRY_COMPARE(m_winamp->Calls(), QStringList({QStringLiteral("Launch"), QStringLiteral("Play")}));
    }

    void winampPlayWithoutProgram() {
        PAL::DoMusicPlay(QStringLiteral("Winamp"));
        QCOMPARE(m_winamp->Calls(), QStringList({QStringLiteral("Launch")}));
        QVERIFY(!PAL::IsMediaPlayerRunning(QStringLiteral("Winamp")));
    }

    void running_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<bool>("running");
        QTest::newRow("Winamp up") << "Winamp" << true;
        QTest::newRow("Winamp down") << "Winamp" << false;
        QTest::newRow("WMP up") << "Windows Media Player" << true;
        QTest::newRow("WMP down") << "Windows Media Player" << false;
    }

    void running() {
        QFETCH(QString, player);
        QFETCH(bool, running);
        Player(player)->SetRunning(running);
        QCOMPARE(PAL::IsMediaPlayerRunning(player), running);
    }

    void winampInfo_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("playstate");
        QTest::newRow("playing") << 3 << 3;
        QTest::newRow("paused") << 2 << 2;
        QTest::newRow("stopped") << 1 << 1;
        QTest::newRow("scanning counts as stopped") << 4 << 1;
    }

    void winampInfo() {
        QFETCH(int, state);
        QFETCH(int, playstate);
        QCOMPARE(PAL::GetMusicInfo(QStringLiteral("Winamp")), QVariant(QVariantMap()));
        m_winamp->SetRunning(true);
        m_winamp->SetPlayState(state);
        m_winamp->SetTrack(Track(QStringLiteral("7. Band - Tune - Winamp"), QString(), 183.9));
        m_winamp->SetPosition(61.7);
        const QVariantMap info = PAL::GetMusicInfo(QStringLiteral("Winamp")).toMap();
        QCOMPARE(info.value("playstate"), QVariant(playstate));
        QCOMPARE(info.value("artist"), QVariant("Band"));
        QCOMPARE(info.value("title"), QVariant("Tune"));
        QCOMPARE(info.value("duration"), QVariant(183));
        QCOMPARE(info.value("position"), QVariant(61));
        QCOMPARE(info.value("album"), QVariant("<not_available>"));
        QCOMPARE(info.value("genre"), QVariant("<not_available>"));
        QCOMPARE(info.value("status"), QVariant(QString()));
        QCOMPARE(info.size(), 8);
    }

    void wmpInfo() {
        QCOMPARE(PAL::GetMusicInfo(QStringLiteral("Windows Media Player")), QVariant(int(0)));
        m_wmp->SetRunning(true);
        QCOMPARE(PAL::GetMusicInfo(QStringLiteral("Windows Media Player")), QVariant(int(0)));
        MediaTrack track = Track(QStringLiteral("Tune"), QString(), 90.5);
        track.composer = QStringLiteral("Writer");
        m_wmp->SetTrack(track);
        m_wmp->SetStatus(QStringLiteral("Playing"));
        m_wmp->SetPlayState(3);
        m_wmp->SetPosition(10.25);
        const QVariantMap info = PAL::GetMusicInfo(QStringLiteral("Windows Media Player")).toMap();
        QCOMPARE(info.value("status"), QVariant("Playing"));
        QCOMPARE(info.value("playstate"), QVariant(3));
        QCOMPARE(info.value("title"), QVariant("Tune"));
        QCOMPARE(info.value("duration"), QVariant(90.5));
        QCOMPARE(info.value("position"), QVariant(10.25));
        QCOMPARE(info.value("artist"), QVariant("Writer"));
        QCOMPARE(info.value("album"), QVariant("Album"));
        QCOMPARE(info.value("genre"), QVariant("Genre"));
    }

    void setPosition_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<double>("duration");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QStringList>("calls");
        // Winamp seeks to whole seconds of its whole-second length.
        QTest::newRow("Winamp half") << "Winamp" << 200.7 << 0.5 << QStringList({"SetPosition 100"});
        QTest::newRow("Winamp third") << "Winamp" << 200.0 << 0.333 << QStringList({"SetPosition 66"});
        QTest::newRow("Winamp beyond the end") << "Winamp" << 10.0 << 2.0 << QStringList({"SetPosition 20"});
        QTest::newRow("WMP half") << "Windows Media Player" << 90.5 << 0.5 << QStringList({"SetPosition 45.25"});
        QTest::newRow("WMP without duration") << "Windows Media Player" << 0.0 << 0.5 << QStringList();
        QTest::newRow("not a number") << "Winamp" << 100.0 << std::numeric_limits<double>::quiet_NaN() << QStringList();
        QTest::newRow("infinite") << "Windows Media Player" << 100.0 << std::numeric_limits<double>::infinity()
                                  << QStringList();
    }

    void setPosition() {
        QFETCH(QString, player);
        QFETCH(double, duration);
        QFETCH(double, fraction);
        QFETCH(QStringList, calls);
        Player(player)->SetRunning(true);
        Player(player)->SetTrack(Track(QStringLiteral("a - b"), QString(), duration));
        PAL::DoMusicSetPos(player, fraction);
        QCOMPARE(Player(player)->Calls(), calls);
    }

    // Through the audio functions, which reach the default player.
    void winampMuteRemembersVolume() {
        m_defaultPlayer = QStringLiteral("Winamp");
        QCOMPARE(PAL::GetMusicMute(), true); // no window
        QCOMPARE(PAL::SetMusicVolume(0.5), 0.0);
        m_winamp->SetRunning(true);
        m_winamp->SetVolume(200 / 255.0);
        QCOMPARE(PAL::SetMusicMute(true), true);
        QCOMPARE(PAL::GetMusicVolume(), 0.0);
        QCOMPARE(PAL::SetMusicMute(false), false);
        QCOMPARE(PAL::GetMusicVolume(), 200 / 255.0);
    }

    void winampUnmuteWithoutRememberedVolume() {
        m_defaultPlayer = QStringLiteral("Winamp");
        m_winamp->SetRunning(true);
        m_winamp->SetVolume(0);
        QCOMPARE(PAL_INT::SetMusicMute(false), false);
        QCOMPARE(PAL_INT::GetMusicVolume(), 128 / 255.0);
    }

    void musicVolume_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("readBack");
        QTest::newRow("Winamp half") << "Winamp" << 0.5 << 127 / 255.0;
        QTest::newRow("Winamp above full") << "Winamp" << 3.0 << 1.0;
        QTest::newRow("Winamp below silent") << "Winamp" << -1.0 << 0.0;
        QTest::newRow("Winamp not a number") << "Winamp" << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("WMP") << "Windows Media Player" << 0.456 << 0.45;
        QTest::newRow("WMP not a number") << "Windows Media Player" << std::numeric_limits<double>::quiet_NaN() << 0.0;
    }

    void musicVolume() {
        QFETCH(QString, player);
        QFETCH(double, volume);
        QFETCH(double, readBack);
        m_defaultPlayer = player;
        Player(player)->SetRunning(true);
        QCOMPARE(PAL_INT::SetMusicVolume(volume), readBack);
        QCOMPARE(PAL_INT::GetMusicVolume(), readBack);
    }

    void wmpMute() {
        m_defaultPlayer = QStringLiteral("Windows Media Player");
        QCOMPARE(PAL_INT::SetMusicMute(true), false); // no player: false at once
        QVERIFY(m_wmp->Calls().isEmpty());
        m_wmp->SetRunning(true);
        QCOMPARE(PAL_INT::SetMusicMute(true), true);
        QCOMPARE(PAL_INT::GetMusicMute(), true);
    }

    void itunesWithoutConnection() {
        m_defaultPlayer = QStringLiteral("iTunes");
        QCOMPARE(PAL_INT::GetMusicVolume(), 0.0);
        QCOMPARE(PAL_INT::GetMusicMute(), true);
        QCOMPARE(PAL::IsMediaPlayerRunning(QString()), false);
        // Nothing running and no Play: nothing connects.
        PAL::DoMusicPause(QString());
        QCOMPARE(PAL_WIN32_INT::ItunesSlotState(), int(PAL_WIN32_INT::IS_None));
        QCOMPARE(PAL::GetMusicInfo(QString()), QVariant());
    }
};

QTEST_MAIN(TestMediaPlayers)
#include "test_mediaplayers.moc"
