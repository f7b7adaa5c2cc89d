#pragma once
// One player name driven as an MPRIS media player on the session bus. Which player that is, the name's
// bus-name patterns decide (mediaplayers.h, MprisBusNamePatterns): the first pattern that some player on
// the bus matches wins, and among its matches a playing one, else the first in name order. Everything it
// answers comes from the directory's memory; commands go out without waiting.

#include "functions/pal/mediaplayerbackend.h"
#include "functions/pal/mprisplayerdirectory.h"

#include <QMutex>
#include <QRegularExpression>

#include <functional>
#include <memory>

namespace PAL_INT {

class MprisMediaPlayer : public MediaPlayerBackend {
public:
    // patterns: the bus-name patterns, ';'-separated, in order of preference (see MprisBusNamePatterns).
    // Read on the main thread only; other threads use the last text read.
    MprisMediaPlayer(std::shared_ptr<MprisPlayerDirectory> directory, std::function<QString()> patterns);
    ~MprisMediaPlayer() override;

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

    // The bus name of the player driven now; empty when none matches.
    QString Service();

    // Whether a player's bus name matches one pattern: a glob over the part after "org.mpris.MediaPlayer2."
    // ('*' any text, '?' one character), case-insensitive; the full bus name may be written too.
    static bool Matches(const QString& pattern, const QString& busName);

private:
    bool Chosen(MprisPlayerState* state);
    void OnEvent(const QString& busName, MediaPlayerEvent event);

    std::shared_ptr<MprisPlayerDirectory> m_directory;
    std::function<QString()> m_patternSource;
    int m_listener = 0;

    QMutex m_mutex;
    QString m_patternText;        // guarded by m_mutex
    QStringList m_patterns;       // guarded by m_mutex
    QString m_service;            // guarded by m_mutex: the last choice
    quint64 m_generation = ~0ull; // guarded by m_mutex: what the choice was made from
    double m_unmutedVolume = 1.0; // guarded by m_mutex
    EventHandler m_handler;       // guarded by m_mutex
};

// The directory of the session bus's players, made on first use; shared by the three player names.
std::shared_ptr<MprisPlayerDirectory> SessionBusPlayers();

} // namespace PAL_INT
