// The MPRIS backend against fake players on a private session bus of the test's own: players followed
// through their signals, commands sent without waiting, the player names' bus-name patterns, and a player
// that never answers.

#include "functions/pal/mediaplayers.h"
#include "functions/pal/mprismediaplayer.h"
#include "functions/pal/mprisplayerdirectory.h"
#include "functions/pal/pal.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMutex>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

const char kService[] = "org.mpris.MediaPlayer2.fake";
const char kPath[] = "/org/mpris/MediaPlayer2";
const char kPlayerIface[] = "org.mpris.MediaPlayer2.Player";

// The fake player's state and what it was told; read by the test thread, written by the player's thread.
struct FakeState {
    QMutex mutex;
    QStringList calls;
    QString status = QStringLiteral("Stopped");
    QVariantMap metadata;
    qlonglong position = 0;
    double volume = 0.8;

    void Record(const QString& call) {
        QMutexLocker lock(&mutex);
        calls.append(call);
    }
};

class FakePlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
public:
    FakePlayerAdaptor(QObject* parent, FakeState* state) : QDBusAbstractAdaptor(parent), m_state(state) {}

    QString PlaybackStatus() const {
        QMutexLocker lock(&m_state->mutex);
        return m_state->status;
    }
    QVariantMap Metadata() const {
        QMutexLocker lock(&m_state->mutex);
        return m_state->metadata;
    }
    qlonglong Position() const {
        QMutexLocker lock(&m_state->mutex);
        return m_state->position;
    }
    double Volume() const {
        QMutexLocker lock(&m_state->mutex);
        return m_state->volume;
    }
    void SetVolume(double volume) {
        m_state->Record(QStringLiteral("Volume %1").arg(volume));
        QMutexLocker lock(&m_state->mutex);
        m_state->volume = volume;
    }

public slots:
    void Play() { m_state->Record(QStringLiteral("Play")); }
    void Pause() { m_state->Record(QStringLiteral("Pause")); }
    void Stop() { m_state->Record(QStringLiteral("Stop")); }
    void Next() { m_state->Record(QStringLiteral("Next")); }
    void Previous() { m_state->Record(QStringLiteral("Previous")); }
    void SetPosition(const QDBusObjectPath& track, qlonglong position) {
        m_state->Record(QStringLiteral("SetPosition %1 %2").arg(track.path()).arg(position));
    }
    void Seek(qlonglong offset) { m_state->Record(QStringLiteral("Seek %1").arg(offset)); }

private:
    FakeState* m_state;
};

// One fake player program: its own bus connection, its object on a thread of its own (as another program
// answers on its own time), and a bus name it takes and gives up.
struct FakePlayer {
    FakePlayer(const QString& connection, const QString& bus) : connectionName(connection), busName(bus) {}

    QString connectionName;
    QString busName;
    FakeState state;
    QThread thread;
    QObject* object = nullptr;

    QDBusConnection Connection() const { return QDBusConnection(connectionName); }

    bool Start(const QString& address) {
        QDBusConnection c = QDBusConnection::connectToBus(address, connectionName);
        if (!c.isConnected())
            return false;
        object = new QObject;
        new FakePlayerAdaptor(object, &state);
        thread.start();
        object->moveToThread(&thread);
        return c.registerObject(QString::fromLatin1(kPath), object, QDBusConnection::ExportAdaptors);
    }

    void Stop() {
        QDBusConnection::disconnectFromBus(connectionName);
        if (object)
            QMetaObject::invokeMethod(object, "deleteLater");
        thread.quit();
        thread.wait();
    }

    bool Show(bool shown) {
        return shown ? Connection().registerService(busName) : Connection().unregisterService(busName);
    }

