#pragma once
// The platform layer: the one place that talks to the operating system directly. `PAL` holds static
// services for the rest of the program; `PAL_INT` holds the layer's internals, kept visible for tests.

#include <QHostAddress>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class PAL {
public:
    // ---- Start and stop ----

    // Start of the platform layer, called once by the program entry on the main thread.
    static void Init();
    // End of the platform layer, called once by the program entry after the main window is gone.
    static void Exit();
    // Sleeps the calling thread; any thread may call it.
    static void Sleep(int ms);

    // ---- Identity ----

    // The computer's host name.
    static QString GetComputerName();
    // The system's name as the distribution gives it (os-release), computed once.
    static QString GetOSName();

    // ---- Shell services ----

    // Whether the program starts with the user's session, and switching it (true on success): the
    // desktop's autostart entry (PAL_INT::AutostartEntryPath) exists and starts the program minimised.
    static bool GetAutostart();
    static bool SetAutostart(bool on);
    // Replaces %NAME% references by the environment's values, also inside the values inserted. A '%' that
    // opens no reference of a set variable stays as it is ("100% or 50%"); the result is bounded in length.
    static QString ExpandEnvironment(const QString& text);
    // ":Music/Album" -> the music folder followed by "/Album"; text without a leading ':' is unchanged.
    static QString ResolveShellFolder(const QString& text);
    // A program's description (its desktop entry's name), cached per path; empty when there is none.
    static QString GetProgramDescription(const QString& path);
    // The icon of a file, a program or a shell folder (":Computer"), optionally ",n" for the n-th image of
    // an icon file; a null image when nothing is found.
    static QImage LoadIconImage(const QString& reference);
    // Asks for the warning sound unless silent; 0 when silent.
    static int PlayWarningSound(bool silent);
    // The text of the last system error (errno); empty when there is none.
    static QString GetLastErrorText();

    // ---- Identity ----

    // A stable identifier of this machine for the phone protocol and the encryption of settings:
    // base64 of an HMAC-SHA1 over the machine's identity text (28 characters). Computed once and kept;
    // empty when no identity can be read, and then tried again on the next call.
    static QString GetMachineId();

    // ---- System statistics (sysstat.cpp), kept fresh by the statistics thread; any thread may call ----
    // A getter marks its category as wanted; figures nobody asks for keep their last values.

    // Physical memory: bytes and the used fraction (0 to 1).
    static quint64 GetRAMTotal();
    static quint64 GetRAMUsed();
    static double GetRAMUsage();
    // CPUs (at most 16). An index below 0 means the average of all; one at or above the count gives 0. The
    // first call may wait up to a second for the first refresh.
    static int GetCPUCount();
    static double GetCPUUsage(int cpu);
    // The clock as a fraction of the highest (1.0 when unknown), the clock in MHz, the temperature in degrees.
    static double GetCPUMaxFrequency(int cpu);
    static int GetCPUFrequency(int cpu);
    static int GetCPUTemperature(int cpu);
    // Bytes received and sent in one refresh interval of the primary interface; index 0 is the newest of 512.
    static quint64 GetNetRx(int index);
    static quint64 GetNetTx(int index);
    // The primary interface's IPv4 address: 0.0.0.0 for an IPv6 one, 255.255.255.255 before the first refresh.
    static QHostAddress GetHostAddress();
    // Running processes, and the program files of those that could be read ('/' separators).
    static int GetProcessCount();
    static QStringList GetProcesses();
    // Drives (mounted file systems, at most 16), named by mount point or by number ("0" is the first).
    static int GetDriveCount();
    // The drive's mount point; the given text when no drive has that name.
    static QString GetDriveName(const QString& drive);
    // Megabytes.
    static quint64 GetDriveSize(const QString& drive);
    static quint64 GetDriveUsed(const QString& drive);
    // The used fraction, 0 to 1.
    static double GetDriveUsedPrc(const QString& drive);
    // "local", "remote" or "cdrom"; empty for no drive.
    static QString GetDriveType(const QString& drive);

    // ---- Keys and shortcuts (keynames.cpp) ----

    // The key code of a key name: a table name ("F5", "NP3", "PLUS"), a character ("a", "A") or a raw
    // scan code ("SC(1d)"). 0 when the name means nothing.
    static quint32 KeyNameToCode(const QString& name);
    // The shortcut text of a key code with modifier flags: "LCTRL,LSHIFT+F5"; empty for no key.
    static QString KeyCodeToShortcut(quint32 code);
    // The key code of a shortcut text's key; its modifiers' codes go to modifiers, in text order.
    static quint32 ParseShortcut(const QString& text, QList<quint32>& modifiers);
    // The text a key types: virtual key with the shift state in bits 8-10 (shift, ctrl, alt); empty if none.
    static QString KeyToText(quint32 vkAndShift, quint32 scan);

    // ---- Input (input.cpp) ----

    // Presses a shortcut: mode 1 sends the key-downs now, mode 2 the key-ups 25 ms later, 3 both.
    static void SendShortcut(const QString& text, int mode);
    // One key down or up.
    static void SendKey(const QString& name, bool down);
    // Button 0 left, 1 right, 2 middle; 3 is one wheel notch, toward the user unless released.
    static void SendMouseButton(int button, bool release);
    // 0x8000 while the key is down, 0x0001 while it is toggled on; 0 for an unknown name.
    static int GetKeyState(const QString& name);
    // Switches the program's keyboard capture for the key editors; always 0.
    static int SetKeyboardCapture(bool on);

    // ---- Audio (audio.cpp) ----
    // Volumes are reals from 0 to 1; each setter answers the value read back afterwards. "Main" is the
    // default playback device, "Micro" the default recording device, "Music" the user's media player.

    static double GetMainVolume();
    static double SetMainVolume(double volume);
    static bool GetMainMute();
    static bool SetMainMute(bool mute);
    static double GetMicroVolume();
    static double SetMicroVolume(double volume);
    static bool GetMicroMute();
    static bool SetMicroMute(bool mute);
    static double GetMusicVolume();
    static double SetMusicVolume(double volume);
    static bool GetMusicMute();
    static bool SetMusicMute(bool mute);
    // One map per process playing on the default playback device ("system", "procid", "procdesc",
    // "volume"), the program's own process left out; the integer 0 when there is no sound server.
    static QVariant GetAudioSessions();
    // Sets the volume of every stream of that process.
    static void SetAudioSessionVolume(qint64 procId, double volume);

    // ---- System commands and program launch (syscommands.cpp, launch.cpp) ----

    // "!Lock", "!Standby", "!Hibernate", "!LogOff", "!Restart", "!Shutdown", or a program, document,
    // folder, address or desktop entry to start, optionally followed by parameters. Failures are logged.
    static void DoExecute(const QString& command);
    // The absolute path of the file a configured program path runs (a desktop entry gives its program);
    // empty for an empty text or a shortcut that cannot be resolved.
    static QString ResolveProgramPath(const QString& path);

    // ---- Device light-control link (lightcontrol.cpp) ----

    // Hands a light request to the device software's window; true when it was posted at once. Until the
    // device software has answered, each call looks for it again and answers false; the last request is
    // delivered as soon as it answers.
    static bool Tarn_SetColors(int a, int b, int c, uint d);

    // ---- Media players (mediaplayers.cpp) ----
    // Every operation acts on the player GetCurrentMediaPlayer picks for the name; empty means the default.

    // "Winamp", "iTunes", "Windows Media Player".
    static QStringList GetMediaPlayers();
    // The name when it is one of the players, else the user setting "DefaultMediaPlayer", else "Winamp".
    static QString GetCurrentMediaPlayer(const QString& player);
    static bool IsMediaPlayerRunning(const QString& player);
    // The music-information map ("status", "playstate", "title", "duration", "position", "artist", "album",
    // "genre"), or the integer 0 / an empty map / an invalid variant when the player gives none.
    static QVariant GetMusicInfo(const QString& player);
    static void DoMusicPlay(const QString& player);
    static void DoMusicPause(const QString& player);
    static void DoMusicStop(const QString& player);
    static void DoMusicPrev(const QString& player);
    static void DoMusicNext(const QString& player);
    // Seeks to a fraction of the track: 0 the start, 1 the end.
    static void DoMusicSetPos(const QString& player, double fraction);
};

namespace PAL_INT {

// The machine's raw identity text: the trimmed contents of the file at machineIdPath, else an id generated
// once and kept in the settings file at settingsPath so it stays the same from run to run. Empty when
// neither can be read nor stored.
QString ReadMachineGuid(const QString& machineIdPath, const QString& settingsPath);

// The per-user settings file that keeps a generated identity.
QString MachineGuidSettingsPath();

// The desktop's autostart entry that starts the program minimised at log-in.
QString AutostartEntryPath();
// Number of warning sounds asked for so far: nothing plays them here, tests read it.
int WarningSoundCount();
// The description of a program, uncached: the name of its desktop entry.
QString GetProcessDesc(const QString& path);

} // namespace PAL_INT
