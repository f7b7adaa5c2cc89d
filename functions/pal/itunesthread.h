#pragma once
// The iTunes connection: the player is driven only from a worker thread of its own. The main thread leaves a
// pending command, volume, mute or seek in process-wide variables and reads a cached volume, mute and music
// information that the thread refreshes. On Linux the "iTunes object" is the media-player backend that
// MediaPlayerBackendFor("iTunes") gives; the thread connects to it, listens to its events and lets go of it
// when the player quits.

#include <QAtomicInt>
#include <QThread>
#include <QVariant>

namespace PAL_WIN32_INT {

// Pending transport commands.
enum ItunesCommand { IC_None = -1, IC_Play = 0, IC_Pause = 1, IC_Stop = 2, IC_BackTrack = 3, IC_NextTrack = 4 };
// States of the connection slot.
enum ItunesSlot { IS_None = 0, IS_Connecting = 1, IS_Connected = 2 };

class ItunesThread : public QThread {
    Q_OBJECT
public:
    explicit ItunesThread(QObject* parent = nullptr);

    QAtomicInt m_stop;
    QAtomicInt m_running;

protected:
    void run() override;
};

// What the player's events do: quitting sets the quitting flag, the others ask for a refresh.
class IiTunesEventListener {
public:
    virtual ~IiTunesEventListener() = default;
    virtual void OnQuitting() = 0;
    virtual void OnPlayerPlay() = 0;
    virtual void OnPlayerStop() = 0;
    virtual void OnTrackChanged() = 0;
};

class ITEL : public IiTunesEventListener {
public:
    void OnQuitting() override;
    void OnPlayerPlay() override;
    void OnPlayerStop() override;
    void OnTrackChanged() override;
};

// ---- Main thread ----

// True when connected. Otherwise, when force is set or the player is running, starts connecting (and the
// thread) and answers false; a lookup while connecting answers false too.
bool GetITunes(bool force);
// Pending command 0 (Play), 1 (Pause) or 2 (Stop) also sets the cached "playstate" to 3, 2 or 1 at once;
// 3 (BackTrack) and 4 (NextTrack) leave the cached information alone.
void SetItunesCommand(int command);
// Pending seek to a fraction of the track; the cached "position" follows at once when the duration is known.
// A fraction that is negative or not a number asks for nothing.
void SetItunesPosition(double fraction);
// Pending and cached sound volume (0 to 100, held in range) and mute.
void SetItunesVolume(int volume);
void SetItunesMute(bool mute);
int GetItunesVolume();
bool GetItunesMute();
// The information request: asks the thread for fresh information and copies the cached one (invalid before
// any connection, an empty map after the player quit, the integer 0 without a current track).
QVariant GetItunesInfo();

// Platform end: tells the thread to stop and waits for it (10 ms steps, at most 101 waits).
void StopItunesThread();

// ---- Thread internals, visible for tests ----
int ItunesSlotState();
int ItunesPendingCommand();
double ItunesPendingSeek();
int ItunesDemand();
bool ItunesQuitting();
bool ItunesThreadRunning();
// Back to the state of program start; the thread must be stopped.
void ResetItunesState();

// Maps a player's play state (1 stopped, 2 paused, 3 playing, 4/5 scanning) to iTunes' own player state
// (0 stopped, 1 playing, 2 fast forward, 3 rewind), and iTunes' state to the information's "playstate".
int ItunesPlayerState(int playState);
int ItunesStateToPlayState(int itunesState);

} // namespace PAL_WIN32_INT
