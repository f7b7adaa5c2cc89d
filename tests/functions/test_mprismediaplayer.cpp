// The MPRIS backend against a fake player on a private session bus of the test's own.

#include "functions/pal/mediaplayers.h"
#include "functions/pal/mprismediaplayer.h"
#include "functions/pal/pal.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMutex>
#include <QProcess>
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

} // namespace

class TestMprisMediaPlayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_address;
    QThread m_playerThread;
    QObject* m_player = nullptr;
    FakeState m_state;
    std::shared_ptr<PAL_INT::MprisMediaPlayer> m_backend;

    QDBusConnection PlayerConnection() { return QDBusConnection(QStringLiteral("fake-player")); }

    QStringList Calls() {
        QMutexLocker lock(&m_state.mutex);
        return m_state.calls;
    }

    void SetMetadata(const QVariantMap& metadata) {
        QMutexLocker lock(&m_state.mutex);
        m_state.metadata = metadata;
    }

    void EmitChanged(const QVariantMap& changed) {
        QDBusMessage signal =
            QDBusMessage::createSignal(QString::fromLatin1(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        signal << QString::fromLatin1(kPlayerIface) << changed << QStringList();
        QVERIFY(PlayerConnection().send(signal));
    }

    void ShowPlayer(bool shown) {
        if (shown)
            QVERIFY(PlayerConnection().registerService(QString::fromLatin1(kService)));
        else
            QVERIFY(PlayerConnection().unregisterService(QString::fromLatin1(kService)));
        QTRY_COMPARE(m_backend->IsRunning(), shown);
    }

    static QVariantMap Song() {
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

        QDBusConnection player = QDBusConnection::connectToBus(m_address, QStringLiteral("fake-player"));
        QVERIFY2(player.isConnected(), qPrintable(m_address + " " + player.lastError().message()));
        m_player = new QObject;
        new FakePlayerAdaptor(m_player, &m_state);
        // The player answers on a thread of its own, as another program would, while the test thread waits.
        m_playerThread.start();
        m_player->moveToThread(&m_playerThread);
        QVERIFY(player.registerObject(QString::fromLatin1(kPath), m_player, QDBusConnection::ExportAdaptors));

        QDBusConnection client = QDBusConnection::connectToBus(m_address, QStringLiteral("client"));
        QVERIFY(client.isConnected());
        m_backend = std::make_shared<PAL_INT::MprisMediaPlayer>(client);
    }

    void cleanupTestCase() {
        m_backend.reset();
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), nullptr);
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-player"));
        if (m_player)
            QMetaObject::invokeMethod(m_player, "deleteLater");
        m_playerThread.quit();
        m_playerThread.wait();
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.terminate();
            m_bus.waitForFinished();
        }
    }

    void init() {
        QMutexLocker lock(&m_state.mutex);
        m_state.calls.clear();
    }

    void noPlayer() {
        QVERIFY(!m_backend->IsRunning());
        QVERIFY(!m_backend->Launch()); // no player named: nothing to start
        m_backend->Play();
        QCOMPARE(m_backend->PlayState(), 1);
        QVERIFY(!m_backend->CurrentTrack().valid);
        QCOMPARE(m_backend->Volume(), 0.0);
        QVERIFY(Calls().isEmpty());
        // A named player that the bus cannot start.
        PAL_INT::MprisMediaPlayer named(QDBusConnection(QStringLiteral("client")),
                                        QStringLiteral("org.mpris.MediaPlayer2.nothing"));
        QVERIFY(!named.Launch());
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
        QTRY_COMPARE(Calls(), QStringList({command}));
    }

    void state_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("playState");
        QTest::newRow("playing") << "Playing" << 3;
        QTest::newRow("paused") << "Paused" << 2;
        QTest::newRow("stopped") << "Stopped" << 1;
        QTest::newRow("unknown") << "Buffering" << 1;
    }

    void state() {
        QFETCH(QString, status);
        QFETCH(int, playState);
        ShowPlayer(true);
        {
            QMutexLocker lock(&m_state.mutex);
            m_state.status = status;
        }
        QCOMPARE(m_backend->Status(), status);
        QCOMPARE(m_backend->PlayState(), playState);
    }

    void track() {
        ShowPlayer(true);
        SetMetadata(QVariantMap());
        QVERIFY(!m_backend->CurrentTrack().valid);
        QVariantMap none;
        none.insert(QStringLiteral("mpris:trackid"),
                    QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack")));
        SetMetadata(none);
        QVERIFY(!m_backend->CurrentTrack().valid);
        SetMetadata(Song());
        const PAL_INT::MediaTrack track = m_backend->CurrentTrack();
        QVERIFY(track.valid);
        QCOMPARE(track.title, QStringLiteral("Tune"));
        QCOMPARE(track.artist, QStringLiteral("Band"));
        QCOMPARE(track.album, QStringLiteral("Record"));
        QCOMPARE(track.genre, QStringLiteral("Jazz"));
        QCOMPARE(track.trackNumber, 4);
        QCOMPARE(track.duration, 180.5);
        {
            QMutexLocker lock(&m_state.mutex);
            m_state.position = 61500000;
        }
        QCOMPARE(m_backend->Position(), 61.5);
    }

    void seek() {
        ShowPlayer(true);
        SetMetadata(Song());
        m_backend->SetPosition(30);
        QTRY_COMPARE(Calls(), QStringList({QStringLiteral("SetPosition /track/1 30000000")}));
        // Without a track id only a relative seek can be asked for.
        QVariantMap meta = Song();
        meta.remove(QStringLiteral("mpris:trackid"));
        SetMetadata(meta);
        {
            QMutexLocker lock(&m_state.mutex);
            m_state.position = 10000000;
            m_state.calls.clear();
        }
        m_backend->SetPosition(40);
        QTRY_COMPARE(Calls(), QStringList({QStringLiteral("Seek 30000000")}));
        m_backend->SetPosition(std::numeric_limits<double>::quiet_NaN());
        QTest::qWait(0);
        QCOMPARE(Calls().size(), 1);
    }

    void volumeAndMute() {
        ShowPlayer(true);
        m_backend->SetVolume(0.25);
        QCOMPARE(m_backend->Volume(), 0.25);
        QVERIFY(!m_backend->Mute());
        m_backend->SetMute(true);
        QCOMPARE(m_backend->Volume(), 0.0);
        QVERIFY(m_backend->Mute());
        m_backend->SetMute(false);
        QCOMPARE(m_backend->Volume(), 0.25);
    }

    void events() {
        ShowPlayer(true);
        QMutex mutex;
        QList<PAL_INT::MediaPlayerEvent> events;
        m_backend->SetEventHandler([&](PAL_INT::MediaPlayerEvent event) {
            QMutexLocker lock(&mutex);
            events.append(event);
        });
        auto seen = [&] {
            QMutexLocker lock(&mutex);
            return events;
        };
        QVariantMap changed;
        changed.insert(QStringLiteral("PlaybackStatus"), QStringLiteral("Playing"));
        EmitChanged(changed);
        QTRY_COMPARE(seen().size(), 1);
        QVERIFY(seen().at(0) == PAL_INT::MediaPlayerEvent::Play);
        changed.insert(QStringLiteral("PlaybackStatus"), QStringLiteral("Paused"));
        changed.insert(QStringLiteral("Metadata"), Song());
        EmitChanged(changed);
        QTRY_COMPARE(seen().size(), 3);
        QVERIFY(seen().at(1) == PAL_INT::MediaPlayerEvent::Stop);
        QVERIFY(seen().at(2) == PAL_INT::MediaPlayerEvent::TrackChanged);
        ShowPlayer(false);
        QTRY_COMPARE(seen().size(), 4);
        QVERIFY(seen().at(3) == PAL_INT::MediaPlayerEvent::Quitting);
        m_backend->SetEventHandler(PAL_INT::MediaPlayerBackend::EventHandler());
        ShowPlayer(true);
        EmitChanged(changed);
        QTest::qWait(50);
        QCOMPARE(seen().size(), 4);
    }

    // The whole road: a player name, the information map and a command.
    void throughThePlatformLayer() {
        ShowPlayer(true);
        PAL_INT::SetMediaPlayerBackend(QStringLiteral("Winamp"), m_backend);
        SetMetadata(Song());
        {
            QMutexLocker lock(&m_state.mutex);
            m_state.status = QStringLiteral("Playing");
            m_state.position = 90000000;
        }
        QVERIFY(PAL::IsMediaPlayerRunning(QStringLiteral("Winamp")));
        const QVariantMap info = PAL::GetMusicInfo(QStringLiteral("Winamp")).toMap();
        QCOMPARE(info.value("playstate"), QVariant(3));
        QCOMPARE(info.value("artist"), QVariant("Band"));
        QCOMPARE(info.value("title"), QVariant("Tune"));
        QCOMPARE(info.value("duration"), QVariant(180));
        QCOMPARE(info.value("position"), QVariant(90));
        PAL::DoMusicSetPos(QStringLiteral("Winamp"), 0.5);
        QTRY_COMPARE(Calls(), QStringList({QStringLiteral("SetPosition /track/1 90000000")}));
    }
};

QTEST_MAIN(TestMprisMediaPlayer)
#include "test_mprismediaplayer.moc"