    // Changes properties and announces them, as players do.
    void Change(const QVariantMap& changed) {
        {
            QMutexLocker lock(&state.mutex);
            for (auto it = changed.begin(); it != changed.end(); ++it) {
                if (it.key() == QLatin1String("PlaybackStatus"))
                    state.status = it.value().toString();
                else if (it.key() == QLatin1String("Metadata"))
                    state.metadata = it.value().toMap();
                else if (it.key() == QLatin1String("Volume"))
                    state.volume = it.value().toDouble();
            }
        }
        QDBusMessage signal =
            QDBusMessage::createSignal(QString::fromLatin1(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        signal << QString::fromLatin1(kPlayerIface) << changed << QStringList();
        Connection().send(signal);
    }

    void Seeked(qlonglong positionUs) {
        {
            QMutexLocker lock(&state.mutex);
            state.position = positionUs;
        }
        QDBusMessage signal =
            QDBusMessage::createSignal(QString::fromLatin1(kPath), QString::fromLatin1(kPlayerIface), "Seeked");
        signal << positionUs;
        Connection().send(signal);
    }

    QStringList Calls() {
        QMutexLocker lock(&state.mutex);
        return state.calls;
    }
    void ClearCalls() {
        QMutexLocker lock(&state.mutex);
        state.calls.clear();
    }
};

QVariantMap Song() {
    QVariantMap meta;
    meta.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/track/1")));
    meta.insert(QStringLiteral("xesam:title"), QStringLiteral("Tune"));
    meta.insert(QStringLiteral("xesam:artist"), QStringList({QStringLiteral("Band"), QStringLiteral("Guest")}));
    meta.insert(QStringLiteral("xesam:album"), QStringLiteral("Record"));
    meta.insert(QStringLiteral("xesam:genre"), QStringList({QStringLiteral("Jazz")}));
    meta.insert(QStringLiteral("xesam:trackNumber"), 4);
    meta.insert(QStringLiteral("mpris:length"), qlonglong(180500000));
    return meta;
}

QVariantMap One(const char* key, const QVariant& value) {
    QVariantMap map;
    map.insert(QLatin1String(key), value);
    return map;
}

} // namespace

class TestMprisMediaPlayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_address;
    FakePlayer m_fake{QStringLiteral("fake-player"), QStringLiteral("org.mpris.MediaPlayer2.fake")};
    FakePlayer m_other{QStringLiteral("other-player"), QStringLiteral("org.mpris.MediaPlayer2.vlc")};
    QString m_patterns = QStringLiteral("fake");
    std::shared_ptr<PAL_INT::MprisPlayerDirectory> m_directory;
    std::shared_ptr<PAL_INT::MprisMediaPlayer> m_backend;

    QDBusConnection Client() { return QDBusConnection(QStringLiteral("client")); }

    void ShowPlayer(bool shown) {
        QVERIFY(m_fake.Show(shown));
        QTRY_COMPARE(m_backend->IsRunning(), shown);
    }

    void Dispatch(const QString& command) {
        if (command == QLatin1String("Play"))
            m_backend->Play();
        else if (command == QLatin1String("Pause"))
            m_backend->Pause();
        else if (command == QLatin1String("Stop"))
            m_backend->Stop();
        else if (command == QLatin1String("Next"))
            m_backend->Next();
        else
            m_backend->Previous();
    }

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QVERIFY(m_dir.isValid());
        // A bus of our own: nothing here can reach a player of the machine's user.
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--address=unix:dir=") + m_dir.path(),
                             QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        QVERIFY(m_bus.waitForStarted());
        while (!m_bus.canReadLine())
            QVERIFY(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        QVERIFY(m_fake.Start(m_address));
        QVERIFY(m_other.Start(m_address));
        QVERIFY(QDBusConnection::connectToBus(m_address, QStringLiteral("client")).isConnected());
        m_directory = std::make_shared<PAL_INT::MprisPlayerDirectory>(Client(), 500);
        m_backend = std::make_shared<PAL_INT::MprisMediaPlayer>(m_directory, [this] { return m_patterns; });
    }

