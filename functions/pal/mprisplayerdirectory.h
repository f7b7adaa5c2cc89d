#pragma once
// The MPRIS media players on a D-Bus session bus, as far as the bus has told: which are there (from
// NameOwnerChanged), and their play state, track, volume and position (from each player's answer to one
// GetAll and its PropertiesChanged and Seeked signals afterwards). Nothing is polled, and no call ever
// waits: every question and command is sent asynchronously with a time-out, so a hung player cannot
// stall the program. Readers on any thread get a copy of what is known.

#include "functions/pal/mediaplayerbackend.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <functional>

namespace PAL_INT {

struct MprisPlayerState {
    QString busName;       // "org.mpris.MediaPlayer2.vlc"
    QString owner;         // the player's unique bus name
    bool answered = false; // its properties have arrived
    QString status;        // "Playing", "Paused", "Stopped"
    QVariantMap metadata;  // plain values (lists, texts, numbers, object paths)
    bool hasVolume = false;
    double volume = 0;
    double rate = 1;
    // Position in microseconds when it was last learnt, and when (ms of a monotonic clock).
    qint64 positionUs = 0;
    qint64 positionAtMs = 0;

    // The position now: while playing it moves on from the last one learnt.
    qint64 PositionNowUs(qint64 nowMs) const;
};

class MprisPlayerDirectory : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultCallTimeoutMs = 2000;

    // Lives on the thread that makes it, which must run an event loop (the main thread).
    explicit MprisPlayerDirectory(const QDBusConnection& connection, int callTimeoutMs = kDefaultCallTimeoutMs);

    bool IsConnected() const;
    // Every player known, in bus-name order.
    QList<MprisPlayerState> Players() const;
    bool Player(const QString& busName, MprisPlayerState* state) const;
    // Grows with every change of what is known.
    quint64 Generation() const { return m_generation.load(); }
    // Bus names the bus can start on request.
    QStringList Activatable() const;

    // From any thread; sent from the directory's thread without waiting for the answer.
    void Call(const QString& busName, const QString& method, const QVariantList& args = QVariantList());
    // Sets the volume property; what the readers see changes at once.
    void SetVolume(const QString& busName, double volume);
    // Asks the bus to start the player.
    void Activate(const QString& busName);

    // Player events: Play, Stop (any other status), TrackChanged, Quitting (the name left the bus). Called on
    // the directory's thread.
    using Listener = std::function<void(const QString& busName, MediaPlayerEvent event)>;
    int AddListener(const Listener& listener);
    void RemoveListener(int id);

    // Questions and commands that failed or found no answer in time; for tests.
    int FailedCalls() const { return m_failedCalls.load(); }

    static qint64 NowMs();

private slots:
    void OnNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);
    void OnPropertiesChanged(const QDBusMessage& message);
    void OnSeeked(const QDBusMessage& message);

private:
    void Send(const QDBusMessage& message, const std::function<void(const QDBusMessage&)>& onReply = nullptr);
    void Track(const QString& busName, const QString& owner);
    void AskAll(const QString& busName);
    void AskPosition(const QString& busName);
    // Applies changed properties of the player's interface; the events they make.
    QList<MediaPlayerEvent> Apply(MprisPlayerState& state, const QVariantMap& changed);
    QStringList NamesOfOwner(const QString& owner) const;
    void Notify(const QString& busName, const QList<MediaPlayerEvent>& events);

    QDBusConnection m_connection;
    const int m_timeoutMs;
    mutable QMutex m_mutex;
    QMap<QString, MprisPlayerState> m_players; // guarded by m_mutex
    QStringList m_activatable;                 // guarded by m_mutex
    std::atomic<quint64> m_generation{0};
    std::atomic<int> m_failedCalls{0};
    QMap<int, Listener> m_listeners; // directory's thread only
    int m_nextListener = 1;
};

} // namespace PAL_INT
