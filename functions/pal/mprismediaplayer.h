#pragma once
// A media player on the D-Bus session bus, driven through its MPRIS interface: the Linux side of every
// player name. It drives the first player that announces itself on the bus (in name order), or the one
// named, which it can also start through bus activation.

#include "functions/pal/mediaplayerbackend.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QVariantMap>

namespace PAL_INT {

class MprisMediaPlayer : public QObject, public MediaPlayerBackend {
    Q_OBJECT
public:
    // preferredService: a full bus name ("org.mpris.MediaPlayer2.vlc"); empty takes any player.
    explicit MprisMediaPlayer(const QDBusConnection& connection, const QString& preferredService = QString());

    bool IsRunning() override;
    bool Launch() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Previous() override;
    void Next() override;
    int PlayState() override;
    QString Status() override;
    MediaTrack CurrentTrack() override;
    double Position() override;
    void SetPosition(double seconds) override;
    double Volume() override;
    void SetVolume(double volume) override;
    bool Mute() override;
    void SetMute(bool mute) override;
    void SetEventHandler(const EventHandler& handler) override;

    // The bus name of the player driven now; empty when there is none.
    QString Service();

private slots:
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void OnNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    void Command(const char* method, const QVariantList& args = QVariantList());
    QVariant Property(const QString& service, const char* name);
    QVariantMap Metadata(const QString& service);

    QDBusConnection m_connection;
    const QString m_preferred;
    QMutex m_mutex;
    QString m_service;            // guarded by m_mutex
    QElapsedTimer m_serviceAge;   // guarded by m_mutex
    double m_unmutedVolume = 1.0; // guarded by m_mutex
    EventHandler m_handler;       // guarded by m_mutex
};

} // namespace PAL_INT