    void cleanupTestCase() {
        m_backend.reset();
        m_directory.reset();
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), nullptr);
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        m_fake.Stop();
        m_other.Stop();
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.terminate();
            m_bus.waitForFinished();
        }
    }

    void init() {
        m_patterns = QStringLiteral("fake");
        m_fake.ClearCalls();
        m_other.ClearCalls();
    }

    void noPlayer() {
        QVERIFY(!m_backend->IsRunning());
        QVERIFY(!m_backend->Launch()); // the bus cannot start a "fake"
        m_backend->Play();
        QCOMPARE(m_backend->PlayState(), 1);
        QVERIFY(!m_backend->CurrentTrack().valid);
        QCOMPARE(m_backend->Volume(), 0.0);
        QTest::qWait(50);
        QVERIFY(m_fake.Calls().isEmpty());
    }

    void commands_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"Play", "Pause", "Stop", "Next", "Previous"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void commands() {
        QFETCH(QString, command);
        ShowPlayer(true);
        Dispatch(command);
        QTRY_COMPARE(m_fake.Calls(), QStringList({command}));
    }

    // What a player announces is known without asking it.
    void stateFollowsTheSignals_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("playState");
        QTest::newRow("playing") << "Playing" << 3;
        QTest::newRow("paused") << "Paused" << 2;
        QTest::newRow("stopped") << "Stopped" << 1;
        QTest::newRow("unknown") << "Buffering" << 1;
    }
    void stateFollowsTheSignals() {
        QFETCH(QString, status);
        QFETCH(int, playState);
        ShowPlayer(true);
        m_fake.Change(One("PlaybackStatus", status));
        QTRY_COMPARE(m_backend->Status(), status);
        QCOMPARE(m_backend->PlayState(), playState);
    }

    void trackAndPosition() {
        ShowPlayer(true);
        m_fake.Change(One("Metadata", QVariantMap()));
        QTRY_VERIFY(!m_backend->CurrentTrack().valid);
        m_fake.Change(One("Metadata", One("mpris:trackid", QVariant::fromValue(QDBusObjectPath(
                                                               "/org/mpris/MediaPlayer2/TrackList/NoTrack")))));
        QTest::qWait(50);
        QVERIFY(!m_backend->CurrentTrack().valid);
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Paused")));
        m_fake.Change(One("Metadata", Song()));
        QTRY_VERIFY(m_backend->CurrentTrack().valid);
        const PAL_INT::MediaTrack track = m_backend->CurrentTrack();
        QCOMPARE(track.title, QStringLiteral("Tune"));
        QCOMPARE(track.artist, QStringLiteral("Band"));
        QCOMPARE(track.album, QStringLiteral("Record"));
        QCOMPARE(track.genre, QStringLiteral("Jazz"));
        QCOMPARE(track.trackNumber, 4);
        QCOMPARE(track.duration, 180.5);
        // The position: told by the Seeked signal, then moving on by itself while the player plays.
        m_fake.Seeked(61500000);
        QTRY_COMPARE(m_backend->Position(), 61.5);
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Playing")));
        QTRY_VERIFY(m_backend->Position() > 61.6);
        QVERIFY(m_backend->Position() < 70);
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Stopped")));
    }

    // A player already there when the program starts: its properties are asked for once.
    void aPlayerFoundAtStartIsAskedOnce() {
        ShowPlayer(true);
        {
            QMutexLocker lock(&m_fake.state.mutex);
            m_fake.state.status = QStringLiteral("Paused");
            m_fake.state.metadata = Song();
            m_fake.state.volume = 0.6;
        }
        auto directory = std::make_shared<PAL_INT::MprisPlayerDirectory>(Client(), 500);
        PAL_INT::MprisMediaPlayer late(directory, [] { return QStringLiteral("*"); });
        QTRY_COMPARE(late.PlayState(), 2);
        QCOMPARE(late.CurrentTrack().title, QStringLiteral("Tune"));
        QCOMPARE(late.Volume(), 0.6);
    }

    void seek() {
        ShowPlayer(true);
        m_fake.Change(One("Metadata", Song()));
        QTRY_VERIFY(m_backend->CurrentTrack().valid);
        m_backend->SetPosition(30);
        QTRY_COMPARE(m_fake.Calls(), QStringList({QStringLiteral("SetPosition /track/1 30000000")}));
        // Without a track id only a relative seek can be asked for.
        QVariantMap meta = Song();
        meta.remove(QStringLiteral("mpris:trackid"));
        m_fake.Change(One("Metadata", meta));
        m_fake.Seeked(10000000);
        QTRY_COMPARE(m_backend->Position(), 10.0);
        m_fake.ClearCalls();
        m_backend->SetPosition(40);
        QTRY_COMPARE(m_fake.Calls(), QStringList({QStringLiteral("Seek 30000000")}));
        m_backend->SetPosition(std::numeric_limits<double>::quiet_NaN());
        QTest::qWait(50);
        QCOMPARE(m_fake.Calls().size(), 1);
    }

    void volumeAndMute() {
        ShowPlayer(true);
        m_backend->SetVolume(0.25);
        QCOMPARE(m_backend->Volume(), 0.25); // at once, before the player has it
        QVERIFY(!m_backend->Mute());
        QTRY_VERIFY(m_fake.Calls().contains(QStringLiteral("Volume 0.25")));
        m_backend->SetMute(true);
        QCOMPARE(m_backend->Volume(), 0.0);
        QVERIFY(m_backend->Mute());
        m_backend->SetMute(false);
        QCOMPARE(m_backend->Volume(), 0.25);
        // The player's own change wins.
        m_fake.Change(One("Volume", 0.75));
        QTRY_COMPARE(m_backend->Volume(), 0.75);
    }

    void events() {
        ShowPlayer(true);
        QList<PAL_INT::MediaPlayerEvent> events;
        m_backend->SetEventHandler([&](PAL_INT::MediaPlayerEvent event) { events.append(event); });
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Playing")));
        QTRY_COMPARE(events.size(), 1);
        QVERIFY(events.at(0) == PAL_INT::MediaPlayerEvent::Play);
        QVariantMap changed = One("PlaybackStatus", QStringLiteral("Paused"));
        changed.insert(QStringLiteral("Metadata"), Song());
        m_fake.Change(changed);
        QTRY_COMPARE(events.size(), 3);
        QVERIFY(events.at(1) == PAL_INT::MediaPlayerEvent::Stop);
        QVERIFY(events.at(2) == PAL_INT::MediaPlayerEvent::TrackChanged);
        // Another player's news is not this name's.
        QVERIFY(m_other.Show(true));
        m_other.Change(One("PlaybackStatus", QStringLiteral("Playing")));
        QTest::qWait(100);
        QCOMPARE(events.size(), 3);
        QVERIFY(m_other.Show(false));
        ShowPlayer(false);
        QTRY_COMPARE(events.size(), 4);
        QVERIFY(events.at(3) == PAL_INT::MediaPlayerEvent::Quitting);
        m_backend->SetEventHandler(PAL_INT::MediaPlayerBackend::EventHandler());
        ShowPlayer(true);
        m_fake.Change(changed);
        QTest::qWait(50);
        QCOMPARE(events.size(), 4);
    }

    // Which player a name drives: its patterns in order, a playing match before a paused one.
    void patternsChooseThePlayer_data() {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QString>("vlcStatus");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first pattern with a player wins") << "spotify;vlc;fake"
                                                          << "Paused"
                                                          << "vlc";
        QTest::newRow("full bus name") << "org.mpris.MediaPlayer2.fake"
                                       << "Playing"
                                       << "fake";
        QTest::newRow("glob, any letter case") << "V?C*"
                                               << "Paused"
                                               << "vlc";
        QTest::newRow("any player: name order") << "*"
                                                << "Paused"
                                                << "fake";
        QTest::newRow("any player: a playing one first") << "*"
                                                         << "Playing"
                                                         << "vlc";
        QTest::newRow("no match: none") << "spotify;rhythmbox"
                                        << "Playing"
                                        << "";
        QTest::newRow("no patterns: none") << " ; "
                                           << "Playing"
                                           << "";
    }
    void patternsChooseThePlayer() {
        QFETCH(QString, patterns);
        QFETCH(QString, vlcStatus);
        QFETCH(QString, chosen);
        ShowPlayer(true);
        QVERIFY(m_other.Show(true));
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Stopped")));
        m_other.Change(One("PlaybackStatus", vlcStatus));
        m_patterns = QStringLiteral("vlc");
        QTRY_COMPARE(m_backend->Status(), vlcStatus);
        m_patterns = patterns;
        QTRY_COMPARE(m_backend->Service(),
                     chosen.isEmpty() ? QString() : QStringLiteral("org.mpris.MediaPlayer2.") + chosen);
        m_backend->Next();
        if (!chosen.isEmpty())
            QTRY_COMPARE((chosen == "vlc" ? m_other : m_fake).Calls(), QStringList({QStringLiteral("Next")}));
        QVERIFY(m_other.Show(false));
    }

    void defaultPatternsAndTheSetting() {
        PAL_INT::SetUserSettingReader(PAL_INT::UserSettingReader());
        QCOMPARE(PAL_INT::MprisBusNamePatterns(QStringLiteral("Winamp")),
                 QStringLiteral("audacious;qmmp;deadbeef;strawberry;clementine;*"));
        QCOMPARE(PAL_INT::MprisBusNamePatterns(QStringLiteral("iTunes")),
                 QStringLiteral("rhythmbox;lollypop;elisa;amarok;spotify;*"));
        QCOMPARE(PAL_INT::MprisBusNamePatterns(QStringLiteral("Windows Media Player")),
                 QStringLiteral("vlc;totem;celluloid;smplayer;mpv;*"));
        QVariantMap chosen;
        chosen.insert(QStringLiteral("Winamp"), QStringLiteral("spotify"));
        chosen.insert(QStringLiteral("iTunes"), QStringLiteral("  "));
        PAL_INT::SetUserSettingReader([chosen](const QString& key) {
            return key == QLatin1String("MprisPlayers") ? QVariant(chosen) : QVariant();
        });
        QCOMPARE(PAL_INT::MprisBusNamePatterns(QStringLiteral("Winamp")), QStringLiteral("spotify"));
        // A blank entry keeps the default.
        QCOMPARE(PAL_INT::MprisBusNamePatterns(QStringLiteral("iTunes")),
                 QStringLiteral("rhythmbox;lollypop;elisa;amarok;spotify;*"));
        PAL_INT::SetUserSettingReader(PAL_INT::UserSettingReader());
    }

    // A player that takes its name and then never answers: the program goes on at once, and the questions
    // and commands to it end by time-out.
    void aHungPlayerBlocksNothing() {
        FakePlayer hung{QStringLiteral("hung-player"), QStringLiteral("org.mpris.MediaPlayer2.hung")};
        QVERIFY(hung.Start(m_address));
        QSemaphore release;
        QMetaObject::invokeMethod(hung.object, [&release] { release.acquire(); }); // its thread stops answering
        const int failedBefore = m_directory->FailedCalls();
        QVERIFY(hung.Show(true));
        m_patterns = QStringLiteral("hung");
        QTRY_VERIFY(m_backend->IsRunning()); // known from the bus, though it told nothing
        QElapsedTimer clock;
        clock.start();
        m_backend->Play();
        m_backend->SetVolume(0.5);
        m_backend->SetPosition(10);
        QCOMPARE(m_backend->PlayState(), 1);
        QVERIFY(!m_backend->CurrentTrack().valid);
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        // The event loop keeps running meanwhile.
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(10);
        // GetAll, Play and the volume: each ends after the 500 ms time-out.
        QTRY_VERIFY_WITH_TIMEOUT(m_directory->FailedCalls() >= failedBefore + 3, 3000);
        QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));
        release.release();
        QVERIFY(hung.Show(false));
        hung.Stop();
        QTRY_VERIFY(!m_backend->IsRunning());
    }

    // The whole road: a player name, the information map and a command.
    void throughThePlatformLayer() {
        ShowPlayer(true);
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), m_backend);
        m_fake.Change(One("Metadata", Song()));
        m_fake.Change(One("PlaybackStatus", QStringLiteral("Paused")));
        m_fake.Seeked(90000000);
        QTRY_COMPARE(m_backend->Position(), 90.0);
        QVERIFY(PAL::IsMediaPlayerRunning(QStringLiteral("Winamp")));
        const QVariantMap info = PAL::GetMusicInfo(QStringLiteral("Winamp")).toMap();
        QCOMPARE(info.value("playstate"), QVariant(2));
        QCOMPARE(info.value("artist"), QVariant("Band"));
        QCOMPARE(info.value("title"), QVariant("Tune"));
        QCOMPARE(info.value("duration"), QVariant(180));
        QCOMPARE(info.value("position"), QVariant(90));
        PAL::DoMusicSetPos(QStringLiteral("Winamp"), 0.5);
        QTRY_COMPARE(m_fake.Calls(), QStringList({QStringLiteral("SetPosition /track/1 90000000")}));
    }
};

QTEST_MAIN(TestMprisMediaPlayer)
#include "test_mprismediaplayer.moc"
